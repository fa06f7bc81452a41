#pragma once

#include "capture/capturebackend.h"

#include <QSize>
#include <QVector>

// Sizes of the offered formats that the program can convert and the model
// row allows, sorted by area (width breaks ties), no duplicates.
QVector<QSize> acceptedSizes(const QVector<FormatCapability> &offered, const QVector<QSize> &allowed);

// The offered size nearest to `want` (sum of the width and height
// distances) in a format the program converts; `*subtypeIndex` names it.
// False when nothing usable is offered.
bool closestOfferedSize(const QVector<FormatCapability> &offered, const QSize &want, QSize *size, int *subtypeIndex);
