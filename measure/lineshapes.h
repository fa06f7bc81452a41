#pragma once

#include "measure/graphicsitem.h"

// Coordinate of one picture pixel, counted from the picture's centre with y
// growing upwards; no calibration applies.
class GraphicsPointItem : public GraphicsItem
{
public:
    GraphicsPointItem();
    int hitTest(const QPointF &p) const override;
    MeasuredValues values() const override;
    Outline outline() const override;
    QPointF labelAnchor() const override;
};

class GraphicsLineItem : public GraphicsItem
{
public:
    GraphicsLineItem();
    MeasuredValues values() const override;
    Outline outline() const override;
};

// Open chain of segments, ended by a right click.
class GraphicsBrokenLineItem : public GraphicsItem
{
public:
    GraphicsBrokenLineItem();
    MeasuredValues values() const override;
    Outline outline() const override;
    bool canFinish() override;
};

class GraphicsRectItem : public GraphicsItem
{
public:
    GraphicsRectItem();
    MeasuredValues values() const override;
    Outline outline() const override;
};

// Closed polygon with its area, ended by a right click.
class GraphicsPolygonItem : public GraphicsItem
{
public:
    GraphicsPolygonItem();
    MeasuredValues values() const override;
    Outline outline() const override;
    // None when the settings switch the area off.
    QStringList labels() const override;
    bool canFinish() override;
};

// p0-p1 and a second line p2-p3 held parallel to it; measures their distance.
class GraphicsParallelLineItem : public GraphicsItem
{
public:
    GraphicsParallelLineItem();
    void setPoint(int index, const QPointF &p) override;
    MeasuredValues values() const override;
    Outline outline() const override;
    void onFinished() override;

private:
    // The picture points to measure: the stored ones, with the provisional
    // fourth point snapped onto the parallel while building.
    QVector<QPointF> measurePoints() const;
};

// Base line p0-p1 and the perpendicular dropped from p2 onto it.
class GraphicsVerticalLineItem : public GraphicsItem
{
public:
    GraphicsVerticalLineItem();
    MeasuredValues values() const override;
    Outline outline() const override;
};

// Cross-hair through the whole picture at the second click.
class GraphicsCrossItem : public GraphicsItem
{
public:
    GraphicsCrossItem();
    Outline outline() const override;
    void onFinished() override;
};
