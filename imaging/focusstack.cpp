#include "imaging/focusstack.h"

#include "imaging/cvimage.h"

#include <opencv2/core/hal/intrin.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
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

// ------------------------------------------------------------ FocusStack

namespace {

// Working pixels: 16-bit, 4 fractional bits, so that the pyramid loses
// nothing to rounding and still moves half the bytes of floats.
constexpr int kFraction = 16;
constexpr int kFractionBits = 4;

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

// The loops below touch every pixel of every level of every frame, so they
// are written with OpenCV's portable vector types; the plain loops after
// them finish each row.

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
            int x = 0;
#if CV_SIMD128
            for (; x + 16 <= src.cols; x += 16) {
                cv::v_uint8x16 b, g, r8, a;
                cv::v_load_deinterleave(s + 4 * x, b, g, r8, a);
                cv::v_uint16x8 b0, b1, g0, g1, r0, r1;
                cv::v_expand(b, b0, b1);
                cv::v_expand(g, g0, g1);
                cv::v_expand(r8, r0, r1);
                auto w = [](const cv::v_uint16x8 &v) { return cv::v_reinterpret_as_s16(cv::v_shl<kFractionBits>(v)); };
                cv::v_store_interleave(d + 3 * x, w(b0), w(g0), w(r0));
                cv::v_store_interleave(d + 3 * x + 24, w(b1), w(g1), w(r1));
            }
#endif
            for (; x < src.cols; ++x) {
                d[3 * x] = short(s[4 * x] << kFractionBits);
                d[3 * x + 1] = short(s[4 * x + 1] << kFractionBits);
                d[3 * x + 2] = short(s[4 * x + 2] << kFractionBits);
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
    auto eight = [](int v) { return cv::saturate_cast<uchar>((v + kFraction / 2) >> kFractionBits); };
    cv::parallel_for_(cv::Range(0, src.rows), [&](const cv::Range &r) {
        for (int y = r.start; y < r.end; ++y) {
            const short *s = src.ptr<short>(y);
            uchar *d = out.scanLine(y);
            int x = 0;
#if CV_SIMD128
            const cv::v_int16x8 half = cv::v_setall_s16(kFraction / 2);
            auto pack = [&](const cv::v_int16x8 &lo, const cv::v_int16x8 &hi) {
                return cv::v_pack_u(cv::v_shr<kFractionBits>(cv::v_add_wrap(lo, half)),
                                    cv::v_shr<kFractionBits>(cv::v_add_wrap(hi, half)));
            };
            if (grey) {
                for (; x + 16 <= src.cols; x += 16)
                    cv::v_store(d + x, pack(cv::v_load(s + x), cv::v_load(s + x + 8)));
            } else {
                const cv::v_uint8x16 alpha = cv::v_setall_u8(255);
                for (; x + 16 <= src.cols; x += 16) {
                    cv::v_int16x8 b0, g0, r0, b1, g1, r1;
                    cv::v_load_deinterleave(s + 3 * x, b0, g0, r0);
                    cv::v_load_deinterleave(s + 3 * x + 24, b1, g1, r1);
                    cv::v_store_interleave(d + 4 * x, pack(b0, b1), pack(g0, g1), pack(r0, r1), alpha);
                }
            }
#endif
            if (grey) {
                for (; x < src.cols; ++x)
                    d[x] = eight(s[x]);
            } else {
                for (; x < src.cols; ++x) {
                    d[4 * x] = eight(s[3 * x]);
                    d[4 * x + 1] = eight(s[3 * x + 1]);
                    d[4 * x + 2] = eight(s[3 * x + 2]);
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
            int x = 0;
#if CV_SIMD128
            for (; x + 8 <= level.cols; x += 8) {
                for (int j = 0; j < C; ++j) {
                    const int at = C * x + 8 * j;
                    cv::v_store(b + at, cv::v_sub_wrap(cv::v_load(g + at), cv::v_load(b + at)));
                }
                cv::v_int32x4 lo = cv::v_setzero_s32(), hi = cv::v_setzero_s32();
                auto square = [&](const cv::v_int16x8 &v) {
                    cv::v_int32x4 l, h;
                    cv::v_mul_expand(v, v, l, h);
                    lo += l;
                    hi += h;
                };
                if (C == 3) {
                    cv::v_int16x8 b0, b1, b2;
                    cv::v_load_deinterleave(b + 3 * x, b0, b1, b2);
                    square(b0);
                    square(b1);
                    square(b2);
                } else {
                    square(cv::v_load(b + x));
                }
                cv::v_store(e + x, cv::v_cvt_f32(lo));
                cv::v_store(e + x + 4, cv::v_cvt_f32(hi));
            }
#endif
            for (; x < level.cols; ++x) {
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
            int x = 0;
#if CV_SIMD128
            for (; x + 8 <= band.cols; x += 8) {
                const cv::v_float32x4 e0 = cv::v_load(e + x), e1 = cv::v_load(e + x + 4);
                const cv::v_float32x4 k0 = cv::v_load(k + x), k1 = cv::v_load(k + x + 4);
                const cv::v_int16x8 stronger =
                    cv::v_pack(cv::v_reinterpret_as_s32(e0 > k0), cv::v_reinterpret_as_s32(e1 > k1));
                cv::v_store(k + x, cv::v_max(e0, k0));
                cv::v_store(k + x + 4, cv::v_max(e1, k1));
                // The pixels' choice spread over their channels.
                short spread[8 * C];
                if (C == 3)
                    cv::v_store_interleave(spread, stronger, stronger, stronger);
                else
                    cv::v_store(spread, stronger);
                for (int j = 0; j < C; ++j) {
                    const int at = C * x + 8 * j;
                    cv::v_store(f + at, cv::v_select(cv::v_load(spread + 8 * j), cv::v_load(b + at), cv::v_load(f + at)));
                }
            }
#endif
            for (; x < band.cols; ++x) {
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

// Sums over (2 radius + 1)^2 windows, the edges mirrored as BORDER_REFLECT
// mirrors them: boxFilter without its division (the sums are only ever
// compared with each other), summed in floats, where boxFilter sums floats
// in doubles and takes half as long again.
void windowSums(const cv::Mat &src, cv::Mat &dst, int radius)
{
    CV_Assert(src.type() == CV_32F && radius >= 1 && radius <= 4 && src.data != dst.data);
    dst.create(src.size(), CV_32F);
    const int width = src.cols;
    const int height = src.rows;
    const int taps = 2 * radius + 1;
    cv::parallel_for_(cv::Range(0, height), [&](const cv::Range &r) {
        std::vector<float> columns(size_t(width + 2 * radius));
        float *c = columns.data() + radius;
        for (int y = r.start; y < r.end; ++y) {
            const float *rows[9];
            for (int k = 0; k < taps; ++k)
                rows[k] = src.ptr<float>(cv::borderInterpolate(y - radius + k, height, cv::BORDER_REFLECT));
            int x = 0;
#if CV_SIMD128
            for (; x + 4 <= width; x += 4) {
                cv::v_float32x4 v = cv::v_load(rows[0] + x);
                for (int k = 1; k < taps; ++k)
                    v += cv::v_load(rows[k] + x);
                cv::v_store(c + x, v);
            }
#endif
            for (; x < width; ++x) {
                float v = rows[0][x];
                for (int k = 1; k < taps; ++k)
                    v += rows[k][x];
                c[x] = v;
            }
            for (int k = 1; k <= radius; ++k) {
                c[-k] = c[cv::borderInterpolate(-k, width, cv::BORDER_REFLECT)];
                c[width - 1 + k] = c[cv::borderInterpolate(width - 1 + k, width, cv::BORDER_REFLECT)];
            }
            float *d = dst.ptr<float>(y);
            x = 0;
#if CV_SIMD128
            for (; x + 4 <= width; x += 4) {
                cv::v_float32x4 v = cv::v_load(c + x - radius);
                for (int k = 1; k < taps; ++k)
                    v += cv::v_load(c + x - radius + k);
                cv::v_store(d + x, v);
            }
#endif
            for (; x < width; ++x) {
                float v = c[x - radius];
                for (int k = 1; k < taps; ++k)
                    v += c[x - radius + k];
                d[x] = v;
            }
        }
    }, 8);
}

// ------------------------------------------------------------ resampling

// Lanczos weights, taps -(a - 1)..a around the whole pixel, for 256
// sub-pixel phases, 14-bit fixed point summing to exactly one.
constexpr int kPhaseBits = 8;
constexpr int kWeightBits = 14;
// Six lobes: against four, half a decibel closer to the all-sharp picture
// on a moving series, for half as many taps again.
constexpr int kRadius = 6;
constexpr int kTaps = 2 * kRadius;
constexpr int kPaddedTaps = 16; // two vectors of eight
static_assert(kTaps <= kPaddedTaps, "the rows' pass reads two vectors");

struct LanczosTable
{
    short w[1 << kPhaseBits][kTaps];
    short padded[1 << kPhaseBits][kPaddedTaps]; // the same, zeros after
    LanczosTable()
    {
        for (int p = 0; p < (1 << kPhaseBits); ++p) {
            const double t = double(p) / (1 << kPhaseBits);
            double v[kTaps];
            double sum = 0;
            for (int k = 0; k < kTaps; ++k) {
                const double x = k - (kRadius - 1) - t;
                v[k] = std::abs(x) < 1e-9 ? 1.0
                                          : kRadius * std::sin(CV_PI * x) * std::sin(CV_PI * x / kRadius)
                                                / (CV_PI * CV_PI * x * x);
                sum += v[k];
            }
            int total = 0;
            int top = 0;
            for (int k = 0; k < kTaps; ++k) {
                w[p][k] = short(std::lround(v[k] / sum * (1 << kWeightBits)));
                total += w[p][k];
                if (w[p][k] > w[p][top])
                    top = k;
            }
            w[p][top] = short(w[p][top] + (1 << kWeightBits) - total);
            std::fill(std::begin(padded[p]), std::end(padded[p]), short(0));
            std::copy(std::begin(w[p]), std::end(w[p]), padded[p]);
        }
    }
};

const LanczosTable &lanczos()
{
    static const LanczosTable table;
    return table;
}

// Positions in 32.32 fixed point, rounded to the table's phases: the whole
// pixel and the phase of pos.
inline int64_t toFixed(double v) { return int64_t(std::llround(v * 4294967296.0)); }
constexpr int64_t kPhaseRound = int64_t(1) << (31 - kPhaseBits);
inline int wholeOf(int64_t pos) { return int((pos + kPhaseRound) >> 32); }
inline int phaseOf(int64_t pos) { return int(((pos + kPhaseRound) >> (32 - kPhaseBits)) & ((1 << kPhaseBits) - 1)); }

// Row y of dst is row y of src sampled at x = beta u + gamma y + delta. Each
// row is first split into its channels, its edge pixels repeated as far as
// the samples reach, so that an output is two dot products of eight.
template<int C>
void resampleRows(const cv::Mat &src, cv::Mat &dst, int y0, int y1, double beta, double gamma, double delta)
{
    const LanczosTable &table = lanczos();
    const int width = src.cols;
    const int out = dst.cols;
    const int64_t step = toFixed(beta);
    cv::parallel_for_(cv::Range(y0, y1), [&](const cv::Range &r) {
        std::vector<int> whole(static_cast<size_t>(out));
        std::vector<uchar> phase(static_cast<size_t>(out));
        std::vector<short> planes, results(static_cast<size_t>(C * out));
        for (int y = r.start; y < r.end; ++y) {
            const short *__restrict s = src.ptr<short>(y);
            short *__restrict d = dst.ptr<short>(y);
            int64_t pos = toFixed(gamma * y + delta);
            for (int u = 0; u < out; ++u, pos += step) {
                whole[size_t(u)] = wholeOf(pos) - (kRadius - 1);
                phase[size_t(u)] = uchar(phaseOf(pos));
            }
            const int from = std::min({whole.front(), whole.back(), 0});
            const int to = std::max({whole.front(), whole.back(), width}) + kPaddedTaps;
            const int span = to - from;
            planes.resize(size_t(C * span));
            short *plane[C];
            for (int c = 0; c < C; ++c)
                plane[c] = planes.data() + c * span;
            for (int j = from; j < 0; ++j)
                for (int c = 0; c < C; ++c)
                    plane[c][j - from] = s[c];
            int x = 0;
#if CV_SIMD128
            if (C == 3) {
                for (; x + 8 <= width; x += 8) {
                    cv::v_int16x8 p0, p1, p2;
                    cv::v_load_deinterleave(s + 3 * x, p0, p1, p2);
                    cv::v_store(plane[0] + x - from, p0);
                    cv::v_store(plane[1 % C] + x - from, p1);
                    cv::v_store(plane[2 % C] + x - from, p2);
                }
            }
#endif
            for (; x < width; ++x)
                for (int c = 0; c < C; ++c)
                    plane[c][x - from] = s[x * C + c];
            for (int j = width; j < to; ++j)
                for (int c = 0; c < C; ++c)
                    plane[c][j - from] = s[(width - 1) * C + c];
            int u = 0;
#if CV_SIMD128
            const cv::v_int32x4 round = cv::v_setall_s32(1 << (kWeightBits - 1));
            for (; u + 4 <= out; u += 4) {
                cv::v_int32x4 acc[C][4];
                for (int q = 0; q < 4; ++q) {
                    const short *w = table.padded[phase[size_t(u + q)]];
                    const cv::v_int16x8 w0 = cv::v_load(w), w1 = cv::v_load(w + 8);
                    const int o = whole[size_t(u + q)] - from;
                    for (int c = 0; c < C; ++c)
                        acc[c][q] = cv::v_dotprod(cv::v_load(plane[c] + o), w0)
                            + cv::v_dotprod(cv::v_load(plane[c] + o + 8), w1);
                }
                for (int c = 0; c < C; ++c) {
                    cv::v_int32x4 t0, t1, t2, t3;
                    cv::v_transpose4x4(acc[c][0], acc[c][1], acc[c][2], acc[c][3], t0, t1, t2, t3);
                    const cv::v_int32x4 sum = cv::v_shr<kWeightBits>(t0 + t1 + t2 + t3 + round);
                    cv::v_store_low(results.data() + c * out + u, cv::v_pack(sum, sum));
                }
            }
#endif
            for (; u < out; ++u) {
                const short *w = table.padded[phase[size_t(u)]];
                const int o = whole[size_t(u)] - from;
                for (int c = 0; c < C; ++c) {
                    int acc = 1 << (kWeightBits - 1);
                    for (int k = 0; k < kTaps; ++k)
                        acc += w[k] * plane[c][o + k];
                    results[size_t(c * out + u)] = cv::saturate_cast<short>(acc >> kWeightBits);
                }
            }
            if (C == 1) {
                std::copy(results.begin(), results.end(), d);
                continue;
            }
            const short *r0 = results.data(), *r1 = r0 + out, *r2 = r1 + out;
            x = 0;
#if CV_SIMD128
            for (; x + 8 <= out; x += 8)
                cv::v_store_interleave(d + 3 * x, cv::v_load(r0 + x), cv::v_load(r1 + x), cv::v_load(r2 + x));
#endif
            for (; x < out; ++x) {
                d[3 * x] = r0[x];
                d[3 * x + 1] = r1[x];
                d[3 * x + 2] = r2[x];
            }
        }
    }, 8);
}

// Row v of dst is column by column src sampled at y = b u + a v + ty. Along
// a row the source row and phase change only every so many columns (never,
// without a turn), and each run of columns is a weighted sum of whole rows.
void resampleColumns(const cv::Mat &src, cv::Mat &dst, double a, double b, double ty)
{
    const LanczosTable &table = lanczos();
    const int channels = src.channels();
    const int64_t step = toFixed(b);
    cv::parallel_for_(cv::Range(0, dst.rows), [&](const cv::Range &r) {
        for (int v = r.start; v < r.end; ++v) {
            short *__restrict d = dst.ptr<short>(v);
            int64_t pos = toFixed(a * v + ty);
            for (int u = 0; u < dst.cols;) {
                const int whole = wholeOf(pos);
                const int phase = phaseOf(pos);
                int end = u + 1;
                int64_t next = pos + step;
                while (end < dst.cols && wholeOf(next) == whole && phaseOf(next) == phase) {
                    ++end;
                    next += step;
                }
                const short *w = table.w[phase];
                const short *rows[kTaps];
                for (int k = 0; k < kTaps; ++k)
                    rows[k] = src.ptr<short>(std::clamp(whole - (kRadius - 1) + k, 0, src.rows - 1));
                int i = u * channels;
                const int stop = end * channels;
#if CV_SIMD128
                cv::v_int16x8 pair[kRadius];
                for (int k = 0; k < kRadius; ++k) {
                    const short ww[8] = {w[2 * k], w[2 * k + 1], w[2 * k], w[2 * k + 1],
                                         w[2 * k], w[2 * k + 1], w[2 * k], w[2 * k + 1]};
                    pair[k] = cv::v_load(ww);
                }
                const cv::v_int32x4 round = cv::v_setall_s32(1 << (kWeightBits - 1));
                for (; i + 8 <= stop; i += 8) {
                    cv::v_int32x4 lo = round, hi = round;
                    for (int k = 0; k < kRadius; ++k) {
                        cv::v_int16x8 z0, z1;
                        cv::v_zip(cv::v_load(rows[2 * k] + i), cv::v_load(rows[2 * k + 1] + i), z0, z1);
                        lo += cv::v_dotprod(z0, pair[k]);
                        hi += cv::v_dotprod(z1, pair[k]);
                    }
                    cv::v_store(d + i, cv::v_pack(cv::v_shr<kWeightBits>(lo), cv::v_shr<kWeightBits>(hi)));
                }
#endif
                for (; i < stop; ++i) {
                    int acc = 1 << (kWeightBits - 1);
                    for (int k = 0; k < kTaps; ++k)
                        acc += w[k] * rows[k][i];
                    d[i] = cv::saturate_cast<short>(acc >> kWeightBits);
                }
                u = end;
                pos = next;
            }
        }
    }, 8);
}

// warpAffine(src, dst, m, size, WARP_INVERSE_MAP, BORDER_REPLICATE) with a
// six-lobed Lanczos kernel, for working pixels, in two one-dimensional
// passes: with x = a u - b v + tx, y = b u + a v + ty, first every row is
// resampled to x(u, y) = (a + b^2 / a) u - (b / a) y + tx + (b / a) ty, then
// every column to y. That is 24 taps a pixel instead of 144, and as a focus
// drive scales and shifts without turning, half of them on whole rows at once.
void warpLanczos(const cv::Mat &src, cv::Mat &dst, const Similarity &m, cv::Size size, cv::Mat &rows)
{
    const double a = m.a, b = m.b;
    if (a < 0.5) {
        cv::warpAffine(src, dst, m.matrix(), size, cv::INTER_LANCZOS4 | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
        return;
    }
    // The source rows the second pass reaches.
    double lowest = 1e300, highest = -1e300;
    for (const cv::Point2d &p : {cv::Point2d(0, 0), cv::Point2d(size.width - 1, 0), cv::Point2d(0, size.height - 1),
                                 cv::Point2d(size.width - 1, size.height - 1)}) {
        const double y = b * p.x + a * p.y + m.ty;
        lowest = std::min(lowest, y);
        highest = std::max(highest, y);
    }
    const int y0 = std::clamp(int(std::floor(lowest)) - kRadius, 0, src.rows - 1);
    const int y1 = std::clamp(int(std::ceil(highest)) + kRadius + 2, y0 + 1, src.rows);
    rows.create(src.rows, size.width, src.type());
    if (src.channels() == 3)
        resampleRows<3>(src, rows, y0, y1, a + b * b / a, -b / a, m.tx + b * m.ty / a);
    else
        resampleRows<1>(src, rows, y0, y1, a + b * b / a, -b / a, m.tx + b * m.ty / a);
    dst.create(size, src.type());
    resampleColumns(rows, dst, a, b, m.ty);
}

// Local energy of the detail at one pyramid level: over 5 x 5.
constexpr int kEnergyRadius = 2;
// The depth map is decided at a quarter of the size, over a wider window.
constexpr int kDepthLevel = 2;
constexpr int kDepthRadius = 4;
// A frame sharpens a block when its detail energy there grows this much.
constexpr double kGainFactor = 1.25;
constexpr int kGainBlock = 16; // half-resolution pixels
// The blocks are measured again when the registration moved the frame by
// more than this (px) from where they were first measured.
constexpr double kBlockDrift = 2.0;
// Below this anywhere in the picture a frame counts as not moved: the
// registration of a blurred frame is not surer than that, and resampling
// softens it more than such a misregistration would.
constexpr double kStillMotion = 0.15; // px

// Wall time of a stage, added up.
class StageClock
{
public:
    explicit StageClock(double *total)
        : m_total(total)
        , m_start(std::chrono::steady_clock::now())
    {
    }
    ~StageClock() { stop(); }
    void stop()
    {
        if (!m_total)
            return;
        *m_total += std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        m_total = nullptr;
    }

private:
    double *m_total;
    std::chrono::steady_clock::time_point m_start;
};

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
    std::vector<cv::Mat> gauss, band, energy, local;
    cv::Mat wide;
    cv::Mat warpRows; // the warp's first pass
    // prepare() and merge() add to stages of their own, so the two threads
    // never write the same one.
    Timings times;
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

// Detail energy per block at half size, in the reference's geometry.
cv::Mat FocusStack::gainBlocks(const cv::Mat &half, const Similarity &motion, QSize frameSize) const
{
    cv::Mat source = half;
    if (!motion.isIdentity(d->size, 1e-9) || frameSize != d->size) {
        // Into a picture of its own: the frame's half size is still needed.
        cv::Mat warped;
        const QSize halfSize((d->size.width() + 1) / 2, (d->size.height() + 1) / 2);
        cv::warpAffine(half, warped, atLevel(motion, 1).matrix(), cv::Size(halfSize.width(), halfSize.height()),
                       cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
        source = warped;
    }
    cv::Mat lap;
    cv::Laplacian(source, lap, CV_32F);
    lap = lap.mul(lap);
    cv::Mat blocks;
    cv::resize(lap, blocks, cv::Size(std::max(1, source.cols / kGainBlock), std::max(1, source.rows / kGainBlock)), 0,
               0, cv::INTER_AREA);
    return blocks;
}

// The fraction of the blocks that are noticeably sharper than the best so far.
double FocusStack::gainOf(const cv::Mat &blocks) const
{
    if (d->bestBlocks.empty())
        return 1.0;
    int sharper = 0;
    for (int y = 0; y < blocks.rows; ++y) {
        const float *n = blocks.ptr<float>(y);
        const float *b = d->bestBlocks.ptr<float>(y);
        for (int x = 0; x < blocks.cols; ++x)
            sharper += n[x] > kGainFactor * b[x] + 0.5f;
    }
    return double(sharper) / double(blocks.total());
}

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
    StageClock convertClock(&d->times.convert);
    const QImage image = normalised(frame, d->grey);
    const cv::Mat pixels = wrap(image);
    cv::Mat grey8;
    if (d->grey)
        grey8 = pixels;
    else
        cv::cvtColor(pixels, grey8, cv::COLOR_BGRA2GRAY);
    const FrameAligner::Levels grey = FrameAligner::levels(grey8);
    convertClock.stop();

    // A frame of another size starts centre on centre, the others where
    // the last one was (a focus drive moves the picture gradually).
    Similarity motion = d->lastMotion;
    if (frame.size() != d->size) {
        motion = Similarity();
        motion.tx = (frame.width() - d->size.width()) / 2.0;
        motion.ty = (frame.height() - d->size.height()) / 2.0;
    }
    // A glance (one round of the registration) places the frame well enough
    // to ask whether it sharpens anything, which blocks of 32 pixels hardly
    // notice a fraction of a pixel of; only a frame that does (few, in a
    // live series) is then registered in full, and only when the glance
    // did not show it still.
    StageClock alignClock(&d->times.align);
    const Similarity guessed = motion;
    bool registered = true; // or nothing to register
    if (first) {
        if (m_options.align)
            d->aligner.setReference(grey);
    } else if (m_options.align && d->aligner.hasReference()) {
        Similarity glanced;
        registered = false;
        if (d->aligner.glance(grey, &glanced, guessed)) {
            registered = frame.size() == d->size && glanced.isIdentity(d->size, kStillMotion);
            motion = registered ? Similarity() : glanced;
        } else if (!d->aligner.align(grey, &motion, guessed)) {
            result->outcome = Outcome::NotAligned;
            return nullptr;
        } else {
            registered = true;
        }
    }
    alignClock.stop();
    StageClock gainClock(&d->times.gain);
    const Similarity measuredAt = motion;
    cv::Mat blocks = gainBlocks(grey.level[1], motion, frame.size());
    result->motion = motion;
    result->gain = gainOf(blocks);
    gainClock.stop();
    if (!first && m_options.minGain > 0 && result->gain < m_options.minGain) {
        result->outcome = Outcome::Skipped;
        return nullptr;
    }
    if (!registered) {
        StageClock clock(&d->times.align);
        if (!d->aligner.align(grey, &motion, guessed)) {
            result->outcome = Outcome::NotAligned;
            return nullptr;
        }
    }
    // What is too small to trust is not applied, nor carried to the next
    // frame, nor into the patches it lends the registration: otherwise the
    // noise of each estimate would add up over the series.
    if (frame.size() == d->size && motion.isIdentity(d->size, kStillMotion))
        motion = Similarity();
    result->motion = motion;
    d->lastMotion = motion;
    if (farthestChange(motion, measuredAt, d->size) > kBlockDrift) {
        StageClock clock(&d->times.gain);
        blocks = gainBlocks(grey.level[1], motion, frame.size());
        result->gain = gainOf(blocks);
        if (m_options.minGain > 0 && result->gain < m_options.minGain) {
            result->outcome = Outcome::Skipped;
            return nullptr;
        }
    }
    if (first)
        d->bestBlocks = blocks;
    else
        cv::max(d->bestBlocks, blocks, d->bestBlocks);
    if (!first && m_options.align) {
        StageClock adoptClock(&d->times.align);
        d->aligner.adopt(grey, motion);
    }
    const bool moved = !motion.isIdentity(d->size, 1e-9) || frame.size() != d->size;

    auto prepared = std::make_unique<Prepared>();
    cv::Mat working = d->take();
    {
        StageClock clock(&d->times.convert);
        toWorking(pixels, working);
    }
    if (moved) {
        StageClock clock(&d->times.warp);
        prepared->image = d->take();
        warpLanczos(working, prepared->image, motion, cv::Size(d->size.width(), d->size.height()), d->warpRows);
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
    s.local.resize(size_t(s.levels));
    s.gauss[0] = prepared->image;
    for (int l = 0; l < s.levels; ++l) {
        const cv::Mat &level = s.gauss[size_t(l)];
        cv::Mat &band = s.band[size_t(l)];
        cv::Mat &energy = s.energy[size_t(l)];
        StageClock pyramidClock(&s.times.pyramid);
        cv::pyrDown(level, s.gauss[size_t(l + 1)]);
        cv::pyrUp(s.gauss[size_t(l + 1)], band, level.size());
        bandAndEnergy(level, band, energy);
        pyramidClock.stop();
        StageClock selectClock(&s.times.select);
        cv::Mat &local = s.local[size_t(l)];
        windowSums(energy, local, kEnergyRadius);
        if (first) {
            s.fused[size_t(l)] = band.clone();
            s.best[size_t(l)] = local.clone();
        } else {
            keepStronger(band, local, s.fused[size_t(l)], s.best[size_t(l)]);
        }
        if (m_options.depthMap && l == std::min(kDepthLevel, s.levels - 1)) {
            windowSums(local, s.wide, kDepthRadius);
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
    StageClock clock(&d->times.collapse);
    return fromWorking(collapseTo(0));
}

FocusStack::Timings FocusStack::timings() const { return d->times; }

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
        double loadSeconds = 0;
    };
    auto step = [&](int i) {
        Step s;
        const auto started = std::chrono::steady_clock::now();
        const QImage frame = load(i, &s.why);
        s.loadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        s.loaded = !frame.isNull();
        if (s.loaded)
            s.prepared = stack->prepare(frame, &s.result);
        return s;
    };
    auto stopped = [&] { return cancel && cancel->load(); };
    report->frames.clear();
    report->loadSeconds = 0;
    std::future<Step> ahead;
    if (count > 0)
        ahead = std::async(std::launch::async, step, 0);
    for (int i = 0; i < count; ++i) {
        Step s = ahead.get();
        report->loadSeconds += s.loadSeconds;
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
