#pragma once

#include <functional>
#include <memory>

#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSize>
#include <QString>

#include "app/camerapicker.h"
#include "app/framerouter.h"
#include "app/tileboard.h"

class QLabel;
class QStackedWidget;
class QWidget;

struct AppSettings;
class BDWidget;
class CameraHub;
class CameraLabel;
class CameraParamPanel;
class CameraScene;
class DeviceWatcher;
class FrameRateMeter;
class RecordingController;
class SettingsStore;

// The main window's cameras: which are open, which one is current, and the
// large view or the four tiles. The boxes are the picker's, the tiles the
// board's, frames and the status line the router's.
class CameraSession : public QObject
{
    Q_OBJECT
public:
    // One open camera.
    struct Slot
    {
        int tile = -1;
        QSize frameSize;
        QList<QColor> colours;                // the last colours under the pointer
        std::shared_ptr<FrameRateMeter> rate; // frames shown, last 3 seconds
        int delivered = 0;                    // frames shown since it opened
        qint64 openedMs = 0;                  // by the session's clock
        bool stalled = false;                 // "no picture" is shown
        int undecodedPercent = -1;            // most frames fail: the share shown, else -1
    };
    // After this long without a frame a camera's view says so.
    static constexpr qint64 kStallMs = 3000;

    // The widgets of the parts, and what the session itself switches.
    struct Widgets
    {
        CameraPicker::Widgets picker;
        TileBoard::Widgets tiles;
        FrameRouter::Widgets frames;
        QStackedWidget *pages = nullptr; // the large view (0) or the tiles (1)
    };

    CameraSession(const Widgets &widgets, AppSettings *settings, SettingsStore *store, CameraParamPanel *panel,
                  RecordingController *recording, QObject *parent = nullptr);

    DeviceWatcher *watcher() const { return m_watcher; }
    TileBoard *tiles() const { return m_tiles; }
    FrameRouter *frames() const { return m_frames; }
    QString currentCamera() const { return m_currentCamera; }
    const QMap<QString, Slot> &openCameras() const { return m_cameras; }
    Slot *slot(const QString &devicePath);
    bool isOpen(const QString &devicePath) const { return m_cameras.contains(devicePath); }
    bool hasCurrent() const { return m_cameras.contains(m_currentCamera); }
    QSize frameSize(const QString &devicePath) const { return m_cameras.value(devicePath).frameSize; }
    bool fourTiles() const;
    RecordingController *recording() const { return m_recording; }

    void refreshCameraList();
    bool startCamera(const QString &devicePath, int tile, bool showError);
    void stopCamera(const QString &devicePath);
    void closeAll();
    void setCurrentCamera(const QString &devicePath);
    int tileOf(const QString &devicePath) const;
    // Each part decodes only what it shows: full size for the large view and
    // a recording, a tile's size for a tile.
    void applyDisplaySizes();

    // One camera large or four tiles.
    void switchView();
    // Brings a tile's camera into the large view without reopening it.
    void showLarge(const QString &devicePath);
    // A full-size picture of the camera the photo is for: in the four-tile
    // view the selected tile's camera, else the current one.
    QImage photoSource();

    // The tiles' and the router's, for the window and the tests.
    CameraLabel *tile(int index) const { return m_tiles->tile(index); }
    void selectTile(int index) { m_tiles->select(index); }
    bool showInTile(const QString &devicePath, int index) { return m_tiles->showInTile(devicePath, index); }
    QString cameraInTile(int index) const { return m_tiles->cameraInTile(index); }
    void updateStatus(const QString &devicePath) { m_frames->updateStatus(devicePath); }
    void checkStalls() { m_frames->checkStalls(); }
    QLabel *stallLabel() const { return m_frames->stallLabel(); }

    // Milliseconds since the epoch; tests replace it.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    qint64 now() const { return m_clock(); }

signals:
    // The microscope's button (or a tile's "Take photo") asks for a photo of
    // that camera; it has been made the current one.
    void stillButton(const QString &camId);
    // The large view or the tiles came up.
    void viewSwitched(bool fourTiles);

private:
    void onCamChanged();
    void onCamResolutionChanged();
    void onCamFormatChanged();
    void onFrameReady(const QString &camId, bool needCapture);
    void onCameraLost(const QString &camId);
    void onCameraError(const QString &camId, const QString &message);
    void fillCameraCombos(const QString &devicePath);

    QWidget *m_window;
    QStackedWidget *m_pages;
    AppSettings *m_settings;
    SettingsStore *m_store;
    CameraHub *m_hub;
    CameraScene *m_scene;
    BDWidget *m_toolbox;
    CameraParamPanel *m_panel;
    RecordingController *m_recording;
    DeviceWatcher *m_watcher;
    CameraPicker *m_picker;
    TileBoard *m_tiles;
    FrameRouter *m_frames;

    QString m_currentCamera;
    QMap<QString, Slot> m_cameras;
    bool m_noAutoOpen = false; // a camera was lost: none opens by itself
    QString m_stillCamera;     // a still button of a camera not in view
    std::function<qint64()> m_clock;
};
