#include "app/recordingcontroller.h"

#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "record/rtmpthread.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTime>

RecordingController::RecordingController(CameraScene *scene, AppSettings *settings, QObject *parent)
    : QObject(parent)
    , m_scene(scene)
    , m_settings(settings)
    , m_rtmp(new RtmpThread(this))
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    connect(m_rtmp, &QThread::finished, this, &RecordingController::onRecorderFinished);
    // Aimed at the next slot of the cadence; pictures come by pictureShown().
    m_feedTimer.setSingleShot(true);
    m_feedTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_feedTimer, &QTimer::timeout, this, &RecordingController::feed);
    connect(&m_seriesTimer, &QTimer::timeout, this, &RecordingController::tickSeries);
    connect(&m_blinkTimer, &QTimer::timeout, this, [this] {
        emit blink(m_blink);
        m_blink = !m_blink;
    });
}

RecordingController::~RecordingController()
{
    // Quitting: the file is finished before the program goes.
    stop();
    waitForFile();
}

void RecordingController::waitForFile()
{
    if (!m_stopping)
        return;
    m_rtmp->wait();
    // Its finished() is still on its way; it is this run's.
    if (m_rtmp->isFinished())
        ++m_handledFinishes;
    finishFile();
}

int RecordingController::recordingFps(const QSize &size)
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

qint64 RecordingController::elapsedMs() const
{
    // A wall clock set back must not give frames older than the last one.
    return m_recording ? qMax(m_clock() - m_startMs, m_lastFrameMs) : 0;
}

bool RecordingController::start(const QString &camId, const QString &path, const QSize &size, double deliveredFps)
{
    // The last file is finished first (its last few frames).
    waitForFile();
    if (m_rtmp->isRunning())
        return false;
    const QSize frame = m_scene->image().isNull() ? size : m_scene->image().size();
    m_scene->setRecordingClock(true);
    m_recording = true;
    m_startMs = m_clock();
    m_blink = false;
    m_lastFrameMs = 0;
    m_framesQueued = 0;
    m_framesRefused = 0;
    m_camId = camId;
    m_path = path;
    m_fps = recordingFps(frame);
    // Faster than the camera would only record repeats.
    if (deliveredFps >= 1 && deliveredFps < m_fps)
        m_fps = qMax(1, int(deliveredFps + 0.5));
    m_cadence = RecordingCadence(m_fps);
    m_cadence.start(m_startMs);
    m_rtmp->setFilePath(path);
    m_rtmp->setSize(frame.width(), frame.height());
    m_rtmp->setFps(m_fps);
    m_scene->allocateRenderBuffers();
    m_rtmp->start();
    m_blinkTimer.start(500);
    emit started();
    // The picture on screen now is the first one to record, at the first feed.
    m_showingPicture = !m_scene->image().isNull();
    aimFeed();
    return true;
}

bool RecordingController::frameDue(qint64 elapsed) const
{
    return m_cadence.isStarted() && m_cadence.nextDueMs() <= m_startMs + elapsed;
}

void RecordingController::feed()
{
    if (!m_recording)
        return;
    const qint64 now = m_startMs + elapsedMs();
    if (m_showingPicture) {
        m_showingPicture = false;
        send(m_cadence.frameArrived(now));
    } else if (frameDue(now - m_startMs)) {
        send(m_cadence.tick(now));
    }
    aimFeed();
}

void RecordingController::pictureShown()
{
    if (!m_recording || m_scene->image().isNull())
        return;
    m_showingPicture = false;
    const qint64 now = m_startMs + elapsedMs();
    // Slots that closed without a new picture come first (the cadence
    // lists them before this one): the render buffers hold the last one.
    send(m_cadence.frameArrived(now));
    aimFeed();
}

void RecordingController::aimFeed()
{
    if (!m_recording)
        return;
    // Never a busy loop, never so long that a slow camera's repeats wait.
    const qint64 wait = m_cadence.nextDueMs() - (m_startMs + elapsedMs());
    m_feedTimer.start(int(qBound<qint64>(1, wait, 100)));
}

void RecordingController::send(const QVector<RecordingCadence::Send> &due)
{
    for (const RecordingCadence::Send &s : due) {
        CameraBuffer *buffer = m_scene->renderToBuffer();
        if (!buffer) { // every render buffer is still with the encoder
            ++m_framesRefused;
            continue;
        }
        const int stamp = RecordingCadence::timestampMs(s.pts, m_fps);
        // A refused frame has its buffer given back by the recorder.
        if (m_rtmp->enqueueFrame(stamp, buffer))
            ++m_framesQueued;
        else
            ++m_framesRefused;
        m_lastFrameMs = qMax<qint64>(stamp, m_lastFrameMs);
        emit frameSent(s.pts, s.repeat);
    }
}

bool RecordingController::stop()
{
    if (!m_recording)
        return false;
    const bool wasRunning = m_rtmp->isRunning();
    m_recording = false;
    m_blink = false;
    m_feedTimer.stop();
    m_blinkTimer.stop();
    m_scene->setRecordingClock(false);
    m_camId.clear();
    m_stopping = true;
    if (m_timedVideo) {
        m_timedVideo = false;
        // The time the clip's frames cover (a busy machine's slots are
        // stretched, not lost); one short of a fifth or more was not recorded
        // as asked (no picture came, the recorder failed).
        const int needed = m_settings->timedLength * m_fps;
        const int frames = m_rtmp->failed() ? m_rtmp->encodedFrames() : m_framesQueued + m_framesRefused;
        const qint64 covered = m_rtmp->failed() ? qint64(frames) * 1000 / qMax(1, m_fps)
                                                : m_lastFrameMs + 1000 / qMax(1, m_fps);
        if (frames == 0 || covered * 5 < qint64(m_settings->timedLength) * 1000 * 4) {
            emit clipShort(m_path, frames, needed);
        } else {
            ++m_settings->timedDone;
            emit seriesStepDone();
        }
        // The next clip keeps to the series' grid, however late this stop came.
        m_settings->timedNext = m_schedule.isRunning() ? m_schedule.nextDue()
                                                       : now().addSecs(m_settings->timedInterval);
    }
    emit ended();
    // The recorder writes what it has queued and finishes the file on its
    // own thread; its finished() lists the file.
    if (wasRunning)
        m_rtmp->finish();
    else
        finishFile();
    return wasRunning;
}

void RecordingController::finishFile()
{
    if (!m_stopping)
        return;
    m_stopping = false;
    // The empty file that held the name of a recording that never began.
    if (QFileInfo(m_path).isFile() && QFileInfo(m_path).size() == 0)
        QFile::remove(m_path);
    if (QFileInfo::exists(m_path))
        m_settings->videoFiles.append(m_path);
    emit stopped(m_path);
}

void RecordingController::onRecorderFinished()
{
    if (m_handledFinishes > 0) {
        --m_handledFinishes;
        return;
    }
    // Emitted just before the thread ends.
    m_rtmp->wait();
    if (m_stopping) {
        finishFile();
    } else if (m_recording) {
        // It ended by itself (a write error).
        emit failed();
        stop();
    }
}

void RecordingController::startSeries(const AppSettings &settings)
{
    *m_settings = settings;
    AppSettings &s = *m_settings;
    s.timedActive = true;
    if (!s.timedNext.isValid())
        s.timedNext = now();
    // Shot n at start + n x interval; clip n at start + n x (length + pause).
    // Clips keep an open-ended grid: one that could not start is tried at
    // the next slot, and the count of clips done ends the run.
    if (s.timedMode == 0)
        m_schedule.start(s.timedNext, qint64(qMax(1, s.timedInterval)) * 1000, qMax(0, s.timedCount - s.timedDone));
    else
        m_schedule.start(s.timedNext, (qint64(qMax(0, s.timedLength)) + qMax(1, s.timedInterval)) * 1000);
    // A fine tick: the grid decides, the tick only looks.
    m_seriesRunning = true;
    m_seriesTimer.setTimerType(Qt::PreciseTimer);
    m_seriesTimer.start(200);
    aimSeriesTick();
}

void RecordingController::endSeries()
{
    // A clip cut short by the end of its series is neither counted nor reported.
    if (m_timedVideo && m_recording) {
        m_timedVideo = false;
        emit seriesRecordToggle();
    }
    m_schedule.stop();
    m_seriesTimer.stop();
    m_seriesRunning = false;
    m_settings->timedActive = false;
}

qint64 RecordingController::secondsToNextShot() const
{
    if (!isSeriesRunning())
        return 0;
    const QDateTime next = m_settings->timedMode == 0 ? m_schedule.nextDue() : m_settings->timedNext;
    if (!next.isValid())
        return 0;
    return qMax<qint64>(0, (now().msecsTo(next) + 999) / 1000);
}

QString RecordingController::seriesStatusText() const
{
    if (!isSeriesRunning() || m_settings->timedMode != 0)
        return QString();
    return QCoreApplication::translate("Vistrel", "下次拍摄：%1 秒后（%2/%3）")
        .arg(secondsToNextShot())
        .arg(m_settings->timedDone + 1)
        .arg(m_settings->timedCount);
}

QString RecordingController::recordingStatusText() const
{
    if (!isRecording())
        return QString();
    return QStringLiteral("REC ") + QTime(0, 0).addSecs(int(elapsedMs() / 1000)).toString(QStringLiteral("hh:mm:ss"));
}

void RecordingController::tickSeries()
{
    AppSettings &s = *m_settings;
    const QDateTime t = now();
    if (s.timedMode == 0) {
        if (s.timedDone < s.timedCount && m_schedule.takeDue(t) >= 0) {
            QString why;
            bool written = true;
            if (m_photoTaker)
                written = m_photoTaker(&why);
            else
                emit seriesPhotoDue();
            if (!written) {
                // The first failure ends the run, with its reason said once.
                endSeries();
                emit seriesFailed(why);
                return;
            }
            ++s.timedDone;
            s.timedNext = m_schedule.nextDue();
            emit seriesStepDone();
        }
    } else {
        // A slot that comes while a clip still runs (a busy program) is skipped.
        if (s.timedDone < s.timedCount && !m_timedVideo && !m_recording && m_schedule.takeDue(t) >= 0) {
            s.timedNext = m_schedule.nextDue();
            QString why;
            if (m_clipStarter) {
                if (!m_clipStarter(&why) && !why.isEmpty()) {
                    endSeries();
                    emit seriesFailed(why);
                    return;
                }
            } else {
                emit seriesRecordToggle();
            }
            m_timedVideo = m_recording;
        }
        if (m_timedVideo && elapsedMs() >= qint64(s.timedLength) * 1000)
            emit seriesRecordToggle();
    }
    if (s.timedDone >= s.timedCount) {
        s.timedActive = false;
        m_seriesTimer.stop();
        m_seriesRunning = false;
        return;
    }
    aimSeriesTick();
}

void RecordingController::aimSeriesTick()
{
    // The next tick falls on the next thing due (a shot, a clip's start or
    // its end) rather than up to a tick after it; never longer than 200 ms.
    qint64 wait = 200;
    if (m_timedVideo)
        wait = qint64(m_settings->timedLength) * 1000 - elapsedMs();
    else if (m_schedule.isRunning())
        wait = now().msecsTo(m_schedule.nextDue());
    // Overdue here means held up (a recording still running): the usual pace.
    if (wait <= 0 || wait > 200)
        wait = 200;
    if (m_seriesTimer.isActive())
        m_seriesTimer.setInterval(int(wait));
}
