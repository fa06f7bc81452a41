#pragma once

#include <QRectF>
#include <QVector>

// The one rule by which things drawn over a picture share it: overlays keep
// to the corners and step aside for one another; shape labels keep clear of
// the overlays and of each other. Coordinates are the painter's (view pixels
// on screen, picture pixels in saved pictures, prints and recordings).
namespace overlaylayout {

// Corners as the scale bar numbers them: 0 top left, 1 top right, 2 bottom left, 3 bottom right.
//
// A box of `size` in `corner` of `area`, `margin` from both its edges. Where
// that place meets one of `taken` (kept `gap` apart) it moves away from the
// corner's edge past it (up from a bottom corner, down from a top one), and
// where that runs out of the area, sideways towards the middle instead. The
// corner's own place when nothing is free (the area is too small).
QRectF placeInCorner(const QSizeF &size, int corner, const QRectF &area, double margin, const QVector<QRectF> &taken,
                     double gap);

// `box` moved by whole pixels to lie inside `area` where it fits; a box wider
// or taller than the area keeps its left or top edge inside.
QRectF keepInside(const QRectF &box, const QRectF &area);

// The free place nearest to `natural` (moved by whole pixels, kept inside
// `area`, `gap` away from every one of `taken`); `natural` itself when it is
// free, and also when no place near it is (then *free is false). The search
// stops after `budget` box comparisons.
QRectF placeLabel(const QRectF &natural, const QRectF &area, const QVector<QRectF> &taken, double gap,
                  bool *free = nullptr, qint64 budget = 50000);

// The comparisons each of `labels` labels may spend, so that a picture full
// of them (hundreds of particles, a large shapes file) is laid out within a
// frame's time; a few labels get the whole search.
qint64 labelBudget(int labels);

// A label moved this far from its own place gets a line back to its shape.
bool needsLeader(const QRectF &natural, const QRectF &placed);

} // namespace overlaylayout
