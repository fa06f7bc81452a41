#include "app/camerasession.h"

#include "app/devicewatcher.h"
#include "app/recordingcontroller.h"
#include "app/settingsstore.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/frameratemeter.h"
#include "core/appsettings.h"
#include "core/notifier.h"
#include "measure/camerascene.h"
#include "view/cameralabel.h"
#include "widgets/cameraparampanel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStackedWidget>

CameraSession::CameraSession(const Widgets &widgets, AppSettings *settings, SettingsStore *store,
                             CameraParamPanel *panel, RecordingController *recording, QObject *parent)
    : QObject(parent)
    , m_window(widgets.tiles.window)
    , m_pages(widgets.pages)
    , m_settings(settings)
    , m_store(store)
    , m_hub(CameraHub::instance())
    , m_scene(widgets.frames.scene)
    , m_toolbox(widgets.frames.toolbox)
    , m_panel(panel)
    , m_recording(recording)
    , m_watcher(new DeviceWatcher(m_hub, this))
{
    m_clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    m_picker = new CameraPicker(widgets.picker, this);
    m_tiles = new TileBoard(widgets.tiles, this, settings, store, this);
    m_frames = new FrameRouter(widgets.frames, this, m_tiles, this);
    // No new look at the list during a recording.
    m_watcher->setPaused([this] { return m_recording->isRecording(); });
    connect(m_picker, &CameraPicker::cameraChosen, this, &CameraSession::onCamChanged);
    connect(m_picker, &CameraPicker::sizeChosen, this, &CameraSession::onCamResolutionChanged);
    connect(m_picker, &CameraPicker::formatChosen, this, &CameraSession::onCamFormatChanged);
    connect(m_tiles, &TileBoard::photoAsked, this, &CameraSession::stillButton);
    connect(m_hub, &CameraHub::sigFrameReady, this, &CameraSession::onFrameReady);
    connect(m_hub, &CameraHub::sigCameraLost, this, &CameraSession::onCameraLost);
    connect(m_hub, &CameraHub::sigFrameRateChanged, this, [this](const QString &camId) {
        if (camId == m_currentCamera)
            m_frames->updateResolutionLabel();
    });
    connect(m_hub, &CameraHub::sigCameraError, this, &CameraSession::onCameraError);
    // Said from the event loop: the list may be refilled inside a modal box otherwise.
    connect(
        m_hub, &CameraHub::sigAccessProblem, this,
        [this](const QString &, const QString &message) { notifier().inform(m_window, message); },
        Qt::QueuedConnection);
}

CameraSession::Slot *CameraSession::slot(const QString &devicePath)
{
    const auto it = m_cameras.find(devicePath);
    return it == m_cameras.end() ? nullptr : &*it;
}

bool CameraSession::fourTiles() const { return m_pages->currentIndex() == 1; }

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
    const QVector<CameraDeviceInfo> &devices = m_watcher->devices();
    // A first start, or a camera that is gone: take the first one there is,
    // unless a camera was just unplugged (nothing opens by itself then).
    int current = m_watcher->indexOf(hasCurrent() ? m_currentCamera : m_settings->currentCamera);
    if (current >= 0 && !devices[current].accessible)
        current = -1;
    for (int i = 0; current < 0 && !m_noAutoOpen && i < devices.size(); ++i) {
        if (devices[i].accessible)
            current = i;
    }
    m_picker->fillList(devices, current);
    // The open cameras stay where they are; only a first choice opens one.
    if (hasCurrent())
        fillCameraCombos(m_currentCamera);
    else
        onCamChanged();
    if (!m_tiles->isRestored())
        m_tiles->restore();
}

void CameraSession::fillCameraCombos(const QString &devicePath)
{
    const int index = m_watcher->indexOf(devicePath);
    if (index < 0)
        return;
    const CameraConfig &config = m_settings->cameras[devicePath];
    QSize size = config.initialized ? config.size : QSize(640, 480);
    if (m_cameras.contains(devicePath) && m_cameras[devicePath].frameSize.isValid())
        size = m_cameras[devicePath].frameSize;
    m_picker->fillStream(m_watcher->devices()[index], size, config.format);
}

void CameraSession::onCamChanged()
{
    m_picker->setControlsEnabled(false);
    m_picker->clearStream();
    m_scene->resetImage();

    const int index = m_picker->chosenIndex();
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
    const QString first = m_tiles->cameraInTile(0);
    if (!first.isEmpty() && first != path)
        stopCamera(first);

    m_store->selectCamera(path);
    // Calibrations made on it are listed by this name on other cameras.
    if (m_settings->cameras[path].name.isEmpty())
        m_settings->cameras[path].name = device.modelName;
    const CameraConfig &config = m_settings->cameras[path];
    m_picker->fillStream(device, config.initialized ? config.size : QSize(640, 480), config.format);

    if (Slot *open = slot(path)) {
        if (open->tile != 0) {
            if (CameraLabel *t = tile(open->tile))
                t->clearImage();
            open->tile = 0;
        }
        setCurrentCamera(path);
        m_panel->readDevice(path);
        m_panel->show(path);
        m_picker->setControlsEnabled(true);
        m_frames->fitView();
        m_tiles->save();
    } else if (startCamera(path, 0, true)) {
        m_picker->setControlsEnabled(true);
        m_tiles->save();
    } else {
        m_picker->showIndex(-1);
        m_scene->setNoDeviceNotice(true);
    }
}

void CameraSession::onCamResolutionChanged()
{
    QSize wanted;
    if (!hasCurrent() || m_recording->isRecording() || !m_picker->chosenSize(&wanted))
        return;
    // Width alone keeps the request pending; height applies both at once.
    m_hub->setProperty(m_currentCamera, CameraHub::FrameWidth, wanted.width());
    m_hub->setProperty(m_currentCamera, CameraHub::FrameHeight, wanted.height());
    Slot &open = m_cameras[m_currentCamera];
    open.frameSize = m_hub->frameSize(m_currentCamera);
    m_settings->cameras[m_currentCamera].size = open.frameSize.isValid() ? open.frameSize : wanted;
    m_store->scheduleSave();
    m_scene->resetImage();
    m_frames->fitView();
}

void CameraSession::onCamFormatChanged()
{
    if (!hasCurrent() || m_recording->isRecording())
        return;
    const QString format = m_picker->chosenFormat();
    if (m_hub->setFormat(m_currentCamera, format)) {
        m_settings->cameras[m_currentCamera].format = format;
        m_store->scheduleSave();
    }
}

bool CameraSession::startCamera(const QString &devicePath, int tileIndex, bool showError)
{
    if (m_cameras.contains(devicePath))
        return true;
    // The boxes speak for the camera chosen in the list; another one opens
    // as it was last used.
    const bool chosen = m_watcher->indexOf(devicePath) == m_picker->chosenIndex();
    const CameraConfig saved = m_settings->cameras.value(devicePath);
    QSize size(640, 480);
    QString format = m_picker->chosenFormat();
    if (chosen) {
        m_picker->chosenSize(&size);
    } else {
        size = saved.initialized && saved.size.isValid() ? saved.size : QSize(640, 480);
        format = saved.format.isEmpty() ? QStringLiteral("MJPG") : saved.format;
    }
    if (!m_hub->openCamera(devicePath, size.width(), size.height(), format)) {
        // A full bus is said on the camera's tile; the other cameras go on.
        const QString why = m_hub->cameraError(devicePath);
        CameraLabel *t = tile(tileIndex);
        if (!why.isEmpty() && t) {
            t->clearImage();
            t->setTitle(m_hub->displayName(devicePath));
            t->setMessage(why);
        }
        if (showError)
            notifier().inform(m_window, why.isEmpty() ? QCoreApplication::translate("Vistrel", "启动设备失败")
                                                            + QLatin1Char('\n') + m_hub->displayName(devicePath)
                                                      : why);
        return false;
    }
    const QSize opened(m_hub->getProperty(devicePath, CameraHub::FrameWidth),
                       m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    if (tileIndex == 0)
        m_settings->currentCamera = devicePath;
    Slot open;
    open.tile = tileIndex;
    open.frameSize = opened;
    open.rate = std::make_shared<FrameRateMeter>();
    open.openedMs = m_clock();
    m_cameras.insert(devicePath, open);
    setCurrentCamera(devicePath);
    CameraConfig &config = m_settings->cameras[devicePath];
    config.size = opened;
    config.format = format;
    if (config.initialized) {
        m_panel->applySaved(devicePath);
        if (m_hub->frameSize(devicePath).isValid())
            m_cameras[devicePath].frameSize = m_hub->frameSize(devicePath);
    } else {
        m_panel->readDevice(devicePath);
    }
    m_panel->show(devicePath);
    m_frames->updateStatus(devicePath);
    m_frames->fitView();
    if (CameraLabel *t = tile(tileIndex)) {
        t->clearImage();
        if (fourTiles())
            t->setSelected(true);
    }
    m_tiles->updateTitle(devicePath);
    applyDisplaySizes();
    return true;
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
    if (wasCurrent && !fourTiles() && !hasCurrent())
        m_scene->setNoDeviceNotice(true);
    QString text = QCoreApplication::translate("Vistrel", "相机“%1”已断开。").arg(name);
    if (wasRecording && !m_recording->lastPath().isEmpty())
        text += QLatin1Char('\n')
                + QCoreApplication::translate("Vistrel", "录像已保存：%1").arg(m_recording->lastPath());
    notifier().inform(m_window, text);
}

void CameraSession::onFrameReady(const QString &camId, bool needCapture)
{
    if (!m_cameras.contains(camId))
        return;
    if (needCapture) {
        // The button of any open camera takes a photo of that camera.
        if (camId != m_currentCamera) {
            if (fourTiles() && tile(tileOf(camId)))
                selectTile(tileOf(camId));
            else
                m_stillCamera = camId;
        }
        emit stillButton(camId);
        m_stillCamera.clear();
        m_frames->noteStill();
        m_frames->updateStatus(m_currentCamera);
    }
    m_frames->deliver(camId);
}

void CameraSession::applyDisplaySizes()
{
    const bool four = fourTiles();
    const QString recording = m_recording->isRecording() ? m_recording->cameraId() : QString();
    for (auto it = m_cameras.cbegin(); it != m_cameras.cend(); ++it) {
        // Full size for the large view and a recording; a tile decodes only
        // what it shows, and a camera out of sight nothing.
        QSize want;
        CameraLabel *t = tile(it->tile);
        if (it.key() != recording && t && (four || it.key() != m_currentCamera))
            want = t->size();
        if (m_hub->displaySize(it.key()) != want)
            m_hub->setDisplaySize(it.key(), want);
        m_hub->setShown(it.key(), it.key() == recording || it.key() == m_currentCamera || (four && t));
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
        m_toolbox->setCamera(devicePath);
    if (changed && m_cameras.contains(devicePath))
        fillCameraCombos(devicePath);
    m_panel->setCamera(m_cameras.contains(devicePath) ? devicePath : QString());
    const int index = m_watcher->indexOf(devicePath);
    if (index >= 0)
        m_picker->showIndex(index);
    if (!devicePath.isEmpty())
        m_store->selectCamera(devicePath);
    m_scene->setNoDeviceNotice(devicePath.isEmpty());
    const bool any = !devicePath.isEmpty();
    m_picker->setStreamEnabled(any);
    m_frames->updateResolutionLabel();
    if (changed) {
        applyDisplaySizes();
        if (any && m_cameras.contains(devicePath))
            m_panel->show(devicePath);
    }
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
        m_frames->fitView();
}

QImage CameraSession::photoSource()
{
    QString camId = m_stillCamera;
    if (camId.isEmpty() && fourTiles()) {
        camId = m_tiles->cameraInTile(m_tiles->selected());
        if (camId.isEmpty())
            camId = m_currentCamera;
    }
    QImage image;
    if (!camId.isEmpty() && m_cameras.contains(camId))
        m_hub->grabFullFrame(camId, &image);
    return image;
}

void CameraSession::switchView()
{
    if (fourTiles()) {
        m_recording->stop();
        if (!m_cameras.isEmpty() && !hasCurrent())
            setCurrentCamera(m_cameras.firstKey());
        // A freeze belongs to the four-tile view; it would block photos unseen.
        m_tiles->unfreezeAll();
        const int t = tileOf(m_currentCamera);
        selectTile(t >= 0 ? t : 1);
        m_pages->setCurrentIndex(0);
        emit viewSwitched(false);
        applyDisplaySizes();
        m_frames->fitView();
    } else {
        if (m_recording->isRecording()) {
            // Recording is for the large view: stop it cleanly, or stay.
            if (!notifier().ask(
                    m_window, QCoreApplication::translate("Vistrel", "正在录像。切换到四画面需要停止录像，是否停止？")))
                return;
            m_recording->stop();
        }
        m_pages->setCurrentIndex(1);
        emit viewSwitched(true);
        m_tiles->fillEmpty();
        for (int i = 1; i < AppSettings::kTileCount; ++i) {
            if (m_tiles->cameraInTile(i).isEmpty())
                tile(i)->clearImage();
        }
        const int t = tileOf(m_currentCamera);
        if (t >= 0)
            selectTile(t);
        m_tiles->layOut();
    }
}
