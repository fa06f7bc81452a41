#pragma once

#include "capture/capturebackend.h"
#include "capture/capturecontrols.h"
#include "capture/capturelog.h"

#include <QMap>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class FrameCallback;
class QDialog;
class QWidget;
struct FrameOutput;

// One accepted camera.
struct CameraDeviceInfo
{
    QString modelName;
    QString devicePath;
    QVector<QSize> sizes; // sorted by area, no duplicates
    int modelCode = 0;
    // The name to show wherever the camera is named: the model, and when two
    // cameras of one model are connected, its USB port ("V3-2M (USB 1-2)")
    // or "#2", "#3" where the port is unknown.
    QString displayName;
    QString port; // USB port, "1-2"; empty when unknown
    // False for a camera the user may not open (permissions): it is listed so
    // the list can show it greyed out with `accessNote` as its tooltip; it has
    // no sizes and cannot be opened.
    bool accessible = true;
    QString accessNote;
};

// What the layer needs from the owner of the cameras' frame buffers.
class CaptureClient
{
public:
    virtual ~CaptureClient() = default;
    // The device's size is fixed: size its buffer (GUI thread).
    virtual void initBuffer(const QString &camId, int width, int height) = 0;
    // Where its frames go; empty when nobody takes them.
    virtual FrameOutput frameOutput(const QString &camId) = 0;
};

// The single manager of video capture devices, keyed by device path.
class CaptureLayer
{
public:
    CaptureLayer();
    ~CaptureLayer();
    CaptureLayer(const CaptureLayer &) = delete;
    CaptureLayer &operator=(const CaptureLayer &) = delete;

    // Every device is stopped and forgotten when the backends change.
    void setBackends(const QVector<std::shared_ptr<CaptureBackend>> &backends);
    void addBackend(const std::shared_ptr<CaptureBackend> &backend);
    QVector<std::shared_ptr<CaptureBackend>> backends() const { return m_backends; }
    void setClient(CaptureClient *client) { m_client = client; }

    bool setUseCallback(bool use);

    // Reads every backend's devices; the scan block is printed only when the
    // set of devices differs from the last scan's. Returns the number seen.
    int enumerateDevices(bool silent = false);
    QVector<CameraDeviceInfo> acceptedDevices() const { return m_accepted; }
    // Known cameras whose node may not be opened (permissions), from the last scan.
    QVector<CameraDeviceInfo> lockedDevices() const { return m_locked; }
    void syncDevices(const QVector<CameraDeviceInfo> &accepted);
    bool hasDevice(const QString &path) const { return m_devices.contains(path); }

    bool setAttemptCaptureSize(const QString &path, int width, int height, quint32 subtypeCode);
    bool setIdealFramerate(const QString &path, int fps);
    bool setupDevice(const QString &path);
    bool setupDevice(const QString &path, int width, int height, int fourcc = -1);
    bool stopDevice(const QString &path);
    void stopAll();

    bool isDeviceSetup(const QString &path) const;
    int width(const QString &path) const;
    int height(const QString &path) const;
    int fourcc(const QString &path) const;
    // The rate asked for with setIdealFramerate (0 when none).
    double framesPerSecond(const QString &path) const;
    // The rate the driver granted at setup, read back from it; 0 when unknown.
    double grantedFramesPerSecond(const QString &path) const;
    // Why the last setup could not start the stream.
    CaptureFailure lastFailure(const QString &path) const;
    // Still-button nodes of the running stream that could not be opened for lack of permission.
    QStringList lockedInputs(const QString &path) const;

    bool getVideoSettingFilter(const QString &path, int property, VideoSetting *setting);
    bool setVideoSettingFilter(const QString &path, int property, long value, long flags = 0, bool useDefault = false);
    bool getVideoSettingCamera(const QString &path, int property, VideoSetting *setting);
    bool setVideoSettingCamera(const QString &path, int property, long value, long flags = 0, bool useDefault = false);
    // Automatic or manual exposure without touching the exposure time.
    bool setExposureMode(const QString &path, bool automatic);

    // The device's own settings dialog; non-modal, one per device.
    bool showSettingsWindow(const QString &path, QWidget *parent = nullptr);
    QDialog *settingsWindow(const QString &path) const;

    // Raw control access for the settings dialog (opens the device briefly
    // when it is not streaming).
    QVector<ControlInfo> deviceControls(const QString &path);
    bool getDeviceControl(const QString &path, quint32 id, qint32 *value);
    bool setDeviceControl(const QString &path, quint32 id, qint32 value);
    QString modelName(const QString &path) const;
    QString displayName(const QString &path) const;

    const FrameCallback *frameCallback(const QString &path) const;
    FrameCallback *frameCallback(const QString &path);

private:
    struct VideoDevice;

    VideoDevice *device(const QString &path) const;
    std::unique_ptr<VideoDevice> freshRecord(const VideoDevice &old) const;
    bool runSetup(VideoDevice *d);
    void nameDevices();
    void teardown(VideoDevice *d);
    void resetRecord(const QString &path, bool keepRequests);
    bool withDevice(const QString &path, const std::function<bool(BackendDevice *)> &fn);
    bool getSetting(const QString &path, bool camera, int property, VideoSetting *setting, bool printCurrent);
    bool setSetting(const QString &path, bool camera, int property, long value, long flags, bool useDefault);

    QVector<std::shared_ptr<CaptureBackend>> m_backends;
    QMap<QString, std::shared_ptr<CaptureBackend>> m_pathBackend;
    QMap<QString, VideoDevice *> m_devices; // owned
    QVector<CameraDeviceInfo> m_accepted;
    QVector<CameraDeviceInfo> m_locked;
    QStringList m_lastScan; // names and paths of the last scan, to print only changes
    QMap<QString, QPointer<QDialog>> m_dialogs;
    CaptureClient *m_client = nullptr;
    bool m_useCallback = true;
    bool m_anySetup = false;
};
