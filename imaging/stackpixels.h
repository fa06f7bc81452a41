#pragma once

#include "imaging/framealigner.h"

#include <QImage>

#include <opencv2/core.hpp>

// The focus stack's per-pixel loops: working pixels (16-bit, 4 fractional
// bits), the pyramid's band selection, window sums and the Lanczos warp.
namespace imaging {

// 8-bit grey or BGRA to working pixels, and back to Grayscale8 or RGB32.
void toWorking(const cv::Mat &src, cv::Mat &dst);
QImage fromWorking(const cv::Mat &src);
// band = level - expanded, in place over expanded, and its energy.
void bandAndEnergy(const cv::Mat &level, cv::Mat &expanded, cv::Mat &energy);
// Where energy beats best, the band's coefficients replace the fused ones.
void keepStronger(const cv::Mat &band, const cv::Mat &energy, cv::Mat &fused, cv::Mat &best);
// Unnormalised box sums over (2 radius + 1)^2 windows, edges reflected.
void windowSums(const cv::Mat &src, cv::Mat &dst, int radius);
// warpAffine with WARP_INVERSE_MAP and BORDER_REPLICATE, six-lobed Lanczos;
// rows holds the first pass from call to call.
void warpLanczos(const cv::Mat &src, cv::Mat &dst, const Similarity &m, cv::Size size, cv::Mat &rows);

} // namespace imaging
