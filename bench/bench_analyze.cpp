// Accuracy and speed of edge snapping, circle fitting and particle analysis
// on generated pictures of discs whose outlines are known, with
// scikit-image's regionprops on the same pictures, in the same run, beside
// Vistrel's figures; and the particle panel on a live view fed at 30 fps.
//
//   build/bench/bench_analyze [fit|snap|analysis|speed|live]
//
// Times are wall and CPU (user + system of all threads; for one point or fit
// that of the calling thread); the load average is printed at the start and
// the end, as the machine may be shared. The yardstick needs /usr/bin/python3
// with skimage; without it its columns read -1.
#include "benchutil.h"

#include "calib/analysistools.h"
#include "core/appsettings.h"
#include "imaging/circlefit.h"
#include "imaging/cvimage.h"
#include "imaging/edges.h"
#include "imaging/particles.h"
#include "measure/camerascene.h"
#include "view/cameraviewer.h"
#include "../tests/common/discs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <opencv2/core/utility.hpp>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>

namespace {

const std::vector<double> kRadii = {5, 8, 10, 15, 20, 40, 80, 120, 200};
const double kBlurs[] = {0.0, 1.0, 2.0};

// Beside this file in the source tree.
QString script() { return QStringLiteral(REGIONPROPS_PY); }

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

double cpuMs(clockid_t clock)
{
    timespec ts;
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}
double processCpu() { return cpuMs(CLOCK_PROCESS_CPUTIME_ID); }
double threadCpu() { return cpuMs(CLOCK_THREAD_CPUTIME_ID); }

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2) : QString();
}

void circleFit()
{
    std::printf("Circle fit (seed 0.3 r off centre, noise 2, uneven light): worst error of 4, px; CPU per fit\n");
    std::printf("  %6s %8s %10s %10s %10s\n", "r", "sigma", "radius", "centre", "ms");
    double worst = 0;
    for (double r : kRadii)
        for (double blur : kBlurs) {
            double er = 0, ec = 0, cpu = 0;
            for (unsigned s = 1; s <= 4; ++s) {
                const int side = int(2 * r + 60);
                std::mt19937 rng(s * 31 + unsigned(r));
                std::uniform_real_distribution<double> f(0, 1);
                const discs::Disc d{side / 2.0 + f(rng), side / 2.0 + f(rng), r};
                discs::Look look;
                look.blur = blur;
                look.seed = s;
                const cv::Mat pic = discs::draw({side, side}, {d}, look);
                const double a = f(rng) * 6.28;
                const QPointF seed(d.x + 0.3 * r * std::cos(a), d.y + 0.3 * r * std::sin(a));
                const double c0 = threadCpu();
                const imaging::CircleFit fit = imaging::fitCircleAt(pic, seed, r * 1.6 + 10);
                cpu += threadCpu() - c0;
                er = std::max(er, fit.ok ? std::fabs(fit.radius - r) : 99.0);
                ec = std::max(ec, fit.ok ? std::hypot(fit.centre.x() - d.x, fit.centre.y() - d.y) : 99.0);
            }
            worst = std::max({worst, er, ec});
            std::printf("  %6.0f %8.1f %10.3f %10.3f %10.2f\n", r, blur, er, ec, cpu / 4);
        }
    std::printf("  worst %.3f px (goal 0.1)\n", worst);

    // A click of the FitCircle tool on a large object in a 1080p scene: the
    // GUI thread's share, with the fit done there and handed to the worker.
    const cv::Mat grey = discs::draw({1920, 1080}, {{960.3, 540.6, 200}}, discs::Look());
    CameraScene scene;
    scene.setImage(imaging::toQImage(grey).convertToFormat(QImage::Format_RGB32));
    const QPointF click(960 + 60, 540);
    double c0 = threadCpu();
    const bool inlineOk = scene.fitCircleAt(click);
    const double inlineMs = threadCpu() - c0;
    c0 = threadCpu();
    scene.fitCircleLater(click);
    const double clickMs = threadCpu() - c0;
    while (scene.isFittingCircle())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("  click on r 200 in 1080p, GUI thread CPU: %.2f ms fitted there, %.2f ms handed to the worker "
                "(%s)\n\n",
                inlineMs, clickMs, inlineOk && scene.shapes().size() == 2 ? "both fitted" : "a fit FAILED");
}

void snapping()
{
    std::printf("Snapped points (pressed 1-6 px off the edge, radius 8, from an RGB32 frame): worst distance from\n"
                "the true edge of 200, px; wall and CPU per point\n");
    std::printf("  %6s %8s %10s %10s %10s\n", "r", "sigma", "error", "wall ms", "cpu ms");
    double worst = 0, slowest = 0, slowestCpu = 0;
    for (double r : kRadii)
        for (double blur : kBlurs) {
            const int side = int(2 * r + 60);
            const discs::Disc d{side / 2.0 + 0.37, side / 2.0 + 0.71, r};
            discs::Look look;
            look.blur = blur;
            const cv::Mat pic = discs::draw({side, side}, {d}, look);
            const QImage image = imaging::toQImage(pic).convertToFormat(QImage::Format_RGB32);
            std::mt19937 rng(unsigned(r * 10 + blur));
            std::uniform_real_distribution<double> f(0, 1);
            double err = 0;
            const int n = 200;
            QElapsedTimer t;
            t.start();
            const double c0 = threadCpu();
            for (int k = 0; k < n; ++k) {
                const double a = f(rng) * 6.283, off = (f(rng) - 0.5) * 2 * std::min(6.0, r * 0.5 + 1);
                const QPointF p(d.x + (r + off) * std::cos(a), d.y + (r + off) * std::sin(a));
                const imaging::SnapResult s = imaging::snapToEdge(image, p, 8.0);
                const double e = s.snapped ? std::fabs(std::hypot(s.point.x() - d.x, s.point.y() - d.y) - r) : 99;
                err = std::max(err, e);
                if (e > 0.25 && qEnvironmentVariableIsSet("BENCH_VERBOSE"))
                    std::printf("    miss r %.0f sigma %.0f at %.2f,%.2f (off %.2f): %s %.2f,%.2f e %.3f\n", r, blur,
                                p.x(), p.y(), off, s.snapped ? "snapped" : "stayed", s.point.x(), s.point.y(), e);
            }
            const double cpu = (threadCpu() - c0) / n;
            const double per = msSince(t) / n;
            worst = std::max(worst, err);
            slowest = std::max(slowest, per);
            slowestCpu = std::max(slowestCpu, cpu);
            std::printf("  %6.0f %8.1f %10.3f %10.4f %10.4f\n", r, blur, err, per, cpu);
        }
    std::printf("  worst %.3f px (goal 0.25), slowest %.4f ms wall, %.4f ms CPU per point (goal 1)\n\n", worst, slowest,
                slowestCpu);
}

struct Found
{
    double x, y, d;
};

// Per radius: the worst relative error of the equivalent diameter, %.
QMap<double, double> sizeErrors(const std::vector<discs::Disc> &truth, const QVector<Found> &found, int *missing)
{
    QMap<double, double> worst;
    *missing = 0;
    for (const discs::Disc &d : truth) {
        const Found *best = nullptr;
        double bd = 1e9;
        for (const Found &f : found) {
            const double dist = std::hypot(f.x - d.x, f.y - d.y);
            if (dist < bd) {
                bd = dist;
                best = &f;
            }
        }
        if (!best || bd > d.r * 0.5) {
            ++*missing;
            continue;
        }
        worst[d.r] = std::max(worst.value(d.r), std::fabs(best->d / (2 * d.r) - 1) * 100);
    }
    return worst;
}

double worstFrom(const QMap<double, double> &errors, double radius)
{
    double w = -1;
    for (auto it = errors.begin(); it != errors.end(); ++it)
        if (it.key() >= radius)
            w = std::max(w, it.value());
    return w;
}

// scikit-image on the pictures: its objects and its best time (wall, CPU) of `runs`.
struct Yardstick
{
    QVector<Found> objects;
    int count = -1;
    double wall = -1, cpu = -1;
};

Yardstick skimage(const QString &python, const QString &file, int runs)
{
    Yardstick y;
    if (python.isEmpty())
        return y;
    QProcess p;
    p.start(python, {script(), QStringLiteral("dark"), QString::number(runs), file});
    p.waitForFinished(600000);
    if (p.exitCode() != 0)
        std::printf("  (regionprops.py: %s)\n", p.readAllStandardError().constData());
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 6 && f[0] == "obj")
            y.objects.push_back({f[2].toDouble(), f[3].toDouble(), f[5].toDouble()});
        else if (f.size() == 4 && f[0] == "time") {
            y.wall = f[2].toDouble() * 1000;
            y.cpu = f[3].toDouble() * 1000;
        }
    }
    y.count = y.objects.size();
    return y;
}

void analysis(const QString &python)
{
    QTemporaryDir dir;
    std::printf(
        "Particle analysis, uneven light (35 %% fall-off), blur 1.5, noise 2: worst equivalent-diameter error, %%\n"
        "(skimage: label on Otsu's threshold, 8-connected, border cleared, regionprops)\n");
    const cv::Size size(1600, 1200);
    std::vector<double> radii;
    for (int k = 0; k < 6; ++k)
        for (double r : {5.0, 10.0, 15.0, 20.0, 40.0, 60.0})
            radii.push_back(r);
    const std::vector<discs::Disc> truth = discs::grid(size, radii);
    discs::Look look;
    look.blur = 1.5;
    const cv::Mat pic = discs::draw(size, truth, look);
    const QString file = dir.filePath(QStringLiteral("uneven.png"));
    imaging::toQImage(pic).save(file);

    imaging::ParticleOptions opt;
    opt.minArea = 5;
    const imaging::ParticleResult res = imaging::analyzeParticles(pic, opt);
    QVector<Found> ours;
    for (const imaging::Particle &p : res.particles)
        ours.push_back({p.centroid.x(), p.centroid.y(), p.diameter});
    int missing = 0;
    const QMap<double, double> mine = sizeErrors(truth, ours, &missing);
    // The count as skimage's on the same threshold: every object, holes as they are.
    imaging::ParticleOptions all;
    all.minArea = 1;
    all.fillHoles = false;
    const int ourCount = imaging::analyzeParticles(pic, all).particles.size();

    const Yardstick sk = skimage(python, file, 1);
    int skMissing = 0;
    const QMap<double, double> theirs = sizeErrors(truth, sk.objects, &skMissing);
    std::printf("  %6s %10s %12s\n", "r", "Vistrel", "skimage");
    for (auto it = mine.begin(); it != mine.end(); ++it)
        std::printf("  %6.0f %10.3f %12.3f\n", it.key(), it.value(), theirs.value(it.key(), -1));
    std::printf("  r >= 10: Vistrel %.3f %%, skimage %.3f %% (goal 1 %%)\n", worstFrom(mine, 10),
                worstFrom(theirs, 10));
    std::printf("  r >= 40: Vistrel %.3f %%, skimage %.3f %% (goal 0.3 %%)\n", worstFrom(mine, 40),
                worstFrom(theirs, 40));
    std::printf("  objects: %d true; Vistrel %d (missed %d), on Otsu without size or hole rules %d; skimage %d\n\n",
                int(truth.size()), int(res.particles.size()), missing, ourCount, sk.count);
}

// A frame of many discs of radius 6..30, as grey and as the RGB32 the scene holds.
struct Frame
{
    cv::Mat grey;
    QImage rgb;
};

Frame crowded(cv::Size size, unsigned seed = 3)
{
    std::vector<double> radii;
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> f(6, 30);
    for (int k = 0; k < 4000; ++k)
        radii.push_back(f(rng));
    const std::vector<discs::Disc> truth = discs::grid(size, radii, seed);
    Frame out;
    out.grey = discs::draw(size, truth, discs::Look());
    out.rgb = imaging::toQImage(out.grey).convertToFormat(QImage::Format_RGB32);
    return out;
}

void speed(const QString &python)
{
    QTemporaryDir dir;
    std::printf("Analysis speed (from an RGB32 frame, grey conversion included; %d OpenCV threads), best of 7:\n",
                cv::getNumThreads());
    struct Case
    {
        const char *name;
        cv::Size size;
    } cases[] = {{"1080p", {1920, 1080}}, {"5 MP", {2592, 1944}}};
    std::printf("  %-6s %8s %12s %12s %14s %14s\n", "frame", "objects", "Vistrel wall", "Vistrel CPU", "skimage wall",
                "skimage CPU");
    for (const Case &c : cases) {
        const Frame frame = crowded(c.size);
        double best = 1e9, bestCpu = 1e9;
        int count = 0;
        for (int run = 0; run < 7; ++run) {
            QElapsedTimer t;
            t.start();
            const double c0 = processCpu();
            const cv::Mat grey = imaging::toGray8(frame.rgb);
            imaging::ParticleOptions opt;
            count = imaging::analyzeParticles(grey, opt).particles.size();
            best = std::min(best, msSince(t));
            bestCpu = std::min(bestCpu, processCpu() - c0);
        }
        const QString file = dir.filePath(QString::fromLatin1(c.name).remove(QLatin1Char(' ')) + ".png");
        imaging::toQImage(frame.grey).save(file);
        const Yardstick sk = skimage(python, file, 3);
        std::printf("  %-6s %8d %9.1f ms %9.1f ms %11.1f ms %11.1f ms\n", c.name, count, best, bestCpu, sk.wall,
                    sk.cpu);
    }
    std::printf("  (goal: 5 MP under 50 ms; 1080p within a 30 fps frame, 33.3 ms)\n\n");
}

// The particle panel open over a live view fed 1080p frames at 30 fps: the
// overlay follows the frames from the worker, the GUI thread's share per
// frame, how late the frames came, and a full analysis asked for meanwhile.
void live()
{
    std::printf("Live view, 1080p at 30 fps for 4 s, particle panel open, one analysis asked for after 1 s:\n");
    AppSettings settings;
    CameraViewer view;
    view.resize(960, 540);
    CameraScene *scene = view.cameraScene();
    scene->setSettings(&settings);
    std::vector<QImage> frames;
    for (unsigned k = 0; k < 6; ++k)
        frames.push_back(crowded({1920, 1080}, 10 + k).rgb);
    scene->setImage(frames[0]);
    scene->setMeasureEnabled(true);
    view.show();
    ParticlePanel panel;
    panel.setScene(scene);
    panel.show();
    int analysedCount = -1;
    QObject::connect(&panel, &ParticlePanel::analysed, [&](int count) { analysedCount = count; });
    int overlays = 0;
    QImage lastOverlay;

    const int total = 120;
    int shown = 0;
    double setImageMs = 0, worstSetImage = 0, worstGap = 0;
    QElapsedTimer clock;
    clock.start();
    double lastTick = 0, askedAt = -1, doneAt = -1, shownWhileAnalysing = 0;
    const QMap<QString, double> cpu0 = bench::threadCpu();
    const double gui0 = threadCpu();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(33);
    QEventLoop loop;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const double now = msSince(clock);
        if (shown) {
            worstGap = std::max(worstGap, now - lastTick);
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE") && now - lastTick > 50)
                std::printf("    frame %d came %.1f ms after the one before%s\n", shown, now - lastTick,
                            askedAt >= 0 && doneAt < 0 ? " (analysis running)" : "");
        }
        lastTick = now;
        QElapsedTimer t;
        t.start();
        scene->setImage(frames[size_t(shown % int(frames.size()))]);
        const double took = msSince(t);
        setImageMs += took;
        worstSetImage = std::max(worstSetImage, took);
        ++shown;
        if (scene->analysisOverlay().cacheKey() != lastOverlay.cacheKey()) {
            lastOverlay = scene->analysisOverlay();
            ++overlays;
        }
        if (shown == 30) {
            askedAt = now;
            panel.analyse();
        }
        if (askedAt >= 0 && doneAt < 0)
            ++shownWhileAnalysing;
        if (askedAt >= 0 && doneAt < 0 && analysedCount >= 0)
            doneAt = now;
        if (shown == total)
            loop.quit();
    });
    timer.start();
    loop.exec();
    const double wall = msSince(clock);
    const double gui = threadCpu() - gui0;
    const QMap<QString, double> cpu1 = bench::threadCpu();
    double workers = 0;
    for (auto it = cpu1.begin(); it != cpu1.end(); ++it)
        if (it.key() != QLatin1String("GUI"))
            workers += it.value() - cpu0.value(it.key());
    std::printf("  %d frames in %.0f ms: latest gap between frames %.1f ms (33.3 expected)\n", shown, wall, worstGap);
    std::printf("  GUI thread: %.2f ms CPU per frame in all; setImage %.2f ms on average, %.2f ms at worst\n",
                gui / shown, setImageMs / shown, worstSetImage);
    std::printf("  overlays from the worker: %d for %d frames; worker threads %.1f ms CPU per frame\n", overlays, shown,
                workers * 1000 / shown);
    {
        // What putting the objects into the scene costs the GUI thread.
        imaging::ParticleOptions opt;
        const imaging::ParticleResult r = imaging::analyzeParticles(imaging::toGray8(frames[0]), opt);
        QElapsedTimer t;
        t.start();
        const double c0 = threadCpu();
        scene->setParticles(r.particles);
        std::printf("  putting %d objects into the scene: %.1f ms wall, %.1f ms CPU on the GUI thread\n",
                    int(r.particles.size()), msSince(t), threadCpu() - c0);
        for (int k = 0; k < 3; ++k) {
            t.restart();
            const double p0 = threadCpu();
            if (k == 2)
                scene->setImage(frames[1]);
            view.viewport()->repaint();
            std::printf("  %s: %.1f ms wall, %.1f ms CPU\n",
                        k == 0   ? "first paint with them"
                        : k == 1 ? "the next paint"
                                 : "a new frame's paint",
                        msSince(t), threadCpu() - p0);
        }
    }
    std::printf("  analysis: %s after %.0f ms (%.0f frames shown meanwhile), %d objects\n\n",
                doneAt >= 0 ? "done" : "not done", doneAt >= 0 ? doneAt - askedAt : -1.0, shownWhileAnalysing,
                analysedCount);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // in step with Qt's warnings on stderr
    QString python = QStringLiteral("/usr/bin/python3");
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import skimage")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
        std::printf("(python3-skimage missing: no yardstick figures)\n");
        python.clear();
    }
    std::printf("load average at start: %s\n\n", qPrintable(loadAverage()));
    QElapsedTimer all;
    all.start();
    const double cpu0 = processCpu();
    // A part's name runs only that part: fit, snap, analysis, speed, live.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only.isEmpty() || only == "fit")
        circleFit();
    if (only.isEmpty() || only == "snap")
        snapping();
    if (only.isEmpty() || only == "analysis")
        analysis(python);
    if (only.isEmpty() || only == "speed")
        speed(python);
    if (only.isEmpty() || only == "live")
        live();
    std::printf("load average at the end: %s; this run %.1f s wall, %.1f s CPU (without python)\n",
                qPrintable(loadAverage()), msSince(all) / 1000, (processCpu() - cpu0) / 1000);
    return 0;
}
