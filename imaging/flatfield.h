#pragma once

#include <QImage>
#include <QSize>

#include <opencv2/core.hpp>

#include <vector>

// Flat-field correction: the gain that evens out a camera's uneven
// illumination (vignetting, dust on the sensor), made from the average of a
// few frames of an empty, evenly lit field and, optionally, of the dark
// frame (light off). One gain per pixel is shared by the three colours, so
// the correction never tints the picture: the camera's white balance stays
// in charge of colour.
namespace imaging {

// Fixed-point bits of a gain: 1.0 is 1 << kFlatGainBits, the largest gain
// just under 4.
constexpr int kFlatGainBits = 14;
constexpr double kFlatMaxGain = 65535.0 / (1 << kFlatGainBits);

// The running average of frames' luminance (Rec. 601 weights).
class LuminanceAverage
{
public:
    // 32-bit frames (RGB32/ARGB32); false when the size differs from the first.
    bool add(const QImage &frame);
    int count() const { return m_count; }
    QSize size() const { return QSize(m_sum.cols, m_sum.rows); }
    // The average as 16-bit grey, 256 per level (keeps the averaging's
    // precision when stored as PNG). Null before the first frame.
    QImage result() const;

private:
    cv::Mat m_sum; // CV_32F
    int m_count = 0;
};

// Per-pixel tables of one camera at one frame size.
struct FlatFieldTable
{
    int width = 0;
    int height = 0;
    std::vector<quint16> gain; // kFlatGainBits fixed point, row by row
    std::vector<quint8> dark;  // offset taken off every colour first; empty without a dark frame
    bool isValid() const { return width > 0 && height > 0 && gain.size() == std::size_t(width) * height; }
};

enum class FlatFieldProblem { None, Missing, SizeMismatch, TooDark, Saturated };

// The tables from averages (LuminanceAverage::result, or any grey or 32-bit
// picture), the flat smoothed with a Gaussian of sigma pixels against noise
// (small enough to keep dust spots). The gain brings every pixel to the
// flat's mean, so the picture keeps its overall brightness.
FlatFieldTable flatFieldTable(const QImage &flat, const QImage &dark = QImage(), double sigma = 1.5,
                              FlatFieldProblem *problem = nullptr);

} // namespace imaging
