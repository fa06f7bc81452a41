// The live view goes on, and says what is wrong, while other work and
// other faults happen around it.
#include "mainwindowrig.h"

#include "app/camerasession.h"
#include "capture/v4l2backend.h"
#include "fakekernel.h"
#include "measure/annotations.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLabel>
#include <QScopeGuard>
#include <QStatusBar>

namespace {

// The time stamp of a video's last frame, in seconds.
double lastFrameSeconds(const QString &path)
{
    AVFormatContext *ctx = nullptr;
    if (avformat_open_input(&ctx, path.toLocal8Bit().constData(), nullptr, nullptr) < 0)
        return -1;
    avformat_find_stream_info(ctx, nullptr);
    int64_t last = 0;
    AVPacket *pkt = av_packet_alloc();
    while (av_read_frame(ctx, pkt) >= 0) {
        if (pkt->pts != AV_NOPTS_VALUE)
            last = qMax<int64_t>(last, pkt->pts + qMax<int64_t>(pkt->duration, 0));
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    const double seconds = last * av_q2d(ctx->streams[0]->time_base);
    avformat_close_input(&ctx);
    return seconds;
}

} // namespace

class TstLiveView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    // A shapes file near the reader's limit opened in the editor: the live
    // view keeps drawing frames while it is read, then every shape is there.
    void largeShapesFileWhileLive()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        const QString photo = rig.dir.filePath("large.png");
        QImage picture(1600, 1200, QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        QVERIFY(picture.save(photo));
        annotations::Document doc;
        for (int i = 0; i < 5000; ++i) {
            ShapeRecord r;
            r.type = Polygon;
            for (int k = 0; k < 35; ++k)
                r.points.append(QPointF(100.25 + (i % 70) * 20 + k % 7, 50.5 + (i / 70) * 15 + k / 7));
            doc.shapes.append(r);
        }
        const QByteArray json = annotations::toJson(doc);
        QVERIFY2(json.size() > 3000000 && json.size() < annotations::kMaxBytes,
                 qPrintable(QString::number(json.size())));
        QFile file(annotations::pathFor(photo));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(json) == json.size());
        file.close();

        MeasureEditer *editor = rig.window->editer();
        QSignalSpy loaded(editor, &MeasureEditer::annotationsLoaded);
        const QString cam = rig.window->currentCamera();
        const int before = rig.window->openCameras().value(cam).delivered;
        QVERIFY(editor->openImage(photo));
        QVERIFY(editor->isLoading());
        QElapsedTimer took;
        took.start();
        QVERIFY(loaded.wait(120000));
        qInfo("shapes read and built in %lld ms", took.elapsed());
        const int during = rig.window->openCameras().value(cam).delivered - before;
        QVERIFY2(during >= 2, qPrintable(QString::number(during)));
        const QList<GraphicsItem *> &shapes = editor->scene()->shapes();
        QCOMPARE(shapes.size(), 5000);
        QCOMPARE(shapes.last()->record().points, doc.shapes.last().points);
        QVERIFY(!editor->isModified());
        // The first paint lays out 5,000 labels; how long it takes is printed, not judged.
        took.restart();
        editor->grab();
        qInfo("first paint with 5000 shapes: %lld ms", took.elapsed());
        // Written back as the editor writes it, the file is read again whole.
        annotations::Document back;
        for (const GraphicsItem *shape : shapes)
            back.shapes.append(shape->record());
        const QString copy = rig.dir.filePath("copy.png");
        QVERIFY(annotations::save(copy, back));
        annotations::Document again;
        QCOMPARE(annotations::load(copy, &again), annotations::Load::Loaded);
        QCOMPARE(again.shapes.size(), 5000);
    }

    // Most frames cannot be decoded: the view says so, and no more once
    // they decode again.
    void undecodableFramesSaid()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        QLabel *notice = rig.window->cameras()->stallLabel();
        rig.sim->setDamagedFrames(0, true);
        QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 10000);
        const QString name = CameraHub::instance()->displayName(rig.window->currentCamera());
        QVERIFY2(notice->text().startsWith(name) && notice->text().contains(QStringLiteral("无法解码")),
                 qPrintable(notice->text()));
        rig.sim->setDamagedFrames(0, false);
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 10000);
        QVERIFY(rig.waitFrames(2));
    }

    // A camera that stops for 4 s during a recording: the window and the log
    // say so, and the file still lasts as long as the recording did.
    void recordingThroughAStall()
    {
        static QStringList logged;
        logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &m) { logged << m; });
        auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        rig.ui()->cameraBrowser->setCurrentPath(rig.dir.filePath("save/movie/Video"));
        QElapsedTimer recorded;
        recorded.start();
        QVERIFY(rig.window->startRecording(rig.window->currentCamera()));
        QVERIFY(rig.waitFrames(10));
        rig.sim->setPaused(0, true);
        QLabel *notice = rig.window->cameras()->stallLabel();
        QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 10000);
        QVERIFY2(notice->text().contains(QStringLiteral("录像继续")), qPrintable(notice->text()));
        QTest::qWait(1000);
        rig.sim->setPaused(0, false);
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 10000);
        QVERIFY(rig.waitFrames(10));
        QVERIFY(rig.window->stopRecording());
        const double seconds = recorded.elapsed() / 1000.0;
        const QString path = rig.window->lastRecordingPath();
        const QString gap = logged.filter(QStringLiteral("no picture from")).value(0);
        QVERIFY2(gap.contains(path), qPrintable(logged.join('\n')));
        QCOMPARE(logged.filter(QStringLiteral("pictures from")).filter(path).size(), 1);
        // The file's time runs with the clock through the gap.
        const double duration = lastFrameSeconds(path);
        QVERIFY2(duration >= seconds - 1.0 && duration <= seconds + 0.5,
                 qPrintable(QStringLiteral("%1 s of video in %2 s").arg(duration).arg(seconds)));
    }

    // A camera the user may not open and a still button that may not be
    // read: the window says both, each with the command that fixes it.
    void permissionProblemsReachTheWindow()
    {
        auto kernel = std::make_shared<FakeKernel>();
        QTemporaryDir sys;
        kernel->addCamera(QStringLiteral("/dev/video2"), "usb-0000:00:14.0-3", QStringLiteral("1-3"), {{640, 480}})
            .openErrno = EACCES;
        FakeCamera &cam = kernel->addCamera(QStringLiteral("/dev/video0"), "usb-0000:00:14.0-2", QStringLiteral("1-2"),
                                            {{640, 480}});
        cam.buttonEvent = QStringLiteral("event4");
        cam.buttonOpenErrno = EACCES;
        QVERIFY(kernel->writeSysfs(sys.path()));
        Rig rig(std::make_shared<V4l2Backend>(kernel, sys.path()));
        QTRY_COMPARE(rig.notes.informed.size(), 2);
        const QString node = rig.notes.informed.filter(QStringLiteral("/dev/video2")).value(0);
        QVERIFY2(node.contains(QStringLiteral("usermod -aG video")), qPrintable(rig.notes.informed.join('|')));
        const QString button = rig.notes.informed.filter(QStringLiteral("/dev/input/event4")).value(0);
        QVERIFY2(button.contains(QStringLiteral("udev")) && button.contains(QStringLiteral("usermod -aG input")),
                 qPrintable(rig.notes.informed.join('|')));
        rig.window.reset();
        CameraHub::instance()->setBackends({});
    }
};

QTEST_MAIN(TstLiveView)
#include "tst_liveview.moc"
