#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

#include <opencv2/core.hpp>

#include <functional>
#include <optional>

// Mosaics: fields of view that overlap, placed against each other by phase
// correlation over their overlaps, then all placed together by least squares
// over every overlapping pair (so errors do not add up along a row), blended
// at the seams with the camera's vignetting evened out.
//
// Positions are the fields' top-left corners in pixels; a pair's shift is
// where field b lies relative to field a (p_b - p_a).
namespace imaging {

struct MosaicOptions
{
    // The smallest overlap of two fields that counts, as a share of the
    // field's width and of its height, each.
    double minOverlap = 0.04;
    // The normalised cross-correlation the overlap must reach.
    double minCorrelation = 0.3;
    // A second placement reaching this share of the best one's correlation
    // makes the pair ambiguous (a repeating pattern): it is not used.
    double ambiguity = 0.85;
    // Pairs that disagree with the common solution by more pixels are dropped.
    double maxDisagreement = 1.5;
    // The fields' common brightness fall-off divided out.
    bool evenVignetting = true;
    // Seams: each band of detail blended over a width of its own (coarse
    // shading over a wide stretch, fine detail at a sharp seam, so a
    // misplacement of a pixel shows no double edges); or one wide feather.
    enum class Blend { MultiBand, Feather } blend = Blend::MultiBand;
    // Rows of the mosaic worked at once (0: the default); the picture does
    // not depend on it.
    int blendRows = 0;
    // Bytes the finished mosaic may take; 0: half the memory available now.
    qint64 memoryLimit = 0;
};

struct FieldPair
{
    int a = -1;
    int b = -1;
    cv::Point2d shift; // p_b - p_a
    double correlation = 0;
};

// Told the share done (0..1); returning false cancels.
using MosaicProgress = std::function<bool(double)>;

// Where b lies relative to a, searched over the whole fields (any order, any
// direction). Nothing when they do not overlap by enough or the answer is
// ambiguous. Grey 8-bit pictures of one size.
std::optional<FieldPair> matchFields(const cv::Mat &greyA, const cv::Mat &greyB, const MosaicOptions &options = {});

// The same near a known shift (from tracking or a stage), to a fraction of a
// pixel; nothing when the overlap there does not correlate.
std::optional<FieldPair> refineShift(const cv::Mat &greyA, const cv::Mat &greyB, cv::Point2d guess,
                                     const MosaicOptions &options = {});

// How much two fields of that size overlap at that shift: the smaller of the
// width and height shares (0 when apart).
double overlapShare(const QSize &field, cv::Point2d shift);

struct Placement
{
    QVector<cv::Point2d> positions; // the first placed field at 0,0
    QVector<bool> placed;           // false: linked to none of the largest group
    QVector<FieldPair> used;
    QVector<FieldPair> dropped; // disagreed with the others
};

// All placements at once, least squares over every pair, dropping the pair
// that disagrees most until every pair agrees. Fields not linked to the
// largest group are not placed.
Placement solvePlacements(int count, const QVector<FieldPair> &pairs, const MosaicOptions &options = {});

// The fields' common brightness fall-off at full field size (1 at its
// brightest), from the fields themselves: the median of all fields, fitted
// by a smooth surface. Empty when there are too few fields or the fall-off
// is too small to matter.
cv::Mat estimateGain(const QVector<cv::Mat> &greys);

// Bytes a mosaic of that size needs to be made (the picture and the work
// buffers); the memory the options allow.
qint64 mosaicBytes(const QSize &size, const MosaicOptions &options = {});
qint64 memoryAllowance(const MosaicOptions &options);

struct Composed
{
    QImage image;              // RGB32
    QVector<QPointF> topLefts; // each field's top-left corner in the image; placed fields only
    qint64 neededBytes = 0;    // set when refused for its size
    bool cancelled = false;
};

// Draws the placed fields into one picture. Refused (null image, neededBytes
// set) before anything is allocated when it would take more than allowed.
Composed composeMosaic(const QVector<QImage> &fields, const Placement &placement, const cv::Mat &gain,
                       const MosaicOptions &options = {}, const MosaicProgress &progress = {});

struct MosaicResult
{
    QImage image;
    QVector<QPointF> topLefts; // per field; meaningful where placed
    QVector<bool> placed;
    QVector<int> unplaced;   // fields that could not be placed
    QVector<int> unreadable; // fields of another size than the first, or empty
    qint64 neededBytes = 0;  // refused for its size
    bool cancelled = false;
    bool ok() const { return !image.isNull() && unplaced.isEmpty() && unreadable.isEmpty(); }
};

// Fields in any order: every pair matched, all placed together, composed.
// With requireAll, nothing is composed when a field cannot be placed.
MosaicResult stitch(const QVector<QImage> &fields, const MosaicOptions &options = {},
                    const MosaicProgress &progress = {}, bool requireAll = true);

} // namespace imaging
