#pragma once

#include "capture/capturebackend.h"

#include <QSize>
#include <QVector>

// Choosing a device's stream format and rate before it starts; `offered` is
// the device's format list, read once per setup.

// True when the device now runs `size` in the subtype's format, or a size it
// adjusted by a few pixels; otherwise the device keeps its previous format.
bool trySize(BackendDevice *dev, const QVector<FormatCapability> &offered, const QSize &size, int subtypeIndex);

// The requested size in the requested subtype, then in every other subtype,
// then the closest offered size. Returns the subtype now running, -1 when
// none of them could be set.
int negotiateFormat(BackendDevice *dev, const QVector<FormatCapability> &offered, const QSize &want, int wantSubtype);

// Asks for the offered interval nearest to `frameTime` (100-ns units; <= 0
// asks for nothing) and returns the rate the device runs at, 0 when unknown.
double applyFrameTime(BackendDevice *dev, int frameTime);
