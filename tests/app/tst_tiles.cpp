// Four live cameras in the four-tile view.
#include "mainwindowrig.h"

#include "app/camerasession.h"
#include "core/appsettings.h"
#include "app/recordingcontroller.h"

#include <QDirIterator>

namespace {

QVector<SimCameraSpec> fourCameras()
{
    QVector<SimCameraSpec> specs;
    for (int i = 0; i < 4; ++i) {
        specs << spec(QStringLiteral("t%1").arg(i), 0x62C1, {{1280, 720}});
        specs.last().port = QStringLiteral("1-%1").arg(i + 1);
    }
    return specs;
}

// The id the window knows camera i by.
QString cam(int i)
{
    for (const CameraDeviceInfo &d : CameraHub::instance()->deviceList()) {
        if (d.devicePath.contains(QStringLiteral("t%1#").arg(i)))
            return d.devicePath;
    }
    return QString();
}

// The four-tile view with camera i in tile i.
void fillTiles(Rig &rig)
{
    rig.window->onBtnScreenSwitch();
    QCOMPARE(rig.ui()->stackMainWidget->currentIndex(), 1);
    for (int i = 0; i < 4; ++i)
        QVERIFY(rig.window->cameras()->showInTile(cam(i), i));
}

bool tileChanges(Rig &rig, int i)
{
    CameraLabel *t = rig.window->tile(i);
    if (!QTest::qWaitFor([&] { return !t->image().isNull(); }, 3000))
        return false;
    const QImage before = t->image();
    // A second of frames; longer only on a loaded machine.
    return QTest::qWaitFor([&] { return !t->image().isNull() && t->image() != before; }, 3000);
}

} // namespace

class TstTiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    void fourLiveTilesAndTheirPhotos()
    {
        Rig rig(fourCameras());
        fillTiles(rig);
        QCOMPARE(rig.window->openCameras().size(), 4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(tileChanges(rig, i), qPrintable(QString::number(i)));
            QVERIFY(rig.window->tile(i)->title().contains("fps"));
            // A tile decodes no more than it shows.
            QVERIFY(rig.window->tile(i)->image().width() < 1280);
        }
        // The photo is of the selected tile's camera at its full size.
        rig.window->selectTile(2);
        QCOMPARE(rig.window->currentCamera(), cam(2));
        rig.window->onBtnCapture();
        QCOMPARE(rig.photos().size(), 1);
        QCOMPARE(QImage(rig.dir.filePath("save/image/Photo/" + rig.photos().first())).size(), QSize(1280, 720));
        // The still button of another camera photographs that camera.
        rig.sim->pressStillButton(1);
        QVERIFY(QTest::qWaitFor([&] { return rig.photos().size() == 2; }, 3000));
        QCOMPARE(rig.window->currentCamera(), cam(1));
        QCOMPARE(rig.window->tileOf(cam(1)), 1);
    }

    void tileToLargeViewWithoutReopening()
    {
        Rig rig(fourCameras());
        fillTiles(rig);
        const QString id = cam(2);
        const int opens = rig.sim->openCount(2);
        rig.window->cameras()->showLarge(id);
        QCOMPARE(rig.ui()->stackMainWidget->currentIndex(), 0);
        QCOMPARE(rig.window->currentCamera(), id);
        QVERIFY(rig.waitFrames(3));
        QCOMPARE(rig.window->scene()->image().size(), QSize(1280, 720));
        // Back to four tiles: the camera is in its tile again.
        rig.window->onBtnScreenSwitch();
        QCOMPARE(rig.window->tileOf(id), 2);
        QVERIFY(tileChanges(rig, 2));
        QCOMPARE(rig.sim->openCount(2), opens);
        QCOMPARE(rig.window->openCameras().size(), 4);
    }

    void bandwidthFailureStaysOnItsTile()
    {
        Rig rig(fourCameras());
        rig.sim->setBandwidthExhausted(3, true);
        // The switch fills the tiles in order; the fourth camera's start fails.
        rig.window->onBtnScreenSwitch();
        for (int i = 0; i < 3; ++i)
            QVERIFY(rig.window->cameras()->showInTile(cam(i), i));
        // Asked again by hand, it fails again, on its own tile.
        QVERIFY(!CameraHub::instance()->isOpen(cam(3)));
        QVERIFY(!rig.window->cameras()->showInTile(cam(3), 3));
        QCOMPARE(rig.window->tile(3)->message(), CameraHub::bandwidthMessage());
        QVERIFY(rig.notes.informed.isEmpty());
        for (int i = 0; i < 3; ++i)
            QVERIFY(tileChanges(rig, i));
        QCOMPARE(rig.window->tile(3)->message(), CameraHub::bandwidthMessage());
    }

    void tilesSurviveARestart()
    {
        Rig rig(fourCameras());
        fillTiles(rig);
        rig.window->cameras()->showInTile(cam(1), 3); // moves, tile 1 empties
        rig.reopen();
        QCOMPARE(rig.window->tileOf(cam(0)), 0);
        QCOMPARE(rig.window->tileOf(cam(1)), 3);
        QCOMPARE(rig.window->tileOf(cam(2)), 2);
        QCOMPARE(rig.window->tileOf(cam(3)), -1);
        QCOMPARE(rig.window->currentCamera(), cam(0));
    }

    // Four tiles while recording: asked first, and stopped cleanly on Yes.
    void fourTilesWhileRecordingAsks()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        QVERIFY(rig.window->startRecording(rig.window->currentCamera()));
        QVERIFY(rig.waitRecorded(3));
        rig.notes.answers = {Notifier::Answer::No};
        rig.window->onBtnScreenSwitch();
        QCOMPARE(rig.notes.asked.size(), 1);
        QCOMPARE(rig.ui()->stackMainWidget->currentIndex(), 0);
        QVERIFY(rig.window->isRecording());
        rig.notes.answers = {Notifier::Answer::Yes};
        rig.window->onBtnScreenSwitch();
        QCOMPARE(rig.ui()->stackMainWidget->currentIndex(), 1);
        QVERIFY(!rig.window->isRecording());
        QTRY_VERIFY(!rig.window->recording()->isFinishing());
        int w = 0, h = 0;
        QString codec;
        QVERIFY(countFrames(rig.window->lastRecordingPath(), &w, &h, &codec) > 0);
    }

    // F9, the record action and a timed clip in the four-tile view: refused
    // with a message, no file written, no clip counted.
    void noRecordingInFourTiles()
    {
        Rig rig(fourCameras());
        fillTiles(rig);
        QVERIFY(tileChanges(rig, 0));
        const QString movies = rig.dir.filePath("save/movie");
        auto files = [&] {
            QStringList out;
            QDirIterator it(movies, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                out << it.next();
            return out;
        };
        QTest::keyClick(rig.window.get(), Qt::Key_F9);
        rig.ui()->actionRecord->trigger();
        QVERIFY(!rig.window->isRecording());
        QCOMPARE(rig.notes.informed.size(), 2);
        QVERIFY(rig.notes.informed.first().contains(QStringLiteral("四画面")));

        AppSettings s = rig.window->settings();
        s.timedMode = 1;
        s.timedLength = 10;
        s.timedInterval = 1;
        s.timedCount = 2;
        s.timedDone = 0;
        s.timedNext = QDateTime::currentDateTime();
        rig.window->startTimedSeries(s);
        QTRY_VERIFY(!rig.window->recording()->isSeriesRunning());
        QVERIFY(!rig.window->isRecording());
        QCOMPARE(rig.window->settings().timedDone, 0);
        QVERIFY(rig.notes.informed.last().contains(QStringLiteral("四画面")));
        QCOMPARE(files(), QStringList());
    }

    void unpluggedCameraIsNamedAndNotReplaced()
    {
        Rig rig(fourCameras());
        fillTiles(rig);
        rig.window->cameras()->showInTile(cam(0), 0);
        const QString name = CameraHub::instance()->displayName(cam(1));
        rig.sim->unplug(1);
        QVERIFY(QTest::qWaitFor([&] { return !rig.notes.informed.isEmpty(); }, 3000));
        QVERIFY(rig.notes.informed.last().contains(name));
        QCOMPARE(rig.window->openCameras().size(), 3);
        // Leaving the four tiles ends a freeze.
        rig.window->tile(0)->setFrozen(true);
        rig.window->onBtnScreenSwitch();
        QVERIFY(!rig.window->tile(0)->isFrozen());
    }
};

QTEST_MAIN(TstTiles)
#include "tst_tiles.moc"
