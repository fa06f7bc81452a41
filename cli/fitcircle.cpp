#include "cli/tools.h"

#include "imaging/circlefit.h"
#include "imaging/cvimage.h"

#include <QImage>
#include <QImageReader>

#include <cmath>

int runFitCircle(const ToolArgs &args)
{
    const QStringList xy = args.value.split(QLatin1Char(','));
    bool okX = false, okY = false;
    const double x = xy.value(0).toDouble(&okX), y = xy.size() == 2 ? xy.value(1).toDouble(&okY) : 0;
    if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y) || args.files.size() != 1 || !args.options.isEmpty()) {
        toolErr(QStringLiteral("usage: --fit-circle=X,Y PICTURE"));
        return 2;
    }
    QImageReader reader(args.files.first());
    const QImage image = reader.read();
    if (image.isNull()) {
        toolErr(QStringLiteral("cannot read %1: %2").arg(args.files.first(), reader.errorString()));
        return 1;
    }
    if (x < 0 || y < 0 || x > image.width() || y > image.height()) {
        toolErr(QStringLiteral("%1,%2 lies outside the %3 x %4 picture")
                    .arg(x)
                    .arg(y)
                    .arg(image.width())
                    .arg(image.height()));
        return 1;
    }
    const imaging::CircleFit fit = imaging::fitCircleAt(imaging::toGray8(image), QPointF(x, y));
    if (!fit.ok) {
        toolErr(QStringLiteral("no round outline found around %1,%2").arg(x).arg(y));
        return 1;
    }
    toolOut(QStringLiteral("%1 %2 %3")
                .arg(QString::number(fit.centre.x(), 'f', 3), QString::number(fit.centre.y(), 'f', 3),
                     QString::number(fit.radius, 'f', 3)));
    return 0;
}
