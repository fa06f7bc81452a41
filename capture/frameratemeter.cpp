#include "capture/frameratemeter.h"

#include <QDateTime>

void FrameRateMeter::add() { addAt(QDateTime::currentMSecsSinceEpoch()); }

void FrameRateMeter::addAt(qint64 ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_count == kCapacity) {
        m_first = (m_first + 1) % kCapacity;
        --m_count;
    }
    m_times[(m_first + m_count) % kCapacity] = ms;
    ++m_count;
    dropOld(ms);
}

void FrameRateMeter::dropOld(qint64 now)
{
    while (m_count > 0 && now - m_times[m_first] > kWindowMs) {
        m_first = (m_first + 1) % kCapacity;
        --m_count;
    }
}

double FrameRateMeter::rate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_count < 2)
        return 0.0;
    const qint64 span = m_times[(m_first + m_count - 1) % kCapacity] - m_times[m_first];
    return span > 0 ? (m_count - 1) * 1000.0 / span : 0.0;
}

double FrameRateMeter::rateAt(qint64 now) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int first = m_first;
    int count = m_count;
    while (count > 0 && now - m_times[first] > kWindowMs) {
        first = (first + 1) % kCapacity;
        --count;
    }
    if (count < 2)
        return 0.0;
    const qint64 oldest = m_times[first];
    const qint64 newest = m_times[(first + count - 1) % kCapacity];
    const qint64 interval = (newest - oldest) / (count - 1);
    // Up to one interval after the newest frame is the usual wait for the next.
    const qint64 span = qMax(newest - oldest, now - oldest - interval);
    return span > 0 ? (count - 1) * 1000.0 / span : 0.0;
}

qint64 FrameRateMeter::lastAt() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_count > 0 ? m_times[(m_first + m_count - 1) % kCapacity] : 0;
}

int FrameRateMeter::count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_count;
}

void FrameRateMeter::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_first = 0;
    m_count = 0;
}
