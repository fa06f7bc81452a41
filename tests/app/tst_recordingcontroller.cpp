// The recording controller on its own: a scene with a picture, a clock the
// test moves by hand, no window and no real waits.
#include "app/recordingcontroller.h"
#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "record/rtmpthread.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TstRecordingController : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        QTemporaryDir dir;
        qint64 now = 1700000000000;
        AppSettings settings;
        CameraScene scene;
        RecordingController rec{&scene, &settings};
        int clips = 0;

        explicit Fixture(QSize size = {320, 240})
        {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            scene.setImage(picture);
            rec.setClock([this] { return now; });
        }
        bool start() { return rec.start("cam", dir.filePath(QString("clip%1.avi").arg(++clips)), scene.image().size()); }
    };

private slots:
    void feedFollowsTheClock_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("fps");
        QTest::newRow("VGA") << QSize(640, 480) << 30;
        QTest::newRow("1080p") << QSize(1920, 1080) << 15;
    }

    void feedFollowsTheClock()
    {
        QFETCH(QSize, size);
        QFETCH(int, fps);
        Fixture f(size);
        QSignalSpy stopped(&f.rec, &RecordingController::stopped);
        QVERIFY(f.start());
        QVERIFY(!f.start()); // one recording at a time
        QCOMPARE(f.rec.fps(), fps);
        f.now += 1;
        f.rec.feed();
        f.rec.feed(); // no time has passed
        QCOMPARE(f.rec.framesQueued(), 1);
        const int interval = int(std::ceil(1000.0 / fps));
        f.now += interval - 1;
        f.rec.feed();
        QCOMPARE(f.rec.framesQueued(), 1);
        f.now += 1;
        f.rec.feed();
        QCOMPARE(f.rec.framesQueued(), 2);
        // A clock set back gives no frame older than the last one.
        f.now -= 5000;
        QCOMPARE(f.rec.elapsedMs(), qint64(interval + 1));

        QVERIFY(f.rec.stop());
        QVERIFY(!f.rec.isRecording());
        QCOMPARE(stopped.count(), 1);
        const QString path = stopped.first().first().toString();
        QVERIFY(QFileInfo(path).size() > 0);
        QCOMPARE(f.settings.videoFiles, QStringList{path});
        QVERIFY(!f.rec.stop());
    }

    void timedPhotos()
    {
        Fixture f;
        AppSettings s;
        s.timedActive = true;
        s.timedMode = 0;
        s.timedInterval = 2;
        s.timedCount = 3;
        s.timedNext = f.rec.now();
        f.rec.startSeries(s);
        QVERIFY(f.rec.seriesTimer()->isActive());
        QSignalSpy photos(&f.rec, &RecordingController::seriesPhotoDue);
        QSignalSpy done(&f.rec, &RecordingController::seriesStepDone);
        for (int tick = 0; tick < 8; ++tick, f.now += 1000)
            f.rec.tickSeries();
        QCOMPARE(photos.count(), 3);
        QCOMPARE(done.count(), 3);
        QCOMPARE(f.settings.timedDone, 3);
        QVERIFY(!f.settings.timedActive);
        QVERIFY(!f.rec.seriesTimer()->isActive());
    }

    void timedClipsStopAfterTheirLength()
    {
        Fixture f;
        // The window starts and stops clips through its own checks.
        connect(&f.rec, &RecordingController::seriesRecordToggle, this, [&f] {
            if (f.rec.isRecording()) {
                f.rec.stop();
            } else {
                f.start();
                f.rec.feed();
            }
        });
        AppSettings s;
        s.timedActive = true;
        s.timedMode = 1;
        s.timedInterval = 5;
        s.timedLength = 2;
        s.timedCount = 2;
        s.timedNext = f.rec.now();
        f.rec.startSeries(s);
        QSignalSpy done(&f.rec, &RecordingController::seriesStepDone);

        f.rec.tickSeries();
        QVERIFY(f.rec.isRecording() && f.rec.isTimedVideo());
        f.now += 1999;
        f.rec.tickSeries();
        QVERIFY(f.rec.isRecording());
        f.now += 1;
        f.rec.tickSeries();
        QVERIFY(!f.rec.isRecording());
        QCOMPARE(done.count(), 1);
        // The next clip is due the interval after this one stopped.
        QCOMPARE(f.settings.timedNext, f.rec.now().addSecs(5));
        f.now += 4999;
        f.rec.tickSeries();
        QVERIFY(!f.rec.isRecording());
        f.now += 1;
        f.rec.tickSeries();
        QVERIFY(f.rec.isRecording());
        f.now += 2000;
        f.rec.tickSeries();
        QCOMPARE(done.count(), 2);
        QVERIFY(!f.settings.timedActive);
        QCOMPARE(f.settings.videoFiles.size(), 2);
    }

    void recorderFailureStops()
    {
        Fixture f;
        QSignalSpy failed(&f.rec, &RecordingController::failed);
        QSignalSpy stopped(&f.rec, &RecordingController::stopped);
        QVERIFY(f.rec.start("cam", f.dir.filePath("missing/folder/clip.avi"), {320, 240}));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 5000);
        QVERIFY(!f.rec.isRecording());
        QCOMPARE(stopped.count(), 1);
        QVERIFY(f.settings.videoFiles.isEmpty());
    }
};

QTEST_MAIN(TstRecordingController)
#include "tst_recordingcontroller.moc"
