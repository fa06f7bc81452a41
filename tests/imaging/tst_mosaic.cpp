#include "imaging/cvimage.h"
#include "imaging/livemosaic.h"
#include "imaging/mosaic.h"
#include "tests/common/mosaicfields.h"

#include <QtTest>

// Small fields keep it quick; the benchmark runs the full-size grids.
class TstMosaic : public QObject
{
    Q_OBJECT
private slots:
    void placementsRecovered_data()
    {
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("overlap");
        QTest::newRow("3x2, 15 %") << 3 << 2 << 0.15;
        QTest::newRow("2x3, 30 %") << 2 << 3 << 0.30;
    }
    void placementsRecovered()
    {
        QFETCH(int, cols);
        QFETCH(int, rows);
        QFETCH(double, overlap);
        mosaicfields::Grid g;
        g.cols = cols;
        g.rows = rows;
        g.field = QSize(400, 300);
        g.overlap = overlap;
        g.jitter = 10;
        mosaicfields::Fields f = mosaicfields::make(g);
        // Any order: reversed.
        std::reverse(f.images.begin(), f.images.end());
        std::reverse(f.truth.begin(), f.truth.end());
        const imaging::MosaicResult r = imaging::stitch(f.images);
        QVERIFY(r.ok());
        const auto [worst, mean] = mosaicfields::errors(r.topLefts, f.truth);
        QVERIFY2(worst < 0.5, qPrintable(QString::number(worst)));
        QVERIFY(mean < 0.2);
        // The picture covers every field, no more.
        QRectF all;
        for (const QPointF &p : r.topLefts)
            all |= QRectF(p, QSizeF(g.field));
        QVERIFY(qAbs(r.image.width() - all.width()) <= 1.0 && qAbs(r.image.height() - all.height()) <= 1.0);
    }

    void fieldWithoutOverlapIsNamed()
    {
        mosaicfields::Grid g;
        g.cols = 3;
        g.rows = 1;
        g.field = QSize(400, 300);
        mosaicfields::Fields f = mosaicfields::make(g);
        // A field of another slide altogether, in the middle of the list.
        mosaicfields::Grid other = g;
        other.cols = 1;
        other.seed = 99;
        f.images.insert(1, mosaicfields::make(other).images.first());
        const imaging::MosaicResult r = imaging::stitch(f.images);
        QCOMPARE(r.unplaced, QVector<int>{1});
        QVERIFY(r.image.isNull());
        // Asked for what can be placed, the rest is composed.
        const imaging::MosaicResult rest = imaging::stitch(f.images, {}, {}, false);
        QVERIFY(!rest.image.isNull());
        QVERIFY(!rest.placed[1] && rest.placed[0] && rest.placed[2] && rest.placed[3]);
    }

    void tooLargeIsRefusedBeforeItStarts()
    {
        mosaicfields::Grid g;
        g.cols = 2;
        g.rows = 1;
        g.field = QSize(400, 300);
        const mosaicfields::Fields f = mosaicfields::make(g);
        imaging::MosaicOptions o;
        o.memoryLimit = 100 * 1024;
        const imaging::MosaicResult r = imaging::stitch(f.images, o);
        QVERIFY(r.image.isNull());
        QVERIFY(r.neededBytes > o.memoryLimit);
    }

    // Two fields side by side, the second placed `error` px right of the truth.
    static imaging::Composed composeTwo(double error, imaging::MosaicOptions::Blend blend, int rows = 0,
                                        QImage *first = nullptr)
    {
        mosaicfields::Grid g;
        g.cols = 2;
        g.rows = 1;
        g.field = QSize(400, 300);
        g.overlap = 0.3;
        g.jitter = 0;
        g.vignetting = 0;
        g.noise = 0;
        const mosaicfields::Fields f = mosaicfields::make(g);
        imaging::Placement p;
        p.placed = {true, true};
        p.positions = {cv::Point2d(0, 0),
                       cv::Point2d(f.truth[1].x() - f.truth[0].x() + error, f.truth[1].y() - f.truth[0].y())};
        imaging::MosaicOptions o;
        o.blend = blend;
        o.blendRows = rows;
        if (first)
            *first = f.images[0];
        return imaging::composeMosaic(f.images, p, {}, o);
    }

    static double sharpness(const QImage &img, const QRect &r)
    {
        cv::Mat grey = imaging::toGray8(img.copy(r)), lap;
        cv::Laplacian(grey, lap, CV_32F);
        cv::Scalar mean, sd;
        cv::meanStdDev(lap, mean, sd);
        return sd[0] * sd[0];
    }

    void seamsKeepTheirDetail_data()
    {
        QTest::addColumn<int>("blend");
        QTest::addColumn<bool>("sharp");
        QTest::newRow("multi-band") << int(imaging::MosaicOptions::Blend::MultiBand) << true;
        QTest::newRow("feather") << int(imaging::MosaicOptions::Blend::Feather) << false;
    }
    // Placed two pixels off, a feather doubles the detail across the overlap;
    // blended band by band, the fine detail meets at a seam instead.
    void seamsKeepTheirDetail()
    {
        QFETCH(int, blend);
        QFETCH(bool, sharp);
        QImage first;
        const imaging::Composed c = composeTwo(2.0, imaging::MosaicOptions::Blend(blend), 0, &first);
        QVERIFY(!c.image.isNull());
        // The overlap is 120 px wide from x = 280; away from the seam's middle.
        const QRect overlap(285, 20, 110, 260);
        const double ratio = sharpness(c.image, overlap) / sharpness(first, overlap);
        qInfo("detail in the overlap: %.2f of a single field's", ratio);
        QVERIFY2((ratio > 0.9) == sharp, qPrintable(QString::number(ratio)));

        // Placed right, both show the slide as the fields do.
        const imaging::Composed right = composeTwo(0, imaging::MosaicOptions::Blend(blend), 0, &first);
        cv::Mat diff;
        cv::absdiff(imaging::toGray8(right.image.copy(0, 0, 400, 300)), imaging::toGray8(first), diff);
        QVERIFY2(cv::mean(diff)[0] < 1.0, qPrintable(QString::number(cv::mean(diff)[0])));
    }

    // Worked a few rows at a time, the picture is the one worked at once.
    void blendDoesNotDependOnItsBands()
    {
        const imaging::Composed few = composeTwo(0.4, imaging::MosaicOptions::Blend::MultiBand, 16);
        const imaging::Composed all = composeTwo(0.4, imaging::MosaicOptions::Blend::MultiBand, 1024);
        QCOMPARE(few.image.size(), all.image.size());
        cv::Mat diff;
        cv::absdiff(imaging::wrap(few.image), imaging::wrap(all.image), diff);
        double worst = 0;
        cv::minMaxLoc(diff.reshape(1), nullptr, &worst);
        QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    }

    void cancelStops()
    {
        mosaicfields::Grid g;
        g.cols = 2;
        g.rows = 2;
        g.field = QSize(400, 300);
        const mosaicfields::Fields f = mosaicfields::make(g);
        const imaging::MosaicResult r = imaging::stitch(f.images, {}, [](double share) { return share < 0.3; });
        QVERIFY(r.cancelled);
        QVERIFY(r.image.isNull());
    }

    // A camera moving over the slide: frames along a path out and back.
    void liveTrackAddsAndRefines()
    {
        const QSize field(320, 240);
        const cv::Mat slide = mosaicfields::specimen(QSize(1400, 600), 5);
        auto frameAt = [&](double x, double y) {
            cv::Mat view, bgra;
            const cv::Mat shift = (cv::Mat_<double>(2, 3) << 1, 0, x, 0, 1, y);
            cv::warpAffine(slide, view, shift, cv::Size(field.width(), field.height()),
                           cv::INTER_LINEAR | cv::WARP_INVERSE_MAP);
            cv::cvtColor(view, bgra, cv::COLOR_BGR2BGRA);
            QImage img(field, QImage::Format_RGB32);
            for (int r = 0; r < img.height(); ++r)
                memcpy(img.scanLine(r), bgra.ptr(r), size_t(img.width()) * 4);
            return img;
        };
        imaging::LiveMosaic live;
        int lost = 0, refined = 0;
        double worst = 0;
        const double startX = 50, y = 100;
        QVector<double> path;
        for (double x = startX; x <= 1000; x += 12.5)
            path.append(x);
        const int outward = path.size();
        for (double x = 1000; x >= startX; x -= 12.5)
            path.append(x);
        int fieldsOut = 0;
        for (int i = 0; i < path.size(); ++i) {
            const double x = path[i];
            if (i == outward)
                fieldsOut = live.fieldCount();
            const imaging::LiveMosaic::Update u = live.add(frameAt(x, y));
            lost += u.event == imaging::LiveMosaic::Event::Lost;
            refined += u.event == imaging::LiveMosaic::Event::Refined;
            worst = std::max(worst, std::hypot(u.view.x() - (x - startX), u.view.y()));
        }
        QCOMPARE(lost, 0);
        QVERIFY(worst < 0.5);
        // Coming back added no copies.
        const int out = live.fieldCount();
        QVERIFY(out >= 4);
        QCOMPARE(out, fieldsOut);
        const imaging::Composed c = live.finish();
        QVERIFY(!c.image.isNull());
        double right = 0;
        for (const QPointF &p : c.topLefts)
            right = std::max(right, p.x() + field.width());
        QVERIFY(qAbs(c.image.width() - right) <= 1.0);
        QVERIFY(right > 1000 - startX - 0.3 * field.width());
        Q_UNUSED(refined);

        // A jump to another part of the slide cannot be placed and is not added.
        const imaging::LiveMosaic::Update jump = live.add(frameAt(1000, 350));
        QCOMPARE(jump.event, imaging::LiveMosaic::Event::Lost);
        QCOMPARE(live.fieldCount(), out);
    }
};

QTEST_GUILESS_MAIN(TstMosaic)
#include "tst_mosaic.moc"
