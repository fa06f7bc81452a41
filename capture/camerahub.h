#pragma once

#include "capture/capturelayer.h"
#include "capture/flatfieldcorrection.h"
#include "capture/framecallback.h"
#include "core/camerabuffer.h"

#include <QEvent>
#include <QImage>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QSet>

#include <atomic>
#include <memory>

class UdevMonitor;
class SimulatedBackend;

// Carries a delivered frame's camera and still-button flag to the GUI thread.
class FrameEvent : public QEvent
{
public:
    FrameEvent(const QString &camId, bool needCapture, quint64 serial = 0, bool lost = false,
               CaptureFailure failure = CaptureFailure::None);
    static QEvent::Type eventType();

    bool needCapture;
    QString camId;
    quint64 serial; // which opening of the camera sent it
    bool lost;      // the stream ended by itself: no frame, the camera is gone
    CaptureFailure failure;
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
    std::atomic<bool> blackWhite{false};
    std::atomic<bool> hidden{false}; // not on screen: not decoded
    CameraBuffer buffer;
    FlatFieldCorrection flatField; // read by the capture thread

    int exposure = -1; // last exposure time asked for, sent again on manual
    QSize displaySize; // the largest picture shown of it; empty = full size

    quint64 serial = 0;
    std::atomic<bool> noticePending{false}; // a FrameEvent is on its way
    std::atomic<bool> hasFrame{false};
    quint64 countedGood = 0; // frame counts at the last undecodedShare()
    quint64 countedBad = 0;
};

// One frame for the GUI thread: the latest picture in place in the camera's
// buffer and the camera's full size, held until the handle goes (the capture
// thread drops frames meanwhile).
class HeldFrame
{
    CameraBuffer::Lock m_lock; // first in, last out: outlives the image

public:
    HeldFrame() = default;
    HeldFrame(CameraBuffer::Lock lock, const QSize &fullSize);
    explicit operator bool() const { return !image.isNull(); }

    QImage image;   // the buffer's own pixels
    QSize fullSize; // the camera's size; larger than the image while it is decoded reduced
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
    // Cameras from the last refresh: those that can be opened, then those the
    // user may not open (`accessible` false, `accessNote` says how to get access).
    QVector<CameraDeviceInfo> deviceList() const { return m_devices; }
    // The name to show for a camera (model, plus its USB port when two of a
    // model are connected); the path when it is unknown.
    QString displayName(const QString &camId) const;
    // Listens for cameras coming and going; false when hot-plug events cannot
    // be had (then only the periodic rescan notices them).
    bool watchDevices();

    bool openCamera(const QString &camId, int width, int height, const QString &format);
    void closeCamera(const QString &camId);
    void closeAll();
    bool isOpen(const QString &camId) const { return m_cameras.contains(camId); }
    QStringList openCameras() const { return m_cameras.keys(); }

    bool setFormat(const QString &camId, const QString &format);
    bool setProperty(const QString &camId, int code, int value);
    // Size, rate and FOURCC of the stream; for a control the device's value
    // now (exposure mode: 1 automatic, 2 manual); -1 when not supported.
    int getProperty(const QString &camId, int code);
    PropertyRange getPropertyRange(const QString &camId, int code);
    bool isPropertySupported(const QString &camId, int code);

    void setFlip(const QString &camId, bool horizontal, bool vertical);
    QPair<bool, bool> getFlip(const QString &camId) const;
    // Black and white, applied on the capture thread after the flips and
    // the flat field, and to full-size pictures made for photos.
    void setBlackWhite(const QString &camId, bool on);
    bool isBlackWhite(const QString &camId) const;

    // CaptureClient
    void initBuffer(const QString &camId, int width, int height) override;
    FrameOutput frameOutput(const QString &camId) override;

    // A copy of the latest frame; false before the first one.
    bool readFrame(const QString &camId, QImage *destination);
    // The latest frame in place, for showing it: empty when the capture
    // thread is writing it or none came yet. Let go of it soon.
    HeldFrame takeFrame(const QString &camId);
    // The size of the picture in the buffer: the camera's size, or less while
    // a small display size is set.
    QSize frameSize(const QString &camId) const;
    // The size the camera delivers.
    QSize cameraSize(const QString &camId) const;

    // Decoding follows what is shown: with a display size under half the
    // camera's size, MJPEG and YUYV frames are decoded at 1/2, 1/4 or 1/8 so
    // that the picture still covers `size`. An empty size (the default) means
    // full size: the large view, recording. False while the buffer is held.
    bool setDisplaySize(const QString &camId, const QSize &size);
    QSize displaySize(const QString &camId) const;
    // A camera whose picture is not on screen (the single view shows
    // another one) is not decoded: its stream runs on, so showing it again
    // is instant, and a photo of it is decoded from its latest frame.
    void setShown(const QString &camId, bool shown);
    bool isShown(const QString &camId) const;
    // A full-size picture of the latest frame, flips applied, whatever the
    // display size: for a photo. False before the first frame.
    bool grabFullFrame(const QString &camId, QImage *destination);
    // The camera's flat-field tables (sensor orientation, the camera's
    // frame size); null turns the correction off. Kept while it stays open.
    bool setFlatField(const QString &camId, FlatFieldCorrection::Table table);
    FlatFieldCorrection::Table flatField(const QString &camId) const;

    // The rate the camera's driver granted at the last start of its stream
    // (open, size, format or rate change), read back from it; 0 when unknown
    // or closed. A recording at a higher rate would only repeat pictures.
    double frameRate(const QString &camId) const;
    // Why the camera could not start or stopped (e.g. the USB bandwidth
    // message); empty once it opens again.
    QString cameraError(const QString &camId) const;
    static QString bandwidthMessage();
    static QString accessMessage(const QString &node);
    // The still button's node could not be read: how to allow it, with the
    // rule line for this camera's USB numbers.
    static QString buttonAccessMessage(const QString &camId, const QString &node);
    // Frames per second arriving from the device over the last 3 s.
    double measuredFrameRate(const QString &camId) const;
    // The share of the camera's frames that could not be decoded since the
    // last call, in [0, 1]; -1 while too few frames came to tell.
    double undecodedShare(const QString &camId);

    static quint32 fourccForFormat(const QString &format);

signals:
    void sigFrameReady(QString camId, bool needCapture);
    // An open camera's stream ended by itself (unplugged, device error).
    void sigCameraLost(QString camId);
    // A camera could not start or stopped for a reason the user can act on;
    // `message` is for the camera's tile. Other cameras are not affected.
    void sigCameraError(QString camId, QString message);
    // Something the user may not open (a camera's video node, its still
    // button): said once per node and run, with the command that fixes it.
    void sigAccessProblem(QString camId, QString message);
    // The rate granted by the driver, after every open or format change.
    void sigFrameRateChanged(QString camId, double fps);
    // A camera was plugged in or out (hot-plug event); refreshDevices() reads
    // the new set.
    void sigDevicesChanged();

protected:
    bool event(QEvent *event) override;

private:
    CameraHub();
    void dropCamera(const QString &camId);
    bool rebuild(OpenedCamera *cam, int width, int height, int fourcc);
    // After a setup: resizes the buffer for the display size, reports the rate
    // or the failure.
    void afterSetup(OpenedCamera *cam, bool ok);
    bool applyDisplaySize(OpenedCamera *cam);

    CaptureLayer m_layer;
    QVector<CameraDeviceInfo> m_devices;
    QMap<QString, OpenedCamera *> m_cameras; // owned
    QMap<QString, QString> m_errors;
    QSet<QString> m_accessTold; // nodes whose permission problem was said
    UdevMonitor *m_watcher = nullptr;
    quint64 m_nextSerial = 1;
};
