#include "core/rootpath.h"

#include <QDir>
#include <QFileInfo>

namespace rootpath {

QString canonical(const QString &path)
{
    if (path.isEmpty())
        return QString();
    QString rest;
    QString head = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    // Climb to the first ancestor that exists; what lies below it is kept as written.
    for (;;) {
        const QString resolved = QFileInfo(head).canonicalFilePath();
        if (!resolved.isEmpty())
            return rest.isEmpty() ? resolved : QDir::cleanPath(resolved + QLatin1Char('/') + rest);
        const int slash = head.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return QDir::cleanPath(head + QLatin1Char('/') + rest);
        rest = rest.isEmpty() ? head.mid(slash + 1) : head.mid(slash + 1) + QLatin1Char('/') + rest;
        head = head.left(slash);
    }
}

QString canonicalEntry(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString name = info.fileName();
    if (name.isEmpty()) // "/"
        return QStringLiteral("/");
    const QString dir = canonical(info.absolutePath());
    return dir == QLatin1String("/") ? QString(dir + name) : QString(dir + QLatin1Char('/') + name);
}

namespace {

bool within(const QString &inner, const QString &root)
{
    if (inner.isEmpty() || root.isEmpty())
        return false;
    if (root == QLatin1String("/"))
        return true;
    return inner == root || inner.startsWith(root + QLatin1Char('/'));
}

} // namespace

bool isInside(const QString &path, const QString &root) { return within(canonical(path), canonical(root)); }

bool entryInside(const QString &path, const QString &root) { return within(canonicalEntry(path), canonical(root)); }

bool leadsOutside(const QString &path, const QString &root)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return false;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() || !within(target, canonical(root));
}

} // namespace rootpath
