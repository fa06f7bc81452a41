#pragma once

#include "capture/capturebackend.h"
#include "capture/frameconverter.h"
#include "capture/frameratemeter.h"

#include <QString>

#include <atomic>
#include <functional>

class CameraBuffer;

// Where one camera's frames go; handed over by the camera's owner before the
// stream starts and left alone until the stream has stopped.
struct FrameOutput
{
    CameraBuffer *buffer = nullptr;
    const std::atomic<bool> *mirror = nullptr;
    const std::atomic<bool> *flipVertical = nullptr;
    // Called on the capture thread after a frame was published; returns false
    // when the notice was folded into one still waiting to be handled.
    std::function<bool(bool needCapture)> notify;
    // Called once on the capture thread when the stream ends by itself
    // (camera unplugged, device error).
    std::function<void()> lost;
};

// The frame path of one device: size check, the non-blocking take of the
// camera's buffer, one conversion into it, release, notice.
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

    QString camId() const { return m_camId; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isLost() const { return m_lost.load(); }
    bool stillTriggered() const { return m_still.load(); }
    quint64 framesDelivered() const { return m_delivered.load(); }
    quint64 framesBusy() const { return m_busy.load(); }
    quint64 framesBad() const { return m_bad.load(); }
    const FrameRateMeter &meter() const { return m_meter; }

private:
    const QString m_camId;
    FrameConverter m_converter;
    FrameOutput m_output;
    FrameRateMeter m_meter;
    int m_width = 0;
    int m_height = 0;
    std::atomic<bool> m_still{false};
    std::atomic<bool> m_lost{false};
    std::atomic<quint64> m_delivered{0};
    std::atomic<quint64> m_busy{0};
    std::atomic<quint64> m_bad{0};
};
