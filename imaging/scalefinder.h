#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <opencv2/core.hpp>

// Finds the tick row of a stage micrometer in a picture: its direction and
// its pitch to a small fraction of a pixel, from the whole visible scale.
//
// A Fourier peak of the picture gives direction and pitch roughly; a profile
// along the scale, averaged across the tick row, refines the pitch (the
// peak of its spectrum), then each tick is located by its two edges and a
// straight-line fit of the tick positions over their numbers gives the
// pitch and its standard error. Half or double the pitch is caught (a
// sub-harmonic in the spectrum, ticks between the ticks) rather than
// reported.
namespace imaging {

struct ScaleFit
{
    bool found = false;
    // Why not (English, for the command line and the log).
    QString failure;
    // The first and the last tick the fit is sure of, in picture pixels
    // (pixel centres at whole numbers), on the middle of the tick row.
    QPointF first, last;
    int divisions = 0;     // pitches between first and last
    double pitch = 0;      // picture pixels per division
    double pitchError = 0; // standard error of the pitch, pixels
    double angle = 0;      // degrees of first→last, x right, y down
    int ticks = 0;         // ticks the fit used

    double length() const { return divisions * pitch; }
    double relativeError() const { return pitch > 0 ? pitchError / pitch : 0; }
};

ScaleFit findScale(const QImage &picture);
// 8-bit grey (CV_8UC1).
ScaleFit findScale(const cv::Mat &gray);

} // namespace imaging
