#include "measure/geometry.h"

#include <QtMath>

#include <cmath>
#include <limits>

namespace geometry {

double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

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
    const double x1 = p1.x(), y1 = p1.y(), x2 = p2.x(), y2 = p2.y(), x3 = p3.x(), y3 = p3.y();
    const double g = (x1 - x3) * (y1 - y2) - (y1 - y3) * (x1 - x2);
    Circle result;
    if (std::fabs(g) < 1e-5)
        return result;
    const double h = ((y1 * y1 - y2 * y2) + (x1 * x1 - x2 * x2)) / 2.0;
    const double l = ((y1 * y1 - y3 * y3) + (x1 * x1 - x3 * x3)) / 2.0;
    const double cx = -(h * (y1 - y3) - l * (y1 - y2)) / g;
    const double cy = -(l * (x1 - x2) - h * (x1 - x3)) / g;
    result.centre = QPointF(cx, cy);
    result.radius = std::hypot(x1 - cx, y1 - cy);
    return result;
}

double arcAngle(const QPointF &centre, const QPointF &p, double radius)
{
    float e = float((p.x() - centre.x()) / radius);
    e = qBound(-1.0f, e, 1.0f);
    const double a = qRadiansToDegrees(double(std::acos(e)));
    return p.y() < centre.y() ? a - 360.0 : -a;
}

int arcSpan16(const QPointF &centre, double radius, const QPointF &p0, const QPointF &p2)
{
    const double start = arcAngle(centre, p0, radius) * 16.0;
    const double end = arcAngle(centre, p2, radius) * 16.0;
    double span = end - start;
    if (span >= 0)
        span -= 5760.0;
    // Rounded, not truncated: the single-precision angle is a hair off.
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
