// How measured numbers are written for people: four decimals from 1 up,
// four significant digits below it (at most eight decimals).
#include "core/numberformat.h"

#include <QtTest>

class TstNumberFormat : public QObject
{
    Q_OBJECT
private slots:
    void measure_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("the example") << 1.0 << "1.0000";
        QTest::newRow("large") << 12345.678901 << "12345.6789";
        QTest::newRow("just below 1") << 0.5208333 << "0.5208";
        QTest::newRow("true factor at 1920") << 0.000520833 << "0.0005208";
        QTest::newRow("10x10 px area") << 2.7126736e-5 << "0.00002713";
        QTest::newRow("50x50 px area") << 6.781684e-4 << "0.0006782";
        QTest::newRow("eight decimals at most") << 1.234e-9 << "0.00000000";
        QTest::newRow("rounds up to the next decade") << 0.099996 << "0.1000";
        QTest::newRow("rounds up to 1") << 0.99996 << "1.0000";
        QTest::newRow("zero") << 0.0 << "0.0000";
        QTest::newRow("negative small") << -0.000123456 << "-0.0001235";
        QTest::newRow("negative zero") << -1e-12 << "0.00000000";
        QTest::newRow("negative large") << -3.14159265 << "-3.1416";
    }
    void measure()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatMeasure(value), text);
    }

    void angle_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("right") << 90.0 << "90.00";
        QTest::newRow("small") << 0.004 << "0.00";
        QTest::newRow("negative zero") << -0.001 << "0.00";
        QTest::newRow("obtuse") << 123.456 << "123.46";
    }
    void angle()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatAngle(value), text);
    }
};

QTEST_APPLESS_MAIN(TstNumberFormat)
#include "tst_numberformat.moc"
