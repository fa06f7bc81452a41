#pragma once

// Fields of view over a made-up specimen larger than one field, at known
// sub-pixel positions, with the camera's vignetting and noise: what a stage
// moved by hand over a slide gives. Shared by the mosaic tests and benchmark.
#include <QImage>
#include <QPointF>
#include <QVector>

#include <opencv2/imgproc.hpp>

#include <complex>
#include <random>
#include <vector>

namespace mosaicfields {

struct Grid
{
    int cols = 3;
    int rows = 3;
    QSize field{1280, 960};
    double overlap = 0.2;    // share of the field's width (height) two neighbours have in common
    double jitter = 25;      // stage error, +- pixels
    double vignetting = 0.3; // brightness lost in the corners
    double noise = 3;        // sensor noise, standard deviation in grey levels
    quint32 seed = 1;
};

struct Fields
{
    QVector<QImage> images; // RGB32
    QVector<QPointF> truth; // top-left corners on the specimen
    QSize specimen;
};

// Tissue-like texture in colour: blobs at several scales and round cells.
inline cv::Mat specimen(const QSize &size, quint32 seed)
{
    cv::RNG rng(seed);
    cv::Mat grey(size.height(), size.width(), CV_32F, cv::Scalar(0));
    // Octaves of smooth noise: made small, enlarged smoothly.
    const double amplitude[] = {60, 40, 26, 14};
    const int cell[] = {96, 24, 6, 2};
    for (int k = 0; k < 4; ++k) {
        cv::Mat small(size.height() / cell[k] + 3, size.width() / cell[k] + 3, CV_32F);
        rng.fill(small, cv::RNG::NORMAL, 0, amplitude[k]);
        cv::Mat big;
        cv::resize(small, big, cv::Size(small.cols * cell[k], small.rows * cell[k]), 0, 0, cv::INTER_CUBIC);
        grey += big(cv::Rect(0, 0, size.width(), size.height()));
    }
    grey += 120;
    cv::Mat colour;
    cv::Mat channels[3] = {grey * 0.8 + 40, grey * 0.9 + 10, grey};
    cv::merge(channels, 3, colour);
    // Cells: dark rims, lighter insides.
    const int cells = size.width() * size.height() / 20000;
    for (int i = 0; i < cells; ++i) {
        const cv::Point c(rng.uniform(0, size.width()), rng.uniform(0, size.height()));
        const int r = rng.uniform(6, 40);
        cv::circle(colour, c, r, cv::Scalar(70, 40, 90), 3, cv::LINE_AA);
        cv::circle(colour, c, r / 3, cv::Scalar(200, 150, 210), cv::FILLED, cv::LINE_AA);
    }
    cv::Mat out;
    colour.convertTo(out, CV_8UC3);
    return out;
}

inline Fields make(const Grid &g)
{
    std::mt19937 rng(g.seed);
    std::uniform_real_distribution<double> jitter(-g.jitter, g.jitter);
    const double stepX = g.field.width() * (1 - g.overlap), stepY = g.field.height() * (1 - g.overlap);
    const int margin = int(g.jitter) + 24; // room for the shift's padding
    Fields f;
    f.specimen = QSize(int(stepX * (g.cols - 1)) + g.field.width() + 2 * margin,
                       int(stepY * (g.rows - 1)) + g.field.height() + 2 * margin);
    const cv::Mat slide = specimen(f.specimen, g.seed);

    // The camera's fall-off, the same in every field.
    cv::Mat gain(g.field.height(), g.field.width(), CV_32F);
    for (int y = 0; y < gain.rows; ++y)
        for (int x = 0; x < gain.cols; ++x) {
            const double u = (x + 0.5) / gain.cols * 2 - 1, v = (y + 0.5) / gain.rows * 2 - 1;
            gain.at<float>(y, x) = float(1 - g.vignetting * (u * u + v * v) / 2);
        }
    cv::Mat gain3;
    cv::merge(std::vector<cv::Mat>{gain, gain, gain}, gain3);

    // The optics blur the specimen before the sensor samples it; each field
    // is then shifted by its exact sub-pixel amount (in the frequency domain,
    // so no interpolation filter colours the truth).
    cv::Mat optical;
    slide.convertTo(optical, CV_32FC3);
    cv::GaussianBlur(optical, optical, cv::Size(), 1.0);
    cv::RNG noise(g.seed + 7);
    constexpr int pad = 16;
    const cv::Size padded(g.field.width() + 2 * pad, g.field.height() + 2 * pad);
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.cols; ++c) {
            const QPointF at(margin + c * stepX + jitter(rng), margin + r * stepY + jitter(rng));
            const int ix = int(std::floor(at.x())), iy = int(std::floor(at.y()));
            const double fx = at.x() - ix, fy = at.y() - iy;
            std::vector<cv::Mat> planes;
            cv::split(optical(cv::Rect(ix - pad, iy - pad, padded.width, padded.height)), planes);
            for (cv::Mat &p : planes) {
                cv::Mat spectrum;
                cv::dft(p, spectrum, cv::DFT_COMPLEX_OUTPUT);
                // g(v) = p(v + f): multiply by exp(+2 pi i k f / N), a row
                // factor times a column factor.
                std::vector<std::complex<double>> ex(size_t(spectrum.cols)), ey(size_t(spectrum.rows));
                for (int x = 0; x < spectrum.cols; ++x) {
                    const int kx = x <= spectrum.cols / 2 ? x : x - spectrum.cols;
                    ex[size_t(x)] = std::polar(1.0, 2 * CV_PI * kx * fx / spectrum.cols);
                }
                for (int y = 0; y < spectrum.rows; ++y) {
                    const int ky = y <= spectrum.rows / 2 ? y : y - spectrum.rows;
                    ey[size_t(y)] = std::polar(1.0, 2 * CV_PI * ky * fy / spectrum.rows);
                }
                for (int y = 0; y < spectrum.rows; ++y) {
                    cv::Vec2f *row = spectrum.ptr<cv::Vec2f>(y);
                    for (int x = 0; x < spectrum.cols; ++x) {
                        const std::complex<double> v = std::complex<double>(row[x][0], row[x][1]) * ex[size_t(x)]
                                                       * ey[size_t(y)];
                        row[x] = cv::Vec2f(float(v.real()), float(v.imag()));
                    }
                }
                cv::idft(spectrum, p, cv::DFT_REAL_OUTPUT | cv::DFT_SCALE);
                p = p(cv::Rect(pad, pad, g.field.width(), g.field.height())).clone();
            }
            cv::Mat view;
            cv::merge(planes, view);
            cv::Mat fv = view.mul(gain3);
            cv::Mat n(fv.size(), CV_32FC3);
            noise.fill(n, cv::RNG::NORMAL, 0, g.noise);
            fv += n;
            cv::Mat bgr, bgra;
            fv.convertTo(bgr, CV_8UC3);
            cv::cvtColor(bgr, bgra, cv::COLOR_BGR2BGRA);
            QImage img(g.field, QImage::Format_RGB32);
            for (int y = 0; y < img.height(); ++y)
                memcpy(img.scanLine(y), bgra.ptr(y), size_t(img.width()) * 4);
            f.images.append(img);
            f.truth.append(at);
        }
    }
    return f;
}

// Placement errors against the truth, the common offset taken out (a mosaic's
// origin is its own): the largest and the mean, in pixels.
inline QPair<double, double> errors(const QVector<QPointF> &found, const QVector<QPointF> &truth)
{
    QPointF offset;
    for (int i = 0; i < found.size(); ++i)
        offset += found[i] - truth[i];
    offset /= found.size();
    double worst = 0, sum = 0;
    for (int i = 0; i < found.size(); ++i) {
        const QPointF e = found[i] - truth[i] - offset;
        const double d = std::hypot(e.x(), e.y());
        worst = std::max(worst, d);
        sum += d;
    }
    return {worst, sum / found.size()};
}

} // namespace mosaicfields
