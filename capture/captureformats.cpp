#include "capture/captureformats.h"

#include "capture/frameconverter.h"
#include "capture/subtypes.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Sizes of one capability that the model row allows.
void collectSizes(const FormatCapability &cap, const QVector<QSize> &allowed, QVector<QSize> *out)
{
    if (cap.isDiscrete()) {
        out->append(cap.minimum);
        return;
    }
    for (const QSize &s : allowed) {
        if (cap.contains(s))
            out->append(s);
    }
}

// Nearest value of min, min+step, ... max to `want`; ties keep the earlier.
int nearestOnGrid(int min, int max, int step, int want, bool *exact)
{
    *exact = false;
    int best = 999999;
    for (int v = min; v <= max; v += step) {
        if (v == want) {
            *exact = true;
            return v;
        }
        if (std::abs(v - want) < std::abs(best - want))
            best = v;
        if (v > want)
            break; // the grid only moves away from here
    }
    return best;
}

} // namespace

bool FormatCapability::contains(const QSize &size) const
{
    if (size.width() < minimum.width() || size.width() > maximum.width() || size.height() < minimum.height()
        || size.height() > maximum.height())
        return false;
    const int sw = stepWidth > 0 ? stepWidth : 1;
    const int sh = stepHeight > 0 ? stepHeight : 1;
    return (size.width() - minimum.width()) % sw == 0 && (size.height() - minimum.height()) % sh == 0;
}

int FrameTimes::nearest(int frameTime) const
{
    if (frameTime <= 0)
        return frameTime;
    // Nearest in frames per second; between two as near, the faster.
    const double want = 1e7 / frameTime;
    auto better = [&](int t, int best) {
        const double a = std::abs(1e7 / t - want);
        const double b = std::abs(1e7 / best - want);
        return a < b - 0.01 || (std::abs(a - b) <= 0.01 && t < best);
    };
    int best = 0;
    for (int t : discrete) {
        if (t > 0 && (best == 0 || better(t, best)))
            best = t;
    }
    if (discrete.isEmpty() && maximum > 0) {
        const int step = qMax(1, this->step);
        const int clamped = qBound(minimum, frameTime, maximum);
        const int below = minimum + (clamped - minimum) / step * step;
        best = below;
        if (below + step <= maximum && better(below + step, below))
            best = below + step;
    }
    return best > 0 ? best : frameTime;
}

QVector<QSize> acceptedSizes(const QVector<FormatCapability> &offered, const QVector<QSize> &allowed)
{
    QVector<QSize> sizes;
    for (const FormatCapability &cap : offered) {
        if (FrameConverter::isSupported(cap.pixelFormat))
            collectSizes(cap, allowed, &sizes);
    }
    sizes.erase(std::remove_if(sizes.begin(), sizes.end(), [&](const QSize &sz) { return !allowed.contains(sz); }),
                sizes.end());
    // Width breaks area ties so that equal sizes always end up side by side.
    std::stable_sort(sizes.begin(), sizes.end(), [](const QSize &a, const QSize &b) {
        const qint64 aa = qint64(a.width()) * a.height();
        const qint64 bb = qint64(b.width()) * b.height();
        return aa != bb ? aa < bb : a.width() < b.width();
    });
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

bool closestOfferedSize(const QVector<FormatCapability> &offered, const QSize &want, QSize *size, int *subtypeIndex)
{
    const int wantW = want.width();
    const int wantH = want.height();
    int bestW = 9999999;
    int bestH = 9999999;
    int bestIndex = -1;
    qint64 bestDistance = std::abs(qint64(bestW) - wantW) + std::abs(qint64(bestH) - wantH);
    for (const FormatCapability &cap : offered) {
        const int index = subtype::indexOfPixelFormat(cap.pixelFormat);
        if (index < 0 || !FrameConverter::isSupported(cap.pixelFormat))
            continue;
        const int stepW = cap.isDiscrete() ? 1 : cap.stepWidth;
        const int stepH = cap.isDiscrete() ? 1 : cap.stepHeight;
        if (stepW <= 0 || stepH <= 0)
            continue;
        bool exactW = false;
        bool exactH = false;
        const int w = nearestOnGrid(cap.minimum.width(), cap.maximum.width(), stepW, wantW, &exactW);
        const int h = nearestOnGrid(cap.minimum.height(), cap.maximum.height(), stepH, wantH, &exactH);
        if (exactW && exactH) {
            *size = want;
            *subtypeIndex = index;
            return true;
        }
        const qint64 distance = std::abs(qint64(h) - wantH) + std::abs(qint64(w) - wantW);
        if (distance < bestDistance) {
            bestDistance = distance;
            bestW = w;
            bestH = h;
            bestIndex = index;
        }
    }
    if (bestIndex < 0)
        return false;
    *size = QSize(bestW, bestH);
    *subtypeIndex = bestIndex;
    return true;
}
