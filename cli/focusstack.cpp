#include "cli/tools.h"

#include "core/imagesafety.h"
#include "core/photofile.h"
#include "imaging/focusstack.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QtMath>

#include <malloc.h>

namespace {

QString seconds(qint64 ms) { return QString::number(ms / 1000.0, 'f', 2); }

} // namespace

// --focus-stack=OUT [--depth-map=FILE] [--every-frame] [--no-align] [--verbose] PICTURE...
// Every picture is checked before any is fused: one that cannot be read, or
// whose size the registration cannot bridge, stops the run with nothing
// written. A picture with nothing in common to register on stops it too.
int runFocusStack(const ToolArgs &args)
{
    QElapsedTimer clock;
    clock.start();
    // Every picture is a new block of many megabytes: kept by the allocator
    // when freed, the next one reuses it instead of the kernel clearing
    // fresh pages for each.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    const QString out = args.value;
    if (out.isEmpty() || args.files.size() < 2) {
        toolErr(QStringLiteral("usage: --focus-stack=OUT PICTURE PICTURE..."));
        return 2;
    }
    const QString depthOut = args.optionValue(QStringLiteral("--depth-map"));
    for (const QString &target : {out, depthOut}) {
        if (!target.isEmpty() && !photofile::isPhotoSuffix(QFileInfo(target).suffix())) {
            toolErr(QStringLiteral("%1: the name must end in .%2").arg(target, photofile::photoSuffixes().join(", .")));
            return 2;
        }
    }

    QSize first;
    for (const QString &path : args.files) {
        QImageReader reader(path);
        QString why;
        if (!imagesafety::prepareReader(&reader, &why)) {
            toolErr(QStringLiteral("%1: cannot read: %2").arg(path, why));
            return 1;
        }
        const QSize size = reader.size();
        if (first.isEmpty())
            first = size;
        else if (!imaging::FocusStack::sizesCompatible(first, size)) {
            toolErr(QStringLiteral("%1: %2 x %3 pixels, the first picture %4 x %5: too different to align")
                        .arg(path)
                        .arg(size.width())
                        .arg(size.height())
                        .arg(first.width())
                        .arg(first.height()));
            return 1;
        }
    }

    imaging::FocusStackOptions options;
    options.depthMap = !depthOut.isEmpty();
    options.align = !args.has(QStringLiteral("--no-align"));
    if (args.has(QStringLiteral("--every-frame")))
        options.minGain = 0;
    imaging::FocusStack stack(options);
    imaging::SeriesReport report;
    const QStringList &files = args.files;
    const bool done = imaging::fuseSeries(
        &stack, files.size(),
        [&files](int i, QString *why) {
            QImage image;
            imagesafety::readImageSafely(files[i], &image, why);
            return image;
        },
        &report);
    if (!done) {
        toolErr(QStringLiteral("%1: cannot read: %2").arg(files.value(report.failedIndex), report.why));
        return 1;
    }
    int skipped = 0;
    const bool verbose = args.has(QStringLiteral("--verbose"));
    for (size_t i = 0; i < report.frames.size(); ++i) {
        const imaging::FocusStack::FrameResult &f = report.frames[i];
        if (verbose)
            toolOut(QStringLiteral("%1: %2, scale %3, angle %4 deg, shift %5 %6, sharper in %7 %")
                        .arg(files[int(i)])
                        .arg(f.outcome == imaging::FocusStack::Outcome::Merged ? QStringLiteral("used")
                                                                               : QStringLiteral("not used"))
                        .arg(f.motion.scale(), 0, 'f', 5)
                        .arg(qRadiansToDegrees(f.motion.angle()), 0, 'f', 3)
                        .arg(f.motion.tx, 0, 'f', 3)
                        .arg(f.motion.ty, 0, 'f', 3)
                        .arg(100.0 * f.gain, 0, 'f', 1));
        switch (report.frames[i].outcome) {
        case imaging::FocusStack::Outcome::Merged: break;
        case imaging::FocusStack::Outcome::Skipped: ++skipped; break;
        case imaging::FocusStack::Outcome::NotAligned:
            toolErr(QStringLiteral("%1: nothing in common with %2 to align on").arg(files[int(i)], files[0]));
            return 1;
        default: toolErr(QStringLiteral("%1: cannot be fused with %2").arg(files[int(i)], files[0])); return 1;
        }
    }

    // The result keeps the first picture's scale.
    const qint64 writeStarted = clock.nsecsElapsed();
    const BDInfo scale = photofile::readPhotoScale(files[0]).value_or(BDInfo());
    QString error;
    if (!photofile::writePhoto(out, stack.result(), scale, &error)) {
        toolErr(QStringLiteral("%1: cannot write: %2").arg(out, error));
        return 1;
    }
    if (!depthOut.isEmpty() && !photofile::writePhoto(depthOut, stack.depthMap(), scale, &error)) {
        toolErr(QStringLiteral("%1: cannot write: %2").arg(depthOut, error));
        return 1;
    }
    if (verbose) {
        // Stages overlap: reading and registering run beside merging.
        const imaging::FocusStack::Timings t = stack.timings();
        toolOut(QStringLiteral("stages (s): load %1 convert %2 align %3 gain %4 warp %5 pyramid %6 select %7 "
                               "collapse %8 write %9")
                    .arg(report.loadSeconds, 0, 'f', 2)
                    .arg(t.convert, 0, 'f', 2)
                    .arg(t.align, 0, 'f', 2)
                    .arg(t.gain, 0, 'f', 2)
                    .arg(t.warp, 0, 'f', 2)
                    .arg(t.pyramid, 0, 'f', 2)
                    .arg(t.select, 0, 'f', 2)
                    .arg(t.collapse, 0, 'f', 2)
                    .arg((clock.nsecsElapsed() - writeStarted) / 1e9 - t.collapse, 0, 'f', 2));
    }
    toolOut(QStringLiteral("%1: %2 pictures fused (%3 used, %4 added no sharpness) in %5 s")
                .arg(out)
                .arg(files.size())
                .arg(stack.merged())
                .arg(skipped)
                .arg(seconds(clock.elapsed())));
    return 0;
}
