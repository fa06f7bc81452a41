#pragma once

#include <QString>
#include <QStringList>

// The kinds of file the program saves, lists and imports. Suffixes are
// compared without regard to case ("UP.JPG" is a photo).
namespace media {

// ".png", ".jpg", ".bmp"
QStringList photoSuffixes();
// ".mp4", ".avi"
QStringList videoSuffixes();

bool isPhoto(const QString &path);
bool isVideo(const QString &path);
bool hasSuffix(const QString &path, const QStringList &suffixes);

// File dialog filters: Qt separates the patterns with spaces. The patterns
// are matched case-insensitively by Qt's own dialog.
QString photoFilter(); // "*.png *.jpg *.bmp"
QString importFilter(); // "*.png *.jpg *.bmp *.mp4 *.avi"

} // namespace media
