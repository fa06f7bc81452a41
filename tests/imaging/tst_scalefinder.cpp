// The scale finder on generated stage micrometers: every angle, blur, noise
// and lighting gives the true pitch, never half or twice it; a picture
// without a scale is refused.
#include "imaging/scalefinder.h"
#include "tests/common/scalepictures.h"

#include <QtTest>

using scalepictures::Spec;

Q_DECLARE_METATYPE(Spec)

class TstScaleFinder : public QObject
{
    Q_OBJECT
private slots:
    void findsThePitch_data()
    {
        QTest::addColumn<Spec>("spec");
        QTest::addColumn<double>("tolerance"); // relative error of the pitch
        auto row = [](const char *name, QSize size, double angle, double blur, double noise, bool uneven,
                      double tolerance, double pitch = 0, int divisions = 80) {
            Spec s;
            s.size = size;
            s.angle = angle;
            s.blur = blur;
            s.noise = noise;
            s.uneven = uneven;
            s.pitch = pitch;
            s.divisions = divisions;
            QTest::newRow(name) << s << tolerance;
        };
        row("640 level", {640, 480}, 0, 0, 0, false, 5e-4);
        row("1920 level", {1920, 1080}, 0, 0, 0, false, 5e-4);
        row("640 turned 17", {640, 480}, 17, 0, 0, false, 5e-4);
        row("1280 turned 30 blurred noisy", {1280, 720}, 30, 2, 6, false, 5e-4);
        row("1920 turned 7 blur 3", {1920, 1080}, 7, 3, 4, true, 5e-4);
        row("640 blur 2 noise uneven", {640, 480}, 11, 2, 5, true, 1e-3);
        row("upright", {640, 480}, 90, 1, 2, false, 5e-4);
        row("against the clock", {1280, 720}, -25, 1, 2, false, 5e-4);
        // Ticks close together: twice the pitch is the near miss.
        row("dense", {1280, 720}, 0, 0.7, 3, false, 1e-3, 5.3, 150);
    }
    void findsThePitch()
    {
        QFETCH(Spec, spec);
        QFETCH(double, tolerance);
        const imaging::ScaleFit fit = imaging::findScale(scalepictures::make(spec));
        QVERIFY2(fit.found, qPrintable(fit.failure));
        const double error = fit.pitch / spec.truePitch() - 1;
        QVERIFY2(std::abs(error) < tolerance,
                 qPrintable(QString("pitch %1, true %2").arg(fit.pitch).arg(spec.truePitch())));
        // The ruler spans most of the scale, along it.
        QVERIFY2(fit.divisions >= spec.divisions * 3 / 4, qPrintable(QString::number(fit.divisions)));
        QVERIFY(fit.divisions <= spec.divisions);
        QCOMPARE(fit.ticks, fit.divisions + 1);
        const QLineF ruler(fit.first, fit.last);
        QVERIFY(std::abs(ruler.length() - fit.length()) < 1e-6 * fit.length());
        double turn = std::fmod(fit.angle - spec.angle + 360.0, 180.0);
        turn = std::min(turn, 180.0 - turn);
        QVERIFY2(turn < 0.5, qPrintable(QString::number(fit.angle)));
        // The ends lie on ticks: a whole number of pitches from the centre tick.
        const double half = spec.divisions * spec.truePitch() / 2;
        // Painted coordinates put pixel centres at +0.5, the finder's at whole numbers.
        const QPointF centre(spec.size.width() / 2.0 - 0.5, spec.size.height() / 2.0 - 0.5);
        const double a = qDegreesToRadians(spec.angle);
        const QPointF dir(std::cos(a), std::sin(a));
        for (const QPointF &end : {fit.first, fit.last}) {
            const double along = QPointF::dotProduct(end - centre, dir) + half;
            const double k = along / spec.truePitch();
            QVERIFY2(std::abs(k - std::round(k)) < 0.05, qPrintable(QString::number(k)));
        }
        // The error estimate is an honest one: it covers the real error.
        QVERIFY2(std::abs(error) < 5 * fit.relativeError() + 2e-4, qPrintable(QString::number(fit.relativeError())));
    }

    // Where the finder may give up, it never answers with a multiple or a
    // fraction of the pitch.
    void neverHalfOrDouble_data()
    {
        QTest::addColumn<Spec>("spec");
        Spec wide; // thin sharp ticks far apart: harmonics as strong as the fundamental
        wide.pitch = 40;
        wide.divisions = 12;
        wide.angle = 3;
        QTest::newRow("few wide divisions") << wide;
        Spec blurred; // the short ticks all but gone, the longer ones clear
        blurred.blur = 3;
        blurred.noise = 5;
        blurred.uneven = true;
        blurred.angle = 11;
        QTest::newRow("640 blur 3") << blurred;
        Spec dense = blurred;
        dense.size = {1280, 720};
        dense.blur = 2.5;
        QTest::newRow("1280 blur 2.5") << dense;
    }
    void neverHalfOrDouble()
    {
        QFETCH(Spec, spec);
        const imaging::ScaleFit fit = imaging::findScale(scalepictures::make(spec));
        if (fit.found)
            QVERIFY2(std::abs(fit.pitch / spec.truePitch() - 1) < 2e-3, qPrintable(QString::number(fit.pitch)));
        else
            QVERIFY(fit.failure.startsWith("No scale found"));
    }

    void refusesWhatIsNoScale_data()
    {
        QTest::addColumn<Spec>("spec");
        Spec plain;
        plain.ticks = false;
        QTest::newRow("slide without a scale") << plain;
        Spec noisy = plain;
        noisy.noise = 20;
        noisy.size = {1280, 720};
        QTest::newRow("noise only") << noisy;
        Spec blank;
        blank.ticks = false;
        blank.size = {64, 16};
        QTest::newRow("tiny") << blank;
    }
    void refusesWhatIsNoScale()
    {
        QFETCH(Spec, spec);
        const imaging::ScaleFit fit = imaging::findScale(scalepictures::make(spec));
        QVERIFY(!fit.found);
        QVERIFY(fit.failure.startsWith("No scale found"));
        QVERIFY(!imaging::findScale(QImage()).found);
    }

    void brightTicksOnDarkField()
    {
        Spec s;
        s.brightTicks = true;
        s.angle = 5;
        const imaging::ScaleFit fit = imaging::findScale(scalepictures::toImage(scalepictures::make(s)));
        QVERIFY2(fit.found, qPrintable(fit.failure));
        QVERIFY(std::abs(fit.pitch / s.truePitch() - 1) < 5e-4);
    }
};

QTEST_MAIN(TstScaleFinder)
#include "tst_scalefinder.moc"
