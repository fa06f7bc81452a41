#include "capture/capturelayer.h"
#include "capture/devicetable.h"
#include "capture/framecallback.h"
#include "capture/subtypes.h"
#include "capture/v4l2backend.h"
#include "fakekernel.h"

#include <QtTest>

namespace {

const QString kBus2 = QStringLiteral("usb-0000:00:14.0-2");
const QString kPath2M = QStringLiteral("v4l2:usb-0000:00:14.0-2#vid_0c45&pid_62c1");
const QVector<QSize> k2MSizes{{640, 480}, {1280, 720}, {1920, 1080}};

} // namespace

class TstCaptureLayer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { buildDeviceTable(); }
    void init();
    void cleanup();

    void acceptance_data();
    void acceptance();
    void nodes();
    void stepwiseSizes();
    void sizeSearch_data();
    void sizeSearch();
    void setupOnReadyDevice();
    void frameRate();
    void stopGivesFreshRecord();
    void settings();
    void exposureModes();
    void busyDevice();
    void openFailure();
    void syncRemovesVanished();
    void oddSysfs();
    void grantedRate_data();
    void grantedRate();
    void adjustedListedSize();
    void tooFewBuffers();
    void lockedAndNamed();
    void scanPrintedOnChange();

private:
    FakeCamera &addDefault(const QVector<QSize> &sizes = k2MSizes);
    void start();
    bool logHas(const QString &line) const { return m_log.contains(line); }

    std::shared_ptr<FakeKernel> m_kernel;
    std::unique_ptr<QTemporaryDir> m_sys;
    std::unique_ptr<CaptureLayer> m_layer;
    QStringList m_log;
};

void TstCaptureLayer::init()
{
    m_kernel = std::make_shared<FakeKernel>();
    m_sys = std::make_unique<QTemporaryDir>();
    m_layer = std::make_unique<CaptureLayer>();
    m_log.clear();
    setCaptureLogHook([this](const QByteArray &line) { m_log.append(QString::fromLocal8Bit(line)); });
}

void TstCaptureLayer::cleanup()
{
    m_layer.reset();
    setCaptureLogHook(nullptr);
    QCOMPARE(m_kernel->openFdCount(), 0); // nothing leaks a descriptor
}

FakeCamera &TstCaptureLayer::addDefault(const QVector<QSize> &sizes)
{
    return m_kernel->addCamera(QStringLiteral("/dev/video0"), kBus2.toLatin1(), QStringLiteral("1-2"), sizes);
}

void TstCaptureLayer::start()
{
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    m_layer->setBackends({std::make_shared<V4l2Backend>(m_kernel, m_sys->path())});
    m_layer->enumerateDevices(false);
    m_layer->syncDevices(m_layer->acceptedDevices());
}

void TstCaptureLayer::acceptance_data()
{
    QTest::addColumn<QVector<QSize>>("offered");
    QTest::addColumn<int>("productId");
    QTest::addColumn<QVector<QSize>>("accepted"); // empty: dropped

    QTest::newRow("row sizes kept, others dropped")
        << QVector<QSize>{{800, 600}, {1920, 1080}, {640, 480}, {1280, 720}} << 0x62C1 << k2MSizes;
    QTest::newRow("no size in common") << QVector<QSize>{{800, 600}, {1024, 768}} << 0x62C1 << QVector<QSize>{};
    QTest::newRow("unknown model") << k2MSizes << 0x9999 << QVector<QSize>{};
    QTest::newRow("duplicates and order")
        << QVector<QSize>{{1920, 1080}, {640, 480}, {1920, 1080}, {1280, 720}, {640, 480}} << 0x62C1 << k2MSizes;
    QTest::newRow("one size") << QVector<QSize>{{1280, 720}} << 0x62C1 << QVector<QSize>{{1280, 720}};
    QTest::newRow("5M row") << QVector<QSize>{{2592, 1944}, {640, 480}, {1280, 1024}} << 0x0223
                            << QVector<QSize>{{1280, 1024}, {2592, 1944}};
}

void TstCaptureLayer::acceptance()
{
    QFETCH(QVector<QSize>, offered);
    QFETCH(int, productId);
    QFETCH(QVector<QSize>, accepted);

    addDefault(offered).productId = productId; // MJPEG and YUYV, same sizes
    start();
    QCOMPARE(m_layer->enumerateDevices(true), 1);
    const QVector<CameraDeviceInfo> list = m_layer->acceptedDevices();
    if (accepted.isEmpty()) {
        QVERIFY(list.isEmpty());
        return;
    }
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].sizes, accepted);
    QCOMPARE(list[0].modelName, findDeviceModel(list[0].devicePath)->modelName);
    QCOMPARE(list[0].modelCode, findDeviceModel(list[0].devicePath)->modelCode);
}

void TstCaptureLayer::nodes()
{
    addDefault().buttonEvent = QStringLiteral("event5");
    // The metadata node of the same camera.
    m_kernel->addCamera(QStringLiteral("/dev/video1"), kBus2.toLatin1(), QStringLiteral("1-2"), k2MSizes).caps =
        V4L2_CAP_META_CAPTURE | V4L2_CAP_STREAMING;
    // A second capture node of the same device.
    m_kernel->addCamera(QStringLiteral("/dev/video2"), kBus2.toLatin1(), QStringLiteral("1-2"), k2MSizes);
    // A camera nobody may open.
    FakeCamera &locked = m_kernel->addCamera(QStringLiteral("/dev/video3"), "usb-0000:00:14.0-3", QStringLiteral("1-3"),
                                             k2MSizes);
    locked.openErrno = EACCES;
    FakeCamera &other = m_kernel->addCamera(QStringLiteral("/dev/video10"), "usb-0000:00:14.0-4", QStringLiteral("1-4"),
                                            {{1280, 1024}});
    other.productId = 0x0223;
    other.card = "Other scope";
    other.hidButtonEvent = QStringLiteral("event6");
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    auto backend = std::make_shared<V4l2Backend>(m_kernel, m_sys->path());
    m_layer->setBackends({backend});

    QCOMPARE(m_layer->enumerateDevices(false), 3);
    QVERIFY(logHas(QStringLiteral("\nCAPTURE DEVICE SCAN\n\n")));
    QVERIFY(logHas(QStringLiteral("SETUP: Looking For Capture Devices\n")));
    QVERIFY(logHas(QStringLiteral("SETUP: 0) USB2.0 Microscope \n")));
    QVERIFY(logHas(QStringLiteral("SETUP: 2) Other scope \n")));
    QVERIFY(logHas(QStringLiteral("SETUP: 3 Device(s) found\n\n")));

    const QVector<CameraDeviceInfo> list = m_layer->acceptedDevices();
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[0].devicePath, kPath2M);
    QCOMPARE(list[1].devicePath, kPath2M + QStringLiteral("#2"));
    QCOMPARE(list[2].devicePath, QStringLiteral("v4l2:usb-0000:00:14.0-4#vid_0c45&pid_0223"));
    QCOMPARE(list[2].modelName, QStringLiteral("V3-5M"));
    QCOMPARE(backend->nodeOf(list[2].devicePath), QStringLiteral("/dev/video10"));
    // Only the camera key of the same USB device counts, from either interface.
    QCOMPARE(backend->buttonNodesOf(kPath2M), QStringList{QStringLiteral("/dev/input/event5")});
    QCOMPARE(backend->buttonNodesOf(list[2].devicePath), QStringList{QStringLiteral("/dev/input/event6")});
}

void TstCaptureLayer::stepwiseSizes()
{
    FakeCamera &cam = addDefault();
    cam.productId = 0x62C5; // 864x480, 1280x720, 1920x1088
    FakeFormat range;
    range.pixelFormat = V4L2_PIX_FMT_YUYV;
    range.stepwise = true;
    range.minimum = QSize(320, 240);
    range.maximum = QSize(1920, 1080);
    range.stepWidth = 16;
    range.stepHeight = 8;
    cam.formats = {range};
    start();
    const QVector<CameraDeviceInfo> list = m_layer->acceptedDevices();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].sizes, (QVector<QSize>{{864, 480}, {1280, 720}}));
}

void TstCaptureLayer::sizeSearch_data()
{
    QTest::addColumn<QSize>("request");
    QTest::addColumn<QString>("format"); // "YUV" or "MJPG"
    QTest::addColumn<bool>("stepwise");
    QTest::addColumn<QSize>("result");
    QTest::addColumn<QString>("subtype");
    QTest::addColumn<QString>("closestLine"); // empty: no closest search

    QTest::newRow("exact MJPG") << QSize(1280, 720) << "MJPG" << false << QSize(1280, 720) << "MJPG"
                                << "";
    QTest::newRow("YUV lands on YUYV") << QSize(1280, 720) << "YUV" << false << QSize(1280, 720) << "YUY2"
                                       << "";
    QTest::newRow("size only in another subtype") << QSize(800, 600) << "MJPG" << false << QSize(800, 600) << "YUY2"
                                                  << "";
    QTest::newRow("nearest by city block") << QSize(900, 650) << "MJPG" << false << QSize(800, 600) << "YUY2"
                                           << "SETUP: closest supported size is YUY2 @ 800 600\n";
    QTest::newRow("nearest large") << QSize(1300, 800) << "YUV" << false << QSize(1280, 720) << "MJPG"
                                   << "SETUP: closest supported size is MJPG @ 1280 720\n";
    // On a 16 x 8 grid both neighbours of 1000 and of 700 are as near; the first wins.
    QTest::newRow("stepwise grid") << QSize(1000, 700) << "MJPG" << true << QSize(992, 696) << "MJPG"
                                   << "SETUP: closest supported size is MJPG @ 992 696\n";
}

void TstCaptureLayer::sizeSearch()
{
    QFETCH(QSize, request);
    QFETCH(QString, format);
    QFETCH(bool, stepwise);
    QFETCH(QSize, result);
    QFETCH(QString, subtype);
    QFETCH(QString, closestLine);

    FakeCamera &cam = addDefault();
    FakeFormat mjpeg;
    mjpeg.pixelFormat = V4L2_PIX_FMT_MJPEG;
    mjpeg.sizes = {{640, 480}, {1280, 720}};
    if (stepwise) {
        mjpeg.stepwise = true;
        mjpeg.minimum = QSize(320, 240);
        mjpeg.maximum = QSize(1920, 1080);
        mjpeg.stepWidth = 16;
        mjpeg.stepHeight = 8;
    }
    FakeFormat yuyv;
    yuyv.pixelFormat = V4L2_PIX_FMT_YUYV;
    yuyv.sizes = {{800, 600}, {1280, 720}};
    cam.formats = {mjpeg, yuyv};
    start();

    const quint32 code = format == QLatin1String("YUV") ? subtype::rgb24Code() : subtype::mjpgCode();
    QVERIFY(m_layer->setupDevice(kPath2M, request.width(), request.height(), int(code)));
    QVERIFY(m_layer->isDeviceSetup(kPath2M));
    QCOMPARE(QSize(m_layer->width(kPath2M), m_layer->height(kPath2M)), result);
    QCOMPARE(quint32(m_layer->fourcc(kPath2M)),
             subtype::at(subtype::indexOfCode(fourcc(subtype.at(0).toLatin1(), subtype.at(1).toLatin1(),
                                                     subtype.at(2).toLatin1(), subtype.at(3).toLatin1())))
                 .code);
    QCOMPARE(QSize(int(cam.fmt.fmt.pix.width), int(cam.fmt.fmt.pix.height)), result);
    QVERIFY(logHas(QStringLiteral("SETUP: Setting up device %1\n").arg(kPath2M)));
    QVERIFY(logHas(QStringLiteral("SETUP: trying specified format %1 @ %2 by %3\n")
                       .arg(format == QLatin1String("YUV") ? QStringLiteral("RGB24") : QStringLiteral("MJPG"))
                       .arg(request.width())
                       .arg(request.height())));
    if (closestLine.isEmpty()) {
        QVERIFY(!logHas(QStringLiteral("SETUP: couldn't find requested size - searching for closest matching size\n")));
    } else {
        QVERIFY(logHas(QStringLiteral("SETUP: couldn't find requested size - searching for closest matching size\n")));
        QVERIFY2(logHas(closestLine), qPrintable(m_log.join(QString())));
    }
    QVERIFY(logHas(QStringLiteral("SETUP: Device is setup and ready to capture.\n\n")));
    QVERIFY(cam.streaming);
}

void TstCaptureLayer::setupOnReadyDevice()
{
    FakeCamera &cam = addDefault();
    start();
    QVERIFY(m_layer->setupDevice(kPath2M, 1280, 720, int(subtype::mjpgCode())));
    const int sfmt = cam.sfmtCalls;
    const int ons = cam.streamOns;
    m_log.clear();
    QVERIFY(!m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    QCOMPARE(m_log,
             QStringList{QStringLiteral("SETUP: can't setup, device %1 is currently being used\n").arg(kPath2M)});
    QCOMPARE(cam.sfmtCalls, sfmt);
    QCOMPARE(cam.streamOns, ons);
    QVERIFY(cam.streaming);
    QCOMPARE(m_layer->width(kPath2M), 1280);
    QVERIFY(!m_layer->setupDevice(QStringLiteral("v4l2:nothing#vid_0c45&pid_62c1")));
}

void TstCaptureLayer::frameRate()
{
    FakeCamera &cam = addDefault();
    start();
    QVERIFY(!m_layer->setIdealFramerate(kPath2M, 0));
    QCOMPARE(m_layer->framesPerSecond(kPath2M), 0.0);
    QVERIFY(m_layer->setIdealFramerate(kPath2M, 15));
    QCOMPARE(m_layer->framesPerSecond(kPath2M), 10000000.0 / 666666);
    QVERIFY(m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    QCOMPARE(cam.timePerFrame.numerator, 666666u);
    QCOMPARE(cam.timePerFrame.denominator, 10000000u);
    // Only before setup.
    QVERIFY(!m_layer->setIdealFramerate(kPath2M, 30));
    QCOMPARE(int(m_layer->framesPerSecond(kPath2M)), 15);
}

void TstCaptureLayer::stopGivesFreshRecord()
{
    FakeCamera &cam = addDefault();
    start();
    m_layer->setIdealFramerate(kPath2M, 10);
    QVERIFY(m_layer->setupDevice(kPath2M, 1920, 1080, int(subtype::mjpgCode())));
    m_log.clear();
    QVERIFY(m_layer->stopDevice(kPath2M));
    QVERIFY(logHas(QStringLiteral("\nSETUP: Disconnecting device %1\n").arg(kPath2M)));
    QVERIFY(logHas(QStringLiteral("SETUP: Device %1 disconnected and freed\n\n").arg(kPath2M)));
    QVERIFY(!cam.streaming);
    QVERIFY(!m_layer->isDeviceSetup(kPath2M));
    QCOMPARE(m_layer->width(kPath2M), 0);
    QCOMPARE(m_layer->fourcc(kPath2M), 0);
    QCOMPARE(m_layer->framesPerSecond(kPath2M), 0.0);
    QCOMPARE(m_layer->modelName(kPath2M), QStringLiteral("V3-2M"));
    QCOMPARE(m_kernel->openFdCount(), 0);
    // And it can be set up again at another size.
    QVERIFY(m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    QCOMPARE(m_layer->width(kPath2M), 640);
    QVERIFY(!m_layer->stopDevice(QStringLiteral("unknown")));
}

void TstCaptureLayer::settings()
{
    addDefault();
    start();
    VideoSetting s;
    // Works on a device that is not streaming: it is opened for the call.
    QVERIFY(m_layer->getVideoSettingFilter(kPath2M, VideoProcAmp::Brightness, &s));
    QCOMPARE(s.minimum, -64L);
    QCOMPARE(s.maximum, 64L);
    QCOMPARE(s.step, 1L);
    QCOMPARE(s.defaultValue, 0L);
    QCOMPARE(s.current, 0L);
    QVERIFY(logHas(QStringLiteral("Setting video setting Brightness.\n")));
    QVERIFY(logHas(
        QStringLiteral("Range for video setting Brightness: Min:-64 Max:64 SteppingDelta:1 Default:0 Flags:2\n")));
    QCOMPARE(m_kernel->openFdCount(), 0);

    QVERIFY(m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    const QString node = QStringLiteral("/dev/video0");
    QVERIFY(m_layer->setVideoSettingFilter(kPath2M, VideoProcAmp::Brightness, 20));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_BRIGHTNESS), 20);
    QVERIFY(logHas(QStringLiteral("Current value: 0 Flags 2 (Manual)\n")));
    QVERIFY(m_layer->setVideoSettingFilter(kPath2M, VideoProcAmp::Brightness, 500));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_BRIGHTNESS), 64);
    QVERIFY(m_layer->setVideoSettingFilter(kPath2M, VideoProcAmp::Contrast, 1, 0, true));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_CONTRAST), 32);
    QVERIFY(m_layer->setVideoSettingFilter(kPath2M, VideoProcAmp::WhiteBalance, 0));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_AUTO_WHITE_BALANCE), 0);
    QVERIFY(m_layer->getVideoSettingFilter(kPath2M, VideoProcAmp::Gain, &s));
    QCOMPARE(s.maximum, 100L);

    // Controls the camera lacks are refused and nothing is sent.
    QVERIFY(!m_layer->getVideoSettingCamera(kPath2M, CameraControl::Pan, &s));
    QVERIFY(!m_layer->setVideoSettingCamera(kPath2M, CameraControl::Zoom, 3));
    QVERIFY(!m_layer->setVideoSettingFilter(kPath2M, VideoProcAmp::ColorEnable, 1));
    QVERIFY(!m_layer->getVideoSettingFilter(kPath2M, VideoProcAmp::RedBalance, &s));
    QVERIFY(logHas(QStringLiteral("Setting video setting Pan.\n")));
    QVERIFY(logHas(QStringLiteral("Setting video setting 10.\n")));
    QVERIFY(!m_layer->getVideoSettingFilter(QStringLiteral("nope"), VideoProcAmp::Gain, &s));
}

void TstCaptureLayer::exposureModes()
{
    addDefault();
    start();
    const QString node = QStringLiteral("/dev/video0");
    QVERIFY(m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    VideoSetting s;
    QVERIFY(m_layer->getVideoSettingCamera(kPath2M, CameraControl::Exposure, &s));
    QCOMPARE(s.flags, 1L); // aperture priority counts as automatic
    QCOMPARE(s.defaultValue, 156L);

    QVERIFY(m_layer->setVideoSettingCamera(kPath2M, CameraControl::Exposure, 300, 2));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_MANUAL));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_EXPOSURE_ABSOLUTE), 300);
    QVERIFY(m_layer->getVideoSettingCamera(kPath2M, CameraControl::Exposure, &s));
    QCOMPARE(s.flags, 2L);
    QCOMPARE(s.current, 300L);

    // Automatic: the device's own entry; the time stays as it was.
    QVERIFY(m_layer->setVideoSettingCamera(kPath2M, CameraControl::Exposure, 0, 1));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_APERTURE_PRIORITY));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_EXPOSURE_ABSOLUTE), 300);
    // While automatic the time cannot be written.
    QVERIFY(!m_layer->setVideoSettingCamera(kPath2M, CameraControl::Exposure, 500));

    QVERIFY(m_layer->setExposureMode(kPath2M, false));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_MANUAL));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_EXPOSURE_ABSOLUTE), 300);
    QVERIFY(m_layer->setVideoSettingCamera(kPath2M, CameraControl::Exposure, 500));
    QCOMPARE(m_kernel->controlValue(node, V4L2_CID_EXPOSURE_ABSOLUTE), 500);
}

void TstCaptureLayer::busyDevice()
{
    FakeCamera &cam = addDefault();
    start();
    cam.busy = true;
    QElapsedTimer t;
    t.start();
    QVERIFY(!m_layer->setupDevice(kPath2M, 1280, 720, int(subtype::mjpgCode())));
    QVERIFY(t.elapsed() < 2000);
    QVERIFY(logHas(QStringLiteral("ERROR: connecting device - prehaps it is already being used?\n")));
    QVERIFY(logHas(QStringLiteral("ERROR: Could not start graph\n")));
    QVERIFY(!m_layer->isDeviceSetup(kPath2M));
    QCOMPARE(m_kernel->openFdCount(), 0);
    // Once the other program lets go, the camera sets up at the size asked now.
    cam.busy = false;
    QVERIFY(m_layer->setupDevice(kPath2M, 1920, 1080, int(subtype::mjpgCode())));
    QCOMPARE(m_layer->width(kPath2M), 1920);
    QCOMPARE(m_layer->height(kPath2M), 1080);
}

void TstCaptureLayer::openFailure()
{
    FakeCamera &cam = addDefault();
    start();
    cam.openErrno = EBUSY;
    QVERIFY(!m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    QVERIFY(logHas(QStringLiteral("ERROR - Could not find specified video device\n")));
    VideoSetting s;
    QVERIFY(!m_layer->getVideoSettingFilter(kPath2M, VideoProcAmp::Brightness, &s));
    QVERIFY(logHas(QStringLiteral("setVideoSetting - getDevice Error\n")));
}

void TstCaptureLayer::syncRemovesVanished()
{
    FakeCamera &cam = addDefault();
    m_kernel->addCamera(QStringLiteral("/dev/video4"), "usb-0000:00:14.0-5", QStringLiteral("1-5"), k2MSizes);
    start();
    QCOMPARE(m_layer->acceptedDevices().size(), 2);
    QVERIFY(m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    m_layer->setIdealFramerate(QStringLiteral("v4l2:usb-0000:00:14.0-5#vid_0c45&pid_62c1"), 5);

    m_kernel->unplug(cam.node);
    m_layer->enumerateDevices(true);
    QCOMPARE(m_layer->acceptedDevices().size(), 1);
    m_layer->syncDevices(m_layer->acceptedDevices());
    QVERIFY(!m_layer->hasDevice(kPath2M));
    QVERIFY(!m_layer->isDeviceSetup(kPath2M));
    // The one that stayed keeps its record.
    QCOMPARE(int(m_layer->framesPerSecond(QStringLiteral("v4l2:usb-0000:00:14.0-5#vid_0c45&pid_62c1"))), 5);
}

void TstCaptureLayer::oddSysfs()
{
    // No sysfs at all: nothing found, nothing opened.
    V4l2Backend none(m_kernel, m_sys->path() + QStringLiteral("/missing"));
    QVERIFY(none.enumerate().isEmpty());

    // A node whose USB numbers cannot be read is seen but never accepted.
    FakeCamera &cam = addDefault();
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    QFile::remove(m_sys->path() + QStringLiteral("/class/video4linux/video0/device"));
    QVERIFY(QFile::link(m_sys->path() + QStringLiteral("/nowhere"),
                        m_sys->path() + QStringLiteral("/class/video4linux/video0/device")));
    m_layer->setBackends({std::make_shared<V4l2Backend>(m_kernel, m_sys->path())});
    QCOMPARE(m_layer->enumerateDevices(true), 1);
    QVERIFY(m_layer->acceptedDevices().isEmpty());

    // Garbage in the number files: the same.
    const QString usb = m_sys->path() + QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/1-2");
    QFile::remove(m_sys->path() + QStringLiteral("/class/video4linux/video0/device"));
    QVERIFY(QFile::link(usb + QStringLiteral("/1-2:1.0"),
                        m_sys->path() + QStringLiteral("/class/video4linux/video0/device")));
    QFile f(usb + QStringLiteral("/idVendor"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xff\xfe\n");
    f.close();
    m_layer->enumerateDevices(true);
    QVERIFY(m_layer->acceptedDevices().isEmpty());
    Q_UNUSED(cam);

    // The machine's own devices: whatever is there, the scan comes back.
    V4l2Backend real;
    real.enumerate();
}

void TstCaptureLayer::grantedRate_data()
{
    QTest::addColumn<QVector<int>>("listed"); // ENUM_FRAMEINTERVALS; empty = not answered
    QTest::addColumn<QVector<int>>("driver"); // S_PARM snaps to these; empty = takes any
    QTest::addColumn<int>("asked");           // 0: no rate asked for
    QTest::addColumn<double>("granted");

    QTest::newRow("listed rate") << QVector<int>{30, 15, 5} << QVector<int>{30, 15, 5} << 15 << 15.0;
    QTest::newRow("nearest listed") << QVector<int>{30, 15, 5} << QVector<int>{30, 15, 5} << 20 << 15.0;
    QTest::newRow("tie goes to the faster") << QVector<int>{30, 20} << QVector<int>{30, 20} << 25 << 30.0;
    QTest::newRow("S_PARM adjusts") << QVector<int>{} << QVector<int>{25, 10} << 30 << 25.0;
    QTest::newRow("nothing asked: read back") << QVector<int>{30} << QVector<int>{30} << 0 << 30.0;
}

void TstCaptureLayer::grantedRate()
{
    QFETCH(QVector<int>, listed);
    QFETCH(QVector<int>, driver);
    QFETCH(int, asked);
    QFETCH(double, granted);
    FakeCamera &cam = addDefault();
    for (FakeFormat &f : cam.formats)
        f.fps = listed;
    cam.parmFps = driver;
    start();
    if (asked > 0)
        QVERIFY(m_layer->setIdealFramerate(kPath2M, asked));
    QVERIFY(m_layer->setupDevice(kPath2M, 1280, 720, int(subtype::mjpgCode())));
    QCOMPARE(double(cam.timePerFrame.denominator) / cam.timePerFrame.numerator, granted);
    QCOMPARE(m_layer->grantedFramesPerSecond(kPath2M), granted);
    if (asked > 0 && int(granted) != asked)
        QVERIFY(logHas(
            QStringLiteral("SETUP: asked for %1.00 fps, the device runs at %2.00 fps\n").arg(asked).arg(int(granted))));
    // The request itself is kept for the next setup.
    QCOMPARE(int(m_layer->framesPerSecond(kPath2M)), asked);
}

void TstCaptureLayer::adjustedListedSize()
{
    // Listed as 1920 x 1080, yet S_FMT answers 1920 x 1088: the stream runs at
    // what the driver chose, and the frames are sized from that.
    FakeCamera &cam = addDefault();
    cam.sfmtAdjust = {{QSize(1920, 1080), QSize(1920, 1088)}};
    start();
    QVERIFY(m_layer->setupDevice(kPath2M, 1920, 1080, int(subtype::mjpgCode())));
    QCOMPARE(QSize(m_layer->width(kPath2M), m_layer->height(kPath2M)), QSize(1920, 1088));
    QCOMPARE(m_layer->frameCallback(kPath2M)->height(), 1088);
    QVERIFY(logHas(QStringLiteral("SETUP: the device adjusted 1920 by 1080 to 1920 by 1088\n")));
    QVERIFY(cam.streaming);
}

void TstCaptureLayer::tooFewBuffers()
{
    FakeCamera &cam = addDefault();
    cam.maxBuffers = 2; // fewer than asked: enough
    start();
    QVERIFY(m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    QCOMPARE(cam.buffers.size(), 2);
    m_layer->stopDevice(kPath2M);
    cam.maxBuffers = 1; // too few to stream: refused, with the call named
    m_log.clear();
    QVERIFY(!m_layer->setupDevice(kPath2M, 640, 480, int(subtype::mjpgCode())));
    QVERIFY(logHas(QStringLiteral("ERROR: VIDIOC_REQBUFS granted 1 buffers, 2 needed\n")));
    QVERIFY(cam.buffers.isEmpty());
}

void TstCaptureLayer::lockedAndNamed()
{
    // Two cameras of one model in ports 1-2 and 1-3.4 (behind a hub), a third
    // of that model nobody may open, and one of another model.
    addDefault();
    m_kernel->addCamera(QStringLiteral("/dev/video2"), "usb-0000:00:14.0-3.4", QStringLiteral("1-3.4"), k2MSizes);
    m_kernel->addCamera(QStringLiteral("/dev/video4"), "usb-0000:00:14.0-5", QStringLiteral("1-5"), k2MSizes)
        .openErrno = EACCES;
    m_kernel->addCamera(QStringLiteral("/dev/video6"), "usb-0000:00:14.0-6", QStringLiteral("1-6"), {{1280, 1024}})
        .productId = 0x0223;
    start();
    const QVector<CameraDeviceInfo> open = m_layer->acceptedDevices();
    QCOMPARE(open.size(), 3);
    QCOMPARE(open[0].displayName, QStringLiteral("V3-2M (USB 1-2)"));
    QCOMPARE(open[1].displayName, QStringLiteral("V3-2M (USB 1-3.4)"));
    QCOMPARE(open[2].displayName, QStringLiteral("V3-5M"));
    QCOMPARE(m_layer->displayName(open[1].devicePath), open[1].displayName);
    const QVector<CameraDeviceInfo> locked = m_layer->lockedDevices();
    QCOMPARE(locked.size(), 1);
    QVERIFY(!locked[0].accessible);
    QVERIFY(locked[0].sizes.isEmpty());
    // The path it will have once it may be opened: the driver's bus name, read from sysfs.
    QCOMPARE(locked[0].devicePath, QStringLiteral("v4l2:usb-0000:00:14.0-5#vid_0c45&pid_62c1"));
    QCOMPARE(locked[0].displayName, QStringLiteral("V3-2M (USB 1-5)"));
    QVERIFY(logHas(QStringLiteral("SETUP: USB2.0 Microscope (v4l2:usb-0000:00:14.0-5#vid_0c45&pid_62c1) cannot be "
                                  "opened: permission denied\n")));
    // Names stay while the cameras stay in their ports.
    m_layer->enumerateDevices(true);
    QCOMPARE(m_layer->acceptedDevices()[1].displayName, QStringLiteral("V3-2M (USB 1-3.4)"));
}

void TstCaptureLayer::scanPrintedOnChange()
{
    FakeCamera &cam = addDefault();
    m_kernel->addCamera(QStringLiteral("/dev/video4"), "usb-0000:00:14.0-5", QStringLiteral("1-5"), k2MSizes);
    start();
    const QString block = QStringLiteral("\nCAPTURE DEVICE SCAN\n\n");
    QCOMPARE(m_log.count(block), 1);
    m_layer->enumerateDevices(false);
    m_layer->enumerateDevices(false);
    QCOMPARE(m_log.count(block), 1); // the same set: quiet
    m_kernel->unplug(cam.node);
    m_layer->enumerateDevices(false);
    QCOMPARE(m_log.count(block), 2);
    QVERIFY(logHas(QStringLiteral("SETUP: 1 Device(s) found\n\n")));
}

QTEST_MAIN(TstCaptureLayer)
#include "tst_capturelayer.moc"
