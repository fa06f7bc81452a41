#pragma once

// A focus series with a known answer, for the focus-stack tests and the
// benchmark: a textured specimen with a smooth relief, photographed at
// evenly spaced focal planes, each slice blurred by its distance from the
// plane (Gaussian, radius growing linearly), optionally moved and scaled as
// a focus drive does, with sensor noise.
#include "imaging/focusstack.h"

#include <QImage>
#include <QSize>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>
#include <vector>

namespace focusseries {

struct Options
{
    QSize size{320, 240};
    int slices = 6;
    double blurPerSlice = 1.0; // Gaussian sigma, px, one plane from focus
    double maxShift = 0.0;     // px, the last slice
    double maxScale = 0.0;     // relative, the last slice
    double maxAngle = 0.0;     // radians, the last slice
    double noise = 1.0;        // grey levels, standard deviation
    unsigned seed = 7;
};

class Series
{
public:
    explicit Series(const Options &o)
        : m_o(o)
    {
        const cv::Size size(o.size.width(), o.size.height());
        cv::RNG rng(o.seed);
        m_truth = specimen(size, rng);
        m_depth = relief(size, rng);
        // The specimen at a ladder of blurs; a slice mixes the two nearest
        // rungs per pixel. Kept as 16 bits to stay small at 5 megapixels.
        for (double sigma : kSigmas) {
            cv::Mat blurred;
            if (sigma <= 0)
                blurred = m_truth.clone();
            else
                cv::GaussianBlur(m_truth, blurred, cv::Size(), sigma, sigma, cv::BORDER_REFLECT);
            cv::Mat rung;
            blurred.convertTo(rung, CV_16UC3, 128.0);
            m_rungs.push_back(rung);
        }
    }

    int count() const { return m_o.slices; }
    // The all-sharp picture (8-bit BGR).
    cv::Mat truth8() const
    {
        cv::Mat t;
        m_truth.convertTo(t, CV_8UC3);
        return t;
    }
    QImage truth() const { return toImage(truth8()); }
    // Height of each pixel, 0 (first plane) to 1 (last plane).
    const cv::Mat &depth() const { return m_depth; }

    // Reference pixels to slice k's pixels.
    imaging::Similarity motion(int k) const
    {
        const double t = m_o.slices > 1 ? double(k) / (m_o.slices - 1) : 0.0;
        const QPointF centre(m_o.size.width() / 2.0, m_o.size.height() / 2.0);
        const QPointF shift(m_o.maxShift * t * std::cos(1.3 * k + 0.4), m_o.maxShift * t * std::sin(1.3 * k + 0.4));
        return imaging::Similarity::about(centre, 1.0 + m_o.maxScale * t, m_o.maxAngle * t, shift);
    }

    // Sigma of the blur at height z for slice k.
    double sigmaAt(double z, int k) const
    {
        const double plane = m_o.slices > 1 ? double(k) / (m_o.slices - 1) : 0.5;
        return m_o.blurPerSlice * (m_o.slices - 1) * std::abs(z - plane);
    }

    QImage slice(int k) const
    {
        const cv::Size size(m_o.size.width(), m_o.size.height());
        cv::Mat out(size, CV_32FC3);
        const int rungs = int(m_rungs.size());
        cv::parallel_for_(cv::Range(0, size.height), [&](const cv::Range &r) {
            for (int y = r.start; y < r.end; ++y) {
                const float *z = m_depth.ptr<float>(y);
                cv::Vec3f *o = out.ptr<cv::Vec3f>(y);
                for (int x = 0; x < size.width; ++x) {
                    const double s = sigmaAt(z[x], k);
                    int j = 0;
                    while (j + 2 < rungs && kSigmas[j + 1] < s)
                        ++j;
                    const double w = std::clamp((s - kSigmas[j]) / (kSigmas[j + 1] - kSigmas[j]), 0.0, 1.0);
                    const cv::Vec3w a = m_rungs[size_t(j)].at<cv::Vec3w>(y, x);
                    const cv::Vec3w b = m_rungs[size_t(j + 1)].at<cv::Vec3w>(y, x);
                    for (int c = 0; c < 3; ++c)
                        o[x][c] = float(((1 - w) * a[c] + w * b[c]) / 128.0);
                }
            }
        });
        const imaging::Similarity m = motion(k);
        if (!m.isIdentity(m_o.size, 1e-6)) {
            cv::Mat moved;
            cv::warpAffine(out, moved, m.matrix(), size, cv::INTER_LANCZOS4, cv::BORDER_REFLECT);
            out = moved;
        }
        if (m_o.noise > 0) {
            cv::Mat noise(size, CV_32FC3);
            cv::RNG rng(m_o.seed * 977u + unsigned(k) + 1);
            rng.fill(noise, cv::RNG::NORMAL, 0.0, m_o.noise);
            out += noise;
        }
        cv::Mat eight;
        out.convertTo(eight, CV_8UC3);
        return toImage(eight);
    }

    // PSNR of a picture against the truth, inside a margin.
    double psnr(const QImage &picture, int margin) const { return psnrAgainst(truth8(), picture, margin); }

    static double psnrAgainst(const cv::Mat &truth8, const QImage &picture, int margin)
    {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
        if (rgb.size() != QSize(truth8.cols, truth8.rows))
            return 0.0;
        const cv::Mat view(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar *>(rgb.constBits()),
                           size_t(rgb.bytesPerLine()));
        cv::Mat bgr;
        cv::cvtColor(view, bgr, cv::COLOR_RGB2BGR);
        const cv::Rect inner(margin, margin, truth8.cols - 2 * margin, truth8.rows - 2 * margin);
        cv::Mat diff;
        cv::absdiff(bgr(inner), truth8(inner), diff);
        diff.convertTo(diff, CV_32F);
        const double mse = cv::mean(diff.mul(diff)).dot(cv::Scalar(1, 1, 1, 0)) / 3.0;
        return mse <= 1e-12 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
    }

    // The margin a comparison leaves out: what moving slices do not cover.
    int margin() const
    {
        const double reach = m_o.maxShift
                             + (std::abs(m_o.maxScale) + std::abs(m_o.maxAngle))
                                   * std::hypot(m_o.size.width(), m_o.size.height()) / 2.0;
        return 8 + int(std::ceil(reach));
    }

    static QImage toImage(const cv::Mat &bgr)
    {
        QImage out(bgr.cols, bgr.rows, QImage::Format_RGB32);
        for (int y = 0; y < bgr.rows; ++y) {
            const cv::Vec3b *s = bgr.ptr<cv::Vec3b>(y);
            auto *d = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < bgr.cols; ++x)
                d[x] = qRgb(s[x][2], s[x][1], s[x][0]);
        }
        return out;
    }

private:
    static constexpr double kSigmas[] = {0.0, 0.35, 0.7, 1.0, 1.4, 2.0, 2.8, 4.0, 5.6, 8.0, 11.3, 16.0};

    // Smooth random field: noise on a coarse grid, enlarged smoothly.
    static cv::Mat field(cv::Size size, int cell, cv::RNG &rng, int channels)
    {
        const cv::Size grid(std::max(2, size.width / cell + 3), std::max(2, size.height / cell + 3));
        cv::Mat coarse(grid, CV_32FC(channels));
        rng.fill(coarse, cv::RNG::NORMAL, 0.0, 1.0);
        cv::Mat fine;
        cv::resize(coarse, fine, cv::Size(grid.width * cell, grid.height * cell), 0, 0, cv::INTER_CUBIC);
        return fine(cv::Rect(cell, cell, size.width, size.height)).clone();
    }

    // Grains, fibres and cells: detail at every scale, in colour.
    static cv::Mat specimen(cv::Size size, cv::RNG &rng)
    {
        cv::Mat base(size, CV_32FC3, cv::Scalar(120, 135, 150));
        for (int cell = 2; cell <= 256; cell *= 2) {
            const double amplitude = 4.0 * std::pow(double(cell), 0.3);
            const cv::Mat lum = field(size, cell, rng, 1) * amplitude;
            cv::Mat lum3;
            cv::merge(std::vector<cv::Mat>{lum, lum, lum}, lum3);
            base += field(size, cell, rng, 3) * (0.6 * amplitude) + lum3;
        }
        // Round cells with dark rims and a textured inside.
        const int cells = std::max(6, size.area() / 12000);
        for (int i = 0; i < cells; ++i) {
            const cv::Point c(rng.uniform(0, size.width), rng.uniform(0, size.height));
            const int r = rng.uniform(4, std::max(6, std::min(size.width, size.height) / 12));
            const cv::Scalar fill(rng.uniform(40, 220), rng.uniform(40, 220), rng.uniform(40, 220));
            cv::circle(base, c, r, fill * 0.6 + cv::Scalar(60, 60, 60) * 0.4, cv::FILLED, cv::LINE_AA);
            cv::circle(base, c, r, cv::Scalar(25, 30, 35), std::max(1, r / 6), cv::LINE_AA);
        }
        // Fibres.
        for (int i = 0; i < cells / 2; ++i) {
            const cv::Point a(rng.uniform(0, size.width), rng.uniform(0, size.height));
            const cv::Point b(a.x + rng.uniform(-size.width / 4, size.width / 4),
                              a.y + rng.uniform(-size.height / 4, size.height / 4));
            cv::line(base, a, b, cv::Scalar(rng.uniform(150, 240), rng.uniform(150, 240), rng.uniform(150, 240)),
                     rng.uniform(1, 3), cv::LINE_AA);
        }
        cv::Mat clipped;
        cv::min(cv::max(base, 12.0), 243.0, clipped);
        // Whole grey levels, as the truth is compared in 8 bits.
        cv::Mat eight;
        clipped.convertTo(eight, CV_8UC3);
        eight.convertTo(clipped, CV_32FC3);
        return clipped;
    }

    // Heights 0..1: a smooth hill-and-valley relief.
    static cv::Mat relief(cv::Size size, cv::RNG &rng)
    {
        cv::Mat z(size, CV_32F);
        const double p1 = rng.uniform(0.0, 6.28), p2 = rng.uniform(0.0, 6.28);
        for (int y = 0; y < size.height; ++y) {
            float *row = z.ptr<float>(y);
            const double v = double(y) / size.height;
            for (int x = 0; x < size.width; ++x) {
                const double u = double(x) / size.width;
                row[x] = float(0.55 * u + 0.25 * std::sin(5.0 * u + p1) * std::cos(4.0 * v + p2)
                               + 0.2 * std::sin(3.0 * v + 2.0 * u));
            }
        }
        cv::normalize(z, z, 0.0, 1.0, cv::NORM_MINMAX);
        return z;
    }

    Options m_o;
    cv::Mat m_truth; // 32FC3, whole grey levels
    cv::Mat m_depth; // 32F, 0..1
    std::vector<cv::Mat> m_rungs;
};

} // namespace focusseries
