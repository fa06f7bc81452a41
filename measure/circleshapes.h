#pragma once

#include "measure/geometry.h"
#include "measure/graphicsitem.h"

// Angle p0-p1-p2 at the vertex p1, in degrees.
class GraphicsAngleLineItem : public GraphicsItem
{
public:
    GraphicsAngleLineItem();
    MeasuredValues values() const override;
    Outline outline() const override;
    QPointF labelAnchor() const override;
};

// The circle through p0, p1 and p2, shared by the arc and the three-point
// circle: the guide segments p0-p1 and p1-p2 grab the shape, the curve does
// not.
class GraphicsThreePointItem : public GraphicsItem
{
public:
    // The arc from p0 through p1 to p2 (the cursor standing in while
    // unfinished); no circle with fewer than three points.
    geometry::ArcThrough arc() const;

protected:
    Outline guides() const;
};

// Arc from p0 through p1 to p2; measures its length.
class GraphicsArcItem : public GraphicsThreePointItem
{
public:
    GraphicsArcItem();
    MeasuredValues values() const override;
    Outline outline() const override;
};

// Circle through three points; measures its radius.
class GraphicsCircle3Item : public GraphicsThreePointItem
{
public:
    GraphicsCircle3Item();
    MeasuredValues values() const override;
    Outline outline() const override;
};

// Circle by centre p0 and rim point p1. A circle fitted to an outline also
// measures the fit's RMS residual ("RMS"), kept in its record's text.
class GraphicsCircle1Item : public GraphicsItem
{
public:
    GraphicsCircle1Item();
    void setFitResidual(double pixels)
    {
        m_fitResidual = pixels;
        repaint();
    }
    // Negative for a circle drawn by hand.
    double fitResidual() const { return m_fitResidual; }
    ShapeRecord record() const override;
    void restore(const ShapeRecord &record) override;
    int hitTest(const QPointF &p) const override;
    MeasuredValues values() const override;
    Outline outline() const override;
    QVector<QPointF> handlePoints() const override { return m_points.mid(0, 1); }

private:
    double m_fitResidual = -1;
};

// Circle by the diameter p0-p1.
class GraphicsCircle2Item : public GraphicsItem
{
public:
    GraphicsCircle2Item();
    MeasuredValues values() const override;
    Outline outline() const override;
};

// Two circles around p0, through p1 and through p2.
class GraphicsDoubleCircleItem : public GraphicsItem
{
public:
    GraphicsDoubleCircleItem();
    int hitTest(const QPointF &p) const override;
    MeasuredValues values() const override;
    Outline outline() const override;
    QVector<QPointF> handlePoints() const override { return m_points.mid(0, 1); }
};

// Circles (p0, p1) and (p2, p3) and the distance of their centres.
class GraphicsCircleLineItem : public GraphicsItem
{
public:
    GraphicsCircleLineItem();
    void setPoint(int index, const QPointF &p) override;
    MeasuredValues values() const override;
    Outline outline() const override;
    QVector<QPointF> handlePoints() const override;
};
