#include "measure/circleshapes.h"

#include <QtMath>

#include <cmath>

using geometry::distance;

namespace {

// Handle test where the centre (code 1) grabs the whole shape.
int centreGrabs(int code) { return code == 1 ? 0 : code; }

OutlinePart circle(const QPointF &centre, double radius, bool grabs)
{
    OutlinePart part{OutlinePart::Circle, centre, QPointF()};
    part.radius = radius;
    part.grabs = grabs;
    return part;
}

MeasuredValue length(const char *name, double value) { return {QString::fromLatin1(name), value, ValueKind::Length}; }

} // namespace

// ---------------------------------------------------------------- angle

GraphicsAngleLineItem::GraphicsAngleLineItem()
{
    setShapeType(AngleLine);
    setMaxPoints(3);
}

MeasuredValues GraphicsAngleLineItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 3)
        return {};
    // Measured on the picture, so neither zoom nor stretch changes it.
    const double theta = qRadiansToDegrees(geometry::angleBetween(pic[1], pic[0], pic[2]));
    if (std::isnan(theta)) // an arm without length
        return {};
    return {{QStringLiteral("A"), std::fabs(theta), ValueKind::Angle}};
}

Outline GraphicsAngleLineItem::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    Outline out;
    for (int i = 1; i < qMin(3, int(pic.size())); ++i)
        out.append(OutlinePart::segment(pic[i - 1], pic[i]));
    return out;
}

QPointF GraphicsAngleLineItem::labelAnchor() const { return pointsWithCursor().value(1); }

// ---------------------------------------------------------------- three points

geometry::ArcThrough GraphicsThreePointItem::arc() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 3)
        return {};
    return geometry::arcThrough(pic[0], pic[1], pic[2]);
}

Outline GraphicsThreePointItem::guides() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    Outline out;
    for (int i = 1; i < qMin(3, int(pic.size())); ++i)
        out.append(OutlinePart::segment(pic[i - 1], pic[i]));
    return out;
}

// ---------------------------------------------------------------- arc

GraphicsArcItem::GraphicsArcItem()
{
    setShapeType(Arc);
    setMaxPoints(3);
}

MeasuredValues GraphicsArcItem::values() const
{
    const geometry::ArcThrough a = arc();
    if (a.circle.radius <= 0) // collinear points have no arc
        return {};
    return {length("C", a.length)};
}

Outline GraphicsArcItem::outline() const
{
    Outline out = guides();
    const geometry::ArcThrough a = arc();
    if (a.circle.radius > 0) {
        OutlinePart part = circle(a.circle.centre, a.circle.radius, false);
        part.kind = OutlinePart::Arc;
        part.startAngle = a.startAngle;
        part.spanAngle = a.spanAngle;
        out.append(part);
    }
    return out;
}

// ---------------------------------------------------------------- circle through three points

GraphicsCircle3Item::GraphicsCircle3Item()
{
    setShapeType(Circle3);
    setMaxPoints(3);
}

MeasuredValues GraphicsCircle3Item::values() const
{
    const geometry::ArcThrough a = arc();
    if (a.circle.radius <= 0)
        return {};
    return {length("R", a.circle.radius)};
}

Outline GraphicsCircle3Item::outline() const
{
    Outline out = guides();
    const geometry::ArcThrough a = arc();
    if (a.circle.radius > 0)
        out.append(circle(a.circle.centre, a.circle.radius, false));
    return out;
}

// ---------------------------------------------------------------- circle by centre

GraphicsCircle1Item::GraphicsCircle1Item()
{
    setShapeType(Circle1);
    setMaxPoints(2);
}

int GraphicsCircle1Item::hitTest(const QPointF &p) const { return centreGrabs(GraphicsItem::hitTest(p)); }

namespace {
const QString kFitPrefix = QStringLiteral("fit-rms:");
}

ShapeRecord GraphicsCircle1Item::record() const
{
    ShapeRecord r = GraphicsItem::record();
    if (m_fitResidual >= 0)
        r.text = kFitPrefix + QString::number(m_fitResidual, 'g', 17);
    return r;
}

void GraphicsCircle1Item::restore(const ShapeRecord &record)
{
    bool ok = false;
    const double rms = record.text.startsWith(kFitPrefix) ? record.text.mid(kFitPrefix.size()).toDouble(&ok) : -1;
    m_fitResidual = ok && std::isfinite(rms) && rms >= 0 ? rms : -1;
    GraphicsItem::restore(record);
}

MeasuredValues GraphicsCircle1Item::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return {};
    MeasuredValues v{length("R", distance(pic[0], pic[1]))};
    if (m_fitResidual >= 0)
        v.append(length("RMS", m_fitResidual));
    return v;
}

Outline GraphicsCircle1Item::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return {};
    return {circle(pic[0], distance(pic[0], pic[1]), false)};
}

// ---------------------------------------------------------------- circle by diameter

GraphicsCircle2Item::GraphicsCircle2Item()
{
    setShapeType(Circle2);
    setMaxPoints(2);
}

MeasuredValues GraphicsCircle2Item::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return {};
    return {length("D", distance(pic[0], pic[1]))};
}

Outline GraphicsCircle2Item::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 2)
        return {};
    return {OutlinePart::segment(pic[0], pic[1]),
            circle((pic[0] + pic[1]) / 2.0, distance(pic[0], pic[1]) / 2.0, false)};
}

// ---------------------------------------------------------------- concentric circles

GraphicsDoubleCircleItem::GraphicsDoubleCircleItem()
{
    setShapeType(DoubleCircle);
    setMaxPoints(3);
}

int GraphicsDoubleCircleItem::hitTest(const QPointF &p) const { return centreGrabs(GraphicsItem::hitTest(p)); }

MeasuredValues GraphicsDoubleCircleItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    MeasuredValues out;
    if (pic.size() >= 2)
        out.append(length("R1", distance(pic[0], pic[1])));
    if (pic.size() >= 3)
        out.append(length("R2", distance(pic[0], pic[2])));
    return out;
}

Outline GraphicsDoubleCircleItem::outline() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    Outline out;
    for (int i = 1; i < qMin(3, int(pic.size())); ++i)
        out.append(circle(pic[0], distance(pic[0], pic[i]), false));
    return out;
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

QVector<QPointF> GraphicsCircleLineItem::handlePoints() const
{
    QVector<QPointF> centres;
    if (m_points.size() >= 1)
        centres.append(m_points[0]);
    if (m_points.size() >= 3)
        centres.append(m_points[2]);
    return centres;
}

MeasuredValues GraphicsCircleLineItem::values() const
{
    const QVector<QPointF> pic = pointsWithCursor();
    if (pic.size() < 4)
        return {};
    return {length("L", distance(pic[0], pic[2]))};
}

Outline GraphicsCircleLineItem::outline() const
{
    // The parts that are drawn grab: both rims and the line between the centres.
    const QVector<QPointF> pic = pointsWithCursor();
    Outline out;
    if (pic.size() >= 2)
        out.append(circle(pic[0], distance(pic[0], pic[1]), true));
    if (pic.size() >= 3)
        out.append(OutlinePart::segment(pic[0], pic[2]));
    if (pic.size() >= 4)
        out.append(circle(pic[2], distance(pic[2], pic[3]), true));
    return out;
}
