#pragma once

#include "core/bdinfo.h"
#include "core/drawstyle.h"
#include "measure/shapetype.h"

#include <QGraphicsItem>
#include <QPointF>
#include <QRectF>
#include <QVector>

class CameraScene;
class QGraphicsSceneMouseEvent;

// Label text of a measured pixel value: "L:1.0000 mm"; areas ("S") use the
// squared factor and unit; empty when the calibration has no unit.
QString measureText(const QString &name, double pixelValue, const BDInfo &calibration);

// Base of every measurement shape. Points are kept in picture pixels; all
// drawing happens in view pixels with the painter's transform reset, so the
// shape reaches its scene for the mapping, the calibration and the zoom.
class GraphicsItem : public QGraphicsItem
{
public:
    explicit GraphicsItem(QGraphicsItem *parent = nullptr);
    ~GraphicsItem() override;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    int type() const override { return m_shapeType; }

    // The scene feeds these itself; shapes take no ordinary item events.
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void press(const QPointF &pos, Qt::MouseButton button);
    void move(const QPointF &pos);
    void release(const QPointF &pos, Qt::MouseButton button);

    virtual void setPoint(int index, const QPointF &p);
    // -1 miss, 0 body, n >= 1 the handle of point n-1.
    virtual int hitTest(const QPointF &p) const;
    virtual int shapeType() const { return m_shapeType; }
    virtual void drawShape(QPainter *painter) = 0;
    virtual bool canFinish();
    virtual void onFinished() {}

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setHovered(bool hovered);
    bool isHovered() const { return m_hovered; }
    bool isFinished() const { return m_finished; }
    bool isPressed() const { return m_pressed; }
    int dragIndex() const { return m_dragIndex; }

    void appendPoint(const QPointF &p);
    QPointF pointAt(int index) const { return m_points.value(index); }
    const QVector<QPointF> &points() const { return m_points; }
    int pointCount() const { return m_points.size(); }
    int maxPoints() const { return m_maxPoints; }
    QPointF cursorPosition() const { return m_cursorPos; }

    void setStyle(const DrawStyle &style) { m_style = style; }
    const DrawStyle &style() const { return m_style; }
    int fontPixelSize() const { return m_style.fontPixelSize(); }

    virtual ShapeRecord record() const;
    virtual void restore(const ShapeRecord &record);

    void translate(int dx, int dy);

    QVector<QPointF> viewPoints(const QVector<QPointF> &points) const;
    QVector<QPointF> pointsWithCursor() const;
    QVector<QPointF> viewPointsWithCursor() const { return viewPoints(pointsWithCursor()); }
    QPointF mapToView(const QPointF &p) const;

    void drawHandles(QPainter *painter) const;
    static void drawHandlesAt(QPainter *painter, const QVector<QPointF> &viewPoints);

    // Tolerances in picture pixels at the scene's current zoom.
    double hitTolerance() const;
    bool isNearSegment(const QPointF &p, const QPointF &a, const QPointF &b) const;
    static bool isNearCircle(const QPointF &p, const QPointF &centre, double radius);

    QString measureText(const QString &name, double pixelValue) const;

    CameraScene *cameraScene() const;

protected:
    bool showsHandles() const { return !m_finished || m_hovered || m_selected; }
    // Draws `text` below the view point, as every label hangs.
    void drawLabel(QPainter *painter, const QPointF &viewPoint, const QString &text, int lines = 1) const;
    void repaint();
    // Replaces the point list, telling the scene the bounds changed.
    void setPoints(const QVector<QPointF> &points);
    void removeLastPoint();
    void removeFirstPoint();
    void setMaxPoints(int count) { m_maxPoints = count; }
    void setShapeType(int type) { m_shapeType = type; }
    void storePoint(int index, const QPointF &p);

    int m_shapeType = Base;
    QVector<QPointF> m_points;
    int m_maxPoints = 0;
    QPointF m_cursorPos;
    QPointF m_pressPos;
    bool m_pressed = false;
    bool m_selected = false;
    bool m_hovered = false;
    bool m_finished = false;
    int m_dragIndex = -1;
    DrawStyle m_style;
};

// New shape of the given type, owned by the caller; null for tools and
// unknown values.
GraphicsItem *createShape(int type);
