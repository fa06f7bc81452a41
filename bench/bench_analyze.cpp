// Accuracy and speed of edge snapping, circle fitting and particle analysis
// on generated pictures of discs whose outlines are known, with
// scikit-image's regionprops on the same pictures beside Vistrel's figures.
//
//   build/bench/bench_analyze            (needs /usr/bin/python3 with skimage
//                                         for the yardstick; skipped without)
#include "imaging/circlefit.h"
#include "imaging/cvimage.h"
#include "imaging/edges.h"
#include "imaging/particles.h"
#include "../tests/common/discs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>



#include <algorithm>
#include <cstdio>
#include <random>

namespace {

const std::vector<double> kRadii = {5, 8, 10, 15, 20, 40, 80, 120, 200};
const double kBlurs[] = {0.0, 1.0, 2.0};

// Beside this file in the source tree.
QString script()
{
    return QStringLiteral(REGIONPROPS_PY);
}

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

void circleFit()
{
    std::printf("Circle fit (seed 0.3 r off centre, noise 2, uneven light): worst error, px\n");
    std::printf("  %6s %8s %10s %10s\n", "r", "sigma", "radius", "centre");
    double worst = 0;
    for (double r : kRadii)
        for (double blur : kBlurs) {
            double er = 0, ec = 0;
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
                const imaging::CircleFit fit = imaging::fitCircleAt(pic, seed, r * 1.6 + 10);
                er = std::max(er, fit.ok ? std::fabs(fit.radius - r) : 99.0);
                ec = std::max(ec, fit.ok ? std::hypot(fit.centre.x() - d.x, fit.centre.y() - d.y) : 99.0);
            }
            worst = std::max({worst, er, ec});
            std::printf("  %6.0f %8.1f %10.3f %10.3f\n", r, blur, er, ec);
        }
    std::printf("  worst %.3f px (goal 0.1)\n\n", worst);
}

void snapping()
{
    std::printf("Snapped points (pressed 1-6 px off the edge, radius 8): worst distance from the true edge, px\n");
    std::printf("  %6s %8s %10s %10s\n", "r", "sigma", "error", "ms/point");
    double worst = 0, slowest = 0;
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
            const double per = msSince(t) / n;
            worst = std::max(worst, err);
            slowest = std::max(slowest, per);
            std::printf("  %6.0f %8.1f %10.3f %10.4f\n", r, blur, err, per);
        }
    std::printf("  worst %.3f px (goal 0.25), slowest %.4f ms per point (goal 1)\n\n", worst, slowest);
}

struct Found
{
    double x, y, d;
};

// Per radius: the worst relative error of the equivalent diameter.
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

void analysis(const QString &python)
{
    QTemporaryDir dir;
    std::printf("Particle analysis, uneven light (35 %% fall-off), blur 1.5, noise 2: worst equivalent-diameter error, %%\n");
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

    QMap<double, double> theirs;
    int theirCount = -1;
    QString theirTimes;
    QVector<Found> sk;
    if (!python.isEmpty()) {
        QProcess p;
        p.start(python, {script(),
                         QStringLiteral("dark"), QStringLiteral("1"), file});
        p.waitForFinished(120000);
        if (p.exitCode() != 0)
            std::printf("  (regionprops.py: %s)\n", p.readAllStandardError().constData());
        for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 6 && f[0] == "obj")
                sk.push_back({f[2].toDouble(), f[3].toDouble(), f[5].toDouble()});
        }
        int skMissing = 0;
        theirs = sizeErrors(truth, sk, &skMissing);
        theirCount = sk.size();
    }
    std::printf("  %6s %10s %12s\n", "r", "Vistrel", "skimage");
    for (auto it = mine.begin(); it != mine.end(); ++it)
        std::printf("  %6.0f %10.3f %12.3f\n", it.key(), it.value(), theirs.value(it.key(), -1));
    std::printf("  objects: %d true, Vistrel %d (missed %d), skimage %d\n\n", int(truth.size()),
                int(res.particles.size()), missing, theirCount);
}

void speed(const QString &python)
{
    QTemporaryDir dir;
    std::printf("Analysis speed (from an RGB32 frame, grey conversion included), best of 7 runs:\n");
    struct Case
    {
        const char *name;
        cv::Size size;
    } cases[] = {{"1080p", {1920, 1080}}, {"5 MP", {2592, 1944}}};
    for (const Case &c : cases) {
        std::vector<double> radii;
        std::mt19937 rng(3);
        std::uniform_real_distribution<double> f(6, 30);
        for (int k = 0; k < 2000; ++k)
            radii.push_back(f(rng));
        const std::vector<discs::Disc> truth = discs::grid(c.size, radii);
        const cv::Mat pic = discs::draw(c.size, truth, discs::Look());
        const QImage frame = imaging::toQImage(pic).convertToFormat(QImage::Format_RGB32);
        double best = 1e9;
        int count = 0;
        for (int run = 0; run < 7; ++run) {
            QElapsedTimer t;
            t.start();
            const cv::Mat grey = imaging::toGray8(frame);
            imaging::ParticleOptions opt;
            count = imaging::analyzeParticles(grey, opt).particles.size();
            best = std::min(best, msSince(t));
        }
        double theirs = -1;
        if (!python.isEmpty()) {
            const QString file = dir.filePath(QString::fromLatin1(c.name).remove(QLatin1Char(' ')) + ".png");
            imaging::toQImage(pic).save(file);
            QProcess p;
            p.start(python, {script(),
                             QStringLiteral("dark"), QStringLiteral("1"), file});
            p.waitForFinished(300000);
            for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
                if (line.startsWith("time "))
                    theirs = line.split(' ').value(2).toDouble() * 1000;
        }
        std::printf("  %-6s %d objects: Vistrel %.1f ms, skimage regionprops %.1f ms\n", c.name, count, best, theirs);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString python = QStringLiteral("/usr/bin/python3");
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import skimage")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
        std::printf("(python3-skimage missing: no yardstick figures)\n");
        python.clear();
    }
    // A part's name runs only that part: fit, snap, analysis, speed.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only.isEmpty() || only == "fit")
        circleFit();
    if (only.isEmpty() || only == "snap")
        snapping();
    if (only.isEmpty() || only == "analysis")
        analysis(python);
    if (only.isEmpty() || only == "speed")
        speed(python);
    return 0;
}
