// Overlays and shape labels never cover each other in a rendered picture:
// boxes found from the pixels of photos taken with them.
#include "paintrecorder.h"

#include "measure/reticle.h"
#include "measure/scalebar.h"

#include <QPainter>
#include <QtTest>

using Pts = QVector<QPointF>;

namespace {

const QColor kGrey(128, 128, 128);

GraphicsItem *addShape(CameraScene &scene, int type, const Pts &points, int colour)
{
    GraphicsItem *shape = createShape(type);
    ShapeRecord record;
    record.type = type;
    record.points = points;
    record.style.lineColorIndex = colour;
    shape->restore(record);
    scene.addShape(shape);
    return shape;
}

// The box of the pixels that pass `test`; empty when none does.
template <typename Test> QRect boxOf(const QImage &image, Test test)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (test(row[x]))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The time stamp is red, without a rim.
bool stampPixel(QRgb c) { return qRed(c) - qGreen(c) > 40 && qAbs(qGreen(c) - qBlue(c)) < 30; }
// The scale bar and label rims: white and black.
bool whitePixel(QRgb c) { return qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225; }
bool blackPixel(QRgb c) { return qRed(c) < 35 && qGreen(c) < 35 && qBlue(c) < 35; }
// A registered corner overlay (a reticle's legend), solid blue.
bool legendPixel(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }

QString text(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TstOverlayLayout : public QObject
{
    Q_OBJECT
private slots:
    void overlaysShareCorners_data();
    void overlaysShareCorners();
    void labelsGiveWay_data();
    void labelsGiveWay();
    void reticleLabelKeepsClear_data();
    void reticleLabelKeepsClear();
};

void TstOverlayLayout::reticleLabelKeepsClear_data()
{
    QTest::addColumn<int>("barCorner");
    for (int bar = 0; bar < 4; ++bar)
        QTest::addRow("bar %d", bar) << bar;
}

// The reticle's label takes part in the corners' layout like the others.
void TstOverlayLayout::reticleLabelKeepsClear()
{
    QFETCH(int, barCorner);
    SceneFixture f(QSize(800, 600), 1, 1, kGrey);
    f.scene.setCalibration(QString(), 0.01, 0);
    f.scene.setTimeStampVisible(true);
    f.scene.setScaleBarVisible(true);
    f.scene.setScaleBarCorner(barCorner);
    f.scene.setReticle(ReticleGrid);
    const SceneOverlays::Boxes boxes = f.scene.overlayBoxes();
    QVERIFY(!boxes.reticle.isEmpty());
    QVERIFY(QRectF(0, 0, 800, 600).contains(boxes.reticle));
    for (const QRectF &other : {boxes.scaleBar, boxes.timeStamp})
        QVERIFY2(!boxes.reticle.intersects(other),
                 qPrintable(text(boxes.reticle.toRect()) + " meets " + text(other.toRect())));
}

void TstOverlayLayout::overlaysShareCorners_data()
{
    QTest::addColumn<int>("barCorner");
    QTest::addColumn<int>("legendCorner"); // -1: none
    QTest::addColumn<bool>("screen");
    for (int bar = 0; bar < 4; ++bar) {
        for (int legend : {-1, 3, bar}) {
            QTest::addRow("bar %d, legend %d", bar, legend) << bar << legend << false;
            QTest::addRow("bar %d, legend %d, screen", bar, legend) << bar << legend << true;
        }
    }
}

// The time stamp, the scale bar and a registered legend in every corner
// combination: their boxes in the picture never meet, each inside it.
void TstOverlayLayout::overlaysShareCorners()
{
    QFETCH(int, barCorner);
    QFETCH(int, legendCorner);
    QFETCH(bool, screen);
    SceneFixture f(QSize(800, 600), screen ? 0.75 : 1, screen ? 0.75 : 1, kGrey);
    f.scene.setCalibration(QString(), 0.01, 0); // 8 mm wide: a 2 mm bar
    f.scene.setTimeStampVisible(true);
    f.scene.setScaleBarVisible(true);
    f.scene.setScaleBarCorner(barCorner);
    if (legendCorner >= 0) {
        SceneOverlays::CornerOverlay legend;
        legend.corner = legendCorner;
        legend.size = [](const SceneOverlays::Frame &) { return QSizeF(90, 26); };
        legend.paint = [](QPainter *p, const QRectF &box, const SceneOverlays::Frame &) { p->fillRect(box, Qt::blue); };
        f.scene.addCornerOverlay(legend);
    }
    if (screen)
        f.scene.setRecordingClock(true);
    const QImage image = screen ? f.view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32)
                                : f.scene.grabImage();
    // The scale bar: white and black, away from the clock's red square and white digits (top left, on screen).
    const SceneOverlays::Boxes boxes = f.scene.overlayBoxes();
    QVector<QPair<QString, QRect>> found;
    found.append({"stamp", boxOf(image, [](QRgb c) { return stampPixel(c); })});
    const QRect clock = boxes.clock.toAlignedRect();
    found.append({"bar", boxOf(image, [&](QRgb c) { return whitePixel(c) || blackPixel(c); })});
    if (screen) {
        // The clock's own white digits are no part of the bar.
        QImage rest = image.copy();
        QPainter(&rest).fillRect(clock.adjusted(-2, -2, 2, 2), kGrey);
        found[0].second = boxOf(rest, [](QRgb c) { return stampPixel(c); });
        found[1].second = boxOf(rest, [&](QRgb c) { return whitePixel(c) || blackPixel(c); });
        found.append({"clock", clock});
    }
    if (legendCorner >= 0)
        found.append({"legend", boxOf(image, [](QRgb c) { return legendPixel(c); })});
    for (int i = 0; i < found.size(); ++i) {
        const QRect &a = found[i].second;
        QVERIFY2(!a.isEmpty(), qPrintable(found[i].first));
        QVERIFY2(image.rect().adjusted(1, 1, -1, -1).contains(a), qPrintable(found[i].first + " " + text(a)));
        for (int j = i + 1; j < found.size(); ++j)
            QVERIFY2(!a.intersects(found[j].second), qPrintable(found[i].first + " " + text(a) + " meets "
                                                                + found[j].first + " " + text(found[j].second)));
    }
    // The pixels lie in the boxes the layout gives (which the labels avoid).
    QVERIFY(boxes.timeStamp.adjusted(-1, -1, 1, 1).contains(QRectF(found[0].second)));
    QVERIFY(boxes.scaleBar.adjusted(-1, -1, 1, 1).contains(QRectF(found[1].second)));
    // The time stamp keeps the bottom-right corner.
    QVERIFY(boxes.timeStamp.right() > image.width() - 10 && boxes.timeStamp.bottom() > image.height() - 10);
}

void TstOverlayLayout::labelsGiveWay_data()
{
    QTest::addColumn<Pts>("circle"); // concentric circles: centre, two rims
    QTest::addColumn<Pts>("rect");
    QTest::addColumn<bool>("stamp");
    // Labels pushed in from an edge land on each other (and, bottom right, on the time stamp).
    QTest::newRow("left") << Pts{{4, 300}, {40, 300}, {60, 300}} << Pts{{2, 318}, {60, 380}} << false;
    QTest::newRow("right") << Pts{{796, 200}, {760, 200}, {740, 200}} << Pts{{798, 214}, {740, 150}} << false;
    QTest::newRow("top") << Pts{{400, 2}, {400, 30}, {400, 50}} << Pts{{410, 4}, {460, 60}} << false;
    QTest::newRow("bottom") << Pts{{300, 596}, {300, 560}, {300, 540}} << Pts{{320, 598}, {380, 540}} << false;
    QTest::newRow("bottom right, time stamp")
        << Pts{{790, 590}, {760, 590}, {740, 590}} << Pts{{780, 598}, {700, 560}} << true;
    QTest::newRow("left, time stamp") << Pts{{4, 300}, {40, 300}, {60, 300}} << Pts{{2, 318}, {60, 380}} << true;
}

// Concentric circles (R1 and R2) and a rectangle (S) whose labels would collide: the
// two label blocks do not meet, nor the time stamp, and stay inside.
void TstOverlayLayout::labelsGiveWay()
{
    QFETCH(Pts, circle);
    QFETCH(Pts, rect);
    QFETCH(bool, stamp);
    SceneFixture f(QSize(800, 600), 1, 1, kGrey);
    f.scene.setCalibration(QString(), 0.01, 0);
    f.scene.setTimeStampVisible(stamp);
    // Blue labels get a white rim, green ones a black one.
    GraphicsItem *round = addShape(f.scene, DoubleCircle, circle, 2);
    GraphicsItem *square = addShape(f.scene, Rect, rect, 1);
    QCOMPARE(round->labels().size(), 2);
    const QImage image = f.scene.grabImage();
    const QRect first = boxOf(image, [](QRgb c) { return whitePixel(c); });
    const QRect second = boxOf(image, [](QRgb c) { return blackPixel(c); });
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    QVERIFY2(!first.intersects(second), qPrintable(text(first) + " meets " + text(second)));
    // R1 and R2 together: one block two lines high.
    QFont font;
    font.setPixelSize(round->fontPixelSize());
    QVERIFY(first.height() < 2 * round->fontPixelSize() + 12);
    // The blocks as placed lie inside the picture and hold their pixels.
    const QRectF picture(0, 0, 800, 600);
    for (GraphicsItem *shape : {round, square}) {
        const QRectF block = shape->labelRect(font);
        QVERIFY2(picture.contains(block), qPrintable(text(block.toAlignedRect())));
    }
    QVERIFY(round->labelRect(font).adjusted(-3, -3, 3, 3).contains(QRectF(first)));
    QVERIFY(square->labelRect(font).adjusted(-3, -3, 3, 3).contains(QRectF(second)));
    if (stamp) {
        const QRect stampBox = boxOf(image, [](QRgb c) { return stampPixel(c); });
        QVERIFY(!stampBox.isEmpty());
        QVERIFY2(!stampBox.intersects(first) && !stampBox.intersects(second), qPrintable(text(stampBox)));
    }
    // A label that had to move far has a thin line back to its shape; the first keeps its place.
    const CameraScene::LabelPlace moved = f.scene.labelPlace(square, font);
    if (!stamp)
        QCOMPARE(f.scene.labelPlace(round, font).block, f.scene.labelPlace(round, font).natural);
    QVERIFY(moved.block != moved.natural);
}

QTEST_MAIN(TstOverlayLayout)
#include "tst_overlaylayout.moc"
