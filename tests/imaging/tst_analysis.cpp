#include "imaging/circlefit.h"
#include "imaging/cvimage.h"
#include "imaging/discmodel.h"
#include "imaging/edges.h"
#include "imaging/particles.h"
#include "tests/common/discs.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Snapping, circle fitting and particle analysis against pictures whose
// outlines are known, and the command-line tools over the same pictures.
class TestAnalysis : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    static cv::Mat one(const discs::Disc &d, double blur, int side)
    {
        discs::Look look;
        look.blur = blur;
        return discs::draw({side, side}, {d}, look);
    }

    QString save(const cv::Mat &pic, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        if (!imaging::toQImage(pic).save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Discs of radius 5..60 under 35 % uneven light.
    static std::vector<discs::Disc> unevenTruth()
    {
        std::vector<double> radii;
        for (int k = 0; k < 3; ++k)
            for (double r : {5.0, 10.0, 20.0, 40.0, 60.0})
                radii.push_back(r);
        return discs::grid({900, 700}, radii);
    }

private slots:
    // The blurred disc against the blur integrated over the disc directly.
    void blurredDisc_data()
    {
        QTest::addColumn<double>("rho");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("sigma");
        QTest::newRow("small disc's centre") << 0.0 << 5.0 << 2.0;
        QTest::newRow("small disc's edge") << 5.0 << 5.0 << 2.0;
        QTest::newRow("outside") << 8.0 << 5.0 << 2.0;
        QTest::newRow("large disc, sharp") << 40.3 << 40.0 << 0.5;
    }
    void blurredDisc()
    {
        QFETCH(double, rho);
        QFETCH(double, radius);
        QFETCH(double, sigma);
        // Midpoint rule in polar coordinates about the disc's centre, over
        // the radii within 8 sigma.
        const int nr = 400, na = 3000;
        const double r0 = std::max(0.0, rho - 8 * sigma), dr = (radius - r0) / nr;
        double sum = 0;
        for (int i = 0; i < nr; ++i) {
            const double r = r0 + (i + 0.5) * dr;
            for (int k = 0; k < na; ++k) {
                const double a = (k + 0.5) * 2 * M_PI / na;
                const double dx = rho - r * std::cos(a), dy = r * std::sin(a);
                sum += std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma)) * r;
            }
        }
        const double direct = sum * dr * (2 * M_PI / na) / (2 * M_PI * sigma * sigma);
        QVERIFY2(std::fabs(imaging::blurredDisc(rho, radius, sigma) - direct) < 1e-4,
                 qPrintable(QString("%1 against %2").arg(imaging::blurredDisc(rho, radius, sigma)).arg(direct)));
    }

    void fitsCircle_data()
    {
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("blur");
        QTest::addColumn<double>("seedOffset"); // fraction of the radius
        QTest::newRow("r5 sigma2") << 5.0 << 2.0 << 0.3;
        QTest::newRow("r8 sharp") << 8.0 << 0.0 << 0.3;
        QTest::newRow("r10 sigma2") << 10.0 << 2.0 << 0.5;
        QTest::newRow("r40 sigma2, on the edge") << 40.0 << 2.0 << 1.0;
        QTest::newRow("r150 sigma1") << 150.0 << 1.0 << 0.2;
    }
    void fitsCircle()
    {
        QFETCH(double, radius);
        QFETCH(double, blur);
        QFETCH(double, seedOffset);
        const int side = int(2 * radius + 60);
        const discs::Disc d{side / 2.0 + 0.31, side / 2.0 - 0.42, radius};
        const imaging::CircleFit fit = imaging::fitCircleAt(one(d, blur, side), QPointF(d.x + seedOffset * radius, d.y),
                                                            2 * radius + 10);
        QVERIFY(fit.ok);
        QVERIFY2(std::fabs(fit.radius - radius) < 0.1, qPrintable(QString::number(fit.radius)));
        QVERIFY(std::hypot(fit.centre.x() - d.x, fit.centre.y() - d.y) < 0.1);
        QVERIFY(fit.residual < 0.3);
    }

    void fitRejectsOutliers()
    {
        QVector<QPointF> pts;
        for (int k = 0; k < 90; ++k)
            pts << QPointF(50 + 20 * std::cos(k * 0.0698), 60 + 20 * std::sin(k * 0.0698));
        pts << QPointF(50, 60) << QPointF(90, 90) << QPointF(10, 70);
        const imaging::CircleFit fit = imaging::fitCircle(pts);
        QVERIFY(fit.ok);
        QCOMPARE(fit.rejected, 3);
        QVERIFY(std::fabs(fit.radius - 20) < 1e-6);
    }

    void snapsToEdge_data()
    {
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("blur");
        QTest::addColumn<double>("offset"); // pressed this far outside (+) or inside (-)
        QTest::newRow("r5 sigma2") << 5.0 << 2.0 << 2.0;
        QTest::newRow("r10 outside") << 10.0 << 1.0 << 3.0;
        QTest::newRow("r30 inside sigma2") << 30.0 << 2.0 << -5.0;
        QTest::newRow("r200 almost straight") << 200.0 << 1.5 << 6.0;
    }
    void snapsToEdge()
    {
        QFETCH(double, radius);
        QFETCH(double, blur);
        QFETCH(double, offset);
        const int side = int(2 * radius + 40);
        const discs::Disc d{side / 2.0 + 0.2, side / 2.0 + 0.6, radius};
        const cv::Mat pic = one(d, blur, side);
        for (double a : {0.3, 1.9, 4.0}) {
            const QPointF p(d.x + (radius + offset) * std::cos(a), d.y + (radius + offset) * std::sin(a));
            const imaging::SnapResult s = imaging::snapToEdge(pic, p, 8.0);
            QVERIFY(s.snapped);
            QVERIFY2(std::fabs(std::hypot(s.point.x() - d.x, s.point.y() - d.y) - radius) < 0.25,
                     qPrintable(QString("%1,%2").arg(s.point.x()).arg(s.point.y())));
        }
    }

    void noEdgeStays()
    {
        discs::Look look;
        const cv::Mat flat = discs::draw({80, 80}, {}, look);
        const imaging::SnapResult s = imaging::snapToEdge(flat, QPointF(40.3, 40.7), 8.0);
        QVERIFY(!s.snapped);
        QCOMPARE(s.point, QPointF(40.3, 40.7));
    }

    void sizesUnderUnevenLight_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("dark on light") << true;
        QTest::newRow("light on dark") << false;
    }
    void sizesUnderUnevenLight()
    {
        QFETCH(bool, dark);
        const std::vector<discs::Disc> truth = unevenTruth();
        discs::Look look;
        look.blur = 1.5;
        look.dark = dark;
        const cv::Mat pic = discs::draw({900, 700}, truth, look);
        imaging::ParticleOptions o;
        o.objects = imaging::guessObjects(pic);
        QCOMPARE(o.objects == imaging::Objects::Dark, dark);
        const imaging::ParticleResult res = imaging::analyzeParticles(pic, o);
        QCOMPARE(res.particles.size(), int(truth.size()));
        for (const discs::Disc &d : truth) {
            const imaging::Particle *best = nullptr;
            for (const imaging::Particle &p : res.particles)
                if (!best
                    || std::hypot(p.centroid.x() - d.x, p.centroid.y() - d.y)
                           < std::hypot(best->centroid.x() - d.x, best->centroid.y() - d.y))
                    best = &p;
            QVERIFY(std::hypot(best->centroid.x() - d.x, best->centroid.y() - d.y) < 0.1);
            const double err = std::fabs(best->diameter / (2 * d.r) - 1);
            if (d.r >= 10)
                QVERIFY2(err < (d.r >= 40 ? 0.003 : 0.01), qPrintable(QString("r %1: %2").arg(d.r).arg(err)));
            if (d.r >= 20) {
                QVERIFY(std::fabs(best->feretMax / (2 * d.r) - 1) < 0.02);
                QVERIFY(std::fabs(best->feretMin / (2 * d.r) - 1) < 0.02);
                QVERIFY(best->circularity > 0.95);
            }
        }
    }

    void optionsLeaveObjectsOut()
    {
        // A ring (hole filled or not), a speck, and a disc cut by the edge.
        cv::Mat pic(200, 300, CV_8U, cv::Scalar(220));
        cv::circle(pic, {80, 100}, 40, cv::Scalar(40), -1);
        cv::circle(pic, {80, 100}, 20, cv::Scalar(220), -1);
        cv::circle(pic, {200, 100}, 1, cv::Scalar(40), -1);
        cv::circle(pic, {295, 30}, 15, cv::Scalar(40), -1);
        imaging::ParticleOptions o;
        o.minArea = 20;
        QCOMPARE(imaging::analyzeParticles(pic, o).particles.size(), 1);
        const double filled = imaging::analyzeParticles(pic, o).particles.first().area;
        o.fillHoles = false;
        const double ring = imaging::analyzeParticles(pic, o).particles.first().area;
        QVERIFY(std::fabs(filled - M_PI * 40 * 40) < 0.03 * filled);
        QVERIFY(std::fabs(ring - M_PI * (40 * 40 - 20 * 20)) < 0.03 * ring);
        o.excludeEdge = false;
        o.minArea = 1;
        QCOMPARE(imaging::analyzeParticles(pic, o).particles.size(), 3);
    }

    // scikit-image, the reader these users compare against, counts the same
    // objects on Otsu's threshold.
    void countMatchesSkimage()
    {
        QProcess probe;
        probe.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import skimage")});
        if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
            QSKIP("python3-skimage is not installed");
        const std::vector<discs::Disc> truth = unevenTruth();
        discs::Look look;
        look.blur = 1.5;
        const cv::Mat pic = discs::draw({900, 700}, truth, look);
        const QString path = save(pic, QStringLiteral("uneven.png"));
        QProcess py;
        py.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, skimage.io\n"
                                 "from skimage.filters import threshold_otsu\n"
                                 "from skimage.measure import label\n"
                                 "from skimage.segmentation import clear_border\n"
                                 "g = skimage.io.imread(sys.argv[1])\n"
                                 "print(label(clear_border(g <= threshold_otsu(g)), connectivity=2).max())\n"),
                  path});
        QVERIFY(py.waitForFinished(120000));
        QCOMPARE(py.exitCode(), 0);
        imaging::ParticleOptions o;
        o.minArea = 1;
        o.fillHoles = false;
        QCOMPARE(imaging::analyzeParticles(pic, o).particles.size(), py.readAllStandardOutput().trimmed().toInt());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("lines"); // on standard output
        QTest::newRow("analyze") << QStringList{"--analyze", "--calibration=0.5+um", "%pic"} << 0 << 1 + 15;
        QTest::newRow("fit circle") << QStringList{"--fit-circle=%xy", "%pic"} << 0 << 1;
        QTest::newRow("unreadable") << QStringList{"--analyze", "%pic", "/nonexistent.png"} << 1 << 1 + 15;
        QTest::newRow("bad calibration") << QStringList{"--analyze", "--calibration=mm", "%pic"} << 2 << 0;
        QTest::newRow("fit outside") << QStringList{"--fit-circle=-5,3", "%pic"} << 1 << 0;
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(int, lines);
        const std::vector<discs::Disc> truth = unevenTruth();
        discs::Look look;
        look.blur = 1.5;
        const QString pic = save(discs::draw({900, 700}, truth, look), QStringLiteral("cli.png"));
        const discs::Disc &big = truth.back();
        for (QString &a : args)
            a.replace("%pic", pic).replace("%xy", QString("%1,%2").arg(big.x + 7).arg(big.y));
        QProcess p;
        p.start(QStringLiteral(VISTREL_EXE), args);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), code);
        const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(out.size(), lines);
        if (args.first() == "--analyze" && lines) {
            QCOMPARE(out.first(), QStringLiteral("file,number,x,y,area,perimeter,equivalent_diameter,feret_max,"
                                                 "feret_min,circularity,mean"));
            // Diameters in the calibration's unit: 0.5 um a pixel where given.
            const double factor = args.contains("--calibration=0.5+um") ? 0.5 : 1.0;
            const QStringList row = out.last().split(',');
            QCOMPARE(row.size(), 11);
            bool matched = false;
            for (const discs::Disc &d : truth)
                if (std::hypot(row[2].toDouble() - d.x, row[3].toDouble() - d.y) < 0.2)
                    matched = std::fabs(row[6].toDouble() / (2 * d.r * factor) - 1) < 0.01;
            QVERIFY(matched);
        } else if (lines) {
            const QStringList xyr = out.first().split(' ');
            QCOMPARE(xyr.size(), 3);
            QVERIFY(std::fabs(xyr[0].toDouble() - big.x) < 0.1 && std::fabs(xyr[1].toDouble() - big.y) < 0.1);
            QVERIFY(std::fabs(xyr[2].toDouble() - big.r) < 0.1);
        }
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
