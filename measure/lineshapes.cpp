#include "measure/lineshapes.h"

#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "measure/geometry.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

using geometry::distance;

namespace {

QPointF midpoint(const QPointF &a, const QPointF &b)
{
    return (a + b) / 2.0;
}

// Sum of the segment lengths between consecutive points.
double chainLength(const QVector<QPointF> &pts)
{
    double total = 0.0;
    for (int i = 1; i < pts.size(); ++i)
        total += distance(pts[i - 1], pts[i]);
    return total;
}

void drawChain(QPainter *painter, const QVector<QPointF> &view, bool closed)
{
    for (int i = 1; i < view.size(); ++i)
        painter->drawLine(view[i - 1], view[i]);
    if (closed && view.size() >= 3)
        painter->drawLine(view.last(), view.first());
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

QString GraphicsPointItem::coordinateText(const QPointF &p, const QSize &pictureSize)
{
    const int x = qRound(p.x());
    const int y = qRound(p.y());
    return QString::asprintf("%.4d,%.4d", x - pictureSize.width() / 2, pictureSize.height() / 2 - y);
}

void GraphicsPointItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QPointF pos = m_finished && !m_points.isEmpty() ? m_points[0] : m_cursorPos;
    const QPointF view = mapToView(pos);
    painter->drawPoint(view);
    const CameraScene *s = cameraScene();
    drawLabel(painter, view, coordinateText(pos, s ? s->pictureSize() : QSize()));
}

// ---------------------------------------------------------------- line

GraphicsLineItem::GraphicsLineItem()
{
    setShapeType(Line);
    setMaxPoints(2);
}

int GraphicsLineItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    if (m_points.size() >= 2 && isNearSegment(p, m_points[0], m_points[1]))
        return 0;
    return -1;
}

void GraphicsLineItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return;
    const QVector<QPointF> view = viewPoints(pic);
    painter->drawLine(view[0], view[1]);
    drawLabel(painter, view[0], measureText(QStringLiteral("L"), distance(pic[0], pic[1])));
}

// ---------------------------------------------------------------- broken line

GraphicsBrokenLineItem::GraphicsBrokenLineItem()
{
    setShapeType(BrokenLine);
    setMaxPoints(50);
}

int GraphicsBrokenLineItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    for (int i = 1; i < m_points.size(); ++i) {
        if (isNearSegment(p, m_points[i - 1], m_points[i]))
            return 0;
    }
    return -1;
}

bool GraphicsBrokenLineItem::canFinish()
{
    if (m_points.size() < 3)
        return false;
    removeLastPoint(); // the right click's own point
    setMaxPoints(m_points.size());
    return true;
}

void GraphicsBrokenLineItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return;
    const QVector<QPointF> view = viewPoints(pic);
    drawChain(painter, view, false);
    drawLabel(painter, view[0], measureText(QStringLiteral("L"), chainLength(pic)));
}

// ---------------------------------------------------------------- rectangle

GraphicsRectItem::GraphicsRectItem()
{
    setShapeType(Rect);
    setMaxPoints(2);
}

int GraphicsRectItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    if (m_points.size() < 2)
        return -1;
    const QPointF &a = m_points[0];
    const QPointF &b = m_points[1];
    const QPointF corners[4] = {a, QPointF(b.x(), a.y()), b, QPointF(a.x(), b.y())};
    for (int i = 0; i < 4; ++i) {
        if (isNearSegment(p, corners[i], corners[(i + 1) % 4]))
            return 0;
    }
    return -1;
}

void GraphicsRectItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return;
    const QVector<QPointF> view = viewPoints(pic);
    painter->drawRect(QRectF(view[0], view[1]).normalized());
    const double area = std::fabs((pic[1].x() - pic[0].x()) * (pic[1].y() - pic[0].y()));
    drawLabel(painter, view[0], measureText(QStringLiteral("S"), area));
}

// ---------------------------------------------------------------- polygon

GraphicsPolygonItem::GraphicsPolygonItem()
{
    setShapeType(Polygon);
    setMaxPoints(100);
}

int GraphicsPolygonItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    const int n = m_points.size();
    for (int i = 1; i < n; ++i) {
        if (isNearSegment(p, m_points[i - 1], m_points[i]))
            return 0;
    }
    if (n >= 2 && isNearSegment(p, m_points[n - 1], m_points[0]))
        return 0;
    return -1;
}

bool GraphicsPolygonItem::canFinish()
{
    if (m_points.size() < 3)
        return false;
    removeLastPoint();
    setMaxPoints(m_points.size());
    return true;
}

void GraphicsPolygonItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.isEmpty())
        return;
    const QVector<QPointF> view = viewPoints(pic);
    drawChain(painter, view, true);
    const CameraScene *s = cameraScene();
    const bool showArea = !s || !s->settings() || s->settings()->polygonArea != 0;
    if (showArea)
        drawLabel(painter, view[0],
                  measureText(QStringLiteral("S"), geometry::polygonArea(pic.constData(), pic.size())));
}

// ---------------------------------------------------------------- parallel lines

GraphicsParallelLineItem::GraphicsParallelLineItem()
{
    setShapeType(ParallelLine);
    setMaxPoints(4);
}

void GraphicsParallelLineItem::onFinished()
{
    if (m_points.size() == 4)
        storePoint(3, geometry::snapToParallel(m_cursorPos, m_points[2], geometry::lineThrough(m_points[0], m_points[1])));
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

int GraphicsParallelLineItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    const QVector<QPointF> &pts = m_points;
    if (pts.size() >= 2 && isNearSegment(p, pts[0], pts[1]))
        return 0;
    if (pts.size() >= 4) {
        if (isNearSegment(p, pts[2], pts[3]))
            return 0;
        const QPointF mid = midpoint(pts[0], pts[1]);
        QPointF foot;
        if (geometry::perpendicularFoot(mid, pts[2], pts[3], &foot) && isNearSegment(p, mid, foot))
            return 0;
    }
    return -1;
}

void GraphicsParallelLineItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> pic = measurePoints();
    if (pic.size() < 2)
        return;
    const QVector<QPointF> view = viewPoints(pic);
    painter->drawLine(view[0], view[1]);
    if (pic.size() < 4)
        return;
    painter->drawLine(view[2], view[3]);
    const QPointF mid = midpoint(pic[0], pic[1]);
    QPointF foot;
    if (!geometry::perpendicularFoot(mid, pic[2], pic[3], &foot))
        return;
    painter->drawLine(mapToView(mid), mapToView(foot));
    drawLabel(painter, view[0], measureText(QStringLiteral("D"), distance(mid, foot)));
}

// ---------------------------------------------------------------- perpendicular

GraphicsVerticalLineItem::GraphicsVerticalLineItem()
{
    setShapeType(VerticalLine);
    setMaxPoints(3);
}

int GraphicsVerticalLineItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    const QVector<QPointF> &pts = m_points;
    if (pts.size() >= 2 && isNearSegment(p, pts[0], pts[1]))
        return 0;
    QPointF foot;
    // The perpendicular as drawn, from p2 to its foot.
    if (pts.size() >= 3 && geometry::perpendicularFoot(pts[2], pts[0], pts[1], &foot) && isNearSegment(p, pts[2], foot))
        return 0;
    return -1;
}

void GraphicsVerticalLineItem::drawShape(QPainter *painter)
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
    QPointF foot;
    if (!geometry::perpendicularFoot(pic[2], pic[0], pic[1], &foot))
        return;
    painter->drawLine(view[2], mapToView(foot));
    drawLabel(painter, view[0], measureText(QStringLiteral("D"), distance(pic[2], foot)));
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

int GraphicsCrossItem::hitTest(const QPointF &p) const
{
    const int handle = GraphicsItem::hitTest(p);
    if (handle >= 1)
        return handle;
    if (m_points.isEmpty())
        return -1;
    // The lines cross the whole picture, however large the sensor.
    const QPointF &c = m_points.last();
    const double tolerance = hitTolerance();
    if (std::fabs(p.x() - c.x()) < tolerance || std::fabs(p.y() - c.y()) < tolerance)
        return 0;
    return -1;
}

void GraphicsCrossItem::drawShape(QPainter *painter)
{
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> view = viewPointsWithCursor();
    if (view.isEmpty())
        return;
    const QPoint c = view.last().toPoint();
    int reach = 4000;
    if (const QPaintDevice *device = painter->device())
        reach = qMax(reach, qMax(device->width(), device->height()) + 4000);
    painter->drawLine(c.x(), -reach, c.x(), reach);
    painter->drawLine(-reach, c.y(), reach, c.y());
}
