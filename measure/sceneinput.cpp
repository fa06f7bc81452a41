#include "measure/camerascene.h"

#include "core/appsettings.h"
#include "measure/graphicsitem.h"
#include "measure/textshapes.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPointer>

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

    if (event->button() == Qt::LeftButton && m_tool == FitCircle) {
        fitCircleLater(pos);
        return;
    }

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
        m_building->press(snapped(pos, event->modifiers()), event->button());
        commitIfFinished();
        return;
    }

    if (event->button() == Qt::LeftButton) {
        GraphicsItem *target = shapeAt(pos);
        // A click picks the shape (empty picture: none), as a table row does.
        if (m_tool == Select)
            selectShape(target);
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
        // While the button is down the point follows the pointer onto edges.
        m_building->move((event->buttons() & Qt::LeftButton) ? snapped(pos, event->modifiers()) : pos);
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
    setHoveredShape(shape);
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
        m_building->release(event->button() == Qt::LeftButton ? snapped(event->scenePos(), event->modifiers())
                                                              : event->scenePos(),
                            event->button());
        commitIfFinished();
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
