#pragma once

#include "core/appsettings.h"
#include "app/camerasession.h"
#include "app/storagepaths.h"
#include "dialogs/settingtimedialog.h"

#include <QDateTime>
#include <QIcon>
#include <QMainWindow>
#include <QMap>
#include <QTimer>

#include <functional>

class CameraHub;
class CameraLabel;
class CameraParamPanel;
class CameraScene;
class FileBrowser;
class FullScreenMode;
class FileOperations;
class IconHelp;
class LanguageSwitcher;
class MeasureEditer;
class QListWidget;
class QListWidgetItem;
class QPrinter;
class RecordingController;
class RtmpThread;
class SettingsStore;

namespace Ui {
class VistrelClass;
}

// The main window: live view or four tiles, camera list and parameters,
// photos, recording, timed runs, file browsers and the measurement toolbox.
class Vistrel : public QMainWindow, public TimedSeriesHost
{
    Q_OBJECT
public:
    using CameraSlot = CameraSession::Slot;

    explicit Vistrel(QWidget *parent = nullptr);
    ~Vistrel() override;

    // The shortest start-up, during which the splash picture shows. Tests
    // set it to 0.
    static void setMinimumStartupMs(int ms);
    // Where settings and save folders live; tests point it at a temporary
    // folder. Unset: the program's folder or the XDG folders.
    static void setStoragePathsOverride(const StoragePaths &paths);
    // Another copy holds the configuration: this window writes no settings.
    static void setReadOnlyConfiguration(bool readOnly);
    // Whether the last window's settings were written when it went.
    static bool settingsSavedAtQuit();
    // The clock of timed runs and recordings; tests replace it.
    void setClock(std::function<QDateTime()> clock);

    AppSettings &settings() { return m_settings; }
    SettingsStore *store() const { return m_store; }
    Ui::VistrelClass *form() const { return ui; }
    CameraScene *scene() const { return m_scene; }
    MeasureEditer *editer() const { return m_editer; }
    RecordingController *recording() const { return m_recording; }
    RtmpThread *recorder() const;
    CameraSession *cameras() const { return m_session; }
    class MosaicBuilder *mosaic() const { return m_mosaic; }
    QString currentCamera() const;
    const QMap<QString, CameraSlot> &openCameras() const;
    CameraLabel *tile(int index) const;
    bool isRecording() const;
    QString lastRecordingPath() const;
    CameraParamPanel *paramPanel() const { return m_panel; }
    class FlatFieldControl *flatField() const { return m_flatField; }
    class ReticleMenu *reticleMenu() const { return m_reticle; }
    // A row of the camera panel by CameraHub::PropertyCode or CameraParamPanel::LocalRow.
    QWidget *paramRow(int key) const;

    // Camera operations.
    bool startCamera(const QString &devicePath, int tile, bool showError);
    void setCurrentCamera(const QString &devicePath);
    int tileOf(const QString &devicePath) const;
    void selectTile(int index);

    // Photos and recording.
    // The picture as a photo: the whole frame at zoom 1 or below, the part
    // scrolled into sight above 1, always in the frame's own pixels.
    QImage captureImage();
    bool startRecording(const QString &devicePath);
    // Camera, format and resolution: locked while recording, with a tooltip why.
    QList<QWidget *> streamControls() const;
    bool stopRecording();
    void startTimedSeries(const AppSettings &settings) override;
    void endTimedSeries() override;
    bool isTimedVideo() const;
    QTimer *autoRecordTimer();

    class FocusStacker *focusStacker() const { return m_focusStack; }

    // The file operations of the browsers' context menu and of import.
    FileOperations *fileOperations() const { return m_fileOps; }

    void setLanguage(int index);
    int languageCount() const;

    // No settings file was there at start-up: the defaults, the desktop's
    // language, and a window sized for the screen.
    bool isFirstStart() const { return m_firstStart; }
    // Shows the window at a size that suits its screen: most of the
    // available room, or maximized on a small screen.
    void showForScreen();
    // The window's rectangle on a screen of that available room; *maximize
    // says the window should rather be maximized.
    static QRect startGeometry(const QRect &available, bool *maximize);
    // Photos open in the measure editor (the last one shown), videos join
    // the video list. Returns the files that could not be opened, after
    // telling the user.
    QStringList openFiles(const QStringList &files);

    // The zoom entry's factor; "Scale" and unknown texts give 1.
    static double zoomFactor(const QString &text);
    // The frame rate a recording of that size runs at.
    static int recordingFps(const QSize &size);

signals:
    void autoRecordFinish();

public slots:
    void onBtnCapture();
    void onBtnRecord();
    void onBtnFullScreen();
    void onBtnTimeSetting();
    void onBtnScreenSwitch();
    void onBtnOpenDir();
    void onBtnSetting();
    void onBtnCalib();
    void onBtnZoomIn();
    void onComboZoomChanged();
    void onActionImport();
    void onActionSetting();
    void onActionImagePath();
    void onActionRecordPath();
    void onActionPrint();
    // A PDF of the picture with its shapes, the results and the calibration.
    void onActionReport();
    void onActionTimeOn();
    void onActionTimeOff();
    void onActionCrossOn();
    void onActionCrossOff();
    void onActionAbout();
    void onUpdateFourCamViewer();
    void onUpdateCamViewSize();
    void onBtnCamParamReset();
    void onListItemOpen(QListWidgetItem *item);
    void onCameraTimer();
    void onAutoRecordTimer();
    void onFormatImageChanged();
    void onFormatRecordChanged();
    void onBdInfoChanged();
    void plotPrintPic(QPrinter *printer);
    void onBtnAdvanced();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Asks before a running recording is cut short by quitting.
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectForm();
    void applyLoadedSettings(SettingsRead result);
    void retranslate();
    void setSidePage(int page);

    Ui::VistrelClass *ui;
    FileOperations *m_fileOps = nullptr;
    AppSettings m_settings;
    SettingsStore *m_store = nullptr;
    CameraScene *m_scene = nullptr;
    class ScaleBarMenu *m_scaleBar = nullptr;
    class ReticleMenu *m_reticle = nullptr;
    QAction *m_reportAction = nullptr;
    MeasureEditer *m_editer = nullptr;
    CameraHub *m_hub = nullptr;
    RecordingController *m_recording = nullptr;
    CameraParamPanel *m_panel = nullptr;
    class FlatFieldControl *m_flatField = nullptr;
    CameraSession *m_session = nullptr;
    class PhotoCapture *m_photos = nullptr;
    class RecordControls *m_record = nullptr;
    class MediaOpener *m_opener = nullptr;
    class MosaicBuilder *m_mosaic = nullptr;
    class FocusStacker *m_focusStack = nullptr;
    LanguageSwitcher *m_languages = nullptr;
    FullScreenMode *m_fullScreen = nullptr;
    IconHelp *m_iconHelp = nullptr;
    SettingTimeDialog *m_timeDialog = nullptr;

    bool m_firstStart = false;
    bool m_loadedOnce = false;
    QAction *m_actionFullScreen = nullptr;
    class QMenu *m_editMenu = nullptr;
};
