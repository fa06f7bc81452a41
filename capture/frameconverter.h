#pragma once

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

    // bytesPerLine/imageSize as the device reports them; 0 = packed.
    bool configure(quint32 pixelFormat, int width, int height, int bytesPerLine = 0, int imageSize = 0);

    int width() const { return m_width; }
    int height() const { return m_height; }
    quint32 pixelFormat() const { return m_format; }

    // `dst` holds width × height × 4 bytes. Rows arrive top-down; flipVertical
    // writes the bottom row first, mirror reverses each row.
    Result convert(const uchar *src, std::size_t bytes, uchar *dst, bool mirror, bool flipVertical);

private:
    Result convertMjpeg(const uchar *src, std::size_t bytes, uchar *dst, bool mirror, bool flipVertical);
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
};
