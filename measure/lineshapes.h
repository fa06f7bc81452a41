#pragma once

#include "measure/graphicsitem.h"

// Coordinate of one picture pixel, counted from the picture's centre with y
// growing upwards; no calibration applies.
class GraphicsPointItem : public GraphicsItem
{
public:
    GraphicsPointItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
    // "0012,-0003" for the picture point p in a picture of the given size.
    static QString coordinateText(const QPointF &p, const QSize &pictureSize);
};

class GraphicsLineItem : public GraphicsItem
{
public:
    GraphicsLineItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Open chain of segments, ended by a right click.
class GraphicsBrokenLineItem : public GraphicsItem
{
public:
    GraphicsBrokenLineItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
    bool canFinish() override;
};

class GraphicsRectItem : public GraphicsItem
{
public:
    GraphicsRectItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Closed polygon with its area, ended by a right click.
class GraphicsPolygonItem : public GraphicsItem
{
public:
    GraphicsPolygonItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
    bool canFinish() override;
};

// p0-p1 and a second line p2-p3 held parallel to it; measures their distance.
class GraphicsParallelLineItem : public GraphicsItem
{
public:
    GraphicsParallelLineItem();
    void setPoint(int index, const QPointF &p) override;
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
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
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Cross-hair through the whole picture at the second click.
class GraphicsCrossItem : public GraphicsItem
{
public:
    GraphicsCrossItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
    void onFinished() override;
};
