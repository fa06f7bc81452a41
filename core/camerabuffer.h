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
    // The token for a scope: taken on construction (without waiting, or
    // within a bound), given back when the lock goes. Movable, so a token
    // can be handed on with the pixels it guards.
    class Lock
    {
    public:
        Lock() = default;
        // Tries once; empty when the other side holds the buffer or it has no pixels.
        explicit Lock(CameraBuffer *buffer);
        // Tries for up to timeoutMs, yielding in between: the other side
        // holds the token for one conversion at most.
        static Lock waitFor(CameraBuffer *buffer, int timeoutMs);
        // Takes over a token the caller already holds.
        static Lock adopt(CameraBuffer *buffer);
        Lock(Lock &&other) noexcept
            : m_buffer(other.m_buffer)
        {
            other.m_buffer = nullptr;
        }
        Lock &operator=(Lock &&other) noexcept;
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;
        ~Lock() { unlock(); }

        explicit operator bool() const { return m_buffer != nullptr; }
        CameraBuffer *buffer() const { return m_buffer; }
        CameraBuffer *operator->() const { return m_buffer; }
        void unlock();
        // Lets go of the token without giving it back: the caller now holds it.
        CameraBuffer *release();

    private:
        CameraBuffer *m_buffer = nullptr;
    };

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
