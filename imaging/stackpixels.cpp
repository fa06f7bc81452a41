#include "imaging/stackpixels.h"

#include <opencv2/core/hal/intrin.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace imaging {

namespace {

// Working pixels: 16-bit, 4 fractional bits, so that the pyramid loses
// nothing to rounding and still moves half the bytes of floats.
constexpr int kFraction = 16;
constexpr int kFractionBits = 4;

} // namespace

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
    cv::parallel_for_(
        cv::Range(0, src.rows),
        [&](const cv::Range &r) {
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
                    auto w = [](const cv::v_uint16x8 &v) {
                        return cv::v_reinterpret_as_s16(cv::v_shl<kFractionBits>(v));
                    };
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
        },
        8);
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

namespace {

// band = level - expanded, in place over expanded, and its energy (sum of
// squares over the channels).
template <int C> void bandAndEnergyOf(const cv::Mat &level, cv::Mat &expanded, cv::Mat &energy)
{
    cv::parallel_for_(
        cv::Range(0, level.rows),
        [&](const cv::Range &r) {
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
        },
        8);
}

} // namespace

void bandAndEnergy(const cv::Mat &level, cv::Mat &expanded, cv::Mat &energy)
{
    energy.create(level.size(), CV_32F);
    if (level.channels() == 3)
        bandAndEnergyOf<3>(level, expanded, energy);
    else
        bandAndEnergyOf<1>(level, expanded, energy);
}

namespace {

// Where energy beats best, the band's coefficients replace the fused ones.
template <int C> void keepStrongerOf(const cv::Mat &band, const cv::Mat &energy, cv::Mat &fused, cv::Mat &best)
{
    cv::parallel_for_(
        cv::Range(0, band.rows),
        [&](const cv::Range &r) {
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
                    const cv::v_int16x8 stronger = cv::v_pack(cv::v_reinterpret_as_s32(e0 > k0),
                                                              cv::v_reinterpret_as_s32(e1 > k1));
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
                        cv::v_store(f + at,
                                    cv::v_select(cv::v_load(spread + 8 * j), cv::v_load(b + at), cv::v_load(f + at)));
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
        },
        8);
}

} // namespace

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
    cv::parallel_for_(
        cv::Range(0, height),
        [&](const cv::Range &r) {
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
        },
        8);
}

// ------------------------------------------------------------ resampling

namespace {

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
                v[k] = std::abs(x) < 1e-9
                           ? 1.0
                           : kRadius * std::sin(CV_PI * x) * std::sin(CV_PI * x / kRadius) / (CV_PI * CV_PI * x * x);
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
template <int C>
void resampleRows(const cv::Mat &src, cv::Mat &dst, int y0, int y1, double beta, double gamma, double delta)
{
    const LanczosTable &table = lanczos();
    const int width = src.cols;
    const int out = dst.cols;
    const int64_t step = toFixed(beta);
    cv::parallel_for_(
        cv::Range(y0, y1),
        [&](const cv::Range &r) {
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
        },
        8);
}

// Row v of dst is column by column src sampled at y = b u + a v + ty. Along
// a row the source row and phase change only every so many columns (never,
// without a turn), and each run of columns is a weighted sum of whole rows.
void resampleColumns(const cv::Mat &src, cv::Mat &dst, double a, double b, double ty)
{
    const LanczosTable &table = lanczos();
    const int channels = src.channels();
    const int64_t step = toFixed(b);
    cv::parallel_for_(
        cv::Range(0, dst.rows),
        [&](const cv::Range &r) {
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
        },
        8);
}

} // namespace

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

} // namespace imaging
