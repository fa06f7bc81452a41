#include "measure/shapelayers.h"

#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "measure/textshapes.h"

#include <QGraphicsView>
#include <QPainter>

namespace {

// Runs of tiles that hold any drawn pixel, merged along rows and down
// columns, so that blending the layer skips its empty parts; or their bounds
// when that is cheaper.
QVector<QRect> drawnTiles(const QImage &image)
{
    constexpr int TileW = 64, TileH = 16;
    QVector<QRect> runs;
    QVector<int> open; // indexes in runs that end at the current band
    const int columns = (image.width() + TileW - 1) / TileW;
    QVector<char> used(columns);
    for (int y0 = 0; y0 < image.height(); y0 += TileH) {
        const int y1 = qMin(y0 + TileH, image.height());
        std::fill(used.begin(), used.end(), 0);
        for (int y = y0; y < y1; ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int c = 0; c < columns; ++c) {
                if (used[c])
                    continue;
                const int x1 = qMin((c + 1) * TileW, image.width());
                for (int x = c * TileW; x < x1; ++x) {
                    if (line[x]) { // premultiplied: transparent is all zero
                        used[c] = 1;
                        break;
                    }
                }
            }
        }
        QVector<int> next;
        for (int c = 0; c < columns;) {
            if (!used[c]) {
                ++c;
                continue;
            }
            int end = c;
            while (end < columns && used[end])
                ++end;
            const QRect run(c * TileW, y0, qMin(end * TileW, image.width()) - c * TileW, y1 - y0);
            // Extend the run of the band above when it spans the same columns.
            int grown = -1;
            for (int k : qAsConst(open)) {
                QRect &above = runs[k];
                if (above.left() == run.left() && above.right() == run.right() && above.bottom() + 1 == y0) {
                    above.setBottom(y1 - 1);
                    grown = k;
                    break;
                }
            }
            if (grown < 0) {
                runs.append(run);
                grown = runs.size() - 1;
            }
            next.append(grown);
            c = end;
        }
        open.swap(next);
    }
    // Each drawImage costs about as much as blending some 8000 pixels: when
    // the runs cover most of their bounds, one blend of the bounds is cheaper.
    constexpr qint64 PixelsPerCall = 8000;
    QRect bounds;
    qint64 covered = 0;
    for (const QRect &run : qAsConst(runs)) {
        bounds |= run;
        covered += qint64(run.width()) * run.height();
    }
    if (runs.size() > 1 && qint64(bounds.width()) * bounds.height() + PixelsPerCall < covered + runs.size() * PixelsPerCall)
        return {bounds};
    return runs;
}

} // namespace

void ShapeLayers::invalidate()
{
    m_view.dirty = true;
    m_render.dirty = true;
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

void ShapeLayers::paintShape(QPainter *painter, GraphicsItem *shape, bool highlighted, QWidget *widget)
{
    const int width = penWidth();
    painter->save();
    QFont font = painter->font();
    font.setPixelSize(shape->fontPixelSize());
    painter->setFont(font);
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

void ShapeLayers::paintShapes(QPainter *painter, QWidget *widget)
{
    // Pictures that are saved, printed or recorded show no pointer state.
    const bool pointer = !m_scene.isRenderMode();
    for (GraphicsItem *shape : m_scene.shapes()) {
        const bool highlighted = pointer
            && (shape == m_scene.activeShape() || shape == m_scene.hoveredShape() || shape == m_scene.selectedShape());
        paintShape(painter, shape, highlighted, widget);
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
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);
    // Live frames arrive far more often than shapes change: the shapes are
    // rasterised once into a layer that each frame only blends.
    if (!m_scene.shapes().isEmpty())
        drawShapes(painter, widget);
    // The shape being drawn follows the pointer: never in a saved picture.
    if (GraphicsItem *building = m_scene.shapeUnderConstruction(); building && !m_scene.isRenderMode())
        paintShape(painter, building, false, widget);
    painter->restore();
}

void ShapeLayers::drawShapes(QPainter *painter, QWidget *widget)
{
    const QPaintDevice *device = painter->device();
    if (!device)
        return;
    const bool rendering = m_scene.isRenderMode();
    Layer &layer = rendering ? m_render : m_view;
    // Rendered pictures are drawn in picture pixels whatever the target.
    const QRect whole = rendering ? QRect(QPoint(0, 0), m_scene.pictureSize()) : QRect(0, 0, device->width(), device->height());
    const QRect needed = rendering ? whole : (m_exposed.isValid() ? m_exposed & whole : whole);
    if (!drawLayer(painter, layer, needed, rendering ? whole : viewArea(device), widget))
        paintShapes(painter, widget);
}

// Brings the layer up to date for `area` and blends it; false when it cannot
// cover `needed` (then the caller paints the shapes directly).
bool ShapeLayers::drawLayer(QPainter *painter, Layer &layer, const QRect &needed, const QRect &area, QWidget *widget)
{
    const qreal ratio = m_scene.isRenderMode() ? 1.0 : painter->device()->devicePixelRatioF();
    const QTransform transform = m_scene.viewTransform();
    const AppSettings *settings = m_scene.settings();
    const int polygonArea = settings ? settings->polygonArea : 2;
    const bool stale = layer.dirty || layer.image.isNull() || layer.transform != transform || layer.ratio != ratio
        || layer.polygonArea != polygonArea || !layer.area.contains(needed);
    if (stale) {
        if (area.isEmpty() || !area.contains(needed))
            return false;
        const QSize pixels = (QSizeF(area.size()) * ratio).toSize();
        if (layer.image.size() != pixels)
            layer.image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        if (layer.image.isNull())
            return false; // no memory for it
        layer.image.setDevicePixelRatio(ratio);
        layer.image.fill(Qt::transparent);
        {
            QPainter layerPainter(&layer.image);
            layerPainter.setRenderHints(painter->renderHints());
            layerPainter.setFont(painter->font());
            layerPainter.translate(-area.topLeft());
            paintShapes(&layerPainter, widget);
        }
        layer.area = area;
        layer.transform = transform;
        layer.ratio = ratio;
        layer.polygonArea = polygonArea;
        layer.dirty = false;
        layer.content = drawnTiles(layer.image);
    }
    // Pixel for pixel: the untransformed blend, without smoothing.
    const QPainter::RenderHints hints = painter->renderHints();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect &run : qAsConst(layer.content))
        painter->drawImage(QPointF(run.topLeft()) / ratio + QPointF(layer.area.topLeft()), layer.image, QRectF(run));
    painter->setRenderHints(hints, true);
    painter->setRenderHints(~hints, false);
    return true;
}
