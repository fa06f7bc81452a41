#pragma once

#include "core/bdinfo.h"

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// An eyepiece-like reticle over the picture in real units: a square grid,
// concentric circles about the picture's centre, or both, one round step
// (1, 2 or 5 x 10^n of the calibration's unit) apart, about an eighth of the
// picture's width. Drawn in picture coordinates, so it zooms and scrolls with
// the picture; the step is written in a corner of the part in sight.
enum ReticleKind { ReticleOff = 0, ReticleGrid = 1, ReticleCircles = 2, ReticleBoth = 3 };

struct Reticle
{
    bool valid = false;
    double realStep = 0;  // in the calibration's unit
    double pixelStep = 0; // in picture pixels
    QString label;        // "100 µm"
};

// Nothing (valid false) without a real unit, like the scale bar.
Reticle reticleFor(int pictureWidth, const BDInfo &calibration);

// The text in the corner: "网格 100 µm", "圆 100 µm" (translated).
QString reticleText(int kind, const Reticle &reticle);

// Paints it over a picture of pictureSize pixels drawn at pictureRect, in
// colour, its label in `corner` (ScaleBarCorner) of the part of the picture
// inside `visible` (painter coordinates). Returns the label's rectangle
// (empty when nothing was painted).
// A non-empty labelBox puts the label there instead (the overlays' shared
// layout found it a free place).
QRectF paintReticle(QPainter &painter, const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration,
                    int kind, const QColor &colour, const QRectF &visible, int corner = 0,
                    const QRectF &labelBox = QRectF());

// The label's size and its margin from the edge, for the same arguments
// (empty when nothing would be painted).
QSizeF reticleLabelSize(const QRectF &pictureRect, const QSize &pictureSize, const BDInfo &calibration, int kind,
                        const QRectF &visible, double *margin = nullptr);
