#include "record/cadence.h"

#include <QSet>
#include <QtTest>

#include <cmath>
#include <map>

namespace {

struct Sent
{
    qint64 pts;
    int picture;
    qint64 atMs;
};

// A camera at cameraFps (with a few ms of jitter) and the 10 ms feed timer,
// run through a cadence at nominalFps for runMs. Returns what was sent.
QVector<Sent> simulate(int nominalFps, double cameraFps, double phaseMs, qint64 runMs)
{
    std::multimap<qint64, int> events; // time -> picture number, -1: a tick
    quint32 seed = 12345;
    for (int i = 0;; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double jitter = double(seed >> 24) / 255.0 * 8.0 - 4.0;
        const qint64 t = qint64(std::lround(phaseMs + i * 1000.0 / cameraFps + jitter));
        if (t > runMs)
            break;
        events.emplace(qMax<qint64>(0, t), i);
    }
    for (qint64 t = 0; t <= runMs; t += 10)
        events.emplace(t, -1);

    RecordingCadence cadence(nominalFps);
    cadence.start(0);
    QVector<Sent> sent;
    int newest = -1;
    int previous = -1;
    for (const auto &e : events) {
        QVector<RecordingCadence::Send> out;
        if (e.second >= 0) {
            out = cadence.frameArrived(e.first);
        } else {
            out = cadence.tick(e.first);
        }
        for (const RecordingCadence::Send &s : out) {
            // Repeats refer to the picture sent before the call.
            const int picture = s.repeat ? previous : (e.second >= 0 ? e.second : newest);
            sent.append({s.pts, picture, e.first});
            if (!s.repeat)
                previous = picture;
        }
        if (e.second >= 0)
            newest = e.second;
    }
    return sent;
}

} // namespace

class TestCadence : public QObject
{
    Q_OBJECT
private slots:
    void recording_data();
    void recording();
    void timestampsRoundTrip();
    void timedSchedule();
    void timedScheduleCatchesUp();
};

void TestCadence::recording_data()
{
    QTest::addColumn<int>("nominal");
    QTest::addColumn<double>("camera");
    QTest::addColumn<double>("phase");
    QTest::newRow("30 on 30") << 30 << 30.0 << 5.0;
    QTest::newRow("30 on 30, frames at the slot edges") << 30 << 30.0 << 33.0;
    QTest::newRow("30 on 29.97") << 30 << 29.97 << 12.0;
    QTest::newRow("30 on 60") << 30 << 60.0 << 3.0;
    QTest::newRow("30 on 25") << 30 << 25.0 << 7.0;
    QTest::newRow("30 on 15") << 30 << 15.0 << 20.0;
    QTest::newRow("15 on 30") << 15 << 30.0 << 1.0;
    QTest::newRow("15 on 15") << 15 << 15.0 << 40.0;
    QTest::newRow("15 on 10") << 15 << 10.0 << 9.0;
}

void TestCadence::recording()
{
    QFETCH(int, nominal);
    QFETCH(double, camera);
    QFETCH(double, phase);
    const qint64 runMs = 10000;
    QVector<Sent> all = simulate(nominal, camera, phase, runMs + 200);
    QVector<Sent> sent;
    for (const Sent &s : all)
        if (s.pts < nominal * 10)
            sent.append(s);
    QVERIFY(!sent.isEmpty());

    QSet<int> distinct;
    for (int i = 0; i < sent.size(); ++i) {
        const Sent &s = sent[i];
        distinct.insert(s.picture);
        if (i > 0) {
            QVERIFY(s.pts > sent[i - 1].pts);
            QVERIFY(s.picture >= sent[i - 1].picture);
        }
        // On the schedule: never early, never more than one slot late.
        QVERIFY2(s.atMs * nominal >= s.pts * 1000 && s.atMs * nominal < (s.pts + 2) * 1000,
                 qPrintable(QStringLiteral("pts %1 sent at %2 ms").arg(s.pts).arg(s.atMs)));
    }
    const int frames = sent.size();
    const double duration = double(sent.last().pts + 1) / nominal;
    QVERIFY2(qAbs(duration - runMs / 1000.0) <= 0.02 * runMs / 1000.0, qPrintable(QString::number(duration)));
    if (camera >= nominal * 0.99) {
        QVERIFY2(qAbs(frames - nominal * 10) <= 1, qPrintable(QString::number(frames)));
        QVERIFY2(distinct.size() >= 0.98 * frames,
                 qPrintable(QStringLiteral("%1 distinct of %2").arg(distinct.size()).arg(frames)));
    } else {
        // Every camera picture is used, and once the rate is known no slot is empty.
        QVERIFY2(distinct.size() >= camera * 10 - 2, qPrintable(QString::number(distinct.size())));
        qint64 expect = -1;
        for (const Sent &s : sent) {
            if (s.atMs < 1000)
                continue;
            if (expect >= 0)
                QCOMPARE(s.pts, expect);
            expect = s.pts + 1;
        }
    }
}

void TestCadence::timestampsRoundTrip()
{
    // RtmpThread's rounding down must give back the same pts.
    for (int fps : {1, 7, 15, 25, 30, 60}) {
        for (qint64 pts = 0; pts < 2000; ++pts) {
            const int ms = RecordingCadence::timestampMs(pts, fps);
            QCOMPARE(qint64(ms) * fps / 1000, pts);
        }
    }
}

void TestCadence::timedSchedule()
{
    const QDateTime start(QDate(2026, 3, 1), QTime(10, 0, 0));
    TimedSchedule s;
    s.start(start, 1000, 4);
    // A 1 s timer whose ticks come a little early, then a little late.
    const int ticks[] = {0, 998, 1001, 1997, 2002, 2996, 3000, 3999, 4500};
    QList<int> shots;
    QList<qint64> at;
    for (int t : ticks) {
        const int n = s.takeDue(start.addMSecs(t));
        if (n >= 0) {
            shots.append(n);
            at.append(t);
        }
    }
    QCOMPARE(shots, (QList<int>{0, 1, 2, 3}));
    QCOMPARE(at, (QList<qint64>{0, 1001, 2002, 3000}));
    for (int n = 0; n < 4; ++n)
        QCOMPARE(s.dueTime(n), start.addMSecs(n * 1000));
    QCOMPARE(s.taken(), 4);
    QCOMPARE(s.missed(), 0);
    QVERIFY(!s.isRunning());
}

void TestCadence::timedScheduleCatchesUp()
{
    const QDateTime start(QDate(2026, 3, 1), QTime(23, 59, 59));
    TimedSchedule s;
    s.start(start, 1500);
    QCOMPARE(s.takeDue(start.addMSecs(-1)), -1);
    QCOMPARE(s.takeDue(start), 0);
    QCOMPARE(s.takeDue(start.addMSecs(1499)), -1);
    // Busy for a while: the latest due shot is taken, the grid is kept.
    QCOMPARE(s.takeDue(start.addMSecs(4600)), 3);
    QCOMPARE(s.missed(), 2);
    QCOMPARE(s.nextDue(), start.addMSecs(6000));
    QCOMPARE(s.takeDue(start.addMSecs(5999)), -1);
    QCOMPARE(s.takeDue(start.addMSecs(6000)), 4);
    s.stop();
    QCOMPARE(s.takeDue(start.addMSecs(9000)), -1);
}

QTEST_GUILESS_MAIN(TestCadence)
#include "tst_cadence.moc"
