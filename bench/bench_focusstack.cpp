// Focus stacking: quality against the true all-sharp picture, wall time and
// peak memory, for Vistrel and for Enfuse side by side.
//
//   bench_focusstack [--size=2592x1944] [--slices=10] [--keep=DIR] [--no-enfuse]
//
// Two generated stacks: "aligned" (slices only refocused) and "moving"
// (each slice also shifted by up to 4 px and scaled by up to 1 %, as a
// focus drive does). Both programs read the same TIFF slices and write a
// TIFF, each as a process of its own, so time and memory are measured alike
// (wall clock, CPU and peak resident size from wait4).
#include "imaging/focusstack.h"
#include "tests/common/focusseries.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
};

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
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        // Quiet: the figures are the point.
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr))
            _exit(126);
        execvp(argv[0], argv.data());
        _exit(127);
    }
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
    const QStringList dims = option(args, QStringLiteral("--size"), QStringLiteral("2592x1944")).split(QLatin1Char('x'));
    const QSize size(dims.value(0).toInt(), dims.value(1).toInt());
    const int slices = option(args, QStringLiteral("--slices"), QStringLiteral("10")).toInt();
    const bool withEnfuse =
        !args.contains(QStringLiteral("--no-enfuse")) && !QStandardPaths::findExecutable(QStringLiteral("enfuse")).isEmpty();
    const QString vistrel = QDir(app.applicationDirPath()).absoluteFilePath(QStringLiteral("../vistrel"));
    if (size.isEmpty() || slices < 2 || !QFileInfo::exists(vistrel)) {
        fprintf(stderr, "usage: bench_focusstack [--size=WxH] [--slices=N] [--keep=DIR] [--no-enfuse]\n"
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
    printf("%-8s %-8s %9s %9s %9s %10s %7s\n", "stack", "program", "PSNR dB", "wall s", "CPU s", "peak MB", "result");

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
                const QString path = QStringLiteral("%1/%2_%3.tif").arg(dir, QLatin1String(stack.name)).arg(k, 2, 10, QLatin1Char('0'));
                const QImage slice = series.slice(k);
                bestSlice = std::max(bestSlice, series.psnr(slice, margin));
                slice.convertToFormat(QImage::Format_RGB888).save(path);
                files << path;
            }
            focusseries::Series::toImage(truth).save(QStringLiteral("%1/%2_truth.png").arg(dir, QLatin1String(stack.name)));
        }
        auto report = [&](const char *program, const Run &r, const QString &out) {
            Run run = r;
            QImage result(out);
            run.psnr = result.isNull() ? 0.0 : focusseries::Series::psnrAgainst(truth, result, margin);
            printf("%-8s %-8s %9.2f %9.2f %9.2f %10.0f %7s\n", stack.name, program, run.psnr, run.wall, run.cpu,
                   run.peakMb, run.ok ? "ok" : "FAILED");
            fflush(stdout);
        };
        const QString ours = QStringLiteral("%1/%2_vistrel.tif").arg(dir, QLatin1String(stack.name));
        report("vistrel", runProcess(QStringList{vistrel, QStringLiteral("--focus-stack=") + ours} + files), ours);
        if (withEnfuse) {
            const QString theirs = QStringLiteral("%1/%2_enfuse.tif").arg(dir, QLatin1String(stack.name));
            report("enfuse",
                   runProcess(QStringList{QStringLiteral("enfuse"), QStringLiteral("--exposure-weight=0"),
                                          QStringLiteral("--saturation-weight=0"), QStringLiteral("--contrast-weight=1"),
                                          QStringLiteral("--hard-mask"), QStringLiteral("-o"), theirs}
                              + files),
                   theirs);
        }
        printf("%-8s %-8s %9.2f\n", stack.name, "slice", bestSlice);
    }
    return 0;
}
