#include "measure/scalebar.h"
#include "measure/camerascene.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

class TestScaleBar : public QObject
{
    Q_OBJECT

private slots:
    void roundStepWithinWidth_data();
    void roundStepWithinWidth();
    void noBarWithoutCalibration_data();
    void noBarWithoutCalibration();
    void paintsInCornerOnDarkAndBright_data();
    void paintsInCornerOnDarkAndBright();
    void sceneBurnsBarOnlyWithCalibration_data();
    void sceneBurnsBarOnlyWithCalibration();
};

void TestScaleBar::roundStepWithinWidth_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("width");
    for (int unit = 0; unit < 4; ++unit)
        for (int width : {1, 37, 640, 1920, 4000})
            QTest::addRow("%s-%d", qPrintable(unitName(unit)), width) << unit << width;
}

void TestScaleBar::roundStepWithinWidth()
{
    QFETCH(int, unit);
    QFETCH(int, width);
    // 1e-6 ... 1e3 per unit in 1/40 decades, exact powers of ten included.
    for (int i = -240; i <= 120; ++i) {
        BDInfo cal;
        cal.unit = unit;
        cal.factor = std::pow(10.0, i / 40.0);
        const ScaleBar bar = scaleBarFor(width, cal);
        QVERIFY(bar.valid);
        QVERIFY2(bar.mantissa == 1 || bar.mantissa == 2 || bar.mantissa == 5, qPrintable(bar.label));
        QCOMPARE(bar.realLength, bar.mantissa * std::pow(10.0, bar.exponent));
        const double share = bar.pixelLength / width;
        QVERIFY2(
            share >= 0.1 * (1 - 1e-9) && share <= 0.25 * (1 + 1e-9),
            qPrintable(QStringLiteral("factor %1: %2 is %3 of the width").arg(cal.factor).arg(bar.label).arg(share)));
        QCOMPARE(bar.label.section(' ', 0, 0).toDouble(), bar.realLength);
    }
}

void TestScaleBar::noBarWithoutCalibration_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("width");
    QTest::newRow("pixels") << 1.0 << 4 << 640;
    QTest::newRow("no unit") << 1.0 << -1 << 640;
    QTest::newRow("zero factor") << 0.0 << 0 << 640;
    QTest::newRow("negative factor") << -0.01 << 0 << 640;
    QTest::newRow("nan") << std::nan("") << 0 << 640;
    QTest::newRow("infinite") << HUGE_VAL << 0 << 640;
    QTest::newRow("empty picture") << 0.01 << 0 << 0;
}

void TestScaleBar::noBarWithoutCalibration()
{
    QFETCH(double, factor);
    QFETCH(int, unit);
    QFETCH(int, width);
    BDInfo cal;
    cal.factor = factor;
    cal.unit = unit;
    QVERIFY(!scaleBarFor(width, cal).valid);
    QImage img(64, 64, QImage::Format_RGB32);
    QPainter p(&img);
    QVERIFY(!paintScaleBar(p, QRectF(0, 0, 64, 64), QSize(width, 64), cal));
}

void TestScaleBar::paintsInCornerOnDarkAndBright_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QColor>("background");
    for (int corner = 0; corner < 4; ++corner) {
        QTest::addRow("dark-%d", corner) << corner << QColor(Qt::black);
        QTest::addRow("bright-%d", corner) << corner << QColor(Qt::white);
    }
}

void TestScaleBar::paintsInCornerOnDarkAndBright()
{
    QFETCH(int, corner);
    QFETCH(QColor, background);
    // The picture (1280 x 960 pixels) drawn at half size, offset.
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(background);
    const QRectF picture(80, 60, 640, 480);
    BDInfo cal;
    cal.factor = 0.01;
    cal.unit = 0; // 12.8 mm wide: a 2 mm bar, 200 picture pixels, 100 here
    {
        QPainter p(&img);
        QVERIFY(paintScaleBar(p, picture, QSize(1280, 960), cal, corner));
    }
    // What differs from the background; on a dark picture the white bar and
    // label show, on a bright one their dark outline.
    int contrast = 0;
    QRect painted;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (c == background.rgb())
                continue;
            painted |= QRect(x, y, 1, 1);
            contrast += std::abs(qGray(c) - qGray(background.rgb())) > 200;
        }
    }
    QVERIFY(contrast > 300);
    // All of it in the chosen quarter of the picture.
    const bool left = corner == TopLeft || corner == BottomLeft;
    const bool top = corner == TopLeft || corner == TopRight;
    const QRectF quarter(left ? picture.left() : picture.center().x(), top ? picture.top() : picture.center().y(),
                         picture.width() / 2, picture.height() / 2);
    QVERIFY2(quarter.contains(QRectF(painted)), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                               .arg(painted.x())
                                                               .arg(painted.y())
                                                               .arg(painted.width())
                                                               .arg(painted.height())));
    if (background != Qt::black)
        return;
    // The longest white run on a row is the bar: 100 pixels.
    int longest = 0;
    for (int y = painted.top(); y <= painted.bottom(); ++y) {
        int run = 0;
        for (int x = painted.left(); x <= painted.right(); ++x) {
            run = qGray(img.pixel(x, y)) > 230 ? run + 1 : 0;
            longest = qMax(longest, run);
        }
    }
    QVERIFY2(std::abs(longest - 100) <= 2, qPrintable(QString::number(longest)));
}

void TestScaleBar::sceneBurnsBarOnlyWithCalibration_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("expected");
    QTest::newRow("mm") << 0 << true << true;
    QTest::newRow("um") << 2 << true << true;
    QTest::newRow("pixels only") << 4 << true << false;
    QTest::newRow("switched off") << 0 << false << false;
}

void TestScaleBar::sceneBurnsBarOnlyWithCalibration()
{
    QFETCH(int, unit);
    QFETCH(bool, visible);
    QFETCH(bool, expected);
    CameraScene scene;
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(QColor(90, 90, 90));
    scene.setImage(picture);
    scene.setSceneRect(0, 0, 640, 480);
    scene.setCalibration(QStringLiteral("x10"), 0.01, unit);
    scene.setScaleBarVisible(visible);
    scene.setScaleBarCorner(BottomRight);
    const QImage grabbed = scene.grabImage();
    QCOMPARE(grabbed.size(), picture.size());
    // The bar is white: look for it in the bottom right quarter only.
    int white = 0, elsewhere = 0;
    for (int y = 0; y < grabbed.height(); ++y)
        for (int x = 0; x < grabbed.width(); ++x)
            if (qGray(grabbed.pixel(x, y)) > 240)
                ++(x >= 320 && y >= 240 ? white : elsewhere);
    QCOMPARE(white > 50, expected);
    QCOMPARE(elsewhere, 0);
}

QTEST_MAIN(TestScaleBar)
#include "tst_scalebar.moc"
