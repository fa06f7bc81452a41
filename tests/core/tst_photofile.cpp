#include "core/photofile.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

BDInfo calibration(const QString &name, double factor, int unit)
{
    BDInfo b;
    b.name = name;
    b.factor = factor;
    b.unit = unit;
    return b;
}

QImage picture()
{
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(Qt::darkGray);
    for (int x = 0; x < 64; ++x)
        img.setPixel(x, x % 48, qRgb(250, x * 4, 10));
    return img;
}

// Runs a reader; empty output when it fails.
QByteArray run(const QString &program, const QStringList &args)
{
    QProcess p;
    // Readers print in the locale's encoding; the checks read UTF-8 ("µm").
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}

} // namespace

class TestPhotoFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void bmpKeepsDensityOnly();
    void uncalibratedWritesPlainPicture();
    void failedWriteKeepsFile();
    void damagedFilesGiveNothing();
    void exiftoolReadsDensityAndText();
    void imageJReadsPixelSize();
    void tifffileReadsOmeXml();

private:
    QTemporaryDir m_dir;
};

void TestPhotoFile::roundTrip_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("unit");
    const QStringList suffixes{"png", "jpg", "jpeg", "tif", "tiff"};
    for (const QString &s : suffixes) {
        QTest::newRow(qPrintable(s + "-mm")) << s << 0.0123456789012345 << 0;
        QTest::newRow(qPrintable(s + "-um")) << s << 2.5 << 2;
        QTest::newRow(qPrintable(s + "-cm")) << s << 1.0 / 3.0 << 1;
        QTest::newRow(qPrintable(s + "-in")) << s << 1e-4 << 3;
        QTest::newRow(qPrintable(s + "-tiny")) << s << 1e-6 << 0;
        QTest::newRow(qPrintable(s + "-huge")) << s << 1e3 << 0;
    }
}

void TestPhotoFile::roundTrip()
{
    QFETCH(QString, suffix);
    QFETCH(double, factor);
    QFETCH(int, unit);
    if (suffix.startsWith("tif") && !QImageWriter::supportedImageFormats().contains("tiff"))
        QSKIP("Qt's TIFF plugin is not installed (qt5-image-formats-plugins)");
    const QString path = m_dir.filePath("rt." + suffix);
    const BDInfo cal = calibration(QString::fromUtf8("10X 标定 µ"), factor, unit);
    QVERIFY(photofile::writePhoto(path, picture(), cal));
    QImage back(path);
    QCOMPARE(back.size(), QSize(64, 48));
    const auto read = photofile::readPhotoScale(path);
    QVERIFY(read.has_value());
    QCOMPARE(read->factor, factor); // exact: 17 digits
    QCOMPARE(read->unit, unit);
    QCOMPARE(read->name, cal.name);
    QCOMPARE(read->pictureSize, QSize(64, 48));

    // Saving again over a file with a scale replaces it, never adds another.
    QVERIFY(photofile::writePhoto(path, picture(), calibration("b", 0.5, 1)));
    QCOMPARE(photofile::readPhotoScale(path)->factor, 0.5);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count("vistrel.factor="), 1);
}

void TestPhotoFile::bmpKeepsDensityOnly()
{
    const QString path = m_dir.filePath("d.bmp");
    QVERIFY(photofile::writePhoto(path, picture(), calibration("x", 0.0125, 0)));
    QCOMPARE(QImage(path).dotsPerMeterX(), 80000);
    QVERIFY(!photofile::readPhotoScale(path).has_value());
}

void TestPhotoFile::uncalibratedWritesPlainPicture()
{
    const QString path = m_dir.filePath("plain.png");
    QVERIFY(photofile::writePhoto(path, picture(), calibration("px", 1.0, 4)));
    QVERIFY(!photofile::readPhotoScale(path).has_value());
    QCOMPARE(QImage(path), picture());
}

void TestPhotoFile::failedWriteKeepsFile()
{
    const QString path = m_dir.filePath("keep.xyz");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    QString error;
    QVERIFY(!photofile::writePhoto(path, picture(), calibration("x", 0.01, 0), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("old"));
}

void TestPhotoFile::damagedFilesGiveNothing()
{
    // Every prefix and a flipped byte at every place: no crash, and never a
    // scale that was not written.
    const BDInfo cal = calibration("c", 0.002, 0);
    for (const char *suffix : {"png", "jpg", "tif"}) {
        if (QByteArray(suffix) == "tif" && !QImageWriter::supportedImageFormats().contains("tiff"))
            continue;
        const QString path = m_dir.filePath(QStringLiteral("whole.") + suffix);
        QVERIFY(photofile::writePhoto(path, picture(), cal));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray whole = f.readAll();
        f.close();
        const QString damaged = m_dir.filePath(QStringLiteral("damaged.") + suffix);
        const int step = qMax(1, whole.size() / 120);
        for (int n = 0; n < whole.size(); n += step) {
            for (const QByteArray &bytes : {whole.left(n), QByteArray(whole).replace(n, 1, "\xFF")}) {
                QFile d(damaged);
                QVERIFY(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
                d.write(bytes);
                d.close();
                const auto read = photofile::readPhotoScale(damaged);
                if (read) {
                    QCOMPARE(read->factor, cal.factor);
                    QCOMPARE(read->unit, cal.unit);
                }
                photofile::withScale(bytes, suffix, cal); // must not crash
            }
        }
    }
}

void TestPhotoFile::exiftoolReadsDensityAndText()
{
    const QString exiftool = QStandardPaths::findExecutable("exiftool");
    if (exiftool.isEmpty())
        QSKIP("exiftool is not installed (Debian package libimage-exiftool-perl)");
    const QString png = m_dir.filePath("e.png");
    const QString jpg = m_dir.filePath("e.jpg");
    const QString jpgUm = m_dir.filePath("e_um.jpg");
    QVERIFY(photofile::writePhoto(png, picture(), calibration("20X", 0.0125, 0)));
    QVERIFY(photofile::writePhoto(jpg, picture(), calibration("20X", 0.0125, 0)));
    QVERIFY(photofile::writePhoto(jpgUm, picture(), calibration("100X", 0.8, 2)));
    const QByteArray out = run(exiftool, {"-j", "-n", "-PNG:all", "-JFIF:all", "-Comment", png, jpg, jpgUm});
    const QJsonArray files = QJsonDocument::fromJson(out).array();
    QCOMPARE(files.size(), 3);

    const QJsonObject p = files.at(0).toObject();
    QCOMPARE(p.value("PixelsPerUnitX").toDouble(), 80000.0); // per metre
    QCOMPARE(p.value("PixelsPerUnitY").toDouble(), 80000.0);
    QCOMPARE(p.value("PixelUnits").toDouble(), 1.0);
    QCOMPARE(p.value("VistrelCalibration").toString(),
             QString("vistrel.unit=mm\nvistrel.factor=0.0125\nvistrel.name=20X\n"));

    const QJsonObject j = files.at(1).toObject();
    QCOMPARE(j.value("ResolutionUnit").toDouble(), 2.0); // per cm
    QCOMPARE(j.value("XResolution").toDouble(), 800.0);
    QCOMPARE(j.value("YResolution").toDouble(), 800.0);
    QVERIFY(j.value("Comment").toString().contains("vistrel.unit=mm\n"));
    QVERIFY(j.value("Comment").toString().contains("vistrel.factor=0.0125"));

    // 0.8 um per pixel is 12500 per cm.
    const QJsonObject u = files.at(2).toObject();
    QCOMPARE(u.value("ResolutionUnit").toDouble(), 2.0);
    QCOMPARE(u.value("XResolution").toDouble(), 12500.0);
    QVERIFY(u.value("Comment").toString().contains("vistrel.unit=um\n"));
}

void TestPhotoFile::imageJReadsPixelSize()
{
    const QString java = QStandardPaths::findExecutable("java");
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    const QString jar = "/usr/share/java/ij.jar";
    if (java.isEmpty() || xvfb.isEmpty() || !QFile::exists(jar))
        QSKIP("ImageJ is not installed (Debian packages imagej and xvfb)");
    if (!QImageWriter::supportedImageFormats().contains("tiff"))
        QSKIP("Qt's TIFF plugin is not installed (qt5-image-formats-plugins)");
    struct Case
    {
        BDInfo cal;
        QString unit; // as ImageJ names it
    };
    const QVector<Case> cases{{calibration("a", 0.0125, 0), "mm"},
                              {calibration("b", 0.8, 2), QString::fromUtf8("µm")},
                              {calibration("c", 0.004, 1), "cm"},
                              {calibration("d", 1e-3, 3), "inches"}};
    QStringList files;
    for (int i = 0; i < cases.size(); ++i) {
        files << m_dir.filePath(QStringLiteral("ij%1.tif").arg(i));
        QVERIFY(photofile::writePhoto(files.last(), picture(), cases[i].cal));
    }
    const QString macro = m_dir.filePath("size.ijm");
    QFile m(macro);
    QVERIFY(m.open(QIODevice::WriteOnly));
    m.write("files = split(getArgument(), \",\");\n"
            "for (i = 0; i < files.length; i++) {\n"
            "  open(files[i]);\n"
            "  getPixelSize(unit, pw, ph);\n"
            "  print(\"size \" + i + \" \" + unit + \" \" + d2s(pw, 9) + \" \" + d2s(ph, 9) + \" \" + getWidth());\n"
            "  close();\n"
            "}\n");
    m.close();
    const QString out = QString::fromUtf8(run(xvfb, {"-a", java, "-jar", jar, "-batch", macro, files.join(',')}));
    for (int i = 0; i < cases.size(); ++i) {
        const QRegularExpression re(QStringLiteral("size %1 (\\S+) (\\S+) (\\S+) (\\d+)").arg(i));
        const auto match = re.match(out);
        QVERIFY2(match.hasMatch(), qPrintable(out));
        QCOMPARE(match.captured(1), cases[i].unit);
        QVERIFY2(std::abs(match.captured(2).toDouble() / cases[i].cal.factor - 1) < 1e-6, qPrintable(out));
        QVERIFY2(std::abs(match.captured(3).toDouble() / cases[i].cal.factor - 1) < 1e-6, qPrintable(out));
        QCOMPARE(match.captured(4), QString("64"));
    }
}

// OME-XML first, ImageJ's description second: tifffile sees both, with the
// pixel size, the instrument and the date; the series has the picture's shape
// (its LZW pixels would need imagecodecs, which Debian does not package).
void TestPhotoFile::tifffileReadsOmeXml()
{
    // Debian's interpreter: another python3 first on the PATH lacks Debian's modules.
    const QString python = QFile::exists("/usr/bin/python3") ? QString("/usr/bin/python3")
                                                             : QStandardPaths::findExecutable("python3");
    if (python.isEmpty() || QProcess::execute(python, {"-c", "import tifffile"}) != 0)
        QSKIP("python3-tifffile is not installed (Debian package python3-tifffile)");
    if (!QImageWriter::supportedImageFormats().contains("tiff"))
        QSKIP("Qt's TIFF plugin is not installed (qt5-image-formats-plugins)");
    const QString file = m_dir.filePath(QString::fromUtf8("ome <&\"µ>.tif"));
    photofile::PhotoOrigin origin;
    origin.camera = "V3-2M";
    origin.taken = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7));
    QVERIFY(
        photofile::writePhoto(file, picture(), calibration(QString::fromUtf8("10× <obj>"), 0.8, 2), nullptr, origin));
    const QByteArray out = run(python, {"-c", R"(
import sys, json, tifffile, xml.etree.ElementTree as ET
with tifffile.TiffFile(sys.argv[1]) as t:
    ns = {'o': 'http://www.openmicroscopy.org/Schemas/OME/2016-06'}
    root = ET.fromstring(t.ome_metadata)
    px = root.find('.//o:Pixels', ns)
    print(json.dumps({'ome': t.is_ome, 'imagej': t.imagej_metadata.get('unit'),
        'x': float(px.get('PhysicalSizeX')), 'y': float(px.get('PhysicalSizeY')), 'unit': px.get('PhysicalSizeXUnit'),
        'objective': root.find('.//o:Objective', ns).get('Model'), 'camera': root.find('.//o:Detector', ns).get('Model'),
        'date': root.find('.//o:AcquisitionDate', ns).text, 'name': root.find('.//o:Image', ns).get('Name'),
        'shape': list(t.series[0].shape)}))
)",
                                        file});
    const QJsonObject o = QJsonDocument::fromJson(out).object();
    QVERIFY2(o.value("ome").toBool(), qPrintable(file + ": " + out));
    QCOMPARE(o.value("imagej").toString(), QString("um")); // ImageJ shows it as µm
    QCOMPARE(o.value("x").toDouble(), 0.8);
    QCOMPARE(o.value("y").toDouble(), 0.8);
    QCOMPARE(o.value("unit").toString(), QString::fromUtf8("µm"));
    QCOMPARE(o.value("objective").toString(), QString::fromUtf8("10× <obj>"));
    QCOMPARE(o.value("camera").toString(), QString("V3-2M"));
    QCOMPARE(o.value("date").toString(), QString("2026-03-04T05:06:07"));
    QCOMPARE(o.value("name").toString(), QFileInfo(file).fileName());
    QCOMPARE(o.value("shape").toArray().at(0).toInt(), 48);
    QCOMPARE(o.value("shape").toArray().at(1).toInt(), 64);
    // And Vistrel itself still reads its scale from it.
    QCOMPARE(photofile::readPhotoScale(file)->factor, 0.8);
}

QTEST_MAIN(TestPhotoFile)
#include "tst_photofile.moc"
