#include "measure/scalebar.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

ScaleBar scaleBarFor(int pictureWidth, const BDInfo &calibration)
{
    ScaleBar bar;
    const bool realUnit = calibration.unit >= 0 && calibration.unit <= 3;
    if (!realUnit || pictureWidth <= 0 || !std::isfinite(calibration.factor) || calibration.factor <= 0)
        return bar;
    const double width = pictureWidth * calibration.factor;
    const double most = 0.25 * width;
    if (!std::isfinite(most) || most <= 0)
        return bar;
    // The largest 1-2-5 step not above a quarter of the width; the steps are
    // at most 2.5 apart, so it is never below a tenth.
    int exponent = int(std::floor(std::log10(most)));
    // log10 may land one off near exact powers of ten.
    if (std::pow(10.0, exponent + 1) <= most * (1 + 1e-12))
        ++exponent;
    else if (std::pow(10.0, exponent) > most * (1 + 1e-12))
        --exponent;
    const double power = std::pow(10.0, exponent);
    int mantissa = 1;
    for (int m : {5, 2, 1}) {
        if (m * power <= most * (1 + 1e-12)) {
            mantissa = m;
            break;
        }
    }
    bar.valid = true;
    bar.mantissa = mantissa;
    bar.exponent = exponent;
    bar.realLength = mantissa * power;
    bar.pixelLength = bar.realLength / calibration.factor;
    const QString unit = calibration.unit == 2 ? QString::fromUtf8("\xC2\xB5m") : unitName(calibration.unit);
    bar.label = QString::number(bar.realLength, 'f', qMax(0, -exponent)) + QLatin1Char(' ') + unit;
    return bar;
}

bool paintScaleBar(QPainter &painter, const QRectF &pictureRect, const QSize &pictureSize,
                   const BDInfo &calibration, int corner, const QRectF &seen)
{
    const ScaleBar bar = scaleBarFor(pictureSize.width(), calibration);
    if (!bar.valid || pictureRect.isEmpty())
        return false;
    const double scale = pictureRect.width() / pictureSize.width();
    const double length = bar.pixelLength * scale;
    // Placed in the corner of the part of the picture in sight.
    const QRectF place = seen.isEmpty() ? pictureRect : seen.intersected(pictureRect);
    if (place.isEmpty())
        return false;
    const double side = qMin(place.width(), place.height());
    const double thickness = qMax(3.0, side / 100.0);
    const double margin = qMax(6.0, side / 30.0);
    const double outline = qMax(1.0, thickness / 3.0);

    QFont font = painter.font();
    font.setPixelSize(int(qMax(10.0, side / 25.0)));
    const QFontMetricsF metrics(font);
    const double textWidth = metrics.horizontalAdvance(bar.label);
    const double blockHeight = metrics.ascent() + metrics.descent() + thickness * 1.5;
    const double blockWidth = qMax(length, textWidth);

    const bool left = corner == TopLeft || corner == BottomLeft;
    const bool top = corner == TopLeft || corner == TopRight;
    const double x = left ? place.left() + margin : place.right() - margin - blockWidth;
    const double y = top ? place.top() + margin : place.bottom() - margin - blockHeight;

    // Label centred over the bar, bar at the bottom of the block.
    const QRectF barRect(x + (blockWidth - length) / 2, y + blockHeight - thickness, length, thickness);
    QPainterPath text;
    text.addText(QPointF(x + (blockWidth - textWidth) / 2, y + metrics.ascent()), font, bar.label);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen dark(QColor(0, 0, 0, 220), outline * 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(dark);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.drawRect(barRect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(text);
    painter.drawRect(barRect);
    painter.restore();
    return true;
}
