// The camera panel, the device's own dialog and the stored record agree with
// the device; the device dialog follows the current camera; full screen ends
// on a double click on the picture.
#include "capture/devicesettingsdialog.h"
#include "mainwindowrig.h"
#include "widgets/funcwidget.h"
#include "widgets/paramslider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <linux/videodev2.h>

using namespace rig;

namespace {

using H = CameraHub;

int deviceValue(const QString &cam, int key) { return CameraHub::instance()->getPropertyRange(cam, key).current; }

QSwitchButton *switchRow(Rig &rig, int key) { return qobject_cast<QSwitchButton *>(rig.window->paramRow(key)); }

// Every row and the camera's record hold exactly what the device has.
void expectDeviceValues(Rig &rig)
{
    CameraHub *hub = CameraHub::instance();
    const QString cam = rig.window->currentCamera();
    CameraParamPanel *panel = rig.window->paramPanel();
    const CameraConfig c = rig.window->settings().cameras.value(cam);
    for (int key : {H::Exposure, H::Gain, H::Brightness, H::Contrast, H::Saturation, H::Hue, H::Gamma, H::Sharpness,
                    H::ColourTemperature}) {
        const PropertyRange r = hub->getPropertyRange(cam, key);
        QVERIFY2(r.supported, qPrintable(QString::number(key)));
        QCOMPARE(panel->rowValue(key), r.current);
    }
    const bool autoExposure = hub->getPropertyRange(cam, H::Exposure).flags & 1;
    const bool autoWb = deviceValue(cam, H::WhiteBalance) != 0;
    QCOMPARE(switchRow(rig, H::ExposureMode)->isChecked(), autoExposure);
    QCOMPARE(switchRow(rig, H::WhiteBalance)->isChecked(), autoWb);
    QCOMPARE(rig.window->paramRow(H::Exposure)->isEnabled(), !autoExposure);
    QCOMPARE(rig.window->paramRow(H::ColourTemperature)->isEnabled(), !autoWb);
    QCOMPARE(c.params[CameraConfig::Exposure].isAutomatic(), autoExposure);
    QCOMPARE(c.params[CameraConfig::Exposure].current(), deviceValue(cam, H::Exposure));
    QCOMPARE(c.params[CameraConfig::Brightness].current(), deviceValue(cam, H::Brightness));
    QCOMPARE(c.autoWhiteBalance, autoWb);
    QCOMPARE(c.colourTemperature, deviceValue(cam, H::ColourTemperature));
}

// Manual exposure at 40, white balance by hand at 3500 K, through the device dialog.
void changeInDialog(DeviceSettingsDialog *d)
{
    auto *autoWb = qobject_cast<QCheckBox *>(d->controlWidget(V4L2_CID_AUTO_WHITE_BALANCE));
    auto *temperature = qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_WHITE_BALANCE_TEMPERATURE));
    auto *mode = qobject_cast<QComboBox *>(d->controlWidget(V4L2_CID_EXPOSURE_AUTO));
    auto *exposure = qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_EXPOSURE_ABSOLUTE));
    QVERIFY(autoWb && temperature && mode && exposure);
    autoWb->setChecked(false);
    temperature->setValue(3500);
    emit mode->activated(mode->findData(V4L2_EXPOSURE_MANUAL));
    exposure->setValue(40);
}

} // namespace

class TstCameraControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    void panelShowsDevice_data()
    {
        QTest::addColumn<QString>("step");
        for (const char *step : {"first open", "device dialog", "restore defaults", "restart"})
            QTest::newRow(step) << QString(step);
    }
    void panelShowsDevice()
    {
        QFETCH(QString, step);
        Rig rig;
        QVERIFY(rig.waitFrames(1));
        const QString cam = rig.window->currentCamera();
        CameraHub *hub = CameraHub::instance();
        CameraParamPanel *panel = rig.window->paramPanel();
        if (step == "first open") {
            // The simulated microscope starts with both automatic modes on.
            QVERIFY(switchRow(rig, H::WhiteBalance)->isChecked());
            QVERIFY(switchRow(rig, H::ExposureMode)->isChecked());
        } else if (step == "device dialog") {
            changeInDialog(panel->openDeviceDialog(rig.window.get()));
            QCOMPARE(panel->rowValue(H::ColourTemperature), 3500);
            QCOMPARE(panel->rowValue(H::Exposure), 40);
            QVERIFY(!switchRow(rig, H::WhiteBalance)->isChecked());
        } else if (step == "restore defaults") {
            QTest::mousePress(switchRow(rig, H::WhiteBalance), Qt::LeftButton);
            QTest::mousePress(switchRow(rig, H::ExposureMode), Qt::LeftButton);
            qobject_cast<ParamSlider *>(rig.window->paramRow(H::ColourTemperature))->setDeviceValue(3000);
            qobject_cast<ParamSlider *>(rig.window->paramRow(H::Brightness))->setDeviceValue(60);
            QCOMPARE(deviceValue(cam, H::ColourTemperature), 3000);
            QVERIFY(!(hub->getPropertyRange(cam, H::Exposure).flags & 1));
            rig.ui()->btnCamParamReset->click();
            for (int key : {H::ColourTemperature, H::Brightness, H::Exposure})
                QCOMPARE(deviceValue(cam, key), hub->getPropertyRange(cam, key).defaultValue);
            QVERIFY(deviceValue(cam, H::WhiteBalance));
            QVERIFY(hub->getPropertyRange(cam, H::Exposure).flags & 1);
        } else {
            changeInDialog(panel->openDeviceDialog(rig.window.get()));
            // A new device at its defaults: the stored settings bring the change back.
            rig.window.reset();
            rig.sim = std::make_shared<SimulatedBackend>(
                QVector<SimCameraSpec>{spec("a", 0x62C1, {{640, 480}, {1280, 720}, {1920, 1080}})});
            hub->setBackends({rig.sim});
            rig.open();
            QCOMPARE(rig.window->currentCamera(), cam);
            QCOMPARE(deviceValue(cam, H::ColourTemperature), 3500);
            QCOMPARE(deviceValue(cam, H::Exposure), 40);
            QVERIFY(!switchRow(rig, H::WhiteBalance)->isChecked());
        }
        expectDeviceValues(rig);
    }

    // A double click on the value opens a box; what is typed goes to the
    // device, held to the control's range.
    void typedValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");
        QTest::newRow("inside") << "1234" << 1234;
        // The box refuses a digit that would leave the range.
        QTest::newRow("past the range") << "99999" << 999;
    }
    void typedValue()
    {
        QFETCH(QString, typed);
        QFETCH(int, expected);
        Rig rig;
        QVERIFY(rig.waitFrames(1));
        rig.ui()->btnSetting->click();
        if (switchRow(rig, H::ExposureMode)->isChecked())
            QTest::mousePress(switchRow(rig, H::ExposureMode), Qt::LeftButton);
        auto *slider = qobject_cast<ParamSlider *>(rig.window->paramRow(H::Exposure));
        QLabel *value = nullptr;
        for (QLabel *l : slider->parentWidget()->findChildren<QLabel *>(QStringLiteral("value"))) {
            if (l->property("slider").value<QObject *>() == slider)
                value = l;
        }
        QVERIFY(value);
        QTest::mouseDClick(value, Qt::LeftButton);
        auto *box = qobject_cast<QSpinBox *>(slider->editor());
        QVERIFY(box && box->isVisible());
        box->selectAll();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!slider->editor());
        QCOMPARE(deviceValue(rig.window->currentCamera(), H::Exposure), expected);
        QCOMPARE(slider->deviceValue(), expected);
        QCOMPARE(value->text(), QString::number(expected));
        QCOMPARE(rig.window->settings().cameras[rig.window->currentCamera()].params[CameraConfig::Exposure].current(),
                 expected);
    }

    // The simulated focus drive has a row of its own in the exposure group,
    // which moves the device's focus and follows the device dialog's.
    void focusRow()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(1));
        const QString cam = rig.window->currentCamera();
        auto *slider = qobject_cast<ParamSlider *>(rig.window->paramRow(H::Focus));
        QVERIFY(slider && slider->isVisibleTo(rig.window->paramPanel()->group(0)));
        QCOMPARE(slider->deviceValue(), SimOptics::kFocusRest);
        slider->setDeviceValue(SimOptics::kFocusRest + 40);
        QCOMPARE(deviceValue(cam, H::Focus), SimOptics::kFocusRest + 40);
        DeviceSettingsDialog *d = rig.window->paramPanel()->openDeviceDialog(rig.window.get());
        auto *inDialog = qobject_cast<QSlider *>(d->controlWidget(V4L2_CID_FOCUS_ABSOLUTE));
        QVERIFY(inDialog);
        QCOMPARE(inDialog->value(), SimOptics::kFocusRest + 40);
        inDialog->setValue(SimOptics::kFocusRest - 10);
        QCOMPARE(slider->deviceValue(), SimOptics::kFocusRest - 10);
    }

    void dialogFollowsCurrentCamera()
    {
        Rig rig({spec("a", 0x62C1, {{640, 480}}), spec("b", 0x0223, {{1280, 1024}})});
        CameraParamPanel *panel = rig.window->paramPanel();
        const QString first = rig.window->currentCamera();
        QPointer<DeviceSettingsDialog> d = panel->openDeviceDialog(rig.window.get());
        QVERIFY(d && d->isVisible());
        rig.ui()->boxCam->setCurrentIndex(1);
        const QString second = rig.window->currentCamera();
        QVERIFY(second != first);
        QVERIFY(!d || !d->isVisible());
        QPointer<DeviceSettingsDialog> now = panel->deviceDialog();
        QVERIFY(now && now->isVisible());
        QCOMPARE(now->devicePath(), second);
        // Its controls act on the new camera and reach the panel.
        changeInDialog(now);
        QCOMPARE(deviceValue(second, H::ColourTemperature), 3500);
        expectDeviceValues(rig);
        // Closed with its camera.
        CameraHub::instance()->closeCamera(second);
        QVERIFY(!now || !now->isVisible());
    }

    void doubleClickOnPictureLeavesFullScreen()
    {
        Rig rig;
        rig.window->onBtnFullScreen();
        QVERIFY(!rig.ui()->headFrame->isVisible());
        QWidget *picture = rig.ui()->camViewer->viewport();
        QTest::mouseDClick(picture, Qt::LeftButton, Qt::NoModifier, picture->rect().center());
        QVERIFY(rig.ui()->headFrame->isVisible());
        QVERIFY(!rig.window->isFullScreen());
    }
};

QTEST_MAIN(TstCameraControls)
#include "tst_cameracontrols.moc"
