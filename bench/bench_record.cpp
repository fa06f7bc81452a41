// Recording cost per frame (conversion + encode + write) of RtmpThread
// against the ffmpeg command line and the bare encoder floor, on the same
// raw frames. Usage: bench_record [short-run frames] [long-run frames] [runs]
#include "record/rtmpthread.h"
#include "core/camerabuffer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <libyuv/convert_from_argb.h>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <functional>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

constexpr int kDistinct = 5; // distinct frames, cycled

// Something like a stained sample under a scale: smooth shapes, fine lines, sensor noise.
QImage makeFrame(int w, int h, int index)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(235, 225, 210));
    g.setColorAt(1, QColor(200, 190, 170));
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator rng(1234);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(rng.bounded(w) + index * 3, rng.bounded(h));
        const double r = 20 + rng.bounded(w / 12);
        QRadialGradient rg(c, r);
        rg.setColorAt(0, QColor(120 + rng.bounded(100), 60 + rng.bounded(80), 130 + rng.bounded(100)));
        rg.setColorAt(1, QColor(180, 150, 170, 40));
        p.setBrush(rg);
        p.setPen(QPen(QColor(90, 50, 90), 2));
        p.drawEllipse(c, r, r * 0.8);
    }
    p.setPen(QPen(Qt::black, 2));
    for (int x = w / 10; x < w * 9 / 10; x += w / 100)
        p.drawLine(x, h * 8 / 10, x, h * 8 / 10 + ((x / (w / 100)) % 10 == 0 ? 60 : 30));
    p.end();
    QRandomGenerator noise(99 + index);
    for (int y = 0; y < h; ++y) {
        uchar *line = img.scanLine(y);
        for (int x = 0; x < w * 4; x += 4) {
            const int n = int(noise.generate() & 7) - 3;
            for (int c = 0; c < 3; ++c)
                line[x + c] = uchar(qBound(0, line[x + c] + n, 255));
        }
    }
    return img;
}

// Wall and CPU milliseconds; CPU time stays meaningful on a busy machine.
struct Cost
{
    double wall = 0;
    double cpu = 0;
};

double processCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double childrenCpuMs()
{
    rusage ru;
    getrusage(RUSAGE_CHILDREN, &ru);
    return (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3;
}

Cost best(int runs, const std::function<Cost()> &f)
{
    Cost b{1e300, 1e300};
    for (int i = 0; i < runs; ++i) {
        const Cost c = f();
        b.wall = qMin(b.wall, c.wall);
        b.cpu = qMin(b.cpu, c.cpu);
    }
    return b;
}

Cost slope(const Cost &a, const Cost &b, int n) { return Cost{(b.wall - a.wall) / n, (b.cpu - a.cpu) / n}; }

// Wall time of a whole recording of n frames, start to stop.
Cost recordOnce(const std::vector<std::unique_ptr<CameraBuffer>> &buffers, int w, int h, int fps, int n,
                const QString &path, int threads)
{
    RtmpThread rec;
    rec.setFilePath(path);
    rec.setSize(w, h);
    rec.setFps(fps);
    rec.setEncoderThreads(threads);
    QElapsedTimer t;
    const double cpu0 = processCpuMs();
    t.start();
    rec.start();
    for (int i = 0; i < n; ++i) {
        CameraBuffer *b = buffers[size_t(i % kDistinct)].get();
        while (!b->tryAcquire())
            QThread::usleep(500);
        // Stamps one frame interval apart, so the pacing keeps every frame.
        rec.enqueueFrame(int(i * 1000.0 / fps) + 1, b);
    }
    while (rec.queuedFrames() > 0)
        QThread::usleep(100);
    rec.stop();
    const Cost cost{t.nsecsElapsed() / 1e6, processCpuMs() - cpu0};
    if (rec.failed() || rec.encodedFrames() != n)
        fprintf(stderr, "recording failed or lost frames: %d of %d\n", rec.encodedFrames(), n);
    return cost;
}

Cost cliOnce(const QString &ffmpeg, const QString &raw, int w, int h, int fps, int n, const QString &out)
{
    QProcess proc;
    const QStringList args{QStringLiteral("-v"),
                           QStringLiteral("error"),
                           QStringLiteral("-y"),
                           QStringLiteral("-f"),
                           QStringLiteral("rawvideo"),
                           QStringLiteral("-pix_fmt"),
                           QStringLiteral("bgr0"),
                           QStringLiteral("-s"),
                           QStringLiteral("%1x%2").arg(w).arg(h),
                           QStringLiteral("-r"),
                           QString::number(fps),
                           QStringLiteral("-stream_loop"),
                           QStringLiteral("-1"),
                           QStringLiteral("-i"),
                           raw,
                           QStringLiteral("-frames:v"),
                           QString::number(n),
                           QStringLiteral("-c:v"),
                           QStringLiteral("mjpeg"),
                           QStringLiteral("-q:v"),
                           QStringLiteral("5"),
                           QStringLiteral("-pix_fmt"),
                           QStringLiteral("yuvj420p"),
                           QStringLiteral("-threads"),
                           QStringLiteral("1"),
                           out};
    QElapsedTimer t;
    const double cpu0 = childrenCpuMs();
    t.start();
    proc.start(ffmpeg, args);
    if (!proc.waitForFinished(600000) || proc.exitCode() != 0) {
        fprintf(stderr, "ffmpeg failed: %s\n", proc.readAllStandardError().constData());
        return Cost{-1, -1};
    }
    return Cost{t.nsecsElapsed() / 1e6, childrenCpuMs() - cpu0};
}

// Conversion and encoding alone, no container and no file.
Cost floorPerFrame(const std::vector<QImage> &frames, int w, int h, int fps, int n)
{
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    AVCodecContext *ctx = avcodec_alloc_context3(codec);
    ctx->width = w;
    ctx->height = h;
    ctx->time_base = AVRational{1, fps};
    ctx->pix_fmt = AV_PIX_FMT_YUVJ420P;
    ctx->qmin = ctx->qmax = 5;
    ctx->thread_count = 1;
    avcodec_open2(ctx, codec, nullptr);
    AVFrame *f = av_frame_alloc();
    f->width = w;
    f->height = h;
    f->format = AV_PIX_FMT_YUVJ420P;
    av_frame_get_buffer(f, 0);
    AVPacket *pkt = av_packet_alloc();
    QElapsedTimer t;
    const double cpu0 = processCpuMs();
    t.start();
    for (int i = 0; i < n; ++i) {
        const QImage &img = frames[size_t(i % kDistinct)];
        av_frame_make_writable(f);
        libyuv::ARGBToJ420(img.constBits(), img.bytesPerLine(), f->data[0], f->linesize[0], f->data[1], f->linesize[1],
                           f->data[2], f->linesize[2], w, h);
        f->pts = i;
        avcodec_send_frame(ctx, f);
        while (avcodec_receive_packet(ctx, pkt) == 0)
            av_packet_unref(pkt);
    }
    const Cost cost{t.nsecsElapsed() / 1e6 / n, (processCpuMs() - cpu0) / n};
    av_packet_free(&pkt);
    av_frame_free(&f);
    avcodec_free_context(&ctx);
    return cost;
}

// Digest of every packet of a file, to tell whether two encodes are the same pictures.
QByteArray packetDigest(const QString &path, int *count)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    AVFormatContext *fmt = nullptr;
    *count = 0;
    if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return QByteArray();
    AVPacket *pkt = av_packet_alloc();
    while (av_read_frame(fmt, pkt) >= 0) {
        hash.addData(reinterpret_cast<const char *>(pkt->data), pkt->size);
        ++*count;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    avformat_close_input(&fmt);
    return hash.result().toHex().left(12);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int shortRun = argc > 1 ? atoi(argv[1]) : 20;
    const int longRun = argc > 2 ? atoi(argv[2]) : 80;
    const int runs = argc > 3 ? qMax(1, atoi(argv[3])) : 3;
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    QTemporaryDir dir;
    // The recorder prints its own lines; keep the figures readable.
    fflush(stdout);

    struct Case
    {
        int w, h, fps;
    };
    for (const Case c : {Case{1920, 1080, 15}, Case{2592, 1944, 10}}) {
        std::vector<QImage> frames;
        std::vector<std::unique_ptr<CameraBuffer>> buffers;
        QFile raw(dir.filePath(QStringLiteral("raw.bgr0")));
        raw.open(QIODevice::WriteOnly);
        for (int i = 0; i < kDistinct; ++i) {
            frames.push_back(makeFrame(c.w, c.h, i));
            auto b = std::make_unique<CameraBuffer>();
            b->init(c.w, c.h, QImage::Format_RGB32);
            memcpy(b->bits(), frames.back().constBits(), size_t(b->byteCount()));
            buffers.push_back(std::move(b));
            raw.write(reinterpret_cast<const char *>(frames.back().constBits()), frames.back().sizeInBytes());
        }
        raw.close();

        const QString ours = dir.filePath(QStringLiteral("ours.avi"));
        const QString cli = dir.filePath(QStringLiteral("cli.avi"));
        auto oursPerFrame = [&](int threads) {
            const Cost a = best(runs, [&] { return recordOnce(buffers, c.w, c.h, c.fps, shortRun, ours, threads); });
            const Cost b = best(runs, [&] { return recordOnce(buffers, c.w, c.h, c.fps, longRun, ours, threads); });
            return slope(a, b, longRun - shortRun);
        };
        const Cost ours1 = oursPerFrame(1);
        const qint64 oursSize = QFileInfo(ours).size();
        int oursCount = 0;
        const QByteArray oursDigest = packetDigest(ours, &oursCount);
        const Cost ours2 = oursPerFrame(2);
        int threadedCount = 0;
        const QByteArray threadedDigest = packetDigest(ours, &threadedCount);
        const Cost floorMs = best(runs, [&] { return floorPerFrame(frames, c.w, c.h, c.fps, longRun); });

        Cost cliMs{-1, -1};
        qint64 cliSize = 0;
        if (!ffmpeg.isEmpty()) {
            const Cost a = best(runs, [&] { return cliOnce(ffmpeg, raw.fileName(), c.w, c.h, c.fps, shortRun, cli); });
            const Cost b = best(runs, [&] { return cliOnce(ffmpeg, raw.fileName(), c.w, c.h, c.fps, longRun, cli); });
            cliMs = slope(a, b, longRun - shortRun);
            cliSize = QFileInfo(cli).size();
        }

        printf("\n=== %d x %d, %d fps (frames %d and %d, best of %d; ms per frame, wall / cpu) ===\n", c.w, c.h, c.fps,
               shortRun, longRun, runs);
        printf("RtmpThread, 1 encoder thread : %6.2f / %6.2f  (%.0f fps on one core, need %d: %.1fx headroom)\n",
               ours1.wall, ours1.cpu, 1000.0 / ours1.cpu, c.fps, 1000.0 / ours1.cpu / c.fps);
        printf("RtmpThread, 2 encoder threads: %6.2f / %6.2f  (same pictures: %s)\n", ours2.wall, ours2.cpu,
               oursDigest == threadedDigest && oursCount == threadedCount ? "yes" : "NO");
        printf("encoder floor                : %6.2f / %6.2f  -> ours / floor = %.2f (cpu), %.2f (wall)\n",
               floorMs.wall, floorMs.cpu, ours1.cpu / floorMs.cpu, ours1.wall / floorMs.wall);
        if (cliMs.cpu > 0) {
            printf("ffmpeg command line          : %6.2f / %6.2f  -> ours / cli = %.2f (cpu), %.2f (wall)\n",
                   cliMs.wall, cliMs.cpu, ours1.cpu / cliMs.cpu, ours1.wall / cliMs.wall);
            printf("file size, %d frames: ours %lld bytes, cli %lld bytes (%+.2f %%)\n", longRun,
                   static_cast<long long>(oursSize), static_cast<long long>(cliSize),
                   100.0 * (double(oursSize) - double(cliSize)) / double(cliSize));
        } else {
            printf("ffmpeg command line not found: no reference figures\n");
        }
        fflush(stdout);
    }
    return 0;
}
