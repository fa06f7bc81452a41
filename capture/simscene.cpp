#include "capture/simscene.h"

#include "imaging/cvimage.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace simscene {

constexpr double kFocusScale = 0.01; // magnification change at either end of the focus range
constexpr double kFocusShiftX = 3.0; // and the shift there, px at 1280 wide
constexpr double kFocusShiftY = -2.0;
constexpr double kRimMicrons = 0.15 * 1000 / 64; // round objects' rim, as the rest ones at 1/64 width

// Round objects of the rest view (fractions of the frame; radius in 1/64 of its
// width); their heights lie within the depth of field, so at rest all are sharp.
const RestBlob kBlobs[kBlobCount] = {
    {0.22, 0.30, 4.5, QColor(150, 80, 110), -9}, {0.70, 0.28, 3.0, QColor(90, 120, 160), 7},
    {0.58, 0.66, 6.0, QColor(120, 150, 90), 0},  {0.30, 0.72, 2.2, QColor(170, 110, 60), 10},
    {0.84, 0.60, 2.8, QColor(110, 90, 150), -6},
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
    {}
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
    case Mark::Disc: drawDisc(p, m.a, m.size, m.rim, m.colour); break;
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
    const QRect roi =
        g.toScene.mapRect(box).adjusted(-pad, -pad, pad, pad).toAlignedRect().intersected(g.sceneRect.toAlignedRect());
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
        const double len = i % 10 == 0  ? size.height() * 0.06
                           : i % 5 == 0 ? size.height() * 0.04
                                        : size.height() * 0.025;
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
    struct Dust
    {
        double x, y, radius, depth;
    };
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
                    (*map)[size_t(y) * size.width() + x] = quint16(
                        qRound(vignetteGain(size, QPointF(x + 0.5, y + 0.5)) * 32768));
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

} // namespace simscene
