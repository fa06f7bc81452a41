#include "capture/frameconverter.h"

#include <QByteArray>
#include <QColor>

#include <libyuv/convert_argb.h>
#include <libyuv/planar_functions.h>
#include <libyuv/scale.h>
#include <linux/videodev2.h>
#include <turbojpeg.h>

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

// Rows converted at a time before mirroring, small enough to stay in cache.
constexpr int kMirrorBlockRows = 8;

// Bytes up to and including the end marker, 0 when there is none. Cameras
// pad frames after the marker (zeros, or leftovers of a larger frame) by any
// amount, so the whole buffer is searched from its end. Inside the coded data
// 0xFF is always followed by 0x00 or a restart marker, so FF D9 there is the
// real end.
std::size_t endOfImage(const uchar *src, std::size_t bytes)
{
    std::size_t i = bytes;
    while (i > 0 && src[i - 1] == 0)
        --i; // the common padding, skipped word by word in effect
    for (; i >= 2; --i) {
        if (src[i - 1] == 0xD9 && src[i - 2] == 0xFF)
            return i;
    }
    return 0;
}

// Size from the frame header, without a decoder pass (which allocates).
bool jpegSize(const uchar *src, std::size_t bytes, int *width, int *height)
{
    std::size_t i = 2;
    while (i + 4 <= bytes) {
        if (src[i] != 0xFF)
            return false;
        const uchar marker = src[i + 1];
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        const std::size_t length = (std::size_t(src[i + 2]) << 8) | src[i + 3];
        if (length < 2 || i + 2 + length > bytes)
            return false;
        const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frameHeader) {
            if (length < 8)
                return false;
            *height = (src[i + 5] << 8) | src[i + 6];
            *width = (src[i + 7] << 8) | src[i + 8];
            return *width > 0 && *height > 0;
        }
        if (marker == 0xDA)
            return false; // scan data before any frame header
        i += 2 + length;
    }
    return false;
}

// One YUYV row mirrored: macropixels in reverse order, their two lumas
// swapped. Source words from `from` on; reading forwards keeps the cold
// source streaming, the reversed writes land in cache.
void mirrorYuyvRowPlain(const uchar *src, uchar *dst, int words, int from = 0)
{
    for (int j = from; j < words; ++j) {
        quint32 w;
        memcpy(&w, src + 4 * j, 4);
        w = (w & 0xFF00FF00u) | ((w & 0xFFu) << 16) | ((w >> 16) & 0xFFu);
        memcpy(dst + 4 * (words - 1 - j), &w, 4);
    }
}

#if defined(__x86_64__) || defined(__i386__)
// Four macropixels per shuffle: the reversal and the luma swap in one step.
__attribute__((target("ssse3"))) void mirrorYuyvRowSsse3(const uchar *src, uchar *dst, int words)
{
    const __m128i mask = _mm_setr_epi8(14, 13, 12, 15, 10, 9, 8, 11, 6, 5, 4, 7, 2, 1, 0, 3);
    int j = 0;
    for (; j + 4 <= words; j += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + 4 * j));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + 4 * (words - 4 - j)), _mm_shuffle_epi8(v, mask));
    }
    mirrorYuyvRowPlain(src, dst, words, j);
}

// Eight at a time; the lane swap finishes the reversal.
__attribute__((target("avx2"))) void mirrorYuyvRowAvx2(const uchar *src, uchar *dst, int words)
{
    const __m256i mask = _mm256_setr_epi8(14, 13, 12, 15, 10, 9, 8, 11, 6, 5, 4, 7, 2, 1, 0, 3, 14, 13, 12, 15, 10, 9,
                                          8, 11, 6, 5, 4, 7, 2, 1, 0, 3);
    int j = 0;
    for (; j + 8 <= words; j += 8) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + 4 * j));
        const __m256i r = _mm256_permute4x64_epi64(_mm256_shuffle_epi8(v, mask), 0x4E);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + 4 * (words - 8 - j)), r);
    }
    mirrorYuyvRowPlain(src, dst, words, j);
}
#endif

using MirrorRow = void (*)(const uchar *, uchar *, int);

void mirrorYuyvRowScalar(const uchar *src, uchar *dst, int words) { mirrorYuyvRowPlain(src, dst, words); }

MirrorRow yuyvMirrorRow()
{
#if defined(__x86_64__) || defined(__i386__)
    static const MirrorRow row = __builtin_cpu_supports("avx2")    ? mirrorYuyvRowAvx2
                                 : __builtin_cpu_supports("ssse3") ? mirrorYuyvRowSsse3
                                                                   : mirrorYuyvRowScalar;
    return row;
#else
    return mirrorYuyvRowScalar;
#endif
}

} // namespace

FrameConverter::FrameConverter() = default;

FrameConverter::~FrameConverter()
{
    if (m_tj)
        tjDestroy(m_tj);
}

bool FrameConverter::isSupported(quint32 pixelFormat)
{
    switch (pixelFormat) {
    case V4L2_PIX_FMT_MJPEG:
    case V4L2_PIX_FMT_YUYV:
    case V4L2_PIX_FMT_UYVY:
    case V4L2_PIX_FMT_YUV420:
    case V4L2_PIX_FMT_YVU420:
    case V4L2_PIX_FMT_GREY:
    case V4L2_PIX_FMT_RGB24:
    case V4L2_PIX_FMT_XBGR32:
    case V4L2_PIX_FMT_RGB565: return true;
    default: return false;
    }
}

bool FrameConverter::isScalable(quint32 pixelFormat)
{
    return pixelFormat == V4L2_PIX_FMT_MJPEG || pixelFormat == V4L2_PIX_FMT_YUYV;
}

void FrameConverter::toGrey(uchar *pixels, int width, int height, int bytesPerLine)
{
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(pixels + qsizetype(y) * bytesPerLine);
        for (int x = 0; x < width; ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgb(g, g, g);
        }
    }
}

QSize FrameConverter::scaledSize(const QSize &frame, int denominator)
{
    const int d = denominator > 1 ? denominator : 1;
    return QSize((frame.width() + d - 1) / d, (frame.height() + d - 1) / d);
}

int FrameConverter::scaleFor(quint32 pixelFormat, const QSize &frame, const QSize &display)
{
    if (!isScalable(pixelFormat) || !display.isValid() || display.isEmpty() || frame.isEmpty())
        return 1;
    int best = 1;
    for (int d : {2, 4, 8}) {
        const QSize s = scaledSize(frame, d);
        if (s.width() < display.width() || s.height() < display.height())
            break;
        // YUYV pairs pixels: keep whole pairs in each reduced row.
        if (pixelFormat == V4L2_PIX_FMT_YUYV && frame.width() % (2 * d) != 0)
            break;
        best = d;
    }
    return best;
}

bool FrameConverter::configure(quint32 pixelFormat, int width, int height, int bytesPerLine, int imageSize)
{
    if (!isSupported(pixelFormat) || width <= 0 || height <= 0)
        return false;
    m_format = pixelFormat;
    m_width = width;
    m_height = height;
    int packed = 0;
    switch (pixelFormat) {
    case V4L2_PIX_FMT_YUYV:
    case V4L2_PIX_FMT_UYVY:
    case V4L2_PIX_FMT_RGB565: packed = width * 2; break;
    case V4L2_PIX_FMT_RGB24: packed = width * 3; break;
    case V4L2_PIX_FMT_XBGR32: packed = width * 4; break;
    default:
        packed = width; // planar and grey: the luma row
        break;
    }
    m_stride = bytesPerLine >= packed ? bytesPerLine : packed;
    m_needed = std::size_t(m_stride) * height;
    if (pixelFormat == V4L2_PIX_FMT_YUV420 || pixelFormat == V4L2_PIX_FMT_YVU420)
        m_needed += 2 * std::size_t((m_stride + 1) / 2) * ((height + 1) / 2);
    m_imageSize = std::size_t(imageSize) > m_needed ? std::size_t(imageSize) : m_needed;
    if (pixelFormat == V4L2_PIX_FMT_MJPEG && !m_tj)
        m_tj = tjInitDecompress();
    return pixelFormat != V4L2_PIX_FMT_MJPEG || m_tj;
}

uchar *FrameConverter::scratch(std::size_t bytes)
{
    if (m_scratchSize < bytes) {
        m_scratch.reset(new uchar[bytes]);
        m_scratchSize = bytes;
    }
    return m_scratch.get();
}

FrameConverter::Result FrameConverter::convert(const uchar *src, std::size_t bytes, uchar *dst, bool mirror,
                                               bool flipVertical, int denominator)
{
    if (!src || !dst || m_width <= 0)
        return Unsupported;
    if (denominator != 1 && denominator != 2 && denominator != 4 && denominator != 8)
        return Unsupported;
    if (denominator > 1 && !isScalable(m_format))
        return Unsupported;
    if (m_format == V4L2_PIX_FMT_MJPEG)
        return convertMjpeg(src, bytes, dst, mirror, flipVertical, denominator);
    if (denominator > 1)
        return convertYuyvScaled(src, bytes, dst, mirror, flipVertical, denominator);
    return convertRaw(src, bytes, dst, mirror, flipVertical);
}

FrameConverter::Result FrameConverter::convertMjpeg(const uchar *src, std::size_t bytes, uchar *dst, bool mirror,
                                                    bool flipVertical, int denominator)
{
    if (bytes < 4 || src[0] != 0xFF || src[1] != 0xD8)
        return Corrupt;
    const std::size_t end = endOfImage(src, bytes);
    if (end == 0)
        return Corrupt;
    int w = 0;
    int h = 0;
    if (!jpegSize(src, end, &w, &h))
        return Corrupt;
    if (w != m_width || h != m_height)
        return SizeMismatch;
    const QSize out = scaledSize(QSize(m_width, m_height), denominator);
    const int pitch = out.width() * 4;
    uchar *target = mirror ? scratch(std::size_t(pitch) * out.height()) : dst;
    // A reduced picture is for a small view: the fast paths are good enough there.
    const int flags = (flipVertical ? TJFLAG_BOTTOMUP : 0) | (denominator > 1 ? TJFLAG_FASTUPSAMPLE : 0);
    // An error, or a warning of missing scan data, means a picture with a
    // grey band: worse than the previous picture. Other warnings (a few
    // stray bytes before the end marker, as some cameras send on every
    // frame) come after a complete decode.
    if (tjDecompress2(m_tj, src, end, target, out.width(), pitch, out.height(), TJPF_BGRX, flags) != 0) {
        if (tjGetErrorCode(m_tj) != TJERR_WARNING)
            return Corrupt;
        const QByteArray why = QByteArray(tjGetErrorStr2(m_tj)).toLower();
        if (why.contains("premature end") || why.contains("corrupt jpeg data: bad"))
            return Corrupt;
    }
    if (mirror)
        libyuv::ARGBMirror(target, pitch, dst, pitch, out.width(), out.height());
    return Ok;
}

FrameConverter::Result FrameConverter::convertYuyvScaled(const uchar *src, std::size_t bytes, uchar *dst, bool mirror,
                                                         bool flipVertical, int denominator)
{
    if (bytes < m_needed || bytes > m_imageSize)
        return SizeMismatch;
    const QSize out = scaledSize(QSize(m_width, m_height), denominator);
    if (m_width % 2 != 0 || out.width() % 2 != 0)
        return Unsupported;
    // Split into 4:2:2 planes, reduce them, convert the small picture: the
    // full-size work is two bytes a pixel of plain copying and averaging.
    const std::size_t full = std::size_t(m_width) * m_height;
    const std::size_t small = std::size_t(out.width()) * out.height();
    // 1/8 goes through 1/4: libyuv halves and quarters exactly without a
    // buffer of its own, other ratios allocate one on every call.
    const QSize mid = denominator == 8 ? scaledSize(QSize(m_width, m_height), 4) : QSize();
    const std::size_t midBytes = std::size_t(mid.width()) * mid.height();
    const std::size_t need = 2 * full + 2 * midBytes + 2 * small + small * 4;
    if (m_planesSize < need) {
        m_planes.reset(new uchar[need]);
        m_planesSize = need;
    }
    uchar *y = m_planes.get();
    uchar *u = y + full;
    uchar *v = u + full / 2;
    uchar *sy = v + full / 2;
    uchar *su = sy + small;
    uchar *sv = su + small / 2;
    uchar *argb = sv + small / 2;
    uchar *my = argb + small * 4;
    uchar *mu = my + midBytes;
    uchar *mv = mu + midBytes / 2;
    int hw = m_width / 2;
    const int shw = out.width() / 2;
    if (libyuv::YUY2ToI422(src, m_stride, y, m_width, u, hw, v, hw, m_width, m_height) != 0)
        return Unsupported;
    QSize from(m_width, m_height);
    if (mid.isValid()) {
        const int mhw = mid.width() / 2;
        if (libyuv::I422Scale(y, m_width, u, hw, v, hw, m_width, m_height, my, mid.width(), mu, mhw, mv, mhw,
                              mid.width(), mid.height(), libyuv::kFilterBox)
            != 0)
            return Unsupported;
        y = my;
        u = mu;
        v = mv;
        hw = mhw;
        from = mid;
    }
    if (libyuv::I422Scale(y, from.width(), u, hw, v, hw, from.width(), from.height(), sy, out.width(), su, shw, sv, shw,
                          out.width(), out.height(), libyuv::kFilterBox)
        != 0)
        return Unsupported;
    const int pitch = out.width() * 4;
    const int h = flipVertical ? -out.height() : out.height();
    if (!mirror)
        return libyuv::I422ToARGB(sy, out.width(), su, shw, sv, shw, dst, pitch, out.width(), h) == 0 ? Ok
                                                                                                      : Unsupported;
    libyuv::I422ToARGB(sy, out.width(), su, shw, sv, shw, argb, pitch, out.width(), h);
    libyuv::ARGBMirror(argb, pitch, dst, pitch, out.width(), out.height());
    return Ok;
}

bool FrameConverter::rawRows(const uchar *src, int firstRow, int rows, uchar *dst, int dstStride, bool flipVertical)
{
    // Negative height makes libyuv write the rows bottom-up.
    const int h = flipVertical ? -rows : rows;
    const int s = m_stride;
    const uchar *row = src + std::size_t(firstRow) * s;
    switch (m_format) {
    case V4L2_PIX_FMT_YUYV: return libyuv::YUY2ToARGB(row, s, dst, dstStride, m_width, h) == 0;
    case V4L2_PIX_FMT_UYVY: return libyuv::UYVYToARGB(row, s, dst, dstStride, m_width, h) == 0;
    case V4L2_PIX_FMT_GREY: return libyuv::J400ToARGB(row, s, dst, dstStride, m_width, h) == 0;
    case V4L2_PIX_FMT_RGB24: return libyuv::RAWToARGB(row, s, dst, dstStride, m_width, h) == 0;
    case V4L2_PIX_FMT_RGB565: return libyuv::RGB565ToARGB(row, s, dst, dstStride, m_width, h) == 0;
    case V4L2_PIX_FMT_XBGR32: return libyuv::ARGBCopy(row, s, dst, dstStride, m_width, h) == 0;
    case V4L2_PIX_FMT_YUV420:
    case V4L2_PIX_FMT_YVU420: {
        // Chroma rows cover two luma rows; blocks start on even rows.
        const int cs = (s + 1) / 2;
        const uchar *y = row;
        const uchar *p1 = src + std::size_t(s) * m_height + std::size_t(firstRow / 2) * cs;
        const uchar *p2 = src + std::size_t(s) * m_height + std::size_t(cs) * ((m_height + 1) / 2)
                          + std::size_t(firstRow / 2) * cs;
        const uchar *u = m_format == V4L2_PIX_FMT_YUV420 ? p1 : p2;
        const uchar *v = m_format == V4L2_PIX_FMT_YUV420 ? p2 : p1;
        return libyuv::I420ToARGB(y, s, u, cs, v, cs, dst, dstStride, m_width, h) == 0;
    }
    default: return false;
    }
}

FrameConverter::Result FrameConverter::convertRaw(const uchar *src, std::size_t bytes, uchar *dst, bool mirror,
                                                  bool flipVertical)
{
    if (bytes < m_needed || bytes > m_imageSize)
        return SizeMismatch;
    const int pitch = m_width * 4;
    if (!mirror)
        return rawRows(src, 0, m_height, dst, pitch, flipVertical) ? Ok : Unsupported;

    if (m_format == V4L2_PIX_FMT_YUYV && m_width % 2 == 0) {
        // Mirror each packed row (half the bytes of the result) into a cached
        // row, then convert it: reversing the macropixels and swapping their
        // two lumas is a mirror.
        const MirrorRow mirrorRow = yuyvMirrorRow();
        uchar *row = scratch(std::size_t(m_width) * 2);
        for (int y = 0; y < m_height; ++y) {
            mirrorRow(src + std::size_t(y) * m_stride, row, m_width / 2);
            const int target = flipVertical ? m_height - 1 - y : y;
            libyuv::YUY2ToARGB(row, m_width * 2, dst + std::size_t(target) * pitch, pitch, m_width, 1);
        }
        return Ok;
    }

    // Convert a few rows into a cache-sized block, then mirror them into place.
    uchar *block = scratch(std::size_t(pitch) * kMirrorBlockRows);
    for (int first = 0; first < m_height; first += kMirrorBlockRows) {
        const int rows = qMin(kMirrorBlockRows, m_height - first);
        if (!rawRows(src, first, rows, block, pitch, false))
            return Unsupported;
        if (flipVertical) {
            uchar *out = dst + std::size_t(m_height - first - rows) * pitch;
            libyuv::ARGBMirror(block, pitch, out, pitch, m_width, -rows);
        } else {
            libyuv::ARGBMirror(block, pitch, dst + std::size_t(first) * pitch, pitch, m_width, rows);
        }
    }
    return Ok;
}
