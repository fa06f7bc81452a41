#include "measure/framecopy.h"

#include <cstring>

QImage nativeFrame(const QImage &source)
{
    const QImage::Format format = source.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied)
        return source;
    return source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
}

bool copyFrame(const QImage &source, QImage &target)
{
    if (target.size() != source.size() || target.format() != source.format() || !target.isDetached()) {
        target = QImage(source.size(), source.format());
        if (target.isNull())
            return false;
    }
    uchar *dst = target.bits();
    const qsizetype dstStride = target.bytesPerLine();
    const qsizetype srcStride = source.bytesPerLine();
    if (dstStride == srcStride) {
        std::memcpy(dst, source.constBits(), size_t(target.sizeInBytes()));
    } else {
        const size_t row = size_t(qMin(dstStride, srcStride));
        for (int y = 0; y < target.height(); ++y)
            std::memcpy(dst + y * dstStride, source.constScanLine(y), row);
    }
    return true;
}
