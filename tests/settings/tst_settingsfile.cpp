#include "core/appsettings.h"
#include "tests/common/bytes.h"
#include "tests/common/records.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <limits>

#include <cstring>
#include <signal.h>
#include <sys/resource.h>

namespace {

using testbytes::Bytes;
using testrecords::bd;
using testrecords::parse;
using testrecords::serialise;

// The fixed head of "Measure.config".
Bytes header()
{
    Bytes b;
    b.u32(5).i32(32).i32(24).i32(344).i32(136).i32(123);
    return b;
}

bool sameCamera(const CameraConfig &a, const CameraConfig &b)
{
    for (int i = 0; i < CameraConfig::ParamCount; ++i) {
        if (a.params[i].flag != b.params[i].flag
            || std::memcmp(a.params[i].values, b.params[i].values, sizeof a.params[i].values) != 0)
            return false;
    }
    return a.name == b.name && a.initialized == b.initialized && a.size == b.size && a.format == b.format
           && a.autoWhiteBalance == b.autoWhiteBalance && a.redGain == b.redGain && a.greenGain == b.greenGain
           && a.blueGain == b.blueGain && a.blackWhite == b.blackWhite && a.flipHorizontal == b.flipHorizontal
           && a.flipVertical == b.flipVertical;
}

// The record of the golden test: one camera, two calibrations, a date-time.
AppSettings goldenSettings()
{
    AppSettings s;
    s.currentCamera = QStringLiteral("cam");
    s.rect = QRect(1, 2, 3, 4);
    s.imageRoot = QStringLiteral("/r/image");
    s.videoRoot = QStringLiteral("/r/movie");
    s.imageFiles = QStringList{QStringLiteral("a.jpg")};
    CameraConfig c;
    c.name = QStringLiteral("M");
    c.params[CameraConfig::Exposure].flag = true;
    c.params[CameraConfig::Exposure].values[0] = 5;
    c.params[CameraConfig::Exposure].values[1] = 6;
    c.params[CameraConfig::Exposure].values[5] = 2;
    c.redGain = 1.5;
    c.flipVertical = true;
    s.cameras.insert(s.currentCamera, c);
    s.calibrations = {bd(QStringLiteral("2.00X"), 0.5, 2), bd(QString(), 1.0, 4)};
    s.timedStart = QDateTime(QDate(2026, 12, 8), QTime(4, 5, 6, 789), Qt::UTC);
    return s;
}

// A record where every stored field differs from the defaults.
AppSettings richSettings()
{
    AppSettings s = goldenSettings();
    s.showTime = false;
    s.language = 0;
    s.imageFolder = QStringLiteral("Photo/样品");
    s.videoFolder = QString();
    s.videoFiles = QStringList{QStringLiteral("/v/1.avi"), QString(), QStringLiteral("")};
    s.imageFormat = 2;
    s.videoFormat = 7;
    CameraConfig other;
    other.initialized = true;
    other.size = QSize(3840, 2160);
    other.format = QStringLiteral("YUY2");
    other.autoWhiteBalance = true;
    other.greenGain = -0.25;
    other.blueGain = 1e300;
    other.blackWhite = true;
    other.flipHorizontal = true;
    for (int i = 0; i < CameraConfig::ParamCount; ++i)
        for (int j = 0; j < 7; ++j)
            other.params[i].values[j] = i * 100 + j - 50;
    s.cameras.insert(QStringLiteral("v4l2:usb-0000:00:14.0-2#vid_0c45&pid_62c1"), other);
    s.cameras.insert(QStringLiteral("a"), CameraConfig());
    s.style.textColorIndex = 2;
    s.style.fontSizeIndex = 8;
    s.style.lineColorIndex = 1;
    s.style.lineStyle = 1;
    s.style.lineWidthIndex = 6;
    s.timedActive = true;
    s.timedMode = 1;
    s.timedNext = QDateTime(QDate(2027, 1, 1), QTime(0, 0), Qt::OffsetFromUTC, 19800);
    s.timedInterval = 3;
    s.timedLength = 60;
    s.timedCount = 1000;
    s.timedDone = 999;
    return s;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void defaults();
    void resetToDefaults();
    void goldenBytes();
    void nullDateTimeBytes();
    void camerasFromGreatestKey();
    void roundTrip();
    void dateTimes_data();
    void dateTimes();
    void unknownZones_data();
    void unknownZones();
    void invalidZoneIsWritten();
    void wrongHeader_data();
    void wrongHeader();
    void truncatedAtEveryByte();
    void hostile_data();
    void hostile();
    void fileRoundTripAndFailedSave();
    void badFactorsDropped();
};

void TestSettingsFile::defaults()
{
    const AppSettings s;
    QCOMPARE(s.polygonArea, 2);
    QCOMPARE(s.showTime, true);
    QCOMPARE(s.language, 1);
    QVERIFY(s.rect.isNull());
    QVERIFY(s.currentCamera.isEmpty());
    QVERIFY(s.cameras.isEmpty());
    QVERIFY(s.calibrations.isEmpty());
    QCOMPARE(s.imageFolder, QStringLiteral("Photo"));
    QCOMPARE(s.videoFolder, QStringLiteral("Video"));
    QCOMPARE(s.imageFormat, 1);
    QCOMPARE(s.videoFormat, 0);
    QCOMPARE(s.timedActive, false);
    QCOMPARE(s.timedMode, 0);
    QVERIFY(s.timedStart.isNull());
    QVERIFY(s.timedNext.isNull());
    QCOMPARE(s.timedInterval, 1);
    QCOMPARE(s.timedLength, 10);
    QCOMPARE(s.timedCount, 10);
    QCOMPARE(s.timedDone, 0);

    const DrawStyle &d = s.style;
    QCOMPARE((QVector<int>{d.textColorIndex, d.fontSizeIndex, d.lineColorIndex, d.lineStyle, d.lineWidthIndex}),
             (QVector<int>{0, 5, 0, 0, 0}));
    QCOMPARE(d.colors.size(), 3);
    QCOMPARE(d.colors.at(0).rgba(), 0xFFFF0000u);
    QCOMPARE(d.colors.at(1).rgba(), 0xFF00FF00u);
    QCOMPARE(d.colors.at(2).rgba(), 0xFF0000FFu);
    QCOMPARE(d.fontSizes, (QVector<int>{12, 14, 16, 20, 24, 32, 48, 56, 72}));
    QCOMPARE(d.lineWidths, (QVector<int>{1, 2, 4, 6, 8, 10, 12}));
    QCOMPARE(d.fontPixelSize(), 32);
    QCOMPARE(d.penStyle(), Qt::SolidLine);

    const CameraConfig c;
    QVERIFY(c.name.isEmpty());
    QCOMPARE(c.initialized, false);
    QCOMPARE(c.size, QSize(640, 480));
    QCOMPARE(c.format, QStringLiteral("MJPG"));
    QCOMPARE(int(CameraConfig::ParamCount), 9);
    for (const CameraParam &p : c.params) {
        QCOMPARE(p.flag, false);
        for (qint32 v : p.values)
            QCOMPARE(v, 0);
    }
    QCOMPARE(c.autoWhiteBalance, false);
    QCOMPARE(c.redGain, 0.0);
    QCOMPARE(c.greenGain, 0.0);
    QCOMPARE(c.blueGain, 0.0);
    QVERIFY(!c.blackWhite && !c.flipHorizontal && !c.flipVertical);
}

void TestSettingsFile::resetToDefaults()
{
    CameraConfig c;
    for (int i = 0; i < CameraConfig::ParamCount; ++i) {
        c.params[i].flag = true;
        for (int j = 0; j < 7; ++j)
            c.params[i].values[j] = 10 * i + j + 1;
    }
    c.blackWhite = c.flipHorizontal = c.flipVertical = true;
    c.autoWhiteBalance = true;
    c.redGain = 2.0;
    c.size = QSize(1280, 720);
    c.resetToDefaults();
    for (int i = 0; i < CameraConfig::ParamCount; ++i) {
        QCOMPARE(c.params[i].current(), c.params[i].defaultValue());
        QCOMPARE(c.params[i].defaultValue(), 10 * i + 2);
        QCOMPARE(c.params[i].values[5], 10 * i + 6); // exposure mode etc. untouched
        QCOMPARE(c.params[i].flag, true);
    }
    QVERIFY(!c.blackWhite && !c.flipHorizontal && !c.flipVertical);
    // Only what a reset is about changes.
    QVERIFY(c.autoWhiteBalance);
    QCOMPARE(c.redGain, 2.0);
    QCOMPARE(c.size, QSize(1280, 720));
}

void TestSettingsFile::goldenBytes()
{
    Bytes b = header();
    b.str(QStringLiteral("cam")).u8(1).i32(1);
    b.i32(1).i32(2).i32(3).i32(5); // QRect(1,2 3x4): x1 y1 x2 y2
    b.str(QStringLiteral("/r/image")).str(QStringLiteral("/r/movie"));
    b.str(QStringLiteral("Photo")).str(QStringLiteral("Video"));
    b.u32(1).str(QStringLiteral("a.jpg")).u32(0);
    b.i32(1).i32(0);
    // cameras
    b.u32(1).str(QStringLiteral("cam"));
    b.str(QStringLiteral("M")).u8(0).i32(640).i32(480).str(QStringLiteral("MJPG"));
    b.u8(1).i32(5).i32(6).i32(0).i32(0).i32(0).i32(2).i32(0);
    for (int i = 1; i < 9; ++i)
        b.u8(0).i32(0).i32(0).i32(0).i32(0).i32(0).i32(0).i32(0);
    b.u8(0).u64(0x3FF8000000000000ull).u64(0).u64(0).u8(0).u8(0).u8(1);
    // calibrations
    b.u32(2);
    b.str(QStringLiteral("2.00X")).u64(0x3FE0000000000000ull).i32(2);
    b.u32(0xFFFFFFFFu).u64(0x3FF0000000000000ull).i32(4);
    // style
    b.i32(0).i32(5).i32(0).i32(0).i32(0);
    // timed run
    b.u8(0).i32(0);
    b.u64(2461383).u32(((4 * 60 + 5) * 60 + 6) * 1000 + 789).u8(1); // 2026-12-08 04:05:06.789 UTC
    b.u64(0x8000000000000000ull).u32(0xFFFFFFFFu).u8(0);            // null, local time
    b.i32(1).i32(10).i32(10).i32(0);

    const AppSettings s = goldenSettings();
    QCOMPARE(serialise(s).toHex(), b.data.toHex());

    AppSettings back;
    QCOMPARE(parse(b.data, &back), SettingsRead::Complete);
    QCOMPARE(serialise(back).toHex(), b.data.toHex());
    QCOMPARE(back.timedStart, s.timedStart);
    QCOMPARE(back.timedStart.timeSpec(), Qt::UTC);
    QVERIFY(back.timedNext.isNull());
    QCOMPARE(back.calibrations.size(), 2);
    QVERIFY(back.calibrations.at(1).name.isNull());
}

void TestSettingsFile::nullDateTimeBytes()
{
    // The whole default record: the tail holds two null date-times.
    const QByteArray bytes = serialise(AppSettings());
    const QByteArray tail = Bytes()
                                .u64(0x8000000000000000ull)
                                .u32(0xFFFFFFFFu)
                                .u8(0)
                                .u64(0x8000000000000000ull)
                                .u32(0xFFFFFFFFu)
                                .u8(0)
                                .i32(1)
                                .i32(10)
                                .i32(10)
                                .i32(0)
                                .data;
    QVERIFY(bytes.endsWith(tail));
    // Empty calibration list: four zero bytes before the style.
    QVERIFY(bytes.contains(Bytes().u32(0).u32(0).i32(0).i32(5).i32(0).i32(0).i32(0).data));
}

void TestSettingsFile::camerasFromGreatestKey()
{
    AppSettings s;
    for (const char *key : {"b", "a", "c", "ab"}) {
        CameraConfig c;
        c.name = QString::fromLatin1(key).toUpper();
        s.cameras.insert(QString::fromLatin1(key), c);
    }
    const QByteArray bytes = serialise(s);
    auto at = [&](const char *key) {
        return bytes.indexOf(Bytes().str(QString::fromLatin1(key)).str(QString::fromLatin1(key).toUpper()).data);
    };
    QVERIFY(at("c") > 0);
    QVERIFY(at("c") < at("b"));
    QVERIFY(at("b") < at("ab"));
    QVERIFY(at("ab") < at("a"));

    AppSettings back;
    QCOMPARE(parse(bytes, &back), SettingsRead::Complete);
    QCOMPARE(back.cameras.keys(), s.cameras.keys());
    QCOMPARE(back.cameras.value(QStringLiteral("ab")).name, QStringLiteral("AB"));
}

void TestSettingsFile::roundTrip()
{
    const AppSettings s = richSettings();
    const QByteArray bytes = serialise(s);
    AppSettings back;
    back.polygonArea = 0; // not stored: must stay what it is
    QCOMPARE(parse(bytes, &back), SettingsRead::Complete);
    QCOMPARE(back.polygonArea, 0);
    QCOMPARE(serialise(back), bytes);

    QCOMPARE(back.currentCamera, s.currentCamera);
    QCOMPARE(back.showTime, false);
    QCOMPARE(back.language, 0);
    QCOMPARE(back.rect, s.rect);
    QCOMPARE(back.imageFolder, s.imageFolder);
    QVERIFY(back.videoFolder.isNull());
    QCOMPARE(back.videoFiles, s.videoFiles);
    QVERIFY(back.videoFiles.at(1).isNull());
    QVERIFY(!back.videoFiles.at(2).isNull());
    QCOMPARE(back.imageFormat, 2);
    QCOMPARE(back.videoFormat, 7);
    QCOMPARE(back.cameras.keys(), s.cameras.keys());
    for (const QString &key : s.cameras.keys())
        QVERIFY2(sameCamera(back.cameras.value(key), s.cameras.value(key)), qPrintable(key));
    QVERIFY(back.style == s.style);
    QCOMPARE(back.timedActive, true);
    QCOMPARE(back.timedMode, 1);
    QCOMPARE(back.timedNext, s.timedNext);
    QCOMPARE(back.timedNext.offsetFromUtc(), 19800);
    QCOMPARE(back.timedDone, 999);
}

void TestSettingsFile::dateTimes_data()
{
    QTest::addColumn<QDateTime>("dt");
    QTest::newRow("null") << QDateTime();
    QTest::newRow("local") << QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999), Qt::LocalTime);
    QTest::newRow("utc") << QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC);
    QTest::newRow("offset") << QDateTime(QDate(2030, 6, 1), QTime(12, 0), Qt::OffsetFromUTC, -34200);
    QTest::newRow("fixed zone") << QDateTime(QDate(2030, 6, 1), QTime(12, 0), QTimeZone(3600));
    QTest::newRow("custom zone") << QDateTime(QDate(2030, 6, 1), QTime(12, 0),
                                              QTimeZone("Vistrel/Test", 7200, QStringLiteral("Test"),
                                                        QStringLiteral("TST"), QLocale::AnyCountry,
                                                        QStringLiteral("made up")));
    QTest::newRow("named zone") << QDateTime(QDate(2030, 6, 1), QTime(12, 0), QTimeZone("Europe/Berlin"));
    QTest::newRow("date only") << QDateTime(QDate(2001, 1, 1), QTime(), Qt::UTC);
}

void TestSettingsFile::dateTimes()
{
    QFETCH(QDateTime, dt);
    if (QByteArray(QTest::currentDataTag()) == "named zone" && !dt.timeZone().isValid())
        QSKIP("no time zone database");
    AppSettings s;
    s.timedStart = dt;
    const QByteArray bytes = serialise(s);
    AppSettings back;
    QCOMPARE(parse(bytes, &back), SettingsRead::Complete);
    QCOMPARE(back.timedStart.isNull(), dt.isNull());
    QCOMPARE(back.timedStart, dt);
    QCOMPARE(back.timedStart.timeSpec(), dt.timeSpec());
    QCOMPARE(back.timedStart.offsetFromUtc(), dt.offsetFromUtc());
    if (dt.timeSpec() == Qt::TimeZone)
        QCOMPARE(back.timedStart.timeZone().id(), dt.timeZone().id());
    QCOMPARE(serialise(back).toHex(), bytes.toHex());
}

void TestSettingsFile::unknownZones_data()
{
    QTest::addColumn<QByteArray>("zone"); // the bytes after the time-spec byte 3
    QTest::addColumn<int>("spec");
    QTest::addColumn<int>("offset");
    QTest::newRow("unknown id") << Bytes().str(QStringLiteral("Nowhere/Never")).data << int(Qt::LocalTime) << 0;
    QTest::newRow("path as id") << Bytes().str(QStringLiteral("../../../etc/passwd")).data << int(Qt::LocalTime) << 0;
    QTest::newRow("absolute path") << Bytes().str(QStringLiteral("/dev/zero")).data << int(Qt::LocalTime) << 0;
    QTest::newRow("empty id") << Bytes().str(QString()).data << int(Qt::LocalTime) << 0;
    QTest::newRow("custom, bad id") << Bytes()
                                           .str(QStringLiteral("OffsetFromUtc"))
                                           .str(QStringLiteral("../x"))
                                           .i32(5400)
                                           .str(QStringLiteral("n"))
                                           .str(QStringLiteral("a"))
                                           .i32(0)
                                           .str(QStringLiteral("c"))
                                           .data
                                    << int(Qt::OffsetFromUTC) << 5400;
    QTest::newRow("custom, good id") << Bytes()
                                            .str(QStringLiteral("OffsetFromUtc"))
                                            .str(QStringLiteral("Lab/Zone"))
                                            .i32(-3600)
                                            .str(QStringLiteral("n"))
                                            .str(QStringLiteral("a"))
                                            .i32(0)
                                            .str(QStringLiteral("c"))
                                            .data
                                     << int(Qt::TimeZone) << -3600;
}

void TestSettingsFile::unknownZones()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, spec);
    QFETCH(int, offset);
    // Replace timedNext (a null local date-time, 13 bytes before the last
    // four ints) by one in a zone.
    QByteArray bytes = serialise(AppSettings());
    const QByteArray tail = bytes.right(16);
    bytes.chop(13 + 16);
    bytes += Bytes().u64(2461383).u32(3600000).u8(3).data + zone + tail;
    AppSettings s;
    QCOMPARE(parse(bytes, &s), SettingsRead::Complete);
    QCOMPARE(s.timedDone, 0);
    QCOMPARE(s.timedNext.date(), QDate(2026, 12, 8));
    QCOMPARE(s.timedNext.time(), QTime(1, 0));
    QCOMPARE(int(s.timedNext.timeSpec()), spec);
    if (spec != Qt::LocalTime)
        QCOMPARE(s.timedNext.offsetFromUtc(), offset);
    // What was read can be written and read again.
    AppSettings again;
    QCOMPARE(parse(serialise(s), &again), SettingsRead::Complete);
    QCOMPARE(again.timedNext, s.timedNext);
}

void TestSettingsFile::invalidZoneIsWritten()
{
    AppSettings s;
    s.timedStart = QDateTime(QDate(2026, 12, 8), QTime(9, 30), QTimeZone());
    const QByteArray bytes = serialise(s); // Qt's own writer would crash here
    AppSettings back;
    QCOMPARE(parse(bytes, &back), SettingsRead::Complete);
    QCOMPARE(back.timedStart, QDateTime(QDate(2026, 12, 8), QTime(9, 30), Qt::LocalTime));
}

void TestSettingsFile::wrongHeader_data()
{
    QTest::addColumn<QByteArray>("header");
    const qint32 good[5] = {32, 24, 344, 136, 123};
    for (int i = 0; i < 5; ++i) {
        Bytes b;
        b.u32(5);
        for (int j = 0; j < 5; ++j)
            b.i32(j == i ? good[j] + 1 : good[j]);
        QTest::newRow(qPrintable(QStringLiteral("value %1").arg(i))) << b.data;
    }
    QTest::newRow("byte-swapped first") << Bytes().u32(5).i32(0x20000000).i32(24).i32(344).i32(136).i32(123).data;
    QTest::newRow("count 4") << Bytes().u32(4).i32(32).i32(24).i32(344).i32(136).data;
    QTest::newRow("count 6") << Bytes().u32(6).i32(32).i32(24).i32(344).i32(136).i32(123).i32(0).data;
    QTest::newRow("count huge") << Bytes().u32(0xFFFFFFF0u).i32(32).i32(24).i32(344).i32(136).i32(123).data;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short") << QByteArray::fromHex("000000050000002000000018");
}

void TestSettingsFile::wrongHeader()
{
    QFETCH(QByteArray, header);
    // The rest is a valid record, so reading past a bad header would show.
    const QByteArray valid = serialise(richSettings());
    const QByteArray bytes = header + valid.mid(24);
    AppSettings s;
    const QByteArray before = serialise(s);
    QCOMPARE(parse(bytes, &s), SettingsRead::WrongHeader);
    QCOMPARE(serialise(s), before);
}

void TestSettingsFile::truncatedAtEveryByte()
{
    const AppSettings full = richSettings();
    const QByteArray bytes = serialise(full);
    const AppSettings defaults;

    for (int len = 0; len <= bytes.size(); ++len) {
        AppSettings s;
        const SettingsRead r = parse(bytes.left(len), &s);
        if (len < 24)
            QCOMPARE(r, SettingsRead::WrongHeader);
        else if (len < bytes.size())
            QCOMPARE(r, SettingsRead::Truncated);
        else
            QCOMPARE(r, SettingsRead::Complete);

        // Each field is either untouched or complete; never a part.
        auto oneOf = [](const auto &v, const auto &a, const auto &b) { return v == a || v == b; };
        QVERIFY(oneOf(s.currentCamera, defaults.currentCamera, full.currentCamera));
        QVERIFY(oneOf(s.imageRoot, defaults.imageRoot, full.imageRoot));
        QVERIFY(oneOf(s.videoRoot, defaults.videoRoot, full.videoRoot));
        QVERIFY(oneOf(s.imageFolder, defaults.imageFolder, full.imageFolder));
        QVERIFY(oneOf(s.videoFolder, defaults.videoFolder, full.videoFolder));
        QVERIFY(oneOf(s.imageFiles, defaults.imageFiles, full.imageFiles));
        QVERIFY(oneOf(s.videoFiles, defaults.videoFiles, full.videoFiles));
        QVERIFY(oneOf(s.rect, defaults.rect, full.rect));
        QVERIFY(s.cameras.isEmpty() || s.cameras.keys() == full.cameras.keys());
        for (const QString &key : s.cameras.keys())
            QVERIFY(sameCamera(s.cameras.value(key), full.cameras.value(key)));
        QVERIFY(s.calibrations.isEmpty() || s.calibrations.size() == full.calibrations.size());
        QVERIFY(oneOf(s.timedStart, defaults.timedStart, full.timedStart));
        QVERIFY(oneOf(s.timedNext, defaults.timedNext, full.timedNext));
        QVERIFY(oneOf(s.timedDone, defaults.timedDone, full.timedDone));

        // What was read is a prefix: the last field is only there when the
        // first one is.
        if (s.timedDone == full.timedDone)
            QCOMPARE(s.currentCamera, full.currentCamera);
    }
}

void TestSettingsFile::hostile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("camera");   // expected currentCamera
    QTest::addColumn<bool>("filesRead");   // the file lists come before the break
    QTest::addColumn<bool>("camerasRead"); // so does the camera map

    const QByteArray head = header().data;
    // Fields up to (not including) imageFiles.
    const QByteArray upToFiles = header()
                                     .str(QStringLiteral("cam"))
                                     .u8(1)
                                     .i32(1)
                                     .i32(0)
                                     .i32(0)
                                     .i32(-1)
                                     .i32(-1)
                                     .str(QStringLiteral("/i"))
                                     .str(QStringLiteral("/v"))
                                     .str(QStringLiteral("P"))
                                     .str(QStringLiteral("V"))
                                     .data;
    const QByteArray upToCameras = upToFiles + Bytes().u32(0).u32(0).i32(1).i32(0).data;

    QTest::newRow("string of 4 GB") << (head + Bytes().u32(0xFFFFFFFEu).data + QByteArray(100, 'a')) << QString()
                                    << false << false;
    QTest::newRow("odd string length") << (head + Bytes().u32(7).data + QByteArray(100, 'a')) << QString() << false
                                       << false;
    QTest::newRow("2e9 file names") << (upToFiles + Bytes().u32(2000000000u).data) << "cam" << false << false;
    QTest::newRow("file list, huge entry")
        << (upToFiles + Bytes().u32(3).str(QStringLiteral("x")).u32(0x7FFFFFFEu).data) << "cam" << false << false;
    QTest::newRow("billion cameras") << (upToCameras + Bytes().u32(1000000000u).str(QStringLiteral("k")).data) << "cam"
                                     << true << false;
    QTest::newRow("camera with huge format") << (upToCameras
                                                 + Bytes()
                                                       .u32(1)
                                                       .str(QStringLiteral("k"))
                                                       .str(QStringLiteral("n"))
                                                       .u8(1)
                                                       .i32(1)
                                                       .i32(1)
                                                       .u32(0xFFFFFF00u)
                                                       .data)
                                             << "cam" << true << false;
    QTest::newRow("2e9 calibrations")
        << (upToCameras + Bytes().u32(0).u32(2000000000u).str(QStringLiteral("1X")).f64(1).i32(0).data) << "cam" << true
        << true;
}

void TestSettingsFile::hostile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, camera);
    QFETCH(bool, filesRead);
    QFETCH(bool, camerasRead);
    AppSettings s;
    s.imageFiles = QStringList{QStringLiteral("keep")};
    s.cameras.insert(QStringLiteral("keep"), CameraConfig());
    s.calibrations = {bd(QStringLiteral("keep"), 2, 1)};
    QCOMPARE(parse(bytes, &s), SettingsRead::Truncated);
    QCOMPARE(s.currentCamera, camera);
    QCOMPARE(s.imageFiles, filesRead ? QStringList() : QStringList{QStringLiteral("keep")});
    QCOMPARE(s.cameras.keys(), camerasRead ? QStringList() : QStringList{QStringLiteral("keep")});
    QCOMPARE(s.calibrations.size(), 1);
    QCOMPARE(s.calibrations.at(0).name, QStringLiteral("keep"));
    // Fields after the break keep their defaults.
    QCOMPARE(s.timedCount, 10);
    QCOMPARE(s.style.fontSizeIndex, 5);
}

void TestSettingsFile::fileRoundTripAndFailedSave()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Measure.config"));
    AppSettings none;
    QCOMPARE(loadSettingsFile(path, &none), SettingsRead::NotOpened);
    QCOMPARE(loadSettingsFile(dir.path(), &none), SettingsRead::NotOpened);
    QCOMPARE(loadSettingsFile(QStringLiteral("/dev/urandom"), &none), SettingsRead::NotOpened);

    const AppSettings first = goldenSettings();
    QVERIFY(saveSettingsFile(path, first));
    AppSettings back;
    QCOMPARE(loadSettingsFile(path, &back), SettingsRead::Complete);
    QCOMPARE(serialise(back), serialise(first));

    // A save that fails half-way (file size limit, like a full disk; works
    // for root too) leaves the previous file whole.
    AppSettings big = richSettings();
    for (int i = 0; i < 5000; ++i)
        big.imageFiles.append(QStringLiteral("/some/long/path/to/photo_%1.jpg").arg(i));
    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim = old;
    lim.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &lim), 0);
    const bool saved = saveSettingsFile(path, big);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    QVERIFY(!saved);

    AppSettings again;
    QCOMPARE(loadSettingsFile(path, &again), SettingsRead::Complete);
    QCOMPARE(serialise(again), serialise(first));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// A NaN, infinite, zero or negative factor in the file cannot measure
// anything: such records are dropped on reading, the others kept in order.
void TestSettingsFile::badFactorsDropped()
{
    AppSettings s = goldenSettings();
    const double inf = std::numeric_limits<double>::infinity();
    s.calibrations = {bd(QStringLiteral("nan"), std::numeric_limits<double>::quiet_NaN(), 0),
                      bd(QStringLiteral("a"), 0.5, 2),
                      bd(QStringLiteral("-inf"), -inf, 0),
                      bd(QStringLiteral("inf"), inf, 0),
                      bd(QStringLiteral("0"), 0.0, 0),
                      bd(QStringLiteral("neg"), -1.25, 1),
                      bd(QStringLiteral("b"), 1e-300, 1)};
    AppSettings back;
    QCOMPARE(parse(serialise(s), &back), SettingsRead::Complete);
    QCOMPARE(back.calibrations.size(), 2);
    QCOMPARE(back.calibrations.at(0).name, QStringLiteral("a"));
    QCOMPARE(back.calibrations.at(1).name, QStringLiteral("b"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
