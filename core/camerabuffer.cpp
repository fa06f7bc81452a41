#include "core/camerabuffer.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QThread>

// Per-frame trace, off unless QT_LOGGING_RULES="vistrel.buffer.debug=true".
Q_LOGGING_CATEGORY(lcBuffer, "vistrel.buffer", QtWarningMsg)

void CameraBuffer::init(int width, int height, int format)
{
    if (m_size == QSize(width, height) && m_format == format && m_data)
        return;
    m_size = QSize(width, height);
    m_format = format;
    const qsizetype bytes = qsizetype(qMax(width, 0)) * qMax(height, 0) * 4;
    // Uninitialised on purpose: every producer writes the whole frame.
    m_data = bytes > 0 ? std::shared_ptr<uchar[]>(new uchar[bytes]) : std::shared_ptr<uchar[]>();
}

void CameraBuffer::reset()
{
    m_size = QSize();
    m_format = 0;
    m_data.reset();
}

uchar *CameraBuffer::tryAcquire()
{
    int expected = 0;
    if (!m_taken.compare_exchange_strong(expected, 1, std::memory_order_acquire))
        return nullptr;
    // Nothing to write into: give the token straight back, or the caller
    // (who takes null for "busy") would hold it for ever.
    if (!m_data) {
        m_taken.store(0, std::memory_order_release);
        return nullptr;
    }
    return m_data.get();
}

void CameraBuffer::release() { m_taken.store(0, std::memory_order_release); }

QImage CameraBuffer::toImage() const
{
    qCDebug(lcBuffer).noquote() << QString::fromLocal8Bit("CameraBuffer::toImage 中的scale : ") << m_size;
    if (!m_data || !m_size.isValid())
        return QImage();
    return QImage(m_data.get(), m_size.width(), m_size.height(), QImage::Format(m_format));
}

CameraBuffer::Lock::Lock(CameraBuffer *buffer)
    : m_buffer(buffer && buffer->tryAcquire() ? buffer : nullptr)
{}

CameraBuffer::Lock CameraBuffer::Lock::waitFor(CameraBuffer *buffer, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        Lock lock(buffer);
        if (lock || !buffer || !buffer->bits() || timer.elapsed() > timeoutMs)
            return lock;
        QThread::yieldCurrentThread();
    }
}

CameraBuffer::Lock CameraBuffer::Lock::adopt(CameraBuffer *buffer)
{
    Lock lock;
    lock.m_buffer = buffer;
    return lock;
}

CameraBuffer::Lock &CameraBuffer::Lock::operator=(Lock &&other) noexcept
{
    if (this != &other) {
        unlock();
        m_buffer = other.m_buffer;
        other.m_buffer = nullptr;
    }
    return *this;
}

void CameraBuffer::Lock::unlock()
{
    if (m_buffer)
        m_buffer->release();
    m_buffer = nullptr;
}

CameraBuffer *CameraBuffer::Lock::release()
{
    CameraBuffer *buffer = m_buffer;
    m_buffer = nullptr;
    return buffer;
}
