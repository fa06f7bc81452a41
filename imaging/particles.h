#pragma once

#include <QPointF>
#include <QVector>

#include <opencv2/core.hpp>

// Particle analysis: the objects of a picture found by a threshold and
// measured at the precision of their edges. Coordinates as in imaging/edges.h
// (pixel centres at whole numbers + 0.5); lengths in pixels, areas in px^2.
namespace imaging {

enum class Objects {
    Dark,  // dark objects on a light background
    Light, // light objects on a dark background
};

struct ParticleOptions
{
    Objects objects = Objects::Dark;
    int threshold = -1; // grey level 0..255; -1: Otsu's
    bool fillHoles = true;
    int minArea = 10;        // pixels over the threshold; smaller objects are left out
    bool excludeEdge = true; // leave out objects touching the picture's edge
};

struct Particle
{
    QPointF centroid;
    double area = 0;      // from the locally normalised grey values, sub-pixel
    double perimeter = 0; // of the sub-pixel outline
    double diameter = 0;  // equivalent: of the circle of the same area
    double feretMax = 0;
    double feretMin = 0;
    double circularity = 0;   // 4 pi area / perimeter^2, 1 for a circle
    double mean = 0;          // mean grey level over its pixels
    int pixels = 0;           // pixels over the threshold
    QVector<QPointF> outline; // a simplified outline for drawing, <= 96 points
};

struct ParticleResult
{
    int threshold = 0; // the level used
    QVector<Particle> particles;
};

// Otsu's level on 8-bit grey: objects are the pixels on one side of it
// (dark: <= level, light: > level).
int otsuThreshold(const cv::Mat &grey8);
// Which kind of object the picture holds: the side of Otsu's level with
// fewer pixels.
Objects guessObjects(const cv::Mat &grey8);
// The pixels taken as objects, 255 where set; holes filled when asked.
cv::Mat objectMask(const cv::Mat &grey8, const ParticleOptions &options, int *levelUsed = nullptr);

ParticleResult analyzeParticles(const cv::Mat &grey8, const ParticleOptions &options);

} // namespace imaging
