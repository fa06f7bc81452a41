#pragma once

#include <QGraphicsView>

class CameraScene;

// The view that hosts one measurement scene; it owns the scene.
class CameraViewer : public QGraphicsView
{
    Q_OBJECT
public:
    explicit CameraViewer(QWidget *parent = nullptr);

    CameraScene *cameraScene() const { return m_scene; }

protected:
    // Scrolled in a scroll area: the overlays move to the new corners.
    void moveEvent(QMoveEvent *event) override;

private:
    CameraScene *m_scene;
};
