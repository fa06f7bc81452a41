#include "measure/circleshapes.h"

#include "measure/geometry.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

using geometry::distance;

namespace {

// Handle test where the centre (code 1) grabs the whole shape.
int centreGrabs(int code)
{
    return code == 1 ? 0 : code;
}

void drawCircle(QPainter *painter, const QPointF &centre, double radius)
{
    painter->drawEllipse(centre, radius, radius);
}

} // namespace

// ---------------------------------------------------------------- angle

GraphicsAngleLineItem::GraphicsAngleLineItem()
{
    setShapeType(AngleLine);
    setMaxPoints(3);
}

int GraphicsAngleLineItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    for (int i = 1; i < qMin(3, int(m_points.size())); ++i) {
        if (isNearSegment(p, m_points[i - 1], m_points[i]))
            return 0;
    }
    return -1;
}

QString GraphicsAngleLineItem::angleText(const QPointF &a, const QPointF &vertex, const QPointF &b)
{
    const double theta = qRadiansToDegrees(geometry::angleBetween(vertex, a, b));
    if (std::isnan(theta))
        return QString();
    return QStringLiteral("A:") + QString::number(std::fabs(theta), 'f', 2) + QStringLiteral(" deg");
}

void GraphicsAngleLineItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    const QVector<QPointF> view = viewPoints(pic);
    for (int i = 1; i < qMin(3, int(view.size())); ++i)
        painter->drawLine(view[i - 1], view[i]);
    if (pic.size() < 3)
        return;
    // Measured on the picture, so neither zoom nor stretch changes it.
    drawLabel(painter, view[1], angleText(pic[0], pic[1], pic[2]));
}

// ---------------------------------------------------------------- arc

GraphicsArcItem::GraphicsArcItem()
{
    setShapeType(Arc);
    setMaxPoints(3);
}

int GraphicsArcItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    for (int i = 1; i < qMin(3, int(m_points.size())); ++i) {
        if (isNearSegment(p, m_points[i - 1], m_points[i]))
            return 0;
    }
    return -1;
}

void GraphicsArcItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return;
    const QVector<QPointF> view = viewPoints(pic);
    painter->drawLine(view[0], view[1]);
    if (pic.size() < 3)
        return;
    painter->drawLine(view[1], view[2]);

    const geometry::Circle vc = geometry::circleThrough(view[0], view[1], view[2]);
    if (vc.radius > 0) {
        const double r = vc.radius;
        const int start = qRound(geometry::arcAngle(vc.centre, view[0], r) * 16.0);
        const int span = geometry::arcSpan16(vc.centre, r, view[0], view[2]);
        painter->drawArc(QRectF(vc.centre.x() - r, vc.centre.y() - r, 2 * r, 2 * r), start, span);
    }

    // Length on the picture's own circle; collinear points have none.
    const geometry::Circle pc = geometry::circleThrough(pic[0], pic[1], pic[2]);
    if (pc.radius <= 0)
        return;
    const double start = geometry::arcAngle(pc.centre, pic[0], pc.radius) * 16.0;
    const double end = geometry::arcAngle(pc.centre, pic[2], pc.radius) * 16.0;
    double span = end - start;
    if (span >= 0)
        span -= 5760.0;
    const double length = std::fabs(span) / 360.0 * 0.0625 * 2.0 * M_PI * pc.radius;
    drawLabel(painter, view[0], measureText(QStringLiteral("C"), length));
}

// ---------------------------------------------------------------- circle by centre

GraphicsCircle1Item::GraphicsCircle1Item()
{
    setShapeType(Circle1);
    setMaxPoints(2);
}

int GraphicsCircle1Item::hitTest(const QPointF &p) const
{
    return centreGrabs(GraphicsItem::hitTest(p));
}

void GraphicsCircle1Item::drawShape(QPainter *painter)
{
    const QVector<QPointF> pic = pointsWithCursor();
    const QVector<QPointF> view = viewPoints(pic);
    if (showsHandles() && !m_points.isEmpty())
        drawHandlesAt(painter, {view[0]});
    if (pic.size() < 2)
        return;
    drawCircle(painter, view[0], distance(view[0], view[1]));
    drawLabel(painter, view[0], measureText(QStringLiteral("R"), distance(pic[0], pic[1])));
}

// ---------------------------------------------------------------- circle by diameter

GraphicsCircle2Item::GraphicsCircle2Item()
{
    setShapeType(Circle2);
    setMaxPoints(2);
}

int GraphicsCircle2Item::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    if (m_points.size() >= 2 && isNearSegment(p, m_points[0], m_points[1]))
        return 0;
    return -1;
}

void GraphicsCircle2Item::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return;
    const QVector<QPointF> view = viewPoints(pic);
    painter->drawLine(view[0], view[1]);
    drawCircle(painter, (view[0] + view[1]) / 2.0, distance(view[0], view[1]) / 2.0);
    drawLabel(painter, view[0], measureText(QStringLiteral("D"), distance(pic[0], pic[1])));
}

// ---------------------------------------------------------------- circle through three points

GraphicsCircle3Item::GraphicsCircle3Item()
{
    setShapeType(Circle3);
    setMaxPoints(3);
}

int GraphicsCircle3Item::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    for (int i = 1; i < qMin(3, int(m_points.size())); ++i) {
        if (isNearSegment(p, m_points[i - 1], m_points[i]))
            return 0;
    }
    return -1;
}

void GraphicsCircle3Item::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return;
    const QVector<QPointF> view = viewPoints(pic);
    painter->drawLine(view[0], view[1]);
    if (pic.size() < 3)
        return;
    painter->drawLine(view[1], view[2]);
    const geometry::Circle vc = geometry::circleThrough(view[0], view[1], view[2]);
    if (vc.radius > 0)
        drawCircle(painter, vc.centre, vc.radius);
    const geometry::Circle pc = geometry::circleThrough(pic[0], pic[1], pic[2]);
    if (pc.radius > 0)
        drawLabel(painter, view[0], measureText(QStringLiteral("R"), pc.radius));
}

// ---------------------------------------------------------------- concentric circles

GraphicsDoubleCircleItem::GraphicsDoubleCircleItem()
{
    setShapeType(DoubleCircle);
    setMaxPoints(3);
}

int GraphicsDoubleCircleItem::hitTest(const QPointF &p) const
{
    return centreGrabs(GraphicsItem::hitTest(p));
}

void GraphicsDoubleCircleItem::drawShape(QPainter *painter)
{
    const QVector<QPointF> pic = pointsWithCursor();
    const QVector<QPointF> view = viewPoints(pic);
    if (showsHandles() && !m_points.isEmpty())
        drawHandlesAt(painter, {view[0]});
    if (pic.size() < 2)
        return;
    drawCircle(painter, view[0], distance(view[0], view[1]));
    drawLabel(painter, view[0], measureText(QStringLiteral("R1"), distance(pic[0], pic[1])));
    if (pic.size() < 3)
        return;
    drawCircle(painter, view[0], distance(view[0], view[2]));
    drawLabel(painter, view[0], measureText(QStringLiteral("R2"), distance(pic[0], pic[2])), 2);
}

// ---------------------------------------------------------------- two circles and their distance

GraphicsCircleLineItem::GraphicsCircleLineItem()
{
    setShapeType(CircleLine);
    setMaxPoints(4);
}

void GraphicsCircleLineItem::setPoint(int index, const QPointF &p)
{
    if (!m_finished || m_points.size() != 4 || (index != 0 && index != 2)) {
        GraphicsItem::setPoint(index, p);
        return;
    }
    // A moved centre takes its rim point along, straight above it.
    const double radius = distance(m_points[index], m_points[index + 1]);
    storePoint(index, p);
    storePoint(index + 1, QPointF(p.x(), std::trunc(p.y() - radius)));
    repaint();
}

int GraphicsCircleLineItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    const QVector<QPointF> &pts = m_points;
    // The parts that are drawn: both rims and the line between the centres.
    if (pts.size() >= 2 && isNearCircle(p, pts[0], distance(pts[0], pts[1])))
        return 0;
    if (pts.size() >= 3 && isNearSegment(p, pts[0], pts[2]))
        return 0;
    if (pts.size() >= 4 && isNearCircle(p, pts[2], distance(pts[2], pts[3])))
        return 0;
    return -1;
}

void GraphicsCircleLineItem::drawShape(QPainter *painter)
{
    const QVector<QPointF> pic = pointsWithCursor();
    const QVector<QPointF> view = viewPoints(pic);
    if (showsHandles()) {
        QVector<QPointF> centres;
        if (m_points.size() >= 1)
            centres.append(view[0]);
        if (m_points.size() >= 3)
            centres.append(view[2]);
        drawHandlesAt(painter, centres);
    }
    if (pic.size() < 2)
        return;
    drawCircle(painter, view[0], int(distance(view[0], view[1])));
    if (pic.size() < 3)
        return;
    painter->drawLine(view[0], view[2]);
    if (pic.size() < 4)
        return;
    drawCircle(painter, view[2], int(distance(view[2], view[3])));
    drawLabel(painter, view[0], measureText(QStringLiteral("L"), distance(pic[0], pic[2])));
}
