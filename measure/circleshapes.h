#pragma once

#include "measure/graphicsitem.h"

// Angle p0-p1-p2 at the vertex p1, in degrees.
class GraphicsAngleLineItem : public GraphicsItem
{
public:
    GraphicsAngleLineItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
    // "A:90.00 deg", empty while an arm has no length.
    static QString angleText(const QPointF &a, const QPointF &vertex, const QPointF &b);
};

// Arc from p0 to p2 on the circle through p0, p1, p2; measures its length.
class GraphicsArcItem : public GraphicsItem
{
public:
    GraphicsArcItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Circle by centre p0 and rim point p1.
class GraphicsCircle1Item : public GraphicsItem
{
public:
    GraphicsCircle1Item();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Circle by the diameter p0-p1.
class GraphicsCircle2Item : public GraphicsItem
{
public:
    GraphicsCircle2Item();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Circle through three points.
class GraphicsCircle3Item : public GraphicsItem
{
public:
    GraphicsCircle3Item();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Two circles around p0, through p1 and through p2.
class GraphicsDoubleCircleItem : public GraphicsItem
{
public:
    GraphicsDoubleCircleItem();
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};

// Circles (p0, p1) and (p2, p3) and the distance of their centres.
class GraphicsCircleLineItem : public GraphicsItem
{
public:
    GraphicsCircleLineItem();
    void setPoint(int index, const QPointF &p) override;
    int hitTest(const QPointF &p) const override;
    void drawShape(QPainter *painter) override;
};
