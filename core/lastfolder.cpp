#include "core/lastfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lastfolder {

namespace {
QString g_last;
QString g_default;
} // namespace

QString start(const QString &name)
{
    QString folder = !g_last.isEmpty() && QFileInfo(g_last).isDir() ? g_last : g_default;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return name.isEmpty() ? folder : folder + QLatin1Char('/') + name;
}

void remember(const QString &chosen)
{
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    g_last = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

void setDefault(const QString &folder) { g_default = folder; }

} // namespace lastfolder
