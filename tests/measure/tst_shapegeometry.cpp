#include "measure/geometry.h"

#include <QtMath>
#include <QtTest>

#include <cmath>

using namespace geometry;

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void segmentDistance_data();
    void segmentDistance();
    void angle_data();
    void angle();
    void circle_data();
    void circle();
    void arcAngles_data();
    void arcAngles();
    void arcSpanAlwaysClockwise_data();
    void arcSpanAlwaysClockwise();
    void lineEquation();
    void snapDegenerate();
    void foot();
    void area();
    void nearCircleIsFixedFive();
};

void TestGeometry::segmentDistance_data()
{
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::addColumn<double>("expected"); // NaN: never near
    const QPointF a(0, 0), b(10, 0);
    QTest::newRow("above the middle") << QPointF(5, 3) << a << b << 3.0;
    QTest::newRow("before a") << QPointF(-3, 4) << a << b << 5.0;
    QTest::newRow("past b") << QPointF(13, -4) << a << b << 5.0;
    QTest::newRow("on the segment") << QPointF(7, 0) << a << b << 0.0;
    QTest::newRow("diagonal") << QPointF(0, 10) << QPointF(0, 0) << QPointF(10, 10) << std::sqrt(50.0);
    QTest::newRow("ends coincide") << QPointF(5, 5) << QPointF(5, 5) << QPointF(5, 5) << qQNaN();
}

void TestGeometry::segmentDistance()
{
    QFETCH(QPointF, p);
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QFETCH(double, expected);
    const double d = distanceToSegment(p, a, b);
    if (std::isnan(expected)) {
        QVERIFY(std::isnan(d));
        QVERIFY(!isNearSegment(p, a, b, 1e9));
        return;
    }
    QVERIFY(qAbs(d - expected) < 1e-12);
    QVERIFY(isNearSegment(p, a, b, expected + 1e-9));
    QVERIFY(!isNearSegment(p, a, b, expected)); // strictly closer than
}

void TestGeometry::angle_data()
{
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::addColumn<double>("degrees");
    QTest::newRow("right, turning down") << QPointF(10, 0) << QPointF(0, 10) << 90.0;
    QTest::newRow("right, turning up") << QPointF(10, 0) << QPointF(0, -10) << -90.0;
    QTest::newRow("same direction") << QPointF(10, 0) << QPointF(3, 0) << 0.0;
    QTest::newRow("opposite") << QPointF(10, 0) << QPointF(-3, 0) << -180.0;
    QTest::newRow("45") << QPointF(5, 0) << QPointF(7, 7) << 45.0;
    QTest::newRow("135 below") << QPointF(5, 0) << QPointF(-7, 7) << 135.0;
}

void TestGeometry::angle()
{
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QFETCH(double, degrees);
    const QPointF vertex(100, 100);
    const double result = qRadiansToDegrees(angleBetween(vertex, vertex + a, vertex + b));
    QVERIFY2(qAbs(result - degrees) < 1e-9, qPrintable(QString::number(result)));
}

void TestGeometry::circle_data()
{
    QTest::addColumn<QPointF>("p1");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<QPointF>("p3");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");
    QTest::newRow("unit-ish") << QPointF(0, 100) << QPointF(100, 0) << QPointF(200, 100) << QPointF(100, 100) << 100.0;
    QTest::newRow("offset") << QPointF(160, 20) << QPointF(100, 0) << QPointF(40, 180) << QPointF(100, 100) << 100.0;
    QTest::newRow("collinear") << QPointF(0, 0) << QPointF(50, 50) << QPointF(100, 100) << QPointF(0, 0) << -1.0;
    QTest::newRow("coincident") << QPointF(5, 5) << QPointF(5, 5) << QPointF(9, 1) << QPointF(0, 0) << -1.0;
}

void TestGeometry::circle()
{
    QFETCH(QPointF, p1);
    QFETCH(QPointF, p2);
    QFETCH(QPointF, p3);
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    const Circle c = circleThrough(p1, p2, p3);
    QVERIFY(qAbs(c.radius - radius) < 1e-9);
    QVERIFY(qAbs(c.centre.x() - centre.x()) < 1e-9);
    QVERIFY(qAbs(c.centre.y() - centre.y()) < 1e-9);
}

void TestGeometry::arcAngles_data()
{
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<double>("expected");
    // Centre (0, 0), radius 10; screen y grows downwards.
    QTest::newRow("right") << QPointF(10, 0) << 0.0;
    QTest::newRow("top") << QPointF(0, -10) << -270.0;
    QTest::newRow("left") << QPointF(-10, 0) << -180.0;
    QTest::newRow("bottom") << QPointF(0, 10) << -90.0;
    QTest::newRow("clamped past the rim") << QPointF(10.5, 0) << 0.0;
}

void TestGeometry::arcAngles()
{
    QFETCH(QPointF, p);
    QFETCH(double, expected);
    QVERIFY(qAbs(arcAngle(QPointF(0, 0), p, 10) - expected) < 1e-4);
}

void TestGeometry::arcSpanAlwaysClockwise_data()
{
    QTest::addColumn<QPointF>("p0");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<int>("span");
    QTest::newRow("left to right over the top") << QPointF(-10, 0) << QPointF(10, 0) << -2880;
    QTest::newRow("right to left under") << QPointF(10, 0) << QPointF(-10, 0) << -2880;
    QTest::newRow("top to right") << QPointF(0, -10) << QPointF(10, 0) << -1440;
    QTest::newRow("right to top: the long way") << QPointF(10, 0) << QPointF(0, -10) << -4320;
    QTest::newRow("same point: full turn") << QPointF(10, 0) << QPointF(10, 0) << -5760;
}

void TestGeometry::arcSpanAlwaysClockwise()
{
    QFETCH(QPointF, p0);
    QFETCH(QPointF, p2);
    QFETCH(int, span);
    QCOMPARE(arcSpan16(QPointF(0, 0), 10, p0, p2), span);
}

void TestGeometry::lineEquation()
{
    // A >= 0 whichever way the line is given.
    const LineEq up = lineThrough(QPointF(0, 10), QPointF(10, 0));
    const LineEq down = lineThrough(QPointF(10, 0), QPointF(0, 10));
    QCOMPARE(up.a, down.a);
    QCOMPARE(up.b, down.b);
    QCOMPARE(up.c, down.c);
    QVERIFY(up.a >= 0);
    for (const QPointF p : {QPointF(0, 10), QPointF(10, 0), QPointF(5, 5)})
        QCOMPARE(up.a * p.x() + up.b * p.y() + up.c, 0.0);
}

void TestGeometry::snapDegenerate()
{
    const LineEq none = lineThrough(QPointF(3, 3), QPointF(3, 3));
    QCOMPARE(snapToParallel(QPointF(7, 8), QPointF(1, 1), none), QPointF(7, 8));
    const LineEq horizontal = lineThrough(QPointF(0, 0), QPointF(10, 0));
    QCOMPARE(snapToParallel(QPointF(7, 8), QPointF(1, 1), horizontal), QPointF(7, 1));
    const LineEq vertical = lineThrough(QPointF(0, 0), QPointF(0, 10));
    QCOMPARE(snapToParallel(QPointF(7, 8), QPointF(1, 1), vertical), QPointF(1, 8));
}

void TestGeometry::foot()
{
    QPointF f;
    QVERIFY(perpendicularFoot(QPointF(0, 10), QPointF(0, 0), QPointF(10, 10), &f));
    QVERIFY(qAbs(f.x() - 5) < 1e-12 && qAbs(f.y() - 5) < 1e-12);
    QVERIFY(perpendicularFoot(QPointF(-5, 3), QPointF(0, 0), QPointF(10, 0), &f)); // beyond the end: on the line
    QCOMPARE(f, QPointF(-5, 0));
    QVERIFY(!perpendicularFoot(QPointF(1, 1), QPointF(2, 2), QPointF(2, 2), &f));
}

void TestGeometry::area()
{
    const QPointF square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const QPointF reversed[] = {{0, 10}, {10, 10}, {10, 0}, {0, 0}};
    const QPointF bowtie[] = {{0, 0}, {10, 10}, {10, 0}, {0, 10}};
    QCOMPARE(polygonArea(square, 4), 100.0);
    QCOMPARE(polygonArea(reversed, 4), 100.0);
    QCOMPARE(polygonArea(square, 2), 0.0);
    QCOMPARE(polygonArea(bowtie, 4), 0.0); // self-crossing halves cancel
}

void TestGeometry::nearCircleIsFixedFive()
{
    QVERIFY(isNearCircle(QPointF(14.9, 0), QPointF(0, 0), 10));
    QVERIFY(!isNearCircle(QPointF(15, 0), QPointF(0, 0), 10));
    QVERIFY(isNearCircle(QPointF(0, -5.1), QPointF(0, 0), 10));
    QVERIFY(!isNearCircle(QPointF(0, 0), QPointF(0, 0), 10));
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_shapegeometry.moc"
