#include "core/appsettings.h"
#include "core/notifier.h"
#include "core/screenmetrics.h"
#include "core/sidecar.h"
#include "calib/bdfile.h"
#include "calib/bdwidget.h"
#include "tests/common/records.h"
#include "tests/common/scalepictures.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "measure/textshapes.h"
#include "ui_bdwidget.h"
#include "view/cameraviewer.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

// A view showing a 640 x 480 picture at a zoom (1:1 unless told), as the
// live view does.
struct Bench
{
    AppSettings settings;
    CameraViewer view;
    BDWidget tools;

    explicit Bench(double zoom = 1.0)
    {
        QImage img(640, 480, QImage::Format_RGB32);
        img.fill(Qt::white);
        view.setFixedSize(qRound(640 * zoom), qRound(480 * zoom));
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
        // "文字" sits before "移动" in the grid.
        const int buttons[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19};
        const int tools[] = {Point,        Line,         BrokenLine, Rect,   Polygon, ParallelLine,
                             VerticalLine, Cross,        AngleLine,  Arc,    Circle1, Circle2,
                             Circle3,      DoubleCircle, CircleLine, Select, Erase,   Text};
        for (int i = 0; i < 18; ++i) {
            const QString button = QStringLiteral("toolButton%1").arg(buttons[i]);
            QTest::newRow(qPrintable(button)) << button << tools[i];
        }
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

    void calibrateEndToEnd_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("1.0x") << 1.0;
        QTest::newRow("0.5x") << 0.5;
        QTest::newRow("2.0x") << 2.0;
    }

    void calibrateEndToEnd()
    {
        QFETCH(double, zoom);
        Bench b(zoom);
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
        QCOMPARE(viewLength, 300.0 * zoom);
        QCOMPARE(ruler->pictureLength(), 300.0);

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
        QCOMPARE(b.settings.calibrations[0].pictureSize, QSize(640, 480));
        QCOMPARE(other.form()->boxBDVar->count(), 1);
        QCOMPARE(other.form()->boxBDVar->itemText(0), magnification + QStringLiteral(" · 640×480"));
        QCOMPARE(b.scene()->calibration().unit, 0);
        QCOMPARE(b.scene()->calibration().factor, 1.5 / 300.0);

        // Back leaves the page and removes the ruler.
        QTest::mouseClick(b.ui()->btnBDBack, Qt::LeftButton);
        QVERIFY(!b.tools.isEditPage());
        QVERIFY(!b.scene()->ruler());
    }

    void newRecordRefused_data()
    {
        // What is wrong and what is accepted, with the locale's number.
        auto refused = [](const QString &text, const QString &locale) {
            return QStringLiteral("实际长度“%1”无效：请输入大于 0 的长度，例如 %2")
                .arg(text.trimmed(), QLocale(locale).toString(0.8));
        };
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<double>("length");
        for (const char *bad : {"abc", "0", "", "nan", "-2", "inf", "-inf", "1e400"})
            QTest::newRow(bad) << QString(bad) << "C" << refused(bad, "C") << 0.0;
        QTest::newRow("tiny") << "1e-320"
                              << "C" << QString() << 1e-320;
        QTest::newRow("point") << "0.5"
                               << "C" << QString() << 0.5;
        QTest::newRow("comma in German") << "0,5"
                                         << "de_DE" << QString() << 0.5;
        QTest::newRow("point in German") << "0.5"
                                         << "de_DE" << QString() << 0.5;
        QTest::newRow("comma in French") << " 1,25 "
                                         << "fr_FR" << QString() << 1.25;
        QTest::newRow("comma in English") << "0,8"
                                          << "en_US" << refused("0,8", "en_US") << 0.0;
        QTest::newRow("grouped in English") << "1,000.5"
                                            << "en_US" << refused("1,000.5", "en_US") << 0.0;
        QTest::newRow("German example") << "x"
                                        << "de_DE" << QStringLiteral("实际长度“x”无效：请输入大于 0 的长度，例如 0,8")
                                        << 0.0;
    }

    // A px record has the factor 1, whatever the length field and ruler say.
    void pxRecordHasFactorOne()
    {
        RecordingNotifier notes;
        Bench b;
        b.tools.onBtnBDEdit();
        b.ui()->boxBDUnit->setCurrentIndex(4);
        QVERIFY(!b.ui()->labelBDRealLen->isEnabled());
        b.ui()->labelBDRealLen->setText("1");
        b.tools.onBDNewData();
        QVERIFY(notes.informed.isEmpty());
        QCOMPARE(b.settings.calibrations.size(), 1);
        QCOMPARE(b.settings.calibrations[0].factor, 1.0);
        QCOMPARE(b.settings.calibrations[0].unit, 4);
        b.ui()->boxBDUnit->setCurrentIndex(0);
        QVERIFY(b.ui()->labelBDRealLen->isEnabled());
    }

    void newRecordRefused()
    {
        QFETCH(QString, actual);
        QFETCH(QString, locale);
        QFETCH(QString, message);
        QFETCH(double, length);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        RecordingNotifier notes;
        Bench b;
        b.tools.onBtnBDEdit();
        b.ui()->labelBDRealLen->setText(actual);
        b.tools.onBDNewData();
        QLocale::setDefault(before);
        QCOMPARE(notes.informed, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(b.settings.calibrations.size(), message.isEmpty() ? 1 : 0);
        if (message.isEmpty()) {
            QCOMPARE(b.settings.calibrations[0].factor, length / 200.0);
            QCOMPARE(b.settings.calibrations[0].pictureSize, QSize(640, 480));
        }
        b.tools.leaveEditPage();
        QVERIFY(!b.tools.isEditPage());
    }

    // The reading is on-screen millimetres over the real length, with the
    // screen measured per device pixel and views in logical pixels.
    void magnification_data()
    {
        QTest::addColumn<double>("logicalPx");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<double>("mmPerDevicePx");
        QTest::addColumn<double>("actual");
        QTest::addColumn<QString>("text");
        QTest::newRow("dpr 2, 400 device px, 1 mm") << 200.0 << 2.0 << 0.25375 << 1.0 << "101.50X";
        QTest::newRow("dpr 1, 400 px, 1 mm") << 400.0 << 1.0 << 0.25375 << 1.0 << "101.50X";
        QTest::newRow("dpr 1.5, 300 logical px, 2 mm") << 300.0 << 1.5 << 0.25 << 2.0 << "56.25X";
        QTest::newRow("no dpr known") << 400.0 << 0.0 << 0.25375 << 1.0 << "101.50X";
    }

    void magnification()
    {
        QFETCH(double, logicalPx);
        QFETCH(double, dpr);
        QFETCH(double, mmPerDevicePx);
        QFETCH(double, actual);
        QFETCH(QString, text);
        QCOMPARE(screenmetrics::magnificationText(screenmetrics::onScreenMm(logicalPx, dpr, mmPerDevicePx), actual),
                 text);
    }

    // A calibration made at one picture size, applied to another.
    void scaling_data()
    {
        QTest::addColumn<QSize>("made");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("note");
        QTest::newRow("same size") << QSize(640, 480) << QSize(640, 480) << 1.0 << QString();
        QTest::newRow("older record") << QSize() << QSize(640, 480) << 1.0 << QString();
        QTest::newRow("1920 on 1280") << QSize(1920, 1080) << QSize(1280, 720) << 1.5
                                      << QStringLiteral("标定于 1920 × 1080，缩放 ×1.50");
        QTest::newRow("640 on 1280") << QSize(640, 480) << QSize(1280, 720) << 0.5
                                     << QStringLiteral("标定于 640 × 480，缩放 ×0.50");
    }

    void scaling()
    {
        QFETCH(QSize, made);
        QFETCH(QSize, picture);
        QFETCH(double, scale);
        QFETCH(QString, note);
        BDInfo info{"10.00X", 0.01, 0};
        info.pictureSize = made;
        QCOMPARE(calibrationScale(info, picture), scale);
        QCOMPARE(calibrationForPicture(info, picture).factor, 0.01 * scale);
        QCOMPARE(calibrationScale(info, QSize()), 1.0);

        // The toolbox hands the scaled record to the scene and says so,
        // again when the picture changes size.
        Bench b;
        QSignalSpy notes(&b.tools, &BDWidget::calibrationNoteChanged);
        b.settings.calibrations = {info};
        b.tools.refresh();
        QImage img(picture, QImage::Format_RGB32);
        img.fill(Qt::gray);
        b.scene()->setImage(img);
        QCOMPARE(b.scene()->calibration().factor, 0.01 * scale);
        QCOMPARE(b.tools.calibrationNote(), note);
        QCOMPARE(b.ui()->labelBDNote->text(), note);
        QCOMPARE(!b.ui()->labelBDNote->isHidden(), !note.isEmpty());
        b.scene()->setImage(QImage(QSize(640, 480), QImage::Format_RGB32));
        QCOMPARE(b.scene()->calibration().factor, 0.01 * calibrationScale(info, QSize(640, 480)));
        if (!note.isEmpty())
            QVERIFY(notes.count() >= 1);
    }

    // The calibration in force stays the one chosen through every refill of
    // the list, a new record takes over, and one that is gone is said so.
    void calibrationInForceIsKept()
    {
        RecordingNotifier notes;
        Bench b;
        b.settings.calibrations = {{"10.00X", 0.01, 0, QSize(640, 480)},
                                   {"40.00X", 0.4, 2, QSize(640, 480)},
                                   {"40.00X", 0.4, 2, QSize(1920, 1080)}};
        b.tools.refresh();
        b.ui()->boxBDVar->setCurrentIndex(2); // the user's choice
        QCOMPARE(b.scene()->calibration().factor, 0.4 * 3);
        QCOMPARE(b.ui()->boxBDVar->itemText(2), QStringLiteral("40.00X · 1920×1080"));
        // Page and language changes, and the other toolbox's refresh.
        b.tools.onBtnBDEdit();
        b.tools.onBtnBDEdit();
        QEvent language(QEvent::LanguageChange);
        QApplication::sendEvent(&b.tools, &language);
        b.tools.refresh();
        QCOMPARE(b.ui()->boxBDVar->currentIndex(), 2);
        QVERIFY(sameCalibration(b.tools.calibrationInForce(), b.settings.calibrations[2]));
        // Another picture size: the same record, adapted.
        b.scene()->setImage(QImage(QSize(1920, 1080), QImage::Format_RGB32));
        QCOMPARE(b.scene()->calibration().factor, 0.4);
        QCOMPARE(b.tools.inForceText(), QStringLiteral("40.00X · 1920×1080 · 0.4000 µm/px"));
        // A record added elsewhere ahead of it does not move it.
        b.settings.calibrations.prepend({"5.00X", 0.02, 0});
        b.tools.refresh();
        QCOMPARE(b.ui()->boxBDVar->currentIndex(), 3);
        // "新增" makes the new record the one in force.
        b.tools.onBtnBDEdit();
        b.ui()->boxBDUnit->setCurrentIndex(0);
        b.ui()->labelBDRealLen->setText("0.5");
        b.tools.onBDNewData();
        QCOMPARE(b.ui()->boxBDVar->currentIndex(), 4);
        QVERIFY(sameCalibration(b.tools.calibrationInForce(), b.settings.calibrations.last()));
        QVERIFY(b.tools.inForceText().contains(" µm/px"));
        // Deleting it falls back to the first, and says so.
        b.ui()->tableBDInfo->setCurrentCell(4, 0);
        b.tools.onBtnBDDel();
        QCOMPARE(b.ui()->boxBDVar->currentIndex(), 0);
        QVERIFY(b.ui()->labelBDNote->text().contains(QStringLiteral("已不在列表中")));
        // With nothing left, labels are in px.
        while (!b.settings.calibrations.isEmpty()) {
            b.ui()->tableBDInfo->setCurrentCell(0, 0);
            b.tools.onBtnBDDel();
        }
        QCOMPARE(b.scene()->calibration().unit, 4);
        QCOMPARE(b.scene()->calibration().factor, 1.0);
        QCOMPARE(b.tools.inForceText(), QStringLiteral("未标定 (px)"));
        QVERIFY(!b.tools.hasCalibration());
    }

    // Each camera gets back the calibration chosen for it.
    void eachCameraKeepsItsOwn()
    {
        Bench b;
        b.settings.calibrations = {{"10.00X", 0.01, 0}, {"40.00X", 0.0025, 0}};
        b.settings.cameras["cam-a"];
        b.settings.cameras["cam-b"];
        b.tools.setCamera("cam-a");
        b.ui()->boxBDVar->setCurrentIndex(1);
        b.tools.setCamera("cam-b");
        b.ui()->boxBDVar->setCurrentIndex(0);
        b.tools.setCamera("cam-a");
        QCOMPARE(b.scene()->calibration().name, QStringLiteral("40.00X"));
        b.tools.setCamera("cam-b");
        QCOMPARE(b.scene()->calibration().name, QStringLiteral("10.00X"));
        QVERIFY(b.settings.cameras["cam-a"].hasCalibration);
        QCOMPARE(b.settings.cameras["cam-a"].calibration.name, QStringLiteral("40.00X"));
    }

    // The ruler is laid over the scale found in the picture.
    void findScaleLaysTheRuler()
    {
        RecordingNotifier notes;
        Bench b;
        scalepictures::Spec spec;
        spec.angle = 4;
        b.scene()->setImage(scalepictures::toImage(scalepictures::make(spec)).convertToFormat(QImage::Format_RGB32));
        b.tools.onBtnBDEdit();
        QSignalSpy found(&b.tools, &BDWidget::scaleFound);
        QTest::mouseClick(b.tools.findChild<QPushButton *>("btnBDFindScale"), Qt::LeftButton);
        QVERIFY(found.wait(10000));
        QCOMPARE(found.at(0).at(0).toBool(), true);
        const double length = b.scene()->ruler()->pictureLength();
        const double divisions = std::round(length / spec.truePitch());
        QVERIFY(std::abs(length / (divisions * spec.truePitch()) - 1) < 5e-4);
        QCOMPARE(b.ui()->labelBDRealLen->text().toDouble(), divisions * 0.01);
        b.tools.onBDNewData();
        QVERIFY(std::abs(b.settings.calibrations.last().factor / (0.01 / spec.truePitch()) - 1) < 5e-4);
        // A picture without a scale is refused, the ruler left alone.
        spec.ticks = false;
        b.scene()->setImage(scalepictures::toImage(scalepictures::make(spec)).convertToFormat(QImage::Format_RGB32));
        QTest::mouseClick(b.tools.findChild<QPushButton *>("btnBDFindScale"), Qt::LeftButton);
        QVERIFY(found.wait(10000));
        QCOMPARE(found.at(1).at(0).toBool(), false);
        QVERIFY(notes.informed.last().startsWith(QStringLiteral("未找到刻度")));
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
        RecordingNotifier notes;
        Bench b;
        BDInfo made{"10.00X", 0.5, 2};
        made.pictureSize = QSize(1920, 1080);
        made.camera = "cam-a";
        b.settings.calibrations = {made, {"20.00X", 0.25, 0}};
        b.tools.refresh();
        const QString full = dir.filePath("full.bd");
        QString answer = full;
        b.tools.setFilePicker([&answer](bool) { return answer; });
        b.tools.onBtnBDSave();
        QVERIFY(QFileInfo::exists(full));
        QVERIFY(QFileInfo::exists(sidecar::bdSidecarPath(full)));

        // Replacing a list asks first; No keeps it.
        b.settings.calibrations = {{"40.00X", 0.125, 1}};
        b.tools.refresh();
        QSignalSpy changed(&b.tools, &BDWidget::bdInfoChanged);
        b.tools.onBtnBDLoad();
        QCOMPARE(notes.asked.size(), 1);
        QCOMPARE(notes.asked[0], QStringLiteral("用文件中的 2 条标定替换当前的 1 条标定？"));
        QCOMPARE(b.settings.calibrations.size(), 1);
        QCOMPARE(changed.count(), 0);

        // Yes brings back the records with where they were made.
        notes.answers = {Notifier::Answer::Yes};
        b.tools.onBtnBDLoad();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(b.settings.calibrations.size(), 2);
        QCOMPARE(b.settings.calibrations[0].factor, 0.5);
        QCOMPARE(b.settings.calibrations[0].pictureSize, QSize(1920, 1080));
        QCOMPARE(b.settings.calibrations[0].camera, QStringLiteral("cam-a"));
        QCOMPARE(b.settings.calibrations[1].pictureSize, QSize());

        // An empty list is filled without a question.
        b.settings.calibrations.clear();
        b.tools.refresh();
        b.tools.onBtnBDLoad();
        QCOMPARE(notes.asked.size(), 2);
        QCOMPARE(b.settings.calibrations.size(), 2);
        QVERIFY(notes.informed.isEmpty());

        // A backup without origins takes the old origins file away with it.
        b.settings.calibrations = {{"20.00X", 0.25, 0}};
        b.tools.onBtnBDSave();
        QVERIFY(!QFileInfo::exists(sidecar::bdSidecarPath(full)));

        // Cancelled pickers do nothing.
        answer.clear();
        b.tools.onBtnBDLoad();
        b.tools.onBtnBDSave();
        QCOMPARE(changed.count(), 2);
        QVERIFY(notes.informed.isEmpty());

        // A backup that cannot be written says so.
        answer = dir.filePath("missing/folder/x.bd");
        b.tools.onBtnBDSave();
        QCOMPARE(notes.informed.size(), 1);
        QVERIFY(notes.informed[0].startsWith(QStringLiteral("无法写入备份文件")));
    }

    // Whatever the file holds, the list survives a restore that finds no
    // usable record, and the user is told.
    void restoreRefused_data()
    {
        const QString damaged = QStringLiteral("无法读取该文件或它不是标定备份，列表未改变");
        const QString none = QStringLiteral("文件中没有可用的标定，列表未改变");
        auto be = [](const BDInfoList &list) { return testrecords::serialise(list); };
        QByteArray png;
        {
            QBuffer buf(&png);
            buf.open(QIODevice::WriteOnly);
            QImage(8, 8, QImage::Format_RGB32).save(&buf, "PNG");
        }
        QByteArray little;
        {
            QDataStream out(&little, QIODevice::WriteOnly);
            out.setByteOrder(QDataStream::LittleEndian);
            out << BDInfoList{{"10.00X", 0.5, 2}, {"20.00X", 0.25, 0}};
        }
        const QByteArray whole = be({{"10.00X", 0.5, 2}});
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("PNG") << png << QStringList{damaged};
        QTest::newRow("zero bytes") << QByteArray() << QStringList{damaged};
        QTest::newRow("little-endian") << little << QStringList{damaged};
        QTest::newRow("cut short") << whole.left(whole.size() - 1) << QStringList{damaged};
        QTest::newRow("trailing bytes") << whole + QByteArray("x") << QStringList{damaged};
        QTest::newRow("empty list") << be({}) << QStringList{none};
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("only bad factors") << be({{"a", nan, 0}, {"b", -0.5, 0}, {"c", inf, 0}, {"d", 0.0, 0}})
                                          << QStringList{none + "\n" + QStringLiteral("已跳过 4 条系数无效的标定")};
    }

    void restoreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.bd");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        RecordingNotifier notes;
        notes.answers = {Notifier::Answer::Yes};
        Bench b;
        b.settings.calibrations = {{"10.00X", 0.5, 2}, {"20.00X", 0.25, 0}};
        b.tools.refresh();
        b.tools.setFilePicker([&path](bool) { return path; });
        QSignalSpy changed(&b.tools, &BDWidget::bdInfoChanged);
        b.tools.onBtnBDLoad();
        // The file refused is named below the first line.
        QStringList expected = messages;
        const int cut = expected[0].indexOf('\n');
        expected[0].insert(cut < 0 ? expected[0].size() : cut, "\n" + QDir::toNativeSeparators(path));
        QCOMPARE(notes.informed, expected);
        QCOMPARE(b.settings.calibrations.size(), 2);
        QCOMPARE(b.settings.calibrations[1].factor, 0.25);
        QCOMPARE(changed.count(), 0);
    }

    // Bad factors in a backup are left out and counted; the good ones come in.
    void restoreSkipsBadFactors()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.bd");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(saveBDFile(path, {{"a", nan, 0}, {"b", 0.5, 2}, {"c", -1, 0}}));
        RecordingNotifier notes;
        Bench b;
        b.tools.setFilePicker([&path](bool) { return path; });
        b.tools.onBtnBDLoad();
        QCOMPARE(b.settings.calibrations.size(), 1);
        QCOMPARE(b.settings.calibrations[0].name, QStringLiteral("b"));
        QCOMPARE(notes.informed, QStringList{QStringLiteral("已跳过 2 条系数无效的标定")});
    }

    void clearAsks()
    {
        Bench b;
        QWidget *vp = b.view.viewport();
        b.scene()->setTool(Line);
        QTest::mouseClick(vp, Qt::LeftButton, {}, b.toView(QPointF(100, 100)));
        QTest::mouseClick(vp, Qt::LeftButton, {}, b.toView(QPointF(200, 100)));
        QCOMPARE(b.scene()->shapes().size(), 1);
        QTest::mouseClick(b.ui()->toolButtonUndo, Qt::LeftButton);
        QCOMPARE(b.scene()->shapes().size(), 0);
        QTest::mouseClick(b.ui()->toolButtonRedo, Qt::LeftButton);
        QCOMPARE(b.scene()->shapes().size(), 1);

        RecordingNotifier notes;
        QTest::mouseClick(b.ui()->toolButtonClear, Qt::LeftButton);
        QCOMPARE(notes.asked, QStringList{QStringLiteral("是否删除全部")});
        QCOMPARE(b.scene()->shapes().size(), 1);
        notes.answers = {Notifier::Answer::Yes};
        QTest::mouseClick(b.ui()->toolButtonClear, Qt::LeftButton);
        QCOMPARE(b.scene()->shapes().size(), 0);
    }
};

QTEST_MAIN(TstBDWidget)
#include "tst_bdwidget.moc"
