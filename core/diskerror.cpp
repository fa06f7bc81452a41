#include "core/diskerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <unistd.h>

namespace diskerror {

namespace {

QString freeSpace(const QString &folder)
{
    const QStorageInfo storage(folder);
    const qint64 free = storage.isValid() ? storage.bytesAvailable() : -1;
    return free < 0 ? QStringLiteral("?") : QLocale().formattedDataSize(free);
}

} // namespace

Kind classify(int err)
{
    switch (err) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Kind::Full;
    case EACCES:
    case EPERM:
    case EROFS: return Kind::NotWritable;
    default: return Kind::Other;
    }
}

QString existingFolder(const QString &path)
{
    QFileInfo info(QDir::cleanPath(QDir(path).absolutePath()));
    if (info.isDir())
        return info.filePath();
    QString dir = info.path();
    while (!QFileInfo(dir).isDir()) {
        const QString up = QFileInfo(dir).path();
        if (up == dir)
            break;
        dir = up;
    }
    return dir;
}

QString describe(int err, const QString &path)
{
    const QString folder = existingFolder(path);
    switch (classify(err)) {
    case Kind::Full:
        return QCoreApplication::translate("DiskError", "磁盘已满：%1（剩余 %2）")
            .arg(QDir::toNativeSeparators(folder), freeSpace(folder));
    case Kind::NotWritable: {
        // The folder the file was meant for, and where making it failed when
        // it does not exist yet (an unusable home gives "/", which alone says nothing).
        const QFileInfo target(QDir::cleanPath(QDir(path).absolutePath()));
        const QString tried = target.isDir() ? target.filePath() : target.path();
        if (QDir::cleanPath(tried) == QDir::cleanPath(folder))
            return QCoreApplication::translate("DiskError", "文件夹不可写：%1").arg(QDir::toNativeSeparators(tried));
        return QCoreApplication::translate("DiskError", "文件夹不可写：%1（无法在 %2 中创建）")
            .arg(QDir::toNativeSeparators(tried), QDir::toNativeSeparators(folder));
    }
    case Kind::Other: break;
    }
    return QCoreApplication::translate("DiskError", "写入失败：%1（%2）")
        .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(strerror(err)));
}

QString diagnose(const QString &path, qint64 bytesNeeded)
{
    const QString folder = existingFolder(path);
    // Tried rather than read from permission bits: root passes every check
    // but still cannot write to a read-only mount.
    QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.vistrel-probe-XXXXXX"));
    const int fd = mkstemp(probe.data());
    if (fd < 0)
        return describe(errno, path);
    ::close(fd);
    ::unlink(probe.constData());
    const QStorageInfo storage(folder);
    const qint64 need = bytesNeeded > 0 ? bytesNeeded : 1024 * 1024;
    if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < need)
        return describe(ENOSPC, path);
    return describe(EIO, path);
}

} // namespace diskerror
