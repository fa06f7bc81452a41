#include "measure/reticle.h"

#include "measure/scalebar.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

Reticle reticleFor(int pictureWidth, const BDInfo &calibration)
{
    // The scale bar's round step for half the width: 5-12.5 % of the width.
    const ScaleBar bar = scaleBarFor(pictureWidth / 2, calibration);
    Reticle r;
    if (!bar.valid || bar.pixelLength < 2)
        return r;
    r.valid = true;
    r.realStep = bar.realLength;
    r.pixelStep = bar.pixelLength;
    r.label = bar.label;
    return r;
}

QString reticleText(int kind, const Reticle &reticle)
{
    const char *what = kind == ReticleGrid      ? QT_TRANSLATE_NOOP("Reticle", "网格 %1")
                       : kind == ReticleCircles ? QT_TRANSLATE_NOOP("Reticle", "同心圆 %1")
                                                : QT_TRANSLATE_NOOP("Reticle", "网格/同心圆 %1");
    return QCoreApplication::translate("Reticle", what).arg(reticle.label);
}

namespace {
// The label's font grows with the part in sight, within reason.
QFont labelFont(const QRectF &seen)
{
    QFont font;
    font.setPixelSize(int(qBound(10.0, qMin(seen.width(), seen.height()) / 30.0, 28.0)));
    return font;
}

QSizeF labelSize(const QString &text, const QFont &font, const QRectF &seen, double *margin)
{
    const QFontMetricsF metrics(font);
    *margin = qMax(6.0, qMin(seen.width(), seen.height()) / 40.0);
    return QSizeF(metrics.horizontalAdvance(text) + 8, metrics.height() + 4);
}
} // namespace

QSizeF reticleLabelSize(const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration, int kind,
                        const QRectF &visible, double *margin)
{
    if (kind <= ReticleOff || kind > ReticleBoth || pictureRect.isEmpty() || pictureSize.isEmpty())
        return {};
    const Reticle r = reticleFor(pictureSize.width(), calibration);
    const QRectF seen = pictureRect & visible;
    if (!r.valid || seen.isEmpty() || r.pixelStep * pictureRect.width() / pictureSize.width() < 2)
        return {};
    double m = 0;
    const QSizeF size = labelSize(reticleText(kind, r), labelFont(seen), seen, &m);
    if (margin)
        *margin = m;
    return size;
}

QRectF paintReticle(QPainter &painter, const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration,
                    int kind, const QColor &colour, const QRectF &visible, int corner, const QRectF &labelBox)
{
    if (kind <= ReticleOff || kind > ReticleBoth || pictureRect.isEmpty() || pictureSize.isEmpty())
        return QRectF();
    const Reticle r = reticleFor(pictureSize.width(), calibration);
    if (!r.valid)
        return QRectF();
    const double scale = pictureRect.width() / pictureSize.width();
    const double step = r.pixelStep * scale;
    const QRectF seen = pictureRect & visible;
    if (seen.isEmpty() || step < 2)
        return QRectF();
    const QPointF centre = pictureRect.center();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, kind != ReticleGrid);
    painter.setClipRect(seen);
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (kind & ReticleGrid) {
        // Lines through the centre and every step from it, only those in sight.
        const int first = int(std::floor((seen.left() - centre.x()) / step));
        const int last = int(std::ceil((seen.right() - centre.x()) / step));
        for (int i = first; i <= last; ++i)
            painter.drawLine(QLineF(centre.x() + i * step, seen.top(), centre.x() + i * step, seen.bottom()));
        const int top = int(std::floor((seen.top() - centre.y()) / step));
        const int bottom = int(std::ceil((seen.bottom() - centre.y()) / step));
        for (int i = top; i <= bottom; ++i)
            painter.drawLine(QLineF(seen.left(), centre.y() + i * step, seen.right(), centre.y() + i * step));
    }
    if (kind & ReticleCircles) {
        const double reach = std::hypot(pictureRect.width(), pictureRect.height()) / 2;
        for (int i = 1; i * step <= reach && i < 10000; ++i)
            painter.drawEllipse(centre, i * step, i * step);
        painter.drawLine(QLineF(centre.x() - step / 4, centre.y(), centre.x() + step / 4, centre.y()));
        painter.drawLine(QLineF(centre.x(), centre.y() - step / 4, centre.x(), centre.y() + step / 4));
    }

    // The step in a corner of what is in sight, on a dark plate.
    const QString text = reticleText(kind, r);
    const QFont font = labelFont(seen);
    double margin = 0;
    const QSizeF box = labelSize(text, font, seen, &margin);
    const bool left = corner == TopLeft || corner == BottomLeft;
    const bool topSide = corner == TopLeft || corner == TopRight;
    const QRectF plate = !labelBox.isEmpty()
                             ? labelBox
                             : QRectF(QPointF(left ? seen.left() + margin : seen.right() - margin - box.width(),
                                              topSide ? seen.top() + margin : seen.bottom() - margin - box.height()),
                                      box);
    painter.setClipping(false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRoundedRect(plate, 3, 3);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(plate, Qt::AlignCenter, text);
    painter.restore();
    return plate;
}
