#include "app/photocapture.h"

#include "app/camerasession.h"
#include "app/settingsstore.h"
#include "capture/camerahub.h"
#include "core/appsettings.h"
#include "core/bdinfo.h"
#include "core/diskerror.h"
#include "core/notifier.h"
#include "core/photofile.h"
#include "view/wheelzoom.h"
#include "files/filebrowser.h"
#include "measure/annotations.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "view/cameralabel.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

PhotoCapture::PhotoCapture(const Widgets &widgets, CameraSession *session, CameraScene *scene, SettingsStore *store,
                           AppSettings *settings)
    : QObject(widgets.window)
    , m_w(widgets)
    , m_session(session)
    , m_scene(scene)
    , m_store(store)
    , m_settings(settings)
{}

bool PhotoCapture::deviceStarted()
{
    if (m_session->hasCurrent())
        return true;
    notifier().inform(m_w.window, QCoreApplication::translate("Vistrel", "设备未启动"));
    return false;
}

QRect PhotoCapture::seenPart(const QSize &picture) const
{
    if (wheelzoom::zoomFactor(m_w.zoom->currentData().toString()) <= 1.0)
        return QRect(QPoint(0, 0), picture);
    // Zoomed in: the part scrolled into sight, in the picture's own pixels.
    QWidget *view = m_w.view;
    const QWidget *viewport = m_w.scrollArea->viewport();
    const QRect seen = QRect(view->mapFrom(viewport, QPoint(0, 0)), viewport->size()) & view->rect();
    return visiblePicturePart(picture, view->size(), seen);
}

QImage PhotoCapture::captureImage(bool shapes)
{
    // The four-tile view (or another camera's button) photographs that
    // camera's own full frame, whole: the zoom is the single view's.
    const QImage full = m_session->photoSource();
    return full.isNull() ? viewImage(shapes) : full;
}

QImage PhotoCapture::viewImage(bool shapes)
{
    if (m_session->fourTiles()) {
        const int t = m_session->tileOf(m_session->currentCamera());
        CameraLabel *label = m_session->tile(t < 0 ? 0 : t);
        return label ? label->image() : QImage();
    }
    // The picture at its own resolution, the shapes burnt in when asked.
    const QImage source = m_scene->grabImage(shapes);
    if (source.isNull())
        return source;
    const QRect part = seenPart(source.size());
    return part == source.rect() ? source : source.copy(part);
}

QRect PhotoCapture::visiblePicturePart(const QSize &picture, const QSize &view, const QRect &seen)
{
    if (view.isEmpty() || seen.isEmpty())
        return QRect(QPoint(0, 0), picture);
    const double sx = double(picture.width()) / view.width();
    const double sy = double(picture.height()) / view.height();
    const QRect part(QPoint(qRound(seen.left() * sx), qRound(seen.top() * sy)),
                     QPoint(qRound((seen.right() + 1) * sx) - 1, qRound((seen.bottom() + 1) * sy) - 1));
    return part & QRect(QPoint(0, 0), picture);
}

bool PhotoCapture::write(const QImage &image, const QString &path, bool wholeFrame)
{
    // The photo carries the pixel size. The view's picture (whole or a part)
    // is in the scene's pixels; another camera's whole frame gets the
    // calibration scaled to its own size.
    const BDInfo scale = wholeFrame && m_calibrationFor ? m_calibrationFor(image.size()) : m_scene->calibration();
    photofile::PhotoOrigin origin;
    origin.camera = CameraHub::instance()->layer()->modelName(m_session->currentCamera());
    return photofile::writePhoto(path, image, scale, nullptr, origin);
}

bool PhotoCapture::writeAnnotated(const QString &path, QString *why)
{
    const QImage burnt = viewImage(true);
    if (!write(burnt, path)) {
        *why = diskerror::diagnose(path, burnt.sizeInBytes());
        return false;
    }
    list(path);
    // The shapes stay editable: the pixels under them beside the photo, then
    // the shapes, in the photo's pixels (a zoomed photo is the part in sight).
    // Without the pixels no sidecar: it would draw the shapes a second time.
    const QImage plain = viewImage(false);
    QString error;
    if (!annotations::saveOriginal(path, plain, &error)) {
        qWarning("shapes not kept editable: %s: %s", qPrintable(path), qPrintable(error));
        return true;
    }
    const QPoint origin = seenPart(m_scene->image().size()).topLeft();
    annotations::Document doc;
    for (const GraphicsItem *shape : m_scene->shapes()) {
        ShapeRecord record = shape->record();
        for (QPointF &p : record.points)
            p -= origin;
        doc.shapes.append(record);
    }
    doc.calibration = m_scene->calibration();
    doc.calibration.pictureSize = plain.size();
    if (!annotations::save(path, doc, &error)) {
        qWarning("shapes not kept editable: %s: %s", qPrintable(path), qPrintable(error));
        QFile::remove(annotations::originalPathFor(path));
    }
    return true;
}

void PhotoCapture::list(const QString &path)
{
    m_settings->imageFiles.append(path);
    m_store->scheduleSave();
    m_w.photos->addItem(path);
}

bool PhotoCapture::take(QString *why)
{
    // These checks say why themselves.
    if (!deviceStarted() || !m_store->checkSaveFolder(SettingsStore::Photo))
        return false;
    if (m_session->tile(0)->isFrozen())
        return false;
    const QString path = m_store->reserveFilePath(SettingsStore::Photo);
    // The empty file that holds the name goes when nothing was written into it.
    auto release = [&path] {
        if (QFileInfo(path).size() == 0)
            QFile::remove(path);
    };
    QImage image = m_session->photoSource();
    const bool wholeFrame = !image.isNull();
    if (!wholeFrame && !m_session->fourTiles() && !m_scene->shapes().isEmpty()) {
        if (!writeAnnotated(path, why)) {
            release();
            return false;
        }
    } else {
        if (!wholeFrame)
            image = viewImage(true);
        if (!write(image, path, wholeFrame)) {
            *why = diskerror::diagnose(path, image.sizeInBytes());
            release();
            return false;
        }
        list(path);
    }
    if (m_session->fourTiles()) {
        int t = -1;
        for (int i = 0; i < AppSettings::kTileCount; ++i) {
            if (m_session->tile(i)->isSelected())
                t = i;
        }
        if (t < 0)
            t = 1;
        // A live tile keeps its camera; an empty one shows the photo.
        if (m_session->cameraInTile(t).isEmpty()) {
            m_session->tile(t)->setFile(path);
            m_session->selectTile(t % 3 + 1);
        }
    }
    return true;
}

void PhotoCapture::takeFromButton()
{
    QString why;
    if (take(&why) || why.isEmpty())
        return;
    // A photo that was not written is not listed; say so once.
    if (!m_warned) {
        m_warned = true;
        notifier().inform(m_w.window, QCoreApplication::translate("Vistrel", "照片未保存：%1").arg(why));
    }
}
