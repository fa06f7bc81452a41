#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QVarLengthArray>
#include <QVector>

#include <vector>

// A drawn layer as runs of its pixels, and their blend into a raster image:
// the same arithmetic as QPainter's source-over, touching only drawn pixels,
// with a picture copied or sampled under them in the same pass.
namespace spanblend {

// A row's run of layer pixels that holds something (with small gaps).
struct Span
{
    int y, x, length;
    int offset; // of its first pixel in the packed pixels
};

// Each run's pixels are followed by transparent ones up to a whole block of
// the blend, so that a run shown whole is blended without a ragged end.
constexpr int SpanPadding = 8;

// Runs of 64 x 16 tiles that hold any drawn pixel, or their bounds when one
// blit of those is cheaper.
QVector<QRect> drawnTiles(const QImage &image);
// The runs of drawn pixels of rows top to bottom of a premultiplied image,
// appended, their pixels (padded) appended to `packed`.
void drawnSpans(const QImage &image, int top, int bottom, QVector<Span> &spans, std::vector<quint32> &packed);

// One blend of runs into a target image.
struct Job
{
    uchar *bits;
    qsizetype stride;
    int width;     // of the target, pixels
    QPoint offset; // of the runs' image in the target
    const QRegion *allowed;
    QRect layerRect; // in the target
    struct Sheet
    {
        const Span *spans, *end;
        const quint32 *packed;
    };
    QVarLengthArray<Sheet, 4> sheets; // blended in this order
    const QImage *picture;            // drawn first, under the runs; may be null
    QRect pictureRect;                // where it goes, in the target
    bool scaled;                      // sampled as QPainter samples without smoothing
};

void blend(const Job &job);
// AVX2 where the processor has it (the default); off, the portable path
// runs on any machine, which is how tests reach it.
void useAvx2(bool allowed);

} // namespace spanblend
