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

private:
    CameraScene *m_scene;
};
