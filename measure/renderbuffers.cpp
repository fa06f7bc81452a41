#include "measure/renderbuffers.h"

#include <QImage>

RenderBuffers::~RenderBuffers()
{
    for (CameraBuffer &buffer : m_buffers)
        buffer.reset();
}

void RenderBuffers::allocate(const QSize &size)
{
    for (CameraBuffer &buffer : m_buffers) {
        // Only the GUI thread claims these; one held by the recorder is
        // resized the next time claim() takes it.
        if (buffer.isTaken())
            continue;
        const CameraBuffer::Lock lock(&buffer);
        buffer.init(size.width(), size.height(), QImage::Format_RGB32);
    }
}

CameraBuffer *RenderBuffers::claim(const QSize &size)
{
    for (CameraBuffer &buffer : m_buffers) {
        if (buffer.isTaken())
            continue;
        CameraBuffer::Lock lock(&buffer);
        if (!lock || buffer.size() != size || buffer.format() != QImage::Format_RGB32) {
            // A buffer without pixels has no token to take: it gets its pixels first.
            buffer.init(size.width(), size.height(), QImage::Format_RGB32);
            if (!lock)
                lock = CameraBuffer::Lock(&buffer);
        }
        // Out of memory: the token goes back with the lock.
        if (!lock || !buffer.bits())
            return nullptr;
        return lock.release();
    }
    return nullptr;
}
