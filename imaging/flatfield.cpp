#include "imaging/flatfield.h"

#include "imaging/cvimage.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imaging {

namespace {

// Luminance 0..255 as float, whatever the stored form.
cv::Mat levels(const QImage &image)
{
    if (image.isNull())
        return cv::Mat();
    if (image.format() == QImage::Format_Grayscale16) {
        const cv::Mat raw(image.height(), image.width(), CV_16UC1, const_cast<uchar *>(image.constBits()),
                          size_t(image.bytesPerLine()));
        cv::Mat out;
        raw.convertTo(out, CV_32F, 1.0 / 256.0);
        return out;
    }
    return toGray32F(image);
}

} // namespace

bool LuminanceAverage::add(const QImage &frame)
{
    const cv::Mat grey = toGray32F(frame);
    if (grey.empty())
        return false;
    if (m_count == 0) {
        m_sum = grey.clone();
    } else {
        if (grey.size() != m_sum.size())
            return false;
        m_sum += grey;
    }
    ++m_count;
    return true;
}

QImage LuminanceAverage::result() const
{
    if (m_count == 0)
        return QImage();
    QImage out(m_sum.cols, m_sum.rows, QImage::Format_Grayscale16);
    cv::Mat dst(out.height(), out.width(), CV_16UC1, out.bits(), size_t(out.bytesPerLine()));
    m_sum.convertTo(dst, CV_16U, 256.0 / m_count);
    return out;
}

FlatFieldTable flatFieldTable(const QImage &flat, const QImage &dark, double sigma, FlatFieldProblem *problem)
{
    auto fail = [problem](FlatFieldProblem why) {
        if (problem)
            *problem = why;
        return FlatFieldTable();
    };
    cv::Mat light = levels(flat);
    if (light.empty())
        return fail(FlatFieldProblem::Missing);
    FlatFieldTable table;
    table.width = light.cols;
    table.height = light.rows;
    if (!dark.isNull()) {
        const cv::Mat offset = levels(dark);
        if (offset.size() != light.size())
            return fail(FlatFieldProblem::SizeMismatch);
        table.dark.resize(std::size_t(table.width) * table.height);
        cv::Mat d(table.height, table.width, CV_8UC1, table.dark.data());
        offset.convertTo(d, CV_8U); // rounds and saturates
        cv::Mat rounded;
        d.convertTo(rounded, CV_32F);
        light -= rounded; // what the frames will have left after the offset
    }
    // Clipped highlights hide the fall-off, a black field has none to measure.
    double brightest = 0;
    cv::minMaxLoc(light, nullptr, &brightest);
    const double mean = cv::mean(light)[0];
    if (mean < 8.0)
        return fail(FlatFieldProblem::TooDark);
    if (std::size_t(cv::countNonZero(light >= 254.5)) > light.total() / 100)
        return fail(FlatFieldProblem::Saturated);
    if (sigma > 0)
        cv::GaussianBlur(light, light, cv::Size(), sigma, sigma, cv::BORDER_REFLECT);
    // Gains above the largest that fits stay at it: such a pixel is too dark
    // to bring up anyway.
    const float floorLevel = float(mean / kFlatMaxGain);
    const float scale = float(mean * (1 << kFlatGainBits));
    table.gain.resize(std::size_t(table.width) * table.height);
    for (int y = 0; y < table.height; ++y) {
        const float *in = light.ptr<float>(y);
        quint16 *out = table.gain.data() + std::size_t(y) * table.width;
        for (int x = 0; x < table.width; ++x)
            out[x] = quint16(std::min(65535.0f, std::round(scale / std::max(in[x], floorLevel))));
    }
    if (problem)
        *problem = FlatFieldProblem::None;
    return table;
}

} // namespace imaging
