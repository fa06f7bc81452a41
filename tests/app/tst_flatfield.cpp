// Flat-field correction: the tables even out a vignetted field whatever the
// flips and the reduction, keep colours as they were, refuse unusable flats;
// in the window a captured flat is applied to the live frames, kept per
// camera and frame size, and back after a restart.
#include "mainwindowrig.h"

#include "app/flatfieldcontrol.h"
#include "app/settingsstore.h"
#include "capture/flatfieldcorrection.h"
#include "core/sidecar.h"
#include "imaging/flatfield.h"

#include <cmath>

#include <linux/videodev2.h>

using namespace rig;

namespace {

// Vignetting as lenses and ring lights make it: cos^4-like fall-off to 55 %
// in the corners, off-centre.
double vignetting(int x, int y, int w, int h)
{
    const double dx = (x - w * 0.55) / (w * 0.5), dy = (y - h * 0.48) / (h * 0.5);
    return 1.0 - 0.45 * (dx * dx + dy * dy) / 2.0;
}

// A field of one colour under the vignetting, plus a dark offset.
QImage field(int w, int h, QRgb colour, int offset)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double v = vignetting(x, y, w, h);
            line[x] = qRgb(qMin(255, int(std::lround(qRed(colour) * v)) + offset),
                           qMin(255, int(std::lround(qGreen(colour) * v)) + offset),
                           qMin(255, int(std::lround(qBlue(colour) * v)) + offset));
        }
    }
    return img;
}

double meanIn(const QImage &img, const QRect &r, int channel)
{
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            sum += channel == 0 ? qRed(p) : channel == 1 ? qGreen(p) : channel == 2 ? qBlue(p) : qGray(p);
        }
    return sum / (r.width() * r.height());
}

// The darkest corner against the centre, in one channel.
double cornerRatio(const QImage &img, int channel = 1)
{
    const int w = img.width(), h = img.height(), s = qMax(4, w / 20);
    const double centre = meanIn(img, QRect(w / 2 - s / 2, h / 2 - s / 2, s, s), channel);
    double worst = 1;
    for (const QRect &c :
         {QRect(0, 0, s, s), QRect(w - s, 0, s, s), QRect(0, h - s, s, s), QRect(w - s, h - s, s, s)}) {
        const double r = meanIn(img, c, channel) / centre;
        if (std::abs(r - 1) > std::abs(worst - 1))
            worst = r;
    }
    return worst;
}

} // namespace

class TestFlatField : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { buildDeviceTable(); }
    void evensOutField_data();
    void evensOutField();
    void refusesUnusableFlats_data();
    void refusesUnusableFlats();
    void capturedInWindowAndKept();
    void simulatedVignettingRemoved();
};

void TestFlatField::evensOutField_data()
{
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<bool>("flip");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("dark");
    QTest::addColumn<int>("width"); // not a multiple of 4: the row's tail
    QTest::newRow("plain") << false << false << 1 << 0 << 322;
    QTest::newRow("mirror+dark") << true << false << 1 << 12 << 322;
    QTest::newRow("flip") << false << true << 1 << 0 << 321;
    QTest::newRow("both+dark") << true << true << 1 << 12 << 323;
    QTest::newRow("reduced 1/2 mirror") << true << false << 2 << 12 << 640;
}

void TestFlatField::evensOutField()
{
    QFETCH(bool, mirror);
    QFETCH(bool, flip);
    QFETCH(int, denominator);
    QFETCH(int, dark);
    QFETCH(int, width);
    const int h = 241;
    // Averaged flat and dark in the sensor's orientation, as the window keeps them.
    imaging::LuminanceAverage flatAvg, darkAvg;
    for (int i = 0; i < 3; ++i)
        QVERIFY(flatAvg.add(field(width, h, qRgb(200, 200, 200), dark)));
    QVERIFY(darkAvg.add(field(width, h, qRgb(0, 0, 0), dark)));
    imaging::FlatFieldProblem problem;
    const imaging::FlatFieldTable table = imaging::flatFieldTable(flatAvg.result(), dark ? darkAvg.result() : QImage(),
                                                                  1.5, &problem);
    QCOMPARE(int(problem), int(imaging::FlatFieldProblem::None));

    // A tinted subject under the same light, as the camera delivers it.
    const QRgb tint = qRgb(180, 120, 60);
    QImage frame = field(width, h, tint, dark).mirrored(mirror, flip);
    if (denominator > 1)
        frame = frame.scaled((width + 1) / 2, (h + 1) / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QVERIFY2(std::abs(cornerRatio(frame) - 1) > 0.2, "the field is vignetted");
    QVERIFY(FlatFieldCorrection::applyTable(table, frame.bits(), frame.width(), frame.height(), frame.bytesPerLine(),
                                            denominator, mirror, flip));
    for (int c = 0; c < 3; ++c) {
        const double ratio = cornerRatio(frame, c);
        QVERIFY2(std::abs(ratio - 1) < 0.02, qPrintable(QString("channel %1: %2").arg(c).arg(ratio)));
    }
    // Colours keep their balance (neutral stays neutral, a tint its hue).
    const QRect mid(frame.width() / 3, frame.height() / 3, frame.width() / 3, frame.height() / 3);
    const double r = meanIn(frame, mid, 0), g = meanIn(frame, mid, 1), b = meanIn(frame, mid, 2);
    QVERIFY2(std::abs(r / g - 1.5) < 0.03 && std::abs(b / g - 0.5) < 0.03,
             qPrintable(QString("%1 %2 %3").arg(r).arg(g).arg(b)));
    QCOMPARE(qAlpha(frame.pixel(frame.width() - 1, 0)), 255);
}

void TestFlatField::refusesUnusableFlats_data()
{
    QTest::addColumn<QImage>("flat");
    QTest::addColumn<QImage>("dark");
    QTest::addColumn<int>("problem");
    QTest::newRow("lights off") << field(64, 48, qRgb(5, 5, 5), 0) << QImage()
                                << int(imaging::FlatFieldProblem::TooDark);
    QTest::newRow("overexposed") << field(64, 48, qRgb(255, 255, 255), 60) << QImage()
                                 << int(imaging::FlatFieldProblem::Saturated);
    QTest::newRow("dark of another size")
        << field(64, 48, qRgb(200, 200, 200), 0) << field(32, 24, 0, 5) << int(imaging::FlatFieldProblem::SizeMismatch);
    QTest::newRow("none") << QImage() << QImage() << int(imaging::FlatFieldProblem::Missing);
}

void TestFlatField::refusesUnusableFlats()
{
    QFETCH(QImage, flat);
    QFETCH(QImage, dark);
    QFETCH(int, problem);
    imaging::FlatFieldProblem why;
    QVERIFY(!imaging::flatFieldTable(flat, dark, 1.5, &why).isValid());
    QCOMPARE(int(why), problem);
}

void TestFlatField::capturedInWindowAndKept()
{
    Rig rig;
    QVERIFY(rig.waitFrames(2));
    CameraHub *hub = CameraHub::instance();
    const QString cam = rig.window->currentCamera();
    FlatFieldControl *control = rig.window->flatField();
    auto *capture = control->group()->findChild<QPushButton *>("btnFlatCapture");
    auto *onOff = control->group()->findChild<QSwitchButton *>("switchFlatField");
    QVERIFY(capture && onOff && control->group()->findChild<QPushButton *>("btnDarkCapture"));
    QTest::mouseClick(control->header(), Qt::LeftButton);
    QVERIFY(control->group()->isVisible());
    QVERIFY(!onOff->isEnabled()); // nothing captured at this size yet

    QImage before;
    QVERIFY(hub->grabFullFrame(cam, &before));
    QSignalSpy done(control, &FlatFieldControl::captureFinished);
    QTest::mouseClick(capture, Qt::LeftButton);
    QVERIFY(done.wait(10000));
    QCOMPARE(done.first().first().toBool(), true);
    // The picture itself was the flat: what comes next is even.
    const QString key = FlatFieldControl::sizeKey(hub->cameraSize(cam));
    const CameraConfig::FlatField record = rig.window->settings().cameras.value(cam).flatFields.value(key);
    QVERIFY(record.enabled);
    QVERIFY(QFile::exists(control->folder() + "/" + record.flatFile));
    QVERIFY(onOff->isChecked());
    QVERIFY(hub->flatField(cam));
    QVERIFY(rig.waitFrames(3));
    QImage after;
    QVERIFY(hub->grabFullFrame(cam, &after));
    QVERIFY2(std::abs(cornerRatio(after) - 1) < 0.02,
             qPrintable(QString("%1 -> %2").arg(cornerRatio(before)).arg(cornerRatio(after))));

    // Off, and on again after a restart from the sidecar.
    QTest::mouseClick(onOff, Qt::LeftButton);
    QVERIFY(!hub->flatField(cam));
    QTest::mouseClick(onOff, Qt::LeftButton);
    QTRY_VERIFY(hub->flatField(cam));
    rig.window->store()->saveSettings();
    const QByteArray json = sidecar::toJson(rig.window->settings());
    QVERIFY(json.contains(key.toLatin1()));
    rig.reopen();
    QVERIFY(rig.waitFrames(2));
    QTRY_VERIFY_WITH_TIMEOUT(CameraHub::instance()->flatField(cam), 5000);
    QVERIFY(rig.window->settings().cameras.value(cam).flatFields.value(key).enabled);
}

// The simulated microscope with its vignetting and dust, out of focus (the
// usual way to get an even field from a specimen): the corners against the
// centre of that field before and after the flat taken from it, in new frames.
void TestFlatField::simulatedVignettingRemoved()
{
    Rig rig;
    QVERIFY(rig.waitFrames(2));
    CameraHub *hub = CameraHub::instance();
    const QString cam = rig.window->currentCamera();
    QVERIFY(rig.sim->setControl(0, SimulatedBackend::kVignettingControl, 1));
    QVERIFY(rig.sim->setControl(0, V4L2_CID_FOCUS_ABSOLUTE, SimOptics::kFocusMax));
    QVERIFY(rig.waitFrames(3));
    QImage frame;
    QVERIFY(hub->grabFullFrame(cam, &frame));
    const double before = cornerRatio(frame, -1);
    QSignalSpy done(rig.window->flatField(), &FlatFieldControl::captureFinished);
    rig.window->flatField()->captureFlat();
    QVERIFY(done.wait(10000));
    QVERIFY(done.first().first().toBool());
    QVERIFY(rig.waitFrames(3));
    QVERIFY(hub->grabFullFrame(cam, &frame));
    // Brightness is luminance: the field's own colour cast towards the edges
    // stays, the gain being one for all three colours.
    const double after = cornerRatio(frame, -1);
    qInfo("corner/centre brightness of the simulated microscope's even field at %dx%d: %.4f before, %.4f after",
          frame.width(), frame.height(), before, after);
    QVERIFY2(std::abs(before - 1) > 0.1, qPrintable(QString::number(before)));
    QVERIFY2(std::abs(after - 1) < 0.02, qPrintable(QString::number(after)));
}

QTEST_MAIN(TestFlatField)
#include "tst_flatfield.moc"
