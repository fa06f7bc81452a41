#include "core/mediafiles.h"

#include <QFileInfo>

namespace media {

QStringList photoSuffixes()
{
    return {QStringLiteral(".png"), QStringLiteral(".jpg"), QStringLiteral(".jpeg"),
            QStringLiteral(".bmp"), QStringLiteral(".tif"), QStringLiteral(".tiff")};
}

QStringList videoSuffixes() { return {QStringLiteral(".mp4"), QStringLiteral(".avi")}; }

bool hasSuffix(const QString &path, const QStringList &suffixes)
{
    for (const QString &s : suffixes) {
        if (path.endsWith(s, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool isPhoto(const QString &path) { return hasSuffix(path, photoSuffixes()); }

bool isVideo(const QString &path) { return hasSuffix(path, videoSuffixes()); }

namespace {

QString patterns(const QStringList &suffixes)
{
    QStringList out;
    for (const QString &s : suffixes)
        out << QLatin1Char('*') + s;
    return out.join(QLatin1Char(' '));
}

} // namespace

QString photoFilter() { return patterns(photoSuffixes()); }

QString importFilter() { return patterns(photoSuffixes() + videoSuffixes()); }

} // namespace media
