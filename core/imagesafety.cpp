#include "core/imagesafety.h"

#include <QImage>
#include <QImageReader>

namespace imagesafety {

bool prepareReader(QImageReader *reader, QString *why)
{
    auto refuse = [why](const QString &text) {
        if (why)
            *why = text;
        return false;
    };
    reader->setDecideFormatFromContent(true);
    // The header only: no pixel is decoded here.
    const QSize size = reader->size();
    if (!size.isValid() || size.isEmpty())
        return refuse(reader->canRead() ? QStringLiteral("the picture does not tell its size") : reader->errorString());
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > kMaxPixels)
        return refuse(QStringLiteral("%1 x %2 pixels is more than %3 megapixels")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(kMaxPixels / 1000000));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // A second guard inside the decoder: 4 bytes a pixel plus slack, in MiB.
    reader->setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 64);
#endif
    return true;
}

bool readImageSafely(const QString &path, QImage *out, QString *why)
{
    *out = QImage();
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (!prepareReader(&reader, why))
        return false;
    QImage image = reader.read();
    if (image.isNull()) {
        if (why)
            *why = reader.errorString();
        return false;
    }
    // A decoder that ignored its header would show here; never trust it.
    if (qint64(image.width()) * image.height() > kMaxPixels) {
        if (why)
            *why = QStringLiteral("the decoded picture is larger than its header said");
        return false;
    }
    *out = std::move(image);
    return true;
}

} // namespace imagesafety
