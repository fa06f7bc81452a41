#pragma once

#include "imaging/flatfield.h"

#include <QtGlobal>

#include <atomic>
#include <memory>
#include <mutex>

// Applies one camera's flat-field tables to its converted frames on the
// capture thread. The tables are in the sensor's orientation (as the frame
// arrives, before flips), so turning a flip on keeps them right.
//
// The GUI thread swaps tables with setTable; the capture thread picks a new
// one up with a try-lock and keeps using the previous one while the lock is
// busy, so it never waits.
class FlatFieldCorrection
{
public:
    using Table = std::shared_ptr<const imaging::FlatFieldTable>;

    // Null (or a table of another size than the frames) turns it off.
    void setTable(Table table);
    Table table() const;
    bool isActive() const { return m_active.load(std::memory_order_relaxed); }

    // Capture thread: corrects a BGRX frame in place. width × height is the
    // frame as written, the full frame reduced by denominator (1, 2, 4, 8).
    // False when no table of the full size is set.
    bool apply(uchar *bgrx, int width, int height, int stride, int denominator, bool mirror, bool flipVertical);

    // Any thread, with a table it holds (the GUI thread's full-size photo).
    static bool applyTable(const imaging::FlatFieldTable &table, uchar *bgrx, int width, int height, int stride,
                           int denominator, bool mirror, bool flipVertical);

private:
    mutable std::mutex m_mutex;
    Table m_next;
    std::atomic<bool> m_changed{false};
    std::atomic<bool> m_active{false};
    Table m_current; // capture thread only
};

namespace flatfield {
// One row of full-size pixels: n pixels of dst times the gains (and less the
// dark offsets, when given), gains read backwards from their end when
// reversed. SSE2 where available. Exposed for the benchmark.
void correctRow(quint32 *dst, int n, const quint16 *gain, const quint8 *dark, bool reversed);
} // namespace flatfield
