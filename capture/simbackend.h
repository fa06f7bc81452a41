#pragma once

#include "capture/capturebackend.h"

#include <QImage>
#include <QMap>
#include <QMutex>
#include <QPointF>

#include <atomic>
#include <memory>

// A microscope without hardware: a stage-micrometer scale of known pitch and
// a few round objects drifting slightly, as real MJPEG or YUYV frames at the
// rate it was set to, with controls that change the picture and a still
// button tests can press.
//
// The specimen is a slide larger than the field of view, moved under the
// camera by "Stage X"/"Stage Y" (V4L2 pan/tilt, in micrometres; the field is
// 1000 um wide at every resolution). Around the field seen at rest (the
// slide's clean window with the scale) it carries texture everywhere: specks,
// stain, scratches and more round objects. Things lie at different heights;
// "Focus" (V4L2 absolute focus, in micrometres) moves the focal plane, and
// whatever lies beyond the depth of field blurs in proportion to its distance
// from it, while the focus drive also scales and shifts the picture a little.
// "Vignetting" (off by default) darkens the corners and adds two dust spots.
// At the defaults the picture is the plain one the calibration tests know.
struct SimCameraSpec
{
    QString friendlyName = QStringLiteral("Simulated microscope");
    QString tag = QStringLiteral("demo-1"); // makes the path unique
    int vendorId = 0x0C45;
    int productId = 0x62C1;
    QVector<QSize> sizes{{640, 480}, {1280, 720}, {1920, 1080}};
    QVector<quint32> formats; // V4L2 pixel formats; empty = MJPEG and YUYV
    int maxFps = 30;          // above two megapixels: 15
    QString port;             // USB port it pretends to sit in; empty = unknown
};

// The optical state the picture is drawn from.
struct SimOptics
{
    static constexpr int kFocusMin = 0;
    static constexpr int kFocusMax = 300;
    static constexpr int kFocusRest = 150;   // focal plane on the slide's surface
    static constexpr int kStageRange = 3000; // +-um each way

    int focus = kFocusRest; // um; the focal plane is focus - kFocusRest
    int stageX = 0;         // um; the view's position on the specimen
    int stageY = 0;
    bool vignetting = false;

    bool atRest() const { return focus == kFocusRest && stageX == 0 && stageY == 0; }
    bool operator==(const SimOptics &o) const
    {
        return focus == o.focus && stageX == o.stageX && stageY == o.stageY && vignetting == o.vignetting;
    }
    bool operator!=(const SimOptics &o) const { return !(*this == o); }
};

// What the simulated microscope drew into one frame, in that frame's pixels
// (pixel (i, j) covers [i, i+1) x [j, j+1); its centre is at i + 0.5).
struct SimTruth
{
    struct Disc
    {
        QPointF centre;
        double radius = 0; // to the outer edge of its rim
        double height = 0; // um above the slide's surface
        double sigma = 0;  // Gaussian blur it was drawn with, px
    };

    QSize frameSize;
    double pxPerMicron = 0; // at the focus rest; frame width / 1000
    double focusScale = 1;  // the focus drive's magnification change
    QPointF focusShift;     // and its shift, px
    // The stage's displacement: the specimen appears moved by -stageOffset
    // from where it is at stage 0, 0 (same focus).
    QPointF stageOffset;
    QPoint drift;             // the frame's own drift, px (0, 0 when held)
    double focalPlane = 0;    // um above the slide's surface
    double depthOfField = 0;  // um each side of the plane drawn sharp
    double blurPerMicron = 0; // sigma in px per um beyond it
    QVector<Disc> discs;      // round objects at least partly in the frame
    // The stage micrometer (drawn sharp at height 0 while in focus).
    double scalePitch = 0; // px between ticks
    QPointF firstTick;     // tick 0 where it meets the scale's line
    double scaleAngle = 0; // radians, 0 = ticks along +x
    int scaleTicks = 80;   // divisions; tick 0 to tick scaleTicks
    double scaleHeight = 0;
    bool vignetting = false;

    // Gaussian sigma in px of something at `height` um.
    double sigmaAt(double height) const;
    // Specimen micrometres (origin at the rest view's top-left) -> frame px.
    QPointF toPicture(const QPointF &micron) const;
    // The factor the vignetting multiplied the pixel at `p` with (1 when off).
    double gainAt(const QPointF &p) const;
};

class SimulatedBackend : public CaptureBackend
{
public:
    // The switch for the lens falloff and dust (a driver control of its own).
    static constexpr quint32 kVignettingControl = 0x00980900 + 0x10F0; // V4L2_CID_USER_BASE + 0x10F0

    explicit SimulatedBackend(const QVector<SimCameraSpec> &cameras);
    ~SimulatedBackend() override;

    // `count` (1-4) microscopes: "V3-2M" 0C45:62C1 first, then "V3-5M" 0C45:0223 alternating.
    static std::shared_ptr<SimulatedBackend> demo(int count);

    QVector<BackendDeviceInfo> enumerate() override;
    std::unique_ptr<BackendDevice> open(const QString &path) override;

    int cameraCount() const { return m_cameras.size(); }
    QString pathOf(int index) const;
    // Test hooks.
    void pressStillButton(int index);
    void unplug(int index);             // vanishes from the list, its stream ends
    void setBusy(int index, bool busy); // another program holds it: open fails
    quint64 framesSent(int index) const;
    // How often the camera was opened (streams and brief control reads alike).
    int openCount(int index) const;
    // The bus has no room for it: starting its stream fails with ENOSPC.
    void setBandwidthExhausted(int index, bool exhausted);
    // Every frame is cut short (its first bytes only): none can be decoded.
    void setDamagedFrames(int index, bool damaged);
    // The camera sends nothing while paused, as one that stalls.
    void setPaused(int index, bool paused);
    // Stage scale pitch in picture pixels at a given frame width.
    static double scalePitch(int frameWidth);

    // Frames stop drifting (every frame the undrifted one) so that a test
    // knows exactly what the frame it reads shows.
    void holdDrift(int index, bool hold);
    // Sets a control as an application would (false when refused).
    bool setControl(int index, quint32 id, qint32 value);
    SimOptics optics(int index) const;
    // What camera `index` draws at `size` with its controls now (drift held,
    // or of frame `phase` of the drift cycle when it is not).
    SimTruth truth(int index, const QSize &size, int phase = 0) const;
    static SimTruth truth(const QSize &size, const SimOptics &optics, const QPoint &drift = QPoint());
    // The frame itself before encoding (RGB32), picture settings applied.
    QImage picture(int index, const QSize &size, int phase = 0) const;
    // The drift of frame `phase` of the cycle.
    static QPoint driftAt(int phase);
    static int driftFrames();

    struct Camera;

private:
    QVector<std::shared_ptr<Camera>> m_cameras;
};
