#include "measure/geometry.h"

#include <QtMath>

#include <cmath>
#include <limits>

namespace geometry {

double distance(const QPointF &a, const QPointF &b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double distanceToSegment(const QPointF &p, const QPointF &a, const QPointF &b)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double len2 = dx * dx + dy * dy;
    if (len2 == 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    const double t = ((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / len2;
    if (t < 0.0)
        return distance(p, a);
    if (t > 1.0)
        return distance(p, b);
    return distance(p, QPointF(a.x() + t * dx, a.y() + t * dy));
}

bool isNearSegment(const QPointF &p, const QPointF &a, const QPointF &b, double tolerance)
{
    return distanceToSegment(p, a, b) < tolerance;
}

bool isNearCircle(const QPointF &p, const QPointF &centre, double radius)
{
    return std::fabs(distance(p, centre) - radius) < 5.0;
}

double angleBetween(const QPointF &vertex, const QPointF &a, const QPointF &b)
{
    const double ux = a.x() - vertex.x(), uy = a.y() - vertex.y();
    const double vx = b.x() - vertex.x(), vy = b.y() - vertex.y();
    const double c = (ux * vx + uy * vy) / std::sqrt((ux * ux + uy * uy) * (vx * vx + vy * vy));
    if (c >= 1.0)
        return 0.0;
    if (c <= -1.0)
        return -M_PI;
    const double angle = std::acos(c); // NaN for a zero-length arm
    return vy * ux - vx * uy > 0 ? angle : -angle;
}

Circle circleThrough(const QPointF &p1, const QPointF &p2, const QPointF &p3)
{
    // Relative to p1, so that large coordinates lose no digits.
    const double bx = p2.x() - p1.x(), by = p2.y() - p1.y();
    const double cx = p3.x() - p1.x(), cy = p3.y() - p1.y();
    const double g = bx * cy - by * cx;
    Circle result;
    if (std::fabs(g) < 1e-5 || !std::isfinite(g))
        return result;
    const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const double ux = (cy * b2 - by * c2) / (2.0 * g);
    const double uy = (bx * c2 - cx * b2) / (2.0 * g);
    result.centre = QPointF(p1.x() + ux, p1.y() + uy);
    result.radius = std::hypot(ux, uy);
    return result;
}

ArcThrough arcThrough(const QPointF &p0, const QPointF &p1, const QPointF &p2)
{
    ArcThrough arc;
    arc.circle = circleThrough(p0, p1, p2);
    if (arc.circle.radius <= 0)
        return arc;
    const QPointF c = arc.circle.centre;
    const auto angle = [&c](const QPointF &p) { return std::atan2(c.y() - p.y(), p.x() - c.x()); };
    const auto turn = [](double a) { // into [0, 2 pi)
        a = std::fmod(a, 2.0 * M_PI);
        return a < 0 ? a + 2.0 * M_PI : a;
    };
    const double a0 = angle(p0);
    const double counter = turn(angle(p2) - a0); // counter-clockwise from p0 to p2
    const double middle = turn(angle(p1) - a0);
    // The sense that passes the middle point.
    const double span = middle <= counter ? counter : counter - 2.0 * M_PI;
    arc.startAngle = qRadiansToDegrees(a0);
    arc.spanAngle = qRadiansToDegrees(span);
    arc.length = std::fabs(span) * arc.circle.radius;
    return arc;
}

double arcAngle(const QPointF &centre, const QPointF &p, double radius)
{
    const double e = qBound(-1.0, (p.x() - centre.x()) / radius, 1.0);
    const double a = qRadiansToDegrees(std::acos(e));
    return p.y() < centre.y() ? a - 360.0 : -a;
}

int arcSpan16(const QPointF &centre, double radius, const QPointF &p0, const QPointF &p2)
{
    const double start = arcAngle(centre, p0, radius) * 16.0;
    const double end = arcAngle(centre, p2, radius) * 16.0;
    double span = end - start;
    if (span >= 0)
        span -= 5760.0;
    return qRound(span);
}

LineEq lineThrough(const QPointF &a, const QPointF &b)
{
    const double k = b.y() < a.y() ? -1.0 : 1.0;
    LineEq eq;
    eq.a = k * (b.y() - a.y());
    eq.b = k * (a.x() - b.x());
    eq.c = k * (b.x() * a.y() - a.x() * b.y());
    return eq;
}

QPointF snapToParallel(const QPointF &q, const QPointF &s, const LineEq &dir)
{
    const double A = dir.a, B = dir.b;
    if (A == 0.0 && B == 0.0)
        return q;
    const double C = -(A * s.x() + B * s.y());
    // Candidate 1 shares q's x (q's y on a vertical line), candidate 2 shares
    // q's y (q's x on a horizontal line).
    const QPointF first = B != 0.0 ? QPointF(q.x(), -(A * q.x() + C) / B) : QPointF(-C / A, q.y());
    const QPointF second = A != 0.0 ? QPointF(-(B * q.y() + C) / A, q.y()) : QPointF(q.x(), -C / B);
    return distance(first, q) < distance(second, q) ? first : second;
}

bool perpendicularFoot(const QPointF &p, const QPointF &a, const QPointF &b, QPointF *foot)
{
    // a + t*d = p + s*n with n the normal of d, solved by Cramer's rule.
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double nx = -dy, ny = dx;
    const double det = dx * (-ny) - (-nx) * dy;
    if (std::fabs(det) < 1e-10)
        return false;
    const double rx = p.x() - a.x(), ry = p.y() - a.y();
    const double t = (rx * (-ny) - (-nx) * ry) / det;
    *foot = QPointF(a.x() + t * dx, a.y() + t * dy);
    return true;
}

double polygonArea(const QPointF *points, int count)
{
    double sum = 0.0;
    for (int i = 0; i < count; ++i) {
        const QPointF &p = points[i];
        const QPointF &q = points[(i + 1) % count];
        sum += p.x() * q.y() - p.y() * q.x();
    }
    return std::fabs(sum) / 2.0;
}

} // namespace geometry
