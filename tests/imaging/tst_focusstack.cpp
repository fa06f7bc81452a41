#include "imaging/cvimage.h"
#include "imaging/focusstack.h"
#include "tests/common/focusseries.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

using imaging::FocusStack;
using imaging::Similarity;

// The fusion against a stack whose all-sharp picture is known, and the
// registration against known motions.
class TestFocusStack : public QObject
{
    Q_OBJECT
private slots:
    void alignmentRecoversMotion_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::addColumn<int>("slice"); // which focus the moved frame has
        QTest::newRow("still") << 1.0 << 0.0 << 0.0 << 0;
        QTest::newRow("shift") << 1.0 << 3.4 << -2.7 << 0;
        QTest::newRow("scale") << 1.01 << 0.0 << 0.0 << 0;
        QTest::newRow("both, refocused") << 0.992 << -3.8 << 1.3 << 1;
        QTest::newRow("far focus") << 1.006 << 2.2 << 3.1 << 3;
    }
    void alignmentRecoversMotion()
    {
        QFETCH(double, scale);
        QFETCH(double, dx);
        QFETCH(double, dy);
        QFETCH(int, slice);
        focusseries::Options o;
        o.size = QSize(480, 360);
        const focusseries::Series series(o);
        const QImage reference = series.slice(0);
        const QImage focused = series.slice(slice);
        const QPointF centre(o.size.width() / 2.0, o.size.height() / 2.0);
        const Similarity truth = Similarity::about(centre, scale, 0.0, QPointF(dx, dy));
        const cv::Mat src = imaging::wrap(focused);
        cv::Mat moved;
        cv::warpAffine(src, moved, truth.matrix(), src.size(), cv::INTER_LANCZOS4, cv::BORDER_REFLECT);

        imaging::FrameAligner aligner;
        aligner.setReference(imaging::toGray32F(reference));
        QVERIFY(aligner.usablePatches() > 4);
        Similarity found;
        QVERIFY(aligner.align(imaging::toGray32F(imaging::toQImage(moved)), &found));
        QVERIFY2(std::abs(found.scale() - scale) < 3e-4, qPrintable(QString::number(found.scale(), 'f', 5)));
        // Every pixel lands within a tenth of a pixel.
        double worst = 0;
        for (int y = 0; y <= o.size.height(); y += 40)
            for (int x = 0; x <= o.size.width(); x += 40) {
                const QPointF d = found.map(QPointF(x, y)) - truth.map(QPointF(x, y));
                worst = std::max(worst, std::hypot(d.x(), d.y()));
            }
        QVERIFY2(worst < (slice ? 0.2 : 0.1), qPrintable(QString::number(worst)));
    }

    // The fused picture is nearer the truth than any slice and than the
    // plain mean of the slices, by a margin; still, moving and turning alike.
    void fusionBeatsSlicesAndMean_data()
    {
        QTest::addColumn<double>("shift");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("angle"); // degrees
        QTest::newRow("still") << 0.0 << 0.0 << 0.0;
        QTest::newRow("moving") << 3.0 << 0.01 << 0.0;
        QTest::newRow("turning") << 2.0 << -0.006 << 0.4;
    }
    void fusionBeatsSlicesAndMean()
    {
        QFETCH(double, shift);
        QFETCH(double, scale);
        QFETCH(double, angle);
        focusseries::Options o;
        o.size = QSize(480, 360);
        o.maxShift = shift;
        o.maxScale = scale;
        o.maxAngle = qDegreesToRadians(angle);
        const focusseries::Series series(o);
        imaging::FocusStackOptions options;
        options.depthMap = true;
        FocusStack stack(options);
        double bestSlice = 0;
        cv::Mat sum;
        for (int k = 0; k < series.count(); ++k) {
            const QImage slice = series.slice(k);
            bestSlice = std::max(bestSlice, series.psnr(slice, series.margin()));
            cv::Mat f;
            imaging::wrap(slice).convertTo(f, CV_32FC4);
            sum = sum.empty() ? f : sum + f;
            const FocusStack::FrameResult r = stack.add(slice);
            QCOMPARE(int(r.outcome), int(FocusStack::Outcome::Merged));
        }
        cv::Mat mean8;
        sum.convertTo(mean8, CV_8UC4, 1.0 / series.count());
        const double mean = series.psnr(imaging::toQImage(mean8), series.margin());
        const double fused = series.psnr(stack.result(), series.margin());
        QVERIFY2(fused > bestSlice + 4.0 && fused > mean + 4.0,
                 qPrintable(QString("fused %1 dB, best slice %2, mean %3").arg(fused).arg(bestSlice).arg(mean)));
        QCOMPARE(stack.result().size(), o.size);
        QCOMPARE(stack.preview(100).width(), 60); // 480 halved three times

        // The depth map rises with the relief: first plane dark, last light.
        const QImage depth = stack.depthMap();
        QCOMPARE(depth.size(), o.size);
        const cv::Mat z = series.depth();
        double low = 0, high = 0;
        int nLow = 0, nHigh = 0;
        for (int y = 40; y < o.size.height() - 40; y += 8)
            for (int x = 40; x < o.size.width() - 40; x += 8) {
                const double h = z.at<float>(y, x);
                const int v = qGray(depth.pixel(x, y));
                if (h < 0.25) {
                    low += v;
                    ++nLow;
                } else if (h > 0.75) {
                    high += v;
                    ++nHigh;
                }
            }
        QVERIFY(nLow > 0 && nHigh > 0);
        QVERIFY2(high / nHigh > low / nLow + 100, qPrintable(QString("%1 %2").arg(high / nHigh).arg(low / nLow)));
    }

    // A frame that brings nothing new is not merged; one of another size is
    // refused; a grey series stays grey.
    void framesThatAddNothing()
    {
        focusseries::Options o;
        o.size = QSize(320, 240);
        o.noise = 0.5;
        const focusseries::Series series(o);
        FocusStack stack;
        QCOMPARE(int(stack.add(series.slice(2)).outcome), int(FocusStack::Outcome::Merged));
        QCOMPARE(int(stack.add(series.slice(2)).outcome), int(FocusStack::Outcome::Skipped));
        QCOMPARE(int(stack.add(series.slice(0)).outcome), int(FocusStack::Outcome::Merged));
        QCOMPARE(int(stack.add(series.slice(0).scaled(200, 150)).outcome), int(FocusStack::Outcome::WrongSize));
        QCOMPARE(int(stack.add(QImage()).outcome), int(FocusStack::Outcome::Invalid));
        QCOMPARE(stack.merged(), 2);
        QCOMPARE(stack.offered(), 5);

        FocusStack grey;
        grey.add(series.slice(0).convertToFormat(QImage::Format_Grayscale8));
        grey.add(series.slice(4).convertToFormat(QImage::Format_Grayscale8));
        QCOMPARE(grey.result().format(), QImage::Format_Grayscale8);
        QCOMPARE(grey.merged(), 2);
    }
};

QTEST_GUILESS_MAIN(TestFocusStack)
#include "tst_focusstack.moc"
