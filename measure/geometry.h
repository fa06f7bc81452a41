#pragma once

#include <QPointF>

// Pure plane geometry shared by the measurement shapes. Every function works
// in whatever coordinates it is given (picture or view pixels).
namespace geometry {

double distance(const QPointF &a, const QPointF &b);

// Distance from p to the segment a-b; NaN when a and b coincide, so that
// every "closer than" comparison with it is false.
double distanceToSegment(const QPointF &p, const QPointF &a, const QPointF &b);
bool isNearSegment(const QPointF &p, const QPointF &a, const QPointF &b, double tolerance);

// Rim test with a fixed 5-pixel band.
bool isNearCircle(const QPointF &p, const QPointF &centre, double radius);

// Signed angle in radians from arm a to arm b around vertex; 0 for
// same-direction arms, -pi for opposite ones.
double angleBetween(const QPointF &vertex, const QPointF &a, const QPointF &b);

struct Circle
{
    QPointF centre;
    double radius = -1.0; // -1: the points were collinear
};
Circle circleThrough(const QPointF &p1, const QPointF &p2, const QPointF &p3);

// The arc from p0 through p1 to p2 on their circle. Angles in degrees,
// counter-clockwise on screen (y down) as QPainter::drawArc takes them; the
// span is negative when the arc turns clockwise.
struct ArcThrough
{
    Circle circle; // radius -1: no arc (collinear or coincident points)
    double startAngle = 0.0;
    double spanAngle = 0.0;
    double length = 0.0; // in the points' pixels
};
ArcThrough arcThrough(const QPointF &p0, const QPointF &p1, const QPointF &p2);

// Angle of p on the circle in degrees, in QPainter::drawArc's convention
// (counter-clockwise on screen), within (-360, 0]. Double precision.
double arcAngle(const QPointF &centre, const QPointF &p, double radius);

// Span in sixteenths of a degree of the arc from p0 to p2, always turning
// clockwise on screen (negative), as drawArc takes it. Arcs of shapes use
// arcThrough, which follows the middle point.
int arcSpan16(const QPointF &centre, double radius, const QPointF &p0, const QPointF &p2);

// A*x + B*y + C = 0 through a and b, scaled so that A >= 0.
struct LineEq
{
    double a = 0, b = 0, c = 0;
};
LineEq lineThrough(const QPointF &a, const QPointF &b);

// q moved onto the line through s with the direction of `dir` (only its A and
// B are used): the nearer of the point straight above/below q and the point
// straight beside q; the second on a tie. q itself when dir is degenerate.
QPointF snapToParallel(const QPointF &q, const QPointF &s, const LineEq &dir);

// Foot of the perpendicular from p onto the line through a and b; false when
// a and b coincide.
bool perpendicularFoot(const QPointF &p, const QPointF &a, const QPointF &b, QPointF *foot);

// Shoelace area of a closed polygon, never negative.
double polygonArea(const QPointF *points, int count);

} // namespace geometry
