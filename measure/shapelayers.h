#pragma once

#include "measure/spanblend.h"

#include <QFont>
#include <QImage>
#include <QList>
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
// result reused for every frame until they change: one layer for the view
// (only its visible part, so that memory stays bounded at any zoom), one for
// pictures rendered at picture size. Changes to shapes, style and
// calibration mark them dirty. The view's layer holds every shape in its
// plain look; the pointer's look of the few highlighted shapes is drawn
// apart, over all of them, so that a hover or selection change draws only
// the shape it changes. The view's geometry is compared, as views do not
// announce it.
class ShapeLayers
{
public:
    explicit ShapeLayers(const CameraScene &scene)
        : m_scene(scene)
    {}

    void invalidate();
    // The shape's look changed (hover, selection), not its place: only its
    // own highlight is drawn again. Returns the view pixels it may cover;
    // empty when the whole view must be drawn again.
    QRegion invalidateLook(const GraphicsItem *shape);
    // Drops the images (a new picture).
    void reset();
    // The view pixels the current paint covers.
    void setExposed(const QRect &viewPixels) { m_exposed = viewPixels; }

    // Draws the picture into (0, 0, size) with the shapes' layer blended in,
    // in one pass, when the target allows (a raster image at one device pixel
    // per view pixel, the layer up to date); the next paint() then draws no
    // finished shapes. A picture of another size is sampled as QPainter
    // samples it without smoothing. False when the picture is left to the
    // caller.
    bool drawPicture(QPainter *painter, const QImage &picture, const QSize &size, QWidget *widget);
    // The ruler alone while it shows; else the finished shapes through the
    // layer of the scene's mode (straight onto the painter when no layer can
    // cover the paint) and the shape under construction.
    void paint(QPainter *painter, QWidget *widget);
    // True while shapes are painted from here (items paint nothing otherwise).
    bool isPaintingShapes() const { return m_painting; }

private:
    using Span = spanblend::Span;

    // The pointer's look of one shape, drawn over the layer.
    struct Highlight
    {
        GraphicsItem *shape = nullptr;
        QImage image;        // for painters the runs cannot go into
        QPoint origin;       // of the image in the layer's image
        QVector<Span> spans; // layer image pixels
        std::vector<quint32> packed;
    };

    struct Layer
    {
        QImage image;
        bool dirty = true;
        QRect area;           // what it covers, in device pixels
        QTransform transform; // picture to view when drawn
        qreal ratio = 1.0;
        int polygonArea = 0;
        QVector<Span> spans;         // what it holds, image pixels
        std::vector<quint32> packed; // the spans' pixels one after another
        QVector<QRect> content;      // runs of tiles that hold anything, image pixels; made when first needed
        bool tiled = false;
        QList<GraphicsItem *> shapes; // as drawn, each with the view pixels its highlighted look may cover
        QVector<QRegion> reach;
        QVector<Highlight> highlights; // in the shapes' order
        bool highlightsStale = true;
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
    bool isCurrent(const Layer &layer, const QPainter *painter, const QRect &needed) const;
    void drawAll(QPainter *painter, Layer &layer, const QRect &area, QWidget *widget);
    void updateHighlights(const QPainter *painter, Layer &layer, QWidget *widget);
    Highlight drawHighlight(const QPainter *painter, const Layer &layer, int index, QWidget *widget);
    static bool directTarget(QPainter *painter, const Layer &layer, Target *target);
    static void blendSpans(const Target &target, const Layer &layer, const QImage *picture = nullptr,
                           const QSize &shown = QSize());
    int penWidth() const;
    bool isHighlighted(const GraphicsItem *shape) const;
    static QFont baseFont(const QPainter *painter);
    QFont shapeFont(const QFont &base, const GraphicsItem *shape) const;
    void paintShape(QPainter *painter, GraphicsItem *shape, bool highlighted, QWidget *widget);
    void paintShapes(QPainter *painter, QWidget *widget, bool highlights);

    const CameraScene &m_scene;
    Layer m_view;
    Layer m_render;
    QRect m_exposed;
    bool m_painting = false;
    bool m_blended = false; // drawPicture blended the layer in this paint
};
