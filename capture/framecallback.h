#pragma once

#include "capture/capturebackend.h"
#include "capture/frameconverter.h"
#include "capture/frameratemeter.h"

#include <QString>

#include <QImage>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class CameraBuffer;
class FlatFieldCorrection;

// Where one camera's frames go; handed over by the camera's owner before the
// stream starts and left alone until the stream has stopped.
struct FrameOutput
{
    CameraBuffer *buffer = nullptr;
    const std::atomic<bool> *mirror = nullptr;
    const std::atomic<bool> *flipVertical = nullptr;
    const std::atomic<bool> *blackWhite = nullptr;
    // Set while the camera's picture is not on screen: frames are kept as
    // sent, not decoded, and only a still button is told.
    const std::atomic<bool> *hidden = nullptr;
    // Applied to every converted frame when it holds a table.
    FlatFieldCorrection *flatField = nullptr;
    // Called on the capture thread after a frame was published; returns false
    // when the notice was folded into one still waiting to be handled.
    std::function<bool(bool needCapture)> notify;
    // Called once on the capture thread when the stream ends by itself
    // (camera unplugged, device error, no USB bandwidth).
    std::function<void(CaptureFailure why)> lost;
};

// The frame path of one device: size check, the non-blocking take of the
// camera's buffer, one conversion into it, release, notice.
//
// The buffer's size says how large a picture its consumer wants: the frame's
// own size, or the frame reduced by 2, 4 or 8 (FrameConverter::scaledSize),
// which MJPEG and YUYV decode at a fraction of the cost. Whoever resizes the
// buffer holds its token while doing so. While reduced, the latest frame as
// the camera sent it is kept, so a full-size picture can be made on demand.
class FrameCallback : public FrameReceiver
{
public:
    explicit FrameCallback(const QString &camId);

    // Before the stream starts (GUI thread).
    bool setFormat(quint32 pixelFormat, int width, int height, int bytesPerLine, int imageSize);
    void setOutput(const FrameOutput &output);
    void clearOutput();

    void frameArrived(const uchar *data, std::size_t bytes) override;
    void stillButtonPressed() override;
    void streamLost() override;
    void streamFailed(CaptureFailure why) override;

    // Room for the latest frame as sent (GUI thread, before the buffer is reduced).
    void reserveLatestFrame();
    // The latest kept frame decoded at full size with the given flips (GUI
    // thread); false when none was kept since the buffer was reduced.
    bool decodeLatestFrame(QImage *out, bool mirror, bool flipVertical);
    quint32 pixelFormat() const { return m_format; }

    QString camId() const { return m_camId; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isLost() const { return m_lost.load(); }
    bool stillTriggered() const { return m_still.load(); }
    quint64 framesDelivered() const { return m_delivered.load(); }
    quint64 framesBusy() const { return m_busy.load(); }
    quint64 framesBad() const { return m_bad.load(); }
    // Frames decoded at a reduced size.
    quint64 framesReduced() const { return m_reduced.load(); }
    // Frames not decoded because nothing showed them.
    quint64 framesHidden() const { return m_hidden.load(); }
    CaptureFailure failure() const { return m_failure.load(); }
    const FrameRateMeter &meter() const { return m_meter; }

private:
    // Keeps a copy of the frame as sent, for a full-size photo; skipped
    // while the GUI thread reads it.
    void keepLatest(const uchar *data, std::size_t bytes);

    const QString m_camId;
    FrameConverter m_converter;
    FrameOutput m_output;
    FrameRateMeter m_meter;
    int m_width = 0;
    int m_height = 0;
    quint32 m_format = 0;
    int m_bytesPerLine = 0;
    int m_imageSize = 0;

    // The latest frame as sent, while the buffer is reduced; the capture
    // thread only ever try-locks it.
    std::mutex m_latestMutex;
    std::unique_ptr<uchar[]> m_latest;
    std::size_t m_latestCapacity = 0;
    std::size_t m_latestBytes = 0;
    std::unique_ptr<FrameConverter> m_photoConverter; // GUI thread
    std::atomic<CaptureFailure> m_failure{CaptureFailure::None};
    std::atomic<quint64> m_reduced{0};
    std::atomic<quint64> m_hidden{0};
    std::atomic<bool> m_still{false};
    std::atomic<bool> m_lost{false};
    std::atomic<quint64> m_delivered{0};
    std::atomic<quint64> m_busy{0};
    std::atomic<quint64> m_bad{0};
};
