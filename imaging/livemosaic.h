#pragma once

#include "imaging/mosaic.h"

#include <QImage>
#include <QPointF>
#include <QVector>

#include <opencv2/core.hpp>

// A mosaic grown from a live camera while the stage moves: each frame is
// placed by phase correlation (against the field it overlaps most, so the
// track does not drift; frame to frame while between fields), and becomes a
// new field when the view has moved far enough with enough overlap left.
// Coming back over fields already taken links them again (the loop closes)
// instead of adding copies. A frame that cannot be placed, or is blurred by
// motion, is never added.
namespace imaging {

class LiveMosaic
{
public:
    struct Options
    {
        // A new field when the view overlaps no field by more than this share.
        double addBelow = 0.7;
        // Placing a frame needs at least this share of overlap with a field.
        double minOverlap = 0.15;
        // Blurred: under this share of the sharpness the field it overlaps
        // has over the same ground.
        double blurRatio = 0.55;
        MosaicOptions mosaic;
    };

    enum class Event {
        Tracked,  // placed, nothing to add
        Added,    // became a field
        Refined,  // linked two fields taken earlier
        Blurred,  // would have been a field, too blurred
        Lost,     // cannot be placed: too little overlap or no agreement
        TooLarge, // a field here would make the mosaic larger than allowed
    };

    struct Update
    {
        Event event = Event::Tracked;
        QPointF view; // the frame's top-left corner in field 0's pixels
        bool placed = false;
        int fields = 0;
        qint64 neededBytes = 0; // for TooLarge
    };

    LiveMosaic() = default;
    explicit LiveMosaic(const Options &options)
        : m_options(options)
    {}

    // One frame (any size the first one had; RGB32). The first becomes field 0.
    // addBelow overrides the option's (the last view before finishing is
    // taken unless a field already shows nearly all of it).
    Update add(const QImage &frame, double addBelow = -1);

    int fieldCount() const { return m_fields.size(); }
    const QVector<QImage> &fields() const { return m_fields; }
    // Positions as solved so far (all fields, field 0 at 0,0).
    const QVector<cv::Point2d> &positions() const { return m_positions; }
    const QVector<FieldPair> &pairs() const { return m_pairs; }
    QSize fieldSize() const { return m_fields.isEmpty() ? QSize() : m_fields.first().size(); }

    // All placements at once, then the picture.
    Composed finish(const MosaicProgress &progress = {}) const;

private:
    double sharpness(const cv::Mat &grey) const;
    void solve();
    QSize extentWith(cv::Point2d view) const;

    Options m_options;
    QVector<QImage> m_fields;
    QVector<cv::Mat> m_greys;
    QVector<cv::Point2d> m_positions;
    QVector<FieldPair> m_pairs;
    cv::Mat m_lastSmall;
    double m_smallScale = 1;
    cv::Point2d m_view;
    bool m_tracking = false;
};

} // namespace imaging
