#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Millimetres per screen pixel, measured once at start-up and read by the
// calibration ruler.
double screenMmPerPixel();
void setScreenMmPerPixel(double mmPerPixel);

namespace screenmetrics {

// Horizontal image size in millimetres from the first detailed timing
// descriptor of an EDID base block; none for short or non-EDID data.
std::optional<int> edidHorizontalMm(const QByteArray &edid);

// The EDID of the last connector (in name order) under drmDir that has one.
QByteArray readLastEdid(const QString &drmDir = QStringLiteral("/sys/class/drm"));

// The fallback chain: EDID width / pixel width, else physical width / pixel
// width when positive, else 25.4 / logical DPI.
double mmPerPixel(std::optional<int> edidMm, int primaryWidthPx, double physicalWidthMm, double logicalDpi);

// Measures the primary screen and stores the result process-wide.
void measureScreen(const QString &drmDir = QStringLiteral("/sys/class/drm"));

} // namespace screenmetrics
