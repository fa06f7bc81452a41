#include "imaging/mosaic.h"

#include "imaging/cvimage.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <numeric>

namespace imaging {

namespace {

// The coarse search works on fields of about this width.
constexpr int kCoarseWidth = 320;
constexpr int kPeaks = 8;

// Texture without the illumination: the picture less its blur. Vignetting
// and uneven lighting would otherwise dominate both correlations.
cv::Mat bandPass(const cv::Mat &grey32, double sigma)
{
    cv::Mat low;
    cv::GaussianBlur(grey32, low, cv::Size(), sigma, sigma, cv::BORDER_REFLECT);
    return grey32 - low;
}

// Texture as a share of the local brightness: the same in two fields
// whatever the vignetting did to either, as it multiplies.
cv::Mat contrast(const cv::Mat &grey8)
{
    cv::Mat f, small, low;
    grey8.convertTo(f, CV_32F);
    // The local brightness, blurred at an eighth of the size: the same as a
    // wide Gaussian here, at a fraction of the cost.
    cv::resize(f, small, cv::Size(std::max(1, f.cols / 8), std::max(1, f.rows / 8)), 0, 0, cv::INTER_AREA);
    cv::GaussianBlur(small, small, cv::Size(), 1.0, 1.0, cv::BORDER_REFLECT);
    cv::resize(small, low, f.size(), 0, 0, cv::INTER_LINEAR);
    low = cv::max(low, 1.0);
    return (f - low) / low;
}

double ncc(const cv::Mat &a, const cv::Mat &b)
{
    cv::Scalar ma, sa, mb, sb;
    cv::meanStdDev(a, ma, sa);
    cv::meanStdDev(b, mb, sb);
    if (sa[0] < 1e-6 || sb[0] < 1e-6)
        return 0;
    const double n = double(a.total());
    const double dot = a.dot(b) / n;
    return (dot - ma[0] * mb[0]) / (sa[0] * sb[0]);
}

// The rectangle of a (w x h) that b covers when b lies at d relative to a.
cv::Rect overlapIn(int w, int h, cv::Point d)
{
    const int x0 = std::max(0, d.x), x1 = std::min(w, w + d.x);
    const int y0 = std::max(0, d.y), y1 = std::min(h, h + d.y);
    if (x1 <= x0 || y1 <= y0)
        return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

bool enoughOverlap(const cv::Rect &r, int w, int h, double share, int minimum)
{
    return r.width >= std::max(double(minimum), share * w) && r.height >= std::max(double(minimum), share * h);
}

// A field ready for the coarse search: shrunk, band-passed, windowed at its
// rim and transformed once.
struct Coarse
{
    cv::Mat texture;  // band-passed, unwindowed: for the correlation check
    cv::Mat spectrum; // of the windowed texture
    double scale = 1; // full pixels per coarse pixel
};

cv::Mat rimWindow(const cv::Size &size)
{
    // Flat in the middle, a cosine taper over the outer 2.5 %: a Hann window
    // would all but erase a 10 % overlap at the rim.
    auto taper = [](int n) {
        std::vector<float> v(size_t(n), 1.f);
        const int t = std::max(2, int(n * 0.025));
        for (int i = 0; i < t; ++i) {
            const float w = 0.5f - 0.5f * std::cos(float(CV_PI) * (i + 0.5f) / t);
            v[size_t(i)] = w;
            v[size_t(n - 1 - i)] = w;
        }
        return v;
    };
    const std::vector<float> wx = taper(size.width), wy = taper(size.height);
    cv::Mat win(size, CV_32F);
    for (int y = 0; y < size.height; ++y) {
        float *row = win.ptr<float>(y);
        for (int x = 0; x < size.width; ++x)
            row[x] = wx[size_t(x)] * wy[size_t(y)];
    }
    return win;
}

Coarse prepareCoarse(const cv::Mat &grey8)
{
    Coarse c;
    const int factor = std::max(1, int(std::lround(double(grey8.cols) / kCoarseWidth)));
    c.scale = factor;
    cv::Mat small;
    if (factor > 1)
        cv::resize(grey8, small, cv::Size(grey8.cols / factor, grey8.rows / factor), 0, 0, cv::INTER_AREA);
    else
        small = grey8;
    cv::Mat f;
    small.convertTo(f, CV_32F);
    c.texture = bandPass(f, 6.0);
    cv::Mat windowed = c.texture.mul(rimWindow(c.texture.size()));
    cv::dft(windowed, c.spectrum, cv::DFT_COMPLEX_OUTPUT);
    // Phase only, so that every frequency counts the same in the correlation.
    std::vector<cv::Mat> parts;
    cv::split(c.spectrum, parts);
    cv::Mat mag;
    cv::magnitude(parts[0], parts[1], mag);
    mag += 1e-9f;
    parts[0] /= mag;
    parts[1] /= mag;
    cv::merge(parts, c.spectrum);
    return c;
}

struct Candidate
{
    cv::Point d;
    double score;
};

// The coarse shift of b against a, or nothing.
std::optional<cv::Point2d> coarseShift(const Coarse &a, const Coarse &b, const MosaicOptions &o)
{
    // Both spectra are whitened already: their product is the phase correlation's.
    cv::Mat cross;
    cv::mulSpectrums(a.spectrum, b.spectrum, cross, 0, true);
    cv::Mat surface;
    cv::idft(cross, surface, cv::DFT_REAL_OUTPUT);

    const int w = surface.cols, h = surface.rows;
    std::vector<Candidate> candidates;
    for (int k = 0; k < kPeaks; ++k) {
        cv::Point at;
        double peak = 0;
        cv::minMaxLoc(surface, nullptr, &peak, nullptr, &at);
        if (peak <= 0)
            break;
        // The surface is periodic: each peak stands for four placements.
        for (int dx : {at.x, at.x - w}) {
            for (int dy : {at.y, at.y - h}) {
                const cv::Point d(dx, dy);
                const cv::Rect ra = overlapIn(w, h, d);
                if (!enoughOverlap(ra, w, h, o.minOverlap, 8))
                    continue;
                const cv::Rect rb = ra - d;
                candidates.push_back({d, ncc(a.texture(ra), b.texture(rb))});
            }
        }
        cv::rectangle(surface, cv::Rect(at.x - 2, at.y - 2, 5, 5), cv::Scalar(0), cv::FILLED);
    }
    if (candidates.empty())
        return std::nullopt;
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &l, const Candidate &r) { return l.score > r.score; });
    const Candidate &best = candidates.front();
    if (best.score < o.minCorrelation)
        return std::nullopt;
    for (size_t i = 1; i < candidates.size(); ++i) {
        const cv::Point diff = candidates[i].d - best.d;
        if (std::abs(diff.x) <= 2 && std::abs(diff.y) <= 2)
            continue;
        if (candidates[i].score >= o.ambiguity * best.score)
            return std::nullopt;
        break;
    }
    return cv::Point2d(best.d) * a.scale;
}

} // namespace

double overlapShare(const QSize &field, cv::Point2d shift)
{
    const double wx = field.width() - std::abs(shift.x);
    const double wy = field.height() - std::abs(shift.y);
    if (wx <= 0 || wy <= 0)
        return 0;
    return std::min(wx / field.width(), wy / field.height());
}

namespace {

// The largest size at most n that the DFT handles fast (2^a 3^b 5^c).
int fastSizeBelow(int n)
{
    while (n > 8 && cv::getOptimalDFTSize(n) != n)
        --n;
    return n;
}

// r in b(u) = a(u + r) for |r| under a pixel: a plane fitted to the phase
// of the cross spectrum, weighted by its strength. Exact for pictures the
// optics have smoothed, unlike the peak of the correlation, which leans
// toward whole pixels.
cv::Point2d phasePlane(const cv::Mat &a, const cv::Mat &b, const cv::Mat &window)
{
    cv::Mat wa, wb, fa, fb, cross;
    cv::multiply(a - cv::mean(a)[0], window, wa);
    cv::multiply(b - cv::mean(b)[0], window, wb);
    cv::dft(wa, fa, cv::DFT_COMPLEX_OUTPUT);
    cv::dft(wb, fb, cv::DFT_COMPLEX_OUTPUT);
    cv::mulSpectrums(fa, fb, cross, 0, true);
    // Low and middle frequencies only: there a sub-pixel shift turns the
    // phase by less than half a turn, and the signal stands above the noise.
    constexpr double kBand = 0.25;
    double sxx = 0, sxy = 0, syy = 0, bx = 0, by = 0;
    const int w = cross.cols, h = cross.rows;
    for (int y = 0; y < h; ++y) {
        const int ky = y <= h / 2 ? y : y - h;
        const double fy = double(ky) / h;
        const cv::Vec2f *row = cross.ptr<cv::Vec2f>(y);
        for (int x = 0; x < w; ++x) {
            const int kx = x <= w / 2 ? x : x - w;
            const double fx = double(kx) / w;
            if ((kx == 0 && ky == 0) || std::abs(fx) + std::abs(fy) > kBand)
                continue;
            const double weight = std::hypot(row[x][0], row[x][1]);
            if (weight <= 0)
                continue;
            // phase = -2 pi (fx rx + fy ry)
            const double turn = -std::atan2(row[x][1], row[x][0]) / (2 * CV_PI);
            sxx += weight * fx * fx;
            sxy += weight * fx * fy;
            syy += weight * fy * fy;
            bx += weight * fx * turn;
            by += weight * fy * turn;
        }
    }
    const double det = sxx * syy - sxy * sxy;
    if (std::abs(det) < 1e-30)
        return {};
    return {(bx * syy - by * sxy) / det, (sxx * by - sxy * bx) / det};
}

} // namespace

std::optional<FieldPair> refineShift(const cv::Mat &greyA, const cv::Mat &greyB, cv::Point2d guess,
                                     const MosaicOptions &o)
{
    if (greyA.empty() || greyA.size() != greyB.size() || greyA.type() != CV_8UC1 || greyB.type() != CV_8UC1)
        return std::nullopt;
    const int w = greyA.cols, h = greyA.rows;
    // Larger crops add time, not accuracy.
    constexpr int kMargin = 2, kLongest = 384;
    cv::Point2d d = guess;
    for (int iteration = 0; iteration < 5; ++iteration) {
        const cv::Point id(int(std::lround(d.x)), int(std::lround(d.y)));
        cv::Rect ra = overlapIn(w, h, id);
        if (!enoughOverlap(ra, w, h, o.minOverlap * 0.5, 16 + 2 * kMargin))
            return std::nullopt;
        const cv::Point centre(ra.x + ra.width / 2, ra.y + ra.height / 2);
        const int cw = fastSizeBelow(std::min(kLongest, ra.width - 2 * kMargin));
        const int ch = fastSizeBelow(std::min(kLongest, ra.height - 2 * kMargin));
        ra = cv::Rect(centre.x - cw / 2, centre.y - ch / 2, cw, ch);
        // cropB(u) = cropA(u + d_true - id)
        cv::Mat cropA = contrast(greyA(ra)), cropB = contrast(greyB(ra - id));
        cv::Mat window;
        cv::createHanningWindow(window, ra.size(), CV_32F);
        const cv::Point2d t = cv::phaseCorrelate(cropA, cropB, window);
        if (std::abs(t.x) > 0.6 || std::abs(t.y) > 0.6) {
            // Whole pixels off: move there and look again.
            if (std::abs(t.x) > cw / 3.0 || std::abs(t.y) > ch / 3.0)
                return std::nullopt;
            d = cv::Point2d(id) - t;
            continue;
        }
        const cv::Point2d r = phasePlane(cropA, cropB, window);
        if (std::abs(r.x) > 1.0 || std::abs(r.y) > 1.0) {
            d = cv::Point2d(id) - t;
            continue;
        }
        d = cv::Point2d(id) + r;
        // The check: the texture of the two crops must agree.
        cv::GaussianBlur(cropA, cropA, cv::Size(), 1.0);
        cv::GaussianBlur(cropB, cropB, cv::Size(), 1.0);
        const double score = ncc(cropA, cropB);
        if (score < o.minCorrelation || overlapShare(QSize(w, h), d) < o.minOverlap * 0.5)
            return std::nullopt;
        FieldPair pair;
        pair.shift = d;
        pair.correlation = score;
        return pair;
    }
    return std::nullopt;
}

std::optional<FieldPair> matchFields(const cv::Mat &greyA, const cv::Mat &greyB, const MosaicOptions &o)
{
    if (greyA.empty() || greyA.size() != greyB.size())
        return std::nullopt;
    const Coarse a = prepareCoarse(greyA), b = prepareCoarse(greyB);
    const std::optional<cv::Point2d> rough = coarseShift(a, b, o);
    if (!rough)
        return std::nullopt;
    return refineShift(greyA, greyB, *rough, o);
}

// ------------------------------------------------------------ placement

namespace {

struct Groups
{
    std::vector<int> parent;
    explicit Groups(int n)
        : parent(size_t(n))
    {
        std::iota(parent.begin(), parent.end(), 0);
    }
    int find(int i) { return parent[size_t(i)] == i ? i : parent[size_t(i)] = find(parent[size_t(i)]); }
    void join(int a, int b) { parent[size_t(find(a))] = find(b); }
};

// Least squares for the positions of the fields in `members`, the first one
// held at 0,0.
QVector<cv::Point2d> solveGroup(int count, const std::vector<int> &members, const QVector<FieldPair> &pairs)
{
    QVector<cv::Point2d> out(count, cv::Point2d(0, 0));
    const int n = int(members.size());
    if (n <= 1)
        return out;
    std::vector<int> index(size_t(count), -1);
    for (int i = 0; i < n; ++i)
        index[size_t(members[size_t(i)])] = i;
    // Unknowns: the positions of all members but the first.
    const int m = n - 1;
    cv::Mat normal = cv::Mat::zeros(m, m, CV_64F);
    cv::Mat rhs = cv::Mat::zeros(m, 2, CV_64F);
    for (const FieldPair &p : pairs) {
        const int ia = index[size_t(p.a)] - 1, ib = index[size_t(p.b)] - 1;
        if (index[size_t(p.a)] < 0 || index[size_t(p.b)] < 0)
            continue;
        const double wgt = std::max(0.05, p.correlation);
        // wgt * (x_b - x_a - s)^2
        if (ia >= 0) {
            normal.at<double>(ia, ia) += wgt;
            rhs.at<double>(ia, 0) -= wgt * p.shift.x;
            rhs.at<double>(ia, 1) -= wgt * p.shift.y;
        }
        if (ib >= 0) {
            normal.at<double>(ib, ib) += wgt;
            rhs.at<double>(ib, 0) += wgt * p.shift.x;
            rhs.at<double>(ib, 1) += wgt * p.shift.y;
        }
        if (ia >= 0 && ib >= 0) {
            normal.at<double>(ia, ib) -= wgt;
            normal.at<double>(ib, ia) -= wgt;
        }
    }
    cv::Mat solution;
    if (!cv::solve(normal, rhs, solution, cv::DECOMP_CHOLESKY))
        cv::solve(normal, rhs, solution, cv::DECOMP_SVD);
    for (int i = 1; i < n; ++i)
        out[members[size_t(i)]] = cv::Point2d(solution.at<double>(i - 1, 0), solution.at<double>(i - 1, 1));
    return out;
}

} // namespace

Placement solvePlacements(int count, const QVector<FieldPair> &pairs, const MosaicOptions &o)
{
    Placement result;
    result.positions.fill(cv::Point2d(0, 0), count);
    result.placed.fill(false, count);
    if (count <= 0)
        return result;
    QVector<FieldPair> kept;
    for (const FieldPair &p : pairs) {
        if (p.a >= 0 && p.b >= 0 && p.a < count && p.b < count && p.a != p.b)
            kept.append(p);
    }
    for (;;) {
        Groups groups(count);
        for (const FieldPair &p : kept)
            groups.join(p.a, p.b);
        // The largest group; on a tie the one holding the lowest field.
        std::vector<int> size(size_t(count), 0);
        for (int i = 0; i < count; ++i)
            ++size[size_t(groups.find(i))];
        int root = groups.find(0);
        for (int i = 0; i < count; ++i) {
            if (size[size_t(groups.find(i))] > size[size_t(root)])
                root = groups.find(i);
        }
        std::vector<int> members;
        for (int i = 0; i < count; ++i) {
            if (groups.find(i) == root)
                members.push_back(i);
        }
        const QVector<cv::Point2d> positions = solveGroup(count, members, kept);
        // The pair that disagrees most goes, then the rest are solved again.
        // (A pair that is a group's only link always agrees, so dropping
        // never cuts a field off.)
        int worst = -1;
        double worstError = o.maxDisagreement;
        for (int i = 0; i < kept.size(); ++i) {
            const FieldPair &p = kept[i];
            if (groups.find(p.a) != root)
                continue;
            const cv::Point2d e = positions[p.b] - positions[p.a] - p.shift;
            const double err = std::hypot(e.x, e.y);
            if (err > worstError) {
                worstError = err;
                worst = i;
            }
        }
        if (worst >= 0) {
            result.dropped.append(kept[worst]);
            kept.remove(worst);
            continue;
        }
        for (int i : members) {
            result.placed[i] = true;
            result.positions[i] = positions[i];
        }
        for (const FieldPair &p : kept) {
            if (groups.find(p.a) == root)
                result.used.append(p);
        }
        return result;
    }
}

// ------------------------------------------------------------- vignetting

cv::Mat estimateGain(const QVector<cv::Mat> &greys)
{
    // The median needs enough fields for the specimen to average out.
    if (greys.size() < 4 || greys.first().empty())
        return {};
    const cv::Size full = greys.first().size();
    const cv::Size small(64, 48);
    std::vector<cv::Mat> shrunk;
    for (const cv::Mat &g : greys) {
        if (g.size() != full)
            return {};
        cv::Mat s;
        cv::resize(g, s, small, 0, 0, cv::INTER_AREA);
        s.convertTo(s, CV_32F);
        const double mean = cv::mean(s)[0];
        if (mean < 1.0)
            continue;
        shrunk.push_back(s / mean);
    }
    if (shrunk.size() < 4)
        return {};
    // Median of the fields, then a smooth surface through it: the fall-off
    // of a lens is even and radial, a specimen's detail is not.
    std::vector<float> values(shrunk.size());
    const int terms = 7;
    cv::Mat design(small.area(), terms, CV_64F), target(small.area(), 1, CV_64F);
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            for (size_t i = 0; i < shrunk.size(); ++i)
                values[i] = shrunk[i].at<float>(y, x);
            std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
            const int row = y * small.width + x;
            const double u = (x + 0.5) / small.width * 2 - 1, v = (y + 0.5) / small.height * 2 - 1;
            const double r2 = u * u + v * v;
            const double basis[terms] = {1, u, v, u * u, u * v, v * v, r2 * r2};
            for (int t = 0; t < terms; ++t)
                design.at<double>(row, t) = basis[t];
            target.at<double>(row, 0) = values[values.size() / 2];
        }
    }
    cv::Mat coef;
    if (!cv::solve(design, target, coef, cv::DECOMP_SVD))
        return {};
    cv::Mat gain(full, CV_32F);
    for (int y = 0; y < full.height; ++y) {
        float *row = gain.ptr<float>(y);
        const double v = (y + 0.5) / full.height * 2 - 1;
        for (int x = 0; x < full.width; ++x) {
            const double u = (x + 0.5) / full.width * 2 - 1;
            const double r2 = u * u + v * v;
            const double basis[terms] = {1, u, v, u * u, u * v, v * v, r2 * r2};
            double g = 0;
            for (int t = 0; t < terms; ++t)
                g += coef.at<double>(t, 0) * basis[t];
            row[x] = float(g);
        }
    }
    double lo = 0, hi = 0;
    cv::minMaxLoc(gain, &lo, &hi);
    if (hi <= 0 || lo / hi > 0.97 || lo / hi < 0.2)
        return {};
    gain /= hi;
    return gain;
}

// ------------------------------------------------------------ the whole

MosaicResult stitch(const QVector<QImage> &fields, const MosaicOptions &o, const MosaicProgress &progress,
                    bool requireAll)
{
    MosaicResult result;
    const int n = fields.size();
    result.placed.fill(false, n);
    result.topLefts.fill(QPointF(), n);
    if (n == 0)
        return result;
    auto report = [&](double share) { return !progress || progress(share); };

    // Grey copies and the coarse search's spectra, once per field.
    QVector<cv::Mat> greys(n);
    std::vector<Coarse> coarse{size_t(n)};
    const QSize size = fields.first().size();
    for (int i = 0; i < n; ++i) {
        if (fields[i].isNull() || fields[i].size() != size)
            result.unreadable.append(i);
    }
    if (!result.unreadable.isEmpty())
        return result;
    cv::parallel_for_(cv::Range(0, n), [&](const cv::Range &r) {
        for (int i = r.start; i < r.end; ++i) {
            cv::Mat g = toGray8(fields[i]);
            greys[i] = g.data == fields[i].constBits() ? g.clone() : g;
            coarse[size_t(i)] = prepareCoarse(greys[i]);
        }
    });
    if (!report(0.1)) {
        result.cancelled = true;
        return result;
    }

    // Every pair, searched over the whole field.
    std::vector<std::pair<int, int>> todo;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            todo.emplace_back(a, b);
    QVector<FieldPair> pairs;
    std::mutex lock;
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
    cv::parallel_for_(cv::Range(0, int(todo.size())), [&](const cv::Range &r) {
        for (int k = r.start; k < r.end && !cancelled; ++k) {
            const auto [a, b] = todo[size_t(k)];
            std::optional<FieldPair> found;
            if (const auto rough = coarseShift(coarse[size_t(a)], coarse[size_t(b)], o))
                found = refineShift(greys[a], greys[b], *rough, o);
            std::lock_guard<std::mutex> guard(lock);
            if (found) {
                found->a = a;
                found->b = b;
                pairs.append(*found);
            }
            if (!report(0.1 + 0.5 * double(++done) / double(todo.size())))
                cancelled = true;
        }
    });
    if (cancelled) {
        result.cancelled = true;
        return result;
    }
    // The same order whatever the threads did.
    std::sort(pairs.begin(), pairs.end(),
              [](const FieldPair &l, const FieldPair &r) { return l.a != r.a ? l.a < r.a : l.b < r.b; });

    const Placement placement = solvePlacements(n, pairs, o);
    result.placed = placement.placed;
    for (int i = 0; i < n; ++i) {
        if (!placement.placed[i])
            result.unplaced.append(i);
    }
    if (requireAll && !result.unplaced.isEmpty())
        return result;

    const cv::Mat gain = o.evenVignetting ? estimateGain(greys) : cv::Mat();
    greys.clear();
    coarse.clear();
    const Composed composed = composeMosaic(fields, placement, gain, o,
                                            [&](double share) { return report(0.65 + 0.35 * share); });
    result.image = composed.image;
    result.neededBytes = composed.neededBytes;
    result.cancelled = composed.cancelled;
    result.topLefts = composed.topLefts;
    return result;
}

} // namespace imaging
