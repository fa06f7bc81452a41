#include "imaging/discmodel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace imaging {

namespace {

// exp(-x) I0(x) and exp(-x) I1(x) for x >= 0 (Abramowitz & Stegun 9.8.1-4),
// scaled so that large arguments do not overflow.
double ie0(double x)
{
    if (x < 3.75) {
        const double t = x * x / 14.0625;
        return std::exp(-x)
               * (1
                  + t
                        * (3.5156229
                           + t * (3.0899424 + t * (1.2067492 + t * (0.2659732 + t * (0.0360768 + t * 0.0045813))))));
    }
    const double t = 3.75 / x;
    return (0.39894228
            + t
                  * (0.01328592
                     + t
                           * (0.00225319
                              + t
                                    * (-0.00157565
                                       + t
                                             * (0.00916281
                                                + t
                                                      * (-0.02057706
                                                         + t * (0.02635537 + t * (-0.01647633 + t * 0.00392377))))))))
           / std::sqrt(x);
}

double ie1(double x)
{
    if (x < 3.75) {
        const double t = x * x / 14.0625;
        return std::exp(-x) * x
               * (0.5
                  + t
                        * (0.87890594
                           + t
                                 * (0.51498869
                                    + t * (0.15084934 + t * (0.02658733 + t * (0.00301532 + t * 0.00032411))))));
    }
    const double t = 3.75 / x;
    return (0.39894228
            + t
                  * (-0.03988024
                     + t
                           * (-0.00362018
                              + t
                                    * (0.00163801
                                       + t
                                             * (-0.01031555
                                                + t
                                                      * (0.02282967
                                                         + t * (-0.02895312 + t * (0.01787654 - t * 0.00420059))))))))
           / std::sqrt(x);
}

// The disc's value falls with rho at g1 and grows with the radius at g0:
// the blur kernel integrated around the circle, weighted by cos and by 1.
double g1(double rho, double r, double s2)
{
    const double d = rho - r;
    return r / s2 * std::exp(-d * d / (2 * s2)) * ie1(rho * r / s2);
}

double g0(double rho, double r, double s2)
{
    const double d = rho - r;
    return r / s2 * std::exp(-d * d / (2 * s2)) * ie0(rho * r / s2);
}

// The disc's value and its derivatives over a range of rho, for one radius
// and blur: the value integrated inward from where it is nil.
class Profile
{
public:
    void build(double rhoMin, double rhoMax, double r, double s)
    {
        m_r = r;
        m_s = s;
        const double s2 = s * s;
        // Fine enough for the cubic to stay within 1e-5 of the integral.
        m_h = std::clamp(s / 4, 0.02, 0.5);
        m_lo = std::max(0.0, rhoMin - m_h);
        const double top = std::max(rhoMax + m_h, r + 9 * s);
        const int n = int(std::ceil((top - m_lo) / m_h)) + 1;
        m_d.assign(size_t(n), 0);
        m_dr.assign(size_t(n), 0);
        m_dR.assign(size_t(n), 0);
        // Three-point Gauss-Legendre on each step.
        const double a = 0.5 * m_h * std::sqrt(0.6);
        for (int k = n - 1; k >= 0; --k) {
            const double rho = m_lo + k * m_h;
            m_dr[size_t(k)] = -g1(rho, r, s2);
            m_dR[size_t(k)] = g0(rho, r, s2);
            if (k < n - 1) {
                const double mid = rho + 0.5 * m_h;
                const double step = 0.5 * m_h
                                    * (5.0 / 9 * (g1(mid - a, r, s2) + g1(mid + a, r, s2)) + 8.0 / 9 * g1(mid, r, s2));
                m_d[size_t(k)] = m_d[size_t(k + 1)] + step;
            }
        }
    }

    // D, dD/drho, dD/dR and dD/dsigma at rho.
    void at(double rho, double *d, double *dRho, double *dR, double *dS) const
    {
        const int n = int(m_d.size());
        const double u = (rho - m_lo) / m_h;
        if (!(u < n - 1)) {
            *d = *dRho = *dR = *dS = 0;
            return;
        }
        const int k = std::max(0, int(u));
        const double t = std::max(0.0, u - k);
        const size_t i = size_t(k), j = i + 1;
        // Cubic Hermite on the value and its slope; straight lines for the slopes.
        const double t2 = t * t, t3 = t2 * t;
        *d = (2 * t3 - 3 * t2 + 1) * m_d[i] + (t3 - 2 * t2 + t) * m_h * m_dr[i] + (-2 * t3 + 3 * t2) * m_d[j]
             + (t3 - t2) * m_h * m_dr[j];
        *dRho = m_dr[i] + t * (m_dr[j] - m_dr[i]);
        *dR = m_dR[i] + t * (m_dR[j] - m_dR[i]);
        // D depends on rho / sigma and R / sigma only.
        *dS = -(rho * *dRho + m_r * *dR) / m_s;
    }

private:
    double m_r = 0, m_s = 1, m_lo = 0, m_h = 0.1;
    std::vector<double> m_d, m_dr, m_dR;
};

struct Sample
{
    double x, y, v;
    float w;
};

constexpr int kMaxParams = 11; // centre (2), radius, blur, contrast, background (up to 6)

struct Pass
{
    double cost = 0;
    double A[kMaxParams][kMaxParams] = {};
    double g[kMaxParams] = {};
};

// Solves A x = b (n x n, symmetric positive definite) by Cholesky.
bool solve(int n, double A[kMaxParams][kMaxParams], const double *b, double *x)
{
    double L[kMaxParams][kMaxParams] = {};
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) {
            double s = A[i][j];
            for (int k = 0; k < j; ++k)
                s -= L[i][k] * L[j][k];
            if (i == j) {
                if (!(s > 0))
                    return false;
                L[i][i] = std::sqrt(s);
            } else {
                L[i][j] = s / L[j][j];
            }
        }
    double y[kMaxParams];
    for (int i = 0; i < n; ++i) {
        double s = b[i];
        for (int k = 0; k < i; ++k)
            s -= L[i][k] * y[k];
        y[i] = s / L[i][i];
    }
    for (int i = n - 1; i >= 0; --i) {
        double s = y[i];
        for (int k = i + 1; k < n; ++k)
            s -= L[k][i] * x[k];
        x[i] = s / L[i][i];
    }
    return true;
}

class Fitter
{
public:
    Fitter(std::vector<Sample> samples, QPointF origin, double scale, int basis, double maxRadius)
        : m_s(std::move(samples))
        , m_o(origin)
        , m_scale(scale)
        , m_basis(basis)
        , m_n(5 + basis)
        , m_maxRadius(maxRadius)
    {}

    // theta: cx, cy, R, sigma, contrast, background coefficients. Anchored,
    // the first two are instead t and phi: the circle passes t from the
    // anchor toward its centre, which lies in direction phi, so that a
    // change of radius alone bends the arc about the same point (a window
    // on a small part of a large outline sees its place well and its
    // curvature hardly at all).
    double theta[kMaxParams] = {};
    int params() const { return m_n; }

    void anchor(const QPointF &a)
    {
        const double dx = theta[0] - a.x(), dy = theta[1] - a.y();
        const double len = std::hypot(dx, dy);
        m_anchored = true;
        m_anchor = a;
        theta[0] = len - theta[2];
        theta[1] = std::atan2(dy, dx);
    }

    QPointF centre(const double *t) const
    {
        if (!m_anchored)
            return QPointF(t[0], t[1]);
        return m_anchor + QPointF(std::cos(t[1]), std::sin(t[1])) * (t[2] + t[0]);
    }

    void basis(const Sample &p, double *b) const
    {
        const double u = (p.x - m_o.x()) / m_scale, v = (p.y - m_o.y()) / m_scale;
        b[0] = 1;
        b[1] = u;
        b[2] = v;
        if (m_basis > 3) {
            b[3] = u * u;
            b[4] = u * v;
            b[5] = v * v;
        }
    }

    void profileFor(const double *t)
    {
        const QPointF c = centre(t);
        double lo = 1e300, hi = 0;
        for (const Sample &p : m_s) {
            const double rho = std::sqrt((p.x - c.x()) * (p.x - c.x()) + (p.y - c.y()) * (p.y - c.y()));
            lo = std::min(lo, rho);
            hi = std::max(hi, rho);
        }
        m_profile.build(lo, hi, t[2], t[3]);
    }

    // The background and contrast that fit best for the geometry in theta.
    bool linearStart()
    {
        profileFor(theta);
        const QPointF c = centre(theta);
        const int n = m_basis + 1;
        double A[kMaxParams][kMaxParams] = {}, g[kMaxParams] = {}, x[kMaxParams] = {};
        for (const Sample &p : m_s) {
            double b[kMaxParams], d, dr, dR, dS;
            basis(p, b);
            m_profile.at(std::hypot(p.x - c.x(), p.y - c.y()), &d, &dr, &dR, &dS);
            b[m_basis] = d;
            for (int i = 0; i < n; ++i) {
                g[i] += b[i] * p.v;
                for (int j = 0; j < n; ++j)
                    A[i][j] += b[i] * b[j];
            }
        }
        if (!solve(n, A, g, x) || !(std::fabs(x[0]) > 1e-6))
            return false;
        for (int i = 0; i < m_basis; ++i)
            theta[5 + i] = x[i];
        theta[4] = x[m_basis] / x[0];
        return std::isfinite(theta[4]);
    }

    // Cost, normal matrix and gradient at t.
    void evaluate(const double *t, Pass *out)
    {
        profileFor(t);
        *out = Pass();
        const int n = m_n;
        const QPointF c = centre(t);
        const double ux = std::cos(t[1]), uy = std::sin(t[1]), arm = t[2] + t[0];
        for (const Sample &p : m_s) {
            double b[kMaxParams], d, dr, dR, dS;
            basis(p, b);
            const double dx = p.x - c.x(), dy = p.y - c.y();
            const double rho = std::sqrt(dx * dx + dy * dy);
            m_profile.at(rho, &d, &dr, &dR, &dS);
            double light = 0;
            for (int i = 0; i < m_basis; ++i)
                light += t[5 + i] * b[i];
            const double gain = 1 + t[4] * d;
            const double res = p.v - light * gain;
            if (p.w <= 0)
                continue;
            out->cost += p.w * res * res;
            double J[kMaxParams];
            const double lm = light * t[4];
            J[0] = rho > 1e-9 ? -lm * dr * dx / rho : 0;
            J[1] = rho > 1e-9 ? -lm * dr * dy / rho : 0;
            J[2] = lm * dR;
            if (m_anchored) {
                const double jx = J[0], jy = J[1];
                J[0] = jx * ux + jy * uy;
                J[1] = arm * (jy * ux - jx * uy);
                J[2] += J[0];
            }
            J[3] = lm * dS;
            J[4] = light * d;
            for (int i = 0; i < m_basis; ++i)
                J[5 + i] = b[i] * gain;
            for (int i = 0; i < n; ++i) {
                const double wi = p.w * J[i];
                out->g[i] += wi * res;
                for (int j = 0; j <= i; ++j)
                    out->A[i][j] += wi * J[j];
            }
        }
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                out->A[i][j] = out->A[j][i];
    }

    // Levenberg-Marquardt from theta; false when it does not settle.
    bool run()
    {
        Pass here;
        evaluate(theta, &here);
        double lambda = 1e-3;
        for (int iter = 0; iter < 60; ++iter) {
            double A[kMaxParams][kMaxParams], step[kMaxParams], g[kMaxParams];
            // An outline at the straightest allowed keeps that radius.
            const bool pinned = theta[2] >= m_maxRadius;
            for (int i = 0; i < m_n; ++i) {
                g[i] = pinned && i == 2 ? 0 : here.g[i];
                for (int j = 0; j < m_n; ++j)
                    A[i][j] = pinned && (i == 2 || j == 2) ? double(i == j)
                                                           : here.A[i][j] * (i == j ? 1 + lambda : 1.0);
            }
            if (!solve(m_n, A, g, step)) {
                lambda *= 10;
                if (lambda > 1e8)
                    return false;
                continue;
            }
            double trial[kMaxParams];
            for (int i = 0; i < m_n; ++i)
                trial[i] = theta[i] + step[i];
            trial[2] = std::clamp(trial[2], 0.5, m_maxRadius);
            trial[3] = std::clamp(trial[3], 0.15, 20.0);
            Pass there;
            evaluate(trial, &there);
            if (there.cost <= here.cost) {
                std::copy(trial, trial + m_n, theta);
                const double moved = m_anchored ? std::fabs(step[0]) + 10 * std::fabs(step[1])
                                                : std::fabs(step[0]) + std::fabs(step[1]) + std::fabs(step[2]);
                const bool settled = here.cost - there.cost < 1e-5 * here.cost
                                     || (moved < 1e-4 && std::fabs(step[3]) < 1e-3);
                here = there;
                lambda = std::max(1e-7, lambda / 4);
                if (settled)
                    break;
            } else {
                lambda *= 8;
                if (lambda > 1e4)
                    break; // as good as it gets from here
            }
        }
        return std::isfinite(theta[0]) && std::isfinite(theta[1]) && std::isfinite(theta[2]);
    }

    // Drops the pixels far off the model; true when that changed enough.
    bool reweigh(double *rms, int *kept)
    {
        profileFor(theta);
        const QPointF c = centre(theta);
        std::vector<double> res(m_s.size());
        for (size_t k = 0; k < m_s.size(); ++k) {
            const Sample &p = m_s[k];
            double b[kMaxParams], d, dr, dR, dS;
            basis(p, b);
            m_profile.at(std::hypot(p.x - c.x(), p.y - c.y()), &d, &dr, &dR, &dS);
            double light = 0;
            for (int i = 0; i < m_basis; ++i)
                light += theta[5 + i] * b[i];
            res[k] = std::fabs(p.v - light * (1 + theta[4] * d));
        }
        std::vector<double> sorted = res;
        std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
        const double limit = std::max(3.0, 4 * 1.4826 * sorted[sorted.size() / 2]);
        size_t changed = 0;
        double ss = 0;
        *kept = 0;
        for (size_t k = 0; k < m_s.size(); ++k) {
            const float w = res[k] <= limit ? 1.0f : 0.0f;
            changed += w != m_s[k].w;
            m_s[k].w = w;
            if (w > 0) {
                ss += res[k] * res[k];
                ++*kept;
            }
        }
        *rms = *kept ? std::sqrt(ss / *kept) : 0;
        // A few pixels in the noise's tail change nothing worth another fit.
        return changed > 2 + m_s.size() / 200;
    }

private:
    std::vector<Sample> m_s;
    QPointF m_o;
    double m_scale;
    int m_basis;
    int m_n;
    double m_maxRadius;
    bool m_anchored = false;
    QPointF m_anchor;
    Profile m_profile;
};

// Enough pixels for any outline: a large one is sampled on a coarser grid.
constexpr double kEnough = 8000;

template <typename T>
void collect(const cv::Mat &grey, const cv::Rect &box, const QPointF &c, double r, const DiscWindow &w,
             std::vector<Sample> *out)
{
    const double expected = w.nearRadius > 0 ? M_PI * w.nearRadius * w.nearRadius : 4 * M_PI * r * w.band;
    const int step = std::max(1, int(std::ceil(std::sqrt(expected / kEnough))));
    for (int j = box.y; j < box.y + box.height; j += step) {
        const T *row = grey.ptr<T>(j);
        const double y = j + 0.5;
        for (int i = box.x; i < box.x + box.width; i += step) {
            const double x = i + 0.5;
            if (std::fabs(std::hypot(x - c.x(), y - c.y()) - r) > w.band)
                continue;
            if (w.nearRadius > 0 && std::hypot(x - w.near.x(), y - w.near.y()) > w.nearRadius)
                continue;
            out->push_back({x, y, double(row[i]), 1.0f});
        }
    }
}

} // namespace

double blurredDisc(double rho, double radius, double sigma)
{
    Profile p;
    p.build(rho, rho, radius, sigma);
    double d, dr, dR, dS;
    p.at(rho, &d, &dr, &dR, &dS);
    return d;
}

DiscEdge fitDiscEdge(const cv::Mat &grey, const QPointF &centre, double radius, double sigma, const DiscWindow &window)
{
    DiscEdge out;
    if (grey.empty() || grey.channels() != 1 || !(radius > 0) || !(window.band > 0))
        return out;
    const double reach = window.nearRadius > 0 ? window.nearRadius : radius + window.band;
    const QPointF mid = window.nearRadius > 0 ? window.near : centre;
    const cv::Rect box = cv::Rect(int(std::floor(mid.x() - reach)), int(std::floor(mid.y() - reach)),
                                  int(2 * reach) + 2, int(2 * reach) + 2)
                         & cv::Rect(0, 0, grey.cols, grey.rows);
    std::vector<Sample> samples;
    samples.reserve(size_t(std::max(0, box.area())));
    if (grey.depth() == CV_8U)
        collect<uchar>(grey, box, centre, radius, window, &samples);
    else if (grey.depth() == CV_32F)
        collect<float>(grey, box, centre, radius, window, &samples);
    else
        return out;
    const int basis = window.curvedLight ? 6 : 3;
    if (int(samples.size()) < 4 * (5 + basis))
        return out;
    Fitter f(std::move(samples), mid, std::max(2.0, reach), basis, window.maxRadius);
    f.theta[0] = centre.x();
    f.theta[1] = centre.y();
    f.theta[2] = radius;
    f.theta[3] = std::clamp(sigma, 0.15, 20.0);
    if (!f.linearStart())
        return out;
    if (window.nearRadius > 0)
        f.anchor(window.near);
    if (!f.run())
        return out;
    double rms = 0;
    int kept = 0;
    for (int round = 0; round < 2 && f.reweigh(&rms, &kept); ++round)
        if (kept < 4 * f.params() || !f.run())
            return out;
    f.reweigh(&rms, &kept);
    out.ok = kept >= 4 * f.params() && f.theta[2] > 0.5 && f.theta[3] < 20;
    out.centre = f.centre(f.theta);
    out.radius = f.theta[2];
    out.sigma = f.theta[3];
    out.contrast = f.theta[4];
    out.rms = rms;
    out.pixels = kept;
    return out;
}

} // namespace imaging
