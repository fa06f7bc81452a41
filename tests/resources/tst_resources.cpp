// Checks the compiled-in images: every name the program asks for resolves,
// has the size the widgets assume, actually shows something, and the pressed
// variants can be told apart from the normal ones.

#include <QtTest>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace {

enum Kind {
    ToolGlyph, // white lines on transparent, drawn over a blue/green button
    Badge,     // rounded-square button picture with a transparent margin
    Glyph,     // small coloured glyph on transparent
    Switch,    // on/off track
    Thumbnail, // file browser picture, shown at 160 x 120
    Logo,
    Opaque // full-bleed picture (splash)
};

const QString kIcon = QStringLiteral(":/Vistrel/image/icon/");
const QString kTool = QStringLiteral(":/Vistrel/image/测量工具/");

const QStringList &buttonNames()
{
    static const QStringList names = {
        QStringLiteral("btnCapture"),     QStringLiteral("btnRecord"),     QStringLiteral("btnRecord_Playing"),
        QStringLiteral("btnTimeSetting"), QStringLiteral("btnFullScreen"), QStringLiteral("btnScreenSwitch"),
        QStringLiteral("btnOpenDir"),     QStringLiteral("btnSetting"),    QStringLiteral("btnCalib"),
        QStringLiteral("btnZoom"),        QStringLiteral("btnAdd"),        QStringLiteral("btnBack")};
    return names;
}

QStringList toolPaths()
{
    QStringList paths;
    for (int i = 1; i <= 20; ++i)
        paths << kTool + QStringLiteral("测量工具-%1.png").arg(i);
    paths << kTool + QStringLiteral("undo.png") << kTool + QStringLiteral("redo.png");
    return paths;
}

QString iconPath(const QString &name) { return kIcon + name + QLatin1String(".png"); }

QImage load(const QString &path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

double coverage(const QImage &img)
{
    qint64 drawn = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            drawn += qAlpha(line[x]) > 128;
    }
    return double(drawn) / (qint64(img.width()) * img.height());
}

double meanDrawnGrey(const QImage &img)
{
    double sum = 0;
    qint64 n = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) > 128) {
                sum += qGray(line[x]);
                ++n;
            }
        }
    }
    return n ? sum / n : 0;
}

int greySpread(const QImage &img)
{
    int lo = 255, hi = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int g = qGray(line[x]);
            lo = qMin(lo, g);
            hi = qMax(hi, g);
        }
    }
    return hi - lo;
}

// Share of pixels that differ visibly in colour or opacity.
double differingFraction(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 1.0;
    qint64 diff = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = la[x], q = lb[x];
            const bool bothClear = qAlpha(p) < 16 && qAlpha(q) < 16;
            if (bothClear)
                continue;
            if (qAbs(qAlpha(p) - qAlpha(q)) > 48 || qAbs(qRed(p) - qRed(q)) > 48 || qAbs(qGreen(p) - qGreen(q)) > 48
                || qAbs(qBlue(p) - qBlue(q)) > 48)
                ++diff;
        }
    }
    return double(diff) / (qint64(a.width()) * a.height());
}

int colourDistance(QRgb p, const QColor &c)
{
    return qAbs(qRed(p) - c.red()) + qAbs(qGreen(p) - c.green()) + qAbs(qBlue(p) - c.blue());
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TstResources : public QObject
{
    Q_OBJECT

private slots:
    void imageLoads_data();
    void imageLoads();
    void selectVariantDiffers_data();
    void selectVariantDiffers();
    void measureToolsAreDistinct();
    void switchKnobSide_data();
    void switchKnobSide();
};

void TstResources::imageLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Kind>("kind");

    const QSize icon(64, 64);
    for (const QString &name : buttonNames()) {
        QTest::newRow(qPrintable(name)) << iconPath(name) << icon << Badge;
        const QString sel = name + QLatin1String("_Select");
        QTest::newRow(qPrintable(sel)) << iconPath(sel) << icon << Badge;
    }
    QTest::newRow("btnSearch") << iconPath(QStringLiteral("btnSearch")) << icon << Glyph;
    QTest::newRow("arrow_on") << iconPath(QStringLiteral("arrow_on")) << icon << Glyph;
    QTest::newRow("arrow_off") << iconPath(QStringLiteral("arrow_off")) << icon << Glyph;
    QTest::newRow("arrow_off (Chinese name)") << kIcon + QStringLiteral("箭头_关.png") << icon << Glyph;
    QTest::newRow("switch_on") << iconPath(QStringLiteral("switch_on")) << QSize(122, 54) << Switch;
    QTest::newRow("switch_off") << iconPath(QStringLiteral("switch_off")) << QSize(122, 54) << Switch;
    for (const char *name : {"iconFolder", "iconBroken", "iconPlaceholder"})
        QTest::newRow(name) << iconPath(QLatin1String(name)) << QSize(160, 120) << Thumbnail;

    for (const QString &path : toolPaths())
        QTest::newRow(qPrintable(path.section(QLatin1Char('/'), -1))) << path << icon << ToolGlyph;

    QTest::newRow("logo") << QStringLiteral(":/Vistrel/image/logo.png") << QSize(256, 256) << Logo;
    QTest::newRow("splash") << QStringLiteral(":/Vistrel/image/splash.png") << QSize(600, 360) << Opaque;
}

void TstResources::imageLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(Kind, kind);

    const QImage img = load(path);
    QVERIFY2(!img.isNull(), qPrintable(path + QLatin1String(" did not load")));
    QCOMPARE(img.size(), size);

    // Coverage bounds per kind: a glyph must be neither a speck nor a filled
    // square; pictures with rounded outlines keep a transparent margin.
    double lo = 0, hi = 1;
    switch (kind) {
    case ToolGlyph:
        lo = 0.04;
        hi = 0.55;
        break;
    case Glyph:
        lo = 0.03;
        hi = 0.55;
        break;
    case Badge:
        lo = 0.70;
        hi = 0.97;
        break;
    case Switch:
        lo = 0.75;
        hi = 0.97;
        break;
    case Thumbnail:
        lo = 0.30;
        hi = 0.97;
        break;
    case Logo:
        lo = 0.40;
        hi = 0.97;
        break;
    case Opaque:
        lo = 1.00;
        hi = 1.00;
        break;
    }
    const double cov = coverage(img);
    QVERIFY2(cov >= lo && cov <= hi, qPrintable(QStringLiteral("%1: %2% of pixels drawn, expected %3%..%4%")
                                                    .arg(path)
                                                    .arg(cov * 100, 0, 'f', 1)
                                                    .arg(lo * 100)
                                                    .arg(hi * 100)));

    if (kind == ToolGlyph) {
        // Tool buttons are blue or green; a dark glyph would vanish on them.
        const double grey = meanDrawnGrey(img);
        QVERIFY2(grey > 200,
                 qPrintable(QStringLiteral("%1: glyph too dark (mean grey %2)").arg(path).arg(grey, 0, 'f', 0)));
    }
    if (kind == Opaque || kind == Logo || kind == Badge) {
        // A filled shape with nothing on it would pass the coverage check.
        QVERIFY2(greySpread(img) > 60, qPrintable(path + QLatin1String(" is a flat fill")));
    }
}

void TstResources::selectVariantDiffers_data()
{
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("pressed");
    for (const QString &name : buttonNames())
        QTest::newRow(qPrintable(name)) << iconPath(name) << iconPath(name + QLatin1String("_Select"));
    // The record button blinks between these two while recording.
    QTest::newRow("record blink") << iconPath(QStringLiteral("btnRecord"))
                                  << iconPath(QStringLiteral("btnRecord_Playing"));
    QTest::newRow("arrow open/closed") << iconPath(QStringLiteral("arrow_off")) << iconPath(QStringLiteral("arrow_on"));
    QTest::newRow("switch on/off") << iconPath(QStringLiteral("switch_off")) << iconPath(QStringLiteral("switch_on"));
}

void TstResources::selectVariantDiffers()
{
    QFETCH(QString, normal);
    QFETCH(QString, pressed);
    const QImage a = load(normal);
    const QImage b = load(pressed);
    QVERIFY(!a.isNull());
    QVERIFY(!b.isNull());
    QCOMPARE(a.size(), b.size());
    const double diff = differingFraction(a, b);
    QVERIFY2(diff > 0.10, qPrintable(QStringLiteral("only %1% of pixels differ").arg(diff * 100, 0, 'f', 1)));
}

void TstResources::measureToolsAreDistinct()
{
    // Catches one drawing rendered under two tool names.
    const QStringList paths = toolPaths();
    QVector<QImage> imgs;
    for (const QString &p : paths) {
        imgs << load(p);
        QVERIFY2(!imgs.last().isNull(), qPrintable(p));
    }
    for (int i = 0; i < imgs.size(); ++i) {
        for (int j = i + 1; j < imgs.size(); ++j) {
            const double diff = differingFraction(imgs[i], imgs[j]);
            QVERIFY2(diff > 0.03, qPrintable(QStringLiteral("%1 and %2 look the same").arg(paths[i], paths[j])));
        }
    }
}

void TstResources::switchKnobSide_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << iconPath(QStringLiteral("switch_on")) << true;
    QTest::newRow("off") << iconPath(QStringLiteral("switch_off")) << false;
}

void TstResources::switchKnobSide()
{
    QFETCH(QString, path);
    QFETCH(bool, on);
    const QImage img = load(path);
    QVERIFY(!img.isNull());

    // The knob is white; the other end shows the track colour.
    const int y = img.height() / 2;
    const QRgb left = img.pixel(img.width() * 22 / 100, y);
    const QRgb right = img.pixel(img.width() * 78 / 100, y);
    const QRgb knob = on ? right : left;
    const QRgb track = on ? left : right;
    QVERIFY2(colourDistance(knob, Qt::white) < 30, "knob is not on the expected side");
    QCOMPARE(qAlpha(track), 255);
    if (on) {
        QVERIFY2(colourDistance(track, QColor(0x63, 0xBA, 0xFF)) < 30, "on track is not blue");
    } else {
        const QColor c(track);
        QVERIFY2(c.hsvSaturation() < 40 && colourDistance(track, Qt::white) > 60, "off track is not grey");
    }
}

QTEST_MAIN(TstResources)
#include "tst_resources.moc"
