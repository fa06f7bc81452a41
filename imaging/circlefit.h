#pragma once

#include <QPointF>
#include <QVector>

#include <opencv2/core.hpp>

// Circles fitted to outlines. Coordinates as in imaging/edges.h.
namespace imaging {

struct CircleFit
{
    bool ok = false;
    QPointF centre;
    double radius = 0;
    double residual = 0; // RMS distance of the kept edge points from the circle, px
    int points = 0;      // edge points kept
    int rejected = 0;    // edge points dropped as outliers
};

// Least-squares circle through the points (geometric distances, from an
// algebraic start), dropping points farther than 3 robust deviations and
// fitting again.
CircleFit fitCircle(const QVector<QPointF> &points);

// The outline of the round object around `seed` (a click inside it or on
// its edge): edge points on rays from the seed, a first fit, then sub-pixel
// edge points on rays from its centre, refitted with outliers dropped, and
// last the blurred disc fitted to the grey values around that outline (see
// imaging/discmodel.h). maxRadius bounds the search (picture pixels).
CircleFit fitCircleAt(const cv::Mat &grey, const QPointF &seed, double maxRadius = 250);

} // namespace imaging
