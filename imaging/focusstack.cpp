#include "imaging/focusstack.h"

#include "imaging/cvimage.h"
#include "imaging/stackpixels.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <future>
#include <mutex>

namespace imaging {

// ------------------------------------------------------------ FocusStack

namespace {

// Frames as 8-bit BGRA (RGB32) or grey.
QImage normalised(const QImage &frame, bool grey)
{
    if (grey)
        return frame.format() == QImage::Format_Grayscale8 ? frame : frame.convertToFormat(QImage::Format_Grayscale8);
    switch (frame.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32: return frame;
    default: return frame.convertToFormat(QImage::Format_RGB32);
    }
}

// Local energy of the detail at one pyramid level: over 5 x 5.
constexpr int kEnergyRadius = 2;
// The depth map is decided at a quarter of the size, over a wider window.
constexpr int kDepthLevel = 2;
constexpr int kDepthRadius = 4;
// A frame sharpens a block when its detail energy there grows this much.
constexpr double kGainFactor = 1.25;
constexpr int kGainBlock = 16; // half-resolution pixels
// The blocks are measured again when the registration moved the frame by
// more than this (px) from where they were first measured.
constexpr double kBlockDrift = 2.0;
// Below this anywhere in the picture a frame counts as not moved: the
// registration of a blurred frame is not surer than that, and resampling
// softens it more than such a misregistration would.
constexpr double kStillMotion = 0.15; // px

// Wall time of a stage, added up.
class StageClock
{
public:
    explicit StageClock(double *total)
        : m_total(total)
        , m_start(std::chrono::steady_clock::now())
    {}
    ~StageClock() { stop(); }
    void stop()
    {
        if (!m_total)
            return;
        *m_total += std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        m_total = nullptr;
    }

private:
    double *m_total;
    std::chrono::steady_clock::time_point m_start;
};

} // namespace

struct FocusStack::State
{
    QSize size;
    bool grey = false;
    FrameAligner aligner;
    Similarity lastMotion;
    cv::Mat bestBlocks;

    int levels = 0;
    std::vector<cv::Mat> fused; // one band per level
    std::vector<cv::Mat> best;  // the energy each fused coefficient came with
    cv::Mat residualSum;
    int residualCount = 0;
    cv::Mat depthBest;
    cv::Mat depthIndex;

    // Work pictures kept from frame to frame: allocating them anew each
    // time costs more than the arithmetic (the kernel clears fresh pages).
    std::vector<cv::Mat> gauss, band, energy, local;
    cv::Mat wide;
    cv::Mat warpRows; // the warp's first pass
    // prepare() and merge() add to stages of their own, so the two threads
    // never write the same one.
    Timings times;
    std::mutex poolLock;
    std::vector<cv::Mat> pool; // frame-sized buffers the merge has finished with

    cv::Mat take()
    {
        std::lock_guard<std::mutex> lock(poolLock);
        if (pool.empty())
            return {};
        cv::Mat m = pool.back();
        pool.pop_back();
        return m;
    }
    void give(cv::Mat m)
    {
        std::lock_guard<std::mutex> lock(poolLock);
        if (!m.empty() && pool.size() < 3)
            pool.push_back(m);
    }
};

// Detail energy per block at half size, in the reference's geometry.
cv::Mat FocusStack::gainBlocks(const cv::Mat &half, const Similarity &motion, QSize frameSize) const
{
    cv::Mat source = half;
    if (!motion.isIdentity(d->size, 1e-9) || frameSize != d->size) {
        // Into a picture of its own: the frame's half size is still needed.
        cv::Mat warped;
        const QSize halfSize((d->size.width() + 1) / 2, (d->size.height() + 1) / 2);
        cv::warpAffine(half, warped, atLevel(motion, 1).matrix(), cv::Size(halfSize.width(), halfSize.height()),
                       cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
        source = warped;
    }
    cv::Mat lap;
    cv::Laplacian(source, lap, CV_32F);
    lap = lap.mul(lap);
    cv::Mat blocks;
    cv::resize(lap, blocks, cv::Size(std::max(1, source.cols / kGainBlock), std::max(1, source.rows / kGainBlock)), 0,
               0, cv::INTER_AREA);
    return blocks;
}

// The fraction of the blocks that are noticeably sharper than the best so far.
double FocusStack::gainOf(const cv::Mat &blocks) const
{
    if (d->bestBlocks.empty())
        return 1.0;
    int sharper = 0;
    for (int y = 0; y < blocks.rows; ++y) {
        const float *n = blocks.ptr<float>(y);
        const float *b = d->bestBlocks.ptr<float>(y);
        for (int x = 0; x < blocks.cols; ++x)
            sharper += n[x] > kGainFactor * b[x] + 0.5f;
    }
    return double(sharper) / double(blocks.total());
}

struct FocusStack::Prepared
{
    cv::Mat image; // working pixels in reference geometry
};

FocusStack::FocusStack(const FocusStackOptions &options)
    : d(std::make_unique<State>())
    , m_options(options)
{}

FocusStack::~FocusStack() = default;

bool FocusStack::sizesCompatible(QSize reference, QSize frame)
{
    if (reference.isEmpty() || frame.isEmpty())
        return false;
    return std::abs(frame.width() - reference.width()) <= kSizeTolerance * reference.width() + 0.5
           && std::abs(frame.height() - reference.height()) <= kSizeTolerance * reference.height() + 0.5;
}

QSize FocusStack::size() const { return d->size; }

FocusStack::FrameResult FocusStack::add(const QImage &frame)
{
    FrameResult result;
    std::unique_ptr<Prepared> prepared = prepare(frame, &result);
    if (prepared)
        merge(std::move(prepared));
    return result;
}

std::unique_ptr<FocusStack::Prepared> FocusStack::prepare(const QImage &frame, FrameResult *result)
{
    *result = FrameResult();
    ++m_offered;
    if (frame.isNull())
        return nullptr;
    const bool first = d->size.isEmpty();
    if (first) {
        d->size = frame.size();
        d->grey = frame.format() == QImage::Format_Grayscale8;
    } else if (!sizesCompatible(d->size, frame.size())) {
        result->outcome = Outcome::WrongSize;
        return nullptr;
    }
    StageClock convertClock(&d->times.convert);
    const QImage image = normalised(frame, d->grey);
    const cv::Mat pixels = wrap(image);
    cv::Mat grey8;
    if (d->grey)
        grey8 = pixels;
    else
        cv::cvtColor(pixels, grey8, cv::COLOR_BGRA2GRAY);
    const FrameAligner::Levels grey = FrameAligner::levels(grey8);
    convertClock.stop();

    // A frame of another size starts centre on centre, the others where
    // the last one was (a focus drive moves the picture gradually).
    Similarity motion = d->lastMotion;
    if (frame.size() != d->size) {
        motion = Similarity();
        motion.tx = (frame.width() - d->size.width()) / 2.0;
        motion.ty = (frame.height() - d->size.height()) / 2.0;
    }
    // A glance (one round of the registration) places the frame well enough
    // to ask whether it sharpens anything, which blocks of 32 pixels hardly
    // notice a fraction of a pixel of; only a frame that does (few, in a
    // live series) is then registered in full, and only when the glance
    // did not show it still.
    StageClock alignClock(&d->times.align);
    const Similarity guessed = motion;
    bool registered = true; // or nothing to register
    if (first) {
        if (m_options.align)
            d->aligner.setReference(grey);
    } else if (m_options.align && d->aligner.hasReference()) {
        Similarity glanced;
        registered = false;
        if (d->aligner.glance(grey, &glanced, guessed)) {
            registered = frame.size() == d->size && glanced.isIdentity(d->size, kStillMotion);
            motion = registered ? Similarity() : glanced;
        } else if (!d->aligner.align(grey, &motion, guessed)) {
            result->outcome = Outcome::NotAligned;
            return nullptr;
        } else {
            registered = true;
        }
    }
    alignClock.stop();
    StageClock gainClock(&d->times.gain);
    const Similarity measuredAt = motion;
    cv::Mat blocks = gainBlocks(grey.level[1], motion, frame.size());
    result->motion = motion;
    result->gain = gainOf(blocks);
    gainClock.stop();
    if (!first && m_options.minGain > 0 && result->gain < m_options.minGain) {
        result->outcome = Outcome::Skipped;
        return nullptr;
    }
    if (!registered) {
        StageClock clock(&d->times.align);
        if (!d->aligner.align(grey, &motion, guessed)) {
            result->outcome = Outcome::NotAligned;
            return nullptr;
        }
    }
    // What is too small to trust is not applied, nor carried to the next
    // frame, nor into the patches it lends the registration: otherwise the
    // noise of each estimate would add up over the series.
    if (frame.size() == d->size && motion.isIdentity(d->size, kStillMotion))
        motion = Similarity();
    result->motion = motion;
    d->lastMotion = motion;
    if (farthestChange(motion, measuredAt, d->size) > kBlockDrift) {
        StageClock clock(&d->times.gain);
        blocks = gainBlocks(grey.level[1], motion, frame.size());
        result->gain = gainOf(blocks);
        if (m_options.minGain > 0 && result->gain < m_options.minGain) {
            result->outcome = Outcome::Skipped;
            return nullptr;
        }
    }
    if (first)
        d->bestBlocks = blocks;
    else
        cv::max(d->bestBlocks, blocks, d->bestBlocks);
    if (!first && m_options.align) {
        StageClock adoptClock(&d->times.align);
        d->aligner.adopt(grey, motion);
    }
    const bool moved = !motion.isIdentity(d->size, 1e-9) || frame.size() != d->size;

    auto prepared = std::make_unique<Prepared>();
    cv::Mat working = d->take();
    {
        StageClock clock(&d->times.convert);
        toWorking(pixels, working);
    }
    if (moved) {
        StageClock clock(&d->times.warp);
        prepared->image = d->take();
        warpLanczos(working, prepared->image, motion, cv::Size(d->size.width(), d->size.height()), d->warpRows);
        d->give(working);
    } else {
        prepared->image = working;
    }
    result->outcome = Outcome::Merged;
    return prepared;
}

void FocusStack::merge(std::unique_ptr<Prepared> prepared)
{
    if (!prepared || prepared->image.empty())
        return;
    State &s = *d;
    const bool first = s.fused.empty();
    if (first) {
        const int side = std::min(s.size.width(), s.size.height());
        s.levels = 0;
        while (s.levels < 8 && (side >> (s.levels + 1)) >= 8)
            ++s.levels;
        s.fused.resize(size_t(s.levels));
        s.best.resize(size_t(s.levels));
    }
    s.gauss.resize(size_t(s.levels + 1));
    s.band.resize(size_t(s.levels));
    s.energy.resize(size_t(s.levels));
    s.local.resize(size_t(s.levels));
    s.gauss[0] = prepared->image;
    for (int l = 0; l < s.levels; ++l) {
        const cv::Mat &level = s.gauss[size_t(l)];
        cv::Mat &band = s.band[size_t(l)];
        cv::Mat &energy = s.energy[size_t(l)];
        StageClock pyramidClock(&s.times.pyramid);
        cv::pyrDown(level, s.gauss[size_t(l + 1)]);
        cv::pyrUp(s.gauss[size_t(l + 1)], band, level.size());
        bandAndEnergy(level, band, energy);
        pyramidClock.stop();
        StageClock selectClock(&s.times.select);
        cv::Mat &local = s.local[size_t(l)];
        windowSums(energy, local, kEnergyRadius);
        if (first) {
            s.fused[size_t(l)] = band.clone();
            s.best[size_t(l)] = local.clone();
        } else {
            keepStronger(band, local, s.fused[size_t(l)], s.best[size_t(l)]);
        }
        if (m_options.depthMap && l == std::min(kDepthLevel, s.levels - 1)) {
            windowSums(local, s.wide, kDepthRadius);
            if (first) {
                s.depthBest = s.wide.clone();
                s.depthIndex = cv::Mat::zeros(s.wide.size(), CV_8U);
            } else {
                const uchar index = uchar(std::min(m_merged, 255));
                const cv::Mat stronger = s.wide > s.depthBest;
                s.depthIndex.setTo(index, stronger);
                cv::max(s.depthBest, s.wide, s.depthBest);
            }
        }
        if (l == 0) {
            // The frame itself is no longer needed: its buffer goes back.
            s.give(prepared->image);
            prepared.reset();
            s.gauss[0] = cv::Mat();
        }
    }
    const cv::Mat &level = s.gauss[size_t(s.levels)];
    if (s.residualSum.empty())
        level.convertTo(s.residualSum, CV_32F);
    else
        cv::add(s.residualSum, level, s.residualSum, cv::noArray(), CV_32F);
    ++s.residualCount;
    ++m_merged;
}

QImage FocusStack::result() const
{
    if (m_merged == 0)
        return {};
    StageClock clock(&d->times.collapse);
    return fromWorking(collapseTo(0));
}

FocusStack::Timings FocusStack::timings() const { return d->times; }

QImage FocusStack::preview(int maxSide) const
{
    if (m_merged == 0)
        return {};
    int stop = 0;
    while (stop < d->levels && std::max(d->size.width(), d->size.height()) >> stop > maxSide)
        ++stop;
    return fromWorking(collapseTo(stop));
}

cv::Mat FocusStack::collapseTo(int stop) const
{
    const State &s = *d;
    cv::Mat image;
    s.residualSum.convertTo(image, CV_16S, 1.0 / std::max(1, s.residualCount));
    for (int l = s.levels - 1; l >= stop; --l) {
        cv::Mat up;
        cv::pyrUp(image, up, s.fused[size_t(l)].size());
        cv::add(up, s.fused[size_t(l)], image);
    }
    return image;
}

QImage FocusStack::depthMap() const
{
    if (d->depthIndex.empty() || m_merged == 0)
        return {};
    cv::Mat scaled;
    d->depthIndex.convertTo(scaled, CV_8U, m_merged > 1 ? 255.0 / (m_merged - 1) : 0.0);
    cv::medianBlur(scaled, scaled, 5);
    cv::Mat full;
    cv::resize(scaled, full, cv::Size(d->size.width(), d->size.height()), 0, 0, cv::INTER_LINEAR);
    return toQImage(full);
}

// ------------------------------------------------------------ fuseSeries

bool fuseSeries(FocusStack *stack, int count, const std::function<QImage(int, QString *)> &load, SeriesReport *report,
                const std::function<bool(int, int)> &progress, const std::atomic<bool> *cancel)
{
    struct Step
    {
        std::unique_ptr<FocusStack::Prepared> prepared;
        FocusStack::FrameResult result;
        bool loaded = false;
        QString why;
        double loadSeconds = 0;
    };
    auto step = [&](int i) {
        Step s;
        const auto started = std::chrono::steady_clock::now();
        const QImage frame = load(i, &s.why);
        s.loadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        s.loaded = !frame.isNull();
        if (s.loaded)
            s.prepared = stack->prepare(frame, &s.result);
        return s;
    };
    auto stopped = [&] { return cancel && cancel->load(); };
    report->frames.clear();
    report->loadSeconds = 0;
    std::future<Step> ahead;
    if (count > 0)
        ahead = std::async(std::launch::async, step, 0);
    for (int i = 0; i < count; ++i) {
        Step s = ahead.get();
        report->loadSeconds += s.loadSeconds;
        if (!s.loaded) {
            report->failedIndex = i;
            report->why = s.why;
            return false;
        }
        if (i + 1 < count && !stopped())
            ahead = std::async(std::launch::async, step, i + 1);
        // The next frame is read and registered while this one is merged.
        if (s.prepared)
            stack->merge(std::move(s.prepared));
        report->frames.push_back(s.result);
        if ((progress && !progress(i + 1, count)) || stopped()) {
            if (ahead.valid())
                ahead.wait();
            report->cancelled = true;
            return false;
        }
    }
    return true;
}

} // namespace imaging
