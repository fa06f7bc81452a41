#pragma once

#include <QPointF>
#include <QSize>

#include <opencv2/core.hpp>

#include <memory>
#include <vector>

namespace imaging {

// Reference-frame pixels to another frame's pixels:
//   x' = a x - b y + tx,   y' = b x + a y + ty.
struct Similarity
{
    double a = 1.0;
    double b = 0.0;
    double tx = 0.0;
    double ty = 0.0;

    // Scaled by scale about centre, turned by angle (radians), then shifted.
    static Similarity about(QPointF centre, double scale, double angle, QPointF shift);
    double scale() const;
    double angle() const;
    QPointF map(QPointF p) const;
    // The farthest any pixel of a picture of that size moves.
    double maxMotion(QSize size) const;
    bool isIdentity(QSize size, double tolerance = 0.02) const { return maxMotion(size) <= tolerance; }
    cv::Matx23d matrix() const;
};

// The farthest any pixel of a picture of that size lands apart under s and t.
double farthestChange(const Similarity &s, const Similarity &t, QSize size);
// The similarity at a level reduced by 2^shift.
Similarity atLevel(const Similarity &s, int shift);

// Registers frames of a focus series to the first one. A grid of patches is
// located by phase correlation, first at half resolution, then at full, and
// a similarity is fitted to the patch shifts and refined until it settles.
// Each patch keeps the sharpest version of its spot seen so far, so a frame
// is matched against the best-focused picture of every spot rather than a
// blurred one (blur throws away exactly the detail a match needs).
class FrameAligner
{
public:
    FrameAligner();
    ~FrameAligner();
    FrameAligner(const FrameAligner &) = delete;
    FrameAligner &operator=(const FrameAligner &) = delete;

    // A frame's grey picture at full and half size, made once for all the
    // calls on it.
    struct Levels
    {
        cv::Mat level[2];
    };
    static Levels levels(const cv::Mat &grey);

    // grey: CV_8U or CV_32F, one channel.
    void setReference(const cv::Mat &grey);
    void setReference(const Levels &grey);
    bool hasReference() const;
    QSize referenceSize() const;
    // The motion of the frame against the reference, starting from guess.
    // False when too few patches agree (nothing in common to match on).
    bool align(const cv::Mat &grey, Similarity *found, const Similarity &guess = {}) const;
    bool align(const Levels &grey, Similarity *found, const Similarity &guess = {}) const;
    // One round at full size on half the patches, from guess: enough to tell
    // that a frame has not moved, or to place one that moved a little to
    // within a fraction of a pixel, at a fraction of align()'s cost. False
    // when too few patches agree.
    bool glance(const Levels &grey, Similarity *found, const Similarity &guess = {}) const;
    // The frame was taken with that motion: the patches it shows sharper
    // than the reference replace the reference's.
    void adopt(const cv::Mat &grey, const Similarity &motion);
    void adopt(const Levels &grey, const Similarity &motion);
    // Patches usable for matching (with texture).
    int usablePatches() const;

private:
    struct Level;
    std::vector<std::unique_ptr<Level>> m_levels;
};

} // namespace imaging
