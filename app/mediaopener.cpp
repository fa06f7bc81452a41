#include "app/mediaopener.h"

#include "app/settingsstore.h"
#include "core/appsettings.h"
#include "core/mediafiles.h"
#include "core/notifier.h"
#include "files/filebrowser.h"
#include "files/filedrop.h"
#include "files/fileoperations.h"
#include "editor/measureediter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

MediaOpener::MediaOpener(const Widgets &widgets, MeasureEditer *editor, FileOperations *files, SettingsStore *store,
                         QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_editor(editor)
    , m_files(files)
    , m_store(store)
{
    for (FileBrowser *b : {m_w.photos, m_w.videos}) {
        b->listWidget()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b->listWidget(), &QListWidget::customContextMenuRequested, this,
                [this, b](QPoint point) { m_files->showMenu(b, point); });
        connect(b, &FileBrowser::sigItemOpen, this, &MediaOpener::open);
        // Photos and videos dropped from a file manager on a browser are imported.
        new FileDrop(
            b->listWidget()->viewport(),
            [](const QString &path) { return media::isPhoto(path) || media::isVideo(path); },
            [this](const QStringList &dropped) {
                if (m_store->checkSaveFolder(SettingsStore::Photo) && m_store->checkSaveFolder(SettingsStore::Video))
                    m_files->importFiles(dropped);
            });
    }
    // A picture the editor wrote is listed when it lands in the photo folder.
    connect(m_editor, &MeasureEditer::imageSaved, this, [this](const QString &path) {
        if (QFileInfo(path).absolutePath() != QFileInfo(m_w.photos->currentPath()).absoluteFilePath())
            return;
        AppSettings *settings = m_store->settings();
        if (!settings->imageFiles.contains(path))
            settings->imageFiles.append(path);
        m_w.photos->addItem(path);
    });
}

void MediaOpener::open(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(Qt::UserRole).toString();
    if (media::isPhoto(path)) {
        if (!openInEditor(path))
            notifier().inform(m_w.window, QCoreApplication::translate("Vistrel", "打开文件失败") + QLatin1Char('\n')
                                              + QDir::toNativeSeparators(path));
        return;
    }
    m_files->openExternally(path);
}

bool MediaOpener::openInEditor(const QString &path)
{
    // The same photo with unsaved shapes only comes forward.
    const bool same = m_editor->filePath() == path && m_editor->isVisible() && m_editor->isModified();
    if (!same) {
        if (!m_editor->maybeSave())
            return true;
        if (!m_editor->openImage(path))
            return false;
    }
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
    return true;
}

QStringList MediaOpener::openFiles(const QStringList &files)
{
    QStringList failed;
    bool videos = false;
    for (const QString &file : files) {
        const QFileInfo info(file);
        const QString path = info.absoluteFilePath();
        if (info.isFile() && media::isPhoto(path) && openInEditor(path))
            continue;
        if (info.isFile() && media::isVideo(path)) {
            // The video list shows what lies under its root; a video from
            // elsewhere is copied in, as an import would.
            const QString root = QDir(m_store->settings()->videoRoot).canonicalPath();
            const QString canonical = info.canonicalFilePath();
            if (!root.isEmpty() && canonical.startsWith(root + QLatin1Char('/')))
                m_w.videos->addItem(path);
            else if (!m_store->checkSaveFolder(SettingsStore::Video) || m_files->importFiles({path}) == 0)
                failed << file;
            videos = true;
            continue;
        }
        failed << file;
    }
    if (videos) {
        emit videosListed();
        m_store->scheduleSave();
    }
    if (!failed.isEmpty()) {
        QStringList names;
        for (const QString &file : qAsConst(failed))
            names << QDir::toNativeSeparators(file);
        notifier().inform(m_w.window, QCoreApplication::translate("Vistrel", "打开文件失败") + QLatin1Char('\n')
                                          + names.join(QLatin1Char('\n')));
    }
    return failed;
}
