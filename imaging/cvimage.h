#pragma once

#include <QImage>

#include <opencv2/core.hpp>

// Bridges between Qt's pictures and OpenCV's matrices. The analysis works on
// the frames the program already holds, so the wrappers share pixels rather
// than copy them.
namespace imaging {

// A header over the image's own pixels: 8-bit grey as CV_8UC1, RGB888 as
// CV_8UC3, the 32-bit formats as CV_8UC4 (B, G, R, A in memory on little-endian
// machines). Empty for any other format. Valid while the image lives and is
// not detached; writing through it writes the image.
cv::Mat wrap(const QImage &image);

// The picture's luminance as 8-bit grey (Rec. 601 weights), converted once;
// a grey picture is shared, not copied.
cv::Mat toGray8(const QImage &image);

// The picture's luminance as 32-bit float, 0..255.
cv::Mat toGray32F(const QImage &image);

// A deep copy of an 8-bit matrix with 1, 3 (BGR) or 4 (BGRA) channels; a
// null image for any other type.
QImage toQImage(const cv::Mat &mat);

} // namespace imaging
