#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

class FileBrowser;
class FileOperations;
class MeasureEditer;
class SettingsStore;
class QListWidgetItem;
class QWidget;

// Opening what the browsers list or the command line names: photos in the
// measure editor, videos in the video list (copied in when they lie
// elsewhere) or the desktop's player; files dropped on a browser are
// imported, and a picture the editor writes into the photo folder is listed.
class MediaOpener : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QWidget *window = nullptr;
        FileBrowser *photos = nullptr;
        FileBrowser *videos = nullptr;
    };

    MediaOpener(const Widgets &widgets, MeasureEditer *editor, FileOperations *files, SettingsStore *store,
                QObject *parent = nullptr);

    // A browser's entry, double-clicked.
    void open(QListWidgetItem *item);
    // Unsaved shapes of the photo open now are asked about first (Cancel
    // keeps it, and is no failure). False when the photo cannot be opened.
    bool openInEditor(const QString &path);
    // Photos open in the editor (the last one shown), videos join the video
    // list. Returns the files that could not be opened, after telling the user.
    QStringList openFiles(const QStringList &files);

signals:
    // Videos were added to the list: the window shows it.
    void videosListed();

private:
    Widgets m_w;
    MeasureEditer *m_editor;
    FileOperations *m_files;
    SettingsStore *m_store;
};
