#include "measure/textshapes.h"

#include "core/screenmetrics.h"
#include "measure/geometry.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>

#include <cmath>

// ---------------------------------------------------------------- text

GraphicsTextItem::GraphicsTextItem()
{
    setShapeType(Text);
    setMaxPoints(1);
}

QRectF GraphicsTextItem::boundingRect() const
{
    if (!m_finished || m_points.isEmpty())
        return QRectF();
    return QRectF(m_points[0].x(), m_points[0].y(), 60, 20);
}

QStringList GraphicsTextItem::labels() const
{
    if (!m_finished || m_points.isEmpty() || m_text.isEmpty())
        return {};
    return {m_text};
}

QColor GraphicsTextItem::labelColor(const QPainter *) const { return m_style.textColor(); }

ShapeRecord GraphicsTextItem::record() const
{
    ShapeRecord r = GraphicsItem::record();
    r.text = m_text;
    return r;
}

void GraphicsTextItem::restore(const ShapeRecord &record)
{
    m_text = record.text;
    GraphicsItem::restore(record);
}

// ---------------------------------------------------------------- ruler

GraphicsMeasureItem::GraphicsMeasureItem()
    : m_mmPerPixel(screenMmPerPixel())
{
    setShapeType(Base);
    setMaxPoints(2);
}

void GraphicsMeasureItem::setUnit(int unit)
{
    m_unit = unit;
    repaint();
}

double GraphicsMeasureItem::viewLength() const
{
    if (m_points.size() < 2)
        return 0.0;
    return geometry::distance(mapToView(m_points[0]), mapToView(m_points[1]));
}

double GraphicsMeasureItem::pictureLength() const
{
    if (m_points.size() < 2)
        return 0.0;
    return geometry::distance(m_points[0], m_points[1]);
}

double GraphicsMeasureItem::realLength() const
{
    const QGraphicsScene *s = scene();
    const double dpr = s && !s->views().isEmpty() ? s->views().first()->devicePixelRatioF() : 1.0;
    const double mm = screenmetrics::onScreenMm(viewLength(), dpr, m_mmPerPixel);
    switch (m_unit) {
    case 1: return mm / 10.0;
    case 2: return mm * 1000.0;
    case 3: return mm / 25.4;
    default: return mm;
    }
}

Outline GraphicsMeasureItem::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return {};
    return {OutlinePart::segment(pic[0], pic[1])};
}

void GraphicsMeasureItem::drawShape(QPainter *painter)
{
    painter->save();
    QPen pen = painter->pen();
    // Blue under the pointer, only on screen.
    pen.setColor(showsHandles() && m_selected ? QColor(Qt::blue) : QColor(Qt::red));
    painter->setPen(pen);
    if (showsHandles())
        drawHandles(painter);
    const QVector<QPointF> view = viewPointsWithCursor();
    if (view.size() >= 2) {
        const QPointF a = view[0], b = view[1];
        painter->drawLine(a, b);
        const QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        if (len > 0) {
            // Ticks across the ruler at both ends, 50 pixels to each side.
            const QPointF n(-d.y() / len * 50.0, d.x() / len * 50.0);
            painter->drawLine(a - n, a + n);
            painter->drawLine(b - n, b + n);
        }
    }
    painter->restore();
}
