#pragma once

#include <QSize>
#include <QtGlobal>

#include <cstddef>
#include <memory>

// Turns one camera frame into packed 32-bit BGRX rows (QImage::Format_RGB32)
// with the flips folded in. Lives on the capture thread; after configure()
// and the first mirrored frame it allocates nothing of its own.
class FrameConverter
{
public:
    enum Result { Ok, SizeMismatch, Corrupt, Unsupported };

    FrameConverter();
    ~FrameConverter();
    FrameConverter(const FrameConverter &) = delete;
    FrameConverter &operator=(const FrameConverter &) = delete;

    static bool isSupported(quint32 pixelFormat);
    // MJPEG (TurboJPEG's DCT scaling) and YUYV (libyuv) decode at 1/2, 1/4, 1/8.
    static bool isScalable(quint32 pixelFormat);
    // The picture of a `frame` at 1/`denominator`, rounded up.
    static QSize scaledSize(const QSize &frame, int denominator);
    // The largest reduction (1, 2, 4 or 8) whose picture still covers
    // `display`; 1 unless `display` is under half the frame both ways.
    static int scaleFor(quint32 pixelFormat, const QSize &frame, const QSize &display);
    // Black and white in place: each 32-bit pixel becomes its qGray().
    static void toGrey(uchar *pixels, int width, int height, int bytesPerLine);

    // bytesPerLine/imageSize as the device reports them; 0 = packed.
    bool configure(quint32 pixelFormat, int width, int height, int bytesPerLine = 0, int imageSize = 0);

    int width() const { return m_width; }
    int height() const { return m_height; }
    quint32 pixelFormat() const { return m_format; }

    // `dst` holds width × height × 4 bytes. Rows arrive top-down; flipVertical
    // writes the bottom row first, mirror reverses each row. With a
    // `denominator` above 1, `dst` holds the picture at scaledSize() instead.
    Result convert(const uchar *src, std::size_t bytes, uchar *dst, bool mirror, bool flipVertical,
                   int denominator = 1);

private:
    Result convertMjpeg(const uchar *src, std::size_t bytes, uchar *dst, bool mirror, bool flipVertical,
                        int denominator);
    Result convertYuyvScaled(const uchar *src, std::size_t bytes, uchar *dst, bool mirror, bool flipVertical,
                             int denominator);
    Result convertRaw(const uchar *src, std::size_t bytes, uchar *dst, bool mirror, bool flipVertical);
    bool rawRows(const uchar *src, int firstRow, int rows, uchar *dst, int dstStride, bool flipVertical);
    uchar *scratch(std::size_t bytes);

    void *m_tj = nullptr;
    quint32 m_format = 0;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    std::size_t m_needed = 0;
    std::size_t m_imageSize = 0;
    std::unique_ptr<uchar[]> m_scratch;
    std::size_t m_scratchSize = 0;
    std::unique_ptr<uchar[]> m_planes; // YUYV reduction: full and reduced 4:2:2 planes
    std::size_t m_planesSize = 0;
};
