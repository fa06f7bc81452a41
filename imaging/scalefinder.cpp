#include "imaging/scalefinder.h"

#include "imaging/cvimage.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace imaging {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The coarse search works on a picture no larger than this.
constexpr int kCoarseSide = 1024;
// A spectral peak must stand this far above its ring's median: noise alone
// reaches about 4.
constexpr double kMinPeakRatio = 7.0;
// Ticks a scale needs in one unbroken row.
constexpr int kMinTicks = 6;
// A sub-harmonic this strong means the peak was a harmonic.
constexpr double kSubHarmonic = 0.35;

struct Peak
{
    double fx = 0, fy = 0; // cycles per pixel of the coarse picture
    double magnitude = 0;
};

ScaleFit failed(const QString &why)
{
    ScaleFit f;
    f.failure = QStringLiteral("No scale found: ") + why;
    return f;
}

// Magnitude spectrum with helpers to read it at any frequency.
struct Spectrum
{
    cv::Mat mag; // CV_32F, rows x cols, unshifted
    int rows = 0, cols = 0;
    std::vector<double> ringMean;
    double ringStep = 0;

    double at(int i, int j) const
    {
        i = ((i % rows) + rows) % rows;
        j = ((j % cols) + cols) % cols;
        return mag.at<float>(i, j);
    }
    double binX(double fx) const { return fx * cols; }
    double binY(double fy) const { return fy * rows; }
    // Bilinear, at a frequency.
    double sample(double fx, double fy) const
    {
        const double x = binX(fx), y = binY(fy);
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double ax = x - x0, ay = y - y0;
        return (1 - ay) * ((1 - ax) * at(y0, x0) + ax * at(y0, x0 + 1))
               + ay * ((1 - ax) * at(y0 + 1, x0) + ax * at(y0 + 1, x0 + 1));
    }
    // The largest bin around a frequency (radius in bins).
    double maxNear(double fx, double fy, int radius, int *bi = nullptr, int *bj = nullptr) const
    {
        const int cx = int(std::lround(binX(fx))), cy = int(std::lround(binY(fy)));
        double best = -1;
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx) {
                const double v = at(cy + dy, cx + dx);
                if (v > best) {
                    best = v;
                    if (bi)
                        *bi = cy + dy;
                    if (bj)
                        *bj = cx + dx;
                }
            }
        return best;
    }
    double radius(double fx, double fy) const { return std::hypot(fx, fy); }
    double ring(double fx, double fy) const
    {
        const size_t r = size_t(radius(fx, fy) / ringStep);
        return r < ringMean.size() ? ringMean[r] : 0.0;
    }
    // Sub-bin peak by a parabola through log magnitudes in x and in y.
    Peak refine(int i, int j) const
    {
        auto offset = [](double l, double c, double r) {
            l = std::log(l + 1e-9), c = std::log(c + 1e-9), r = std::log(r + 1e-9);
            const double d = l - 2 * c + r;
            return d < 0 ? qBound(-0.5, 0.5 * (l - r) / d, 0.5) : 0.0;
        };
        const double dx = offset(at(i, j - 1), at(i, j), at(i, j + 1));
        const double dy = offset(at(i - 1, j), at(i, j), at(i + 1, j));
        const int ii = i > rows / 2 ? i - rows : i;
        const int jj = j > cols / 2 ? j - cols : j;
        Peak p;
        p.fx = (jj + dx) / cols;
        p.fy = (ii + dy) / rows;
        p.magnitude = at(i, j);
        return p;
    }
};

Spectrum spectrumOf(const cv::Mat &highPassed)
{
    cv::Mat windowed;
    cv::Mat hann;
    cv::createHanningWindow(hann, highPassed.size(), CV_32F);
    cv::multiply(highPassed, hann, windowed);
    const int rows = cv::getOptimalDFTSize(windowed.rows);
    const int cols = cv::getOptimalDFTSize(windowed.cols);
    cv::Mat padded;
    cv::copyMakeBorder(windowed, padded, 0, rows - windowed.rows, 0, cols - windowed.cols, cv::BORDER_CONSTANT, 0);
    cv::Mat complex;
    cv::dft(padded, complex, cv::DFT_COMPLEX_OUTPUT);
    cv::Mat planes[2];
    cv::split(complex, planes);
    Spectrum s;
    cv::magnitude(planes[0], planes[1], s.mag);
    s.rows = rows;
    s.cols = cols;
    // Median magnitude per ring of frequency, over the upper half plane
    // (every other bin): the median ignores the ridges of straight edges.
    const int rings = 256;
    s.ringStep = 0.75 / rings;
    std::vector<std::vector<float>> values(rings);
    for (int i = 0; i <= rows / 2; i += 2) {
        const double fy = double(i) / rows;
        const float *row = s.mag.ptr<float>(i);
        for (int j = 0; j < cols; j += 2) {
            const double fx = double(j > cols / 2 ? j - cols : j) / cols;
            const size_t r = size_t(std::hypot(fx, fy) / s.ringStep);
            if (r < values.size())
                values[r].push_back(row[j]);
        }
    }
    s.ringMean.resize(rings);
    for (int r = 0; r < rings; ++r) {
        std::vector<float> &v = values[r];
        if (v.empty()) {
            s.ringMean[r] = 0.0;
            continue;
        }
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        s.ringMean[r] = v[v.size() / 2];
    }
    return s;
}

// The fundamental of the strongest periodic pattern, or nothing.
bool strongestComb(const Spectrum &s, double minFreq, double maxFreq, Peak *out)
{
    struct Candidate
    {
        int i, j;
        double m;
    };
    std::vector<Candidate> candidates;
    for (int i = 0; i <= s.rows / 2; ++i) {
        const double fy = double(i) / s.rows;
        for (int j = 0; j < s.cols; ++j) {
            const double fx = double(j > s.cols / 2 ? j - s.cols : j) / s.cols;
            if (i == 0 && fx <= 0)
                continue;
            const double r = std::hypot(fx, fy);
            if (r < minFreq || r > maxFreq)
                continue;
            const double m = s.mag.at<float>(i, j);
            const double ring = s.ring(fx, fy);
            if (ring <= 0 || m < kMinPeakRatio * ring)
                continue;
            bool isMax = true;
            for (int dy = -1; dy <= 1 && isMax; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((dx || dy) && s.at(i + dy, j + dx) > m) {
                        isMax = false;
                        break;
                    }
            if (isMax)
                candidates.push_back({i, j, m});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) { return a.m > b.m; });
    for (const Candidate &c : candidates) {
        Peak p = s.refine(c.i, c.j);
        // A comb's peak stands alone along its radius; a straight edge (the
        // scale's own line, a border) makes a ridge through the origin.
        const double bins = std::hypot(s.binX(p.fx), s.binY(p.fy));
        const double step = std::max(0.2, 3.0 / bins);
        const double side = std::max(s.sample(p.fx * (1 - step), p.fy * (1 - step)),
                                     s.sample(p.fx * (1 + step), p.fy * (1 + step)));
        if (side > 0.5 * p.magnitude)
            continue;
        // The peak may be a harmonic: the fundamental is then present too.
        for (int round = 0; round < 4; ++round) {
            bool lowered = false;
            for (int div : {2, 3}) {
                const double fx = p.fx / div, fy = p.fy / div;
                if (std::hypot(fx, fy) < minFreq)
                    continue;
                int bi = 0, bj = 0;
                const double m = s.maxNear(fx, fy, 1, &bi, &bj);
                // It must stand alone along its radius too: the longer ticks
                // every 5th or 10th division put a comb of their own there.
                const double subSide = std::max(s.maxNear(fx * 0.8, fy * 0.8, 1), s.maxNear(fx * 1.2, fy * 1.2, 1));
                if (m > kSubHarmonic * p.magnitude && m > kMinPeakRatio * 0.5 * s.ring(fx, fy) && subSide < 0.5 * m) {
                    Peak q = s.refine(((bi % s.rows) + s.rows) % s.rows, ((bj % s.cols) + s.cols) % s.cols);
                    // Keep the upper half plane's sign.
                    if (q.fy < 0 || (q.fy == 0 && q.fx < 0)) {
                        q.fx = -q.fx;
                        q.fy = -q.fy;
                    }
                    p = q;
                    lowered = true;
                    break;
                }
            }
            if (!lowered)
                break;
        }
        // The longer ticks alone (every 5th, 10th division) were found when a
        // harmonic stands out of the smooth fall of the others: the finer
        // ticks add to it.
        const double base = s.maxNear(p.fx, p.fy, 1);
        for (int m = 10; m >= 2; --m) {
            const double fx = p.fx * m, fy = p.fy * m;
            if (std::hypot(fx, fy) > maxFreq)
                continue;
            int bi = 0, bj = 0;
            const double h = s.maxNear(fx, fy, 1, &bi, &bj);
            const double below = s.maxNear(p.fx * (m - 1), p.fy * (m - 1), 1);
            const double above = std::hypot(p.fx * (m + 1), p.fy * (m + 1)) > 0.5
                                     ? 0.0
                                     : s.maxNear(p.fx * (m + 1), p.fy * (m + 1), 1);
            if (h > 1.3 * std::max(below, above) && h > 0.1 * base && h > kMinPeakRatio * s.ring(fx, fy)) {
                Peak q = s.refine(((bi % s.rows) + s.rows) % s.rows, ((bj % s.cols) + s.cols) % s.cols);
                if (q.fy < 0 || (q.fy == 0 && q.fx < 0)) {
                    q.fx = -q.fx;
                    q.fy = -q.fy;
                }
                p = q;
                break;
            }
        }
        *out = p;
        return true;
    }
    return false;
}

// Bilinear read of an 8-bit picture; false outside.
inline bool pixel(const cv::Mat &g, double x, double y, double *v)
{
    if (x < 0 || y < 0 || x > g.cols - 1 || y > g.rows - 1)
        return false;
    const int x0 = std::min(int(x), g.cols - 2), y0 = std::min(int(y), g.rows - 2);
    const double ax = x - x0, ay = y - y0;
    const uchar *r0 = g.ptr<uchar>(y0) + x0;
    const uchar *r1 = g.ptr<uchar>(y0 + 1) + x0;
    *v = (1 - ay) * ((1 - ax) * r0[0] + ax * r0[1]) + ay * ((1 - ax) * r1[0] + ax * r1[1]);
    return true;
}

struct Line
{
    double a = 0, b = 0, rms = 0, bError = 0;
};

Line fitLine(const std::vector<int> &n, const std::vector<double> &t)
{
    Line l;
    const size_t k = n.size();
    double mn = 0, mt = 0;
    for (size_t i = 0; i < k; ++i) {
        mn += n[i];
        mt += t[i];
    }
    mn /= k;
    mt /= k;
    double snn = 0, snt = 0;
    for (size_t i = 0; i < k; ++i) {
        snn += (n[i] - mn) * (n[i] - mn);
        snt += (n[i] - mn) * (t[i] - mt);
    }
    l.b = snt / snn;
    l.a = mt - l.b * mn;
    double ss = 0;
    for (size_t i = 0; i < k; ++i) {
        const double r = t[i] - (l.a + l.b * n[i]);
        ss += r * r;
    }
    l.rms = k > 2 ? std::sqrt(ss / (k - 2)) : 0.0;
    l.bError = l.rms / std::sqrt(snn);
    return l;
}

// The profile across the scale and what is found on it.
struct Profile
{
    double t0 = 0;         // t of sample 0
    double h = 1;          // spacing of samples
    std::vector<double> v; // ticks positive; NaN outside the picture

    double tAt(int i) const { return t0 + i * h; }
    int index(double t) const { return int(std::lround((t - t0) / h)); }
    bool valid(int i) const { return i >= 0 && i < int(v.size()) && !std::isnan(v[i]); }
};

struct Tick
{
    int n;
    double centre;
    double contrast;
    bool sure;
};

// Where a tick is, from its rising and falling edge (sub-sample by parabola).
bool locateTick(const Profile &p, double predicted, double pitch, double *centre, double *contrast)
{
    const int lo = p.index(predicted - pitch / 2), hi = p.index(predicted + pitch / 2);
    if (!p.valid(lo - 1) || !p.valid(hi + 1) || hi - lo < 4)
        return false;
    int peak = lo;
    double vmin = p.v[lo];
    for (int i = lo; i <= hi; ++i) {
        if (p.v[i] > p.v[peak])
            peak = i;
        vmin = std::min(vmin, p.v[i]);
    }
    *contrast = p.v[peak] - vmin;
    auto slope = [&](int i) { return p.v[i + 1] - p.v[i - 1]; };
    int rise = -1, fall = -1;
    for (int i = lo; i <= peak; ++i)
        if (rise < 0 || slope(i) > slope(rise))
            rise = i;
    for (int i = peak; i <= hi; ++i)
        if (fall < 0 || slope(i) < slope(fall))
            fall = i;
    auto sub = [&](int i) {
        if (i <= lo || i >= hi)
            return double(i);
        const double l = slope(i - 1), c = slope(i), r = slope(i + 1);
        const double d = l - 2 * c + r;
        return d != 0 ? i + qBound(-0.5, 0.5 * (l - r) / d, 0.5) : double(i);
    };
    if (rise < 0 || fall < 0 || slope(rise) <= 0 || slope(fall) >= 0)
        return false;
    *centre = p.tAt(0) + 0.5 * (sub(rise) + sub(fall)) * p.h;
    return true;
}

std::complex<double> dtft(const Profile &p, double f)
{
    const double w = -2 * kPi * f * p.h;
    const std::complex<double> step(std::cos(w), std::sin(w));
    std::complex<double> rot = std::polar(1.0, -2 * kPi * f * p.t0);
    std::complex<double> sum = 0;
    for (double v : p.v) {
        if (!std::isnan(v))
            sum += v * rot;
        rot *= step;
    }
    return sum;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

} // namespace

ScaleFit findScale(const QImage &picture)
{
    const cv::Mat gray = toGray8(picture);
    if (gray.empty())
        return failed(QStringLiteral("the picture is empty"));
    return findScale(gray);
}

ScaleFit findScale(const cv::Mat &gray)
{
    if (gray.empty() || gray.type() != CV_8UC1)
        return failed(QStringLiteral("the picture is empty"));
    if (gray.cols < 64 || gray.rows < 16)
        return failed(QStringLiteral("the picture is too small"));

    // ---- coarse: direction and pitch from the spectrum of a small copy
    const double shrink = std::max(1.0, double(std::max(gray.cols, gray.rows)) / kCoarseSide);
    cv::Mat small;
    if (shrink > 1.0)
        cv::resize(gray, small,
                   cv::Size(std::max(1, int(std::lround(gray.cols / shrink))),
                            std::max(1, int(std::lround(gray.rows / shrink)))),
                   0, 0, cv::INTER_AREA);
    else
        small = gray;
    cv::Mat smallF, background, highPassed;
    small.convertTo(smallF, CV_32F);
    // Uneven lighting and large objects go; ticks stay.
    cv::blur(smallF, background, cv::Size(63, 63), cv::Point(-1, -1), cv::BORDER_REFLECT);
    cv::subtract(smallF, background, highPassed);
    const Spectrum spectrum = spectrumOf(highPassed);
    const double minFreq = 6.0 / std::min(small.cols, small.rows);
    Peak peak;
    if (!strongestComb(spectrum, minFreq, 0.42, &peak))
        return failed(QStringLiteral("no periodic tick pattern"));
    const double sx = double(gray.cols) / small.cols, sy = double(gray.rows) / small.rows;
    double fx = peak.fx / sx, fy = peak.fy / sy;
    double pitch = 1.0 / std::hypot(fx, fy);
    // Scale axis (along which the ticks repeat) and the normal (along the ticks).
    double ux = fx * pitch, uy = fy * pitch;
    if (ux < 0 || (ux == 0 && uy < 0)) {
        ux = -ux;
        uy = -uy;
    }
    double nx = -uy, ny = ux;

    // ---- where the ticks are: the pattern's local strength, by demodulation
    const double sfx = peak.fx, sfy = peak.fy; // in the small picture
    std::vector<float> cosX(small.cols), sinX(small.cols);
    for (int x = 0; x < small.cols; ++x) {
        cosX[x] = float(std::cos(2 * kPi * sfx * x));
        sinX[x] = float(std::sin(2 * kPi * sfx * x));
    }
    cv::Mat re(small.size(), CV_32F), im(small.size(), CV_32F);
    for (int y = 0; y < small.rows; ++y) {
        const float cy = float(std::cos(2 * kPi * sfy * y)), sy_ = float(std::sin(2 * kPi * sfy * y));
        const float *src = highPassed.ptr<float>(y);
        float *r = re.ptr<float>(y), *i = im.ptr<float>(y);
        for (int x = 0; x < small.cols; ++x) {
            const float c = cosX[x] * cy - sinX[x] * sy_;
            const float s = sinX[x] * cy + cosX[x] * sy_;
            r[x] = src[x] * c;
            i[x] = src[x] * s;
        }
    }
    const double smallPitch = 1.0 / std::hypot(sfx, sfy);
    const int box = std::max(3, int(std::lround(2 * smallPitch)) | 1);
    cv::blur(re, re, cv::Size(box, box));
    cv::blur(im, im, cv::Size(box, box));
    cv::Mat strength;
    cv::magnitude(re, im, strength);

    // Small-picture axis (the shrink is nearly the same both ways).
    const double sux = ux, suy = uy, snx = nx, sny = ny;
    const double diag = std::hypot(small.cols, small.rows);
    const int vbins = int(2 * diag) + 2;
    std::vector<double> across(vbins, 0.0);
    for (int y = 0; y < small.rows; ++y) {
        const float *s = strength.ptr<float>(y);
        for (int x = 0; x < small.cols; ++x)
            across[size_t(int(std::lround(snx * x + sny * y + diag)))] += s[x];
    }
    const int vPeak = int(std::max_element(across.begin(), across.end()) - across.begin());
    int v0 = vPeak, v1 = vPeak;
    while (v0 > 0 && across[v0 - 1] > 0.5 * across[vPeak])
        --v0;
    while (v1 + 1 < vbins && across[v1 + 1] > 0.5 * across[vPeak])
        ++v1;
    std::vector<double> along(vbins, 0.0);
    std::vector<int> alongCount(vbins, 0);
    for (int y = 0; y < small.rows; ++y) {
        const float *s = strength.ptr<float>(y);
        for (int x = 0; x < small.cols; ++x) {
            const int v = int(std::lround(snx * x + sny * y + diag));
            if (v < v0 || v > v1)
                continue;
            const size_t u = size_t(std::lround(sux * x + suy * y + diag));
            along[u] += s[x];
            ++alongCount[u];
        }
    }
    for (int u = 0; u < vbins; ++u)
        along[u] = alongCount[u] ? along[u] / alongCount[u] : 0.0;
    // Smoothed over a few pitches so single gaps do not split the row.
    std::vector<double> smooth(vbins, 0.0);
    const int reach = std::max(1, int(2 * smallPitch));
    for (int u = 0; u < vbins; ++u) {
        double sum = 0;
        int k = 0;
        for (int d = -reach; d <= reach; ++d)
            if (u + d >= 0 && u + d < vbins && alongCount[u + d]) {
                sum += along[u + d];
                ++k;
            }
        smooth[u] = k ? sum / k : 0.0;
    }
    const int uPeak = int(std::max_element(smooth.begin(), smooth.end()) - smooth.begin());
    int u0 = uPeak, u1 = uPeak;
    while (u0 > 0 && smooth[u0 - 1] > 0.25 * smooth[uPeak])
        --u0;
    while (u1 + 1 < vbins && smooth[u1 + 1] > 0.25 * smooth[uPeak])
        ++u1;

    // The row's middle in the full picture.
    const double uMid = 0.5 * (u0 + u1) - diag, vMid = 0.5 * (v0 + v1) - diag;
    const double mxSmall = uMid * sux + vMid * snx, mySmall = uMid * suy + vMid * sny;
    double ox = (mxSmall + 0.5) * sx - 0.5, oy = (mySmall + 0.5) * sy - 0.5;
    const double shrinkMean = 0.5 * (sx + sy);
    const double halfLength = 0.5 * (u1 - u0) * shrinkMean + 3 * pitch;
    double halfBand = std::max(2.0, 0.5 * (v1 - v0) * shrinkMean);

    // ---- lines along the row at full resolution: the pattern's strength
    // across them says where the row lies, and its drift along the row turns
    // the axis true (the spectrum's peak is broad across short ticks)
    Profile prof;
    prof.h = std::min(1.0, pitch / 12.0);
    prof.t0 = -halfLength;
    const int samples = int(2 * halfLength / prof.h) + 1;
    auto sampleLine = [&](double w, std::vector<double> *out) {
        const double bx = ox + w * nx, by = oy + w * ny;
        out->assign(samples, NAN);
        for (int i = 0; i < samples; ++i) {
            const double t = prof.t0 + i * prof.h;
            double v;
            if (pixel(gray, bx + t * ux, by + t * uy, &v))
                (*out)[i] = v;
        }
    };
    // The pattern's strength on a line, piece by piece along it.
    const int pieces = qBound(2, int(2 * halfLength / (8 * pitch)), 12);
    auto strengths = [&](const std::vector<double> &line, std::vector<double> *out) {
        out->assign(pieces, 0.0);
        std::vector<std::complex<double>> sums(pieces, 0.0);
        std::vector<double> means(pieces, 0.0);
        std::vector<int> counts(pieces, 0);
        for (int i = 0; i < samples; ++i)
            if (!std::isnan(line[i])) {
                const int piece = std::min(pieces - 1, i * pieces / samples);
                means[piece] += line[i];
                ++counts[piece];
            }
        for (int k = 0; k < pieces; ++k)
            means[k] = counts[k] ? means[k] / counts[k] : 0.0;
        const double w = -2 * kPi / pitch * prof.h;
        const std::complex<double> step(std::cos(w), std::sin(w));
        std::complex<double> rot = 1.0;
        for (int i = 0; i < samples; ++i) {
            if (!std::isnan(line[i])) {
                const int piece = std::min(pieces - 1, i * pieces / samples);
                sums[piece] += (line[i] - means[piece]) * rot;
            }
            rot *= step;
        }
        for (int k = 0; k < pieces; ++k)
            (*out)[k] = counts[k] > samples / pieces / 2 ? std::abs(sums[k]) / counts[k] : 0.0;
    };
    // Where across a strength profile the row is: its span above half the
    // peak, and the middle of that span weighted by strength.
    auto rowAcross = [](const std::vector<double> &v, int *a, int *b) {
        const int peak = int(std::max_element(v.begin(), v.end()) - v.begin());
        *a = *b = peak;
        while (*a > 0 && v[*a - 1] > 0.5 * v[peak])
            --*a;
        while (*b + 1 < int(v.size()) && v[*b + 1] > 0.5 * v[peak])
            ++*b;
        double sw = 0, swx = 0;
        for (int k = *a; k <= *b; ++k) {
            sw += v[k];
            swx += v[k] * k;
        }
        return sw > 0 ? swx / sw : double(peak);
    };
    double wLo = -halfBand, wHi = halfBand;
    for (int round = 0; round < 4; ++round) {
        const double reachAcross = 1.5 * halfBand + 2 * pitch;
        const int count = std::min(96, 2 * int(reachAcross) + 1);
        const double step = 2 * reachAcross / (count - 1);
        std::vector<std::vector<double>> byPiece(pieces, std::vector<double>(count, 0.0));
        std::vector<double> whole(count, 0.0);
        std::vector<double> line, piece;
        for (int k = 0; k < count; ++k) {
            sampleLine(-reachAcross + k * step, &line);
            strengths(line, &piece);
            for (int j = 0; j < pieces; ++j) {
                byPiece[j][k] = piece[j];
                whole[k] += piece[j];
            }
        }
        int a = 0, b = 0;
        rowAcross(whole, &a, &b);
        const double peakWhole = *std::max_element(whole.begin(), whole.end());
        if (peakWhole <= 0)
            return failed(QStringLiteral("the scale has no contrast"));
        // The row's middle, piece by piece: its drift across is the tilt.
        double strongestPiece = 0;
        for (const auto &v : byPiece)
            strongestPiece = std::max(strongestPiece, *std::max_element(v.begin(), v.end()));
        double sw = 0, swx = 0, swy = 0, swxx = 0, swxy = 0;
        for (int j = 0; j < pieces; ++j) {
            const double top = *std::max_element(byPiece[j].begin(), byPiece[j].end());
            if (top < 0.3 * strongestPiece)
                continue;
            int pa = 0, pb = 0;
            const double mid = -reachAcross + rowAcross(byPiece[j], &pa, &pb) * step;
            const double t = prof.t0 + (j + 0.5) * (samples * prof.h) / pieces;
            sw += top;
            swx += top * t;
            swy += top * mid;
            swxx += top * t * t;
            swxy += top * t * mid;
        }
        const double denom = sw * swxx - swx * swx;
        const double slope = denom > 1e-12 * sw * sw ? (sw * swxy - swx * swy) / denom : 0.0;
        const double tilt = std::atan(slope);
        const double wMid = -reachAcross + 0.5 * (a + b) * step;
        wLo = -reachAcross + a * step - wMid;
        wHi = -reachAcross + b * step - wMid;
        // The new origin: on the row's middle where the old one was along it.
        ox += wMid * nx;
        oy += wMid * ny;
        halfBand = std::max(2.0, 0.5 * (wHi - wLo));
        const double nux = ux + slope * nx, nuy = uy + slope * ny;
        const double norm = std::hypot(nux, nuy);
        ux = nux / norm;
        uy = nuy / norm;
        nx = -uy;
        ny = ux;
        if (std::abs(tilt) < 1e-4)
            break;
    }

    // ---- the profile: the lines of the row averaged
    const int lines = std::min(64, std::max(1, int(wHi - wLo) + 1));
    const double lineStep = lines > 1 ? (wHi - wLo) / (lines - 1) : 0.0;
    std::vector<double> raw(samples, 0.0);
    std::vector<int> counts(samples, 0);
    {
        std::vector<double> line;
        for (int k = 0; k < lines; ++k) {
            sampleLine(wLo + k * lineStep, &line);
            for (int i = 0; i < samples; ++i)
                if (!std::isnan(line[i])) {
                    raw[i] += line[i];
                    ++counts[i];
                }
        }
    }
    // A sample is used only where the whole row across was inside.
    prof.v.assign(samples, NAN);
    for (int i = 0; i < samples; ++i)
        if (counts[i] == lines)
            prof.v[i] = raw[i] / lines;
    // Minus its average over one pitch: lighting goes, ticks stay.
    {
        const int win = std::max(1, int(std::lround(pitch / prof.h)));
        std::vector<double> out(samples, NAN);
        std::vector<double> prefix(samples + 1, 0.0);
        std::vector<int> bad(samples + 1, 0);
        for (int i = 0; i < samples; ++i) {
            prefix[i + 1] = prefix[i] + (std::isnan(prof.v[i]) ? 0.0 : prof.v[i]);
            bad[i + 1] = bad[i] + (std::isnan(prof.v[i]) ? 1 : 0);
        }
        double skew3 = 0, skew2 = 0;
        for (int i = win / 2; i + (win - win / 2) < samples; ++i) {
            const int a = i - win / 2, b = a + win;
            if (std::isnan(prof.v[i]) || bad[b] - bad[a])
                continue;
            out[i] = (prefix[b] - prefix[a]) / win - prof.v[i];
            skew2 += out[i] * out[i];
            skew3 += out[i] * out[i] * out[i];
        }
        // Dark ticks on a bright field give a positive tail; bright ticks
        // (dark field) a negative one.
        if (skew3 < 0)
            for (double &v : out)
                v = -v;
        if (skew2 <= 0)
            return failed(QStringLiteral("the scale has no contrast"));
        prof.v = std::move(out);
    }

    // ---- the pitch from the profile's spectrum
    {
        double f0 = 1.0 / pitch, best = f0, bestPower = -1;
        const int steps = 200;
        const double span = 0.06;
        for (int k = 0; k <= steps; ++k) {
            const double f = f0 * (1 - span + 2 * span * k / steps);
            const double power = std::norm(dtft(prof, f));
            if (power > bestPower) {
                bestPower = power;
                best = f;
            }
        }
        double lo = best - f0 * 2 * span / steps, hi = best + f0 * 2 * span / steps;
        const double g = 0.5 * (std::sqrt(5.0) - 1);
        double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        double pa = std::norm(dtft(prof, a)), pb = std::norm(dtft(prof, b));
        for (int k = 0; k < 40; ++k) {
            if (pa > pb) {
                hi = b;
                b = a;
                pb = pa;
                a = hi - g * (hi - lo);
                pa = std::norm(dtft(prof, a));
            } else {
                lo = a;
                a = b;
                pa = pb;
                b = lo + g * (hi - lo);
                pb = std::norm(dtft(prof, b));
            }
        }
        pitch = 2.0 / (lo + hi);
    }

    // ---- every tick by its edges, then a line through their positions
    std::vector<Tick> ticks;
    Line line;
    int firstN = 0, lastN = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::complex<double> c = dtft(prof, 1.0 / pitch);
        const double origin = -std::arg(c) / (2 * kPi) * pitch; // a tick's t
        ticks.clear();
        const int nLo = int(std::ceil((prof.t0 - origin) / pitch));
        const int nHi = int(std::floor((prof.tAt(samples - 1) - origin) / pitch));
        std::vector<double> contrasts;
        for (int n = nLo; n <= nHi; ++n) {
            Tick tick{n, 0, 0, false};
            const double predicted = origin + n * pitch;
            if (!locateTick(prof, predicted, pitch, &tick.centre, &tick.contrast))
                continue;
            tick.sure = std::abs(tick.centre - predicted) < pitch / 4;
            ticks.push_back(tick);
            contrasts.push_back(tick.contrast);
        }
        if (int(ticks.size()) < kMinTicks)
            return failed(QStringLiteral("too few ticks"));
        // Sure: as clear as the scale's typical tick.
        std::vector<double> top = contrasts;
        std::sort(top.begin(), top.end());
        const double typical = top[top.size() * 3 / 4];
        for (Tick &t : ticks)
            t.sure = t.sure && t.contrast >= 0.4 * typical;
        // The longest unbroken run of sure ticks.
        int bestStart = -1, bestLen = 0;
        for (size_t i = 0; i < ticks.size();) {
            if (!ticks[i].sure) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j + 1 < ticks.size() && ticks[j + 1].sure && ticks[j + 1].n == ticks[j].n + 1)
                ++j;
            if (int(j - i + 1) > bestLen) {
                bestLen = int(j - i + 1);
                bestStart = int(i);
            }
            i = j + 1;
        }
        if (bestLen < kMinTicks)
            return failed(QStringLiteral("no unbroken row of ticks"));
        std::vector<Tick> run(ticks.begin() + bestStart, ticks.begin() + bestStart + bestLen);
        std::vector<int> ns;
        std::vector<double> ts;
        for (const Tick &t : run) {
            ns.push_back(t.n);
            ts.push_back(t.centre);
        }
        line = fitLine(ns, ts);
        // A speck on one tick must not bend the line.
        std::vector<int> keptN;
        std::vector<double> keptT;
        const double limit = std::max(3 * line.rms, 0.02 * pitch);
        for (size_t i = 0; i < ns.size(); ++i)
            if (std::abs(ts[i] - (line.a + line.b * ns[i])) <= limit) {
                keptN.push_back(ns[i]);
                keptT.push_back(ts[i]);
            }
        if (int(keptN.size()) >= kMinTicks && keptN.size() < ns.size())
            line = fitLine(keptN, keptT);
        pitch = line.b;
        firstN = run.front().n;
        lastN = run.back().n;

        // Ticks between the ticks (a multiple of the true pitch was found):
        // the profile folded over one pitch shows a bump at every j/m.
        {
            constexpr int bins = 60;
            std::vector<double> fold(bins, 0.0);
            std::vector<int> foldCount(bins, 0);
            const double from = line.a + line.b * firstN, to = line.a + line.b * lastN;
            for (int i = prof.index(from); i <= prof.index(to); ++i) {
                if (!prof.valid(i))
                    continue;
                double phase = std::fmod((prof.tAt(i) - from) / pitch, 1.0);
                if (phase < 0)
                    phase += 1;
                const int bin = std::min(bins - 1, int(phase * bins));
                fold[bin] += prof.v[i];
                ++foldCount[bin];
            }
            for (int k = 0; k < bins; ++k)
                fold[k] = foldCount[k] ? fold[k] / foldCount[k] : NAN;
            // Samples a whole pitch apart land in the same few bins: the
            // empty ones between are interpolated.
            {
                const std::vector<double> filled = fold;
                for (int k = 0; k < bins; ++k) {
                    if (!std::isnan(filled[k]))
                        continue;
                    int l = 1, r = 1;
                    while (l < bins && std::isnan(filled[((k - l) % bins + bins) % bins]))
                        ++l;
                    while (r < bins && std::isnan(filled[(k + r) % bins]))
                        ++r;
                    if (l >= bins)
                        break;
                    const double vl = filled[((k - l) % bins + bins) % bins], vr = filled[(k + r) % bins];
                    fold[k] = vl + (vr - vl) * l / double(l + r);
                }
            }
            const auto [mn, mx] = std::minmax_element(fold.begin(), fold.end());
            const double contrast = *mx - *mn;
            auto extreme = [&](double c, double half, bool max) {
                double best = max ? -1e300 : 1e300;
                for (int k = int(std::floor((c - half) * bins)); k <= int(std::ceil((c + half) * bins)); ++k) {
                    const double v = fold[((k % bins) + bins) % bins];
                    best = max ? std::max(best, v) : std::min(best, v);
                }
                return best;
            };
            int finer = 1;
            for (int m = 2; m <= 5 && contrast > 0; ++m) {
                double weakest = 1e300;
                for (int j = 1; j < m; ++j) {
                    const double c = double(j) / m;
                    // A bump stands above the ground on both sides; a slope does not.
                    const double peak = extreme(c, 0.2 / m, true);
                    const double left = extreme(c - 0.35 / m, 0.15 / m, false);
                    const double right = extreme(c + 0.35 / m, 0.15 / m, false);
                    weakest = std::min(weakest, peak - std::max(left, right));
                }
                if (weakest > 0.2 * contrast)
                    finer = m;
            }
            if (finer > 1) {
                pitch /= finer;
                continue;
            }
        }
        if (line.rms > 0.1 * pitch)
            return failed(QStringLiteral("the ticks are not evenly spaced"));
        ScaleFit fit;
        fit.found = true;
        fit.pitch = line.b;
        fit.pitchError = line.bError;
        fit.divisions = lastN - firstN;
        fit.ticks = int(run.size());
        const double tFirst = line.a + line.b * firstN, tLast = line.a + line.b * lastN;
        fit.first = QPointF(ox + tFirst * ux, oy + tFirst * uy);
        fit.last = QPointF(ox + tLast * ux, oy + tLast * uy);
        fit.angle = std::atan2(uy, ux) * 180.0 / kPi;
        return fit;
    }
    return failed(QStringLiteral("the pitch is ambiguous"));
}

} // namespace imaging
