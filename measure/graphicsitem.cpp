#include "measure/graphicsitem.h"

#include "measure/camerascene.h"
#include "measure/circleshapes.h"
#include "measure/geometry.h"
#include "measure/lineshapes.h"
#include "measure/textshapes.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include <cmath>

QString measureText(const QString &name, double pixelValue, const BDInfo &calibration)
{
    if (calibration.unit == -1)
        return QString();
    QString unit = unitName(calibration.unit);
    double factor = calibration.factor;
    if (name == QLatin1String("S")) {
        factor *= factor;
        unit = unit + QLatin1Char('^') + unit;
    }
    return name + QLatin1Char(':') + QString::number(pixelValue * factor, 'f', 4) + QLatin1Char(' ') + unit;
}

GraphicsItem::GraphicsItem(QGraphicsItem *parent)
    : QGraphicsItem(parent)
{
}

GraphicsItem::~GraphicsItem() = default;

CameraScene *GraphicsItem::cameraScene() const
{
    return qobject_cast<CameraScene *>(scene());
}

QRectF GraphicsItem::boundingRect() const
{
    const QVector<QPointF> pts = pointsWithCursor();
    if (pts.isEmpty())
        return QRectF();
    double left = pts[0].x(), right = left, top = pts[0].y(), bottom = top;
    for (const QPointF &p : pts) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        top = qMin(top, p.y());
        bottom = qMax(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void GraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    // Inside a measurement scene only the scene paints shapes, with its pens.
    if (const CameraScene *s = cameraScene(); s && !s->isPaintingShapes())
        return;
    drawShape(painter);
}

void GraphicsItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    press(event->scenePos(), event->button());
}

void GraphicsItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    move(event->scenePos());
}

void GraphicsItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    release(event->scenePos(), event->button());
}

void GraphicsItem::press(const QPointF &pos, Qt::MouseButton)
{
    m_pressPos = pos;
    m_pressed = true;
    if (!m_finished) {
        m_cursorPos = pos;
        appendPoint(pos);
        if (m_points.size() == m_maxPoints) {
            onFinished();
            m_finished = true;
        }
    } else {
        m_dragIndex = hitTest(pos);
    }
    repaint();
}

void GraphicsItem::move(const QPointF &pos)
{
    if (!m_finished) {
        if (m_pressed && !m_points.isEmpty())
            setPoint(m_points.size() - 1, pos);
        prepareGeometryChange();
        m_cursorPos = pos;
        repaint();
        return;
    }
    if (!m_pressed || m_dragIndex < 0)
        return;
    const QPointF delta = pos - m_pressPos;
    if (m_dragIndex == 0)
        translate(int(delta.x()), int(delta.y())); // whole picture pixels, toward zero
    else
        setPoint(m_dragIndex - 1, m_points.value(m_dragIndex - 1) + delta);
    // The fraction a whole-shape move dropped is deliberately not carried.
    m_pressPos = pos;
}

void GraphicsItem::release(const QPointF &pos, Qt::MouseButton button)
{
    if (m_pressed && !m_finished) {
        prepareGeometryChange();
        m_cursorPos = pos;
        if (button == Qt::RightButton && canFinish()) {
            onFinished();
            m_finished = true;
        }
        repaint();
    }
    m_dragIndex = -1;
    m_pressed = false;
}

void GraphicsItem::setPoint(int index, const QPointF &p)
{
    storePoint(index, p);
    repaint();
}

void GraphicsItem::storePoint(int index, const QPointF &p)
{
    if (index < 0 || index >= m_points.size())
        return;
    prepareGeometryChange();
    m_points[index] = p;
}

int GraphicsItem::hitTest(const QPointF &p) const
{
    const double tolerance = hitTolerance();
    for (int i = 0; i < m_points.size(); ++i) {
        if (geometry::distance(p, m_points[i]) < tolerance)
            return i + 1;
    }
    return -1;
}

bool GraphicsItem::canFinish()
{
    return m_points.size() == m_maxPoints;
}

void GraphicsItem::setSelected(bool selected)
{
    m_selected = selected;
    repaint();
}

void GraphicsItem::setHovered(bool hovered)
{
    m_hovered = hovered;
    repaint();
}

void GraphicsItem::appendPoint(const QPointF &p)
{
    prepareGeometryChange();
    m_points.append(p);
}

void GraphicsItem::setPoints(const QVector<QPointF> &points)
{
    prepareGeometryChange();
    m_points = points;
}

void GraphicsItem::removeLastPoint()
{
    if (m_points.isEmpty())
        return;
    prepareGeometryChange();
    m_points.removeLast();
}

void GraphicsItem::removeFirstPoint()
{
    if (m_points.isEmpty())
        return;
    prepareGeometryChange();
    m_points.removeFirst();
}

ShapeRecord GraphicsItem::record() const
{
    ShapeRecord r;
    r.type = m_shapeType;
    r.style = m_style;
    r.points = m_points;
    return r;
}

void GraphicsItem::restore(const ShapeRecord &record)
{
    setPoints(record.points);
    m_maxPoints = record.points.size();
    m_style = record.style;
    m_finished = true;
    repaint();
}

void GraphicsItem::translate(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    prepareGeometryChange();
    for (QPointF &p : m_points)
        p += QPointF(dx, dy);
    repaint();
}

QPointF GraphicsItem::mapToView(const QPointF &p) const
{
    const CameraScene *s = cameraScene();
    return s ? s->mapToView(p) : p;
}

QVector<QPointF> GraphicsItem::viewPoints(const QVector<QPointF> &points) const
{
    QVector<QPointF> out;
    out.reserve(points.size());
    const CameraScene *s = cameraScene();
    for (const QPointF &p : points)
        out.append(s ? s->mapToView(p) : p);
    return out;
}

QVector<QPointF> GraphicsItem::pointsWithCursor() const
{
    QVector<QPointF> pts = m_points;
    if (!m_finished)
        pts.append(m_cursorPos);
    return pts;
}

void GraphicsItem::drawHandlesAt(QPainter *painter, const QVector<QPointF> &viewPoints)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 0));
    for (const QPointF &p : viewPoints)
        painter->drawRect(QRectF(p.x() - 5, p.y() - 5, 10, 10));
    painter->restore();
}

void GraphicsItem::drawHandles(QPainter *painter) const
{
    drawHandlesAt(painter, viewPoints(m_points));
}

double GraphicsItem::hitTolerance() const
{
    const CameraScene *s = cameraScene();
    const double sx = s ? s->scaleX() : 1.0;
    return 5.0 / qMin(sx, 1.0);
}

bool GraphicsItem::isNearSegment(const QPointF &p, const QPointF &a, const QPointF &b) const
{
    return geometry::isNearSegment(p, a, b, hitTolerance());
}

bool GraphicsItem::isNearCircle(const QPointF &p, const QPointF &centre, double radius)
{
    return geometry::isNearCircle(p, centre, radius);
}

QString GraphicsItem::measureText(const QString &name, double pixelValue) const
{
    const CameraScene *s = cameraScene();
    return ::measureText(name, pixelValue, s ? s->calibration() : BDInfo());
}

void GraphicsItem::drawLabel(QPainter *painter, const QPointF &viewPoint, const QString &text, int lines) const
{
    if (text.isEmpty())
        return;
    const int x = int(viewPoint.x());
    const int y = int(viewPoint.y());
    painter->drawText(x, y + lines * fontPixelSize(), text);
}

void GraphicsItem::repaint()
{
    if (QGraphicsScene *s = scene())
        s->update();
}

GraphicsItem *createShape(int type)
{
    switch (type) {
    case Point: return new GraphicsPointItem;
    case Line: return new GraphicsLineItem;
    case BrokenLine: return new GraphicsBrokenLineItem;
    case Rect: return new GraphicsRectItem;
    case Polygon: return new GraphicsPolygonItem;
    case ParallelLine: return new GraphicsParallelLineItem;
    case VerticalLine: return new GraphicsVerticalLineItem;
    case Cross: return new GraphicsCrossItem;
    case AngleLine: return new GraphicsAngleLineItem;
    case Arc: return new GraphicsArcItem;
    case Circle1: return new GraphicsCircle1Item;
    case Circle2: return new GraphicsCircle2Item;
    case Circle3: return new GraphicsCircle3Item;
    case DoubleCircle: return new GraphicsDoubleCircleItem;
    case CircleLine: return new GraphicsCircleLineItem;
    case Text: return new GraphicsTextItem;
    default: return nullptr;
    }
}
