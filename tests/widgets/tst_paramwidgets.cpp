#include "widgets/funcwidget.h"
#include "widgets/paramslider.h"
#include "widgets/qswitchbutton.h"

#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

class TstParamWidgets : public QObject
{
    Q_OBJECT
private slots:
    void switchToggles()
    {
        QSwitchButton sw;
        QCOMPARE(sw.size(), QSize(61, 27));
        QVERIFY(sw.isChecked());
        QSignalSpy plain(&sw, qOverload<>(&QSwitchButton::clicked));
        QSignalSpy withState(&sw, qOverload<bool>(&QSwitchButton::clicked));
        QTest::mousePress(&sw, Qt::LeftButton);
        QVERIFY(!sw.isChecked());
        QCOMPARE(plain.count(), 1);
        QCOMPARE(withState.count(), 1);
        QCOMPARE(withState.at(0).at(0).toBool(), false);
        QTest::mousePress(&sw, Qt::LeftButton);
        QCOMPARE(withState.at(1).at(0).toBool(), true);

        sw.setChecked(false); // from code: no signal
        QCOMPARE(withState.count(), 2);
        sw.setEnabled(false);
        QTest::mousePress(&sw, Qt::LeftButton);
        QVERIFY(!sw.isChecked());
        QCOMPARE(withState.count(), 2);
    }

    void switchPaintsState()
    {
        QSwitchButton sw;
        QImage on(sw.size(), QImage::Format_ARGB32);
        on.fill(Qt::transparent);
        sw.render(&on);
        sw.setChecked(false);
        QImage off(sw.size(), QImage::Format_ARGB32);
        off.fill(Qt::transparent);
        sw.render(&off);
        QVERIFY(on != off);
        // The on track is blue, the off track grey.
        const QColor onTrack = on.pixelColor(14, 13);
        QVERIFY2(onTrack.blue() > onTrack.red() + 60, qPrintable(onTrack.name()));
        const QColor offTrack = off.pixelColor(46, 13);
        QVERIFY2(qAbs(offTrack.red() - offTrack.blue()) < 40, qPrintable(offTrack.name()));
    }

    void rows()
    {
        FuncWidget group;
        QSwitchButton *sw = group.addSwitch("自动曝光");
        QSlider *slider = group.addSlider("曝光时间");
        QCOMPARE(sw->property("name").toString(), QStringLiteral("自动曝光"));
        QCOMPARE(slider->property("name").toString(), QStringLiteral("曝光时间"));
        QCOMPARE(group.rowNames(), QStringList({"自动曝光", "曝光时间"}));
        QCOMPARE(group.row("曝光时间"), slider);
        QCOMPARE(group.nameLabel("自动曝光")->text(), QStringLiteral("自动曝光"));
        group.setRowText("自动曝光", "Auto exposure");
        QCOMPARE(group.nameLabel("自动曝光")->text(), QStringLiteral("Auto exposure"));
        QVERIFY(group.row("自动曝光"));

        // The value label follows the slider.
        slider->setRange(-10, 10);
        slider->setValue(-7);
        const QList<QLabel *> labels = group.widget()->findChildren<QLabel *>();
        bool shown = false;
        for (QLabel *l : labels)
            shown |= l->text() == QLatin1String("-7");
        QVERIFY(shown);
    }

    // The wheel over a slider scrolls the panel and never moves the slider.
    void wheelNeverChangesValue()
    {
        FuncWidget group;
        group.resize(240, 120);
        QList<QSlider *> sliders;
        for (int i = 0; i < 10; ++i) {
            QSlider *s = group.addSlider(QString("row %1").arg(i));
            s->setRange(0, 100);
            s->setValue(50);
            sliders << s;
        }
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        QSlider *s = sliders.first();
        auto wheelOn = [](QSlider *target) {
            const QPoint c = target->rect().center();
            QWheelEvent wheel(QPointF(c), QPointF(target->mapToGlobal(c)), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        };
        wheelOn(s);
        QCOMPARE(s->value(), 50);
        // The same wheel moves a slider that has no filter.
        QSlider plain(Qt::Horizontal);
        plain.setRange(0, 100);
        plain.setValue(50);
        wheelOn(&plain);
        QVERIFY(plain.value() != 50);
    }

    // Both ends exact, the middle at the geometric mean of the shifted range.
    void logScale_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("middle");
        QTest::newRow("exposure 1-5000") << 1 << 5000 << 71; // sqrt(5000) = 70.7
        QTest::newRow("from zero") << 0 << 100 << 9;         // sqrt(101) - 1
        QTest::newRow("negative") << -64 << 64 << -54;       // sqrt(129) - 65
    }
    void logScale()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, middle);
        const int end = ParamSlider::kLogPositions;
        QCOMPARE(ParamSlider::logValue(0, minimum, maximum), minimum);
        QCOMPARE(ParamSlider::logValue(end / 2, minimum, maximum), middle);
        QCOMPARE(ParamSlider::logValue(end, minimum, maximum), maximum);
        QCOMPARE(ParamSlider::logPosition(minimum, minimum, maximum), 0);
        QCOMPARE(ParamSlider::logPosition(maximum, minimum, maximum), end);

        ParamSlider s;
        s.setValueRange(minimum, maximum, 1, true);
        QCOMPARE(s.pageStep(), end / 20);
        QSignalSpy moved(&s, &ParamSlider::deviceValueChanged);
        s.setValue(end / 2);
        QCOMPARE(moved.last().at(0).toInt(), middle);
        // A value between two positions is kept exactly.
        s.setDeviceValue(maximum - 1);
        QCOMPARE(s.deviceValue(), maximum - 1);
        QCOMPARE(moved.last().at(0).toInt(), maximum - 1);
        s.setValueRange(2800, 6500, 10, false);
        QCOMPARE(s.pageStep(), 185);
    }
};

QTEST_MAIN(TstParamWidgets)
#include "tst_paramwidgets.moc"
