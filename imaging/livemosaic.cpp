#include "imaging/livemosaic.h"

#include "imaging/cvimage.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace imaging {

namespace {

constexpr int kTrackWidth = 320;

bool hasPair(const QVector<FieldPair> &pairs, int a, int b)
{
    for (const FieldPair &p : pairs)
        if ((p.a == a && p.b == b) || (p.a == b && p.b == a))
            return true;
    return false;
}

} // namespace

double LiveMosaic::sharpness(const cv::Mat &grey) const
{
    // At half size: a sub-pixel place softens the finest detail, motion
    // smears far more than that.
    cv::Mat half, lap;
    cv::pyrDown(grey, half);
    cv::Laplacian(half, lap, CV_32F);
    cv::Scalar mean, sd;
    cv::meanStdDev(lap, mean, sd);
    return sd[0] * sd[0];
}

QSize LiveMosaic::extentWith(cv::Point2d view) const
{
    double x0 = view.x, y0 = view.y, x1 = view.x + fieldSize().width(), y1 = view.y + fieldSize().height();
    for (const cv::Point2d &p : m_positions) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x + fieldSize().width());
        y1 = std::max(y1, p.y + fieldSize().height());
    }
    return QSize(int(std::ceil(x1 - x0)) + 1, int(std::ceil(y1 - y0)) + 1);
}

void LiveMosaic::solve()
{
    const Placement placement = solvePlacements(m_fields.size(), m_pairs, m_options.mosaic);
    for (int i = 0; i < m_fields.size(); ++i) {
        if (placement.placed[i])
            m_positions[i] = placement.positions[i];
    }
    // The pairs that disagreed are gone for good.
    m_pairs = placement.used;
}

LiveMosaic::Update LiveMosaic::add(const QImage &frame, double addBelow)
{
    Update u;
    if (frame.isNull() || (!m_fields.isEmpty() && frame.size() != fieldSize())) {
        u.event = Event::Lost;
        u.fields = m_fields.size();
        return u;
    }
    cv::Mat grey = toGray8(frame);
    if (grey.data == frame.constBits())
        grey = grey.clone();
    const QImage own = frame.format() == QImage::Format_RGB32 ? frame : frame.convertToFormat(QImage::Format_RGB32);
    cv::Mat small;
    const int sw = std::min(kTrackWidth, grey.cols);
    cv::resize(grey, small, cv::Size(sw, std::max(1, grey.rows * sw / grey.cols)), 0, 0, cv::INTER_AREA);
    small.convertTo(small, CV_32F);

    if (m_fields.isEmpty()) {
        m_smallScale = double(grey.cols) / small.cols;
        m_fields.append(own);
        m_greys.append(grey);
        m_positions.append(cv::Point2d(0, 0));
        m_lastSmall = small;
        m_view = cv::Point2d(0, 0);
        u.event = Event::Added;
        u.placed = true;
        u.fields = 1;
        return u;
    }

    // Where the view went since the last frame: the picture moved by t, the
    // view by -t.
    cv::Point2d predicted = m_view;
    double speed = 0;
    {
        cv::Mat window;
        cv::createHanningWindow(window, small.size(), CV_32F);
        double response = 0;
        const cv::Point2d t = cv::phaseCorrelate(m_lastSmall, small, window, &response);
        if (response > 0.02) {
            predicted = m_view - t * m_smallScale;
            speed = std::hypot(t.x, t.y) / small.cols;
        }
    }
    m_lastSmall = small;

    // Placed against the field it overlaps most, so that the track never drifts.
    const QSize fs = fieldSize();
    int best = -1;
    double bestShare = 0;
    for (int j = 0; j < m_fields.size(); ++j) {
        const double share = overlapShare(fs, predicted - m_positions[j]);
        if (share > bestShare) {
            bestShare = share;
            best = j;
        }
    }
    u.fields = m_fields.size();
    if (best < 0 || bestShare < m_options.minOverlap) {
        m_view = predicted;
        u.view = QPointF(m_view.x, m_view.y);
        u.event = Event::Lost;
        return u;
    }
    const std::optional<FieldPair> onBest = refineShift(m_greys[best], grey, predicted - m_positions[best],
                                                        m_options.mosaic);
    if (!onBest) {
        m_view = predicted;
        u.view = QPointF(m_view.x, m_view.y);
        u.event = Event::Lost;
        return u;
    }
    m_view = m_positions[best] + onBest->shift;
    u.view = QPointF(m_view.x, m_view.y);
    u.placed = true;

    double most = 0;
    QVector<int> overlapping;
    for (int j = 0; j < m_fields.size(); ++j) {
        const double share = overlapShare(fs, m_view - m_positions[j]);
        most = std::max(most, share);
        if (j != best && share >= m_options.minOverlap)
            overlapping.append(j);
    }

    if (most >= (addBelow > 0 ? addBelow : m_options.addBelow)) {
        // Covered ground: the frame may link fields that were not linked yet.
        bool linked = false;
        for (int j : overlapping) {
            if (hasPair(m_pairs, best, j))
                continue;
            const std::optional<FieldPair> onJ = refineShift(m_greys[j], grey, m_view - m_positions[j],
                                                             m_options.mosaic);
            if (!onJ)
                continue;
            // frame = p_best + s_best = p_j + s_j
            FieldPair link;
            link.a = best;
            link.b = j;
            link.shift = onBest->shift - onJ->shift;
            link.correlation = std::min(onBest->correlation, onJ->correlation);
            m_pairs.append(link);
            linked = true;
        }
        if (linked) {
            solve();
            m_view = m_positions[best] + onBest->shift;
            u.view = QPointF(m_view.x, m_view.y);
            u.event = Event::Refined;
        }
        return u;
    }

    // Far enough for a new field: only a sharp one, taken while slow. Sharp
    // against the same ground in the field it overlaps, whatever the
    // specimen's own detail there.
    {
        const cv::Point id(int(std::lround(onBest->shift.x)), int(std::lround(onBest->shift.y)));
        const cv::Rect inField = cv::Rect(id.x, id.y, fs.width(), fs.height())
                                 & cv::Rect(0, 0, fs.width(), fs.height());
        const double before = sharpness(m_greys[best](inField));
        const double now = sharpness(grey(inField - id));
        if (now < m_options.blurRatio * before || speed > 0.08) {
            u.event = Event::Blurred;
            return u;
        }
    }
    const QSize extent = extentWith(m_view);
    if (mosaicBytes(extent, m_options.mosaic) > memoryAllowance(m_options.mosaic)) {
        u.event = Event::TooLarge;
        u.neededBytes = mosaicBytes(extent, m_options.mosaic);
        return u;
    }
    const int index = m_fields.size();
    m_fields.append(own);
    m_greys.append(grey);
    m_positions.append(m_view);
    FieldPair first = *onBest;
    first.a = best;
    first.b = index;
    m_pairs.append(first);
    for (int j : overlapping) {
        if (std::optional<FieldPair> p = refineShift(m_greys[j], grey, m_view - m_positions[j], m_options.mosaic)) {
            p->a = j;
            p->b = index;
            m_pairs.append(*p);
        }
    }
    solve();
    m_view = m_positions[index];
    u.view = QPointF(m_view.x, m_view.y);
    u.event = Event::Added;
    u.fields = m_fields.size();
    return u;
}

Composed LiveMosaic::finish(const MosaicProgress &progress) const
{
    const Placement placement = solvePlacements(m_fields.size(), m_pairs, m_options.mosaic);
    const cv::Mat gain = m_options.mosaic.evenVignetting ? estimateGain(m_greys) : cv::Mat();
    return composeMosaic(m_fields, placement, gain, m_options.mosaic, progress);
}

} // namespace imaging
