#include "capture/framecallback.h"

#include "capture/capturelayer.h"
#include "core/camerabuffer.h"

#include <QDebug>

#include <cstdio>

FrameCallback::FrameCallback(const QString &camId)
    : m_camId(camId)
{
}

bool FrameCallback::setFormat(quint32 pixelFormat, int width, int height, int bytesPerLine, int imageSize)
{
    m_width = width;
    m_height = height;
    m_lost = false;
    return m_converter.configure(pixelFormat, width, height, bytesPerLine, imageSize);
}

void FrameCallback::setOutput(const FrameOutput &output)
{
    m_output = output;
}

void FrameCallback::clearOutput()
{
    m_output = FrameOutput();
}

void FrameCallback::frameArrived(const uchar *data, std::size_t bytes)
{
    if (!data)
        return;
    m_meter.add();
    CameraBuffer *buffer = m_output.buffer;
    if (!buffer) {
        ++m_bad;
        return;
    }
    if (buffer->width() != m_width || buffer->height() != m_height) {
        captureLog("ERROR: SampleCB() - buffer sizes do not match\n");
        ++m_bad;
        return;
    }
    uchar *pixels = buffer->tryAcquire();
    if (!pixels) {
        qDebug() << "SampleCB lost frame";
        ++m_busy;
        return;
    }
    const bool mirror = m_output.mirror && m_output.mirror->load(std::memory_order_relaxed);
    const bool flip = m_output.flipVertical && m_output.flipVertical->load(std::memory_order_relaxed);
    const FrameConverter::Result result = m_converter.convert(data, bytes, pixels, mirror, flip);
    buffer->release();
    if (result != FrameConverter::Ok) {
        if (result == FrameConverter::SizeMismatch)
            captureLog("ERROR: SampleCB() - buffer sizes do not match\n");
        ++m_bad;
        return;
    }
    ++m_delivered;
    const bool still = m_still.exchange(false);
    if (m_output.notify && !m_output.notify(still) && still)
        m_still = true; // the waiting notice did not carry it; the next one will
}

void FrameCallback::stillButtonPressed()
{
    m_still = true;
}

void FrameCallback::streamLost()
{
    if (!m_lost.exchange(true)) {
        captureLog("ERROR: device %s lost while streaming\n", qPrintable(m_camId));
        if (m_output.lost)
            m_output.lost();
    }
}
