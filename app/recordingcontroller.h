#pragma once

#include <QDateTime>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

#include "record/cadence.h"

#include <functional>

struct AppSettings;
class CameraScene;
class RtmpThread;

// A recording of the scene and the timed series of photos or clips. Owns the
// recorder thread, the frame feed, the blinking of the record button and the
// series' one-second tick. Every time it looks at comes from one clock that
// tests replace, so nothing here needs a real wait in a test.
class RecordingController : public QObject
{
    Q_OBJECT
public:
    // Milliseconds since the epoch.
    using Clock = std::function<qint64()>;

    RecordingController(CameraScene *scene, AppSettings *settings, QObject *parent = nullptr);
    ~RecordingController() override;

    void setClock(Clock clock) { m_clock = std::move(clock); }
    qint64 nowMs() const { return m_clock(); }
    QDateTime now() const { return QDateTime::fromMSecsSinceEpoch(m_clock()); }

    RtmpThread *recorder() const { return m_rtmp; }
    bool isRecording() const { return m_recording; }
    QString cameraId() const { return m_camId; }
    QString lastPath() const { return m_path; }
    int fps() const { return m_fps; }
    // Frames of the current or last recording handed to the recorder, and
    // those it refused for lack of queue room.
    int framesQueued() const { return m_framesQueued; }
    int framesRefused() const { return m_framesRefused; }
    // Time since the start of the current recording, by the clock.
    qint64 elapsedMs() const;

    // Starts recording the scene into path; size is the frame size to use
    // while the scene has no picture yet. deliveredFps is the rate the
    // camera was granted (0: unknown); a recording never runs faster than
    // the camera, or every other frame would be a repeat. False while a
    // recording runs.
    bool start(const QString &camId, const QString &path, const QSize &size, double deliveredFps = 0);
    // Stops at once: no more frames are taken (ended() says so), the
    // recorder writes those it has queued on its own thread, and the file
    // is listed when it is complete (stopped()). False when nothing was
    // recording.
    bool stop();
    // While a stopped recording's file is being finished.
    bool isFinishing() const { return m_stopping; }
    // Waits until it is (the program's end, or the next recording's start).
    void waitForFile();

    // The frame feed. A new camera picture in the scene is pushed here
    // (the window's frame router calls it after each one it shows); the
    // scene goes to the recorder on the recording's schedule.
    void pictureShown();
    // The schedule's turn: slots that closed without a new picture (a slow
    // camera's repeats). A timer aimed at the next slot calls it.
    void feed();
    const RecordingCadence &cadence() const { return m_cadence; }
    // Whether a frame is due at elapsed ms: the one place that decides the
    // cadence, so another scheduler can replace it.
    bool frameDue(qint64 elapsedMs) const;

    // Takes one photo of a timed series: true when it was written, else
    // false with the reason. Without one, seriesPhotoDue() stands for it.
    using PhotoTaker = std::function<bool(QString *why)>;
    void setPhotoTaker(PhotoTaker taker) { m_photoTaker = std::move(taker); }

    // Starts one clip of a timed series: true when it runs, else false with
    // the reason (an empty one: told already, tried at the next slot; a
    // reason ends the series). Without one, seriesRecordToggle() stands for it.
    using ClipStarter = std::function<bool(QString *why)>;
    void setClipStarter(ClipStarter starter) { m_clipStarter = std::move(starter); }

    // The timed series: settings are taken over, then ticked. Photos fall
    // on start + n x interval from settings.timedNext.
    void startSeries(const AppSettings &settings);
    bool isSeriesRunning() const { return m_seriesRunning; }
    // Seconds to the next shot of a running series (0 when due).
    qint64 secondsToNextShot() const;
    void endSeries();
    // The status line's words: the next shot of a photo series, the running
    // recording's time. Empty when there is none.
    QString seriesStatusText() const;
    QString recordingStatusText() const;
    void tickSeries();
    bool isTimedVideo() const { return m_timedVideo; }
    QTimer *seriesTimer() { return &m_seriesTimer; }

    // The frame rate a recording of that size runs at.
    static int recordingFps(const QSize &size);

signals:
    void started();
    // The recording took its last frame; its file is still being finished.
    void ended();
    // After the recorder has finished the file; path is listed when it exists.
    void stopped(const QString &path);
    // The record button's icon: on or off.
    void blink(bool on);
    // The recorder ended by itself while recording (a write error).
    void failed();
    // A photo or a clip of the series is due; the window takes it through
    // its usual checks (a clip: start, and later stop, like the button).
    void seriesPhotoDue();
    void seriesRecordToggle();
    // One photo or clip of the series is done.
    void seriesStepDone();
    // The series ended because a photo could not be written or a clip not started.
    void seriesFailed(const QString &why);
    // A clip of the series ended with fewer frames than its length needs;
    // it is not counted as taken.
    void clipShort(const QString &path, int frames, int needed);
    // A frame went to the recorder (for counting and checks).
    void frameSent(qint64 pts, bool repeat);

private:
    void aimSeriesTick();
    void onRecorderFinished();
    void finishFile();
    void aimFeed();
    void send(const QVector<RecordingCadence::Send> &due);

    CameraScene *m_scene;
    AppSettings *m_settings;
    RtmpThread *m_rtmp;
    Clock m_clock;

    QTimer m_blinkTimer;
    QTimer m_feedTimer;
    QTimer m_seriesTimer;

    QString m_camId;
    QString m_path;
    bool m_recording = false;
    bool m_blink = false;
    bool m_timedVideo = false;
    qint64 m_startMs = 0;
    qint64 m_lastFrameMs = 0;
    int m_fps = 15;
    bool m_showingPicture = false; // the picture shown at the start, not sent yet
    bool m_stopping = false;       // the file is being finished
    int m_handledFinishes = 0;     // finished() signals already dealt with by waitForFile()
    int m_framesQueued = 0;
    int m_framesRefused = 0;
    RecordingCadence m_cadence;
    TimedSchedule m_schedule;
    PhotoTaker m_photoTaker;
    ClipStarter m_clipStarter;
    bool m_seriesRunning = false;
};
