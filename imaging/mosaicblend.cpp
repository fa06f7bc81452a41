#include "imaging/mosaic.h"

#include "imaging/cvimage.h"

#include <QFile>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <mutex>
#include <vector>

namespace imaging {

// ------------------------------------------------------------ composition

namespace {

// The blend's pyramid: levels of detail, each half the size of the one before.
constexpr int kLevels = 5;
constexpr int kAlign = 1 << (kLevels - 1);
// Rows above and below a band that its pyramid needs: beyond them the
// coarsest level's reach has faded.
constexpr int kBandMargin = 4 * kAlign;
// Room around a field's part of a band for its blurred mask.
constexpr int kFieldMargin = 2 * kAlign;

int roundUp(int v, int m) { return (v + m - 1) / m * m; }

int rowsPerBand(const MosaicOptions &o)
{
    const int rows = o.blendRows > 0 ? o.blendRows : 256;
    return o.blend == MosaicOptions::Blend::MultiBand ? roundUp(rows, kAlign) : rows;
}

} // namespace

qint64 mosaicBytes(const QSize &size, const MosaicOptions &o)
{
    // The RGB32 picture, plus the work rows of a band per thread.
    const qint64 pixels = qint64(size.width()) * size.height();
    const int threads = std::max(1, cv::getNumThreads());
    const int rows = rowsPerBand(o);
    qint64 band = 0;
    if (o.blend == MosaicOptions::Blend::Feather) {
        // Three colours and a weight as floats.
        band = qint64(size.width()) * rows * 16;
    } else {
        // The pyramids of the sums and weights (a third more than their
        // finest level), the owner of each pixel, one level's worth while
        // collapsing, and a field's own pyramids over the band.
        const qint64 width = roundUp(size.width(), kAlign);
        const qint64 height = roundUp(rows + 2 * kBandMargin, kAlign);
        const qint64 fieldWidth = std::min<qint64>(width, 4096);
        band = width * height * (16 * 4 / 3 + 2 + 12) + fieldWidth * height * 64;
    }
    return pixels * 4 + band * threads;
}

qint64 memoryAllowance(const MosaicOptions &o)
{
    if (o.memoryLimit > 0)
        return o.memoryLimit;
    qint64 available = 0;
    QFile info(QStringLiteral("/proc/meminfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("MemAvailable:")) {
                available = line.mid(13).trimmed().split(' ').value(0).toLongLong() * 1024;
                break;
            }
        }
    }
    if (available <= 0)
        available = qint64(2) << 30;
    // A QImage holds at most 2 GiB.
    return std::min(available / 2, (qint64(2) << 30) - 1);
}

namespace {

struct Placed
{
    cv::Mat pixels; // BGRA
    cv::Point2d at; // in the mosaic
    cv::Rect cover; // whole pixels it touches
};

// Every field of a size weighs its pixels alike: feathered toward the rim
// (seams fade), and over the vignetting gain (its fall-off divided out).
struct Weights
{
    cv::Size size;
    cv::Mat feather; // w
    cv::Mat colour;  // w / gain
    cv::Mat inverse; // 1 / gain; empty without one
};

const Weights &weightsOf(const std::vector<Weights> &maps, const cv::Size &size)
{
    for (const Weights &m : maps)
        if (m.size == size)
            return m;
    return maps.front();
}

// The part of a field at its sub-pixel place: dst(x, y) = src(x + ox, y + oy).
void warpInto(const cv::Mat &src, cv::Mat &dst, double ox, double oy, const cv::Size &size, int interpolation)
{
    const cv::Mat shift = (cv::Mat_<double>(2, 3) << 1, 0, ox, 0, 1, oy);
    cv::warpAffine(src, dst, shift, size, interpolation | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
}

// Whole-pixel range of field rows/columns that land on a part of the mosaic.
struct Span
{
    int dx, dy; // field pixel = part pixel + (dx, dy)
    int x0, x1; // part columns the field covers
};

Span spanOf(const Placed &f, const cv::Rect &part)
{
    Span s;
    s.dx = int(std::lround(part.x - f.at.x));
    s.dy = int(std::lround(part.y - f.at.y));
    s.x0 = std::max(0, -s.dx);
    s.x1 = std::min(part.width, f.pixels.cols - s.dx);
    return s;
}

using BandDone = std::function<bool()>;

void featherBands(const std::vector<Placed> &placed, const std::vector<Weights> &maps, QImage &image, int bandRows,
                  const BandDone &bandDone)
{
    const QSize size = image.size();
    const int bands = (size.height() + bandRows - 1) / bandRows;
    std::atomic<bool> cancelled{false};
    cv::parallel_for_(cv::Range(0, bands), [&](const cv::Range &range) {
        cv::Mat acc, weights, warped;
        for (int band = range.start; band < range.end && !cancelled; ++band) {
            const cv::Rect rows(0, band * bandRows, size.width(), std::min(bandRows, size.height() - band * bandRows));
            acc.create(rows.height, rows.width, CV_32FC3);
            weights.create(rows.height, rows.width, CV_32F);
            acc.setTo(0);
            weights.setTo(0);
            for (const Placed &f : placed) {
                const cv::Rect part = f.cover & rows;
                if (part.empty())
                    continue;
                const Weights &m = weightsOf(maps, f.pixels.size());
                warpInto(f.pixels, warped, part.x - f.at.x, part.y - f.at.y, part.size(), cv::INTER_LINEAR);
                const Span s = spanOf(f, part);
                for (int y = 0; y < part.height; ++y) {
                    const int fy = y + s.dy;
                    if (fy < 0 || fy >= f.pixels.rows)
                        continue;
                    const uchar *src = warped.ptr<uchar>(y);
                    const float *fwt = m.feather.ptr<float>(fy) + s.dx;
                    const float *cwt = m.colour.ptr<float>(fy) + s.dx;
                    float *a = acc.ptr<float>(part.y - rows.y + y) + 3 * part.x;
                    float *wt = weights.ptr<float>(part.y - rows.y + y) + part.x;
                    for (int x = s.x0; x < s.x1; ++x) {
                        const float k = cwt[x];
                        a[3 * x + 0] += k * src[4 * x + 0];
                        a[3 * x + 1] += k * src[4 * x + 1];
                        a[3 * x + 2] += k * src[4 * x + 2];
                        wt[x] += fwt[x];
                    }
                }
            }
            for (int y = 0; y < rows.height; ++y) {
                const float *a = acc.ptr<float>(y);
                const float *wt = weights.ptr<float>(y);
                QRgb *dst = reinterpret_cast<QRgb *>(image.scanLine(rows.y + y));
                for (int x = 0; x < rows.width; ++x) {
                    if (wt[x] <= 0) {
                        dst[x] = qRgb(0, 0, 0);
                        continue;
                    }
                    const float inv = 1.f / wt[x];
                    auto c = [&](int ch) { return std::clamp(int(a[3 * x + ch] * inv + 0.5f), 0, 255); };
                    dst[x] = qRgb(c(2), c(1), c(0));
                }
            }
            if (!bandDone())
                cancelled = true;
        }
    });
}

// Burt and Adelson's blend: every field's Laplacian pyramid, each level
// weighed by the same level of the Gaussian pyramid of the field's mask
// (the pixels where it is the field nearest its own middle), summed, and
// the sum collapsed. Worked a band of rows at a time, with margins the
// coarsest level needs, so memory stays a few rows of the mosaic.
void multiBandBands(const std::vector<Placed> &placed, const std::vector<Weights> &maps, QImage &image, int bandRows,
                    const BandDone &bandDone)
{
    const QSize size = image.size();
    const int width = roundUp(size.width(), kAlign);
    const int bands = (size.height() + bandRows - 1) / bandRows;
    std::atomic<bool> cancelled{false};
    cv::parallel_for_(cv::Range(0, bands), [&](const cv::Range &range) {
        cv::Mat acc[kLevels], wsum[kLevels];
        cv::Mat best, owner, warped, inverse, colour, up;
        cv::Mat g[kLevels], m[kLevels];
        for (int band = range.start; band < range.end && !cancelled; ++band) {
            const int r0 = band * bandRows, r1 = std::min(size.height(), r0 + bandRows);
            const int e0 = std::max(0, r0 - kBandMargin);
            const int height = roundUp(std::min(size.height(), r1 + kBandMargin) - e0, kAlign);
            const cv::Rect region(0, e0, width, height); // in the mosaic
            for (int k = 0; k < kLevels; ++k) {
                acc[k].create(height >> k, width >> k, CV_32FC3);
                wsum[k].create(height >> k, width >> k, CV_32F);
                acc[k].setTo(0);
                wsum[k].setTo(0);
            }
            // Who owns each pixel: the field whose feather weighs most there.
            best.create(height, width, CV_32F);
            best.setTo(0);
            owner.create(height, width, CV_16S);
            owner.setTo(-1);
            for (size_t i = 0; i < placed.size(); ++i) {
                const Placed &f = placed[i];
                const cv::Rect part = f.cover & region;
                if (part.empty())
                    continue;
                const Weights &w = weightsOf(maps, f.pixels.size());
                const Span s = spanOf(f, part);
                for (int y = 0; y < part.height; ++y) {
                    const int fy = y + s.dy;
                    if (fy < 0 || fy >= f.pixels.rows)
                        continue;
                    const float *fw = w.feather.ptr<float>(fy) + s.dx;
                    float *b = best.ptr<float>(part.y - e0 + y) + part.x;
                    short *o = owner.ptr<short>(part.y - e0 + y) + part.x;
                    for (int x = s.x0; x < s.x1; ++x) {
                        if (fw[x] > b[x]) {
                            b[x] = fw[x];
                            o[x] = short(i);
                        }
                    }
                }
            }
            for (size_t i = 0; i < placed.size(); ++i) {
                const Placed &f = placed[i];
                const cv::Rect part = f.cover & region;
                if (part.empty())
                    continue;
                // The field's part with room for its mask's blur, on the grid
                // of the coarsest level, in the band's own pixels.
                const int x0 = std::max(0, (part.x - kFieldMargin) / kAlign * kAlign);
                const int y0 = std::max(0, (part.y - e0 - kFieldMargin) / kAlign * kAlign);
                const int x1 = std::min(width, roundUp(part.x + part.width + kFieldMargin, kAlign));
                const int y1 = std::min(height, roundUp(part.y - e0 + part.height + kFieldMargin, kAlign));
                const cv::Rect roi(x0, y0, x1 - x0, y1 - y0);
                cv::compare(owner(roi), cv::Scalar(int(i)), m[0], cv::CMP_EQ);
                if (cv::countNonZero(m[0]) == 0)
                    continue;
                m[0].convertTo(m[0], CV_32F, 1.0 / 255);
                // Its pixels there, the fall-off divided out; beyond its rim
                // its own edge repeated, where its mask has faded.
                const double ox = roi.x - f.at.x, oy = roi.y + e0 - f.at.y;
                const Weights &w = weightsOf(maps, f.pixels.size());
                warpInto(f.pixels, warped, ox, oy, roi.size(), cv::INTER_LINEAR);
                if (!w.inverse.empty())
                    warpInto(w.inverse, inverse, ox, oy, roi.size(), cv::INTER_LINEAR);
                g[0].create(roi.size(), CV_32FC3);
                for (int y = 0; y < roi.height; ++y) {
                    const uchar *src = warped.ptr<uchar>(y);
                    const float *ig = w.inverse.empty() ? nullptr : inverse.ptr<float>(y);
                    float *dst = g[0].ptr<float>(y);
                    for (int x = 0; x < roi.width; ++x) {
                        const float k = ig ? ig[x] : 1.f;
                        dst[3 * x + 0] = k * src[4 * x + 0];
                        dst[3 * x + 1] = k * src[4 * x + 1];
                        dst[3 * x + 2] = k * src[4 * x + 2];
                    }
                }
                for (int k = 1; k < kLevels; ++k) {
                    cv::pyrDown(g[k - 1], g[k]);
                    cv::pyrDown(m[k - 1], m[k]);
                }
                for (int k = 0; k < kLevels; ++k) {
                    // Level k's detail: what the next level up lacks of it.
                    const cv::Mat *lap = &g[k];
                    if (k + 1 < kLevels) {
                        cv::pyrUp(g[k + 1], up, g[k].size());
                        cv::subtract(g[k], up, up);
                        lap = &up;
                    }
                    const cv::Rect at(roi.x >> k, roi.y >> k, roi.width >> k, roi.height >> k);
                    for (int y = 0; y < at.height; ++y) {
                        const float *l = lap->ptr<float>(y);
                        const float *mk = m[k].ptr<float>(y);
                        float *a = acc[k].ptr<float>(at.y + y) + 3 * at.x;
                        float *ws = wsum[k].ptr<float>(at.y + y) + at.x;
                        for (int x = 0; x < at.width; ++x) {
                            const float q = mk[x];
                            a[3 * x + 0] += q * l[3 * x + 0];
                            a[3 * x + 1] += q * l[3 * x + 1];
                            a[3 * x + 2] += q * l[3 * x + 2];
                            ws[x] += q;
                        }
                    }
                }
            }
            // Each level over its weights, then collapsed from the coarsest.
            for (int k = 0; k < kLevels; ++k) {
                for (int y = 0; y < acc[k].rows; ++y) {
                    float *a = acc[k].ptr<float>(y);
                    const float *ws = wsum[k].ptr<float>(y);
                    for (int x = 0; x < acc[k].cols; ++x) {
                        const float inv = ws[x] > 1e-6f ? 1.f / ws[x] : 0.f;
                        a[3 * x + 0] *= inv;
                        a[3 * x + 1] *= inv;
                        a[3 * x + 2] *= inv;
                    }
                }
            }
            for (int k = kLevels - 2; k >= 0; --k) {
                cv::pyrUp(acc[k + 1], up, acc[k].size());
                acc[k] += up;
            }
            for (int y = r0; y < r1; ++y) {
                const float *a = acc[0].ptr<float>(y - e0);
                const short *o = owner.ptr<short>(y - e0);
                QRgb *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < size.width(); ++x) {
                    if (o[x] < 0) {
                        dst[x] = qRgb(0, 0, 0);
                        continue;
                    }
                    auto c = [&](int ch) { return std::clamp(int(a[3 * x + ch] + 0.5f), 0, 255); };
                    dst[x] = qRgb(c(2), c(1), c(0));
                }
            }
            if (!bandDone())
                cancelled = true;
        }
    });
}

} // namespace

Composed composeMosaic(const QVector<QImage> &fields, const Placement &placement, const cv::Mat &gain,
                       const MosaicOptions &o, const MosaicProgress &progress)
{
    Composed out;
    out.topLefts.fill(QPointF(), fields.size());
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    int count = 0;
    for (int i = 0; i < fields.size(); ++i) {
        if (!placement.placed.value(i) || fields[i].isNull())
            continue;
        const cv::Point2d p = placement.positions[i];
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x + fields[i].width());
        maxY = std::max(maxY, p.y + fields[i].height());
        ++count;
    }
    if (count == 0)
        return out;
    const double originX = std::floor(minX), originY = std::floor(minY);
    const QSize size(int(std::ceil(maxX - originX)), int(std::ceil(maxY - originY)));
    const qint64 needed = mosaicBytes(size, o);
    if (needed > memoryAllowance(o) || size.width() > 32767 || size.height() > 32767 || count > 32767) {
        out.neededBytes = needed;
        return out;
    }

    std::vector<Placed> placed;
    for (int i = 0; i < fields.size(); ++i) {
        if (!placement.placed.value(i) || fields[i].isNull())
            continue;
        Placed f;
        QImage img = fields[i].format() == QImage::Format_RGB32 || fields[i].format() == QImage::Format_ARGB32
                         ? fields[i]
                         : fields[i].convertToFormat(QImage::Format_RGB32);
        f.pixels = wrap(img);
        if (img.constBits() != fields[i].constBits())
            f.pixels = f.pixels.clone();
        f.at = placement.positions[i] - cv::Point2d(originX, originY);
        const int x0 = int(std::floor(f.at.x)), y0 = int(std::floor(f.at.y));
        f.cover = cv::Rect(x0, y0, int(std::ceil(f.at.x + img.width())) - x0,
                           int(std::ceil(f.at.y + img.height())) - y0)
                  & cv::Rect(0, 0, size.width(), size.height());
        out.topLefts[i] = QPointF(f.at.x, f.at.y);
        placed.push_back(f);
    }

    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        out.neededBytes = needed;
        return out;
    }
    std::vector<Weights> maps;
    for (const Placed &f : placed) {
        const cv::Size fs = f.pixels.size();
        if (std::any_of(maps.begin(), maps.end(), [&](const Weights &m) { return m.size == fs; }))
            continue;
        Weights m;
        m.size = fs;
        m.feather.create(fs, CV_32F);
        m.colour.create(fs, CV_32F);
        const bool useGain = o.evenVignetting && gain.size() == fs;
        if (useGain)
            m.inverse.create(fs, CV_32F);
        for (int y = 0; y < fs.height; ++y) {
            const double wy = std::min(y + 0.5, fs.height - 0.5 - y);
            float *fw = m.feather.ptr<float>(y);
            float *cw = m.colour.ptr<float>(y);
            const float *g = useGain ? gain.ptr<float>(y) : nullptr;
            float *ig = useGain ? m.inverse.ptr<float>(y) : nullptr;
            for (int x = 0; x < fs.width; ++x) {
                const float w = float(wy * std::min(x + 0.5, fs.width - 0.5 - x));
                fw[x] = w;
                cw[x] = g ? w / std::max(0.05f, g[x]) : w;
                if (ig)
                    ig[x] = 1.f / std::max(0.05f, g[x]);
            }
        }
        maps.push_back(m);
    }

    const int bandRows = rowsPerBand(o);
    const int bands = (size.height() + bandRows - 1) / bandRows;
    std::atomic<int> done{0};
    std::mutex progressLock;
    const BandDone bandDone = [&] {
        const int finished = ++done;
        if (!progress)
            return true;
        std::lock_guard<std::mutex> lock(progressLock);
        return progress(double(finished) / bands);
    };
    std::atomic<bool> cancelled{false};
    const BandDone step = [&] {
        if (!bandDone())
            cancelled = true;
        return !cancelled;
    };
    if (o.blend == MosaicOptions::Blend::Feather)
        featherBands(placed, maps, image, bandRows, step);
    else
        multiBandBands(placed, maps, image, bandRows, step);
    if (cancelled) {
        out.cancelled = true;
        return out;
    }
    out.image = image;
    return out;
}

} // namespace imaging
