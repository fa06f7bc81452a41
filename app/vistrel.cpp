#include "app/vistrel.h"
#include "app/unixsignals.h"

#include "app/camerasession.h"
#include "app/devicewatcher.h"
#include "app/focusstacker.h"
#include "app/fullscreenmode.h"
#include "app/languages.h"
#include "app/languageswitcher.h"
#include "app/mediaopener.h"
#include "app/mosaicbuilder.h"
#include "app/photocapture.h"
#include "app/recordingcontroller.h"
#include "app/flatfieldcontrol.h"
#include "app/recordcontrols.h"
#include "app/reticlemenu.h"
#include "editor/measurereport.h"
#include "app/scalebarmenu.h"
#include "app/settingsstore.h"
#include "app/shortcuts.h"
#include "app/storagepaths.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "core/lastfolder.h"
#include "core/notifier.h"
#include "files/filebrowser.h"
#include "files/fileoperations.h"
#include "dialogs/helpdialog.h"
#include "editor/measureediter.h"
#include "dialogs/printpicture.h"
#include "dialogs/settingdialog.h"
#include "dialogs/settingtimedialog.h"
#include "view/wheelzoom.h"
#include "measure/camerascene.h"
#include "record/rtmpthread.h"
#include "ui_vistrel.h"
#include "view/cameralabel.h"
#include "view/cameraviewer.h"
#include "widgets/cameraparampanel.h"
#include "widgets/iconhelp.h"
#include "widgets/statusline.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>

#include <optional>

namespace {

int g_minimumStartupMs = 3000;
std::optional<StoragePaths> g_storageOverride;
bool g_readOnly = false;
bool g_savedAtQuit = true;

} // namespace

void Vistrel::setStoragePathsOverride(const StoragePaths &paths) { g_storageOverride = paths; }

void Vistrel::setReadOnlyConfiguration(bool readOnly) { g_readOnly = readOnly; }

bool Vistrel::settingsSavedAtQuit() { return g_savedAtQuit; }

void Vistrel::setMinimumStartupMs(int ms) { g_minimumStartupMs = ms; }

double Vistrel::zoomFactor(const QString &text) { return wheelzoom::zoomFactor(text); }
int Vistrel::recordingFps(const QSize &size) { return RecordingController::recordingFps(size); }

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
    m_store->setReadOnly(g_readOnly);
    // Told at once (after the window is up) and kept on the status line
    // while the folder takes no file; the store keeps trying.
    connect(m_store, &SettingsStore::saveProblem, this, [this](const QString &folder) {
        ui->labelStatus->setPart(7, tr("设置无法保存：%1").arg(folder), 3);
        QTimer::singleShot(0, this, [this, folder] {
            notifier().inform(this, tr("无法在 %1 中保存设置。之后的更改（包括标定）暂时不会保存；程序会继续尝试。"
                                       "请检查该文件夹的权限和剩余空间。")
                                        .arg(folder));
        });
    });
    connect(m_store, &SettingsStore::saveRecovered, this, [this] { ui->labelStatus->setPart(7, QString(), 0); });
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

    m_scene = ui->camViewer->cameraScene();
    m_scene->setTool(Point);
    m_scene->setSettings(&m_settings);
    ui->bdWidget->setup(m_scene, &m_settings);
    ui->bdWidget->setCameraName([this] { return currentCamera(); });
    m_editer = new MeasureEditer(this);
    m_editer->setWindowFlag(Qt::Window);
    m_editer->attach(&m_settings);
    m_recording = new RecordingController(m_scene, &m_settings, this);
    m_panel = new CameraParamPanel(ui->cameraParamWidget,
                                   {ui->btnBaoGuang, ui->btnColor, ui->btnBlance, ui->btnResever}, m_hub, &m_settings,
                                   this);
    CameraSession::Widgets parts;
    parts.picker = {ui->boxCam, ui->boxResolution, ui->boxFormat, ui->cameraParamWidget};
    parts.tiles.tiles = {ui->labelView1, ui->labelView2, ui->labelView3, ui->labelView4};
    parts.tiles.page = ui->viewPage;
    parts.tiles.window = this;
    parts.frames.scene = m_scene;
    parts.frames.view = ui->camViewer;
    parts.frames.scrollArea = ui->mainPageScrollArea;
    parts.frames.page = ui->mainPage;
    parts.frames.zoom = ui->comboZoom;
    parts.frames.resolution = ui->labelResInfo;
    parts.frames.rate = ui->labelRateInfo;
    parts.frames.status = ui->labelStatus;
    parts.frames.toolbox = ui->bdWidget;
    parts.pages = ui->stackMainWidget;
    m_session = new CameraSession(parts, &m_settings, m_store, m_panel, m_recording, this);
    m_flatField = new FlatFieldControl(
        ui->cameraParamWidget, ui->btnCamParamReset, m_hub, &m_settings, m_store, [this] { return currentCamera(); },
        this);
    m_photos = new PhotoCapture({this, ui->comboZoom, ui->camViewer, ui->mainPageScrollArea, ui->imageBrowser},
                                m_session, m_scene, m_store, &m_settings);
    m_photos->setCalibrationSource([this](const QSize &picture) { return ui->bdWidget->calibrationFor(picture); });
    m_record = new RecordControls({this,
                                   ui->btnRecord,
                                   {ui->boxCam, ui->boxFormat, ui->boxResolution, ui->boxFormatRecord},
                                   ui->labelStatus,
                                   ui->cameraBrowser,
                                   m_iconHelp},
                                  m_recording, m_session, m_store, this);
    m_record->setDeviceCheck([this] { return m_photos->deviceStarted(); });
    m_mosaic = new MosaicBuilder({this, ui->headLayout, ui->btnZoom, ui->midLayout, ui->imageBrowser}, m_session,
                                 m_scene, m_store, &m_settings);
    m_mosaic->setCalibrationSource([this](const QSize &picture) { return ui->bdWidget->calibrationFor(picture); });
    tile(0)->setSelected(true);
    m_languages = new LanguageSwitcher(ui->menuLang, this);
    m_fullScreen = new FullScreenMode(this, {ui->mainMenuBar, ui->headFrame, ui->rightStackWidget},
                                      ui->menu->menuAction());
    m_store->setBrowsers(ui->imageBrowser, ui->cameraBrowser);
    m_fileOps = new FileOperations(this);
    m_fileOps->setBrowsers(ui->imageBrowser, ui->cameraBrowser);
    m_fileOps->setSettings(&m_settings);
    m_opener = new MediaOpener({this, ui->imageBrowser, ui->cameraBrowser}, m_editer, m_fileOps, m_store, this);
    connect(m_opener, &MediaOpener::videosListed, this, [this] {
        setSidePage(0);
        ui->tabWidget->setCurrentWidget(ui->cameraBrowser->parentWidget());
    });
    m_focusStack = new FocusStacker({this, ui->headLayout, ui->headSpacer, ui->imageBrowser}, m_session, m_store,
                                    &m_settings, m_fileOps);
    m_focusStack->setCalibrationSource([this](const QSize &picture) { return ui->bdWidget->calibrationFor(picture); });

    ui->comboZoom->addItem(tr("Scale"), QStringLiteral("Scale"));
    for (const QString &text : wheelzoom::zoomTexts())
        ui->comboZoom->addItem(text, text);
    // Fitted: the whole picture shows in any window until the user zooms.
    ui->comboZoom->setCurrentIndex(0);
    ui->comboZoom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (QToolButton *b : {ui->btnCapture, ui->btnRecord, ui->btnTimeSetting, ui->btnFullScreen, ui->btnScreenSwitch,
                           ui->btnOpenDir, ui->btnSetting, ui->btnCalib, ui->btnZoom, m_focusStack->button()})
        m_iconHelp->setIcon(b, b->objectName());
    m_iconHelp->setSelected(ui->btnSetting, true);
    m_iconHelp->setIcon(m_mosaic->button(), QStringLiteral("btnMosaic"));
    m_mosaic->offerIn(m_fileOps);
    connectForm();

    // The settings, then the cameras.
    m_store->loadSettings();
    lastfolder::setDefault(ui->imageBrowser->currentPath());
    tile(1)->setSelected(true);
    m_session->refreshCameraList();
    m_session->watcher()->start();

    // The shortest start-up. A quit signal ends the wait: main() then
    // closes the window at once.
    while (startup.elapsed() < g_minimumStartupMs && !UnixSignalQuit::quitRequested()) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    if (splash)
        splash->finish(this);
}

void Vistrel::connectForm()
{
    connect(ui->boxFormatImage, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Vistrel::onFormatImageChanged);
    connect(ui->boxFormatRecord, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Vistrel::onFormatRecordChanged);
    connect(ui->comboZoom, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Vistrel::onComboZoomChanged);
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
    m_reportAction = report::addReportAction(ui->menu, ui->actionPrint, this, [this] { onActionReport(); });
    connect(ui->actionAbout, &QAction::triggered, this, &Vistrel::onActionAbout);
    // The on/off pairs are each one choice.
    for (auto pair :
         {qMakePair(ui->actionTimeOn, ui->actionTimeOff), qMakePair(ui->actionCrossOn, ui->actionCrossOff)}) {
        auto *group = new QActionGroup(this);
        group->addAction(pair.first);
        group->addAction(pair.second);
    }
    connect(ui->actionTimeOn, &QAction::triggered, this, &Vistrel::onActionTimeOn);
    connect(ui->actionTimeOff, &QAction::triggered, this, &Vistrel::onActionTimeOff);
    connect(ui->actionCrossOn, &QAction::triggered, this, &Vistrel::onActionCrossOn);
    connect(ui->actionCrossOff, &QAction::triggered, this, &Vistrel::onActionCrossOff);
    m_reticle = new ReticleMenu(ui->menu_2, ui->menuLang->menuAction(), m_scene, &m_settings, m_store, this);
    m_scaleBar = new ScaleBarMenu(ui->menuScaleBar, ui->actionScaleBarOn, ui->actionScaleBarOff, m_scene, &m_settings,
                                  m_store, this);
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, this, &Vistrel::onBdInfoChanged);
    connect(ui->bdWidget, &BDWidget::bdInfoChanged, m_editer, &MeasureEditer::onBdInfoChanged);
    connect(m_editer->toolbox(), &BDWidget::bdInfoChanged, this, &Vistrel::onBdInfoChanged);
    // Hot-plug events refresh the list at once; the 10 s look stays as the fallback.
    connect(m_hub, &CameraHub::sigDevicesChanged, this, &Vistrel::onCameraTimer);
    // The toolboxes' style combos write the style into the settings.
    for (BDWidget *box : {ui->bdWidget, m_editer->toolbox()}) {
        for (QComboBox *combo : box->findChildren<QComboBox *>())
            connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), m_store, &SettingsStore::scheduleSave);
    }
    connect(m_panel, &CameraParamPanel::changed, m_store, &SettingsStore::scheduleSave);
    connect(m_editer, &MeasureEditer::settingsChanged, m_store, &SettingsStore::scheduleSave);
    connect(ui->bdWidget, &BDWidget::optionChanged, m_store, &SettingsStore::scheduleSave);
    connect(m_session->watcher(), &DeviceWatcher::due, this, &Vistrel::onCameraTimer);
    connect(m_session, &CameraSession::stillButton, this, &Vistrel::onBtnCapture);
    connect(m_session, &CameraSession::viewSwitched, this, [this](bool four) {
        // Measuring and recording are for the large view.
        ui->btnCalib->setEnabled(!four);
        ui->btnRecord->setEnabled(!four);
        if (four && ui->rightStackWidget->currentIndex() == 2)
            onBtnSetting();
    });
    connect(m_languages, &LanguageSwitcher::chosen, this, &Vistrel::setLanguage);
    // Each picture the large view shows is offered to a recording.
    connect(m_session->frames(), &FrameRouter::pictureShown, m_recording, &RecordingController::pictureShown);
    m_recording->setPhotoTaker([this](QString *why) { return m_photos->take(why); });
    connect(m_recording, &RecordingController::seriesStepDone, this, &Vistrel::autoRecordFinish);
    connect(m_store, &SettingsStore::sigLoaded, this, &Vistrel::applyLoadedSettings);
    // The camera key of a keyboard takes a photo like the microscope's button.
    ui->camViewer->installEventFilter(this);
    m_fullScreen->watch(ui->camViewer->viewport());

    // The desktop's standard keys, shown beside the entries and in Help.
    ui->actionImport->setShortcuts(QKeySequence::Open);
    ui->actionPrint->setShortcuts(QKeySequence::Print);
    ui->actionExit->setShortcuts(QKeySequence::Quit);
    if (ui->actionExit->shortcuts().isEmpty())
        ui->actionExit->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_Q));
    m_actionFullScreen = new QAction(this);
    m_actionFullScreen->setObjectName(QStringLiteral("actionFullScreen"));
    {
        // F11 first, whatever else the desktop binds to full screen.
        QList<QKeySequence> full{QKeySequence(Qt::Key_F11)};
        for (const QKeySequence &k : QKeySequence::keyBindings(QKeySequence::FullScreen)) {
            if (!full.contains(k))
                full << k;
        }
        m_actionFullScreen->setShortcuts(full);
    }
    connect(m_actionFullScreen, &QAction::triggered, this, &Vistrel::onBtnFullScreen);
    ui->menu_2->insertAction(ui->menu_2->actions().value(0), m_actionFullScreen);
    m_editMenu = new QMenu(ui->mainMenuBar);
    m_editMenu->setObjectName(QStringLiteral("menuEdit"));
    ui->mainMenuBar->insertMenu(ui->menu_2->menuAction(), m_editMenu);

    Shortcuts::Targets keys;
    keys.menuKeys = {ui->actionImport, ui->actionPrint, m_actionFullScreen, ui->actionExit};
    keys.editMenu = m_editMenu;
    keys.window = this;
    keys.scene = m_scene;
    keys.pictureArea = ui->stackMainWidget;
    keys.zoomCombo = ui->comboZoom;
    keys.scrollArea = ui->mainPageScrollArea;
    keys.view = ui->camViewer;
    keys.viewport = ui->camViewer->viewport();
    keys.helpMenu = ui->menuHelp;
    keys.photo = [this] { onBtnCapture(); };
    keys.record = [this] { onBtnRecord(); };
    keys.leaveFullScreen = [this] {
        if (!m_fullScreen->isActive())
            return false;
        m_fullScreen->leave();
        return true;
    };
    new Shortcuts(keys, this);
}

Vistrel::~Vistrel()
{
    // The recording's file is complete and listed before anything goes.
    stopRecording();
    m_recording->waitForFile();
    m_session->closeAll();
    g_savedAtQuit = m_store->saveSettings();
    delete ui;
}

void Vistrel::setClock(std::function<QDateTime()> clock)
{
    m_recording->setClock([clock] { return clock().toMSecsSinceEpoch(); });
}

RtmpThread *Vistrel::recorder() const { return m_recording->recorder(); }
bool Vistrel::isRecording() const { return m_recording->isRecording(); }
QString Vistrel::lastRecordingPath() const { return m_recording->lastPath(); }
bool Vistrel::isTimedVideo() const { return m_recording->isTimedVideo(); }
QTimer *Vistrel::autoRecordTimer() { return m_recording->seriesTimer(); }
QWidget *Vistrel::paramRow(int key) const { return m_panel->row(key); }
CameraLabel *Vistrel::tile(int index) const { return m_session->tile(index); }

void Vistrel::applyLoadedSettings(SettingsRead result)
{
    // Nothing read at start-up: the program speaks the desktop's language.
    if (!m_loadedOnce) {
        m_loadedOnce = true;
        m_firstStart = result == SettingsRead::NotOpened || result == SettingsRead::WrongHeader;
        if (m_firstStart)
            m_settings.language = languageForLocale(QLocale::system());
    }
    ui->bdWidget->refresh();
    m_editer->toolbox()->refresh();
    m_scene->setTimeStampVisible(m_settings.showTime);
    (m_settings.showTime ? ui->actionTimeOn : ui->actionTimeOff)->setChecked(true);
    m_scene->setCrossVisible(false);
    ui->actionCrossOff->setChecked(true);
    m_scaleBar->apply();
    m_reticle->apply();
    ui->boxFormatImage->setCurrentIndex(m_settings.imageFormat);
    ui->boxFormatRecord->setCurrentIndex(m_settings.videoFormat);
    setLanguage(m_settings.language);
    // A series that was running when the program ended is not running now.
    if (!m_recording->isSeriesRunning())
        m_settings.timedActive = false;
}

// ---------------------------------------------------------------- cameras

QString Vistrel::currentCamera() const { return m_session->currentCamera(); }
const QMap<QString, Vistrel::CameraSlot> &Vistrel::openCameras() const { return m_session->openCameras(); }
bool Vistrel::startCamera(const QString &devicePath, int tile, bool showError)
{
    return m_session->startCamera(devicePath, tile, showError);
}
void Vistrel::setCurrentCamera(const QString &devicePath) { m_session->setCurrentCamera(devicePath); }
int Vistrel::tileOf(const QString &devicePath) const { return m_session->tileOf(devicePath); }
void Vistrel::onComboZoomChanged() { m_session->frames()->fitView(); }
void Vistrel::onUpdateCamViewSize() { m_session->frames()->fitView(); }

void Vistrel::selectTile(int index) { m_session->selectTile(index); }
void Vistrel::onUpdateFourCamViewer() { m_session->tiles()->layOut(); }
void Vistrel::onBtnScreenSwitch() { m_session->switchView(); }

void Vistrel::onBtnZoomIn()
{
    // The zoom button opens the zoom list next to it.
    ui->comboZoom->showPopup();
}

// ------------------------------------------------------------ full screen

void Vistrel::onBtnFullScreen() { m_fullScreen->toggle(); }

void Vistrel::keyPressEvent(QKeyEvent *event)
{
    if (m_fullScreen->handle(event))
        return;
    if (event->key() == Qt::Key_Camera) {
        onBtnCapture();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Vistrel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!m_fullScreen->handle(event))
        QMainWindow::mouseDoubleClickEvent(event);
}

bool Vistrel::eventFilter(QObject *watched, QEvent *event)
{
    // The view has the focus: the camera key and leaving full screen work there too.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Camera) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    }
    return m_fullScreen->handle(event) || QMainWindow::eventFilter(watched, event);
}

void Vistrel::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitToolBar(ui->headFrame, event->size().width());
    QTimer::singleShot(0, this, [this] { m_scene->update(); });
    QTimer::singleShot(0, this, &Vistrel::onUpdateFourCamViewer);
    QTimer::singleShot(0, this, &Vistrel::onUpdateCamViewSize);
}

// ------------------------------------------------------- camera parameters

void Vistrel::onBtnCamParamReset() { m_panel->reset(); }

void Vistrel::onBtnAdvanced()
{
    if (m_session->hasCurrent())
        m_panel->openDeviceDialog(this);
}

// ------------------------------------------------------ photos, recording

QImage Vistrel::captureImage() { return m_photos->captureImage(); }
void Vistrel::onBtnCapture() { m_photos->takeFromButton(); }

void Vistrel::onBtnRecord() { m_record->toggle(); }
bool Vistrel::startRecording(const QString &devicePath) { return m_record->startRecording(devicePath); }
bool Vistrel::stopRecording() { return m_recording->stop(); }
QList<QWidget *> Vistrel::streamControls() const { return m_record->streamControls(); }

void Vistrel::onBtnTimeSetting()
{
    // Not modal: the series runs on in the window, with the dialog open or not.
    if (!m_timeDialog) {
        m_timeDialog = new SettingTimeDialog(this, this);
        m_timeDialog->setClock([this] { return m_recording->now(); });
    }
    if (!m_timeDialog->isVisible()) {
        AppSettings s = m_settings;
        s.timedActive = m_recording->isSeriesRunning();
        m_timeDialog->setSettings(s);
    }
    m_timeDialog->show();
    m_timeDialog->raise();
    m_timeDialog->activateWindow();
}

void Vistrel::closeEvent(QCloseEvent *event)
{
    if (isRecording()) {
        if (!notifier().ask(this, tr("正在录像。停止录像并退出吗？"))) {
            event->ignore();
            return;
        }
        stopRecording();
    }
    if (!m_editer->maybeSave()) {
        event->ignore();
        return;
    }
    // The last chance to tell: the settings of this run would be lost.
    if (m_store->isSaveFailing() && !m_store->saveSettings())
        notifier().inform(this, tr("设置未能保存到 %1，本次的更改已丢失。").arg(m_store->configFolder()));
    QMainWindow::closeEvent(event);
}

void Vistrel::startTimedSeries(const AppSettings &settings) { m_recording->startSeries(settings); }
void Vistrel::endTimedSeries() { m_recording->endSeries(); }
void Vistrel::onAutoRecordTimer() { m_recording->tickSeries(); }

void Vistrel::onCameraTimer()
{
    if (!isRecording())
        m_session->refreshCameraList();
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

void Vistrel::onBtnOpenDir() { setSidePage(0); }
void Vistrel::onBtnSetting() { setSidePage(1); }
void Vistrel::onBtnCalib() { setSidePage(2); }

void Vistrel::onBdInfoChanged()
{
    if (sender() != ui->bdWidget)
        ui->bdWidget->refresh();
    m_store->scheduleSave();
}

// ----------------------------------------------------------------- menus

void Vistrel::onActionImagePath() { m_store->chooseRoot(SettingsStore::Photo); }
void Vistrel::onActionRecordPath() { m_store->chooseRoot(SettingsStore::Video); }

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
    lastfolder::setDefault(ui->imageBrowser->currentPath());
    if (m_store->checkSaveFolder(0))
        m_fileOps->chooseAndImport();
}

void Vistrel::onListItemOpen(QListWidgetItem *item) { m_opener->open(item); }
QStringList Vistrel::openFiles(const QStringList &files) { return m_opener->openFiles(files); }

QRect Vistrel::startGeometry(const QRect &available, bool *maximize)
{
    // A small screen gives the picture every pixel; on a large one the
    // window takes most of it, centred, and stays a window.
    *maximize = available.width() < 1280 || available.height() < 800;
    const QSize size(qMax(800, available.width() * 9 / 10), qMax(600, available.height() * 9 / 10));
    QRect r(QPoint(0, 0), size.boundedTo(available.size()).expandedTo(QSize(800, 600)));
    r.moveCenter(available.center());
    return r;
}

void Vistrel::showForScreen()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    bool maximize = false;
    if (screen) {
        const QRect r = startGeometry(screen->availableGeometry(), &maximize);
        resize(r.size());
        move(r.topLeft());
    }
    if (maximize)
        showMaximized();
    else
        show();
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

void Vistrel::onActionReport()
{
    report::Content content = report::fromScene(m_scene);
    const QString cam = currentCamera();
    content.camera = m_hub->layer()->modelName(cam);
    const QString suggested = QFileInfo(m_store->makeFilePath(SettingsStore::Photo)).completeBaseName();
    report::exportReport(this, content,
                         QFileInfo(m_store->makeFilePath(SettingsStore::Photo)).absolutePath() + QLatin1Char('/')
                             + suggested + QStringLiteral(".pdf"));
}

void Vistrel::onActionPrint()
{
    printing::preview(this, [this] { return m_scene->grabImage(); });
}
void Vistrel::plotPrintPic(QPrinter *printer) { printing::paintPicture(printer, m_scene->grabImage()); }

int Vistrel::languageCount() const { return m_languages->count(); }

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
    captionToolBar(ui->headFrame);
    ui->retranslateUi(this);
    setWindowTitle(productTitle());
    ui->comboZoom->setItemText(0, tr("Scale"));
    for (QToolButton *b : {ui->btnCapture, ui->btnTimeSetting, ui->btnFullScreen, ui->btnScreenSwitch, ui->btnZoom})
        fitToolButton(b, {b->text()});
    m_record->retranslate();
    m_actionFullScreen->setText(tr("全屏"));
    m_editMenu->setTitle(tr("编辑"));
    m_languages->retranslate();
    m_panel->retranslate();
    m_focusStack->retranslate();
    m_flatField->retranslate();
    report::retranslateAction(m_reportAction);
    m_fullScreen->retranslate();
    m_mosaic->retranslate();
    if (auto *keys = findChild<Shortcuts *>())
        keys->retranslate();
    fitToolBar(ui->headFrame, width());
    // The status line's words too, without waiting for the next frame.
    m_session->updateStatus(currentCamera());
    m_scene->update();
}
