#include "imaging/circlefit.h"

#include "imaging/discmodel.h"
#include "imaging/edges.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace imaging {

namespace {

// Kasa's algebraic circle: linear least squares on x^2 + y^2 + Dx + Ey + F = 0,
// about the points' mean for conditioning.
bool algebraic(const QVector<QPointF> &p, const std::vector<char> &use, QPointF *c, double *r)
{
    double mx = 0, my = 0;
    int n = 0;
    for (int i = 0; i < p.size(); ++i)
        if (use[i]) {
            mx += p[i].x();
            my += p[i].y();
            ++n;
        }
    if (n < 3)
        return false;
    mx /= n;
    my /= n;
    double suu = 0, svv = 0, suv = 0, suuu = 0, svvv = 0, suvv = 0, svuu = 0;
    for (int i = 0; i < p.size(); ++i) {
        if (!use[i])
            continue;
        const double u = p[i].x() - mx, v = p[i].y() - my;
        suu += u * u;
        svv += v * v;
        suv += u * v;
        suuu += u * u * u;
        svvv += v * v * v;
        suvv += u * v * v;
        svuu += v * u * u;
    }
    const double det = suu * svv - suv * suv;
    if (std::fabs(det) < 1e-12)
        return false;
    const double bu = 0.5 * (suuu + suvv), bv = 0.5 * (svvv + svuu);
    const double uc = (bu * svv - bv * suv) / det;
    const double vc = (bv * suu - bu * suv) / det;
    *c = QPointF(uc + mx, vc + my);
    *r = std::sqrt(uc * uc + vc * vc + (suu + svv) / n);
    return std::isfinite(*r);
}

// Gauss-Newton on the geometric distances.
void geometric(const QVector<QPointF> &p, const std::vector<char> &use, QPointF *c, double *r)
{
    for (int iter = 0; iter < 20; ++iter) {
        // Normal equations of J = [-(x-a)/d, -(y-b)/d, -1].
        double A[3][3] = {}, g[3] = {};
        for (int i = 0; i < p.size(); ++i) {
            if (!use[i])
                continue;
            const double dx = p[i].x() - c->x(), dy = p[i].y() - c->y();
            const double d = std::hypot(dx, dy);
            if (d < 1e-9)
                continue;
            const double j[3] = {-dx / d, -dy / d, -1.0};
            const double res = d - *r;
            for (int a = 0; a < 3; ++a) {
                g[a] += j[a] * res;
                for (int b = 0; b < 3; ++b)
                    A[a][b] += j[a] * j[b];
            }
        }
        // Solve A x = -g by Cramer's rule (3 x 3).
        auto det3 = [](double m[3][3]) {
            return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
                   + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
        };
        const double D = det3(A);
        if (std::fabs(D) < 1e-12)
            return;
        double x[3];
        for (int k = 0; k < 3; ++k) {
            double M[3][3];
            for (int a = 0; a < 3; ++a)
                for (int b = 0; b < 3; ++b)
                    M[a][b] = b == k ? -g[a] : A[a][b];
            x[k] = det3(M) / D;
        }
        *c += QPointF(x[0], x[1]);
        *r += x[2];
        if (std::fabs(x[0]) + std::fabs(x[1]) + std::fabs(x[2]) < 1e-7)
            return;
    }
}

constexpr double kPatchSigma = 1.0; // smoothing before the gradient

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

} // namespace

CircleFit fitCircle(const QVector<QPointF> &points)
{
    CircleFit fit;
    std::vector<char> use(size_t(points.size()), 1);
    QPointF c;
    double r = 0;
    if (!algebraic(points, use, &c, &r))
        return fit;
    geometric(points, use, &c, &r);
    for (int round = 0; round < 3; ++round) {
        std::vector<double> dev;
        for (int i = 0; i < points.size(); ++i)
            dev.push_back(std::fabs(std::hypot(points[i].x() - c.x(), points[i].y() - c.y()) - r));
        // 1.4826 MAD is the deviation of a normal distribution; never below
        // a twentieth of a pixel so that a perfect outline keeps its points.
        const double limit = std::max(0.05, 3.0 * 1.4826 * median(dev));
        bool changed = false;
        for (int i = 0; i < points.size(); ++i) {
            const char keep = dev[size_t(i)] <= limit;
            changed |= keep != use[size_t(i)];
            use[size_t(i)] = keep;
        }
        if (!changed)
            break;
        if (std::count(use.begin(), use.end(), 1) < 3)
            return fit;
        geometric(points, use, &c, &r);
    }
    double ss = 0;
    int n = 0;
    for (int i = 0; i < points.size(); ++i) {
        if (!use[size_t(i)])
            continue;
        const double d = std::hypot(points[i].x() - c.x(), points[i].y() - c.y()) - r;
        ss += d * d;
        ++n;
    }
    fit.ok = n >= 3 && r > 0 && std::isfinite(r);
    fit.centre = c;
    fit.radius = r;
    fit.points = n;
    fit.rejected = points.size() - n;
    fit.residual = n ? std::sqrt(ss / n) : 0;
    return fit;
}

namespace {

// The search within `reach` of the seed; unless `last`, nothing when the
// circle found and its search band do not lie inside that.
CircleFit fitWithin(const cv::Mat &grey, const QPointF &seed, double reach, bool last)
{
    CircleFit none;
    const int m = int(std::ceil(reach)) + 8;
    const cv::Rect rect(int(seed.x()) - m, int(seed.y()) - m, 2 * m + 1, 2 * m + 1);
    const GradientPatch patch(grey, rect, kPatchSigma);
    if (patch.isEmpty())
        return none;
    const double noise = patch.noiseLevel();
    QPointF strongestAt;
    const double gmax = patch.strongest(seed, reach, &strongestAt);
    if (gmax < 2.0)
        return none;
    const double minStrength = std::max(3.0 * noise, 0.2 * gmax);

    // First pass: the nearest clear edge on rays from the seed, either sign;
    // the sign most rays see is the object's.
    constexpr int kRays = 72;
    QVector<QPointF> pts;
    std::vector<double> signs;
    for (int k = 0; k < kRays; ++k) {
        const double a = 2 * M_PI * k / kRays;
        const QPointF dir(std::cos(a), std::sin(a));
        const EdgeHit h = edgeAlong(patch, seed, dir, -1.0, reach, 0, minStrength, true);
        if (h.found) {
            pts << seed + dir * h.t;
            signs.push_back(h.strength);
        }
    }
    if (pts.size() < 6)
        return none;
    CircleFit fit = fitCircle(pts);
    if (!fit.ok || fit.radius > reach * 1.5)
        return none;
    int rising = 0;
    for (double s : signs)
        rising += s > 0;
    const int polarity = rising * 2 >= int(signs.size()) ? 1 : -1;

    auto inside = [&](const CircleFit &f) {
        return last || std::hypot(f.centre.x() - seed.x(), f.centre.y() - seed.y()) + 1.25 * f.radius + 8 < reach;
    };
    if (!inside(fit))
        return none;

    // Then rays from the fitted centre, each searched across the circle.
    double sigma2 = 1;
    for (int pass = 0; pass < 2; ++pass) {
        const double r = fit.radius;
        const int rays = std::clamp(int(2 * M_PI * r), 64, 1440);
        const double w = std::max(7.0, 0.25 * r);
        QVector<QPointF> rim;
        std::vector<double> widths;
        for (int k = 0; k < rays; ++k) {
            const double a = 2 * M_PI * k / rays;
            const QPointF dir(std::cos(a), std::sin(a));
            const EdgeHit h = edgeAlong(patch, fit.centre, dir, std::max(0.5, r - w), r + w, polarity, minStrength);
            if (h.found) {
                rim << fit.centre + dir * h.t;
                widths.push_back(h.width2);
            }
        }
        if (rim.size() < 8) {
            if (!pass)
                return none;
            break;
        }
        CircleFit next = fitCircle(rim);
        if (!next.ok)
            return none;
        // The peak of a blurred disc's edge lies about sigma^2 / 2R inside it.
        sigma2 = median(widths);
        next.radius += sigma2 / (2 * next.radius);
        fit = next;
    }
    if (!inside(fit))
        return none;
    // That is first order only (a fifth of a pixel off for a small disc in a
    // wide blur): the blurred disc fitted to the grey values puts the edge
    // where it is. The blur seen by the edge points includes the patch's own.
    const double sigma = std::sqrt(std::max(0.09, sigma2 - kPatchSigma * kPatchSigma - 0.3));
    DiscWindow window;
    window.band = std::max(4.0, 3.5 * sigma + 2.5);
    window.curvedLight = true;
    const DiscEdge model = fitDiscEdge(grey, fit.centre, fit.radius, sigma, window);
    if (model.ok && std::fabs(model.radius - fit.radius) < std::max(1.0, 0.05 * fit.radius)
        && std::hypot(model.centre.x() - fit.centre.x(), model.centre.y() - fit.centre.y()) < 1.0) {
        fit.centre = model.centre;
        fit.radius = model.radius;
    }
    return fit;
}

} // namespace

CircleFit fitCircleAt(const cv::Mat &grey, const QPointF &seed, double maxRadius)
{
    if (grey.empty() || !(maxRadius > 2))
        return {};
    const double reach = std::min(maxRadius, double(std::max(grey.cols, grey.rows)));
    // Most objects are small beside the reach: windows growing from a small
    // one, each taken when the circle and its search band lie inside it,
    // spare the gradients of a large window around a small object.
    for (double window = std::min(reach, 48.0);; window = std::min(reach, window * 3)) {
        const CircleFit fit = fitWithin(grey, seed, window, window >= reach);
        if (fit.ok || window >= reach)
            return fit;
    }
}

} // namespace imaging
