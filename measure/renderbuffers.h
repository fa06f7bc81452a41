#pragma once

#include "core/camerabuffer.h"

#include <QSize>

// The buffers a scene renders recorded frames into: the GUI thread claims a
// free one, fills it and hands it on; its consumer releases it.
class RenderBuffers
{
public:
    static constexpr int Count = 5;

    ~RenderBuffers();

    // Sizes every free buffer for pictures of `size`.
    void allocate(const QSize &size);
    // A free buffer of `size`, claimed; null when all are busy or memory ran out.
    CameraBuffer *claim(const QSize &size);
    CameraBuffer *at(int index) { return &m_buffers[index]; }

private:
    CameraBuffer m_buffers[Count];
};
