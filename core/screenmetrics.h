#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Millimetres per device pixel of the screen, measured once at start-up and
// read by the calibration ruler.
double screenMmPerPixel();
void setScreenMmPerPixel(double mmPerPixel);

namespace screenmetrics {

// Horizontal image size in millimetres from the first detailed timing
// descriptor of an EDID base block; none for short or non-EDID data.
std::optional<int> edidHorizontalMm(const QByteArray &edid);

// The EDID of the last connector (in name order) under drmDir that has one.
QByteArray readLastEdid(const QString &drmDir = QStringLiteral("/sys/class/drm"));

// The fallback chain: EDID width / pixel width, else physical width / pixel
// width, else 25.4 / logical DPI; each only when positive (projectors and
// TVs report 0 mm). primaryWidthPx is in device pixels.
double mmPerPixel(std::optional<int> edidMm, int primaryWidthPx, double physicalWidthMm, double logicalDpi);

// Millimetres that a length of logicalPx widget pixels covers on the screen:
// the screen is measured per device pixel, widgets in logical ones.
double onScreenMm(double logicalPx, double devicePixelRatio, double mmPerDevicePixel);

// The calibration ruler's reading ("%0.2fX"): on-screen length over real
// length, both in the same unit.
QString magnificationText(double onScreenLength, double actualLength);

// Measures the primary screen and stores the result process-wide.
void measureScreen(const QString &drmDir = QStringLiteral("/sys/class/drm"));

} // namespace screenmetrics
