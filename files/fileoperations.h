#pragma once

#include "record/recovery.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

struct AppSettings;
class FileBrowser;
class QListWidget;
class QUrl;
class QWidget;

// What the user does with the files of the two browsers: import, delete,
// delete all, rename, save as, save all as, copy to the clipboard, open with
// the desktop's program. Every message and question goes through notifier().
//
// Nothing is lost on the way: paths are compared canonically (a file is never
// copied onto itself, a folder never into itself), a replaced file is written
// under a temporary name and renamed over the old one, and deleting moves
// entries to the desktop trash, deleting for good only when the user agrees.
// Files that belong to an entry (companionFiles) travel with it.
class FileOperations : public QObject
{
    Q_OBJECT
public:
    explicit FileOperations(QWidget *parent);

    void setBrowsers(FileBrowser *photos, FileBrowser *videos);
    // Imported files join the settings' file lists; may be null.
    void setSettings(AppSettings *settings) { m_settings = settings; }

    // The existing files that belong to path and share its fate (moved,
    // renamed, copied and deleted with it).
    static QStringList companionFiles(const QString &path);

    // The menu of a browser's list at point (viewport coordinates).
    void showMenu(FileBrowser *browser, const QPoint &point);
    // Asks for files and imports them.
    void chooseAndImport();

    // Copies each photo into the photo browser's folder and each video into
    // the video browser's; a name already there is skipped. Returns the
    // number copied.
    int importFiles(const QStringList &files);
    // Moves the entries to the trash after asking (No is the default).
    // Entries outside the browser's root are refused. Returns how many are gone.
    int deleteEntries(FileBrowser *browser, const QStringList &paths);
    int deleteListedEntries(FileBrowser *browser);
    // Renames within the folder. A file keeps its extension when the new
    // name has none of the browser's kind.
    bool renameEntry(FileBrowser *browser, const QString &path, const QString &name);
    // Copies a file or folder to target, asking before it replaces a file.
    bool saveAs(const QString &source, const QString &target);
    // Copies the files among paths into dir, asking once per file that would
    // be replaced. Returns the number copied.
    int copyEntries(const QStringList &paths, const QString &dir);
    int copyListedEntries(FileBrowser *browser, const QString &dir);
    // Repairs a recording that was cut short (one with its in-progress
    // marker) on a worker thread, with progress and Cancel; says how it went.
    bool repairRecording(const QString &path);
    // Repairs each of files in turn on a worker thread, the window live, with
    // one progress dialog; says nothing. Stops at Cancel (the rest untouched).
    QList<RecoveredRecording> repairRecordings(const QStringList &files);

    // File URLs (and the picture of a single photo) to the clipboard.
    void copyToClipboard(const QStringList &paths);
    // The desktop's program for the file; says so when there is none.
    bool openExternally(const QString &path);

    // Characters of name to pre-select for a rename: the name without its
    // extension (the whole name for a folder or a name with no extension).
    static int baseNameLength(const QString &name, bool isDir);
    // The rename dialog, base name pre-selected; an empty string for Cancel.
    QString askNewName(const QString &path);

    // Work on several photos that other parts of the window offer (focus
    // stack, stitching): entries below the file entries of the photo
    // browser's menu, enabled when at least minimum photos are selected.
    struct PhotoAction
    {
        QString objectName;
        std::function<QString()> text; // asked each time: follows the language
        int minimum = 1;
        std::function<void(const QStringList &)> run;
    };
    void addPhotoAction(const PhotoAction &action) { m_photoActions.append(action); }

    // Replaceable in tests: opens a URL with the desktop's program.
    std::function<bool(const QUrl &)> opener;

    // "3 files and 1 folder with 12 items"
    static QString describe(const QStringList &paths);

private:
    FileBrowser *browserFor(const QString &path) const;
    // Whether the entry lies within the browser's root (links not followed).
    bool insideRoot(FileBrowser *browser, const QString &path) const;
    // False with *why (the file or folder at fault, in words) when the copy failed.
    bool copyWithCompanions(const QString &source, const QString &target, QString *why = nullptr);
    QWidget *parentWidget() const;

    FileBrowser *m_photos = nullptr;
    FileBrowser *m_videos = nullptr;
    AppSettings *m_settings = nullptr;
    QList<PhotoAction> m_photoActions;
};
