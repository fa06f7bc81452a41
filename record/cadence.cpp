#include "record/cadence.h"

#include <QtGlobal>

namespace {

// Over this span the camera's rate is measured.
constexpr qint64 kRateWindowMs = 2000;
// Less than this much of it says nothing yet.
constexpr qint64 kRateMinimumSpanMs = 500;
// A camera this much below the nominal rate is slow; closer is jitter.
constexpr double kSlowShare = 0.98;

} // namespace

RecordingCadence::RecordingCadence(int fps)
    : m_fps(qMax(1, fps))
{}

void RecordingCadence::start(qint64 nowMs)
{
    m_started = true;
    m_startMs = nowMs;
    m_next = 0;
    m_hasNew = false;
    m_anySent = false;
    m_sent = 0;
    m_repeated = 0;
    m_arrivals.clear();
}

int RecordingCadence::timestampMs(qint64 pts, int fps)
{
    fps = qMax(1, fps);
    return int((pts * 1000 + fps - 1) / fps);
}

bool RecordingCadence::isDue(qint64 slot, qint64 nowMs) const
{
    // Integer: start + slot * 1000 / fps <= now.
    return (nowMs - m_startMs) * m_fps >= slot * 1000;
}

qint64 RecordingCadence::slotOf(qint64 ms) const
{
    const qint64 t = ms - m_startMs;
    return t < 0 ? -1 : t * m_fps / 1000;
}

qint64 RecordingCadence::nextDueMs() const { return m_startMs + (m_next * 1000 + m_fps - 1) / m_fps; }

double RecordingCadence::deliveredFps() const
{
    if (m_arrivals.size() < 2)
        return 0;
    const qint64 span = m_arrivals.back() - m_arrivals.front();
    if (span < kRateMinimumSpanMs)
        return 0;
    return double(m_arrivals.size() - 1) * 1000.0 / double(span);
}

bool RecordingCadence::cameraSlow() const
{
    const double rate = deliveredFps();
    return rate > 0 && rate < m_fps * kSlowShare;
}

void RecordingCadence::advance(qint64 nowMs, QVector<Send> *out)
{
    while (isDue(m_next, nowMs)) {
        if (m_hasNew && slotOf(m_newAtMs) <= m_next) {
            out->append({m_next, false});
            m_hasNew = false;
            m_anySent = true;
            ++m_sent;
            ++m_next;
            continue;
        }
        // Still waiting for this slot's picture while its time lasts.
        if (!isDue(m_next + 1, nowMs))
            break;
        if (m_anySent && cameraSlow()) {
            out->append({m_next, true});
            ++m_sent;
            ++m_repeated;
        }
        ++m_next;
    }
}

QVector<RecordingCadence::Send> RecordingCadence::frameArrived(qint64 nowMs)
{
    QVector<Send> out;
    if (!m_started)
        return out;
    // Slots that closed before this picture keep the previous one.
    advance(nowMs, &out);
    m_arrivals.push_back(nowMs);
    while (m_arrivals.size() > 2 && m_arrivals.back() - m_arrivals.front() > kRateWindowMs)
        m_arrivals.pop_front();
    m_hasNew = true;
    m_newAtMs = nowMs;
    advance(nowMs, &out);
    return out;
}

QVector<RecordingCadence::Send> RecordingCadence::tick(qint64 nowMs)
{
    QVector<Send> out;
    if (m_started)
        advance(nowMs, &out);
    return out;
}

void TimedSchedule::start(const QDateTime &start, qint64 intervalMs, int count)
{
    m_start = start;
    m_intervalMs = qMax<qint64>(1, intervalMs);
    m_count = qMax(0, count);
    m_next = 0;
    m_taken = 0;
    m_missed = 0;
    m_running = true;
}

QDateTime TimedSchedule::dueTime(int n) const { return m_start.addMSecs(qint64(n) * m_intervalMs); }

int TimedSchedule::takeDue(const QDateTime &now)
{
    if (!m_running)
        return -1;
    const qint64 elapsed = m_start.msecsTo(now);
    if (elapsed < qint64(m_next) * m_intervalMs)
        return -1;
    // The latest shot whose time has come; earlier ones passed unseen.
    int n = int(elapsed / m_intervalMs);
    if (m_count > 0)
        n = qMin(n, m_count - 1);
    m_missed += n - m_next;
    m_next = n + 1;
    ++m_taken;
    if (m_count > 0 && m_next >= m_count)
        m_running = false;
    return n;
}
