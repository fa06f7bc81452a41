#include "capture/capturelayer.h"
#include "capture/devicesettingsdialog.h"
#include "capture/devicetable.h"
#include "capture/simbackend.h"
#include "capture/subtypes.h"
#include "capture/v4l2backend.h"
#include "fakekernel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

namespace {
const QString kNode = QStringLiteral("/dev/video0");
const QString kPath = QStringLiteral("v4l2:usb-0000:00:14.0-2#vid_0c45&pid_62c1");
} // namespace

class TstDeviceSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { buildDeviceTable(); }
    void init();
    void cleanup();

    void widgetsFollowControls();
    void sliderMovesControl();
    void automaticModesFreeOtherControls();
    void defaults();
    void cameraGone();
    void rowsFitAcross_data();
    void rowsFitAcross();

private:
    DeviceSettingsDialog *dialog();

    std::shared_ptr<FakeKernel> m_kernel;
    std::unique_ptr<QTemporaryDir> m_sys;
    std::unique_ptr<CaptureLayer> m_layer;
};

void TstDeviceSettings::init()
{
    setCaptureVerbose(false);
    m_kernel = std::make_shared<FakeKernel>();
    m_sys = std::make_unique<QTemporaryDir>();
    FakeCamera &cam = m_kernel->addCamera(kNode, "usb-0000:00:14.0-2", QStringLiteral("1-2"), {{640, 480}});
    FakeControl reset;
    memset(&reset.query, 0, sizeof reset.query);
    reset.query.id = V4L2_CID_PAN_RESET;
    reset.query.type = V4L2_CTRL_TYPE_BUTTON;
    strcpy(reinterpret_cast<char *>(reset.query.name), "Pan, Reset");
    cam.controls.insert(reset.query.id, reset);
    QVERIFY(m_kernel->writeSysfs(m_sys->path()));
    m_layer = std::make_unique<CaptureLayer>();
    m_layer->setBackends({std::make_shared<V4l2Backend>(m_kernel, m_sys->path())});
    m_layer->enumerateDevices(true);
    m_layer->syncDevices(m_layer->acceptedDevices());
    QVERIFY(m_layer->setupDevice(kPath, 640, 480, int(subtype::mjpgCode())));
}

void TstDeviceSettings::cleanup()
{
    m_layer.reset();
    QCOMPARE(m_kernel->openFdCount(), 0);
    setCaptureVerbose(true);
}

DeviceSettingsDialog *TstDeviceSettings::dialog()
{
    if (!m_layer->showSettingsWindow(kPath))
        return nullptr;
    return qobject_cast<DeviceSettingsDialog *>(m_layer->settingsWindow(kPath));
}

void TstDeviceSettings::widgetsFollowControls()
{
    DeviceSettingsDialog *d = dialog();
    QVERIFY(d);
    QVERIFY(d->windowTitle().contains(QLatin1String("V3-2M")));
    QVERIFY(!d->isModal());
    QVERIFY(qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_BRIGHTNESS)));
    QVERIFY(qobject_cast<QCheckBox *>(d->controlWidget(V4L2_CID_AUTO_WHITE_BALANCE)));
    QVERIFY(qobject_cast<QPushButton *>(d->controlWidget(V4L2_CID_PAN_RESET)));
    QVERIFY(!d->controlWidget(V4L2_CID_USER_CLASS)); // class headings are no controls
    auto *power = qobject_cast<QComboBox *>(d->controlWidget(V4L2_CID_POWER_LINE_FREQUENCY));
    QVERIFY(power);
    QCOMPARE(power->count(), 3);
    QCOMPARE(power->currentText(), QStringLiteral("50 Hz"));
    // Menus with holes list only what the device offers.
    auto *exposure = qobject_cast<QComboBox *>(d->controlWidget(V4L2_CID_EXPOSURE_AUTO));
    QCOMPARE(exposure->count(), 2);
    QCOMPARE(exposure->currentData().toInt(), int(V4L2_EXPOSURE_APERTURE_PRIORITY));
    auto *contrast = qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_CONTRAST));
    QCOMPARE(contrast->minimum(), 0);
    QCOMPARE(contrast->maximum(), 64);
    QCOMPARE(contrast->value(), 32);
}

void TstDeviceSettings::sliderMovesControl()
{
    DeviceSettingsDialog *d = dialog();
    auto *slider = qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_BRIGHTNESS));
    QVERIFY(slider);
    QCOMPARE(slider->value(), 0);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_BRIGHTNESS), 1);
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_BRIGHTNESS), 64);
    // A click into the groove pages towards the pointer.
    d->resize(500, 600);
    d->show();
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(2, slider->height() / 2));
    QVERIFY(m_kernel->controlValue(kNode, V4L2_CID_BRIGHTNESS) < 64);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_BRIGHTNESS), slider->value());

    auto *power = qobject_cast<QComboBox *>(d->controlWidget(V4L2_CID_POWER_LINE_FREQUENCY));
    QTest::keyClick(power, Qt::Key_Down);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_POWER_LINE_FREQUENCY), 2);
}

void TstDeviceSettings::automaticModesFreeOtherControls()
{
    DeviceSettingsDialog *d = dialog();
    d->show();
    QWidget *temperature = d->controlWidget(V4L2_CID_WHITE_BALANCE_TEMPERATURE);
    QWidget *time = d->controlWidget(V4L2_CID_EXPOSURE_ABSOLUTE);
    QVERIFY(!temperature->isEnabled());
    QVERIFY(!time->isEnabled());

    auto *awb = qobject_cast<QCheckBox *>(d->controlWidget(V4L2_CID_AUTO_WHITE_BALANCE));
    QVERIFY(awb->isChecked());
    // On the box itself, which sits at the left of its cell.
    QTest::mouseClick(awb, Qt::LeftButton, Qt::NoModifier, QPoint(8, awb->height() / 2));
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_AUTO_WHITE_BALANCE), 0);
    QVERIFY(temperature->isEnabled());

    auto *exposure = qobject_cast<QComboBox *>(d->controlWidget(V4L2_CID_EXPOSURE_AUTO));
    QTest::keyClick(exposure, Qt::Key_Up);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_MANUAL));
    QVERIFY(time->isEnabled());
    // A page is a twentieth of the range.
    auto *timeSlider = qobject_cast<QSlider *>(time);
    QCOMPARE(timeSlider->pageStep(), (timeSlider->maximum() - timeSlider->minimum()) / 20);
    QTest::keyClick(time, Qt::Key_PageUp);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_ABSOLUTE), 156 + timeSlider->pageStep());
}

void TstDeviceSettings::defaults()
{
    DeviceSettingsDialog *d = dialog();
    auto *slider = qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_BRIGHTNESS));
    QTest::keyClick(slider, Qt::Key_End);
    QTest::keyClick(d->controlWidget(V4L2_CID_AUTO_WHITE_BALANCE), Qt::Key_Space);
    QVERIFY(m_layer->setDeviceControl(kPath, V4L2_CID_WHITE_BALANCE_TEMPERATURE, 3000));
    QVERIFY(m_layer->setDeviceControl(kPath, V4L2_CID_EXPOSURE_AUTO, V4L2_EXPOSURE_MANUAL));
    QVERIFY(m_layer->setDeviceControl(kPath, V4L2_CID_EXPOSURE_ABSOLUTE, 900));
    d->refresh();
    QCOMPARE(qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_EXPOSURE_ABSOLUTE))->value(), 900);

    auto *button = d->findChild<QPushButton *>(QStringLiteral("btnDefaults"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_BRIGHTNESS), 0);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_AUTO_WHITE_BALANCE), 1);
    QCOMPARE(m_kernel->controlValue(kNode, V4L2_CID_EXPOSURE_AUTO), int(V4L2_EXPOSURE_APERTURE_PRIORITY));
    QCOMPARE(slider->value(), 0);
    // Also the controls an automatic mode locks once it is back on.
    for (const ControlInfo &c : m_layer->deviceControls(kPath)) {
        if (c.id == V4L2_CID_WHITE_BALANCE_TEMPERATURE || c.id == V4L2_CID_EXPOSURE_ABSOLUTE)
            QCOMPARE(m_kernel->controlValue(kNode, c.id), c.defaultValue);
    }
}

void TstDeviceSettings::cameraGone()
{
    DeviceSettingsDialog *d = dialog();
    QPointer<DeviceSettingsDialog> guard(d);
    auto *slider = qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_BRIGHTNESS));
    m_kernel->unplug(kNode);
    QTest::keyClick(slider, Qt::Key_Right); // refused quietly
    d->refresh();
    QVERIFY(guard);
    // The device leaves the list: its dialog goes with it.
    m_layer->enumerateDevices(true);
    m_layer->syncDevices(m_layer->acceptedDevices());
    QVERIFY(!guard);
    QVERIFY(!m_layer->showSettingsWindow(kPath));
}

void TstDeviceSettings::rowsFitAcross_data()
{
    QTest::addColumn<bool>("simulated");
    QTest::addColumn<qreal>("fontScale"); // 2: a desktop at twice the font DPI
    QTest::newRow("fake kernel") << false << 1.0;
    QTest::newRow("simulated") << true << 1.0;
    QTest::newRow("simulated, large fonts") << true << 2.0;
}

void TstDeviceSettings::rowsFitAcross()
{
    QFETCH(bool, simulated);
    QFETCH(qreal, fontScale);
    const QFont appFont = QApplication::font();
    auto restoreFont = qScopeGuard([&] { QApplication::setFont(appFont); });
    QFont font = appFont;
    font.setPointSizeF(font.pointSizeF() * fontScale);
    QApplication::setFont(font);

    CaptureLayer *layer = m_layer.get();
    QString path = kPath;
    std::unique_ptr<CaptureLayer> simLayer;
    if (simulated) {
        auto sim = SimulatedBackend::demo(1);
        simLayer = std::make_unique<CaptureLayer>();
        simLayer->setBackends({sim});
        simLayer->enumerateDevices(true);
        simLayer->syncDevices(simLayer->acceptedDevices());
        path = sim->pathOf(0);
        QVERIFY(simLayer->setupDevice(path, 640, 480, int(subtype::mjpgCode())));
        layer = simLayer.get();
    }
    QVERIFY(layer->showSettingsWindow(path));
    auto *d = qobject_cast<DeviceSettingsDialog *>(layer->settingsWindow(path));
    QVERIFY(d);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    // Run again under QT_SCALE_FACTOR=2 (tests/capture/extra.cmake).
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    QCOMPARE(d->devicePixelRatioF(), scale.isEmpty() ? 1.0 : scale.toDouble());
    auto *scroll = d->findChild<QScrollArea *>();
    QVERIFY(scroll);
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    // Nothing is cut off at the right; where the screen has room, the dialog
    // opens wide enough for every row's own width and no menu is squeezed.
    QWidget *viewport = scroll->viewport();
    const int wanted = scroll->widget()->sizeHint().width();
    const bool roomy = d->screen()->availableGeometry().width() >= 2 * wanted;
    if (roomy)
        QVERIFY(viewport->width() >= wanted);
    const QList<QWidget *> all = scroll->widget()->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->isVisible())
            continue;
        QVERIFY2(w->mapTo(viewport, QPoint(w->width(), 0)).x() <= viewport->width(), qPrintable(w->objectName()));
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && roomy)
            QVERIFY(combo->width() >= combo->sizeHint().width());
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(label->text()));
            if (!label->wordWrap()) // a value next to its slider
                QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        }
    }
    d->close();
}

QTEST_MAIN(TstDeviceSettings)
#include "tst_devicesettings.moc"
