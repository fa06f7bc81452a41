#pragma once

#include <QDateTime>
#include <QListWidgetItem>

class QFileInfo;

// One entry of the file browser: a folder or a photo/video file.
// Folders sort before files; within each, the newest comes first, or by
// name when the browser sorts by name.
class CustomListWidgetItem : public QListWidgetItem
{
public:
    enum { Type = QListWidgetItem::UserType + 1 };
    // Qt::UserRole holds the full path; these the thumbnail state and the
    // ticket of the thumbnail job the entry waits for (0: none). Kept as
    // item data so that they stay readable while the item is being deleted.
    // DetailRole: the date and size line shown under the name.
    // LinkRole: for a link that leads out of the root, where it leads (such
    // an entry is shown, never entered or opened).
    enum {
        ThumbnailRole = Qt::UserRole + 1,
        TicketRole = Qt::UserRole + 2,
        DetailRole = Qt::UserRole + 3,
        LinkRole = Qt::UserRole + 4
    };
    enum ThumbnailState { NoThumbnail = 0, ThumbnailPending, ThumbnailReady, ThumbnailBroken };

    CustomListWidgetItem(const QString &filePath, bool isDir, const QDateTime &created);
    explicit CustomListWidgetItem(const QFileInfo &info);

    bool isDir() const { return m_isDir; }
    bool isOutsideLink() const { return data(LinkRole).isValid(); }
    QString filePath() const;
    // New full path; the text follows the file name.
    void setFilePath(const QString &path);
    QDateTime creationTime() const { return m_created; }

    // Size, times and the detail line from the file on disk. True when the
    // file changed since the last call (its thumbnail is stale).
    bool updateDetails(const QFileInfo &info);

    ThumbnailState thumbnailState() const;
    void setThumbnailState(ThumbnailState state);

    quint64 ticket() const { return data(TicketRole).toULongLong(); }
    void setTicket(quint64 ticket) { setData(TicketRole, ticket); }

    void setSortByName(bool byName) { m_byName = byName; }
    bool operator<(const QListWidgetItem &other) const override;

    // Birth time where the file system keeps one, else the modification time.
    static QDateTime creationTimeOf(const QFileInfo &info);

private:
    void updateToolTip();

    bool m_isDir = false;
    bool m_byName = false;
    QDateTime m_created;
    QDateTime m_modified;
    qint64 m_size = -1;
};
