#include "dialogs/customlistwidgetitem.h"

#include <QFileInfo>

CustomListWidgetItem::CustomListWidgetItem(const QString &filePath, bool isDir, const QDateTime &created)
    : QListWidgetItem(nullptr, Type)
    , m_isDir(isDir)
    , m_created(created)
{
    setFilePath(filePath);
    setData(ThumbnailRole, int(NoThumbnail));
}

CustomListWidgetItem::CustomListWidgetItem(const QFileInfo &info)
    : CustomListWidgetItem(info.absoluteFilePath(), info.isDir(), creationTimeOf(info))
{
}

QString CustomListWidgetItem::filePath() const
{
    return data(Qt::UserRole).toString();
}

void CustomListWidgetItem::setFilePath(const QString &path)
{
    setText(QFileInfo(path).fileName());
    setData(Qt::UserRole, path);
}

CustomListWidgetItem::ThumbnailState CustomListWidgetItem::thumbnailState() const
{
    return ThumbnailState(data(ThumbnailRole).toInt());
}

void CustomListWidgetItem::setThumbnailState(ThumbnailState state)
{
    setData(ThumbnailRole, int(state));
}

bool CustomListWidgetItem::operator<(const QListWidgetItem &other) const
{
    if (other.type() != Type)
        return QListWidgetItem::operator<(other);
    const auto &o = static_cast<const CustomListWidgetItem &>(other);
    if (m_isDir != o.m_isDir)
        return m_isDir;
    if (m_created != o.m_created)
        return m_created > o.m_created;
    // Same instant: a stable order by name.
    return text() < o.text();
}

QDateTime CustomListWidgetItem::creationTimeOf(const QFileInfo &info)
{
    const QDateTime born = info.birthTime();
    return born.isValid() ? born : info.lastModified();
}
