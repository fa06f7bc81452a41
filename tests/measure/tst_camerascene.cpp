#include "paintrecorder.h"

#include "core/appsettings.h"
#include "measure/circleshapes.h"
#include "measure/lineshapes.h"
#include "measure/spanblend.h"
#include "measure/textshapes.h"

#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using Pts = QVector<QPointF>;

namespace {

QImage gradient(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 77));
    return image;
}

GraphicsItem *addFinished(CameraScene &scene, int type, const Pts &points, int colour = 0)
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

// Neighbouring pixels far apart in every channel: a pixel picked from the
// wrong place shows.
QImage noisy(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * 13 ^ y * 71) & 255, (x * 101 + y * 29) & 255));
    return image;
}

// True when some pixel of the 3 x 3 block around (x, y) is mostly `colour`.
bool hasColourNear(const QImage &image, int x, int y, QColor colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (!image.rect().contains(x + dx, y + dy))
                continue;
            const QColor c = image.pixelColor(x + dx, y + dy);
            if (qAbs(c.red() - colour.red()) < 70 && qAbs(c.green() - colour.green()) < 70
                && qAbs(c.blue() - colour.blue()) < 70)
                return true;
        }
    }
    return false;
}

} // namespace

class TestCameraScene : public QObject
{
    Q_OBJECT

private slots:
    void buildByClicks_data();
    void buildByClicks();
    void pressDragReleasePlacesPoint_data();
    void pressDragReleasePlacesPoint();
    void doubleClickStillAddsVertex();
    void disabledMeasuringDoesNothing();
    void toolChangeCancelsConstruction();
    void selectMovesAndReshapes();
    void subPixelDragDoesNotMove();
    void releaseWhereStartedRecordsNothing();
    void eraseRemovesShape();
    void textDialogCancelled();
    void textKeptThroughUndoRedo();
    void cursorsAndHover();
    void rulerTakesEveryGesture();
    void historyKeepsTwentyStates();
    void undoThenNewShapeKillsRedo();
    void clearAllAndClearHistory();
    void frameSizeDecidesShapes();
    void setImageReusesBuffer();
    void setImageAcceptsOtherFormats();
    void pointerReadout();
    void grabImageBurnsShapesAndOverlays();
    void rulerAloneIsPainted();
    void viewRepaintShowsShapes();
    void penWidths();
    void highlightOverOtherShapes();
    void screenFollowsEveryChange_data();
    void screenFollowsEveryChange();
    void directPaintingViewIsSwitched();
    void renderBuffers();
    void renderedPicturesHaveNoPointerState_data();
    void renderedPicturesHaveNoPointerState();
    void blendedLayerMatchesPainter_data();
    void blendedLayerMatchesPainter();
    void scaledPictureMatchesPainter_data();
    void scaledPictureMatchesPainter();
    void lookChangesMatchWholeRedraw_data();
    void lookChangesMatchWholeRedraw();
    void labelsHaveContrastingRim_data();
    void labelsHaveContrastingRim();
    void labelsWholeInSavedPicture_data();
    void labelsWholeInSavedPicture();
    void zoomedViewInScrollArea();
    void overlaysInSight();
    void shapeListForResultsTable();
    void noPictureIsSilent();
};

void TestCameraScene::buildByClicks_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<Pts>("clicks");
    QTest::addColumn<bool>("rightClickAtEnd");
    QTest::addColumn<Pts>("expected");
    QTest::addColumn<bool>("committed");

    QTest::newRow("point") << int(Point) << Pts{{20, 30}} << false << Pts{{20, 30}} << true;
    QTest::newRow("line") << int(Line) << Pts{{20, 30}, {120, 30}} << false << Pts{{20, 30}, {120, 30}} << true;
    QTest::newRow("broken line, right click") << int(BrokenLine) << Pts{{10, 10}, {50, 10}, {50, 60}, {90, 90}} << true
                                              << Pts{{10, 10}, {50, 10}, {50, 60}} << true;
    QTest::newRow("broken line of two") << int(BrokenLine) << Pts{{10, 10}, {50, 10}, {90, 90}} << true
                                        << Pts{{10, 10}, {50, 10}} << true;
    QTest::newRow("broken line of one stays open")
        << int(BrokenLine) << Pts{{10, 10}, {90, 90}} << true << Pts{{10, 10}, {90, 90}} << false;
    QTest::newRow("polygon") << int(Polygon) << Pts{{10, 10}, {100, 10}, {100, 100}, {10, 100}, {60, 60}} << true
                             << Pts{{10, 10}, {100, 10}, {100, 100}, {10, 100}} << true;
    QTest::newRow("rect") << int(Rect) << Pts{{10, 10}, {100, 60}} << false << Pts{{10, 10}, {100, 60}} << true;
    QTest::newRow("parallel snaps") << int(ParallelLine) << Pts{{50, 50}, {150, 50}, {60, 100}, {140, 108}} << false
                                    << Pts{{50, 50}, {150, 50}, {60, 100}, {140, 100}} << true;
    QTest::newRow("perpendicular") << int(VerticalLine) << Pts{{10, 10}, {200, 10}, {100, 80}} << false
                                   << Pts{{10, 10}, {200, 10}, {100, 80}} << true;
    QTest::newRow("cross keeps second") << int(Cross) << Pts{{10, 10}, {70, 40}} << false << Pts{{70, 40}} << true;
    QTest::newRow("angle") << int(AngleLine) << Pts{{150, 50}, {50, 50}, {50, 150}} << false
                           << Pts{{150, 50}, {50, 50}, {50, 150}} << true;
    QTest::newRow("arc") << int(Arc) << Pts{{0, 100}, {100, 0}, {200, 100}} << false
                         << Pts{{0, 100}, {100, 0}, {200, 100}} << true;
    QTest::newRow("circle1") << int(Circle1) << Pts{{100, 100}, {150, 100}} << false << Pts{{100, 100}, {150, 100}}
                             << true;
    QTest::newRow("circle2") << int(Circle2) << Pts{{100, 100}, {150, 100}} << false << Pts{{100, 100}, {150, 100}}
                             << true;
    QTest::newRow("circle3") << int(Circle3) << Pts{{0, 100}, {100, 0}, {200, 100}} << false
                             << Pts{{0, 100}, {100, 0}, {200, 100}} << true;
    QTest::newRow("double circle") << int(DoubleCircle) << Pts{{100, 100}, {130, 100}, {100, 150}} << false
                                   << Pts{{100, 100}, {130, 100}, {100, 150}} << true;
    QTest::newRow("circle line") << int(CircleLine) << Pts{{50, 50}, {60, 50}, {200, 50}, {220, 50}} << false
                                 << Pts{{50, 50}, {60, 50}, {200, 50}, {220, 50}} << true;
}

void TestCameraScene::buildByClicks()
{
    QFETCH(int, tool);
    QFETCH(Pts, clicks);
    QFETCH(bool, rightClickAtEnd);
    QFETCH(Pts, expected);
    QFETCH(bool, committed);
    for (double zoom : {0.5, 1.0, 2.0}) {
        SceneFixture f(QSize(400, 300), zoom, zoom);
        AppSettings settings;
        settings.style.lineColorIndex = 2;
        f.scene.setSettings(&settings);
        f.scene.setTool(tool);
        for (int i = 0; i < clicks.size(); ++i) {
            const bool right = rightClickAtEnd && i == clicks.size() - 1;
            f.move(f.at(clicks[i].x(), clicks[i].y()));
            f.clickAt(clicks[i].x(), clicks[i].y(), right ? Qt::RightButton : Qt::LeftButton);
        }
        if (committed) {
            QCOMPARE(f.scene.shapes().size(), 1);
            QVERIFY(!f.scene.shapeUnderConstruction());
            GraphicsItem *shape = f.scene.shapes().first();
            QCOMPARE(shape->shapeType(), tool);
            QVERIFY(shape->isFinished());
            QCOMPARE(shape->points(), expected);
            QCOMPARE(shape->style().lineColorIndex, 2);
            QCOMPARE(f.scene.historySize(), 1);
        } else {
            QVERIFY(f.scene.isEmpty());
            QVERIFY(f.scene.shapeUnderConstruction());
            QCOMPARE(f.scene.shapeUnderConstruction()->points(), expected);
            QCOMPARE(f.scene.historySize(), 0);
        }
    }
}

void TestCameraScene::pressDragReleasePlacesPoint_data()
{
    // Each gesture: a drag from a to b, then the clicks (empty for none).
    QTest::addColumn<int>("tool");
    QTest::addColumn<Pts>("drag");
    QTest::addColumn<Pts>("clicks");
    QTest::addColumn<Pts>("expected");
    QTest::newRow("line") << int(Line) << Pts{{100, 100}, {150, 120}} << Pts{} << Pts{{100, 100}, {150, 120}};
    QTest::newRow("rect") << int(Rect) << Pts{{10, 10}, {100, 60}} << Pts{} << Pts{{10, 10}, {100, 60}};
    QTest::newRow("circle1") << int(Circle1) << Pts{{100, 100}, {150, 100}} << Pts{} << Pts{{100, 100}, {150, 100}};
    QTest::newRow("circle2") << int(Circle2) << Pts{{100, 100}, {150, 100}} << Pts{} << Pts{{100, 100}, {150, 100}};
    QTest::newRow("circle3: drag, then click")
        << int(Circle3) << Pts{{0, 100}, {100, 0}} << Pts{{200, 100}} << Pts{{0, 100}, {100, 0}, {200, 100}};
    QTest::newRow("double circle") << int(DoubleCircle) << Pts{{100, 100}, {130, 100}} << Pts{{100, 150}}
                                   << Pts{{100, 100}, {130, 100}, {100, 150}};
    QTest::newRow("arc") << int(Arc) << Pts{{0, 100}, {100, 0}} << Pts{{200, 100}}
                         << Pts{{0, 100}, {100, 0}, {200, 100}};
    QTest::newRow("angle") << int(AngleLine) << Pts{{150, 50}, {50, 50}} << Pts{{50, 150}}
                           << Pts{{150, 50}, {50, 50}, {50, 150}};
    // A drag that ends where it began (a hand's wobble) is a click.
    QTest::newRow("wobble is a click") << int(Line) << Pts{{100, 100}, {101, 101}} << Pts{{200, 100}}
                                       << Pts{{100, 100}, {200, 100}};
}

void TestCameraScene::pressDragReleasePlacesPoint()
{
    QFETCH(int, tool);
    QFETCH(Pts, drag);
    QFETCH(Pts, clicks);
    QFETCH(Pts, expected);
    for (double zoom : {0.5, 2.0}) {
        SceneFixture f(QSize(400, 300), zoom, zoom);
        f.scene.setTool(tool);
        f.move(f.at(drag[0].x(), drag[0].y()));
        f.press(f.at(drag[0].x(), drag[0].y()));
        // The pressed point stays while the pointer travels.
        f.move(f.at((drag[0].x() + drag[1].x()) / 2, (drag[0].y() + drag[1].y()) / 2));
        f.move(f.at(drag[1].x(), drag[1].y()));
        QCOMPARE(f.scene.shapeUnderConstruction()->pointAt(0), drag[0]);
        f.release(f.at(drag[1].x(), drag[1].y()));
        for (const QPointF &p : clicks) {
            f.move(f.at(p.x(), p.y()));
            f.clickAt(p.x(), p.y());
        }
        QCOMPARE(f.scene.shapes().size(), 1);
        QVERIFY(!f.scene.shapeUnderConstruction());
        QCOMPARE(f.scene.shapes().first()->points(), expected);
        QVERIFY(!f.scene.shapes().first()->values().isEmpty());
        QCOMPARE(f.scene.historySize(), 1);
    }
}

void TestCameraScene::doubleClickStillAddsVertex()
{
    SceneFixture f;
    f.scene.setTool(Polygon);
    f.clickAt(10, 10);
    f.clickAt(100, 10);
    f.send(QEvent::MouseButtonDblClick, f.at(100, 100), Qt::LeftButton, Qt::LeftButton);
    f.send(QEvent::MouseButtonRelease, f.at(100, 100), Qt::LeftButton, Qt::NoButton);
    QVERIFY(f.scene.shapeUnderConstruction());
    QCOMPARE(f.scene.shapeUnderConstruction()->pointCount(), 3);
}

void TestCameraScene::disabledMeasuringDoesNothing()
{
    SceneFixture f;
    f.scene.setMeasureEnabled(false);
    f.scene.setTool(Point);
    f.clickAt(20, 20);
    QVERIFY(f.scene.isEmpty());
    QVERIFY(!f.scene.shapeUnderConstruction());
    QCOMPARE(f.scene.items().size(), 0);
}

void TestCameraScene::toolChangeCancelsConstruction()
{
    SceneFixture f;
    f.scene.setTool(Line);
    f.clickAt(20, 20);
    QVERIFY(f.scene.shapeUnderConstruction());
    f.scene.setTool(Circle1);
    QVERIFY(!f.scene.shapeUnderConstruction());
    QCOMPARE(f.scene.items().size(), 0);
    f.clickAt(20, 20);
    f.scene.setMeasureEnabled(false);
    QVERIFY(!f.scene.shapeUnderConstruction());
    // A tool without a shape class creates nothing.
    f.scene.setMeasureEnabled(true);
    f.scene.setTool(Base);
    f.clickAt(20, 20);
    QCOMPARE(f.scene.items().size(), 0);
}

void TestCameraScene::selectMovesAndReshapes()
{
    SceneFixture f(QSize(400, 300), 2, 2);
    GraphicsItem *line = addFinished(f.scene, Line, {{100, 100}, {200, 100}});
    f.scene.saveHistory();
    f.scene.setTool(Select);
    // Body drag: whole picture pixels.
    f.press(f.at(150, 100));
    QCOMPARE(f.scene.activeShape(), line);
    f.move(f.at(160, 105));
    f.release(f.at(160, 105));
    QVERIFY(!f.scene.activeShape());
    QCOMPARE(line->points(), (Pts{{110, 105}, {210, 105}}));
    QCOMPARE(f.scene.historySize(), 2);
    // Handle drag: the exact offset (half pixels at zoom 2).
    f.press(f.at(210, 105));
    f.move(f.at(210, 105) + QPoint(5, 3));
    f.release(f.at(210, 105) + QPoint(5, 3));
    QCOMPARE(line->points(), (Pts{{110, 105}, {212.5, 106.5}}));
    QCOMPARE(f.scene.historySize(), 3);
    f.scene.undo();
    QCOMPARE(f.scene.shapes().first()->points(), (Pts{{110, 105}, {210, 105}}));
}

void TestCameraScene::subPixelDragDoesNotMove()
{
    // One view pixel is 0.6 picture pixels here.
    SceneFixture f(QSize(300, 300), 1 / 0.6, 1 / 0.6);
    QVERIFY(qAbs(f.scene.scaleX() - 1 / 0.6) < 1e-9);
    GraphicsItem *line = addFinished(f.scene, Line, {{60, 60}, {240, 60}});
    f.scene.saveHistory();
    f.scene.setTool(Select);
    QPoint p = f.at(150, 60);
    f.press(p);
    for (int i = 0; i < 6; ++i) {
        p += QPoint(1, 1);
        f.move(p);
    }
    f.release(p);
    QCOMPARE(line->points(), (Pts{{60, 60}, {240, 60}}));
    QCOMPARE(f.scene.historySize(), 1);
}

void TestCameraScene::releaseWhereStartedRecordsNothing()
{
    SceneFixture f;
    GraphicsItem *line = addFinished(f.scene, Line, {{100, 100}, {200, 100}});
    f.scene.saveHistory();
    f.scene.setTool(Select);
    f.press(f.at(150, 100));
    f.move(f.at(170, 130));
    QCOMPARE(line->pointAt(0), QPointF(120, 130));
    f.move(f.at(150, 100));
    f.release(f.at(150, 100));
    QCOMPARE(line->points(), (Pts{{100, 100}, {200, 100}}));
    QCOMPARE(f.scene.historySize(), 1);
    QVERIFY(f.scene.canUndo());
}

void TestCameraScene::eraseRemovesShape()
{
    SceneFixture f;
    addFinished(f.scene, Line, {{100, 100}, {200, 100}});
    GraphicsItem *circle = addFinished(f.scene, Circle1, {{300, 200}, {330, 200}});
    f.scene.saveHistory();
    f.scene.setTool(Erase);
    f.clickAt(50, 250); // nothing there
    QCOMPARE(f.scene.shapes().size(), 2);
    QCOMPARE(f.scene.historySize(), 1);
    f.move(f.at(150, 101));
    QVERIFY(f.scene.hoveredShape());
    f.clickAt(150, 101);
    QCOMPARE(f.scene.shapes(), (QList<GraphicsItem *>{circle}));
    QVERIFY(!f.scene.hoveredShape());
    QCOMPARE(f.scene.historySize(), 2);
    f.move(f.at(160, 101)); // the hovered shape is gone: no stale pointer
    f.scene.undo();
    QCOMPARE(f.scene.shapes().size(), 2);
}

void TestCameraScene::textDialogCancelled()
{
    SceneFixture f;
    int asked = 0;
    f.scene.setTextPrompt([&](QWidget *parent, QString *) {
        ++asked;
        return parent == &f.view ? false : true;
    });
    f.scene.setTool(Text);
    f.clickAt(50, 50);
    QCOMPARE(asked, 1);
    QVERIFY(f.scene.isEmpty());
    QVERIFY(!f.scene.shapeUnderConstruction());
    QCOMPARE(f.scene.items().size(), 0);
    QCOMPARE(f.scene.historySize(), 0);
}

void TestCameraScene::textKeptThroughUndoRedo()
{
    SceneFixture f;
    f.scene.setTextPrompt([](QWidget *, QString *text) {
        *text = QStringLiteral("scratch");
        return true;
    });
    f.scene.setTool(Text);
    f.clickAt(50, 60);
    QCOMPARE(f.scene.shapes().size(), 1);
    auto *note = dynamic_cast<GraphicsTextItem *>(f.scene.shapes().first());
    QVERIFY(note);
    QCOMPARE(note->text(), QStringLiteral("scratch"));
    QCOMPARE(note->points(), (Pts{{50, 60}}));
    f.scene.setTool(Line);
    f.clickAt(100, 100);
    f.clickAt(200, 100);
    f.scene.undo();
    f.scene.redo();
    f.scene.undo();
    QCOMPARE(f.scene.shapes().size(), 1);
    note = dynamic_cast<GraphicsTextItem *>(f.scene.shapes().first());
    QVERIFY(note);
    QCOMPARE(note->text(), QStringLiteral("scratch"));
}

void TestCameraScene::cursorsAndHover()
{
    SceneFixture f;
    GraphicsItem *line = addFinished(f.scene, Line, {{100, 100}, {200, 100}});
    auto cursor = [&] { return f.view.viewport()->cursor().shape(); };
    f.scene.setTool(Select);
    f.move(f.at(150, 102));
    QCOMPARE(cursor(), Qt::SizeAllCursor);
    QVERIFY(line->isHovered());
    QCOMPARE(f.scene.hoveredShape(), line);
    f.move(f.at(100, 101));
    QCOMPARE(cursor(), Qt::PointingHandCursor);
    f.move(f.at(150, 150));
    QCOMPARE(cursor(), Qt::ArrowCursor);
    QVERIFY(!line->isHovered());
    QVERIFY(!f.scene.hoveredShape());
    f.scene.setTool(Erase);
    f.move(f.at(150, 101));
    QCOMPARE(cursor(), Qt::PointingHandCursor);
    f.move(f.at(150, 150));
    QCOMPARE(cursor(), Qt::ArrowCursor);
    f.scene.setTool(Circle2);
    f.move(f.at(150, 101));
    QCOMPARE(cursor(), Qt::CrossCursor);
}

void TestCameraScene::rulerTakesEveryGesture()
{
    SceneFixture f;
    addFinished(f.scene, Line, {{10, 10}, {100, 10}});
    f.scene.setTool(Point);
    f.scene.showRuler(true);
    GraphicsMeasureItem *ruler = f.scene.ruler();
    QVERIFY(ruler);
    QCOMPARE(ruler->points(), (Pts{{100, 150}, {300, 150}}));
    f.move(f.at(200, 151));
    QVERIFY(ruler->isSelected());
    f.move(f.at(200, 200));
    QVERIFY(!ruler->isSelected());
    // Dragging its end; no point is created.
    f.press(f.at(300, 150));
    f.move(f.at(320, 170));
    f.release(f.at(320, 170));
    QCOMPARE(ruler->pointAt(1), QPointF(320, 170));
    QCOMPARE(f.scene.shapes().size(), 1);
    QVERIFY(!f.scene.shapeUnderConstruction());
    QCOMPARE(f.scene.historySize(), 0);
    f.scene.showRuler(true); // already there: kept
    QCOMPARE(f.scene.ruler(), ruler);
    f.scene.showRuler(false);
    QVERIFY(!f.scene.ruler());
    f.clickAt(50, 50);
    QCOMPARE(f.scene.shapes().size(), 2);
}

void TestCameraScene::historyKeepsTwentyStates()
{
    SceneFixture f;
    for (int i = 0; i < 21; ++i) {
        addFinished(f.scene, Point, {{double(10 + i), 10}});
        f.scene.saveHistory();
    }
    QCOMPARE(f.scene.historySize(), 20);
    QCOMPARE(f.scene.historyIndex(), 19);
    for (int i = 0; i < 19; ++i)
        f.scene.undo();
    // The oldest state (one point) was dropped: two points remain.
    QCOMPARE(f.scene.shapes().size(), 2);
    f.scene.undo();
    QVERIFY(f.scene.isEmpty());
    QCOMPARE(f.scene.historyIndex(), -1);
    f.scene.undo(); // nothing before the first
    QCOMPARE(f.scene.historyIndex(), -1);
    f.scene.redo();
    QCOMPARE(f.scene.shapes().size(), 2);
}

void TestCameraScene::undoThenNewShapeKillsRedo()
{
    SceneFixture f;
    f.scene.setTool(Point);
    f.clickAt(10, 10);
    f.clickAt(20, 20);
    f.clickAt(30, 30);
    QCOMPARE(f.scene.historySize(), 3);
    f.scene.undo();
    QCOMPARE(f.scene.shapes().size(), 2);
    QVERIFY(f.scene.canRedo());
    f.clickAt(40, 40);
    QVERIFY(!f.scene.canRedo());
    QCOMPARE(f.scene.historySize(), 3);
    f.scene.redo();
    QCOMPARE(f.scene.shapes().size(), 3);
    QCOMPARE(f.scene.shapes().last()->pointAt(0), QPointF(40, 40));
    f.scene.undo();
    QCOMPARE(f.scene.shapes().size(), 2);
    QCOMPARE(f.scene.shapes().last()->pointAt(0), QPointF(20, 20));
}

void TestCameraScene::clearAllAndClearHistory()
{
    SceneFixture f;
    f.scene.setTool(Point);
    f.clickAt(10, 10);
    f.clickAt(20, 20);
    f.scene.clearHistory();
    QCOMPARE(f.scene.shapes().size(), 2);
    QVERIFY(!f.scene.canUndo());
    f.clickAt(30, 30);
    f.scene.clearAll();
    QVERIFY(f.scene.isEmpty());
    QCOMPARE(f.scene.items().size(), 0);
    QCOMPARE(f.scene.historySize(), 0);
    f.scene.undo();
    QVERIFY(f.scene.isEmpty());
}

void TestCameraScene::frameSizeDecidesShapes()
{
    SceneFixture f;
    f.scene.setTool(Point);
    f.clickAt(10, 10);
    QImage same(400, 300, QImage::Format_RGB32);
    same.fill(Qt::black);
    f.scene.setImage(same);
    QCOMPARE(f.scene.shapes().size(), 1);
    QCOMPARE(f.scene.historySize(), 1);
    // Same byte count, other shape: still another picture.
    QImage turned(300, 400, QImage::Format_RGB32);
    turned.fill(Qt::black);
    f.scene.setImage(turned);
    QVERIFY(f.scene.isEmpty());
    QCOMPARE(f.scene.historySize(), 0);
    QCOMPARE(f.scene.sceneRect(), QRectF(0, 0, 300, 400));
    QCOMPARE(f.scene.image().size(), QSize(300, 400));
}

void TestCameraScene::setImageReusesBuffer()
{
    CameraScene scene;
    QImage a = gradient(QSize(64, 48));
    scene.setImage(a);
    const uchar *buffer = scene.image().constBits();
    QVERIFY(buffer != a.constBits()); // a copy of its own
    QImage b(64, 48, QImage::Format_RGB32);
    b.fill(qRgb(1, 2, 3));
    scene.setImage(b);
    QCOMPARE(scene.image().constBits(), buffer);
    QCOMPARE(scene.image().pixel(10, 10), qRgb(1, 2, 3));
    // A caller that keeps the picture keeps its pixels.
    const QImage kept = scene.image();
    scene.setImage(a);
    QCOMPARE(kept.pixel(10, 10), qRgb(1, 2, 3));
    QCOMPARE(scene.image().pixel(10, 10), a.pixel(10, 10));
    // Padded rows are copied line by line.
    QByteArray padded(48 * 300, char(0));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            reinterpret_cast<QRgb *>(padded.data() + y * 300)[x] = qRgb(x, y, 9);
    const QImage wrapped(reinterpret_cast<const uchar *>(padded.constData()), 64, 48, 300, QImage::Format_RGB32);
    scene.setImage(wrapped);
    QCOMPARE(scene.image().pixel(63, 47), qRgb(63, 47, 9));
}

void TestCameraScene::setImageAcceptsOtherFormats()
{
    CameraScene scene;
    QImage gray(20, 10, QImage::Format_Grayscale8);
    gray.fill(200);
    scene.setImage(gray);
    QCOMPARE(scene.image().size(), QSize(20, 10));
    QCOMPARE(QColor(scene.image().pixel(5, 5)), QColor(200, 200, 200));
    scene.setImage(QImage()); // a null frame empties the scene
    QVERIFY(scene.image().isNull());
}

void TestCameraScene::pointerReadout()
{
    SceneFixture f(QSize(200, 150), 2, 2);
    f.scene.setImage(gradient(QSize(200, 150)));
    QSignalSpy spy(&f.scene, &CameraScene::coorInfo);
    f.move(QPoint(21, 41)); // picture (10.5, 20.5)
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.last().at(0).toPoint(), QPoint(11, 21));
    QCOMPARE(spy.last().at(1).value<QColor>(), QColor(11, 21, 77));
    f.move(QPoint(399, 299)); // rounds past the last pixel: clamped
    QCOMPARE(spy.last().at(0).toPoint(), QPoint(199, 149));
    f.view.hide();
    f.scene.onZoomTimeOut();
    QCOMPARE(spy.size(), 2);
}

void TestCameraScene::grabImageBurnsShapesAndOverlays()
{
    SceneFixture f(QSize(400, 300), 0.5, 0.5); // the grab is in picture pixels whatever the zoom
    addFinished(f.scene, Line, {{20, 100.5}, {180, 100.5}});
    addFinished(f.scene, Circle1, {{300, 100}, {350, 100}});
    f.scene.setCalibration(QString(), 1.0, -1); // no labels
    const QColor grey(128, 128, 128);
    const QColor red(255, 0, 0);

    QImage image = f.scene.grabImage();
    QCOMPARE(image.size(), QSize(400, 300));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    for (int x = 30; x <= 170; x += 20)
        QVERIFY2(hasColourNear(image, x, 100, red), qPrintable(QString::number(x)));
    QVERIFY(hasColourNear(image, 350, 100, red));
    QVERIFY(hasColourNear(image, 300, 150, red));
    QVERIFY(hasColourNear(image, 250, 100, red));
    for (const QPoint p : {QPoint(100, 50), QPoint(300, 100), QPoint(10, 290), QPoint(200, 200), QPoint(100, 110)})
        QCOMPARE(image.pixelColor(p), grey);

    f.scene.setCrossVisible(true);
    f.scene.setTimeStampVisible(true);
    f.scene.setRecordingClock(true);
    image = f.scene.grabImage();
    QCOMPARE(image.pixelColor(50, 150), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(200, 50), QColor(0, 0, 255));
    int stampPixels = 0;
    for (int y = 276; y < 296; ++y)
        for (int x = 200; x < 396; ++x)
            stampPixels += image.pixelColor(x, y) != grey && image.pixelColor(x, y) != QColor(0, 0, 255);
    QVERIFY(stampPixels > 50);
    // The recording clock's red square stays out of pictures ...
    QCOMPARE(image.pixelColor(18, 22), grey);
    // ... but is on screen.
    const QImage screen = f.view.viewport()->grab().toImage();
    QCOMPARE(screen.pixelColor(18, 22), red);
}

void TestCameraScene::rulerAloneIsPainted()
{
    SceneFixture f;
    addFinished(f.scene, Line, {{20, 50.5}, {180, 50.5}}, 1); // green
    QVERIFY(hasColourNear(f.scene.grabImage(), 100, 50, QColor(0, 255, 0)));
    f.scene.showRuler(true);
    const QImage image = f.scene.grabImage();
    QVERIFY(!hasColourNear(image, 100, 50, QColor(0, 255, 0)));
    QVERIFY(hasColourNear(image, 200, 150, QColor(255, 0, 0)));
}

void TestCameraScene::viewRepaintShowsShapes()
{
    SceneFixture f(QSize(400, 300), 0.5, 0.5);
    f.scene.setCalibration(QString(), 1.0, -1);
    GraphicsItem *line = addFinished(f.scene, Line, {{40, 101}, {360, 101}}, 1);
    QImage screen = f.view.viewport()->grab().toImage();
    QCOMPARE(screen.size(), QSize(200, 150));
    QVERIFY(hasColourNear(screen, 100, 50, QColor(0, 255, 0)));
    QCOMPARE(screen.pixelColor(100, 100), QColor(128, 128, 128));
    // Hovered shapes use the highlight pen.
    f.scene.setTool(Select);
    f.move(f.at(200, 101));
    QCOMPARE(f.scene.hoveredShape(), line);
    screen = f.view.viewport()->grab().toImage();
    QVERIFY(hasColourNear(screen, 100, 50, QColor(0, 128, 255)));
}

void TestCameraScene::penWidths()
{
    SceneFixture f(QSize(400, 300), 0.5, 0.5);
    f.scene.setCalibration(QString(), 1.0, -1);
    addFinished(f.scene, Line, {{40, 101}, {360, 101}}, 1); // view y 51: between rows 50 and 51
    QImage screen = f.view.viewport()->grab().toImage();
    const QColor grey(128, 128, 128);
    QVERIFY(screen.pixelColor(100, 50) != QColor(0, 255, 0)); // one pixel wide: half on each row
    QVERIFY(screen.pixelColor(100, 50) != grey);
    QCOMPARE(screen.pixelColor(100, 49), grey);
    QCOMPARE(screen.pixelColor(100, 52), grey);
    f.scene.setTool(Select);
    f.move(f.at(200, 101));
    screen = f.view.viewport()->grab().toImage();
    QCOMPARE(screen.pixelColor(100, 50), QColor(0, 128, 255)); // two wide: both rows full
    QCOMPARE(screen.pixelColor(100, 51), QColor(0, 128, 255));
    QCOMPARE(screen.pixelColor(100, 52), grey);
}

// The selected shape shows whole, over the shapes drawn after it; without
// the selection the order of drawing holds again.
void TestCameraScene::highlightOverOtherShapes()
{
    SceneFixture f(QSize(400, 300));
    f.scene.setCalibration(QString(), 1.0, -1);
    GraphicsItem *under = addFinished(f.scene, Line, {{40, 100}, {360, 100}}, 1); // green
    addFinished(f.scene, Line, {{200, 20}, {200, 280}}, 0);                       // red
    const auto crossing = [&] { return f.view.viewport()->grab().toImage().pixelColor(f.at(200, 100)); };
    QVERIFY(crossing().red() > crossing().green());
    f.scene.selectShape(under);
    QVERIFY(crossing().blue() > qMax(crossing().red(), crossing().green()));
    f.scene.selectShape(nullptr);
    QVERIFY(crossing().red() > crossing().green());
}

void TestCameraScene::screenFollowsEveryChange_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("point moved") << 0;
    QTest::newRow("calibration") << 1;
    QTest::newRow("polygon area switched off") << 2;
    QTest::newRow("zoom") << 3;
    QTest::newRow("shape removed") << 4;
    QTest::newRow("undo") << 5;
    QTest::newRow("text restored") << 6;
}

// Whatever a label or outline depends on, the next repaint shows it.
void TestCameraScene::screenFollowsEveryChange()
{
    QFETCH(int, change);
    SceneFixture f;
    AppSettings settings;
    f.scene.setSettings(&settings);
    f.scene.setCalibration(QStringLiteral("10"), 0.01, 0);
    f.scene.setTool(Polygon);
    for (const QPointF p : {QPointF(50, 50), QPointF(150, 50), QPointF(150, 120), QPointF(60, 60)})
        f.clickAt(p.x(), p.y(), p == QPointF(60, 60) ? Qt::RightButton : Qt::LeftButton);
    QCOMPARE(f.scene.shapes().size(), 1);
    GraphicsItem *polygon = f.scene.shapes().first();
    f.scene.setTextPrompt([](QWidget *, QString *text) {
        *text = QStringLiteral("WWWW");
        return true;
    });
    const QImage before = f.view.viewport()->grab().toImage();
    QCOMPARE(f.view.viewport()->grab().toImage(), before); // steady when nothing changes
    switch (change) {
    case 0: polygon->setPoint(2, QPointF(250, 200)); break;
    case 1: f.scene.setCalibration(QStringLiteral("20"), 0.02, 0); break;
    case 2: settings.polygonArea = 0; break;
    case 3:
        f.view.resize(200, 150);
        QCoreApplication::processEvents();
        f.scene.fitToView(QSize(400, 300));
        break;
    case 4: f.scene.removeShape(polygon); break;
    case 5: f.scene.undo(); break;
    case 6:
        f.scene.setTool(Text);
        f.clickAt(200, 200);
        f.scene.undo();
        f.scene.redo();
        break;
    }
    const QImage after = f.view.viewport()->grab().toImage();
    QVERIFY(after != before);
    if (change == 2 || change == 1) {
        // Only the label changed: the outline is where it was.
        QCOMPARE(after.pixelColor(100, 50), before.pixelColor(100, 50));
    }
}

// A view left painting items directly is switched over; shapes never show
// with its pens in the meantime.
void TestCameraScene::directPaintingViewIsSwitched()
{
    SceneFixture f;
    f.scene.setCalibration(QString(), 1.0, -1);
    f.view.setOptimizationFlag(QGraphicsView::IndirectPainting, false);
    addFinished(f.scene, Line, {{40, 101.5}, {360, 101.5}}, 1);
    f.view.viewport()->grab();
    QVERIFY(f.view.optimizationFlags() & QGraphicsView::IndirectPainting);
    QVERIFY(hasColourNear(f.view.viewport()->grab().toImage(), 100, 101, QColor(0, 255, 0)));
}

void TestCameraScene::renderBuffers()
{
    SceneFixture f(QSize(64, 48));
    addFinished(f.scene, Line, {{2, 10.5}, {60, 10.5}});
    // Before allocation a claimed buffer is sized on the spot.
    CameraBuffer *lazy = f.scene.renderToBuffer();
    QVERIFY(lazy);
    QVERIFY(lazy->isTaken());
    QCOMPARE(lazy->size(), QSize(64, 48));
    lazy->release();
    f.scene.allocateRenderBuffers();
    QSet<CameraBuffer *> taken;
    for (int i = 0; i < CameraScene::RenderBufferCount; ++i) {
        CameraBuffer *buffer = f.scene.renderToBuffer();
        QVERIFY(buffer);
        QVERIFY(buffer->isTaken());
        taken.insert(buffer);
    }
    QCOMPARE(taken.size(), CameraScene::RenderBufferCount);
    QVERIFY(!f.scene.renderToBuffer()); // all busy: the frame is skipped
    CameraBuffer *second = f.scene.renderBuffer(1);
    second->release();
    QCOMPARE(f.scene.renderToBuffer(), second);
    const QImage grabbed = f.scene.grabImage();
    const QImage rendered(second->bits(), 64, 48, 64 * 4, QImage::Format_RGB32);
    QCOMPARE(rendered, grabbed);
    for (int i = 0; i < CameraScene::RenderBufferCount; ++i)
        f.scene.renderBuffer(i)->release();
}

void TestCameraScene::renderedPicturesHaveNoPointerState_data()
{
    QTest::addColumn<int>("gesture");
    QTest::newRow("pointer left the view over a shape") << 0;
    QTest::newRow("hovered, then another tool") << 1;
    QTest::newRow("hovered with the eraser") << 2;
    QTest::newRow("pressed and held on a shape") << 3;
    QTest::newRow("selected from outside") << 4;
    QTest::newRow("a shape half drawn") << 5;
}

// Saved, printed and recorded pictures equal those made with the pointer away.
void TestCameraScene::renderedPicturesHaveNoPointerState()
{
    QFETCH(int, gesture);
    SceneFixture f(QSize(400, 300), 2, 2);
    f.scene.setCalibration(QStringLiteral("10"), 0.01, 0);
    addFinished(f.scene, Line, {{100, 100}, {300, 100}});
    GraphicsItem *circle = addFinished(f.scene, Circle2, {{100, 200}, {200, 200}});
    f.scene.saveHistory();
    f.scene.setTool(Select);
    f.move(f.at(50, 280));
    const QImage awayScreen = f.view.viewport()->grab().toImage();
    const QImage away = f.scene.grabImage();
    CameraBuffer *buffer = f.scene.renderToBuffer();
    QVERIFY(buffer);
    const QImage recordedAway = QImage(buffer->bits(), 400, 300, 400 * 4, QImage::Format_RGB32).copy();
    buffer->release();

    switch (gesture) {
    case 0: f.move(f.at(200, 101)); break;
    case 1:
        f.move(f.at(200, 101));
        f.scene.setTool(Line);
        break;
    case 2:
        f.scene.setTool(Erase);
        f.move(f.at(200, 101));
        break;
    case 3:
        f.move(f.at(200, 101));
        f.press(f.at(200, 101));
        break;
    case 4: f.scene.selectShape(circle); break;
    case 5:
        f.scene.setTool(Rect);
        f.clickAt(20, 20);
        f.move(f.at(380, 280));
        break;
    }
    // On screen the pointer's state shows (a tool switch ends the hover) ...
    QCOMPARE(f.view.viewport()->grab().toImage() == awayScreen, gesture == 1);
    // ... never in a picture.
    QCOMPARE(f.scene.grabImage(), away);
    buffer = f.scene.renderToBuffer();
    QVERIFY(buffer);
    QCOMPARE(QImage(buffer->bits(), 400, 300, 400 * 4, QImage::Format_RGB32), recordedAway);
    buffer->release();
}

void TestCameraScene::blendedLayerMatchesPainter_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRegion>("exposed"); // empty: all of it
    QTest::addColumn<bool>("avx2");
    const QRegion pieces = QRegion(13, 17, 151, 90) + QRegion(200, 31, 97, 133) + QRegion(5, 250, 390, 7);
    for (const bool avx2 : {true, false}) {
        const char *path = avx2 ? "" : ", portable";
        QTest::addRow("1:1%s", path) << 1.0 << QRegion() << avx2;
        QTest::addRow("fitted%s", path) << 0.5 << QRegion() << avx2;
        QTest::addRow("1:1, odd pieces%s", path) << 1.0 << pieces << avx2;
        QTest::addRow("fitted, odd pieces%s", path) << 0.5 << pieces << avx2;
    }
}

// Shapes blended straight into an image (a window's backing store) give the
// pixels QPainter gives, and nothing outside the part painted changes.
void TestCameraScene::blendedLayerMatchesPainter()
{
    QFETCH(double, zoom);
    QFETCH(QRegion, exposed);
    QFETCH(bool, avx2);
    spanblend::useAvx2(avx2);
    const auto restore = qScopeGuard([] { spanblend::useAvx2(true); });
    SceneFixture f(QSize(400, 300), zoom, zoom);
    f.scene.setImage(gradient(QSize(400, 300)));
    f.scene.setCalibration(QStringLiteral("10"), 0.01, 0);
    addFinished(f.scene, Line, {{20, 30.5}, {380, 40}}, 1);
    addFinished(f.scene, Circle2, {{100, 150}, {220, 250}}, 2);
    addFinished(f.scene, AngleLine, {{300, 100}, {250, 200}, {350, 220}}, 0);
    // Unpremultiplied pixels are left to QPainter, which rounds them its
    // own way: a channel may differ by one.
    QImage painted(f.view.viewport()->size(), QImage::Format_ARGB32);
    f.view.viewport()->render(&painted);
    const QRgb untouched = qRgb(1, 2, 3);
    for (int pass = 0; pass < 2; ++pass) { // the layer made, then reused
        QImage blended(f.view.viewport()->size(), QImage::Format_RGB32);
        blended.fill(untouched);
        // The region lands where its bounds' corner is sent.
        f.view.viewport()->render(&blended, exposed.boundingRect().topLeft(), exposed);
        int worst = 0;
        for (int y = 0; y < blended.height(); ++y) {
            for (int x = 0; x < blended.width(); ++x) {
                const QRgb a = blended.pixel(x, y);
                if (!exposed.isEmpty() && !exposed.contains(QPoint(x, y))) {
                    QCOMPARE(a, untouched);
                    continue;
                }
                const QRgb b = painted.pixel(x, y);
                worst = std::max(
                    {worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
            }
        }
        QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
    }
}

void TestCameraScene::scaledPictureMatchesPainter_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("avx2");
    for (const bool avx2 : {true, false}) {
        const char *path = avx2 ? "" : ", portable";
        QTest::addRow("halved%s", path) << 0.5 << avx2;
        QTest::addRow("shrunk by an odd factor%s", path) << 0.37 << avx2;
        QTest::addRow("shrunk five-fold%s", path) << 0.2 << avx2;
        QTest::addRow("enlarged%s", path) << 1.7 << avx2;
    }
}

// The picture sampled with the shapes blended in, in one pass, picks the
// pixels QPainter picks.
void TestCameraScene::scaledPictureMatchesPainter()
{
    QFETCH(double, zoom);
    QFETCH(bool, avx2);
    spanblend::useAvx2(avx2);
    const auto restore = qScopeGuard([] { spanblend::useAvx2(true); });
    SceneFixture f(QSize(400, 300), zoom, zoom);
    f.scene.setImage(noisy(QSize(400, 300)));
    f.scene.setCalibration(QStringLiteral("10"), 0.01, 0);
    addFinished(f.scene, Line, {{20, 30.5}, {380, 40}}, 1);
    addFinished(f.scene, Circle2, {{100, 150}, {220, 250}}, 2);
    // The reference leaves the picture to QPainter (its format is not the
    // picture's) and blends the same layer.
    QImage painted(f.view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    f.view.viewport()->render(&painted);
    QImage blended(f.view.viewport()->size(), QImage::Format_RGB32);
    f.view.viewport()->render(&blended);
    QCOMPARE(blended, painted.convertToFormat(QImage::Format_RGB32));
}

void TestCameraScene::lookChangesMatchWholeRedraw_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("1:1") << 1.0;
    QTest::newRow("fitted") << 0.5;
    QTest::newRow("zoomed in") << 2.0;
}

// A hover, selection or press draws again only where the shapes it changes
// paint; what shows equals every shape drawn anew.
void TestCameraScene::lookChangesMatchWholeRedraw()
{
    QFETCH(double, zoom);
    SceneFixture f(QSize(400, 300), zoom, zoom);
    f.scene.setImage(noisy(QSize(400, 300)));
    AppSettings settings;
    f.scene.setSettings(&settings);
    f.scene.setCalibration(QStringLiteral("10"), 0.01, 0);
    // Crowded: outlines cross, labels give way to each other.
    GraphicsItem *line = addFinished(f.scene, Line, {{40, 60.5}, {360, 80.5}}, 1);
    GraphicsItem *circle = addFinished(f.scene, Circle2, {{120, 40}, {220, 160}}, 2);
    addFinished(f.scene, Rect, {{100, 70}, {250, 140}});
    GraphicsItem *angle = addFinished(f.scene, AngleLine, {{200, 100}, {150, 200}, {300, 220}}, 3);
    addFinished(f.scene, Polygon, {{60, 200}, {160, 180}, {140, 280}, {50, 260}});
    addFinished(f.scene, Arc, {{300, 150}, {350, 200}, {380, 120}}, 1);
    GraphicsItem *cross = addFinished(f.scene, Cross, {{210, 150}}, 2);
    addFinished(f.scene, Point, {{230, 120}});
    f.scene.setTool(Select);
    const QPoint onLine = f.at(200, 68.5);
    const QPoint away = f.at(390, 295);
    f.move(away);
    const std::function<void()> steps[] = {
        [&] { f.move(onLine); },
        [&] { f.move(away); },
        [&] { f.scene.selectShape(circle); },
        [&] { f.scene.selectShape(angle); },
        [&] { f.press(onLine); },
        [&] { f.release(onLine); },
        [&] {
            f.scene.selectShape(line);
            f.move(away);
        },
        [&] { f.scene.selectShape(cross); },
        [&] { f.scene.selectShape(nullptr); },
    };
    for (const auto &change : steps) {
        change();
        const QImage partial = f.view.viewport()->grab().toImage();
        f.scene.setSettings(&settings); // every shape drawn anew
        QCOMPARE(f.view.viewport()->grab().toImage(), partial);
    }
}

void TestCameraScene::labelsHaveContrastingRim_data()
{
    QTest::addColumn<QColor>("picture");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("rim");
    QTest::newRow("blue on black") << QColor(Qt::black) << 2 << QColor(Qt::white);
    QTest::newRow("red on black") << QColor(Qt::black) << 0 << QColor(Qt::white);
    QTest::newRow("green on white") << QColor(Qt::white) << 1 << QColor(Qt::black);
}

void TestCameraScene::labelsHaveContrastingRim()
{
    QFETCH(QColor, picture);
    QFETCH(int, colour);
    QFETCH(QColor, rim);
    SceneFixture f(QSize(400, 300), 1, 1, picture);
    addFinished(f.scene, Line, {{50, 50}, {60, 50}}, colour);
    const QImage image = f.scene.grabImage();
    int rimPixels = 0, textPixels = 0;
    const QColor text = DrawStyle().colors.value(colour);
    for (int y = 52; y < 100; ++y) {
        for (int x = 45; x < 300; ++x) {
            rimPixels += image.pixelColor(x, y) == rim;
            textPixels += image.pixelColor(x, y) == text;
        }
    }
    QVERIFY2(rimPixels > 100, qPrintable(QString::number(rimPixels)));
    QVERIFY2(textPixels > 50, qPrintable(QString::number(textPixels)));
}

void TestCameraScene::labelsWholeInSavedPicture_data()
{
    QTest::addColumn<QPointF>("start"); // a 60-pixel horizontal line from here
    QTest::newRow("right") << QPointF(338, 150);
    QTest::newRow("bottom") << QPointF(150, 299);
    QTest::newRow("left, dragged partly out") << QPointF(-50, 150);
    QTest::newRow("top, dragged partly out") << QPointF(150, -40);
}

// A label at an edge shows whole in the saved picture: as many pixels in its
// colour as the same label in the middle.
void TestCameraScene::labelsWholeInSavedPicture()
{
    QFETCH(QPointF, start);
    const auto labelPixels = [](const QPointF &from) {
        SceneFixture f(QSize(400, 300), 1, 1, QColor(Qt::black));
        f.scene.setCalibration(QStringLiteral("10"), 0.01, 0);
        addFinished(f.scene, Line, {from, from + QPointF(60, 0)}, 2);
        f.scene.setCalibration(QStringLiteral("10"), 0.01, 0);
        const QImage image = f.scene.grabImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(255, 255, 255); // the rim
        return count;
    };
    const int middle = labelPixels(QPointF(100, 100));
    QVERIFY(middle > 100);
    QCOMPARE(labelPixels(start), middle);
}

// A 10x view in a small scroll area: the layer covers what is shown, and
// follows the scrolling.
void TestCameraScene::zoomedViewInScrollArea()
{
    QScrollArea area;
    area.resize(320, 240);
    area.setFrameShape(QFrame::NoFrame);
    auto *view = new QGraphicsView;
    view->setFrameShape(QFrame::NoFrame);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CameraScene scene;
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    scene.setImage(image);
    view->setScene(&scene);
    view->setFixedSize(4000, 3000);
    area.setWidget(view);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    scene.fitToView(QSize(400, 300));
    scene.setCalibration(QString(), 1.0, -1);
    addFinished(scene, Line, {{100, 100.05}, {300, 100.05}}, 1);
    addFinished(scene, Cross, {{390, 290}}, 2);
    const QColor green(0, 255, 0), blue(0, 0, 255);
    for (const QPoint scroll : {QPoint(1400, 900), QPoint(2600, 850), QPoint(3680, 2760), QPoint(0, 0)}) {
        area.horizontalScrollBar()->setValue(scroll.x());
        area.verticalScrollBar()->setValue(scroll.y());
        const QImage shown = area.viewport()->grab().toImage();
        const int lineY = 1000 - scroll.y() + 0; // picture y 100.05 at 10x
        const bool lineShown = lineY >= 0 && lineY < shown.height() && scroll.x() < 3000 && scroll.x() + 320 > 1000;
        if (lineShown)
            QVERIFY2(hasColourNear(shown, 100, lineY, green),
                     qPrintable(QStringLiteral("%1,%2").arg(scroll.x()).arg(scroll.y())));
        // The cross-hair reaches across the whole picture, however far.
        QVERIFY(hasColourNear(shown, 3900 - scroll.x() >= 0 && 3900 - scroll.x() < 320 ? 3900 - scroll.x() : 10,
                              2900 - scroll.y() >= 0 && 2900 - scroll.y() < 240 ? 2900 - scroll.y() : 10, blue)
                || (3900 - scroll.x() >= 320 && 2900 - scroll.y() >= 240));
    }
}

// At 1.0x a large frame is bigger than its scroll area: the time stamp, the
// recording clock and the notice stay in the corners of what is in sight.
void TestCameraScene::overlaysInSight()
{
    QScrollArea area;
    area.resize(320, 240);
    area.setFrameShape(QFrame::NoFrame);
    auto *view = new QGraphicsView;
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CameraScene scene;
    QImage image(1280, 720, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    scene.setImage(image);
    view->setScene(&scene);
    view->setFixedSize(1280, 720);
    area.setWidget(view);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    scene.fitToView(image.size());
    scene.setTimeStampVisible(true);
    scene.setRecordingClock(true);
    const QColor red(255, 0, 0);
    for (const QPoint scroll : {QPoint(0, 0), QPoint(480, 240), QPoint(960, 480)}) {
        area.horizontalScrollBar()->setValue(scroll.x());
        area.verticalScrollBar()->setValue(scroll.y());
        QCOMPARE(scene.visibleViewRect(), QRect(scroll, area.viewport()->size()));
        const QImage shown = area.viewport()->grab().toImage();
        // The clock's red square at the top left, the red time at the bottom right.
        QVERIFY2(hasColourNear(shown, 18, 22, red),
                 qPrintable(QStringLiteral("clock at %1,%2").arg(scroll.x()).arg(scroll.y())));
        bool stamp = false;
        for (int x = shown.width() - 200; x < shown.width() && !stamp; ++x)
            for (int y = shown.height() - 24; y < shown.height() && !stamp; ++y)
                stamp = shown.pixelColor(x, y).red() > 180 && shown.pixelColor(x, y).green() < 90;
        QVERIFY2(stamp, qPrintable(QStringLiteral("time stamp at %1,%2").arg(scroll.x()).arg(scroll.y())));
    }
    // A saved picture keeps them at the picture's own corners.
    QVERIFY(scene.grabImage().size() == image.size());
}

void TestCameraScene::shapeListForResultsTable()
{
    SceneFixture f;
    QSignalSpy changed(&f.scene, &CameraScene::shapesChanged);
    QSignalSpy selected(&f.scene, &CameraScene::selectedShapeChanged);
    f.scene.setTool(Line);
    f.clickAt(100, 100);
    f.clickAt(200, 100);
    f.scene.setTool(Circle1);
    f.clickAt(300, 200);
    f.clickAt(330, 200);
    QCOMPARE(f.scene.shapes().size(), 2);
    QVERIFY(changed.size() >= 2);
    GraphicsItem *circle = f.scene.shapes().at(1);
    QCOMPARE(f.scene.shapeIndex(circle), 1);
    QCOMPARE(circle->values().value(0).name, QStringLiteral("R"));

    // Hovering changes no value.
    changed.clear();
    f.scene.setTool(Select);
    f.move(f.at(150, 101));
    f.move(f.at(10, 290));
    QCOMPARE(changed.size(), 0);
    // Moving a point, a calibration and undo do.
    circle->setPoint(1, QPointF(340, 200));
    QCOMPARE(changed.size(), 1);
    f.scene.setCalibration(QStringLiteral("x"), 2.0, 0);
    QCOMPARE(changed.size(), 2);

    // Selecting highlights on screen, as the pointer would.
    f.scene.selectShape(circle);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(f.scene.selectedShape(), circle);
    QVERIFY(circle->isSelected());
    QVERIFY(hasColourNear(f.view.viewport()->grab().toImage(), 340, 200, QColor(0, 128, 255)));
    f.scene.selectShape(nullptr);
    QVERIFY(!circle->isSelected());
    QCOMPARE(selected.size(), 2);

    // Erasing from outside is one undoable step.
    const int history = f.scene.historySize();
    f.scene.selectShape(circle);
    changed.clear();
    f.scene.eraseShape(f.scene.shapes().at(0));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(f.scene.shapes(), (QList<GraphicsItem *>{circle}));
    QCOMPARE(f.scene.selectedShape(), circle);
    QCOMPARE(f.scene.historySize(), history + 1);
    f.scene.undo();
    QCOMPARE(f.scene.shapes().size(), 2);
    QCOMPARE(f.scene.shapes().at(0)->shapeType(), int(Line));
    QVERIFY(!f.scene.selectedShape()); // the objects were rebuilt
    QCOMPARE(selected.last().at(0).value<GraphicsItem *>(), nullptr);
    f.scene.eraseShape(nullptr); // harmless
    QCOMPARE(f.scene.shapes().size(), 2);
}

void TestCameraScene::noPictureIsSilent()
{
    CameraScene scene;
    QVERIFY(scene.grabImage().isNull());
    QVERIFY(!scene.renderToBuffer());
    QSignalSpy spy(&scene, &CameraScene::coorInfo);
    scene.onZoomTimeOut();
    QCOMPARE(spy.size(), 0);
    scene.undo();
    scene.redo();
    scene.showRuler(true);
    QVERIFY(scene.ruler());
    scene.resetImage();
    QVERIFY(!scene.ruler());
}

QTEST_MAIN(TestCameraScene)
#include "tst_camerascene.moc"
