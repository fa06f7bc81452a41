#pragma once

#include <QDateTime>
#include <QVector>

#include <deque>

// The schedule on which camera pictures are fed to the recorder.
//
// Frame n of a recording is due at start + n / fps and carries pts n, so
// the file's timing follows the wall clock whatever the camera does. A slot
// is filled with the newest camera picture when one has arrived since the
// last frame sent. A slot whose time passes without a new picture is filled
// with the previous picture again only when the camera delivers fewer
// pictures than the nominal rate (otherwise that was jitter, and the slot
// is left out rather than recorded as a duplicate).
//
// The class holds no clock and no pictures: the owner passes the time (ms,
// any monotonic origin) and sends pictures as told.
//
//     cadence.start(now);                       // when recording begins
//     on a camera picture:  for (s : cadence.frameArrived(now)) send(s);
//     on a timer (see nextDueMs()): for (s : cadence.tick(now)) send(s);
//     send(s): the previous picture if s.repeat, else the newest one, with
//              RecordingCadence::timestampMs(s.pts, fps) as its time stamp.
//
// Within one returned list, repeats come first and refer to the picture
// sent before the call; a non-repeat entry always comes last.
class RecordingCadence
{
public:
    struct Send
    {
        qint64 pts = 0;      // frame number, in 1/fps
        bool repeat = false; // the previous picture again
    };

    explicit RecordingCadence(int fps = 15);

    void start(qint64 nowMs);
    int fps() const { return m_fps; }
    bool isStarted() const { return m_started; }

    // A new camera picture arrived at nowMs.
    QVector<Send> frameArrived(qint64 nowMs);
    // Slots whose time has come by nowMs.
    QVector<Send> tick(qint64 nowMs);
    // When the next undecided slot is due, for a precise timer.
    qint64 nextDueMs() const;
    // Pictures a second the camera delivered lately (over about two
    // seconds); 0 while that is not known yet.
    double deliveredFps() const;
    // Whether the camera is measurably slower than the nominal rate.
    bool cameraSlow() const;
    // Frames sent so far, and how many of them were repeats.
    qint64 sentFrames() const { return m_sent; }
    qint64 repeatedFrames() const { return m_repeated; }

    // The millisecond time stamp that RtmpThread turns back into pts
    // exactly (it rounds down): ceil(pts * 1000 / fps).
    static int timestampMs(qint64 pts, int fps);

private:
    bool isDue(qint64 slot, qint64 nowMs) const;
    qint64 slotOf(qint64 ms) const;
    void advance(qint64 nowMs, QVector<Send> *out);

    int m_fps;
    bool m_started = false;
    qint64 m_startMs = 0;
    qint64 m_next = 0;     // the first slot not yet decided
    bool m_hasNew = false; // a picture arrived since the last send
    qint64 m_newAtMs = 0;
    bool m_anySent = false;
    qint64 m_sent = 0;
    qint64 m_repeated = 0;
    std::deque<qint64> m_arrivals; // the last ~2 s of picture times
};

// Shots of a timed run on a fixed grid: shot n is due at start + n x
// interval, however early or late the timer's ticks arrive. A tick before
// the next due time takes nothing and defers nothing; a tick after several
// due times (the program was busy) takes one shot, the latest due, and the
// ones passed over are counted as missed.
//
//     schedule.start(clock(), intervalMs, count);
//     on a tick: int n = schedule.takeDue(clock()); if (n >= 0) shoot();
//     a timer may aim at schedule.nextDue().
class TimedSchedule
{
public:
    // count 0: no end.
    void start(const QDateTime &start, qint64 intervalMs, int count = 0);
    void stop() { m_running = false; }
    bool isRunning() const { return m_running; }

    // The index of the shot to take now, or -1. After the last shot of a
    // counted run the schedule stops itself.
    int takeDue(const QDateTime &now);
    QDateTime dueTime(int n) const;
    QDateTime nextDue() const { return dueTime(m_next); }
    int taken() const { return m_taken; }
    int missed() const { return m_missed; }
    QDateTime startTime() const { return m_start; }
    qint64 intervalMs() const { return m_intervalMs; }

private:
    QDateTime m_start;
    qint64 m_intervalMs = 1000;
    int m_count = 0;
    int m_next = 0;
    int m_taken = 0;
    int m_missed = 0;
    bool m_running = false;
};
