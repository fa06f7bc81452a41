#pragma once

#include "core/bdinfo.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QSize>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

class CameraSession;
class CameraScene;
class FileBrowser;
class FileOperations;
class QBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QToolButton;
class QWidget;
class SettingsStore;
struct AppSettings;

namespace imaging {
class LiveMosaic;
}

class MosaicWorker;

// The mosaic: the toolbar button btnMosaic and the panel beside the live
// view. Pressed, it follows the current camera while the stage moves and
// shows the fields taken; pressed again it places all fields together,
// blends them and saves the mosaic as a photo with the fields' calibration.
// "Stitch" in the photo browser's menu does the same with saved fields.
// The work runs on a thread of its own, with progress and Cancel; frames
// the worker is too busy for are not handed over, so the view never waits.
class MosaicBuilder : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QWidget *window = nullptr;
        QBoxLayout *toolbar = nullptr; // the button goes in before toolbarNext
        QWidget *toolbarNext = nullptr;
        QBoxLayout *beside = nullptr;  // the panel goes in after the view
        FileBrowser *photos = nullptr; // a saved mosaic is listed there
    };

    MosaicBuilder(const Widgets &widgets, CameraSession *session, CameraScene *scene, SettingsStore *store,
                  AppSettings *settings);
    ~MosaicBuilder() override;

    void setCalibrationSource(std::function<BDInfo(const QSize &)> source) { m_calibrationFor = std::move(source); }
    // "Stitch" among the photo browser's actions on selected photos.
    void offerIn(FileOperations *files);

    QToolButton *button() const { return m_button; }
    QWidget *panel() const { return m_panel; }
    bool isLive() const { return m_live; }
    bool isBusy() const { return m_busy; }
    int fieldCount() const { return m_thumbs.size(); }
    QString lastSaved() const { return m_lastSaved; }
    QString note() const;

    void toggle();
    void start();
    void finish();
    void cancel();
    // Fields saved before, in any order.
    void stitchFiles(const QStringList &paths);
    void retranslate();

    // From the worker (queued onto this thread).
    void onTracked(int event, QPointF view, int fields, qint64 neededBytes);
    void onFieldAdded(const QImage &thumb, const QVector<QPointF> &positions, QSize fieldSize);
    void onProgress(int percent);
    void onDone(const QString &path, const QString &message, bool ok);
    void onOutcome(int kind, const QString &path, const QStringList &names, qint64 bytes, const QString &error,
                   const QImage &preview);

private:
    void onFrame(const QString &camId);
    QImage shownPicture(const QString &camId) const;
    // To the worker, which must be idle.
    void handOver(const QImage &frame);
    void setNote(const QString &text);
    void setWorking(bool working);

    QWidget *m_window;
    FileBrowser *m_photos;
    CameraSession *m_session;
    CameraScene *m_scene;
    SettingsStore *m_store;
    AppSettings *m_settings;
    std::function<BDInfo(const QSize &)> m_calibrationFor;

    QToolButton *m_button = nullptr;
    QWidget *m_panel = nullptr;
    class MosaicView *m_view = nullptr;
    QLabel *m_note = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_close = nullptr;

    QThread *m_thread = nullptr;
    MosaicWorker *m_worker = nullptr;
    std::shared_ptr<std::atomic<bool>> m_workerIdle;
    std::shared_ptr<std::atomic<bool>> m_cancelFlag;
    bool m_live = false;
    bool m_busy = false;
    QString m_camera;
    QSize m_frameSize;
    QVector<QImage> m_thumbs;
    QString m_lastSaved;
};
