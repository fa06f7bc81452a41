#pragma once

// Pictures of a stage micrometer of known pitch, for the scale finder's
// tests and benchmark: the simulated microscope's layout (80 divisions of
// width / 100 pixels, longer ticks every 5th and 10th, numbers under the
// line), turned, blurred, lit unevenly and noisy on request.
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <random>

namespace scalepictures {

struct Spec
{
    QSize size{640, 480};
    double pitch = 0; // 0: width / 100 as the simulator
    int divisions = 80;
    double angle = 0;    // degrees, about the picture's centre
    double blur = 0;     // Gaussian sigma, pixels
    double noise = 0;    // Gaussian sigma, grey levels
    bool uneven = false; // a strong light fall-off to one side
    bool ticks = true;   // false: the same picture without a scale
    bool brightTicks = false;
    quint32 seed = 1;

    double truePitch() const { return pitch > 0 ? pitch : size.width() / 100.0; }
};

// 8-bit grey.
inline cv::Mat make(const Spec &s)
{
    QImage img(s.size, QImage::Format_RGB32);
    const double w = s.size.width(), h = s.size.height();
    const QColor ink = s.brightTicks ? QColor(235, 235, 235) : QColor(20, 20, 25);
    img.fill(s.brightTicks ? QColor(30, 30, 30) : QColor(230, 226, 214));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A few round objects, as on a slide.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 90, 110));
    p.drawEllipse(QPointF(w * 0.22, h * 0.25), w * 0.06, w * 0.06);
    p.setBrush(QColor(100, 130, 90));
    p.drawEllipse(QPointF(w * 0.7, h * 0.75), w * 0.09, w * 0.09);
    if (s.ticks) {
        const double pitch = s.truePitch();
        p.translate(w / 2, h / 2);
        p.rotate(s.angle);
        const double x0 = -s.divisions * pitch / 2;
        const double y0 = 0;
        QPen pen(ink, qMax(1.5, w / 700.0));
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(QPointF(x0, y0), QPointF(x0 + s.divisions * pitch, y0));
        QFont font;
        font.setPixelSize(qMax(8, int(h / 40)));
        p.setFont(font);
        for (int i = 0; i <= s.divisions; ++i) {
            const double x = x0 + i * pitch;
            const double len = i % 10 == 0 ? h * 0.06 : i % 5 == 0 ? h * 0.04 : h * 0.025;
            p.drawLine(QPointF(x, y0), QPointF(x, y0 - len));
            if (i % 10 == 0)
                p.drawText(QPointF(x - font.pixelSize() * 0.3, y0 + font.pixelSize() * 1.3), QString::number(i / 10));
        }
        p.drawText(QPointF(x0, y0 - h * 0.08), QStringLiteral("0.01 mm"));
    }
    p.end();
    const QImage grey = img.convertToFormat(QImage::Format_Grayscale8);
    cv::Mat m(grey.height(), grey.width(), CV_8UC1, const_cast<uchar *>(grey.constBits()), size_t(grey.bytesPerLine()));
    cv::Mat f;
    m.convertTo(f, CV_32F);
    if (s.blur > 0)
        cv::GaussianBlur(f, f, cv::Size(0, 0), s.blur);
    if (s.uneven) {
        // Light falls to a third towards one corner.
        for (int y = 0; y < f.rows; ++y) {
            float *r = f.ptr<float>(y);
            for (int x = 0; x < f.cols; ++x)
                r[x] *= float(1.0 - 0.65 * (double(x) / f.cols * 0.7 + double(y) / f.rows * 0.3));
        }
    }
    if (s.noise > 0) {
        std::mt19937 rng(s.seed);
        std::normal_distribution<float> n(0.f, float(s.noise));
        for (int y = 0; y < f.rows; ++y) {
            float *r = f.ptr<float>(y);
            for (int x = 0; x < f.cols; ++x)
                r[x] += n(rng);
        }
    }
    cv::Mat out;
    f.convertTo(out, CV_8U); // saturates
    return out;
}

inline QImage toImage(const cv::Mat &grey)
{
    QImage view(grey.data, grey.cols, grey.rows, int(grey.step), QImage::Format_Grayscale8);
    return view.copy();
}

} // namespace scalepictures
