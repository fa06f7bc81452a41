#include "capture/flatfieldcorrection.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstring>

using imaging::FlatFieldTable;
using imaging::kFlatGainBits;

namespace flatfield {

namespace {

inline quint32 correctPixel(quint32 p, quint32 g, quint32 d)
{
    auto channel = [g, d](quint32 v) {
        v = v > d ? v - d : 0;
        return std::min<quint32>(255, (v * g + (1u << (kFlatGainBits - 1))) >> kFlatGainBits);
    };
    return 0xFF000000u | channel((p >> 16) & 0xFF) << 16 | channel((p >> 8) & 0xFF) << 8 | channel(p & 0xFF);
}

} // namespace

void correctRow(quint32 *dst, int n, const quint16 *gain, const quint8 *dark, bool reversed)
{
    // gain[i] (or gain[n - 1 - i] reversed) belongs to dst[i].
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    const __m128i round = _mm_set1_epi16(1 << (kFlatGainBits - 8 - 1)); // half a level
    for (; i + 4 <= n; i += 4) {
        __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i *>(dst + i));
        __m128i g4;
        if (!reversed) {
            g4 = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(gain + i));
        } else {
            g4 = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(gain + n - 4 - i));
            g4 = _mm_shufflelo_epi16(g4, _MM_SHUFFLE(0, 1, 2, 3));
        }
        if (dark) {
            qint32 raw;
            memcpy(&raw, dark + (reversed ? n - 4 - i : i), 4);
            __m128i d = _mm_cvtsi32_si128(raw);
            d = _mm_unpacklo_epi8(d, d); // d0 d0 d1 d1 ...
            if (reversed)
                d = _mm_shufflelo_epi16(d, _MM_SHUFFLE(0, 1, 2, 3));
            d = _mm_unpacklo_epi16(d, d); // d0 ×4, d1 ×4, ...
            p = _mm_subs_epu8(p, d);
        }
        const __m128i g2 = _mm_unpacklo_epi16(g4, g4);
        const __m128i gLo = _mm_unpacklo_epi32(g2, g2);
        const __m128i gHi = _mm_unpackhi_epi32(g2, g2);
        // (v << 8) * g >> 16 = v * gain * 2^(k-8); rounded, shifted back.
        __m128i lo = _mm_mulhi_epu16(_mm_unpacklo_epi8(zero, p), gLo);
        __m128i hi = _mm_mulhi_epu16(_mm_unpackhi_epi8(zero, p), gHi);
        lo = _mm_srli_epi16(_mm_adds_epu16(lo, round), kFlatGainBits - 8);
        hi = _mm_srli_epi16(_mm_adds_epu16(hi, round), kFlatGainBits - 8);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_or_si128(_mm_packus_epi16(lo, hi), alpha));
    }
#endif
    for (; i < n; ++i) {
        const int k = reversed ? n - 1 - i : i;
        dst[i] = correctPixel(dst[i], gain[k], dark ? dark[k] : 0);
    }
}

} // namespace flatfield

void FlatFieldCorrection::setTable(Table table)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_next = std::move(table);
    m_active = m_next && m_next->isValid();
    m_changed = true;
}

FlatFieldCorrection::Table FlatFieldCorrection::table() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_next;
}

bool FlatFieldCorrection::apply(uchar *bgrx, int width, int height, int stride, int denominator, bool mirror,
                                bool flipVertical)
{
    if (m_changed.load(std::memory_order_acquire)) {
        std::unique_lock<std::mutex> lock(m_mutex, std::try_to_lock);
        if (lock.owns_lock()) {
            m_current = m_next;
            m_changed = false;
        }
    }
    return m_current && applyTable(*m_current, bgrx, width, height, stride, denominator, mirror, flipVertical);
}

bool FlatFieldCorrection::applyTable(const FlatFieldTable &t, uchar *bgrx, int width, int height, int stride,
                                     int denominator, bool mirror, bool flipVertical)
{
    if (!t.isValid() || !bgrx || denominator < 1)
        return false;
    const bool hasDark = !t.dark.empty();
    if (denominator == 1) {
        if (width != t.width || height != t.height)
            return false;
        for (int y = 0; y < height; ++y) {
            const std::size_t row = std::size_t(flipVertical ? height - 1 - y : y) * t.width;
            flatfield::correctRow(reinterpret_cast<quint32 *>(bgrx + std::size_t(y) * stride), width,
                                  t.gain.data() + row, hasDark ? t.dark.data() + row : nullptr, mirror);
        }
        return true;
    }
    // A reduced frame: each pixel takes the gain of the full-size pixel at
    // its corner; the gain changes slowly across a few pixels.
    if ((t.width + denominator - 1) / denominator != width || (t.height + denominator - 1) / denominator != height)
        return false;
    constexpr int kChunk = 256;
    quint16 gains[kChunk];
    quint8 darks[kChunk];
    for (int y = 0; y < height; ++y) {
        const int sy = std::min(t.height - 1, y * denominator);
        const std::size_t row = std::size_t(flipVertical ? t.height - 1 - sy : sy) * t.width;
        auto *dst = reinterpret_cast<quint32 *>(bgrx + std::size_t(y) * stride);
        for (int x0 = 0; x0 < width; x0 += kChunk) {
            const int n = std::min(kChunk, width - x0);
            for (int i = 0; i < n; ++i) {
                const int sx = std::min(t.width - 1, (x0 + i) * denominator);
                const std::size_t k = row + std::size_t(mirror ? t.width - 1 - sx : sx);
                gains[i] = t.gain[k];
                if (hasDark)
                    darks[i] = t.dark[k];
            }
            flatfield::correctRow(dst + x0, n, gains, hasDark ? darks : nullptr, false);
        }
    }
    return true;
}
