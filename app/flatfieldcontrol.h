#pragma once

#include "core/appsettings.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class CameraHub;
class QLabel;
class QPushButton;
class QThread;
class QSwitchButton;
class QWidget;
class SettingsStore;
namespace imaging {
class LuminanceAverage;
}

// The camera panel's flat-field group: capture a flat (an empty, evenly lit
// field) and optionally a dark frame, switch the correction on and off.
// Kept per camera and frame size: the averaged pictures as 16-bit PNG in
// "flatfield" beside the configuration file, their names in the sidecar.
// Every open camera (large view or tile) gets its tables installed in the
// camera hub, which applies them on the capture thread.
class FlatFieldControl : public QObject
{
    Q_OBJECT
public:
    // The group goes into container's layout before `before`.
    FlatFieldControl(QWidget *container, QWidget *before, CameraHub *hub, AppSettings *settings, SettingsStore *store,
                     std::function<QString()> currentCamera, QObject *parent = nullptr);
    ~FlatFieldControl() override;

    // Frames averaged for one capture.
    static constexpr int kFrames = 8;

    QString folder() const;
    QPushButton *header() const { return m_header; }
    QWidget *group() const { return m_group; }
    bool isCapturing() const { return !m_captureCam.isEmpty(); }
    bool isBusy() const { return isCapturing() || m_computing > 0; }
    // "1920x1080": the key of a frame size in CameraConfig::flatFields.
    static QString sizeKey(const QSize &size);

    void captureFlat() { startCapture(false); }
    void captureDark() { startCapture(true); }
    void setEnabled(bool on);
    // The group's texts for the current camera and size.
    void refresh();
    void retranslate();

signals:
    // A capture ended: ok, or the reason shown to the user.
    void captureFinished(bool ok);
    // The tables of a camera were installed (or removed: active false).
    void installed(const QString &camId, bool active);

private:
    void onFrame(const QString &camId);
    void startCapture(bool dark);
    void finishCapture(const QString &why);
    void sync(const QString &camId);
    // Loads the pictures and computes the tables off the GUI thread, then
    // installs them (and with `record`, stores the record on success).
    void build(const QString &camId, const QSize &size, const CameraConfig::FlatField &record, const QImage &newFlat,
               const QImage &newDark, bool capture);
    CameraConfig::FlatField *record(const QString &camId, const QSize &size);

    CameraHub *m_hub;
    AppSettings *m_settings;
    SettingsStore *m_store;
    std::function<QString()> m_currentCamera;
    QPushButton *m_header = nullptr;
    QWidget *m_group = nullptr;
    QLabel *m_switchLabel = nullptr;
    QSwitchButton *m_switch = nullptr;
    QPushButton *m_flatButton = nullptr;
    QPushButton *m_darkButton = nullptr;
    QLabel *m_state = nullptr;

    // What each open camera has installed: size key + record stamp.
    QHash<QString, QString> m_installed;
    int m_computing = 0;
    QString m_shownKey;

    // The capture under way.
    QString m_captureCam;
    bool m_captureDark = false;
    int m_skip = 0;
    std::shared_ptr<imaging::LuminanceAverage> m_average;
    QTimer m_timeout;
    QList<QPointer<QThread>> m_threads;
};
