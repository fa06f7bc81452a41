#pragma once

#include <QString>

class QImage;
class QImageReader;

// Pictures from disk are hostile until their size is known: a small PNG or
// JPEG may claim 30000 x 30000 pixels and take gigabytes to decode. Every
// place that opens a picture file goes through here.
namespace imagesafety {

// Largest picture decoded from a file, in pixels.
constexpr qint64 kMaxPixels = 100LL * 1000 * 1000;

// Checks the size the reader announces before anything is decoded, and
// limits the decoder's allocation where Qt offers it. False (with *why
// set, if given) when the size is unknown, empty or above kMaxPixels.
bool prepareReader(QImageReader *reader, QString *why = nullptr);

// Reads path into *out only when prepareReader() accepts it. *out is left
// null on any failure; *why says what happened (for logs, not for users:
// the user is told "打开文件失败").
bool readImageSafely(const QString &path, QImage *out, QString *why = nullptr);

} // namespace imagesafety
