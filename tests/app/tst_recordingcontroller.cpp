// The recording controller on its own: a scene with a picture, a clock the
// test moves by hand, no window and no real waits.
#include "app/recordingcontroller.h"
#include "core/appsettings.h"
#include "measure/camerascene.h"
#include "record/rtmpthread.h"

#include <QProcess>
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
        bool start()
        {
            return rec.start("cam", dir.filePath(QString("clip%1.avi").arg(++clips)), scene.image().size());
        }
        // A new camera picture, told apart by its colour.
        void newPicture()
        {
            QImage picture(scene.image().size(), QImage::Format_RGB32);
            picture.fill(QColor::fromRgb(++pictures * 2654435761u & 0xffffff));
            scene.setImage(picture);
            rec.pictureShown(); // as the window's frame router does
        }
        quint32 pictures = 0;
        // A camera at the recording's rate for ms: a picture and a feed per
        // frame interval, the encoder given time to take each.
        void play(qint64 ms)
        {
            const qint64 step = 1000 / qMax(1, rec.fps());
            for (qint64 t = 0; t < ms; t += step) {
                now += qMin(step, ms - t);
                newPicture();
                rec.feed();
                QVERIFY2(QTest::qWaitFor([this] { return rec.recorder()->queuedFrames() == 0; }, 2000),
                         "the encoder did not take the frame");
            }
        }
    };

    // Frames the recorder holds, as ffprobe counts them.
    static int framesInFile(const QString &path)
    {
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                                "stream=nb_read_frames", "-of", "csv=p=0", path});
        if (!probe.waitForFinished(20000))
            return -1;
        return probe.readAllStandardOutput().trimmed().toInt();
    }

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
        // Frame 1 is due at start + 1/fps, and only with a new picture.
        const int interval = int(std::ceil(1000.0 / fps));
        f.newPicture();
        f.now += interval - 2;
        f.rec.feed();
        QCOMPARE(f.rec.framesQueued(), 1);
        f.now += 1;
        f.rec.feed();
        QCOMPARE(f.rec.framesQueued(), 2);
        // A clock set back gives no frame older than the last one.
        f.now -= 5000;
        QCOMPARE(f.rec.elapsedMs(), qint64(interval));

        QVERIFY(f.rec.stop());
        QVERIFY(!f.rec.isRecording());
        // The file is finished on the recorder's thread.
        QTRY_COMPARE(stopped.count(), 1);
        const QString path = stopped.first().first().toString();
        QVERIFY(QFileInfo(path).size() > 0);
        QCOMPARE(f.settings.videoFiles, QStringList{path});
        QVERIFY(!f.rec.stop());
    }

    void cadenceFollowsTheCamera_data()
    {
        QTest::addColumn<int>("cameraFps");
        QTest::newRow("30 fps camera") << 30;
        QTest::newRow("25 fps camera") << 25;
        QTest::newRow("15 fps camera") << 15;
    }

    // Ten seconds at nominal 30 fps with a camera at its own rate: each
    // picture pushed as it comes, the schedule looked at every 10 ms; the
    // camera jitters by a few ms.
    void cadenceFollowsTheCamera()
    {
        QFETCH(int, cameraFps);
        Fixture f({640, 480});
        QVERIFY(f.start());
        QCOMPARE(f.rec.fps(), 30);
        const qint64 start = f.now;
        QVector<qint64> pts;
        QVector<quint32> colours;
        connect(&f.rec, &RecordingController::frameSent, this, [&](qint64 p, bool) {
            pts << p;
            colours << f.scene.image().pixel(0, 0);
        });
        int k = 1;
        for (qint64 t = 0; t <= 10000; ++t) {
            f.now = start + t;
            const int jitter = (k * 5) % 7 - 3;
            if (t >= k * 1000 / cameraFps + jitter) {
                f.newPicture();
                ++k;
            }
            if (t % 10 == 0) {
                f.rec.feed();
                // The encoder's own pace, not the clock: it gets its
                // render buffers back before the next feed.
                while (f.rec.recorder()->queuedFrames() > 0)
                    QThread::usleep(200);
            }
        }
        QVERIFY(f.rec.stop());
        QCOMPARE(f.rec.framesRefused(), 0);
        QVERIFY(!pts.isEmpty());
        for (int i = 1; i < pts.size(); ++i)
            QVERIFY2(pts[i] > pts[i - 1], qPrintable(QString("pts %1 after %2").arg(pts[i]).arg(pts[i - 1])));
        int distinct = 1;
        for (int i = 1; i < colours.size(); ++i)
            distinct += colours[i] != colours[i - 1];
        if (cameraFps >= 30) {
            QVERIFY2(qAbs(pts.size() - 300) <= 1, qPrintable(QString::number(pts.size())));
            QVERIFY2(distinct >= 0.98 * pts.size(), qPrintable(QString("%1 of %2").arg(distinct).arg(pts.size())));
            QCOMPARE(pts.last(), qint64(pts.size() - 1)); // no slot left out
        } else {
            // The file's length is the wall clock's, and no picture is lost.
            QVERIFY2(qAbs(pts.last() + 1 - 300) <= 6, qPrintable(QString::number(pts.last())));
            QVERIFY2(distinct >= cameraFps * 10 - 2, qPrintable(QString::number(distinct)));
        }
        QTRY_VERIFY(!f.rec.isFinishing());
        const int inFile = framesInFile(f.rec.lastPath());
        QVERIFY2(inFile >= pts.size() - 1 && inFile <= pts.size(), qPrintable(QString::number(inFile)));
    }

    void slowCameraSetsTheRate()
    {
        Fixture f({640, 480});
        QVERIFY(f.rec.start("cam", f.dir.filePath("slow.avi"), {640, 480}, 14.985));
        QCOMPARE(f.rec.fps(), 15);
        QVERIFY(f.rec.stop());
        QVERIFY(f.rec.start("cam", f.dir.filePath("fast.avi"), {640, 480}, 60));
        QCOMPARE(f.rec.fps(), 30);
    }

    // Shots at start + n x interval exactly, whatever the ticks; the first
    // photo not written ends the series with its reason, once.
    void timedPhotosOnTheGrid()
    {
        Fixture f;
        const qint64 start = f.now + 500;
        QVector<qint64> taken;
        bool failThird = false;
        f.rec.setPhotoTaker([&](QString *why) {
            if (failThird && taken.size() == 2) {
                *why = "disk full";
                return false;
            }
            taken << f.now - start;
            return true;
        });
        QSignalSpy failed(&f.rec, &RecordingController::seriesFailed);
        for (bool fail : {false, true}) {
            taken.clear();
            failThird = fail;
            f.now = start - 500;
            AppSettings s;
            s.timedMode = 0;
            s.timedInterval = 1;
            s.timedCount = 5;
            s.timedNext = QDateTime::fromMSecsSinceEpoch(start);
            f.rec.startSeries(s);
            // A tick every ms: many just before a shot, none may defer it.
            for (; f.now < start + 6000; ++f.now) {
                f.rec.tickSeries();
                if (f.rec.isSeriesRunning() && f.rec.secondsToNextShot() > 1)
                    QFAIL("the next shot is never more than one interval away");
            }
            if (!fail) {
                QCOMPARE(f.settings.timedDone, 5);
                QCOMPARE(failed.count(), 0);
                QCOMPARE(taken.size(), 5);
                for (int n = 0; n < 5; ++n)
                    QCOMPARE(taken[n], qint64(n) * 1000);
            } else {
                QCOMPARE(taken.size(), 2);
                QCOMPARE(f.settings.timedDone, 2);
                QCOMPARE(failed.count(), 1);
                QCOMPARE(failed.first().first().toString(), QStringLiteral("disk full"));
                QVERIFY(!f.rec.isSeriesRunning());
                QVERIFY(!f.settings.timedActive);
            }
        }
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
        s.timedCount = 3;
        s.timedNext = f.rec.now();
        const QDateTime start = s.timedNext;
        f.rec.startSeries(s);
        QSignalSpy done(&f.rec, &RecordingController::seriesStepDone);

        f.rec.tickSeries();
        QVERIFY(f.rec.isRecording() && f.rec.isTimedVideo());
        f.play(1900);
        f.rec.tickSeries();
        QVERIFY(f.rec.isRecording());
        // The next tick is aimed at the clip's end, not a whole tick later.
        QCOMPARE(f.rec.seriesTimer()->interval(), 100);
        f.play(99);
        // The stopping tick comes late; the next clip keeps to the grid of
        // start + n x (length + pause), not to the stop.
        f.play(151);
        f.rec.tickSeries();
        QVERIFY(!f.rec.isRecording());
        QCOMPARE(done.count(), 1);
        QCOMPARE(f.settings.timedNext, start.addSecs(7));
        f.now = start.addMSecs(6999).toMSecsSinceEpoch();
        f.rec.tickSeries();
        QVERIFY(!f.rec.isRecording());
        // A late start tick does not shift the clips after it.
        f.now += 301;
        f.rec.tickSeries();
        QVERIFY(f.rec.isRecording());
        QCOMPARE(f.settings.timedNext, start.addSecs(14));
        f.play(2000);
        f.rec.tickSeries();
        QCOMPARE(done.count(), 2);
        QCOMPARE(f.settings.timedNext, start.addSecs(14));
        f.now = start.addSecs(14).toMSecsSinceEpoch();
        f.rec.tickSeries();
        f.play(2000);
        f.rec.tickSeries();
        QCOMPARE(done.count(), 3);
        QVERIFY(!f.settings.timedActive);
        QTRY_COMPARE(f.settings.videoFiles.size(), 3);
    }

    // A clip whose camera stopped (one frame in 2 s) is said and not
    // counted; a clip that cannot start ends the series with its reason.
    void shortOrRefusedClips()
    {
        Fixture f;
        bool refuse = false;
        f.rec.setClipStarter([&](QString *why) {
            if (refuse) {
                *why = "four tiles";
                return false;
            }
            return f.start();
        });
        connect(&f.rec, &RecordingController::seriesRecordToggle, this, [&f] { f.rec.stop(); });
        AppSettings s;
        s.timedMode = 1;
        s.timedInterval = 1;
        s.timedLength = 2;
        s.timedCount = 2;
        s.timedNext = f.rec.now();
        f.rec.startSeries(s);
        QSignalSpy done(&f.rec, &RecordingController::seriesStepDone);
        QSignalSpy shortClip(&f.rec, &RecordingController::clipShort);
        QSignalSpy failed(&f.rec, &RecordingController::seriesFailed);
        f.rec.tickSeries();
        f.rec.feed();
        QVERIFY(f.rec.isTimedVideo());
        f.now += 2000;
        f.rec.tickSeries();
        QVERIFY(!f.rec.isRecording());
        QCOMPARE(shortClip.count(), 1);
        QCOMPARE(shortClip.first().at(1).toInt(), 1);
        QCOMPARE(shortClip.first().at(2).toInt(), 2 * f.rec.fps());
        QCOMPARE(done.count(), 0);
        QCOMPARE(f.settings.timedDone, 0);

        refuse = true;
        f.now = f.settings.timedNext.toMSecsSinceEpoch();
        f.rec.tickSeries();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), QStringLiteral("four tiles"));
        QVERIFY(!f.rec.isSeriesRunning());
        QCOMPARE(f.settings.timedDone, 0);
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
