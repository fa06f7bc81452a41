#include "paintrecorder.h"

#include "core/appsettings.h"
#include "core/screenmetrics.h"
#include "measure/circleshapes.h"
#include "measure/lineshapes.h"
#include "measure/textshapes.h"

#include <QtTest>

using Pts = QVector<QPointF>;

namespace {

GraphicsItem *addFinished(CameraScene &scene, int type, const Pts &points, const QString &text = QString())
{
    GraphicsItem *shape = createShape(type);
    ShapeRecord record;
    record.type = type;
    record.points = points;
    record.text = text;
    shape->restore(record);
    scene.addShape(shape);
    return shape;
}

const QVector<QPair<double, double>> kZooms = {{0.5, 0.5}, {1, 1}, {2, 2}, {2, 1}};

} // namespace

class TestShapes : public QObject
{
    Q_OBJECT

private slots:
    void factory_data();
    void factory();
    void measureTextFormats_data();
    void measureTextFormats();
    void labels_data();
    void labels();
    void values_data();
    void values();
    void arcFollowsMiddlePoint_data();
    void arcFollowsMiddlePoint();
    void labelsStayInsidePicture_data();
    void labelsStayInsidePicture();
    void labelHangsBelowFirstPoint_data();
    void labelHangsBelowFirstPoint();
    void hitTests_data();
    void hitTests();
    void boundingRectFollowsCursor();
    void brokenLineEndsOnRightClick();
    void crossKeepsSecondClick();
    void parallelSnapsWhileBuilding_data();
    void parallelSnapsWhileBuilding();
    void parallelSecondLineSlides();
    void parallelFollowsFirstLine();
    void circleLineCentreTakesRimAlong();
    void wholeShapeDragIsWholePixels();
    void degenerateDrawing_data();
    void degenerateDrawing();
    void polygonAreaSwitch();
    void handlesOnlyWhenUnfinishedOrHovered();
    void textSurvivesRecord();
    void textDrawing();
    void anyPointCountIsSafe_data();
    void anyPointCountIsSafe();
    void rulerReadings_data();
    void rulerReadings();
    void rulerFollowsZoom();
};

void TestShapes::factory_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("maxPoints");
    QTest::newRow("Base") << int(Base) << -1;
    QTest::newRow("Select") << int(Select) << -1;
    QTest::newRow("Erase") << int(Erase) << -1;
    QTest::newRow("above Text") << int(Text) + 1 << -1;
    QTest::newRow("zero") << 0 << -1;
    QTest::newRow("Point") << int(Point) << 1;
    QTest::newRow("Line") << int(Line) << 2;
    QTest::newRow("BrokenLine") << int(BrokenLine) << 50;
    QTest::newRow("Rect") << int(Rect) << 2;
    QTest::newRow("Polygon") << int(Polygon) << 100;
    QTest::newRow("ParallelLine") << int(ParallelLine) << 4;
    QTest::newRow("VerticalLine") << int(VerticalLine) << 3;
    QTest::newRow("Cross") << int(Cross) << 2;
    QTest::newRow("AngleLine") << int(AngleLine) << 3;
    QTest::newRow("Arc") << int(Arc) << 3;
    QTest::newRow("Circle1") << int(Circle1) << 2;
    QTest::newRow("Circle2") << int(Circle2) << 2;
    QTest::newRow("Circle3") << int(Circle3) << 3;
    QTest::newRow("DoubleCircle") << int(DoubleCircle) << 3;
    QTest::newRow("CircleLine") << int(CircleLine) << 4;
    QTest::newRow("Text") << int(Text) << 1;
}

void TestShapes::factory()
{
    QFETCH(int, type);
    QFETCH(int, maxPoints);
    std::unique_ptr<GraphicsItem> shape(createShape(type));
    if (maxPoints < 0) {
        QVERIFY(!shape);
        return;
    }
    QVERIFY(shape);
    QCOMPARE(shape->shapeType(), type);
    QCOMPARE(shape->type(), type);
    QCOMPARE(shape->maxPoints(), maxPoints);
    QVERIFY(!shape->isFinished());
    QCOMPARE(shape->hitTest(QPointF(0, 0)), -1); // no points yet
}

void TestShapes::measureTextFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("pixels");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mm") << "L" << 100.0 << 0.01 << 0 << "L:1.0000 mm";
    QTest::newRow("no unit") << "L" << 100.0 << 0.01 << -1 << "";
    QTest::newRow("area no unit") << "S" << 100.0 << 0.01 << -1 << "";
    QTest::newRow("px") << "L" << 12.345678 << 1.0 << 4 << "L:12.3457 px";
    QTest::newRow("area cm squared factor") << "S" << 2500.0 << 0.1 << 1 << "S:25.0000 cm^cm";
    QTest::newRow("area um") << "S" << 25.0 << 1.0 << 2 << "S:25.0000 um^um";
    QTest::newRow("inch") << "D" << 254.0 << 0.1 << 3 << "D:25.4000 in";
    QTest::newRow("unknown unit") << "L" << 1.0 << 1.0 << 9 << "L:1.0000 ";
    QTest::newRow("only S is an area") << "S1" << 10.0 << 2.0 << 0 << "S1:20.0000 mm";
}

void TestShapes::measureTextFormats()
{
    QFETCH(QString, name);
    QFETCH(double, pixels);
    QFETCH(double, factor);
    QFETCH(int, unit);
    QFETCH(QString, expected);
    QCOMPARE(measureText(name, pixels, BDInfo{QStringLiteral("x"), factor, unit}), expected);
}

void TestShapes::labels_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Pts>("points");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("point centre") << int(Point) << Pts{{200, 150}} << 1.0 << 4 << QStringList{"0000,0000"};
    QTest::newRow("point up-left") << int(Point) << Pts{{199, 149}} << 1.0 << 4 << QStringList{"-0001,0001"};
    QTest::newRow("point rounds, ignores calibration")
        << int(Point) << Pts{{212.6, 100.4}} << 0.01 << -1 << QStringList{"0013,0050"};
    QTest::newRow("line mm") << int(Line) << Pts{{10, 20}, {110, 20}} << 0.01 << 0 << QStringList{"L:1.0000 mm"};
    QTest::newRow("line px") << int(Line) << Pts{{10, 10}, {40, 50}} << 1.0 << 4 << QStringList{"L:50.0000 px"};
    QTest::newRow("line no unit") << int(Line) << Pts{{10, 10}, {40, 50}} << 1.0 << -1 << QStringList{};
    QTest::newRow("broken line sums") << int(BrokenLine) << Pts{{0, 0}, {30, 40}, {30, 100}} << 0.5 << 1
                                      << QStringList{"L:55.0000 cm"};
    QTest::newRow("rect um") << int(Rect) << Pts{{10, 10}, {15, 15}} << 1.0 << 2 << QStringList{"S:25.0000 um^um"};
    QTest::newRow("rect bottom-left to top-right is positive")
        << int(Rect) << Pts{{10, 60}, {60, 10}} << 1.0 << 4 << QStringList{"S:2500.0000 px^px"};
    QTest::newRow("rect cm squared") << int(Rect) << Pts{{60, 60}, {10, 10}} << 0.1 << 1
                                     << QStringList{"S:25.0000 cm^cm"};
    QTest::newRow("polygon square") << int(Polygon) << Pts{{0, 0}, {100, 0}, {100, 100}, {0, 100}} << 1.0 << 4
                                    << QStringList{"S:10000.0000 px^px"};
    QTest::newRow("polygon clockwise or not")
        << int(Polygon) << Pts{{0, 100}, {100, 100}, {100, 0}} << 0.1 << 0 << QStringList{"S:50.0000 mm^mm"};
    QTest::newRow("parallel horizontal") << int(ParallelLine) << Pts{{0, 0}, {100, 0}, {10, 50}, {90, 50}} << 1.0 << 4
                                         << QStringList{"D:50.0000 px"};
    QTest::newRow("parallel diagonal") << int(ParallelLine) << Pts{{0, 0}, {100, 100}, {0, 100}, {100, 200}} << 1.0 << 4
                                       << QStringList{"D:70.7107 px"};
    QTest::newRow("perpendicular") << int(VerticalLine) << Pts{{0, 0}, {100, 0}, {30, 40}} << 0.01 << 0
                                   << QStringList{"D:0.4000 mm"};
    QTest::newRow("perpendicular diagonal")
        << int(VerticalLine) << Pts{{0, 0}, {100, 100}, {0, 100}} << 1.0 << 4 << QStringList{"D:70.7107 px"};
    QTest::newRow("cross has no label") << int(Cross) << Pts{{50, 50}} << 1.0 << 4 << QStringList{};
    QTest::newRow("right angle") << int(AngleLine) << Pts{{150, 50}, {50, 50}, {50, 150}} << 0.01 << -1
                                 << QStringList{"A:90.00 deg"};
    QTest::newRow("45 degrees") << int(AngleLine) << Pts{{150, 50}, {50, 50}, {150, 150}} << 1.0 << 4
                                << QStringList{"A:45.00 deg"};
    QTest::newRow("same direction") << int(AngleLine) << Pts{{150, 50}, {50, 50}, {100, 50}} << 1.0 << 4
                                    << QStringList{"A:0.00 deg"};
    QTest::newRow("opposite") << int(AngleLine) << Pts{{150, 50}, {50, 50}, {0, 50}} << 1.0 << 4
                              << QStringList{"A:180.00 deg"};
    QTest::newRow("arc half through top")
        << int(Arc) << Pts{{0, 100}, {100, 0}, {200, 100}} << 1.0 << 4 << QStringList{"C:314.1593 px"};
    QTest::newRow("arc quarter") << int(Arc) << Pts{{100, 0}, {160, 20}, {200, 100}} << 0.01 << 0
                                 << QStringList{"C:1.5708 mm"};
    QTest::newRow("arc collinear") << int(Arc) << Pts{{0, 0}, {50, 0}, {100, 0}} << 1.0 << 4 << QStringList{};
    QTest::newRow("circle by centre") << int(Circle1) << Pts{{100, 100}, {150, 100}} << 0.01 << 0
                                      << QStringList{"R:0.5000 mm"};
    QTest::newRow("circle by diameter") << int(Circle2) << Pts{{10, 10}, {70, 90}} << 1.0 << 4
                                        << QStringList{"D:100.0000 px"};
    QTest::newRow("circle through three")
        << int(Circle3) << Pts{{0, 100}, {100, 0}, {200, 100}} << 1.0 << 4 << QStringList{"R:100.0000 px"};
    QTest::newRow("circle three collinear")
        << int(Circle3) << Pts{{0, 0}, {50, 50}, {100, 100}} << 1.0 << 4 << QStringList{};
    QTest::newRow("concentric") << int(DoubleCircle) << Pts{{100, 100}, {130, 100}, {100, 150}} << 1.0 << 4
                                << QStringList{"R1:30.0000 px", "R2:50.0000 px"};
    QTest::newRow("circles and distance")
        << int(CircleLine) << Pts{{10, 10}, {20, 10}, {40, 50}, {50, 50}} << 1.0 << 4 << QStringList{"L:50.0000 px"};
}

// The same points give the same text at every zoom, stretched views included.
void TestShapes::labels()
{
    QFETCH(int, type);
    QFETCH(Pts, points);
    QFETCH(double, factor);
    QFETCH(int, unit);
    QFETCH(QStringList, expected);
    for (const auto &zoom : kZooms) {
        SceneFixture f(QSize(400, 300), zoom.first, zoom.second);
        f.scene.setCalibration(QStringLiteral("10"), factor, unit);
        GraphicsItem *shape = addFinished(f.scene, type, points);
        QCOMPARE(shape->labels(), expected);
    }
}

void TestShapes::values_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Pts>("points");
    QTest::addColumn<QString>("expected"); // name kind value, per value
    QTest::newRow("point") << int(Point) << Pts{{212.6, 100.4}} << "X point 13; Y point 50";
    QTest::newRow("line") << int(Line) << Pts{{10, 10}, {40, 50}} << "L length 50";
    QTest::newRow("rect") << int(Rect) << Pts{{10, 60}, {60, 10}} << "S area 2500";
    QTest::newRow("angle") << int(AngleLine) << Pts{{150, 50}, {50, 50}, {50, 150}} << "A angle 90";
    QTest::newRow("concentric") << int(DoubleCircle) << Pts{{100, 100}, {130, 100}, {100, 150}}
                                << "R1 length 30; R2 length 50";
    QTest::newRow("circle3") << int(Circle3) << Pts{{0, 100}, {100, 0}, {200, 100}} << "R length 100";
    QTest::newRow("cross") << int(Cross) << Pts{{50, 50}} << "";
    QTest::newRow("text") << int(Text) << Pts{{50, 50}} << "";
}

// Values come without a painter or a calibration, in picture units.
void TestShapes::values()
{
    QFETCH(int, type);
    QFETCH(Pts, points);
    QFETCH(QString, expected);
    SceneFixture f;
    f.scene.setCalibration(QStringLiteral("10"), 0.5, 1);
    GraphicsItem *shape = addFinished(f.scene, type, points);
    static const char *const kinds[] = {"length", "area", "angle", "point"};
    QStringList got;
    for (const MeasuredValue &v : shape->values()) {
        got << v.name + ' ' + kinds[int(v.kind)] + ' ' + QString::number(v.value, 'g', 10);
        const double factor = v.kind == ValueKind::Length ? 0.5 : v.kind == ValueKind::Area ? 0.25 : 1.0;
        QCOMPARE(realValue(v, f.scene.calibration()), v.value * factor);
        const QString unit = realUnit(v, f.scene.calibration());
        QCOMPARE(unit, v.kind == ValueKind::Length  ? QString("cm")
                       : v.kind == ValueKind::Area  ? QString("cm^cm")
                       : v.kind == ValueKind::Angle ? QString("deg")
                                                    : QString("px"));
    }
    QCOMPARE(got.join(QStringLiteral("; ")), expected);
}

void TestShapes::arcFollowsMiddlePoint_data()
{
    QTest::addColumn<Pts>("points");
    QTest::newRow("over the top, left to right") << Pts{{0, 100}, {100, 0}, {200, 100}};
    QTest::newRow("over the top, right to left") << Pts{{200, 100}, {100, 0}, {0, 100}};
    QTest::newRow("under, left to right") << Pts{{0, 100}, {100, 200}, {200, 100}};
    QTest::newRow("under, right to left") << Pts{{200, 100}, {100, 200}, {0, 100}};
    QTest::newRow("the long way round") << Pts{{100, 0}, {0, 100}, {200, 100}};
    QTest::newRow("the long way, other sense") << Pts{{200, 100}, {0, 100}, {100, 0}};
    QTest::newRow("nearly straight, middle above") << Pts{{100, 300}, {400, 301}, {700, 300}};
    QTest::newRow("nearly straight, middle below") << Pts{{100, 300}, {400, 299.999}, {700, 300}};
    QTest::newRow("1080p, uneven") << Pts{{13.7, 1020.2}, {960.5, 3.3}, {1890.1, 1011.9}};
    QTest::newRow("small, far from the origin") << Pts{{1900.25, 1070.5}, {1903.75, 1068}, {1907.5, 1071.25}};
}

// The arc runs from the first point through the middle one to the last, and
// its length agrees with the inscribed angle: the arc through p1 spans
// 2 pi - 2 phi, phi being the angle at p1, on a radius |p0 p2| / (2 sin phi).
void TestShapes::arcFollowsMiddlePoint()
{
    QFETCH(Pts, points);
    const QPointF u = points[0] - points[1], v = points[2] - points[1];
    const double phi = std::atan2(std::fabs(u.x() * v.y() - u.y() * v.x()), u.x() * v.x() + u.y() * v.y());
    const QPointF chord = points[2] - points[0];
    const double radius = std::hypot(chord.x(), chord.y()) / (2.0 * std::sin(phi));
    const double expected = radius * (2.0 * M_PI - 2.0 * phi);

    GraphicsArcItem arc;
    arc.restore({Arc, DrawStyle(), points, QString()});
    const MeasuredValues values = arc.values();
    QCOMPARE(values.size(), 1);
    QVERIFY2(std::fabs(values[0].value - expected) < 1e-4,
             qPrintable(QStringLiteral("%1 against %2").arg(values[0].value, 0, 'f', 8).arg(expected, 0, 'f', 8)));
    if (points[1] == QPointF(400, 301))
        QCOMPARE(arc.labels(), QStringList{"C:600.0044 px"});

    // The drawn arc: from p0, through p1's side of the chord, to p2.
    const Outline outline = arc.outline();
    QCOMPARE(outline.size(), 3);
    const OutlinePart &part = outline[2];
    QCOMPARE(part.kind, OutlinePart::Arc);
    QVERIFY(std::fabs(part.radius - radius) < 1e-6 * qMax(1.0, radius));
    const auto onArc = [&part](double degrees) {
        const double a = qDegreesToRadians(degrees);
        return part.a + part.radius * QPointF(std::cos(a), -std::sin(a));
    };
    const auto near = [](const QPointF &a, const QPointF &b) {
        return QLineF(a, b).length() < 1e-6 * qMax(1.0, QLineF(a, b).p1().manhattanLength());
    };
    QVERIFY(near(onArc(part.startAngle), points[0]));
    QVERIFY(near(onArc(part.startAngle + part.spanAngle), points[2]));
    const QPointF mid = onArc(part.startAngle + part.spanAngle / 2);
    const auto side = [&](const QPointF &p) {
        return chord.x() * (p.y() - points[0].y()) - chord.y() * (p.x() - points[0].x());
    };
    QVERIFY(side(mid) * side(points[1]) > 0);
    QVERIFY(std::fabs(std::fabs(part.spanAngle) - qRadiansToDegrees(2.0 * M_PI - 2.0 * phi)) < 1e-6);
}

void TestShapes::labelsStayInsidePicture_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Pts>("points");
    QTest::newRow("right edge") << int(Line) << Pts{{795, 300}, {799, 250}};
    QTest::newRow("bottom edge") << int(Line) << Pts{{200, 598}, {300, 598}};
    QTest::newRow("bottom-right corner, two lines") << int(DoubleCircle) << Pts{{798, 596}, {790, 596}, {798, 580}};
    QTest::newRow("dragged past the left edge") << int(Rect) << Pts{{-30, 200}, {50, 250}};
    QTest::newRow("dragged past the top") << int(Circle1) << Pts{{400, -60}, {400, 10}};
    QTest::newRow("note at the right") << int(Text) << Pts{{790, 20}};
    QTest::newRow("point at the bottom-right") << int(Point) << Pts{{799, 599}};
}

// Whatever the zoom, the label rectangle lies inside the picture's.
void TestShapes::labelsStayInsidePicture()
{
    QFETCH(int, type);
    QFETCH(Pts, points);
    for (const auto &zoom : kZooms) {
        SceneFixture f(QSize(800, 600), zoom.first, zoom.second);
        GraphicsItem *shape = addFinished(f.scene, type, points, QStringLiteral("a long note"));
        QFont font;
        font.setPixelSize(shape->fontPixelSize());
        const QRectF label = shape->labelRect(font);
        QVERIFY(!label.isEmpty());
        const QRectF picture = f.scene.pictureViewRect();
        QCOMPARE(picture, QRectF(0, 0, 800 * zoom.first, 600 * zoom.second));
        QVERIFY2(
            picture.contains(label),
            qPrintable(
                QStringLiteral("%1,%2 %3x%4").arg(label.x()).arg(label.y()).arg(label.width()).arg(label.height())));
    }
}

void TestShapes::labelHangsBelowFirstPoint_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Pts>("points");
    QTest::addColumn<QPointF>("anchor"); // picture point the label hangs from
    QTest::newRow("line") << int(Line) << Pts{{10.6, 20}, {110, 20}} << QPointF(10.6, 20);
    QTest::newRow("angle at vertex") << int(AngleLine) << Pts{{150, 50}, {50, 60}, {50, 150}} << QPointF(50, 60);
    QTest::newRow("concentric") << int(DoubleCircle) << Pts{{100, 100}, {130, 100}, {100, 150}} << QPointF(100, 100);
}

void TestShapes::labelHangsBelowFirstPoint()
{
    QFETCH(int, type);
    QFETCH(Pts, points);
    QFETCH(QPointF, anchor);
    SceneFixture f(QSize(400, 300), 2, 2);
    GraphicsItem *shape = addFinished(f.scene, type, points);
    const auto drawn = recordShape(shape);
    QVERIFY(!drawn->engine.texts.isEmpty());
    const QPoint view = f.at(anchor.x(), anchor.y());
    const int font = shape->fontPixelSize();
    QCOMPARE(font, 32);
    const QVector<DrawnText> texts = drawn->engine.fills();
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(texts[i].pos, QPointF(view.x(), view.y() + (i + 1) * font));
}

void TestShapes::hitTests_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Pts>("points");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPointF>("probe");
    QTest::addColumn<int>("expected");

    const Pts line{{100, 100}, {200, 100}};
    QTest::newRow("line body inside") << int(Line) << line << 1.0 << QPointF(150, 104.9) << 0;
    QTest::newRow("line body at 5 misses") << int(Line) << line << 1.0 << QPointF(150, 105) << -1;
    QTest::newRow("zoom 2 still 5") << int(Line) << line << 2.0 << QPointF(150, 105) << -1;
    QTest::newRow("zoom 0.5 body at 9.9") << int(Line) << line << 0.5 << QPointF(150, 109.9) << 0;
    QTest::newRow("zoom 0.5 body at 10 misses") << int(Line) << line << 0.5 << QPointF(150, 110) << -1;
    QTest::newRow("handle before body") << int(Line) << line << 1.0 << QPointF(104, 100) << 1;
    QTest::newRow("second handle") << int(Line) << line << 1.0 << QPointF(200, 97) << 2;
    QTest::newRow("handle at 5 misses") << int(Line) << line << 1.0 << QPointF(95, 100) << -1;
    QTest::newRow("zoom 0.5 handle at 9") << int(Line) << line << 0.5 << QPointF(91, 100) << 1;
    QTest::newRow("first handle wins") << int(Line) << Pts{{100, 100}, {103, 100}} << 1.0 << QPointF(102, 100) << 1;

    const Pts rect{{100, 100}, {200, 200}};
    QTest::newRow("rect top") << int(Rect) << rect << 1.0 << QPointF(150, 102) << 0;
    QTest::newRow("rect right") << int(Rect) << rect << 1.0 << QPointF(198, 150) << 0;
    QTest::newRow("rect fourth side") << int(Rect) << rect << 1.0 << QPointF(102, 150) << 0;
    QTest::newRow("rect inside") << int(Rect) << rect << 1.0 << QPointF(150, 150) << -1;

    const Pts tri{{100, 100}, {200, 100}, {200, 200}};
    QTest::newRow("polygon closing edge") << int(Polygon) << tri << 1.0 << QPointF(150, 150) << 0;
    QTest::newRow("broken line is open") << int(BrokenLine) << tri << 1.0 << QPointF(150, 150) << -1;
    QTest::newRow("broken line segment") << int(BrokenLine) << tri << 1.0 << QPointF(200, 150) << 0;

    QTest::newRow("point square") << int(Point) << Pts{{50, 50}} << 1.0 << QPointF(59.9, 40.1) << 0;
    QTest::newRow("point square edge") << int(Point) << Pts{{50, 50}} << 1.0 << QPointF(60, 50) << -1;
    QTest::newRow("point square ignores zoom") << int(Point) << Pts{{50, 50}} << 0.5 << QPointF(61, 50) << -1;

    const Pts parallel{{0, 100}, {100, 100}, {0, 150}, {100, 150}};
    QTest::newRow("parallel second line") << int(ParallelLine) << parallel << 1.0 << QPointF(30, 152) << 0;
    QTest::newRow("parallel connector") << int(ParallelLine) << parallel << 1.0 << QPointF(52, 125) << 0;
    QTest::newRow("parallel between") << int(ParallelLine) << parallel << 1.0 << QPointF(20, 125) << -1;

    const Pts perpendicular{{0, 100}, {200, 100}, {100, 0}};
    QTest::newRow("perpendicular drawn part") << int(VerticalLine) << perpendicular << 1.0 << QPointF(102, 50) << 0;
    QTest::newRow("perpendicular undrawn p1-p2") << int(VerticalLine) << perpendicular << 1.0 << QPointF(150, 50) << -1;

    QTest::newRow("cross vertical") << int(Cross) << Pts{{100, 100}} << 1.0 << QPointF(103, 290) << 0;
    QTest::newRow("cross horizontal") << int(Cross) << Pts{{100, 100}} << 1.0 << QPointF(390, 97) << 0;
    QTest::newRow("cross off") << int(Cross) << Pts{{100, 100}} << 1.0 << QPointF(300, 300) << -1;

    const Pts circle{{100, 100}, {150, 100}};
    QTest::newRow("circle centre moves all") << int(Circle1) << circle << 1.0 << QPointF(102, 100) << 0;
    QTest::newRow("circle rim point") << int(Circle1) << circle << 1.0 << QPointF(150, 103) << 2;
    QTest::newRow("circle outline is not a handle") << int(Circle1) << circle << 1.0 << QPointF(100, 150) << -1;
    QTest::newRow("concentric centre") << int(DoubleCircle) << Pts{{100, 100}, {130, 100}, {100, 150}} << 1.0
                                       << QPointF(100, 101) << 0;
    QTest::newRow("concentric second rim")
        << int(DoubleCircle) << Pts{{100, 100}, {130, 100}, {100, 150}} << 1.0 << QPointF(100, 151) << 3;
    QTest::newRow("diameter") << int(Circle2) << circle << 1.0 << QPointF(125, 104) << 0;

    const Pts twoCircles{{100, 100}, {120, 100}, {300, 100}, {330, 100}};
    QTest::newRow("circle-line centre segment") << int(CircleLine) << twoCircles << 1.0 << QPointF(200, 103) << 0;
    QTest::newRow("circle-line first rim") << int(CircleLine) << twoCircles << 1.0 << QPointF(100, 122) << 0;
    QTest::newRow("circle-line second rim") << int(CircleLine) << twoCircles << 1.0 << QPointF(300, 128) << 0;
    QTest::newRow("circle-line inside") << int(CircleLine) << twoCircles << 1.0 << QPointF(300, 115) << -1;

    QTest::newRow("angle arm") << int(AngleLine) << Pts{{150, 50}, {50, 50}, {50, 150}} << 1.0 << QPointF(52, 100) << 0;
    QTest::newRow("arc guide") << int(Arc) << Pts{{0, 100}, {100, 0}, {200, 100}} << 1.0 << QPointF(150, 50) << 0;
    QTest::newRow("text handle") << int(Text) << Pts{{100, 100}} << 1.0 << QPointF(103, 102) << 1;
    QTest::newRow("text elsewhere") << int(Text) << Pts{{100, 100}} << 1.0 << QPointF(130, 110) << -1;
}

void TestShapes::hitTests()
{
    QFETCH(int, type);
    QFETCH(Pts, points);
    QFETCH(double, zoom);
    QFETCH(QPointF, probe);
    QFETCH(int, expected);
    SceneFixture f(QSize(400, 300), zoom, zoom);
    QCOMPARE(f.scene.scaleX(), zoom);
    GraphicsItem *shape = addFinished(f.scene, type, points);
    QCOMPARE(shape->hitTest(probe), expected);
}

void TestShapes::boundingRectFollowsCursor()
{
    GraphicsLineItem line;
    QVERIFY(line.boundingRect().isEmpty());
    line.press(QPointF(10, 20), Qt::LeftButton);
    line.release(QPointF(10, 20), Qt::LeftButton);
    line.move(QPointF(50, 5));
    QCOMPARE(line.boundingRect(), QRectF(QPointF(10, 5), QPointF(50, 20)));
    line.press(QPointF(30, 40), Qt::LeftButton);
    QVERIFY(line.isFinished());
    QCOMPARE(line.boundingRect(), QRectF(QPointF(10, 20), QPointF(30, 40)));
}

void TestShapes::brokenLineEndsOnRightClick()
{
    GraphicsBrokenLineItem chain;
    const QPointF a(10, 10), b(50, 10), c(50, 60), d(90, 90);
    for (const QPointF &p : {a, b, c}) {
        chain.press(p, Qt::LeftButton);
        chain.release(p, Qt::LeftButton);
    }
    chain.press(d, Qt::RightButton); // the right press adds a point ...
    QCOMPARE(chain.pointCount(), 4);
    chain.release(d, Qt::RightButton); // ... which the finish takes back
    QVERIFY(chain.isFinished());
    QCOMPARE(chain.points(), (QVector<QPointF>{a, b, c}));
    QCOMPARE(chain.maxPoints(), 3);
    const auto drawn = recordShape(&chain);
    QCOMPARE(drawn->engine.textList(), QStringList{"L:90.0000 px"});
    QCOMPARE(drawn->engine.lines.size(), 2);
}

void TestShapes::crossKeepsSecondClick()
{
    GraphicsCrossItem cross;
    cross.press(QPointF(10, 10), Qt::LeftButton);
    cross.release(QPointF(10, 10), Qt::LeftButton);
    QVERIFY(!cross.isFinished());
    cross.press(QPointF(70, 40), Qt::LeftButton);
    QVERIFY(cross.isFinished());
    QCOMPARE(cross.points(), (QVector<QPointF>{{70, 40}}));
    QCOMPARE(cross.maxPoints(), 1);
    const auto drawn = recordShape(&cross);
    QCOMPARE(drawn->engine.lines.size(), 2);
    QCOMPARE(drawn->engine.lines[0].x1(), 70.0);
    QCOMPARE(drawn->engine.lines[1].y1(), 40.0);
    // The lines reach past any picture the device can hold.
    QVERIFY(drawn->engine.lines[1].x2() >= 4000.0);
}

void TestShapes::parallelSnapsWhileBuilding_data()
{
    QTest::addColumn<Pts>("firstThree");
    QTest::addColumn<QPointF>("click");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("horizontal") << Pts{{0, 0}, {100, 0}, {10, 50}} << QPointF(90, 57) << QPointF(90, 50);
    QTest::newRow("vertical") << Pts{{0, 0}, {0, 100}, {50, 10}} << QPointF(57, 90) << QPointF(50, 90);
    QTest::newRow("shallow: keeps x") << Pts{{0, 0}, {100, 50}, {0, 50}} << QPointF(60, 90) << QPointF(60, 80);
    QTest::newRow("steep: keeps y") << Pts{{0, 0}, {50, 100}, {0, 50}} << QPointF(60, 150) << QPointF(50, 150);
    QTest::newRow("tie takes the second") << Pts{{0, 0}, {100, 100}, {0, 50}} << QPointF(60, 100) << QPointF(50, 100);
}

void TestShapes::parallelSnapsWhileBuilding()
{
    QFETCH(Pts, firstThree);
    QFETCH(QPointF, click);
    QFETCH(QPointF, expected);
    GraphicsParallelLineItem pair;
    for (const QPointF &p : firstThree) {
        pair.press(p, Qt::LeftButton);
        pair.release(p, Qt::LeftButton);
    }
    // The provisional fourth point is drawn snapped ...
    pair.move(click);
    const auto drawn = recordShape(&pair);
    QVERIFY(drawn->engine.lines.size() >= 2);
    QCOMPARE(drawn->engine.lines[1].p2(), expected);
    // ... and the placed one lands there.
    pair.press(click, Qt::LeftButton);
    QVERIFY(pair.isFinished());
    QCOMPARE(pair.pointAt(3), expected);
}

void TestShapes::parallelSecondLineSlides()
{
    GraphicsParallelLineItem pair;
    pair.restore({ParallelLine, DrawStyle(), {{0, 0}, {100, 0}, {10, 50}, {90, 50}}, QString()});
    pair.press(QPointF(90, 50), Qt::LeftButton);
    QCOMPARE(pair.dragIndex(), 4);
    pair.move(QPointF(120, 70));
    pair.release(QPointF(120, 70), Qt::LeftButton);
    QCOMPARE(pair.pointAt(3), QPointF(120, 50));
    QCOMPARE(pair.pointAt(2), QPointF(10, 50));
    QCOMPARE(pair.pointAt(0), QPointF(0, 0));
}

void TestShapes::parallelFollowsFirstLine()
{
    GraphicsParallelLineItem pair;
    pair.restore({ParallelLine, DrawStyle(), {{0, 0}, {100, 0}, {10, 50}, {90, 50}}, QString()});
    pair.press(QPointF(100, 0), Qt::LeftButton);
    QCOMPARE(pair.dragIndex(), 2);
    pair.move(QPointF(0, 100)); // the first line now points down
    const QPointF p2 = pair.pointAt(2), p3 = pair.pointAt(3);
    QCOMPARE(pair.pointAt(1), QPointF(0, 100));
    // Parallel to the new first line, 50 away, ends at their former distances
    // from the midpoint (0, 50).
    QVERIFY(qAbs(p2.x() - p3.x()) < 1e-9);
    QVERIFY(qAbs(qAbs(p2.x()) - 50) < 1e-9);
    QVERIFY(qAbs(QLineF(p2, QPointF(0, 50)).length() - QLineF(QPointF(10, 50), QPointF(50, 0)).length()) < 1e-9);
    QVERIFY(qAbs(QLineF(p3, QPointF(0, 50)).length() - QLineF(QPointF(90, 50), QPointF(50, 0)).length()) < 1e-9);
    // Same side: the second line stays on the left of the first's direction.
    const QPointF dir = pair.pointAt(1) - pair.pointAt(0);
    const QPointF rel = p2 - pair.pointAt(0);
    QVERIFY(dir.x() * rel.y() - dir.y() * rel.x() > 0);
}

void TestShapes::circleLineCentreTakesRimAlong()
{
    GraphicsCircleLineItem shape;
    shape.restore({CircleLine, DrawStyle(), {{100, 100}, {130, 100}, {300, 100}, {300, 150}}, QString()});
    shape.press(QPointF(100, 100), Qt::LeftButton);
    shape.move(QPointF(110, 120.5));
    shape.release(QPointF(110, 120.5), Qt::LeftButton);
    QCOMPARE(shape.pointAt(0), QPointF(110, 120.5));
    QCOMPARE(shape.pointAt(1), QPointF(110, 90)); // 90.5 truncated
    // A rim point moves alone.
    shape.press(QPointF(300, 150), Qt::LeftButton);
    shape.move(QPointF(320, 150));
    QCOMPARE(shape.pointAt(3), QPointF(320, 150));
    QCOMPARE(shape.pointAt(2), QPointF(300, 100));
}

void TestShapes::wholeShapeDragIsWholePixels()
{
    GraphicsLineItem line;
    line.restore({Line, DrawStyle(), {{100, 100}, {200, 100}}, QString()});
    line.press(QPointF(150, 100), Qt::LeftButton);
    QCOMPARE(line.dragIndex(), 0);
    QPointF p(150, 100);
    for (int i = 0; i < 5; ++i) {
        p += QPointF(0.6, 0.6);
        line.move(p);
    }
    QCOMPARE(line.pointAt(0), QPointF(100, 100));
    line.move(p + QPointF(2.5, -1.5));
    QCOMPARE(line.pointAt(0), QPointF(102, 99));
    line.release(p, Qt::LeftButton);
    QCOMPARE(line.dragIndex(), -1);
    QVERIFY(!line.isPressed());
}

void TestShapes::degenerateDrawing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Pts>("points");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("curves"); // ellipses plus paths
    QTest::addColumn<int>("texts");
    QTest::newRow("arc collinear: guides only") << int(Arc) << Pts{{0, 0}, {50, 0}, {100, 0}} << 2 << 0 << 0;
    QTest::newRow("arc") << int(Arc) << Pts{{0, 100}, {100, 0}, {200, 100}} << 2 << 1 << 1;
    QTest::newRow("circle3 collinear") << int(Circle3) << Pts{{0, 0}, {50, 50}, {100, 100}} << 2 << 0 << 0;
    QTest::newRow("perpendicular on a point base")
        << int(VerticalLine) << Pts{{50, 50}, {50, 50}, {80, 80}} << 1 << 0 << 0;
    QTest::newRow("parallel") << int(ParallelLine) << Pts{{0, 0}, {100, 0}, {10, 50}, {90, 50}} << 3 << 0 << 1;
    QTest::newRow("circle-line") << int(CircleLine) << Pts{{10, 10}, {20, 10}, {40, 50}, {50, 50}} << 1 << 2 << 1;
    QTest::newRow("concentric") << int(DoubleCircle) << Pts{{100, 100}, {130, 100}, {100, 150}} << 0 << 2 << 2;
    QTest::newRow("angle zero arm") << int(AngleLine) << Pts{{50, 50}, {50, 50}, {80, 80}} << 2 << 0 << 0;
}

void TestShapes::degenerateDrawing()
{
    QFETCH(int, type);
    QFETCH(Pts, points);
    QFETCH(int, lines);
    QFETCH(int, curves);
    QFETCH(int, texts);
    SceneFixture f;
    GraphicsItem *shape = addFinished(f.scene, type, points);
    int segments = 0, arcs = 0;
    for (const OutlinePart &part : shape->outline()) {
        segments += part.kind == OutlinePart::Segment;
        arcs += part.kind == OutlinePart::Circle || part.kind == OutlinePart::Arc;
    }
    QCOMPARE(segments, lines);
    QCOMPARE(arcs, curves);
    QCOMPARE(shape->labels().size(), texts);
}

void TestShapes::polygonAreaSwitch()
{
    AppSettings settings;
    SceneFixture f;
    f.scene.setSettings(&settings);
    // Two vertices and the cursor already close the outline and show an area.
    GraphicsPolygonItem *polygon = new GraphicsPolygonItem;
    f.scene.addItem(polygon);
    polygon->press(QPointF(0, 0), Qt::LeftButton);
    polygon->release(QPointF(0, 0), Qt::LeftButton);
    polygon->press(QPointF(100, 0), Qt::LeftButton);
    polygon->release(QPointF(100, 0), Qt::LeftButton);
    polygon->move(QPointF(100, 100));
    auto drawn = recordShape(polygon);
    QCOMPARE(drawn->engine.lines.size(), 3);
    QCOMPARE(drawn->engine.textList(), QStringList{"S:5000.0000 px^px"});
    settings.polygonArea = 0;
    drawn = recordShape(polygon);
    QCOMPARE(drawn->engine.lines.size(), 3);
    QVERIFY(drawn->engine.texts.isEmpty());
}

void TestShapes::handlesOnlyWhenUnfinishedOrHovered()
{
    SceneFixture f(QSize(400, 300), 2, 2);
    GraphicsItem *line = addFinished(f.scene, Line, {{10, 10}, {50, 10}});
    QVERIFY(recordShape(line)->engine.rects.isEmpty());
    line->setHovered(true);
    const auto drawn = recordShape(line);
    QCOMPARE(drawn->engine.rects.size(), 2);
    // 10 x 10 view pixels centred on the view point, whatever the zoom.
    QCOMPARE(drawn->engine.rects[1], QRectF(95, 15, 10, 10));
    GraphicsItem *circle = addFinished(f.scene, Circle1, {{100, 100}, {150, 100}});
    circle->setHovered(true);
    QCOMPARE(recordShape(circle)->engine.rects.size(), 1); // centre only
}

void TestShapes::textSurvivesRecord()
{
    GraphicsTextItem note;
    note.setText(QStringLiteral("crack"));
    note.press(QPointF(30, 40), Qt::LeftButton);
    QVERIFY(note.isFinished());
    QCOMPARE(note.boundingRect(), QRectF(30, 40, 60, 20));
    const ShapeRecord record = note.record();
    std::unique_ptr<GraphicsItem> copy(createShape(record.type));
    copy->restore(record);
    QCOMPARE(static_cast<GraphicsTextItem *>(copy.get())->text(), QStringLiteral("crack"));
    QCOMPARE(copy->points(), (QVector<QPointF>{{30, 40}}));
    QVERIFY(copy->isFinished());
}

void TestShapes::textDrawing()
{
    SceneFixture f;
    DrawStyle style;
    style.textColorIndex = 2;
    style.fontSizeIndex = 0;
    GraphicsTextItem *note = new GraphicsTextItem;
    note->setStyle(style);
    note->setText(QStringLiteral("note"));
    f.scene.addItem(note);
    QVERIFY(recordShape(note)->engine.texts.isEmpty()); // nothing before it is placed
    note->press(QPointF(30.7, 40), Qt::LeftButton);
    const auto drawn = recordShape(note);
    QCOMPARE(drawn->engine.textList(), QStringList{"note"});
    QCOMPARE(drawn->engine.fills()[0].pos, QPointF(31, 52)); // view point (31, 40) plus 12 px
    QVERIFY(drawn->engine.rects.isEmpty());
}

void TestShapes::anyPointCountIsSafe_data()
{
    QTest::addColumn<int>("type");
    for (int type = Point; type <= Text; ++type) {
        if (type != Select && type != Erase)
            QTest::newRow(qPrintable(QString::number(type))) << type;
    }
}

// Records restored with too few or too many points (or all on one spot)
// draw, hit-test and drag without harm.
void TestShapes::anyPointCountIsSafe()
{
    QFETCH(int, type);
    SceneFixture f;
    for (int count = 0; count <= 6; ++count) {
        for (bool sameSpot : {false, true}) {
            Pts points;
            for (int i = 0; i < count; ++i)
                points.append(sameSpot ? QPointF(80, 80) : QPointF(40 + 37 * i, 30 + 23 * (i % 3)));
            GraphicsItem *shape = addFinished(f.scene, type, points);
            shape->setHovered(true);
            recordShape(shape);
            for (const QPointF probe : {QPointF(80, 80), QPointF(41, 31), QPointF(300, 200)}) {
                const int code = shape->hitTest(probe);
                QVERIFY(code >= -1 && code <= count);
                shape->press(probe, Qt::LeftButton);
                shape->move(probe + QPointF(3, 4));
                shape->release(probe + QPointF(3, 4), Qt::LeftButton);
            }
            recordShape(shape);
            f.scene.grabImage();
            f.scene.removeShape(shape);
        }
    }
}

void TestShapes::rulerReadings_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("expected");
    QTest::newRow("mm") << 0 << 25.0;
    QTest::newRow("cm") << 1 << 2.5;
    QTest::newRow("um") << 2 << 25000.0;
    QTest::newRow("in") << 3 << 25.0 / 25.4;
    QTest::newRow("px falls back to mm") << 4 << 25.0;
}

void TestShapes::rulerReadings()
{
    QFETCH(int, unit);
    QFETCH(double, expected);
    const double saved = screenMmPerPixel();
    setScreenMmPerPixel(0.25);
    GraphicsMeasureItem ruler;
    setScreenMmPerPixel(saved);
    ruler.restore({Base, DrawStyle(), {{10, 10}, {70, 90}}, QString()});
    ruler.setUnit(unit);
    QCOMPARE(ruler.shapeType(), int(Base));
    QCOMPARE(ruler.viewLength(), 100.0);
    QVERIFY(qAbs(ruler.realLength() - expected) < 1e-9);
}

void TestShapes::rulerFollowsZoom()
{
    const double saved = screenMmPerPixel();
    setScreenMmPerPixel(0.25);
    SceneFixture f(QSize(400, 300), 2, 2);
    f.scene.showRuler(true);
    setScreenMmPerPixel(saved);
    GraphicsMeasureItem *ruler = f.scene.ruler();
    QVERIFY(ruler);
    QCOMPARE(ruler->points(), (QVector<QPointF>{{100, 150}, {300, 150}}));
    QCOMPARE(ruler->viewLength(), 400.0);
    QCOMPARE(ruler->realLength(), 100.0);
    QVERIFY(ruler->isFinished());
    QVERIFY(!ruler->isSelected());
    // Ticks 50 view pixels to each side at both ends, no text.
    const auto drawn = recordShape(ruler);
    QCOMPARE(drawn->engine.lines.size(), 3);
    QCOMPARE(drawn->engine.lines[1], QLineF(QPointF(200, 250), QPointF(200, 350)));
    QVERIFY(drawn->engine.texts.isEmpty());
}

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
