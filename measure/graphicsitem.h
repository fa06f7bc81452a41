#pragma once

#include "core/bdinfo.h"
#include "core/drawstyle.h"
#include "measure/shapetype.h"

#include <QGraphicsItem>
#include <QMetaType>
#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <QStringList>
#include <QVector>

class CameraScene;
class QFont;
class QGraphicsSceneMouseEvent;

// What a measured value is, which decides how a calibration applies to it.
enum class ValueKind {
    Length, // picture pixels; times the factor
    Area,   // square picture pixels; times the squared factor
    Angle,  // degrees; no calibration applies
    Point   // a coordinate in picture pixels from the picture's centre, y up; no calibration
};

// One value a shape measures: "L", "S", "R", "R1", "R2", "D", "A", "C", or
// "X" and "Y" for a point. Shapes give these without painting; labels,
// results tables and exports are all made from them.
struct MeasuredValue
{
    QString name;
    double value = 0.0; // in picture units, see ValueKind
    ValueKind kind = ValueKind::Length;
};
using MeasuredValues = QVector<MeasuredValue>;

// The value in the calibration's unit (lengths and areas), else as it is.
double realValue(const MeasuredValue &value, const BDInfo &calibration);
// "mm", "mm^mm" for an area, "deg", "px" for a point; empty without a unit.
QString realUnit(const MeasuredValue &value, const BDInfo &calibration);

// Label text of a measured pixel value: "L:1.0000 mm"; areas ("S") use the
// squared factor and unit; empty when the calibration has no unit.
QString measureText(const QString &name, double pixelValue, const BDInfo &calibration);

// The label lines of a shape's values, as drawn under it: lengths and areas
// through the calibration ("L:1.0000 mm", none without a unit), angles as
// "A:90.00 deg", an X and Y pair as "0012,-0003".
QStringList labelLines(const MeasuredValues &values, const BDInfo &calibration);

// Text drawn with a thin outline in the colour that contrasts with `colour`
// (dark around light text, light around dark), readable on any picture.
void drawOutlinedText(QPainter *painter, const QPointF &baseline, const QString &text, const QColor &colour);

// One drawn part of a shape's outline, in picture pixels.
struct OutlinePart
{
    enum Kind {
        Segment,   // a to b
        Rectangle, // corners a and b
        Circle,    // centre a, radius
        Arc,       // centre a, radius, from startAngle over spanAngle (degrees,
                   // counter-clockwise on screen as QPainter::drawArc)
        CrossHair, // through a, across the whole picture
        Dot        // a
    };
    Kind kind = Segment;
    QPointF a, b;
    double radius = 0.0;
    double startAngle = 0.0;
    double spanAngle = 0.0;
    bool grabs = true; // a press near it takes the whole shape

    static OutlinePart segment(const QPointF &a, const QPointF &b) { return {Segment, a, b}; }
};
using Outline = QVector<OutlinePart>;

// Base of every measurement shape. Points are kept in picture pixels. A shape
// is a model: it gives its values, its outline and its hit test without a
// painter; this class paints outline, handles and labels from them, in view
// pixels with the painter's transform reset, through its scene's mapping.
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
    // View pixels the pointer must travel between press and release for a
    // drag; less is a click.
    static constexpr double kDragDistance = 4.0;
    bool isDrag(const QPointF &from, const QPointF &to) const;

    virtual void setPoint(int index, const QPointF &p);
    // -1 miss, 0 body, n >= 1 the handle of point n-1. Handles first, then
    // the outline parts that grab.
    virtual int hitTest(const QPointF &p) const;
    virtual int shapeType() const { return m_shapeType; }
    virtual bool canFinish();
    virtual void onFinished() {}

    // The model. Values and outline follow the cursor while unfinished.
    virtual MeasuredValues values() const { return {}; }
    virtual Outline outline() const { return {}; }
    // The label lines with the scene's calibration; empty ones left out.
    virtual QStringList labels() const;
    // The picture point the labels hang below.
    virtual QPointF labelAnchor() const;
    // The points that get handles when they show.
    virtual QVector<QPointF> handlePoints() const { return m_points; }
    // Labels' view rectangle when drawn with `font`, where the scene placed
    // them (inside the picture, clear of overlays and other labels); empty
    // without labels.
    QRectF labelRect(const QFont &font) const;
    // Where the block would hang below its anchor with nothing in the way
    // (moved inside the picture only); `anchor` gets the anchor's view pixel.
    QRectF ownLabelBlock(const QFont &font, QPointF *anchor = nullptr) const;

    // Paints handles, outline and labels with the painter's pen and font.
    virtual void drawShape(QPainter *painter);
    // The view pixels drawShape may touch with a pen up to penWidth wide and
    // labels in `font`, handles shown or not: what a change of the shape's
    // look (hover, selection) draws again. Whole pixels along the outline,
    // not its bounds, so that few other shapes are drawn again with it.
    // Shapes that paint more extend it.
    virtual QRegion paintedRegion(const QFont &font, double penWidth) const;

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setHovered(bool hovered);
    bool isHovered() const { return m_hovered; }
    bool isFinished() const { return m_finished; }
    bool isPressed() const { return m_pressed; }
    // Painted as if neither hovered nor selected (the shapes' shared layer,
    // over which the pointer's look is drawn apart).
    void setPlainLook(bool plain) { m_plain = plain; }
    int dragIndex() const { return m_dragIndex; }

    void appendPoint(const QPointF &p);
    QPointF pointAt(int index) const { return m_points.value(index); }
    const QVector<QPointF> &points() const { return m_points; }
    int pointCount() const { return m_points.size(); }
    int maxPoints() const { return m_maxPoints; }
    QPointF cursorPosition() const { return m_cursorPos; }

    void setStyle(const DrawStyle &style);
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
    BDInfo calibration() const;

    CameraScene *cameraScene() const;

protected:
    // Unfinished, hovered or selected, and never in a rendered picture.
    bool showsHandles() const;
    virtual QColor labelColor(const QPainter *painter) const;
    void drawOutline(QPainter *painter, const Outline &outline) const;
    void drawLabels(QPainter *painter, const QStringList &lines) const;
    // Tells the scene; `values` when what the shape measures may have changed.
    void repaint(bool values = true);
    // Tells the scene that only the look changed (handles, the pointer's pen).
    void repaintLook();
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
    bool m_plain = false;
    int m_dragIndex = -1;
    DrawStyle m_style;

private:
    // Label block's shift that keeps it inside the picture.
    QPointF labelShift(const QFont &font, const QPointF &anchor, const QStringList &lines) const;
};

// New shape of the given type, owned by the caller; null for tools and
// unknown values.
GraphicsItem *createShape(int type);

Q_DECLARE_METATYPE(GraphicsItem *)
