#include "app/vistrel.h"

#include "app/languages.h"
#include "app/settingsstore.h"
#include "app/storagepaths.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "dialogs/filebrowser.h"
#include "dialogs/fileoperations.h"
#include "dialogs/helpdialog.h"
#include "dialogs/settingdialog.h"
#include "measure/camerascene.h"
#include "dialogs/measureediter.h"
#include "record/rtmpthread.h"
#include "ui_vistrel.h"
#include "view/cameralabel.h"
#include "view/cameraviewer.h"
#include "widgets/funcwidget.h"
#include "widgets/iconhelp.h"
#include "widgets/qswitchbutton.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QSaveFile>
#include <QScrollBar>
#include <QSlider>
#include <QSplashScreen>
#include <QThread>
#include <QUrl>

#include <optional>

// Which translation file was loaded: QT_LOGGING_RULES="vistrel.lang.debug=true".
Q_LOGGING_CATEGORY(lcLang, "vistrel.lang", QtWarningMsg)

namespace {

int g_minimumStartupMs = 3000;
std::optional<StoragePaths> g_storageOverride;

const char *const kZoomTexts[] = {"0.5x", "1.0x", "2.0x", "2.5x", "4.0x", "5.0x", "10.0x"};
const double kZoomFactors[] = {0.5, 1, 2, 2.5, 4, 5, 10};

// Row names of the camera panel (source texts, the keys of the maps) and
// their device property codes; -1: no device property.
struct ParamRow
{
    const char *name;
    bool isSwitch;
    int code;
    int entry; // CameraConfig::params index, -1 none
};

const ParamRow kGroupExposure[] = {{QT_TRANSLATE_NOOP("VistrelClass", "自动曝光"), true, 21, 0}, {QT_TRANSLATE_NOOP("VistrelClass", "曝光时间"), false, 15, 0}, {QT_TRANSLATE_NOOP("VistrelClass", "增益"), false, 14, 1}};
const ParamRow kGroupColour[] = {{QT_TRANSLATE_NOOP("VistrelClass", "亮度"), false, 10, 2}, {QT_TRANSLATE_NOOP("VistrelClass", "对比度"), false, 11, 3}, {QT_TRANSLATE_NOOP("VistrelClass", "饱和度"), false, 12, 4},
                                 {QT_TRANSLATE_NOOP("VistrelClass", "色相"), false, 13, 5}, {QT_TRANSLATE_NOOP("VistrelClass", "伽马值"), false, 22, 6}, {QT_TRANSLATE_NOOP("VistrelClass", "锐度"), false, 20, 7},
                                 {QT_TRANSLATE_NOOP("VistrelClass", "黑白"), true, -1, -1}};
const ParamRow kGroupBalance[] = {{QT_TRANSLATE_NOOP("VistrelClass", "自动白平衡"), true, 17, -1}, {QT_TRANSLATE_NOOP("VistrelClass", "色温"), false, 42, -1}, {QT_TRANSLATE_NOOP("VistrelClass", "红增益"), false, 39, -1},
                                  {QT_TRANSLATE_NOOP("VistrelClass", "绿增益"), false, 40, -1}, {QT_TRANSLATE_NOOP("VistrelClass", "蓝增益"), false, 41, -1}};
const ParamRow kGroupFlip[] = {{QT_TRANSLATE_NOOP("VistrelClass", "水平翻转"), true, -1, -1}, {QT_TRANSLATE_NOOP("VistrelClass", "垂直翻转"), true, -1, -1}};

// Entries 0..7 of a camera's parameters and the codes they are read from.
const int kEntryCodes[8] = {15, 14, 10, 11, 12, 13, 22, 20};

const ParamRow *findRow(const QString &name)
{
    static const QVector<ParamRow> all = [] {
        QVector<ParamRow> v;
        for (const ParamRow &r : kGroupExposure)
            v << r;
        for (const ParamRow &r : kGroupColour)
            v << r;
        for (const ParamRow &r : kGroupBalance)
            v << r;
        for (const ParamRow &r : kGroupFlip)
            v << r;
        return v;
    }();
    for (const ParamRow &r : all) {
        if (name == QString::fromUtf8(r.name))
            return &r;
    }
    return nullptr;
}

CameraParam paramFromRange(const PropertyRange &r)
{
    CameraParam p;
    p.flag = r.supported;
    p.values[0] = r.current;
    p.values[1] = r.defaultValue;
    p.values[2] = r.minimum;
    p.values[3] = r.maximum;
    p.values[4] = r.step;
    p.values[5] = r.flags;
    return p;
}

QString trVistrel(const char *text)
{
    return QCoreApplication::translate("VistrelClass", text);
}

bool isPhotoSuffix(const QString &suffix)
{
    const QString s = suffix.toLower();
    return s == QLatin1String("png") || s == QLatin1String("jpg") || s == QLatin1String("bmp");
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
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels >= 3000000)
        return 10;
    if (pixels >= 2000000)
        return 15;
    if (pixels >= 1000000)
        return 20;
    return 30;
}

Vistrel::Vistrel(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::VistrelClass)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    // 1. Members; the settings have their defaults.
    m_imageFormats = SettingsStore::imageFormats();
    m_videoFormats = SettingsStore::videoFormats();
    m_store = new SettingsStore(&m_settings, g_storageOverride ? *g_storageOverride : storagePaths(), this, this);
    m_rtmp = new RtmpThread(this);
    m_iconHelp = new IconHelp(this);

    // 2. The form.
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

    // 3. Tiles, the editor, the record icons.
    for (int i = 0; i < 4; ++i) {
        CameraLabel *t = tile(i);
        t->setIndex(i);
        t->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(t, &CameraLabel::toggled, this, &Vistrel::onCameraViewChecked);
        connect(t, &CameraLabel::sigAddClicked, this, &Vistrel::onCameraAddClicked);
        connect(t, &CameraLabel::customContextMenuRequested, this, &Vistrel::onCameraMenu);
    }
    tile(0)->setSelected(true);
    m_editer = new MeasureEditer(this);
    m_editer->setWindowFlag(Qt::Window);
    m_recordPlayingIcon = QIcon(QStringLiteral(":/Vistrel/image/icon/btnRecord_Playing.png"));
    m_recordIcon = QIcon(QStringLiteral(":/Vistrel/image/icon/btnRecord.png"));

    // 4. The start-up clock and the splash picture while the window builds.
    QElapsedTimer startup;
    startup.start();
    std::unique_ptr<QSplashScreen> splash;
    if (g_minimumStartupMs > 0) {
        splash = std::make_unique<QSplashScreen>(QPixmap(QStringLiteral(":/Vistrel/image/splash.png")));
        splash->show();
        QCoreApplication::processEvents();
    }

    // 5. The capture object.
    m_hub = CameraHub::instance();
    m_recordFps = 15;
    m_lastStillMs = 0;
    ui->actionSetting->setVisible(false);

    // 6. Formats.
    ui->boxFormatImage->addItems(m_imageFormats);
    ui->boxFormatRecord->addItems(m_videoFormats);

    // 7. Scene, toolbox, editor, hint label, parameter panel.
    m_scene = ui->camViewer->cameraScene();
    m_scene->setTool(65538);
    m_scene->setSettings(&m_settings);
    ui->bdWidget->setup(m_scene, &m_settings);
    m_editer->attach(&m_settings);
    m_hintLabel = new QLabel(this);
    m_hintLabel->setStyleSheet(QStringLiteral("color:rgb(255,0,0); font-size:32px;"));
    m_hintLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_hintLabel->hide();
    buildParamPanel();
    m_store->setBrowsers(ui->imageBrowser, ui->cameraBrowser);
    m_fileOps = new FileOperations(this);
    m_fileOps->setBrowsers(ui->imageBrowser, ui->cameraBrowser);
    m_fileOps->setSettings(&m_settings);

    // 8. Connections.
    connect(ui->boxCam, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onCamChanged);
    connect(ui->boxResolution, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onCamResolutionChanged);
    connect(ui->boxFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onCamFormatChanged);
    connect(ui->boxFormatImage, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onFormatImageChanged);
    connect(ui->boxFormatRecord, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onFormatRecordChanged);
    connect(m_hub, &CameraHub::sigFrameReady, this, &Vistrel::onLocalCamera);
    connect(m_hub, &CameraHub::sigCameraLost, this, &Vistrel::onCameraLost);
    connect(m_scene, &CameraScene::coorInfo, this, &Vistrel::onCoorInfo);
    for (FileBrowser *b : {ui->imageBrowser, ui->cameraBrowser}) {
        b->listWidget()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b->listWidget(), &QListWidget::customContextMenuRequested, this, &Vistrel::onListItemMenu);
        connect(b, &FileBrowser::sigItemOpen, this, &Vistrel::onListItemOpen);
    }
    connect(m_rtmp, &QThread::finished, this, &Vistrel::onRtmpFinished);
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
    connect(ui->actionTimeOn, &QAction::triggered, this, &Vistrel::onActionTimeOn);
    connect(ui->actionTimeOff, &QAction::triggered, this, &Vistrel::onActionTimeOff);
    connect(ui->actionCrossOn, &QAction::triggered, this, &Vistrel::onActionCrossOn);
    connect(ui->actionCrossOff, &QAction::triggered, this, &Vistrel::onActionCrossOff);
    connect(ui->actionAbout, &QAction::triggered, this, &Vistrel::onActionAbout);
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, this, &Vistrel::onBdInfoChanged);
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, m_editer, &MeasureEditer::onBdInfoChanged);
    connect(m_editer->toolbox(), &BDWidget::bdInfoChanged, this, &Vistrel::onBdInfoChanged);
    connect(&m_cameraTimer, &QTimer::timeout, this, &Vistrel::onCameraTimer);
    connect(&m_autoRecordTimer, &QTimer::timeout, this, &Vistrel::onAutoRecordTimer);
    connect(&m_recordTimer, &QTimer::timeout, this, &Vistrel::onRecordTimer);
    connect(&m_fullScreenTimer, &QTimer::timeout, this, &Vistrel::onFullScreenTimer);
    connect(&m_recordImageTimer, &QTimer::timeout, this, &Vistrel::onRecordImageTimer);
    connect(m_store, &SettingsStore::sigLoaded, this, &Vistrel::applyLoadedSettings);
    // The camera key of a keyboard takes a photo like the microscope's button.
    ui->camViewer->installEventFilter(this);

    ui->comboZoom->addItem(tr("Scale"), QStringLiteral("Scale"));
    for (const char *text : kZoomTexts)
        ui->comboZoom->addItem(QString::fromLatin1(text), QString::fromLatin1(text));
    ui->comboZoom->setCurrentIndex(2);
    connect(ui->comboZoom, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onComboZoomChanged);

    // 9. Languages and the toolbar icons.
    auto *langGroup = new QActionGroup(this);
    langGroup->setExclusive(true);
    for (int i = 0; i < ::languageCount(); ++i) {
        m_languages.append({QString::fromUtf8(languageName(i)), languageCode(i)});
        QAction *a = ui->menuLang->addAction(trVistrel(languageName(i)));
        a->setCheckable(true);
        a->setActionGroup(langGroup);
        connect(a, &QAction::triggered, this, &Vistrel::onActionLang);
        m_langActions << a;
    }
    for (QToolButton *b : {ui->btnCapture, ui->btnRecord, ui->btnTimeSetting, ui->btnFullScreen, ui->btnScreenSwitch,
                           ui->btnOpenDir, ui->btnSetting, ui->btnCalib, ui->btnZoom})
        m_iconHelp->setIcon(b, b->objectName());
    m_iconHelp->setSelected(ui->btnSetting, true);

    // 10. The settings.
    m_store->loadSettings();
    ui->actionAbout->setMenuRole(QAction::NoRole);
    tile(1)->setSelected(true);

    // 11, 12. Cameras and timers.
    refreshCameraList();
    m_cameraTimer.start(10000);
    m_fullScreenTimer.start(100);

    // 13. The shortest start-up.
    while (startup.elapsed() < g_minimumStartupMs) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    if (splash)
        splash->finish(this);
}

Vistrel::~Vistrel()
{
    stopRecording();
    while (!m_cameras.isEmpty())
        stopCamera(m_cameras.firstKey());
    m_store->saveSettings();
    delete ui;
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
    ui->actionTimeOn->setChecked(m_settings.showTime);
    ui->actionTimeOff->setChecked(!m_settings.showTime);
    m_scene->setCrossVisible(false);
    ui->actionCrossOn->setChecked(false);
    ui->actionCrossOff->setChecked(true);
    ui->boxFormatImage->setCurrentIndex(m_settings.imageFormat);
    ui->boxFormatRecord->setCurrentIndex(m_settings.videoFormat);
    setLanguage(m_settings.language);
}

// ---------------------------------------------------------------- cameras

void Vistrel::refreshCameraList()
{
    m_hub->refreshDevices();
    const QVector<CameraDeviceInfo> fresh = m_hub->deviceList();
    auto contains = [](const QVector<CameraDeviceInfo> &list, const QString &path) {
        for (const CameraDeviceInfo &d : list) {
            if (d.devicePath == path)
                return true;
        }
        return false;
    };
    bool changed = false;
    for (const CameraDeviceInfo &d : fresh)
        changed |= !contains(m_devices, d.devicePath);
    QStringList removed;
    for (auto it = m_cameras.cbegin(); it != m_cameras.cend(); ++it) {
        if (!contains(fresh, it.key()))
            removed << it.key();
    }
    for (const CameraDeviceInfo &d : m_devices)
        changed |= !contains(fresh, d.devicePath);
    m_devices = fresh;
    for (const QString &path : removed) {
        stopCamera(path);
        changed = true;
    }
    if (!m_cameras.contains(m_currentCamera))
        setCurrentCamera(QString());
    if (!changed)
        return;
    {
        const QSignalBlocker block(ui->boxCam);
        ui->boxCam->clear();
        ui->boxResolution->clear();
        ui->boxFormat->clear();
        int current = -1;
        for (int i = 0; i < m_devices.size(); ++i) {
            ui->boxCam->addItem(m_devices[i].modelName);
            if (m_devices[i].devicePath == m_settings.currentCamera)
                current = i;
        }
        // A first start, or a camera that is gone: take the first one there is.
        if (current < 0 && !m_devices.isEmpty())
            current = 0;
        ui->boxCam->setCurrentIndex(current);
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
    if (index < 0 || index >= m_devices.size()) {
        m_scene->setNoDeviceNotice(true);
        return;
    }
    const CameraDeviceInfo device = m_devices[index];
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
            showParams(path);
            ui->cameraParamWidget->setEnabled(true);
        } else {
            readDeviceParams(path);
            showParams(path);
            ui->cameraParamWidget->setEnabled(true);
        }
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
    if (m_currentCamera.isEmpty() || !m_cameras.contains(m_currentCamera) || m_recording)
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
    CameraConfig &config = m_settings.cameras[m_currentCamera];
    config.size = slot.frameSize.isValid() ? slot.frameSize : QSize(w, h);
    m_scene->resetImage();
    onUpdateCamViewSize();
}

void Vistrel::onCamFormatChanged()
{
    if (m_currentCamera.isEmpty() || !m_cameras.contains(m_currentCamera) || m_recording)
        return;
    const QString format = ui->boxFormat->currentText();
    if (m_hub->setFormat(m_currentCamera, format))
        m_settings.cameras[m_currentCamera].format = format;
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
            QMessageBox::information(this, QString(), tr("启动设备失败"));
        return false;
    }
    const QSize size(m_hub->getProperty(devicePath, CameraHub::FrameWidth),
                     m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    m_settings.currentCamera = devicePath;
    CameraSlot slot;
    slot.tile = tileIndex;
    slot.frameSize = size;
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
    if (m_recording && m_rtmpCamId == devicePath)
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
    for (int i = 0; i < m_devices.size(); ++i) {
        if (m_devices[i].devicePath == devicePath && ui->boxCam->currentIndex() != i) {
            const QSignalBlocker block(ui->boxCam);
            ui->boxCam->setCurrentIndex(i);
        }
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
    for (int i = 0; i < 4; ++i)
        tile(i)->setSelected(i == index);
}

void Vistrel::onCameraLost(const QString &camId)
{
    // The capture thread has ended by itself: finish a recording of it now,
    // so its file is complete and listed, and show that it is gone.
    if (m_recording && m_rtmpCamId == camId)
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

    const qint64 t = QDateTime::currentMSecsSinceEpoch();
    slot.frameTimes.append(t);
    while (!slot.frameTimes.isEmpty() && slot.frameTimes.first() < t - 3000)
        slot.frameTimes.removeFirst();
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
    double rate = 0;
    if (slot.frameTimes.size() > 2) {
        const qint64 span = slot.frameTimes.last() - slot.frameTimes.first();
        if (span > 0)
            rate = slot.frameTimes.size() * 1000.0 / span;
    }
    int r = 0, g = 0, b = 0;
    if (!slot.colours.isEmpty()) {
        for (const QColor &c : slot.colours) {
            r += c.red();
            g += c.green();
            b += c.blue();
        }
        r /= slot.colours.size();
        g /= slot.colours.size();
        b /= slot.colours.size();
    }
    if (ui->stackMainWidget->currentIndex() != 0) {
        ui->labelStatus->setText(tr("帧率") + QString::asprintf(":%0.1ffps", rate));
        return;
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
    const int w = ui->viewPage->width();
    const int h = ui->viewPage->height();
    const int a = (w - 3) / 2;
    const int b = (h - 3) / 2;
    for (int i = 0; i < 4; ++i)
        tile(i)->setGeometry(i % 2 ? a + 3 : 0, (b + 3) * (i / 2), a, b);
}

void Vistrel::onCameraViewChecked(bool check)
{
    if (!check)
        return;
    for (int i = 0; i < 4; ++i) {
        CameraLabel *t = tile(i);
        if (t != sender())
            t->setSelected(false);
    }
}

void Vistrel::onCameraAddClicked()
{
    auto *t = qobject_cast<CameraLabel *>(sender());
    if (!t)
        return;
    const QString path = QFileDialog::getOpenFileName(this, QString(), m_store->makeFilePath(0),
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
        for (int i = 1; i < 4; ++i)
            tile(i)->clearImage();
        onUpdateFourCamViewer();
    }
}

// ------------------------------------------------------------ full screen

void Vistrel::onBtnFullScreen()
{
    if (m_fullScreen)
        leaveFullScreen();
    else
        enterFullScreen();
}

void Vistrel::enterFullScreen()
{
    m_wasMaximized = isMaximized();
    if (!m_wasMaximized)
        m_normalGeometry = geometry();
    m_fullScreen = true;
    setWindowFlag(Qt::FramelessWindowHint, true);
    ui->menu->menuAction()->setVisible(false);
    ui->mainMenuBar->hide();
    ui->headFrame->hide();
    ui->rightStackWidget->hide();
    showFullScreen();
    m_hintLabel->setGeometry(10, height() - 240, 480, 200);
    m_hintLabel->show();
    m_hintLabel->raise();
}

void Vistrel::leaveFullScreen()
{
    m_fullScreen = false;
    setWindowFlag(Qt::FramelessWindowHint, false);
    ui->menu->menuAction()->setVisible(true);
    ui->mainMenuBar->show();
    ui->headFrame->show();
    ui->rightStackWidget->show();
    m_hintLabel->hide();
    if (m_wasMaximized) {
        showMaximized();
    } else {
        showNormal();
        if (m_normalGeometry.isValid())
            setGeometry(m_normalGeometry);
    }
}

void Vistrel::onFullScreenTimer()
{
    if (m_fullScreen && ui->headFrame->isVisible()) {
        ui->mainMenuBar->hide();
        ui->headFrame->hide();
        ui->rightStackWidget->hide();
        m_hintLabel->setGeometry(10, height() - 240, 480, 200);
        m_hintLabel->show();
        m_hintLabel->raise();
    } else if (!m_fullScreen && !ui->headFrame->isVisible()) {
        ui->mainMenuBar->show();
        ui->headFrame->show();
        ui->rightStackWidget->show();
    }
}

void Vistrel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_fullScreen) {
        leaveFullScreen();
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
    if (m_fullScreen) {
        leaveFullScreen();
        return;
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

bool Vistrel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Camera || (key->key() == Qt::Key_Escape && m_fullScreen)) {
            keyPressEvent(key);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && m_fullScreen) {
        leaveFullScreen();
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

void Vistrel::buildParamPanel()
{
    auto *layout = qobject_cast<QVBoxLayout *>(ui->cameraParamWidget->layout());
    const QVector<QPushButton *> buttons = {ui->btnBaoGuang, ui->btnColor, ui->btnBlance, ui->btnResever};
    const QVector<QVector<ParamRow>> groups = {
        QVector<ParamRow>(std::begin(kGroupExposure), std::end(kGroupExposure)),
        QVector<ParamRow>(std::begin(kGroupColour), std::end(kGroupColour)),
        QVector<ParamRow>(std::begin(kGroupBalance), std::end(kGroupBalance)),
        QVector<ParamRow>(std::begin(kGroupFlip), std::end(kGroupFlip))};
    for (int g = 0; g < 4; ++g) {
        auto *group = new FuncWidget(ui->cameraParamWidget);
        group->setObjectName(QStringLiteral("funcWidget%1").arg(g + 1));
        for (const ParamRow &row : groups[g]) {
            const QString name = QString::fromUtf8(row.name);
            if (row.isSwitch) {
                QSwitchButton *sw = group->addSwitch(name);
                connect(sw, qOverload<bool>(&QSwitchButton::clicked), this, &Vistrel::onSwitchChanged);
                m_paramRows.insert(name, sw);
            } else {
                QSlider *slider = group->addSlider(name);
                connect(slider, &QSlider::valueChanged, this, &Vistrel::onSliderChanged);
                m_paramRows.insert(name, slider);
            }
        }
        layout->insertWidget(layout->indexOf(buttons[g]) + 1, group);
        group->setVisible(g == 0);
        buttons[g]->setIcon(QIcon(g == 0 ? QStringLiteral(":/Vistrel/image/icon/arrow_on.png")
                                         : QStringLiteral(":/Vistrel/image/icon/arrow_off.png")));
        connect(buttons[g], &QPushButton::clicked, this, &Vistrel::onFuncBtnClicked);
        m_funcBtns << buttons[g];
        m_funcWidgets << group;
    }
}

int Vistrel::paramCode(const QString &row) const
{
    const ParamRow *r = findRow(row);
    return r ? r->code : -1;
}

void Vistrel::onFuncBtnClicked()
{
    const int index = m_funcBtns.indexOf(qobject_cast<QPushButton *>(sender()));
    if (index < 0)
        return;
    const QIcon off(QStringLiteral(":/Vistrel/image/icon/arrow_off.png"));
    if (m_funcWidgets[index]->isVisible()) {
        m_funcWidgets[index]->hide();
        m_funcBtns[index]->setIcon(off);
        return;
    }
    for (int i = 0; i < m_funcWidgets.size(); ++i) {
        m_funcWidgets[i]->hide();
        m_funcBtns[i]->setIcon(off);
    }
    m_funcWidgets[index]->show();
    m_funcBtns[index]->setIcon(QIcon(QStringLiteral(":/Vistrel/image/icon/arrow_on.png")));
}

void Vistrel::onSwitchChanged(bool checked)
{
    const QString cam = ui->boxCam->currentIndex() >= 0 && ui->boxCam->currentIndex() < m_devices.size()
                            ? m_devices[ui->boxCam->currentIndex()].devicePath
                            : QString();
    if (!m_cameras.contains(cam) || !sender())
        return;
    const QString row = sender()->property("name").toString();
    CameraConfig &c = m_settings.cameras[cam];
    if (row == QStringLiteral("水平翻转") || row == QStringLiteral("垂直翻转")) {
        (row == QStringLiteral("水平翻转") ? c.flipHorizontal : c.flipVertical) = checked;
        m_hub->setFlip(cam, c.flipHorizontal, c.flipVertical);
    } else if (row == QStringLiteral("黑白")) {
        c.blackWhite = checked;
    } else if (row == QStringLiteral("自动曝光")) {
        c.params[CameraConfig::Exposure].values[5] = checked ? 1 : 2;
        m_hub->setProperty(cam, CameraHub::ExposureMode, checked ? 1 : 2);
        if (QWidget *w = m_paramRows.value(QStringLiteral("曝光时间")))
            w->setEnabled(!checked);
        if (!checked)
            m_hub->setProperty(cam, CameraHub::Exposure, c.params[CameraConfig::Exposure].values[0]);
    } else if (row == QStringLiteral("自动白平衡")) {
        c.autoWhiteBalance = checked;
        m_hub->setProperty(cam, CameraHub::WhiteBalance, checked ? 1 : 0);
        for (const char *gain : {"红增益", "绿增益", "蓝增益"}) {
            if (QWidget *w = m_paramRows.value(QString::fromUtf8(gain)))
                w->setEnabled(!checked && m_hub->isPropertySupported(cam, paramCode(QString::fromUtf8(gain))));
        }
        if (!checked) {
            m_hub->setProperty(cam, CameraHub::RedGain, int(c.redGain));
            m_hub->setProperty(cam, CameraHub::GreenGain, int(c.greenGain));
            m_hub->setProperty(cam, CameraHub::BlueGain, int(c.blueGain));
        }
    }
}

void Vistrel::onSliderChanged()
{
    auto *slider = qobject_cast<QSlider *>(sender());
    if (m_showingParams || !slider || !m_cameras.contains(m_currentCamera))
        return;
    const QString row = slider->property("name").toString();
    const ParamRow *r = findRow(row);
    if (!r)
        return;
    const int value = slider->value();
    CameraConfig &c = m_settings.cameras[m_currentCamera];
    if (r->entry >= 0)
        c.params[r->entry].values[0] = value;
    else if (row == QStringLiteral("红增益"))
        c.redGain = value;
    else if (row == QStringLiteral("绿增益"))
        c.greenGain = value;
    else if (row == QStringLiteral("蓝增益"))
        c.blueGain = value;
    if (r->code >= 0)
        m_hub->setProperty(m_currentCamera, r->code, value);
}

void Vistrel::readDeviceParams(const QString &devicePath)
{
    CameraConfig &c = m_settings.cameras[devicePath];
    c.initialized = true;
    c.size = QSize(m_hub->getProperty(devicePath, CameraHub::FrameWidth), m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    for (int i = 0; i < 8; ++i)
        c.params[i] = paramFromRange(m_hub->getPropertyRange(devicePath, kEntryCodes[i]));
    c.redGain = m_hub->getProperty(devicePath, CameraHub::RedGain);
    c.greenGain = m_hub->getProperty(devicePath, CameraHub::GreenGain);
    c.blueGain = m_hub->getProperty(devicePath, CameraHub::BlueGain);
}

void Vistrel::applySavedParams(const QString &devicePath)
{
    const CameraConfig c = m_settings.cameras.value(devicePath);
    m_hub->setFlip(devicePath, c.flipHorizontal, c.flipVertical);
    m_hub->setProperty(devicePath, CameraHub::FrameWidth, c.size.width());
    m_hub->setProperty(devicePath, CameraHub::FrameHeight, c.size.height());
    m_hub->setProperty(devicePath, CameraHub::Exposure, c.params[CameraConfig::Exposure].values[0]);
    m_hub->setProperty(devicePath, CameraHub::RedGain, int(c.redGain));
    m_hub->setProperty(devicePath, CameraHub::GreenGain, int(c.greenGain));
    m_hub->setProperty(devicePath, CameraHub::BlueGain, int(c.blueGain));
    m_hub->setProperty(devicePath, CameraHub::WhiteBalance, c.autoWhiteBalance ? 1 : 0);
    m_hub->setProperty(devicePath, CameraHub::Brightness, c.params[CameraConfig::Brightness].values[0]);
    m_hub->setProperty(devicePath, CameraHub::Contrast, c.params[CameraConfig::Contrast].values[0]);
    m_hub->setProperty(devicePath, CameraHub::Hue, c.params[CameraConfig::Hue].values[0]);
    m_hub->setProperty(devicePath, CameraHub::Saturation, c.params[CameraConfig::Saturation].values[0]);
    m_hub->setProperty(devicePath, CameraHub::Sharpness, c.params[CameraConfig::Sharpness].values[0]);
    m_hub->setProperty(devicePath, CameraHub::Gamma, c.params[CameraConfig::Gamma].values[0]);
    const int flags = c.params[CameraConfig::Exposure].values[5];
    m_hub->setProperty(devicePath, CameraHub::ExposureMode, flags);
    if (!(flags & 1))
        m_hub->setProperty(devicePath, CameraHub::Gain, c.params[CameraConfig::Gain].values[0]);
    if (m_cameras.contains(devicePath))
        m_cameras[devicePath].frameSize = m_hub->frameSize(devicePath).isValid() ? m_hub->frameSize(devicePath)
                                                                                 : m_cameras[devicePath].frameSize;
}

void Vistrel::showParams(const QString &devicePath)
{
    // The sliders' value labels follow; the device is not written to.
    m_showingParams = true;
    const auto done = qScopeGuard([this] { m_showingParams = false; });
    const CameraConfig c = m_settings.cameras.value(devicePath);
    auto sliderOf = [this](const char *name) { return qobject_cast<QSlider *>(m_paramRows.value(QString::fromUtf8(name))); };
    auto switchOf = [this](const char *name) { return qobject_cast<QSwitchButton *>(m_paramRows.value(QString::fromUtf8(name))); };
    const char *entryRows[8] = {"曝光时间", "增益", "亮度", "对比度", "饱和度", "色相", "伽马值", "锐度"};
    for (int i = 0; i < 8; ++i) {
        QSlider *s = sliderOf(entryRows[i]);
        if (!s)
            continue;
        const CameraParam &p = c.params[i];
        s->setRange(p.values[2], qMax(p.values[2], p.values[3]));
        s->setSingleStep(qMax(1, p.values[4]));
        s->setValue(p.values[0]);
        s->setEnabled(p.flag);
    }
    // Colour temperature is read from the device each time; it is not stored.
    if (QSlider *s = sliderOf("色温")) {
        const PropertyRange r = m_hub->getPropertyRange(devicePath, CameraHub::ColourTemperature);
        s->setRange(r.minimum, qMax(r.minimum, r.maximum));
        s->setValue(r.current);
        s->setEnabled(r.supported && !c.autoWhiteBalance);
    }
    const struct { const char *name; double value; int code; } gains[] = {
        {"红增益", c.redGain, CameraHub::RedGain}, {"绿增益", c.greenGain, CameraHub::GreenGain}, {"蓝增益", c.blueGain, CameraHub::BlueGain}};
    for (const auto &g : gains) {
        QSlider *s = sliderOf(g.name);
        if (!s)
            continue;
        const PropertyRange r = m_hub->getPropertyRange(devicePath, g.code);
        s->setRange(r.supported ? r.minimum : 0, r.supported ? qMax(r.minimum, r.maximum) : 255);
        s->setValue(int(g.value));
        s->setEnabled(r.supported && !c.autoWhiteBalance);
    }
    const bool automatic = c.params[CameraConfig::Exposure].values[5] & 1;
    if (QSwitchButton *sw = switchOf("自动曝光")) {
        sw->setChecked(automatic);
        sw->setEnabled(m_hub->isPropertySupported(devicePath, CameraHub::ExposureMode)
                       || c.params[CameraConfig::Exposure].flag);
    }
    if (QSlider *s = sliderOf("曝光时间"))
        s->setEnabled(!automatic && c.params[CameraConfig::Exposure].flag);
    if (QSwitchButton *sw = switchOf("自动白平衡")) {
        sw->setChecked(c.autoWhiteBalance);
        sw->setEnabled(m_hub->isPropertySupported(devicePath, CameraHub::WhiteBalance));
    }
    if (QSwitchButton *sw = switchOf("黑白"))
        sw->setChecked(c.blackWhite);
    if (QSwitchButton *sw = switchOf("水平翻转"))
        sw->setChecked(c.flipHorizontal);
    if (QSwitchButton *sw = switchOf("垂直翻转"))
        sw->setChecked(c.flipVertical);
}

void Vistrel::onBtnCamParamReset()
{
    const int index = ui->boxCam->currentIndex();
    if (index < 0 || index >= m_devices.size())
        return;
    const QString cam = m_devices[index].devicePath;
    if (!m_cameras.contains(cam))
        return;
    readDeviceParams(cam);
    m_settings.cameras[cam].resetToDefaults();
    applySavedParams(cam);
    showParams(cam);
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
    QMessageBox::information(this, QString(), tr("设备未启动"));
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
    if (!deviceStarted() || !m_store->checkSaveFolder(0))
        return;
    if (tile(0)->isFrozen())
        return;
    const QImage image = captureImage();
    const QString path = m_store->makeFilePath(0);
    if (!savePhoto(image, path)) {
        // A photo that was not written is not listed; say so once.
        if (!m_photoFolderWarned) {
            m_photoFolderWarned = true;
            QMessageBox::information(this, QString(), tr("照片文件夹不可写，照片未保存：%1").arg(path));
        }
        return;
    }
    m_settings.imageFiles.append(path);
    ui->imageBrowser->addItem(path);
    if (ui->stackMainWidget->currentIndex() == 1) {
        int t = -1;
        for (int i = 0; i < 4; ++i) {
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
    if (m_recording) {
        stopRecording();
        return;
    }
    if (deviceStarted() && m_store->checkSaveFolder(1) && !tile(0)->isFrozen())
        startRecording(m_currentCamera);
}

bool Vistrel::startRecording(const QString &devicePath)
{
    if (m_rtmp->isRunning() || !m_cameras.contains(devicePath))
        return false;
    const QString path = m_store->makeFilePath(1);
    m_scene->setRecordingClock(true);
    ui->btnRecord->setText(tr("停止录像"));
    m_recording = true;
    m_recordClock.start();
    m_blink = false;
    m_lastRecordFrameMs = 0;
    m_recorderFramesQueued = 0;
    m_recorderFramesRefused = 0;
    m_recordImageTimer.start(10);
    m_rtmpCamId = devicePath;
    m_recordingPath = path;
    const QSize size = m_scene->image().isNull() ? m_cameras[devicePath].frameSize : m_scene->image().size();
    ui->cameraWidget->setEnabled(false);
    m_recordFps = recordingFps(size);
    m_rtmp->setFilePath(path);
    m_rtmp->setSize(size.width(), size.height());
    m_rtmp->setFps(m_recordFps);
    m_scene->allocateRenderBuffers();
    m_rtmp->start();
    m_recordTimer.start(500);
    return true;
}

void Vistrel::onRecordImageTimer()
{
    if (!m_recording || !m_recordClock.isValid())
        return;
    const qint64 elapsed = m_recordClock.elapsed();
    if (m_lastRecordFrameMs > 0 && elapsed - m_lastRecordFrameMs < 1000.0 / m_recordFps)
        return;
    CameraBuffer *buffer = m_scene->renderToBuffer();
    if (!buffer)
        return;
    // A refused frame has its buffer given back by the recorder.
    if (m_rtmp->enqueueFrame(int(elapsed), buffer))
        ++m_recorderFramesQueued;
    else
        ++m_recorderFramesRefused;
    m_lastRecordFrameMs = qMax<qint64>(elapsed, 1);
}

void Vistrel::onRecordTimer()
{
    ui->btnRecord->setIcon(m_blink ? m_recordPlayingIcon : m_recordIcon);
    m_blink = !m_blink;
}

bool Vistrel::stopRecording()
{
    if (!m_rtmp->isRunning() && !m_recording)
        return false;
    const bool wasRunning = m_rtmp->isRunning();
    // This run's finished() is still to come; it is no error.
    if (wasRunning)
        ++m_expectedFinishes;
    m_recording = false;
    m_recordClock.invalidate();
    m_blink = false;
    m_recordImageTimer.stop();
    m_scene->setRecordingClock(false);
    ui->btnRecord->setText(tr("录像"));
    ui->cameraWidget->setEnabled(true);
    QElapsedTimer drain;
    drain.start();
    while (m_rtmp->isRunning() && m_rtmp->queuedFrames() > 0 && drain.elapsed() < 5000)
        QThread::msleep(10);
    m_rtmp->stop();
    m_rtmp->wait();
    m_recordTimer.stop();
    m_rtmpCamId.clear();
    if (m_timedVideo) {
        ++m_settings.timedDone;
        m_timedVideo = false;
        emit autoRecordFinish();
        m_settings.timedNext = now().addSecs(m_settings.timedInterval);
    }
    if (QFileInfo::exists(m_recordingPath)) {
        m_settings.videoFiles.append(m_recordingPath);
        ui->cameraBrowser->addItem(m_recordingPath);
    }
    ui->btnRecord->setIcon(m_recordIcon);
    m_iconHelp->setIcon(ui->btnRecord, QStringLiteral("btnRecord"));
    return wasRunning;
}

void Vistrel::onRtmpFinished()
{
    if (m_expectedFinishes > 0) {
        --m_expectedFinishes;
        return;
    }
    if (m_recording) {
        QMessageBox::information(this, QString(), tr("录像出错1"));
        stopRecording();
    }
}

void Vistrel::onBtnTimeSetting()
{
    SettingTimeDialog dialog(this, this);
    dialog.setSettings(m_settings);
    dialog.setClock(m_clock);
    dialog.exec();
    if (m_timedVideo && m_rtmp->isRunning())
        onBtnRecord();
    m_autoRecordTimer.stop();
}

void Vistrel::onActionSetTime()
{
    // The action also clicks the button, which runs the dialog.
}

void Vistrel::startTimedSeries(const AppSettings &settings)
{
    m_settings = settings;
    m_autoRecordTimer.start(1000);
}

void Vistrel::endTimedSeries()
{
    if (m_timedVideo && m_rtmp->isRunning())
        onBtnRecord();
    m_autoRecordTimer.stop();
}

void Vistrel::onAutoRecordTimer()
{
    const QDateTime t = now();
    const bool due = m_settings.timedNext.isValid() && m_settings.timedNext.toMSecsSinceEpoch() <= t.toMSecsSinceEpoch();
    if (due && m_settings.timedDone < m_settings.timedCount) {
        if (m_settings.timedMode == 0) {
            onBtnCapture();
            m_settings.timedNext = t.addSecs(m_settings.timedInterval);
            ++m_settings.timedDone;
            emit autoRecordFinish();
        } else if (!m_timedVideo && !m_rtmp->isRunning()) {
            m_settings.timedNext = t.addSecs(m_settings.timedInterval + m_settings.timedLength + 1);
            onBtnRecord();
            m_timedVideo = m_recording;
        }
    }
    if (m_timedVideo && m_rtmp->elapsedMs() >= m_settings.timedLength * 1000)
        onBtnRecord();
    if (m_settings.timedDone >= m_settings.timedCount) {
        m_settings.timedActive = false;
        m_autoRecordTimer.stop();
    }
}

void Vistrel::onCameraTimer()
{
    if (!m_recording)
        refreshCameraList();
}

void Vistrel::onFormatImageChanged()
{
    m_settings.imageFormat = ui->boxFormatImage->currentIndex();
}

void Vistrel::onFormatRecordChanged()
{
    m_settings.videoFormat = ui->boxFormatRecord->currentIndex();
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
}

void Vistrel::onActionRecordPath()
{
    const QString dir = QFileDialog::getExistingDirectory(this, QString(), m_settings.videoRoot, QFileDialog::ShowDirsOnly);
    if (dir.isEmpty())
        return;
    m_settings.videoRoot = dir;
    m_settings.videoFolder = QStringLiteral("Video");
    m_store->ensureFolders();
}

void Vistrel::onActionSetting()
{
    SettingDialog dialog(this);
    dialog.setSettings(m_settings);
    if (dialog.exec() == QDialog::Accepted) {
        m_settings = dialog.settings();
        m_store->ensureFolders();
    }
}

void Vistrel::onActionImport()
{
    if (m_store->checkSaveFolder(0))
        m_fileOps->chooseAndImport();
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
            QMessageBox::information(this, QString(), tr("打开文件失败"));
        }
        return;
    }
    m_fileOps->openExternally(path);
}

void Vistrel::onListItemMenu(QPoint point)
{
    if (QListWidget *list = browserListOf(sender()))
        m_fileOps->showMenu(list == ui->imageBrowser->listWidget() ? ui->imageBrowser : ui->cameraBrowser, point);
}

void Vistrel::onActionTimeOn()
{
    m_settings.showTime = true;
    m_scene->setTimeStampVisible(true);
    ui->actionTimeOn->setChecked(true);
    ui->actionTimeOff->setChecked(false);
}

void Vistrel::onActionTimeOff()
{
    m_settings.showTime = false;
    m_scene->setTimeStampVisible(false);
    ui->actionTimeOn->setChecked(false);
    ui->actionTimeOff->setChecked(true);
}

void Vistrel::onActionCrossOn()
{
    m_scene->setCrossVisible(true);
    ui->actionCrossOn->setChecked(true);
    ui->actionCrossOff->setChecked(false);
}

void Vistrel::onActionCrossOff()
{
    m_scene->setCrossVisible(false);
    ui->actionCrossOn->setChecked(false);
    ui->actionCrossOff->setChecked(true);
}

void Vistrel::onActionAbout()
{
    HelpDialog dialog(this);
    dialog.exec();
}

void Vistrel::onActionPrint()
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &Vistrel::plotPrintPic);
    preview.resize(800, 600);
    preview.exec();
}

void Vistrel::plotPrintPic(QPrinter *printer)
{
    const QImage image = m_scene->grabImage().convertToFormat(QImage::Format_RGB888);
    if (image.isNull())
        return;
    QPainter painter(printer);
    const QRect target = MeasureEditer::printTarget(painter.viewport(), image.size());
    painter.setViewport(target);
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
}

void Vistrel::onActionLang()
{
    const int index = m_langActions.indexOf(qobject_cast<QAction *>(sender()));
    if (index >= 0)
        setLanguage(index);
}

void Vistrel::setLanguage(int index)
{
    if (index < 0 || index >= m_languages.size())
        index = 1;
    m_settings.language = index;
    if (m_translatorInstalled) {
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::removeTranslator(&m_qtTranslator);
        m_translatorInstalled = false;
    }
    if (index != 0) {
        const QString code = m_languages[index].second;
        if (loadLanguage(&m_translator, index)) {
            qCDebug(lcLang).noquote() << "loaded" << m_translator.filePath();
            // Qt's own dialogs (standard buttons, print preview) follow too.
            const QString qtCode = code == QLatin1String("zh") ? QStringLiteral("zh_TW") : code;
            if (m_qtTranslator.load(QStringLiteral("qtbase_") + qtCode, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&m_qtTranslator);
            QCoreApplication::installTranslator(&m_translator);
            m_translatorInstalled = true;
        }
    }
    retranslate();
    for (int i = 0; i < m_langActions.size(); ++i)
        m_langActions[i]->setChecked(i == index);
}

void Vistrel::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(productTitle());
    ui->comboZoom->setItemText(0, tr("Scale"));
    for (int i = 0; i < m_langActions.size(); ++i)
        m_langActions[i]->setText(trVistrel(m_languages[i].first.toUtf8().constData()));
    for (FuncWidget *group : m_funcWidgets) {
        for (const QString &row : group->rowNames())
            group->setRowText(row, trVistrel(row.toUtf8().constData()));
    }
    m_hintLabel->setText(tr("按ESC退出全屏"));
    if (m_recording)
        ui->btnRecord->setText(tr("停止录像"));
    m_scene->update();
}
