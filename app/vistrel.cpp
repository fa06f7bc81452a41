#include "app/vistrel.h"

#include "app/devicewatcher.h"
#include "app/fullscreenmode.h"
#include "app/languages.h"
#include "app/languageswitcher.h"
#include "app/recordingcontroller.h"
#include "app/settingsstore.h"
#include "app/storagepaths.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "capture/frameratemeter.h"
#include "core/notifier.h"
#include "dialogs/filebrowser.h"
#include "dialogs/helpdialog.h"
#include "dialogs/measureediter.h"
#include "dialogs/printpicture.h"
#include "dialogs/settingdialog.h"
#include "measure/camerascene.h"
#include "record/rtmpthread.h"
#include "ui_vistrel.h"
#include "view/cameralabel.h"
#include "view/cameraviewer.h"
#include "widgets/cameraparampanel.h"
#include "widgets/iconhelp.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>
#include <QScrollBar>
#include <QSplashScreen>
#include <QThread>
#include <QUrl>

#include <optional>

namespace {

int g_minimumStartupMs = 3000;
std::optional<StoragePaths> g_storageOverride;

const char *const kZoomTexts[] = {"0.5x", "1.0x", "2.0x", "2.5x", "4.0x", "5.0x", "10.0x"};
const double kZoomFactors[] = {0.5, 1, 2, 2.5, 4, 5, 10};

bool isPhotoSuffix(const QString &suffix)
{
    const QString s = suffix.toLower();
    return s == QLatin1String("png") || s == QLatin1String("jpg") || s == QLatin1String("bmp");
}

QString trVistrel(const char *text)
{
    return QCoreApplication::translate("VistrelClass", text);
}

// Asks a yes/no question with the buttons relabelled "是"/"否".
bool askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setButtonText(QMessageBox::Yes, trVistrel("是"));
    box.setButtonText(QMessageBox::No, trVistrel("否"));
    return box.exec() == QMessageBox::Yes;
}

} // namespace

void Vistrel::setStoragePathsOverride(const StoragePaths &paths)
{
    g_storageOverride = paths;
}

void Vistrel::setMinimumStartupMs(int ms)
{
    g_minimumStartupMs = ms;
}

double Vistrel::zoomFactor(const QString &text)
{
    for (size_t i = 0; i < sizeof kZoomFactors / sizeof kZoomFactors[0]; ++i) {
        if (text == QLatin1String(kZoomTexts[i]))
            return kZoomFactors[i];
    }
    return 1.0;
}

int Vistrel::recordingFps(const QSize &size)
{
    return RecordingController::recordingFps(size);
}

Vistrel::Vistrel(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::VistrelClass)
{
    // The start-up clock and the splash picture while the window builds.
    QElapsedTimer startup;
    startup.start();
    std::unique_ptr<QSplashScreen> splash;
    if (g_minimumStartupMs > 0) {
        splash = std::make_unique<QSplashScreen>(QPixmap(QStringLiteral(":/Vistrel/image/splash.png")));
        splash->show();
        QCoreApplication::processEvents();
    }

    // The form and its parts.
    m_store = new SettingsStore(&m_settings, g_storageOverride ? *g_storageOverride : storagePaths(), this, this);
    m_iconHelp = new IconHelp(this);
    m_hub = CameraHub::instance();
    ui->setupUi(this);
    setWindowTitle(productTitle());
    ui->stackMainWidget->setCurrentIndex(0);
    ui->rightStackWidget->setCurrentIndex(1);
    ui->tabWidget->setCurrentIndex(0);
    ui->imageBrowser->setVideoMode(false);
    ui->cameraBrowser->setVideoMode(true);
    for (FileBrowser *b : {ui->imageBrowser, ui->cameraBrowser})
        b->listWidget()->setIconSize(QSize(160, 120));
    ui->imageBrowser->listWidget()->setDragDropMode(QAbstractItemView::DragOnly);
    ui->imageBrowser->listWidget()->setDragEnabled(true);
    ui->actionSetting->setVisible(false);
    ui->actionAbout->setMenuRole(QAction::NoRole);
    ui->boxFormatImage->addItems(SettingsStore::imageFormats());
    ui->boxFormatRecord->addItems(SettingsStore::videoFormats());
    for (int i = 0; i < AppSettings::kTileCount; ++i) {
        tile(i)->setIndex(i);
        tile(i)->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    tile(0)->setSelected(true);
    m_recordPlayingIcon = QIcon(QStringLiteral(":/Vistrel/image/icon/btnRecord_Playing.png"));
    m_recordIcon = QIcon(QStringLiteral(":/Vistrel/image/icon/btnRecord.png"));

    m_scene = ui->camViewer->cameraScene();
    m_scene->setTool(Point);
    m_scene->setSettings(&m_settings);
    ui->bdWidget->setup(m_scene, &m_settings);
    m_editer = new MeasureEditer(this);
    m_editer->setWindowFlag(Qt::Window);
    m_editer->attach(&m_settings);
    m_recording = new RecordingController(m_scene, &m_settings, this);
    m_panel = new CameraParamPanel(ui->cameraParamWidget, {ui->btnBaoGuang, ui->btnColor, ui->btnBlance, ui->btnResever},
                                   m_hub, &m_settings, this);
    m_watcher = new DeviceWatcher(m_hub, this);
    m_watcher->setPaused([this] { return isRecording(); });
    m_languages = new LanguageSwitcher(ui->menuLang, this);
    m_fullScreen = new FullScreenMode(this, {ui->mainMenuBar, ui->headFrame, ui->rightStackWidget}, ui->menu->menuAction());
    m_store->setBrowsers(ui->imageBrowser, ui->cameraBrowser);

    ui->comboZoom->addItem(tr("Scale"), QStringLiteral("Scale"));
    for (const char *text : kZoomTexts)
        ui->comboZoom->addItem(QString::fromLatin1(text), QString::fromLatin1(text));
    ui->comboZoom->setCurrentIndex(2);
    for (QToolButton *b : {ui->btnCapture, ui->btnRecord, ui->btnTimeSetting, ui->btnFullScreen, ui->btnScreenSwitch,
                           ui->btnOpenDir, ui->btnSetting, ui->btnCalib, ui->btnZoom})
        m_iconHelp->setIcon(b, b->objectName());
    m_iconHelp->setSelected(ui->btnSetting, true);
    connectForm();

    // The settings, then the cameras.
    m_store->loadSettings();
    tile(1)->setSelected(true);
    refreshCameraList();
    m_watcher->start();

    // The shortest start-up.
    while (startup.elapsed() < g_minimumStartupMs) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    if (splash)
        splash->finish(this);
}

void Vistrel::connectForm()
{
    for (int i = 0; i < AppSettings::kTileCount; ++i) {
        connect(tile(i), &CameraLabel::toggled, this, &Vistrel::onCameraViewChecked);
        connect(tile(i), &CameraLabel::sigAddClicked, this, &Vistrel::onCameraAddClicked);
        connect(tile(i), &CameraLabel::customContextMenuRequested, this, &Vistrel::onCameraMenu);
    }
    connect(ui->boxCam, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onCamChanged);
    connect(ui->boxResolution, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onCamResolutionChanged);
    connect(ui->boxFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onCamFormatChanged);
    connect(ui->boxFormatImage, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onFormatImageChanged);
    connect(ui->boxFormatRecord, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onFormatRecordChanged);
    connect(ui->comboZoom, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onComboZoomChanged);
    connect(m_hub, &CameraHub::sigFrameReady, this, &Vistrel::onLocalCamera);
    connect(m_hub, &CameraHub::sigCameraLost, this, &Vistrel::onCameraLost);
    connect(m_scene, &CameraScene::coorInfo, this, &Vistrel::onCoorInfo);
    for (FileBrowser *b : {ui->imageBrowser, ui->cameraBrowser}) {
        b->listWidget()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b->listWidget(), &QListWidget::customContextMenuRequested, this, &Vistrel::onListItemMenu);
        connect(b, &FileBrowser::sigItemOpen, this, &Vistrel::onListItemOpen);
    }
    connect(ui->btnCapture, &QToolButton::clicked, this, &Vistrel::onBtnCapture);
    connect(ui->btnRecord, &QToolButton::clicked, this, &Vistrel::onBtnRecord);
    connect(ui->btnFullScreen, &QToolButton::clicked, this, &Vistrel::onBtnFullScreen);
    connect(ui->btnTimeSetting, &QToolButton::clicked, this, &Vistrel::onBtnTimeSetting);
    connect(ui->btnScreenSwitch, &QToolButton::clicked, this, &Vistrel::onBtnScreenSwitch);
    connect(ui->btnOpenDir, &QToolButton::clicked, this, &Vistrel::onBtnOpenDir);
    connect(ui->btnSetting, &QToolButton::clicked, this, &Vistrel::onBtnSetting);
    connect(ui->btnCalib, &QToolButton::clicked, this, &Vistrel::onBtnCalib);
    connect(ui->btnZoom, &QToolButton::clicked, this, &Vistrel::onBtnZoomIn);
    connect(ui->btnCamParamReset, &QPushButton::clicked, this, &Vistrel::onBtnCamParamReset);
    connect(ui->btnAdvanced, &QPushButton::clicked, this, &Vistrel::onBtnAdvanced);
    connect(ui->actionExit, &QAction::triggered, this, &QWidget::close);
    connect(ui->actionCapture, &QAction::triggered, ui->btnCapture, &QToolButton::clicked);
    connect(ui->actionRecord, &QAction::triggered, ui->btnRecord, &QToolButton::clicked);
    connect(ui->actionSetTime, &QAction::triggered, ui->btnTimeSetting, &QToolButton::clicked);
    connect(ui->actionImport, &QAction::triggered, this, &Vistrel::onActionImport);
    connect(ui->actionSetting, &QAction::triggered, this, &Vistrel::onActionSetting);
    connect(ui->actionImagePath, &QAction::triggered, this, &Vistrel::onActionImagePath);
    connect(ui->actionRecordPath, &QAction::triggered, this, &Vistrel::onActionRecordPath);
    connect(ui->actionPrint, &QAction::triggered, this, &Vistrel::onActionPrint);
    connect(ui->actionAbout, &QAction::triggered, this, &Vistrel::onActionAbout);
    // The on/off pairs are each one choice.
    for (auto pair : {qMakePair(ui->actionTimeOn, ui->actionTimeOff), qMakePair(ui->actionCrossOn, ui->actionCrossOff)}) {
        auto *group = new QActionGroup(this);
        group->addAction(pair.first);
        group->addAction(pair.second);
    }
    connect(ui->actionTimeOn, &QAction::triggered, this, &Vistrel::onActionTimeOn);
    connect(ui->actionTimeOff, &QAction::triggered, this, &Vistrel::onActionTimeOff);
    connect(ui->actionCrossOn, &QAction::triggered, this, &Vistrel::onActionCrossOn);
    connect(ui->actionCrossOff, &QAction::triggered, this, &Vistrel::onActionCrossOff);
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, this, &Vistrel::onBdInfoChanged);
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, m_editer, &MeasureEditer::onBdInfoChanged);
    connect(m_editer->toolbox(), &BDWidget::bdInfoChanged, this, &Vistrel::onBdInfoChanged);
    // The toolboxes' style combos write the style into the settings.
    for (BDWidget *box : {ui->bdWidget, m_editer->toolbox()}) {
        for (QComboBox *combo : box->findChildren<QComboBox *>())
            connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), m_store, &SettingsStore::scheduleSave);
    }
    connect(m_panel, &CameraParamPanel::changed, m_store, &SettingsStore::scheduleSave);
    connect(m_watcher, &DeviceWatcher::due, this, &Vistrel::onCameraTimer);
    connect(m_languages, &LanguageSwitcher::chosen, this, &Vistrel::setLanguage);
    connect(m_recording, &RecordingController::blink, this, [this](bool on) {
        ui->btnRecord->setIcon(on ? m_recordPlayingIcon : m_recordIcon);
    });
    connect(m_recording, &RecordingController::stopped, this, &Vistrel::onRecordingStopped);
    connect(m_recording, &RecordingController::failed, this, &Vistrel::onRtmpFinished);
    connect(m_recording, &RecordingController::seriesPhotoDue, this, &Vistrel::onBtnCapture);
    connect(m_recording, &RecordingController::seriesRecordToggle, this, &Vistrel::onBtnRecord);
    connect(m_recording, &RecordingController::seriesStepDone, this, &Vistrel::autoRecordFinish);
    connect(m_store, &SettingsStore::sigLoaded, this, &Vistrel::applyLoadedSettings);
    // The camera key of a keyboard takes a photo like the microscope's button.
    ui->camViewer->installEventFilter(this);
}

Vistrel::~Vistrel()
{
    stopRecording();
    while (!m_cameras.isEmpty())
        stopCamera(m_cameras.firstKey());
    m_store->saveSettings();
    delete ui;
}

void Vistrel::setClock(std::function<QDateTime()> clock)
{
    m_recording->setClock([clock] { return clock().toMSecsSinceEpoch(); });
}

RtmpThread *Vistrel::recorder() const
{
    return m_recording->recorder();
}

bool Vistrel::isRecording() const
{
    return m_recording->isRecording();
}

QString Vistrel::lastRecordingPath() const
{
    return m_recording->lastPath();
}

bool Vistrel::isTimedVideo() const
{
    return m_recording->isTimedVideo();
}

QTimer *Vistrel::autoRecordTimer()
{
    return m_recording->seriesTimer();
}

FuncWidget *Vistrel::paramGroup(int index) const
{
    return m_panel->group(index);
}

QWidget *Vistrel::paramRow(int key) const
{
    return m_panel->row(key);
}

CameraLabel *Vistrel::tile(int index) const
{
    switch (index) {
    case 0: return ui->labelView1;
    case 1: return ui->labelView2;
    case 2: return ui->labelView3;
    case 3: return ui->labelView4;
    default: return nullptr;
    }
}

void Vistrel::applyLoadedSettings()
{
    ui->bdWidget->refresh();
    m_editer->toolbox()->refresh();
    m_scene->setTimeStampVisible(m_settings.showTime);
    (m_settings.showTime ? ui->actionTimeOn : ui->actionTimeOff)->setChecked(true);
    m_scene->setCrossVisible(false);
    ui->actionCrossOff->setChecked(true);
    ui->boxFormatImage->setCurrentIndex(m_settings.imageFormat);
    ui->boxFormatRecord->setCurrentIndex(m_settings.videoFormat);
    setLanguage(m_settings.language);
}

// ---------------------------------------------------------------- cameras

void Vistrel::refreshCameraList()
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
            ui->boxCam->addItem(d.modelName);
        // A first start, or a camera that is gone: take the first one there is.
        const int current = m_watcher->indexOf(m_settings.currentCamera);
        ui->boxCam->setCurrentIndex(current < 0 && ui->boxCam->count() > 0 ? 0 : current);
    }
    onCamChanged();
}

void Vistrel::onCamChanged()
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
    const CameraConfig &config = m_settings.cameras[path];
    int resIndex = config.initialized ? device.sizes.indexOf(config.size) : int(device.sizes.indexOf(QSize(640, 480)));
    if (resIndex < 0)
        resIndex = 0;
    ui->boxResolution->setCurrentIndex(resIndex);
    ui->boxFormat->setCurrentText(config.format);

    if (m_cameras.contains(path)) {
        CameraSlot &slot = m_cameras[path];
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

void Vistrel::onCamResolutionChanged()
{
    if (m_currentCamera.isEmpty() || !m_cameras.contains(m_currentCamera) || isRecording())
        return;
    const QStringList wh = ui->boxResolution->currentText().split(QLatin1Char('x'));
    if (wh.size() != 2)
        return;
    const int w = wh[0].trimmed().toInt();
    const int h = wh[1].trimmed().toInt();
    // Width alone keeps the request pending; height applies both at once.
    m_hub->setProperty(m_currentCamera, CameraHub::FrameWidth, w);
    m_hub->setProperty(m_currentCamera, CameraHub::FrameHeight, h);
    CameraSlot &slot = m_cameras[m_currentCamera];
    slot.frameSize = m_hub->frameSize(m_currentCamera);
    m_settings.cameras[m_currentCamera].size = slot.frameSize.isValid() ? slot.frameSize : QSize(w, h);
    m_store->scheduleSave();
    m_scene->resetImage();
    onUpdateCamViewSize();
}

void Vistrel::onCamFormatChanged()
{
    if (m_currentCamera.isEmpty() || !m_cameras.contains(m_currentCamera) || isRecording())
        return;
    const QString format = ui->boxFormat->currentText();
    if (m_hub->setFormat(m_currentCamera, format)) {
        m_settings.cameras[m_currentCamera].format = format;
        m_store->scheduleSave();
    }
}

bool Vistrel::startCamera(const QString &devicePath, int tileIndex, bool showError)
{
    if (m_cameras.contains(devicePath))
        return true;
    const QStringList wh = ui->boxResolution->currentText().split(QLatin1Char('x'));
    const int width = wh.size() == 2 ? wh[0].trimmed().toInt() : 640;
    const int height = wh.size() == 2 ? wh[1].trimmed().toInt() : 480;
    const QString format = ui->boxFormat->currentText().isEmpty() ? QStringLiteral("MJPG") : ui->boxFormat->currentText();
    if (!m_hub->openCamera(devicePath, width, height, format)) {
        if (showError)
            notifier().inform(this, tr("启动设备失败"));
        return false;
    }
    const QSize size(m_hub->getProperty(devicePath, CameraHub::FrameWidth),
                     m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    m_settings.currentCamera = devicePath;
    CameraSlot slot;
    slot.tile = tileIndex;
    slot.frameSize = size;
    slot.rate = std::make_shared<FrameRateMeter>();
    m_cameras.insert(devicePath, slot);
    setCurrentCamera(devicePath);
    CameraConfig &config = m_settings.cameras[devicePath];
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

void Vistrel::stopCamera(const QString &devicePath)
{
    if (isRecording() && m_recording->cameraId() == devicePath)
        stopRecording();
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

void Vistrel::setCurrentCamera(const QString &devicePath)
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

int Vistrel::tileOf(const QString &devicePath) const
{
    return m_cameras.contains(devicePath) ? m_cameras[devicePath].tile : -1;
}

void Vistrel::selectTile(int index)
{
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        tile(i)->setSelected(i == index);
}

void Vistrel::onCameraLost(const QString &camId)
{
    // The capture thread has ended by itself: finish a recording of it now,
    // so its file is complete and listed, and show that it is gone.
    if (isRecording() && m_recording->cameraId() == camId)
        stopRecording();
    if (!m_cameras.contains(camId))
        return;
    stopCamera(camId);
    m_scene->setNoDeviceNotice(true);
    refreshCameraList();
}

void Vistrel::onLocalCamera(QString camId, bool needCapture)
{
    if (needCapture && camId == m_currentCamera) {
        onBtnCapture();
        m_lastStillMs = QDateTime::currentMSecsSinceEpoch();
        updateStatus(camId);
    }
    if (!m_cameras.contains(camId))
        return;
    CameraSlot &slot = m_cameras[camId];
    const bool single = ui->stackMainWidget->currentIndex() == 0;
    if ((single && camId != m_currentCamera) || slot.tile < 0)
        return;
    CameraBuffer *buffer = m_hub->acquireFrame(camId);
    if (!buffer)
        return;
    const QSize size = buffer->size();
    if (size.isValid() && buffer->bits()) {
        QImage image(buffer->bits(), size.width(), size.height(), QImage::Format_RGB32);
        if (m_settings.cameras.value(camId).blackWhite)
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

void Vistrel::updateStatus(const QString &devicePath)
{
    if (!m_cameras.contains(devicePath))
        return;
    if (m_lastStillMs > 0 && QDateTime::currentMSecsSinceEpoch() - m_lastStillMs <= 1000) {
        ui->labelStatus->setText(tr("Save Image"));
        return;
    }
    const CameraSlot &slot = m_cameras[devicePath];
    const double rate = slot.rate ? slot.rate->rate() : 0.0;
    if (ui->stackMainWidget->currentIndex() != 0) {
        ui->labelStatus->setText(tr("帧率") + QString::asprintf(":%0.1ffps", rate));
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
    ui->labelStatus->setText(tr("帧率") + QString::asprintf(":%0.1ffps ", rate) + tr("坐标")
                             + QString::asprintf(":%d,%d (R:%3d G:%3d B:%3d)", x, y, r, g, b));
}

void Vistrel::updateResolutionLabel()
{
    QSize size(0, 0);
    if (m_cameras.contains(m_currentCamera))
        size = m_cameras[m_currentCamera].frameSize;
    ui->labelResInfo->setText(QString::asprintf("%d * %d", qMax(size.width(), 0), qMax(size.height(), 0)));
}

void Vistrel::onCoorInfo(QPoint point, QColor colour)
{
    if (!m_cameras.contains(m_currentCamera))
        return;
    m_lastPoint = point;
    CameraSlot &slot = m_cameras[m_currentCamera];
    slot.colours.append(colour);
    while (slot.colours.size() > 10)
        slot.colours.removeFirst();
    updateStatus(m_currentCamera);
}

void Vistrel::onComboZoomChanged()
{
    onUpdateCamViewSize();
}

void Vistrel::onUpdateCamViewSize()
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

void Vistrel::onUpdateFourCamViewer()
{
    const int a = (ui->viewPage->width() - 3) / 2;
    const int b = (ui->viewPage->height() - 3) / 2;
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        tile(i)->setGeometry(i % 2 ? a + 3 : 0, (b + 3) * (i / 2), a, b);
}

void Vistrel::onCameraViewChecked(bool check)
{
    for (int i = 0; check && i < AppSettings::kTileCount; ++i) {
        if (tile(i) != sender())
            tile(i)->setSelected(false);
    }
}

void Vistrel::onCameraAddClicked()
{
    auto *t = qobject_cast<CameraLabel *>(sender());
    if (!t)
        return;
    const QString path = QFileDialog::getOpenFileName(this, QString(), m_store->makeFilePath(SettingsStore::Photo),
                                                      QStringLiteral("*.png;*.jpg;*.bmp"));
    if (!path.isEmpty())
        t->setFile(path);
}

void Vistrel::onCameraMenu(QPoint)
{
}

void Vistrel::onBtnZoomIn()
{
    // The zoom button opens the zoom list next to it.
    ui->comboZoom->showPopup();
}

void Vistrel::onBtnZoomOut()
{
}

void Vistrel::onBtnScreenSwitch()
{
    if (ui->stackMainWidget->currentIndex() == 1) {
        stopRecording();
        if (!m_cameras.isEmpty() && !m_cameras.contains(m_currentCamera))
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

// ------------------------------------------------------------ full screen

void Vistrel::onBtnFullScreen()
{
    m_fullScreen->toggle();
}

void Vistrel::onFullScreenTimer()
{
    m_fullScreen->check();
}

void Vistrel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_fullScreen->isActive()) {
        m_fullScreen->leave();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Camera) {
        onBtnCapture();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Vistrel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_fullScreen->isActive()) {
        m_fullScreen->leave();
        return;
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

bool Vistrel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Camera || (key->key() == Qt::Key_Escape && m_fullScreen->isActive())) {
            keyPressEvent(key);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && m_fullScreen->isActive()) {
        m_fullScreen->leave();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Vistrel::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    QTimer::singleShot(0, this, [this] { m_scene->update(); });
    QTimer::singleShot(0, this, &Vistrel::onUpdateFourCamViewer);
    QTimer::singleShot(0, this, &Vistrel::onUpdateCamViewSize);
}

// ------------------------------------------------------- camera parameters

void Vistrel::onFuncBtnClicked()
{
    m_panel->toggleGroup(m_panel->groupOf(sender()));
}

void Vistrel::onSwitchChanged(bool flag)
{
    m_panel->rowSwitched(m_panel->keyOf(sender()), flag);
}

void Vistrel::onSliderChanged()
{
    if (auto *slider = qobject_cast<QAbstractSlider *>(sender()))
        m_panel->rowMoved(m_panel->keyOf(slider), slider->value());
}

void Vistrel::readDeviceParams(const QString &devicePath)
{
    m_panel->readDevice(devicePath);
}

void Vistrel::applySavedParams(const QString &devicePath)
{
    m_panel->applySaved(devicePath);
    if (m_cameras.contains(devicePath) && m_hub->frameSize(devicePath).isValid())
        m_cameras[devicePath].frameSize = m_hub->frameSize(devicePath);
}

void Vistrel::showParams(const QString &devicePath)
{
    m_panel->show(devicePath);
}

void Vistrel::onBtnCamParamReset()
{
    m_panel->reset();
}

void Vistrel::onBtnAdvanced()
{
    if (m_cameras.contains(m_currentCamera))
        m_hub->setProperty(m_currentCamera, CameraHub::SettingsDialog, 1);
}

// ------------------------------------------------------ photos, recording

bool Vistrel::deviceStarted()
{
    if (m_cameras.contains(m_currentCamera))
        return true;
    notifier().inform(this, tr("设备未启动"));
    return false;
}

QImage Vistrel::captureImage()
{
    QImage source;
    if (ui->stackMainWidget->currentIndex() == 0) {
        source = m_scene->grabImage();
    } else {
        const int t = tileOf(m_currentCamera);
        if (CameraLabel *label = tile(t < 0 ? 0 : t))
            source = label->image();
    }
    if (source.isNull())
        return source;
    const double factor = zoomFactor(ui->comboZoom->currentData().toString());
    if (factor == 1.0)
        return source;
    const int w = source.width();
    const int h = source.height();
    const QRect crop(int(w / 2 - (w / factor) * 0.5), int(h / 2 - (h / factor) * 0.5), int(w / factor), int(h / factor));
    return source.copy(crop).scaled(source.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool Vistrel::savePhoto(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!image.save(&file, format.constData())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void Vistrel::onBtnCapture()
{
    if (!deviceStarted() || !m_store->checkSaveFolder(SettingsStore::Photo))
        return;
    if (tile(0)->isFrozen())
        return;
    const QImage image = captureImage();
    const QString path = m_store->makeFilePath(SettingsStore::Photo);
    if (!savePhoto(image, path)) {
        // A photo that was not written is not listed; say so once.
        if (!m_photoFolderWarned) {
            m_photoFolderWarned = true;
            notifier().inform(this, tr("照片文件夹不可写，照片未保存：%1").arg(path));
        }
        return;
    }
    m_settings.imageFiles.append(path);
    m_store->scheduleSave();
    ui->imageBrowser->addItem(path);
    if (ui->stackMainWidget->currentIndex() == 1) {
        int t = -1;
        for (int i = 0; i < AppSettings::kTileCount; ++i) {
            if (tile(i)->isSelected())
                t = i;
        }
        if (t < 0)
            t = 1;
        tile(t)->setFile(path);
        selectTile(t % 3 + 1);
    }
}

void Vistrel::onBtnRecord()
{
    if (isRecording()) {
        stopRecording();
        return;
    }
    if (deviceStarted() && m_store->checkSaveFolder(SettingsStore::Video) && !tile(0)->isFrozen())
        startRecording(m_currentCamera);
}

bool Vistrel::startRecording(const QString &devicePath)
{
    if (!m_cameras.contains(devicePath)
        || !m_recording->start(devicePath, m_store->makeFilePath(SettingsStore::Video), m_cameras[devicePath].frameSize))
        return false;
    ui->btnRecord->setText(tr("停止录像"));
    ui->cameraWidget->setEnabled(false);
    return true;
}

bool Vistrel::stopRecording()
{
    return m_recording->stop();
}

void Vistrel::onRecordingStopped(const QString &path)
{
    ui->btnRecord->setText(tr("录像"));
    ui->cameraWidget->setEnabled(true);
    if (QFileInfo::exists(path)) {
        ui->cameraBrowser->addItem(path);
        m_store->scheduleSave();
    }
    ui->btnRecord->setIcon(m_recordIcon);
    m_iconHelp->setIcon(ui->btnRecord, QStringLiteral("btnRecord"));
}

void Vistrel::onRecordImageTimer()
{
    m_recording->feed();
}

void Vistrel::onRecordTimer()
{
    // The controller's blink() drives the icon.
}

void Vistrel::onRtmpFinished()
{
    // The recorder ended by itself: the controller stops the recording next.
    notifier().inform(this, tr("录像出错1"));
}

void Vistrel::onBtnTimeSetting()
{
    SettingTimeDialog dialog(this, this);
    dialog.setSettings(m_settings);
    dialog.setClock([this] { return m_recording->now(); });
    dialog.exec();
    endTimedSeries();
}

void Vistrel::onActionSetTime()
{
    // The action also clicks the button, which runs the dialog.
}

void Vistrel::startTimedSeries(const AppSettings &settings)
{
    m_recording->startSeries(settings);
}

void Vistrel::endTimedSeries()
{
    m_recording->endSeries();
}

void Vistrel::onAutoRecordTimer()
{
    m_recording->tickSeries();
}

void Vistrel::onCameraTimer()
{
    if (!isRecording())
        refreshCameraList();
}

void Vistrel::onFormatImageChanged()
{
    m_settings.imageFormat = ui->boxFormatImage->currentIndex();
    m_store->scheduleSave();
}

void Vistrel::onFormatRecordChanged()
{
    m_settings.videoFormat = ui->boxFormatRecord->currentIndex();
    m_store->scheduleSave();
}

// ------------------------------------------------------------ side pages

void Vistrel::setSidePage(int page)
{
    ui->bdWidget->leaveEditPage();
    ui->rightStackWidget->setCurrentIndex(page);
    m_iconHelp->setSelected(ui->btnOpenDir, page == 0);
    m_iconHelp->setSelected(ui->btnSetting, page == 1);
    m_iconHelp->setSelected(ui->btnCalib, page == 2);
    m_scene->setMeasureEnabled(page == 2);
}

void Vistrel::onBtnOpenDir()
{
    setSidePage(0);
}

void Vistrel::onBtnSetting()
{
    setSidePage(1);
}

void Vistrel::onBtnCalib()
{
    setSidePage(2);
}

void Vistrel::onBdInfoChanged()
{
    if (sender() != ui->bdWidget)
        ui->bdWidget->refresh();
    m_store->scheduleSave();
}

// ----------------------------------------------------------------- menus

void Vistrel::onActionImagePath()
{
    const QString dir = QFileDialog::getExistingDirectory(this, QString(), m_settings.imageRoot, QFileDialog::ShowDirsOnly);
    if (dir.isEmpty())
        return;
    m_settings.imageRoot = dir;
    m_settings.imageFolder = QStringLiteral("Photo");
    m_store->ensureFolders();
    m_store->scheduleSave();
}

void Vistrel::onActionRecordPath()
{
    const QString dir = QFileDialog::getExistingDirectory(this, QString(), m_settings.videoRoot, QFileDialog::ShowDirsOnly);
    if (dir.isEmpty())
        return;
    m_settings.videoRoot = dir;
    m_settings.videoFolder = QStringLiteral("Video");
    m_store->ensureFolders();
    m_store->scheduleSave();
}

void Vistrel::onActionSetting()
{
    SettingDialog dialog(this);
    dialog.setSettings(m_settings);
    if (dialog.exec() == QDialog::Accepted) {
        m_settings = dialog.settings();
        m_store->ensureFolders();
        m_store->scheduleSave();
    }
}

void Vistrel::onActionImport()
{
    if (!m_store->checkSaveFolder(0))
        return;
    const QStringList files = QFileDialog::getOpenFileNames(this, QString(), QString(),
                                                            QStringLiteral("*.png;*.jpg;*.bmp;*.mp4;*avi"));
    if (!files.isEmpty())
        importFiles(files);
}

int Vistrel::importFiles(const QStringList &files)
{
    QProgressDialog progress(tr("复制文件..."), QString(), 0, files.size(), this);
    progress.setWindowModality(Qt::WindowModal);
    int copied = 0;
    int skipped = 0;
    for (int i = 0; i < files.size(); ++i) {
        progress.setValue(i);
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            break;
        const QFileInfo info(files[i]);
        const bool photo = isPhotoSuffix(info.suffix());
        const QString target = (photo ? ui->imageBrowser->currentPath() : ui->cameraBrowser->currentPath())
                               + QLatin1Char('/') + info.fileName();
        // An existing file of that name is never overwritten.
        if (QFileInfo::exists(target)) {
            ++skipped;
            continue;
        }
        if (QFile::copy(files[i], target)) {
            ++copied;
            (photo ? m_settings.imageFiles : m_settings.videoFiles).append(target);
        }
    }
    progress.setValue(files.size());
    ui->imageBrowser->refresh();
    ui->cameraBrowser->refresh();
    if (skipped > 0)
        QMessageBox::information(this, QString(), tr("已复制 %1 个文件，跳过 %2 个同名文件。").arg(copied).arg(skipped));
    return copied;
}

QListWidget *Vistrel::browserListOf(QObject *sender) const
{
    if (sender == ui->imageBrowser->listWidget())
        return ui->imageBrowser->listWidget();
    if (sender == ui->cameraBrowser->listWidget())
        return ui->cameraBrowser->listWidget();
    return nullptr;
}

void Vistrel::onListItemOpen(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(Qt::UserRole).toString();
    if (isPhotoSuffix(QFileInfo(path).suffix())) {
        if (m_editer->openImage(path)) {
            m_editer->show();
            m_editer->raise();
            m_editer->activateWindow();
        } else {
            notifier().inform(this, tr("打开文件失败"));
        }
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void Vistrel::onListItemMenu(QPoint point)
{
    QListWidget *list = browserListOf(sender());
    if (!list)
        return;
    FileBrowser *browser = list == ui->imageBrowser->listWidget() ? ui->imageBrowser : ui->cameraBrowser;
    QListWidgetItem *item = list->itemAt(point);
    QMenu menu(this);
    QAction *open = menu.addAction(tr("打开"));
    QAction *copy = menu.addAction(tr("复制"));
    QAction *remove = menu.addAction(tr("删除"));
    QAction *removeAll = menu.addAction(tr("全部删除"));
    QAction *rename = menu.addAction(tr("重命名"));
    QAction *saveAs = menu.addAction(tr("另存为"));
    QAction *saveAllAs = menu.addAction(tr("全部另存为"));
    for (QAction *a : {open, copy, remove, rename, saveAs})
        a->setEnabled(item != nullptr);
    QAction *chosen = menu.exec(list->viewport()->mapToGlobal(point));
    if (!chosen)
        return;
    const QString path = item ? item->data(Qt::UserRole).toString() : QString();
    if (chosen == open)
        onListItemOpen(item);
    else if (chosen == copy)
        QApplication::clipboard()->setImage(QImage(path));
    else if (chosen == remove)
        deleteEntry(browser, path);
    else if (chosen == removeAll)
        deleteListedEntries(browser);
    else if (chosen == rename) {
        bool ok = false;
        const QString name = QInputDialog::getText(this, tr("名称"), tr("新名称"), QLineEdit::Normal,
                                                   QFileInfo(path).fileName(), &ok);
        if (ok)
            renameEntry(browser, path, name);
    } else if (chosen == saveAs) {
        // The file dialog itself asks before it replaces a file.
        const QString target = QFileDialog::getSaveFileName(this, QString(), QFileInfo(path).fileName());
        if (!target.isEmpty() && target != path) {
            QFile::remove(target);
            QFile::copy(path, target);
        }
    } else if (chosen == saveAllAs) {
        const QString dir = QFileDialog::getExistingDirectory(this, QString(), QString(), QFileDialog::ShowDirsOnly);
        if (!dir.isEmpty())
            copyListedEntries(browser, dir);
    }
}

bool Vistrel::deleteEntry(FileBrowser *browser, const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !askYesNo(this, tr("是否删除 %1？").arg(info.fileName())))
        return false;
    const bool done = info.isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
    browser->refresh();
    return done;
}

int Vistrel::deleteListedEntries(FileBrowser *browser)
{
    // Only what the list shows: a search filter or files of other kinds in
    // the folder are spared.
    QListWidget *list = browser->listWidget();
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->data(Qt::UserRole).toString();
    if (listed.isEmpty() || !askYesNo(this, tr("是否删除当前文件夹中列出的全部 %1 个文件？").arg(listed.size())))
        return 0;
    int removed = 0;
    for (const QString &p : listed)
        removed += (QFileInfo(p).isDir() ? QDir(p).removeRecursively() : QFile::remove(p)) ? 1 : 0;
    browser->refresh();
    return removed;
}

bool Vistrel::renameEntry(FileBrowser *browser, const QString &path, const QString &name)
{
    const QFileInfo info(path);
    if (name.isEmpty() || name == info.fileName())
        return false;
    if (!FileBrowser::isValidName(name)) {
        QMessageBox::information(this, QString(), tr("名称无效"));
        return false;
    }
    const QString target = info.absolutePath() + QLatin1Char('/') + name;
    if (QFileInfo::exists(target)) {
        QMessageBox::information(this, QString(), tr("文件已存在：%1").arg(name));
        return false;
    }
    if (!QFile::rename(path, target)) {
        QMessageBox::information(this, QString(), tr("重命名失败"));
        return false;
    }
    browser->renameItem(path, target);
    return true;
}

int Vistrel::copyListedEntries(FileBrowser *browser, const QString &dir)
{
    QListWidget *list = browser->listWidget();
    QStringList existing;
    for (int i = 0; i < list->count(); ++i) {
        const QFileInfo f(list->item(i)->data(Qt::UserRole).toString());
        if (f.isFile() && QFileInfo::exists(dir + QLatin1Char('/') + f.fileName()))
            existing << f.fileName();
    }
    // Nothing is replaced without asking.
    const bool replace = !existing.isEmpty() && askYesNo(this, tr("文件已存在：%1").arg(existing.join(QStringLiteral(", "))));
    int copied = 0;
    for (int i = 0; i < list->count(); ++i) {
        const QFileInfo f(list->item(i)->data(Qt::UserRole).toString());
        if (!f.isFile())
            continue;
        const QString target = dir + QLatin1Char('/') + f.fileName();
        if (QFileInfo::exists(target)) {
            if (!replace)
                continue;
            QFile::remove(target);
        }
        copied += QFile::copy(f.absoluteFilePath(), target) ? 1 : 0;
    }
    return copied;
}

void Vistrel::onActionTimeOn()
{
    m_settings.showTime = true;
    m_scene->setTimeStampVisible(true);
    ui->actionTimeOn->setChecked(true);
    m_store->scheduleSave();
}

void Vistrel::onActionTimeOff()
{
    m_settings.showTime = false;
    m_scene->setTimeStampVisible(false);
    ui->actionTimeOff->setChecked(true);
    m_store->scheduleSave();
}

void Vistrel::onActionCrossOn()
{
    m_scene->setCrossVisible(true);
    ui->actionCrossOn->setChecked(true);
}

void Vistrel::onActionCrossOff()
{
    m_scene->setCrossVisible(false);
    ui->actionCrossOff->setChecked(true);
}

void Vistrel::onActionAbout()
{
    HelpDialog dialog(this);
    dialog.exec();
}

void Vistrel::onActionPrint()
{
    printing::preview(this, [this] { return m_scene->grabImage(); });
}

void Vistrel::plotPrintPic(QPrinter *printer)
{
    printing::paintPicture(printer, m_scene->grabImage());
}

void Vistrel::onActionLang()
{
    // The language menu's entries report through LanguageSwitcher::chosen.
}

int Vistrel::languageCount() const
{
    return m_languages->count();
}

void Vistrel::setLanguage(int index)
{
    const int applied = m_languages->apply(index);
    if (applied != m_settings.language) {
        m_settings.language = applied;
        m_store->scheduleSave();
    }
    retranslate();
}

void Vistrel::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(productTitle());
    ui->comboZoom->setItemText(0, tr("Scale"));
    m_languages->retranslate();
    m_panel->retranslate();
    m_fullScreen->retranslate();
    if (isRecording())
        ui->btnRecord->setText(tr("停止录像"));
    m_scene->update();
}
