#include "cli/tools.h"

#include "core/bdinfo.h"
#include "core/imagesafety.h"
#include "core/photofile.h"
#include "imaging/mosaic.h"

#include <QFileInfo>

#include <optional>

// vistrel --stitch=OUT [--max-memory=MB] PICTURE...
// One line per picture: the name as given and its top-left corner in OUT.
int runStitch(const ToolArgs &args)
{
    const QString out = args.value;
    if (out.isEmpty() || args.files.isEmpty()) {
        toolErr(QStringLiteral("usage: --stitch=OUT PICTURE..."));
        return 2;
    }
    if (!photofile::isPhotoSuffix(QFileInfo(out).suffix())) {
        toolErr(QStringLiteral("%1: not a picture type it can write (png, jpg, tif, bmp)").arg(out));
        return 2;
    }
    imaging::MosaicOptions options;
    if (args.has(QStringLiteral("--max-memory"))) {
        bool ok = false;
        const double mb = args.optionValue(QStringLiteral("--max-memory")).toDouble(&ok);
        if (!ok || mb <= 0) {
            toolErr(QStringLiteral("--max-memory takes megabytes, e.g. --max-memory=500"));
            return 2;
        }
        options.memoryLimit = qint64(mb * 1024 * 1024);
    }

    QVector<QImage> fields;
    std::optional<BDInfo> scale;
    for (const QString &path : args.files) {
        QImage image;
        QString why;
        if (!imagesafety::readImageSafely(path, &image, &why)) {
            toolErr(QStringLiteral("%1: cannot read the picture (%2)").arg(path, why));
            return 1;
        }
        if (!fields.isEmpty() && image.size() != fields.first().size()) {
            toolErr(QStringLiteral("%1: %2 x %3 pixels, not the %4 x %5 of %6; fields of one mosaic share a size")
                        .arg(path)
                        .arg(image.width())
                        .arg(image.height())
                        .arg(fields.first().width())
                        .arg(fields.first().height())
                        .arg(args.files.first()));
            return 1;
        }
        // The fields' calibration goes with the mosaic: its pixels are theirs.
        if (!scale) {
            const std::optional<BDInfo> own = photofile::readPhotoScale(path);
            if (own && photofile::hasRealScale(*own))
                scale = own;
        }
        fields.append(image);
    }

    const imaging::MosaicResult result = imaging::stitch(fields, options);
    if (!result.unplaced.isEmpty()) {
        for (int i : result.unplaced)
            toolErr(QStringLiteral("%1: cannot be placed: it overlaps none of the others clearly enough")
                        .arg(args.files[i]));
        return 1;
    }
    if (result.neededBytes > 0) {
        toolErr(QStringLiteral("the mosaic would need %1 MB, more than the %2 MB it may take")
                    .arg(double(result.neededBytes) / (1024 * 1024), 0, 'f', 0)
                    .arg(double(imaging::memoryAllowance(options)) / (1024 * 1024), 0, 'f', 0));
        return 1;
    }
    if (result.image.isNull()) {
        toolErr(QStringLiteral("no mosaic was made"));
        return 1;
    }
    BDInfo calibration = scale.value_or(BDInfo());
    calibration.pictureSize = result.image.size();
    QString error;
    if (!photofile::writePhoto(out, result.image, calibration, &error)) {
        toolErr(QStringLiteral("%1: cannot write: %2").arg(out, error));
        return 1;
    }
    for (int i = 0; i < fields.size(); ++i) {
        const QPointF p = result.topLefts[i];
        toolOut(QStringLiteral("%1 %2 %3")
                    .arg(args.files[i], QString::number(p.x(), 'f', 2), QString::number(p.y(), 'f', 2)));
    }
    return 0;
}
