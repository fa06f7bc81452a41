#pragma once

// Pictures of round objects whose outlines are known exactly: discs drawn
// with their pixels' true coverage, blurred, under uneven light, with noise.
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace discs {

struct Disc
{
    double x, y, r; // centre in picture coordinates (pixel centres at +0.5), radius in px
};

struct Look
{
    double blur = 1.0;    // Gaussian sigma, px
    double noise = 2.0;   // grey levels, standard deviation
    double uneven = 0.35; // light falls off by this fraction toward the corners
    bool dark = true;     // dark objects on light
    unsigned seed = 1;
};

// Fraction of pixel (i, j) inside the disc.
inline double coverage(const Disc &d, int i, int j)
{
    const double dist = std::hypot(i + 0.5 - d.x, j + 0.5 - d.y);
    if (dist <= d.r - 0.75)
        return 1;
    if (dist >= d.r + 0.75)
        return 0;
    constexpr int n = 16;
    int in = 0;
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            const double x = i + (a + 0.5) / n - d.x, y = j + (b + 0.5) / n - d.y;
            in += x * x + y * y <= d.r * d.r;
        }
    return double(in) / (n * n);
}

// 8-bit grey picture of the discs.
inline cv::Mat draw(cv::Size size, const std::vector<Disc> &list, const Look &look)
{
    cv::Mat t(size, CV_32F, cv::Scalar(0));
    for (const Disc &d : list) {
        const int i0 = std::max(0, int(d.x - d.r - 2)), i1 = std::min(size.width - 1, int(d.x + d.r + 2));
        const int j0 = std::max(0, int(d.y - d.r - 2)), j1 = std::min(size.height - 1, int(d.y + d.r + 2));
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i)
                t.at<float>(j, i) = std::max(t.at<float>(j, i), float(coverage(d, i, j)));
    }
    if (look.blur > 0)
        cv::GaussianBlur(t, t, cv::Size(0, 0), look.blur, look.blur, cv::BORDER_REFLECT);
    std::mt19937 rng(look.seed);
    std::normal_distribution<double> noise(0.0, look.noise > 0 ? look.noise : 1.0);
    cv::Mat out(size, CV_8U);
    const double cx = size.width * 0.4, cy = size.height * 0.6;
    const double far2 = double(size.width) * size.width + double(size.height) * size.height;
    for (int j = 0; j < size.height; ++j)
        for (int i = 0; i < size.width; ++i) {
            const double dx = i + 0.5 - cx, dy = j + 0.5 - cy;
            const double light = 1.0 - look.uneven * (dx * dx + dy * dy) / far2 * 2.0;
            // Transmission: background 1, dark objects 0.3; light objects 1 on 0.25.
            const double c = t.at<float>(j, i);
            const double trans = look.dark ? 1.0 - 0.7 * c : 0.25 + 0.75 * c;
            const double v = 220.0 * light * trans + (look.noise > 0 ? noise(rng) : 0.0);
            out.at<uchar>(j, i) = uchar(std::clamp(std::lround(v), 0L, 255L));
        }
    return out;
}

// Discs of the given radii laid out on a grid with room between them, each
// centre shifted by a random fraction of a pixel.
inline std::vector<Disc> grid(cv::Size size, const std::vector<double> &radii, unsigned seed = 7)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> frac(0.0, 1.0);
    std::vector<Disc> out;
    double x = 20, y = 20, rowHeight = 0;
    for (double r : radii) {
        const double cell = 2 * r + 16;
        if (x + cell > size.width - 20) {
            x = 20;
            y += rowHeight;
            rowHeight = 0;
        }
        if (y + cell > size.height - 20)
            break;
        out.push_back({x + cell / 2 + frac(rng), y + cell / 2 + frac(rng), r});
        x += cell;
        rowHeight = std::max(rowHeight, cell);
    }
    return out;
}

} // namespace discs
