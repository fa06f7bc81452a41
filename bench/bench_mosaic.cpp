// Mosaic placement against the truth: generated fields on 3 x 3 and 5 x 5
// grids, beside OpenCV's own stitcher (SCANS mode) on the same fields.
// Also the seams' blend (multi-band; --feather adds the plain feather for
// comparison) and the live mosaic's tracking rate.
//   bench_mosaic [--no-opencv] [--feather] [--threads=N] [--only=GRID,OVERLAP]
#include "imaging/livemosaic.h"
#include "imaging/mosaic.h"
#include "tests/common/mosaicfields.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <opencv2/stitching.hpp>

#include <cstdio>
#include <numeric>

#include <malloc.h>
#include <sys/resource.h>

namespace {

qint64 statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(strlen(key))).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Resets the peak to what the process holds now (Linux 4.0 and later),
// after handing back what the last run freed, so that its peak is its own.
void resetPeak()
{
    malloc_trim(0);
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Run
{
    QString what;
    bool ok = false;
    int placed = 0;
    double worst = 0, mean = 0, seconds = 0, cpu = 0;
    qint64 peakMb = 0;
    QString note;
};

Run runOurs(const mosaicfields::Fields &f, imaging::MosaicOptions::Blend blend)
{
    Run r;
    r.what = blend == imaging::MosaicOptions::Blend::MultiBand ? QStringLiteral("vistrel multi-band")
                                                               : QStringLiteral("vistrel feather");
    imaging::MosaicOptions o;
    o.blend = blend;
    resetPeak();
    const qint64 before = statusKb("VmRSS:");
    QElapsedTimer t;
    t.start();
    const double cpu = cpuSeconds();
    const imaging::MosaicResult m = imaging::stitch(f.images, o);
    r.seconds = t.elapsed() / 1000.0;
    r.cpu = cpuSeconds() - cpu;
    r.peakMb = (statusKb("VmHWM:") - before) / 1024;
    r.ok = m.ok();
    r.placed = int(std::count(m.placed.begin(), m.placed.end(), true));
    if (r.ok) {
        const auto e = mosaicfields::errors(m.topLefts, f.truth);
        r.worst = e.first;
        r.mean = e.second;
        r.note = QStringLiteral("%1 x %2").arg(m.image.width()).arg(m.image.height());
    } else {
        r.note = m.neededBytes ? QStringLiteral("too large") : QStringLiteral("fields not placed");
    }
    return r;
}

Run runOpenCv(const mosaicfields::Fields &f)
{
    Run r;
    r.what = QStringLiteral("cv::Stitcher SCANS");
    std::vector<cv::Mat> images;
    for (const QImage &img : f.images) {
        cv::Mat bgra(img.height(), img.width(), CV_8UC4, const_cast<uchar *>(img.constBits()),
                     size_t(img.bytesPerLine()));
        cv::Mat bgr;
        cv::cvtColor(bgra, bgr, cv::COLOR_BGRA2BGR);
        images.push_back(bgr);
    }
    resetPeak();
    const qint64 before = statusKb("VmRSS:");
    QElapsedTimer t;
    t.start();
    const double cpu = cpuSeconds();
    cv::Ptr<cv::Stitcher> stitcher = cv::Stitcher::create(cv::Stitcher::SCANS);
    cv::Mat pano;
    const cv::Stitcher::Status status = stitcher->stitch(images, pano);
    r.seconds = t.elapsed() / 1000.0;
    r.cpu = cpuSeconds() - cpu;
    r.peakMb = (statusKb("VmHWM:") - before) / 1024;
    if (status != cv::Stitcher::OK) {
        const char *why[] = {"ok", "need more images", "homography failed", "camera parameters failed"};
        r.note = QStringLiteral("failed: %1").arg(QLatin1String(why[std::clamp(int(status), 0, 3)]));
        return r;
    }
    // SCANS keeps an affine transform per field in its camera's R; the
    // field's top-left corner is its translation, in registration pixels.
    const std::vector<int> used = stitcher->component();
    const std::vector<cv::detail::CameraParams> cams = stitcher->cameras();
    r.placed = int(used.size());
    if (used.size() != f.images.size() || cams.size() != used.size()) {
        r.note = QStringLiteral("kept %1 of %2 fields").arg(used.size()).arg(f.images.size());
        return r;
    }
    // The transforms are in the registration scale's pixels.
    QVector<QPointF> found(int(used.size())), truth(int(used.size()));
    const double workScale = std::min(1.0,
                                      std::sqrt(stitcher->registrationResol() * 1e6 / double(images[0].size().area())));
    for (size_t i = 0; i < used.size(); ++i) {
        cv::Mat R;
        cams[i].R.convertTo(R, CV_64F);
        // R maps the mosaic to the field: the field's origin is where its
        // inverse sends 0, 0, in registration pixels.
        const cv::Mat H = (cams[i].K() * R).inv();
        found[int(i)] = QPointF(H.at<double>(0, 2) / H.at<double>(2, 2) / workScale,
                                H.at<double>(1, 2) / H.at<double>(2, 2) / workScale);
        truth[int(i)] = f.truth[used[i]];
    }
    const auto e = mosaicfields::errors(found, truth);
    r.ok = true;
    r.worst = e.first;
    r.mean = e.second;
    r.note = QStringLiteral("%1 x %2").arg(pano.cols).arg(pano.rows);
    return r;
}

// The live mosaic's work per frame: 640 x 480 frames of a stage moving
// 8 px a frame across a slide and back, as the worker thread gets them.
void runLive()
{
    const QSize field(640, 480);
    const cv::Mat slide = mosaicfields::specimen(QSize(2600, 1000), 11);
    imaging::LiveMosaic live;
    QVector<double> ms;
    int added = 0, lost = 0;
    qint64 working = 0; // ns inside add()
    const double cpuStart = cpuSeconds();
    auto frameAt = [&](double x, double y) {
        cv::Mat view, bgra;
        const cv::Mat shift = (cv::Mat_<double>(2, 3) << 1, 0, x, 0, 1, y);
        cv::warpAffine(slide, view, shift, cv::Size(field.width(), field.height()),
                       cv::INTER_LINEAR | cv::WARP_INVERSE_MAP);
        cv::cvtColor(view, bgra, cv::COLOR_BGR2BGRA);
        QImage img(field, QImage::Format_RGB32);
        for (int r = 0; r < img.height(); ++r)
            memcpy(img.scanLine(r), bgra.ptr(r), size_t(img.width()) * 4);
        return img;
    };
    QVector<QPointF> path;
    for (double x = 40; x <= 1900; x += 8)
        path.append(QPointF(x, 200 + 0.05 * x));
    for (int i = path.size() - 1; i >= 0; --i)
        path.append(path[i] + QPointF(0, 160));
    for (const QPointF &p : path) {
        const QImage frame = frameAt(p.x(), p.y());
        QElapsedTimer t;
        t.start();
        const imaging::LiveMosaic::Update u = live.add(frame);
        working += t.nsecsElapsed();
        ms.append(t.nsecsElapsed() / 1e6);
        added += u.event == imaging::LiveMosaic::Event::Added;
        lost += u.event == imaging::LiveMosaic::Event::Lost;
    }
    const double cpu = cpuSeconds() - cpuStart; // frame making included
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size();
    printf("\nlive, 640 x 480 frames: %d frames, %d fields, %d not placed; per frame mean %.1f ms, "
           "95th percentile %.1f ms, max %.1f ms (15 fps leaves 66.7 ms)\n",
           int(ms.size()), added, lost, mean, ms[int(ms.size() * 0.95)], ms.last());
    printf("live tracking rate: %.1f frames per second (goal 15; at the 95th percentile's time %.1f fps), "
           "cpu %.2f s with the frames' making\n",
           ms.size() / (working / 1e9), 1000.0 / ms[int(ms.size() * 0.95)], cpu);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool withOpenCv = !args.contains(QStringLiteral("--no-opencv"));
    const bool withFeather = args.contains(QStringLiteral("--feather"));
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--threads=")))
            cv::setNumThreads(a.mid(10).toInt());
    printf("OpenCV %s, %d threads; fields 1280 x 960, jitter +-25 px, vignetting 30 %%, noise sd 3\n"
           "(cpu s: all threads; on an idle machine the wall time is about cpu / threads)\n\n",
           CV_VERSION, cv::getNumThreads());
    printf("%-6s %-8s %-20s %-7s %-9s %-9s %-8s %-8s %-8s %s\n", "grid", "overlap", "method", "placed", "max px",
           "mean px", "wall s", "cpu s", "peak MB", "note");
    struct Case
    {
        int n;
        double overlap;
    };
    QVector<Case> cases{{3, 0.10}, {3, 0.20}, {3, 0.30}, {5, 0.10}, {5, 0.20}, {5, 0.30}};
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--only="))) // e.g. --only=3,0.3
            cases = {{a.mid(7).section(',', 0, 0).toInt(), a.mid(7).section(',', 1, 1).toDouble()}};
    for (const Case &c : cases) {
        mosaicfields::Grid g;
        g.cols = g.rows = c.n;
        g.overlap = c.overlap;
        g.seed = quint32(c.n * 100 + int(c.overlap * 100));
        const mosaicfields::Fields f = mosaicfields::make(g);
        QVector<Run> runs{runOurs(f, imaging::MosaicOptions::Blend::MultiBand)};
        if (withFeather)
            runs.append(runOurs(f, imaging::MosaicOptions::Blend::Feather));
        if (withOpenCv)
            runs.append(runOpenCv(f));
        for (const Run &r : runs) {
            const QString grid = QStringLiteral("%1x%1").arg(c.n);
            printf("%-6s %-8s %-20s %-7s %-9s %-9s %-8.2f %-8.2f %-8lld %s\n", qPrintable(grid),
                   qPrintable(QStringLiteral("%1 %").arg(int(c.overlap * 100))), qPrintable(r.what),
                   qPrintable(QStringLiteral("%1/%2").arg(r.placed).arg(f.images.size())),
                   r.ok ? qPrintable(QString::number(r.worst, 'f', 3)) : "-",
                   r.ok ? qPrintable(QString::number(r.mean, 'f', 3)) : "-", r.seconds, r.cpu, r.peakMb,
                   qPrintable(r.note));
            fflush(stdout);
        }
    }
    runLive();
    return 0;
}
