#pragma once

#include <QString>
#include <QStringList>

// The kinds of file the program saves, lists and imports. Suffixes are
// compared without regard to case ("UP.JPG" is a photo).
namespace media {

// ".png", ".jpg", ".jpeg", ".bmp", ".tif", ".tiff": every photo the program writes and opens
QStringList photoSuffixes();
// ".mp4", ".avi"
QStringList videoSuffixes();

bool isPhoto(const QString &path);
bool isVideo(const QString &path);
bool hasSuffix(const QString &path, const QStringList &suffixes);

// File dialog filters: Qt separates the patterns with spaces. The patterns
// are matched case-insensitively by Qt's own dialog.
QString photoFilter();  // "*.png *.jpg *.jpeg *.bmp *.tif *.tiff"
QString importFilter(); // the photos, then "*.mp4 *.avi"

} // namespace media
