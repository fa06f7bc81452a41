#include "imaging/focusstack.h"

#include "imaging/cvimage.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <complex>
#include <future>
#include <mutex>
#include <cstdio>

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

QPointF Similarity::map(QPointF p) const
{
    return QPointF(a * p.x() - b * p.y() + tx, b * p.x() + a * p.y() + ty);
}

double Similarity::maxMotion(QSize size) const
{
    // The motion is affine, so it is largest at a corner.
    double worst = 0.0;
    for (const QPointF &p : {QPointF(0, 0), QPointF(size.width(), 0), QPointF(0, size.height()),
                             QPointF(size.width(), size.height())}) {
        const QPointF q = map(p);
        worst = std::max(worst, std::hypot(q.x() - p.x(), q.y() - p.y()));
    }
    return worst;
}

cv::Matx23d Similarity::matrix() const { return cv::Matx23d(a, -b, tx, b, a, ty); }

namespace {

double farthestChange(const Similarity &s, const Similarity &t, QSize size)
{
    double worst = 0.0;
    for (const QPointF &p : {QPointF(0, 0), QPointF(size.width(), 0), QPointF(0, size.height()),
                             QPointF(size.width(), size.height())}) {
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
                p.centre.x = nx == 1 ? size.width() / 2.0 : mx + (size.width() - 2 * mx) * i / (nx - 1);
                p.centre.y = ny == 1 ? size.height() / 2.0 : my + (size.height() - 2 * my) * j / (ny - 1);
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
            std::vector<Match> matches(level->patches.size(), Match{{}, {}, 0.0});
            cv::parallel_for_(cv::Range(0, int(level->patches.size())), [&](const cv::Range &r) {
                for (int i = r.start; i < r.end; ++i) {
                    const Level::Patch &p = level->patches[size_t(i)];
                    if (!p.usable)
                        continue;
                    const cv::Mat s = level->sample(source, current, p.centre);
                    cv::Point2d d;
                    double peak = 0.0;
                    if (!phaseShift(p.spectrum, level->spectrumOf(s), &d, &peak) || peak < 0.03)
                        continue;
                    // frame(T(c + u)) = ref(c + u - d): ref c sits at T(c + d).
                    const QPointF to = current.map(QPointF((p.centre.x + d.x) * unit, (p.centre.y + d.y) * unit));
                    matches[size_t(i)] = Match{p.centre * unit, cv::Point2d(to.x(), to.y()), peak * peak};
                }
            });
            matches.erase(std::remove_if(matches.begin(), matches.end(), [](const Match &m) { return m.weight <= 0; }),
                          matches.end());
            if (matches.empty())
                break;
            matchedAny = true;
            const bool shiftOnly = matches.size() < 4;
            Similarity next = fitSimilarity(matches, current, shiftOnly);
            // Patches that disagree with the rest (a moving object, a repeated
            // texture) are dropped and the fit made again.
            if (matches.size() >= 5) {
                std::vector<double> residual;
                for (const Match &m : matches) {
                    const QPointF q = next.map(QPointF(m.from.x, m.from.y));
                    residual.push_back(std::hypot(q.x() - m.to.x, q.y() - m.to.y));
                }
                std::vector<double> sorted = residual;
                std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
                const double limit = std::max(3.0 * sorted[sorted.size() / 2], 0.25 * unit);
                std::vector<Match> kept;
                for (size_t i = 0; i < matches.size(); ++i)
                    if (residual[i] <= limit)
                        kept.push_back(matches[i]);
                if (kept.size() >= 4 && kept.size() < matches.size())
                    next = fitSimilarity(kept, current, false);
            }
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

// ------------------------------------------------------------ FocusStack

namespace {

// Working pixels: 16-bit, 4 fractional bits, so that the pyramid loses
// nothing to rounding and still moves half the bytes of floats.
constexpr int kFraction = 16;

// Frames as 8-bit BGRA (RGB32) or grey.
QImage normalised(const QImage &frame, bool grey)
{
    if (grey)
        return frame.format() == QImage::Format_Grayscale8 ? frame : frame.convertToFormat(QImage::Format_Grayscale8);
    switch (frame.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return frame;
    default:
        return frame.convertToFormat(QImage::Format_RGB32);
    }
}

void toWorking(const cv::Mat &src, cv::Mat &dst)
{
    if (src.channels() == 1) {
        src.convertTo(dst, CV_16S, kFraction);
        return;
    }
    dst.create(src.size(), CV_16SC3);
    cv::parallel_for_(cv::Range(0, src.rows), [&](const cv::Range &r) {
        for (int y = r.start; y < r.end; ++y) {
            const uchar *__restrict s = src.ptr<uchar>(y);
            short *__restrict d = dst.ptr<short>(y);
            for (int x = 0; x < src.cols; ++x) {
                d[3 * x] = short(s[4 * x] << 4);
                d[3 * x + 1] = short(s[4 * x + 1] << 4);
                d[3 * x + 2] = short(s[4 * x + 2] << 4);
            }
        }
    }, 8);
}

QImage fromWorking(const cv::Mat &src)
{
    if (src.empty())
        return {};
    const bool grey = src.channels() == 1;
    QImage out(src.cols, src.rows, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (out.isNull())
        return out;
    cv::parallel_for_(cv::Range(0, src.rows), [&](const cv::Range &r) {
        for (int y = r.start; y < r.end; ++y) {
            const short *s = src.ptr<short>(y);
            uchar *d = out.scanLine(y);
            if (grey) {
                for (int x = 0; x < src.cols; ++x)
                    d[x] = cv::saturate_cast<uchar>((s[x] + kFraction / 2) / kFraction);
            } else {
                for (int x = 0; x < src.cols; ++x) {
                    d[4 * x] = cv::saturate_cast<uchar>((s[3 * x] + kFraction / 2) / kFraction);
                    d[4 * x + 1] = cv::saturate_cast<uchar>((s[3 * x + 1] + kFraction / 2) / kFraction);
                    d[4 * x + 2] = cv::saturate_cast<uchar>((s[3 * x + 2] + kFraction / 2) / kFraction);
                    d[4 * x + 3] = 255;
                }
            }
        }
    });
    return out;
}

// band = level - expanded, in place over expanded, and its energy (sum of
// squares over the channels).
template<int C>
void bandAndEnergyOf(const cv::Mat &level, cv::Mat &expanded, cv::Mat &energy)
{
    cv::parallel_for_(cv::Range(0, level.rows), [&](const cv::Range &r) {
        for (int y = r.start; y < r.end; ++y) {
            const short *__restrict g = level.ptr<short>(y);
            short *__restrict b = expanded.ptr<short>(y);
            float *__restrict e = energy.ptr<float>(y);
            for (int x = 0; x < level.cols; ++x) {
                int sum = 0;
                for (int c = 0; c < C; ++c) {
                    const int v = g[x * C + c] - b[x * C + c];
                    b[x * C + c] = short(v);
                    sum += v * v;
                }
                e[x] = float(sum);
            }
        }
    }, 8);
}

void bandAndEnergy(const cv::Mat &level, cv::Mat &expanded, cv::Mat &energy)
{
    energy.create(level.size(), CV_32F);
    if (level.channels() == 3)
        bandAndEnergyOf<3>(level, expanded, energy);
    else
        bandAndEnergyOf<1>(level, expanded, energy);
}

// Where energy beats best, the band's coefficients replace the fused ones.
template<int C>
void keepStrongerOf(const cv::Mat &band, const cv::Mat &energy, cv::Mat &fused, cv::Mat &best)
{
    cv::parallel_for_(cv::Range(0, band.rows), [&](const cv::Range &r) {
        for (int y = r.start; y < r.end; ++y) {
            const short *__restrict b = band.ptr<short>(y);
            const float *__restrict e = energy.ptr<float>(y);
            short *__restrict f = fused.ptr<short>(y);
            float *__restrict k = best.ptr<float>(y);
            for (int x = 0; x < band.cols; ++x) {
                const bool stronger = e[x] > k[x];
                k[x] = stronger ? e[x] : k[x];
                for (int c = 0; c < C; ++c)
                    f[x * C + c] = stronger ? b[x * C + c] : f[x * C + c];
            }
        }
    }, 8);
}

void keepStronger(const cv::Mat &band, const cv::Mat &energy, cv::Mat &fused, cv::Mat &best)
{
    if (band.channels() == 3)
        keepStrongerOf<3>(band, energy, fused, best);
    else
        keepStrongerOf<1>(band, energy, fused, best);
}

// Local energy of the detail at one pyramid level.
constexpr int kEnergyWindow = 5;
// The depth map is decided at a quarter of the size, over a wider window.
constexpr int kDepthLevel = 2;
constexpr int kDepthWindow = 9;
// A frame sharpens a block when its detail energy there grows this much.
constexpr double kGainFactor = 1.25;
constexpr int kGainBlock = 16; // half-resolution pixels
constexpr double kStillMotion = 0.1; // px

} // namespace

struct FocusStack::State
{
    QSize size;
    bool grey = false;
    FrameAligner aligner;
    Similarity lastMotion;
    cv::Mat bestBlocks;

    int levels = 0;
    std::vector<cv::Mat> fused; // one band per level
    std::vector<cv::Mat> best;  // the energy each fused coefficient came with
    cv::Mat residualSum;
    int residualCount = 0;
    cv::Mat depthBest;
    cv::Mat depthIndex;

    // Work pictures kept from frame to frame: allocating them anew each
    // time costs more than the arithmetic (the kernel clears fresh pages).
    std::vector<cv::Mat> gauss, band, energy;
    cv::Mat wide;
    std::mutex poolLock;
    std::vector<cv::Mat> pool; // frame-sized buffers the merge has finished with

    cv::Mat take()
    {
        std::lock_guard<std::mutex> lock(poolLock);
        if (pool.empty())
            return {};
        cv::Mat m = pool.back();
        pool.pop_back();
        return m;
    }
    void give(cv::Mat m)
    {
        std::lock_guard<std::mutex> lock(poolLock);
        if (!m.empty() && pool.size() < 3)
            pool.push_back(m);
    }
};

struct FocusStack::Prepared
{
    cv::Mat image; // working pixels in reference geometry
};

FocusStack::FocusStack(const FocusStackOptions &options)
    : d(std::make_unique<State>())
    , m_options(options)
{
}

FocusStack::~FocusStack() = default;

bool FocusStack::sizesCompatible(QSize reference, QSize frame)
{
    if (reference.isEmpty() || frame.isEmpty())
        return false;
    return std::abs(frame.width() - reference.width()) <= kSizeTolerance * reference.width() + 0.5
        && std::abs(frame.height() - reference.height()) <= kSizeTolerance * reference.height() + 0.5;
}

QSize FocusStack::size() const { return d->size; }

FocusStack::FrameResult FocusStack::add(const QImage &frame)
{
    FrameResult result;
    std::unique_ptr<Prepared> prepared = prepare(frame, &result);
    if (prepared)
        merge(std::move(prepared));
    return result;
}

std::unique_ptr<FocusStack::Prepared> FocusStack::prepare(const QImage &frame, FrameResult *result)
{
    *result = FrameResult();
    ++m_offered;
    if (frame.isNull())
        return nullptr;
    const bool first = d->size.isEmpty();
    if (first) {
        d->size = frame.size();
        d->grey = frame.format() == QImage::Format_Grayscale8;
    } else if (!sizesCompatible(d->size, frame.size())) {
        result->outcome = Outcome::WrongSize;
        return nullptr;
    }
    const QImage image = normalised(frame, d->grey);
    const cv::Mat pixels = wrap(image);
    cv::Mat grey8;
    if (d->grey)
        grey8 = pixels;
    else
        cv::cvtColor(pixels, grey8, cv::COLOR_BGRA2GRAY);
    const FrameAligner::Levels grey = FrameAligner::levels(grey8);

    // A frame of another size starts centre on centre, the others where
    // the last one was (a focus drive moves the picture gradually).
    Similarity motion = d->lastMotion;
    if (frame.size() != d->size) {
        motion = Similarity();
        motion.tx = (frame.width() - d->size.width()) / 2.0;
        motion.ty = (frame.height() - d->size.height()) / 2.0;
    }
    if (first) {
        if (m_options.align)
            d->aligner.setReference(grey);
    } else if (m_options.align && d->aligner.hasReference()) {
        const Similarity guess = motion;
        if (!d->aligner.align(grey, &motion, guess)) {
            result->outcome = Outcome::NotAligned;
            return nullptr;
        }
    }
    result->motion = motion;

    // Does it sharpen anything? Detail energy per block at half size, in the
    // reference's geometry, against the best so far.
    // Resampling softens a frame a little; below a tenth of a pixel anywhere
    // that costs more than the misregistration it would mend.
    const bool moved = !motion.isIdentity(d->size, kStillMotion) || frame.size() != d->size;
    cv::Mat half = grey.level[1];
    if (moved) {
        cv::Mat warped;
        const QSize halfSize((d->size.width() + 1) / 2, (d->size.height() + 1) / 2);
        cv::warpAffine(half, warped, atLevel(motion, 1).matrix(), cv::Size(halfSize.width(), halfSize.height()),
                       cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
        half = warped;
    }
    cv::Mat lap;
    cv::Laplacian(half, lap, CV_32F);
    lap = lap.mul(lap);
    cv::Mat blocks;
    cv::resize(lap, blocks, cv::Size(std::max(1, half.cols / kGainBlock), std::max(1, half.rows / kGainBlock)), 0, 0,
               cv::INTER_AREA);
    if (d->bestBlocks.empty()) {
        result->gain = 1.0;
        d->bestBlocks = blocks;
    } else {
        int sharper = 0;
        for (int y = 0; y < blocks.rows; ++y) {
            const float *n = blocks.ptr<float>(y);
            const float *b = d->bestBlocks.ptr<float>(y);
            for (int x = 0; x < blocks.cols; ++x)
                sharper += n[x] > kGainFactor * b[x] + 0.5f;
        }
        result->gain = double(sharper) / double(blocks.total());
    }
    d->lastMotion = motion;
    if (!first && m_options.minGain > 0 && result->gain < m_options.minGain) {
        result->outcome = Outcome::Skipped;
        return nullptr;
    }
    if (!first) {
        cv::max(d->bestBlocks, blocks, d->bestBlocks);
        if (m_options.align)
            d->aligner.adopt(grey, motion);
    }

    auto prepared = std::make_unique<Prepared>();
    cv::Mat working = d->take();
    toWorking(pixels, working);
    if (moved) {
        prepared->image = d->take();
        cv::warpAffine(working, prepared->image, motion.matrix(), cv::Size(d->size.width(), d->size.height()),
                       cv::INTER_LANCZOS4 | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
        d->give(working);
    } else {
        prepared->image = working;
    }
    result->outcome = Outcome::Merged;
    return prepared;
}

void FocusStack::merge(std::unique_ptr<Prepared> prepared)
{
    if (!prepared || prepared->image.empty())
        return;
    State &s = *d;
    const bool first = s.fused.empty();
    if (first) {
        const int side = std::min(s.size.width(), s.size.height());
        s.levels = 0;
        while (s.levels < 8 && (side >> (s.levels + 1)) >= 8)
            ++s.levels;
        s.fused.resize(size_t(s.levels));
        s.best.resize(size_t(s.levels));
    }
    s.gauss.resize(size_t(s.levels + 1));
    s.band.resize(size_t(s.levels));
    s.energy.resize(size_t(s.levels));
    s.gauss[0] = prepared->image;
    for (int l = 0; l < s.levels; ++l) {
        const cv::Mat &level = s.gauss[size_t(l)];
        cv::Mat &band = s.band[size_t(l)];
        cv::Mat &energy = s.energy[size_t(l)];
        cv::pyrDown(level, s.gauss[size_t(l + 1)]);
        cv::pyrUp(s.gauss[size_t(l + 1)], band, level.size());
        bandAndEnergy(level, band, energy);
        cv::boxFilter(energy, energy, -1, cv::Size(kEnergyWindow, kEnergyWindow), cv::Point(-1, -1), true,
                      cv::BORDER_REFLECT);
        if (first) {
            s.fused[size_t(l)] = band.clone();
            s.best[size_t(l)] = energy.clone();
        } else {
            keepStronger(band, energy, s.fused[size_t(l)], s.best[size_t(l)]);
        }
        if (m_options.depthMap && l == std::min(kDepthLevel, s.levels - 1)) {
            cv::boxFilter(energy, s.wide, -1, cv::Size(kDepthWindow, kDepthWindow), cv::Point(-1, -1), true,
                          cv::BORDER_REFLECT);
            if (first) {
                s.depthBest = s.wide.clone();
                s.depthIndex = cv::Mat::zeros(s.wide.size(), CV_8U);
            } else {
                const uchar index = uchar(std::min(m_merged, 255));
                const cv::Mat stronger = s.wide > s.depthBest;
                s.depthIndex.setTo(index, stronger);
                cv::max(s.depthBest, s.wide, s.depthBest);
            }
        }
        if (l == 0) {
            // The frame itself is no longer needed: its buffer goes back.
            s.give(prepared->image);
            prepared.reset();
            s.gauss[0] = cv::Mat();
        }
    }
    const cv::Mat &level = s.gauss[size_t(s.levels)];
    if (s.residualSum.empty())
        level.convertTo(s.residualSum, CV_32F);
    else
        cv::add(s.residualSum, level, s.residualSum, cv::noArray(), CV_32F);
    ++s.residualCount;
    ++m_merged;
}

QImage FocusStack::result() const
{
    if (m_merged == 0)
        return {};
    return fromWorking(collapseTo(0));
}

QImage FocusStack::preview(int maxSide) const
{
    if (m_merged == 0)
        return {};
    int stop = 0;
    while (stop < d->levels && std::max(d->size.width(), d->size.height()) >> stop > maxSide)
        ++stop;
    return fromWorking(collapseTo(stop));
}

cv::Mat FocusStack::collapseTo(int stop) const
{
    const State &s = *d;
    cv::Mat image;
    s.residualSum.convertTo(image, CV_16S, 1.0 / std::max(1, s.residualCount));
    for (int l = s.levels - 1; l >= stop; --l) {
        cv::Mat up;
        cv::pyrUp(image, up, s.fused[size_t(l)].size());
        cv::add(up, s.fused[size_t(l)], image);
    }
    return image;
}

QImage FocusStack::depthMap() const
{
    if (d->depthIndex.empty() || m_merged == 0)
        return {};
    cv::Mat scaled;
    d->depthIndex.convertTo(scaled, CV_8U, m_merged > 1 ? 255.0 / (m_merged - 1) : 0.0);
    cv::medianBlur(scaled, scaled, 5);
    cv::Mat full;
    cv::resize(scaled, full, cv::Size(d->size.width(), d->size.height()), 0, 0, cv::INTER_LINEAR);
    return toQImage(full);
}

// ------------------------------------------------------------ fuseSeries

bool fuseSeries(FocusStack *stack, int count, const std::function<QImage(int, QString *)> &load,
                SeriesReport *report, const std::function<bool(int, int)> &progress,
                const std::atomic<bool> *cancel)
{
    struct Step
    {
        std::unique_ptr<FocusStack::Prepared> prepared;
        FocusStack::FrameResult result;
        bool loaded = false;
        QString why;
    };
    auto step = [&](int i) {
        Step s;
        const QImage frame = load(i, &s.why);
        s.loaded = !frame.isNull();
        if (s.loaded)
            s.prepared = stack->prepare(frame, &s.result);
        return s;
    };
    auto stopped = [&] { return cancel && cancel->load(); };
    report->frames.clear();
    std::future<Step> ahead;
    if (count > 0)
        ahead = std::async(std::launch::async, step, 0);
    for (int i = 0; i < count; ++i) {
        Step s = ahead.get();
        if (!s.loaded) {
            report->failedIndex = i;
            report->why = s.why;
            return false;
        }
        if (i + 1 < count && !stopped())
            ahead = std::async(std::launch::async, step, i + 1);
        // The next frame is read and registered while this one is merged.
        if (s.prepared)
            stack->merge(std::move(s.prepared));
        report->frames.push_back(s.result);
        if ((progress && !progress(i + 1, count)) || stopped()) {
            if (ahead.valid())
                ahead.wait();
            report->cancelled = true;
            return false;
        }
    }
    return true;
}

} // namespace imaging
