#include "imaging/cvimage.h"

#include <opencv2/imgproc.hpp>

namespace imaging {

cv::Mat wrap(const QImage &image)
{
    int type = -1;
    switch (image.format()) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Indexed8:
    case QImage::Format_Alpha8: type = CV_8UC1; break;
    case QImage::Format_RGB888: type = CV_8UC3; break;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: type = CV_8UC4; break;
    default: return {};
    }
    if (image.isNull())
        return {};
    // constBits() keeps a shared image shared; the caller promises not to write
    // through a header made from a const image.
    return cv::Mat(image.height(), image.width(), type, const_cast<uchar *>(image.constBits()),
                   size_t(image.bytesPerLine()));
}

cv::Mat toGray8(const QImage &image)
{
    if (image.format() == QImage::Format_Grayscale8)
        return wrap(image);
    if (image.isNull())
        return {};
    cv::Mat src = wrap(image);
    QImage rgb;
    if (src.empty() || image.format() == QImage::Format_Indexed8) {
        // Other formats go through 32-bit colour, so every picture gets the same weights.
        rgb = image.convertToFormat(QImage::Format_RGB32);
        src = wrap(rgb);
    }
    cv::Mat grey;
    // RGB888 is R, G, B in memory; the 32-bit formats are B, G, R, A.
    cv::cvtColor(src, grey, src.channels() == 3 ? cv::COLOR_RGB2GRAY : cv::COLOR_BGRA2GRAY);
    return grey;
}

cv::Mat toGray32F(const QImage &image)
{
    cv::Mat grey = toGray8(image);
    cv::Mat out;
    if (!grey.empty())
        grey.convertTo(out, CV_32F);
    return out;
}

QImage toQImage(const cv::Mat &mat)
{
    if (mat.empty() || mat.depth() != CV_8U)
        return {};
    QImage::Format format;
    switch (mat.channels()) {
    case 1: format = QImage::Format_Grayscale8; break;
    case 3: format = QImage::Format_BGR888; break;
    case 4: format = QImage::Format_ARGB32; break;
    default: return {};
    }
    QImage view(mat.data, mat.cols, mat.rows, int(mat.step), format);
    QImage out = view.copy();
    if (format == QImage::Format_BGR888)
        out = std::move(out).convertToFormat(QImage::Format_RGB32);
    return out;
}

} // namespace imaging
