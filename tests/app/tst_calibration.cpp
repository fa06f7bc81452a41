// Calibrating against the simulated microscope's stage scale in the main
// window, with the mouse, at every zoom and across a resolution change.
#include "mainwindowrig.h"
#include "core/notifier.h"
#include "measure/textshapes.h"
#include "ui_bdwidget.h"

namespace {

constexpr double kDivisionMm = 0.01; // the scale's "0.01 mm" per division

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapTo(w->window(), pos)), QPointF(w->mapToGlobal(pos)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void drag(QWidget *w, QPoint from, QPoint to)
{
    sendMouse(w, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// The stage scale as a user sees it in one frame: the row of its line and
// the centres of its ticks, left to right, in picture coordinates.
struct StageScale
{
    double lineY = -1;
    QVector<double> ticks;
    double pitch() const { return (ticks.last() - ticks.first()) / (ticks.size() - 1); }
};

StageScale findScale(const QImage &img)
{
    StageScale s;
    const int w = img.width();
    const int h = img.height();
    // The line: rows near the middle that are dark almost all along.
    double sum = 0;
    int rows = 0;
    for (int y = h / 2 - 20; y <= h / 2 + 20; ++y) {
        int dark = 0;
        for (int x = int(w * 0.15); x < int(w * 0.85); ++x)
            dark += qGray(img.pixel(x, y)) < 100;
        if (dark > w * 0.6) {
            sum += y + 0.5;
            ++rows;
        }
    }
    if (rows == 0)
        return s;
    s.lineY = sum / rows;
    // Above the line only the ticks reach; each dark run is one tick.
    const int y = int(s.lineY - h * 0.015);
    double weight = 0, moment = 0;
    for (int x = 0; x < w; ++x) {
        const int darkness = qMax(0, 140 - qGray(img.pixel(x, y)));
        if (darkness > 0) {
            weight += darkness;
            moment += darkness * (x + 0.5);
        } else if (weight > 0) {
            s.ticks.append(moment / weight);
            weight = moment = 0;
        }
    }
    return s;
}

int zoomIndex(Rig &rig, const QString &zoom) { return rig.ui()->comboZoom->findData(zoom); }

} // namespace

class TstCalibration : public QObject
{
    Q_OBJECT

    CameraViewer *viewer(Rig &rig) { return rig.ui()->camViewer; }
    QPoint toView(Rig &rig, QPointF p) { return viewer(rig)->mapFromScene(p); }

    void setZoom(Rig &rig, const QString &zoom)
    {
        rig.ui()->comboZoom->setCurrentIndex(zoomIndex(rig, zoom));
        QCoreApplication::processEvents();
    }

    void setResolution(Rig &rig, const QString &text, QSize size)
    {
        rig.ui()->boxResolution->setCurrentText(text);
        QVERIFY(QTest::qWaitFor([&] { return rig.window->scene()->image().size() == size; }, 5000));
        QVERIFY(rig.waitFrames(2));
    }

    // Lays the ruler's ends on two ticks of the current frame and adds the
    // calibration for the span between them.
    void calibrate(Rig &rig, int from, int to, BDInfo *made)
    {
        BDWidget *tools = rig.ui()->bdWidget;
        QTest::mouseClick(rig.ui()->btnCalib, Qt::LeftButton);
        if (!tools->isEditPage())
            QTest::mouseClick(tools->form()->btnBDEdit, Qt::LeftButton);
        GraphicsMeasureItem *ruler = rig.window->scene()->ruler();
        QVERIFY(ruler);
        const StageScale scale = findScale(rig.window->scene()->image().copy());
        QCOMPARE(scale.ticks.size(), 81);
        QWidget *vp = viewer(rig)->viewport();
        drag(vp, toView(rig, ruler->pointAt(0)), toView(rig, QPointF(scale.ticks[from], scale.lineY)));
        drag(vp, toView(rig, ruler->pointAt(1)), toView(rig, QPointF(scale.ticks[to], scale.lineY)));
        QVERIFY(qAbs(ruler->pictureLength() - (scale.ticks[to] - scale.ticks[from])) < 2.5);

        tools->form()->labelBDRealLen->setText(QString::number((to - from) * kDivisionMm));
        tools->form()->boxBDUnit->setCurrentIndex(0);
        const int before = rig.window->settings().calibrations.size();
        QTest::mouseClick(tools->form()->btnBDNewData, Qt::LeftButton);
        QCOMPARE(rig.window->settings().calibrations.size(), before + 1);
        *made = rig.window->settings().calibrations.last();
        QTest::mouseClick(tools->form()->btnBDBack, Qt::LeftButton);
        tools->form()->boxBDVar->setCurrentIndex(before);
    }

    // Draws a line with the line tool from one tick to another; returns its
    // reading in mm and its true length from the scale's known pitch.
    void measure(Rig &rig, int from, int to, double *reading, double *truth)
    {
        CameraScene *scene = rig.window->scene();
        const StageScale scale = findScale(scene->image().copy());
        QCOMPARE(scale.ticks.size(), 81);
        QTest::mouseClick(rig.ui()->bdWidget->form()->toolButton2, Qt::LeftButton);
        const int before = scene->shapes().size();
        QWidget *vp = viewer(rig)->viewport();
        QTest::mouseClick(vp, Qt::LeftButton, {}, toView(rig, QPointF(scale.ticks[from], scale.lineY + 20)));
        QTest::mouseClick(vp, Qt::LeftButton, {}, toView(rig, QPointF(scale.ticks[to], scale.lineY + 20)));
        QCOMPARE(scene->shapes().size(), before + 1);
        const GraphicsItem *line = scene->shapes().last();
        const double px = QLineF(line->pointAt(0), line->pointAt(1)).length();
        QCOMPARE(scene->calibration().unit, 0);
        *reading = px * scene->calibration().factor;
        *truth = px / SimulatedBackend::scalePitch(scene->image().width()) * kDivisionMm;
    }

private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    // The same scale gives the same factor at every zoom, the scale's own,
    // and a line over 8 divisions then reads its true length.
    void everyZoom()
    {
        RecordingNotifier notes;
        Rig rig;
        setResolution(rig, "1920 x 1080", QSize(1920, 1080));
        const double known = kDivisionMm / SimulatedBackend::scalePitch(1920);
        QVector<double> factors;
        for (const QString zoom : {"0.5x", "1.0x", "2.0x", "Scale"}) {
            setZoom(rig, zoom);
            const double expectedScale = viewer(rig)->width() / 1920.0;
            QVERIFY2(qAbs(viewer(rig)->transform().m11() - expectedScale) < 1e-3, qPrintable(zoom));
            BDInfo made;
            calibrate(rig, 10, 70, &made);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(made.pictureSize, QSize(1920, 1080));
            QCOMPARE(made.camera, rig.window->currentCamera());
            QVERIFY2(qAbs(made.factor / known - 1) < 0.01, qPrintable(zoom + ": " + QString::number(made.factor)));
            factors.append(made.factor);

            double reading = 0, truth = 0;
            measure(rig, 30, 38, &reading, &truth);
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(qAbs(reading / truth - 1) < 0.01, qPrintable(zoom + QString(": %1 / %2").arg(reading).arg(truth)));
            QVERIFY2(qAbs(reading / 0.08 - 1) < 0.02, qPrintable(zoom));
        }
        const auto [lo, hi] = std::minmax_element(factors.begin(), factors.end());
        qInfo("factors 0.5x, 1.0x, 2.0x, Scale: %.7g %.7g %.7g %.7g (known %.7g), spread %.3f %%", factors[0],
              factors[1], factors[2], factors[3], known, (*hi / *lo - 1) * 100);
        QVERIFY2(*hi / *lo - 1 < 0.005, qPrintable(QString::number(*hi / *lo - 1)));
        QVERIFY(notes.informed.isEmpty());
    }

    // A calibration made at 1920 x 1080 measures a 1280 x 720 picture of the
    // same field: scaled by the width ratio, and the window says so.
    void resolutionChange()
    {
        RecordingNotifier notes;
        Rig rig;
        setResolution(rig, "1920 x 1080", QSize(1920, 1080));
        setZoom(rig, "Scale");
        BDInfo made;
        calibrate(rig, 10, 70, &made);
        double before = 0, truth = 0;
        measure(rig, 20, 28, &before, &truth);
        QVERIFY(rig.ui()->bdWidget->calibrationNote().isEmpty());

        setResolution(rig, "1280 x 720", QSize(1280, 720));
        QCOMPARE(rig.window->scene()->calibration().factor, made.factor * 1.5);
        double after = 0;
        measure(rig, 20, 28, &after, &truth);
        QVERIFY2(qAbs(after / before - 1) < 0.01, qPrintable(QString("%1 / %2").arg(after).arg(before)));
        QVERIFY(qAbs(after / truth - 1) < 0.01);

        const QString note = QStringLiteral("标定于 1920 × 1080，缩放 ×1.50");
        QCOMPARE(rig.ui()->bdWidget->calibrationNote(), note);
        QCOMPARE(rig.ui()->bdWidget->form()->labelBDNote->text(), note);
        QVERIFY(QTest::qWaitFor([&] { return rig.ui()->labelStatus->text().contains(note); }, 3000));

        // Back at the size it was made at, it applies as it is.
        setResolution(rig, "1920 x 1080", QSize(1920, 1080));
        QCOMPARE(rig.window->scene()->calibration().factor, made.factor);
        QVERIFY(rig.ui()->bdWidget->calibrationNote().isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return !rig.ui()->labelStatus->text().contains(note); }, 3000));
    }

    // The live view keeps the calibration chosen for each camera: through
    // resolution changes, camera changes and a restart; automatic
    // calibration on the live picture lays the ruler on the scale.
    void inForcePerCameraAndRestart()
    {
        RecordingNotifier notes;
        const QVector<QSize> sizes{{640, 480}, {1280, 720}, {1920, 1080}};
        Rig rig({spec("a", 0x62C1, sizes), spec("b", 0x62C1, sizes)});
        setResolution(rig, "1920 x 1080", QSize(1920, 1080));
        BDWidget *tools = rig.ui()->bdWidget;
        // The finder on the live picture, then "新增".
        QTest::mouseClick(rig.ui()->btnCalib, Qt::LeftButton);
        QTest::mouseClick(tools->form()->btnBDEdit, Qt::LeftButton);
        QSignalSpy found(tools, &BDWidget::scaleFound);
        QTest::mouseClick(tools->findChild<QPushButton *>("btnBDFindScale"), Qt::LeftButton);
        QVERIFY(found.wait(10000));
        QVERIFY(found.at(0).at(0).toBool());
        QTest::mouseClick(tools->form()->btnBDNewData, Qt::LeftButton);
        const BDInfo made = rig.window->settings().calibrations.last();
        const double known = kDivisionMm / SimulatedBackend::scalePitch(1920);
        QVERIFY2(qAbs(made.factor / known - 1) < 5e-4, qPrintable(QString::number(made.factor / known - 1)));
        QTest::mouseClick(tools->form()->btnBDBack, Qt::LeftButton);
        QVERIFY(sameCalibration(tools->calibrationInForce(), made));
        QVERIFY(QTest::qWaitFor([&] { return rig.ui()->labelStatus->text().contains(" µm/px"); }, 3000));
        const QString camA = rig.window->currentCamera();

        // A second record, chosen on camera b.
        rig.window->settings().calibrations.append({"99.00X", 0.5, 2, QSize(1920, 1080), QString()});
        tools->refresh();
        QVERIFY(sameCalibration(tools->calibrationInForce(), made));
        rig.ui()->boxCam->setCurrentIndex(1);
        QVERIFY(QTest::qWaitFor(
            [&] { return rig.window->currentCamera() != camA && !rig.window->currentCamera().isEmpty(); }, 5000));
        tools->form()->boxBDVar->setCurrentIndex(1);
        QCOMPARE(rig.window->scene()->calibration().name, QStringLiteral("99.00X"));
        // Back on camera a: its own.
        rig.ui()->boxCam->setCurrentIndex(0);
        QVERIFY(QTest::qWaitFor([&] { return rig.window->currentCamera() == camA; }, 5000));
        QVERIFY(sameCalibration(tools->calibrationInForce(), made));

        // After a restart camera a comes back with it.
        rig.reopen();
        QVERIFY(QTest::qWaitFor([&] { return !rig.window->currentCamera().isEmpty(); }, 5000));
        QCOMPARE(rig.window->currentCamera(), camA);
        QVERIFY(sameCalibration(rig.ui()->bdWidget->calibrationInForce(), made));
        QVERIFY(notes.informed.isEmpty());
    }
};

QTEST_MAIN(TstCalibration)
#include "tst_calibration.moc"
