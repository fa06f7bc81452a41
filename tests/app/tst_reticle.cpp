// The reticle: grid lines and circles one round real step apart, in the
// style's colour, following zoom and scroll; burnt into photos; offered only
// with a calibration, the choice remembered.
#include "mainwindowrig.h"

#include "app/reticlemenu.h"
#include "measure/reticle.h"
#include "measure/scalebar.h"

#include <QPainter>

using namespace rig;

namespace {

bool isColour(QRgb p, const QColor &c)
{
    return std::abs(qRed(p) - c.red()) + std::abs(qGreen(p) - c.green()) + std::abs(qBlue(p) - c.blue()) < 60;
}

// Pixels of a row where a green line (antialiased: at least half strength) lies on black.
QVector<int> hits(const QImage &img, int y)
{
    QVector<int> xs;
    for (int x = 0; x < img.width(); ++x)
        if (qGreen(img.pixel(x, y)) > 110 && qRed(img.pixel(x, y)) < 60)
            xs << x;
    return xs;
}

} // namespace

class TestReticle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { buildDeviceTable(); }
    void followsZoomAndScroll_data();
    void followsZoomAndScroll();
    void inPhotoAndMenu();
};

void TestReticle::followsZoomAndScroll_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPointF>("scroll");
    QTest::addColumn<int>("kind");
    QTest::newRow("grid 1x") << 1.0 << QPointF(0, 0) << int(ReticleGrid);
    QTest::newRow("grid 2x scrolled") << 2.0 << QPointF(-200, -100) << int(ReticleGrid);
    QTest::newRow("circles 1x") << 1.0 << QPointF(0, 0) << int(ReticleCircles);
    QTest::newRow("both 2x scrolled") << 2.0 << QPointF(-200, -100) << int(ReticleBoth);
}

void TestReticle::followsZoomAndScroll()
{
    QFETCH(double, zoom);
    QFETCH(QPointF, scroll);
    QFETCH(int, kind);
    // 640 px of 0.01 mm: a step of 0.5 mm, 50 picture pixels.
    const BDInfo cal("x10", 0.01, 0);
    const Reticle r = reticleFor(640, cal);
    QVERIFY(r.valid);
    QCOMPARE(r.pixelStep, 50.0);
    QImage img(640, 480, QImage::Format_RGB32);
    img.fill(Qt::black);
    const QRectF picture(scroll, QSizeF(640 * zoom, 480 * zoom));
    QPainter p(&img);
    const QRectF label = paintReticle(p, picture, QSize(640, 480), cal, kind, Qt::green, img.rect(), TopLeft);
    p.end();
    QVERIFY(img.rect().contains(label.toRect()) && label.top() < 60 && label.left() < 60);
    const QPointF centre = picture.center();
    const double step = 50 * zoom;
    const int row = 470; // below the label
    const QVector<int> xs = hits(img, row);
    if (kind & ReticleGrid) {
        // Exactly the vertical lines, at the centre and every step from it.
        QVector<int> expected;
        for (double x = centre.x() - std::floor(centre.x() / step) * step; x < 640; x += step)
            expected << int(std::floor(x + 1e-9));
        for (int x : expected)
            QVERIFY2(xs.contains(x) || xs.contains(x - 1) || xs.contains(x + 1), qPrintable(QString::number(x)));
        if (kind == ReticleGrid)
            QCOMPARE(xs.size(), expected.size());
    } else {
        // Circles: on the horizontal through the centre, one crossing a step out each side.
        const QVector<int> mid = hits(img, int(centre.y()));
        for (int k = 1; k <= 3; ++k) {
            const int x = int(centre.x() + k * step);
            QVERIFY2(mid.contains(x) || mid.contains(x - 1) || mid.contains(x + 1), qPrintable(QString::number(k)));
        }
        QVERIFY(!mid.contains(int(centre.x() + step * 1.5)));
    }
}

void TestReticle::inPhotoAndMenu()
{
    Rig rig;
    QVERIFY(rig.waitFrames(2));
    CameraScene *scene = rig.window->scene();
    ReticleMenu *menu = rig.window->reticleMenu();
    QAction *grid = rig.window->findChild<QAction *>("actionReticleGrid");
    QAction *reason = rig.window->findChild<QAction *>("actionReticleReason");
    QVERIFY(grid && reason && menu->menu()->menuAction()->isVisible());
    scene->setCalibration(QStringLiteral("none"), 1.0, 4);
    QVERIFY(!grid->isEnabled());
    QVERIFY(reason->isVisible() && !reason->isEnabled() && !reason->text().isEmpty());
    scene->setCalibration(QStringLiteral("x10"), 0.01, 0);
    QVERIFY(grid->isEnabled() && !reason->isVisible());
    rig.window->settings().style.lineColorIndex = 1; // green
    grid->trigger();
    QCOMPARE(scene->reticle(), int(ReticleGrid));

    const QImage photo = rig.window->captureImage();
    QVERIFY(!photo.isNull());
    const Reticle r = reticleFor(photo.width(), scene->calibration());
    const int centre = photo.width() / 2;
    const int y = photo.height() - 5;
    int onLines = 0;
    for (int k = -2; k <= 2; ++k) {
        const int x = int(centre + k * r.pixelStep);
        onLines += isColour(photo.pixel(x, y), Qt::green) || isColour(photo.pixel(x - 1, y), Qt::green);
    }
    QCOMPARE(onLines, 5);
    rig.reopen();
    QCOMPARE(rig.window->scene()->reticle(), int(ReticleGrid));
}

QTEST_MAIN(TestReticle)
#include "tst_reticle.moc"
