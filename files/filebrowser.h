#pragma once

#include "files/customlistwidgetitem.h"
#include "files/savefolderbrowser.h"

#include <QHash>
#include <QIcon>
#include <QFileSystemWatcher>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <atomic>

class IconHelp;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QToolButton;

// Grid of thumbnails of the photos or videos under a root folder, with
// sub-folders, search, sort, "new folder" and back. Thumbnails are made by a
// small worker pool; the list itself fills at once with placeholders. The
// folder is watched: changes made outside the program show up by themselves,
// and a new listing keeps the entries, selection and scroll position that
// are still valid.
class FileBrowser : public QWidget, public SaveFolderBrowser
{
    Q_OBJECT
public:
    static constexpr int kIconWidth = 160;
    static constexpr int kIconHeight = 120;
    // Changes on disk are gathered this long before the folder is listed again.
    static constexpr int kReloadDelayMs = 250;

    enum class SortOrder { ByDate, ByName };
    Q_ENUM(SortOrder)

    explicit FileBrowser(QWidget *parent = nullptr);
    ~FileBrowser() override;

    // Video mode lists ".mp4" and ".avi", photo mode ".png", ".jpg", ".bmp".
    void setVideoMode(bool video);
    bool isVideoMode() const { return m_videoMode; }
    QStringList suffixes() const { return m_suffixes; }

    // The root is a boundary: links that lead above it are listed as links
    // and never entered, and no current folder resolves outside it.
    void setRootPath(const QString &path) override;
    QString rootPath() const { return m_rootPath; }
    void setCurrentPath(const QString &path) override;
    QString currentPath() const override { return m_currentPath; }

    // Sets the search filter (names must contain it, any case; the search
    // edit shows it) and lists the current folder again.
    void refresh(const QString &filter = QString());
    // Lists the current folder again under the filter in force. Entries that
    // are still there keep their thumbnail, selection and place.
    void reload();
    QString filter() const { return m_filter; }
    QListWidget *listWidget() const { return m_listWidget; }

    void setSortOrder(SortOrder order);
    SortOrder sortOrder() const { return m_sortOrder; }

    // Paths of the listed entries, and of the selected ones, in list order.
    QStringList listedPaths() const;
    QStringList selectedPaths() const;
    // Emits sigItemOpen for a file, or goes into a folder.
    void openItem(QListWidgetItem *item);

    // Adds one file or folder (a path already listed only gets a new thumbnail).
    bool addItem(const QString &filePath);
    // Points the entry of oldPath at newPath, which must stay in the same
    // folder under a valid name. Only the entry changes, not the disk.
    bool renameItem(const QString &oldPath, const QString &newPath);
    // Makes a sub-folder of the current folder; false for an invalid or
    // existing name, or when mkdir fails.
    bool createFolder(const QString &name);
    // A single path component: not empty, no "/", no "..".
    static bool isValidName(const QString &name);

    // Entries still waiting for their thumbnail.
    int pendingThumbnails() const { return m_pending.size(); }
    // Returns once no thumbnail job runs; their answers are posted by then.
    void waitForThumbnailJobs() { m_pool.waitForDone(); }

    // 160 x 120 picture of a photo or of a video's first frame; null when the
    // file cannot be decoded. Safe on any thread.
    static QImage makeThumbnail(const QString &path, bool video);

    QLineEdit *searchEdit() const { return m_searchEdit; }
    QToolButton *addButton() const { return m_btnAdd; }
    QToolButton *backButton() const { return m_btnBack; }
    QLabel *pathLabel() const { return m_labelPath; }
    QComboBox *sortBox() const { return m_sortBox; }

public slots:
    void onSearchButtonClicked();
    void onCreateFolderClicked();
    void onItemDoubleClicked(QListWidgetItem *item);
    void onBackButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

signals:
    void sigItemOpen(QListWidgetItem *item);
    // Every entry of the listing has its thumbnail (or its broken icon).
    void thumbnailsDone();
    void sortOrderChanged(FileBrowser::SortOrder order);

private:
    void clearList();
    void sortEntries();
    CustomListWidgetItem *appendEntry(const QFileInfo &info);
    void requestThumbnail(CustomListWidgetItem *item);
    void onThumbnailReady(quint64 ticket, const QImage &image);
    CustomListWidgetItem *findItem(const QString &path) const;
    bool isUnderRoot(const QString &path) const;
    void updateLabel();
    void retranslate();

    QLineEdit *m_searchEdit = nullptr;
    QToolButton *m_btnAdd = nullptr;
    QToolButton *m_btnBack = nullptr;
    QLabel *m_labelPath = nullptr;
    QComboBox *m_sortBox = nullptr;
    QListWidget *m_listWidget = nullptr;
    IconHelp *m_iconHelp = nullptr;

    QString m_rootPath;
    QString m_currentPath;
    QString m_filter;
    bool m_videoMode = false;
    QStringList m_suffixes;
    SortOrder m_sortOrder = SortOrder::ByDate;

    QFileSystemWatcher m_watcher;
    QTimer m_reloadTimer;

    QIcon m_folderIcon;
    QIcon m_placeholderIcon;
    QIcon m_brokenIcon;
    QIcon m_linkIcon;

    // Jobs of an older listing see a newer generation and do nothing.
    std::atomic<quint64> m_generation{0};
    quint64 m_nextTicket = 0;
    QHash<quint64, CustomListWidgetItem *> m_pending;
    QThreadPool m_pool;
};
