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

// Least-squares plane a + b x + c y through (x, y, value) samples.
struct Plane
{
    double a = 0, b = 0, c = 0;
    double at(double x, double y) const { return a + b * x + c * y; }
};

bool fitPlane(const std::vector<cv::Point3d> &s, Plane *plane)
{
    if (s.size() < 3)
        return false;
    double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0, sz = 0, sxz = 0, syz = 0;
    for (const cv::Point3d &p : s) {
        n += 1;
        sx += p.x;
        sy += p.y;
        sxx += p.x * p.x;
        syy += p.y * p.y;
        sxy += p.x * p.y;
        sz += p.z;
        sxz += p.x * p.z;
        syz += p.y * p.z;
    }
    const cv::Matx33d A(n, sx, sy, sx, sxx, sxy, sy, sxy, syy);
    const cv::Vec3d b(sz, sxz, syz);
    cv::Vec3d x;
    if (!cv::solve(A, b, x, cv::DECOMP_CHOLESKY)) {
        plane->a = sz / n;
        plane->b = plane->c = 0;
        return true;
    }
    plane->a = x[0];
    plane->b = x[1];
    plane->c = x[2];
    return true;
}

double median(std::vector<double> &v)
{
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// Marching squares at level 0.5 over a coverage map with a zero border: the
// outline's length and its corner points (for the hull).
double levelLine(const cv::Mat &c, std::vector<cv::Point2f> *points)
{
    double length = 0;
    auto cross = [](float a, float b) { return (0.5f - a) / (b - a); };
    for (int j = 0; j + 1 < c.rows; ++j) {
        const float *r0 = c.ptr<float>(j);
        const float *r1 = c.ptr<float>(j + 1);
        for (int i = 0; i + 1 < c.cols; ++i) {
            const float v[4] = {r0[i], r0[i + 1], r1[i + 1], r1[i]}; // tl, tr, br, bl
            const int code = (v[0] > 0.5f) | (v[1] > 0.5f) << 1 | (v[2] > 0.5f) << 2 | (v[3] > 0.5f) << 3;
            if (code == 0 || code == 15)
                continue;
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
            for (int k = 0; k < n; ++k)
                points->push_back(found[k]);
        }
    }
    return length;
}

// Rotating calipers over the convex hull: the widest pair of antipodal
// points and the narrowest width across an edge.
void ferets(const std::vector<cv::Point2f> &points, double *maxF, double *minF)
{
    *maxF = *minF = 0;
    if (points.size() < 2)
        return;
    std::vector<cv::Point2f> hull;
    cv::convexHull(points, hull);
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
    cv::threshold(grey8, mask, level, 255, options.objects == Objects::Dark ? cv::THRESH_BINARY_INV : cv::THRESH_BINARY);
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
    cv::Mat own, other, grown, ring, otherNear, core, cover;
    std::vector<cv::Point3d> ringPoints;
    std::vector<double> corePoints, values;
};

// Measures one object; false when it is left out.
bool measure(const cv::Mat &grey8, const cv::Mat &labels, const cv::Mat &stats, int id, int threshold,
             const ParticleOptions &options, Scratch &s, Particle *out)
{
    const int x = stats.at<int>(id, cv::CC_STAT_LEFT), y = stats.at<int>(id, cv::CC_STAT_TOP);
    const int w = stats.at<int>(id, cv::CC_STAT_WIDTH), h = stats.at<int>(id, cv::CC_STAT_HEIGHT);
    const int pixels = stats.at<int>(id, cv::CC_STAT_AREA);
    if (pixels < std::max(1, options.minArea))
        return false;
    if (options.excludeEdge && (x == 0 || y == 0 || x + w == grey8.cols || y + h == grey8.rows))
        return false;
    const bool dark = options.objects == Objects::Dark;
    const int band = int(kBand), ring = int(kBand + kRing);
    const cv::Rect roi = cv::Rect(x - ring - 1, y - ring - 1, w + 2 * ring + 2, h + 2 * ring + 2)
        & cv::Rect(0, 0, grey8.cols, grey8.rows);
    const cv::Mat lab = labels(roi);
    const cv::Mat img = grey8(roi);
    cv::compare(lab, id, s.own, cv::CMP_EQ);
    s.other = (lab != id) & (lab != 0);
    if (options.fillHoles) {
        // Holes: what a flood from the window's edge does not reach.
        cv::Mat padded;
        cv::copyMakeBorder(s.own, padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, 0);
        cv::floodFill(padded, cv::Point(0, 0), 128, nullptr, 0, 0, 4);
        s.own.setTo(255, padded(cv::Rect(1, 1, roi.width, roi.height)) == 0);
    }
    // Square neighbourhoods: cheap, and never narrower than the round ones.
    const cv::Mat bandKernel = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(2 * band + 1, 2 * band + 1));
    const cv::Mat ringKernel = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(2 * ring + 1, 2 * ring + 1));
    cv::dilate(s.own, s.grown, bandKernel, cv::Point(-1, -1), 1, cv::BORDER_CONSTANT, 0);
    cv::dilate(s.own, s.ring, ringKernel, cv::Point(-1, -1), 1, cv::BORDER_CONSTANT, 0);
    cv::dilate(s.other, s.otherNear, bandKernel, cv::Point(-1, -1), 1, cv::BORDER_CONSTANT, 0);
    cv::erode(s.own, s.core, bandKernel, cv::Point(-1, -1), 1, cv::BORDER_CONSTANT, 0);

    // The local background: a plane through the ring around the band.
    const double cx = roi.width / 2.0, cy = roi.height / 2.0;
    s.ringPoints.clear();
    s.corePoints.clear();
    s.values.clear();
    double meanSum = 0;
    for (int j = 0; j < roi.height; ++j) {
        const uchar *g = img.ptr<uchar>(j), *mine = s.own.ptr<uchar>(j), *grown = s.grown.ptr<uchar>(j),
                    *rg = s.ring.ptr<uchar>(j), *near = s.otherNear.ptr<uchar>(j), *core = s.core.ptr<uchar>(j);
        for (int i = 0; i < roi.width; ++i) {
            if (mine[i]) {
                meanSum += g[i];
                s.values.push_back(g[i]);
                if (core[i])
                    s.corePoints.push_back(g[i]);
            } else if (rg[i] && !grown[i] && !near[i]) {
                s.ringPoints.emplace_back(i - cx, j - cy, g[i]);
            }
        }
    }
    Particle &p = *out;
    p.pixels = int(s.values.size());
    p.mean = meanSum / std::max<size_t>(1, s.values.size());
    Plane bg;
    if (!fitPlane(s.ringPoints, &bg))
        bg.a = threshold; // nothing around it (it fills its window)
    // The object's own level: its core's median, or its extreme when it is
    // too small to have a core.
    double level;
    if (s.corePoints.size() >= 5) {
        level = median(s.corePoints);
    } else {
        std::sort(s.values.begin(), s.values.end());
        level = dark ? s.values[s.values.size() / 10] : s.values[s.values.size() - 1 - s.values.size() / 10];
    }
    const double bgCentre = bg.at(x + w / 2.0 - roi.x - cx, y + h / 2.0 - roi.y - cy);
    // Light falls off over the picture as a gain on both object and
    // background: their ratio is what stays. Near black, an offset model.
    const bool ratio = bgCentre > 8.0 && level > 8.0;
    const double k = ratio ? level / bgCentre : 0;
    const double contrast = level - bgCentre;
    if (std::fabs(contrast) < 1.0 || (ratio && std::fabs(k - 1) < 1e-3))
        return false;

    s.cover.create(roi.height + 2, roi.width + 2, CV_32F);
    s.cover.setTo(0);
    double area = 0, mx = 0, my = 0;
    for (int j = 0; j < roi.height; ++j) {
        const uchar *g = img.ptr<uchar>(j), *grown = s.grown.ptr<uchar>(j), *core = s.core.ptr<uchar>(j),
                    *oth = s.other.ptr<uchar>(j);
        float *c = s.cover.ptr<float>(j + 1) + 1;
        const double by = bg.c * (j - cy) + bg.a;
        for (int i = 0; i < roi.width; ++i) {
            double v;
            if (core[i]) {
                v = 1.0;
            } else if (grown[i] && !oth[i]) {
                const double b = by + bg.b * (i - cx);
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
    cv::GaussianBlur(s.cover, s.cover, cv::Size(3, 3), 0.6);
    std::vector<cv::Point2f> corners;
    p.perimeter = levelLine(s.cover, &corners);
    ferets(corners, &p.feretMax, &p.feretMin);
    // At most 1, as the polygon of a small outline comes out a little short.
    p.circularity = p.perimeter > 0 ? std::min(1.0, 4 * M_PI * area / (p.perimeter * p.perimeter)) : 0;

    // A drawing outline from the threshold's contour.
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(s.own, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    if (!contours.empty()) {
        const auto &longest = *std::max_element(contours.begin(), contours.end(),
                                                [](const auto &a, const auto &b) { return a.size() < b.size(); });
        std::vector<cv::Point> simple = longest;
        for (double eps = 0.5; simple.size() > 96; eps *= 1.6)
            cv::approxPolyDP(longest, simple, eps, true);
        p.outline.reserve(int(simple.size()));
        for (const cv::Point &q : simple)
            p.outline << QPointF(roi.x + q.x + 0.5, roi.y + q.y + 0.5);
    }
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
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
    std::vector<Particle> found(size_t(std::max(0, count)));
    std::vector<char> kept(found.size(), 0);
    const int level = result.threshold;
    cv::parallel_for_(cv::Range(1, std::max(1, count)), [&](const cv::Range &range) {
        Scratch scratch;
        for (int id = range.start; id < range.end; ++id)
            kept[size_t(id)] = measure(grey8, labels, stats, id, level, options, scratch, &found[size_t(id)]);
    });
    for (size_t i = 1; i < found.size(); ++i)
        if (kept[i])
            result.particles << std::move(found[i]);
    return result;
}

} // namespace imaging
