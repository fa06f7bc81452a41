#include "measure/particleshapes.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

GraphicsParticleItem::GraphicsParticleItem() { setShapeType(Particle); }

GraphicsParticleItem *GraphicsParticleItem::create(const imaging::Particle &particle, int number)
{
    auto *item = new GraphicsParticleItem;
    QVector<QPointF> outline = particle.outline;
    // A speck's contour may be a point or two: a small triangle keeps it a shape.
    if (outline.size() < 3) {
        const QPointF c = particle.centroid;
        outline = {c + QPointF(-0.5, 0.5), c + QPointF(0.5, 0.5), c + QPointF(0, -0.5)};
    }
    item->m_particle = particle;
    item->m_particle.outline.clear();
    item->m_particle.centroid -= outline.first();
    item->m_number = number;
    ShapeRecord r = item->record();
    r.points = outline;
    item->restore(r);
    return item;
}

imaging::Particle GraphicsParticleItem::particle() const
{
    imaging::Particle p = m_particle;
    if (!m_points.isEmpty())
        p.centroid += m_points.first();
    return p;
}

MeasuredValues GraphicsParticleItem::values() const
{
    return {{QStringLiteral("D"), m_particle.diameter, ValueKind::Length},
            {QStringLiteral("S"), m_particle.area, ValueKind::Area}};
}

Outline GraphicsParticleItem::outline() const
{
    Outline parts;
    parts.reserve(m_points.size());
    for (int i = 0; i < m_points.size(); ++i)
        parts << OutlinePart::segment(m_points[i], m_points[(i + 1) % m_points.size()]);
    return parts;
}

QStringList GraphicsParticleItem::labels() const { return {QString::number(m_number)}; }

QPointF GraphicsParticleItem::labelAnchor() const { return particle().centroid; }

ShapeRecord GraphicsParticleItem::record() const
{
    ShapeRecord r = GraphicsItem::record();
    const imaging::Particle &p = m_particle;
    const QJsonObject o{{QStringLiteral("number"), m_number},
                        {QStringLiteral("dx"), p.centroid.x()},
                        {QStringLiteral("dy"), p.centroid.y()},
                        {QStringLiteral("area"), p.area},
                        {QStringLiteral("perimeter"), p.perimeter},
                        {QStringLiteral("diameter"), p.diameter},
                        {QStringLiteral("feretMax"), p.feretMax},
                        {QStringLiteral("feretMin"), p.feretMin},
                        {QStringLiteral("circularity"), p.circularity},
                        {QStringLiteral("mean"), p.mean},
                        {QStringLiteral("pixels"), p.pixels}};
    r.text = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    return r;
}

void GraphicsParticleItem::restore(const ShapeRecord &record)
{
    const QJsonObject o = QJsonDocument::fromJson(record.text.toUtf8()).object();
    // A damaged number reads as 0 rather than anything unbounded.
    auto number = [&o](const char *key) {
        const double v = o.value(QLatin1String(key)).toDouble();
        return std::isfinite(v) && std::fabs(v) < 1e12 ? v : 0.0;
    };
    imaging::Particle &p = m_particle;
    m_number = int(std::clamp(number("number"), 0.0, 1e9));
    p.centroid = QPointF(number("dx"), number("dy"));
    p.area = number("area");
    p.perimeter = number("perimeter");
    p.diameter = number("diameter");
    p.feretMax = number("feretMax");
    p.feretMin = number("feretMin");
    p.circularity = number("circularity");
    p.mean = number("mean");
    p.pixels = int(std::clamp(number("pixels"), 0.0, 1e9));
    GraphicsItem::restore(record);
}
