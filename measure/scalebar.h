#pragma once

#include "core/bdinfo.h"

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// A scale bar: a round real length (1, 2 or 5 x 10^n in the calibration's
// unit) that spans 10-25 % of the picture's width.
struct ScaleBar
{
    bool valid = false;
    double realLength = 0;  // in the calibration's unit
    double pixelLength = 0; // in picture pixels
    int mantissa = 0;       // 1, 2 or 5
    int exponent = 0;       // realLength = mantissa * 10^exponent
    QString label;          // "500 um", "0.02 mm"
};

// No bar (valid false) without a real unit (mm, cm, um, in), with a factor
// that is not a positive finite number, or for an empty picture.
ScaleBar scaleBarFor(int pictureWidth, const BDInfo &calibration);

// Corners as AppSettings::scaleBarCorner numbers them.
enum ScaleBarCorner { TopLeft = 0, TopRight = 1, BottomLeft = 2, BottomRight = 3 };

// The bar's box with its label and outline as painted in `corner` over a
// picture of pictureSize pixels drawn at pictureRect, text sized from `base`;
// empty when there is no bar. With seen, in that corner of the part of the
// picture in sight.
QRectF scaleBarRect(const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration, int corner,
                    const QFont &base, const QRectF &seen = QRectF());
// Its distance from the picture's edges.
double scaleBarMargin(const QRectF &pictureRect);
// Paints the bar into `box` (a box scaleBarRect measured, moved anywhere).
bool paintScaleBarAt(QPainter &painter, const QRectF &box, const QRectF &pictureRect, const QSize &pictureSize,
                     const BDInfo &calibration, const QFont &base, const QRectF &seen = QRectF());

// Paints the bar with its label over a picture of pictureSize pixels drawn at
// pictureRect (painter coordinates), in the given corner; white with a dark
// outline so that it reads on dark and bright pictures. With seen, in that
// corner of the part of the picture in sight. False when there is no bar to
// paint.
bool paintScaleBar(QPainter &painter, const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration,
                   int corner = BottomRight, const QRectF &seen = QRectF());
