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

namespace {

// The bar's block: label centred over the bar, bar at the bottom.
struct BarBlock
{
    ScaleBar bar;
    QFont font;
    double length = 0, thickness = 0, margin = 0, outline = 0;
    double textWidth = 0, ascent = 0;
    QSizeF size; // without the outline
};

BarBlock barBlock(const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration, const QFont &base,
                  const QRectF &place)
{
    BarBlock b;
    b.bar = scaleBarFor(pictureSize.width(), calibration);
    if (!b.bar.valid || pictureRect.isEmpty() || place.isEmpty()) {
        b.bar.valid = false;
        return b;
    }
    const double scale = pictureRect.width() / pictureSize.width();
    b.length = b.bar.pixelLength * scale;
    const double side = qMin(place.width(), place.height());
    b.thickness = qMax(3.0, side / 100.0);
    b.margin = qMax(6.0, side / 30.0);
    b.outline = qMax(1.0, b.thickness / 3.0);
    b.font = base;
    b.font.setPixelSize(int(qMax(10.0, side / 25.0)));
    const QFontMetricsF metrics(b.font);
    b.textWidth = metrics.horizontalAdvance(b.bar.label);
    b.ascent = metrics.ascent();
    b.size = QSizeF(qMax(b.length, b.textWidth), metrics.ascent() + metrics.descent() + b.thickness * 1.5);
    return b;
}

} // namespace

// Placed in the corner of the part of the picture in sight.
static QRectF scaleBarPlace(const QRectF &pictureRect, const QRectF &seen)
{
    return seen.isEmpty() ? pictureRect : seen.intersected(pictureRect);
}

QRectF scaleBarRect(const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration, int corner,
                    const QFont &base, const QRectF &seen)
{
    const QRectF place = scaleBarPlace(pictureRect, seen);
    const BarBlock b = barBlock(pictureRect, pictureSize, calibration, base, place);
    if (!b.bar.valid)
        return QRectF();
    const bool left = corner == TopLeft || corner == BottomLeft;
    const bool top = corner == TopLeft || corner == TopRight;
    // The outline reaches past the block; the margin is kept from it.
    const double x = left ? place.left() + b.margin : place.right() - b.margin - b.size.width();
    const double y = top ? place.top() + b.margin : place.bottom() - b.margin - b.size.height();
    return QRectF(QPointF(x, y), b.size).adjusted(-b.outline, -b.outline, b.outline, b.outline);
}

double scaleBarMargin(const QRectF &pictureRect)
{
    return qMax(6.0, qMin(pictureRect.width(), pictureRect.height()) / 30.0);
}

bool paintScaleBarAt(QPainter &painter, const QRectF &box, const QRectF &pictureRect, const QSize &pictureSize,
                     const BDInfo &calibration, const QFont &base, const QRectF &seen)
{
    const BarBlock b = barBlock(pictureRect, pictureSize, calibration, base, scaleBarPlace(pictureRect, seen));
    if (!b.bar.valid || box.isEmpty())
        return false;
    const double x = box.left() + b.outline;
    const double y = box.top() + b.outline;
    const double blockWidth = b.size.width();
    const QRectF barRect(x + (blockWidth - b.length) / 2, y + b.size.height() - b.thickness, b.length, b.thickness);
    QPainterPath text;
    text.addText(QPointF(x + (blockWidth - b.textWidth) / 2, y + b.ascent), b.font, b.bar.label);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen dark(QColor(0, 0, 0, 220), b.outline * 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
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

bool paintScaleBar(QPainter &painter, const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration,
                   int corner, const QRectF &seen)
{
    const QRectF box = scaleBarRect(pictureRect, pictureSize, calibration, corner, painter.font(), seen);
    return paintScaleBarAt(painter, box, pictureRect, pictureSize, calibration, painter.font(), seen);
}
