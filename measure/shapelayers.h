#pragma once

#include <QImage>
#include <QRect>
#include <QTransform>
#include <QVector>

class CameraScene;
class GraphicsItem;
class QPainter;
class QPaintDevice;
class QWidget;

// Paints a scene's shapes with its pens (the pointer's blue for the active,
// hovered and selected one). The finished shapes are rasterised once and the
// result reused for every frame until they change: one layer for the view (only its visible part, so that memory
// stays bounded at any zoom), one for pictures rendered at picture size.
// Changes to shapes, style, calibration, hover and selection mark them
// dirty; the view's geometry is compared, as views do not announce it.
class ShapeLayers
{
public:
    explicit ShapeLayers(const CameraScene &scene) : m_scene(scene) {}

    void invalidate();
    // Drops the images (a new picture).
    void reset();
    // The view pixels the current paint covers.
    void setExposed(const QRect &viewPixels) { m_exposed = viewPixels; }

    // The ruler alone while it shows; else the finished shapes through the
    // layer of the scene's mode (straight onto the painter when no layer can
    // cover the paint) and the shape under construction.
    void paint(QPainter *painter, QWidget *widget);
    // True while shapes are painted from here (items paint nothing otherwise).
    bool isPaintingShapes() const { return m_painting; }

private:
    struct Layer
    {
        QImage image;
        bool dirty = true;
        QRect area;            // what it covers, in device pixels
        QTransform transform;  // picture to view when drawn
        qreal ratio = 1.0;
        int polygonArea = 0;
        QVector<QRect> content; // runs of tiles that hold anything, image pixels
    };

    QRect viewArea(const QPaintDevice *device) const;
    void drawShapes(QPainter *painter, QWidget *widget);
    bool drawLayer(QPainter *painter, Layer &layer, const QRect &needed, const QRect &area, QWidget *widget);
    int penWidth() const;
    void paintShape(QPainter *painter, GraphicsItem *shape, bool highlighted, QWidget *widget);
    void paintShapes(QPainter *painter, QWidget *widget);

    const CameraScene &m_scene;
    Layer m_view;
    Layer m_render;
    QRect m_exposed;
    bool m_painting = false;
};
