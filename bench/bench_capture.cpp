// Per-frame cost of turning camera frames into the camera's buffer, against
// the bare library calls on the same data, with heap allocations counted;
// then a simulated 2592 x 1944 MJPEG camera at full rate through CameraHub,
// with the time its frames cost the GUI thread. The reduced table decodes a
// 1920 x 1080 frame at 1/1, 1/2, 1/4 and 1/8 as a tile of that size would.
//
// The flat-field table puts the correction on the capture thread (gain per
// pixel, with and without a dark frame, each flip) beside the conversion of
// the same 1920 x 1080 frame.
//
//   build/bench/bench_capture [rounds] [reduced|flat]   (that table only)

#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "capture/flatfieldcorrection.h"
#include "capture/framecallback.h"
#include "capture/frameconverter.h"
#include "capture/simbackend.h"
#include "core/camerabuffer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

#include <libyuv/convert_argb.h>
#include <libyuv/convert_from_argb.h>
#include <libyuv/planar_functions.h>
#include <linux/videodev2.h>
#include <turbojpeg.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

// Every heap allocation of the process, C and C++ alike.
extern "C" void *__libc_malloc(size_t);
extern "C" void *__libc_calloc(size_t, size_t);
extern "C" void *__libc_realloc(void *, size_t);
extern "C" void __libc_free(void *);
static std::atomic<long> g_allocations{0};
extern "C" void *malloc(size_t n)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(n);
}
extern "C" void *calloc(size_t a, size_t b)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(a, b);
}
extern "C" void *realloc(void *p, size_t n)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, n);
}
extern "C" void free(void *p) { __libc_free(p); }

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// CPU time of the calling thread: others' load on a shared machine stays out.
double threadMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double best(const std::vector<double> &v) { return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end()); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Something like a microscope picture with sensor noise, so the JPEG has the
// size and entropy of a real camera's (4:2:2, quality 90).
QImage cameraPicture(int w, int h, bool noise = true)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(w / 2.0, h / 2.0), qMax(w, h) * 0.7);
    g.setColorAt(0, QColor(230, 226, 214));
    g.setColorAt(1, QColor(150, 140, 126));
    p.fillRect(img.rect(), g);
    QRandomGenerator rng(7);
    for (int i = 0; i < 60; ++i) {
        const QColor c = QColor::fromHsv(rng.bounded(360), 90 + rng.bounded(120), 90 + rng.bounded(120));
        p.setBrush(c);
        p.setPen(QPen(c.darker(180), 2));
        const double r = w * (0.005 + rng.bounded(0.04));
        p.drawEllipse(QPointF(rng.bounded(w), rng.bounded(h)), r, r);
    }
    p.setPen(QPen(Qt::black, 2));
    for (int i = 0; i < 100; ++i)
        p.drawLine(QPointF(w * 0.1 + i * w * 0.008, h * 0.5),
                   QPointF(w * 0.1 + i * w * 0.008, h * (i % 10 ? 0.48 : 0.45)));
    p.end();
    for (int y = 0; noise && y < h; ++y) {
        uchar *px = img.scanLine(y);
        for (int x = 0; x < w * 4; ++x) {
            if ((x & 3) != 3)
                px[x] = uchar(qBound(0, px[x] + int(rng.bounded(13)) - 6, 255));
        }
    }
    return img;
}

QByteArray toJpeg(const QImage &img)
{
    tjhandle tj = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    tjCompress2(tj, img.constBits(), img.width(), img.bytesPerLine(), img.height(), TJPF_BGRX, &jpeg, &size, TJSAMP_422,
                90, 0);
    QByteArray out(reinterpret_cast<const char *>(jpeg), int(size));
    tjFree(jpeg);
    tjDestroy(tj);
    return out;
}

QByteArray toYuyv(const QImage &img)
{
    QByteArray out(img.width() * img.height() * 2, '\0');
    libyuv::ARGBToYUY2(img.constBits(), img.bytesPerLine(), reinterpret_cast<uchar *>(out.data()), img.width() * 2,
                       img.width(), img.height());
    return out;
}

struct Mode
{
    const char *name;
    bool mirror;
    bool flip;
};

void conversionTable(int rounds)
{
    const QSize sizes[] = {{1280, 720}, {1920, 1080}, {2592, 1944}};
    const Mode modes[] = {
        {"plain", false, false}, {"flip", false, true}, {"mirror", true, false}, {"both", true, true}};
    // Best of the rounds: the machine is shared, and others only ever add time.
    printf("%-10s %-5s %-7s %9s %9s %6s %10s %10s %7s %11s %11s\n", "size", "fmt", "mode", "bare min", "ours min",
           "ratio", "bare med", "ours med", "ratio", "bare allocs", "ours allocs");
    for (const QSize &size : sizes) {
        const int w = size.width();
        const int h = size.height();
        const QImage picture = cameraPicture(w, h);
        const QByteArray jpeg = toJpeg(picture);
        const QByteArray yuyv = toYuyv(picture);
        for (quint32 format : {quint32(V4L2_PIX_FMT_MJPEG), quint32(V4L2_PIX_FMT_YUYV)}) {
            const QByteArray &data = format == V4L2_PIX_FMT_MJPEG ? jpeg : yuyv;
            const auto *src = reinterpret_cast<const uchar *>(data.constData());
            const size_t bytes = size_t(data.size());

            // Ours: the whole frame path into a CameraBuffer.
            CameraBuffer buffer;
            buffer.init(w, h, QImage::Format_RGB32);
            std::atomic<bool> mirror{false};
            std::atomic<bool> flip{false};
            FrameCallback callback(QStringLiteral("bench"));
            callback.setFormat(format, w, h, format == V4L2_PIX_FMT_YUYV ? w * 2 : 0, w * h * 2);
            FrameOutput out;
            out.buffer = &buffer;
            out.mirror = &mirror;
            out.flipVertical = &flip;
            out.notify = [](bool) { return true; };
            callback.setOutput(out);

            // Bare: the library calls alone, on their own destination.
            std::unique_ptr<uchar[]> dst(new uchar[size_t(w) * h * 4]);
            std::unique_ptr<uchar[]> tmp(new uchar[size_t(w) * h * 4]);
            tjhandle tj = tjInitDecompress();

            for (const Mode &m : modes) {
                mirror = m.mirror;
                flip = m.flip;
                auto bare = [&] {
                    if (format == V4L2_PIX_FMT_MJPEG) {
                        uchar *target = m.mirror ? tmp.get() : dst.get();
                        tjDecompress2(tj, src, bytes, target, w, w * 4, h, TJPF_BGRX, m.flip ? TJFLAG_BOTTOMUP : 0);
                        if (m.mirror)
                            libyuv::ARGBMirror(tmp.get(), w * 4, dst.get(), w * 4, w, h);
                    } else {
                        libyuv::YUY2ToARGB(src, w * 2, dst.get(), w * 4, w, m.flip ? -h : h);
                    }
                };
                auto ours = [&] { callback.frameArrived(src, bytes); };
                // Warm up both (first mirrored frame sizes the scratch block).
                bare();
                ours();
                std::vector<double> tb, to;
                long allocBare = 0, allocOurs = 0;
                for (int i = 0; i < rounds; ++i) {
                    long a0 = g_allocations.load();
                    auto t0 = Clock::now();
                    bare();
                    auto t1 = Clock::now();
                    long a1 = g_allocations.load();
                    ours();
                    auto t2 = Clock::now();
                    long a2 = g_allocations.load();
                    tb.push_back(ms(t1 - t0));
                    to.push_back(ms(t2 - t1));
                    allocBare += a1 - a0;
                    allocOurs += a2 - a1;
                }
                const double b = best(tb);
                const double o = best(to);
                const double bm = median(tb);
                const double om = median(to);
                printf("%4dx%-5d %-5s %-7s %9.3f %9.3f %6.3f %10.3f %10.3f %7.3f %11.1f %11.1f\n", w, h,
                       format == V4L2_PIX_FMT_MJPEG ? "MJPG" : "YUYV", m.name, b, o, o / b, bm, om, om / bm,
                       double(allocBare) / rounds, double(allocOurs) / rounds);
                fflush(stdout);
            }
            // YUYV mirrored against the two full-frame calls it replaces.
            if (format == V4L2_PIX_FMT_YUYV) {
                std::vector<double> t2;
                for (int i = 0; i < rounds; ++i) {
                    auto t0 = Clock::now();
                    libyuv::YUY2ToARGB(src, w * 2, tmp.get(), w * 4, w, h);
                    libyuv::ARGBMirror(tmp.get(), w * 4, dst.get(), w * 4, w, h);
                    t2.push_back(ms(Clock::now() - t0));
                }
                printf("%4dx%-5d %-5s %-7s %9.3f   (YUY2ToARGB + ARGBMirror over whole frames)\n", w, h, "YUYV",
                       "mirror", best(t2));
            }
            if (callback.framesDelivered() != quint64(4 * (rounds + 1)))
                printf("  !! %llu of %d frames delivered\n", (unsigned long long)callback.framesDelivered(),
                       4 * (rounds + 1));
            tjDestroy(tj);
        }
    }
}

// The frame path into a buffer of the tile's size: full decode against the
// DCT-scaled (MJPEG) and libyuv-reduced (YUYV) ones.
void reducedTable(int rounds)
{
    const int w = 1920;
    const int h = 1080;
    for (bool noise : {true, false}) {
        const QImage picture = cameraPicture(w, h, noise);
        const QByteArray jpeg = toJpeg(picture);
        const QByteArray yuyv = toYuyv(picture);
        printf("\n%s picture, JPEG %d KiB", noise ? "noisy" : "smooth", int(jpeg.size() / 1024));
        printf("\n%-10s %-5s %-6s %-9s %9s %9s %8s %11s   (thread CPU time per frame)\n", "frame", "fmt", "scale",
               "picture", "min ms", "med ms", "vs full", "allocs/frm");
        for (quint32 format : {quint32(V4L2_PIX_FMT_MJPEG), quint32(V4L2_PIX_FMT_YUYV)}) {
            if (!noise && format == V4L2_PIX_FMT_YUYV)
                continue; // YUYV costs the same whatever the picture
            const QByteArray &data = format == V4L2_PIX_FMT_MJPEG ? jpeg : yuyv;
            const auto *src = reinterpret_cast<const uchar *>(data.constData());
            double fullMedian = 0;
            for (int d : {1, 2, 4, 8}) {
                const QSize size = FrameConverter::scaledSize(QSize(w, h), d);
                CameraBuffer buffer;
                buffer.init(size.width(), size.height(), QImage::Format_RGB32);
                std::atomic<bool> off{false};
                FrameCallback callback(QStringLiteral("bench"));
                callback.setFormat(format, w, h, format == V4L2_PIX_FMT_YUYV ? w * 2 : 0, w * h * 2);
                if (d > 1)
                    callback.reserveLatestFrame();
                FrameOutput out;
                out.buffer = &buffer;
                out.mirror = &off;
                out.flipVertical = &off;
                out.notify = [](bool) { return true; };
                callback.setOutput(out);
                callback.frameArrived(src, size_t(data.size())); // sizes the scratch planes
                std::vector<double> t;
                const long a0 = g_allocations.load();
                for (int i = 0; i < rounds; ++i) {
                    const double t0 = threadMs();
                    callback.frameArrived(src, size_t(data.size()));
                    t.push_back(threadMs() - t0);
                }
                const long allocs = g_allocations.load() - a0;
                const double med = median(t);
                if (d == 1)
                    fullMedian = med;
                printf("%4dx%-5d %-5s 1/%-4d %4dx%-4d %9.3f %9.3f %7.2fx %11.1f\n", w, h,
                       format == V4L2_PIX_FMT_MJPEG ? "MJPG" : "YUYV", d, size.width(), size.height(), best(t), med,
                       med > 0 ? fullMedian / med : 0.0, double(allocs) / rounds);
                if (callback.framesDelivered() != quint64(rounds + 1))
                    printf("  !! %llu of %d frames delivered\n", (unsigned long long)callback.framesDelivered(),
                           rounds + 1);
                fflush(stdout);
            }
        }
    }
}

// A 2592 x 1944 MJPEG microscope at full rate through CameraHub: how long the
// GUI thread spends per frame, and how late a 5 ms timer on it fires.
void fullRate(int seconds)
{
    CameraHub *hub = CameraHub::instance();
    hub->setBackends({});
    QVector<SimCameraSpec> specs(1);
    specs[0].productId = 0x0223;
    specs[0].sizes = {{2592, 1944}};
    specs[0].formats = {V4L2_PIX_FMT_MJPEG};
    specs[0].maxFps = 15;
    auto sim = std::make_shared<SimulatedBackend>(specs);
    hub->setBackends({sim});
    setCaptureVerbose(false);
    hub->refreshDevices();
    const QString path = sim->pathOf(0);
    if (!hub->openCamera(path, 2592, 1944, QStringLiteral("MJPG"))) {
        printf("full rate: camera did not open\n");
        return;
    }
    int frames = 0;
    double guiMs = 0;
    double worstGui = 0;
    QObject::connect(hub, &CameraHub::sigFrameReady, [&](const QString &id, bool) {
        // What the main window does: wrap the newest frame, look at it, let go.
        auto t0 = Clock::now();
        if (const HeldFrame frame = hub->takeFrame(id)) {
            volatile QRgb px = frame.image.pixel(frame.image.width() / 2, frame.image.height() / 2);
            (void)px;
        }
        const double d = ms(Clock::now() - t0);
        guiMs += d;
        worstGui = std::max(worstGui, d);
        ++frames;
    });
    // Skip the first second: the simulator encodes its drift cycle then.
    QElapsedTimer warm;
    warm.start();
    while (warm.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    frames = 0;
    guiMs = 0;
    worstGui = 0;
    std::vector<double> lateness;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    auto last = Clock::now();
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        lateness.push_back(ms(now - last) - 5.0);
        last = now;
    });
    tick.start(5);
    QElapsedTimer run;
    run.start();
    while (run.elapsed() < seconds * 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    tick.stop();
    const double elapsed = run.elapsed() / 1000.0;
    std::sort(lateness.begin(), lateness.end());
    const double p99 = lateness.empty() ? 0 : lateness[size_t(lateness.size() * 0.99)];
    const FrameCallback *cb = hub->layer()->frameCallback(path);
    printf("\nfull rate 2592x1944 MJPEG (simulated, %d fps asked): %.1f frames/s on the GUI thread, "
           "%.1f frames/s converted, %llu dropped busy\n",
           specs[0].maxFps, frames / elapsed, cb->meter().rate(), (unsigned long long)cb->framesBusy());
    printf("GUI thread per frame: %.3f ms mean, %.3f ms worst (%.2f %% of the GUI thread); "
           "5 ms timer lateness p99 %.2f ms\n",
           frames ? guiMs / frames : 0.0, worstGui, guiMs / (elapsed * 10.0), p99);
    hub->setBackends({});
}

void flatFieldTable(int rounds)
{
    const int w = 1920, h = 1080;
    const QImage picture = cameraPicture(w, h);
    const QByteArray jpeg = toJpeg(picture);
    // A vignetted flat with a dark offset.
    QImage flat(w, h, QImage::Format_RGB32), dark(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *f = reinterpret_cast<QRgb *>(flat.scanLine(y));
        auto *d = reinterpret_cast<QRgb *>(dark.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double r2 = (std::pow(x - w / 2.0, 2) + std::pow(y - h / 2.0, 2)) / (w * w / 4.0 + h * h / 4.0);
            const int v = int(200 * (1 - 0.5 * r2));
            f[x] = qRgb(v, v, v);
            d[x] = qRgb(6, 6, 6);
        }
    }
    auto gainOnly = std::make_shared<imaging::FlatFieldTable>(imaging::flatFieldTable(flat));
    auto withDark = std::make_shared<imaging::FlatFieldTable>(imaging::flatFieldTable(flat, dark));
    FrameConverter conv;
    conv.configure(V4L2_PIX_FMT_MJPEG, w, h);
    std::vector<uchar> frame(std::size_t(w) * h * 4);
    printf("\nflat field %dx%d (thread CPU time per frame, best of %d; MJPEG decode beside it)\n", w, h, rounds);
    printf("%-7s %12s %12s %12s %12s %7s\n", "mode", "decode", "gain", "gain+dark", "reduced 1/2", "allocs");
    const Mode modes[] = {
        {"plain", false, false}, {"flip", false, true}, {"mirror", true, false}, {"both", true, true}};
    for (const Mode &m : modes) {
        std::vector<double> decode, gain, dark2, reduced;
        const long allocs0 = g_allocations.load();
        for (int r = 0; r < rounds; ++r) {
            double t = threadMs();
            conv.convert(reinterpret_cast<const uchar *>(jpeg.constData()), std::size_t(jpeg.size()), frame.data(),
                         m.mirror, m.flip);
            decode.push_back(threadMs() - t);
            t = threadMs();
            FlatFieldCorrection::applyTable(*gainOnly, frame.data(), w, h, w * 4, 1, m.mirror, m.flip);
            gain.push_back(threadMs() - t);
            t = threadMs();
            FlatFieldCorrection::applyTable(*withDark, frame.data(), w, h, w * 4, 1, m.mirror, m.flip);
            dark2.push_back(threadMs() - t);
            t = threadMs();
            FlatFieldCorrection::applyTable(*gainOnly, frame.data(), w / 2, h / 2, w * 2, 2, m.mirror, m.flip);
            reduced.push_back(threadMs() - t);
        }
        printf("%-7s %9.3f ms %9.3f ms %9.3f ms %9.3f ms %7ld\n", m.name, best(decode), best(gain), best(dark2),
               best(reduced), g_allocations.load() - allocs0);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    buildDeviceTable();
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const bool reducedOnly = argc > 2 && qstrcmp(argv[2], "reduced") == 0;
    const bool flatOnly = argc > 2 && qstrcmp(argv[2], "flat") == 0;
    if (flatOnly) {
        flatFieldTable(rounds);
        return 0;
    }
    if (!reducedOnly)
        conversionTable(rounds);
    reducedTable(rounds);
    if (!reducedOnly) {
        flatFieldTable(rounds);
        fullRate(5);
    }
    return 0;
}
