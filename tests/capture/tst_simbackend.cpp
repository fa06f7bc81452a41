#include "capture/simbackend.h"
#include "imaging/cvimage.h"

#include <QPainter>
#include <QtMath>
#include <QtTest>

#include <linux/videodev2.h>
#include <opencv2/imgproc.hpp>

#include <condition_variable>
#include <mutex>

namespace {

constexpr int kMargin = 12;

// The scene as the simulated microscope drew it before it had a stage, a
// focus drive and vignetting: the rest picture must stay this one.
QImage plainScene(const QSize &size)
{
    const int w = size.width() + 2 * kMargin;
    const int h = size.height() + 2 * kMargin;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient field(QPointF(w / 2.0, h / 2.0), qMax(w, h) * 0.7);
    field.setColorAt(0, QColor(236, 232, 220));
    field.setColorAt(1, QColor(170, 164, 150));
    p.fillRect(img.rect(), field);
    const double unit = size.width() / 64.0;
    struct Blob
    {
        double x, y, r;
        QColor c;
    };
    const Blob blobs[] = {
        {0.22, 0.30, 4.5, QColor(150, 80, 110)}, {0.70, 0.28, 3.0, QColor(90, 120, 160)},
        {0.58, 0.66, 6.0, QColor(120, 150, 90)}, {0.30, 0.72, 2.2, QColor(170, 110, 60)},
        {0.84, 0.60, 2.8, QColor(110, 90, 150)},
    };
    for (const Blob &b : blobs) {
        const QPointF c(kMargin + b.x * size.width(), kMargin + b.y * size.height());
        QRadialGradient g(c, b.r * unit);
        g.setColorAt(0, b.c.lighter(150));
        g.setColorAt(0.85, b.c);
        g.setColorAt(1, b.c.darker(170));
        p.setBrush(g);
        p.setPen(QPen(b.c.darker(200), qMax(1.0, unit * 0.15)));
        p.drawEllipse(c, b.r * unit, b.r * unit);
    }
    const double pitch = SimulatedBackend::scalePitch(size.width());
    const double y0 = kMargin + size.height() * 0.5;
    const double x0 = kMargin + size.width() * 0.1;
    QPen pen(QColor(20, 20, 25), qMax(1.5, size.width() / 700.0));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(x0, y0), QPointF(x0 + 80 * pitch, y0));
    QFont font;
    font.setPixelSize(qMax(8, int(size.height() / 40)));
    p.setFont(font);
    for (int i = 0; i <= 80; ++i) {
        const double x = x0 + i * pitch;
        const double len = i % 10 == 0  ? size.height() * 0.06
                           : i % 5 == 0 ? size.height() * 0.04
                                        : size.height() * 0.025;
        p.drawLine(QPointF(x, y0), QPointF(x, y0 - len));
        if (i % 10 == 0)
            p.drawText(QPointF(x - font.pixelSize() * 0.3, y0 + font.pixelSize() * 1.3), QString::number(i / 10));
    }
    p.drawText(QPointF(x0, y0 - size.height() * 0.08), QStringLiteral("0.01 mm"));
    p.end();
    return img;
}

// Mean squared gradient of the grey picture inside a rectangle.
double sharpness(const QImage &picture, const QRectF &where)
{
    const cv::Mat grey = imaging::toGray32F(picture);
    const cv::Rect r = cv::Rect(int(where.x()), int(where.y()), int(where.width()), int(where.height()))
                       & cv::Rect(0, 0, grey.cols, grey.rows);
    cv::Mat gx, gy;
    cv::Sobel(grey(r), gx, CV_32F, 1, 0);
    cv::Sobel(grey(r), gy, CV_32F, 0, 1);
    return cv::mean(gx.mul(gx) + gy.mul(gy))[0];
}

QRectF around(const SimTruth::Disc &d, double factor = 1.3)
{
    const double r = d.radius * factor;
    return QRectF(d.centre - QPointF(r, r), d.centre + QPointF(r, r));
}

struct Collector : FrameReceiver
{
    std::mutex mutex;
    std::condition_variable arrived;
    QVector<QByteArray> frames;
    void frameArrived(const uchar *data, std::size_t bytes) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        frames.append(QByteArray(reinterpret_cast<const char *>(data), int(bytes)));
        arrived.notify_all();
    }
    void stillButtonPressed() override {}
    void streamLost() override {}
    QByteArray waitFor(int count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        arrived.wait_for(lock, std::chrono::seconds(20), [&] { return frames.size() >= count; });
        return frames.size() >= count ? frames[count - 1] : QByteArray();
    }
};

} // namespace

class TstSimBackend : public QObject
{
    Q_OBJECT
private slots:
    void restPictureUnchanged_data();
    void restPictureUnchanged();
    void blurFollowsEachHeight();
    void stageMovesByTruth_data();
    void stageMovesByTruth();
    void discsWhereTruthSays_data();
    void discsWhereTruthSays();
    void vignetting();
    void streamFollowsControls();
};

void TstSimBackend::restPictureUnchanged_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("phase");
    QTest::newRow("640x480") << QSize(640, 480) << 0;
    QTest::newRow("1280x720 drifted") << QSize(1280, 720) << 3;
    QTest::newRow("1280x1024") << QSize(1280, 1024) << 6;
    QTest::newRow("2592x1944") << QSize(2592, 1944) << 1;
}

// At the controls' defaults (and with vignetting switched off again) every
// pixel is the plain scene's, at each drift phase.
void TstSimBackend::restPictureUnchanged()
{
    QFETCH(QSize, size);
    QFETCH(int, phase);
    auto sim = SimulatedBackend::demo(1);
    QVERIFY(sim->setControl(0, SimulatedBackend::kVignettingControl, 1));
    QVERIFY(sim->setControl(0, SimulatedBackend::kVignettingControl, 0));
    QVERIFY(sim->optics(0).atRest());
    const QPoint d = SimulatedBackend::driftAt(phase);
    const QImage expected = plainScene(size).copy(kMargin + d.x(), kMargin + d.y(), size.width(), size.height());
    QVERIFY(sim->picture(0, size, phase) == expected);
    const SimTruth t = sim->truth(0, size, phase);
    QCOMPARE(t.discs.size(), 5);
    QCOMPARE(t.scalePitch, SimulatedBackend::scalePitch(size.width()));
    QCOMPARE(t.firstTick, QPointF(size.width() * 0.1, size.height() * 0.5) - QPointF(d));
}

// Each object blurs with its own distance from the focal plane: the one
// nearest the plane is the sharp one, and blur grows on both sides.
void TstSimBackend::blurFollowsEachHeight()
{
    const QSize size(640, 480);
    auto sim = SimulatedBackend::demo(1);
    sim->holdDrift(0, true);
    // Rest objects 0 (height -9 um) and 3 (+10 um).
    auto at = [&](int focus, int disc) {
        sim->setControl(0, V4L2_CID_FOCUS_ABSOLUTE, focus);
        const SimTruth t = sim->truth(0, size);
        return sharpness(sim->picture(0, size), around(t.discs[disc]));
    };
    const SimTruth rest = sim->truth(0, size);
    QCOMPARE(rest.discs[0].height, -9.0);
    QCOMPARE(rest.discs[3].height, 10.0);
    const int r = SimOptics::kFocusRest;
    QVERIFY(at(r + 25, 3) > 2 * at(r - 25, 3));
    QVERIFY(at(r - 25, 0) > 2 * at(r + 25, 0));
    double last = at(r, 2);
    for (int dz : {30, 60, 120}) {
        const double s = at(r + dz, 2);
        QVERIFY2(s < 0.8 * last, qPrintable(QString::number(dz)));
        QVERIFY(qAbs(at(r - dz, 2) / s - 1) < 0.35); // about as blurred below as above
        last = s;
    }
    sim->setControl(0, V4L2_CID_FOCUS_ABSOLUTE, r + 120);
    const SimTruth far = sim->truth(0, size);
    QVERIFY(qAbs(far.discs[2].sigma - far.sigmaAt(0)) < 1e-9);
    QVERIFY(far.discs[2].sigma > 5);
    // The focus drive scales about the centre and shifts a little.
    QVERIFY(far.focusScale > 1.007 && far.focusScale < 1.011);
    QVERIFY(far.focusShift.manhattanLength() > 1 && far.focusShift.manhattanLength() < 6);
    QVERIFY(qAbs(far.scalePitch / rest.scalePitch - far.focusScale) < 1e-12);
}

void TstSimBackend::stageMovesByTruth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<int>("focus");
    QTest::newRow("off the rest view") << QSize(640, 480) << QPoint(0, 0) << QPoint(230, 90) << SimOptics::kFocusRest;
    QTest::newRow("textured, diagonal") << QSize(640, 480) << QPoint(1500, -1200) << QPoint(-173, 141)
                                        << SimOptics::kFocusRest;
    QTest::newRow("defocused, 1280") << QSize(1280, 720) << QPoint(-2200, 900) << QPoint(311, -47)
                                     << SimOptics::kFocusRest + 40;
}

// Phase correlation between two overlapping fields finds the shift the
// truth gives, to a fraction of a pixel.
void TstSimBackend::stageMovesByTruth()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, from);
    QFETCH(QPoint, step);
    QFETCH(int, focus);
    auto sim = SimulatedBackend::demo(1);
    sim->holdDrift(0, true);
    sim->setControl(0, V4L2_CID_FOCUS_ABSOLUTE, focus);
    auto field = [&](const QPoint &stage, SimTruth *t) {
        sim->setControl(0, V4L2_CID_PAN_ABSOLUTE, stage.x());
        sim->setControl(0, V4L2_CID_TILT_ABSOLUTE, stage.y());
        *t = sim->truth(0, size);
        cv::Mat grey = imaging::toGray32F(sim->picture(0, size));
        cv::Mat f;
        grey.convertTo(f, CV_64F);
        return f;
    };
    SimTruth a, b;
    const cv::Mat first = field(from, &a);
    const cv::Mat second = field(from + step, &b);
    cv::Mat window;
    cv::createHanningWindow(window, first.size(), CV_64F);
    const cv::Point2d found = cv::phaseCorrelate(first, second, window);
    const QPointF expected = a.stageOffset - b.stageOffset; // content moves against the stage
    QVERIFY(qAbs(expected.x() - (b.pxPerMicron * b.focusScale * -step.x())) < 1e-9);
    QVERIFY2(
        qAbs(found.x - expected.x()) < 0.3 && qAbs(found.y - expected.y()) < 0.3,
        qPrintable(QStringLiteral("%1,%2 vs %3,%4").arg(found.x).arg(found.y).arg(expected.x()).arg(expected.y())));
    // A specimen point moves with it.
    const QPointF um(400, 300);
    QVERIFY(QLineF(b.toPicture(um), a.toPicture(um) + expected).length() < 1e-9);
}

void TstSimBackend::discsWhereTruthSays_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("stage");
    QTest::addColumn<int>("atLeast");
    QTest::newRow("rest") << QSize(640, 480) << QPoint(0, 0) << 5;
    QTest::newRow("rest 1920") << QSize(1920, 1080) << QPoint(0, 0) << 5;
    QTest::newRow("slide 1280") << QSize(1280, 960) << QPoint(1800, 1400) << 3;
    QTest::newRow("slide 640") << QSize(640, 480) << QPoint(-2100, -700) << 3;
}

// Every round object the truth lists, brought into focus at the height the
// truth gives, has its outer edge where the truth puts it (sampled along 16
// rays, to 0.75 px).
void TstSimBackend::discsWhereTruthSays()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, stage);
    QFETCH(int, atLeast);
    auto sim = SimulatedBackend::demo(1);
    sim->holdDrift(0, true);
    sim->setControl(0, V4L2_CID_PAN_ABSOLUTE, stage.x());
    sim->setControl(0, V4L2_CID_TILT_ABSOLUTE, stage.y());
    const QRectF inner(QPointF(8, 8), QSizeF(size) - QSizeF(16, 16));
    QVector<SimTruth::Disc> wanted;
    for (const SimTruth::Disc &d : sim->truth(0, size).discs) {
        if (d.radius >= 6 && inner.contains(around(d, 1.5)) && wanted.size() < 5)
            wanted.append(d);
    }
    int checked = 0;
    for (const SimTruth::Disc &want : qAsConst(wanted)) {
        sim->setControl(0, V4L2_CID_FOCUS_ABSOLUTE, SimOptics::kFocusRest + qRound(want.height));
        const SimTruth t = sim->truth(0, size);
        const SimTruth::Disc *found = nullptr;
        for (const SimTruth::Disc &d : t.discs) {
            if (d.height == want.height
                && (!found || QLineF(d.centre, want.centre).length() < QLineF(found->centre, want.centre).length()))
                found = &d;
        }
        QVERIFY(found && found->sigma == 0);
        const SimTruth::Disc d = *found;
        const cv::Mat grey = imaging::toGray32F(sim->picture(0, size));
        auto sample = [&](const QPointF &p) {
            cv::Mat one;
            cv::getRectSubPix(grey, cv::Size(1, 1), cv::Point2f(float(p.x() - 0.5), float(p.y() - 0.5)), one);
            return double(one.at<float>(0, 0));
        };
        QVector<double> edges;
        for (int k = 0; k < 16; ++k) {
            const QPointF dir(std::cos(k * M_PI / 8), std::sin(k * M_PI / 8));
            const double half = (sample(d.centre + dir * (d.radius + 3)) + sample(d.centre + dir * (d.radius - 1.2)))
                                / 2;
            // Walk in from outside to where the profile first crosses half way.
            for (double r = d.radius + 3; r > d.radius - 3; r -= 0.05) {
                if (sample(d.centre + dir * r) < half) {
                    edges.append(r + 0.05 / 2);
                    break;
                }
            }
        }
        QVERIFY(edges.size() >= 12);
        std::sort(edges.begin(), edges.end());
        const double median = edges[edges.size() / 2];
        QVERIFY2(qAbs(median - d.radius) < 0.75, qPrintable(QStringLiteral("disc at %1,%2: edge %3, truth %4")
                                                                .arg(d.centre.x())
                                                                .arg(d.centre.y())
                                                                .arg(median)
                                                                .arg(d.radius)));
        ++checked;
    }
    QVERIFY2(checked >= atLeast, qPrintable(QString::number(checked)));
}

// The falloff darkens corners to about 65 % of the centre, exactly by the
// gain the truth reports; off again, the picture is the plain one.
void TstSimBackend::vignetting()
{
    const QSize size(640, 480);
    auto sim = SimulatedBackend::demo(1);
    sim->holdDrift(0, true);
    const QImage plain = sim->picture(0, size);
    QVERIFY(sim->setControl(0, SimulatedBackend::kVignettingControl, 1));
    const QImage dark = sim->picture(0, size);
    const SimTruth t = sim->truth(0, size);
    const double corner = t.gainAt(QPointF(0.5, 0.5));
    QVERIFY2(corner > 0.6 && corner < 0.7, qPrintable(QString::number(corner)));
    QVERIFY(t.gainAt(QPointF(320, 240)) > 0.999);
    for (const QPoint &p : {QPoint(0, 0), QPoint(639, 479), QPoint(320, 240), QPoint(100, 400), QPoint(173, 298)}) {
        const double g = t.gainAt(QPointF(p) + QPointF(0.5, 0.5));
        const QRgb a = plain.pixel(p), b = dark.pixel(p);
        QVERIFY(qAbs(qGreen(b) - qGreen(a) * g) <= 0.51);
        QVERIFY(qAbs(qRed(b) - qRed(a) * g) <= 0.51);
    }
    // A dust spot: darker than the falloff alone there.
    QVERIFY(t.gainAt(QPointF(0.27 * 640, 0.62 * 480)) < 0.85);
    QVERIFY(sim->setControl(0, SimulatedBackend::kVignettingControl, 0));
    QVERIFY(sim->picture(0, size) == plain);
    QCOMPARE(sim->truth(0, size).gainAt(QPointF(0, 0)), 1.0);
}

// The stream shows what picture() draws, follows the stage, and with the
// drift held sends the same frame again and again.
void TstSimBackend::streamFollowsControls()
{
    auto sim = SimulatedBackend::demo(1);
    sim->holdDrift(0, true);
    std::unique_ptr<BackendDevice> dev = sim->open(sim->pathOf(0));
    QVERIFY(dev);
    bool hasFocus = false, hasStage = false, hasVignetting = false;
    for (const ControlInfo &c : dev->controls()) {
        hasFocus = hasFocus
                   || (c.id == V4L2_CID_FOCUS_ABSOLUTE && c.name == "Focus" && c.defaultValue == SimOptics::kFocusRest);
        hasStage = hasStage || (c.id == V4L2_CID_TILT_ABSOLUTE && c.name == "Stage Y" && c.defaultValue == 0);
        hasVignetting = hasVignetting
                        || (c.id == SimulatedBackend::kVignettingControl && c.type == ControlInfo::Boolean);
    }
    QVERIFY(hasFocus && hasStage && hasVignetting);
    QVERIFY(dev->trySetFormat(QSize(640, 480), V4L2_PIX_FMT_YUYV));
    QVERIFY(dev->setControl(V4L2_CID_PAN_ABSOLUTE, 777));
    Collector frames;
    QVERIFY(dev->start(&frames));
    const QByteArray one = frames.waitFor(2);
    const QByteArray two = frames.waitFor(3);
    dev->stop();
    QCOMPARE(one.size(), 640 * 480 * 2);
    QVERIFY(one == two);
    const QImage expected = sim->picture(0, QSize(640, 480));
    double worst = 0;
    for (int y = 0; y < 480; y += 7) {
        for (int x = 0; x < 640; x += 5) {
            const QRgb c = expected.pixel(x, y);
            const double luma = (66 * qRed(c) + 129 * qGreen(c) + 25 * qBlue(c) + 128) / 256.0 + 16;
            worst = qMax(worst, qAbs(uchar(one[(y * 640 + x) * 2]) - luma));
        }
    }
    QVERIFY2(worst < 2.5, qPrintable(QString::number(worst)));
}

QTEST_MAIN(TstSimBackend)
#include "tst_simbackend.moc"
