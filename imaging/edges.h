#pragma once

#include <QImage>
#include <QPointF>

#include <opencv2/core.hpp>

// Edges located to a fraction of a pixel. Coordinates are the picture's own
// grid: pixel (i, j) covers [i, i + 1) x [j, j + 1), its centre at i + 0.5.
namespace imaging {

// The smoothed grey values and gradients of a window of a picture.
class GradientPatch
{
public:
    GradientPatch() = default;
    // The window of `grey` (8-bit or float, one channel) around `rect`
    // (clipped to the picture), smoothed with `sigma` before the gradient.
    GradientPatch(const cv::Mat &grey, const cv::Rect &rect, double sigma);

    bool isEmpty() const { return m_gx.empty(); }
    bool contains(const QPointF &p, double margin = 1.0) const;
    // Bilinear samples; zero outside.
    double gx(const QPointF &p) const { return sample(m_gx, p); }
    double gy(const QPointF &p) const { return sample(m_gy, p); }
    double value(const QPointF &p) const { return sample(m_value, p); }
    // The largest gradient length at a pixel centre within `radius` of p,
    // with where it is; 0 when none.
    double strongest(const QPointF &p, double radius, QPointF *where) const;
    // The median gradient length over the window: the noise's level.
    double noiseLevel() const;
    cv::Rect rect() const { return m_rect; }

private:
    double sample(const cv::Mat &m, const QPointF &p) const;
    cv::Rect m_rect;
    cv::Mat m_value, m_gx, m_gy;
};

// One edge crossed by a line.
struct EdgeHit
{
    bool found = false;
    double t = 0;        // along the line, from its origin
    double strength = 0; // the gradient across the edge at its peak, signed
    double width2 = 0;   // the blur's variance across the edge, px^2
};

// The strongest edge crossing origin + t * dir (dir of unit length) for t in
// [tMin, tMax]: the peak of the derivative along the line, located as the
// centroid of the derivative around it. polarity +1 takes rising edges only,
// -1 falling ones, 0 either. `first` takes the nearest peak above minStrength
// instead of the strongest one. spread > 0 averages two more lines that far
// to either side, against noise.
EdgeHit edgeAlong(const GradientPatch &patch, const QPointF &origin, const QPointF &dir, double tMin, double tMax,
                  int polarity = 0, double minStrength = 0, bool first = false, double spread = 0);

struct SnapResult
{
    bool snapped = false;
    QPointF point;       // where the point goes (the point itself when not snapped)
    double strength = 0; // the edge's gradient, grey levels per pixel
};

// Moves p along the picture's gradient onto the strongest clear edge within
// `radius` picture pixels, corrected for the edge's curvature; unchanged when
// nothing stands out of the noise there.
SnapResult snapToEdge(const cv::Mat &grey, const QPointF &p, double radius);
// The same on a picture of any format; only the window around p is converted.
SnapResult snapToEdge(const QImage &picture, const QPointF &p, double radius);

// The window of a picture as 8-bit grey (a copy of that window only).
cv::Mat greyWindow(const QImage &picture, const cv::Rect &rect);

} // namespace imaging
