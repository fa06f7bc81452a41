#pragma once

#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstddef>
#include <memory>

// What a capture backend (V4L2, the simulated microscope, a test double)
// offers to CaptureLayer. Pixel formats are V4L2 FOURCCs throughout.

// One entry of a device's format list: a discrete size (minimum == maximum)
// or a stepwise range.
struct FormatCapability
{
    quint32 pixelFormat = 0;
    QSize minimum;
    QSize maximum;
    int stepWidth = 1;
    int stepHeight = 1;

    bool isDiscrete() const { return minimum == maximum; }
    bool contains(const QSize &size) const;
};

struct BackendDeviceInfo
{
    QString friendlyName;
    QString path; // the camera's id, holds "vid_" and "pid_"
    QVector<FormatCapability> formats;
    QString port; // USB port as the system names it ("1-2", "3-1.4"); empty when unknown
    // A node that exists but may not be opened (permissions): listed, formats unknown.
    bool accessible = true;
};

// Why a stream could not start or ended by itself.
enum class CaptureFailure {
    None,
    Gone,      // unplugged, or an error that did not clear after a restart
    Bandwidth, // the USB bus has no room for this stream (ENOSPC)
    Other,
};

// Frame intervals a device offers at its current size and format, in 100-ns
// units: a list, or a range (minimum..maximum by step) when `discrete` is empty.
struct FrameTimes
{
    QVector<int> discrete;
    int minimum = 0;
    int maximum = 0;
    int step = 0;

    bool isEmpty() const { return discrete.isEmpty() && maximum <= 0; }
    // The offered interval nearest to `frameTime`; `frameTime` when none is known.
    int nearest(int frameTime) const;
};

struct ControlInfo
{
    enum Type { Integer, Boolean, Menu, Button };

    quint32 id = 0;
    Type type = Integer;
    QString name;
    qint32 minimum = 0;
    qint32 maximum = 0;
    qint32 step = 1;
    qint32 defaultValue = 0;
    bool inactive = false; // e.g. manual exposure while automatic is on
    bool readOnly = false;
    QVector<QPair<qint32, QString>> menu; // index, label
};

// Called on the backend's capture thread.
class FrameReceiver
{
public:
    virtual ~FrameReceiver() = default;
    // `data` is valid only during the call.
    virtual void frameArrived(const uchar *data, std::size_t bytes) = 0;
    virtual void stillButtonPressed() = 0;
    // The device went away; no frame follows.
    virtual void streamLost() = 0;
    // The stream ended for a known reason; no frame follows.
    virtual void streamFailed(CaptureFailure why)
    {
        Q_UNUSED(why);
        streamLost();
    }
};

// One opened device. Format calls are made before start() only.
class BackendDevice
{
public:
    virtual ~BackendDevice() = default;

    virtual QSize currentSize() const = 0;
    virtual quint32 currentPixelFormat() const = 0;
    // Bytes of one uncompressed row and of one frame as the device reports them.
    virtual int bytesPerLine() const = 0;
    virtual int imageSize() const = 0;
    // True only when the device now runs exactly this size and format.
    virtual bool trySetFormat(const QSize &size, quint32 pixelFormat) = 0;
    // Asks for an interval in 100-ns units. Returns the rate the device
    // granted, in frames per second (0 when refused or unknown).
    virtual double setFrameTime(int frameTime) = 0;
    // The rate the device runs at now, 0 when unknown.
    virtual double frameRate() const = 0;
    // Intervals offered at the current size and format.
    virtual FrameTimes frameTimes() const = 0;
    virtual QVector<FormatCapability> capabilities() const = 0;

    // Starts the capture thread; frames go to `receiver` until stop().
    virtual bool start(FrameReceiver *receiver) = 0;
    // Returns once the capture thread has ended.
    virtual void stop() = 0;
    // Why the last start() failed.
    virtual CaptureFailure startFailure() const { return CaptureFailure::Other; }
    // Still-button nodes the last start() could not open for lack of permission.
    virtual QStringList lockedInputs() const { return {}; }

    virtual QVector<ControlInfo> controls() const = 0;
    virtual bool queryControl(quint32 id, ControlInfo *info) const = 0;
    virtual bool getControl(quint32 id, qint32 *value) const = 0;
    virtual bool setControl(quint32 id, qint32 value) = 0;
};

class CaptureBackend
{
public:
    virtual ~CaptureBackend() = default;
    virtual QVector<BackendDeviceInfo> enumerate() = 0;
    // Null when the device is gone or cannot be opened.
    virtual std::unique_ptr<BackendDevice> open(const QString &path) = 0;
};
