#pragma once

class QLabel;
class QTimer;

#include <functional>

#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>

struct AppSettings;
class CameraHub;
class CameraLabel;
class CameraParamPanel;
class CameraScene;
class DeviceWatcher;
class FrameRateMeter;
class RecordingController;
class SettingsStore;
class QWidget;

namespace Ui {
class VistrelClass;
}

// The main window's cameras: the camera list and its combos (with hot-plug),
// the open cameras and the current one, resolution and format, frames to the
// view or the tiles with their frame rate, the status line and the view's
// size at the chosen zoom. Works on the main window's form.
class CameraSession : public QObject
{
    Q_OBJECT
public:
    // One open camera.
    struct Slot
    {
        int tile = -1;
        QSize frameSize;
        QList<QColor> colours;                 // the last colours under the pointer
        std::shared_ptr<FrameRateMeter> rate;  // frames shown, last 3 seconds
        int delivered = 0;                     // frames shown since it opened
        qint64 openedMs = 0;                   // by the session's clock
        bool stalled = false;                  // "no picture" is shown
        int undecodedPercent = -1;             // most frames fail: the share shown, else -1
    };
    // After this long without a frame a camera's view says so.
    static constexpr qint64 kStallMs = 3000;

    CameraSession(QWidget *window, Ui::VistrelClass *form, AppSettings *settings, SettingsStore *store,
                  CameraParamPanel *panel, RecordingController *recording, QObject *parent = nullptr);

    DeviceWatcher *watcher() const { return m_watcher; }
    QString currentCamera() const { return m_currentCamera; }
    const QMap<QString, Slot> &openCameras() const { return m_cameras; }
    bool isOpen(const QString &devicePath) const { return m_cameras.contains(devicePath); }
    bool hasCurrent() const { return m_cameras.contains(m_currentCamera); }
    QSize frameSize(const QString &devicePath) const { return m_cameras.value(devicePath).frameSize; }
    CameraLabel *tile(int index) const;

    void refreshCameraList();
    bool startCamera(const QString &devicePath, int tile, bool showError);
    void stopCamera(const QString &devicePath);
    void closeAll();
    void setCurrentCamera(const QString &devicePath);
    int tileOf(const QString &devicePath) const;
    void updateStatus(const QString &devicePath);
    void updateResolutionLabel();
    void readDeviceParams(const QString &devicePath);
    void applySavedParams(const QString &devicePath);
    void showParams(const QString &devicePath);

    // The form's combos and the capture side.
    void onCamChanged();
    void onCamResolutionChanged();
    void onCamFormatChanged();
    void onLocalCamera(const QString &camId, bool needCapture);
    void onCameraLost(const QString &camId);
    void onCoorInfo(QPoint point, QColor colour);
    void onUpdateCamViewSize();

    // One camera large or four tiles.
    void switchView();
    void selectTile(int index);
    void onUpdateFourCamViewer();
    void onCameraViewChecked(QObject *tile, bool check);
    // The tile's "+": a camera not shown yet, or a picture from a file.
    void onCameraAddClicked(QObject *tile);
    // The tile's context menu: large view, photo, freeze, close.
    void onCameraMenu(QObject *tile, QPoint point);
    // Shows a camera live in a tile, opening it if needed; a camera already
    // there is closed, one shown elsewhere moves. False when it cannot open.
    bool showInTile(const QString &devicePath, int index);
    // The open camera shown in a tile, empty for none.
    QString cameraInTile(int index) const;
    // With no cameras chosen for the tiles yet, the other cameras take the
    // free tiles in order (once, at the first switch to four tiles).
    void fillEmptyTiles();
    int selectedTile() const;
    // Brings a tile's camera into the large view without reopening it.
    void showLarge(const QString &devicePath);
    // A full-size picture of the camera the photo is for: in the four-tile
    // view the selected tile's camera, else the current one.
    QImage photoSource();

    // Milliseconds since the epoch; tests replace it.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    // Looks for cameras that sent nothing for kStallMs and says so in their
    // view (counting up); the status line's rate falls with them. Run
    // twice a second; a frame that comes clears it.
    void checkStalls();
    // The text over the large view while its camera sends nothing (hidden otherwise).
    QLabel *stallLabel() const { return m_stallLabel; }

signals:
    // The microscope's button (or a tile's "Take photo") asks for a photo of
    // that camera; it has been made the current one.
    void stillButton(const QString &camId);

private:
    void fillCameraCombos(const QString &devicePath);
    void applyDisplaySizes();
    void saveTiles();
    void restoreTiles();
    void onCameraError(const QString &camId, const QString &message);
    void updateTileTitle(const QString &camId);
    bool fourTiles() const;

    QWidget *m_window;
    Ui::VistrelClass *ui;
    AppSettings *m_settings;
    SettingsStore *m_store;
    CameraHub *m_hub;
    CameraScene *m_scene;
    CameraParamPanel *m_panel;
    RecordingController *m_recording;
    DeviceWatcher *m_watcher;

    QString m_currentCamera;
    QMap<QString, Slot> m_cameras;
    QPoint m_lastPoint;
    qint64 m_lastStillMs = 0;
    bool m_tilesRestored = false;
    bool m_tilesFilled = false;
    bool m_noAutoOpen = false; // a camera was lost: none opens by itself
    QString m_stillCamera;     // a still button of a camera not in view
    std::function<qint64()> m_clock;
    QTimer *m_stallTimer = nullptr;
    QLabel *m_stallLabel = nullptr;
};
