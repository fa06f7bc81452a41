#include "files/filedrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDrop::FileDrop(QWidget *target, Filter wanted, Handler dropped)
    : QObject(target)
    , m_wanted(std::move(wanted))
    , m_dropped(std::move(dropped))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

QStringList FileDrop::wantedFiles(const QList<QUrl> &urls, const Filter &wanted)
{
    QStringList files;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).isFile() && (!wanted || wanted(path)))
            files << path;
    }
    return files;
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    // A drag out of the program's own lists is not an import.
    if (drop->source() || !drop->mimeData() || !drop->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    const QStringList files = wantedFiles(drop->mimeData()->urls(), m_wanted);
    if (files.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop && m_dropped)
        m_dropped(files);
    return true;
}
