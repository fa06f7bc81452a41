#include "imaging/framealigner.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <complex>

namespace imaging {

// ------------------------------------------------------------ Similarity

Similarity Similarity::about(QPointF centre, double scale, double angle, QPointF shift)
{
    Similarity s;
    s.a = scale * std::cos(angle);
    s.b = scale * std::sin(angle);
    // centre stays put, then everything moves by shift.
    s.tx = centre.x() - (s.a * centre.x() - s.b * centre.y()) + shift.x();
    s.ty = centre.y() - (s.b * centre.x() + s.a * centre.y()) + shift.y();
    return s;
}

double Similarity::scale() const { return std::hypot(a, b); }
double Similarity::angle() const { return std::atan2(b, a); }

QPointF Similarity::map(QPointF p) const { return QPointF(a * p.x() - b * p.y() + tx, b * p.x() + a * p.y() + ty); }

double Similarity::maxMotion(QSize size) const
{
    // The motion is affine, so it is largest at a corner.
    double worst = 0.0;
    for (const QPointF &p :
         {QPointF(0, 0), QPointF(size.width(), 0), QPointF(0, size.height()), QPointF(size.width(), size.height())}) {
        const QPointF q = map(p);
        worst = std::max(worst, std::hypot(q.x() - p.x(), q.y() - p.y()));
    }
    return worst;
}

cv::Matx23d Similarity::matrix() const { return cv::Matx23d(a, -b, tx, b, a, ty); }

double farthestChange(const Similarity &s, const Similarity &t, QSize size)
{
    double worst = 0.0;
    for (const QPointF &p :
         {QPointF(0, 0), QPointF(size.width(), 0), QPointF(0, size.height()), QPointF(size.width(), size.height())}) {
        const QPointF d = s.map(p) - t.map(p);
        worst = std::max(worst, std::hypot(d.x(), d.y()));
    }
    return worst;
}

// The similarity at a level reduced by 2^shift (pyrDown keeps pixel i of
// the reduced picture on pixel 2i of the full one).
Similarity atLevel(const Similarity &s, int shift)
{
    const double f = 1.0 / double(1 << shift);
    return {s.a, s.b, s.tx * f, s.ty * f};
}

namespace {

// Mean squared Laplacian: how much fine detail a patch holds.
double sharpness(const cv::Mat &patch)
{
    cv::Mat lap;
    cv::Laplacian(patch, lap, CV_32F);
    return cv::mean(lap.mul(lap))[0];
}

} // namespace

// ------------------------------------------------------------ FrameAligner

struct FrameAligner::Level
{
    int shift = 0;
    int patch = 128;
    QSize size;
    cv::Mat window;
    struct Patch
    {
        cv::Point2d centre; // reference pixels at this level
        cv::Mat spectrum;   // of the windowed patch, complex
        double energy = -1.0;
        bool usable = false;
    };
    std::vector<Patch> patches;

    // The frame's pixels that land on the patch around centre.
    cv::Mat sample(const cv::Mat &grey, const Similarity &motion, cv::Point2d centre) const
    {
        const Similarity m = atLevel(motion, shift);
        const double ox = centre.x - patch / 2.0;
        const double oy = centre.y - patch / 2.0;
        const cv::Matx23d map(m.a, -m.b, m.a * ox - m.b * oy + m.tx, m.b, m.a, m.b * ox + m.a * oy + m.ty);
        cv::Mat out;
        // A frame that has not moved (the common case) needs no resampling.
        const cv::Rect whole(int(map(0, 2)), int(map(1, 2)), patch, patch);
        if (map(0, 0) == 1.0 && map(0, 1) == 0.0 && map(1, 0) == 0.0 && map(1, 1) == 1.0 && whole.x == map(0, 2)
            && whole.y == map(1, 2) && (whole & cv::Rect(0, 0, grey.cols, grey.rows)) == whole) {
            grey(whole).convertTo(out, CV_32F);
            return out;
        }
        cv::warpAffine(grey, out, map, cv::Size(patch, patch), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                       cv::BORDER_REPLICATE);
        if (out.depth() != CV_32F)
            out.convertTo(out, CV_32F);
        return out;
    }

    cv::Mat spectrumOf(const cv::Mat &samplePatch) const
    {
        cv::Mat windowed = samplePatch.mul(window);
        windowed -= cv::mean(windowed)[0] * window / cv::mean(window)[0];
        cv::Mat spectrum;
        cv::dft(windowed, spectrum, cv::DFT_COMPLEX_OUTPUT);
        return spectrum;
    }

    // One round of matching every step-th usable patch of the frame taken
    // with current: the motion fitted to them, false when none matched.
    bool refine(const cv::Mat &source, const Similarity &current, int step, Similarity *next,
                size_t *matched = nullptr) const;
};

namespace {

// Where the frame's patch matches the reference's: the shift d with
// frame(u) = reference(u - d), and how strongly (0..1). The whole pixels come
// from the peak of the phase correlation; the fraction from a weighted fit of
// a plane to the cross spectrum's phase, which (unlike interpolating the
// peak) has no pull towards whole pixels.
bool phaseShift(const cv::Mat &reference, const cv::Mat &frame, cv::Point2d *shift, double *peak)
{
    cv::Mat cross;
    cv::mulSpectrums(frame, reference, cross, 0, true);
    cv::Mat unit(cross.size(), cross.type());
    const int n = cross.rows * cross.cols;
    const auto *c = reinterpret_cast<const cv::Vec2f *>(cross.data);
    auto *u = reinterpret_cast<cv::Vec2f *>(unit.data);
    for (int i = 0; i < n; ++i) {
        const float m = std::hypot(c[i][0], c[i][1]);
        u[i] = m > 1e-20f ? c[i] / m : cv::Vec2f(0, 0);
    }
    cv::Mat surface;
    cv::idft(unit, surface, cv::DFT_REAL_OUTPUT | cv::DFT_SCALE);
    cv::Point at;
    double top = 0.0;
    cv::minMaxLoc(surface, nullptr, &top, nullptr, &at);
    const int w = surface.cols;
    const int h = surface.rows;
    const int px = at.x > w / 2 ? at.x - w : at.x;
    const int py = at.y > h / 2 ? at.y - h : at.y;
    // The phase left after taking out the whole pixels is -2 pi (f . d) / N
    // at frequency f; low frequencies only, where it cannot wrap.
    double sxx = 0, sxy = 0, syy = 0, bx = 0, by = 0;
    // The whole-pixel turn, split into its x and y factors.
    std::vector<std::complex<float>> turnX(static_cast<size_t>(w)), turnY(static_cast<size_t>(h));
    for (int x = 0; x < w; ++x) {
        const int fx = x > w / 2 ? x - w : x;
        turnX[size_t(x)] = std::polar(1.0f, float(2.0 * CV_PI * fx * px / w));
    }
    for (int y = 0; y < h; ++y) {
        const int fy = y > h / 2 ? y - h : y;
        turnY[size_t(y)] = std::polar(1.0f, float(2.0 * CV_PI * fy * py / h));
    }
    for (int y = 0; y < h; ++y) {
        const int fy = y > h / 2 ? y - h : y;
        if (std::abs(fy) > h / 4)
            continue;
        const auto *row = cross.ptr<std::complex<float>>(y);
        const float gy = float(-2.0 * CV_PI * fy / h);
        for (int x = 0; x < w; ++x) {
            const int fx = x > w / 2 ? x - w : x;
            if (std::abs(fx) > w / 4 || (fx == 0 && fy == 0))
                continue;
            const std::complex<float> z = row[x] * turnX[size_t(x)] * turnY[size_t(y)];
            const float weight = std::sqrt(z.real() * z.real() + z.imag() * z.imag());
            if (!(weight > 0))
                continue;
            const float phase = std::atan2(z.imag(), z.real());
            const float gx = float(-2.0 * CV_PI * fx / w);
            sxx += weight * gx * gx;
            sxy += weight * gx * gy;
            syy += weight * gy * gy;
            bx += weight * gx * phase;
            by += weight * gy * phase;
        }
    }
    const double det = sxx * syy - sxy * sxy;
    if (!(det > 0) || !std::isfinite(top))
        return false;
    const double fx = (syy * bx - sxy * by) / det;
    const double fy = (sxx * by - sxy * bx) / det;
    if (std::abs(fx) > 1.0 || std::abs(fy) > 1.0)
        return false;
    *shift = cv::Point2d(px + fx, py + fy);
    *peak = top;
    return true;
}

struct Match
{
    cv::Point2d from; // reference pixel
    cv::Point2d to;   // frame pixel
    double weight;
};

// The weighted least-squares similarity taking each from to its to.
Similarity fitSimilarity(const std::vector<Match> &matches, const Similarity &fallback, bool shiftOnly)
{
    double sw = 0, fx = 0, fy = 0, tx = 0, ty = 0;
    for (const Match &m : matches) {
        sw += m.weight;
        fx += m.weight * m.from.x;
        fy += m.weight * m.from.y;
        tx += m.weight * m.to.x;
        ty += m.weight * m.to.y;
    }
    if (sw <= 0)
        return fallback;
    fx /= sw;
    fy /= sw;
    tx /= sw;
    ty /= sw;
    Similarity s = fallback;
    if (!shiftOnly) {
        double num_a = 0, num_b = 0, den = 0;
        for (const Match &m : matches) {
            const double px = m.from.x - fx, py = m.from.y - fy;
            const double qx = m.to.x - tx, qy = m.to.y - ty;
            num_a += m.weight * (px * qx + py * qy);
            num_b += m.weight * (px * qy - py * qx);
            den += m.weight * (px * px + py * py);
        }
        if (den > 0) {
            s.a = num_a / den;
            s.b = num_b / den;
        }
    }
    s.tx = tx - (s.a * fx - s.b * fy);
    s.ty = ty - (s.b * fx + s.a * fy);
    return s;
}

} // namespace

FrameAligner::FrameAligner() = default;
FrameAligner::~FrameAligner() = default;

bool FrameAligner::hasReference() const { return !m_levels.empty(); }

QSize FrameAligner::referenceSize() const { return m_levels.empty() ? QSize() : m_levels.back()->size; }

int FrameAligner::usablePatches() const
{
    int n = 0;
    for (const auto &level : m_levels)
        for (const Level::Patch &p : level->patches)
            n += p.usable;
    return n;
}

FrameAligner::Levels FrameAligner::levels(const cv::Mat &grey)
{
    Levels g;
    if (grey.depth() == CV_32F || grey.depth() == CV_8U)
        g.level[0] = grey;
    else
        grey.convertTo(g.level[0], CV_32F);
    cv::pyrDown(g.level[0], g.level[1]);
    return g;
}

void FrameAligner::setReference(const cv::Mat &grey) { setReference(levels(grey)); }
void FrameAligner::adopt(const cv::Mat &grey, const Similarity &motion) { adopt(levels(grey), motion); }
bool FrameAligner::align(const cv::Mat &grey, Similarity *found, const Similarity &guess) const
{
    return align(levels(grey), found, guess);
}

void FrameAligner::setReference(const Levels &g)
{
    const cv::Mat &grey = g.level[0];
    m_levels.clear();
    if (grey.empty())
        return;
    // Half resolution first (reaches farther), full resolution last.
    for (int shift = 1; shift >= 0; --shift) {
        const QSize size(grey.cols >> shift, grey.rows >> shift);
        const int side = std::min(size.width(), size.height());
        int patch = 128;
        while (patch > 32 && patch * 3 > side)
            patch /= 2;
        if (patch * 2 > side)
            continue;
        auto level = std::make_unique<Level>();
        level->shift = shift;
        level->patch = patch;
        level->size = size;
        cv::createHanningWindow(level->window, cv::Size(patch, patch), CV_32F);
        // A grid of patches a margin inside the edges, where frames that move
        // and scale still overlap the reference.
        const int nx = std::clamp(int(std::lround(size.width() / (1.7 * patch))), 1, shift ? 6 : 6);
        const int ny = std::clamp(int(std::lround(size.height() / (1.7 * patch))), 1, shift ? 4 : 5);
        const double mx = 0.04 * size.width() + patch / 2.0, my = 0.04 * size.height() + patch / 2.0;
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) {
                Level::Patch p;
                // On whole pixels, so that a still frame's patch is a plain copy.
                p.centre.x = std::round(nx == 1 ? size.width() / 2.0 : mx + (size.width() - 2 * mx) * i / (nx - 1));
                p.centre.y = std::round(ny == 1 ? size.height() / 2.0 : my + (size.height() - 2 * my) * j / (ny - 1));
                level->patches.push_back(p);
            }
        }
        m_levels.push_back(std::move(level));
    }
    if (m_levels.empty())
        return;
    adopt(g, Similarity());
}

void FrameAligner::adopt(const Levels &g, const Similarity &motion)
{
    for (auto &level : m_levels) {
        const cv::Mat &source = g.level[level->shift];
        cv::parallel_for_(cv::Range(0, int(level->patches.size())), [&](const cv::Range &r) {
            for (int i = r.start; i < r.end; ++i) {
                Level::Patch &p = level->patches[size_t(i)];
                const cv::Mat s = level->sample(source, motion, p.centre);
                const double e = sharpness(s);
                if (e <= p.energy * 1.05)
                    continue;
                cv::Scalar mean, dev;
                cv::meanStdDev(s, mean, dev);
                p.energy = e;
                p.usable = dev[0] > 1.0;
                p.spectrum = level->spectrumOf(s);
            }
        });
    }
}

bool FrameAligner::align(const Levels &g, Similarity *found, const Similarity &guess) const
{
    if (m_levels.empty() || g.level[0].empty())
        return false;
    Similarity current = guess;
    bool matchedAny = false;
    for (const auto &level : m_levels) {
        const cv::Mat &source = g.level[level->shift];
        const double unit = double(1 << level->shift);
        const int rounds = level->shift ? 3 : 5;
        for (int round = 0; round < rounds; ++round) {
            Similarity next;
            if (!level->refine(source, current, 1, &next))
                break;
            matchedAny = true;
            const double change = farthestChange(next, current, level->size * int(unit));
            current = next;
            // Half size only brings the frame within reach of the full size.
            if (change < (level->shift ? 0.25 : 0.015) * unit)
                break;
        }
    }
    if (!matchedAny)
        return false;
    *found = current;
    return true;
}

bool FrameAligner::glance(const Levels &g, Similarity *found, const Similarity &guess) const
{
    if (m_levels.empty() || g.level[0].empty())
        return false;
    const Level &finest = *m_levels.back();
    // Every other patch still spans the picture; a similarity needs a few
    // more than four to outvote one that went astray.
    size_t matched = 0;
    return finest.refine(g.level[finest.shift], guess, 2, found, &matched) && matched >= 6;
}

bool FrameAligner::Level::refine(const cv::Mat &source, const Similarity &current, int step, Similarity *next,
                                 size_t *matched) const
{
    const double unit = double(1 << shift);
    std::vector<int> chosen;
    int seen = 0;
    for (size_t i = 0; i < patches.size(); ++i)
        if (patches[i].usable && seen++ % step == 0)
            chosen.push_back(int(i));
    std::vector<Match> matches(chosen.size(), Match{{}, {}, 0.0});
    cv::parallel_for_(cv::Range(0, int(chosen.size())), [&](const cv::Range &r) {
        for (int i = r.start; i < r.end; ++i) {
            const Patch &p = patches[size_t(chosen[size_t(i)])];
            const cv::Mat s = sample(source, current, p.centre);
            cv::Point2d d;
            double peak = 0.0;
            if (!phaseShift(p.spectrum, spectrumOf(s), &d, &peak) || peak < 0.03)
                continue;
            // frame(T(c + u)) = ref(c + u - d): ref c sits at T(c + d).
            const QPointF to = current.map(QPointF((p.centre.x + d.x) * unit, (p.centre.y + d.y) * unit));
            matches[size_t(i)] = Match{p.centre * unit, cv::Point2d(to.x(), to.y()), peak * peak};
        }
    });
    matches.erase(std::remove_if(matches.begin(), matches.end(), [](const Match &m) { return m.weight <= 0; }),
                  matches.end());
    if (matched)
        *matched = matches.size();
    if (matches.empty())
        return false;
    const bool shiftOnly = matches.size() < 4;
    Similarity fitted = fitSimilarity(matches, current, shiftOnly);
    // Patches that disagree with the rest (a moving object, a repeated
    // texture) are dropped and the fit made again.
    if (matches.size() >= 5) {
        std::vector<double> residual;
        for (const Match &m : matches) {
            const QPointF q = fitted.map(QPointF(m.from.x, m.from.y));
            residual.push_back(std::hypot(q.x() - m.to.x, q.y() - m.to.y));
        }
        std::vector<double> sorted = residual;
        std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
        const double limit = std::max(3.0 * sorted[sorted.size() / 2], 0.25 * unit);
        std::vector<Match> kept;
        for (size_t i = 0; i < matches.size(); ++i)
            if (residual[i] <= limit)
                kept.push_back(matches[i]);
        if (kept.size() >= 4 && kept.size() < matches.size()) {
            fitted = fitSimilarity(kept, current, false);
            if (matched)
                *matched = kept.size();
        }
    }
    *next = fitted;
    return true;
}

} // namespace imaging
