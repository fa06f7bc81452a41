#include "measure/shapelayers.h"

#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "measure/spanblend.h"
#include "measure/textshapes.h"

#include <QGraphicsView>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>

using spanblend::drawnSpans;
using spanblend::drawnTiles;

void ShapeLayers::invalidate()
{
    m_view.dirty = true;
    m_render.dirty = true;
}

QRegion ShapeLayers::invalidateLook(const GraphicsItem *shape)
{
    // Pictures rendered for saving show no pointer state: their layer stays.
    if (m_view.dirty)
        return QRegion();
    const int i = m_view.shapes.indexOf(const_cast<GraphicsItem *>(shape));
    if (i < 0) {
        m_view.dirty = true;
        return QRegion();
    }
    // Its highlight is drawn again, or dropped, at the next paint.
    m_view.highlights.erase(std::remove_if(m_view.highlights.begin(), m_view.highlights.end(),
                                           [shape](const Highlight &h) { return h.shape == shape; }),
                            m_view.highlights.end());
    m_view.highlightsStale = true;
    return m_view.reach[i] & m_view.area;
}

void ShapeLayers::reset()
{
    m_view = Layer();
    m_render = Layer();
}

QRect ShapeLayers::viewArea(const QPaintDevice *device) const
{
    const QRect whole(0, 0, device->width(), device->height());
    // Only what the window shows of the view (a zoomed view in a scroll area
    // may be far larger), with a margin for small scrolls: under twice the
    // visible pixels.
    const QGraphicsView *view = m_scene.firstView();
    const QWidget *viewport = view ? view->viewport() : nullptr;
    if (!viewport || !viewport->isVisible())
        return QRect();
    const QRect visible = viewport->visibleRegion().boundingRect() & whole;
    if (visible.isEmpty())
        return QRect();
    const int mx = visible.width() / 5, my = visible.height() / 5;
    return visible.adjusted(-mx, -my, mx, my) & whole;
}

int ShapeLayers::penWidth() const
{
    int width = DrawStyle().lineWidths.value(0, 1);
    const double scale = m_scene.scaleX();
    if (scale < 1.0) {
        width = int(width * scale);
        if (width <= 0)
            width = 1;
    }
    return width;
}

QFont ShapeLayers::baseFont(const QPainter *painter)
{
    QFont font = painter->font();
    font.setPixelSize(16);
    return font;
}

QFont ShapeLayers::shapeFont(const QFont &base, const GraphicsItem *shape) const
{
    QFont font = base;
    font.setPixelSize(shape->fontPixelSize());
    return font;
}

bool ShapeLayers::isHighlighted(const GraphicsItem *shape) const
{
    // Pictures that are saved, printed or recorded show no pointer state.
    return !m_scene.isRenderMode()
           && (shape == m_scene.activeShape() || shape == m_scene.hoveredShape() || shape == m_scene.selectedShape());
}

void ShapeLayers::paintShape(QPainter *painter, GraphicsItem *shape, bool highlighted, QWidget *widget)
{
    const int width = penWidth();
    painter->save();
    painter->setFont(shapeFont(painter->font(), shape));
    painter->setTransform(shape->sceneTransform(), true);
    const DrawStyle &style = shape->style();
    if (highlighted)
        painter->setPen(QPen(QColor(0, 128, 255), width + 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    else
        painter->setPen(QPen(style.lineColor(), width, style.penStyle(), Qt::SquareCap, Qt::BevelJoin));
    m_painting = true;
    shape->paint(painter, nullptr, widget);
    m_painting = false;
    painter->restore();
}

// Every shape in its plain look; then, with `highlights`, the highlighted
// ones in the pointer's look over them, as the view's layer shows them.
void ShapeLayers::paintShapes(QPainter *painter, QWidget *widget, bool highlights)
{
    for (GraphicsItem *shape : m_scene.shapes()) {
        shape->setPlainLook(true);
        paintShape(painter, shape, false, widget);
        shape->setPlainLook(false);
    }
    if (!highlights)
        return;
    for (GraphicsItem *shape : m_scene.shapes()) {
        if (isHighlighted(shape))
            paintShape(painter, shape, true, widget);
    }
}

void ShapeLayers::paint(QPainter *painter, QWidget *widget)
{
    painter->save();
    painter->resetTransform();
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (GraphicsMeasureItem *ruler = m_scene.ruler()) {
        const DrawStyle defaults;
        painter->setPen(QPen(defaults.lineColor(), 2, defaults.penStyle(), Qt::SquareCap, Qt::BevelJoin));
        m_painting = true;
        ruler->paint(painter, nullptr, widget);
        m_painting = false;
        painter->restore();
        return;
    }
    painter->setFont(baseFont(painter));
    // Live frames arrive far more often than shapes change: the shapes are
    // rasterised once into a layer that each frame only blends.
    if (!m_scene.shapes().isEmpty())
        drawShapes(painter, widget);
    // The shape being drawn follows the pointer: never in a saved picture.
    if (GraphicsItem *building = m_scene.shapeUnderConstruction(); building && !m_scene.isRenderMode())
        paintShape(painter, building, false, widget);
    painter->restore();
}

ShapeLayers::Layer &ShapeLayers::current(const QPainter *painter, QRect *needed, QRect *area)
{
    const QPaintDevice *device = painter->device();
    const bool rendering = m_scene.isRenderMode();
    // Rendered pictures are drawn in picture pixels whatever the target.
    const QRect whole = rendering ? QRect(QPoint(0, 0), m_scene.pictureSize())
                                  : QRect(0, 0, device->width(), device->height());
    *needed = rendering ? whole : (m_exposed.isValid() ? m_exposed & whole : whole);
    *area = rendering ? whole : viewArea(device);
    return rendering ? m_render : m_view;
}

// Made for this view and its pixels, with every shape in place (some may
// still wait for a change of look).
bool ShapeLayers::isCurrent(const Layer &layer, const QPainter *painter, const QRect &needed) const
{
    const qreal ratio = m_scene.isRenderMode() ? 1.0 : painter->device()->devicePixelRatioF();
    const AppSettings *settings = m_scene.settings();
    const int polygonArea = settings ? settings->polygonArea : 2;
    return !layer.dirty && !layer.image.isNull() && layer.transform == m_scene.viewTransform() && layer.ratio == ratio
           && layer.polygonArea == polygonArea && layer.area.contains(needed);
}

bool ShapeLayers::isFresh(const Layer &layer, const QPainter *painter, const QRect &needed) const
{
    return !layer.highlightsStale && isCurrent(layer, painter, needed);
}

void ShapeLayers::drawShapes(QPainter *painter, QWidget *widget)
{
    if (!painter->device())
        return;
    if (m_blended) { // with the picture
        m_blended = false;
        return;
    }
    QRect needed, area;
    Layer &layer = current(painter, &needed, &area);
    if (!drawLayer(painter, layer, needed, area, widget))
        paintShapes(painter, widget, true);
}

// Brings the layer up to date for `area` and blends it; false when it cannot
// cover `needed` (then the caller paints the shapes directly).
bool ShapeLayers::drawLayer(QPainter *painter, Layer &layer, const QRect &needed, const QRect &area, QWidget *widget)
{
    if (!isCurrent(layer, painter, needed)) {
        if (area.isEmpty() || !area.contains(needed))
            return false;
        drawAll(painter, layer, area, widget);
        if (layer.image.isNull())
            return false; // no memory for it
    }
    if (layer.highlightsStale)
        updateHighlights(painter, layer, widget);
    if (Target target; directTarget(painter, layer, &target)) {
        blendSpans(target, layer);
        return true;
    }
    if (!layer.tiled) {
        layer.content = drawnTiles(layer.image);
        layer.tiled = true;
    }
    // Pixel for pixel: the untransformed blend, without smoothing.
    const QPainter::RenderHints hints = painter->renderHints();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect &run : qAsConst(layer.content))
        painter->drawImage(QPointF(run.topLeft()) / layer.ratio + QPointF(layer.area.topLeft()), layer.image,
                           QRectF(run));
    for (const Highlight &h : qAsConst(layer.highlights))
        painter->drawImage(QPointF(h.origin) / layer.ratio + QPointF(layer.area.topLeft()), h.image);
    painter->setRenderHints(hints, true);
    painter->setRenderHints(~hints, false);
    return true;
}

// Draws every shape into the layer, for `area` of the view.
void ShapeLayers::drawAll(QPainter *painter, Layer &layer, const QRect &area, QWidget *widget)
{
    const qreal ratio = m_scene.isRenderMode() ? 1.0 : painter->device()->devicePixelRatioF();
    const QSize pixels = (QSizeF(area.size()) * ratio).toSize();
    if (layer.image.size() != pixels)
        layer.image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (layer.image.isNull())
        return;
    layer.image.setDevicePixelRatio(ratio);
    layer.image.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer.image);
        layerPainter.setRenderHints(painter->renderHints());
        layerPainter.setFont(painter->font());
        layerPainter.translate(-area.topLeft());
        paintShapes(&layerPainter, widget, false);
    }
    const AppSettings *settings = m_scene.settings();
    layer.area = area;
    layer.transform = m_scene.viewTransform();
    layer.ratio = ratio;
    layer.polygonArea = settings ? settings->polygonArea : 2;
    layer.dirty = false;
    layer.spans.clear();
    layer.packed.clear();
    drawnSpans(layer.image, 0, layer.image.height() - 1, layer.spans, layer.packed);
    layer.tiled = false;
    layer.highlights.clear();
    layer.highlightsStale = true;
    // Where each shape would paint highlighted, the wider pen: its highlight
    // is drawn within it.
    layer.shapes = m_scene.shapes();
    layer.reach.clear();
    if (m_scene.isRenderMode())
        return;
    layer.reach.reserve(layer.shapes.size());
    const int width = penWidth() + 1;
    for (const GraphicsItem *shape : qAsConst(layer.shapes)) {
        // Shapes sit at the scene's origin; anything else is mapped by its bounds.
        const QRegion r = shape->paintedRegion(shapeFont(painter->font(), shape), width);
        const QTransform t = shape->sceneTransform();
        layer.reach.append(t.isIdentity() ? r : QRegion(t.mapRect(QRectF(r.boundingRect())).toAlignedRect()));
    }
}

// Draws the highlights that are missing and drops those no longer wanted.
void ShapeLayers::updateHighlights(const QPainter *painter, Layer &layer, QWidget *widget)
{
    layer.highlightsStale = false;
    QVector<Highlight> wanted;
    if (!m_scene.isRenderMode()) {
        for (int i = 0; i < layer.shapes.size(); ++i) {
            GraphicsItem *shape = layer.shapes[i];
            if (!isHighlighted(shape))
                continue;
            auto kept = std::find_if(layer.highlights.begin(), layer.highlights.end(),
                                     [shape](const Highlight &h) { return h.shape == shape; });
            wanted.append(kept != layer.highlights.end() ? std::move(*kept) : drawHighlight(painter, layer, i, widget));
        }
    }
    layer.highlights.swap(wanted);
}

// One shape in the pointer's look, in an image of the layer pixels it may
// cover (its place depends on the shape alone, so it is drawn alike however
// the pointer got there), and its runs.
ShapeLayers::Highlight ShapeLayers::drawHighlight(const QPainter *painter, const Layer &layer, int index,
                                                  QWidget *widget)
{
    Highlight h;
    h.shape = layer.shapes[index];
    const QRectF view = QRectF(layer.reach[index].boundingRect() & layer.area).translated(-layer.area.topLeft());
    const QRect pixels = QRectF(view.topLeft() * layer.ratio, view.size() * layer.ratio).toAlignedRect()
                         & layer.image.rect();
    if (pixels.isEmpty())
        return h;
    h.image = QImage(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    if (h.image.isNull())
        return h; // no memory: the shape shows in its plain look
    h.image.setDevicePixelRatio(layer.ratio);
    h.image.fill(Qt::transparent);
    h.origin = pixels.topLeft();
    {
        // Drawn alike from the picture's paint and the shapes' own.
        QPainter p(&h.image);
        p.setRenderHints(painter->renderHints() | QPainter::Antialiasing);
        p.setFont(baseFont(painter));
        p.translate(-(QPointF(layer.area.topLeft()) + QPointF(pixels.topLeft()) / layer.ratio));
        paintShape(&p, h.shape, true, widget);
    }
    drawnSpans(h.image, 0, h.image.height() - 1, h.spans, h.packed);
    for (Span &span : h.spans) {
        span.x += h.origin.x();
        span.y += h.origin.y();
    }
    return h;
}

// The painter's target when it is a raster image (the window's backing
// store, a picture) that the layer can be blended into pixel for pixel;
// false when the painter cannot be bypassed.
bool ShapeLayers::directTarget(QPainter *painter, const Layer &layer, Target *target)
{
    QPaintEngine *engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter->opacity() != 1.0
        || painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    QPaintDevice *device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return false;
    auto *image = static_cast<QImage *>(device);
    // Written in place: never an image another holder shares.
    if ((image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
        || !image->isDetached())
        return false;
    // Whole device pixels only: the layer was made at the device's ratio.
    const QTransform toDevice = painter->deviceTransform();
    const QPointF origin = toDevice.map(QPointF(layer.area.topLeft()));
    const QPointF picture = toDevice.map(QPointF(0, 0));
    if (toDevice.type() > QTransform::TxScale || !qFuzzyCompare(toDevice.m11(), layer.ratio)
        || !qFuzzyCompare(toDevice.m22(), layer.ratio) || QPointF(origin.toPoint()) != origin
        || QPointF(picture.toPoint()) != picture)
        return false;
    target->image = image;
    target->offset = origin.toPoint();
    target->picture = picture.toPoint();
    // What may be written: the image, within the system clip (the part of
    // a window being painted) and the painter's clip.
    target->allowed = QRegion(image->rect());
    const QRegion system = engine->systemClip();
    if (!system.isEmpty())
        target->allowed &= system;
    if (painter->hasClipping())
        target->allowed &= toDevice.map(painter->clipRegion());
    return true;
}

bool ShapeLayers::drawPicture(QPainter *painter, const QImage &picture, const QSize &size, QWidget *widget)
{
    m_blended = false;
    if (m_scene.ruler() || m_scene.shapes().isEmpty() || !painter->device())
        return false;
    // Scaled: only where the painter would pick pixels without smoothing,
    // within the precision its scaled blit keeps.
    const bool scaled = size != picture.size();
    if (scaled
        && ((painter->renderHints() & QPainter::SmoothPixmapTransform) || size.isEmpty() || size.width() > 0x7fff
            || size.height() > 0x7fff || picture.width() > 0x7fff || picture.height() > 0x7fff))
        return false;
    QRect needed, area;
    Layer &layer = current(painter, &needed, &area);
    if (layer.highlightsStale && isCurrent(layer, painter, needed))
        updateHighlights(painter, layer, widget);
    Target target;
    if (!isFresh(layer, painter, needed) || layer.ratio != 1.0 || !directTarget(painter, layer, &target)
        || target.image->format() != picture.format() || picture.format() != QImage::Format_RGB32)
        return false;
    blendSpans(target, layer, &picture, size);
    m_blended = true;
    return true;
}

// Blends the layer's drawn runs into the target, which touches only the
// drawn pixels. With a picture, each row of it (copied, or sampled when
// `shown` is another size) goes in first, so that the runs are blended
// while the row is still in the cache.
void ShapeLayers::blendSpans(const Target &target, const Layer &layer, const QImage *picture, const QSize &shown)
{
    const bool scaled = picture && shown != picture->size();
    spanblend::Job job{target.image->bits(),
                       target.image->bytesPerLine(),
                       target.image->width(),
                       target.offset,
                       &target.allowed,
                       layer.image.rect().translated(target.offset),
                       {},
                       picture,
                       picture ? QRect(target.picture, scaled ? shown : picture->size()) : QRect(),
                       scaled};
    job.sheets.append({layer.spans.constData(), layer.spans.constData() + layer.spans.size(), layer.packed.data()});
    for (const Highlight &h : layer.highlights)
        job.sheets.append({h.spans.constData(), h.spans.constData() + h.spans.size(), h.packed.data()});

    spanblend::blend(job);
}
