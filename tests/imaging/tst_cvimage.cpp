#include "imaging/cvimage.h"

#include <QtTest>

// The bridges must share pixels where they say so and keep channel order.
class TestCvImage : public QObject
{
    Q_OBJECT
private slots:
    void greyOfEachFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("rgb32") << int(QImage::Format_RGB32);
        QTest::newRow("argb32") << int(QImage::Format_ARGB32);
        QTest::newRow("rgb888") << int(QImage::Format_RGB888);
        QTest::newRow("grey8") << int(QImage::Format_Grayscale8);
        QTest::newRow("indexed8") << int(QImage::Format_Indexed8);
        QTest::newRow("rgb16") << int(QImage::Format_RGB16);
    }
    void greyOfEachFormat()
    {
        QFETCH(int, format);
        QImage src(7, 3, QImage::Format_RGB32);
        src.fill(QColor(200, 40, 10));
        src.setPixel(2, 1, qRgb(0, 250, 0));
        const QImage img = src.convertToFormat(QImage::Format(format));
        const cv::Mat grey = imaging::toGray8(img);
        QCOMPARE(grey.type(), CV_8UC1);
        QCOMPARE(grey.cols, 7);
        QCOMPARE(grey.rows, 3);
        // Rec. 601 luminance of the colour the picture holds, within rounding.
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x) {
                const QRgb c = img.pixel(x, y);
                const double luma = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
                QVERIFY2(std::abs(grey.at<uchar>(y, x) - luma) <= 1.0, qPrintable(QString("%1,%2").arg(x).arg(y)));
            }
    }

    void wrapSharesPixels()
    {
        QImage img(5, 4, QImage::Format_Grayscale8);
        img.fill(0);
        cv::Mat m = imaging::wrap(img);
        QCOMPARE(static_cast<const uchar *>(m.data), img.constBits());
        QVERIFY(imaging::wrap(QImage(2, 2, QImage::Format_Mono)).empty());
    }

    void backToQImageKeepsColour()
    {
        cv::Mat bgr(2, 3, CV_8UC3, cv::Scalar(10, 20, 30));
        const QImage img = imaging::toQImage(bgr);
        QCOMPARE(img.pixel(1, 1), qRgb(30, 20, 10));
        QVERIFY(imaging::toQImage(cv::Mat(2, 2, CV_32F)).isNull());
    }
};

QTEST_APPLESS_MAIN(TestCvImage)
#include "tst_cvimage.moc"
