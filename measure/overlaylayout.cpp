#include "measure/overlaylayout.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace overlaylayout {

namespace {

const QRectF *firstHit(const QRectF &box, const QVector<QRectF> &taken, double gap)
{
    const QRectF grown = box.adjusted(-gap, -gap, gap, gap);
    for (const QRectF &t : taken) {
        if (!t.isEmpty() && grown.intersects(t))
            return &t;
    }
    return nullptr;
}

bool inside(const QRectF &box, const QRectF &area)
{
    constexpr double e = 1e-6;
    return box.left() >= area.left() - e && box.top() >= area.top() - e && box.right() <= area.right() + e
           && box.bottom() <= area.bottom() + e;
}

} // namespace

QRectF placeInCorner(const QSizeF &size, int corner, const QRectF &area, double margin, const QVector<QRectF> &taken,
                     double gap)
{
    const bool left = corner == 0 || corner == 2;
    const bool top = corner == 0 || corner == 1;
    const QRectF own(QPointF(left ? area.left() + margin : area.right() - margin - size.width(),
                             top ? area.top() + margin : area.bottom() - margin - size.height()),
                     size);
    if (!firstHit(own, taken, gap))
        return own;
    // Each step clears the box it met, so a walk ends after at most as many
    // steps as there are boxes.
    for (bool vertical : {true, false}) {
        QRectF box = own;
        for (int step = 0; step <= taken.size(); ++step) {
            const QRectF *hit = firstHit(box, taken, gap);
            if (!hit)
                return box;
            if (vertical)
                box.moveTop(top ? hit->bottom() + gap : hit->top() - gap - size.height());
            else
                box.moveLeft(left ? hit->right() + gap : hit->left() - gap - size.width());
            if (!inside(box, area))
                break;
        }
    }
    return own;
}

QRectF keepInside(const QRectF &box, const QRectF &area)
{
    auto shift = [](double low, double high, double lowEdge, double highEdge) {
        double d = 0.0;
        if (high > highEdge)
            d = std::floor(highEdge - high);
        if (low + d < lowEdge)
            d = std::ceil(lowEdge - low);
        return d;
    };
    return box.translated(shift(box.left(), box.right(), area.left(), area.right()),
                          shift(box.top(), box.bottom(), area.top(), area.bottom()));
}

QRectF placeLabel(const QRectF &natural, const QRectF &area, const QVector<QRectF> &taken, double gap, bool *free,
                  qint64 budget)
{
    if (free)
        *free = true;
    if (!firstHit(natural, taken, gap))
        return natural;
    // Whole-pixel steps of a quarter of the block's height, out to a few
    // blocks' size: the nearest free place wins.
    const int step = qMax(2, int(natural.height() / 4));
    const int reach = int(qMax(160.0, 6 * qMax(natural.height(), natural.width() / 2)));
    const int n = reach / step;
    struct Offset
    {
        int dx, dy;
        long long d2;
    };
    // Labels of one size share their order of trials: made once, not per label.
    thread_local int cachedStep = 0;
    thread_local int cachedN = -1;
    thread_local QVector<Offset> offsets;
    if (cachedStep != step || cachedN != n) {
        offsets.clear();
        offsets.reserve((2 * n + 1) * (2 * n + 1));
        for (int j = -n; j <= n; ++j) {
            for (int i = -n; i <= n; ++i)
                offsets.append({i * step, j * step, 1LL * i * i + 1LL * j * j});
        }
        std::stable_sort(offsets.begin(), offsets.end(), [](const Offset &a, const Offset &b) { return a.d2 < b.d2; });
        cachedStep = step;
        cachedN = n;
    }
    // Only boxes within reach can be met: thousands of labels (a large
    // shapes file) must not make every search walk all of them.
    QRectF region;
    for (int dy : {-n * step, n * step})
        for (int dx : {-n * step, n * step})
            region |= keepInside(natural.translated(dx, dy), area);
    region.adjust(-gap, -gap, gap, gap);
    QVector<QRectF> near;
    for (const QRectF &t : taken) {
        if (!t.isEmpty() && region.intersects(t))
            near.append(t);
    }
    // A bounded search: in a crowd with no room the label stays where it is.
    qint64 spent = 0;
    for (const Offset &o : qAsConst(offsets)) {
        const QRectF box = keepInside(natural.translated(o.dx, o.dy), area);
        if (!firstHit(box, near, gap))
            return box;
        spent += near.size();
        if (spent > budget)
            break;
    }
    if (free)
        *free = false;
    return natural;
}

qint64 labelBudget(int labels)
{
    constexpr qint64 kWhole = 50000; // one label's full search
    constexpr qint64 kAll = 1000000; // all labels of one layout together
    return qBound<qint64>(200, kAll / qMax(1, labels), kWhole);
}

bool needsLeader(const QRectF &natural, const QRectF &placed)
{
    return QLineF(natural.center(), placed.center()).length() > qMax(24.0, 1.5 * natural.height());
}

} // namespace overlaylayout
