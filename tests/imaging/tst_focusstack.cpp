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
        QTest::newRow("both, refocused") << 0.992 << -3.8 << 1.3 << 2;
        QTest::newRow("far focus") << 1.006 << 2.2 << 3.1 << 5;
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
        QVERIFY2(worst < 0.1, qPrintable(QString::number(worst)));
    }
};

QTEST_GUILESS_MAIN(TestFocusStack)
#include "tst_focusstack.moc"
