#include "mainwindowrig.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTabWidget>
#include <QToolButton>

namespace {

void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QString photoPath(const Rig &rig, const QString &name)
{
    return rig.dir.filePath("save/image/Photo/" + name);
}

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
        QCOMPARE(rig.ui()->bdWidget->findChild<QToolButton *>("toolButton2")->toolTip(), QStringLiteral("Line"));

        rig.window->setLanguage(0);
        QCoreApplication::processEvents();
        QCOMPARE(rig.ui()->btnCapture->text(), QStringLiteral("拍照"));
        QCOMPARE(rig.ui()->bdWidget->findChild<QToolButton *>("toolButton2")->toolTip(), QStringLiteral("线条"));
        QCOMPARE(rig.window->settings().language, 0);
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
        closeNextBox();
        rig.window->onListItemOpen(&item);
        QCOMPARE(g_boxText, QStringLiteral("打开文件失败"));
    }
};

QTEST_MAIN(TstMenus)
#include "tst_menus.moc"
