#include "imaging/particles.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace imaging {

namespace {

// The band either side of the threshold's outline where pixels count by
// their grey value, and the ring beyond it that gives the background.
constexpr double kBand = 5.0;
constexpr double kRing = 4.0;

// A plane a + b x + c y.
struct Plane
{
    double a = 0, b = 0, c = 0;
    double at(double x, double y) const { return a + b * x + c * y; }
};

// Marching squares at level 0.5 over a coverage map with a zero border: the
// outline's length and its corner points (for the hull).
double levelLine(const cv::Mat &c, std::vector<uchar> &over, std::vector<cv::Point2f> *points)
{
    double length = 0;
    auto cross = [](float a, float b) { return (0.5f - a) / (b - a); };
    // Which corners lie over the level, a row at a time: most cells have all
    // four on one side and are passed over cheaply.
    over.resize(size_t(2 * c.cols));
    uchar *above = over.data(), *below = above + c.cols;
    auto mark = [&c](int j, uchar *bits) {
        const float *r = c.ptr<float>(j);
        for (int i = 0; i < c.cols; ++i)
            bits[i] = r[i] > 0.5f;
    };
    mark(0, below);
    for (int j = 0; j + 1 < c.rows; ++j) {
        std::swap(above, below);
        mark(j + 1, below);
        const float *r0 = c.ptr<float>(j);
        const float *r1 = c.ptr<float>(j + 1);
        for (int i = 0; i + 1 < c.cols; ++i) {
            const int code = above[i] | above[i + 1] << 1 | below[i + 1] << 2 | below[i] << 3;
            if (code == 0 || code == 15)
                continue;
            const float v[4] = {r0[i], r0[i + 1], r1[i + 1], r1[i]}; // tl, tr, br, bl
            // Crossings on the four sides: top, right, bottom, left.
            cv::Point2f e[4];
            bool has[4] = {};
            if ((v[0] > 0.5f) != (v[1] > 0.5f)) {
                e[0] = {i + cross(v[0], v[1]), float(j)};
                has[0] = true;
            }
            if ((v[1] > 0.5f) != (v[2] > 0.5f)) {
                e[1] = {float(i + 1), j + cross(v[1], v[2])};
                has[1] = true;
            }
            if ((v[3] > 0.5f) != (v[2] > 0.5f)) {
                e[2] = {i + cross(v[3], v[2]), float(j + 1)};
                has[2] = true;
            }
            if ((v[0] > 0.5f) != (v[3] > 0.5f)) {
                e[3] = {float(i), j + cross(v[0], v[3])};
                has[3] = true;
            }
            cv::Point2f found[4];
            int n = 0;
            for (int k = 0; k < 4; ++k)
                if (has[k])
                    found[n++] = e[k];
            if (n == 2) {
                length += cv::norm(found[0] - found[1]);
            } else if (n == 4) {
                // A saddle: pair each crossing with its neighbour side.
                length += cv::norm(e[0] - e[1]) + cv::norm(e[2] - e[3]);
            }
            // Each crossing once for the hull: a cell keeps those on its top
            // and left sides, the last row and column those on the others too.
            if (has[0])
                points->push_back(e[0]);
            if (has[3])
                points->push_back(e[3]);
            if (has[1] && i + 2 == c.cols)
                points->push_back(e[1]);
            if (has[2] && j + 2 == c.rows)
                points->push_back(e[2]);
        }
    }
    return length;
}

// Andrew's monotone chain; `points` (x in [0, columns)) is reordered, sorted
// by whole columns first: a few points each on a level line.
void convexHull(std::vector<cv::Point2f> &points, int columns, std::vector<int> &start,
                std::vector<cv::Point2f> &sorted, std::vector<cv::Point2f> *hull)
{
    auto before = [](const cv::Point2f &a, const cv::Point2f &b) { return a.x != b.x ? a.x < b.x : a.y < b.y; };
    start.assign(size_t(columns) + 1, 0);
    auto column = [columns](const cv::Point2f &p) { return std::clamp(int(p.x), 0, columns - 1); };
    for (const cv::Point2f &p : points)
        ++start[size_t(column(p)) + 1];
    for (int c = 0; c < columns; ++c)
        start[size_t(c) + 1] += start[size_t(c)];
    sorted.resize(points.size());
    for (const cv::Point2f &p : points)
        sorted[size_t(start[size_t(column(p))]++)] = p;
    for (size_t i = 1; i < sorted.size(); ++i)
        for (size_t k = i; k > 0 && before(sorted[k], sorted[k - 1]); --k)
            std::swap(sorted[k], sorted[k - 1]);
    points.swap(sorted);
    hull->assign(2 * points.size(), {});
    auto turn = [](const cv::Point2f &o, const cv::Point2f &a, const cv::Point2f &b) {
        return double(a.x - o.x) * (b.y - o.y) - double(a.y - o.y) * (b.x - o.x);
    };
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && turn((*hull)[k - 2], (*hull)[k - 1], points[i]) <= 0)
            --k;
        (*hull)[k++] = points[i];
    }
    for (size_t i = points.size() - 1, low = k + 1; i-- > 0;) {
        while (k >= low && turn((*hull)[k - 2], (*hull)[k - 1], points[i]) <= 0)
            --k;
        (*hull)[k++] = points[i];
    }
    hull->resize(k > 1 ? k - 1 : k);
}

// Rotating calipers over the convex hull: the widest pair of antipodal
// points and the narrowest width across an edge.
void ferets(std::vector<cv::Point2f> &points, int columns, std::vector<int> &start, std::vector<cv::Point2f> &sorted,
            std::vector<cv::Point2f> &hull, double *maxF, double *minF)
{
    *maxF = *minF = 0;
    if (points.size() < 2)
        return;
    convexHull(points, columns, start, sorted, &hull);
    const size_t h = hull.size();
    if (h < 3) {
        *maxF = h == 2 ? cv::norm(hull[0] - hull[1]) : 0;
        return;
    }
    auto area2 = [&](size_t i, size_t k, size_t m) {
        return std::fabs(double((hull[k] - hull[i]).cross(hull[m] - hull[i])));
    };
    double widest = 0, narrowest = 1e300;
    size_t j = 1;
    for (size_t i = 0; i < h; ++i) {
        const size_t n = (i + 1) % h;
        while (area2(i, n, (j + 1) % h) > area2(i, n, j))
            j = (j + 1) % h;
        const double len = cv::norm(hull[n] - hull[i]);
        if (len > 1e-6)
            narrowest = std::min(narrowest, area2(i, n, j) / len);
        widest = std::max({widest, double(cv::norm(hull[i] - hull[j])), double(cv::norm(hull[n] - hull[j]))});
    }
    *maxF = widest;
    *minF = narrowest < 1e300 ? narrowest : 0;
}

} // namespace

int otsuThreshold(const cv::Mat &grey8)
{
    if (grey8.empty() || grey8.type() != CV_8UC1)
        return 128;
    cv::Mat scratch;
    return int(cv::threshold(grey8, scratch, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU));
}

Objects guessObjects(const cv::Mat &grey8)
{
    const int level = otsuThreshold(grey8);
    const double above = cv::countNonZero(grey8 > level);
    return above * 2 > double(grey8.total()) ? Objects::Dark : Objects::Light;
}

cv::Mat objectMask(const cv::Mat &grey8, const ParticleOptions &options, int *levelUsed)
{
    cv::Mat mask;
    if (grey8.empty() || grey8.type() != CV_8UC1)
        return mask;
    const int level = options.threshold >= 0 ? std::min(options.threshold, 255) : otsuThreshold(grey8);
    if (levelUsed)
        *levelUsed = level;
    cv::threshold(grey8, mask, level, 255,
                  options.objects == Objects::Dark ? cv::THRESH_BINARY_INV : cv::THRESH_BINARY);
    if (options.fillHoles) {
        // The background is what a flood from outside the picture reaches
        // (4-connected, as the objects are 8-connected); the rest are holes.
        cv::Mat padded;
        cv::copyMakeBorder(mask, padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, 0);
        cv::floodFill(padded, cv::Point(0, 0), 128, nullptr, 0, 0, 4);
        cv::Mat inner = padded(cv::Rect(1, 1, mask.cols, mask.rows));
        mask.setTo(255, inner == 0);
    }
    return mask;
}

namespace {

struct Scratch
{
    cv::Mat own, other, padded, ownSum, otherSum, cover, framed, across;
    std::vector<uchar> kind, over;
    std::vector<int> band, ring, otherBand, columns;
    std::vector<cv::Point2f> corners, sorted, hull;
};

// Where the pixels of a window stand to the object.
enum Kind : uchar { Away, Core, BandIn, BandOut, Ring };

constexpr int kPad = int(kBand + kRing); // the widest square asked about, each side

// Integral image of a mask with kPad zero pixels around it, so that squares
// up to kPad about any pixel of the mask need no clipping.
void integral(const cv::Mat &mask, cv::Mat *padded, cv::Mat *sum)
{
    cv::copyMakeBorder(mask, *padded, kPad, kPad, kPad, kPad, cv::BORDER_CONSTANT, 0);
    cv::integral(*padded, *sum, CV_32S);
}

// What the squares of half side k about the pixels of row j hold, for the
// whole row at once.
void squares(const cv::Mat &sum, int j, int k, int w, int *out)
{
    const int *r0 = sum.ptr<int>(j + kPad - k) + kPad - k;
    const int *r1 = sum.ptr<int>(j + kPad + k + 1) + kPad - k;
    const int d = 2 * k + 1;
    for (int i = 0; i < w; ++i)
        out[i] = r1[i + d] - r0[i + d] - r1[i] + r0[i];
}

// The grey level at a place in the sorted order of a histogram's values.
int nth(const int *hist, int index)
{
    int seen = 0;
    for (int v = 0; v < 256; ++v) {
        seen += hist[v];
        if (seen > index)
            return v;
    }
    return 255;
}

// A 3 x 3 Gaussian of sigma 0.6 in place, nothing beyond the map's edge.
void smooth(cv::Mat &m, cv::Mat *padded, cv::Mat *across)
{
    static const float side = [] {
        const float e = std::exp(-1.0f / (2 * 0.36f));
        return e / (1 + 2 * e);
    }();
    const float mid = 1 - 2 * side;
    cv::copyMakeBorder(m, *padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, 0);
    across->create(m.rows + 2, m.cols, CV_32F);
    across->row(0).setTo(0);
    across->row(m.rows + 1).setTo(0);
    for (int j = 1; j <= m.rows; ++j) {
        const float *__restrict r = padded->ptr<float>(j);
        float *__restrict o = across->ptr<float>(j);
        for (int i = 0; i < m.cols; ++i)
            o[i] = mid * r[i + 1] + side * (r[i] + r[i + 2]);
    }
    for (int j = 0; j < m.rows; ++j) {
        const float *__restrict up = across->ptr<float>(j), *__restrict r = across->ptr<float>(j + 1),
                                *__restrict down = across->ptr<float>(j + 2);
        float *__restrict o = m.ptr<float>(j);
        for (int i = 0; i < m.cols; ++i)
            o[i] = mid * r[i] + side * (up[i] + down[i]);
    }
}

// One object as the threshold's contours give it.
struct Blob
{
    int contour;  // its outer contour
    cv::Rect box; // bounding box, picture pixels
    bool holes;   // whether it has any
};

// Measures one object in a window around it; false when it is left out.
bool measure(const cv::Mat &grey8, const cv::Mat &mask, const std::vector<std::vector<cv::Point>> &contours,
             const Blob &blob, int threshold, const ParticleOptions &options, Scratch &s, Particle *out)
{
    const int x = blob.box.x, y = blob.box.y, w = blob.box.width, h = blob.box.height;
    // No more pixels than its box: specks go before any work.
    if (w * h < std::max(1, options.minArea))
        return false;
    if (options.excludeEdge && (x == 0 || y == 0 || x + w == grey8.cols || y + h == grey8.rows))
        return false;
    const bool dark = options.objects == Objects::Dark;
    const int band = int(kBand), ring = int(kBand + kRing);
    const cv::Rect roi = cv::Rect(x - ring - 1, y - ring - 1, w + 2 * ring + 2, h + 2 * ring + 2)
                         & cv::Rect(0, 0, grey8.cols, grey8.rows);
    const int rw = roi.width, rh = roi.height;
    const size_t n = size_t(rw) * rh;
    const cv::Mat img = grey8(roi);

    // The object's pixels (the 8-connected piece of the mask its outline
    // starts on) and its neighbours' (the rest of the mask).
    mask(roi).copyTo(s.other);
    const cv::Point seed = contours[size_t(blob.contour)].front() - roi.tl();
    const int pixels = cv::floodFill(s.other, seed, cv::Scalar(128), nullptr, cv::Scalar(0), cv::Scalar(0), 8);
    if (pixels < std::max(1, options.minArea))
        return false;
    cv::compare(s.other, 128, s.own, cv::CMP_EQ);
    cv::compare(s.other, 255, s.other, cv::CMP_EQ);
    const bool neighbours = cv::countNonZero(s.other) > 0;
    // Filled, the outline is the object with its holes.
    if (options.fillHoles && blob.holes)
        cv::drawContours(s.own, contours, blob.contour, cv::Scalar(255), cv::FILLED, cv::LINE_8, cv::noArray(), 0,
                         -roi.tl());

    // Square neighbourhoods from integral images: the core (no background
    // within the band), the band either side of the outline, the ring
    // beyond it (not near another object) that gives the background.
    integral(s.own, &s.padded, &s.ownSum);
    if (neighbours)
        integral(s.other, &s.padded, &s.otherSum);
    const int full = (2 * band + 1) * (2 * band + 1) * 255;
    s.kind.resize(n);
    s.band.resize(size_t(rw));
    s.ring.resize(size_t(rw));
    s.otherBand.assign(size_t(rw), 0);

    // The local background: a plane through the ring; the object's grey
    // levels for its own level.
    int64 pn = 0, px = 0, py = 0, pxx = 0, pyy = 0, pxy = 0, pz = 0, pxz = 0, pyz = 0;
    int inner[256] = {};
    int count = 0, cores = 0;
    int64 meanSum = 0;
    for (int j = 0; j < rh; ++j) {
        const uchar *g = img.ptr<uchar>(j), *mine = s.own.ptr<uchar>(j), *oth = s.other.ptr<uchar>(j);
        uchar *kind = s.kind.data() + size_t(j) * rw;
        squares(s.ownSum, j, band, rw, s.band.data());
        squares(s.ownSum, j, ring, rw, s.ring.data());
        if (neighbours)
            squares(s.otherSum, j, band, rw, s.otherBand.data());
        for (int i = 0; i < rw; ++i) {
            if (mine[i]) {
                // Inside (a filled hole counts).
                ++count;
                meanSum += g[i];
                if (s.band[size_t(i)] == full) {
                    kind[i] = Core;
                    ++inner[g[i]];
                    ++cores;
                } else {
                    kind[i] = BandIn;
                }
            } else if (s.band[size_t(i)] > 0) {
                kind[i] = oth[i] ? Away : BandOut;
            } else if (s.ring[size_t(i)] > 0 && s.otherBand[size_t(i)] == 0) {
                kind[i] = Ring;
                const int z = g[i];
                pn += 1;
                px += i;
                py += j;
                pxx += i * i;
                pyy += j * j;
                pxy += i * j;
                pz += z;
                pxz += i * z;
                pyz += j * z;
            } else {
                kind[i] = Away;
            }
        }
    }
    if (count == 0)
        return false;
    Particle &p = *out;
    p.pixels = count;
    p.mean = double(meanSum) / count;
    Plane bg;         // over the window's pixel indices
    bg.a = threshold; // nothing around it (it fills its window)
    if (pn >= 3) {
        const cv::Matx33d A{double(pn),  double(px), double(py),  double(px), double(pxx),
                            double(pxy), double(py), double(pxy), double(pyy)};
        const cv::Vec3d b{double(pz), double(pxz), double(pyz)};
        cv::Vec3d sol;
        if (cv::solve(A, b, sol, cv::DECOMP_CHOLESKY)) {
            bg.a = sol[0];
            bg.b = sol[1];
            bg.c = sol[2];
        } else {
            bg.a = double(pz) / double(pn);
        }
    }
    // The object's own level: its core's median, or its extreme when it is
    // too small to have a core.
    double level;
    if (cores >= 5) {
        level = nth(inner, cores / 2);
    } else {
        int all[256] = {};
        for (int j = 0; j < rh; ++j) {
            const uchar *g = img.ptr<uchar>(j), *mine = s.own.ptr<uchar>(j);
            for (int i = 0; i < rw; ++i)
                all[g[i]] += mine[i] != 0;
        }
        level = nth(all, dark ? count / 10 : count - 1 - count / 10);
    }
    const double bgCentre = bg.at(x + w / 2.0 - roi.x, y + h / 2.0 - roi.y);
    // Light falls off over the picture as a gain on both object and
    // background: their ratio is what stays. Near black, an offset model.
    const bool ratio = bgCentre > 8.0 && level > 8.0;
    const double k = ratio ? level / bgCentre : 0;
    const double contrast = level - bgCentre;
    if (std::fabs(contrast) < 1.0 || (ratio && std::fabs(k - 1) < 1e-3))
        return false;

    // Coverage: 1 in the core, from the grey value in the band; a map over
    // the band's box with a zero border.
    const int i0 = std::max(0, x - roi.x - band), i1 = std::min(rw, x - roi.x + w + band);
    const int j0 = std::max(0, y - roi.y - band), j1 = std::min(rh, y - roi.y + h + band);
    s.cover.create(j1 - j0 + 2, i1 - i0 + 2, CV_32F);
    s.cover.setTo(0);
    double area = 0, mx = 0, my = 0;
    for (int j = j0; j < j1; ++j) {
        const uchar *g = img.ptr<uchar>(j), *oth = s.other.ptr<uchar>(j);
        const uchar *kinds = s.kind.data() + size_t(j) * rw;
        float *c = s.cover.ptr<float>(j - j0 + 1) + 1 - i0;
        const double by = bg.c * j + bg.a;
        for (int i = i0; i < i1; ++i) {
            const uchar kind = kinds[i];
            double v;
            if (kind == Core) {
                v = 1.0;
            } else if (kind == BandOut || (kind == BandIn && !oth[i])) {
                const double b = by + bg.b * i;
                v = ratio ? (g[i] - b) / (b * (k - 1)) : (g[i] - b) / contrast;
                v = std::clamp(v, -1.0, 2.0);
            } else {
                continue;
            }
            c[i] = float(v);
            area += v;
            mx += v * (i + 0.5);
            my += v * (j + 0.5);
        }
    }
    if (area <= 0)
        return false;
    p.area = area;
    p.centroid = QPointF(roi.x + mx / area, roi.y + my / area);
    p.diameter = 2 * std::sqrt(area / M_PI);
    // The outline at half coverage, a little smoothed against noise.
    smooth(s.cover, &s.framed, &s.across);
    s.corners.clear();
    p.perimeter = levelLine(s.cover, s.over, &s.corners);
    ferets(s.corners, s.cover.cols, s.columns, s.sorted, s.hull, &p.feretMax, &p.feretMin);
    // At most 1, as the polygon of a small outline comes out a little short.
    p.circularity = p.perimeter > 0 ? std::min(1.0, 4 * M_PI * area / (p.perimeter * p.perimeter)) : 0;

    // A drawing outline from the threshold's contour.
    const std::vector<cv::Point> &outline = contours[size_t(blob.contour)];
    std::vector<cv::Point> simple = outline;
    for (double eps = 0.5; simple.size() > 96; eps *= 1.6)
        cv::approxPolyDP(outline, simple, eps, true);
    p.outline.reserve(int(simple.size()));
    for (const cv::Point &q : simple)
        p.outline << QPointF(q.x + 0.5, q.y + 0.5);
    return true;
}

} // namespace

ParticleResult analyzeParticles(const cv::Mat &grey8, const ParticleOptions &options)
{
    ParticleResult result;
    ParticleOptions plain = options;
    plain.fillHoles = false; // per object, below
    const cv::Mat mask = objectMask(grey8, plain, &result.threshold);
    if (mask.empty())
        return result;
    // The objects from the mask's outlines (all of them at the top level,
    // also those inside another's hole), in the order a raster scan meets
    // them: cheaper than labelling every pixel of the picture.
    std::vector<std::vector<cv::Point>> contours;
    std::vector<cv::Vec4i> hierarchy;
    cv::findContours(mask, contours, hierarchy, cv::RETR_CCOMP, cv::CHAIN_APPROX_SIMPLE);
    std::vector<Blob> blobs;
    for (size_t i = 0; i < contours.size(); ++i)
        if (hierarchy[i][3] < 0 && !contours[i].empty())
            blobs.push_back({int(i), cv::boundingRect(contours[i]), hierarchy[i][2] >= 0});
    std::sort(blobs.begin(), blobs.end(), [&](const Blob &a, const Blob &b) {
        const cv::Point &p = contours[size_t(a.contour)].front(), &q = contours[size_t(b.contour)].front();
        return p.y != q.y ? p.y < q.y : p.x < q.x;
    });
    std::vector<Particle> found(blobs.size());
    std::vector<char> kept(found.size(), 0);
    const int level = result.threshold;
    cv::parallel_for_(cv::Range(0, int(blobs.size())), [&](const cv::Range &range) {
        Scratch scratch;
        for (int i = range.start; i < range.end; ++i)
            kept[size_t(i)] = measure(grey8, mask, contours, blobs[size_t(i)], level, options, scratch,
                                      &found[size_t(i)]);
    });
    for (size_t i = 0; i < found.size(); ++i)
        if (kept[i])
            result.particles << std::move(found[i]);
    return result;
}

} // namespace imaging
