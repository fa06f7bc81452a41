#pragma once

#include <QDateTime>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

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
    // while the scene has no picture yet. False while a recording runs.
    bool start(const QString &camId, const QString &path, const QSize &size);
    // Stops, lets the recorder write what it has queued (5 s at most) and
    // lists the file. False when nothing was running.
    bool stop();

    // The frame feed: hands the scene to the recorder when a frame is due.
    // The feed timer calls it every 10 ms.
    void feed();
    // Whether a frame is due at elapsed ms: the one place that decides the
    // cadence, so another scheduler can replace it.
    bool frameDue(qint64 elapsedMs) const;

    // The timed series: settings are taken over, then ticked once a second.
    void startSeries(const AppSettings &settings);
    void endSeries();
    void tickSeries();
    bool isTimedVideo() const { return m_timedVideo; }
    QTimer *seriesTimer() { return &m_seriesTimer; }

    // The frame rate a recording of that size runs at.
    static int recordingFps(const QSize &size);

signals:
    void started();
    // After the recorder has ended; path is listed when the file exists.
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

private:
    void onRecorderFinished();

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
    int m_expectedFinishes = 0;
    int m_framesQueued = 0;
    int m_framesRefused = 0;
};
