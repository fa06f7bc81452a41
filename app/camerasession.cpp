#include "app/camerasession.h"

#include <QLabel>
#include <QTimer>

#include "app/devicewatcher.h"
#include "app/recordingcontroller.h"
#include "app/settingsstore.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/frameratemeter.h"
#include "core/appsettings.h"
#include "core/logging.h"
#include "core/mediafiles.h"
#include "core/notifier.h"
#include "dialogs/wheelzoom.h"
#include "measure/camerascene.h"
#include "ui_vistrel.h"
#include "view/cameralabel.h"
#include "view/cameraviewer.h"
#include "widgets/cameraparampanel.h"
#include "widgets/statusline.h"

#include <QAbstractItemView>
#include <QDir>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QStandardItemModel>
#include <QDateTime>
#include <QScrollBar>

namespace {

// Black and white in the frame's own pixels: no new picture per frame.
void greyInPlace(QImage *image)
{
    for (int y = 0; y < image->height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image->scanLine(y));
        for (int x = 0; x < image->width(); ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgb(g, g, g);
        }
    }
}

} // namespace

CameraSession::CameraSession(QWidget *window, Ui::VistrelClass *form, AppSettings *settings, SettingsStore *store,
                             CameraParamPanel *panel, RecordingController *recording, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , ui(form)
    , m_settings(settings)
    , m_store(store)
    , m_hub(CameraHub::instance())
    , m_scene(form->camViewer->cameraScene())
    , m_panel(panel)
    , m_recording(recording)
    , m_watcher(new DeviceWatcher(m_hub, this))
{
    // No new look at the list during a recording.
    m_watcher->setPaused([this] { return m_recording->isRecording(); });
    connect(m_hub, &CameraHub::sigFrameReady, this, &CameraSession::onLocalCamera);
    connect(m_hub, &CameraHub::sigCameraLost, this, &CameraSession::onCameraLost);
    connect(m_hub, &CameraHub::sigFrameRateChanged, this, [this](const QString &camId) {
        if (camId == m_currentCamera)
            updateResolutionLabel();
    });
    connect(m_hub, &CameraHub::sigCameraError, this, &CameraSession::onCameraError);
    // Said from the event loop: the list may be refilled inside a modal box otherwise.
    connect(m_hub, &CameraHub::sigAccessProblem, this,
            [this](const QString &, const QString &message) { notifier().inform(m_window, message); },
            Qt::QueuedConnection);
    // The camera list's popup is where a camera is dragged onto a tile from.
    ui->boxCam->view()->setDragEnabled(true);
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        connect(tile(i), &CameraLabel::sigCameraDropped, this, [this, i](const QString &camId) { showInTile(camId, i); });
    connect(m_scene, &CameraScene::coorInfo, this, &CameraSession::onCoorInfo);
    m_clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    m_stallLabel = new QLabel(ui->camViewer);
    m_stallLabel->setObjectName(QStringLiteral("labelNoPicture"));
    m_stallLabel->setStyleSheet(QStringLiteral("QLabel{background:rgba(0,0,0,160);color:white;padding:6px;}"));
    m_stallLabel->hide();
    m_stallTimer = new QTimer(this);
    m_stallTimer->setInterval(500);
    connect(m_stallTimer, &QTimer::timeout, this, &CameraSession::checkStalls);
    m_stallTimer->start();
}

CameraLabel *CameraSession::tile(int index) const
{
    switch (index) {
    case 0: return ui->labelView1;
    case 1: return ui->labelView2;
    case 2: return ui->labelView3;
    case 3: return ui->labelView4;
    default: return nullptr;
    }
}

void CameraSession::closeAll()
{
    while (!m_cameras.isEmpty())
        stopCamera(m_cameras.firstKey());
}

void CameraSession::refreshCameraList()
{
    QStringList removed;
    const bool changed = m_watcher->refresh(m_cameras.keys(), &removed);
    for (const QString &path : removed)
        stopCamera(path);
    if (!m_cameras.contains(m_currentCamera))
        setCurrentCamera(QString());
    if (!changed)
        return;
    {
        const QSignalBlocker block(ui->boxCam);
        ui->boxCam->clear();
        ui->boxResolution->clear();
        ui->boxFormat->clear();
        int firstOpenable = -1;
        auto *model = qobject_cast<QStandardItemModel *>(ui->boxCam->model());
        for (const CameraDeviceInfo &d : m_watcher->devices()) {
            ui->boxCam->addItem(d.displayName);
            const int row = ui->boxCam->count() - 1;
            ui->boxCam->setItemData(row, d.devicePath, CameraLabel::kCameraIdRole);
            if (d.accessible) {
                if (firstOpenable < 0)
                    firstOpenable = row;
            } else if (model) {
                // Listed so the user knows it is there, greyed out with how to get access.
                if (QStandardItem *item = model->item(row))
                    item->setEnabled(false);
                ui->boxCam->setItemData(row, d.accessNote, Qt::ToolTipRole);
            }
        }
        // A first start, or a camera that is gone: take the first one there is,
        // unless a camera was just unplugged (nothing opens by itself then).
        int current = m_watcher->indexOf(hasCurrent() ? m_currentCamera : m_settings->currentCamera);
        if (current >= 0 && !m_watcher->devices()[current].accessible)
            current = -1;
        if (current < 0 && !m_noAutoOpen)
            current = firstOpenable;
        ui->boxCam->setCurrentIndex(current);
    }
    // The open cameras stay where they are; only a first choice opens one.
    if (hasCurrent())
        fillCameraCombos(m_currentCamera);
    else
        onCamChanged();
    if (!m_tilesRestored) {
        m_tilesRestored = true;
        restoreTiles();
    }
}

void CameraSession::restoreTiles()
{
    const QString large = m_currentCamera;
    const QStringList tiles = m_settings->extras.tileCameras;
    for (int i = 1; i < qMin(AppSettings::kTileCount, tiles.size()); ++i) {
        const QString path = tiles[i];
        const int index = m_watcher->indexOf(path);
        if (path.isEmpty() || index < 0 || !m_watcher->devices()[index].accessible || isOpen(path))
            continue;
        startCamera(path, i, false);
    }
    if (isOpen(large))
        setCurrentCamera(large);
}

void CameraSession::fillEmptyTiles()
{
    // Only until the user has put cameras in tiles: then their choice stands.
    if (m_tilesFilled)
        return;
    m_tilesFilled = true;
    for (int i = 1; i < qMin(AppSettings::kTileCount, m_settings->extras.tileCameras.size()); ++i) {
        if (!m_settings->extras.tileCameras[i].isEmpty())
            return;
    }
    // The other cameras take the free tiles in the list's order.
    int next = 1;
    for (const CameraDeviceInfo &d : m_watcher->devices()) {
        while (next < AppSettings::kTileCount && !cameraInTile(next).isEmpty())
            ++next;
        if (next >= AppSettings::kTileCount)
            break;
        if (d.accessible && !isOpen(d.devicePath) && startCamera(d.devicePath, next, false))
            ++next;
    }
}

void CameraSession::saveTiles()
{
    // The first camera opens before the other tiles are restored.
    if (!m_tilesRestored)
        return;
    QStringList tiles;
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        tiles << cameraInTile(i);
    if (tiles == m_settings->extras.tileCameras)
        return;
    m_settings->extras.tileCameras = tiles;
    // The first tile's camera is the one the list opens at the next start.
    if (!tiles.first().isEmpty())
        m_settings->currentCamera = tiles.first();
    m_store->scheduleSave();
}

QString CameraSession::cameraInTile(int index) const
{
    for (auto it = m_cameras.cbegin(); it != m_cameras.cend(); ++it) {
        if (it->tile == index)
            return it.key();
    }
    return QString();
}

int CameraSession::selectedTile() const
{
    for (int i = 0; i < AppSettings::kTileCount; ++i) {
        if (tile(i)->isSelected())
            return i;
    }
    return -1;
}

bool CameraSession::fourTiles() const
{
    return ui->stackMainWidget->currentIndex() == 1;
}

void CameraSession::fillCameraCombos(const QString &devicePath)
{
    const int index = m_watcher->indexOf(devicePath);
    if (index < 0)
        return;
    const CameraDeviceInfo &device = m_watcher->devices()[index];
    const QSignalBlocker blockRes(ui->boxResolution);
    const QSignalBlocker blockFormat(ui->boxFormat);
    ui->boxResolution->clear();
    ui->boxFormat->clear();
    for (const QSize &s : device.sizes)
        ui->boxResolution->addItem(QString::asprintf("%d x %d", s.width(), s.height()));
    ui->boxFormat->addItems({QStringLiteral("YUV"), QStringLiteral("MJPG")});
    const CameraConfig &config = m_settings->cameras[devicePath];
    QSize size = config.initialized ? config.size : QSize(640, 480);
    if (m_cameras.contains(devicePath) && m_cameras[devicePath].frameSize.isValid())
        size = m_cameras[devicePath].frameSize;
    const int resIndex = int(device.sizes.indexOf(size));
    ui->boxResolution->setCurrentIndex(resIndex < 0 ? 0 : resIndex);
    if (!config.format.isEmpty())
        ui->boxFormat->setCurrentText(config.format);
}

void CameraSession::onCamChanged()
{
    ui->cameraParamWidget->setEnabled(false);
    const QSignalBlocker blockRes(ui->boxResolution);
    const QSignalBlocker blockFormat(ui->boxFormat);
    ui->boxResolution->clear();
    ui->boxFormat->clear();
    m_scene->resetImage();

    const int index = ui->boxCam->currentIndex();
    if (index < 0 || index >= m_watcher->devices().size()) {
        m_scene->setNoDeviceNotice(true);
        return;
    }
    const CameraDeviceInfo device = m_watcher->devices()[index];
    const QString path = device.devicePath;
    if (!device.accessible || (m_noAutoOpen && !isOpen(path))) {
        m_scene->setNoDeviceNotice(true);
        return;
    }
    // The list chooses the first tile's camera; cameras in other tiles stay open.
    const QString first = cameraInTile(0);
    if (!first.isEmpty() && first != path)
        stopCamera(first);

    for (const QSize &s : device.sizes)
        ui->boxResolution->addItem(QString::asprintf("%d x %d", s.width(), s.height()));
    ui->boxFormat->addItems({QStringLiteral("YUV"), QStringLiteral("MJPG")});

    m_store->selectCamera(path);
    // Calibrations made on it are listed by this name on other cameras.
    if (m_settings->cameras[path].name.isEmpty())
        m_settings->cameras[path].name = device.modelName;
    const CameraConfig &config = m_settings->cameras[path];
    int resIndex = config.initialized ? device.sizes.indexOf(config.size) : int(device.sizes.indexOf(QSize(640, 480)));
    if (resIndex < 0)
        resIndex = 0;
    ui->boxResolution->setCurrentIndex(resIndex);
    ui->boxFormat->setCurrentText(config.format);

    if (m_cameras.contains(path)) {
        Slot &slot = m_cameras[path];
        if (slot.tile != 0) {
            if (CameraLabel *t = tile(slot.tile))
                t->clearImage();
            slot.tile = 0;
        }
        setCurrentCamera(path);
        readDeviceParams(path);
        showParams(path);
        ui->cameraParamWidget->setEnabled(true);
        onUpdateCamViewSize();
        saveTiles();
    } else if (startCamera(path, 0, true)) {
        ui->cameraParamWidget->setEnabled(true);
        saveTiles();
    } else {
        const QSignalBlocker block(ui->boxCam);
        ui->boxCam->setCurrentIndex(-1);
        m_scene->setNoDeviceNotice(true);
    }
}

void CameraSession::onCamResolutionChanged()
{
    if (m_currentCamera.isEmpty() || !m_cameras.contains(m_currentCamera) || m_recording->isRecording())
        return;
    const QStringList wh = ui->boxResolution->currentText().split(QLatin1Char('x'));
    if (wh.size() != 2)
        return;
    const int w = wh[0].trimmed().toInt();
    const int h = wh[1].trimmed().toInt();
    // Width alone keeps the request pending; height applies both at once.
    m_hub->setProperty(m_currentCamera, CameraHub::FrameWidth, w);
    m_hub->setProperty(m_currentCamera, CameraHub::FrameHeight, h);
    Slot &slot = m_cameras[m_currentCamera];
    slot.frameSize = m_hub->frameSize(m_currentCamera);
    m_settings->cameras[m_currentCamera].size = slot.frameSize.isValid() ? slot.frameSize : QSize(w, h);
    m_store->scheduleSave();
    m_scene->resetImage();
    onUpdateCamViewSize();
}

void CameraSession::onCamFormatChanged()
{
    if (m_currentCamera.isEmpty() || !m_cameras.contains(m_currentCamera) || m_recording->isRecording())
        return;
    const QString format = ui->boxFormat->currentText();
    if (m_hub->setFormat(m_currentCamera, format)) {
        m_settings->cameras[m_currentCamera].format = format;
        m_store->scheduleSave();
    }
}

bool CameraSession::startCamera(const QString &devicePath, int tileIndex, bool showError)
{
    if (m_cameras.contains(devicePath))
        return true;
    // The combos speak for the camera chosen in the list; another one opens
    // as it was last used.
    const bool chosen = m_watcher->indexOf(devicePath) == ui->boxCam->currentIndex();
    const CameraConfig saved = m_settings->cameras.value(devicePath);
    const QStringList wh = ui->boxResolution->currentText().split(QLatin1Char('x'));
    int width = wh.size() == 2 ? wh[0].trimmed().toInt() : 640;
    int height = wh.size() == 2 ? wh[1].trimmed().toInt() : 480;
    QString format = ui->boxFormat->currentText().isEmpty() ? QStringLiteral("MJPG") : ui->boxFormat->currentText();
    if (!chosen) {
        const QSize size = saved.initialized && saved.size.isValid() ? saved.size : QSize(640, 480);
        width = size.width();
        height = size.height();
        format = saved.format.isEmpty() ? QStringLiteral("MJPG") : saved.format;
    }
    if (!m_hub->openCamera(devicePath, width, height, format)) {
        // A full bus is said on the camera's tile; the other cameras go on.
        const QString why = m_hub->cameraError(devicePath);
        CameraLabel *t = tile(tileIndex);
        if (!why.isEmpty() && t) {
            t->clearImage();
            t->setTitle(m_hub->displayName(devicePath));
            t->setMessage(why);
        }
        if (showError)
            notifier().inform(m_window, why.isEmpty() ? QCoreApplication::translate("Vistrel", "启动设备失败") + QLatin1Char('\n')
                                                            + m_hub->displayName(devicePath)
                                                      : why);
        return false;
    }
    const QSize size(m_hub->getProperty(devicePath, CameraHub::FrameWidth),
                     m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    if (tileIndex == 0)
        m_settings->currentCamera = devicePath;
    Slot slot;
    slot.tile = tileIndex;
    slot.frameSize = size;
    slot.rate = std::make_shared<FrameRateMeter>();
    slot.openedMs = m_clock();
    m_cameras.insert(devicePath, slot);
    setCurrentCamera(devicePath);
    CameraConfig &config = m_settings->cameras[devicePath];
    config.size = size;
    config.format = format;
    if (config.initialized)
        applySavedParams(devicePath);
    else
        readDeviceParams(devicePath);
    showParams(devicePath);
    updateStatus(devicePath);
    onUpdateCamViewSize();
    if (CameraLabel *t = tile(tileIndex)) {
        t->clearImage();
        if (fourTiles())
            t->setSelected(true);
    }
    updateTileTitle(devicePath);
    applyDisplaySizes();
    return true;
}

void CameraSession::updateTileTitle(const QString &camId)
{
    const auto it = m_cameras.constFind(camId);
    if (it == m_cameras.cend())
        return;
    if (CameraLabel *t = tile(it->tile)) {
        const double rate = it->rate ? it->rate->rateAt(m_clock()) : 0.0;
        t->setTitle(m_hub->displayName(camId) + QString::asprintf("  %0.1f fps", rate));
    }
}

void CameraSession::checkStalls()
{
    const qint64 now = m_clock();
    const bool single = !fourTiles();
    bool labelShown = false;
    const QString recording = m_recording->isRecording() ? m_recording->cameraId() : QString();
    for (auto it = m_cameras.begin(); it != m_cameras.end(); ++it) {
        // Cameras out of sight are not decoded for the screen: only those shown count.
        if ((single && it.key() != m_currentCamera) || (!single && it->tile < 0))
            continue;
        const QString name = m_hub->displayName(it.key());
        // Frames that come but cannot be decoded: said while most of them fail.
        const double failed = m_hub->undecodedShare(it.key());
        if (failed >= 0) {
            const int percent = failed > 0.5 ? qRound(failed * 100) : -1;
            if (percent >= 0 && it->undecodedPercent < 0)
                qCWarning(lcCapture, "%d %% of the frames of %s cannot be decoded", percent, qPrintable(name));
            it->undecodedPercent = percent;
        }
        const qint64 last = it->rate && it->rate->lastAt() > 0 ? it->rate->lastAt() : it->openedMs;
        const qint64 gap = now - last;
        QString text;
        if (it->undecodedPercent >= 0) {
            text = QCoreApplication::translate("Vistrel", "%1 的大部分画面无法解码").arg(name);
        } else if (gap >= kStallMs) {
            if (!it->stalled && it.key() == recording)
                qCWarning(lcRecord, "recording %s: no picture from %s since %s; the last one is repeated",
                          qPrintable(m_recording->lastPath()), qPrintable(name),
                          qPrintable(QDateTime::fromMSecsSinceEpoch(last).toString(Qt::ISODateWithMs)));
            it->stalled = true;
            text = QCoreApplication::translate("Vistrel", "%1 已 %2 秒没有画面").arg(name).arg(gap / 1000);
            if (it.key() == recording)
                text += QLatin1Char('\n') + QCoreApplication::translate("Vistrel", "录像继续，以最后的画面补齐");
        } else {
            continue;
        }
        if (single && it.key() == m_currentCamera) {
            m_stallLabel->setText(text);
            m_stallLabel->adjustSize();
            m_stallLabel->move(8, 8);
            m_stallLabel->show();
            m_stallLabel->raise();
            labelShown = true;
        } else if (CameraLabel *t = tile(it->tile)) {
            t->setTitle(text);
        }
    }
    if (!labelShown)
        m_stallLabel->hide();
    // The rate shown ages with the clock, frames or not.
    if (m_cameras.contains(m_currentCamera))
        updateStatus(m_currentCamera);
}

void CameraSession::applyDisplaySizes()
{
    const bool four = fourTiles();
    const QString recording = m_recording->isRecording() ? m_recording->cameraId() : QString();
    for (auto it = m_cameras.cbegin(); it != m_cameras.cend(); ++it) {
        // Full size for the large view and a recording; a tile decodes only what it shows.
        QSize want;
        CameraLabel *t = tile(it->tile);
        if (it.key() != recording && t && (four || it.key() != m_currentCamera))
            want = t->size();
        if (m_hub->displaySize(it.key()) != want)
            m_hub->setDisplaySize(it.key(), want);
    }
}

void CameraSession::onCameraError(const QString &camId, const QString &message)
{
    if (CameraLabel *t = tile(tileOf(camId)))
        t->setMessage(message);
}

void CameraSession::stopCamera(const QString &devicePath)
{
    if (m_recording->isRecording() && m_recording->cameraId() == devicePath)
        m_recording->stop();
    if (!m_cameras.contains(devicePath))
        return;
    const int t = m_cameras[devicePath].tile;
    if (CameraLabel *label = tile(t))
        label->clearImage();
    if (t == 0)
        m_scene->resetImage();
    m_hub->closeCamera(devicePath);
    m_cameras.remove(devicePath);
    if (m_currentCamera == devicePath)
        setCurrentCamera(QString());
}

void CameraSession::setCurrentCamera(const QString &devicePath)
{
    const bool changed = devicePath != m_currentCamera;
    m_currentCamera = devicePath;
    // Each camera comes back with the calibration chosen for it.
    if (changed && !devicePath.isEmpty())
        ui->bdWidget->setCamera(devicePath);
    if (changed && m_cameras.contains(devicePath))
        fillCameraCombos(devicePath);
    m_panel->setCamera(m_cameras.contains(devicePath) ? devicePath : QString());
    const int index = m_watcher->indexOf(devicePath);
    if (index >= 0 && ui->boxCam->currentIndex() != index) {
        const QSignalBlocker block(ui->boxCam);
        ui->boxCam->setCurrentIndex(index);
    }
    if (!devicePath.isEmpty())
        m_store->selectCamera(devicePath);
    m_scene->setNoDeviceNotice(devicePath.isEmpty());
    const bool any = !devicePath.isEmpty();
    ui->boxResolution->setEnabled(any);
    ui->boxFormat->setEnabled(any);
    ui->cameraParamWidget->setEnabled(any);
    updateResolutionLabel();
    if (changed) {
        applyDisplaySizes();
        if (any && m_cameras.contains(devicePath))
            showParams(devicePath);
    }
}

int CameraSession::tileOf(const QString &devicePath) const
{
    return m_cameras.contains(devicePath) ? m_cameras[devicePath].tile : -1;
}

void CameraSession::onCameraLost(const QString &camId)
{
    // The capture thread has ended by itself: finish a recording of it now,
    // so its file is complete and listed, and show that it is gone.
    const bool wasRecording = m_recording->isRecording() && m_recording->cameraId() == camId;
    if (wasRecording)
        m_recording->stop();
    if (!m_cameras.contains(camId))
        return;
    const QString name = m_hub->displayName(camId);
    const bool wasCurrent = camId == m_currentCamera;
    stopCamera(camId);
    // Another camera is not opened in its place: the user chooses.
    m_noAutoOpen = true;
    refreshCameraList();
    m_noAutoOpen = false;
    if (!hasCurrent() && !m_cameras.isEmpty())
        setCurrentCamera(m_cameras.firstKey());
    if (wasCurrent && fourTiles() == false && !hasCurrent())
        m_scene->setNoDeviceNotice(true);
    QString text = QCoreApplication::translate("Vistrel", "相机“%1”已断开。").arg(name);
    if (wasRecording && !m_recording->lastPath().isEmpty())
        text += QLatin1Char('\n') + QCoreApplication::translate("Vistrel", "录像已保存：%1").arg(m_recording->lastPath());
    notifier().inform(m_window, text);
}

void CameraSession::onLocalCamera(const QString &camId, bool needCapture)
{
    if (needCapture && m_cameras.contains(camId)) {
        // The button of any open camera takes a photo of that camera.
        if (camId != m_currentCamera) {
            if (fourTiles() && tile(tileOf(camId)))
                selectTile(tileOf(camId));
            else
                m_stillCamera = camId;
        }
        emit stillButton(camId);
        m_stillCamera.clear();
        m_lastStillMs = QDateTime::currentMSecsSinceEpoch();
        updateStatus(m_currentCamera);
    }
    if (!m_cameras.contains(camId))
        return;
    Slot &slot = m_cameras[camId];
    const bool single = ui->stackMainWidget->currentIndex() == 0;
    if ((single && camId != m_currentCamera) || slot.tile < 0)
        return;
    CameraBuffer *buffer = m_hub->acquireFrame(camId);
    if (!buffer)
        return;
    const QSize size = buffer->size();
    if (size.isValid() && buffer->bits()) {
        QImage image(buffer->bits(), size.width(), size.height(), QImage::Format_RGB32);
        const auto config = m_settings->cameras.constFind(camId);
        if (config != m_settings->cameras.cend() && config->blackWhite)
            greyInPlace(&image);
        if (single)
            m_scene->setImage(image);
        else if (CameraLabel *t = tile(slot.tile))
            t->setImage(image);
        // A reduced decode does not change the camera's size.
        const QSize full = m_hub->displaySize(camId).isEmpty() ? size : m_hub->cameraSize(camId);
        if (full.isValid() && slot.frameSize != full) {
            slot.frameSize = full;
            onUpdateCamViewSize();
        }
    }
    m_hub->releaseFrame(camId);
    slot.rate->addAt(m_clock());
    ++slot.delivered;
    if (slot.stalled) {
        // Frames again: the notice goes by itself.
        slot.stalled = false;
        if (m_recording->isRecording() && m_recording->cameraId() == camId)
            qCWarning(lcRecord, "recording %s: pictures from %s again", qPrintable(m_recording->lastPath()),
                      qPrintable(m_hub->displayName(camId)));
        if (camId == m_currentCamera)
            m_stallLabel->hide();
        updateTileTitle(camId);
    }
    // The header's rate is formatted every 15 frames (twice a second at 30 fps), not per frame.
    if (!single && slot.delivered % 15 == 1)
        updateTileTitle(camId);
    if (camId == m_currentCamera)
        updateStatus(camId);
}

void CameraSession::updateStatus(const QString &devicePath)
{
    if (!m_cameras.contains(devicePath))
        return;
    if (m_lastStillMs > 0 && QDateTime::currentMSecsSinceEpoch() - m_lastStillMs <= 1000) {
        ui->labelStatus->clearParts();
        ui->labelStatus->setPart(0, QCoreApplication::translate("Vistrel", "Save Image"), 2);
        return;
    }
    const Slot &slot = m_cameras[devicePath];
    const double rate = slot.rate ? slot.rate->rateAt(m_clock()) : 0.0;
    // The frame rate matters most; the pointer's place and colour give way first.
    ui->labelStatus->setPart(0, QCoreApplication::translate("Vistrel", "帧率") + QString::asprintf(":%0.1ffps", rate), 2);
    if (ui->stackMainWidget->currentIndex() != 0) {
        ui->labelStatus->setPart(1, QString(), 0);
        ui->labelStatus->setPart(2, QString(), 0);
        return;
    }
    int r = 0, g = 0, b = 0;
    for (const QColor &c : slot.colours) {
        r += c.red();
        g += c.green();
        b += c.blue();
    }
    if (const int n = slot.colours.size()) {
        r /= n;
        g /= n;
        b /= n;
    }
    const QSize picture = m_scene->image().size();
    const int x = m_lastPoint.x() - picture.width() / 2;
    const int y = picture.height() / 2 - m_lastPoint.y();
    ui->labelStatus->setPart(1, QCoreApplication::translate("Vistrel", "坐标") + QString::asprintf(":%d,%d", x, y), 1);
    ui->labelStatus->setPart(2, QString::asprintf("(R:%3d G:%3d B:%3d)", r, g, b), 0);
    // A calibration scaled to another picture size says so.
    // The calibration in force, and how it was adapted to this picture.
    ui->labelStatus->setPart(3, ui->bdWidget->statusText(), 2);
}

void CameraSession::updateResolutionLabel()
{
    QSize size(0, 0);
    if (m_cameras.contains(m_currentCamera))
        size = m_cameras[m_currentCamera].frameSize;
    ui->labelResInfo->setText(QString::asprintf("%d * %d", qMax(size.width(), 0), qMax(size.height(), 0)));
    // The rate the driver granted, not the one asked for; the measured rate
    // is on the status line.
    const double granted = m_cameras.contains(m_currentCamera) ? m_hub->frameRate(m_currentCamera) : 0.0;
    ui->labelRateInfo->setText(granted > 0 ? QString::number(granted, 'g', 3) + QStringLiteral(" fps") : QString());
}

void CameraSession::onCoorInfo(QPoint point, QColor colour)
{
    if (!m_cameras.contains(m_currentCamera))
        return;
    m_lastPoint = point;
    Slot &slot = m_cameras[m_currentCamera];
    slot.colours.append(colour);
    while (slot.colours.size() > 10)
        slot.colours.removeFirst();
    updateStatus(m_currentCamera);
}

void CameraSession::onUpdateCamViewSize()
{
    if (!m_cameras.contains(m_currentCamera)) {
        // No camera: the view fills the page so its notice sits in the middle.
        ui->camViewer->setFixedSize(ui->mainPageScrollArea->maximumViewportSize());
        updateResolutionLabel();
        return;
    }
    const QSize frame = m_cameras[m_currentCamera].frameSize;
    if (!frame.isValid() || frame.isEmpty()) {
        updateResolutionLabel();
        return;
    }
    const QString text = ui->comboZoom->currentData().toString();
    double factor = wheelzoom::zoomFactor(text);
    QSize size;
    if (text == QLatin1String("Scale")) {
        size = frame.scaled(ui->mainPage->size(), Qt::KeepAspectRatio);
        factor = ui->mainPage->width() > 0 ? double(size.width()) / ui->mainPage->width() : 1.0;
    } else {
        size = QSize(qRound(frame.width() * factor), qRound(frame.height() * factor));
    }
    ui->camViewer->setFixedSize(size);
    if (ui->stackMainWidget->currentIndex() == 0)
        m_scene->fitToView(frame);
    for (QScrollBar *bar : {ui->mainPageScrollArea->horizontalScrollBar(), ui->mainPageScrollArea->verticalScrollBar()})
        bar->setValue(bar->maximum() / 2);
    ui->bdWidget->setViewScale(factor);
    updateResolutionLabel();
}


void CameraSession::readDeviceParams(const QString &devicePath)
{
    m_panel->readDevice(devicePath);
}

void CameraSession::applySavedParams(const QString &devicePath)
{
    m_panel->applySaved(devicePath);
    if (m_cameras.contains(devicePath) && m_hub->frameSize(devicePath).isValid())
        m_cameras[devicePath].frameSize = m_hub->frameSize(devicePath);
}

void CameraSession::showParams(const QString &devicePath)
{
    m_panel->show(devicePath);
}

// ------------------------------------------------------------------ tiles

void CameraSession::selectTile(int index)
{
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        tile(i)->setSelected(i == index);
}

void CameraSession::onUpdateFourCamViewer()
{
    const int a = (ui->viewPage->width() - 3) / 2;
    const int b = (ui->viewPage->height() - 3) / 2;
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        tile(i)->setGeometry(i % 2 ? a + 3 : 0, (b + 3) * (i / 2), a, b);
    applyDisplaySizes();
}

void CameraSession::onCameraViewChecked(QObject *checked, bool check)
{
    if (!check)
        return;
    for (int i = 0; i < AppSettings::kTileCount; ++i) {
        if (tile(i) != checked)
            tile(i)->setSelected(false);
    }
    // The side pages act on the selected tile's camera.
    if (auto *t = qobject_cast<CameraLabel *>(checked)) {
        const QString camId = cameraInTile(t->index());
        if (!camId.isEmpty() && camId != m_currentCamera)
            setCurrentCamera(camId);
    }
}

bool CameraSession::showInTile(const QString &devicePath, int index)
{
    CameraLabel *t = tile(index);
    const int device = m_watcher->indexOf(devicePath);
    if (!t || device < 0 || !m_watcher->devices()[device].accessible)
        return false;
    const QString occupant = cameraInTile(index);
    if (occupant == devicePath)
        return true;
    if (!occupant.isEmpty())
        stopCamera(occupant);
    bool ok = true;
    if (m_cameras.contains(devicePath)) {
        Slot &slot = m_cameras[devicePath];
        if (CameraLabel *old = tile(slot.tile))
            old->clearImage();
        slot.tile = index;
        t->clearImage();
        if (fourTiles())
            t->setSelected(true);
        setCurrentCamera(devicePath);
        updateTileTitle(devicePath);
        applyDisplaySizes();
    } else {
        ok = startCamera(devicePath, index, false);
    }
    saveTiles();
    return ok;
}

void CameraSession::showLarge(const QString &devicePath)
{
    if (!m_cameras.contains(devicePath))
        return;
    // Stays open and keeps its tile; the large view shows the current camera.
    setCurrentCamera(devicePath);
    if (fourTiles())
        switchView();
    else
        onUpdateCamViewSize();
}

QImage CameraSession::photoSource()
{
    QString camId = m_stillCamera;
    if (camId.isEmpty() && fourTiles()) {
        camId = cameraInTile(selectedTile());
        if (camId.isEmpty())
            camId = m_currentCamera;
    }
    QImage image;
    if (!camId.isEmpty() && m_cameras.contains(camId))
        m_hub->grabFullFrame(camId, &image);
    if (!image.isNull() && m_settings->cameras.value(camId).blackWhite)
        greyInPlace(&image);
    return image;
}

void CameraSession::onCameraMenu(QObject *sender, QPoint point)
{
    auto *t = qobject_cast<CameraLabel *>(sender);
    if (!t)
        return;
    const QString camId = cameraInTile(t->index());
    if (camId.isEmpty())
        return;
    QMenu menu(t);
    QAction *large = menu.addAction(QCoreApplication::translate("Vistrel", "在大视图中显示"));
    QAction *photo = menu.addAction(QCoreApplication::translate("Vistrel", "拍照"));
    QAction *freeze = menu.addAction(t->isFrozen() ? QCoreApplication::translate("CameraLabel", "解冻")
                                                   : QCoreApplication::translate("CameraLabel", "冻结"));
    menu.addSeparator();
    QAction *close = menu.addAction(QCoreApplication::translate("Vistrel", "关闭相机"));
    QAction *chosen = menu.exec(t->mapToGlobal(point));
    if (!chosen || !m_cameras.contains(camId))
        return;
    if (chosen == large) {
        showLarge(camId);
    } else if (chosen == photo) {
        t->setSelected(true);
        emit stillButton(camId);
    } else if (chosen == freeze) {
        t->setFrozen(!t->isFrozen());
    } else if (chosen == close) {
        stopCamera(camId);
        t->clearImage();
        if (!hasCurrent() && !m_cameras.isEmpty())
            setCurrentCamera(m_cameras.firstKey());
        saveTiles();
    }
}

void CameraSession::onCameraAddClicked(QObject *clicked)
{
    auto *t = qobject_cast<CameraLabel *>(clicked);
    if (!t)
        return;
    QMenu menu(t);
    for (const CameraDeviceInfo &d : m_watcher->devices()) {
        if (!d.accessible || tileOf(d.devicePath) >= 0)
            continue;
        QAction *a = menu.addAction(d.displayName);
        a->setData(d.devicePath);
    }
    if (!menu.isEmpty())
        menu.addSeparator();
    QAction *file = menu.addAction(QCoreApplication::translate("Vistrel", "从文件打开图片…"));
    QAction *chosen = menu.exec(t->mapToGlobal(t->addIconRect().bottomLeft()));
    if (!chosen)
        return;
    if (chosen != file) {
        showInTile(chosen->data().toString(), t->index());
        return;
    }
    const QString path = QFileDialog::getOpenFileName(m_window, QString(), m_store->makeFilePath(SettingsStore::Photo),
                                                      media::photoFilter());
    if (path.isEmpty())
        return;
    // A picture replaces a live camera there.
    const QString occupant = cameraInTile(t->index());
    if (!occupant.isEmpty()) {
        stopCamera(occupant);
        saveTiles();
    }
    // A picture too large or damaged is refused before it is decoded.
    if (!t->setFile(path))
        notifier().inform(m_window, QCoreApplication::translate("Vistrel", "打开文件失败") + QLatin1Char('\n')
                                        + QDir::toNativeSeparators(path));
}

void CameraSession::switchView()
{
    if (ui->stackMainWidget->currentIndex() == 1) {
        m_recording->stop();
        if (!m_cameras.isEmpty() && !hasCurrent())
            setCurrentCamera(m_cameras.firstKey());
        // A freeze belongs to the four-tile view; it would block photos unseen.
        for (int i = 0; i < AppSettings::kTileCount; ++i)
            tile(i)->setFrozen(false);
        const int t = tileOf(m_currentCamera);
        selectTile(t >= 0 ? t : 1);
        ui->stackMainWidget->setCurrentIndex(0);
        ui->btnCalib->setEnabled(true);
        ui->btnRecord->setEnabled(true);
        applyDisplaySizes();
        onUpdateCamViewSize();
    } else {
        if (m_recording->isRecording()) {
            // Recording is for the large view: stop it cleanly, or stay.
            if (!notifier().ask(m_window, QCoreApplication::translate("Vistrel", "正在录像。切换到四画面需要停止录像，是否停止？")))
                return;
            m_recording->stop();
        }
        ui->stackMainWidget->setCurrentIndex(1);
        ui->btnCalib->setEnabled(false);
        ui->btnRecord->setEnabled(false);
        fillEmptyTiles();
        if (ui->rightStackWidget->currentIndex() == 2)
            emit ui->btnSetting->clicked();
        for (int i = 1; i < AppSettings::kTileCount; ++i) {
            if (cameraInTile(i).isEmpty())
                tile(i)->clearImage();
        }
        const int t = tileOf(m_currentCamera);
        if (t >= 0)
            selectTile(t);
        onUpdateFourCamViewer();
    }
}
