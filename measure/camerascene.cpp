#include "measure/camerascene.h"

#include "core/appsettings.h"
#include "measure/framecopy.h"
#include "measure/graphicsitem.h"
#include "measure/overlaylayout.h"
#include "measure/textshapes.h"

#include <QGraphicsView>
#include <QPainter>

#include <utility>

CameraScene::CameraScene(QObject *parent)
    : QGraphicsScene(parent)
{
    setItemIndexMethod(QGraphicsScene::NoIndex);
    qRegisterMetaType<GraphicsItem *>();
    m_fitPool.setMaxThreadCount(1);
}

CameraScene::~CameraScene()
{
    // A fit still running answers to this scene: it must end first.
    m_fitPool.clear();
    m_fitPool.waitForDone();
    resetImage();
}

QGraphicsView *CameraScene::firstView() const
{
    const QList<QGraphicsView *> list = views();
    return list.isEmpty() ? nullptr : list.first();
}

// ---------------------------------------------------------------- picture

void CameraScene::setImage(const QImage &source)
{
    if (source.isNull()) {
        resetImage();
        update();
        return;
    }
    const QSize before = m_picture.size();
    // Photos may come in any format; draw them from a native one.
    const QImage native = nativeFrame(source);
    if (native.isNull())
        return;
    // Another frame size means another picture: its shapes and history go.
    if (native.size() != m_picture.size())
        resetImage();
    if (!copyFrame(native, m_picture)) { // out of memory: show nothing rather than crash
        resetImage();
        update();
        return;
    }

    const QRectF rect(0, 0, m_picture.width(), m_picture.height());
    if (sceneRect() != rect)
        setSceneRect(rect);
    update();
    if (m_picture.size() != before)
        emit pictureSizeChanged(m_picture.size());
    emit pictureShown();
}

QSize CameraScene::pictureSize() const
{
    if (!m_picture.isNull())
        return m_picture.size();
    return sceneRect().size().toSize();
}

void CameraScene::fitToView(const QSize &size)
{
    QGraphicsView *view = firstView();
    if (view && size.width() > 0 && size.height() > 0) {
        // The viewport is what gets painted, so it is what the picture fills.
        const QSize area = view->viewport()->size();
        if (area.width() > 0 && area.height() > 0) {
            m_scaleX = double(area.width()) / size.width();
            m_scaleY = double(area.height()) / size.height();
        }
    }
    setSceneRect(QRectF(0, 0, size.width(), size.height()));
    if (view) {
        // Items go through drawItems, which leaves them to the shape
        // layers, only when views paint indirectly.
        view->setOptimizationFlag(QGraphicsView::IndirectPainting, true);
        view->resetTransform();
        view->scale(m_scaleX, m_scaleY);
    }
    invalidateLayers();
}

QPointF CameraScene::mapToView(const QPointF &p) const
{
    if (m_renderMode)
        return p;
    const QGraphicsView *view = firstView();
    if (!view)
        return p;
    return QPointF(view->mapFromScene(p));
}

QTransform CameraScene::viewTransform() const
{
    const QGraphicsView *view = m_renderMode ? nullptr : firstView();
    return view ? view->viewportTransform() : QTransform();
}

QRectF CameraScene::pictureViewRect() const
{
    return viewTransform().mapRect(QRectF(QPointF(0, 0), QSizeF(pictureSize())));
}

void CameraScene::resetImage()
{
    m_picture = QImage();
    m_layers.reset();
    forgetAllItems();
    m_history.clear();
}

QSize CameraScene::referenceSize() const
{
    if (!m_renderMode) {
        if (const QGraphicsView *view = firstView())
            return view->viewport()->size();
    }
    return pictureSize();
}

void CameraScene::renderInto(QImage *target)
{
    // The target's memory is not cleared; only an opaque picture covers it.
    if (m_picture.isNull() || m_picture.hasAlphaChannel() || m_picture.size() != target->size())
        target->fill(Qt::white);
    QPainter painter(target);
    m_renderMode = true;
    render(&painter, QRectF(0, 0, target->width(), target->height()), sceneRect(), Qt::KeepAspectRatio);
    m_renderMode = false;
}

QImage CameraScene::grabImage(bool withShapes)
{
    QImage image(sceneRect().size().toSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // Without shapes: the list is set aside for this one render; the cached
    // layers are only drawn while shapes exist, so none goes stale.
    const QList<GraphicsItem *> shapes = withShapes ? QList<GraphicsItem *>() : std::exchange(m_shapes, {});
    renderInto(&image);
    if (!withShapes)
        m_shapes = shapes;
    return image;
}

CameraBuffer *CameraScene::renderToBuffer()
{
    if (m_picture.isNull())
        return nullptr;
    const QSize size = m_picture.size();
    CameraBuffer *buffer = m_renderBuffers.claim(size);
    if (!buffer)
        return nullptr;
    QImage target(buffer->bits(), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
    renderInto(&target);
    return buffer;
}

// ---------------------------------------------------------------- tools

void CameraScene::cancelConstruction()
{
    if (!m_building)
        return;
    removeItem(m_building);
    delete m_building;
    m_building = nullptr;
}

void CameraScene::setTool(int type)
{
    cancelConstruction();
    endEdit();
    // The new tool decides anew what the pointer is over.
    setHoveredShape(nullptr);
    m_tool = type;
    update();
}

void CameraScene::setMeasureEnabled(bool enabled)
{
    cancelConstruction();
    endEdit();
    m_measureEnabled = enabled;
    update();
}

void CameraScene::setCalibration(const QString &name, double factor, int unit)
{
    m_calibration.name = name;
    m_calibration.factor = factor;
    m_calibration.unit = unit;
    invalidateLayers();
    emit shapesChanged();
}

void CameraScene::setSettings(AppSettings *settings)
{
    m_settings = settings;
    invalidateLayers();
}

void CameraScene::showRuler(bool show)
{
    cancelConstruction();
    endEdit();
    if (show) {
        if (!m_ruler) {
            const double w = sceneRect().width();
            const double h = sceneRect().height();
            ShapeRecord record;
            record.points = {QPointF((w - 200) / 2, h / 2), QPointF((w - 200) / 2 + 200, h / 2)};
            m_ruler = new GraphicsMeasureItem;
            m_ruler->restore(record);
            m_ruler->setSelected(false);
            addItem(m_ruler);
        }
    } else {
        removeRuler();
    }
    update();
}

void CameraScene::removeRuler()
{
    if (!m_ruler)
        return;
    removeItem(m_ruler);
    delete m_ruler;
    m_ruler = nullptr;
    update();
}

// ---------------------------------------------------------------- shapes and history

void CameraScene::addShape(GraphicsItem *shape)
{
    if (!shape)
        return;
    addItem(shape);
    m_shapes.append(shape);
    invalidateLayers();
    emit shapesChanged();
}

void CameraScene::removeShape(GraphicsItem *shape)
{
    if (!shape)
        return;
    if (shape == m_activeShape)
        m_activeShape = nullptr;
    if (shape == m_hoveredShape)
        m_hoveredShape = nullptr;
    if (shape == m_building)
        m_building = nullptr;
    if (shape == m_ruler)
        m_ruler = nullptr;
    const bool wasSelected = shape == m_selectedShape;
    if (wasSelected)
        m_selectedShape = nullptr;
    const bool listed = m_shapes.removeAll(shape) > 0;
    if (shape->scene() == this)
        removeItem(shape);
    delete shape;
    invalidateLayers();
    if (listed)
        emit shapesChanged();
    if (wasSelected)
        emit selectedShapeChanged(nullptr);
}

void CameraScene::eraseShape(GraphicsItem *shape)
{
    if (!shape || !m_shapes.contains(shape))
        return;
    if (shape == m_activeShape)
        endEdit();
    removeShape(shape);
    saveHistory();
}

void CameraScene::selectShape(GraphicsItem *shape)
{
    if (shape && !m_shapes.contains(shape))
        shape = nullptr;
    if (shape == m_selectedShape)
        return;
    GraphicsItem *old = std::exchange(m_selectedShape, shape);
    if (old) {
        old->setSelected(false);
        shapeLookChanged(old);
    }
    if (shape) {
        shape->setSelected(true);
        shapeLookChanged(shape);
    }
    emit selectedShapeChanged(shape);
}

void CameraScene::shapeChanged(GraphicsItem *shape, bool values)
{
    if (!m_shapes.contains(shape)) {
        update(); // the shape under construction or the ruler: drawn directly
        return;
    }
    invalidateLayers();
    if (values)
        emit shapesChanged();
}

void CameraScene::shapeLookChanged(GraphicsItem *shape)
{
    // Pen and handles only: no label moves, the others stay as drawn.
    const QRegion reach = m_shapes.contains(shape) ? m_layers.invalidateLook(shape) : QRegion();
    if (reach.isEmpty()) {
        update();
        return;
    }
    const QTransform toScene = viewTransform().inverted();
    for (const QRect &r : reach)
        update(toScene.mapRect(QRectF(r)));
}

void CameraScene::invalidateLayers()
{
    m_layers.invalidate();
    for (LabelCache &c : m_labelCache)
        c.valid = false;
    update();
}

int CameraScene::addCornerOverlay(const SceneOverlays::CornerOverlay &overlay)
{
    const int id = m_overlays.addCornerOverlay(overlay);
    invalidateLayers();
    return id;
}

void CameraScene::removeCornerOverlay(int id)
{
    m_overlays.removeCornerOverlay(id);
    invalidateLayers();
}

SceneOverlays::Frame CameraScene::overlayFrame() const
{
    return {referenceSize(), m_renderMode,  !m_picture.isNull(), pictureViewRect(),
            pictureSize(),   m_calibration, visibleViewRect()};
}

const CameraScene::LabelCache &CameraScene::labelCache(const QFont &font) const
{
    LabelCache &c = m_labelCache[m_renderMode ? 1 : 0];
    const QVector<QRectF> obstacles = overlayBoxes().all();
    const QTransform transform = viewTransform();
    const QRectF picture = pictureViewRect();
    if (c.valid && c.font == font.key() && c.transform == transform && c.picture == picture && c.obstacles == obstacles)
        return c;
    c = LabelCache();
    c.valid = true;
    c.font = font.key();
    c.transform = transform;
    c.picture = picture;
    c.obstacles = obstacles;
    c.taken = obstacles;
    const qint64 budget = overlaylayout::labelBudget(m_shapes.size());
    // In drawing order: a shape's labels give way to those drawn before it.
    for (const GraphicsItem *shape : m_shapes) {
        QFont own = font;
        own.setPixelSize(shape->fontPixelSize());
        LabelPlace place;
        place.natural = shape->ownLabelBlock(own, &place.anchor);
        if (place.natural.isEmpty())
            continue;
        place.block = overlaylayout::placeLabel(place.natural, picture, c.taken, 2, nullptr, budget);
        place.leader = overlaylayout::needsLeader(place.natural, place.block);
        c.taken.append(place.block);
        c.places.insert(shape, place);
    }
    return c;
}

CameraScene::LabelPlace CameraScene::labelPlace(const GraphicsItem *shape, const QFont &font) const
{
    const LabelCache &c = labelCache(font);
    const auto found = c.places.constFind(shape);
    if (found != c.places.cend())
        return *found;
    // The shape being drawn (or one not yet listed) gives way to all the others.
    QFont own = font;
    own.setPixelSize(shape->fontPixelSize());
    LabelPlace place;
    place.natural = shape->ownLabelBlock(own, &place.anchor);
    if (place.natural.isEmpty())
        return place;
    place.block = overlaylayout::placeLabel(place.natural, c.picture, c.taken, 2, nullptr,
                                            overlaylayout::labelBudget(m_shapes.size()));
    place.leader = overlaylayout::needsLeader(place.natural, place.block);
    return place;
}

void CameraScene::setActiveShape(GraphicsItem *shape)
{
    if (shape == m_activeShape)
        return;
    // The active shape is highlighted.
    if (GraphicsItem *old = std::exchange(m_activeShape, shape))
        shapeLookChanged(old);
    if (shape)
        shapeLookChanged(shape);
}

void CameraScene::setHoveredShape(GraphicsItem *shape)
{
    if (shape == m_hoveredShape)
        return;
    if (GraphicsItem *old = std::exchange(m_hoveredShape, shape)) {
        old->setHovered(false);
        shapeLookChanged(old);
    }
    if (shape) {
        shape->setHovered(true);
        shapeLookChanged(shape);
    }
}

void CameraScene::forgetAllItems()
{
    ++m_shapesEpoch;
    const bool hadShapes = !m_shapes.isEmpty();
    const bool hadSelection = m_selectedShape;
    m_shapes.clear();
    m_activeShape = nullptr;
    m_hoveredShape = nullptr; // deleted below like every other item
    m_selectedShape = nullptr;
    m_building = nullptr;
    m_ruler = nullptr;
    m_pressSnapshot.points.clear();
    clear();
    invalidateLayers();
    if (hadShapes)
        emit shapesChanged();
    if (hadSelection)
        emit selectedShapeChanged(nullptr);
}

void CameraScene::clearShapes()
{
    forgetAllItems();
    update();
}

GraphicsItem *CameraScene::shapeAt(const QPointF &p) const
{
    for (GraphicsItem *shape : m_shapes) {
        if (shape->hitTest(p) != -1)
            return shape;
    }
    return nullptr;
}

void CameraScene::commitIfFinished()
{
    if (!m_building || !m_building->isFinished())
        return;
    GraphicsItem *shape = m_building;
    m_building = nullptr;
    removeItem(shape);
    addShape(shape);
    saveHistory();
}

ShapeState CameraScene::currentState() const
{
    ShapeState state;
    state.reserve(m_shapes.size());
    for (const GraphicsItem *shape : m_shapes)
        state.append(shape->record());
    return state;
}

void CameraScene::saveHistory() { m_history.save(currentState()); }

void CameraScene::restoreState(const ShapeState &state)
{
    forgetAllItems();
    for (const ShapeRecord &record : state) {
        GraphicsItem *shape = createShape(record.type);
        if (!shape)
            continue;
        shape->restore(record);
        addItem(shape);
        m_shapes.append(shape);
    }
    invalidateLayers();
    emit shapesChanged();
}

void CameraScene::undo()
{
    const ShapeState *state = m_history.undo();
    if (!state)
        return;
    if (m_history.index() >= 0) {
        restoreState(*state);
    } else {
        forgetAllItems();
        update();
    }
}

void CameraScene::redo()
{
    if (const ShapeState *state = m_history.redo())
        restoreState(*state);
}

void CameraScene::clearAll()
{
    forgetAllItems();
    m_history.clear();
    update();
}

void CameraScene::clearHistory() { m_history.clear(); }

void CameraScene::endEdit()
{
    if (!m_activeShape)
        return;
    if (m_tool == Select && !m_pressSnapshot.points.isEmpty() && m_activeShape->points() != m_pressSnapshot.points)
        saveHistory();
    m_pressSnapshot.points.clear();
    setActiveShape(nullptr);
    setHoveredShape(nullptr);
}

// ---------------------------------------------------------------- drawing

void CameraScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    if (!m_renderMode)
        m_layers.setExposed(viewTransform().mapRect(rect).toAlignedRect());
    // A view that paints items itself would draw them with its own pens and
    // transform; switch it over (from the next paint on).
    if (QGraphicsView *view = firstView()) {
        if (!(view->optimizationFlags() & QGraphicsView::IndirectPainting)) {
            view->setOptimizationFlag(QGraphicsView::IndirectPainting, true);
            update();
        }
    }
    // Labels keep clear of the overlays: when these moved (another size, a
    // corner overlay that grew), the shapes are drawn again.
    SceneOverlays::Boxes &drawn = m_drawnBoxes[m_renderMode ? 1 : 0];
    if (const SceneOverlays::Boxes now = overlayBoxes(); now != drawn) {
        drawn = now;
        m_layers.invalidate();
    }
    if (m_picture.isNull())
        return;
    const QSize size = referenceSize();
    painter->save();
    painter->resetTransform();
    // The image itself, not a pixmap of it: a pixmap would copy every frame.
    if (!m_layers.drawPicture(painter, m_picture, size, shapesWidget()))
        painter->drawImage(QRect(QPoint(0, 0), size), m_picture);
    painter->restore();
}

void CameraScene::drawItems(QPainter *, int, QGraphicsItem *[], const QStyleOptionGraphicsItem[], QWidget *)
{
    // The shapes are drawn with the foreground: a view finds no item in a
    // part it paints again unless some item's bounds reach into it.
}

QRect CameraScene::visibleViewRect() const
{
    // A zoomed view sits in a scroll area: only part of its viewport shows.
    if (m_renderMode)
        return QRect();
    const QGraphicsView *view = firstView();
    return view ? view->viewport()->visibleRegion().boundingRect() : QRect();
}

QWidget *CameraScene::shapesWidget() const
{
    const QGraphicsView *view = firstView();
    return m_renderMode || !view ? nullptr : view->viewport();
}

void CameraScene::drawForeground(QPainter *painter, const QRectF &)
{
    m_layers.paint(painter, shapesWidget());
    if (m_settings)
        m_overlays.reticleColour = m_settings->style.lineColor();
    if (!m_renderMode && !m_analysisOverlay.isNull() && m_analysisOverlay.size() == m_picture.size()) {
        painter->save();
        painter->resetTransform();
        painter->drawImage(pictureViewRect(), m_analysisOverlay);
        painter->restore();
    }
    m_overlays.paint(painter, overlayFrame());
}
