#include "capture/frameratemeter.h"

#include <QtTest>

class TstFrameRateMeter : public QObject
{
    Q_OBJECT
private slots:
    void rate_data();
    void rate();
    void overflowKeepsNewest();
    void rateAgesWhenFramesStop();
};

void TstFrameRateMeter::rate_data()
{
    QTest::addColumn<QVector<qint64>>("times");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("kept");

    QTest::newRow("none") << QVector<qint64>{} << 0.0 << 0;
    QTest::newRow("one") << QVector<qint64>{1000} << 0.0 << 1;
    QTest::newRow("steady 10 fps") << QVector<qint64>{0, 100, 200, 300, 400} << 10.0 << 5;
    QTest::newRow("same instant") << QVector<qint64>{50, 50} << 0.0 << 2;
    // Older than three seconds before the newest: dropped.
    QTest::newRow("window") << QVector<qint64>{0, 1600, 2000, 3500, 4500} << 3000.0 / 2900 << 4;
    QTest::newRow("exactly three seconds") << QVector<qint64>{0, 3000} << 1000.0 / 3000 << 2;
    QTest::newRow("after a pause") << QVector<qint64>{0, 33, 66, 10000, 10033} << 1000.0 / 33 << 2;
}

void TstFrameRateMeter::rate()
{
    QFETCH(QVector<qint64>, times);
    QFETCH(double, rate);
    QFETCH(int, kept);
    FrameRateMeter m;
    for (qint64 t : times)
        m.addAt(t);
    QCOMPARE(m.count(), kept);
    QVERIFY(qAbs(m.rate() - rate) < 1e-9);
    m.clear();
    QCOMPARE(m.rate(), 0.0);
}

void TstFrameRateMeter::overflowKeepsNewest()
{
    FrameRateMeter m;
    // 2000 frames within one second: the ring holds the newest ones.
    for (int i = 0; i < 2000; ++i)
        m.addAt(i / 2);
    QCOMPARE(m.count(), FrameRateMeter::kCapacity);
    QVERIFY(m.rate() > 1900.0 && m.rate() < 2100.0);
}

// Read later than the last frame, the rate falls: a stopped camera does not
// go on showing its last rate.
void TstFrameRateMeter::rateAgesWhenFramesStop()
{
    FrameRateMeter m;
    for (int i = 0; i <= 90; ++i)
        m.addAt(1000 + i * 1000 / 30);
    const qint64 last = m.lastAt();
    QCOMPARE(last, qint64(4000));
    QVERIFY(qAbs(m.rateAt(last) - 30.0) < 0.5);
    QVERIFY(qAbs(m.rateAt(last + 30) - 30.0) < 0.5); // the usual wait for the next
    QVERIFY(m.rateAt(last + 1500) < 22.0);
    QVERIFY(m.rateAt(last + 2900) < m.rateAt(last + 1500));
    QCOMPARE(m.rateAt(last + 3100), 0.0);
}

QTEST_GUILESS_MAIN(TstFrameRateMeter)
#include "tst_frameratemeter.moc"
