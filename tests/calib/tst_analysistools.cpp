#include "calib/analysistools.h"
#include "capture/simbackend.h"
#include "imaging/circlefit.h"
#include "imaging/edges.h"
#include "calib/bdwidget.h"
#include "calib/measurementtable.h"
#include "core/appsettings.h"
#include "core/sidecar.h"
#include "imaging/cvimage.h"
#include "measure/annotations.h"
#include "measure/camerascene.h"
#include "measure/circleshapes.h"
#include "measure/particleshapes.h"
#include "tests/common/discs.h"
#include "view/cameraviewer.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

const std::vector<discs::Disc> kDiscs = {{120.3, 140.6, 40}, {330.7, 250.2, 25}, {500.4, 120.9, 15}};

// The toolbox over a view of three dark discs, 1:1.
struct Rig
{
    AppSettings settings;
    CameraViewer view;
    BDWidget tools;

    Rig()
    {
        discs::Look look;
        const QImage img =
            imaging::toQImage(discs::draw({640, 480}, kDiscs, look)).convertToFormat(QImage::Format_RGB32);
        view.setFixedSize(640, 480);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            qFatal("view not exposed");
        scene()->setSettings(&settings);
        scene()->setImage(img);
        scene()->fitToView(img.size());
        scene()->setMeasureEnabled(true);
        tools.setup(scene(), &settings);
    }
    CameraScene *scene() const { return view.cameraScene(); }
    QWidget *viewport() const { return view.viewport(); }
    QPoint toView(QPointF p) const { return view.mapFromScene(p); }
    template <class T> T *find(const char *name) const { return tools.findChild<T *>(QLatin1String(name)); }
};

void send(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapTo(w->window(), pos)), QPointF(w->mapToGlobal(pos)), button,
                  buttons, mods);
    QApplication::sendEvent(w, &e);
}

double offEdge(const QPointF &p, const discs::Disc &d) { return std::fabs(std::hypot(p.x() - d.x, p.y() - d.y) - d.r); }

} // namespace

class TestAnalysisTools : public QObject
{
    Q_OBJECT
private slots:
    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("snap") << "toolButtonSnap"
                              << "吸附边缘";
        QTest::newRow("fit") << "toolButtonFitCircle"
                             << "拟合圆";
        QTest::newRow("analyse") << "btnAnalyze"
                                 << "颗粒分析";
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        BDWidget w;
        auto *b = w.findChild<QToolButton *>(name);
        QVERIFY(b);
        QCOMPARE(b->toolTip(), tip);
        QVERIFY(b->isVisibleTo(&w));
    }

    void snapIsRemembered()
    {
        Rig rig;
        QSignalSpy changed(&rig.tools, &BDWidget::optionChanged);
        auto *snap = rig.find<QToolButton>("toolButtonSnap");
        QVERIFY(!snap->isChecked()); // off by default
        QTest::mouseClick(snap, Qt::LeftButton);
        QVERIFY(rig.settings.extras.snapToEdges);
        QCOMPARE(changed.count(), 1);
        AppSettings back;
        QVERIFY(sidecar::fromJson(sidecar::toJson(rig.settings), &back));
        QVERIFY(back.extras.snapToEdges);
        BDWidget other;
        other.setup(rig.scene(), &back);
        QVERIFY(other.findChild<QToolButton *>("toolButtonSnap")->isChecked());
    }

    void linePointsSnap_data()
    {
        QTest::addColumn<bool>("snapOn");
        QTest::addColumn<bool>("shift");
        QTest::newRow("snapped") << true << false;
        QTest::newRow("shift places as pressed") << true << true;
        QTest::newRow("snapping off") << false << false;
    }
    void linePointsSnap()
    {
        QFETCH(bool, snapOn);
        QFETCH(bool, shift);
        Rig rig;
        rig.settings.extras.snapToEdges = snapOn;
        rig.scene()->setTool(Line);
        const Qt::KeyboardModifiers mods = shift ? Qt::ShiftModifier : Qt::NoModifier;
        // Pressed 3 px inside the middle disc and dragged to 4 px outside the
        // big one: the second end follows onto the edge while the button is
        // down and lands there.
        const QPoint a = rig.toView(QPointF(kDiscs[1].x - kDiscs[1].r + 3, kDiscs[1].y));
        const QPoint b = rig.toView(QPointF(kDiscs[0].x + kDiscs[0].r + 4, kDiscs[0].y));
        send(rig.viewport(), QEvent::MouseButtonPress, a, Qt::LeftButton, mods);
        send(rig.viewport(), QEvent::MouseMove, (a + b) / 2, Qt::LeftButton, mods);
        send(rig.viewport(), QEvent::MouseMove, b, Qt::LeftButton, mods);
        QVERIFY(rig.scene()->shapeUnderConstruction());
        const double whileDown = offEdge(rig.scene()->shapeUnderConstruction()->cursorPosition(), kDiscs[0]);
        QCOMPARE(whileDown < 0.25, snapOn && !shift);
        send(rig.viewport(), QEvent::MouseButtonRelease, b, Qt::NoButton, mods);
        QCOMPARE(rig.scene()->shapes().size(), 1);
        const QVector<QPointF> pts = rig.scene()->shapes().first()->points();
        if (snapOn && !shift) {
            QVERIFY2(offEdge(pts[0], kDiscs[1]) < 0.25, qPrintable(QString::number(offEdge(pts[0], kDiscs[1]))));
            QVERIFY2(offEdge(pts[1], kDiscs[0]) < 0.25, qPrintable(QString::number(offEdge(pts[1], kDiscs[0]))));
        } else {
            QVERIFY(std::fabs(offEdge(pts[0], kDiscs[1]) - 3) < 1.0);
            QVERIFY(std::fabs(offEdge(pts[1], kDiscs[0]) - 4) < 1.0);
        }
    }

    void fitCircleMakesCircle()
    {
        Rig rig;
        QTest::mouseClick(rig.find<QToolButton>("toolButtonFitCircle"), Qt::LeftButton);
        QCOMPARE(rig.scene()->tool(), int(FitCircle));
        QTest::mouseClick(rig.viewport(), Qt::LeftButton, Qt::NoModifier,
                          rig.toView(QPointF(kDiscs[0].x + 10, kDiscs[0].y - 6)));
        QTRY_COMPARE(rig.scene()->shapes().size(), 1);
        auto *c = dynamic_cast<GraphicsCircle1Item *>(rig.scene()->shapes().first());
        QVERIFY(c);
        QVERIFY(std::fabs(c->values().first().value - kDiscs[0].r) < 0.1);
        QVERIFY(c->fitResidual() >= 0 && c->fitResidual() < 0.3);
        QVERIFY(rig.scene()->canUndo());
        // Listed with its residual, and kept through the history.
        const QVector<MeasurementRow> rows = rig.tools.resultsTable()->rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].name, QStringLiteral("RMS"));
        GraphicsCircle1Item copy;
        copy.restore(c->record());
        QCOMPARE(copy.fitResidual(), c->fitResidual());
        // Nothing round there: nothing made.
        QTest::mouseClick(rig.viewport(), Qt::LeftButton, Qt::NoModifier, rig.toView(QPointF(600, 420)));
        QTRY_VERIFY(!rig.scene()->isFittingCircle());
        QCOMPARE(rig.scene()->shapes().size(), 1);
        // A fit that ends after the shapes were cleared adds nothing, and a
        // scene that goes while one runs waits for it.
        QTest::mouseClick(rig.viewport(), Qt::LeftButton, Qt::NoModifier,
                          rig.toView(QPointF(kDiscs[0].x + 10, kDiscs[0].y - 6)));
        QVERIFY(rig.scene()->isFittingCircle());
        rig.scene()->clearAll();
        QTRY_VERIFY(!rig.scene()->isFittingCircle());
        QVERIFY(rig.scene()->shapes().isEmpty());
        QTest::mouseClick(rig.viewport(), Qt::LeftButton, Qt::NoModifier,
                          rig.toView(QPointF(kDiscs[0].x + 10, kDiscs[0].y - 6)));
    }

    // The demo camera's own frame: its round objects are where it says.
    void simulatedMicroscope()
    {
        auto sim = SimulatedBackend::demo(1);
        sim->holdDrift(0, true);
        const QSize size(1920, 1080);
        const SimTruth truth = sim->truth(0, size);
        const QImage frame = sim->picture(0, size);
        const cv::Mat grey = imaging::toGray8(frame);
        int checked = 0;
        for (const SimTruth::Disc &d : truth.discs) {
            const QRectF inside(d.radius + 12, d.radius + 12, size.width() - 2 * d.radius - 24,
                                size.height() - 2 * d.radius - 24);
            if (d.radius < 8 || d.sigma > 2 || !inside.contains(d.centre))
                continue;
            ++checked;
            const imaging::CircleFit fit = imaging::fitCircleAt(grey, d.centre + QPointF(d.radius * 0.3, 0),
                                                                2 * d.radius + 10);
            QVERIFY(fit.ok);
            QVERIFY2(std::fabs(fit.radius - d.radius) < 0.5,
                     qPrintable(QString("r %1 fitted %2").arg(d.radius).arg(fit.radius)));
            QVERIFY(std::hypot(fit.centre.x() - d.centre.x(), fit.centre.y() - d.centre.y()) < 0.5);
            const QPointF out = d.centre + QPointF(0, d.radius + 3);
            const imaging::SnapResult s = imaging::snapToEdge(frame, out, 8.0);
            QVERIFY(s.snapped);
            QVERIFY(std::fabs(std::hypot(s.point.x() - d.centre.x(), s.point.y() - d.centre.y()) - d.radius) < 0.5);
        }
        QVERIFY(checked > 0);
    }

    // On the live view the overlay follows the frames: a burst of them ends
    // with the overlay of the last one, whatever was still being worked on.
    void overlayFollowsLiveFrames()
    {
        Rig rig;
        QTest::mouseClick(rig.find<QToolButton>("btnAnalyze"), Qt::LeftButton);
        QTRY_VERIFY(!rig.scene()->analysisOverlay().isNull());
        discs::Look look;
        discs::Disc moving{100, 380, 30};
        for (int frame = 0; frame < 8; ++frame) {
            moving.x = 100 + 60 * frame;
            rig.scene()->setImage(
                imaging::toQImage(discs::draw({640, 480}, {moving}, look)).convertToFormat(QImage::Format_RGB32));
        }
        auto tinted = [&](double x, double y) {
            return qAlpha(rig.scene()->analysisOverlay().pixel(int(x), int(y))) > 0;
        };
        QTRY_VERIFY(tinted(moving.x, moving.y) && !tinted(100, 380) && !tinted(kDiscs[0].x, kDiscs[0].y));
    }

    void particlesIntoTable()
    {
        Rig rig;
        QTest::mouseClick(rig.find<QToolButton>("btnAnalyze"), Qt::LeftButton);
        ParticlePanel *panel = rig.tools.analysisTools()->panel();
        QVERIFY(panel && panel->isVisible());
        // The threshold shows over the picture while the panel is open.
        QTRY_VERIFY(!rig.scene()->analysisOverlay().isNull());
        QTest::mouseClick(panel->findChild<QPushButton *>("btnRunAnalysis"), Qt::LeftButton);
        QTRY_COMPARE(rig.scene()->shapes().size(), int(kDiscs.size()));
        QVERIFY(rig.scene()->analysisOverlay().isNull());
        QTableWidget *table = rig.tools.resultsTable()->particleTable();
        QCOMPARE(table->rowCount(), int(kDiscs.size()) + 3);  // and count, mean, sd
        QCOMPARE(rig.tools.resultsTable()->rows().size(), 0); // not among the shapes' rows
        for (const ParticleRow &r : rig.tools.resultsTable()->particles().rows) {
            bool near = false;
            for (const discs::Disc &d : kDiscs)
                near |= std::hypot(r.x - d.x, r.y - d.y) < 0.2 && std::fabs(r.diameter / (2 * d.r) - 1) < 0.01;
            QVERIFY(near);
        }
        QTemporaryDir dir;
        const QString csv = dir.filePath("m.csv");
        QVERIFY(rig.tools.resultsTable()->exportTo(csv));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("particle,x,y,area,perimeter,equivalent_diameter"));
        // A photo's shapes keep them.
        annotations::Document doc;
        for (GraphicsItem *s : rig.scene()->shapes())
            doc.shapes << s->record();
        annotations::Document back;
        QVERIFY(annotations::fromJson(annotations::toJson(doc), &back));
        QCOMPARE(back.shapes.size(), int(kDiscs.size()));
        GraphicsParticleItem again;
        again.restore(back.shapes.first());
        auto *first = static_cast<GraphicsParticleItem *>(rig.scene()->shapes().first());
        QCOMPARE(again.particle().diameter, first->particle().diameter);
        QCOMPARE(again.particle().centroid, first->particle().centroid);
        // A second run replaces them as one step; undo brings the first back.
        QTest::mouseClick(panel->findChild<QPushButton *>("btnRunAnalysis"), Qt::LeftButton);
        QTRY_VERIFY(!panel->isBusy());
        QCOMPARE(rig.scene()->shapes().size(), int(kDiscs.size()));
        rig.scene()->undo();
        QCOMPARE(rig.scene()->shapes().size(), int(kDiscs.size()));
        rig.scene()->undo();
        QCOMPARE(rig.scene()->shapes().size(), 0);
        panel->hide();
        QVERIFY(rig.scene()->analysisOverlay().isNull());
    }
};

QTEST_MAIN(TestAnalysisTools)
#include "tst_analysistools.moc"
