#include "capture/framecallback.h"

#include "capture/capturelog.h"
#include "capture/flatfieldcorrection.h"
#include "core/logging.h"
#include "core/camerabuffer.h"

#include <QDebug>

#include <cstdio>
#include <cstring>

FrameCallback::FrameCallback(const QString &camId)
    : m_camId(camId)
{}

bool FrameCallback::setFormat(quint32 pixelFormat, int width, int height, int bytesPerLine, int imageSize)
{
    m_width = width;
    m_height = height;
    m_format = pixelFormat;
    m_bytesPerLine = bytesPerLine;
    m_imageSize = imageSize;
    m_lost = false;
    m_failure = CaptureFailure::None;
    {
        std::lock_guard<std::mutex> lock(m_latestMutex);
        m_latestBytes = 0;
    }
    m_photoConverter.reset();
    return m_converter.configure(pixelFormat, width, height, bytesPerLine, imageSize);
}

void FrameCallback::setOutput(const FrameOutput &output) { m_output = output; }

void FrameCallback::clearOutput() { m_output = FrameOutput(); }

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
    if (m_output.hidden && m_output.hidden->load(std::memory_order_relaxed)) {
        // Not on screen: no decode, but a photo of it can still be made.
        keepLatest(data, bytes);
        ++m_hidden;
        if (m_still.exchange(false) && m_output.notify && !m_output.notify(true))
            m_still = true;
        return;
    }
    CameraBuffer::Lock lock(buffer);
    if (!lock) {
        qCDebug(lcCapture) << "SampleCB lost frame";
        ++m_busy;
        return;
    }
    // The size is read under the token: the consumer changes it only while holding it.
    int denominator = 1;
    if (buffer->width() != m_width || buffer->height() != m_height) {
        denominator = 0;
        for (int d : {2, 4, 8}) {
            if (FrameConverter::isScalable(m_format)
                && buffer->size() == FrameConverter::scaledSize(QSize(m_width, m_height), d))
                denominator = d;
        }
        if (denominator == 0) {
            lock.unlock();
            captureLog("ERROR: SampleCB() - buffer sizes do not match\n");
            ++m_bad;
            return;
        }
    }
    const bool mirror = m_output.mirror && m_output.mirror->load(std::memory_order_relaxed);
    const bool flip = m_output.flipVertical && m_output.flipVertical->load(std::memory_order_relaxed);
    uchar *pixels = buffer->bits();
    const FrameConverter::Result result = m_converter.convert(data, bytes, pixels, mirror, flip, denominator);
    if (result == FrameConverter::Ok && m_output.flatField && m_output.flatField->isActive())
        m_output.flatField->apply(pixels, buffer->width(), buffer->height(), buffer->width() * 4, denominator, mirror,
                                  flip);
    if (result == FrameConverter::Ok && m_output.blackWhite && m_output.blackWhite->load(std::memory_order_relaxed))
        FrameConverter::toGrey(pixels, buffer->width(), buffer->height(), buffer->width() * 4);
    lock.unlock();
    if (result != FrameConverter::Ok) {
        if (result == FrameConverter::SizeMismatch)
            captureLog("ERROR: SampleCB() - buffer sizes do not match\n");
        ++m_bad;
        return;
    }
    if (denominator > 1) {
        ++m_reduced;
        keepLatest(data, bytes);
    }
    ++m_delivered;
    const bool still = m_still.exchange(false);
    if (m_output.notify && !m_output.notify(still) && still)
        m_still = true; // the waiting notice did not carry it; the next one will
}

void FrameCallback::keepLatest(const uchar *data, std::size_t bytes)
{
    std::unique_lock<std::mutex> lock(m_latestMutex, std::try_to_lock);
    if (lock.owns_lock() && bytes <= m_latestCapacity) {
        memcpy(m_latest.get(), data, bytes);
        m_latestBytes = bytes;
    }
}

void FrameCallback::reserveLatestFrame()
{
    // A compressed frame is at most what the device says one frame can take.
    const std::size_t need = std::size_t(qMax(m_imageSize, qMax(m_bytesPerLine, m_width * 2) * m_height));
    std::lock_guard<std::mutex> lock(m_latestMutex);
    if (m_latestCapacity >= need)
        return;
    m_latest.reset(new uchar[need]);
    m_latestCapacity = need;
    m_latestBytes = 0;
}

bool FrameCallback::decodeLatestFrame(QImage *out, bool mirror, bool flipVertical)
{
    if (!out)
        return false;
    std::lock_guard<std::mutex> lock(m_latestMutex);
    if (m_latestBytes == 0)
        return false;
    if (!m_photoConverter) {
        m_photoConverter = std::make_unique<FrameConverter>();
        if (!m_photoConverter->configure(m_format, m_width, m_height, m_bytesPerLine, m_imageSize)) {
            m_photoConverter.reset();
            return false;
        }
    }
    QImage img(m_width, m_height, QImage::Format_RGB32);
    if (img.isNull() || img.bytesPerLine() != m_width * 4)
        return false;
    if (m_photoConverter->convert(m_latest.get(), m_latestBytes, img.bits(), mirror, flipVertical)
        != FrameConverter::Ok)
        return false;
    *out = img;
    return true;
}

void FrameCallback::stillButtonPressed() { m_still = true; }

void FrameCallback::streamLost() { streamFailed(CaptureFailure::Gone); }

void FrameCallback::streamFailed(CaptureFailure why)
{
    if (!m_lost.exchange(true)) {
        m_failure = why;
        if (why == CaptureFailure::Bandwidth)
            captureLog("ERROR: device %s stopped: USB bandwidth exhausted\n", qPrintable(m_camId));
        else
            captureLog("ERROR: device %s lost while streaming\n", qPrintable(m_camId));
        if (m_output.lost)
            m_output.lost(why);
    }
}
