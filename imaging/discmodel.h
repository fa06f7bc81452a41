#pragma once

#include <QPointF>

#include <opencv2/core.hpp>

// A round edge as the picture shows it: a disc blurred by a Gaussian (the
// optics and the pixels' area together) on a background lit unevenly, the
// disc passing a fixed fraction of the light. A blurred curved edge pulls
// its gradient's peak toward the centre of curvature by an amount that only
// to first order is sigma^2 / 2R; fitting this model to the grey values
// themselves puts the edge where it is. Coordinates as in imaging/edges.h.
namespace imaging {

struct DiscEdge
{
    bool ok = false;
    QPointF centre;
    double radius = 0;
    double sigma = 0;    // the blur, px
    double contrast = 0; // the disc's light relative to the background's, less 1
    double rms = 0;      // of the kept pixels, grey levels
    int pixels = 0;      // kept
};

struct DiscWindow
{
    double band = 6; // the pixels within this distance of the starting circle
    QPointF near;    // and, when nearRadius > 0, within nearRadius of near
    double nearRadius = 0;
    bool curvedLight = false; // a quadratic background instead of a plane
    double maxRadius = 1e9;   // an outline this straight is left at that
};

// The blurred disc's value at distance rho from its centre: 1 deep inside,
// 0 far outside.
double blurredDisc(double rho, double radius, double sigma);

// Fits centre, radius, blur, contrast and background to the grey values
// (8-bit or float, one channel) of the window, from the circle and blur given;
// pixels that do not follow the model (a neighbour, a speck) are dropped.
DiscEdge fitDiscEdge(const cv::Mat &grey, const QPointF &centre, double radius, double sigma, const DiscWindow &window);

} // namespace imaging
