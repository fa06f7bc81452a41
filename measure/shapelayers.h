#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QTransform>
#include <QVector>

#include <vector>

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
    // A row's run of layer pixels that holds something (with small gaps).
    struct Span
    {
        int y, x, length;
        int offset; // of its first pixel in the packed pixels
    };

    explicit ShapeLayers(const CameraScene &scene) : m_scene(scene) {}

    void invalidate();
    // Drops the images (a new picture).
    void reset();
    // The view pixels the current paint covers.
    void setExposed(const QRect &viewPixels) { m_exposed = viewPixels; }

    // Draws the picture at its own size with the shapes' layer blended in,
    // in one pass, when the target allows (a raster image at one device pixel
    // per picture pixel, the layer up to date); the next paint() then draws
    // no finished shapes. False when the picture is left to the caller.
    bool drawPicture(QPainter *painter, const QImage &picture);
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
        QVector<Span> spans;    // what it holds, image pixels
        std::vector<quint32> packed; // the spans' pixels one after another
        QVector<QRect> content; // runs of tiles that hold anything, image pixels; made when first needed
        bool tiled = false;
    };

    QRect viewArea(const QPaintDevice *device) const;
    void drawShapes(QPainter *painter, QWidget *widget);
    bool drawLayer(QPainter *painter, Layer &layer, const QRect &needed, const QRect &area, QWidget *widget);
    struct Target
    {
        QImage *image = nullptr;
        QPoint offset;  // the layer's origin in the image
        QPoint picture; // the picture's origin in the image
        QRegion allowed;
    };
    Layer &current(const QPainter *painter, QRect *needed, QRect *area);
    bool isFresh(const Layer &layer, const QPainter *painter, const QRect &needed) const;
    static bool directTarget(QPainter *painter, const Layer &layer, Target *target);
    static void blendSpans(const Target &target, const Layer &layer, const QImage *picture = nullptr);
    int penWidth() const;
    void paintShape(QPainter *painter, GraphicsItem *shape, bool highlighted, QWidget *widget);
    void paintShapes(QPainter *painter, QWidget *widget);

    const CameraScene &m_scene;
    Layer m_view;
    Layer m_render;
    QRect m_exposed;
    bool m_painting = false;
    bool m_blended = false; // drawPicture blended the layer in this paint
};
