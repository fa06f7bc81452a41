#include "measure/lineshapes.h"

#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "measure/geometry.h"

#include <QtMath>

#include <cmath>

using geometry::distance;

namespace {

QPointF midpoint(const QPointF &a, const QPointF &b) { return (a + b) / 2.0; }

// Sum of the segment lengths between consecutive points.
double chainLength(const QVector<QPointF> &pts)
{
    double total = 0.0;
    for (int i = 1; i < pts.size(); ++i)
        total += distance(pts[i - 1], pts[i]);
    return total;
}

Outline chain(const QVector<QPointF> &pts, bool closed)
{
    Outline out;
    for (int i = 1; i < pts.size(); ++i)
        out.append(OutlinePart::segment(pts[i - 1], pts[i]));
    if (closed && pts.size() >= 3)
        out.append(OutlinePart::segment(pts.last(), pts.first()));
    return out;
}

MeasuredValues one(const char *name, double value, ValueKind kind = ValueKind::Length)
{
    return {MeasuredValue{QString::fromLatin1(name), value, kind}};
}

} // namespace

// ---------------------------------------------------------------- point

GraphicsPointItem::GraphicsPointItem()
{
    setShapeType(Point);
    setMaxPoints(1);
}

int GraphicsPointItem::hitTest(const QPointF &p) const
{
    if (m_points.isEmpty())
        return -1;
    const QPointF d = p - m_points[0];
    return std::fabs(d.x()) < 10.0 && std::fabs(d.y()) < 10.0 ? 0 : -1;
}

QPointF GraphicsPointItem::labelAnchor() const { return m_finished && !m_points.isEmpty() ? m_points[0] : m_cursorPos; }

MeasuredValues GraphicsPointItem::values() const
{
    // Whole picture pixels from the centre, y growing upwards.
    const QPointF pos = labelAnchor();
    const CameraScene *s = cameraScene();
    const QSize picture = s ? s->pictureSize() : QSize();
    return {{QStringLiteral("X"), double(qRound(pos.x()) - picture.width() / 2), ValueKind::Point},
            {QStringLiteral("Y"), double(picture.height() / 2 - qRound(pos.y())), ValueKind::Point}};
}

Outline GraphicsPointItem::outline() const
{
    OutlinePart dot{OutlinePart::Dot, labelAnchor(), QPointF()};
    return {dot};
}

// ---------------------------------------------------------------- line

GraphicsLineItem::GraphicsLineItem()
{
    setShapeType(Line);
    setMaxPoints(2);
}

MeasuredValues GraphicsLineItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    return pic.size() < 2 ? MeasuredValues() : one("L", distance(pic[0], pic[1]));
}

Outline GraphicsLineItem::outline() const { return chain(pointsWithCursor().mid(0, 2), false); }

// ---------------------------------------------------------------- broken line

GraphicsBrokenLineItem::GraphicsBrokenLineItem()
{
    setShapeType(BrokenLine);
    setMaxPoints(50);
}

bool GraphicsBrokenLineItem::canFinish()
{
    if (m_points.size() < 3)
        return false;
    removeLastPoint(); // the right click's own point
    setMaxPoints(m_points.size());
    return true;
}

MeasuredValues GraphicsBrokenLineItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    return pic.size() < 2 ? MeasuredValues() : one("L", chainLength(pic));
}

Outline GraphicsBrokenLineItem::outline() const { return chain(pointsWithCursor(), false); }

// ---------------------------------------------------------------- rectangle

GraphicsRectItem::GraphicsRectItem()
{
    setShapeType(Rect);
    setMaxPoints(2);
}

MeasuredValues GraphicsRectItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return {};
    return one("S", std::fabs((pic[1].x() - pic[0].x()) * (pic[1].y() - pic[0].y())), ValueKind::Area);
}

Outline GraphicsRectItem::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return {};
    return {OutlinePart{OutlinePart::Rectangle, pic[0], pic[1]}};
}

// ---------------------------------------------------------------- polygon

GraphicsPolygonItem::GraphicsPolygonItem()
{
    setShapeType(Polygon);
    setMaxPoints(100);
}

bool GraphicsPolygonItem::canFinish()
{
    if (m_points.size() < 3)
        return false;
    removeLastPoint();
    setMaxPoints(m_points.size());
    return true;
}

MeasuredValues GraphicsPolygonItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.isEmpty())
        return {};
    return one("S", geometry::polygonArea(pic.constData(), pic.size()), ValueKind::Area);
}

QStringList GraphicsPolygonItem::labels() const
{
    const CameraScene *s = cameraScene();
    if (s && s->settings() && s->settings()->polygonArea == 0)
        return {};
    return GraphicsItem::labels();
}

Outline GraphicsPolygonItem::outline() const { return chain(pointsWithCursor(), true); }

// ---------------------------------------------------------------- parallel lines

GraphicsParallelLineItem::GraphicsParallelLineItem()
{
    setShapeType(ParallelLine);
    setMaxPoints(4);
}

void GraphicsParallelLineItem::onFinished()
{
    if (m_points.size() == 4)
        storePoint(3,
                   geometry::snapToParallel(m_cursorPos, m_points[2], geometry::lineThrough(m_points[0], m_points[1])));
}

void GraphicsParallelLineItem::setPoint(int index, const QPointF &p)
{
    if (!m_finished || m_points.size() != 4) {
        GraphicsItem::setPoint(index, p);
        return;
    }
    const geometry::LineEq dir = geometry::lineThrough(m_points[0], m_points[1]);
    if (index == 2) {
        storePoint(2, geometry::snapToParallel(p, m_points[3], dir));
    } else if (index == 3) {
        storePoint(3, geometry::snapToParallel(p, m_points[2], dir));
    } else if (index == 0 || index == 1) {
        // Keep the second line's ends in the first line's own frame (along
        // and across it, from its midpoint), so it follows the first line
        // at the same side and the same distances.
        const QPointF oldMid = midpoint(m_points[0], m_points[1]);
        const QPointF oldDir = m_points[1] - m_points[0];
        const double oldLen = std::hypot(oldDir.x(), oldDir.y());
        QVector<QPointF> pts = m_points;
        pts[index] = p;
        const QPointF newDir = pts[1] - pts[0];
        const double newLen = std::hypot(newDir.x(), newDir.y());
        if (oldLen > 0.0 && newLen > 0.0) {
            const QPointF u(oldDir / oldLen), n(-u.y(), u.x());
            const QPointF u2(newDir / newLen), n2(-u2.y(), u2.x());
            const QPointF newMid = midpoint(pts[0], pts[1]);
            for (int i = 2; i < 4; ++i) {
                const QPointF r = m_points[i] - oldMid;
                const double along = r.x() * u.x() + r.y() * u.y();
                const double across = r.x() * n.x() + r.y() * n.y();
                pts[i] = newMid + along * u2 + across * n2;
            }
        }
        setPoints(pts);
    } else {
        return;
    }
    repaint();
}

QVector<QPointF> GraphicsParallelLineItem::measurePoints() const
{
    QVector<QPointF> pic = pointsWithCursor();
    if (!m_finished && pic.size() == 4)
        pic[3] = geometry::snapToParallel(pic[3], pic[2], geometry::lineThrough(pic[0], pic[1]));
    return pic;
}

MeasuredValues GraphicsParallelLineItem::values() const
{
    const QVector<QPointF> pic = measurePoints();
    QPointF foot;
    if (pic.size() < 4 || !geometry::perpendicularFoot(midpoint(pic[0], pic[1]), pic[2], pic[3], &foot))
        return {};
    return one("D", distance(midpoint(pic[0], pic[1]), foot));
}

Outline GraphicsParallelLineItem::outline() const
{
    const QVector<QPointF> pic = measurePoints();
    Outline out;
    if (pic.size() < 2)
        return out;
    out.append(OutlinePart::segment(pic[0], pic[1]));
    if (pic.size() < 4)
        return out;
    out.append(OutlinePart::segment(pic[2], pic[3]));
    // The distance is measured from the first line's midpoint.
    const QPointF mid = midpoint(pic[0], pic[1]);
    QPointF foot;
    if (geometry::perpendicularFoot(mid, pic[2], pic[3], &foot))
        out.append(OutlinePart::segment(mid, foot));
    return out;
}

// ---------------------------------------------------------------- perpendicular

GraphicsVerticalLineItem::GraphicsVerticalLineItem()
{
    setShapeType(VerticalLine);
    setMaxPoints(3);
}

MeasuredValues GraphicsVerticalLineItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    QPointF foot;
    if (pic.size() < 3 || !geometry::perpendicularFoot(pic[2], pic[0], pic[1], &foot))
        return {};
    return one("D", distance(pic[2], foot));
}

Outline GraphicsVerticalLineItem::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    Outline out;
    if (pic.size() < 2)
        return out;
    out.append(OutlinePart::segment(pic[0], pic[1]));
    QPointF foot;
    if (pic.size() >= 3 && geometry::perpendicularFoot(pic[2], pic[0], pic[1], &foot))
        out.append(OutlinePart::segment(pic[2], foot));
    return out;
}

// ---------------------------------------------------------------- cross-hair

GraphicsCrossItem::GraphicsCrossItem()
{
    setShapeType(Cross);
    setMaxPoints(2);
}

void GraphicsCrossItem::onFinished()
{
    removeFirstPoint();
    setMaxPoints(1);
}

Outline GraphicsCrossItem::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.isEmpty())
        return {};
    return {OutlinePart{OutlinePart::CrossHair, pic.last(), QPointF()}};
}
