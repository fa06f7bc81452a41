// The first hour: a window and a picture that suit the screen, the desktop's
// language, Qt's own translations, the standard keys, files from outside.
#include "mainwindowrig.h"

#include "app/languages.h"
#include "app/shortcuts.h"
#include "calib/measurementrows.h"
#include "capture/devicesettingsdialog.h"
#include "core/options.h"
#include "ui_measureediter.h"

#include <QLibraryInfo>
#include <QMenuBar>
#include <QScrollBar>
#include <QTranslator>

#include <linux/videodev2.h>

namespace {

QVector<SimCameraSpec> cameras(int n)
{
    QVector<SimCameraSpec> specs;
    for (int i = 0; i < n; ++i) {
        specs << spec(QStringLiteral("f%1").arg(i), 0x62C1, {{1920, 1080}});
        specs.last().port = QStringLiteral("1-%1").arg(i + 1);
    }
    return specs;
}

} // namespace

class TstFirstStart : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    void windowSuitsTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("maximize");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1600x1000") << QRect(0, 0, 1600, 1000) << false << QSize(1440, 900);
        QTest::newRow("1920x1050 at 0,30") << QRect(0, 30, 1920, 1050) << false << QSize(1728, 945);
        QTest::newRow("1280x720 maximizes")
            << QRect(0, 0, 1280, 720) << true << QSize(1152, 648).expandedTo({800, 600});
        QTest::newRow("800x600 maximizes") << QRect(0, 0, 800, 600) << true << QSize(800, 600);
    }

    void windowSuitsTheScreen()
    {
        QFETCH(QRect, available);
        QFETCH(bool, maximize);
        QFETCH(QSize, size);
        bool maximized = false;
        const QRect r = Vistrel::startGeometry(available, &maximized);
        QCOMPARE(maximized, maximize);
        QCOMPARE(r.size(), size);
        QVERIFY(available.contains(r));
        QCOMPARE(r.center(), available.center());
    }

    // A large frame at first start is fitted: no scroll bars, all of it shows.
    void pictureFittedAtFirstStart()
    {
        Rig rig(cameras(1));
        QVERIFY(rig.window->isFirstStart());
        QCOMPARE(rig.ui()->comboZoom->currentData().toString(), QStringLiteral("Scale"));
        QVERIFY(rig.waitFrames(2));
        QTRY_VERIFY(rig.ui()->camViewer->width() <= rig.ui()->mainPageScrollArea->viewport()->width());
        QVERIFY(rig.ui()->camViewer->height() <= rig.ui()->mainPageScrollArea->viewport()->height());
        QVERIFY(!rig.ui()->mainPageScrollArea->horizontalScrollBar()->isVisible());
        // At 1.0x the view is larger than its page: the overlays go in the part in sight.
        rig.ui()->comboZoom->setCurrentText(QStringLiteral("1.0x"));
        QTRY_COMPARE(rig.ui()->camViewer->size(), QSize(1920, 1080));
        const QRect seen = rig.window->scene()->visibleViewRect();
        QVERIFY(!seen.isEmpty());
        QVERIFY2(seen.width() <= rig.ui()->mainPageScrollArea->viewport()->width(),
                 qPrintable(QString::number(seen.width())));
        rig.reopen();
        QVERIFY(!rig.window->isFirstStart());
    }

    void desktopLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("index");
        QTest::newRow("de_DE") << "de_DE" << 8;
        QTest::newRow("ja_JP") << "ja_JP" << 5;
        QTest::newRow("ru_RU") << "ru_RU" << 7;
        QTest::newRow("zh_CN") << "zh_CN" << 0;
        QTest::newRow("zh_TW") << "zh_TW" << 2;
        QTest::newRow("zh_HK") << "zh_HK" << 2;
        QTest::newRow("pt_PT") << "pt_PT" << 10;
        QTest::newRow("pt_BR") << "pt_BR" << 10;
        QTest::newRow("en_GB") << "en_GB" << 1;
        QTest::newRow("sv_SE falls back") << "sv_SE" << 1;
        QTest::newRow("C") << "C" << 1;
    }

    void desktopLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(int, index);
        QCOMPARE(languageForLocale(QLocale(locale)), index);
    }

    void firstStartSpeaksTheDesktopLanguage()
    {
        QTemporaryDir dir;
        CameraHub::instance()->setBackends({std::make_shared<SimulatedBackend>(cameras(1))});
        StoragePaths paths;
        paths.configFile = dir.filePath("Measure.config");
        paths.imageRoot = dir.filePath("image");
        paths.videoRoot = dir.filePath("movie");
        paths.portable = true;
        Vistrel::setStoragePathsOverride(paths);
        Vistrel window;
        QCOMPARE(window.settings().language, languageForLocale(QLocale::system()));
    }

    void qtTranslations_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file");
        QTest::newRow("source language, Simplified Chinese") << 0 << "qtbase_zh_CN.qm";
        QTest::newRow("Traditional Chinese") << 2 << "qtbase_zh_TW.qm";
        QTest::newRow("Portuguese") << 10 << "qtbase_pt_BR.qm";
        QTest::newRow("German") << 8 << "qtbase_de.qm";
    }

    void qtTranslations()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        const QString dir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
        if (!QFileInfo::exists(dir + QLatin1Char('/') + file))
            QSKIP("Qt's translations are not installed (qttranslations5-l10n)");
        QTranslator translator;
        QVERIFY(loadQtTranslation(&translator, index, dir));
        QVERIFY2(translator.filePath().endsWith(file), qPrintable(translator.filePath()));
        QVERIFY(!translator.translate("QPlatformTheme", "Cancel").isEmpty());
    }

    void standardKeys()
    {
        Rig rig(cameras(1));
        auto *full = rig.window->findChild<QAction *>(QStringLiteral("actionFullScreen"));
        QVERIFY(full);
        const QList<QPair<QAction *, QKeySequence>> expected{
            // Some desktops bind nothing to Quit: Ctrl+Q then.
            {rig.ui()->actionExit,
             QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence(Qt::CTRL + Qt::Key_Q))},
            {rig.ui()->actionPrint, QKeySequence(QKeySequence::Print)},
            {rig.ui()->actionImport, QKeySequence(QKeySequence::Open)},
            {full, QKeySequence(Qt::Key_F11)}};
        auto *keys = rig.window->findChild<Shortcuts *>();
        const QString help = keys->lines().join(QLatin1Char('\n'));
        for (const auto &e : expected) {
            QVERIFY2(e.first->shortcut() == e.second,
                     qPrintable(e.first->objectName() + QLatin1Char(' ') + e.first->shortcut().toString()));
            QVERIFY2(help.contains(e.second.toString(QKeySequence::NativeText)), qPrintable(help));
        }
        // Undo and Redo are menu entries too, and Help shows no Sun-keyboard F14.
        QVERIFY(rig.window->findChild<QMenu *>(QStringLiteral("menuEdit"))->actions().contains(keys->undoAction()));
        QVERIFY2(!help.contains(QLatin1String("F14")), qPrintable(help));
        QVERIFY(help.contains(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)));
        // F11 enters full screen and leaves it again.
        rig.window->activateWindow();
        QTest::keyClick(rig.window.get(), Qt::Key_F11);
        QTRY_VERIFY(!rig.ui()->mainMenuBar->isVisible());
        QTest::keyClick(rig.window.get(), Qt::Key_F11);
        QTRY_VERIFY(rig.ui()->mainMenuBar->isVisible());
        // The editor saves with Ctrl+S.
        QCOMPARE(rig.window->editer()->form()->btnSave->shortcut(), QKeySequence(QKeySequence::Save));
    }

    void filesFromOutside()
    {
        Rig rig(cameras(1));
        const QString photo = rig.dir.filePath("leaf.jpg");
        QImage(640, 480, QImage::Format_RGB32).save(photo);
        const QString video = rig.dir.filePath("run.avi");
        QFile(video).open(QIODevice::WriteOnly);
        rig.window->resize(800, 600);
        QCOMPARE(rig.window->openFiles({photo, video}), QStringList());
        MeasureEditer *editor = rig.window->editer();
        QTRY_VERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("leaf.jpg \u2014 Orvanta Pro"));
        // Opened fitted, whatever the zoom was before.
        QCOMPARE(editor->form()->comboZoom->currentData().toString(), QStringLiteral("Scale"));
        // A video from outside the video root is copied into the video folder and listed.
        QTRY_VERIFY(rig.ui()->cameraBrowser->listedPaths().contains(rig.dir.filePath("save/movie/Video/run.avi")));
        // What cannot be opened is named.
        const QString missing = rig.dir.filePath("gone.png");
        QCOMPARE(rig.window->openFiles({missing}), QStringList{missing});
        QVERIFY(rig.notes.informed.last().contains(QDir::toNativeSeparators(missing)));
        // The toolbox takes less than half the editor.
        editor->resize(1100, 760);
        QTRY_VERIFY(editor->toolbox()->width() < editor->width() * 4 / 10);
    }

    // Without tile choices yet, four cameras fill the four tiles.
    void tilesTakeCamerasInOrder()
    {
        Rig rig(cameras(4));
        QCOMPARE(rig.window->openCameras().size(), 1);
        rig.window->onBtnScreenSwitch();
        QTRY_COMPARE(rig.window->openCameras().size(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(rig.window->cameras()->cameraInTile(i).contains(QStringLiteral("f%1#").arg(i)));
    }

    // Controls the panel knows speak its words; the driver's extras keep theirs.
    void deviceDialogNames()
    {
        QCOMPARE(DeviceSettingsDialog::controlName(V4L2_CID_GAIN, QStringLiteral("Gain")), QStringLiteral("增益"));
        QCOMPARE(DeviceSettingsDialog::controlName(V4L2_CID_EXPOSURE_AUTO, QStringLiteral("Auto Exposure")),
                 QStringLiteral("自动曝光"));
        QCOMPARE(DeviceSettingsDialog::controlName(V4L2_CID_PAN_ABSOLUTE, QStringLiteral("Stage X")),
                 QStringLiteral("Stage X"));
    }

    void circlesListRadiusDiameterArea_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("given");
        QTest::addColumn<double>("value");
        QTest::newRow("circle by radius") << int(Circle1) << "R" << 5.0;
        QTest::newRow("circle by diameter") << int(Circle2) << "D" << 10.0;
        QTest::newRow("three-point circle") << int(Circle3) << "R" << 5.0;
    }

    void circlesListRadiusDiameterArea()
    {
        QFETCH(int, type);
        QFETCH(QString, given);
        QFETCH(double, value);
        const MeasuredValues out = withCircleValues(type, {{given, value, ValueKind::Length}});
        QCOMPARE(out.size(), 3);
        QCOMPARE(out[0].name, QStringLiteral("R"));
        QCOMPARE(out[0].value, 5.0);
        QCOMPARE(out[1].value, 10.0);
        QCOMPARE(out[2].kind, ValueKind::Area);
        QCOMPARE(out[2].value, M_PI * 25);
        // A line keeps its one value.
        QCOMPARE(withCircleValues(Line, {{"L", 3.0, ValueKind::Length}}).size(), 1);
    }
};

QTEST_MAIN(TstFirstStart)
#include "tst_firststart.moc"
