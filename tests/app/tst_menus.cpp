#include "mainwindowrig.h"
#include "app/settingsstore.h"
#include "measure/camerascene.h"
#include "measure/scalebar.h"

#include <QAction>
#include <QSet>
#include <QTranslator>
#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QPushButton>
#include <QProcess>
#include <QComboBox>
#include <QTableWidget>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTabWidget>
#include <QToolButton>

#include <csignal>

namespace {

void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QString photoPath(const Rig &rig, const QString &name) { return rig.dir.filePath("save/image/Photo/" + name); }

// Every visible text a user reads in the window: labels, buttons, tabs,
// menus, combo items and tool tips.
QStringList visibleTexts(QWidget *root)
{
    QStringList texts;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (auto *l = qobject_cast<QLabel *>(w))
            texts << l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << b->text() << b->toolTip();
        else if (auto *t = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i);
        else if (auto *m = qobject_cast<QMenu *>(w))
            texts << m->title();
    }
    for (QAction *a : root->findChildren<QAction *>())
        texts << a->text();
    texts.removeAll(QString());
    return texts;
}

bool hasChinese(const QString &s)
{
    for (const QChar c : s) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    }
    return false;
}

// Consulted only after the program's own translator has found nothing:
// records every source-language text that reached it, whatever context the
// code looked it up in.
class MissRecorder : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (hasChinese(text))
            misses.insert(QString::fromLatin1(context) + QStringLiteral(": ") + text);
        return QString();
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> misses;
};

} // namespace

class TstMenus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    void languages()
    {
        Rig rig;
        QCOMPARE(rig.window->languageCount(), 16);
        if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/lang/vistrel_en.qm"))
            QSKIP("no translations beside the test program");
        rig.window->setLanguage(1);
        QCoreApplication::processEvents(); // the widgets' language-change events
        QStringList english = visibleTexts(rig.window.get());
        english << visibleTexts(rig.window->editer());
        QStringList left;
        for (const QString &t : english) {
            if (hasChinese(t))
                left << t;
        }
        // The language menu names each language in its own script.
        for (QAction *a : rig.ui()->menuLang->actions())
            left.removeAll(a->text());
        QVERIFY2(left.isEmpty(), qPrintable(left.join(" | ")));
        QCOMPARE(rig.ui()->btnCapture->text(), QStringLiteral("Photo"));
        QCOMPARE(rig.ui()->menuLang->actions().at(3)->text(), QStringLiteral("Français"));
        QCOMPARE(rig.ui()->menuLang->actions().at(1)->text(), QStringLiteral("English"));
        QCOMPARE(rig.ui()->bdWidget->findChild<QToolButton *>("toolButton2")->toolTip(), QStringLiteral("Line"));

        rig.window->setLanguage(0);
        QCoreApplication::processEvents();
        QCOMPARE(rig.ui()->btnCapture->text(), QStringLiteral("拍照"));
        QCOMPARE(rig.ui()->menuLang->actions().at(3)->text(), QStringLiteral("Français (法国)"));
        QCOMPARE(rig.ui()->bdWidget->findChild<QToolButton *>("toolButton2")->toolTip(), QStringLiteral("线条"));
        QCOMPARE(rig.window->settings().language, 0);
    }

    // Qt's own dialogs speak the chosen language too.
    void qtTextsTranslated()
    {
        if (!QFileInfo::exists(QLibraryInfo::location(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's translations are not installed (qttranslations5-l10n)");
        if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/lang/vistrel_de.qm"))
            QSKIP("no translations beside the test program");
        Rig rig;
        rig.window->setLanguage(8);
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        rig.window->setLanguage(1);
        QCoreApplication::processEvents(); // the language-change events
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    }

    // Every text the window looks up at run time has an entry in the context
    // it is looked up in (a helper passing texts on cannot hide a miss).
    void noLookupMisses()
    {
        if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/lang/vistrel_en.qm"))
            QSKIP("no translations beside the test program");
        Rig rig;
        MissRecorder recorder;
        QCoreApplication::installTranslator(&recorder);
        rig.window->setLanguage(1); // its translator is newer, so it is asked first
        QCoreApplication::processEvents();
        rig.window->onBtnCalib();
        rig.window->onBtnOpenDir();
        rig.window->onBtnSetting();
        QCoreApplication::processEvents();
        // The recorder does see a text looked up in a context without it.
        QCoreApplication::translate("NoSuchContext", "拍照");
        QVERIFY(recorder.misses.remove(QStringLiteral("NoSuchContext: 拍照")));
        QCoreApplication::removeTranslator(&recorder);
        QStringList misses = recorder.misses.values();
        misses.sort();
        QVERIFY2(misses.isEmpty(), qPrintable(misses.join(" | ")));
    }

    void timeAndCrossSwitches()
    {
        Rig rig;
        rig.ui()->actionTimeOff->trigger();
        QVERIFY(!rig.window->scene()->isTimeStampVisible());
        QVERIFY(!rig.window->settings().showTime);
        QVERIFY(rig.ui()->actionTimeOff->isChecked() && !rig.ui()->actionTimeOn->isChecked());
        rig.ui()->actionCrossOn->trigger();
        QVERIFY(rig.window->scene()->isCrossVisible());
        rig.reopen();
        // The time overlay is remembered, the cross-hair never is.
        QVERIFY(!rig.window->scene()->isTimeStampVisible());
        QVERIFY(!rig.window->scene()->isCrossVisible());
        QVERIFY(rig.ui()->actionCrossOff->isChecked());
    }

    // Offered only with a real unit; the choice and corner are remembered.
    void scaleBarSwitch()
    {
        Rig rig;
        CameraScene *scene = rig.window->scene();
        QAction *reason = rig.window->findChild<QAction *>("actionScaleBarReason");
        QVERIFY(reason);
        scene->setCalibration(QStringLiteral("none"), 1.0, 4);
        QVERIFY(!rig.ui()->actionScaleBarOn->isEnabled());
        QVERIFY(reason->isVisible() && !reason->isEnabled());
        scene->setCalibration(QStringLiteral("x10"), 0.01, 0);
        QVERIFY(rig.ui()->actionScaleBarOn->isEnabled());
        QVERIFY(!reason->isVisible());
        rig.ui()->actionScaleBarOn->trigger();
        QMenu *corners = rig.window->findChild<QMenu *>("menuScaleBarCorner");
        QVERIFY(corners);
        corners->actions().at(TopLeft)->trigger();
        QVERIFY(scene->isScaleBarVisible());
        QCOMPARE(scene->scaleBarCorner(), int(TopLeft));
        rig.reopen();
        QVERIFY(rig.window->scene()->isScaleBarVisible());
        QCOMPARE(rig.window->scene()->scaleBarCorner(), int(TopLeft));
        QVERIFY(rig.ui()->actionScaleBarOn->isChecked());
    }

    void sidePages()
    {
        Rig rig;
        rig.ui()->btnCalib->click();
        QCOMPARE(rig.ui()->rightStackWidget->currentIndex(), 2);
        QVERIFY(rig.window->scene()->isMeasureEnabled());
        rig.ui()->btnOpenDir->click();
        QCOMPARE(rig.ui()->rightStackWidget->currentIndex(), 0);
        QVERIFY(!rig.window->scene()->isMeasureEnabled());
        rig.ui()->btnSetting->click();
        QCOMPARE(rig.ui()->rightStackWidget->currentIndex(), 1);
    }

    void printsAnA4Page()
    {
        Rig rig;
        QVERIFY(rig.waitFrames(3));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath("page.pdf"));
        rig.window->plotPrintPic(&printer);
        QFile pdf(dir.filePath("page.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray data = pdf.readAll();
        QVERIFY(data.startsWith("%PDF"));
        QVERIFY(data.contains("/Width 640"));
        QVERIFY(data.contains("/Height 480"));
        const QRect target = MeasureEditer::printTarget(QRect(0, 0, 794, 1123), QSize(640, 480));
        QCOMPARE(target.width(), 774);
        QCOMPARE(target.height(), 580);
    }

    // A change is on disk within the throttle's delay, with the window still
    // open: a kill after it loses nothing.
    void savedSoonAfterAChange_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *c : {"calibration", "style", "format", "camera parameter", "time stamp"})
            QTest::newRow(c) << QString(c);
    }

    void savedSoonAfterAChange()
    {
        QFETCH(QString, change);
        Rig rig;
        QVERIFY(rig.waitFrames(1));
        rig.window->store()->setSaveDelay(20);
        auto onDisk = [&rig] {
            AppSettings s;
            loadSettingsFile(rig.dir.filePath("Measure.config"), &s);
            return s;
        };
        std::function<bool(const AppSettings &)> saved;
        const QString cam = rig.window->currentCamera();
        if (change == "calibration") {
            BDInfo a, b;
            a.name = "a";
            b.name = "b";
            b.factor = 0.25;
            rig.window->settings().calibrations = {a, b};
            rig.ui()->bdWidget->refresh();
            rig.ui()->bdWidget->findChild<QTableWidget *>("tableBDInfo")->setCurrentCell(0, 0);
            rig.ui()->bdWidget->findChild<QPushButton *>("btnBDDel")->click();
            saved = [](const AppSettings &s) { return s.calibrations.size() == 1 && s.calibrations[0].name == "b"; };
        } else if (change == "style") {
            auto *colour = rig.ui()->bdWidget->findChild<QComboBox *>("boxFontColor");
            const int next = (colour->currentIndex() + 1) % colour->count();
            colour->setCurrentIndex(next);
            saved = [next](const AppSettings &s) { return s.style.textColorIndex == next; };
        } else if (change == "format") {
            rig.ui()->boxFormatImage->setCurrentIndex(2);
            saved = [](const AppSettings &s) { return s.imageFormat == 2; };
        } else if (change == "camera parameter") {
            auto *brightness = qobject_cast<QSlider *>(rig.window->paramRow(CameraHub::Brightness));
            const int value = brightness->value() == brightness->maximum() ? brightness->minimum()
                                                                           : brightness->maximum();
            brightness->setValue(value);
            saved = [cam, value](const AppSettings &s) {
                return s.cameras.value(cam).params[CameraConfig::Brightness].current() == value;
            };
        } else {
            rig.ui()->actionTimeOff->trigger();
            QVERIFY(rig.ui()->actionTimeOff->isChecked() && !rig.ui()->actionTimeOn->isChecked());
            saved = [](const AppSettings &s) { return !s.showTime; };
        }
        QVERIFY(rig.window->store()->isSavePending());
        QVERIFY(!saved(onDisk()));
        QTRY_VERIFY_WITH_TIMEOUT(saved(onDisk()), 2000);
    }

    // The real thing: a process killed once a calibration is saved (within
    // the save delay, with no quit) keeps it.
    void killAfterACalibration()
    {
        QTemporaryDir dir;
        QProcess helper;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        helper.setProcessEnvironment(env);
        helper.start(KILL_HELPER, {dir.path()});
        QVERIFY(helper.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += helper.readAllStandardOutput()).contains("changed"), 20000);
        // Within the save delay the change is on disk with no quit.
        auto saved = [&dir] {
            AppSettings s;
            return loadSettingsFile(dir.filePath("Measure.config"), &s) == SettingsRead::Complete
                   && s.calibrations.size() == 1;
        };
        QTRY_VERIFY_WITH_TIMEOUT(saved(), 2000);
        ::kill(pid_t(helper.processId()), SIGKILL);
        QVERIFY(helper.waitForFinished());
        QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

        // The next start finds it.
        AppSettings s;
        StoragePaths paths;
        paths.configFile = dir.filePath("Measure.config");
        paths.imageRoot = dir.filePath("save/image");
        paths.videoRoot = dir.filePath("save/movie");
        SettingsStore store(&s, paths);
        QCOMPARE(store.loadSettings(), SettingsRead::Complete);
        QCOMPARE(s.calibrations.size(), 1);
        QCOMPARE(s.calibrations[0].name, QStringLiteral("kill"));
        QCOMPARE(s.calibrations[0].factor, 0.5);
    }

    void openingPhotos()
    {
        Rig rig;
        const QString good = photoPath(rig, "good.png");
        QImage(64, 48, QImage::Format_RGB32).save(good);
        QListWidgetItem item;
        item.setData(Qt::UserRole, good);
        rig.window->onListItemOpen(&item);
        QVERIFY(rig.window->editer()->isVisible());
        QCOMPARE(rig.window->editer()->filePath(), good);
        rig.window->editer()->hide();

        const QString bad = photoPath(rig, "bad.png");
        touch(bad, "not a picture");
        item.setData(Qt::UserRole, bad);
        rig.window->onListItemOpen(&item);
        // The message names the file it could not open.
        QCOMPARE(rig.notes.informed.value(0), QStringLiteral("打开文件失败\n") + QDir::toNativeSeparators(bad));
    }
};

QTEST_MAIN(TstMenus)
#include "tst_menus.moc"
