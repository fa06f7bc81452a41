#include "capture/frameconverter.h"

#include <QtTest>

#include <libyuv/convert_from_argb.h>
#include <linux/videodev2.h>
#include <turbojpeg.h>

namespace {

QImage quadrants(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2;
            const bool bottom = y >= h / 2;
            row[x] = !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0))
                             : (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
        }
    }
    return img;
}

QByteArray encode(const QImage &img, quint32 format)
{
    const int w = img.width();
    const int h = img.height();
    QByteArray out;
    const uchar *src = img.constBits();
    const int stride = img.bytesPerLine();
    switch (format) {
    case V4L2_PIX_FMT_YUYV:
        out.resize(w * h * 2);
        libyuv::ARGBToYUY2(src, stride, reinterpret_cast<uchar *>(out.data()), w * 2, w, h);
        break;
    case V4L2_PIX_FMT_UYVY:
        out.resize(w * h * 2);
        libyuv::ARGBToUYVY(src, stride, reinterpret_cast<uchar *>(out.data()), w * 2, w, h);
        break;
    case V4L2_PIX_FMT_YUV420:
    case V4L2_PIX_FMT_YVU420: {
        out.resize(w * h * 3 / 2);
        auto *y = reinterpret_cast<uchar *>(out.data());
        uchar *p1 = y + w * h;
        uchar *p2 = p1 + (w / 2) * (h / 2);
        uchar *u = format == V4L2_PIX_FMT_YUV420 ? p1 : p2;
        uchar *v = format == V4L2_PIX_FMT_YUV420 ? p2 : p1;
        libyuv::ARGBToI420(src, stride, y, w, u, w / 2, v, w / 2, w, h);
        break;
    }
    case V4L2_PIX_FMT_GREY:
        out.resize(w * h);
        libyuv::ARGBToJ400(src, stride, reinterpret_cast<uchar *>(out.data()), w, w, h);
        break;
    case V4L2_PIX_FMT_RGB24:
        out.resize(w * h * 3);
        libyuv::ARGBToRAW(src, stride, reinterpret_cast<uchar *>(out.data()), w * 3, w, h);
        break;
    case V4L2_PIX_FMT_RGB565:
        out.resize(w * h * 2);
        libyuv::ARGBToRGB565(src, stride, reinterpret_cast<uchar *>(out.data()), w * 2, w, h);
        break;
    case V4L2_PIX_FMT_MJPEG: {
        tjhandle tj = tjInitCompress();
        unsigned char *jpeg = nullptr;
        unsigned long size = 0;
        tjCompress2(tj, src, w, stride, h, TJPF_BGRX, &jpeg, &size, TJSAMP_422, 95, 0);
        out = QByteArray(reinterpret_cast<const char *>(jpeg), int(size));
        tjFree(jpeg);
        tjDestroy(tj);
        break;
    }
    }
    return out;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

class TstFrameConverter : public QObject
{
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void corruptMjpeg_data();
    void corruptMjpeg();
    void hostileMjpeg();
    void scaled_data();
    void scaled();
    void scaleChoice_data();
    void scaleChoice();
    void wrongByteCount();
    void unsupported();
};

void TstFrameConverter::colours_data()
{
    QTest::addColumn<quint32>("format");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<bool>("flip");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("grey");

    const struct
    {
        const char *name;
        quint32 format;
        int tolerance;
        bool grey;
    } formats[] = {
        {"MJPEG", V4L2_PIX_FMT_MJPEG, 24, false},   {"YUYV", V4L2_PIX_FMT_YUYV, 24, false},
        {"UYVY", V4L2_PIX_FMT_UYVY, 24, false},     {"YUV420", V4L2_PIX_FMT_YUV420, 24, false},
        {"YVU420", V4L2_PIX_FMT_YVU420, 24, false}, {"GREY", V4L2_PIX_FMT_GREY, 3, true},
        {"RGB24", V4L2_PIX_FMT_RGB24, 0, false},    {"RGB565", V4L2_PIX_FMT_RGB565, 8, false},
    };
    for (const auto &f : formats) {
        for (int m = 0; m < 2; ++m) {
            for (int v = 0; v < 2; ++v) {
                QTest::addRow("%s%s%s", f.name, m ? " mirror" : "", v ? " flip" : "")
                    << f.format << bool(m) << bool(v) << f.tolerance << f.grey;
            }
        }
    }
}

void TstFrameConverter::colours()
{
    QFETCH(quint32, format);
    QFETCH(bool, mirror);
    QFETCH(bool, flip);
    QFETCH(int, tolerance);
    QFETCH(bool, grey);

    // 36 rows: mirroring works in blocks of rows, so a partial last block
    // counts; 70 columns leave a remainder after the vector steps.
    const int w = 70;
    const int h = 36;
    const QImage card = quadrants(w, h);
    const QByteArray data = encode(card, format);
    FrameConverter conv;
    QVERIFY(conv.configure(format, w, h));
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(Qt::black);
    // Garbage in byte 3, which the conversion must set.
    memset(out.bits(), 0x11, size_t(out.sizeInBytes()));
    QCOMPARE(
        conv.convert(reinterpret_cast<const uchar *>(data.constData()), size_t(data.size()), out.bits(), mirror, flip),
        FrameConverter::Ok);

    // Sample the middle of each quadrant, away from chroma-blurred edges.
    const QPoint probes[] = {{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
    for (const QPoint &p : probes) {
        const QPoint src(mirror ? w - 1 - p.x() : p.x(), flip ? h - 1 - p.y() : p.y());
        QRgb expected = card.pixel(src);
        if (grey) {
            const int y = (qRed(expected) * 299 + qGreen(expected) * 587 + qBlue(expected) * 114) / 1000;
            expected = qRgb(y, y, y);
        }
        const QRgb got = out.pixel(p);
        QVERIFY2(
            near(got, expected, tolerance + (grey ? 3 : 0)),
            qPrintable(
                QStringLiteral("at %1,%2 got %3 want %4").arg(p.x()).arg(p.y()).arg(got, 8, 16).arg(expected, 8, 16)));
    }
    // Every pixel is opaque; QImage::Format_RGB32 needs 0xFF there.
    for (int y = 0; y < h; ++y) {
        const uchar *row = out.constScanLine(y);
        for (int x = 0; x < w; ++x)
            QCOMPARE(int(row[x * 4 + 3]), 0xFF);
    }
    // The rows nearest the edges are right too (flip folded in, no row lost).
    const QRgb top = out.pixel(w / 4, 0);
    const QRgb topWant = card.pixel(mirror ? w - 1 - w / 4 : w / 4, flip ? h - 1 : 0);
    if (!grey)
        QVERIFY(near(top, topWant, tolerance + 8));
}

void TstFrameConverter::corruptMjpeg_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("result");

    const QByteArray good = encode(quadrants(64, 48), V4L2_PIX_FMT_MJPEG);
    QTest::newRow("empty") << QByteArray() << int(FrameConverter::Corrupt);
    QTest::newRow("not a JPEG") << QByteArray(4000, 'x') << int(FrameConverter::Corrupt);
    QTest::newRow("truncated") << good.left(good.size() / 2) << int(FrameConverter::Corrupt);
    QTest::newRow("header only") << good.left(200) << int(FrameConverter::Corrupt);
    // Markers intact, tables gone: the decoder must refuse it.
    QByteArray noTables = good;
    const int sof = noTables.indexOf(QByteArray("\xFF\xC0", 2));
    for (int i = 4; i < sof; ++i)
        noTables[i] = '\0';
    QTest::newRow("tables wiped") << noTables << int(FrameConverter::Corrupt);
    QTest::newRow("other size") << encode(quadrants(32, 48), V4L2_PIX_FMT_MJPEG) << int(FrameConverter::SizeMismatch);
    QTest::newRow("padded after end") << good + QByteArray(700, '\0') << int(FrameConverter::Ok);
    QTest::newRow("junk after end") << good + QByteArray(300, '\x37') << int(FrameConverter::Ok);
    QTest::newRow("good") << good << int(FrameConverter::Ok);
    // Cameras pad by any amount; the marker is found past all of it.
    QTest::newRow("8 KiB zero padding") << good + QByteArray(8 * 1024, '\0') << int(FrameConverter::Ok);
    QTest::newRow("64 KiB zero padding") << good + QByteArray(64 * 1024, '\0') << int(FrameConverter::Ok);
    // Half the scan data lost, headers and end marker kept: TurboJPEG only
    // warns, and the picture would show a grey band.
    const int sos = good.indexOf(QByteArray("\xFF\xDA", 2));
    const int scan = good.size() - 2 - sos;
    QByteArray hole = good.left(sos + scan / 4) + good.mid(sos + 3 * scan / 4);
    QTest::newRow("hole, end marker kept") << hole << int(FrameConverter::Corrupt);
    // Some cameras put a few bytes before every end marker: TurboJPEG warns,
    // but the picture is whole.
    const QByteArray extra = good.left(good.size() - 2) + QByteArray("\x00\x11\x22\x33", 4) + good.right(2);
    QTest::newRow("4 bytes before the end marker") << extra << int(FrameConverter::Ok);
}

void TstFrameConverter::corruptMjpeg()
{
    QFETCH(QByteArray, data);
    QFETCH(int, result);
    FrameConverter conv;
    QVERIFY(conv.configure(V4L2_PIX_FMT_MJPEG, 64, 48));
    QImage out(64, 48, QImage::Format_RGB32);
    const auto *src = reinterpret_cast<const uchar *>(data.constData());
    for (bool mirror : {false, true})
        QCOMPARE(int(conv.convert(src, size_t(data.size()), out.bits(), mirror, false)), result);
    // A good frame after a bad one decodes normally.
    const QByteArray good = encode(quadrants(64, 48), V4L2_PIX_FMT_MJPEG);
    QCOMPARE(
        conv.convert(reinterpret_cast<const uchar *>(good.constData()), size_t(good.size()), out.bits(), false, false),
        FrameConverter::Ok);
}

void TstFrameConverter::hostileMjpeg()
{
    // Random damage of every kind: never a crash, never a write past the frame.
    const QByteArray good = encode(quadrants(96, 64), V4L2_PIX_FMT_MJPEG);
    FrameConverter conv;
    QVERIFY(conv.configure(V4L2_PIX_FMT_MJPEG, 96, 64));
    const int frameBytes = 96 * 64 * 4;
    QByteArray out(frameBytes + 64, '\x7e');
    QRandomGenerator rng(42);
    int ok = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray bad = good;
        switch (round % 4) {
        case 0: // a few flipped bytes anywhere
            for (int k = 0; k < 1 + int(rng.bounded(8)); ++k)
                bad[int(rng.bounded(bad.size()))] = char(rng.bounded(256));
            break;
        case 1: // cut, then an end marker glued on
            bad = bad.left(int(rng.bounded(bad.size()))) + QByteArray("\xFF\xD9", 2);
            break;
        case 2: // a segment length that runs past the end
            bad[int(4 + rng.bounded(40))] = char(0xFF);
            break;
        case 3: // noise with the right frame around it
            for (int k = 20; k < bad.size() - 2; ++k)
                bad[k] = char(rng.bounded(256));
            break;
        }
        // Reduced decodes too, each within its smaller picture.
        const int denominator = 1 << ((round / 4) % 4);
        const QSize picture = FrameConverter::scaledSize(QSize(96, 64), denominator);
        const int pictureBytes = picture.width() * picture.height() * 4;
        out.fill('\x7e');
        const FrameConverter::Result r = conv.convert(reinterpret_cast<const uchar *>(bad.constData()),
                                                      size_t(bad.size()), reinterpret_cast<uchar *>(out.data()),
                                                      round % 2, round % 3 == 0, denominator);
        ok += r == FrameConverter::Ok ? 1 : 0;
        for (int k = pictureBytes; k < out.size(); ++k)
            QCOMPARE(out.at(k), '\x7e');
    }
    QVERIFY(ok < 400);
}

void TstFrameConverter::scaled_data()
{
    QTest::addColumn<quint32>("format");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<bool>("mirror");
    for (quint32 f : {quint32(V4L2_PIX_FMT_MJPEG), quint32(V4L2_PIX_FMT_YUYV)}) {
        for (int d : {1, 2, 4, 8}) {
            for (bool m : {false, true})
                QTest::addRow("%s 1/%d%s", f == V4L2_PIX_FMT_MJPEG ? "MJPEG" : "YUYV", d, m ? " mirror" : "")
                    << f << d << m;
        }
    }
}

void TstFrameConverter::scaled()
{
    QFETCH(quint32, format);
    QFETCH(int, denominator);
    QFETCH(bool, mirror);
    // 1/8 of 336 x 200 is 42 x 25: an odd row count.
    const int w = 336;
    const int h = 200;
    const QImage card = quadrants(w, h);
    const QByteArray data = encode(card, format);
    FrameConverter conv;
    QVERIFY(conv.configure(format, w, h));
    const QSize size = FrameConverter::scaledSize(QSize(w, h), denominator);
    QCOMPARE(size, QSize((w + denominator - 1) / denominator, (h + denominator - 1) / denominator));
    QByteArray out(size.width() * size.height() * 4 + 64, '\x7e');
    auto *dst = reinterpret_cast<uchar *>(out.data());
    for (int round = 0; round < 2; ++round) // the second reuses every buffer
        QCOMPARE(conv.convert(reinterpret_cast<const uchar *>(data.constData()), size_t(data.size()), dst, mirror,
                              false, denominator),
                 FrameConverter::Ok);
    for (int k = size.width() * size.height() * 4; k < out.size(); ++k)
        QCOMPARE(out.at(k), '\x7e'); // nothing past the reduced picture
    const QImage img(dst, size.width(), size.height(), QImage::Format_RGB32);
    const QPoint probes[] = {{1, 1}, {3, 1}, {1, 3}, {3, 3}};
    for (const QPoint &q : probes) {
        const QPoint p(q.x() * size.width() / 4, q.y() * size.height() / 4);
        const QPoint src((mirror ? size.width() - 1 - p.x() : p.x()) * denominator, p.y() * denominator);
        QVERIFY2(near(img.pixel(p), card.pixel(qMin(src.x(), w - 1), src.y()), 24),
                 qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
    }
}

void TstFrameConverter::scaleChoice_data()
{
    QTest::addColumn<quint32>("format");
    QTest::addColumn<QSize>("display");
    QTest::addColumn<int>("denominator");
    const quint32 mjpg = V4L2_PIX_FMT_MJPEG;
    QTest::newRow("full size asked") << mjpg << QSize() << 1;
    QTest::newRow("large view") << mjpg << QSize(1600, 900) << 1;
    QTest::newRow("just over half") << mjpg << QSize(961, 300) << 1;
    QTest::newRow("half") << mjpg << QSize(960, 540) << 2;
    QTest::newRow("tile") << mjpg << QSize(470, 260) << 4;
    QTest::newRow("thumbnail") << mjpg << QSize(200, 100) << 8;
    QTest::newRow("tiny: no further than 1/8") << mjpg << QSize(10, 10) << 8;
    QTest::newRow("YUYV tile") << quint32(V4L2_PIX_FMT_YUYV) << QSize(470, 260) << 4;
    QTest::newRow("RGB24 is never reduced") << quint32(V4L2_PIX_FMT_RGB24) << QSize(200, 100) << 1;
}

void TstFrameConverter::scaleChoice()
{
    QFETCH(quint32, format);
    QFETCH(QSize, display);
    QFETCH(int, denominator);
    const QSize frame(1920, 1080);
    QCOMPARE(FrameConverter::scaleFor(format, frame, display), denominator);
    const QSize picture = FrameConverter::scaledSize(frame, denominator);
    if (display.isValid())
        QVERIFY(picture.width() >= display.width() || denominator == 8);
}

void TstFrameConverter::wrongByteCount()
{
    FrameConverter conv;
    QVERIFY(conv.configure(V4L2_PIX_FMT_YUYV, 64, 48, 128, 64 * 48 * 2));
    const QByteArray data = encode(quadrants(64, 48), V4L2_PIX_FMT_YUYV);
    QImage out(64, 48, QImage::Format_RGB32);
    const auto *src = reinterpret_cast<const uchar *>(data.constData());
    QCOMPARE(conv.convert(src, size_t(data.size() - 1), out.bits(), false, false), FrameConverter::SizeMismatch);
    QCOMPARE(conv.convert(src, size_t(data.size() - 128), out.bits(), true, false), FrameConverter::SizeMismatch);
    const QByteArray bigger = data + QByteArray(128, '\0');
    QCOMPARE(conv.convert(reinterpret_cast<const uchar *>(bigger.constData()), size_t(bigger.size()), out.bits(), false,
                          false),
             FrameConverter::SizeMismatch);
    QCOMPARE(conv.convert(src, size_t(data.size()), out.bits(), false, false), FrameConverter::Ok);
}

void TstFrameConverter::unsupported()
{
    FrameConverter conv;
    QVERIFY(!conv.configure(V4L2_PIX_FMT_H264, 64, 48));
    QVERIFY(!conv.configure(V4L2_PIX_FMT_YUYV, 0, 48));
    QImage out(64, 48, QImage::Format_RGB32);
    const uchar byte = 0;
    QCOMPARE(conv.convert(&byte, 1, out.bits(), false, false), FrameConverter::Unsupported);
}

QTEST_GUILESS_MAIN(TstFrameConverter)
#include "tst_frameconverter.moc"
