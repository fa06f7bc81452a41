#include "files/fileoperations.h"
#include "core/filenames.h"

#include "core/diskerror.h"
#include "core/lastfolder.h"
#include "core/imagesafety.h"

#include "core/appsettings.h"
#include "core/atomicsave.h"
#include "core/mediafiles.h"
#include "core/notifier.h"
#include "core/rootpath.h"
#include "files/filebrowser.h"
#include "measure/annotations.h"
#include "record/recovery.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMimeDatabase>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <atomic>

namespace {

// The wait cursor while a long copy runs.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Photos bigger than this are not decoded for the clipboard (hostile headers).
constexpr qint64 kMaxClipboardPixels = 100LL * 1000 * 1000;

// At most this many names are listed in one message.
constexpr int kNamesShown = 5;

// The path with every symbolic link, "." and ".." resolved; for a path that
// does not exist yet, its folder resolved and its name appended.
QString canonical(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString dir = QFileInfo(info.absolutePath()).canonicalFilePath();
    return dir.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : dir + QLatin1Char('/') + info.fileName();
}

bool sameEntry(const QString &a, const QString &b) { return canonical(a) == canonical(b); }

// Whether inner is folder itself or lies somewhere below it.
bool isWithin(const QString &inner, const QString &folder)
{
    const QString i = canonical(inner);
    const QString f = canonical(folder);
    return i == f || i.startsWith(f + QLatin1Char('/'));
}

QString nameOf(const QString &path) { return QFileInfo(path).fileName(); }

QString someNames(const QStringList &paths)
{
    QStringList names;
    for (int i = 0; i < paths.size() && i < kNamesShown; ++i)
        names << nameOf(paths[i]);
    if (paths.size() > kNamesShown)
        names << QStringLiteral("…");
    return names.join(QStringLiteral(", "));
}

// Writes source's bytes to target through a temporary file in target's
// folder that is renamed over target only once it is complete: a failed
// copy (full disk, read error) leaves an existing target as it was.
bool copyFileSafely(const QString &source, const QString &target, QString *error)
{
    QFile in(source);
    // In words, with the file or folder really at fault.
    auto unreadable = [&] {
        *error = QCoreApplication::translate("FileOperations", "无法读取：%1（%2）")
                     .arg(QDir::toNativeSeparators(source), in.errorString());
        return false;
    };
    if (!in.open(QIODevice::ReadOnly))
        return unreadable();
    bool readFailed = false;
    const atomicsave::Result saved = atomicsave::save(target, [&](QFileDevice &out, QString *why) {
        QByteArray buffer(1 << 20, Qt::Uninitialized);
        for (;;) {
            const qint64 n = in.read(buffer.data(), buffer.size());
            if (n < 0) {
                readFailed = true;
                *why = in.errorString();
                return false;
            }
            if (n == 0)
                break;
            if (out.write(buffer.constData(), n) != n)
                return false;
            // A large video takes seconds: frames, timers and repaints go on
            // between its megabytes; what the user does waits for the copy.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        out.setPermissions(in.permissions());
        return true;
    });
    if (!saved.saved) {
        if (readFailed)
            return unreadable();
        *error = diskerror::diagnose(target, in.size());
        return false;
    }
    return true;
}

// The home trash of the freedesktop.org rules, made when missing. Qt 5.15
// moves the file into "files/" of the working directory when it cannot make
// the trash itself, so it gets a trash that is there.
bool homeTrashReady()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return false;
    const QString trash = data + QStringLiteral("/Trash");
    const bool made = !QFileInfo::exists(trash);
    if (!QDir().mkpath(trash + QStringLiteral("/files")) || !QDir().mkpath(trash + QStringLiteral("/info")))
        return false;
    if (made)
        QFile::setPermissions(trash, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

// False when the entry is still where it was: no trash there (another
// drive without one, no home trash) or no right to move it.
// The trash's record of where an entry came from holds the path
// URL-escaped (freedesktop.org trash rules): a raw newline or "%" in a name
// would leave the file manager unable to put it back. Qt writes it raw.
void escapeTrashInfo(const QString &original, const QString &inTrash)
{
    const QFileInfo trashed(inTrash);
    const QString info = trashed.dir().absoluteFilePath(QStringLiteral("../info/")) + trashed.fileName()
                         + QStringLiteral(".trashinfo");
    QFile in(info);
    if (!in.open(QIODevice::ReadOnly))
        return;
    const QByteArray old = in.readAll();
    in.close();
    const int start = old.indexOf("\nPath=");
    const int end = old.indexOf("\nDeletionDate=");
    if (start < 0 || end < start)
        return;
    const QByteArray path = QFile::encodeName(QFileInfo(original).absoluteFilePath());
    const QByteArray escaped = QByteArray("\nPath=") + path.toPercentEncoding("/");
    atomicsave::save(info, old.left(start) + escaped + old.mid(end));
}

bool moveToTrash(const QString &path)
{
    if (!homeTrashReady())
        return false;
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash) || !QDir::isAbsolutePath(inTrash))
        return false;
    escapeTrashInfo(path, inTrash);
    return true;
}

bool removeForGood(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

// The desktop's default program for the file's type, if one is set.
bool hasDefaultProgram(const QString &path)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true; // cannot tell: let the desktop try
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

FileOperations::FileOperations(QWidget *parent)
    : QObject(parent)
{
    opener = [](const QUrl &url) { return hasDefaultProgram(url.toLocalFile()) && QDesktopServices::openUrl(url); };
}

QWidget *FileOperations::parentWidget() const { return qobject_cast<QWidget *>(parent()); }

void FileOperations::setBrowsers(FileBrowser *photos, FileBrowser *videos)
{
    m_photos = photos;
    m_videos = videos;
    for (FileBrowser *browser : {photos, videos}) {
        if (!browser)
            continue;
        QListWidget *list = browser->listWidget();
        // The keys of a file manager, while the list has the focus.
        auto *remove = new QAction(list);
        remove->setShortcut(QKeySequence::Delete);
        remove->setShortcutContext(Qt::WidgetShortcut);
        connect(remove, &QAction::triggered, this,
                [this, browser] { deleteEntries(browser, browser->selectedPaths()); });
        auto *rename = new QAction(list);
        rename->setShortcut(Qt::Key_F2);
        rename->setShortcutContext(Qt::WidgetShortcut);
        connect(rename, &QAction::triggered, this, [this, browser] {
            const QStringList selected = browser->selectedPaths();
            if (selected.size() != 1)
                return;
            const QString name = askNewName(selected.first());
            if (!name.isEmpty())
                renameEntry(browser, selected.first(), name);
        });
        auto *copy = new QAction(list);
        copy->setShortcut(QKeySequence::Copy);
        copy->setShortcutContext(Qt::WidgetShortcut);
        connect(copy, &QAction::triggered, this, [this, browser] { copyToClipboard(browser->selectedPaths()); });
        list->addActions({remove, rename, copy});
    }
}

QStringList FileOperations::companionFiles(const QString &path) { return annotations::companions(path); }

FileBrowser *FileOperations::browserFor(const QString &path) const
{
    if (media::isPhoto(path))
        return m_photos;
    if (media::isVideo(path))
        return m_videos;
    return nullptr;
}

QString FileOperations::describe(const QStringList &paths)
{
    int files = 0;
    int folders = 0;
    int items = 0;
    for (const QString &p : paths) {
        const QFileInfo info(p);
        if (!info.isDir() || info.isSymLink()) {
            ++files;
            continue;
        }
        ++folders;
        QDirIterator it(p, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++items;
        }
    }
    if (folders == 0)
        return tr("%1 个文件").arg(files);
    if (files == 0)
        return tr("%1 个文件夹（共 %2 项）").arg(folders).arg(items);
    return tr("%1 个文件和 %2 个文件夹（共 %3 项）").arg(files).arg(folders).arg(items);
}

void FileOperations::showMenu(FileBrowser *browser, const QPoint &point)
{
    QListWidget *list = browser->listWidget();
    QListWidgetItem *item = list->itemAt(point);
    // A right click outside the selection selects the entry under it.
    if (item && !item->isSelected()) {
        list->clearSelection();
        item->setSelected(true);
        list->setCurrentItem(item);
    }
    const QStringList selected = item ? browser->selectedPaths() : QStringList();
    const QString path = item ? item->data(Qt::UserRole).toString() : QString();

    QMenu menu(list);
    QAction *actOpen = menu.addAction(tr("打开"));
    QAction *actCopy = menu.addAction(tr("复制"));
    QAction *actRemove = menu.addAction(tr("删除"));
    QAction *actRemoveAll = menu.addAction(tr("全部删除"));
    QAction *actRename = menu.addAction(tr("重命名"));
    QAction *actSaveAs = menu.addAction(tr("另存为"));
    QAction *actSaveAllAs = menu.addAction(tr("全部另存为"));
    QStringList photos;
    for (const QString &p : selected)
        if (media::isPhoto(p))
            photos << p;
    QAction *actRepair = nullptr;
    if (browser == m_videos) {
        menu.addSeparator();
        actRepair = menu.addAction(tr("修复录像"));
        actRepair->setObjectName(QStringLiteral("actionRepairRecording"));
        actRepair->setEnabled(selected.size() == 1 && awaitsRepair(selected.first()));
    }
    for (QAction *a : {actOpen, actRename})
        a->setEnabled(selected.size() == 1);
    for (QAction *a : {actCopy, actRemove, actSaveAs})
        a->setEnabled(!selected.isEmpty());
    actRemoveAll->setEnabled(list->count() > 0);
    actSaveAllAs->setEnabled(list->count() > 0);
    QList<QAction *> extra;
    if (browser == m_photos && !m_photoActions.isEmpty()) {
        menu.addSeparator();
        for (const PhotoAction &p : qAsConst(m_photoActions)) {
            QAction *a = menu.addAction(p.text());
            a->setObjectName(p.objectName);
            a->setEnabled(photos.size() >= p.minimum);
            extra << a;
        }
    }
    QAction *chosen = menu.exec(list->viewport()->mapToGlobal(point));
    if (!chosen)
        return;
    if (const int i = int(extra.indexOf(chosen)); i >= 0) {
        m_photoActions[i].run(photos);
        return;
    }
    if (chosen == actRepair) {
        repairRecording(path);
    } else if (chosen == actOpen) {
        browser->openItem(item);
    } else if (chosen == actCopy) {
        copyToClipboard(selected);
    } else if (chosen == actRemove) {
        deleteEntries(browser, selected);
    } else if (chosen == actRemoveAll) {
        deleteListedEntries(browser);
    } else if (chosen == actRename) {
        const QString name = askNewName(path);
        if (!name.isEmpty())
            renameEntry(browser, path, name);
    } else if (chosen == actSaveAs && selected.size() == 1) {
        // Replacing is asked through the notifier, once.
        const QString target = QFileDialog::getSaveFileName(parentWidget(), QString(), lastfolder::start(nameOf(path)),
                                                            QString(), nullptr, QFileDialog::DontConfirmOverwrite);
        lastfolder::remember(target);
        if (!target.isEmpty())
            saveAs(path, target);
    } else if (chosen == actSaveAs || chosen == actSaveAllAs) {
        const QString dir = QFileDialog::getExistingDirectory(parentWidget(), QString(), lastfolder::start(),
                                                              QFileDialog::ShowDirsOnly);
        lastfolder::remember(dir);
        if (!dir.isEmpty())
            copyEntries(chosen == actSaveAs ? selected : browser->listedPaths(), dir);
    }
}

bool FileOperations::repairRecording(const QString &path)
{
    if (!awaitsRepair(path))
        return false;
    const QList<RecoveredRecording> results = repairRecordings({path});
    if (m_videos)
        m_videos->reload();
    if (results.isEmpty())
        return false;
    notifier().inform(parentWidget(), recoveryMessage(results.first()));
    return results.first().repaired;
}

QList<RecoveredRecording> FileOperations::repairRecordings(const QStringList &files)
{
    QList<RecoveredRecording> results;
    if (files.isEmpty())
        return results;
    QProgressDialog progress(QString(), tr("取消"), 0, 1000 * files.size(), parentWidget());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        progress.setLabelText(tr("正在修复录像：%1").arg(QDir::toNativeSeparators(path)));
        std::atomic<int> done{0};
        std::atomic<bool> stop{false};
        RecoveredRecording result;
        // The copy takes as long as the file is large: never on this thread.
        QThread *worker = QThread::create([&] {
            result = recoverRecording(path, [&](double share) {
                done = int(share * 1000);
                return !stop.load();
            });
        });
        worker->setObjectName(QStringLiteral("vistrel-repair"));
        QEventLoop loop;
        connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
        QTimer tick;
        connect(&tick, &QTimer::timeout, &progress, [&] {
            if (progress.wasCanceled())
                stop = true;
            else
                progress.setValue(qMin(1000 * i + done.load(), 1000 * files.size() - 1));
        });
        tick.start(50);
        worker->start();
        loop.exec();
        worker->wait();
        delete worker;
        results.append(result);
        if (result.cancelled)
            break;
    }
    progress.reset();
    return results;
}

void FileOperations::chooseAndImport()
{
    const QString filters = tr("照片和视频") + QStringLiteral(" (") + media::importFilter() + QStringLiteral(");;")
                            + tr("照片") + QStringLiteral(" (") + media::photoFilter() + QStringLiteral(");;")
                            + tr("所有文件") + QStringLiteral(" (*)");
    const QStringList files = QFileDialog::getOpenFileNames(parentWidget(), tr("导入"), lastfolder::start(), filters);
    if (!files.isEmpty()) {
        lastfolder::remember(files.first());
        importFiles(files);
    }
}

int FileOperations::importFiles(const QStringList &files)
{
    QProgressDialog progress(tr("复制文件..."), tr("取消"), 0, files.size(), parentWidget());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const BusyCursor busy;
    int copied = 0;
    int skipped = 0;
    QStringList unsupported;
    QStringList failed;
    QString failedWhy;
    QStringList refused;
    for (int i = 0; i < files.size(); ++i) {
        progress.setValue(i);
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            break;
        FileBrowser *browser = browserFor(files[i]);
        if (!browser || browser->currentPath().isEmpty()) {
            unsupported << files[i];
            continue;
        }
        // A picture too large to ever be opened is not brought in: its size
        // is read from the header, nothing is decoded.
        if (browser == m_photos) {
            const QSize size = QImageReader(files[i]).size();
            if (size.isValid() && qint64(size.width()) * size.height() > imagesafety::kMaxPixels) {
                refused << files[i];
                continue;
            }
        }
        const QString target = browser->currentPath() + QLatin1Char('/') + nameOf(files[i]);
        // An existing file of that name is never overwritten.
        if (QFileInfo::exists(target)) {
            ++skipped;
            continue;
        }
        if (!copyWithCompanions(files[i], target, failedWhy.isEmpty() ? &failedWhy : nullptr)) {
            failed << files[i];
            continue;
        }
        ++copied;
        if (m_settings)
            (browser == m_photos ? m_settings->imageFiles : m_settings->videoFiles).append(target);
    }
    progress.setValue(files.size());
    for (FileBrowser *b : {m_photos, m_videos}) {
        if (b)
            b->reload();
    }
    if (skipped > 0)
        notifier().inform(parentWidget(), tr("已复制 %1 个文件，跳过 %2 个同名文件。").arg(copied).arg(skipped));
    if (!unsupported.isEmpty())
        notifier().inform(parentWidget(), tr("不支持的文件类型：%1").arg(someNames(unsupported)));
    if (!failed.isEmpty())
        notifier().inform(parentWidget(), tr("复制失败：%1").arg(someNames(failed)) + QLatin1Char('\n') + failedWhy);
    if (!refused.isEmpty())
        notifier().inform(parentWidget(), tr("图片过大，未导入：%1").arg(someNames(refused)));
    return copied;
}

bool FileOperations::insideRoot(FileBrowser *browser, const QString &path) const
{
    // The entry itself, a link not followed: removing a link inside the
    // root removes the link, never what it points to.
    return !browser || browser->rootPath().isEmpty() || rootpath::entryInside(path, browser->rootPath());
}

int FileOperations::deleteEntries(FileBrowser *browser, const QStringList &requested)
{
    QStringList paths;
    QStringList outside;
    for (const QString &p : requested)
        (insideRoot(browser, p) ? paths : outside) << p;
    if (!outside.isEmpty())
        notifier().inform(parentWidget(), tr("不在根文件夹内，未删除：%1").arg(someNames(outside)));
    if (paths.isEmpty())
        return 0;
    QString what;
    const QFileInfo first(paths.first());
    if (paths.size() == 1 && !(first.isDir() && !first.isSymLink()))
        what = first.fileName();
    else if (paths.size() == 1)
        what = first.fileName() + QStringLiteral(" (") + describe(paths) + QLatin1Char(')');
    else
        what = describe(paths);
    if (!notifier().ask(parentWidget(), tr("是否将 %1 移到回收站？").arg(what)))
        return 0;

    int removed = 0;
    QStringList untrashed;
    for (const QString &p : paths) {
        const QStringList companions = companionFiles(p);
        if (moveToTrash(p)) {
            ++removed;
        } else if (QFileInfo::exists(p) || QFileInfo(p).isSymLink()) {
            untrashed << p;
            continue;
        }
        for (const QString &c : companions) {
            if (!moveToTrash(c) && QFileInfo::exists(c))
                untrashed << c;
        }
    }
    if (!untrashed.isEmpty()) {
        // No trash where they are (another drive, a read-only trash).
        const QString question = tr("以下 %1 项无法移到回收站（那里没有可用的回收站，例如在另一个磁盘上）：%2\n"
                                    "是否永久删除？此操作无法撤销。")
                                     .arg(untrashed.size())
                                     .arg(someNames(untrashed));
        if (notifier().ask(parentWidget(), question)) {
            QStringList failed;
            for (const QString &p : qAsConst(untrashed)) {
                if (!removeForGood(p)) {
                    failed << p;
                    continue;
                }
                if (paths.contains(p))
                    ++removed;
                for (const QString &c : companionFiles(p))
                    QFile::remove(c);
            }
            if (!failed.isEmpty())
                notifier().inform(parentWidget(), tr("无法删除：%1").arg(someNames(failed)));
        }
    }
    if (browser)
        browser->reload();
    return removed;
}

int FileOperations::deleteListedEntries(FileBrowser *browser)
{
    // Only what the list shows: a search filter or files of other kinds in
    // the folder are spared.
    return deleteEntries(browser, browser->listedPaths());
}

int FileOperations::baseNameLength(const QString &name, bool isDir)
{
    if (isDir)
        return name.size();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? dot : name.size();
}

QString FileOperations::askNewName(const QString &path)
{
    const QFileInfo info(path);
    QInputDialog dialog(parentWidget());
    dialog.setWindowTitle(tr("名称"));
    dialog.setLabelText(tr("新名称"));
    dialog.setTextValue(filenames::displayName(info.fileName()));
    const int length = baseNameLength(info.fileName(), info.isDir());
    // The dialog selects the whole text when it shows; the base name only
    // is selected once it is up.
    QTimer::singleShot(0, &dialog, [&dialog, length] {
        if (auto *edit = dialog.findChild<QLineEdit *>())
            edit->setSelection(0, length);
    });
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

bool FileOperations::renameEntry(FileBrowser *browser, const QString &path, const QString &name)
{
    const QFileInfo info(path);
    if (name.isEmpty() || name == info.fileName())
        return false;
    if (!FileBrowser::isValidName(name)) {
        notifier().inform(parentWidget(), tr("名称无效"));
        return false;
    }
    QString newName = name;
    // "noext" for "shot.png" stays a photo the browser lists.
    if (!info.isDir() && browser && !media::hasSuffix(newName, browser->suffixes()) && !info.suffix().isEmpty())
        newName += QLatin1Char('.') + info.suffix();
    const QString target = info.absolutePath() + QLatin1Char('/') + newName;
    if (newName == info.fileName())
        return false;
    if (!insideRoot(browser, path) || !insideRoot(browser, target)) {
        notifier().inform(parentWidget(), tr("不在根文件夹内，未重命名：%1").arg(info.fileName()));
        return false;
    }
    // A change of letter case alone is the same entry on a case-blind disk.
    if (QFileInfo::exists(target) && !sameEntry(path, target)) {
        notifier().inform(parentWidget(), tr("文件已存在：%1").arg(newName));
        return false;
    }
    const QStringList companions = companionFiles(path);
    if (!QFile::rename(path, target)) {
        notifier().inform(parentWidget(), tr("无法将 %1 重命名为 %2").arg(info.fileName(), newName) + QLatin1Char('\n')
                                              + diskerror::diagnose(target, 0));
        return false;
    }
    for (const QString &c : companions)
        QFile::rename(c, target + c.mid(path.size()));
    if (browser) {
        browser->renameItem(path, target);
        browser->reload(); // the new name may not match the search
    }
    return true;
}

bool FileOperations::copyWithCompanions(const QString &source, const QString &target, QString *why)
{
    QString error;
    if (!copyFileSafely(source, target, &error)) {
        if (why)
            *why = error;
        return false;
    }
    const QStringList companions = companionFiles(source);
    QStringList written;
    for (const QString &c : companions) {
        const QString to = target + c.mid(source.size());
        if (copyFileSafely(c, to, &error))
            written << to;
    }
    // A companion left from the file that was replaced belongs to nothing now.
    for (const QString &old : companionFiles(target)) {
        if (!written.contains(old) && !moveToTrash(old))
            QFile::remove(old);
    }
    return true;
}

bool FileOperations::saveAs(const QString &source, const QString &target)
{
    const QFileInfo from(source);
    if (!from.exists() || target.isEmpty())
        return false;
    if (sameEntry(source, target)) {
        notifier().inform(parentWidget(), tr("不能将文件复制到其自身：%1").arg(from.fileName()));
        return false;
    }
    if (from.isDir()) {
        if (isWithin(target, source)) {
            notifier().inform(parentWidget(), tr("不能将文件夹复制到其自身之中：%1").arg(from.fileName()));
            return false;
        }
        if (QFileInfo(target).exists() && !QFileInfo(target).isDir()) {
            notifier().inform(parentWidget(), tr("文件已存在：%1").arg(target));
            return false;
        }
        // The folder's files, each asked about when it would replace one.
        if (!QDir().mkpath(target)) {
            notifier().inform(parentWidget(), tr("复制失败：%1").arg(QDir::toNativeSeparators(source))
                                                  + QLatin1Char('\n') + diskerror::diagnose(target, 0));
            return false;
        }
        QStringList files;
        QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        bool all = false;
        QStringList failed;
        QString why;
        for (const QString &f : qAsConst(files)) {
            const QString to = target + f.mid(source.size());
            if (QFileInfo::exists(to) && !all) {
                const Notifier::Answer a = notifier().askSeries(parentWidget(),
                                                                tr("文件已存在：%1\n是否替换？").arg(to));
                if (a == Notifier::Answer::Cancel)
                    break;
                if (a == Notifier::Answer::No)
                    continue;
                all = a == Notifier::Answer::YesToAll;
            }
            QString error;
            if (!QDir().mkpath(QFileInfo(to).absolutePath()))
                error = diskerror::diagnose(to, 0);
            if (!error.isEmpty() || !copyFileSafely(f, to, &error)) {
                failed << f;
                if (why.isEmpty())
                    why = error;
            }
        }
        if (!failed.isEmpty())
            notifier().inform(parentWidget(), tr("复制失败：%1").arg(someNames(failed)) + QLatin1Char('\n') + why);
        return failed.isEmpty();
    }
    if (QFileInfo(target).isDir()) {
        notifier().inform(parentWidget(), tr("文件已存在：%1").arg(target));
        return false;
    }
    if (QFileInfo::exists(target) && !notifier().ask(parentWidget(), tr("文件已存在：%1\n是否替换？").arg(target)))
        return false;
    QString why;
    if (!copyWithCompanions(source, target, &why)) {
        notifier().inform(parentWidget(), tr("复制失败：%1").arg(from.fileName()) + QLatin1Char('\n') + why);
        return false;
    }
    if (FileBrowser *b = browserFor(target); b && sameEntry(QFileInfo(target).absolutePath(), b->currentPath()))
        b->reload();
    return true;
}

int FileOperations::copyEntries(const QStringList &paths, const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return 0;
    int copied = 0;
    int already = 0;
    bool all = false;
    QStringList failed;
    QString why; // of the first failure
    // Many or large files take a while: progress, Cancel and a busy cursor.
    QProgressDialog progress(tr("复制文件..."), tr("取消"), 0, paths.size(), parentWidget());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const BusyCursor busy;
    for (int index = 0; index < paths.size(); ++index) {
        const QString &p = paths[index];
        progress.setValue(index);
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            break;
        const QFileInfo f(p);
        if (!f.isFile())
            continue;
        const QString target = dir + QLatin1Char('/') + f.fileName();
        // Into the folder it is in: the file is there already.
        if (sameEntry(p, target)) {
            ++already;
            continue;
        }
        if (QFileInfo::exists(target) && !all) {
            const Notifier::Answer a = notifier().askSeries(parentWidget(),
                                                            tr("文件已存在：%1\n是否替换？").arg(target));
            if (a == Notifier::Answer::Cancel)
                break;
            if (a == Notifier::Answer::No)
                continue;
            all = a == Notifier::Answer::YesToAll;
        }
        if (copyWithCompanions(p, target, why.isEmpty() ? &why : nullptr))
            ++copied;
        else
            failed << p;
    }
    progress.setValue(paths.size());
    if (already > 0)
        notifier().inform(parentWidget(), tr("%1 个文件已在目标文件夹中，未复制。").arg(already));
    if (!failed.isEmpty())
        notifier().inform(parentWidget(), tr("复制失败：%1").arg(someNames(failed)) + QLatin1Char('\n') + why);
    for (FileBrowser *b : {m_photos, m_videos}) {
        if (b && copied > 0 && sameEntry(dir, b->currentPath()))
            b->reload();
    }
    return copied;
}

int FileOperations::copyListedEntries(FileBrowser *browser, const QString &dir)
{
    return copyEntries(browser->listedPaths(), dir);
}

void FileOperations::copyToClipboard(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    auto *data = new QMimeData;
    QList<QUrl> urls;
    QByteArray gnome("copy");
    for (const QString &p : paths) {
        urls << QUrl::fromLocalFile(p);
        gnome += '\n' + urls.last().toEncoded();
    }
    data->setUrls(urls);
    data->setText(paths.join(QLatin1Char('\n')));
    // File managers paste these as files.
    data->setData(QStringLiteral("x-special/gnome-copied-files"), gnome);
    if (paths.size() == 1 && media::isPhoto(paths.first())) {
        QImageReader reader(paths.first());
        reader.setDecideFormatFromContent(true);
        const QSize size = reader.size();
        if (size.isValid() && qint64(size.width()) * size.height() <= kMaxClipboardPixels) {
            const QImage image = reader.read();
            if (!image.isNull())
                data->setImageData(image);
        }
    }
    QApplication::clipboard()->setMimeData(data);
}

bool FileOperations::openExternally(const QString &path)
{
    if (opener && opener(QUrl::fromLocalFile(path)))
        return true;
    notifier().inform(parentWidget(), tr("没有可以打开此文件的程序：%1").arg(nameOf(path)));
    return false;
}
