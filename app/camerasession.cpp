#include "app/camerasession.h"

#include "app/devicewatcher.h"
#include "app/recordingcontroller.h"
#include "app/settingsstore.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/frameratemeter.h"
#include "core/appsettings.h"
#include "core/mediafiles.h"
#include "core/notifier.h"
#include "measure/camerascene.h"
#include "ui_vistrel.h"
#include "view/cameralabel.h"
#include "view/cameraviewer.h"
#include "widgets/cameraparampanel.h"
#include "widgets/statusline.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QDateTime>
#include <QScrollBar>

namespace {

const char *const kZoomTexts[] = {"0.5x", "1.0x", "2.0x", "2.5x", "4.0x", "5.0x", "10.0x"};
const double kZoomFactors[] = {0.5, 1, 2, 2.5, 4, 5, 10};

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
    connect(m_scene, &CameraScene::coorInfo, this, &CameraSession::onCoorInfo);
}

double CameraSession::zoomFactor(const QString &text)
{
    for (size_t i = 0; i < sizeof kZoomFactors / sizeof kZoomFactors[0]; ++i) {
        if (text == QLatin1String(kZoomTexts[i]))
            return kZoomFactors[i];
    }
    return 1.0;
}

QStringList CameraSession::zoomTexts()
{
    QStringList texts;
    for (const char *text : kZoomTexts)
        texts << QString::fromLatin1(text);
    return texts;
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
        for (const CameraDeviceInfo &d : m_watcher->devices())
            ui->boxCam->addItem(d.displayName);
        // A first start, or a camera that is gone: take the first one there is.
        const int current = m_watcher->indexOf(m_settings->currentCamera);
        ui->boxCam->setCurrentIndex(current < 0 && ui->boxCam->count() > 0 ? 0 : current);
    }
    onCamChanged();
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
    if (!m_currentCamera.isEmpty() && m_currentCamera != path)
        stopCamera(m_currentCamera);

    for (const QSize &s : device.sizes)
        ui->boxResolution->addItem(QString::asprintf("%d x %d", s.width(), s.height()));
    ui->boxFormat->addItems({QStringLiteral("YUV"), QStringLiteral("MJPG")});

    m_store->selectCamera(path);
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
            setCurrentCamera(path);
        } else {
            readDeviceParams(path);
        }
        showParams(path);
        ui->cameraParamWidget->setEnabled(true);
        onUpdateCamViewSize();
    } else if (startCamera(path, 0, true)) {
        ui->cameraParamWidget->setEnabled(true);
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
    const QStringList wh = ui->boxResolution->currentText().split(QLatin1Char('x'));
    const int width = wh.size() == 2 ? wh[0].trimmed().toInt() : 640;
    const int height = wh.size() == 2 ? wh[1].trimmed().toInt() : 480;
    const QString format = ui->boxFormat->currentText().isEmpty() ? QStringLiteral("MJPG") : ui->boxFormat->currentText();
    if (!m_hub->openCamera(devicePath, width, height, format)) {
        if (showError)
            notifier().inform(m_window, QCoreApplication::translate("Vistrel", "启动设备失败"));
        return false;
    }
    const QSize size(m_hub->getProperty(devicePath, CameraHub::FrameWidth),
                     m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    m_settings->currentCamera = devicePath;
    Slot slot;
    slot.tile = tileIndex;
    slot.frameSize = size;
    slot.rate = std::make_shared<FrameRateMeter>();
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
    return true;
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
    m_currentCamera = devicePath;
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
}

int CameraSession::tileOf(const QString &devicePath) const
{
    return m_cameras.contains(devicePath) ? m_cameras[devicePath].tile : -1;
}

void CameraSession::onCameraLost(const QString &camId)
{
    // The capture thread has ended by itself: finish a recording of it now,
    // so its file is complete and listed, and show that it is gone.
    if (m_recording->isRecording() && m_recording->cameraId() == camId)
        m_recording->stop();
    if (!m_cameras.contains(camId))
        return;
    stopCamera(camId);
    m_scene->setNoDeviceNotice(true);
    refreshCameraList();
}

void CameraSession::onLocalCamera(const QString &camId, bool needCapture)
{
    if (needCapture && camId == m_currentCamera) {
        emit stillButton();
        m_lastStillMs = QDateTime::currentMSecsSinceEpoch();
        updateStatus(camId);
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
        if (m_settings->cameras.value(camId).blackWhite)
            image = image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
        if (single)
            m_scene->setImage(image);
        else if (CameraLabel *t = tile(slot.tile))
            t->setImage(image);
        if (slot.frameSize != size) {
            slot.frameSize = size;
            onUpdateCamViewSize();
        }
    }
    m_hub->releaseFrame(camId);
    slot.rate->add();
    ++slot.delivered;
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
    const double rate = slot.rate ? slot.rate->rate() : 0.0;
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
    ui->labelStatus->setPart(3, ui->bdWidget->calibrationNote(), 2);
}

void CameraSession::updateResolutionLabel()
{
    QSize size(0, 0);
    if (m_cameras.contains(m_currentCamera))
        size = m_cameras[m_currentCamera].frameSize;
    ui->labelResInfo->setText(QString::asprintf("%d * %d", qMax(size.width(), 0), qMax(size.height(), 0)));
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
    double factor = zoomFactor(text);
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
}

void CameraSession::onCameraViewChecked(QObject *checked, bool check)
{
    for (int i = 0; check && i < AppSettings::kTileCount; ++i) {
        if (tile(i) != checked)
            tile(i)->setSelected(false);
    }
}

void CameraSession::onCameraAddClicked(QObject *clicked)
{
    auto *t = qobject_cast<CameraLabel *>(clicked);
    if (!t)
        return;
    const QString path = QFileDialog::getOpenFileName(m_window, QString(), m_store->makeFilePath(SettingsStore::Photo),
                                                      media::photoFilter());
    // A picture too large or damaged is refused before it is decoded.
    if (!path.isEmpty() && !t->setFile(path))
        notifier().inform(m_window, QCoreApplication::translate("Vistrel", "打开文件失败"));
}

void CameraSession::switchView()
{
    if (ui->stackMainWidget->currentIndex() == 1) {
        m_recording->stop();
        if (!m_cameras.isEmpty() && !hasCurrent())
            setCurrentCamera(m_cameras.firstKey());
        selectTile(1);
        ui->stackMainWidget->setCurrentIndex(0);
        ui->btnCalib->setEnabled(true);
        ui->btnRecord->setEnabled(true);
        onUpdateCamViewSize();
    } else {
        ui->stackMainWidget->setCurrentIndex(1);
        ui->btnCalib->setEnabled(false);
        ui->btnRecord->setEnabled(false);
        if (ui->rightStackWidget->currentIndex() == 2)
            emit ui->btnSetting->clicked();
        for (int i = 1; i < AppSettings::kTileCount; ++i)
            tile(i)->clearImage();
        onUpdateFourCamViewer();
    }
}
