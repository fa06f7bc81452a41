#include "record/rtmpthread.h"
#include "core/camerabuffer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <libyuv/convert_argb.h>

#include <cerrno>
#include <memory>
#include <sys/mount.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

const QRgb kQuadrants[4] = {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(40, 50, 210), qRgb(240, 240, 240)};

QImage pattern(int w, int h, QImage::Format format = QImage::Format_RGB32)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = kQuadrants[(y >= h / 2) * 2 + (x >= w / 2)];
    }
    return format == QImage::Format_RGB32 ? img : img.convertToFormat(format);
}

QImage noise(int w, int h, quint32 seed)
{
    QImage img(w, h, QImage::Format_RGB32);
    quint32 s = seed;
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            line[x] = 0xff000000u | (s >> 8);
        }
    }
    return img;
}

bool close(QRgb a, QRgb b, int tol)
{
    return qAbs(qRed(a) - qRed(b)) <= tol && qAbs(qGreen(a) - qGreen(b)) <= tol && qAbs(qBlue(a) - qBlue(b)) <= tol;
}

void checkQuadrants(const QImage &img, int tol)
{
    QVERIFY(!img.isNull());
    const int w = img.width();
    const int h = img.height();
    const QPoint centres[4] = {{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
    for (int i = 0; i < 4; ++i) {
        const QRgb got = img.pixel(centres[i]);
        QVERIFY2(close(got, kQuadrants[i], tol),
                 qPrintable(QStringLiteral("quadrant %1: %2 vs %3").arg(i).arg(got, 8, 16).arg(kQuadrants[i], 8, 16)));
    }
}

struct Probe
{
    bool opened = false;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0;
    int height = 0;
    int packets = 0;
    QString format;
};

Probe probe(const QString &path)
{
    Probe p;
    AVFormatContext *fmt = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (avformat_open_input(&fmt, name.constData(), nullptr, nullptr) < 0)
        return p;
    if (avformat_find_stream_info(fmt, nullptr) >= 0 && fmt->nb_streams == 1) {
        p.opened = true;
        p.format = QString::fromLatin1(fmt->iformat->name);
        const AVCodecParameters *par = fmt->streams[0]->codecpar;
        p.codec = par->codec_id;
        p.width = par->width;
        p.height = par->height;
        AVPacket *pkt = av_packet_alloc();
        while (av_read_frame(fmt, pkt) >= 0) {
            ++p.packets;
            av_packet_unref(pkt);
        }
        av_packet_free(&pkt);
    }
    avformat_close_input(&fmt);
    return p;
}

// Render buffers as the scene keeps them: a few, reused once released.
class BufferPool
{
public:
    BufferPool(const QImage &image, int count = 5)
    {
        for (int i = 0; i < count; ++i) {
            auto b = std::make_unique<CameraBuffer>();
            b->init(image.width(), image.height(), QImage::Format_RGB32);
            memcpy(b->bits(), image.constBits(), size_t(b->byteCount()));
            m_buffers.push_back(std::move(b));
        }
    }
    // Waits (bounded) for a free buffer and takes it.
    CameraBuffer *take(int timeoutMs = 10000)
    {
        CameraBuffer *taken = nullptr;
        QTest::qWaitFor(
            [&] {
                for (auto &b : m_buffers)
                    if (b->tryAcquire())
                        return (taken = b.get()) != nullptr;
                return false;
            },
            timeoutMs);
        return taken;
    }
    bool allFree() const
    {
        for (auto &b : m_buffers)
            if (b->isTaken())
                return false;
        return true;
    }

private:
    std::vector<std::unique_ptr<CameraBuffer>> m_buffers;
};

bool waitQueueEmpty(const RtmpThread &r, int timeoutMs = 10000)
{
    return QTest::qWaitFor([&] { return r.queuedFrames() == 0; }, timeoutMs);
}

// Holds its run() until told, so the queue can be filled deterministically.
class StalledRecorder : public RtmpThread
{
public:
    QSemaphore go;

protected:
    void run() override { go.acquire(); }
};

} // namespace

class TestRtmpThread : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void recordsPattern();
    void reducedFirstFrame_data();
    void reducedFirstFrame();
    void pacing_data();
    void pacing();
    void threadedEncoderSamePictures();
    void containers_data();
    void containers();
    void noFrames();
    void stopDuringEncode();
    void fullDevice_data();
    void fullDevice();
    void unwritableFolder();
    void queueBound();
    void refusedWhenIdle();
    void wrongSizeSkipped();
    void convertFormats_data();
    void convertFormats();
    void firstFrameOfBadFiles_data();
    void firstFrameOfBadFiles();

private:
    QTemporaryDir m_dir;
    QString m_avi; // recorded by recordsPattern, reused by the readers
};

void TestRtmpThread::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("VISTREL_KEEP_TEST_FILES"));
}

void TestRtmpThread::recordsPattern()
{
    const int w = 320, h = 240, fps = 15;
    BufferPool pool(pattern(w, h));
    RtmpThread rec;
    QSignalSpy finished(&rec, &QThread::finished);
    m_avi = m_dir.filePath(QStringLiteral("pattern.avi"));
    rec.setFilePath(m_avi);
    rec.setSize(w, h);
    rec.setFps(fps);
    rec.start();
    // 2 s at 15 fps, time stamps as the owner makes them: a 10 ms tick
    // hands a frame over once 1000/fps ms have passed since the last one.
    double last = -1e9;
    for (int t = 0; t < 2000; t += 10) {
        if (t - last < 1000.0 / fps)
            continue;
        last = t;
        CameraBuffer *b = pool.take();
        QVERIFY(b);
        QVERIFY(rec.enqueueFrame(t, b));
    }
    QVERIFY(waitQueueEmpty(rec));
    rec.stop();
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QVERIFY(!rec.failed());
    QCOMPARE(rec.state(), 0);
    QVERIFY(pool.allFree());

    const Probe p = probe(m_avi);
    QVERIFY(p.opened);
    QCOMPARE(p.format, QStringLiteral("avi"));
    QCOMPARE(p.codec, AV_CODEC_ID_MJPEG);
    QCOMPARE(p.width, w);
    QCOMPARE(p.height, h);
    QVERIFY2(qAbs(p.packets - 30) <= 2, qPrintable(QString::number(p.packets)));
    QCOMPARE(rec.encodedFrames(), p.packets);

    checkQuadrants(RtmpThread::readFirstFrame(m_avi), 10);
}

void TestRtmpThread::reducedFirstFrame_data()
{
    QTest::addColumn<QSize>("atLeast");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("none") << QSize() << QSize(320, 240);
    QTest::newRow("half") << QSize(160, 120) << QSize(160, 120);
    QTest::newRow("not below") << QSize(100, 100) << QSize(160, 120);
    QTest::newRow("quarter") << QSize(80, 60) << QSize(80, 60);
    QTest::newRow("bigger than the video") << QSize(640, 480) << QSize(320, 240);
}

void TestRtmpThread::reducedFirstFrame()
{
    QFETCH(QSize, atLeast);
    QFETCH(QSize, expected);
    QVERIFY2(!m_avi.isEmpty(), "recordsPattern must run first");
    const QImage img = RtmpThread::readFirstFrame(m_avi, atLeast);
    QCOMPARE(img.size(), expected);
    checkQuadrants(img, 12);
}

void TestRtmpThread::pacing_data()
{
    QTest::addColumn<QList<int>>("stamps");
    QTest::addColumn<int>("expected");
    // 15 fps: one tick is 66.7 ms.
    QTest::newRow("two in one interval") << QList<int>{0, 30} << 1;
    QTest::newRow("one per interval") << QList<int>{0, 67, 134} << 3;
    QTest::newRow("late stamp dropped") << QList<int>{0, 200, 100} << 2;
    QTest::newRow("duplicates") << QList<int>{500, 500, 500, 600} << 2;
}

void TestRtmpThread::pacing()
{
    QFETCH(QList<int>, stamps);
    QFETCH(int, expected);
    BufferPool pool(pattern(64, 48), 6);
    RtmpThread rec;
    const QString path = m_dir.filePath(QStringLiteral("pacing_%1.avi").arg(QTest::currentDataTag()).replace(' ', '_'));
    rec.setFilePath(path);
    rec.setSize(64, 48);
    rec.setFps(15);
    rec.start();
    for (int s : stamps)
        QVERIFY(rec.enqueueFrame(s, pool.take()));
    QVERIFY(waitQueueEmpty(rec));
    rec.stop();
    QVERIFY(pool.allFree());
    QCOMPARE(rec.encodedFrames(), expected);
    QCOMPARE(probe(path).packets, expected);
}

void TestRtmpThread::threadedEncoderSamePictures()
{
    // Frame threads hold pictures back: the drain at the end must bring them all.
    const int w = 320, h = 240, n = 12;
    QByteArray digests[2];
    for (int threads = 1; threads <= 2; ++threads) {
        BufferPool pool(noise(w, h, 5), 4);
        RtmpThread rec;
        const QString path = m_dir.filePath(QStringLiteral("threads%1.avi").arg(threads));
        rec.setFilePath(path);
        rec.setSize(w, h);
        rec.setFps(10);
        rec.setEncoderThreads(threads);
        rec.start();
        for (int i = 0; i < n; ++i)
            QVERIFY(rec.enqueueFrame(i * 100, pool.take()));
        QVERIFY(waitQueueEmpty(rec));
        rec.stop();
        QCOMPARE(rec.encodedFrames(), n);
        QCOMPARE(probe(path).packets, n);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        // Compare the pictures, not the headers.
        const int movi = bytes.indexOf("movi");
        const int idx = bytes.indexOf("idx1");
        QVERIFY(movi > 0 && idx > movi);
        digests[threads - 1] = bytes.mid(movi, idx - movi);
    }
    QVERIFY(digests[0] == digests[1]);
}

void TestRtmpThread::containers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("works");
    QTest::addColumn<QString>("demuxer");
    QTest::newRow("avi") << "c.avi" << true << "avi";
    QTest::newRow("mp4") << "c.mp4" << true << "mov,mp4,m4a,3gp,3g2,mj2";
    QTest::newRow("no dot mp4") << "cmp4" << true << "mov,mp4,m4a,3gp,3g2,mj2";
    QTest::newRow("unknown") << "c.xyz" << false << "";
    QTest::newRow("upper case") << "c.AVI" << true << "avi";
    QTest::newRow("matroska by suffix") << "c.mkv" << false << "";
}

void TestRtmpThread::containers()
{
    QFETCH(QString, name);
    QFETCH(bool, works);
    QFETCH(QString, demuxer);
    BufferPool pool(pattern(160, 120), 3);
    RtmpThread rec;
    QSignalSpy finished(&rec, &QThread::finished);
    const QString path = m_dir.filePath(name);
    rec.setFilePath(path);
    rec.setSize(160, 120);
    rec.setFps(10);
    rec.start();
    for (int i = 0; i < 3; ++i) {
        CameraBuffer *b = pool.take();
        QVERIFY(b);
        rec.enqueueFrame(i * 100, b); // refused ones come back free
    }
    if (works)
        QVERIFY(waitQueueEmpty(rec));
    else // it may have ended before the wait began
        QVERIFY(finished.count() == 1 || finished.wait(5000));
    rec.stop();
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QVERIFY(pool.allFree());
    QCOMPARE(rec.failed(), !works);
    if (!works) {
        QCOMPARE(rec.state(), -1);
        QVERIFY(!QFile::exists(path));
        return;
    }
    const Probe p = probe(path);
    QVERIFY(p.opened);
    QCOMPARE(p.format, demuxer);
    QCOMPARE(p.codec, AV_CODEC_ID_MJPEG);
    QCOMPARE(p.packets, 3);
    checkQuadrants(RtmpThread::readFirstFrame(path), 12);
}

void TestRtmpThread::noFrames()
{
    RtmpThread rec;
    QSignalSpy finished(&rec, &QThread::finished);
    const QString path = m_dir.filePath(QStringLiteral("empty.avi"));
    rec.setFilePath(path);
    rec.setSize(320, 240);
    rec.start();
    // Running, its file begun, and never given a frame.
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(path); }, 5000));
    rec.stop();
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QVERIFY(!rec.failed());
    const Probe p = probe(path);
    QVERIFY(p.opened);
    QCOMPARE(p.codec, AV_CODEC_ID_MJPEG);
    QCOMPARE(p.packets, 0);
    QVERIFY(RtmpThread::readFirstFrame(path).isNull());
}

void TestRtmpThread::stopDuringEncode()
{
    // Large noisy frames keep the encoder busy when stop() comes.
    const int w = 1920, h = 1080;
    BufferPool pool(noise(w, h, 7), RtmpThread::kMaxQueued);
    RtmpThread rec;
    const QString path = m_dir.filePath(QStringLiteral("busy.avi"));
    rec.setFilePath(path);
    rec.setSize(w, h);
    rec.setFps(10);
    rec.start();
    for (int i = 0; i < RtmpThread::kMaxQueued; ++i)
        QVERIFY(rec.enqueueFrame(i * 100, pool.take()));
    // Stopped with the first frame written and the rest still queued.
    QVERIFY(
        QTest::qWaitFor([&] { return rec.state() == -1 && rec.elapsedMs() > 0 && rec.encodedFrames() > 0; }, 10000));
    rec.stop();
    QVERIFY(rec.isFinished());
    QCOMPARE(rec.state(), 0);
    QVERIFY(pool.allFree());
    QVERIFY(!rec.failed());
    const Probe p = probe(path);
    QVERIFY(p.opened);
    QVERIFY(p.packets >= 1);
    QCOMPARE(p.packets, rec.encodedFrames());
}

void TestRtmpThread::fullDevice_data()
{
    QTest::addColumn<QString>("disk");
    QTest::newRow("/dev/full") << "/dev/full";
    QTest::newRow("64 KiB tmpfs") << "tmpfs";
}

void TestRtmpThread::fullDevice()
{
    QFETCH(QString, disk);
    QString path;
    QString folder = m_dir.path();
    QTemporaryDir mountPoint;
    bool mounted = false;
    if (disk == QLatin1String("tmpfs")) {
        mounted = mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted)
            QSKIP("mounting a tmpfs is not permitted here (needs root); the /dev/full row covers the recorder");
        folder = mountPoint.path();
        path = mountPoint.filePath(QStringLiteral("full.avi"));
    } else {
        if (!QFile::exists(disk))
            QSKIP("no /dev/full");
        path = m_dir.filePath(QStringLiteral("full.avi"));
        QFile::remove(path);
        QVERIFY(QFile::link(disk, path));
    }
    auto unmount = qScopeGuard([&] {
        if (mounted)
            umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH);
    });
    const int w = 640, h = 480;
    BufferPool pool(noise(w, h, 3), 5);
    RtmpThread rec;
    QSignalSpy finished(&rec, &QThread::finished);
    rec.setFilePath(path);
    rec.setSize(w, h);
    rec.setFps(30);
    rec.start();
    QElapsedTimer t;
    t.start();
    for (int i = 0; finished.isEmpty() && t.elapsed() < 10000; ++i) {
        if (CameraBuffer *b = pool.take(100))
            rec.enqueueFrame(i * 34, b);
        QCoreApplication::processEvents();
    }
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QVERIFY(rec.failed());
    // Said as what it is, with the folder: not "not writable", not an error number.
    QCOMPARE(rec.errorNumber(), ENOSPC);
    QVERIFY2(rec.errorString().startsWith(QStringLiteral("磁盘已满")) && rec.errorString().contains(folder),
             qPrintable(rec.errorString()));
    rec.stop();
    QVERIFY(pool.allFree());
    // A late frame after the end is refused and handed back.
    CameraBuffer *late = pool.take();
    QVERIFY(!rec.enqueueFrame(99999, late));
    QVERIFY(!late->isTaken());
}

void TestRtmpThread::unwritableFolder()
{
    RtmpThread rec;
    QSignalSpy finished(&rec, &QThread::finished);
    rec.setFilePath(m_dir.filePath(QStringLiteral("missing/folder/x.avi")));
    rec.setSize(64, 48);
    rec.start();
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QVERIFY(rec.failed());
    QCOMPARE(rec.errorNumber(), ENOENT);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("missing"))));
    rec.stop();
}

void TestRtmpThread::queueBound()
{
    BufferPool pool(pattern(32, 32), RtmpThread::kMaxQueued + 2);
    StalledRecorder rec;
    rec.start();
    for (int i = 0; i < RtmpThread::kMaxQueued; ++i)
        QVERIFY(rec.enqueueFrame(i, pool.take()));
    CameraBuffer *extra = pool.take();
    QVERIFY(extra);
    QVERIFY(!rec.enqueueFrame(100, extra));
    QVERIFY(!extra->isTaken());
    QCOMPARE(rec.queuedFrames(), RtmpThread::kMaxQueued);
    rec.go.release();
    rec.stop();
    // A new start gives every queued buffer back.
    rec.start();
    QCOMPARE(rec.queuedFrames(), 0);
    rec.go.release();
    rec.stop();
    QVERIFY(pool.allFree());
}

void TestRtmpThread::refusedWhenIdle()
{
    BufferPool pool(pattern(32, 32), 1);
    RtmpThread rec;
    CameraBuffer *b = pool.take();
    QVERIFY(!rec.enqueueFrame(0, b));
    QVERIFY(pool.allFree());
    QVERIFY(!rec.enqueueFrame(0, nullptr));
    QCOMPARE(rec.elapsedMs(), 0);
}

void TestRtmpThread::wrongSizeSkipped()
{
    BufferPool right(pattern(64, 48), 1);
    BufferPool wrong(pattern(80, 48), 1);
    RtmpThread rec;
    const QString path = m_dir.filePath(QStringLiteral("sizes.avi"));
    rec.setFilePath(path);
    rec.setSize(64, 48);
    rec.start();
    QVERIFY(rec.enqueueFrame(0, wrong.take()));
    QVERIFY(rec.enqueueFrame(100, right.take()));
    QVERIFY(waitQueueEmpty(rec));
    rec.stop();
    QVERIFY(right.allFree());
    QVERIFY(wrong.allFree());
    QCOMPARE(probe(path).packets, 1);
}

void TestRtmpThread::convertFormats_data()
{
    QTest::addColumn<int>("imageFormat");
    QTest::addColumn<int>("pixFmt");
    QTest::addColumn<bool>("handled");
    const int j420 = AV_PIX_FMT_YUVJ420P, i420 = AV_PIX_FMT_YUV420P;
    QTest::newRow("RGB32 J420") << int(QImage::Format_RGB32) << j420 << true;
    QTest::newRow("ARGB32 J420") << int(QImage::Format_ARGB32) << j420 << true;
    QTest::newRow("RGB888 J420") << int(QImage::Format_RGB888) << j420 << true;
    QTest::newRow("BGR888 J420") << int(QImage::Format_BGR888) << j420 << true;
    QTest::newRow("RGB32 I420") << int(QImage::Format_RGB32) << i420 << true;
    QTest::newRow("RGB888 I420") << int(QImage::Format_RGB888) << i420 << true;
    QTest::newRow("RGB32 J422") << int(QImage::Format_RGB32) << int(AV_PIX_FMT_YUVJ422P) << true;
    QTest::newRow("RGB32 NV12") << int(QImage::Format_RGB32) << int(AV_PIX_FMT_NV12) << true;
    QTest::newRow("RGB16 J420") << int(QImage::Format_RGB16) << j420 << false;
    QTest::newRow("RGB32 YUV444") << int(QImage::Format_RGB32) << int(AV_PIX_FMT_YUV444P) << false;
}

void TestRtmpThread::convertFormats()
{
    QFETCH(int, imageFormat);
    QFETCH(int, pixFmt);
    QFETCH(bool, handled);
    const int w = 64, h = 48;
    const QImage src = pattern(w, h, QImage::Format(imageFormat));
    AVFrame *f = av_frame_alloc();
    f->width = w;
    f->height = h;
    f->format = pixFmt;
    QCOMPARE(av_frame_get_buffer(f, 0), 0);
    const bool ok = RtmpThread::convertImage(src, f);
    QCOMPARE(ok, handled);
    if (ok) {
        QImage back(w, h, QImage::Format_RGB32);
        uint8_t *d = back.bits();
        const int ds = back.bytesPerLine();
        int r = -1;
        switch (pixFmt) {
        case AV_PIX_FMT_YUVJ420P:
            r = libyuv::J420ToARGB(f->data[0], f->linesize[0], f->data[1], f->linesize[1], f->data[2], f->linesize[2],
                                   d, ds, w, h);
            break;
        case AV_PIX_FMT_YUV420P:
            r = libyuv::I420ToARGB(f->data[0], f->linesize[0], f->data[1], f->linesize[1], f->data[2], f->linesize[2],
                                   d, ds, w, h);
            break;
        case AV_PIX_FMT_YUVJ422P:
            r = libyuv::J422ToARGB(f->data[0], f->linesize[0], f->data[1], f->linesize[1], f->data[2], f->linesize[2],
                                   d, ds, w, h);
            break;
        case AV_PIX_FMT_NV12:
            r = libyuv::NV12ToARGB(f->data[0], f->linesize[0], f->data[1], f->linesize[1], d, ds, w, h);
            break;
        }
        QCOMPARE(r, 0);
        checkQuadrants(back, 8);
    }
    // A frame of another size is never written.
    f->width = w / 2;
    QVERIFY(!RtmpThread::convertImage(src, f));
    av_frame_free(&f);
}

void TestRtmpThread::firstFrameOfBadFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("empty") << "empty";
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("header only") << "header";
    QTest::newRow("avi magic then garbage") << "magic";
    QTest::newRow("corrupt picture") << "corrupt";
}

void TestRtmpThread::firstFrameOfBadFiles()
{
    QFETCH(QString, kind);
    QVERIFY2(!m_avi.isEmpty(), "recordsPattern must run first");
    QFile good(m_avi);
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    const QString path = m_dir.filePath(QStringLiteral("bad_%1.avi").arg(kind));
    QByteArray data;
    if (kind == QLatin1String("garbage")) {
        const QImage n = noise(64, 64, 11);
        data = QByteArray(reinterpret_cast<const char *>(n.constBits()), int(n.sizeInBytes()));
    } else if (kind == QLatin1String("header")) {
        // Cut before the first picture's data.
        const int movi = bytes.indexOf("movi");
        QVERIFY(movi > 0);
        data = bytes.left(movi + 4);
    } else if (kind == QLatin1String("magic")) {
        data = bytes.left(64) + QByteArray(4096, '\x5a');
    } else if (kind == QLatin1String("corrupt")) {
        data = bytes;
        const int soi = data.indexOf("\xff\xd8");
        QVERIFY(soi > 0);
        for (int i = soi + 2; i < soi + 600 && i < data.size(); ++i)
            data[i] = char(i * 37);
    }
    if (kind != QLatin1String("missing")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    const QImage img = RtmpThread::readFirstFrame(path);
    if (kind != QLatin1String("corrupt"))
        QVERIFY(img.isNull());
    else if (!img.isNull())
        QCOMPARE(img.size(), QSize(320, 240)); // whatever survives is well-formed
}

QTEST_GUILESS_MAIN(TestRtmpThread)
#include "tst_rtmpthread.moc"
