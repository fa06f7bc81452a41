#include "app/storagepaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString orHome(const QString &dir) { return dir.isEmpty() ? QDir::homePath() : dir; }

} // namespace

StoragePaths resolveStoragePaths(const QString &appDir, bool appDirWritable, const QString &configDir,
                                 const QString &picturesDir, const QString &videosDir)
{
    StoragePaths p;
    p.portable = appDirWritable;
    if (appDirWritable) {
        p.configFile = appDir + QStringLiteral("/Measure.config");
        p.imageRoot = appDir + QStringLiteral("/save/image");
        p.videoRoot = appDir + QStringLiteral("/save/movie");
    } else {
        p.configFile = orHome(configDir) + QStringLiteral("/Measure.config");
        p.imageRoot = orHome(picturesDir) + QStringLiteral("/Vistrel");
        p.videoRoot = orHome(videosDir) + QStringLiteral("/Vistrel");
    }
    return p;
}

bool isFolderWritable(const QString &dir)
{
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(dir + QStringLiteral("/.vistrel-write-XXXXXX"));
    return probe.open(); // removed again when probe goes
}

StoragePaths storagePaths()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    // An installed program (its data under ../share/vistrel) keeps nothing
    // beside itself, even when root could write there.
    const bool installed = QFileInfo(appDir + QStringLiteral("/../share/vistrel")).isDir();
    return resolveStoragePaths(appDir, !installed && isFolderWritable(appDir),
                               QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                               QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                               QStandardPaths::writableLocation(QStandardPaths::MoviesLocation));
}

QStringList translationDirs(const QString &appDir, const QStringList &dataDirs)
{
    QStringList dirs;
    auto add = [&dirs](const QString &dir) {
        const QString clean = QDir::cleanPath(dir);
        if (!dirs.contains(clean))
            dirs.append(clean);
    };
    add(appDir + QStringLiteral("/lang"));
    add(appDir + QStringLiteral("/../share/vistrel/lang"));
    for (const QString &data : dataDirs)
        add(data + QStringLiteral("/vistrel/lang"));
    return dirs;
}

QStringList translationDirs()
{
    return translationDirs(QCoreApplication::applicationDirPath(),
                           QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}
