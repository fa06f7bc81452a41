#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QString>

class BDWidget;
class CameraHub;
class CameraScene;
class CameraSession;
class StatusLine;
class TileBoard;
class QComboBox;
class QLabel;
class QScrollArea;
class QWidget;

// Frames to the large view or the tiles, the view's size at the chosen
// zoom, the status line (frame rate, pointer, colour, calibration) and the
// "no picture" notice of a camera that stopped sending.
class FrameRouter : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        CameraScene *scene = nullptr;
        QWidget *view = nullptr; // the large view, sized to the picture
        QScrollArea *scrollArea = nullptr;
        QWidget *page = nullptr; // what a fitted picture fills
        QComboBox *zoom = nullptr;
        QLabel *resolution = nullptr;
        QLabel *rate = nullptr;
        StatusLine *status = nullptr;
        BDWidget *toolbox = nullptr; // the calibration in force, the view's scale
    };

    FrameRouter(const Widgets &widgets, CameraSession *session, TileBoard *tiles, QObject *parent = nullptr);

    // The camera's latest frame into its view or tile.
    void deliver(const QString &camId);
    // A photo was taken: the status line says so for a second.
    void noteStill();
    void updateStatus(const QString &devicePath);
    void updateResolutionLabel();
    // The large view's size: the picture at the zoom, or fitted to the page.
    void fitView();
    // Looks for cameras that sent nothing for kStallMs and says so in their
    // view (counting up); the status line's rate falls with them. Run
    // twice a second; a frame that comes clears it.
    void checkStalls();
    // The text over the large view while its camera sends nothing (hidden otherwise).
    QLabel *stallLabel() const { return m_stallLabel; }

signals:
    // The large view shows a new picture of the current camera.
    void pictureShown();

private:
    void onCoorInfo(QPoint point, QColor colour);

    Widgets m_w;
    CameraSession *m_session;
    TileBoard *m_tiles;
    CameraHub *m_hub;
    QPoint m_lastPoint;
    qint64 m_lastStillMs = 0;
    QLabel *m_stallLabel = nullptr;
};
