#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <functional>

// Every file the program writes goes through here: into a temporary file
// beside the target that is renamed over it only once complete, so a full
// disk, a read-only folder or a crash leaves the old file as it was and no
// half-written one in its place.
namespace atomicsave {

struct Result
{
    bool saved = false;
    QString path;
    // Why not, in the words of the file system or of the writer; empty
    // when saved.
    QString reason;
    // The reason with the file it is about, for logs and messages.
    QString message() const;
};

// Writes the file's contents; false when it could not (why may be set,
// else the file's own error is taken). The file is open for writing and
// takes permissions (setPermissions) before it is committed.
using Writer = std::function<bool(QFileDevice &file, QString *why)>;

Result save(const QString &path, const QByteArray &bytes);
Result save(const QString &path, const Writer &write);

} // namespace atomicsave
