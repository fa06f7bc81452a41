#pragma once

#include "capture/capturelayer.h"
#include "capture/framecallback.h"
#include "core/camerabuffer.h"

#include <QEvent>
#include <QImage>
#include <QMap>
#include <QObject>
#include <QPair>

#include <atomic>
#include <memory>

class SimulatedBackend;

// Carries a delivered frame's camera and still-button flag to the GUI thread.
class FrameEvent : public QEvent
{
public:
    FrameEvent(const QString &camId, bool needCapture, quint64 serial = 0, bool lost = false);
    static QEvent::Type eventType();

    bool needCapture;
    QString camId;
    quint64 serial; // which opening of the camera sent it
    bool lost;      // the stream ended by itself: no frame, the camera is gone
};

// One open camera.
struct OpenedCamera
{
    QString camId;
    int requestedWidth = -1;
    int requestedHeight = -1;
    int requestedFourcc = -1;
    int lastWidth = 640;
    int lastHeight = 480;
    int lastFourcc = -1;
    // Read by the capture thread on every frame.
    std::atomic<bool> flipHorizontal{false};
    std::atomic<bool> flipVertical{false};
    CameraBuffer buffer;

    int exposure = -1; // last exposure time asked for, sent again on manual

    quint64 serial = 0;
    std::atomic<bool> noticePending{false}; // a FrameEvent is on its way
    std::atomic<bool> hasFrame{false};
};

struct PropertyRange
{
    bool supported = false;
    int current = 0;
    int defaultValue = 0;
    int minimum = 0;
    int maximum = 0;
    int step = 0;
    int flags = 0; // camera controls: 1 automatic, 2 manual
};

// The one object through which the program uses cameras. All calls but the
// frame path run on the GUI thread.
class CameraHub : public QObject, public CaptureClient
{
    Q_OBJECT
public:
    enum PropertyCode {
        FrameWidth = 3,
        FrameHeight = 4,
        FrameRate = 5,
        Fourcc = 6,
        Brightness = 10,
        Contrast = 11,
        Saturation = 12,
        Hue = 13,
        Gain = 14,
        Exposure = 15,
        WhiteBalance = 17,
        ColorEnable = 19,
        Sharpness = 20,
        ExposureMode = 21,
        Gamma = 22,
        Zoom = 27,
        Focus = 28,
        BacklightCompensation = 32,
        Pan = 33,
        Tilt = 34,
        Roll = 35,
        Iris = 36,
        SettingsDialog = 37,
        RedGain = 39,
        GreenGain = 40, // no device has it; refused
        BlueGain = 41,
        ColourTemperature = 42,
    };

    static CameraHub *instance();
    ~CameraHub() override;

    CaptureLayer *layer() { return &m_layer; }
    // Replaces every backend; open cameras are closed first.
    void setBackends(const QVector<std::shared_ptr<CaptureBackend>> &backends);
    // V4L2, plus `demoCameras` simulated microscopes (0 = none).
    void installDefaultBackends(int demoCameras);
    // Puts `count` simulated microscopes (1-4) next to the other backends,
    // replacing any installed before (open cameras are closed then).
    std::shared_ptr<SimulatedBackend> installSimulatedCameras(int count);

    void refreshDevices();
    QVector<CameraDeviceInfo> deviceList() const { return m_devices; }

    bool openCamera(const QString &camId, int width, int height, const QString &format);
    void closeCamera(const QString &camId);
    void closeAll();
    bool isOpen(const QString &camId) const { return m_cameras.contains(camId); }
    QStringList openCameras() const { return m_cameras.keys(); }

    bool setFormat(const QString &camId, const QString &format);
    bool setProperty(const QString &camId, int code, int value);
    int getProperty(const QString &camId, int code);
    PropertyRange getPropertyRange(const QString &camId, int code);
    bool isPropertySupported(const QString &camId, int code);

    void setFlip(const QString &camId, bool horizontal, bool vertical);
    QPair<bool, bool> getFlip(const QString &camId) const;

    // CaptureClient
    void initBuffer(const QString &camId, int width, int height) override;
    FrameOutput frameOutput(const QString &camId) override;

    uchar *lockWriteBuffer(const QString &camId);
    void commitWriteBuffer(const QString &camId);
    // A copy of the latest frame; false before the first one.
    bool readFrame(const QString &camId, QImage *destination);
    // The latest frame in place: null when busy or none yet. The caller wraps
    // it (CameraBuffer::toImage) and must call releaseFrame soon after.
    CameraBuffer *acquireFrame(const QString &camId);
    void releaseFrame(const QString &camId);
    QSize frameSize(const QString &camId) const;
    // Frames per second arriving from the device over the last 3 s.
    double measuredFrameRate(const QString &camId) const;

    static quint32 fourccForFormat(const QString &format);

signals:
    void sigFrameReady(QString camId, bool needCapture);
    // An open camera's stream ended by itself (unplugged, device error).
    void sigCameraLost(QString camId);

protected:
    bool event(QEvent *event) override;

private:
    CameraHub();
    void dropCamera(const QString &camId);
    bool rebuild(OpenedCamera *cam, int width, int height, int fourcc);

    CaptureLayer m_layer;
    QVector<CameraDeviceInfo> m_devices;
    QMap<QString, OpenedCamera *> m_cameras; // owned
    quint64 m_nextSerial = 1;
};
