#pragma once

#include <QString>

// The save roots are boundaries: a symbolic link inside a root that points
// above it must not let a listing, a photo or a delete reach outside. Every
// comparison is made on resolved paths.
namespace rootpath {

// The path with every link, "." and ".." resolved. For a path that does not
// exist (yet), its nearest existing ancestor is resolved and the rest kept.
QString canonical(const QString &path);
// The entry itself, not what it points to: its folder resolved, its own
// name kept. A link is judged by where it lies, not where it leads.
QString canonicalEntry(const QString &path);
// Whether path, resolved, is root or lies below it (root resolved as well).
bool isInside(const QString &path, const QString &root);
// Whether the entry (a link not followed) is root or lies below it.
bool entryInside(const QString &path, const QString &root);
// A link whose target, resolved, lies outside root (or is missing).
bool leadsOutside(const QString &path, const QString &root);

} // namespace rootpath
