#include "capture/simbackend.h"

#include <algorithm>

#include <pthread.h>

#include "core/crashhandler.h"
#include "imaging/cvimage.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <libyuv/convert_from_argb.h>
#include <linux/videodev2.h>
#include <turbojpeg.h>

#include <opencv2/imgproc.hpp>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <map>
#include <tuple>
#include <mutex>
#include <thread>

namespace {

constexpr int kMotionFrames = 8;
constexpr int kMargin = 12; // drift room around the visible picture

struct SimControl
{
    ControlInfo info;
    qint32 value = 0;
};

ControlInfo makeControl(quint32 id, ControlInfo::Type type, const char *name, int min, int max, int step, int def)
{
    ControlInfo c;
    c.id = id;
    c.type = type;
    c.name = QString::fromLatin1(name);
    c.minimum = min;
    c.maximum = max;
    c.step = step;
    c.defaultValue = def;
    return c;
}

QVector<SimControl> defaultControls()
{
    QVector<ControlInfo> list = {
        makeControl(V4L2_CID_BRIGHTNESS, ControlInfo::Integer, "Brightness", -64, 64, 1, 0),
        makeControl(V4L2_CID_CONTRAST, ControlInfo::Integer, "Contrast", 0, 100, 1, 50),
        makeControl(V4L2_CID_SATURATION, ControlInfo::Integer, "Saturation", 0, 128, 1, 64),
        makeControl(V4L2_CID_HUE, ControlInfo::Integer, "Hue", -40, 40, 1, 0),
        makeControl(V4L2_CID_AUTO_WHITE_BALANCE, ControlInfo::Boolean, "White Balance, Automatic", 0, 1, 1, 1),
        makeControl(V4L2_CID_GAMMA, ControlInfo::Integer, "Gamma", 72, 500, 1, 100),
        makeControl(V4L2_CID_GAIN, ControlInfo::Integer, "Gain", 0, 100, 1, 0),
        makeControl(V4L2_CID_POWER_LINE_FREQUENCY, ControlInfo::Menu, "Power Line Frequency", 0, 2, 1, 1),
        makeControl(V4L2_CID_WHITE_BALANCE_TEMPERATURE, ControlInfo::Integer, "White Balance Temperature", 2800,
                    6500, 10, 4600),
        makeControl(V4L2_CID_SHARPNESS, ControlInfo::Integer, "Sharpness", 0, 6, 1, 3),
        makeControl(V4L2_CID_BACKLIGHT_COMPENSATION, ControlInfo::Integer, "Backlight Compensation", 0, 2, 1, 1),
        makeControl(V4L2_CID_EXPOSURE_AUTO, ControlInfo::Menu, "Auto Exposure", 0, 3, 1, V4L2_EXPOSURE_APERTURE_PRIORITY),
        makeControl(V4L2_CID_EXPOSURE_ABSOLUTE, ControlInfo::Integer, "Exposure Time, Absolute", 1, 5000, 1, 156),
        makeControl(V4L2_CID_FOCUS_ABSOLUTE, ControlInfo::Integer, "Focus", SimOptics::kFocusMin, SimOptics::kFocusMax,
                    1, SimOptics::kFocusRest),
        makeControl(V4L2_CID_PAN_ABSOLUTE, ControlInfo::Integer, "Stage X", -SimOptics::kStageRange,
                    SimOptics::kStageRange, 1, 0),
        makeControl(V4L2_CID_TILT_ABSOLUTE, ControlInfo::Integer, "Stage Y", -SimOptics::kStageRange,
                    SimOptics::kStageRange, 1, 0),
        makeControl(SimulatedBackend::kVignettingControl, ControlInfo::Boolean, "Vignetting", 0, 1, 1, 0),
    };
    list[7].menu = {{0, QStringLiteral("Disabled")}, {1, QStringLiteral("50 Hz")}, {2, QStringLiteral("60 Hz")}};
    list[11].menu = {{V4L2_EXPOSURE_MANUAL, QStringLiteral("Manual Mode")},
                     {V4L2_EXPOSURE_APERTURE_PRIORITY, QStringLiteral("Aperture Priority Mode")}};
    QVector<SimControl> controls;
    for (const ControlInfo &c : list)
        controls.append({c, c.defaultValue});
    return controls;
}

} // namespace

struct SimulatedBackend::Camera
{
    SimCameraSpec spec;
    QString path;
    mutable std::mutex mutex;
    QVector<SimControl> controls;
    std::atomic<int> controlGeneration{0};
    std::atomic<bool> still{false};
    std::atomic<bool> unplugged{false};
    std::atomic<bool> busy{false};
    std::atomic<bool> damaged{false};
    std::atomic<bool> paused{false};
    std::atomic<bool> streaming{false};
    std::atomic<quint64> sent{0};
    std::atomic<int> opens{0};
    std::atomic<bool> noBandwidth{false};
    std::atomic<bool> driftHeld{false};

    SimControl *control(quint32 id)
    {
        for (SimControl &c : controls) {
            if (c.info.id == id)
                return &c;
        }
        return nullptr;
    }
    qint32 value(quint32 id)
    {
        SimControl *c = control(id);
        return c ? c->value : 0;
    }
    // As a driver takes a value; false when refused.
    bool set(quint32 id, qint32 v)
    {
        std::lock_guard<std::mutex> lock(mutex);
        SimControl *c = control(id);
        if (!c || c->info.inactive)
            return false;
        if (c->info.type == ControlInfo::Menu) {
            bool known = false;
            for (const auto &e : c->info.menu)
                known = known || e.first == v;
            if (!known)
                return false;
        }
        c->value = qBound(c->info.minimum, v, c->info.maximum);
        updateInactive();
        ++controlGeneration;
        return true;
    }
    SimOptics optics()
    {
        std::lock_guard<std::mutex> lock(mutex);
        SimOptics o;
        o.focus = value(V4L2_CID_FOCUS_ABSOLUTE);
        o.stageX = value(V4L2_CID_PAN_ABSOLUTE);
        o.stageY = value(V4L2_CID_TILT_ABSOLUTE);
        o.vignetting = value(SimulatedBackend::kVignettingControl) != 0;
        return o;
    }
    void updateInactive()
    {
        const bool autoWb = value(V4L2_CID_AUTO_WHITE_BALANCE) != 0;
        const bool autoExposure = value(V4L2_CID_EXPOSURE_AUTO) != V4L2_EXPOSURE_MANUAL;
        for (SimControl &c : controls) {
            if (c.info.id == V4L2_CID_WHITE_BALANCE_TEMPERATURE)
                c.info.inactive = autoWb;
            if (c.info.id == V4L2_CID_EXPOSURE_ABSOLUTE)
                c.info.inactive = autoExposure;
        }
    }
};

namespace {

constexpr double kDofHalf = 12;          // um each side of the focal plane drawn sharp
constexpr double kBlurPerMicron = 0.1;   // blur sigma (um) per um beyond that
constexpr double kFocusScale = 0.01;     // magnification change at either end of the focus range
constexpr double kFocusShiftX = 3.0;     // and the shift there, px at 1280 wide
constexpr double kFocusShiftY = -2.0;
constexpr double kRimMicrons = 0.15 * 1000 / 64; // round objects' rim, as the rest ones at 1/64 width

struct RestBlob { double x, y, r; QColor c; double height; };
// Round objects of the rest view (fractions of the frame; radius in 1/64 of its
// width); their heights lie within the depth of field, so at rest all are sharp.
const RestBlob kBlobs[] = {
    {0.22, 0.30, 4.5, QColor(150, 80, 110), -9}, {0.70, 0.28, 3.0, QColor(90, 120, 160), 7},
    {0.58, 0.66, 6.0, QColor(120, 150, 90), 0},  {0.30, 0.72, 2.2, QColor(170, 110, 60), 10},
    {0.84, 0.60, 2.8, QColor(110, 90, 150), -6},
};

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
    QRectF window;    // the slide's clean window around the rest field, rest-scene px
    QRectF sceneRect;

    double sigmaAt(double height) const
    {
        return kBlurPerMicron * qMax(0.0, qAbs(height - plane) - kDofHalf) * ppu * scale;
    }
    QPointF rest(const QPointF &micron) const { return QPointF(kMargin + micron.x() * ppu, kMargin + micron.y() * ppu); }
};

Geometry geometryOf(const QSize &size, const SimOptics &o)
{
    Geometry g;
    g.size = size;
    g.ppu = size.width() / 1000.0;
    const double t = double(o.focus - SimOptics::kFocusRest) / (SimOptics::kFocusMax - SimOptics::kFocusRest);
    g.scale = 1 + kFocusScale * t;
    g.shift = QPointF(kFocusShiftX * t, kFocusShiftY * t) * (size.width() / 1280.0);
    g.stage = QPointF(o.stageX * g.ppu, o.stageY * g.ppu);
    g.plane = o.focus - SimOptics::kFocusRest;
    const QPointF centre(size.width() / 2.0 + kMargin, size.height() / 2.0 + kMargin);
    const double tx = centre.x() * (1 - g.scale) - g.scale * g.stage.x() + g.shift.x();
    const double ty = centre.y() * (1 - g.scale) - g.scale * g.stage.y() + g.shift.y();
    g.toScene = QTransform(g.scale, 0, 0, g.scale, tx, ty);
    g.sceneRect = QRectF(0, 0, size.width() + 2 * kMargin, size.height() + 2 * kMargin);
    // Nothing of the textured slide reaches into the rest scene, even blurred.
    const double clear = qMax(20.0 * g.ppu, 2.0 * kMargin);
    g.window = g.sceneRect.adjusted(-clear, -clear, clear, clear);
    return g;
}

// Deterministic noise: the slide is the same wherever and whenever it is seen.
struct CellRandom
{
    quint64 state;
    CellRandom(qint64 x, qint64 y, quint64 kind)
        : state(quint64(x) * 0x9E3779B97F4A7C15ULL ^ quint64(y) * 0xC2B2AE3D27D4EB4FULL ^ kind * 0x165667B19E3779F9ULL)
    {
    }
    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uniform() { return (next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double a, double b) { return a + (b - a) * uniform(); }
};

// The slide's height (um) under a point of it: a smooth, gently warped surface.
double surfaceHeight(const QPointF &um)
{
    return 55 * std::sin(um.x() / 650 + 0.4) * std::cos(um.y() / 520 - 0.8)
           + 22 * std::sin((um.x() - 0.6 * um.y()) / 310 + 1.3);
}

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

void drawDisc(QPainter &p, const QPointF &c, double r, double rim, const QColor &colour)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(0.85, colour);
    g.setColorAt(1, colour.darker(170));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(200), rim));
    p.drawEllipse(c, r, r);
}

void drawMark(QPainter &p, const Mark &m)
{
    switch (m.kind) {
    case Mark::Speck:
        p.setPen(Qt::NoPen);
        p.setBrush(m.colour);
        p.drawEllipse(m.a, m.size, m.size);
        break;
    case Mark::Stain: {
        QRadialGradient g(m.a, m.size);
        QColor edge = m.colour;
        edge.setAlpha(0);
        g.setColorAt(0, m.colour);
        g.setColorAt(1, edge);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(m.a, m.size, m.size);
        break;
    }
    case Mark::Scratch:
    case Mark::Fibre: {
        QPen pen(m.colour, m.size);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        QPainterPath path(m.a);
        if (m.kind == Mark::Fibre)
            path.quadTo(m.c, m.b);
        else
            path.lineTo(m.b);
        p.drawPath(path);
        break;
    }
    case Mark::Disc:
        drawDisc(p, m.a, m.size, m.rim, m.colour);
        break;
    }
}

// Everything of the textured slide that can show in the scene (the rest
// view's own objects and scale are drawn apart).
QVector<Mark> slideMarks(const Geometry &g)
{
    QVector<Mark> marks;
    // The scene's extent on the slide in um, widened by what can blur into it.
    const QRectF seen = g.toScene.inverted().mapRect(g.sceneRect);
    const double reach = 450; // longest mark plus the widest blur, um
    const QRectF um((seen.left() - kMargin) / g.ppu - reach, (seen.top() - kMargin) / g.ppu - reach,
                    seen.width() / g.ppu + 2 * reach, seen.height() / g.ppu + 2 * reach);
    // A mark stays clear of the rest scene even as blurred as it is at rest
    // (so the rest picture is the plain one), and is kept only where it can show.
    auto add = [&](const Mark &m) {
        const double restSigma = kBlurPerMicron * qMax(0.0, qAbs(m.height) - kDofHalf) * g.ppu;
        const double clear = 5 * restSigma + 4;
        if (m.box.adjusted(-clear, -clear, clear, clear).intersects(g.window))
            return;
        const double pad = 3 * g.sigmaAt(m.height) + 2;
        if (!g.toScene.mapRect(m.box).adjusted(-pad, -pad, pad, pad).intersects(g.sceneRect))
            return;
        marks.append(m);
    };
    auto cells = [&](double cell, quint64 kind, const std::function<void(CellRandom &, const QPointF &)> &make) {
        for (qint64 j = qint64(std::floor(um.top() / cell)); j <= qint64(std::floor(um.bottom() / cell)); ++j) {
            for (qint64 i = qint64(std::floor(um.left() / cell)); i <= qint64(std::floor(um.right() / cell)); ++i) {
                CellRandom r(i, j, kind);
                make(r, QPointF(i * cell, j * cell));
            }
        }
    };
    // Faint stain: the broad variation phase correlation locks on first.
    cells(160, 1, [&](CellRandom &r, const QPointF &o) {
        if (r.uniform() > 0.75)
            return;
        Mark m{Mark::Stain, {}, {}, {}, 0, 0, {}, 0, {}};
        const QPointF c = o + QPointF(r.range(0, 160), r.range(0, 160));
        m.a = g.rest(c);
        m.size = r.range(30, 90) * g.ppu;
        static const QColor tints[] = {QColor(170, 90, 120), QColor(90, 110, 170), QColor(150, 130, 80)};
        m.colour = tints[r.next() % 3];
        m.colour.setAlpha(int(r.range(18, 40)));
        m.height = surfaceHeight(c);
        m.box = QRectF(m.a - QPointF(m.size, m.size), m.a + QPointF(m.size, m.size));
        add(m);
    });
    // Specks of dust and debris, everywhere.
    cells(40, 2, [&](CellRandom &r, const QPointF &o) {
        const int n = int(r.next() % 4);
        for (int k = 0; k < n; ++k) {
            Mark m{Mark::Speck, {}, {}, {}, 0, 0, {}, 0, {}};
            const QPointF c = o + QPointF(r.range(0, 40), r.range(0, 40));
            m.a = g.rest(c);
            const double u = r.uniform();
            m.size = (0.8 + 4.2 * u * u) * g.ppu;
            const int v = int(r.range(35, 110));
            m.colour = QColor(v + 15, v, v - 10 < 0 ? 0 : v - 10, int(r.range(90, 220)));
            m.height = surfaceHeight(c) + r.range(-4, 4);
            m.box = QRectF(m.a - QPointF(m.size, m.size), m.a + QPointF(m.size, m.size));
            add(m);
        }
    });
    // Scratches in the slide and fibres on it.
    cells(250, 3, [&](CellRandom &r, const QPointF &o) {
        const double roll = r.uniform();
        if (roll > 0.55)
            return;
        const bool fibre = roll > 0.35;
        Mark m{fibre ? Mark::Fibre : Mark::Scratch, {}, {}, {}, 0, 0, {}, 0, {}};
        const QPointF a = o + QPointF(r.range(0, 250), r.range(0, 250));
        const double angle = r.range(0, 2 * M_PI);
        const double length = r.range(80, 380);
        const QPointF b = a + length * QPointF(std::cos(angle), std::sin(angle));
        const QPointF mid = (a + b) / 2 + r.range(-0.3, 0.3) * length * QPointF(-std::sin(angle), std::cos(angle));
        m.a = g.rest(a);
        m.b = g.rest(b);
        m.c = g.rest(mid);
        m.size = (fibre ? r.range(1.5, 3.5) : r.range(0.6, 2.0)) * g.ppu;
        m.colour = fibre ? QColor(60, 50, 45, int(r.range(60, 130)))
                         : (r.uniform() < 0.5 ? QColor(255, 255, 250, 140) : QColor(70, 65, 60, 110));
        m.height = surfaceHeight(mid);
        m.box = QRectF(m.a, m.b).normalized().united(QRectF(m.c, m.c)).adjusted(-m.size, -m.size, m.size, m.size);
        add(m);
    });
    // More round objects, at heights of their own.
    cells(220, 4, [&](CellRandom &r, const QPointF &o) {
        if (r.uniform() > 0.45)
            return;
        Mark m{Mark::Disc, {}, {}, {}, 0, 0, {}, 0, {}};
        const QPointF c = o + QPointF(r.range(50, 170), r.range(50, 170));
        m.a = g.rest(c);
        m.size = r.range(12, 40) * g.ppu;
        m.rim = qMax(1.0, kRimMicrons * g.ppu);
        static const QColor palette[] = {QColor(150, 80, 110), QColor(90, 120, 160), QColor(120, 150, 90),
                                         QColor(170, 110, 60), QColor(110, 90, 150), QColor(80, 140, 140)};
        m.colour = palette[r.next() % 6];
        m.height = surfaceHeight(c) + r.range(-40, 40);
        const double e = m.size + m.rim;
        m.box = QRectF(m.a - QPointF(e, e), m.a + QPointF(e, e));
        add(m);
    });
    return marks;
}

// Blurs a premultiplied layer in place; wide blurs on a reduced copy.
void blurLayer(QImage *layer, double sigma)
{
    layer->bits(); // detached, so the header writes the layer
    cv::Mat m = imaging::wrap(*layer);
    const int f = qBound(1, int(sigma / 2), qMax(1, qMin(m.cols, m.rows) / 4));
    if (f <= 1) {
        cv::GaussianBlur(m, m, cv::Size(0, 0), sigma, sigma, cv::BORDER_REPLICATE);
        return;
    }
    // Box reduction and linear enlargement add about f^2/4 px^2 of variance.
    const double rest = std::sqrt(qMax(0.25 * f * f, sigma * sigma - 0.25 * f * f)) / f;
    cv::Mat small;
    cv::resize(m, small, cv::Size((m.cols + f - 1) / f, (m.rows + f - 1) / f), 0, 0, cv::INTER_AREA);
    cv::GaussianBlur(small, small, cv::Size(0, 0), rest, rest, cv::BORDER_REPLICATE);
    cv::resize(small, m, m.size(), 0, 0, cv::INTER_LINEAR);
}

// Draws `paint` sharp onto the scene, or on a layer blurred by `sigma` and
// then onto the scene. `box` is what it covers, in rest-scene px.
void drawAt(QPainter &scene, const Geometry &g, double sigma, const QRectF &box,
            const std::function<void(QPainter &)> &paint)
{
    if (sigma < 0.3) {
        scene.setTransform(g.toScene);
        paint(scene);
        return;
    }
    const double pad = 3 * sigma + 2;
    const QRect roi = g.toScene.mapRect(box).adjusted(-pad, -pad, pad, pad).toAlignedRect().intersected(
        g.sceneRect.toAlignedRect());
    if (roi.isEmpty())
        return;
    QImage layer(roi.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(g.toScene * QTransform::fromTranslate(-roi.x(), -roi.y()));
        paint(p);
    }
    blurLayer(&layer, sigma);
    scene.resetTransform();
    scene.drawImage(roi.topLeft(), layer);
}

void drawScale(QPainter &p, const QSize &size)
{
    const double pitch = SimulatedBackend::scalePitch(size.width());
    const double y0 = kMargin + size.height() * 0.5;
    const double x0 = kMargin + size.width() * 0.1;
    const int ticks = 80;
    QPen pen(QColor(20, 20, 25), qMax(1.5, size.width() / 700.0));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(x0, y0), QPointF(x0 + ticks * pitch, y0));
    QFont font;
    font.setPixelSize(qMax(8, int(size.height() / 40)));
    p.setFont(font);
    for (int i = 0; i <= ticks; ++i) {
        const double x = x0 + i * pitch;
        const double len = i % 10 == 0 ? size.height() * 0.06 : i % 5 == 0 ? size.height() * 0.04 : size.height() * 0.025;
        p.drawLine(QPointF(x, y0), QPointF(x, y0 - len));
        if (i % 10 == 0)
            p.drawText(QPointF(x - font.pixelSize() * 0.3, y0 + font.pixelSize() * 1.3), QString::number(i / 10));
    }
    p.drawText(QPointF(x0, y0 - size.height() * 0.08), QStringLiteral("0.01 mm"));
}

// The scene at one size, before the camera's picture settings: the field of
// light (fixed to the camera), the slide as stage and focus place it, each
// thing blurred by its distance from the focal plane.
QImage renderScene(const QSize &size, const SimOptics &optics)
{
    const Geometry geo = geometryOf(size, optics);
    const int w = size.width() + 2 * kMargin;
    const int h = size.height() + 2 * kMargin;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Bright field, a little darker at the edges.
    QRadialGradient field(QPointF(w / 2.0, h / 2.0), qMax(w, h) * 0.7);
    field.setColorAt(0, QColor(236, 232, 220));
    field.setColorAt(1, QColor(170, 164, 150));
    p.fillRect(img.rect(), field);

    // The textured slide, in layers of like height (6 um apart) and tiles of
    // the scene (so that a blurred layer is no larger than it must be), then
    // its round objects.
    const QVector<Mark> marks = slideMarks(geo);
    std::map<std::tuple<int, int, int>, QVector<const Mark *>> layers;
    constexpr double kTile = 384;
    for (const Mark &m : marks) {
        if (m.kind == Mark::Disc)
            continue;
        const QPointF at = geo.toScene.map(m.box.center());
        layers[{int(std::floor(m.height / 6)), int(std::floor(at.x() / kTile)), int(std::floor(at.y() / kTile))}]
            .append(&m);
    }
    for (const auto &layer : layers) {
        QRectF box;
        for (const Mark *m : layer.second)
            box = box.united(m->box);
        const auto &list = layer.second;
        drawAt(p, geo, geo.sigmaAt((std::get<0>(layer.first) + 0.5) * 6), box, [&list](QPainter &q) {
            for (const Mark *m : list)
                drawMark(q, *m);
        });
    }
    for (const Mark &m : marks) {
        if (m.kind == Mark::Disc)
            drawAt(p, geo, geo.sigmaAt(m.height), m.box, [&m](QPainter &q) { drawMark(q, m); });
    }

    // Round objects, like cells or particles.
    const double unit = size.width() / 64.0;
    for (const RestBlob &b : kBlobs) {
        const QPointF c(kMargin + b.x * size.width(), kMargin + b.y * size.height());
        const double r = b.r * unit;
        const double rim = qMax(1.0, unit * 0.15);
        const QRectF box(c - QPointF(r + rim, r + rim), c + QPointF(r + rim, r + rim));
        drawAt(p, geo, geo.sigmaAt(b.height), box, [&](QPainter &q) { drawDisc(q, c, r, rim, b.c); });
    }

    // Stage micrometer: a horizontal scale of fixed pitch across the middle.
    const QRectF scaleBox(kMargin, kMargin + size.height() * 0.35, size.width(), size.height() * 0.25);
    drawAt(p, geo, geo.sigmaAt(0), scaleBox, [&size](QPainter &q) { drawScale(q, size); });
    p.end();
    return img;
}

// Lens falloff (cos^4 of the field angle, corners at 65 %) and two dust
// spots on the sensor, per frame pixel.
double vignetteGain(const QSize &size, const QPointF &p)
{
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    const double f = std::hypot(cx, cy) / 0.4904; // tan of the field angle at which cos^4 = 0.65
    const double rr = ((p.x() - cx) * (p.x() - cx) + (p.y() - cy) * (p.y() - cy)) / (f * f);
    double gain = 1 / ((1 + rr) * (1 + rr));
    struct Dust { double x, y, radius, depth; };
    for (const Dust &d : {Dust{0.27, 0.62, 0.012, 0.18}, Dust{0.71, 0.33, 0.008, 0.25}}) {
        const double s = d.radius * size.width();
        const double dx = p.x() - d.x * size.width(), dy = p.y() - d.y * size.height();
        const double r2 = dx * dx + dy * dy;
        if (r2 < 50 * s * s)
            gain *= 1 - d.depth * std::exp(-r2 / (2 * s * s));
    }
    return gain;
}

void applyVignette(QImage *frame)
{
    const QSize size = frame->size();
    static std::mutex cacheMutex;
    static std::shared_ptr<const std::vector<quint16>> cached; // gain * 32768, per pixel
    static QSize cachedSize;
    std::shared_ptr<const std::vector<quint16>> gain;
    {
        std::lock_guard<std::mutex> lock(cacheMutex);
        if (cachedSize != size || !cached) {
            auto map = std::make_shared<std::vector<quint16>>(size_t(size.width()) * size.height());
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x)
                    (*map)[size_t(y) * size.width() + x]
                        = quint16(qRound(vignetteGain(size, QPointF(x + 0.5, y + 0.5)) * 32768));
            }
            cached = map;
            cachedSize = size;
        }
        gain = cached;
    }
    for (int y = 0; y < size.height(); ++y) {
        uchar *px = frame->scanLine(y);
        const quint16 *g = gain->data() + size_t(y) * size.width();
        for (int x = 0; x < size.width(); ++x, px += 4) {
            for (int ch = 0; ch < 3; ++ch)
                px[ch] = uchar((px[ch] * g[x] + 16384) >> 15);
        }
    }
}

struct Look
{
    int brightness, contrast, saturation, gamma, gain, exposure, temperature;
    bool autoExposure, autoWb;
};

Look lookOf(SimulatedBackend::Camera &cam)
{
    std::lock_guard<std::mutex> lock(cam.mutex);
    Look l;
    l.brightness = cam.value(V4L2_CID_BRIGHTNESS);
    l.contrast = cam.value(V4L2_CID_CONTRAST);
    l.saturation = cam.value(V4L2_CID_SATURATION);
    l.gamma = qMax(1, cam.value(V4L2_CID_GAMMA));
    l.gain = cam.value(V4L2_CID_GAIN);
    l.exposure = cam.value(V4L2_CID_EXPOSURE_ABSOLUTE);
    l.temperature = qMax(1000, cam.value(V4L2_CID_WHITE_BALANCE_TEMPERATURE));
    l.autoExposure = cam.value(V4L2_CID_EXPOSURE_AUTO) != V4L2_EXPOSURE_MANUAL;
    l.autoWb = cam.value(V4L2_CID_AUTO_WHITE_BALANCE) != 0;
    return l;
}

// The picture settings, applied in place.
void applyLook(QImage *img, const Look &look)
{
    double level = 1.0 + look.gain / 60.0;
    if (!look.autoExposure)
        level *= look.exposure / 156.0;
    double rGain = 1.0, bGain = 1.0;
    if (!look.autoWb) {
        const double t = 4600.0 / look.temperature;
        rGain = t;
        bGain = 1.0 / t;
    }
    uchar lut[3][256];
    const double gains[3] = {bGain, 1.0, rGain}; // B, G, R byte order
    for (int ch = 0; ch < 3; ++ch) {
        for (int v = 0; v < 256; ++v) {
            double x = v / 255.0 * level * gains[ch];
            x = (x - 0.5) * (look.contrast / 50.0) + 0.5 + look.brightness / 128.0;
            x = qBound(0.0, x, 1.0);
            x = std::pow(x, 100.0 / look.gamma);
            lut[ch][v] = uchar(qBound(0, qRound(x * 255.0), 255));
        }
    }
    const int sat = look.saturation; // 64 = unchanged
    for (int y = 0; y < img->height(); ++y) {
        uchar *px = img->scanLine(y);
        for (int x = 0; x < img->width(); ++x, px += 4) {
            int b = lut[0][px[0]], g = lut[1][px[1]], r = lut[2][px[2]];
            if (sat != 64) {
                const int grey = (r * 77 + g * 150 + b * 29) >> 8;
                r = qBound(0, grey + (r - grey) * sat / 64, 255);
                g = qBound(0, grey + (g - grey) * sat / 64, 255);
                b = qBound(0, grey + (b - grey) * sat / 64, 255);
            }
            px[0] = uchar(b);
            px[1] = uchar(g);
            px[2] = uchar(r);
            px[3] = 0xFF;
        }
    }
}

class SimDevice : public BackendDevice
{
public:
    explicit SimDevice(std::shared_ptr<SimulatedBackend::Camera> cam)
        : m_cam(std::move(cam))
        , m_size(m_cam->spec.sizes.value(0))
        , m_format(m_cam->spec.formats.value(0))
    {
    }
    ~SimDevice() override { stop(); }

    QSize currentSize() const override { return m_size; }
    quint32 currentPixelFormat() const override { return m_format; }
    int bytesPerLine() const override { return m_format == V4L2_PIX_FMT_YUYV ? m_size.width() * 2 : 0; }
    int imageSize() const override { return m_size.width() * m_size.height() * 2; }

    bool trySetFormat(const QSize &size, quint32 pixelFormat) override
    {
        if (m_running || m_cam->streaming || !m_cam->spec.formats.contains(pixelFormat))
            return false;
        m_format = pixelFormat;
        // Like a driver: it takes the nearest size it has.
        QSize best = m_cam->spec.sizes.value(0);
        for (const QSize &s : m_cam->spec.sizes) {
            if (qAbs(s.width() - size.width()) + qAbs(s.height() - size.height())
                < qAbs(best.width() - size.width()) + qAbs(best.height() - size.height()))
                best = s;
        }
        m_size = best;
        return best == size;
    }

    // Like a UVC camera: a few rates, the fastest one lower above two megapixels.
    int fastest() const
    {
        return m_size.width() * m_size.height() > 2100000 ? qMin(15, m_cam->spec.maxFps) : m_cam->spec.maxFps;
    }

    FrameTimes frameTimes() const override
    {
        FrameTimes t;
        for (int fps : {60, 30, 25, 20, 15, 10, 5}) {
            if (fps <= fastest())
                t.discrete.append(10000000 / fps);
        }
        return t;
    }

    double setFrameTime(int frameTime) override
    {
        if (frameTime <= 0)
            return 0;
        m_frameTime = frameTimes().nearest(frameTime);
        return frameRate();
    }

    double frameRate() const override
    {
        return m_frameTime > 0 ? qRound(1e8 / m_frameTime) / 10.0 : double(fastest()); // whole rates, as listed
    }

    CaptureFailure startFailure() const override { return m_failure; }

    QVector<FormatCapability> capabilities() const override
    {
        QVector<FormatCapability> caps;
        for (quint32 f : m_cam->spec.formats) {
            for (const QSize &s : m_cam->spec.sizes) {
                FormatCapability c;
                c.pixelFormat = f;
                c.minimum = c.maximum = s;
                caps.append(c);
            }
        }
        return caps;
    }

    bool start(FrameReceiver *receiver) override
    {
        m_failure = CaptureFailure::Other;
        if (m_running || !receiver || m_cam->unplugged)
            return false;
        if (m_cam->noBandwidth) {
            m_failure = CaptureFailure::Bandwidth;
            return false;
        }
        if (m_cam->streaming.exchange(true))
            return false;
        m_failure = CaptureFailure::None;
        m_stop = false;
        m_running = true;
        m_thread = std::thread([this, receiver] { run(receiver); });
        return true;
    }

    void stop() override
    {
        if (!m_running)
            return;
        {
            std::lock_guard<std::mutex> lock(m_wakeMutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
        m_running = false;
        m_cam->streaming = false;
    }

    QVector<ControlInfo> controls() const override
    {
        std::lock_guard<std::mutex> lock(m_cam->mutex);
        QVector<ControlInfo> list;
        for (const SimControl &c : qAsConst(m_cam->controls))
            list.append(c.info);
        return list;
    }

    bool queryControl(quint32 id, ControlInfo *info) const override
    {
        std::lock_guard<std::mutex> lock(m_cam->mutex);
        SimControl *c = m_cam->control(id);
        if (!c)
            return false;
        if (info)
            *info = c->info;
        return true;
    }

    bool getControl(quint32 id, qint32 *value) const override
    {
        std::lock_guard<std::mutex> lock(m_cam->mutex);
        SimControl *c = m_cam->control(id);
        if (!c)
            return false;
        if (value)
            *value = c->value;
        return true;
    }

    bool setControl(quint32 id, qint32 value) override { return m_cam->set(id, value); }

private:
    // Frame k of the drift cycle (slot kMotionFrames: held still), encoded on
    // first use and replayed after.
    const QByteArray &frame(int k, tjhandle tj)
    {
        QByteArray &out = m_frames[k];
        if (!out.isEmpty())
            return out;
        const QPoint d = k == kMotionFrames ? QPoint() : SimulatedBackend::driftAt(k);
        const int w = m_size.width();
        const int h = m_size.height();
        const uchar *src = m_base.constScanLine(kMargin + d.y()) + (kMargin + d.x()) * 4;
        int stride = m_base.bytesPerLine();
        QImage vignetted;
        if (m_optics.vignetting) {
            vignetted = m_base.copy(kMargin + d.x(), kMargin + d.y(), w, h);
            applyVignette(&vignetted);
            src = vignetted.constBits();
            stride = vignetted.bytesPerLine();
        }
        if (m_format == V4L2_PIX_FMT_MJPEG) {
            unsigned char *jpeg = nullptr;
            unsigned long size = 0;
            if (tjCompress2(tj, src, w, stride, h, TJPF_BGRX, &jpeg, &size, TJSAMP_422, 85, 0) == 0)
                out = QByteArray(reinterpret_cast<const char *>(jpeg), int(size));
            tjFree(jpeg);
        } else {
            out.resize(w * h * 2);
            libyuv::ARGBToYUY2(src, stride, reinterpret_cast<uchar *>(out.data()), w * 2, w, h);
        }
        return out;
    }

    void run(FrameReceiver *receiver)
    {
        crash::armCurrentThread();
        pthread_setname_np(pthread_self(), "vistrel-capture");
        tjhandle tj = tjInitCompress();
        const int minFrameTime = 10000000 / qMax(1, fastest());
        const auto interval = std::chrono::microseconds(qMax(m_frameTime, minFrameTime) / 10);
        int generation = -1;
        int k = 0;
        auto next = std::chrono::steady_clock::now();
        while (true) {
            {
                std::unique_lock<std::mutex> lock(m_wakeMutex);
                if (m_wake.wait_until(lock, next, [this] { return m_stop; }))
                    break;
            }
            next += interval;
            const auto now = std::chrono::steady_clock::now();
            if (next < now)
                next = now; // fell behind: do not burst
            if (m_cam->unplugged) {
                receiver->streamLost();
                break;
            }
            if (generation != m_cam->controlGeneration) {
                generation = m_cam->controlGeneration;
                // The slide is drawn again only when stage or focus moved.
                SimOptics optics = m_cam->optics();
                SimOptics drawn = optics;
                drawn.vignetting = false;
                if (m_scene.size() != m_size + QSize(2 * kMargin, 2 * kMargin) || drawn != m_drawn) {
                    m_scene = renderScene(m_size, drawn);
                    m_drawn = drawn;
                }
                m_optics = optics;
                m_base = m_scene.copy();
                applyLook(&m_base, lookOf(*m_cam));
                for (QByteArray &f : m_frames)
                    f.clear();
            }
            if (m_cam->paused)
                continue;
            if (m_cam->still.exchange(false))
                receiver->stillButtonPressed();
            const QByteArray &data = frame(m_cam->driftHeld ? kMotionFrames : k, tj);
            k = (k + 1) % kMotionFrames;
            if (data.isEmpty())
                continue;
            const std::size_t bytes = m_cam->damaged ? std::min<std::size_t>(64, std::size_t(data.size()))
                                                     : std::size_t(data.size());
            receiver->frameArrived(reinterpret_cast<const uchar *>(data.constData()), bytes);
            ++m_cam->sent;
        }
        tjDestroy(tj);
    }

    std::shared_ptr<SimulatedBackend::Camera> m_cam;
    QSize m_size;
    quint32 m_format;
    int m_frameTime = 0;
    CaptureFailure m_failure = CaptureFailure::None;
    QImage m_scene;
    QImage m_base;
    QByteArray m_frames[kMotionFrames + 1];
    SimOptics m_optics;
    SimOptics m_drawn;
    std::thread m_thread;
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_running = false;
};

} // namespace

SimulatedBackend::SimulatedBackend(const QVector<SimCameraSpec> &cameras)
{
    for (SimCameraSpec spec : cameras) {
        if (spec.formats.isEmpty())
            spec.formats = {V4L2_PIX_FMT_MJPEG, V4L2_PIX_FMT_YUYV};
        auto cam = std::make_shared<Camera>();
        cam->spec = spec;
        cam->path = QStringLiteral("sim:%1#vid_%2&pid_%3")
                        .arg(spec.tag)
                        .arg(spec.vendorId, 4, 16, QLatin1Char('0'))
                        .arg(spec.productId, 4, 16, QLatin1Char('0'));
        cam->controls = defaultControls();
        cam->updateInactive();
        m_cameras.append(cam);
    }
}

SimulatedBackend::~SimulatedBackend() = default;

std::shared_ptr<SimulatedBackend> SimulatedBackend::demo(int count)
{
    QVector<SimCameraSpec> specs;
    for (int i = 0; i < qBound(1, count, 4); ++i) {
        SimCameraSpec s;
        s.tag = QStringLiteral("demo-%1").arg(i + 1);
        s.port = QStringLiteral("9-%1").arg(i + 1);
        if (i % 2 == 1) {
            s.friendlyName = QStringLiteral("Simulated microscope 5M");
            s.productId = 0x0223;
            s.sizes = {{1280, 1024}, {1920, 1080}, {2048, 1536}, {2592, 1944}};
        }
        specs.append(s);
    }
    return std::make_shared<SimulatedBackend>(specs);
}

double SimulatedBackend::scalePitch(int frameWidth)
{
    return frameWidth / 100.0;
}

QVector<BackendDeviceInfo> SimulatedBackend::enumerate()
{
    QVector<BackendDeviceInfo> list;
    for (const auto &cam : qAsConst(m_cameras)) {
        if (cam->unplugged)
            continue;
        BackendDeviceInfo info;
        info.friendlyName = cam->spec.friendlyName;
        info.path = cam->path;
        info.port = cam->spec.port;
        for (quint32 f : cam->spec.formats) {
            for (const QSize &s : cam->spec.sizes) {
                FormatCapability c;
                c.pixelFormat = f;
                c.minimum = c.maximum = s;
                info.formats.append(c);
            }
        }
        list.append(info);
    }
    return list;
}

std::unique_ptr<BackendDevice> SimulatedBackend::open(const QString &path)
{
    for (const auto &cam : qAsConst(m_cameras)) {
        if (cam->path == path && !cam->unplugged && !cam->busy) {
            ++cam->opens;
            return std::make_unique<SimDevice>(cam);
        }
    }
    return nullptr;
}

QString SimulatedBackend::pathOf(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->path : QString();
}

void SimulatedBackend::pressStillButton(int index)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->still = true;
}

void SimulatedBackend::unplug(int index)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->unplugged = true;
}

void SimulatedBackend::setBusy(int index, bool busy)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->busy = busy;
}

int SimulatedBackend::openCount(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->opens.load() : 0;
}

void SimulatedBackend::setBandwidthExhausted(int index, bool exhausted)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->noBandwidth = exhausted;
}

void SimulatedBackend::setPaused(int index, bool paused)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->paused = paused;
}

void SimulatedBackend::setDamagedFrames(int index, bool damaged)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->damaged = damaged;
}

quint64 SimulatedBackend::framesSent(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->sent.load() : 0;
}

void SimulatedBackend::holdDrift(int index, bool hold)
{
    if (index >= 0 && index < m_cameras.size()) {
        m_cameras[index]->driftHeld = hold;
        ++m_cameras[index]->controlGeneration; // frames drawn again
    }
}

bool SimulatedBackend::setControl(int index, quint32 id, qint32 value)
{
    return index >= 0 && index < m_cameras.size() && m_cameras[index]->set(id, value);
}

SimOptics SimulatedBackend::optics(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->optics() : SimOptics();
}

QPoint SimulatedBackend::driftAt(int phase)
{
    const double a = 2 * M_PI * (((phase % kMotionFrames) + kMotionFrames) % kMotionFrames) / kMotionFrames;
    return QPoint(qRound(std::cos(a) * kMargin * 0.6), qRound(std::sin(a) * kMargin * 0.4));
}

int SimulatedBackend::driftFrames()
{
    return kMotionFrames;
}

SimTruth SimulatedBackend::truth(int index, const QSize &size, int phase) const
{
    if (index < 0 || index >= m_cameras.size())
        return SimTruth();
    const bool held = m_cameras[index]->driftHeld;
    return truth(size, m_cameras[index]->optics(), held ? QPoint() : driftAt(phase));
}

SimTruth SimulatedBackend::truth(const QSize &size, const SimOptics &optics, const QPoint &drift)
{
    const Geometry g = geometryOf(size, optics);
    SimTruth t;
    t.frameSize = size;
    t.pxPerMicron = g.ppu;
    t.focusScale = g.scale;
    t.focusShift = g.shift;
    t.stageOffset = g.stage * g.scale;
    t.drift = drift;
    t.focalPlane = g.plane;
    t.depthOfField = kDofHalf;
    t.blurPerMicron = kBlurPerMicron * g.ppu * g.scale;
    t.vignetting = optics.vignetting;
    const QPointF origin(kMargin + drift.x(), kMargin + drift.y());
    const QRectF frame(QPointF(0, 0), QSizeF(size));
    auto disc = [&](const QPointF &c, double r, double rim, double height) {
        SimTruth::Disc d;
        d.centre = g.toScene.map(c) - origin;
        d.radius = (r + rim / 2) * g.scale;
        d.height = height;
        d.sigma = g.sigmaAt(height);
        if (QRectF(d.centre - QPointF(d.radius, d.radius), d.centre + QPointF(d.radius, d.radius)).intersects(frame))
            t.discs.append(d);
    };
    const double unit = size.width() / 64.0;
    for (const RestBlob &b : kBlobs)
        disc(QPointF(kMargin + b.x * size.width(), kMargin + b.y * size.height()), b.r * unit, qMax(1.0, unit * 0.15),
             b.height);
    for (const Mark &m : slideMarks(g)) {
        if (m.kind == Mark::Disc)
            disc(m.a, m.size, m.rim, m.height);
    }
    t.scalePitch = scalePitch(size.width()) * g.scale;
    t.firstTick = g.toScene.map(QPointF(kMargin + size.width() * 0.1, kMargin + size.height() * 0.5)) - origin;
    t.scaleAngle = 0;
    return t;
}

QImage SimulatedBackend::picture(int index, const QSize &size, int phase) const
{
    if (index < 0 || index >= m_cameras.size() || size.isEmpty())
        return QImage();
    Camera &cam = *m_cameras[index];
    SimOptics optics = cam.optics();
    const bool vignetting = optics.vignetting;
    optics.vignetting = false;
    QImage scene = renderScene(size, optics);
    applyLook(&scene, lookOf(cam));
    const QPoint d = cam.driftHeld ? QPoint() : driftAt(phase);
    QImage frame = scene.copy(kMargin + d.x(), kMargin + d.y(), size.width(), size.height());
    if (vignetting)
        applyVignette(&frame);
    return frame;
}

double SimTruth::sigmaAt(double height) const
{
    return blurPerMicron * qMax(0.0, qAbs(height - focalPlane) - depthOfField);
}

QPointF SimTruth::toPicture(const QPointF &micron) const
{
    const QPointF centre(frameSize.width() / 2.0, frameSize.height() / 2.0);
    const QPointF rest = micron * pxPerMicron;
    return centre + focusScale * (rest - centre) - stageOffset + focusShift - QPointF(drift);
}

double SimTruth::gainAt(const QPointF &p) const
{
    return vignetting ? vignetteGain(frameSize, p) : 1.0;
}
