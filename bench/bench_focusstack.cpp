// Focus stacking: quality against the true all-sharp picture, wall time and
// peak memory, for Vistrel and for Enfuse side by side.
//
//   bench_focusstack [--size=2592x1944] [--slices=10] [--keep=DIR] [--no-enfuse]
//
// Two generated stacks: "aligned" (slices only refocused) and "moving"
// (each slice also shifted by up to 4 px and scaled by up to 1 %, as a
// focus drive does). Both programs read the same TIFF slices and write a
// TIFF, each as a process of its own, so time and memory are measured alike
// (wall clock, CPU and peak resident size from wait4). They run one after
// the other on each stack; on a machine that others load, the ratio of two
// neighbouring runs is the fair figure, so it is printed with the load
// average. Vistrel's own account of its stages follows each of its runs.
#include "imaging/focusstack.h"
#include "tests/common/focusseries.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {

struct Run
{
    bool ok = false;
    double wall = 0;
    double cpu = 0;
    double peakMb = 0;
    double psnr = 0;
    QByteArray out; // what it printed
};

QByteArray loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return "?";
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() >= 3 ? parts[0] + ' ' + parts[1] + ' ' + parts[2] : QByteArray("?");
}

Run runProcess(const QStringList &command)
{
    Run run;
    std::vector<QByteArray> args;
    for (const QString &a : command)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    fflush(stdout); // or the child's stdout would print it again
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return run;
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        // Its standard output comes back here; the rest is not wanted.
        close(pipeEnds[0]);
        if (dup2(pipeEnds[1], STDOUT_FILENO) < 0 || !freopen("/dev/null", "w", stderr))
            _exit(126);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            run.out.append(buffer, int(n));
        else if (errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.wall = clock.nsecsElapsed() / 1e9;
    run.cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakMb = usage.ru_maxrss / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    for (const QString &a : args)
        if (a.startsWith(name + QLatin1Char('=')))
            return a.mid(name.size() + 1);
    return fallback;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList dims =
        option(args, QStringLiteral("--size"), QStringLiteral("2592x1944")).split(QLatin1Char('x'));
    const QSize size(dims.value(0).toInt(), dims.value(1).toInt());
    const int slices = option(args, QStringLiteral("--slices"), QStringLiteral("10")).toInt();
    const bool withEnfuse = !args.contains(QStringLiteral("--no-enfuse"))
                            && !QStandardPaths::findExecutable(QStringLiteral("enfuse")).isEmpty();
    const QString vistrel = QDir(app.applicationDirPath()).absoluteFilePath(QStringLiteral("../vistrel"));
    if (size.isEmpty() || slices < 2 || !QFileInfo::exists(vistrel)) {
        fprintf(stderr,
                "usage: bench_focusstack [--size=WxH] [--slices=N] [--keep=DIR] [--no-enfuse]\n"
                "(needs the program at %s)\n",
                qPrintable(vistrel));
        return 2;
    }
    QTemporaryDir temp;
    const QString keep = option(args, QStringLiteral("--keep"), QString());
    const QString dir = keep.isEmpty() ? temp.path() : keep;
    QDir().mkpath(dir);

    printf("focus stack: %d slices of %d x %d%s\n", slices, size.width(), size.height(),
           withEnfuse ? "" : " (enfuse not run)");
    printf("%-8s %-8s %9s %9s %9s %10s %7s  %s\n", "stack", "program", "PSNR dB", "wall s", "CPU s", "peak MB",
           "result", "load average");
    bool goalsMet = true;

    struct Stack
    {
        const char *name;
        double shift;
        double scale;
    };
    for (const Stack &stack : {Stack{"aligned", 0.0, 0.0}, Stack{"moving", 4.0, 0.01}}) {
        focusseries::Options o;
        o.size = size;
        o.slices = slices;
        o.maxShift = stack.shift;
        o.maxScale = stack.scale;
        QStringList files;
        double bestSlice = 0;
        cv::Mat truth;
        int margin = 0;
        {
            // The generator's blur ladder is released before the programs run.
            const focusseries::Series series(o);
            truth = series.truth8();
            margin = series.margin();
            for (int k = 0; k < slices; ++k) {
                const QString path =
                    QStringLiteral("%1/%2_%3.tif").arg(dir, QLatin1String(stack.name)).arg(k, 2, 10, QLatin1Char('0'));
                const QImage slice = series.slice(k);
                bestSlice = std::max(bestSlice, series.psnr(slice, margin));
                slice.convertToFormat(QImage::Format_RGB888).save(path);
                files << path;
            }
            focusseries::Series::toImage(truth).save(
                QStringLiteral("%1/%2_truth.png").arg(dir, QLatin1String(stack.name)));
        }
        auto measure = [&](const char *program, const QStringList &command, const QString &out) {
            const QByteArray load = loadAverage();
            Run run = runProcess(command);
            QImage result(out);
            run.psnr = result.isNull() ? 0.0 : focusseries::Series::psnrAgainst(truth, result, margin);
            printf("%-8s %-8s %9.2f %9.2f %9.2f %10.0f %7s  %s\n", stack.name, program, run.psnr, run.wall, run.cpu,
                   run.peakMb, run.ok ? "ok" : "FAILED", load.constData());
            fflush(stdout);
            return run;
        };
        const QString ours = QStringLiteral("%1/%2_vistrel.tif").arg(dir, QLatin1String(stack.name));
        const Run v = measure(
            "vistrel",
            QStringList{vistrel, QStringLiteral("--verbose"), QStringLiteral("--focus-stack=") + ours} + files, ours);
        for (const QByteArray &line : v.out.split('\n'))
            if (line.startsWith("stages"))
                printf("%-8s %-8s   %s\n", stack.name, "", line.constData());
        const bool aligned = stack.shift == 0.0;
        goalsMet = goalsMet && v.ok && v.peakMb < 600 && (aligned || v.psnr >= 35.0);
        if (withEnfuse) {
            const QString theirs = QStringLiteral("%1/%2_enfuse.tif").arg(dir, QLatin1String(stack.name));
            const Run e = measure("enfuse",
                                  QStringList{QStringLiteral("enfuse"), QStringLiteral("--exposure-weight=0"),
                                              QStringLiteral("--saturation-weight=0"),
                                              QStringLiteral("--contrast-weight=1"), QStringLiteral("--hard-mask"),
                                              QStringLiteral("-o"), theirs}
                                      + files,
                                  theirs);
            const double wallRatio = e.wall > 0 ? v.wall / e.wall : 0.0;
            printf("%-8s %-8s   vistrel / enfuse: wall %.2f, CPU %.2f, PSNR %+.2f dB\n", stack.name, "ratio", wallRatio,
                   e.cpu > 0 ? v.cpu / e.cpu : 0.0, v.psnr - e.psnr);
            if (aligned)
                goalsMet = goalsMet && e.ok && v.psnr >= e.psnr && wallRatio <= 1.0 / 3.0;
        }
        printf("%-8s %-8s %9.2f\n", stack.name, "slice", bestSlice);
    }
    // Aligned: PSNR at least Enfuse's in at most a third of its wall time;
    // moving: at least 35 dB; both under 600 MB.
    printf("goals %s\n", goalsMet ? "met" : "NOT met");
    return 0;
}
