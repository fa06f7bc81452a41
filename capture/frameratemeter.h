#pragma once

#include <QtGlobal>

#include <mutex>

// Frames per second over the last three seconds. add() is called by the
// capture thread, rate() by anyone; a fixed ring keeps add() allocation-free.
class FrameRateMeter
{
public:
    static constexpr qint64 kWindowMs = 3000;
    static constexpr int kCapacity = 1024;

    void add();
    void addAt(qint64 ms);
    double rate() const;
    // The rate as seen at now: frames older than the window are left out,
    // and the time since the newest frame counts, so that the rate of a
    // camera that stopped falls to 0 instead of holding its last value.
    double rateAt(qint64 now) const;
    // When the newest frame came; 0 before any.
    qint64 lastAt() const;
    int count() const;
    void clear();

private:
    void dropOld(qint64 now);

    mutable std::mutex m_mutex;
    qint64 m_times[kCapacity] = {};
    int m_first = 0;
    int m_count = 0;
};
