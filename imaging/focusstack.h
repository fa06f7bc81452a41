#pragma once

#include "imaging/framealigner.h"

#include <QImage>
#include <QPointF>
#include <QSize>

#include <opencv2/core.hpp>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// Extended depth of field: one sharp picture from a focus series.
//
// Frames are registered to the first one (a similarity: shift, scale and a
// little rotation, as a focus drive moves the picture), then folded one by
// one into a Laplacian pyramid that keeps, at every level and pixel, the
// coefficient of the frame with the most local energy there; the coarsest
// level is the frames' mean. Only that pyramid, its energy maps and a few
// small maps are kept, never the frames, so memory does not grow with the
// number of frames. Choosing per level rather than per pixel gives the blend
// of a multi-resolution spline for free: each frame's detail enters at the
// scale where it is sharpest, so there are no seams between the frames'
// regions.
namespace imaging {

struct FocusStackOptions
{
    bool align = true;
    // Keep a map of which frame each place is sharpest in.
    bool depthMap = false;
    // A frame counts when at least this fraction of the picture gets
    // noticeably sharper with it; 0 takes every frame.
    double minGain = 0.005;
};

// The streaming fusion. add() is prepare() then merge(); a caller with two
// threads runs prepare() of the next frame while merge() of the last one
// runs (each half is called in frame order, one at a time).
class FocusStack
{
public:
    enum class Outcome {
        Merged,     // folded in
        Skipped,    // adds no sharpness
        NotAligned, // nothing in common with the reference to register on
        WrongSize,  // too different in size to bridge
        Invalid,    // null picture
    };
    struct FrameResult
    {
        Outcome outcome = Outcome::Invalid;
        Similarity motion;
        double gain = 0.0; // the fraction of the picture it sharpened
    };
    struct Prepared;

    explicit FocusStack(const FocusStackOptions &options = {});
    ~FocusStack();
    FocusStack(const FocusStack &) = delete;
    FocusStack &operator=(const FocusStack &) = delete;

    FrameResult add(const QImage &frame);
    std::unique_ptr<Prepared> prepare(const QImage &frame, FrameResult *result);
    void merge(std::unique_ptr<Prepared> prepared);

    // Frames may differ this much in size from the first (as a fraction of
    // each side); the rest is the registration's job.
    static constexpr double kSizeTolerance = 0.02;
    static bool sizesCompatible(QSize reference, QSize frame);

    QSize size() const;
    int offered() const { return m_offered; }
    int merged() const { return m_merged; }
    bool isEmpty() const { return m_merged == 0; }

    // The fused picture so far, reduced so that its longer side is at most
    // maxSide (cheap: only the coarse levels are collapsed).
    QImage preview(int maxSide) const;
    // The fused picture at full size: RGB32, or Grayscale8 for grey frames.
    QImage result() const;
    // Grey: 0 where the first merged frame is sharpest, 255 the last one;
    // null unless asked for in the options.
    QImage depthMap() const;

    // Where the time went so far (wall seconds, each stage on the thread
    // that ran it).
    struct Timings
    {
        double convert = 0;  // to grey and to working pixels
        double align = 0;    // registration
        double gain = 0;     // does the frame sharpen anything
        double warp = 0;     // resampling moved frames
        double pyramid = 0;  // building the frame's pyramid
        double select = 0;   // local energy and keeping the stronger
        double collapse = 0; // the full-size result
    };
    Timings timings() const;

private:
    struct State;
    cv::Mat collapseTo(int stop) const;
    cv::Mat gainBlocks(const cv::Mat &half, const Similarity &motion, QSize frameSize) const;
    double gainOf(const cv::Mat &blocks) const;

    std::unique_ptr<State> d;
    FocusStackOptions m_options;
    int m_offered = 0;
    int m_merged = 0;
};

// Runs a series through a stack with reading and registering of the next
// frame on one thread while the last one is merged on another. load(i)
// returns frame i or a null image with *why set. progress(done, total) may
// return false to stop; it is called on the calling thread. Returns false
// when a frame could not be read (why says which) or the run was stopped.
struct SeriesReport
{
    std::vector<FocusStack::FrameResult> frames;
    int failedIndex = -1; // the frame that could not be loaded
    QString why;
    bool cancelled = false;
    double loadSeconds = 0; // spent in load(), on the reading thread
};
bool fuseSeries(FocusStack *stack, int count, const std::function<QImage(int, QString *)> &load, SeriesReport *report,
                const std::function<bool(int, int)> &progress = {}, const std::atomic<bool> *cancel = nullptr);

} // namespace imaging
