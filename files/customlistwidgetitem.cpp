#include "files/customlistwidgetitem.h"
#include "core/filenames.h"

#include <QFileInfo>
#include <QLocale>

namespace {

// "img2" before "img10", letters in any case alike, as a file manager
// shows them. Runs of digits compare by value.
int naturalCompare(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int ei = i;
            int ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros do not count; then the longer run is bigger.
            QStringRef da = a.midRef(i, ei - i);
            QStringRef db = b.midRef(j, ej - j);
            while (da.size() > 1 && da.startsWith(QLatin1Char('0')))
                da = da.mid(1);
            while (db.size() > 1 && db.startsWith(QLatin1Char('0')))
                db = db.mid(1);
            if (da.size() != db.size())
                return da.size() < db.size() ? -1 : 1;
            if (const int c = da.compare(db))
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    return (a.size() - i) - (b.size() - j);
}

} // namespace

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
    updateDetails(info);
}

QString CustomListWidgetItem::filePath() const { return data(Qt::UserRole).toString(); }

void CustomListWidgetItem::setFilePath(const QString &path)
{
    // Bytes of the name that are no UTF-8 show as U+FFFD; the path keeps them.
    setText(filenames::displayName(QFileInfo(path).fileName()));
    setData(Qt::UserRole, path);
    updateToolTip();
}

bool CustomListWidgetItem::updateDetails(const QFileInfo &info)
{
    const QDateTime modified = info.lastModified();
    const qint64 size = m_isDir ? 0 : info.size();
    const bool changed = m_size >= 0 && (modified != m_modified || size != m_size);
    m_modified = modified;
    m_size = size;
    m_created = creationTimeOf(info);
    // Short enough to fit under a thumbnail; the tool tip has the rest.
    const QLocale locale;
    QString detail = m_created.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!m_isDir)
        detail += QStringLiteral("  ") + locale.formattedDataSize(m_size, 1, QLocale::DataSizeSIFormat);
    setData(DetailRole, detail);
    updateToolTip();
    return changed;
}

void CustomListWidgetItem::updateToolTip()
{
    if (m_size < 0) {
        setToolTip(text());
        return;
    }
    const QLocale locale;
    QString tip = text() + QLatin1Char('\n') + locale.toString(m_created, QLocale::LongFormat);
    if (!m_isDir)
        tip += QLatin1Char('\n') + locale.formattedDataSize(m_size, 1, QLocale::DataSizeSIFormat);
    setToolTip(tip);
}

CustomListWidgetItem::ThumbnailState CustomListWidgetItem::thumbnailState() const
{
    return ThumbnailState(data(ThumbnailRole).toInt());
}

void CustomListWidgetItem::setThumbnailState(ThumbnailState state) { setData(ThumbnailRole, int(state)); }

bool CustomListWidgetItem::operator<(const QListWidgetItem &other) const
{
    if (other.type() != Type)
        return QListWidgetItem::operator<(other);
    const auto &o = static_cast<const CustomListWidgetItem &>(other);
    if (m_isDir != o.m_isDir)
        return m_isDir;
    if (m_byName) {
        if (const int c = naturalCompare(text(), o.text()))
            return c < 0;
        return text() < o.text();
    }
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
