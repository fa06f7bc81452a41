#include "files/filebrowser.h"

#include "core/crashhandler.h"
#include "core/mediafiles.h"
#include "core/notifier.h"
#include "core/rootpath.h"
#include "record/rtmpthread.h"
#include "widgets/iconhelp.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QRunnable>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QString absoluteClean(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// Bigger photos are not decoded for a thumbnail (hostile headers).
constexpr qint64 kMaxThumbnailSourcePixels = 200LL * 1000 * 1000;

// A link: an arrow bent round a corner, drawn (there is no image for it).
QIcon linkIcon()
{
    QPixmap pm(FileBrowser::kIconWidth, FileBrowser::kIconHeight);
    pm.fill(QColor(0xd8, 0xd8, 0xd8));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x50, 0x60, 0x90), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({QPoint(55, 85), QPoint(55, 45), QPoint(105, 45)}));
    p.drawPolyline(QPolygon({QPoint(90, 30), QPoint(105, 45), QPoint(90, 60)}));
    return QIcon(pm);
}

// The resource image at 160 x 120, or a drawn stand-in while it is missing.
QIcon iconFrom(const QString &resource, bool broken)
{
    QPixmap pm(resource);
    if (pm.isNull()) {
        pm = QPixmap(FileBrowser::kIconWidth, FileBrowser::kIconHeight);
        pm.fill(QColor(0xd8, 0xd8, 0xd8));
        QPainter p(&pm);
        p.setPen(QPen(broken ? QColor(0xc0, 0x30, 0x30) : QColor(0xa0, 0xa0, 0xa0), 3));
        const QRect r = pm.rect().adjusted(50, 30, -50, -30);
        if (broken) {
            p.drawLine(r.topLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomLeft());
        } else {
            p.drawRect(r);
        }
    }
    return QIcon(
        pm.scaled(FileBrowser::kIconWidth, FileBrowser::kIconHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

class ThumbnailJob : public QRunnable
{
public:
    ThumbnailJob(FileBrowser *owner, const std::atomic<quint64> *generation, quint64 myGeneration, quint64 ticket,
                 const QString &path, bool video, std::function<void(quint64, const QImage &)> deliver)
        : m_owner(owner)
        , m_generation(generation)
        , m_myGeneration(myGeneration)
        , m_ticket(ticket)
        , m_path(path)
        , m_video(video)
        , m_deliver(std::move(deliver))
    {}

    void run() override
    {
        crash::armCurrentThread();
        // Thumbnails yield to the GUI, capture and recorder threads.
        static thread_local bool niced = false;
        if (!niced) {
            niced = true;
            setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
        }
        // The owner waits for its pool before it dies, so these stay valid.
        if (m_generation->load() != m_myGeneration)
            return;
        const QImage image = FileBrowser::makeThumbnail(m_path, m_video);
        if (m_generation->load() != m_myGeneration)
            return;
        auto deliver = m_deliver;
        const quint64 ticket = m_ticket;
        QMetaObject::invokeMethod(
            m_owner, [deliver, ticket, image] { deliver(ticket, image); }, Qt::QueuedConnection);
    }

private:
    FileBrowser *m_owner;
    const std::atomic<quint64> *m_generation;
    quint64 m_myGeneration;
    quint64 m_ticket;
    QString m_path;
    bool m_video;
    std::function<void(quint64, const QImage &)> m_deliver;
};

// Drags carry the files as URLs for file managers, mail programs and
// documents, beside the item data the camera tiles take.
class FileListWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override { return QListWidget::mimeTypes() << QStringLiteral("text/uri-list"); }

    QMimeData *mimeData(const QList<QListWidgetItem *> items) const override
    {
        QMimeData *data = QListWidget::mimeData(items);
        QList<QUrl> urls;
        for (const QListWidgetItem *item : items)
            urls << QUrl::fromLocalFile(item->data(Qt::UserRole).toString());
        if (data)
            data->setUrls(urls);
        return data;
    }

    // A drop elsewhere copies; the list never loses entries to a drag.
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

    // The columns that fit share the width, so the grid fills it evenly.
    void resizeEvent(QResizeEvent *event) override
    {
        const QSize item = itemDelegate()->sizeHint(viewOptions(), QModelIndex()) + QSize(kGap, kGap);
        // The width the view lays out in: it keeps room for a scroll bar
        // that may be needed.
        int width = maximumViewportSize().width() - 1;
        if (verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded)
            width -= verticalScrollBar()->sizeHint().width();
        const int columns = qMax(1, width / item.width());
        const QSize grid(qMax(item.width(), width / columns), item.height());
        if (gridSize() != grid)
            setGridSize(grid);
        QListWidget::resizeEvent(event);
    }

private:
    static constexpr int kGap = 8;
};

// Thumbnail with the name and a line of date and size below it.
class EntryDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return QSize(FileBrowser::kIconWidth + 2 * kPad,
                     FileBrowser::kIconHeight + 2 * option.fontMetrics.height() + 3 * kPad);
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        // In a grid cell wider than the entry, the entry keeps its own width.
        const QSize own = sizeHint(option, index);
        if (o.rect.width() > own.width())
            o.rect = QRect(o.rect.left() + (o.rect.width() - own.width()) / 2, o.rect.top(), own.width(), own.height());
        const QPalette &pal = o.palette;
        const bool selected = o.state & QStyle::State_Selected;
        p->save();
        if (selected)
            p->fillRect(o.rect, pal.highlight());
        else if (o.state & QStyle::State_MouseOver)
            p->fillRect(o.rect, pal.midlight());
        const QRect iconRect(o.rect.left() + (o.rect.width() - FileBrowser::kIconWidth) / 2, o.rect.top() + kPad,
                             FileBrowser::kIconWidth, FileBrowser::kIconHeight);
        o.icon.paint(p, iconRect, Qt::AlignCenter);
        const int lineH = o.fontMetrics.height();
        const QRect textRect(o.rect.left() + kPad, iconRect.bottom() + 1 + kPad, o.rect.width() - 2 * kPad, lineH);
        p->setFont(o.font);
        p->setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(textRect, Qt::AlignHCenter | Qt::AlignVCenter,
                    o.fontMetrics.elidedText(o.text, Qt::ElideMiddle, textRect.width()));
        const QString detail = index.data(CustomListWidgetItem::DetailRole).toString();
        if (!detail.isEmpty()) {
            if (!selected)
                p->setPen(pal.color(QPalette::Disabled, QPalette::Text));
            QFont small = o.font;
            if (small.pointSizeF() > 0)
                small.setPointSizeF(small.pointSizeF() * 0.85);
            p->setFont(small);
            p->drawText(textRect.translated(0, lineH), Qt::AlignHCenter | Qt::AlignVCenter,
                        QFontMetrics(small).elidedText(detail, Qt::ElideRight, textRect.width()));
        }
        if (o.state & QStyle::State_HasFocus) {
            p->setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DotLine));
            p->setBrush(Qt::NoBrush);
            p->drawRect(o.rect.adjusted(0, 0, -1, -1));
        }
        p->restore();
    }

private:
    static constexpr int kPad = 4;
};

} // namespace

FileBrowser::FileBrowser(QWidget *parent)
    : QWidget(parent)
{
    qRegisterMetaType<SortOrder>();
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("lineEditSearch"));
    QAction *search = m_searchEdit->addAction(QIcon(QStringLiteral(":/Vistrel/image/icon/btnSearch.png")),
                                              QLineEdit::TrailingPosition);
    search->setObjectName(QStringLiteral("actionSearch"));

    const QString buttonStyle = QStringLiteral("QToolButton{Border: none;} QToolButton:checked{}");
    m_btnAdd = new QToolButton(this);
    m_btnAdd->setObjectName(QStringLiteral("btnAdd"));
    m_btnAdd->setStyleSheet(buttonStyle);
    m_btnBack = new QToolButton(this);
    m_btnBack->setObjectName(QStringLiteral("btnBack"));
    m_btnBack->setStyleSheet(buttonStyle);
    // A plain text stands in while the icon images are missing.
    m_btnAdd->setText(QStringLiteral("+"));
    m_btnBack->setText(QStringLiteral("<"));
    for (QToolButton *button : {m_btnAdd, m_btnBack}) {
        if (IconHelp::icon(button->objectName()).availableSizes().isEmpty())
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    m_iconHelp = new IconHelp(this);
    m_iconHelp->setIcon(m_btnAdd, QStringLiteral("btnAdd"));
    m_iconHelp->setIcon(m_btnBack, QStringLiteral("btnBack"));

    m_labelPath = new QLabel(this);
    m_labelPath->setObjectName(QStringLiteral("labelPath"));

    m_sortBox = new QComboBox(this);
    m_sortBox->setObjectName(QStringLiteral("boxSort"));
    m_sortBox->addItem(QString(), int(SortOrder::ByDate));
    m_sortBox->addItem(QString(), int(SortOrder::ByName));
    m_sortBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    retranslate();

    // A grid that fills the width and wraps, as a file manager shows pictures.
    m_listWidget = new FileListWidget(this);
    m_listWidget->setObjectName(QStringLiteral("listWidget"));
    m_listWidget->setViewMode(QListView::IconMode);
    m_listWidget->setFlow(QListView::LeftToRight);
    m_listWidget->setWrapping(true);
    m_listWidget->setMovement(QListView::Static);
    m_listWidget->setResizeMode(QListView::Adjust);
    m_listWidget->setUniformItemSizes(true);
    m_listWidget->setSpacing(0); // the grid cells hold the gaps
    m_listWidget->setIconSize(QSize(kIconWidth, kIconHeight));
    m_listWidget->setItemDelegate(new EntryDelegate(m_listWidget));
    m_listWidget->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listWidget->setDragDropMode(QAbstractItemView::DragOnly);
    m_listWidget->setDragEnabled(true);
    m_listWidget->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_listWidget->setMouseTracking(true);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_searchEdit, 1);
    row->addWidget(m_sortBox);
    row->addWidget(m_btnAdd);
    row->addWidget(m_btnBack);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(row);
    layout->addWidget(m_labelPath);
    layout->addWidget(m_listWidget, 1);

    m_folderIcon = iconFrom(QStringLiteral(":/Vistrel/image/icon/iconFolder.png"), false);
    m_placeholderIcon = iconFrom(QStringLiteral(":/Vistrel/image/icon/iconPlaceholder.png"), false);
    m_brokenIcon = iconFrom(QStringLiteral(":/Vistrel/image/icon/iconBroken.png"), true);
    m_linkIcon = linkIcon();

    // Two decoders keep the GUI responsive on a two-core machine.
    m_pool.setMaxThreadCount(qBound(1, QThread::idealThreadCount(), 2));

    connect(search, &QAction::triggered, this, &FileBrowser::onSearchButtonClicked);
    connect(m_searchEdit, &QLineEdit::returnPressed, this, &FileBrowser::onSearchButtonClicked);
    connect(m_btnAdd, &QToolButton::clicked, this, &FileBrowser::onCreateFolderClicked);
    connect(m_btnBack, &QToolButton::clicked, this, &FileBrowser::onBackButtonClicked);
    connect(m_listWidget, &QListWidget::itemDoubleClicked, this, &FileBrowser::onItemDoubleClicked);
    connect(m_sortBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { setSortOrder(SortOrder(m_sortBox->itemData(index).toInt())); });
    m_reloadTimer.setSingleShot(true);
    m_reloadTimer.setInterval(kReloadDelayMs);
    connect(&m_reloadTimer, &QTimer::timeout, this, &FileBrowser::reload);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_reloadTimer.start(); });
    // Entries deleted behind our back must not receive a thumbnail later.
    connect(m_listWidget->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                bool dropped = false;
                for (int row = first; row <= last; ++row) {
                    // Possibly inside the item's destructor: base class access only.
                    const QListWidgetItem *item = m_listWidget->item(row);
                    const quint64 ticket = item ? item->data(CustomListWidgetItem::TicketRole).toULongLong() : 0;
                    if (ticket)
                        dropped = m_pending.remove(ticket) > 0 || dropped;
                }
                if (dropped && m_pending.isEmpty())
                    QMetaObject::invokeMethod(this, &FileBrowser::thumbnailsDone, Qt::QueuedConnection);
            });
    connect(m_listWidget->model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_pending.clear(); });
}

FileBrowser::~FileBrowser()
{
    // The list dies after our members; its last signals must not reach them.
    disconnect(m_listWidget->model(), nullptr, this, nullptr);
    ++m_generation;
    m_pool.clear();
    m_pool.waitForDone();
}

void FileBrowser::setVideoMode(bool video)
{
    m_videoMode = video;
    // One mode at a time: a second call must not list both kinds.
    m_suffixes = video ? media::videoSuffixes() : media::photoSuffixes();
}

void FileBrowser::setRootPath(const QString &path)
{
    m_rootPath = path.isEmpty() ? QString() : absoluteClean(path);
    if (!path.isEmpty() && QFileInfo(path).isDir())
        setCurrentPath(m_rootPath);
}

void FileBrowser::setCurrentPath(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return;
    // Through a link or not, never a folder outside the root.
    if (!m_rootPath.isEmpty() && !rootpath::isInside(path, m_rootPath))
        return;
    const QString clean = absoluteClean(path);
    if (clean != m_currentPath) {
        // Another folder: nothing of the old listing is kept.
        clearList();
        if (!m_currentPath.isEmpty())
            m_watcher.removePath(m_currentPath);
        m_currentPath = clean;
        m_watcher.addPath(m_currentPath);
    }
    refresh();
}

void FileBrowser::updateLabel()
{
    const QString rootName = QFileInfo(m_rootPath).fileName();
    const QString rel = QDir(m_rootPath).relativeFilePath(m_currentPath);
    if (rel.isEmpty() || rel == QLatin1String("."))
        m_labelPath->setText(rootName);
    else
        m_labelPath->setText(rootName + QLatin1Char('/') + rel);
    m_labelPath->setToolTip(m_currentPath);
}

void FileBrowser::clearList()
{
    ++m_generation;
    m_pool.clear();
    m_pending.clear();
    m_listWidget->clear();
}

void FileBrowser::refresh(const QString &filter)
{
    m_filter = filter;
    if (m_searchEdit->text() != filter)
        m_searchEdit->setText(filter);
    reload();
}

void FileBrowser::reload()
{
    m_reloadTimer.stop();
    if (m_currentPath.isEmpty()) {
        clearList();
        return;
    }
    // The folder shown was removed: back to the root.
    if (!QFileInfo(m_currentPath).isDir() && m_currentPath != m_rootPath && QFileInfo(m_rootPath).isDir()) {
        setCurrentPath(m_rootPath);
        return;
    }
    updateLabel();
    // A folder removed and made again is a new inode: watch it afresh.
    if (!m_watcher.directories().contains(m_currentPath))
        m_watcher.addPath(m_currentPath);

    QHash<QString, QFileInfo> wanted;
    const QDir dir(m_currentPath);
    const QFileInfoList dirs = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : dirs) {
        if (m_filter.isEmpty() || info.fileName().contains(m_filter, Qt::CaseInsensitive))
            wanted.insert(absoluteClean(info.absoluteFilePath()), info);
    }
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : files) {
        const QString name = info.fileName();
        if (!m_filter.isEmpty() && !name.contains(m_filter, Qt::CaseInsensitive))
            continue;
        if (media::hasSuffix(name, m_suffixes))
            wanted.insert(absoluteClean(info.absoluteFilePath()), info);
    }

    QScrollBar *bar = m_listWidget->verticalScrollBar();
    const int scroll = bar->value();
    m_listWidget->setUpdatesEnabled(false);
    QList<CustomListWidgetItem *> stale;
    for (int i = m_listWidget->count() - 1; i >= 0; --i) {
        auto *item = static_cast<CustomListWidgetItem *>(m_listWidget->item(i));
        auto it = wanted.find(item->filePath());
        if (it == wanted.end() || it->isDir() != item->isDir()
            || rootpath::leadsOutside(it->absoluteFilePath(), m_rootPath) != item->isOutsideLink()) {
            delete m_listWidget->takeItem(i);
            continue;
        }
        if (item->updateDetails(*it) && !item->isDir())
            stale << item;
        wanted.erase(it);
    }
    QList<CustomListWidgetItem *> added;
    for (const QFileInfo &info : qAsConst(wanted))
        added << appendEntry(info);
    sortEntries();
    m_listWidget->setUpdatesEnabled(true);
    bar->setValue(scroll);

    // Thumbnails in list order, so the visible top fills first.
    for (int i = 0; i < m_listWidget->count(); ++i) {
        auto *item = static_cast<CustomListWidgetItem *>(m_listWidget->item(i));
        if (item->isDir() || item->isOutsideLink())
            continue;
        if (added.contains(item) || stale.contains(item)) {
            m_pending.remove(item->ticket());
            requestThumbnail(item);
        }
    }
    if (m_pending.isEmpty())
        emit thumbnailsDone();
}

void FileBrowser::setSortOrder(SortOrder order)
{
    m_sortBox->setCurrentIndex(m_sortBox->findData(int(order)));
    if (order == m_sortOrder)
        return;
    m_sortOrder = order;
    sortEntries();
    if (QListWidgetItem *current = m_listWidget->currentItem())
        m_listWidget->scrollToItem(current);
    emit sortOrderChanged(order);
}

void FileBrowser::sortEntries()
{
    const bool byName = m_sortOrder == SortOrder::ByName;
    for (int i = 0; i < m_listWidget->count(); ++i)
        static_cast<CustomListWidgetItem *>(m_listWidget->item(i))->setSortByName(byName);
    m_listWidget->sortItems(Qt::AscendingOrder);
}

QStringList FileBrowser::listedPaths() const
{
    QStringList out;
    for (int i = 0; i < m_listWidget->count(); ++i)
        out << m_listWidget->item(i)->data(Qt::UserRole).toString();
    return out;
}

QStringList FileBrowser::selectedPaths() const
{
    QStringList out;
    for (int i = 0; i < m_listWidget->count(); ++i) {
        if (m_listWidget->item(i)->isSelected())
            out << m_listWidget->item(i)->data(Qt::UserRole).toString();
    }
    return out;
}

CustomListWidgetItem *FileBrowser::appendEntry(const QFileInfo &info)
{
    auto *item = new CustomListWidgetItem(info);
    if (rootpath::leadsOutside(info.absoluteFilePath(), m_rootPath)) {
        // Shown for what it is; what it leads to is not read.
        const QString target = info.symLinkTarget();
        item->setData(CustomListWidgetItem::LinkRole, target);
        item->setData(CustomListWidgetItem::DetailRole, QString(QStringLiteral("→ ") + target));
        item->setToolTip(item->text() + QStringLiteral(" → ") + target);
        item->setIcon(m_linkIcon);
        item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
    } else if (item->isDir()) {
        item->setIcon(m_folderIcon);
        item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);
    } else {
        item->setIcon(m_placeholderIcon);
        item->setThumbnailState(CustomListWidgetItem::ThumbnailPending);
    }
    item->setSortByName(m_sortOrder == SortOrder::ByName);
    m_listWidget->addItem(item);
    return item;
}

void FileBrowser::requestThumbnail(CustomListWidgetItem *item)
{
    const quint64 ticket = ++m_nextTicket;
    item->setTicket(ticket);
    item->setThumbnailState(CustomListWidgetItem::ThumbnailPending);
    m_pending.insert(ticket, item);
    auto deliver = [this](quint64 t, const QImage &image) { onThumbnailReady(t, image); };
    m_pool.start(
        new ThumbnailJob(this, &m_generation, m_generation.load(), ticket, item->filePath(), m_videoMode, deliver));
}

void FileBrowser::onThumbnailReady(quint64 ticket, const QImage &image)
{
    CustomListWidgetItem *item = m_pending.take(ticket);
    if (!item) // from a listing that is gone, or superseded by a newer job
        return;
    if (image.isNull()) {
        item->setIcon(m_brokenIcon);
        item->setThumbnailState(CustomListWidgetItem::ThumbnailBroken);
        // Perhaps still being copied in: a look again once it changed.
        if (QFileInfo(item->filePath()).lastModified().secsTo(QDateTime::currentDateTime()) < 5)
            m_reloadTimer.start(1000);
    } else {
        item->setIcon(QIcon(QPixmap::fromImage(image)));
        item->setThumbnailState(CustomListWidgetItem::ThumbnailReady);
    }
    item->setTicket(0);
    if (m_pending.isEmpty())
        emit thumbnailsDone();
}

QImage FileBrowser::makeThumbnail(const QString &path, bool video)
{
    QImage image;
    if (video) {
        image = RtmpThread::readFirstFrame(path, QSize(kIconWidth, kIconHeight));
    } else {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QSize size = reader.size();
        if (size.isValid() && qint64(size.width()) * size.height() > kMaxThumbnailSourcePixels)
            return QImage();
        // Decoders that can (JPEG) decode straight at the small size.
        if (size.isValid())
            reader.setScaledSize(QSize(kIconWidth, kIconHeight));
        image = reader.read();
    }
    if (image.isNull())
        return QImage();
    if (image.size() != QSize(kIconWidth, kIconHeight))
        image = image.scaled(kIconWidth, kIconHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

CustomListWidgetItem *FileBrowser::findItem(const QString &path) const
{
    const QString clean = absoluteClean(path);
    for (int i = 0; i < m_listWidget->count(); ++i) {
        auto *item = static_cast<CustomListWidgetItem *>(m_listWidget->item(i));
        if (item->filePath() == clean)
            return item;
    }
    return nullptr;
}

bool FileBrowser::addItem(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return false;
    if (CustomListWidgetItem *existing = findItem(filePath)) {
        // Same name written again: only its picture may have changed.
        if (!existing->isDir() && !existing->isOutsideLink()) {
            m_pending.remove(existing->ticket());
            requestThumbnail(existing);
        }
        return true;
    }
    if (!m_rootPath.isEmpty() && !rootpath::entryInside(filePath, m_rootPath))
        return false;
    CustomListWidgetItem *item = appendEntry(info);
    sortEntries();
    if (!item->isDir() && !item->isOutsideLink())
        requestThumbnail(item);
    return true;
}

bool FileBrowser::isValidName(const QString &name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String("."))
        return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1String("..")) && !name.contains(QChar(0));
}

bool FileBrowser::renameItem(const QString &oldPath, const QString &newPath)
{
    CustomListWidgetItem *item = findItem(oldPath);
    if (!item)
        return false;
    const QFileInfo oldInfo(item->filePath());
    // The new name is a plain name in the same folder.
    const int slash = newPath.lastIndexOf(QLatin1Char('/'));
    const QString newName = slash >= 0 ? newPath.mid(slash + 1) : newPath;
    if (!isValidName(newName))
        return false;
    const QString newDir = slash >= 0 ? QDir::cleanPath(QFileInfo(newPath.left(slash + 1)).absoluteFilePath())
                                      : oldInfo.absolutePath();
    if (newDir != QDir::cleanPath(oldInfo.absolutePath()))
        return false;
    item->setFilePath(QDir(newDir).filePath(newName));
    // A job still reading the old name would fail: read the new one.
    if (item->thumbnailState() == CustomListWidgetItem::ThumbnailPending) {
        m_pending.remove(item->ticket());
        requestThumbnail(item);
    }
    sortEntries();
    return true;
}

bool FileBrowser::createFolder(const QString &name)
{
    if (m_currentPath.isEmpty() || !isValidName(name))
        return false;
    QDir dir(m_currentPath);
    if (dir.exists(name) || !dir.mkdir(name))
        return false;
    reload();
    return true;
}

bool FileBrowser::isUnderRoot(const QString &path) const { return rootpath::isInside(path, m_rootPath); }

void FileBrowser::onSearchButtonClicked() { refresh(m_searchEdit->text()); }

void FileBrowser::onCreateFolderClicked()
{
    if (m_currentPath.isEmpty())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("名称"), tr("名称"), QLineEdit::Normal,
                                               QStringLiteral("New Folder"), &ok);
    if (!ok)
        return;
    if (!isValidName(name)) {
        notifier().inform(this, tr("文件夹名称无效"));
        return;
    }
    createFolder(name);
}

void FileBrowser::onItemDoubleClicked(QListWidgetItem *item) { openItem(item); }

void FileBrowser::openItem(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(Qt::UserRole).toString();
    if (item->data(CustomListWidgetItem::LinkRole).isValid()) {
        notifier().inform(this, tr("此链接指向根文件夹之外，不会打开：%1").arg(item->text()));
        return;
    }
    const QFileInfo info(path);
    if (info.isDir() && QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(m_currentPath)) {
        setCurrentPath(path);
        return;
    }
    emit sigItemOpen(item);
}

void FileBrowser::onBackButtonClicked()
{
    if (m_currentPath.isEmpty() || m_rootPath.isEmpty())
        return;
    if (QDir::cleanPath(m_currentPath) == QDir::cleanPath(m_rootPath))
        return;
    QDir dir(m_currentPath);
    // Never above the root, even from a folder set outside it.
    if (!dir.cdUp() || !isUnderRoot(dir.absolutePath()))
        setCurrentPath(m_rootPath);
    else
        setCurrentPath(dir.absolutePath());
}

void FileBrowser::retranslate()
{
    m_searchEdit->setPlaceholderText(tr("Search"));
    m_btnAdd->setToolTip(tr("新建文件夹"));
    m_btnBack->setToolTip(tr("返回上一级"));
    m_sortBox->setItemText(0, tr("日期"));
    m_sortBox->setItemText(1, tr("名称"));
    m_sortBox->setToolTip(tr("排序"));
}

void FileBrowser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
