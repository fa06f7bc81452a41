// Runs with QT_SCALE_FACTOR=2 (tests/calib/extra.cmake): every view pixel
// is two device pixels, and the screen is measured per device pixel.
#include "calib/bdwidget.h"
#include "core/appsettings.h"
#include "core/screenmetrics.h"
#include "measure/camerascene.h"
#include "measure/textshapes.h"
#include "ui_bdwidget.h"
#include "view/cameraviewer.h"

#include <QtTest>

class TstRulerDpr2 : public QObject
{
    Q_OBJECT
private slots:
    void readingInDevicePixels_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("actual");
        QTest::newRow("1 mm") << 0 << "1";
        QTest::newRow("1000 um") << 2 << "1000";
    }

    void readingInDevicePixels()
    {
        QFETCH(int, unit);
        QFETCH(QString, actual);
        setScreenMmPerPixel(0.25375);
        AppSettings settings;
        CameraViewer view;
        BDWidget tools;
        QImage img(400, 300, QImage::Format_RGB32);
        img.fill(Qt::white);
        view.setFixedSize(img.size());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.devicePixelRatioF(), 2.0);
        CameraScene *scene = view.cameraScene();
        scene->setSettings(&settings);
        scene->setImage(img);
        scene->fitToView(img.size());
        tools.setup(scene, &settings);

        // The ruler starts 200 picture pixels long: 200 logical, 400 device pixels.
        tools.onBtnBDEdit();
        QVERIFY(scene->ruler());
        QCOMPARE(scene->ruler()->viewLength(), 200.0);
        tools.form()->boxBDUnit->setCurrentIndex(unit);
        tools.form()->labelBDRealLen->setText(actual);
        tools.onMeasureChanged();
        QCOMPARE(tools.form()->labelBDName->text(), QStringLiteral("101.50X"));

        // The calibration itself counts picture pixels, whatever the screen.
        tools.onBDNewData();
        QCOMPARE(settings.calibrations.size(), 1);
        QCOMPARE(settings.calibrations[0].factor, actual.toDouble() / 200.0);
    }
};

QTEST_MAIN(TstRulerDpr2)
#include "ruler_dpr2.moc"
