#include "core/atomicsave.h"

#include <QDir>
#include <QSaveFile>

namespace atomicsave {

QString Result::message() const
{
    if (saved)
        return QString();
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

Result save(const QString &path, const QByteArray &bytes)
{
    return save(path, [&bytes](QFileDevice &file, QString *) { return file.write(bytes) == bytes.size(); });
}

Result save(const QString &path, const Writer &write)
{
    Result r;
    r.path = path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        r.reason = file.errorString();
        return r;
    }
    QString why;
    if (!write(file, &why)) {
        r.reason = why.isEmpty() ? file.errorString() : why;
        file.cancelWriting();
        return r;
    }
    if (!file.commit()) {
        r.reason = file.errorString();
        return r;
    }
    r.saved = true;
    return r;
}

} // namespace atomicsave
