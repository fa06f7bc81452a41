#pragma once

#include "core/drawstyle.h"

#include <QGraphicsItem>
#include <QPointF>
#include <QString>
#include <QVector>

// Ids of shapes and tools; the toolbox sends these for its buttons.
enum ShapeType {
    Base = QGraphicsItem::UserType + 1,
    Point,
    Line,
    BrokenLine,
    Rect,
    Polygon,
    ParallelLine,
    VerticalLine,
    Cross,
    AngleLine,
    Arc,
    Circle1,
    Circle2,
    Circle3,
    DoubleCircle,
    CircleLine,
    Select,
    Erase,
    Text,
    FitCircle, // a tool: a click fits a Circle1 to the outline around it
    Particle   // one object of a particle analysis (measure/particleshapes.h)
};

// Snapshot of one shape for the undo history and the photo's annotations
// file (measure/annotations.h). The text is a note's text.
struct ShapeRecord
{
    int type = Base;
    DrawStyle style;
    QVector<QPointF> points;
    QString text;
};

using ShapeState = QVector<ShapeRecord>;
