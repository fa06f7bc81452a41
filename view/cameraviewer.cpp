#include "view/cameraviewer.h"

#include "measure/camerascene.h"

#include <QTimer>

CameraViewer::CameraViewer(QWidget *parent)
    : QGraphicsView(parent)
    , m_scene(new CameraScene(this))
{
    setScene(m_scene);
    // No frame: at 1.0x one picture pixel is exactly one screen pixel.
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_MouseTracking);
    setMouseTracking(true);
    setOptimizationFlag(QGraphicsView::IndirectPainting);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The readout follows a live picture under a pointer that stands still.
    connect(m_scene->pointerTimer(), &QTimer::timeout, m_scene, &CameraScene::onZoomTimeOut);
    m_scene->pointerTimer()->start(200);
}

void CameraViewer::moveEvent(QMoveEvent *event)
{
    QGraphicsView::moveEvent(event);
    viewport()->update();
}
