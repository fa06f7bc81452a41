#include "measure/spanblend.h"

#include <QVarLengthArray>
#include <QtMath>

#include <algorithm>
#include <climits>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace spanblend {

namespace {

// x * a / 255 per channel, rounded as the raster engine's blending does
// (exact at a = 0 and 255).
inline quint32 byteMul(quint32 x, quint32 a)
{
    quint64 t = ((quint64(x) | (quint64(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return quint32(t) | quint32(t >> 24);
}

// Source-over of one premultiplied pixel: s + d * (255 - alpha of s) / 255.
inline quint32 sourceOver(quint32 s, quint32 d) { return s + byteMul(d, 255 - (s >> 24)); }

#ifdef __SSE2__
// x * a / 255 per channel for four pixels, `a` in both halves of each pixel.
inline __m128i byteMul4(__m128i x, __m128i a)
{
    const __m128i low = _mm_set1_epi32(0x00ff00ff);
    const __m128i half = _mm_set1_epi16(0x80);
    __m128i rb = _mm_mullo_epi16(_mm_and_si128(x, low), a);
    __m128i ag = _mm_mullo_epi16(_mm_srli_epi16(x, 8), a);
    rb = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(rb, _mm_srli_epi16(rb, 8)), half), 8);
    ag = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(ag, _mm_srli_epi16(ag, 8)), half), 8);
    return _mm_or_si128(rb, _mm_slli_epi16(ag, 8));
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
#define VISTREL_AVX2 1
// s + d * (255 - alpha of s) / 255 for eight pixels.
__attribute__((target("avx2"))) inline __m256i sourceOver8(__m256i s, __m256i d)
{
    const __m256i low = _mm256_set1_epi32(0x00ff00ff);
    const __m256i high = _mm256_set1_epi32(int(0xff00ff00));
    const __m256i half = _mm256_set1_epi16(0x80);
    // 255 - alpha is the alpha byte of ~s, put in both halves of each pixel.
    const __m256i alphas = _mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1, //
                                            3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1);
    const __m256i a = _mm256_shuffle_epi8(_mm256_xor_si256(s, _mm256_cmpeq_epi32(s, s)), alphas);
    __m256i rb = _mm256_mullo_epi16(_mm256_and_si256(d, low), a);
    __m256i ag = _mm256_mullo_epi16(_mm256_srli_epi16(d, 8), a);
    rb = _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(rb, _mm256_srli_epi16(rb, 8)), half), 8);
    // The high byte of each lane is the result already.
    ag = _mm256_and_si256(_mm256_add_epi16(_mm256_add_epi16(ag, _mm256_srli_epi16(ag, 8)), half), high);
    return _mm256_add_epi8(s, _mm256_or_si256(rb, ag));
}

// The picture's pixels between runs, inline: a call to memcpy for each of
// thousands of short stretches costs more than the copying. Stretches are
// mostly longer than a block; the last block may overlap the one before.
__attribute__((target("avx2"))) inline void copyPixelsAvx2(quint32 *dst, const quint32 *src, int count)
{
    if (count < 8) {
        for (int i = 0; i < count; ++i)
            dst[i] = src[i];
        return;
    }
    int i = 0;
    for (; i + 8 < count; i += 8)
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + i),
                            _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + i)));
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + count - 8),
                        _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + count - 8)));
}

// Source-over of premultiplied pixels, eight at a time: the layer's `src`
// over `below` into `dst`. Over the picture, `below` is its row being copied
// anyway and the target is written once, never read; `below` may also be
// `dst` itself. A whole run ends in transparent padding, which leaves the
// pixels under it as they are: it goes in whole blocks.
__attribute__((target("avx2"))) inline void blendOverAvx2(quint32 *dst, const quint32 *src, const quint32 *below,
                                                          int count, bool padded)
{
    if (padded)
        count = (count + 7) & ~7;
    int i = 0;
    // Without branches: whether a block is clear, opaque or neither is as
    // good as random along thin lines and text, and a wrong guess costs more
    // than the arithmetic.
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + i));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(below + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + i), sourceOver8(s, d));
    }
    for (; i < count; ++i)
        dst[i] = sourceOver(src[i], below[i]);
}
#endif

inline void copyPixels(quint32 *dst, const quint32 *src, int count) { std::memcpy(dst, src, size_t(count) * 4); }

// The same, four at a time, with the same arithmetic as QPainter's.
inline void blendOver(quint32 *dst, const quint32 *src, const quint32 *below, int count, bool padded)
{
    if (padded)
        count = (count + 3) & ~3;
    int i = 0;
#ifdef __SSE2__
    const __m128i full = _mm_set1_epi32(255);
    const __m128i alpha = _mm_set1_epi32(int(0xff000000));
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i *>(below + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, alpha), alpha)) == 0xffff) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), s);
            continue;
        }
        __m128i a = _mm_sub_epi32(full, _mm_srli_epi32(s, 24));
        a = _mm_or_si128(a, _mm_slli_epi32(a, 16));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_add_epi8(s, byteMul4(d, a)));
    }
#endif
    for (; i < count; ++i)
        dst[i] = sourceOver(src[i], below[i]);
}

} // namespace

// Runs of tiles that hold any drawn pixel, merged along rows and down
// columns, so that blending the layer skips its empty parts; or their bounds
// when that is cheaper.
QVector<QRect> drawnTiles(const QImage &image)
{
    constexpr int TileW = 64, TileH = 16;
    QVector<QRect> runs;
    QVector<int> open; // indexes in runs that end at the current band
    const int columns = (image.width() + TileW - 1) / TileW;
    QVector<char> used(columns);
    for (int y0 = 0; y0 < image.height(); y0 += TileH) {
        const int y1 = qMin(y0 + TileH, image.height());
        std::fill(used.begin(), used.end(), 0);
        for (int y = y0; y < y1; ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int c = 0; c < columns; ++c) {
                if (used[c])
                    continue;
                const int x1 = qMin((c + 1) * TileW, image.width());
                for (int x = c * TileW; x < x1; ++x) {
                    if (line[x]) { // premultiplied: transparent is all zero
                        used[c] = 1;
                        break;
                    }
                }
            }
        }
        QVector<int> next;
        for (int c = 0; c < columns;) {
            if (!used[c]) {
                ++c;
                continue;
            }
            int end = c;
            while (end < columns && used[end])
                ++end;
            const QRect run(c * TileW, y0, qMin(end * TileW, image.width()) - c * TileW, y1 - y0);
            // Extend the run of the band above when it spans the same columns.
            int grown = -1;
            for (int k : qAsConst(open)) {
                QRect &above = runs[k];
                if (above.left() == run.left() && above.right() == run.right() && above.bottom() + 1 == y0) {
                    above.setBottom(y1 - 1);
                    grown = k;
                    break;
                }
            }
            if (grown < 0) {
                runs.append(run);
                grown = runs.size() - 1;
            }
            next.append(grown);
            c = end;
        }
        open.swap(next);
    }
    // Each drawImage costs about as much as blending some 8000 pixels: when
    // the runs cover most of their bounds, one blend of the bounds is cheaper.
    constexpr qint64 PixelsPerCall = 8000;
    QRect bounds;
    qint64 covered = 0;
    for (const QRect &run : qAsConst(runs)) {
        bounds |= run;
        covered += qint64(run.width()) * run.height();
    }
    if (runs.size() > 1
        && qint64(bounds.width()) * bounds.height() + PixelsPerCall < covered + runs.size() * PixelsPerCall)
        return {bounds};
    return runs;
}

// The runs of drawn pixels of rows top to bottom, appended; gaps of up to
// some dozens of pixels are kept inside a run: blending a transparent pixel
// costs far less than starting a new run (thin lines make thousands).
void drawnSpans(const QImage &image, int top, int bottom, QVector<Span> &spans, std::vector<quint32> &packed)
{
    constexpr int Gap = 48;
    const int w = image.width();
    for (int y = top; y <= bottom; ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        int x = 0;
        while (x < w) {
            // Eight pixels at a time through the empty stretches.
#ifdef __SSE2__
            const __m128i zero = _mm_setzero_si128();
            while (x + 8 <= w) {
                const __m128i both = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(line + x)),
                                                  _mm_loadu_si128(reinterpret_cast<const __m128i *>(line + x + 4)));
                if (_mm_movemask_epi8(_mm_cmpeq_epi32(both, zero)) != 0xffff)
                    break;
                x += 8;
            }
#endif
            while (x < w && !line[x])
                ++x;
            if (x >= w)
                break;
            const int start = x;
            int last = x;
            for (; x < w && x - last <= Gap; ++x) {
                if (line[x])
                    last = x;
            }
            spans.append({y, start, last - start + 1, int(packed.size())});
            packed.insert(packed.end(), line + start, line + last + 1);
            packed.resize(packed.size() + (SpanPadding - (last - start + 1) % SpanPadding) % SpanPadding, 0u);
            x = last + 1;
        }
    }
}

namespace {

// Which picture pixels a scaled blit without smoothing shows in one clip
// rectangle: the raster engine's own fixed-point stepping (16.16, from the
// first pixel's centre, the step truncated), with its guard that drops a
// last row or column that rounding would take past the picture.
struct Sampling
{
    QRect rows;             // the target pixels written
    quint32 x0 = 0, y0 = 0; // picture coordinates of the first, 16.16
    int dx = 0, dy = 0;

    Sampling(const QRect &target, const QSize &picture, int pictureStride, const QRect &clip)
    {
        const qreal sx = qreal(picture.width()) / target.width();
        const qreal sy = qreal(picture.height()) / target.height();
        dx = int(0x10000 * sx);
        dy = int(0x10000 * sy);
        rows = target & clip;
        if (rows.isEmpty())
            return;
        x0 = quint32(qCeil((rows.left() + qreal(0.5) - target.left()) * sx * 65536) - 1);
        y0 = quint32(qCeil((rows.top() + qreal(0.5) - target.top()) * sy * 65536) - 1);
        int w = rows.width(), h = rows.height();
        const int yEnd = int((y0 + quint32(dy) * quint32(h - 1)) >> 16);
        if (yEnd < 0 || yEnd >= picture.height())
            --h;
        const int xEnd = int((x0 + quint32(dx) * quint32(w - 1)) >> 16);
        if (xEnd < 0 || xEnd >= pictureStride)
            --w;
        rows.setSize(QSize(w, h));
        sourceWidth = picture.width();
    }

    // The picture row that target row y (of rows) shows.
    const quint32 *source(const QImage &picture, int y) const
    {
        return reinterpret_cast<const quint32 *>(
            picture.constScanLine(int((y0 + quint32(dy) * quint32(y - rows.top())) >> 16)));
    }

    // Target pixels from..to (exclusive, within rows) of a row, from its
    // picture row, into out[0 ..]; with `layer`, its pixels blended over them.
    template <int (*Blocks)(quint32 *, const quint32 *, quint32 &, int, int, int, const quint32 *)>
    void fill(quint32 *out, const quint32 *src, int from, int to, const quint32 *layer = nullptr) const
    {
        quint32 x = x0 + quint32(dx) * quint32(from - rows.left());
        const int count = to - from;
        int i = Blocks(out, src, x, dx, count, sourceWidth, layer);
        if (layer) {
            for (; i < count; ++i, x += quint32(dx))
                out[i] = sourceOver(layer[i], src[x >> 16]);
            return;
        }
        for (; i < count; ++i, x += quint32(dx))
            out[i] = src[x >> 16];
    }

    int sourceWidth = 0; // pixels a sampled row may be read to
};

inline int noBlocks(quint32 *, const quint32 *, quint32 &, int, int, int, const quint32 *) { return 0; }

#ifdef VISTREL_AVX2
// Nearest samples of a row, eight at a time: eight target pixels take their
// samples from at most Loads * 8 neighbouring picture pixels, loaded whole
// and permuted; `Over`, the layer's pixels blended over them on the way.
// Returns how many were written; the rest (near the row's end, where a load
// would read past it) are left to the caller, `x` advanced.
template <int Loads, bool Over>
__attribute__((target("avx2"))) inline int sampleBlocks(quint32 *out, const quint32 *src, quint32 &x, int dx, int count,
                                                        int sourceWidth, const quint32 *layer)
{
    const __m256i step = _mm256_set1_epi32(int(quint32(dx) * 8));
    __m256i xs = _mm256_add_epi32(_mm256_set1_epi32(int(x)),
                                  _mm256_mullo_epi32(_mm256_set1_epi32(dx), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7)));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const int base = int(x >> 16);
        if (base + Loads * 8 > sourceWidth)
            break;
        const __m256i index = _mm256_sub_epi32(_mm256_srli_epi32(xs, 16), _mm256_set1_epi32(base));
        const auto *p = reinterpret_cast<const __m256i *>(src + base);
        __m256i r = _mm256_permutevar8x32_epi32(_mm256_loadu_si256(p), index);
        for (int k = 1; k < Loads; ++k) {
            const __m256i v = _mm256_permutevar8x32_epi32(_mm256_loadu_si256(p + k), index);
            r = _mm256_blendv_epi8(r, v, _mm256_cmpgt_epi32(index, _mm256_set1_epi32(8 * k - 1)));
        }
        if (Over)
            r = sourceOver8(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(layer + i)), r);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i), r);
        xs = _mm256_add_epi32(xs, step);
        x += quint32(dx) * 8;
    }
    return i;
}

// Eight samples span at most 7 steps and one: two blocks hold them up to a
// step of 2, four up to 4; beyond, one by one.
__attribute__((target("avx2"))) inline int sampleBlocksAvx2(quint32 *out, const quint32 *src, quint32 &x, int dx,
                                                            int count, int sourceWidth, const quint32 *layer)
{
    if (dx <= 0x20000)
        return layer ? sampleBlocks<2, true>(out, src, x, dx, count, sourceWidth, layer)
                     : sampleBlocks<2, false>(out, src, x, dx, count, sourceWidth, layer);
    if (dx <= 0x40000)
        return layer ? sampleBlocks<4, true>(out, src, x, dx, count, sourceWidth, layer)
                     : sampleBlocks<4, false>(out, src, x, dx, count, sourceWidth, layer);
    return 0;
}
#endif

template <void (*BlendOver)(quint32 *, const quint32 *, const quint32 *, int, bool),
          void (*Copy)(quint32 *, const quint32 *, int),
          int (*SampleBlocks)(quint32 *, const quint32 *, quint32 &, int, int, int, const quint32 *)>
__attribute__((always_inline)) inline void blendSpanRows(const Job &job)
{
    // Locals: the target's pixels are unsigned ints, which may alias any
    // int of the job, so its fields would be read again after every store.
    const QPoint offset = job.offset;
    const int width = job.width;
    const bool scaled = job.scaled;
    const int sheetCount = job.sheets.size();
    QVarLengthArray<const Span *, 4> at(sheetCount);
    for (const QRect &clip : *job.allowed) {
        const QRect rows = job.picture ? clip & job.pictureRect : clip & job.layerRect;
        if (rows.isEmpty())
            continue;
        const Sampling sampling = scaled ? Sampling(job.pictureRect, job.picture->size(),
                                                    int(job.picture->bytesPerLine() / 4), clip)
                                         : Sampling(job.pictureRect, job.pictureRect.size(), 0, QRect());
        // Where samples are taken by blocks, the runs are blended into them
        // as they are taken; otherwise a sampled row is made whole first
        // (sampling is the work, and the row stays in the cache for the runs).
        const bool sampledUnder = scaled && SampleBlocks != &noBlocks && sampling.dx <= 0x40000;
        const bool under = !scaled || sampledUnder;
        // Spans are sorted by row: start at the first row shown.
        for (int k = 0; k < sheetCount; ++k)
            at[k] = std::lower_bound(job.sheets[k].spans, job.sheets[k].end, rows.top() - offset.y(),
                                     [](const Span &span, int y) { return span.y < y; });
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(job.bits + y * job.stride);
            // The picture's row, which covers target pixels rows.left() to
            // `right` (a scaled one may stop short, as QPainter's does).
            const quint32 *source = nullptr;
            int right = rows.right();
            if (scaled) {
                if (y <= sampling.rows.bottom() && !sampling.rows.isEmpty()) {
                    source = sampling.source(*job.picture, y);
                    right = sampling.rows.right();
                }
            } else if (job.picture) {
                source = reinterpret_cast<const quint32 *>(job.picture->constScanLine(y - job.pictureRect.top()))
                         - job.pictureRect.left();
            } else {
                int next = INT_MAX; // on to the next row with spans
                for (int k = 0; k < sheetCount; ++k) {
                    if (at[k] != job.sheets[k].end)
                        next = qMin(next, at[k]->y + offset.y());
                }
                if (next == INT_MAX)
                    break;
                if (next > y) {
                    y = next - 1;
                    continue;
                }
            }
            // Target pixels from..to from the picture.
            const auto put = [&](int from, int to) {
                if (to <= from)
                    return;
                if (scaled)
                    sampling.fill<SampleBlocks>(line + from, source, from, to);
                else
                    Copy(line + from, source + from, to - from);
            };
            int done = rows.left(); // target pixels of this row written up to here
            if (scaled && source && !sampledUnder) {
                put(done, right + 1);
                done = right + 1;
            }
            for (int k = 0; k < sheetCount; ++k) {
                const Span *end = job.sheets[k].end;
                const quint32 *packed = job.sheets[k].packed;
                const Span *&it = at[k];
                for (; it != end && it->y + offset.y() == y; ++it) {
                    const int start = it->x + offset.x(), stop = start + it->length;
                    const int x0 = qMax(start, rows.left());
                    const int x1 = qMin(stop, rows.right() + 1);
                    if (x1 <= x0)
                        continue;
                    const quint32 *pixels = packed + it->offset + (x0 - start);
                    // Padding may be blended past the run's end: it leaves the
                    // pixels under it as they are.
                    if (k == 0 && source && under && x1 <= right + 1) {
                        // The layer's runs go in as the row is copied.
                        put(done, x0);
                        done = x1;
                        const bool padded = x0 == start && x1 == stop && stop + SpanPadding <= right + 1;
                        if (scaled)
                            sampling.fill<SampleBlocks>(line + x0, source, x0, padded ? x0 + ((x1 - x0 + 7) & ~7) : x1,
                                                        pixels);
                        else
                            BlendOver(line + x0, pixels, source + x0, x1 - x0, padded);
                        continue;
                    }
                    // Over what the target holds: the rest of the row first.
                    if (source) {
                        put(done, right + 1);
                        done = qMax(done, right + 1);
                    }
                    const bool padded = x0 == start && x1 == stop && stop + SpanPadding <= width;
                    BlendOver(line + x0, pixels, line + x0, x1 - x0, padded);
                }
                if (k == 0 && source) {
                    put(done, right + 1);
                    done = qMax(done, right + 1);
                }
            }
            if (sheetCount == 0 && source)
                put(rows.left(), right + 1);
        }
    }
}

#ifdef VISTREL_AVX2
__attribute__((target("avx2"))) void blendSpanRowsAvx2(const Job &job)
{
    blendSpanRows<blendOverAvx2, copyPixelsAvx2, sampleBlocksAvx2>(job);
}
#endif

} // namespace

namespace {
#ifdef VISTREL_AVX2
bool avx2Allowed = __builtin_cpu_supports("avx2");
#endif
} // namespace

void useAvx2(bool allowed)
{
#ifdef VISTREL_AVX2
    avx2Allowed = allowed && __builtin_cpu_supports("avx2");
#else
    Q_UNUSED(allowed)
#endif
}

void blend(const Job &job)
{
#ifdef VISTREL_AVX2
    if (avx2Allowed) {
        blendSpanRowsAvx2(job);
        return;
    }
#endif
    blendSpanRows<blendOver, copyPixels, noBlocks>(job);
}

} // namespace spanblend
