#pragma once

#include "core/appsettings.h"
#include "app/storagepaths.h"
#include "capture/capturelayer.h"
#include "dialogs/settingtimedialog.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QIcon>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QTimer>
#include <QTranslator>
#include <QVector>

#include <functional>

class CameraHub;
class CameraLabel;
class CameraScene;
class FileBrowser;
class FileOperations;
class FuncWidget;
class IconHelp;
class MeasureEditer;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPrinter;
class QPushButton;
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
    // One open camera.
    struct CameraSlot
    {
        int tile = -1;
        QSize frameSize;
        QList<QColor> colours;  // the last colours under the pointer
        QList<qint64> frameTimes; // ms since the epoch, last 3 seconds
    };

    explicit Vistrel(QWidget *parent = nullptr);
    ~Vistrel() override;

    // The shortest start-up, during which the splash picture shows. Tests
    // set it to 0.
    static void setMinimumStartupMs(int ms);
    // Where settings and save folders live; tests point it at a temporary
    // folder. Unset: the program's folder or the XDG folders.
    static void setStoragePathsOverride(const StoragePaths &paths);
    // The clock of photo names and timed runs; tests replace it.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    AppSettings &settings() { return m_settings; }
    SettingsStore *store() const { return m_store; }
    Ui::VistrelClass *form() const { return ui; }
    CameraScene *scene() const { return m_scene; }
    MeasureEditer *editer() const { return m_editer; }
    RtmpThread *recorder() const { return m_rtmp; }
    QString currentCamera() const { return m_currentCamera; }
    const QMap<QString, CameraSlot> &openCameras() const { return m_cameras; }
    CameraLabel *tile(int index) const;
    bool isRecording() const { return m_recording; }
    QString lastRecordingPath() const { return m_recordingPath; }
    // Frames of the current or last recording handed to the recorder, and
    // those it refused for lack of queue room.
    int recorderFramesQueued() const { return m_recorderFramesQueued; }
    int recorderFramesRefused() const { return m_recorderFramesRefused; }
    FuncWidget *paramGroup(int index) const { return m_funcWidgets.value(index); }
    QWidget *paramRow(const QString &name) const { return m_paramRows.value(name); }

    // Camera operations.
    void refreshCameraList();
    bool startCamera(const QString &devicePath, int tile, bool showError);
    void stopCamera(const QString &devicePath);
    void setCurrentCamera(const QString &devicePath);
    int tileOf(const QString &devicePath) const;
    void selectTile(int index);
    void updateStatus(const QString &devicePath);
    void updateResolutionLabel();

    // Camera parameters.
    void readDeviceParams(const QString &devicePath);
    void applySavedParams(const QString &devicePath);
    void showParams(const QString &devicePath);

    // Photos and recording.
    bool deviceStarted();
    QImage captureImage();
    bool startRecording(const QString &devicePath);
    bool stopRecording();
    void startTimedSeries(const AppSettings &settings) override;
    void endTimedSeries() override;
    bool isTimedVideo() const { return m_timedVideo; }
    QTimer *autoRecordTimer() { return &m_autoRecordTimer; }

    // The file operations of the browsers' context menu and of import.
    FileOperations *fileOperations() const { return m_fileOps; }

    void setLanguage(int index);
    int languageCount() const { return m_languages.size(); }

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
    void onBtnZoomOut();
    void onComboZoomChanged();
    void onActionLang();
    void onActionImport();
    void onActionSetTime();
    void onActionSetting();
    void onActionImagePath();
    void onActionRecordPath();
    void onActionPrint();
    void onActionTimeOn();
    void onActionTimeOff();
    void onActionCrossOn();
    void onActionCrossOff();
    void onActionAbout();
    void onCamChanged();
    void onCamResolutionChanged();
    void onCamFormatChanged();
    void onLocalCamera(QString camearId, bool needCapture);
    void onUpdateFourCamViewer();
    void onUpdateCamViewSize();
    void onCameraViewChecked(bool check);
    void onCameraAddClicked();
    void onCameraMenu(QPoint point);
    void onFuncBtnClicked();
    void onSwitchChanged(bool flag);
    void onSliderChanged();
    void onBtnCamParamReset();
    void onCoorInfo(QPoint point, QColor colour);
    void onRtmpFinished();
    void onListItemMenu(QPoint point);
    void onListItemOpen(QListWidgetItem *item);
    void onCameraTimer();
    void onAutoRecordTimer();
    void onRecordTimer();
    void onRecordImageTimer();
    void onFullScreenTimer();
    void onFormatImageChanged();
    void onFormatRecordChanged();
    void onBdInfoChanged();
    void plotPrintPic(QPrinter *printer);
    void onBtnAdvanced();
    void onCameraLost(const QString &camId);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildParamPanel();
    void applyLoadedSettings();
    void retranslate();
    void leaveFullScreen();
    void enterFullScreen();
    void showInTile(int tile, const QString &path);
    bool savePhoto(const QImage &image, const QString &path);
    QListWidget *browserListOf(QObject *sender) const;
    int paramCode(const QString &row) const;
    void setSidePage(int page);
    QDateTime now() const { return m_clock(); }

    Ui::VistrelClass *ui;
    FileOperations *m_fileOps = nullptr;
    AppSettings m_settings;
    SettingsStore *m_store = nullptr;
    CameraScene *m_scene = nullptr;

    QTimer m_cameraTimer;
    QTimer m_recordTimer;
    QTimer m_fullScreenTimer;
    QTimer m_recordImageTimer;
    QTimer m_autoRecordTimer;

    QString m_currentCamera;
    QVector<CameraDeviceInfo> m_devices;
    QMap<QString, CameraSlot> m_cameras;
    QPoint m_lastPoint;

    RtmpThread *m_rtmp = nullptr;
    QString m_rtmpCamId;
    QString m_recordingPath;
    bool m_recording = false;
    bool m_blink = false;
    bool m_timedVideo = false;
    QElapsedTimer m_recordClock;
    qint64 m_lastRecordFrameMs = 0;
    int m_recordFps = 15;
    int m_expectedFinishes = 0;
    int m_recorderFramesQueued = 0;
    int m_recorderFramesRefused = 0;

    QStringList m_imageFormats;
    QStringList m_videoFormats;
    QVector<QPair<QString, QString>> m_languages; // display name, code
    QList<QAction *> m_langActions;
    IconHelp *m_iconHelp = nullptr;
    QIcon m_recordPlayingIcon;
    QIcon m_recordIcon;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    bool m_translatorInstalled = false;

    QLabel *m_hintLabel = nullptr;
    QRect m_normalGeometry;
    bool m_wasMaximized = false;
    bool m_fullScreen = false;
    qint64 m_lastStillMs = 0;
    bool m_photoFolderWarned = false;
    bool m_showingParams = false;

    MeasureEditer *m_editer = nullptr;
    CameraHub *m_hub = nullptr;

    QVector<QPushButton *> m_funcBtns;
    QVector<FuncWidget *> m_funcWidgets;
    QMap<QString, QWidget *> m_paramRows;

    std::function<QDateTime()> m_clock;
};
