#include "imaging/edges.h"

#include "imaging/cvimage.h"
#include "imaging/discmodel.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace imaging {

namespace {

constexpr double kStep = 0.2; // sampling step along a line, px

// Fraction of the peak that bounds the centroid window. Weighted by the
// profile less the cut, a Gaussian edge keeps 0.4633 of its variance.
constexpr double kCut = 0.25;
constexpr double kCutVariance = 0.4633;

constexpr double kSnapSigma = 0.8; // smoothing before the gradient when snapping
// Outlines bent less than this radius (px) count as straight: their blur
// moves the edge's peak by less than a hundredth of a pixel.
constexpr double kStraight = 400;
// Sharper than this (px), an edge's peak is where the edge is.
constexpr double kSharp = 0.7;

} // namespace

GradientPatch::GradientPatch(const cv::Mat &grey, const cv::Rect &wanted, double sigma)
{
    m_rect = wanted & cv::Rect(0, 0, grey.cols, grey.rows);
    if (m_rect.width < 3 || m_rect.height < 3) {
        m_rect = {};
        return;
    }
    grey(m_rect).convertTo(m_value, CV_32F);
    if (sigma > 0)
        cv::GaussianBlur(m_value, m_value, cv::Size(0, 0), sigma, sigma, cv::BORDER_REPLICATE);
    cv::Sobel(m_value, m_gx, CV_32F, 1, 0, 3, 1.0 / 8, 0, cv::BORDER_REPLICATE);
    cv::Sobel(m_value, m_gy, CV_32F, 0, 1, 3, 1.0 / 8, 0, cv::BORDER_REPLICATE);
}

bool GradientPatch::contains(const QPointF &p, double margin) const
{
    return !isEmpty() && p.x() >= m_rect.x + margin && p.y() >= m_rect.y + margin
           && p.x() <= m_rect.x + m_rect.width - margin && p.y() <= m_rect.y + m_rect.height - margin;
}

double GradientPatch::sample(const cv::Mat &m, const QPointF &p) const
{
    if (m.empty())
        return 0;
    const double u = p.x() - m_rect.x - 0.5;
    const double v = p.y() - m_rect.y - 0.5;
    if (!(u >= 0 && v >= 0 && u <= m.cols - 1 && v <= m.rows - 1))
        return 0;
    const int i = std::min(int(u), m.cols - 2);
    const int j = std::min(int(v), m.rows - 2);
    const double fu = u - i, fv = v - j;
    const float *r0 = m.ptr<float>(j) + i;
    const float *r1 = m.ptr<float>(j + 1) + i;
    return (r0[0] * (1 - fu) + r0[1] * fu) * (1 - fv) + (r1[0] * (1 - fu) + r1[1] * fu) * fv;
}

double GradientPatch::strongest(const QPointF &p, double radius, QPointF *where) const
{
    double best = 0;
    const double r2 = radius * radius;
    const int i0 = std::max(1, int(std::floor(p.x() - radius - m_rect.x)));
    const int i1 = std::min(m_rect.width - 2, int(std::ceil(p.x() + radius - m_rect.x)));
    const int j0 = std::max(1, int(std::floor(p.y() - radius - m_rect.y)));
    const int j1 = std::min(m_rect.height - 2, int(std::ceil(p.y() + radius - m_rect.y)));
    for (int j = j0; j <= j1; ++j) {
        const float *gx = m_gx.ptr<float>(j);
        const float *gy = m_gy.ptr<float>(j);
        const double y = m_rect.y + j + 0.5 - p.y();
        for (int i = i0; i <= i1; ++i) {
            const double x = m_rect.x + i + 0.5 - p.x();
            if (x * x + y * y > r2)
                continue;
            const double g = double(gx[i]) * gx[i] + double(gy[i]) * gy[i];
            if (g > best) {
                best = g;
                if (where)
                    *where = QPointF(m_rect.x + i + 0.5, m_rect.y + j + 0.5);
            }
        }
    }
    return std::sqrt(best);
}

double GradientPatch::noiseLevel() const
{
    if (isEmpty())
        return 0;
    std::vector<float> g;
    g.reserve(size_t(m_gx.total()));
    for (int j = 1; j < m_gx.rows - 1; ++j) {
        const float *gx = m_gx.ptr<float>(j);
        const float *gy = m_gy.ptr<float>(j);
        for (int i = 1; i < m_gx.cols - 1; ++i)
            g.push_back(std::hypot(gx[i], gy[i]));
    }
    if (g.empty())
        return 0;
    std::nth_element(g.begin(), g.begin() + g.size() / 2, g.end());
    return g[g.size() / 2];
}

EdgeHit edgeAlong(const GradientPatch &patch, const QPointF &origin, const QPointF &dir, double tMin, double tMax,
                  int polarity, double minStrength, bool first, double spread)
{
    EdgeHit hit;
    if (patch.isEmpty() || tMax <= tMin)
        return hit;
    const int n = int((tMax - tMin) / kStep) + 1;
    // Enough for any window the tools ask for; larger lines are cut.
    constexpr int kMaxSamples = 4096;
    double d[kMaxSamples];
    const int count = std::min(n, kMaxSamples);
    const QPointF across = QPointF(-dir.y(), dir.x()) * spread;
    for (int k = 0; k < count; ++k) {
        const QPointF p = origin + dir * (tMin + k * kStep);
        d[k] = patch.gx(p) * dir.x() + patch.gy(p) * dir.y();
        if (spread > 0) {
            const QPointF a = p + across, b = p - across;
            d[k] = (d[k] + (patch.gx(a) + patch.gx(b)) * dir.x() + (patch.gy(a) + patch.gy(b)) * dir.y()) / 3;
        }
    }
    auto score = [&](int k) { return polarity > 0 ? d[k] : polarity < 0 ? -d[k] : std::fabs(d[k]); };
    // The centroid window of the peak at k, false when it runs out of the line.
    int lo = 0, hi = 0;
    auto window = [&](int k) {
        const double sign = d[k] >= 0 ? 1.0 : -1.0;
        const double cut = std::fabs(d[k]) * kCut;
        lo = hi = k;
        while (lo > 0 && sign * d[lo - 1] > cut)
            --lo;
        while (hi + 1 < count && sign * d[hi + 1] > cut)
            ++hi;
        return lo > 0 && hi < count - 1;
    };
    int peak = -1;
    for (int k = 1; k + 1 < count; ++k) {
        const double s = score(k);
        if (s < minStrength || s < score(k - 1) || s < score(k + 1))
            continue;
        if (first) {
            // The nearest whole edge: one cut off by the line's start is passed over.
            if (window(k)) {
                peak = k;
                break;
            }
            k = hi;
            continue;
        }
        if (peak < 0 || s > score(peak))
            peak = k;
    }
    if (peak < 0 || !window(peak))
        return hit; // the edge runs out of the window: no reliable centre
    const double sign = d[peak] >= 0 ? 1.0 : -1.0;
    const double cut = std::fabs(d[peak]) * kCut;
    double sw = 0, st = 0, stt = 0;
    for (int k = lo; k <= hi; ++k) {
        const double w = sign * d[k] - cut;
        const double t = tMin + k * kStep;
        sw += w;
        st += w * t;
        stt += w * t * t;
    }
    if (sw <= 0)
        return hit;
    hit.found = true;
    hit.t = st / sw;
    hit.strength = d[peak];
    const double var = std::max(0.0, stt / sw - hit.t * hit.t);
    hit.width2 = var / kCutVariance;
    return hit;
}

cv::Mat greyWindow(const QImage &picture, const cv::Rect &rect)
{
    const cv::Mat whole = wrap(picture);
    const cv::Rect r = rect & cv::Rect(0, 0, picture.width(), picture.height());
    if (r.empty())
        return {};
    if (whole.empty()) {
        const QImage part = picture.copy(r.x, r.y, r.width, r.height).convertToFormat(QImage::Format_Grayscale8);
        return wrap(part).clone();
    }
    const cv::Mat src = whole(r);
    if (src.channels() == 1)
        return src.clone();
    cv::Mat grey;
    cv::cvtColor(src, grey, src.channels() == 3 ? cv::COLOR_RGB2GRAY : cv::COLOR_BGRA2GRAY);
    return grey;
}

namespace {

// The blurred arc fitted to the grey values around e (on an edge of normal n
// and curvature bend) says where the edge is: beyond first order, and free of
// the peak's pull by the light's slope and by the noise.
QPointF onBlurredArc(const cv::Mat &grey, const QPointF &e, const QPointF &n, double bend, double sigma)
{
    DiscWindow window;
    window.near = e;
    window.nearRadius = std::min(10.0, 2.5 * sigma + 3.5);
    window.band = window.nearRadius + 1;
    // A gentle bend is within the noise of its sign, and a fit cannot pass
    // through straight: one that ends up straight tries the other sign, and
    // the arc that fits better decides.
    window.maxRadius = 4 * kStraight;
    const double r = std::min(1 / std::max(std::fabs(bend), 1e-6), kStraight);
    QPointF best = e;
    double bestRms = 1e300;
    for (const double towards : {bend >= 0 ? 1.0 : -1.0, bend >= 0 ? -1.0 : 1.0}) {
        const double r0 = towards * bend >= 0 ? r : kStraight;
        const DiscEdge arc = fitDiscEdge(grey, e + n * (towards * r0), r0, sigma, window);
        const QPointF out = e - arc.centre;
        const double len = std::hypot(out.x(), out.y());
        const QPointF onArc = len > 0 ? arc.centre + out * (arc.radius / len) : e;
        if (arc.ok && arc.rms < bestRms && std::hypot(onArc.x() - e.x(), onArc.y() - e.y()) < 1.0) {
            bestRms = arc.rms;
            best = onArc;
        }
        if (!arc.ok || arc.radius < kStraight)
            break;
    }
    return best;
}

} // namespace

SnapResult snapToEdge(const cv::Mat &grey, const QPointF &p, double radius)
{
    SnapResult out;
    out.point = p;
    if (grey.empty() || !(radius > 0))
        return out;
    const int margin = int(std::ceil(radius * 2)) + 6;
    const cv::Rect rect(int(std::floor(p.x())) - margin, int(std::floor(p.y())) - margin, 2 * margin + 1,
                        2 * margin + 1);
    const GradientPatch patch(grey, rect, kSnapSigma);
    if (patch.isEmpty())
        return out;
    QPointF at;
    const double g = patch.strongest(p, radius, &at);
    // A clear edge stands well out of the window's noise.
    const double noise = patch.noiseLevel();
    if (g < 2.0 || g < 5.0 * noise)
        return out;
    // The edge pixel to go to: strong and near, the nearer winning among
    // edges of like strength (a small object shows two sides at once).
    QPointF q = at;
    {
        double best = 0;
        const cv::Rect r = patch.rect();
        for (int j = int(std::floor(p.y() - radius)); j <= int(std::ceil(p.y() + radius)); ++j)
            for (int i = int(std::floor(p.x() - radius)); i <= int(std::ceil(p.x() + radius)); ++i) {
                const QPointF c(i + 0.5, j + 0.5);
                const double d2 = (c.x() - p.x()) * (c.x() - p.x()) + (c.y() - p.y()) * (c.y() - p.y());
                if (d2 > radius * radius || i < r.x + 1 || j < r.y + 1 || i >= r.x + r.width - 1
                    || j >= r.y + r.height - 1)
                    continue;
                const double s = std::hypot(patch.gx(c), patch.gy(c)) * (1.0 - 0.5 * d2 / (radius * radius));
                if (s > best) {
                    best = s;
                    q = c;
                }
            }
    }
    QPointF n(patch.gx(q), patch.gy(q));
    const double gq = std::hypot(n.x(), n.y());
    if (gq < 0.5 * g)
        return out;
    n /= gq;
    // Across the edge there, to its sub-pixel centre.
    const EdgeHit hit = edgeAlong(patch, q, n, -8, 8, 1, 0.5 * gq, false, 1.0);
    if (!hit.found)
        return out;
    const int polarity = 1;
    QPointF e = q + n * hit.t;
    // The blurred edge of a curved outline peaks inside it by sigma^2 / 2R:
    // the curvature from two more edge points beside this one takes it back.
    const QPointF tangent(-n.y(), n.x());
    const double side = std::max(2.0, radius * 0.5);
    const EdgeHit a = edgeAlong(patch, e + tangent * side, n, -side - 3, side + 3, polarity, 0.3 * g, false, 1.0);
    const EdgeHit b = edgeAlong(patch, e - tangent * side, n, -side - 3, side + 3, polarity, 0.3 * g, false, 1.0);
    if (a.found && b.found) {
        // Offsets along the normal at +-side: 1/R, > 0 bending along +n.
        const double lift = std::max(-0.95 * side, std::min(0.95 * side, (a.t + b.t) / 2));
        const double bend = 2 * lift / (lift * lift + side * side);
        const double sigma2 = hit.width2;
        const double sigma = std::sqrt(std::max(0.09, sigma2 - kSnapSigma * kSnapSigma - 0.3));
        if (std::fabs(bend) < 1.0) {
            // The peak sits toward the centre of curvature by about sigma^2 / 2R.
            if (std::fabs(bend) > 1.0 / kStraight)
                e -= n * (sigma2 * bend / 2.0);
            if (sigma > kSharp)
                e = onBlurredArc(grey, e, n, bend, sigma);
        }
    }
    if (std::hypot(e.x() - p.x(), e.y() - p.y()) > radius + 1.0)
        return out;
    out.snapped = true;
    out.point = e;
    out.strength = std::fabs(hit.strength);
    return out;
}

SnapResult snapToEdge(const QImage &picture, const QPointF &p, double radius)
{
    const int margin = int(std::ceil(radius * 2)) + 6;
    const cv::Rect rect(int(std::floor(p.x())) - margin, int(std::floor(p.y())) - margin, 2 * margin + 1,
                        2 * margin + 1);
    const cv::Mat grey = greyWindow(picture, rect);
    if (grey.empty()) {
        SnapResult out;
        out.point = p;
        return out;
    }
    const cv::Rect clipped = rect & cv::Rect(0, 0, picture.width(), picture.height());
    SnapResult r = snapToEdge(grey, p - QPointF(clipped.x, clipped.y), radius);
    r.point += QPointF(clipped.x, clipped.y);
    return r;
}

} // namespace imaging
