#include "measure/shapelayers.h"

#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "measure/textshapes.h"

#include <QGraphicsView>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// x * a / 255 per channel, rounded as the raster engine's blending does
// (exact at a = 0 and 255).
inline quint32 byteMul(quint32 x, quint32 a)
{
    quint64 t = ((quint64(x) | (quint64(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return quint32(t) | quint32(t >> 24);
}

#ifdef __SSE2__
// x * a / 255 per channel for four pixels, `a` in both halves of each pixel.
inline __m128i byteMul4(__m128i x, __m128i a)
{
    const __m128i low = _mm_set1_epi32(0x00ff00ff);
    const __m128i half = _mm_set1_epi16(0x80);
    __m128i rb = _mm_mullo_epi16(_mm_and_si128(x, low), a);
    __m128i ag = _mm_mullo_epi16(_mm_srli_epi16(x, 8), a);
    rb = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(rb, _mm_srli_epi16(rb, 8)), half), 8);
    ag = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(ag, _mm_srli_epi16(ag, 8)), half), 8);
    return _mm_or_si128(rb, _mm_slli_epi16(ag, 8));
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
#define VISTREL_AVX2 1
// s + d * (255 - alpha of s) / 255 for eight pixels.
__attribute__((target("avx2"))) inline __m256i sourceOver8(__m256i s, __m256i d)
{
    const __m256i low = _mm256_set1_epi32(0x00ff00ff);
    const __m256i half = _mm256_set1_epi16(0x80);
    __m256i a = _mm256_sub_epi32(_mm256_set1_epi32(255), _mm256_srli_epi32(s, 24));
    a = _mm256_or_si256(a, _mm256_slli_epi32(a, 16));
    __m256i rb = _mm256_mullo_epi16(_mm256_and_si256(d, low), a);
    __m256i ag = _mm256_mullo_epi16(_mm256_srli_epi16(d, 8), a);
    rb = _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(rb, _mm256_srli_epi16(rb, 8)), half), 8);
    ag = _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(ag, _mm256_srli_epi16(ag, 8)), half), 8);
    return _mm256_add_epi8(s, _mm256_or_si256(rb, _mm256_slli_epi16(ag, 8)));
}

// The row blend on processors that have AVX2, eight pixels at a time; the
// last few through a mask, as most runs are a few pixels of a thin line.
__attribute__((target("avx2"))) inline void blendRowAvx2(quint32 *dst, const quint32 *src, int count)
{
    const __m256i alpha = _mm256_set1_epi32(int(0xff000000));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + i));
        if (_mm256_testz_si256(s, s))
            continue; // all transparent
        if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(s, alpha), alpha)) == -1) {
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + i), s); // all opaque
            continue;
        }
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(dst + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + i), sourceOver8(s, d));
    }
    if (i < count) {
        const __m256i mask = _mm256_cmpgt_epi32(_mm256_set1_epi32(count - i),
                                                _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
        const __m256i s = _mm256_maskload_epi32(reinterpret_cast<const int *>(src + i), mask);
        if (!_mm256_testz_si256(s, s)) {
            const __m256i d = _mm256_maskload_epi32(reinterpret_cast<const int *>(dst + i), mask);
            _mm256_maskstore_epi32(reinterpret_cast<int *>(dst + i), mask, sourceOver8(s, d));
        }
    }
}
#endif

// Source-over of premultiplied pixels, the same arithmetic as QPainter's.
// Without branches per pixel: antialiased edges and text make alpha
// unpredictable; groups of pixels all clear or all opaque are quick.
inline void blendRow(quint32 *dst, const quint32 *src, int count)
{
    int i = 0;
#ifdef __SSE2__
    const __m128i full = _mm_set1_epi32(255);
    const __m128i alpha = _mm_set1_epi32(int(0xff000000));
    const __m128i zero = _mm_setzero_si128();
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(s, zero)) == 0xffff)
            continue;
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, alpha), alpha)) == 0xffff) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), s);
            continue;
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(dst + i));
        __m128i a = _mm_sub_epi32(full, _mm_srli_epi32(s, 24));
        a = _mm_or_si128(a, _mm_slli_epi32(a, 16));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_add_epi8(s, byteMul4(d, a)));
    }
#endif
    for (; i < count; ++i) {
        const quint32 s = src[i];
        dst[i] = s + byteMul(dst[i], 255 - (s >> 24));
    }
}

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
    if (runs.size() > 1
        && qint64(bounds.width()) * bounds.height() + PixelsPerCall < covered + runs.size() * PixelsPerCall)
        return {bounds};
    return runs;
}

// The runs of drawn pixels of rows top to bottom, appended; gaps shorter
// than a few pixels are kept inside a run, where skipping a transparent
// pixel is cheaper than a new run.
void drawnSpans(const QImage &image, int top, int bottom, QVector<ShapeLayers::Span> &spans,
                std::vector<quint32> &packed)
{
    constexpr int Gap = 16;
    const int w = image.width();
    for (int y = top; y <= bottom; ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        int x = 0;
        while (x < w) {
            // Eight pixels at a time through the empty stretches.
#ifdef __SSE2__
            const __m128i zero = _mm_setzero_si128();
            while (x + 8 <= w) {
                const __m128i both = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(line + x)),
                                                  _mm_loadu_si128(reinterpret_cast<const __m128i *>(line + x + 4)));
                if (_mm_movemask_epi8(_mm_cmpeq_epi32(both, zero)) != 0xffff)
                    break;
                x += 8;
            }
#endif
            while (x < w && !line[x])
                ++x;
            if (x >= w)
                break;
            const int start = x;
            int last = x;
            for (; x < w && x - last <= Gap; ++x) {
                if (line[x])
                    last = x;
            }
            spans.append({y, start, last - start + 1, int(packed.size())});
            packed.insert(packed.end(), line + start, line + last + 1);
            x = last + 1;
        }
    }
}

// Replaces the spans of rows top to bottom with those the image holds now.
void respan(const QImage &image, int top, int bottom, QVector<ShapeLayers::Span> &spans, std::vector<quint32> &packed)
{
    using Span = ShapeLayers::Span;
    const auto byRow = [](const Span &span, int y) { return span.y < y; };
    const int first = int(std::lower_bound(spans.begin(), spans.end(), top, byRow) - spans.begin());
    const int last = int(std::lower_bound(spans.begin(), spans.end(), bottom + 1, byRow) - spans.begin());
    const int from = first < spans.size() ? spans[first].offset : int(packed.size());
    const int to = last < spans.size() ? spans[last].offset : int(packed.size());
    QVector<Span> rows;
    std::vector<quint32> pixels;
    drawnSpans(image, top, bottom, rows, pixels);
    for (Span &span : rows)
        span.offset += from;
    const int shift = int(pixels.size()) - (to - from);
    for (int i = last; i < spans.size(); ++i)
        spans[i].offset += shift;
    packed.erase(packed.begin() + from, packed.begin() + to);
    packed.insert(packed.begin() + from, pixels.begin(), pixels.end());
    spans.erase(spans.begin() + first, spans.begin() + last);
    spans.insert(first, rows.size(), Span());
    std::copy(rows.begin(), rows.end(), spans.begin() + first);
}

} // namespace

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
    const QRegion shown = m_view.reach[i] & m_view.area;
    m_view.pending += shown;
    return shown;
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

void ShapeLayers::paintShapes(QPainter *painter, QWidget *widget)
{
    for (GraphicsItem *shape : m_scene.shapes())
        paintShape(painter, shape, isHighlighted(shape), widget);
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
    return layer.pending.isEmpty() && isCurrent(layer, painter, needed);
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
        paintShapes(painter, widget);
}

// Brings the layer up to date for `area` and blends it; false when it cannot
// cover `needed` (then the caller paints the shapes directly).
bool ShapeLayers::drawLayer(QPainter *painter, Layer &layer, const QRect &needed, const QRect &area, QWidget *widget)
{
    // A whole ratio keeps view pixels on whole layer pixels for a partial redraw.
    if (isCurrent(layer, painter, needed) && !layer.pending.isEmpty() && layer.shapes == m_scene.shapes()
        && layer.ratio == std::floor(layer.ratio)) {
        drawPending(painter, layer, widget);
    } else if (!isFresh(layer, painter, needed)) {
        if (area.isEmpty() || !area.contains(needed))
            return false;
        drawAll(painter, layer, area, widget);
        if (layer.image.isNull())
            return false; // no memory for it
    }
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
        paintShapes(&layerPainter, widget);
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
    layer.pending = QRegion();
    // Where each shape would paint highlighted, the wider pen: a hover or
    // selection change then draws only there.
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

// Draws again the pending part of the layer: cleared, then every shape that
// reaches into it, clipped to it, as a whole drawing would have put them.
void ShapeLayers::drawPending(QPainter *painter, Layer &layer, QWidget *widget)
{
    const QRegion view = layer.pending & layer.area;
    layer.pending = QRegion();
    if (view.isEmpty())
        return;
    const int ratio = int(layer.ratio);
    QVector<QPair<int, int>> bands; // rows of layer pixels, in order
    for (const QRect &r : view) {
        const QRect pixels = QRect((r.topLeft() - layer.area.topLeft()) * ratio, r.size() * ratio) & layer.image.rect();
        if (pixels.isEmpty())
            continue;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            std::memset(layer.image.scanLine(y) + 4 * pixels.left(), 0, size_t(pixels.width()) * 4);
        if (!bands.isEmpty() && pixels.top() <= bands.last().second + 1)
            bands.last().second = qMax(bands.last().second, pixels.bottom());
        else
            bands.append({pixels.top(), pixels.bottom()});
    }
    {
        QPainter layerPainter(&layer.image);
        layerPainter.setRenderHints(painter->renderHints());
        layerPainter.setFont(painter->font());
        layerPainter.translate(-layer.area.topLeft());
        layerPainter.setClipRegion(view);
        for (int i = 0; i < layer.shapes.size(); ++i) {
            if (view.intersects(layer.reach[i]))
                paintShape(&layerPainter, layer.shapes[i], isHighlighted(layer.shapes[i]), widget);
        }
    }
    for (const auto &band : qAsConst(bands))
        respan(layer.image, band.first, band.second, layer.spans, layer.packed);
    layer.tiled = false;
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

bool ShapeLayers::drawPicture(QPainter *painter, const QImage &picture, const QSize &size)
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
    const Layer &layer = current(painter, &needed, &area);
    Target target;
    if (!isFresh(layer, painter, needed) || layer.ratio != 1.0 || !directTarget(painter, layer, &target)
        || target.image->format() != picture.format() || picture.format() != QImage::Format_RGB32)
        return false;
    blendSpans(target, layer, &picture, size);
    m_blended = true;
    return true;
}

namespace {

// Which picture pixels a scaled blit without smoothing shows in one clip
// rectangle: the raster engine's own fixed-point stepping (16.16, from the
// first pixel's centre, the step truncated), with its guard that drops a
// last row or column that rounding would take past the picture.
struct Sampling
{
    QRect rows;             // the target pixels written
    quint32 x0 = 0, y0 = 0; // picture coordinates of the first, 16.16
    int dx = 0, dy = 0;

    Sampling(const QRect &target, const QSize &picture, int pictureStride, const QRect &clip)
    {
        const qreal sx = qreal(picture.width()) / target.width();
        const qreal sy = qreal(picture.height()) / target.height();
        dx = int(0x10000 * sx);
        dy = int(0x10000 * sy);
        rows = target & clip;
        if (rows.isEmpty())
            return;
        x0 = quint32(qCeil((rows.left() + qreal(0.5) - target.left()) * sx * 65536) - 1);
        y0 = quint32(qCeil((rows.top() + qreal(0.5) - target.top()) * sy * 65536) - 1);
        int w = rows.width(), h = rows.height();
        const int yEnd = int((y0 + quint32(dy) * quint32(h - 1)) >> 16);
        if (yEnd < 0 || yEnd >= picture.height())
            --h;
        const int xEnd = int((x0 + quint32(dx) * quint32(w - 1)) >> 16);
        if (xEnd < 0 || xEnd >= pictureStride)
            --w;
        rows.setSize(QSize(w, h));
    }

    // Target row y (of rows) from the picture.
    void fill(quint32 *line, const QImage &picture, int y) const
    {
        const auto *src = reinterpret_cast<const quint32 *>(
            picture.constScanLine(int((y0 + quint32(dy) * quint32(y - rows.top())) >> 16)));
        quint32 x = x0;
        quint32 *dst = line + rows.left();
        const int w = rows.width();
        for (int i = 0; i < w; ++i, x += quint32(dx))
            dst[i] = src[x >> 16];
    }
};

} // namespace

namespace {

// One blend of a layer's runs into a target image, in plain terms.
struct SpanBlend
{
    uchar *bits;
    qsizetype stride;
    QPoint offset; // of the layer in the target
    const QRegion *allowed;
    QRect layerRect; // in the target
    const ShapeLayers::Span *spans;
    int spanCount;
    const quint32 *packed;
    const QImage *picture;
    QRect pictureRect; // where it goes, in the target
    bool scaled;
};

template <void (*Blend)(quint32 *, const quint32 *, int)>
__attribute__((always_inline)) inline void blendSpanRows(const SpanBlend &job)
{
    using Span = ShapeLayers::Span;
    const Span *end = job.spans + job.spanCount;
    const QPoint offset = job.offset;
    for (const QRect &clip : *job.allowed) {
        const QRect rows = job.picture ? clip & job.pictureRect : clip & job.layerRect;
        if (rows.isEmpty())
            continue;
        const Sampling sampling = job.scaled ? Sampling(job.pictureRect, job.picture->size(),
                                                        int(job.picture->bytesPerLine() / 4), clip)
                                             : Sampling(job.pictureRect, job.pictureRect.size(), 0, QRect());
        // Spans are sorted by row: start at the first row shown.
        const Span *it = std::lower_bound(job.spans, end, rows.top() - offset.y(),
                                          [](const Span &span, int y) { return span.y < y; });
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(job.bits + y * job.stride);
            if (job.scaled) {
                if (y <= sampling.rows.bottom())
                    sampling.fill(line, *job.picture, y);
            } else if (job.picture) {
                std::memcpy(line + rows.left(),
                            job.picture->constScanLine(y - job.pictureRect.top())
                                + 4 * (rows.left() - job.pictureRect.left()),
                            size_t(rows.width()) * 4);
            } else if (it == end) {
                break;
            } else if (it->y + offset.y() > y) {
                y = it->y + offset.y() - 1; // on to the next row with spans
                continue;
            }
            for (; it != end && it->y + offset.y() == y; ++it) {
                const int x0 = qMax(it->x + offset.x(), rows.left());
                const int x1 = qMin(it->x + offset.x() + it->length, rows.right() + 1);
                if (x1 > x0)
                    Blend(line + x0, job.packed + it->offset + (x0 - it->x - offset.x()), x1 - x0);
            }
        }
    }
}

#ifdef VISTREL_AVX2
__attribute__((target("avx2"))) void blendSpanRowsAvx2(const SpanBlend &job) { blendSpanRows<blendRowAvx2>(job); }
#endif

} // namespace

// Blends the layer's drawn runs into the target, which touches only the
// drawn pixels. With a picture, each row of it (copied, or sampled when
// `shown` is another size) goes in first, so that the runs are blended
// while the row is still in the cache.
void ShapeLayers::blendSpans(const Target &target, const Layer &layer, const QImage *picture, const QSize &shown)
{
    const bool scaled = picture && shown != picture->size();
    const SpanBlend job{target.image->bits(),
                        target.image->bytesPerLine(),
                        target.offset,
                        &target.allowed,
                        layer.image.rect().translated(target.offset),
                        layer.spans.constData(),
                        layer.spans.size(),
                        layer.packed.data(),
                        picture,
                        picture ? QRect(target.picture, scaled ? shown : picture->size()) : QRect(),
                        scaled};
#ifdef VISTREL_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        blendSpanRowsAvx2(job);
        return;
    }
#endif
    blendSpanRows<blendRow>(job);
}
