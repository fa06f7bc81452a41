#include "imaging/mosaic.h"

#include "imaging/cvimage.h"

#include <QFile>

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
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &l, const Candidate &r) { return l.score > r.score; });
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
    explicit Groups(int n) : parent(size_t(n)) { std::iota(parent.begin(), parent.end(), 0); }
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

// ------------------------------------------------------------ composition

namespace {

// The blend's pyramid: levels of detail, each half the size of the one before.
constexpr int kLevels = 5;
constexpr int kAlign = 1 << (kLevels - 1);
// Rows above and below a band that its pyramid needs: beyond them the
// coarsest level's reach has faded.
constexpr int kBandMargin = 4 * kAlign;
// Room around a field's part of a band for its blurred mask.
constexpr int kFieldMargin = 2 * kAlign;

int roundUp(int v, int m) { return (v + m - 1) / m * m; }

int rowsPerBand(const MosaicOptions &o)
{
    const int rows = o.blendRows > 0 ? o.blendRows : 256;
    return o.blend == MosaicOptions::Blend::MultiBand ? roundUp(rows, kAlign) : rows;
}

} // namespace

qint64 mosaicBytes(const QSize &size, const MosaicOptions &o)
{
    // The RGB32 picture, plus the work rows of a band per thread.
    const qint64 pixels = qint64(size.width()) * size.height();
    const int threads = std::max(1, cv::getNumThreads());
    const int rows = rowsPerBand(o);
    qint64 band = 0;
    if (o.blend == MosaicOptions::Blend::Feather) {
        // Three colours and a weight as floats.
        band = qint64(size.width()) * rows * 16;
    } else {
        // The pyramids of the sums and weights (a third more than their
        // finest level), the owner of each pixel, one level's worth while
        // collapsing, and a field's own pyramids over the band.
        const qint64 width = roundUp(size.width(), kAlign);
        const qint64 height = roundUp(rows + 2 * kBandMargin, kAlign);
        const qint64 fieldWidth = std::min<qint64>(width, 4096);
        band = width * height * (16 * 4 / 3 + 2 + 12) + fieldWidth * height * 64;
    }
    return pixels * 4 + band * threads;
}

qint64 memoryAllowance(const MosaicOptions &o)
{
    if (o.memoryLimit > 0)
        return o.memoryLimit;
    qint64 available = 0;
    QFile info(QStringLiteral("/proc/meminfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("MemAvailable:")) {
                available = line.mid(13).trimmed().split(' ').value(0).toLongLong() * 1024;
                break;
            }
        }
    }
    if (available <= 0)
        available = qint64(2) << 30;
    // A QImage holds at most 2 GiB.
    return std::min(available / 2, (qint64(2) << 30) - 1);
}

namespace {

struct Placed
{
    cv::Mat pixels; // BGRA
    cv::Point2d at; // in the mosaic
    cv::Rect cover; // whole pixels it touches
};

// Every field of a size weighs its pixels alike: feathered toward the rim
// (seams fade), and over the vignetting gain (its fall-off divided out).
struct Weights
{
    cv::Size size;
    cv::Mat feather;  // w
    cv::Mat colour;   // w / gain
    cv::Mat inverse;  // 1 / gain; empty without one
};

const Weights &weightsOf(const std::vector<Weights> &maps, const cv::Size &size)
{
    for (const Weights &m : maps)
        if (m.size == size)
            return m;
    return maps.front();
}

// The part of a field at its sub-pixel place: dst(x, y) = src(x + ox, y + oy).
void warpInto(const cv::Mat &src, cv::Mat &dst, double ox, double oy, const cv::Size &size, int interpolation)
{
    const cv::Mat shift = (cv::Mat_<double>(2, 3) << 1, 0, ox, 0, 1, oy);
    cv::warpAffine(src, dst, shift, size, interpolation | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
}

// Whole-pixel range of field rows/columns that land on a part of the mosaic.
struct Span
{
    int dx, dy; // field pixel = part pixel + (dx, dy)
    int x0, x1; // part columns the field covers
};

Span spanOf(const Placed &f, const cv::Rect &part)
{
    Span s;
    s.dx = int(std::lround(part.x - f.at.x));
    s.dy = int(std::lround(part.y - f.at.y));
    s.x0 = std::max(0, -s.dx);
    s.x1 = std::min(part.width, f.pixels.cols - s.dx);
    return s;
}

using BandDone = std::function<bool()>;

void featherBands(const std::vector<Placed> &placed, const std::vector<Weights> &maps, QImage &image, int bandRows,
                  const BandDone &bandDone)
{
    const QSize size = image.size();
    const int bands = (size.height() + bandRows - 1) / bandRows;
    std::atomic<bool> cancelled{false};
    cv::parallel_for_(cv::Range(0, bands), [&](const cv::Range &range) {
        cv::Mat acc, weights, warped;
        for (int band = range.start; band < range.end && !cancelled; ++band) {
            const cv::Rect rows(0, band * bandRows, size.width(), std::min(bandRows, size.height() - band * bandRows));
            acc.create(rows.height, rows.width, CV_32FC3);
            weights.create(rows.height, rows.width, CV_32F);
            acc.setTo(0);
            weights.setTo(0);
            for (const Placed &f : placed) {
                const cv::Rect part = f.cover & rows;
                if (part.empty())
                    continue;
                const Weights &m = weightsOf(maps, f.pixels.size());
                warpInto(f.pixels, warped, part.x - f.at.x, part.y - f.at.y, part.size(), cv::INTER_LINEAR);
                const Span s = spanOf(f, part);
                for (int y = 0; y < part.height; ++y) {
                    const int fy = y + s.dy;
                    if (fy < 0 || fy >= f.pixels.rows)
                        continue;
                    const uchar *src = warped.ptr<uchar>(y);
                    const float *fwt = m.feather.ptr<float>(fy) + s.dx;
                    const float *cwt = m.colour.ptr<float>(fy) + s.dx;
                    float *a = acc.ptr<float>(part.y - rows.y + y) + 3 * part.x;
                    float *wt = weights.ptr<float>(part.y - rows.y + y) + part.x;
                    for (int x = s.x0; x < s.x1; ++x) {
                        const float k = cwt[x];
                        a[3 * x + 0] += k * src[4 * x + 0];
                        a[3 * x + 1] += k * src[4 * x + 1];
                        a[3 * x + 2] += k * src[4 * x + 2];
                        wt[x] += fwt[x];
                    }
                }
            }
            for (int y = 0; y < rows.height; ++y) {
                const float *a = acc.ptr<float>(y);
                const float *wt = weights.ptr<float>(y);
                QRgb *dst = reinterpret_cast<QRgb *>(image.scanLine(rows.y + y));
                for (int x = 0; x < rows.width; ++x) {
                    if (wt[x] <= 0) {
                        dst[x] = qRgb(0, 0, 0);
                        continue;
                    }
                    const float inv = 1.f / wt[x];
                    auto c = [&](int ch) { return std::clamp(int(a[3 * x + ch] * inv + 0.5f), 0, 255); };
                    dst[x] = qRgb(c(2), c(1), c(0));
                }
            }
            if (!bandDone())
                cancelled = true;
        }
    });
}

// Burt and Adelson's blend: every field's Laplacian pyramid, each level
// weighed by the same level of the Gaussian pyramid of the field's mask
// (the pixels where it is the field nearest its own middle), summed, and
// the sum collapsed. Worked a band of rows at a time, with margins the
// coarsest level needs, so memory stays a few rows of the mosaic.
void multiBandBands(const std::vector<Placed> &placed, const std::vector<Weights> &maps, QImage &image, int bandRows,
                    const BandDone &bandDone)
{
    const QSize size = image.size();
    const int width = roundUp(size.width(), kAlign);
    const int bands = (size.height() + bandRows - 1) / bandRows;
    std::atomic<bool> cancelled{false};
    cv::parallel_for_(cv::Range(0, bands), [&](const cv::Range &range) {
        cv::Mat acc[kLevels], wsum[kLevels];
        cv::Mat best, owner, warped, inverse, colour, up;
        cv::Mat g[kLevels], m[kLevels];
        for (int band = range.start; band < range.end && !cancelled; ++band) {
            const int r0 = band * bandRows, r1 = std::min(size.height(), r0 + bandRows);
            const int e0 = std::max(0, r0 - kBandMargin);
            const int height = roundUp(std::min(size.height(), r1 + kBandMargin) - e0, kAlign);
            const cv::Rect region(0, e0, width, height); // in the mosaic
            for (int k = 0; k < kLevels; ++k) {
                acc[k].create(height >> k, width >> k, CV_32FC3);
                wsum[k].create(height >> k, width >> k, CV_32F);
                acc[k].setTo(0);
                wsum[k].setTo(0);
            }
            // Who owns each pixel: the field whose feather weighs most there.
            best.create(height, width, CV_32F);
            best.setTo(0);
            owner.create(height, width, CV_16S);
            owner.setTo(-1);
            for (size_t i = 0; i < placed.size(); ++i) {
                const Placed &f = placed[i];
                const cv::Rect part = f.cover & region;
                if (part.empty())
                    continue;
                const Weights &w = weightsOf(maps, f.pixels.size());
                const Span s = spanOf(f, part);
                for (int y = 0; y < part.height; ++y) {
                    const int fy = y + s.dy;
                    if (fy < 0 || fy >= f.pixels.rows)
                        continue;
                    const float *fw = w.feather.ptr<float>(fy) + s.dx;
                    float *b = best.ptr<float>(part.y - e0 + y) + part.x;
                    short *o = owner.ptr<short>(part.y - e0 + y) + part.x;
                    for (int x = s.x0; x < s.x1; ++x) {
                        if (fw[x] > b[x]) {
                            b[x] = fw[x];
                            o[x] = short(i);
                        }
                    }
                }
            }
            for (size_t i = 0; i < placed.size(); ++i) {
                const Placed &f = placed[i];
                const cv::Rect part = f.cover & region;
                if (part.empty())
                    continue;
                // The field's part with room for its mask's blur, on the grid
                // of the coarsest level, in the band's own pixels.
                const int x0 = std::max(0, (part.x - kFieldMargin) / kAlign * kAlign);
                const int y0 = std::max(0, (part.y - e0 - kFieldMargin) / kAlign * kAlign);
                const int x1 = std::min(width, roundUp(part.x + part.width + kFieldMargin, kAlign));
                const int y1 = std::min(height, roundUp(part.y - e0 + part.height + kFieldMargin, kAlign));
                const cv::Rect roi(x0, y0, x1 - x0, y1 - y0);
                cv::compare(owner(roi), cv::Scalar(int(i)), m[0], cv::CMP_EQ);
                if (cv::countNonZero(m[0]) == 0)
                    continue;
                m[0].convertTo(m[0], CV_32F, 1.0 / 255);
                // Its pixels there, the fall-off divided out; beyond its rim
                // its own edge repeated, where its mask has faded.
                const double ox = roi.x - f.at.x, oy = roi.y + e0 - f.at.y;
                const Weights &w = weightsOf(maps, f.pixels.size());
                warpInto(f.pixels, warped, ox, oy, roi.size(), cv::INTER_LINEAR);
                if (!w.inverse.empty())
                    warpInto(w.inverse, inverse, ox, oy, roi.size(), cv::INTER_LINEAR);
                g[0].create(roi.size(), CV_32FC3);
                for (int y = 0; y < roi.height; ++y) {
                    const uchar *src = warped.ptr<uchar>(y);
                    const float *ig = w.inverse.empty() ? nullptr : inverse.ptr<float>(y);
                    float *dst = g[0].ptr<float>(y);
                    for (int x = 0; x < roi.width; ++x) {
                        const float k = ig ? ig[x] : 1.f;
                        dst[3 * x + 0] = k * src[4 * x + 0];
                        dst[3 * x + 1] = k * src[4 * x + 1];
                        dst[3 * x + 2] = k * src[4 * x + 2];
                    }
                }
                for (int k = 1; k < kLevels; ++k) {
                    cv::pyrDown(g[k - 1], g[k]);
                    cv::pyrDown(m[k - 1], m[k]);
                }
                for (int k = 0; k < kLevels; ++k) {
                    // Level k's detail: what the next level up lacks of it.
                    const cv::Mat *lap = &g[k];
                    if (k + 1 < kLevels) {
                        cv::pyrUp(g[k + 1], up, g[k].size());
                        cv::subtract(g[k], up, up);
                        lap = &up;
                    }
                    const cv::Rect at(roi.x >> k, roi.y >> k, roi.width >> k, roi.height >> k);
                    for (int y = 0; y < at.height; ++y) {
                        const float *l = lap->ptr<float>(y);
                        const float *mk = m[k].ptr<float>(y);
                        float *a = acc[k].ptr<float>(at.y + y) + 3 * at.x;
                        float *ws = wsum[k].ptr<float>(at.y + y) + at.x;
                        for (int x = 0; x < at.width; ++x) {
                            const float q = mk[x];
                            a[3 * x + 0] += q * l[3 * x + 0];
                            a[3 * x + 1] += q * l[3 * x + 1];
                            a[3 * x + 2] += q * l[3 * x + 2];
                            ws[x] += q;
                        }
                    }
                }
            }
            // Each level over its weights, then collapsed from the coarsest.
            for (int k = 0; k < kLevels; ++k) {
                for (int y = 0; y < acc[k].rows; ++y) {
                    float *a = acc[k].ptr<float>(y);
                    const float *ws = wsum[k].ptr<float>(y);
                    for (int x = 0; x < acc[k].cols; ++x) {
                        const float inv = ws[x] > 1e-6f ? 1.f / ws[x] : 0.f;
                        a[3 * x + 0] *= inv;
                        a[3 * x + 1] *= inv;
                        a[3 * x + 2] *= inv;
                    }
                }
            }
            for (int k = kLevels - 2; k >= 0; --k) {
                cv::pyrUp(acc[k + 1], up, acc[k].size());
                acc[k] += up;
            }
            for (int y = r0; y < r1; ++y) {
                const float *a = acc[0].ptr<float>(y - e0);
                const short *o = owner.ptr<short>(y - e0);
                QRgb *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < size.width(); ++x) {
                    if (o[x] < 0) {
                        dst[x] = qRgb(0, 0, 0);
                        continue;
                    }
                    auto c = [&](int ch) { return std::clamp(int(a[3 * x + ch] + 0.5f), 0, 255); };
                    dst[x] = qRgb(c(2), c(1), c(0));
                }
            }
            if (!bandDone())
                cancelled = true;
        }
    });
}

} // namespace

Composed composeMosaic(const QVector<QImage> &fields, const Placement &placement, const cv::Mat &gain,
                       const MosaicOptions &o, const MosaicProgress &progress)
{
    Composed out;
    out.topLefts.fill(QPointF(), fields.size());
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    int count = 0;
    for (int i = 0; i < fields.size(); ++i) {
        if (!placement.placed.value(i) || fields[i].isNull())
            continue;
        const cv::Point2d p = placement.positions[i];
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x + fields[i].width());
        maxY = std::max(maxY, p.y + fields[i].height());
        ++count;
    }
    if (count == 0)
        return out;
    const double originX = std::floor(minX), originY = std::floor(minY);
    const QSize size(int(std::ceil(maxX - originX)), int(std::ceil(maxY - originY)));
    const qint64 needed = mosaicBytes(size, o);
    if (needed > memoryAllowance(o) || size.width() > 32767 || size.height() > 32767 || count > 32767) {
        out.neededBytes = needed;
        return out;
    }

    std::vector<Placed> placed;
    for (int i = 0; i < fields.size(); ++i) {
        if (!placement.placed.value(i) || fields[i].isNull())
            continue;
        Placed f;
        QImage img = fields[i].format() == QImage::Format_RGB32 || fields[i].format() == QImage::Format_ARGB32
                         ? fields[i]
                         : fields[i].convertToFormat(QImage::Format_RGB32);
        f.pixels = wrap(img);
        if (img.constBits() != fields[i].constBits())
            f.pixels = f.pixels.clone();
        f.at = placement.positions[i] - cv::Point2d(originX, originY);
        const int x0 = int(std::floor(f.at.x)), y0 = int(std::floor(f.at.y));
        f.cover = cv::Rect(x0, y0, int(std::ceil(f.at.x + img.width())) - x0, int(std::ceil(f.at.y + img.height())) - y0)
                  & cv::Rect(0, 0, size.width(), size.height());
        out.topLefts[i] = QPointF(f.at.x, f.at.y);
        placed.push_back(f);
    }

    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        out.neededBytes = needed;
        return out;
    }
    std::vector<Weights> maps;
    for (const Placed &f : placed) {
        const cv::Size fs = f.pixels.size();
        if (std::any_of(maps.begin(), maps.end(), [&](const Weights &m) { return m.size == fs; }))
            continue;
        Weights m;
        m.size = fs;
        m.feather.create(fs, CV_32F);
        m.colour.create(fs, CV_32F);
        const bool useGain = o.evenVignetting && gain.size() == fs;
        if (useGain)
            m.inverse.create(fs, CV_32F);
        for (int y = 0; y < fs.height; ++y) {
            const double wy = std::min(y + 0.5, fs.height - 0.5 - y);
            float *fw = m.feather.ptr<float>(y);
            float *cw = m.colour.ptr<float>(y);
            const float *g = useGain ? gain.ptr<float>(y) : nullptr;
            float *ig = useGain ? m.inverse.ptr<float>(y) : nullptr;
            for (int x = 0; x < fs.width; ++x) {
                const float w = float(wy * std::min(x + 0.5, fs.width - 0.5 - x));
                fw[x] = w;
                cw[x] = g ? w / std::max(0.05f, g[x]) : w;
                if (ig)
                    ig[x] = 1.f / std::max(0.05f, g[x]);
            }
        }
        maps.push_back(m);
    }

    const int bandRows = rowsPerBand(o);
    const int bands = (size.height() + bandRows - 1) / bandRows;
    std::atomic<int> done{0};
    std::mutex progressLock;
    const BandDone bandDone = [&] {
        const int finished = ++done;
        if (!progress)
            return true;
        std::lock_guard<std::mutex> lock(progressLock);
        return progress(double(finished) / bands);
    };
    std::atomic<bool> cancelled{false};
    const BandDone step = [&] {
        if (!bandDone())
            cancelled = true;
        return !cancelled;
    };
    if (o.blend == MosaicOptions::Blend::Feather)
        featherBands(placed, maps, image, bandRows, step);
    else
        multiBandBands(placed, maps, image, bandRows, step);
    if (cancelled) {
        out.cancelled = true;
        return out;
    }
    out.image = image;
    return out;
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
    std::sort(pairs.begin(), pairs.end(), [](const FieldPair &l, const FieldPair &r) {
        return l.a != r.a ? l.a < r.a : l.b < r.b;
    });

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
    const Composed composed = composeMosaic(fields, placement, gain, o, [&](double share) {
        return report(0.65 + 0.35 * share);
    });
    result.image = composed.image;
    result.neededBytes = composed.neededBytes;
    result.cancelled = composed.cancelled;
    result.topLefts = composed.topLefts;
    return result;
}

} // namespace imaging
