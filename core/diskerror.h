#pragma once

#include <QString>

// What a failed write means to the user. A full disk and a folder without
// write permission need different actions, so they get different words:
// "disk full" names the folder and its free space, "not writable" is kept
// for permission errors.
namespace diskerror {

enum class Kind { Full, NotWritable, Other };

// The kind of an errno value (ENOSPC and EDQUOT: full; EACCES, EPERM and
// EROFS: not writable).
Kind classify(int err);

// The message for a write of path (a file or a folder) that failed with
// err, in the current language.
QString describe(int err, const QString &path);

// For writers that lose errno (QImage::save, QSaveFile): decides from the
// disk itself. The folder of path is tried for writing; bytesNeeded (or
// 1 MiB when unknown) is compared with its free space. Returns the same
// texts as describe().
QString diagnose(const QString &path, qint64 bytesNeeded = -1);

// The folder a path lives in: itself when it is one, else the nearest
// existing parent.
QString existingFolder(const QString &path);

} // namespace diskerror
