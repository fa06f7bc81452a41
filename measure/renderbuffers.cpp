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
        buffer.tryAcquire();
        buffer.init(size.width(), size.height(), QImage::Format_RGB32);
        buffer.release();
    }
}

CameraBuffer *RenderBuffers::claim(const QSize &size)
{
    for (CameraBuffer &buffer : m_buffers) {
        if (buffer.isTaken())
            continue;
        buffer.tryAcquire();
        if (buffer.size() != size || buffer.format() != QImage::Format_RGB32)
            buffer.init(size.width(), size.height(), QImage::Format_RGB32);
        if (!buffer.bits()) {
            buffer.release();
            return nullptr;
        }
        return &buffer;
    }
    return nullptr;
}
