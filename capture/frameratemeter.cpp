#include "capture/frameratemeter.h"

#include <QDateTime>

void FrameRateMeter::add()
{
    addAt(QDateTime::currentMSecsSinceEpoch());
}

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
