#pragma once

#include "core/bdinfo.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

class CameraHub;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class CameraSession;
class FileOperations;
class FocusStackPanel;
class SettingsStore;
class QThread;
class QToolButton;
struct AppSettings;

namespace imaging {
class FocusStack;
}

class FileBrowser;
class QBoxLayout;
class QLayoutItem;

// The focus stack's window beside the main one: how many frames are in,
// the fused picture so far, the progress of the last step, and the choice of
// a depth map.
class FocusStackPanel : public QWidget
{
    Q_OBJECT
public:
    explicit FocusStackPanel(QWidget *parent);

    QLabel *hint() const { return m_hint; }
    QLabel *count() const { return m_count; }
    QLabel *preview() const { return m_preview; }
    QProgressBar *progress() const { return m_progress; }
    QCheckBox *depthMap() const { return m_depth; }
    QPushButton *finishButton() const { return m_finish; }
    QPushButton *cancelButton() const { return m_cancel; }

    enum class Mode { Live, Files, Fusing, Done };
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    void showPreview(const QImage &image);
    void retranslate();

private:
    QLabel *m_hint;
    QLabel *m_count;
    QLabel *m_preview;
    QProgressBar *m_progress;
    QCheckBox *m_depth;
    QPushButton *m_finish;
    QPushButton *m_cancel;
    Mode m_mode = Mode::Live;
};

// Focus stacking in the window: the toolbar button btnFocusStack (press,
// turn the focus through the object, press again) and "景深合成" on photos
// selected in the browser. The fusion runs on a thread of its own; the live
// view goes on. The window hands the worker a copy of the newest full frame
// only when it is free, so the camera never waits and frames the worker
// cannot take are simply not copied. The result is an ordinary photo with
// the calibration in force (the first photo's for files), and on request
// the depth map beside it.
class FocusStacker : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QWidget *window = nullptr;
        QBoxLayout *toolbar = nullptr; // the button goes in before toolbarEnd
        QLayoutItem *toolbarEnd = nullptr;
        FileBrowser *photos = nullptr;
    };

    FocusStacker(const Widgets &widgets, CameraSession *session, SettingsStore *store, AppSettings *settings,
                 FileOperations *files);
    ~FocusStacker() override;

    void setCalibrationSource(std::function<BDInfo(const QSize &)> source) { m_calibrationFor = std::move(source); }

    QToolButton *button() const { return m_button; }
    FocusStackPanel *panel() const { return m_panel; }
    bool isCollecting() const { return m_collecting; }
    bool isBusy() const { return m_busy; }
    // Frames of the live collection the worker has looked at, and merged.
    int offered() const { return m_offered; }
    int merged() const { return m_merged; }

    // Live: the button's two presses.
    bool start();
    void finish();
    void cancel();
    // Photos from the browser, fused in the order given.
    bool stackFiles(const QStringList &paths);

    void retranslate();

signals:
    // A fusion ended: the photo written (empty when cancelled or failed)
    // and the depth map (empty unless asked for).
    void done(const QString &photo, const QString &depth);

private:
    void onFrame(const QString &camId);
    void onFrameDone(int merged, int offered, const QImage &preview);
    void save();
    void stopCollecting();
    void onSaved(const QString &photo, const QString &depth, const QString &error, const QImage &preview);
    void setButtonChecked(bool checked);
    void listPhoto(const QString &path);
    QString depthPathFor(const QString &photo) const;

    QWidget *m_window;
    FileBrowser *m_photos;
    CameraSession *m_session;
    SettingsStore *m_store;
    AppSettings *m_settings;
    CameraHub *m_hub;
    std::function<BDInfo(const QSize &)> m_calibrationFor;

    QToolButton *m_button = nullptr;
    FocusStackPanel *m_panel = nullptr;
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr; // lives on m_thread: work is posted to it
    std::shared_ptr<imaging::FocusStack> m_stack;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QMetaObject::Connection m_frames;

    QString m_camera;          // the camera being collected from
    bool m_collecting = false; // frames are taken
    bool m_busy = false;       // a fusion is on the worker
    bool m_inFlight = false;   // the worker holds a frame
    bool m_finishPending = false;
    QSize m_frameSize;
    int m_merged = 0;
    int m_offered = 0;
    int m_run = 0; // which collection or fusion the worker's answers are for
};
