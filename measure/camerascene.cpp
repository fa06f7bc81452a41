#include "measure/camerascene.h"

#include "core/appsettings.h"
#include "measure/graphicsitem.h"
#include "measure/scalebar.h"
#include "measure/textshapes.h"

#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTime>

#include <utility>

#include <cstring>

CameraScene::CameraScene(QObject *parent)
    : QGraphicsScene(parent)
{
    setItemIndexMethod(QGraphicsScene::NoIndex);
    qRegisterMetaType<GraphicsItem *>();
}

CameraScene::~CameraScene()
{
    resetImage();
    for (CameraBuffer &buffer : m_renderBuffers)
        buffer.reset();
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
    QImage converted;
    const QImage *src = &source;
    const QImage::Format format = source.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied) {
        // Photos may come in any format; draw them from a native one.
        converted = source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                    : QImage::Format_RGB32);
        if (converted.isNull())
            return;
        src = &converted;
    }

    // Another frame size means another picture: its shapes and history go.
    if (src->size() != m_picture.size())
        resetImage();
    // A fresh buffer only when the layout changes or someone still shares
    // the old one; writing into a shared image would copy it first.
    if (m_picture.size() != src->size() || m_picture.format() != src->format() || !m_picture.isDetached()) {
        m_picture = QImage(src->size(), src->format());
        if (m_picture.isNull()) { // out of memory: show nothing rather than crash
            resetImage();
            update();
            return;
        }
    }

    uchar *dst = m_picture.bits();
    const qsizetype dstStride = m_picture.bytesPerLine();
    const qsizetype srcStride = src->bytesPerLine();
    if (dstStride == srcStride) {
        std::memcpy(dst, src->constBits(), size_t(m_picture.sizeInBytes()));
    } else {
        const size_t row = size_t(qMin(dstStride, srcStride));
        for (int y = 0; y < m_picture.height(); ++y)
            std::memcpy(dst + y * dstStride, src->constScanLine(y), row);
    }

    const QRectF rect(0, 0, m_picture.width(), m_picture.height());
    if (sceneRect() != rect)
        setSceneRect(rect);
    update();
    if (m_picture.size() != before)
        emit pictureSizeChanged(m_picture.size());
}

QSize CameraScene::pictureSize() const
{
    if (!m_picture.isNull())
        return m_picture.size();
    return sceneRect().size().toSize();
}

void CameraScene::fitToView(const QSize &size)
{
    m_fitSize = size;
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
        // Shapes and overlays are drawn by drawItems, which views call only
        // when painting indirectly.
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
    m_viewLayer = ShapeLayer();
    m_renderLayer = ShapeLayer();
    forgetAllItems();
    m_historyIndex = -1;
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

void CameraScene::allocateRenderBuffers()
{
    const QSize size = m_picture.size();
    for (CameraBuffer &buffer : m_renderBuffers) {
        // Only the GUI thread claims these; one held by the recorder is
        // resized the next time renderToBuffer claims it.
        if (buffer.isTaken())
            continue;
        buffer.tryAcquire();
        buffer.init(size.width(), size.height(), QImage::Format_RGB32);
        buffer.release();
    }
}

CameraBuffer *CameraScene::renderToBuffer()
{
    if (m_picture.isNull())
        return nullptr;
    const QSize size = m_picture.size();
    for (CameraBuffer &buffer : m_renderBuffers) {
        if (buffer.isTaken())
            continue;
        buffer.tryAcquire();
        if (buffer.size() != size || buffer.format() != QImage::Format_RGB32)
            buffer.init(size.width(), size.height(), QImage::Format_RGB32);
        if (!buffer.bits()) {
            buffer.release();
            return nullptr;
        }
        QImage target(buffer.bits(), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32);
        renderInto(&target);
        return &buffer;
    }
    return nullptr;
}

// ---------------------------------------------------------------- overlays

void CameraScene::setCrossVisible(bool visible)
{
    m_crossVisible = visible;
    update();
}

void CameraScene::setTimeStampVisible(bool visible)
{
    m_timeStampVisible = visible;
    update();
}

void CameraScene::setScaleBarVisible(bool visible)
{
    m_scaleBarVisible = visible;
    update();
}

void CameraScene::setScaleBarCorner(int corner)
{
    m_scaleBarCorner = qBound(0, corner, 3);
    update();
}

void CameraScene::setNoDeviceNotice(bool visible)
{
    m_noDeviceNotice = visible;
    update();
}

void CameraScene::setRecordingClock(bool visible)
{
    m_recordingClockVisible = visible;
    if (visible)
        m_recordingClock.start();
    update();
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
    if (m_hoveredShape) {
        m_hoveredShape->setHovered(false);
        m_hoveredShape = nullptr;
    }
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
    if (m_selectedShape)
        m_selectedShape->setSelected(false);
    m_selectedShape = shape;
    if (shape)
        shape->setSelected(true);
    invalidateLayers();
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

void CameraScene::invalidateLayers()
{
    m_viewLayer.dirty = true;
    m_renderLayer.dirty = true;
    update();
}

void CameraScene::setActiveShape(GraphicsItem *shape)
{
    if (shape == m_activeShape)
        return;
    m_activeShape = shape;
    invalidateLayers(); // the active shape is highlighted
}

void CameraScene::forgetAllItems()
{
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

void CameraScene::commitShape(GraphicsItem *shape)
{
    addItem(shape);
    m_shapes.append(shape);
    invalidateLayers();
    emit shapesChanged();
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

void CameraScene::saveHistory()
{
    if (m_historyIndex >= 0 && m_historyIndex < m_history.size() - 1)
        m_history.erase(m_history.begin() + m_historyIndex + 1, m_history.end());
    else if (m_historyIndex == -1)
        m_history.clear();
    m_history.append(currentState());
    m_historyIndex = m_history.size() - 1;
    if (m_history.size() > HistoryLimit) {
        m_history.removeFirst();
        m_historyIndex = m_history.size() - 1;
    }
}

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
    if (m_historyIndex < 0)
        return;
    --m_historyIndex;
    if (m_historyIndex >= 0) {
        restoreState(m_history.at(m_historyIndex));
    } else {
        forgetAllItems();
        update();
    }
}

void CameraScene::redo()
{
    if (m_historyIndex >= m_history.size() - 1)
        return;
    ++m_historyIndex;
    restoreState(m_history.at(m_historyIndex));
}

void CameraScene::clearAll()
{
    forgetAllItems();
    m_historyIndex = -1;
    m_history.clear();
    update();
}

void CameraScene::clearHistory()
{
    m_historyIndex = -1;
    m_history.clear();
}

void CameraScene::endEdit()
{
    if (!m_activeShape)
        return;
    if (m_tool == Select && !m_pressSnapshot.points.isEmpty() && m_activeShape->points() != m_pressSnapshot.points)
        saveHistory();
    m_pressSnapshot.points.clear();
    setActiveShape(nullptr);
    if (m_hoveredShape) {
        m_hoveredShape->setHovered(false);
        m_hoveredShape = nullptr;
    }
}

// ---------------------------------------------------------------- mouse

bool CameraScene::askText(QString *text)
{
    if (m_textPrompt)
        return m_textPrompt(firstView(), text);
    bool ok = false;
    *text = QInputDialog::getText(firstView(), QString(), tr("文字"), QLineEdit::Normal, QString(), &ok);
    return ok;
}

void CameraScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (m_ruler) {
        m_ruler->mousePressEvent(event);
        return;
    }
    if (!m_measureEnabled)
        return;
    const QPointF pos = event->scenePos();

    if (event->button() == Qt::LeftButton && m_tool != Select && m_tool != Erase) {
        if (!m_building) {
            QString text;
            if (m_tool == Text) {
                // The dialog runs its own event loop: a new frame size, a
                // tool change or the scene's end may happen meanwhile.
                const int tool = m_tool;
                QPointer<CameraScene> self(this);
                const bool ok = askText(&text);
                if (!self || !ok || m_tool != tool || !m_measureEnabled || m_ruler || m_building)
                    return;
            }
            GraphicsItem *shape = createShape(m_tool);
            if (!shape)
                return;
            if (m_settings)
                shape->setStyle(m_settings->style);
            if (auto *note = dynamic_cast<GraphicsTextItem *>(shape))
                note->setText(text);
            addItem(shape);
            m_building = shape;
        }
        m_building->mousePressEvent(event);
        if (m_building->isFinished()) {
            GraphicsItem *shape = m_building;
            m_building = nullptr;
            removeItem(shape);
            commitShape(shape);
        }
        return;
    }

    if (event->button() == Qt::LeftButton) {
        GraphicsItem *target = shapeAt(pos);
        if (!target)
            return;
        if (m_tool == Erase) {
            eraseShape(target);
            return;
        }
        if (target != m_activeShape) {
            endEdit();
            setActiveShape(target);
            m_pressSnapshot = target->record();
        }
        m_activeShape->mousePressEvent(event);
        return;
    }

    if (event->button() == Qt::RightButton && m_building)
        m_building->mousePressEvent(event);
}

void CameraScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    // A quick second click is still a click: polygons must not lose a vertex.
    mousePressEvent(event);
}

void CameraScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    const QPointF pos = event->scenePos();
    updateReadout(pos);
    if (m_ruler) {
        const bool over = m_ruler->hitTest(pos) != -1;
        if (over != m_ruler->isSelected())
            m_ruler->setSelected(over);
        m_ruler->mouseMoveEvent(event);
        return;
    }
    if (!m_measureEnabled)
        return;
    if ((event->buttons() & Qt::LeftButton) && m_activeShape) {
        m_activeShape->mouseMoveEvent(event);
        if (QGraphicsView *view = firstView()) {
            const Qt::CursorShape shape = view->viewport()->cursor().shape();
            if (shape >= Qt::SizeVerCursor && shape <= Qt::SizeFDiagCursor)
                setViewCursor(Qt::CrossCursor);
        }
        return;
    }
    if (m_building) {
        m_building->mouseMoveEvent(event);
        return;
    }
    updateCursor(pos);
}

void CameraScene::updateCursor(const QPointF &pos)
{
    if (m_tool != Select && m_tool != Erase) {
        setViewCursor(Qt::CrossCursor);
        return;
    }
    GraphicsItem *shape = shapeAt(pos);
    const int code = shape ? shape->hitTest(pos) : -1;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    if (m_tool == Erase)
        cursor = shape ? Qt::PointingHandCursor : Qt::ArrowCursor;
    else if (code == 0)
        cursor = Qt::SizeAllCursor;
    else if (code >= 1)
        cursor = Qt::PointingHandCursor;
    if (shape != m_hoveredShape) {
        if (m_hoveredShape)
            m_hoveredShape->setHovered(false);
        m_hoveredShape = shape;
        if (shape)
            shape->setHovered(true);
    }
    setViewCursor(cursor);
}

void CameraScene::setViewCursor(Qt::CursorShape shape)
{
    QGraphicsView *view = firstView();
    if (view && view->viewport()->cursor().shape() != shape)
        view->viewport()->setCursor(shape);
}

void CameraScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (m_ruler) {
        m_ruler->mouseReleaseEvent(event);
        return;
    }
    if (!m_measureEnabled)
        return;
    if (m_activeShape) {
        m_activeShape->mouseReleaseEvent(event);
        endEdit();
        return;
    }
    if (m_building) {
        m_building->mouseReleaseEvent(event);
        if (m_building->isFinished()) {
            GraphicsItem *shape = m_building;
            m_building = nullptr;
            removeItem(shape);
            commitShape(shape);
        }
    }
}

void CameraScene::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    // Ctrl+wheel zooms: the view's owner does that through its zoom list.
    // A plain wheel scrolls the view.
    event->ignore();
}

void CameraScene::keyPressEvent(QKeyEvent *event)
{
    // The keys of the drawing tools, for a view that has the focus (the
    // measure editor; the main window has the same as window shortcuts).
    if (event->matches(QKeySequence::Undo)) {
        cancelConstruction();
        undo();
    } else if (event->matches(QKeySequence::Redo)) {
        cancelConstruction();
        redo();
    } else if (event->key() == Qt::Key_Escape && m_building) {
        cancelConstruction();
        update();
    } else if (event->key() == Qt::Key_Delete && m_selectedShape && !m_building) {
        eraseShape(m_selectedShape);
    } else {
        QGraphicsScene::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CameraScene::updateReadout(const QPointF &scenePos)
{
    if (m_picture.isNull())
        return;
    const QGraphicsView *view = firstView();
    if (!view || !view->isVisible())
        return;
    QPoint p = scenePos.toPoint();
    p.setX(qBound(0, p.x(), m_picture.width() - 1));
    p.setY(qBound(0, p.y(), m_picture.height() - 1));
    if (!m_picture.rect().contains(p))
        return;
    emit coorInfo(p, QColor(m_picture.pixel(p)));
}

void CameraScene::onZoomTimeOut()
{
    const QGraphicsView *view = firstView();
    if (!view || !view->isVisible())
        return;
    const QPoint inView = view->viewport()->mapFromGlobal(QCursor::pos());
    if (!view->viewport()->rect().contains(inView))
        return;
    updateReadout(view->mapToScene(inView));
}

// ---------------------------------------------------------------- drawing

void CameraScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    if (!m_renderMode)
        m_exposed = viewTransform().mapRect(rect).toAlignedRect();
    // A view that paints items itself would draw them with its own pens and
    // transform; switch it over (from the next paint on).
    if (QGraphicsView *view = firstView()) {
        if (!(view->optimizationFlags() & QGraphicsView::IndirectPainting)) {
            view->setOptimizationFlag(QGraphicsView::IndirectPainting, true);
            update();
        }
    }
    if (m_picture.isNull())
        return;
    const QSize size = referenceSize();
    painter->save();
    painter->resetTransform();
    // The image itself, not a pixmap of it: a pixmap would copy every frame.
    painter->drawImage(QRect(QPoint(0, 0), size), m_picture);
    painter->restore();
}

int CameraScene::shapePenWidth() const
{
    int width = DrawStyle().lineWidths.value(0, 1);
    if (m_scaleX < 1.0) {
        width = int(width * m_scaleX);
        if (width <= 0)
            width = 1;
    }
    return width;
}

void CameraScene::paintShape(QPainter *painter, GraphicsItem *shape, bool highlighted, QWidget *widget) const
{
    const int width = shapePenWidth();
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
    m_paintingShapes = true;
    shape->paint(painter, nullptr, widget);
    m_paintingShapes = false;
    painter->restore();
}

void CameraScene::paintShapes(QPainter *painter, QWidget *widget)
{
    // Pictures that are saved, printed or recorded show no pointer state.
    for (GraphicsItem *shape : qAsConst(m_shapes)) {
        const bool highlighted = !m_renderMode
            && (shape == m_activeShape || shape == m_hoveredShape || shape == m_selectedShape);
        paintShape(painter, shape, highlighted, widget);
    }
}

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

QRect CameraScene::layerArea(const QPaintDevice *device) const
{
    const QRect whole(0, 0, device->width(), device->height());
    if (m_renderMode)
        return whole;
    // Only what the window shows of the view (a zoomed view in a scroll area
    // may be far larger), with a margin for small scrolls: under twice the
    // visible pixels.
    const QGraphicsView *view = firstView();
    const QWidget *viewport = view ? view->viewport() : nullptr;
    if (!viewport || !viewport->isVisible())
        return QRect();
    const QRect visible = viewport->visibleRegion().boundingRect() & whole;
    if (visible.isEmpty())
        return QRect();
    const int mx = visible.width() / 5, my = visible.height() / 5;
    return visible.adjusted(-mx, -my, mx, my) & whole;
}

// Brings the layer up to date for `area` and blends it; false when it cannot
// cover `needed` (then the caller paints the shapes directly).
bool CameraScene::drawLayer(QPainter *painter, ShapeLayer &layer, const QRect &needed, const QRect &area, QWidget *widget)
{
    const qreal ratio = m_renderMode ? 1.0 : painter->device()->devicePixelRatioF();
    const QTransform transform = viewTransform();
    const int polygonArea = m_settings ? m_settings->polygonArea : 2;
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

void CameraScene::drawItems(QPainter *painter, int, QGraphicsItem *[], const QStyleOptionGraphicsItem[], QWidget *widget)
{
    painter->save();
    painter->resetTransform();
    painter->setRenderHint(QPainter::Antialiasing, true);

    if (m_ruler) {
        const DrawStyle defaults;
        painter->setPen(QPen(defaults.lineColor(), 2, defaults.penStyle(), Qt::SquareCap, Qt::BevelJoin));
        m_paintingShapes = true;
        m_ruler->paint(painter, nullptr, widget);
        m_paintingShapes = false;
        painter->restore();
        return;
    }

    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);

    const QPaintDevice *device = painter->device();
    if (!m_shapes.isEmpty() && device) {
        // Live frames arrive far more often than shapes change: the shapes
        // are rasterised once into a layer that each frame only blends.
        ShapeLayer &layer = m_renderMode ? m_renderLayer : m_viewLayer;
        // Rendered pictures are drawn in picture pixels whatever the target.
        const QRect whole = m_renderMode ? QRect(QPoint(0, 0), referenceSize()) : QRect(0, 0, device->width(), device->height());
        const QRect needed = m_renderMode ? whole : (m_exposed.isValid() ? m_exposed & whole : whole);
        if (!drawLayer(painter, layer, needed, m_renderMode ? whole : layerArea(device), widget))
            paintShapes(painter, widget);
    }
    // The shape being drawn follows the pointer: never in a saved picture.
    if (m_building && !m_renderMode)
        paintShape(painter, m_building, false, widget);
    painter->restore();
}

void CameraScene::drawForeground(QPainter *painter, const QRectF &)
{
    const QSize size = referenceSize();
    const int w = size.width();
    const int h = size.height();
    painter->save();
    painter->resetTransform();

    if (m_recordingClockVisible && !m_renderMode) {
        const QString elapsed = QTime(0, 0).addMSecs(int(m_recordingClock.elapsed())).toString(QStringLiteral("HH:mm:ss"));
        QFont font = painter->font();
        font.setPixelSize(24);
        painter->setFont(font);
        painter->fillRect(QRect(10, 14, 16, 16), Qt::red);
        painter->setPen(Qt::white);
        painter->drawText(30, 30, elapsed);
    }
    if (m_crossVisible) {
        painter->setPen(QPen(QColor(0, 0, 255), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawLine(0, h / 2, w, h / 2);
        painter->drawLine(w / 2, 0, w / 2, h);
    }
    if (m_scaleBarVisible && !m_noDeviceNotice && !m_picture.isNull())
        paintScaleBar(*painter, pictureViewRect(), pictureSize(), m_calibration, m_scaleBarCorner);
    if (m_timeStampVisible) {
        QFont font = painter->font();
        font.setPixelSize(16);
        painter->setFont(font);
        painter->setPen(Qt::red);
        painter->drawText(QRect(w - 200, h - 24, 196, 20), 134,
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    if (m_noDeviceNotice) {
        QFont font = painter->font();
        font.setPixelSize(20);
        painter->setFont(font);
        const QRect box((w - 170) / 2, (h - 170) / 2, 170, 170);
        painter->fillRect(box, QColor(240, 240, 240));
        painter->setPen(Qt::black);
        painter->drawText(box, 132 | Qt::TextWordWrap, tr("没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口"));
    }
    painter->restore();
}
