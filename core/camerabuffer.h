#pragma once

#include <QImage>
#include <QSize>

#include <atomic>
#include <memory>

// Single-slot 32-bit picture buffer handed between two threads without
// waiting: whoever wins the "taken" token may touch the pixels.
class CameraBuffer
{
public:
    CameraBuffer() = default;
    CameraBuffer(const CameraBuffer &) = delete;
    CameraBuffer &operator=(const CameraBuffer &) = delete;

    // Keeps the pixels when size and format are unchanged; otherwise a new
    // uninitialised array replaces the old one (freed by its last holder).
    void init(int width, int height, int format);
    void reset();

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QSize size() const { return m_size; }
    int format() const { return m_format; }
    int byteCount() const { return m_size.isValid() ? m_size.width() * m_size.height() * 4 : 0; }

    // Null when the other side holds the buffer; never blocks.
    uchar *tryAcquire();
    void release();
    bool isTaken() const { return m_taken.load(std::memory_order_acquire) != 0; }

    // Raw pixels without taking the token (for the holder of the token).
    uchar *bits() const { return m_data.get(); }
    std::shared_ptr<uchar[]> data() const { return m_data; }

    // Wraps the buffer's own pixels; valid while the token is held.
    QImage toImage() const;

private:
    std::shared_ptr<uchar[]> m_data;
    int m_format = 0;
    QSize m_size;
    std::atomic<int> m_taken{0};
};
