#pragma once

#include "capture/simbackend.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <QVector>

// What the simulated microscope sees: the slide as stage and focus place
// it, each thing blurred by its distance from the focal plane, under the
// lens's falloff. The simulated cameras draw their frames from it and the
// tests' ground truth reads the same layout.
namespace simscene {

constexpr int kMargin = 12;            // drift room around the visible picture
constexpr double kDofHalf = 12;        // um each side of the focal plane drawn sharp
constexpr double kBlurPerMicron = 0.1; // blur sigma (um) per um beyond that

struct RestBlob
{
    double x, y, r;
    QColor c;
    double height;
};
constexpr int kBlobCount = 5;
// Round objects of the rest view (fractions of the frame; radius in 1/64 of its
// width); their heights lie within the depth of field, so at rest all are sharp.
extern const RestBlob kBlobs[kBlobCount];

// Where everything goes in the scene (the frame plus the drift margin): the
// specimen is laid out in the rest scene's pixels; `toScene` moves it by the
// stage and the focus drive. At rest it is the identity, so the rest picture
// is drawn by exactly the calls it always was.
struct Geometry
{
    QSize size;
    double ppu = 1;   // px per um at rest
    double scale = 1; // focus drive
    QPointF shift;
    QPointF stage;    // px at rest scale
    double plane = 0; // um
    QTransform toScene;
    QRectF window; // the slide's clean window around the rest field, rest-scene px
    QRectF sceneRect;

    double sigmaAt(double height) const
    {
        return kBlurPerMicron * qMax(0.0, qAbs(height - plane) - kDofHalf) * ppu * scale;
    }
    QPointF rest(const QPointF &micron) const
    {
        return QPointF(kMargin + micron.x() * ppu, kMargin + micron.y() * ppu);
    }
};

Geometry geometryOf(const QSize &size, const SimOptics &optics);

// One thing drawn on the slide, in rest-scene px.
struct Mark
{
    enum Kind { Speck, Stain, Scratch, Fibre, Disc } kind;
    QPointF a, b, c; // centre, or ends and bend
    double size = 0; // radius or width
    double rim = 0;  // discs
    QColor colour;
    double height = 0;
    QRectF box;
};

// Everything of the textured slide that can show in the scene.
QVector<Mark> slideMarks(const Geometry &g);
// The scene at one size, before the camera's picture settings.
QImage renderScene(const QSize &size, const SimOptics &optics);
// Lens falloff and dust, per frame pixel; applied to a whole frame.
double vignetteGain(const QSize &size, const QPointF &p);
void applyVignette(QImage *frame);

} // namespace simscene
