#include "core/appsettings.h"
#include "calib/bdfile.h"
#include "calib/bdwidget.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "measure/textshapes.h"
#include "ui_bdwidget.h"
#include "view/cameraviewer.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString g_boxText;

// Answers the next message box with the given button and keeps its text.
void answerNextBox(QMessageBox::StandardButton answer)
{
    g_boxText.clear();
    QTimer::singleShot(0, [answer] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                g_boxText = box->text();
                if (QAbstractButton *b = box->button(answer))
                    b->click();
                else
                    box->accept();
            }
        }
    });
}

// A view showing a 640 x 480 picture at 1:1, as the live view does.
struct Bench
{
    AppSettings settings;
    CameraViewer view;
    BDWidget tools;

    Bench()
    {
        QImage img(640, 480, QImage::Format_RGB32);
        img.fill(Qt::white);
        view.setFixedSize(640, 480);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            qFatal("view not exposed");
        scene()->setSettings(&settings);
        scene()->setImage(img);
        scene()->fitToView(img.size());
        scene()->setMeasureEnabled(true);
        tools.setup(scene(), &settings);

    }
    CameraScene *scene() const { return view.cameraScene(); }
    Ui::BDWidget *ui() const { return tools.form(); }
    QPoint toView(QPointF scenePos) const { return view.mapFromScene(scenePos); }
};

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapTo(w->window(), pos)), QPointF(w->mapToGlobal(pos)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A left-button drag with the button held during the moves.
void drag(QWidget *w, QPoint from, QPoint to)
{
    sendMouse(w, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

} // namespace

class TstBDWidget : public QObject
{
    Q_OBJECT
private slots:
    void toolOrder_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("type");
        QTest::newRow("point") << "toolButton1" << 65538;
        QTest::newRow("cross") << "toolButton8" << 65545;
        QTest::newRow("double circle") << "toolButton15" << 65552;
        QTest::newRow("move") << "toolButton16" << 65553;
        QTest::newRow("erase") << "toolButton17" << 65554;
        QTest::newRow("text") << "toolButton19" << 65555;
    }

    void toolOrder()
    {
        QFETCH(QString, button);
        QFETCH(int, type);
        Bench b;
        auto *btn = b.tools.findChild<QToolButton *>(button);
        QVERIFY(btn);
        QTest::mouseClick(btn, Qt::LeftButton);
        QCOMPARE(b.scene()->tool(), type);
        QVERIFY(btn->isChecked());
        QCOMPARE(b.tools.toolList().size(), 18);
    }

    void initialState()
    {
        BDWidget w;
        QVERIFY(w.form()->toolButton1->isChecked());
        QVERIFY(!w.isEditPage());
        QCOMPARE(w.form()->toolButton1->toolTip(), QStringLiteral("坐标"));
        QCOMPARE(w.form()->toolButtonUndo->text(), QString());
        QCOMPARE(w.form()->toolButton2->text(), QStringLiteral("..."));
        QVERIFY(w.form()->toolButton18->isCheckable());
        QVERIFY(!w.form()->toolButtonClear->isCheckable());
        // Without a scene nothing may run.
        QTest::mouseClick(w.form()->toolButton3, Qt::LeftButton);
        w.onBtnBDEdit();
        w.onBDNewData();
    }

    void crossHairToggle()
    {
        Bench b;
        QTest::mouseClick(b.ui()->toolButton18, Qt::LeftButton);
        QVERIFY(b.scene()->isCrossVisible());
        QTest::mouseClick(b.ui()->toolButton18, Qt::LeftButton);
        QVERIFY(!b.scene()->isCrossVisible());
    }

    void styleCombos()
    {
        Bench b;
        b.settings.style.lineWidthIndex = 4;
        b.settings.style.lineColorIndex = 2;
        b.tools.refresh();
        QCOMPARE(b.ui()->boxGridColor->count(), 3);
        QCOMPARE(b.ui()->boxFontSize->count(), 9);
        QCOMPARE(b.ui()->boxGridType->itemText(1), QStringLiteral("虚线"));
        QCOMPARE(b.ui()->boxGridColor->currentIndex(), 2);
        QCOMPARE(b.ui()->boxFontColor->iconSize(), QSize(30, 12));
        // The swatch shows the colour of its entry.
        const QImage swatch = b.ui()->boxGridColor->itemIcon(1).pixmap(60, 24).toImage();
        QCOMPARE(swatch.pixelColor(30, 12), QColor(0, 255, 0));

        b.ui()->boxFontSize->setCurrentIndex(7);
        QCOMPARE(b.settings.style.fontSizeIndex, 7);
        QCOMPARE(b.settings.style.fontPixelSize(), 56);
        // The style is rebuilt whole: the line width goes back to its default.
        QCOMPARE(b.settings.style.lineWidthIndex, 0);
        QCOMPARE(b.settings.style.lineColorIndex, 2);
        b.ui()->boxGridType->setCurrentIndex(1);
        QCOMPARE(b.settings.style.penStyle(), Qt::DashLine);
    }

    void calibrateEndToEnd()
    {
        Bench b;
        BDWidget other;
        other.setup(b.scene(), &b.settings);
        connect(&b.tools, &BDWidget::bdInfoChanged, &other, &BDWidget::refresh);

        QTest::mouseClick(b.ui()->btnBDEdit, Qt::LeftButton);
        QVERIFY(b.tools.isEditPage());
        GraphicsMeasureItem *ruler = b.scene()->ruler();
        QVERIFY(ruler);
        // The ruler lies 200 picture pixels long across the centre.
        QCOMPARE(ruler->pointAt(0), QPointF(220, 240));
        QCOMPARE(ruler->pointAt(1), QPointF(420, 240));

        // Drag its right end 100 pixels further.
        drag(b.view.viewport(), b.toView(QPointF(420, 240)), b.toView(QPointF(520, 240)));
        QCOMPARE(ruler->pointAt(1), QPointF(520, 240));
        const double viewLength = ruler->viewLength();
        QCOMPARE(viewLength, 300.0);

        b.ui()->labelBDRealLen->setText("1.5");
        b.ui()->boxBDUnit->setCurrentIndex(0);
        b.tools.onMeasureChanged();
        const QString magnification = b.ui()->labelBDName->text();
        QVERIFY(magnification.endsWith('X'));
        QSignalSpy changed(&b.tools, &BDWidget::bdInfoChanged);
        QTest::mouseClick(b.ui()->btnBDNewData, Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(b.settings.calibrations.size(), 1);
        QCOMPARE(b.settings.calibrations[0].factor, 1.5 / 300.0);
        QCOMPARE(b.settings.calibrations[0].unit, 0);
        QCOMPARE(b.settings.calibrations[0].name, magnification);
        QCOMPARE(other.form()->boxBDVar->count(), 1);
        QCOMPARE(other.form()->boxBDVar->itemText(0), magnification);
        QCOMPARE(b.scene()->calibration().unit, 0);
        QCOMPARE(b.scene()->calibration().factor, 1.5 / 300.0);

        // Back leaves the page and removes the ruler.
        QTest::mouseClick(b.ui()->btnBDBack, Qt::LeftButton);
        QVERIFY(!b.tools.isEditPage());
        QVERIFY(!b.scene()->ruler());
    }

    void newRecordRefused_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("text") << "abc" << false;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("not a number") << "nan" << false;
        QTest::newRow("negative") << "-2" << true;
    }

    void newRecordRefused()
    {
        QFETCH(QString, actual);
        QFETCH(bool, accepted);
        Bench b;
        b.tools.onBtnBDEdit();
        b.ui()->labelBDRealLen->setText(actual);
        answerNextBox(QMessageBox::Ok);
        b.tools.onBDNewData();
        QCOMPARE(b.settings.calibrations.size(), accepted ? 1 : 0);
        QCOMPARE(g_boxText, accepted ? QString() : QStringLiteral("参数不能为0"));
        b.tools.leaveEditPage();
        QVERIFY(!b.tools.isEditPage());
    }

    void deleteHandsFirstRemaining()
    {
        Bench b;
        b.settings.calibrations = {{"10.00X", 0.5, 2}, {"20.00X", 0.25, 0}, {"40.00X", 0.125, 1}};
        b.tools.refresh();
        QCOMPARE(b.scene()->calibration().name, QStringLiteral("10.00X"));
        b.tools.onBtnBDEdit();
        b.ui()->tableBDInfo->setCurrentCell(0, 0);
        QSignalSpy changed(&b.tools, &BDWidget::bdInfoChanged);
        QTest::mouseClick(b.ui()->btnBDDel, Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(b.settings.calibrations.size(), 2);
        QCOMPARE(b.scene()->calibration().name, QStringLiteral("20.00X"));
        QCOMPARE(b.scene()->calibration().factor, 0.25);
    }

    void backupAndRestore()
    {
        QTemporaryDir dir;
        Bench b;
        b.settings.calibrations = {{"10.00X", 0.5, 2}};
        b.tools.refresh();
        const QString full = dir.filePath("full.bd");
        const QString empty = dir.filePath("empty.bd");
        QString answer = full;
        b.tools.setFilePicker([&answer](bool) { return answer; });
        b.tools.onBtnBDSave();
        QVERIFY(QFileInfo::exists(full));
        QVERIFY(saveBDFile(empty, {}));

        // An empty backup empties the list; the scene keeps its calibration.
        answer = empty;
        QSignalSpy changed(&b.tools, &BDWidget::bdInfoChanged);
        b.tools.onBtnBDLoad();
        QCOMPARE(changed.count(), 1);
        QVERIFY(b.settings.calibrations.isEmpty());
        QCOMPARE(b.scene()->calibration().name, QStringLiteral("10.00X"));

        answer = full;
        b.tools.onBtnBDLoad();
        QCOMPARE(b.settings.calibrations.size(), 1);
        QCOMPARE(b.settings.calibrations[0].factor, 0.5);

        // Cancelled pickers do nothing.
        answer.clear();
        b.tools.onBtnBDLoad();
        QCOMPARE(changed.count(), 2);
    }

    void clearAsks()
    {
        Bench b;
        QWidget *vp = b.view.viewport();
        b.scene()->setTool(65539);
        QTest::mouseClick(vp, Qt::LeftButton, {}, b.toView(QPointF(100, 100)));
        QTest::mouseClick(vp, Qt::LeftButton, {}, b.toView(QPointF(200, 100)));
        QCOMPARE(b.scene()->shapes().size(), 1);
        QTest::mouseClick(b.ui()->toolButtonUndo, Qt::LeftButton);
        QCOMPARE(b.scene()->shapes().size(), 0);
        QTest::mouseClick(b.ui()->toolButtonRedo, Qt::LeftButton);
        QCOMPARE(b.scene()->shapes().size(), 1);

        answerNextBox(QMessageBox::No);
        QTest::mouseClick(b.ui()->toolButtonClear, Qt::LeftButton);
        QCOMPARE(g_boxText, QStringLiteral("是否删除全部"));
        QCOMPARE(b.scene()->shapes().size(), 1);
        answerNextBox(QMessageBox::Yes);
        QTest::mouseClick(b.ui()->toolButtonClear, Qt::LeftButton);
        QCOMPARE(b.scene()->shapes().size(), 0);
    }
};

QTEST_MAIN(TstBDWidget)
#include "tst_bdwidget.moc"
