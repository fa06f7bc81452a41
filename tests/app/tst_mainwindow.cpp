#include "mainwindowrig.h"

#include <QScrollArea>
#include <QScrollBar>
#include "app/camerasession.h"
#include "app/recordingcontroller.h"
#include "app/settingsstore.h"
#include "app/vistrel.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/devicesettingsdialog.h"
#include "capture/devicetable.h"
#include "capture/simbackend.h"
#include "files/filebrowser.h"
#include "files/fileoperations.h"
#include "editor/measureediter.h"
#include "measure/annotations.h"
#include "dialogs/settingtimedialog.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "record/rtmpthread.h"
#include "ui_vistrel.h"
#include "view/cameralabel.h"
#include "widgets/cameraparampanel.h"
#include "view/cameraviewer.h"
#include "widgets/qswitchbutton.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QCheckBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

extern "C" {
#include <libavformat/avformat.h>
}

class TstMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    // A camera that sends nothing for 5 s: the view says so, the rate falls
    // to 0; the notice goes when frames come again.
    void stalledCameraSaid()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        CameraSession *session = rig.window->cameras();
        qint64 now = QDateTime::currentMSecsSinceEpoch();
        session->setClock([&now] { return now; });
        QVERIFY(rig.waitFrames(2));
        QVERIFY(!session->stallLabel()->isVisible());
        // No event loop between the clock's jump and the look: no frame came.
        now += 5000;
        session->checkStalls();
        QVERIFY(session->stallLabel()->isVisible());
        const QString name = CameraHub::instance()->displayName(rig.window->currentCamera());
        QCOMPARE(session->stallLabel()->text(), QStringLiteral("%1 已 5 秒没有画面").arg(name));
        QVERIFY2(rig.ui()->labelStatus->fullText().contains(":0.0fps"), qPrintable(rig.ui()->labelStatus->fullText()));
        QTRY_VERIFY(!session->stallLabel()->isVisible());
    }

    void startsWithTheFirstCamera()
    {
        Rig rig({spec("a", 0x62C1, {{640, 480}, {1280, 720}}), spec("b", 0x0223, {{1280, 1024}, {1920, 1080}})});
        QCOMPARE(rig.window->windowTitle(), QStringLiteral("Orvanta Pro"));
        QCOMPARE(rig.ui()->boxCam->count(), 2);
        QCOMPARE(rig.ui()->boxCam->itemText(0), QStringLiteral("V3-2M"));
        QCOMPARE(rig.ui()->boxCam->itemText(1), QStringLiteral("V3-5M"));
        QVERIFY(!rig.window->currentCamera().isEmpty());
        QCOMPARE(rig.window->openCameras().size(), 1);
        QCOMPARE(rig.window->openCameras().first().frameSize, QSize(640, 480));
        QVERIFY(rig.waitFrames(10));
        QCOMPARE(rig.window->scene()->image().size(), QSize(640, 480));
        QVERIFY(QTest::qWaitFor([&] { return rig.ui()->labelStatus->text().contains("fps"); }, 3000));
        QVERIFY(!rig.ui()->labelStatus->text().contains(":0.0fps"));
        QCOMPARE(rig.ui()->labelResInfo->text(), QStringLiteral("640 * 480"));
        // Beside it the rate the driver granted, read back, not the one asked for.
        const double granted = CameraHub::instance()->frameRate(rig.window->currentCamera());
        QVERIFY(granted > 0);
        QCOMPARE(rig.ui()->labelRateInfo->text(), QString::number(granted, 'g', 3) + QStringLiteral(" fps"));

        // Choosing the other camera closes the first and opens it.
        rig.ui()->boxCam->setCurrentIndex(1);
        QCOMPARE(rig.window->openCameras().size(), 1);
        QVERIFY(rig.window->currentCamera().contains("pid_0223"));
        QCOMPARE(rig.window->openCameras().first().frameSize, QSize(1280, 1024));
    }

    void cameraInATileMovesToTheMainView()
    {
        Rig rig({spec("a", 0x62C1, {{640, 480}}), spec("b", 0x0223, {{1280, 1024}})});
        const QString first = rig.window->currentCamera();
        const QString second = CameraHub::instance()->deviceList().at(1).devicePath;
        QVERIFY(rig.window->startCamera(second, 2, false));
        rig.window->setCurrentCamera(first);
        QCOMPARE(rig.window->tileOf(second), 2);
        QSignalSpy frames(CameraHub::instance(), &CameraHub::sigFrameReady);
        rig.ui()->boxCam->setCurrentIndex(1);
        QCOMPARE(rig.window->tileOf(second), 0);
        QCOMPARE(rig.window->currentCamera(), second);
        // Not reopened: the first camera's stream was stopped, the second kept.
        QVERIFY(CameraHub::instance()->isOpen(second));
    }

    void geometry()
    {
        Rig rig;
        rig.ui()->viewPage->resize(803, 603);
        rig.window->onUpdateFourCamViewer();
        QCOMPARE(rig.window->tile(0)->geometry(), QRect(0, 0, 400, 300));
        QCOMPARE(rig.window->tile(1)->geometry(), QRect(403, 0, 400, 300));
        QCOMPARE(rig.window->tile(2)->geometry(), QRect(0, 303, 400, 300));
        QCOMPARE(rig.window->tile(3)->geometry(), QRect(403, 303, 400, 300));

        // "Scale" of a 1920 x 1080 camera into a 960 x 600 page.
        rig.ui()->boxResolution->setCurrentText("1920 x 1080");
        QVERIFY(
            QTest::qWaitFor([&] { return rig.window->openCameras().first().frameSize == QSize(1920, 1080); }, 3000));
        rig.ui()->mainPage->resize(960, 600);
        rig.ui()->comboZoom->blockSignals(true);
        rig.ui()->comboZoom->setCurrentIndex(0);
        rig.ui()->comboZoom->blockSignals(false);
        rig.window->onUpdateCamViewSize();
        QCOMPARE(rig.ui()->camViewer->size(), QSize(960, 540));
        QCOMPARE(rig.ui()->bdWidget->viewScale(), 1.0);
    }

    void oneSelectedTile()
    {
        Rig rig;
        rig.window->tile(3)->setSelected(true);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!rig.window->tile(i)->isSelected());
        rig.window->selectTile(2);
        QVERIFY(rig.window->tile(2)->isSelected());
        QVERIFY(!rig.window->tile(3)->isSelected());
    }

    void photos()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        // At the root of the photo folder: refused.
        rig.ui()->imageBrowser->setCurrentPath(rig.dir.filePath("save/image"));
        rig.window->onBtnCapture();
        QVERIFY(rig.notes.informed.value(0).startsWith(QStringLiteral("请先选择并打开需要保存的路径文件夹")));
        QVERIFY(rig.photos().isEmpty());

        rig.ui()->imageBrowser->setCurrentPath(rig.dir.filePath("save/image/Photo"));
        GraphicsItem *line = createShape(Line);
        ShapeRecord r;
        r.type = Line;
        r.points = {{100, 100}, {500, 100}};
        r.style.lineWidthIndex = 3;
        line->restore(r);
        rig.window->scene()->addShape(line);
        rig.window->onBtnCapture();
        rig.window->onBtnCapture(); // the same second: both are kept
        const QStringList photos = rig.photos();
        QCOMPARE(photos.size(), 2);
        QVERIFY(QRegularExpression("^\\d{8}_\\d{6}\\.jpg$").match(photos[0]).hasMatch()
                || QRegularExpression("^\\d{8}_\\d{6}(_1)?\\.jpg$").match(photos[0]).hasMatch());
        QCOMPARE(rig.window->settings().imageFiles.size(), 2);
        QCOMPARE(QImage(rig.dir.filePath("save/image/Photo/" + photos[0])).size(), QSize(640, 480));

        // In PNG, without JPEG's softening, the thin antialiased line is plain.
        rig.ui()->boxFormatImage->setCurrentIndex(0);
        rig.window->onBtnCapture();
        const QStringList pngs = QDir(rig.dir.filePath("save/image/Photo")).entryList({"*.png"}, QDir::Files);
        QCOMPARE(pngs.size(), 1);
        const QImage saved(rig.dir.filePath("save/image/Photo/" + pngs[0]));
        // The line is burnt in (JPEG softens it; the reddest row counts).
        QColor c = saved.pixelColor(300, 96);
        for (int y = 96; y <= 104; ++y) {
            const QColor p = saved.pixelColor(300, y);
            if (p.red() - p.green() > c.red() - c.green())
                c = p;
        }
        QVERIFY2(c.red() > 200 && c.red() - c.green() > 100, qPrintable(c.name()));
    }

    // A photo with shapes has them burnt in and keeps them editable beside
    // it: the editor opens them over the pixels that were under them.
    void photoShapesStayEditable_data()
    {
        QTest::addColumn<QString>("zoom");
        QTest::newRow("whole") << "1.0x";
        QTest::newRow("zoomed part") << "2.0x";
    }
    void photoShapesStayEditable()
    {
        QFETCH(QString, zoom);
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        const QString folder = rig.dir.filePath("save/image/Photo");
        rig.ui()->imageBrowser->setCurrentPath(folder);
        rig.ui()->boxFormatImage->setCurrentIndex(0);
        QVERIFY(rig.zoom(zoom));
        GraphicsItem *line = createShape(Line);
        ShapeRecord r;
        r.type = Line;
        r.points = {{200, 240}, {440, 240}};
        r.style.lineWidthIndex = 3;
        line->restore(r);
        rig.window->scene()->addShape(line);
        rig.window->onBtnCapture();
        const QStringList pngs = QDir(folder).entryList({"*.png"}, QDir::Files);
        QCOMPARE(pngs.size(), 1);
        const QString photo = folder + "/" + pngs[0];
        QCOMPARE(rig.ui()->imageBrowser->listWidget()->count(), 1);

        annotations::Document doc;
        QCOMPARE(annotations::load(photo, &doc), annotations::Load::Loaded);
        QCOMPARE(doc.shapes.size(), 1);
        const QImage burnt(photo);
        const QImage original(annotations::originalPathFor(photo), "PNG");
        QCOMPARE(original.size(), burnt.size());
        QCOMPARE(doc.calibration.pictureSize, burnt.size());
        // The sidecar's points lie on the burnt-in line, in the photo's pixels.
        const QPoint mid = ((doc.shapes[0].points[0] + doc.shapes[0].points[1]) / 2).toPoint();
        QVERIFY(burnt.rect().contains(mid));
        const auto red = [](QRgb p) { return qRed(p) - qGreen(p) > 100; };
        QVERIFY(red(burnt.pixel(mid)));
        QVERIFY(!red(original.pixel(mid)));

        MeasureEditer *editor = rig.window->editer();
        QVERIFY(editor->openImage(photo));
        QCOMPARE(editor->viewer()->cameraScene()->shapes().size(), 1);
        QCOMPARE(editor->viewer()->cameraScene()->image().pixel(mid), original.pixel(mid));

        // The companions travel with the photo and go with it.
        QVERIFY(rig.window->fileOperations()->renameEntry(rig.ui()->imageBrowser, photo, "kept"));
        const QString renamed = folder + "/kept.png";
        QVERIFY(QFile::exists(annotations::pathFor(renamed)) && QFile::exists(annotations::originalPathFor(renamed)));
    }

    void editorSaveIsListed()
    {
        Rig rig;
        const QString folder = rig.dir.filePath("save/image/Photo");
        QDir().mkpath(folder);
        QImage photo(320, 240, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        QVERIFY(photo.save(folder + "/shot.png"));
        rig.ui()->imageBrowser->setCurrentPath(folder);
        QVERIFY(rig.window->editer()->openImage(folder + "/shot.png"));
        rig.window->editer()->onImageSave();
        const QString measured = folder + "/shot_measured.png";
        QVERIFY(QFile::exists(measured));
        QVERIFY(rig.window->settings().imageFiles.contains(measured));
        QStringList listed;
        QListWidget *list = rig.ui()->imageBrowser->listWidget();
        for (int i = 0; i < list->count(); ++i)
            listed << QFileInfo(list->item(i)->data(Qt::UserRole).toString()).fileName();
        QVERIFY2(listed.contains("shot_measured.png") && listed.contains("shot.png"), qPrintable(listed.join(' ')));
    }

    // A photo is in the frame's own pixels: the whole frame at zoom 1 or
    // below, the part scrolled into sight above it.
    void zoomedPhotoIsWhatIsSeen_data()
    {
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<bool>("topLeft"); // scrolled there; else where the zoom left it (the centre)
        QTest::newRow("0.5x") << "0.5x" << false;
        QTest::newRow("1.0x") << "1.0x" << false;
        QTest::newRow("2.0x centre") << "2.0x" << false;
        QTest::newRow("2.0x top left") << "2.0x" << true;
    }
    void zoomedPhotoIsWhatIsSeen()
    {
        QFETCH(QString, zoom);
        QFETCH(bool, topLeft);
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        QVERIFY(rig.zoom(zoom));
        QScrollArea *area = rig.ui()->mainPageScrollArea;
        if (topLeft) {
            area->horizontalScrollBar()->setValue(0);
            area->verticalScrollBar()->setValue(0);
        }
        const QImage photo = rig.window->captureImage().convertToFormat(QImage::Format_RGB32);
        const QImage frame = rig.window->scene()->image().convertToFormat(QImage::Format_RGB32);
        const double factor = Vistrel::zoomFactor(zoom);
        QRect expected(QPoint(0, 0), frame.size());
        if (factor > 1) {
            const QSize seen = area->viewport()->size().boundedTo(rig.ui()->camViewer->size());
            QVERIFY(seen.width() < rig.ui()->camViewer->width()); // really zoomed in past the viewport
            const QSize part(qRound(seen.width() / factor), qRound(seen.height() / factor));
            if (topLeft) {
                expected = QRect(QPoint(0, 0), part);
            } else {
                expected = QRect(QPoint(0, 0), part);
                expected.moveCenter(frame.rect().center());
            }
        }
        QVERIFY2(qAbs(photo.width() - expected.width()) <= 1 && qAbs(photo.height() - expected.height()) <= 1,
                 qPrintable(QString("%1x%2 vs %3x%4")
                                .arg(photo.width())
                                .arg(photo.height())
                                .arg(expected.width())
                                .arg(expected.height())));
        if (topLeft) {
            // Pixel for pixel the frame's own: no scaling, no black border.
            QCOMPARE(photo.pixel(0, 0), frame.pixel(0, 0));
            int differing = 0;
            for (int y = 0; y < photo.height(); y += 7)
                for (int x = 0; x < photo.width(); x += 7)
                    differing += photo.pixel(x, y) != frame.pixel(x, y);
            QCOMPARE(differing, 0);
        } else {
            // The frame's part, not a shrunk picture in a black border: off
            // by a pixel of rounding at most, so compared on average.
            const QImage want = frame.copy(expected);
            double diff = 0;
            int n = 0;
            for (int y = 0; y < qMin(photo.height(), want.height()); y += 5)
                for (int x = 0; x < qMin(photo.width(), want.width()); x += 5, ++n)
                    diff += qAbs(qGray(photo.pixel(x, y)) - qGray(want.pixel(x, y)));
            QVERIFY2(diff / n < 12, qPrintable(zoom + ": " + QString::number(diff / n)));
        }
    }

    void fourTilePhotosRotate()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.window->onBtnScreenSwitch();
        QCOMPARE(rig.ui()->stackMainWidget->currentIndex(), 1);
        QVERIFY(!rig.ui()->btnRecord->isEnabled());
        for (int i = 0; i < 4; ++i)
            rig.window->tile(i)->setSelected(false);
        QVERIFY(QTest::qWaitFor([&] { return !rig.window->tile(0)->image().isNull(); }, 3000));
        QList<int> shown;
        for (int n = 0; n < 4; ++n) {
            rig.window->onBtnCapture();
            for (int i = 1; i < 4; ++i) {
                if (!rig.window->tile(i)->image().isNull() && !shown.contains(i))
                    shown << i;
            }
        }
        QCOMPARE(shown, QList<int>({1, 2, 3}));
        QVERIFY(rig.window->tile(2)->isSelected()); // after 1, 2, 3, 1 comes 2
        rig.window->onBtnScreenSwitch();
        QCOMPARE(rig.ui()->stackMainWidget->currentIndex(), 0);
    }

    void stillButtonTakesOnePhoto()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->imageBrowser->setCurrentPath(rig.dir.filePath("save/image/Photo"));
        rig.sim->pressStillButton(0);
        QVERIFY(QTest::qWaitFor([&] { return rig.photos().size() == 1; }, 3000));
        QVERIFY(rig.waitFrames(10));
        QCOMPARE(rig.photos().size(), 1);
        QVERIFY(rig.ui()->labelStatus->text() == QStringLiteral("Save Image") || rig.photos().size() == 1);
    }

    void recordsAVideo()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->cameraBrowser->setCurrentPath(rig.dir.filePath("save/movie/Video"));
        QVERIFY(rig.window->startRecording(rig.window->currentCamera()));
        QVERIFY(rig.window->isRecording());
        QCOMPARE(rig.ui()->btnRecord->text(), QStringLiteral("停止录像"));
        // Only what changes the stream is locked; picture controls stay adjustable.
        for (QWidget *w : rig.window->streamControls())
            QVERIFY2(!w->isEnabled() && !w->toolTip().isEmpty(), qPrintable(w->objectName()));
        QVERIFY(rig.ui()->cameraWidget->isEnabled());
        QVERIFY(rig.window->paramRow(CameraHub::Brightness)->isEnabled());
        // About three seconds of frames at the recording's rate.
        QVERIFY(rig.waitRecorded(90, 20000));
        QVERIFY(rig.window->stopRecording());
        QCOMPARE(rig.ui()->btnRecord->text(), QStringLiteral("录像"));
        const QString path = rig.window->lastRecordingPath();
        QVERIFY(path.endsWith(".avi"));
        // Listed once the recorder has finished the file.
        QTRY_VERIFY(rig.window->settings().videoFiles.contains(path));
        int w = 0, h = 0;
        QString codec;
        const int frames = countFrames(path, &w, &h, &codec);
        QCOMPARE(codec, QStringLiteral("mjpeg"));
        QCOMPARE(QSize(w, h), QSize(640, 480));
        QVERIFY2(frames >= 70 && frames <= 95, qPrintable(QString::number(frames)));
    }

    void unplugWhileRecording()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->cameraBrowser->setCurrentPath(rig.dir.filePath("save/movie/Video"));
        QVERIFY(rig.window->startRecording(rig.window->currentCamera()));
        QVERIFY(rig.waitRecorded(10));
        rig.sim->unplug(0);
        QVERIFY(QTest::qWaitFor([&] { return !rig.window->isRecording(); }, 5000));
        const QString path = rig.window->lastRecordingPath();
        QTRY_VERIFY(rig.window->settings().videoFiles.contains(path));
        int w = 0, h = 0;
        QString codec;
        QVERIFY(countFrames(path, &w, &h, &codec) > 0);
        QVERIFY(rig.window->currentCamera().isEmpty());
        QVERIFY(rig.window->scene()->isNoDeviceNotice());
        QCOMPARE(rig.ui()->boxCam->count(), 0);
        // A photo now is refused with a message, not a crash.
        // The loss names the camera and the finished file.
        QVERIFY(rig.notes.informed.value(0).contains(QStringLiteral("V3-2M")));
        QVERIFY(rig.notes.informed.value(0).contains(path));
        rig.window->onBtnCapture();
        QCOMPARE(rig.notes.informed.value(1), QStringLiteral("设备未启动"));
    }

    // The folder turns into a file under the program's feet: nothing can be
    // written there, even by root.
    static QString breakFolder(const QString &folder)
    {
        QDir(folder).removeRecursively();
        QFile f(folder);
        f.open(QIODevice::WriteOnly);
        return folder;
    }

    void recorderEndingByItself()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        const QString folder = rig.dir.filePath("save/movie/Video/sub");
        QDir().mkpath(folder);
        rig.ui()->cameraBrowser->setCurrentPath(folder);
        breakFolder(folder);
        rig.window->startRecording(rig.window->currentCamera());
        QVERIFY(QTest::qWaitFor([&] { return !rig.notes.informed.isEmpty(); }, 5000));
        // Said in words, no code: the recorder's own reason follows.
        QVERIFY(rig.notes.informed.value(0).startsWith(QStringLiteral("录像已停止：")));
        QVERIFY(rig.notes.informed.value(0).size() > QStringLiteral("录像已停止：").size() + 2);
        QVERIFY(QTest::qWaitFor([&] { return !rig.window->isRecording(); }, 5000));
        QCOMPARE(rig.ui()->btnRecord->text(), QStringLiteral("录像"));
        for (QWidget *w : rig.window->streamControls())
            QVERIFY(w->isEnabled());
    }

    void unwritablePhotoFolder()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        const QString folder = rig.dir.filePath("save/image/Photo/sub");
        QDir().mkpath(folder);
        rig.ui()->imageBrowser->setCurrentPath(folder);
        breakFolder(folder);
        rig.window->onBtnCapture();
        QCOMPARE(rig.notes.informed.size(), 1);
        QVERIFY(rig.notes.informed.value(0).startsWith(QStringLiteral("照片未保存")));
        QVERIFY(rig.window->settings().imageFiles.isEmpty());
        // Told once, not at every photo of a timed run.
        rig.notes.informed.clear();
        rig.window->onBtnCapture();
        QVERIFY(rig.notes.informed.isEmpty());
        QVERIFY(rig.window->settings().imageFiles.isEmpty());
    }

    void timedVideoRun()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->cameraBrowser->setCurrentPath(rig.dir.filePath("save/movie/Video"));
        rig.holdClock();
        QDateTime &clock = rig.clock;
        QVERIFY(rig.startTimedSeries(1, 5, 2, 1));
        rig.window->autoRecordTimer()->stop(); // the test ticks it by hand
        QSignalSpy finished(rig.window.get(), &Vistrel::autoRecordFinish);

        rig.window->onAutoRecordTimer();
        QVERIFY(rig.window->isRecording());
        QVERIFY(rig.window->isTimedVideo());
        // The clip's length passes on the injected clock.
        QVERIFY(QTest::qWaitFor([&] { return rig.window->recording()->framesQueued() > 0; }, 5000));
        // A clip short of its length is not counted: the feed sees the second
        // pass, a frame sent at each step.
        QSignalSpy sent(rig.window->recording(), &RecordingController::frameSent);
        auto second = [&] {
            for (int i = 0; i < 20; ++i) {
                clock = clock.addMSecs(50);
                const int before = sent.count();
                if (!QTest::qWaitFor([&] { return sent.count() > before; }, 5000))
                    return false;
            }
            return true;
        };
        QVERIFY(second());
        rig.window->onAutoRecordTimer();
        QVERIFY(!rig.window->isRecording());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(rig.window->settings().timedDone, 1);
        // The next clip is due the interval after this one stopped.
        QCOMPARE(rig.window->settings().timedNext, clock.addSecs(5));
        clock = clock.addSecs(4);
        rig.window->onAutoRecordTimer();
        QVERIFY(!rig.window->isRecording());
        clock = clock.addSecs(1);
        rig.window->onAutoRecordTimer();
        QVERIFY(rig.window->isRecording());
        QVERIFY(QTest::qWaitFor([&] { return rig.window->recording()->framesQueued() > 0; }, 5000));
        QVERIFY(second());
        rig.window->onAutoRecordTimer();
        QCOMPARE(finished.count(), 2);
        QVERIFY(!rig.window->settings().timedActive);
        QTRY_COMPARE(rig.window->settings().videoFiles.size(), 2);
    }

    // The elapsed time on the status line, and a quit that asks first.
    void recordingFeedback()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->cameraBrowser->setCurrentPath(rig.dir.filePath("save/movie/Video"));
        rig.holdClock();
        QDateTime &clock = rig.clock;
        QVERIFY(rig.window->startRecording(rig.window->currentCamera()));
        clock = clock.addSecs(83);
        QVERIFY(QTest::qWaitFor([&] { return rig.ui()->labelStatus->fullText().contains("REC 00:01:23"); }, 2000));
        QVERIFY(!rig.window->close()); // answered No
        QCOMPARE(rig.notes.asked.size(), 1);
        QVERIFY(rig.window->isRecording());
        rig.notes.answers << Notifier::Answer::Yes;
        QVERIFY(rig.window->close());
        QVERIFY(!rig.window->isRecording());
        QVERIFY(QTest::qWaitFor([&] { return !rig.ui()->labelStatus->fullText().contains("REC"); }, 2000));
    }

    // Started from the dialog, the series goes on with the dialog closed,
    // and the status line counts down to the next shot.
    void timedPhotosWithTheDialogClosed()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->imageBrowser->setCurrentPath(rig.dir.filePath("save/image/Photo"));
        rig.holdClock();
        QDateTime &clock = rig.clock;
        // A series the settings file calls running is not running.
        rig.window->settings().timedActive = true;
        emit rig.window->store()->sigLoaded(SettingsRead{});
        QVERIFY(!rig.window->settings().timedActive);

        rig.window->onBtnTimeSetting();
        auto *dialog = rig.window->findChild<SettingTimeDialog *>();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        dialog->findChild<QCheckBox *>("checkStartNow")->setChecked(true);
        dialog->findChild<QSpinBox *>("spinInterval")->setValue(10);
        dialog->findChild<QSpinBox *>("spinCount")->setValue(3);
        dialog->findChild<QPushButton *>("btnOk")->click();
        dialog->findChild<QPushButton *>("btnExit")->click();
        QVERIFY(!dialog->isVisible());
        rig.window->autoRecordTimer()->stop(); // the test ticks it by hand
        rig.window->onAutoRecordTimer();
        QCOMPARE(rig.photos().size(), 1);
        clock = clock.addSecs(2);
        QVERIFY2(QTest::qWaitFor([&] { return rig.ui()->labelStatus->fullText().contains("下次拍摄：8 秒后（2/3）"); },
                                 2000),
                 qPrintable(rig.ui()->labelStatus->fullText()));
        for (int s = 0; s < 25; ++s, clock = clock.addSecs(1))
            rig.window->onAutoRecordTimer();
        QCOMPARE(rig.photos().size(), 3);
        QCOMPARE(rig.window->settings().timedDone, 3);
        QVERIFY(!rig.window->settings().timedActive);
        QVERIFY(rig.notes.informed.isEmpty());
        // Reopened, it shows the finished series and can start another.
        rig.window->onBtnTimeSetting();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->findChild<QPushButton *>("btnOk")->isEnabled());
    }

    // Photos that cannot be written end the series at once, with one message.
    void timedPhotosOnABrokenFolder()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        const QString folder = rig.dir.filePath("save/image/Photo/sub");
        QDir().mkpath(folder);
        rig.ui()->imageBrowser->setCurrentPath(folder);
        breakFolder(folder);
        rig.holdClock();
        QDateTime &clock = rig.clock;
        rig.startTimedSeries(0, 1, 5);
        for (int tick = 0; tick < 5; ++tick, clock = clock.addSecs(1))
            rig.window->onAutoRecordTimer();
        QCOMPARE(rig.notes.informed.size(), 1);
        QVERIFY(rig.notes.informed.first().startsWith(QStringLiteral("定时拍照已停止：")));
        QCOMPARE(rig.window->settings().timedDone, 0);
        QVERIFY(!rig.window->settings().timedActive);
        QVERIFY(!rig.window->autoRecordTimer()->isActive());
    }

    void frameRates_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("fps");
        QTest::newRow("5 Mpixel") << QSize(2592, 1944) << 10;
        QTest::newRow("1080p") << QSize(1920, 1080) << 15;
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 20;
        QTest::newRow("VGA") << QSize(640, 480) << 30;
    }

    void frameRates()
    {
        QFETCH(QSize, size);
        QFETCH(int, fps);
        QCOMPARE(Vistrel::recordingFps(size), fps);
    }

    void timedPhotoRun()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->imageBrowser->setCurrentPath(rig.dir.filePath("save/image/Photo"));
        rig.holdClock();
        QDateTime &clock = rig.clock;
        rig.startTimedSeries(0, 1, 3);
        rig.window->autoRecordTimer()->stop(); // the test ticks it by hand
        QSignalSpy finished(rig.window.get(), &Vistrel::autoRecordFinish);
        for (int tick = 0; tick < 6; ++tick) {
            rig.window->onAutoRecordTimer();
            clock = clock.addMSecs(1000);
        }
        QCOMPARE(finished.count(), 3);
        QCOMPARE(rig.window->settings().timedDone, 3);
        QVERIFY(!rig.window->settings().timedActive);
        QCOMPARE(rig.photos().size(), 3);
    }

    void parameters()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        const QString cam = rig.window->currentCamera();
        auto *autoExposure = qobject_cast<QSwitchButton *>(rig.window->paramRow(CameraHub::ExposureMode));
        auto *exposure = qobject_cast<QSlider *>(rig.window->paramRow(CameraHub::Exposure));
        QVERIFY(autoExposure && exposure);
        rig.ui()->btnSetting->click();
        if (!autoExposure->isChecked())
            QTest::mousePress(autoExposure, Qt::LeftButton);
        QVERIFY(autoExposure->isChecked());
        QVERIFY(!exposure->isEnabled());
        QCOMPARE(CameraHub::instance()->getPropertyRange(cam, CameraHub::Exposure).flags & 1, 1);
        QTest::mousePress(autoExposure, Qt::LeftButton);
        QVERIFY(exposure->isEnabled());
        // The exposure slider is logarithmic: the row's value is in the control's units.
        exposure->setValue(exposure->minimum() + 300);
        const int chosenExposure = rig.window->paramPanel()->rowValue(CameraHub::Exposure);
        QCOMPARE(CameraHub::instance()->getPropertyRange(cam, CameraHub::Exposure).current, chosenExposure);
        QCOMPARE(rig.window->settings().cameras[cam].params[CameraConfig::Exposure].current(), chosenExposure);

        // Reset brings the device defaults back.
        const PropertyRange before = CameraHub::instance()->getPropertyRange(cam, CameraHub::Brightness);
        auto *brightness = qobject_cast<QSlider *>(rig.window->paramRow(CameraHub::Brightness));
        brightness->setValue(before.defaultValue == brightness->maximum() ? brightness->minimum()
                                                                          : brightness->maximum());
        QVERIFY(CameraHub::instance()->getPropertyRange(cam, CameraHub::Brightness).current != before.defaultValue);
        rig.ui()->btnCamParamReset->click();
        QCOMPARE(CameraHub::instance()->getPropertyRange(cam, CameraHub::Brightness).current, before.defaultValue);
        QCOMPARE(brightness->value(), before.defaultValue);

        // Persisted across a restart and sent back to the device.
        brightness->setValue(before.defaultValue == brightness->maximum() ? brightness->minimum()
                                                                          : brightness->maximum());
        const int chosen = brightness->value();
        rig.reopen();
        const QString again = rig.window->currentCamera();
        QCOMPARE(again, cam);
        QCOMPARE(rig.window->settings().cameras[cam].params[CameraConfig::Brightness].current(), chosen);
        QCOMPARE(CameraHub::instance()->getPropertyRange(cam, CameraHub::Brightness).current, chosen);
    }

    void flipsMirrorTheNextFrame()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        const QImage before = rig.window->scene()->image().copy();
        QTest::mousePress(rig.window->paramRow(CameraParamPanel::FlipHorizontal), Qt::LeftButton);
        QTest::mousePress(rig.window->paramRow(CameraParamPanel::FlipVertical), Qt::LeftButton);
        QVERIFY(rig.waitFrames(3));
        const QPair<bool, bool> flip = CameraHub::instance()->getFlip(rig.window->currentCamera());
        QVERIFY(flip.first && flip.second);
    }

    // Black and white: the live picture and the photo are grey.
    void blackAndWhite()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        QTest::mousePress(rig.window->paramRow(CameraParamPanel::BlackWhite), Qt::LeftButton);
        QVERIFY(rig.window->settings().cameras.value(rig.window->currentCamera()).blackWhite);
        QVERIFY(rig.waitFrames(3));
        const auto grey = [](const QImage &image) {
            int coloured = 0;
            for (int y = 0; y < image.height(); y += 7)
                for (int x = 0; x < image.width(); x += 7) {
                    const QRgb p = image.pixel(x, y);
                    coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
                }
            return coloured == 0;
        };
        QVERIFY(grey(rig.window->scene()->image()));
        rig.window->onBtnScreenSwitch(); // a four-tile photo is the camera's own full frame
        QVERIFY(grey(rig.window->captureImage()));
    }

    void languageSwitch()
    {
        Rig rig;
        rig.window->setLanguage(0);
        QCOMPARE(rig.ui()->btnCapture->text(), QStringLiteral("拍照"));
        // An open device dialog follows the language too.
        QVERIFY(rig.waitFrames(1));
        DeviceSettingsDialog *device = rig.window->paramPanel()->openDeviceDialog(rig.window.get());
        QVERIFY(device);
        auto *defaults = device->findChild<QPushButton *>("btnDefaults");
        QCOMPARE(defaults->text(), QStringLiteral("恢复默认参数"));
        rig.window->setLanguage(1);
        if (QFileInfo::exists(QCoreApplication::applicationDirPath() + "/lang/vistrel_en.qm")) {
            QVERIFY(rig.ui()->btnCapture->text() != QStringLiteral("拍照"));
            QTRY_COMPARE(defaults->text(), QStringLiteral("Restore defaults"));
        }
        QCOMPARE(rig.window->settings().language, 1);
        rig.window->setLanguage(0);
        QCOMPARE(rig.ui()->btnCapture->text(), QStringLiteral("拍照"));
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
