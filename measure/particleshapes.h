#pragma once

#include "imaging/particles.h"
#include "measure/graphicsitem.h"

// One object found by a particle analysis: drawn as its outline with its
// number, erased and undone like any shape, saved with the photo's shapes.
// Its measures (sub-pixel, from the picture it was found in) travel in the
// record's text; its points are the outline.
class GraphicsParticleItem : public GraphicsItem
{
public:
    GraphicsParticleItem();
    // A finished shape for the `number`-th object of an analysis.
    static GraphicsParticleItem *create(const imaging::Particle &particle, int number);

    int number() const { return m_number; }
    // The measures, the centroid following a moved outline.
    imaging::Particle particle() const;

    MeasuredValues values() const override;
    Outline outline() const override;
    QStringList labels() const override;
    QPointF labelAnchor() const override;
    QVector<QPointF> handlePoints() const override { return {}; }
    ShapeRecord record() const override;
    void restore(const ShapeRecord &record) override;

private:
    imaging::Particle m_particle; // outline unused; centroid relative to the first point
    int m_number = 0;
};
