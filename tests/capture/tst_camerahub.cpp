#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "capture/simbackend.h"
#include "capture/subtypes.h"
#include "capture/v4l2backend.h"
#include "fakekernel.h"

#include <QLoggingCategory>
#include <QtTest>
#include <QDialog>

namespace {

const QString kNode = QStringLiteral("/dev/video0");
const QString kPath = QStringLiteral("v4l2:usb-0000:00:14.0-2#vid_0c45&pid_62c1");

bool near(QRgb a, QRgb b, int tolerance = 28)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

QImage solid(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

double meanLuma(const QImage &img)
{
    qint64 sum = 0;
    for (int y = 0; y < img.height(); y += 4) {
        for (int x = 0; x < img.width(); x += 4)
            sum += qGray(img.pixel(x, y));
    }
    return double(sum) / ((img.height() / 4) * (img.width() / 4));
}

} // namespace

class TstCameraHub : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pixels_data();
    void pixels();
    void stillButton_data();
    void stillButton();
    void lockedNodesAreSaid();
    void busyBufferDropsFrames();
    void pendingSizeRequest();
    void sameSettingsDoNotRestart();
    void frameRateChange();
    void unplugMidStream();
    void corruptFrames();
    void busyOrLockedDevice();
    void closeWhileStreaming();
    void propertyCodes();
    void controlValues_data();
    void controlValues();
    void settingsDialog();
    void simulatedCameras();
    void simulatedControlsChangePicture();
    void streamFaults_data();
    void streamFaults();
    void deadButtonNode();
    void bandwidthV4l2();
    void bandwidthSimulated();
    void sameModelNames_data();
    void sameModelNames();
    void reducedDecode_data();
    void reducedDecode();
    void grantedRateSignal();
    void grantedRateFollowsDriver();
    void lockedCameraListed();
    void hiddenOrGrey_data();
    void hiddenOrGrey();

private:
    void startV4l2();
    bool waitFrames(int count, int timeoutMs = 3000);

    CameraHub *m_hub = nullptr;
    std::shared_ptr<FakeKernel> m_kernel;
    std::unique_ptr<QTemporaryDir> m_sys;
    std::unique_ptr<QSignalSpy> m_spy;
    QVector<bool> m_onGuiThread;
    QStringList m_log;
    QMetaObject::Connection m_threadCheck;
};

void TstCameraHub::initTestCase()
{
    buildDeviceTable();
    m_hub = CameraHub::instance();
    QCOMPARE(m_hub->thread(), QThread::currentThread());
}

void TstCameraHub::init()
{
    m_kernel = std::make_shared<FakeKernel>();
    m_sys = std::make_unique<QTemporaryDir>();
    m_log.clear();
    m_onGuiThread.clear();
    setCaptureLogHook([this](const QByteArray &l) {
        static QMutex mutex;
        QMutexLocker lock(&mutex);
        m_log.append(QString::fromLocal8Bit(l));
    });
    m_spy = std::make_unique<QSignalSpy>(m_hub, &CameraHub::sigFrameReady);
    m_threadCheck = connect(m_hub, &CameraHub::sigFrameReady, this,
                            [this] { m_onGuiThread.append(QThread::currentThread() == qApp->thread()); });
}

void TstCameraHub::cleanup()
{
    m_hub->setBackends({});
    disconnect(m_threadCheck);
    m_spy.reset();
    setCaptureLogHook(nullptr);
    QCOMPARE(m_kernel->openFdCount(), 0);
    for (bool gui : qAsConst(m_onGuiThread))
        QVERIFY(gui);
}

void TstCameraHub::startV4l2()
{
    FakeCamera &cam = m_kernel->addCamera(kNode, "usb-0000:00:14.0-2", QStringLiteral("1-2"),
                                          {{640, 480}, {1280, 720}, {1920, 1080}});
    cam.buttonEvent = QStringLiteral("event4");
    cam.hidButtonEvent = QStringLiteral("event5");
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    m_hub->setBackends({std::make_shared<V4l2Backend>(m_kernel, m_sys->path())});
    m_hub->refreshDevices();
    QCOMPARE(m_hub->deviceList().size(), 1);
    QCOMPARE(m_hub->deviceList()[0].devicePath, kPath);
}

bool TstCameraHub::waitFrames(int count, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (m_spy->count() < count && t.elapsed() < timeoutMs)
        m_spy->wait(qMax(1, timeoutMs - int(t.elapsed())));
    return m_spy->count() >= count;
}

void TstCameraHub::pixels_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");
    for (const char *f : {"YUV", "MJPG"}) {
        QTest::addRow("%s upright", f) << f << false << false;
        QTest::addRow("%s mirrored", f) << f << true << false;
        QTest::addRow("%s flipped", f) << f << false << true;
        QTest::addRow("%s both", f) << f << true << true;
    }
}

void TstCameraHub::pixels()
{
    QFETCH(QString, format);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, format));
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameWidth), 640);
    QCOMPARE(quint32(m_hub->getProperty(kPath, CameraHub::Fourcc)),
             format == QLatin1String("YUV") ? fourcc('Y', 'U', 'Y', '2') : subtype::mjpgCode());
    m_hub->setFlip(kPath, horizontal, vertical);
    QCOMPARE(m_hub->getFlip(kPath), qMakePair(horizontal, vertical));

    const QImage card = quadrantImage(640, 480);
    m_kernel->pushFrame(kNode, format == QLatin1String("YUV") ? yuyvFrame(card) : jpegFrame(card));
    QVERIFY(waitFrames(1));
    QCOMPARE(m_spy->at(0).at(0).toString(), kPath);
    QCOMPARE(m_spy->at(0).at(1).toBool(), false);

    HeldFrame frame = m_hub->takeFrame(kPath);
    QVERIFY(frame);
    const QImage img = frame.image;
    const uchar *inPlace = img.constBits();
    QCOMPARE(frame.fullSize, QSize(640, 480));
    QCOMPARE(img.size(), QSize(640, 480));
    QCOMPARE(img.format(), QImage::Format_RGB32);
    const QPoint probes[] = {{5, 5}, {634, 5}, {5, 474}, {634, 474}, {160, 120}, {480, 360}};
    for (const QPoint &p : probes) {
        const QPoint src(horizontal ? 639 - p.x() : p.x(), vertical ? 479 - p.y() : p.y());
        QVERIFY2(near(img.pixel(p), card.pixel(src)), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
    // Held, the buffer is not handed out twice.
    QVERIFY(!m_hub->takeFrame(kPath));
    frame = HeldFrame();

    // A photo copy of the same frame.
    QImage photo;
    QVERIFY(m_hub->readFrame(kPath, &photo));
    QCOMPARE(photo.size(), QSize(640, 480));
    QVERIFY(photo.constBits() != inPlace);
}

void TstCameraHub::stillButton_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("uvc button") << "event4";
    QTest::newRow("hid keyboard interface") << "event5";
}

void TstCameraHub::stillButton()
{
    QFETCH(QString, event);
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    const QByteArray frame = yuyvFrame(quadrantImage(640, 480));
    m_kernel->pushFrame(kNode, frame);
    QVERIFY(waitFrames(1));
    m_kernel->pressButton(event);
    m_kernel->pushFrame(kNode, frame);
    QVERIFY(waitFrames(2));
    m_kernel->pushFrame(kNode, frame);
    QVERIFY(waitFrames(3));
    m_kernel->pushFrame(kNode, frame);
    QVERIFY(waitFrames(4));
    QVector<bool> flags;
    for (const auto &args : qAsConst(*m_spy))
        flags.append(args.at(1).toBool());
    QCOMPARE(flags, (QVector<bool>{false, true, false, false}));
}

// A still button and a second camera the user may not read: each is said
// once, with its node and the command that gives access.
void TstCameraHub::lockedNodesAreSaid()
{
    m_kernel->addCamera(QStringLiteral("/dev/video2"), "usb-0000:00:14.0-3", QStringLiteral("1-3"), {{640, 480}})
        .openErrno = EACCES;
    FakeCamera &cam = m_kernel->addCamera(kNode, "usb-0000:00:14.0-2", QStringLiteral("1-2"), {{640, 480}});
    cam.buttonEvent = QStringLiteral("event4");
    cam.buttonOpenErrno = EACCES;
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    QSignalSpy said(m_hub, &CameraHub::sigAccessProblem);
    m_hub->setBackends({std::make_shared<V4l2Backend>(m_kernel, m_sys->path())});
    m_hub->refreshDevices();
    QCOMPARE(said.count(), 1);
    QVERIFY2(said[0][1].toString().contains("/dev/video2") && said[0][1].toString().contains("usermod -aG video"),
             qPrintable(said[0][1].toString()));
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    QCOMPARE(said.count(), 2);
    QCOMPARE(said[1][0].toString(), kPath);
    const QString text = said[1][1].toString();
    QVERIFY2(text.contains("/dev/input/event4") && text.contains("ATTRS{idVendor}==\"0c45\"")
                 && text.contains("ATTRS{idProduct}==\"62c1\"") && text.contains("usermod -aG input"),
             qPrintable(text));
    // Not again at the next look or the next opening.
    m_hub->refreshDevices();
    m_hub->closeCamera(kPath);
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    QCOMPARE(said.count(), 2);
}

void TstCameraHub::busyBufferDropsFrames()
{
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    m_kernel->pushFrame(kNode, yuyvFrame(solid(640, 480, Qt::red)));
    QVERIFY(waitFrames(1));

    HeldFrame held = m_hub->takeFrame(kPath);
    QVERIFY(held);
    // The drop is a debug line, printed only when asked for.
    QLoggingCategory::setFilterRules(QStringLiteral("vistrel.capture.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "SampleCB lost frame");
    QTest::ignoreMessage(QtDebugMsg, "SampleCB lost frame");
    m_kernel->pushFrame(kNode, yuyvFrame(solid(640, 480, Qt::green)));
    m_kernel->pushFrame(kNode, yuyvFrame(solid(640, 480, Qt::green)));
    QVERIFY(m_kernel->waitDrained(kNode, 2000));
    const FrameCallback *cb = m_hub->layer()->frameCallback(kPath);
    QTRY_COMPARE(cb->framesBusy(), quint64(2));
    QLoggingCategory::setFilterRules(QString());
    // The held picture is untouched.
    QVERIFY(near(held.image.pixel(10, 10), qRgb(255, 0, 0)));
    // Both were dropped, not delivered: no notice is on its way.
    QCOMPARE(cb->framesDelivered(), quint64(1));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_spy->count(), 1);
    held = HeldFrame();

    // Capture went on.
    m_kernel->pushFrame(kNode, yuyvFrame(solid(640, 480, Qt::blue)));
    QVERIFY(waitFrames(2));
    QImage img;
    QVERIFY(m_hub->readFrame(kPath, &img));
    QVERIFY(near(img.pixel(320, 240), qRgb(0, 0, 255)));
}

void TstCameraHub::pendingSizeRequest()
{
    startV4l2();
    FakeCamera *cam = m_kernel->camera(kNode);
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    QCOMPARE(cam->streamOns, 1);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameWidth, 1280));
    QCOMPARE(cam->streamOns, 1);
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameWidth), 640);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameHeight, 720));
    QCOMPARE(cam->streamOns, 2);
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameWidth), 1280);
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameHeight), 720);
    QCOMPARE(m_hub->frameSize(kPath), QSize(1280, 720));
    // The next request starts empty again.
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameHeight, 1080));
    QCOMPARE(cam->streamOns, 2);

    m_kernel->pushFrame(kNode, yuyvFrame(quadrantImage(1280, 720)));
    QVERIFY(waitFrames(1));
    QImage img;
    QVERIFY(m_hub->readFrame(kPath, &img));
    QCOMPARE(img.size(), QSize(1280, 720));
}

void TstCameraHub::sameSettingsDoNotRestart()
{
    startV4l2();
    FakeCamera *cam = m_kernel->camera(kNode);
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameWidth, 640));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameHeight, 480));
    QVERIFY(m_hub->setFormat(kPath, QStringLiteral("YUV")));
    QCOMPARE(cam->streamOns, 1);
    QVERIFY(m_hub->setFormat(kPath, QStringLiteral("MJPG")));
    QCOMPARE(cam->streamOns, 2);
    QCOMPARE(quint32(m_hub->getProperty(kPath, CameraHub::Fourcc)), subtype::mjpgCode());
    QVERIFY(m_hub->setFormat(kPath, QStringLiteral("MJPG")));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameWidth, 640));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameHeight, 480));
    QCOMPARE(cam->streamOns, 2);
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameWidth), 640);
}

void TstCameraHub::frameRateChange()
{
    startV4l2();
    FakeCamera *cam = m_kernel->camera(kNode);
    QVERIFY(m_hub->openCamera(kPath, 1280, 720, QStringLiteral("MJPG")));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameRate, 10));
    QCOMPARE(cam->streamOns, 2);
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameRate), 10);
    QCOMPARE(cam->timePerFrame.numerator, 1000000u);
    // The size and the format survive the change.
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameWidth), 1280);
    QCOMPARE(quint32(m_hub->getProperty(kPath, CameraHub::Fourcc)), subtype::mjpgCode());
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameRate, 10));
    QCOMPARE(cam->streamOns, 2);
    // A size change keeps the rate.
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameWidth, 640));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameHeight, 480));
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameRate), 10);
}

void TstCameraHub::unplugMidStream()
{
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    const QByteArray frame = yuyvFrame(quadrantImage(640, 480));
    m_kernel->pushFrame(kNode, frame);
    QVERIFY(waitFrames(1));
    const FrameCallback *cb = m_hub->layer()->frameCallback(kPath);
    m_kernel->unplug(kNode);
    QTRY_VERIFY_WITH_TIMEOUT(cb->isLost(), 2000);
    m_kernel->pushFrame(kNode, frame);
    QTest::qWait(100);
    QCOMPARE(m_spy->count(), 1);
    QVERIFY(m_log.contains(QStringLiteral("ERROR: device %1 lost while streaming\n").arg(kPath)));

    m_hub->refreshDevices();
    QVERIFY(!m_hub->isOpen(kPath));
    QVERIFY(m_hub->deviceList().isEmpty());
    QVERIFY(!m_hub->layer()->hasDevice(kPath));
    QCOMPARE(m_kernel->openFdCount(), 0);
}

void TstCameraHub::corruptFrames()
{
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("MJPG")));
    const QByteArray good = jpegFrame(quadrantImage(640, 480));
    const FrameCallback *cb = m_hub->layer()->frameCallback(kPath);
    m_kernel->pushFrame(kNode, good.left(good.size() / 3));
    m_kernel->pushFrame(kNode, QByteArray(5000, '\x55'));
    m_kernel->pushFrame(kNode, jpegFrame(quadrantImage(320, 240)));
    QVERIFY(m_kernel->waitDrained(kNode, 2000));
    QTRY_COMPARE(cb->framesBad(), quint64(3));
    QVERIFY(m_log.contains(QStringLiteral("ERROR: SampleCB() - buffer sizes do not match\n")));
    QCOMPARE(cb->framesDelivered(), quint64(0));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_spy->count(), 0);
    m_kernel->pushFrame(kNode, good);
    QVERIFY(waitFrames(1));

    // Uncompressed frames of the wrong length.
    m_hub->closeCamera(kPath);
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    const FrameCallback *cb2 = m_hub->layer()->frameCallback(kPath);
    m_log.clear();
    m_kernel->pushFrame(kNode, yuyvFrame(quadrantImage(640, 480)).left(1000));
    QVERIFY(m_kernel->waitDrained(kNode, 2000));
    QTRY_COMPARE(cb2->framesBad(), quint64(1));
    QVERIFY(m_log.contains(QStringLiteral("ERROR: SampleCB() - buffer sizes do not match\n")));
    m_kernel->pushFrame(kNode, yuyvFrame(quadrantImage(640, 480)));
    QVERIFY(waitFrames(2));
}

void TstCameraHub::busyOrLockedDevice()
{
    startV4l2();
    FakeCamera *cam = m_kernel->camera(kNode);
    cam->busy = true;
    QElapsedTimer t;
    t.start();
    QVERIFY(!m_hub->openCamera(kPath, 640, 480, QStringLiteral("MJPG")));
    QVERIFY(t.elapsed() < 2000);
    QVERIFY(!m_hub->isOpen(kPath));
    cam->busy = false;
    cam->openErrno = EACCES;
    QVERIFY(!m_hub->openCamera(kPath, 640, 480, QStringLiteral("MJPG")));
    QVERIFY(!m_hub->isOpen(kPath));
    cam->openErrno = 0;
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("MJPG")));
    // Refused while it is open.
    QVERIFY(!m_hub->openCamera(kPath, 1280, 720, QStringLiteral("MJPG")));
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameWidth), 640);
    QVERIFY(!m_hub->openCamera(QStringLiteral("v4l2:none#vid_0c45&pid_62c1"), 640, 480, QStringLiteral("MJPG")));
}

void TstCameraHub::closeWhileStreaming()
{
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    const QByteArray frame = yuyvFrame(quadrantImage(640, 480));
    for (int i = 0; i < 6; ++i)
        m_kernel->pushFrame(kNode, frame);
    // Frames are being converted and notices posted.
    QTRY_VERIFY(m_hub->layer()->frameCallback(kPath)->framesDelivered() > 0);
    const int before = m_spy->count();
    QElapsedTimer t;
    t.start();
    m_hub->closeCamera(kPath);
    QVERIFY(t.elapsed() < 1000);
    QVERIFY(!m_hub->isOpen(kPath));
    // The capture thread is gone; what it posted is delivered now, and dropped.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_spy->count(), before); // notices of a closed camera are dropped
    QVERIFY(!m_hub->takeFrame(kPath));
    QImage img;
    QVERIFY(!m_hub->readFrame(kPath, &img));
    // Reopened, it delivers again.
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    m_kernel->pushFrame(kNode, frame);
    QVERIFY(waitFrames(before + 1));
}

void TstCameraHub::propertyCodes()
{
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("MJPG")));
    const PropertyRange b = m_hub->getPropertyRange(kPath, CameraHub::Brightness);
    QVERIFY(b.supported);
    QCOMPARE(b.minimum, -64);
    QCOMPARE(b.maximum, 64);
    QCOMPARE(b.defaultValue, 0);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::Brightness, 12));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_BRIGHTNESS), 12);
    QCOMPARE(m_hub->getPropertyRange(kPath, CameraHub::Brightness).current, 12);
    QVERIFY(m_hub->isPropertySupported(kPath, CameraHub::Gain));
    QVERIFY(m_hub->isPropertySupported(kPath, CameraHub::Gamma));
    QVERIFY(!m_hub->isPropertySupported(kPath, CameraHub::Pan));
    QVERIFY(!m_hub->isPropertySupported(kPath, CameraHub::RedGain));
    QVERIFY(!m_hub->isPropertySupported(kPath, CameraHub::FrameWidth));
    QVERIFY(!m_hub->setProperty(kPath, CameraHub::Zoom, 2));
    QVERIFY(!m_hub->setProperty(kPath, CameraHub::GreenGain, 2));
    QVERIFY(!m_hub->setProperty(kPath, 99, 1));
    QCOMPARE(m_hub->getProperty(kPath, 99), -1);
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::RedGain), -1);
    QCOMPARE(m_hub->getProperty(QStringLiteral("nope"), CameraHub::FrameWidth), -1);
    QVERIFY(!m_hub->getPropertyRange(QStringLiteral("nope"), CameraHub::Brightness).supported);

    // White balance: 1 on, 0 off.
    QVERIFY(m_hub->setProperty(kPath, CameraHub::WhiteBalance, 0));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_AUTO_WHITE_BALANCE), 0);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::ColourTemperature, 3000));
    QCOMPARE(m_hub->getProperty(kPath, CameraHub::ColourTemperature), 3000);

    // Exposure mode switches without touching the time the panel keeps.
    QCOMPARE(m_hub->getPropertyRange(kPath, CameraHub::Exposure).flags, 1);
    QVERIFY(m_hub->isPropertySupported(kPath, CameraHub::ExposureMode));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::ExposureMode, 2));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_MANUAL));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_ABSOLUTE), 156);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::Exposure, 400));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_ABSOLUTE), 400);
    QCOMPARE(m_hub->getPropertyRange(kPath, CameraHub::Exposure).flags, 2);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::ExposureMode, 1));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_APERTURE_PRIORITY));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_ABSOLUTE), 400);
    // Saved settings send the time before the mode: the time waits for manual.
    QVERIFY(!m_hub->setProperty(kPath, CameraHub::Exposure, 777));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_ABSOLUTE), 400);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::ExposureMode, 2));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_ABSOLUTE), 777);
}

void TstCameraHub::controlValues_data()
{
    QTest::addColumn<bool>("simulated");
    QTest::addColumn<int>("code");
    QTest::addColumn<quint32>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    using H = CameraHub;
    struct Row
    {
        const char *name;
        int code;
        quint32 control;
        int value;
        int expected;
    };
    // Values away from the defaults, written to the device behind the hub's back.
    const Row rows[] = {
        {"brightness", H::Brightness, V4L2_CID_BRIGHTNESS, -17, -17},
        {"contrast", H::Contrast, V4L2_CID_CONTRAST, 21, 21},
        {"saturation", H::Saturation, V4L2_CID_SATURATION, 90, 90},
        {"hue", H::Hue, V4L2_CID_HUE, -12, -12},
        {"sharpness", H::Sharpness, V4L2_CID_SHARPNESS, 5, 5},
        {"gamma", H::Gamma, V4L2_CID_GAMMA, 220, 220},
        {"gain", H::Gain, V4L2_CID_GAIN, 33, 33},
        {"colour temperature", H::ColourTemperature, V4L2_CID_WHITE_BALANCE_TEMPERATURE, 3500, 3500},
        {"exposure", H::Exposure, V4L2_CID_EXPOSURE_ABSOLUTE, 420, 420},
        {"backlight", H::BacklightCompensation, V4L2_CID_BACKLIGHT_COMPENSATION, 2, 2},
        {"auto white balance", H::WhiteBalance, V4L2_CID_AUTO_WHITE_BALANCE, 1, 1},
        {"auto exposure", H::ExposureMode, V4L2_CID_EXPOSURE_AUTO, V4L2_EXPOSURE_APERTURE_PRIORITY, 1},
        {"manual exposure", H::ExposureMode, V4L2_CID_EXPOSURE_AUTO, V4L2_EXPOSURE_MANUAL, 2},
        {"no colour enable", H::ColorEnable, 0, 0, -1},
        {"no pan", H::Pan, V4L2_CID_PAN_ABSOLUTE, 0, -1},
        {"no red gain", H::RedGain, V4L2_CID_RED_BALANCE, 0, -1},
        {"no green gain", H::GreenGain, 0, 0, -1},
        {"dialog is no control", H::SettingsDialog, 0, 0, -1},
    };
    // The simulated microscope has a stage and a focus drive, but no zoom.
    const Row simRows[] = {
        {"stage x", H::Pan, V4L2_CID_PAN_ABSOLUTE, 1234, 1234},
        {"stage y", H::Tilt, V4L2_CID_TILT_ABSOLUTE, -321, -321},
        {"focus", H::Focus, V4L2_CID_FOCUS_ABSOLUTE, 90, 90},
        {"no zoom", H::Zoom, V4L2_CID_ZOOM_ABSOLUTE, 0, -1},
    };
    for (bool simulated : {false, true}) {
        for (const Row &r : rows) {
            if (!(simulated && r.code == H::Pan))
                QTest::addRow("%s %s", simulated ? "sim" : "v4l2", r.name)
                    << simulated << r.code << r.control << r.value << r.expected;
        }
    }
    for (const Row &r : simRows)
        QTest::addRow("sim %s", r.name) << true << r.code << r.control << r.value << r.expected;
}

void TstCameraHub::controlValues()
{
    QFETCH(bool, simulated);
    QFETCH(int, code);
    QFETCH(quint32, control);
    QFETCH(int, value);
    QFETCH(int, expected);
    QString path = kPath;
    if (simulated) {
        m_hub->setBackends({});
        path = m_hub->installSimulatedCameras(1)->pathOf(0);
        m_hub->refreshDevices();
    } else {
        startV4l2();
    }
    QVERIFY(m_hub->openCamera(path, 640, 480, QStringLiteral("MJPG")));
    // A second handle, as another program would hold; manual modes first so
    // that the time and the temperature take a value.
    std::unique_ptr<BackendDevice> other = m_hub->layer()->backends().value(0)->open(path);
    QVERIFY(other);
    QVERIFY(other->setControl(V4L2_CID_AUTO_WHITE_BALANCE, 0));
    QVERIFY(other->setControl(V4L2_CID_EXPOSURE_AUTO, V4L2_EXPOSURE_MANUAL));
    if (expected != -1)
        QVERIFY(other->setControl(control, value));
    else if (control != 0)
        QVERIFY(!other->queryControl(control, nullptr)); // the device has none
    // The device's answer through the range; getProperty answers only for
    // the white-balance codes and -1 for the rest.
    const PropertyRange range = m_hub->getPropertyRange(path, code);
    if (expected != -1)
        QCOMPARE(code == CameraHub::ExposureMode ? range.flags : range.current, expected);
    const bool whiteBalance = code == CameraHub::RedGain || code == CameraHub::BlueGain
                              || code == CameraHub::ColourTemperature;
    QCOMPARE(m_hub->getProperty(path, code), whiteBalance ? expected : -1);
    QCOMPARE(m_hub->isPropertySupported(path, code), expected != -1);
}

void TstCameraHub::settingsDialog()
{
    startV4l2();
    QVERIFY(!m_hub->setProperty(kPath, CameraHub::SettingsDialog, 0)); // not open
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("MJPG")));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::SettingsDialog, 0));
    QPointer<QDialog> dialog = m_hub->layer()->settingsWindow(kPath);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    // Asking again shows the same one.
    QVERIFY(m_hub->setProperty(kPath, CameraHub::SettingsDialog, 0));
    QCOMPARE(m_hub->layer()->settingsWindow(kPath), dialog.data());
    // The dialog does not outlive the camera list.
    m_hub->setBackends({});
    QVERIFY(!dialog);
}

void TstCameraHub::simulatedCameras()
{
    // --demo-camera=N: up to four, the two models alternating, every path its own.
    const QVector<BackendDeviceInfo> four = SimulatedBackend::demo(9)->enumerate();
    QCOMPARE(four.size(), 4);
    QStringList paths;
    for (const BackendDeviceInfo &d : four)
        paths.append(d.path);
    paths.removeDuplicates();
    QCOMPARE(paths.size(), 4);
    QVERIFY(four[2].path.contains(QLatin1String("pid_62c1")));
    QVERIFY(four[3].path.contains(QLatin1String("pid_0223")));

    m_hub->setBackends({});
    auto sim = m_hub->installSimulatedCameras(2);
    m_hub->refreshDevices();
    const QVector<CameraDeviceInfo> list = m_hub->deviceList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].modelName, QStringLiteral("V3-2M"));
    QVERIFY(list[0].devicePath.contains(QLatin1String("vid_0c45&pid_62c1")));
    QCOMPARE(list[0].sizes, (QVector<QSize>{{640, 480}, {1280, 720}, {1920, 1080}}));
    QCOMPARE(list[1].modelName, QStringLiteral("V3-5M"));
    QCOMPARE(list[1].sizes.last(), QSize(2592, 1944));

    const QString path = list[0].devicePath;
    QVERIFY(m_hub->openCamera(path, 640, 480, QStringLiteral("MJPG")));
    QVERIFY(waitFrames(3));
    QImage img;
    QVERIFY(m_hub->readFrame(path, &img));
    QCOMPARE(img.size(), QSize(640, 480));
    // A picture, not a flat field: the scale's dark ticks cross the middle row.
    int dark = 0;
    for (int y = 226; y < 238; ++y) {
        int row = 0;
        for (int x = 0; x < 640; ++x)
            row += qGray(img.pixel(x, y)) < 120 ? 1 : 0;
        dark = qMax(dark, row);
    }
    QVERIFY2(dark > 50, qPrintable(QString::number(dark)));

    // The microscope's button marks exactly one frame.
    const int before = m_spy->count();
    sim->pressStillButton(0);
    QVERIFY(waitFrames(before + 4));
    int marked = 0;
    for (int i = before; i < m_spy->count(); ++i)
        marked += m_spy->at(i).at(1).toBool() ? 1 : 0;
    QCOMPARE(marked, 1);

    // Second camera in YUYV at its large size.
    const QString five = list[1].devicePath;
    QVERIFY(m_hub->openCamera(five, 2592, 1944, QStringLiteral("YUV")));
    QCOMPARE(quint32(m_hub->getProperty(five, CameraHub::Fourcc)), fourcc('Y', 'U', 'Y', '2'));
    QTRY_VERIFY_WITH_TIMEOUT(m_hub->readFrame(five, &img), 5000);
    QCOMPARE(img.size(), QSize(2592, 1944));

    // Unplugged: its stream ends and the next refresh drops it.
    sim->unplug(0);
    QTRY_VERIFY_WITH_TIMEOUT(m_hub->layer()->frameCallback(path)->isLost(), 2000);
    m_hub->refreshDevices();
    QVERIFY(!m_hub->isOpen(path));
    QVERIFY(m_hub->isOpen(five));
    QCOMPARE(m_hub->deviceList().size(), 1);
}

void TstCameraHub::simulatedControlsChangePicture()
{
    m_hub->setBackends({});
    m_hub->installSimulatedCameras(1);
    m_hub->refreshDevices();
    // Installing again replaces the simulated cameras instead of doubling them.
    m_hub->installSimulatedCameras(1);
    m_hub->refreshDevices();
    QCOMPARE(m_hub->deviceList().size(), 1);
    const QString path = m_hub->deviceList().value(0).devicePath;
    QVERIFY(m_hub->openCamera(path, 640, 480, QStringLiteral("YUV")));
    QVERIFY(waitFrames(2));
    QImage before;
    QVERIFY(m_hub->readFrame(path, &before));
    QVERIFY(m_hub->isPropertySupported(path, CameraHub::Brightness));
    QVERIFY(m_hub->setProperty(path, CameraHub::Brightness, 60));
    const int seen = m_spy->count();
    QVERIFY(waitFrames(seen + 3));
    QImage after;
    QVERIFY(m_hub->readFrame(path, &after));
    QVERIFY2(meanLuma(after) > meanLuma(before) + 20,
             qPrintable(QStringLiteral("%1 -> %2").arg(meanLuma(before)).arg(meanLuma(after))));
    QVERIFY(m_hub->measuredFrameRate(path) > 5.0);
}

void TstCameraHub::streamFaults_data()
{
    QTest::addColumn<int>("request"); // 0: none
    QTest::addColumn<QVector<int>>("errnos");
    QTest::addColumn<int>("pollEintr");
    QTest::addColumn<int>("maxBuffers");
    QTest::addColumn<bool>("errorFlag"); // the first frame comes back flagged V4L2_BUF_FLAG_ERROR
    QTest::addColumn<int>("delivered");
    QTest::addColumn<int>("streamOns");
    QTest::addColumn<bool>("lost");

    const int dq = int(VIDIOC_DQBUF);
    QTest::newRow("EINTR") << dq << QVector<int>{EINTR, EINTR} << 2 << 4 << false << 3 << 1 << false;
    QTest::newRow("buffer flagged error") << 0 << QVector<int>{} << 0 << 4 << true << 2 << 1 << false;
    QTest::newRow("fewer buffers granted") << 0 << QVector<int>{} << 0 << 2 << false << 3 << 1 << false;
    QTest::newRow("EIO once, then recovery") << dq << QVector<int>{EIO} << 0 << 4 << false << 3 << 1 << false;
    QTest::newRow("EIO until a restart") << dq << QVector<int>{EIO, EIO, EIO} << 0 << 4 << false << 3 << 2 << false;
    QTest::newRow("EIO for good: lost") << dq << QVector<int>(6, EIO) << 0 << 4 << false << 0 << 2 << true;
    QTest::newRow("ENODEV: lost at once") << dq << QVector<int>{ENODEV} << 0 << 4 << false << 0 << 1 << true;
}

void TstCameraHub::streamFaults()
{
    QFETCH(int, request);
    QFETCH(QVector<int>, errnos);
    QFETCH(int, pollEintr);
    QFETCH(int, maxBuffers);
    QFETCH(bool, errorFlag);
    QFETCH(int, delivered);
    QFETCH(int, streamOns);
    QFETCH(bool, lost);
    startV4l2();
    FakeCamera *cam = m_kernel->camera(kNode);
    cam->maxBuffers = maxBuffers;
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    QSignalSpy lostSpy(m_hub, &CameraHub::sigCameraLost);
    const FrameCallback *cb = m_hub->layer()->frameCallback(kPath);
    m_kernel->setPollEintr(pollEintr);
    for (int e : errnos)
        m_kernel->failNext(kNode, (unsigned long)(uint(request)), {e});
    const QByteArray frame = yuyvFrame(quadrantImage(640, 480));
    m_kernel->pushFrame(kNode, frame, errorFlag ? V4L2_BUF_FLAG_ERROR : 0);
    m_kernel->pushFrame(kNode, frame);
    m_kernel->pushFrame(kNode, frame);
    if (lost) {
        QVERIFY(lostSpy.wait(3000));
        QVERIFY(cb->isLost());
    } else {
        QVERIFY(m_kernel->waitDrained(kNode, 3000));
        QTRY_COMPARE(cb->framesDelivered(), quint64(delivered));
        QVERIFY(!cb->isLost());
    }
    QCOMPARE(int(cb->framesDelivered()), delivered);
    QCOMPARE(cb->framesBad(), quint64(0));
    QCOMPARE(cam->streamOns, streamOns);
    if (!errnos.isEmpty() && errnos[0] != EINTR)
        QVERIFY(m_log.contains(QStringLiteral("ERROR: VIDIOC_DQBUF failed: %1 (errno %2)\n")
                                   .arg(QString::fromLocal8Bit(strerror(errnos[0])))
                                   .arg(errnos[0])));
}

void TstCameraHub::deadButtonNode()
{
    startV4l2(); // buttons on event4 (the camera's) and event5 (its keyboard interface)
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    QTRY_COMPARE(m_kernel->lastPollCount(), 3);
    // POLLHUP without POLLIN, with a stale EAGAIN in errno: the node leaves
    // the poll set instead of waking poll at once for ever.
    m_kernel->hangUpButton(QStringLiteral("event4"));
    QTRY_COMPARE(m_kernel->lastPollCount(), 2);
    const int polls = m_kernel->pollCalls();
    QTest::qWait(200);
    QVERIFY2(m_kernel->pollCalls() - polls < 20, qPrintable(QString::number(m_kernel->pollCalls() - polls)));
    // The picture and the other button still work.
    m_kernel->pressButton(QStringLiteral("event5"));
    m_kernel->pushFrame(kNode, yuyvFrame(quadrantImage(640, 480)));
    QVERIFY(waitFrames(1));
    QCOMPARE(m_spy->at(0).at(1).toBool(), true);
}

void TstCameraHub::bandwidthV4l2()
{
    startV4l2();
    QSignalSpy errors(m_hub, &CameraHub::sigCameraError);
    m_kernel->failNext(kNode, VIDIOC_STREAMON, {ENOSPC});
    QVERIFY(!m_hub->openCamera(kPath, 1920, 1080, QStringLiteral("YUV")));
    QVERIFY(!m_hub->isOpen(kPath));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(1).toString(), CameraHub::bandwidthMessage());
    QCOMPARE(m_hub->cameraError(kPath), CameraHub::bandwidthMessage());
    QVERIFY(m_log.contains(QStringLiteral("ERROR: VIDIOC_STREAMON failed: %1 (errno %2)\n")
                               .arg(QString::fromLocal8Bit(strerror(ENOSPC)))
                               .arg(ENOSPC)));
    QCOMPARE(m_kernel->openFdCount(), 0);
    // Room again (MJPG, say): it opens and the message goes.
    QVERIFY(m_hub->openCamera(kPath, 1920, 1080, QStringLiteral("MJPG")));
    QVERIFY(m_hub->cameraError(kPath).isEmpty());
    // A QBUF refused mid-stream for the same reason ends the stream with the message.
    QSignalSpy lost(m_hub, &CameraHub::sigCameraLost);
    m_kernel->failNext(kNode, VIDIOC_QBUF, {ENOSPC});
    m_kernel->pushFrame(kNode, jpegFrame(quadrantImage(1920, 1080)));
    QVERIFY(lost.wait(3000));
    QCOMPARE(errors.count(), 2);
    QCOMPARE(m_hub->cameraError(kPath), CameraHub::bandwidthMessage());
}

void TstCameraHub::bandwidthSimulated()
{
    m_hub->setBackends({});
    auto sim = m_hub->installSimulatedCameras(4);
    m_hub->refreshDevices();
    sim->setBandwidthExhausted(3, true);
    QSignalSpy errors(m_hub, &CameraHub::sigCameraError);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m_hub->openCamera(sim->pathOf(i), 640, 480, QStringLiteral("MJPG")), i < 3);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toString(), sim->pathOf(3));
    QCOMPARE(m_hub->cameraError(sim->pathOf(3)), CameraHub::bandwidthMessage());
    // The other three keep running.
    for (int i = 0; i < 3; ++i) {
        const quint64 before = sim->framesSent(i);
        QTRY_VERIFY(sim->framesSent(i) > before + 2);
        QVERIFY(m_hub->cameraError(sim->pathOf(i)).isEmpty());
    }
}

void TstCameraHub::sameModelNames_data()
{
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("by port") << QStringList{"1-2", "1-3"} << QStringList{"V3-2M (USB 1-2)", "V3-2M (USB 1-3)"};
    QTest::newRow("ports unknown") << QStringList{"", ""} << QStringList{"V3-2M", "V3-2M #2"};
    QTest::newRow("one of a kind") << QStringList{"1-2"} << QStringList{"V3-2M"};
}

void TstCameraHub::sameModelNames()
{
    QFETCH(QStringList, ports);
    QFETCH(QStringList, names);
    QVector<SimCameraSpec> specs;
    for (const QString &port : ports) {
        SimCameraSpec spec;
        spec.tag = QStringLiteral("same-%1").arg(specs.size());
        spec.port = port;
        specs.append(spec);
    }
    m_hub->setBackends({std::make_shared<SimulatedBackend>(specs)});
    m_hub->refreshDevices();
    QStringList got;
    for (const CameraDeviceInfo &d : m_hub->deviceList()) {
        got << d.displayName;
        QCOMPARE(m_hub->displayName(d.devicePath), d.displayName);
    }
    QCOMPARE(got, names);
}

void TstCameraHub::reducedDecode_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("MJPG") << "MJPG";
    QTest::newRow("YUV") << "YUV";
}

void TstCameraHub::reducedDecode()
{
    QFETCH(QString, format);
    m_hub->setBackends({});
    auto sim = m_hub->installSimulatedCameras(1);
    m_hub->refreshDevices();
    const QString path = sim->pathOf(0);
    QVERIFY(m_hub->openCamera(path, 1920, 1080, format));
    QCOMPARE(sim->openCount(0), 1);
    m_hub->setFlip(path, true, false);
    QVERIFY(waitFrames(1));
    QImage full;
    QTRY_VERIFY(m_hub->readFrame(path, &full));

    // A tile of 470 x 260: decoded at a quarter, 480 x 270.
    QVERIFY(m_hub->setDisplaySize(path, QSize(470, 260)));
    QCOMPARE(m_hub->frameSize(path), QSize(480, 270));
    QCOMPARE(m_hub->cameraSize(path), QSize(1920, 1080));
    const FrameCallback *cb = m_hub->layer()->frameCallback(path);
    QTRY_VERIFY(cb->framesReduced() > 2);
    QImage small;
    QTRY_VERIFY(m_hub->readFrame(path, &small));
    QCOMPARE(small.size(), QSize(480, 270));
    // A photo is still the camera's own frame, flips included.
    QImage photo;
    QVERIFY(m_hub->grabFullFrame(path, &photo));
    QCOMPARE(photo.size(), QSize(1920, 1080));
    const QImage reduced = photo.scaled(480, 270, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(qAbs(meanLuma(reduced) - meanLuma(small)) < 6,
             qPrintable(QStringLiteral("%1 vs %2").arg(meanLuma(reduced)).arg(meanLuma(small))));
    QVERIFY(near(reduced.pixel(100, 50), small.pixel(100, 50), 40));
    QCOMPARE(cb->framesBad(), quint64(0));
    // The large view again: full size, without reopening the camera.
    QVERIFY(m_hub->setDisplaySize(path, QSize()));
    QCOMPARE(m_hub->frameSize(path), QSize(1920, 1080));
    QTRY_VERIFY(m_hub->readFrame(path, &full));
    QCOMPARE(full.size(), QSize(1920, 1080));
    QVERIFY(m_hub->grabFullFrame(path, &photo));
    QCOMPARE(photo.size(), QSize(1920, 1080));
    QCOMPARE(sim->openCount(0), 1);
}

void TstCameraHub::grantedRateSignal()
{
    m_hub->setBackends({});
    auto sim = m_hub->installSimulatedCameras(2);
    m_hub->refreshDevices();
    QSignalSpy rates(m_hub, &CameraHub::sigFrameRateChanged);
    // The 5M camera runs 2592 x 1944 at 15 at most: 30 asked, 15 granted.
    const QString path = sim->pathOf(1);
    QVERIFY(m_hub->openCamera(path, 2592, 1944, QStringLiteral("MJPG")));
    QCOMPARE(m_hub->frameRate(path), 15.0);
    QVERIFY(m_hub->setProperty(path, CameraHub::FrameRate, 30));
    QCOMPARE(m_hub->frameRate(path), 15.0);
    QCOMPARE(m_hub->getProperty(path, CameraHub::FrameRate), 15);
    QCOMPARE(rates.count(), 2);
    QCOMPARE(rates.last().at(1).toDouble(), 15.0);
    QVERIFY(m_hub->setProperty(path, CameraHub::FrameRate, 5));
    QCOMPARE(m_hub->frameRate(path), 5.0);
}

void TstCameraHub::grantedRateFollowsDriver()
{
    FakeCamera &cam = m_kernel->addCamera(kNode, "usb-0000:00:14.0-2", QStringLiteral("1-2"),
                                          {{640, 480}, {1280, 720}, {1920, 1080}});
    cam.parmFps = {30, 15, 5};
    cam.sizeMaxFps = {{QSize(1920, 1080), 5}};
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    m_hub->setBackends({std::make_shared<V4l2Backend>(m_kernel, m_sys->path())});
    m_hub->refreshDevices();
    QSignalSpy rates(m_hub, &CameraHub::sigFrameRateChanged);
    auto check = [&](double fps, int emitted) {
        QCOMPARE(m_hub->frameRate(kPath), fps);
        QCOMPARE(m_hub->getProperty(kPath, CameraHub::FrameRate), int(fps));
        QCOMPARE(rates.count(), emitted);
        QCOMPARE(rates.last().at(1).toDouble(), fps);
    };
    // Nothing asked: what the driver runs at after S_FMT.
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("MJPG")));
    check(30, 1);
    // The driver snaps 20 to 15.
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameRate, 20));
    check(15, 2);
    // A new size restarts the stream: asked again, granted less there.
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameWidth, 1920));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameHeight, 1080));
    check(5, 3);
    QVERIFY(m_hub->setFormat(kPath, QStringLiteral("YUV")));
    check(5, 4);
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameWidth, 1280));
    QVERIFY(m_hub->setProperty(kPath, CameraHub::FrameHeight, 720));
    check(15, 5);
    m_hub->closeCamera(kPath);
    QCOMPARE(m_hub->frameRate(kPath), 0.0);
}

void TstCameraHub::lockedCameraListed()
{
    FakeCamera &locked = m_kernel->addCamera(QStringLiteral("/dev/video3"), "usb-0000:00:14.0-3", QStringLiteral("1-3"),
                                             {{640, 480}});
    locked.openErrno = EACCES;
    m_kernel->addCamera(kNode, "usb-0000:00:14.0-2", QStringLiteral("1-2"), {{640, 480}});
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    m_hub->setBackends({std::make_shared<V4l2Backend>(m_kernel, m_sys->path())});
    m_hub->refreshDevices();
    const QVector<CameraDeviceInfo> list = m_hub->deviceList();
    QCOMPARE(list.size(), 2);
    QVERIFY(list[0].accessible);
    QVERIFY(!list[1].accessible);
    QCOMPARE(list[1].accessNote, CameraHub::accessMessage(QStringLiteral("/dev/video3")));
    QVERIFY(list[1].accessNote.contains(QLatin1String("video")));
    QVERIFY(!m_hub->openCamera(list[1].devicePath, 640, 480, QStringLiteral("MJPG")));
}

QTEST_MAIN(TstCameraHub)
#include "tst_camerahub.moc"

void TstCameraHub::hiddenOrGrey_data()
{
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("grey");
    QTest::newRow("shown") << false << false;
    QTest::newRow("shown grey") << false << true;
    QTest::newRow("hidden") << true << false;
    QTest::newRow("hidden grey") << true << true;
}

// Black and white on the capture thread; a camera off screen is not decoded
// but a photo of it shows its latest frame, and it shows again at once.
void TstCameraHub::hiddenOrGrey()
{
    QFETCH(bool, hidden);
    QFETCH(bool, grey);
    startV4l2();
    QVERIFY(m_hub->openCamera(kPath, 640, 480, QStringLiteral("YUV")));
    m_kernel->pushFrame(kNode, yuyvFrame(solid(640, 480, Qt::red)));
    QVERIFY(waitFrames(1));
    m_hub->setBlackWhite(kPath, grey);
    m_hub->setShown(kPath, !hidden);
    QCOMPARE(m_hub->isShown(kPath), !hidden);
    QCOMPARE(m_hub->isBlackWhite(kPath), grey);
    const FrameCallback *cb = m_hub->layer()->frameCallback(kPath);
    const quint64 decoded = cb->framesDelivered();
    m_kernel->pushFrame(kNode, yuyvFrame(solid(640, 480, Qt::green)));
    QTRY_COMPARE(cb->framesDelivered() + cb->framesHidden(), decoded + 1);
    QCOMPARE(cb->framesHidden(), quint64(hidden ? 1 : 0));
    const int g = qGray(qRgb(0, 255, 0));
    const QRgb green = grey ? qRgb(g, g, g) : qRgb(0, 255, 0);
    {
        // What the view would show: the old picture while hidden.
        const HeldFrame frame = m_hub->takeFrame(kPath);
        QVERIFY(frame);
        const QRgb shown = frame.image.pixel(320, 240);
        QVERIFY(near(shown, hidden ? qRgb(255, 0, 0) : green));
        if (grey && !hidden)
            QVERIFY(qRed(shown) == qGreen(shown) && qGreen(shown) == qBlue(shown));
    }
    QImage photo;
    QVERIFY(m_hub->grabFullFrame(kPath, &photo));
    QCOMPARE(photo.size(), QSize(640, 480));
    QVERIFY(near(photo.pixel(320, 240), green));
    if (grey)
        QVERIFY(qRed(photo.pixel(5, 5)) == qGreen(photo.pixel(5, 5))
                && qGreen(photo.pixel(5, 5)) == qBlue(photo.pixel(5, 5)));

    // Shown again, the next frame is decoded: the stream never stopped.
    m_hub->setShown(kPath, true);
    const quint64 shown = cb->framesDelivered();
    m_kernel->pushFrame(kNode, yuyvFrame(solid(640, 480, Qt::blue)));
    QTRY_COMPARE(cb->framesDelivered(), shown + 1);
    QVERIFY(
        near(m_hub->takeFrame(kPath).image.pixel(320, 240),
             grey ? qRgb(qGray(qRgb(0, 0, 255)), qGray(qRgb(0, 0, 255)), qGray(qRgb(0, 0, 255))) : qRgb(0, 0, 255)));
}
