#include "dialogs/helpdialog.h"
#include "dialogs/settingdialog.h"
#include "dialogs/settingtimedialog.h"

#include <QDateTimeEdit>
#include <QLCDNumber>
#include <QLineEdit>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QtTest>

namespace {

struct FakeHost : TimedSeriesHost
{
    int starts = 0;
    int ends = 0;
    AppSettings last;
    void startTimedSeries(const AppSettings &s) override
    {
        ++starts;
        last = s;
    }
    void endTimedSeries() override { ++ends; }
};

// The main window's signal, as the dialog finds it by name.
class FakeWindow : public QWidget
{
    Q_OBJECT
signals:
    void autoRecordFinish();
};

template <typename T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

// Closes the message box the next call opens and keeps its text.
QString lastBoxText;

void expectMessageBox()
{
    lastBoxText.clear();
    QTimer::singleShot(0, [] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                lastBoxText = box->text();
                box->accept();
            }
        }
    });
}

} // namespace

class TstSettingDialogs : public QObject
{
    Q_OBJECT
private slots:
    void startTimeMustBeLater_data()
    {
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<bool>("started");
        QTest::newRow("same second") << 0 << false;
        QTest::newRow("past") << -60 << false;
        QTest::newRow("next second") << 1 << true;
        QTest::newRow("tomorrow") << 86400 << true;
    }

    void startTimeMustBeLater()
    {
        QFETCH(int, offsetSeconds);
        QFETCH(bool, started);
        FakeWindow window;
        FakeHost host;
        SettingTimeDialog dlg(&window, &host);
        const QDateTime now(QDate(2026, 3, 4), QTime(10, 20, 30, 700));
        dlg.setClock([now] { return now; });
        dlg.show();
        child<QCheckBox>(&dlg, "checkStartNow")->setChecked(false);
        child<QDateTimeEdit>(&dlg, "dateTimeStart")
            ->setDateTime(QDateTime(now.date(), QTime(10, 20, 30)).addSecs(offsetSeconds));
        expectMessageBox();
        dlg.onBtnOk();
        QCOMPARE(host.starts, started ? 1 : 0);
        if (started) {
            QVERIFY(lastBoxText.isEmpty());
            QVERIFY(host.last.timedActive);
            QCOMPARE(host.last.timedDone, 0);
            QCOMPARE(host.last.timedStart, host.last.timedNext);
            QVERIFY(!child<QPushButton>(&dlg, "btnOk")->isEnabled());
            QVERIFY(child<QPushButton>(&dlg, "btnCancel")->isEnabled());
        } else {
            QCOMPARE(lastBoxText, QStringLiteral("启动时间需大于当前时间"));
            QVERIFY(child<QPushButton>(&dlg, "btnOk")->isEnabled());
        }
    }

    void clipLengthFollowsMode()
    {
        FakeHost host;
        SettingTimeDialog dlg(nullptr, &host);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto *photo = child<QRadioButton>(&dlg, "radioPhoto");
        auto *video = child<QRadioButton>(&dlg, "radioVideo");
        auto *length = child<QSpinBox>(&dlg, "spinLength");
        QVERIFY(photo->isChecked());
        QVERIFY(!length->isEnabled());
        QTest::mouseClick(video, Qt::LeftButton, {}, QPoint(6, video->height() / 2));
        QVERIFY(length->isEnabled());
        QTest::mouseClick(photo, Qt::LeftButton, {}, QPoint(6, photo->height() / 2));
        QVERIFY(!length->isEnabled());
    }

    void seriesRunsToItsCount()
    {
        FakeWindow window;
        FakeHost host;
        SettingTimeDialog dlg(&window, &host);
        const QDateTime now = QDateTime::currentDateTime();
        dlg.setClock([now] { return now; });
        dlg.show();
        child<QSpinBox>(&dlg, "spinCount")->setValue(3);
        child<QSpinBox>(&dlg, "spinInterval")->setValue(7);
        child<QRadioButton>(&dlg, "radioVideo")->setChecked(true);
        child<QCheckBox>(&dlg, "checkStartNow")->setChecked(false);
        child<QDateTimeEdit>(&dlg, "dateTimeStart")->setDateTime(now.addSecs(30));
        dlg.onBtnOk();
        QCOMPARE(host.starts, 1);
        QCOMPARE(host.last.timedCount, 3);
        QCOMPARE(host.last.timedInterval, 7);
        QCOMPARE(host.last.timedMode, 1);
        auto *count = child<QSpinBox>(&dlg, "spinCount");
        QVERIFY(!count->isEnabled());

        emit window.autoRecordFinish();
        emit window.autoRecordFinish();
        QVERIFY(dlg.settings().timedActive);
        QCOMPARE(child<QLCDNumber>(&dlg, "lcdTaken")->intValue(), 2);
        emit window.autoRecordFinish();
        QVERIFY(!dlg.settings().timedActive);
        QCOMPARE(child<QLCDNumber>(&dlg, "lcdTaken")->intValue(), 3);
        QVERIFY(count->isEnabled());
        QVERIFY(child<QPushButton>(&dlg, "btnOk")->isEnabled());
        QVERIFY(!child<QPushButton>(&dlg, "btnCancel")->isEnabled());
        QVERIFY(child<QSpinBox>(&dlg, "spinLength")->isEnabled());
    }

    void stopEndsSeries()
    {
        FakeHost host;
        SettingTimeDialog dlg(nullptr, &host);
        const QDateTime now = QDateTime::currentDateTime();
        dlg.setClock([now] { return now; });
        dlg.show();
        child<QCheckBox>(&dlg, "checkStartNow")->setChecked(false);
        child<QDateTimeEdit>(&dlg, "dateTimeStart")->setDateTime(now.addSecs(5));
        dlg.onBtnOk();
        QTest::mouseClick(child<QPushButton>(&dlg, "btnCancel"), Qt::LeftButton);
        QCOMPARE(host.ends, 1);
        QVERIFY(!dlg.settings().timedActive);
        QVERIFY(child<QPushButton>(&dlg, "btnOk")->isEnabled());
    }

    // "Start now" begins at once; a start chosen by hand is never already past.
    void startNow()
    {
        FakeHost host;
        SettingTimeDialog dlg(nullptr, &host);
        const QDateTime now(QDate(2026, 3, 4), QTime(10, 20, 30, 700));
        dlg.setClock([now] { return now; });
        dlg.show();
        QVERIFY(!dlg.isModal());
        auto *startNow = child<QCheckBox>(&dlg, "checkStartNow");
        auto *edit = child<QDateTimeEdit>(&dlg, "dateTimeStart");
        QVERIFY(startNow->isChecked());
        QVERIFY(!edit->isEnabled());
        QVERIFY(edit->dateTime() > now);
        dlg.onBtnOk();
        QCOMPARE(host.starts, 1);
        QCOMPARE(host.last.timedStart, now);
        QVERIFY(!startNow->isEnabled());
    }

    // The series runs on while the dialog is closed; opened again, it shows it.
    void showingAgainShowsTheSeries()
    {
        FakeHost host;
        SettingTimeDialog dlg(nullptr, &host);
        AppSettings s;
        s.timedActive = true;
        s.timedMode = 1;
        s.timedLength = 42;
        s.timedDone = 4;
        dlg.setSettings(s);
        dlg.show();
        QVERIFY(dlg.settings().timedActive);
        QVERIFY(child<QPushButton>(&dlg, "btnCancel")->isEnabled());
        QVERIFY(child<QRadioButton>(&dlg, "radioVideo")->isChecked());
        QCOMPARE(child<QSpinBox>(&dlg, "spinLength")->value(), 42);
        QCOMPARE(child<QLCDNumber>(&dlg, "lcdTaken")->intValue(), 4);
        QVERIFY(child<QDateTimeEdit>(&dlg, "dateTimeStart")->dateTime().isValid());
    }

    void pathsDialog()
    {
        QWidget parent;
        parent.setWindowTitle("Orvanta Pro");
        SettingDialog dlg(&parent);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Orvanta Pro"));
        AppSettings s;
        s.imageRoot = "/photos";
        s.videoRoot = "/videos";
        dlg.setSettings(s);
        QString answer;
        dlg.setFolderPicker([&answer] { return answer; });
        dlg.show();
        auto *image = child<QLineEdit>(&dlg, "editImagePath");
        auto *movie = child<QLineEdit>(&dlg, "editMoviePath");
        QCOMPARE(image->text(), QStringLiteral("/photos"));

        // A cancelled picker leaves the edit.
        answer.clear();
        QTest::mouseClick(child<QPushButton>(&dlg, "btnImagePath"), Qt::LeftButton);
        QCOMPARE(image->text(), QStringLiteral("/photos"));
        answer = "/picked";
        QTest::mouseClick(child<QPushButton>(&dlg, "btnMoviePath"), Qt::LeftButton);
        QCOMPARE(movie->text(), QStringLiteral("/picked"));

        // Typed paths are taken as typed, even when they do not exist.
        image->setText(" /no/such folder ");
        QTest::mouseClick(child<QPushButton>(&dlg, "btnOk"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.settings().imageRoot, QStringLiteral(" /no/such folder "));
        QCOMPARE(dlg.settings().videoRoot, QStringLiteral("/picked"));
    }

    void pathsDialogCancel()
    {
        SettingDialog dlg;
        AppSettings s;
        s.imageRoot = "/photos";
        dlg.setSettings(s);
        dlg.show();
        child<QLineEdit>(&dlg, "editImagePath")->setText("/else");
        QTest::mouseClick(child<QPushButton>(&dlg, "btnCancel"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.settings().imageRoot, QStringLiteral("/photos"));
    }

    void about()
    {
        QWidget parent;
        parent.setWindowTitle("Orvanta Pro");
        HelpDialog dlg(&parent);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Orvanta Pro"));
        const QString text = dlg.text();
        QVERIFY(text.startsWith("Orvanta Pro"));
        QVERIFY(text.contains(QStringLiteral("Version：V3.1.3")));
        QVERIFY(child<QTextBrowser>(&dlg, "textBrowser")->openExternalLinks());
        QVERIFY(!(dlg.windowFlags() & Qt::WindowContextHelpButtonHint));
    }
};

QTEST_MAIN(TstSettingDialogs)
#include "tst_settingdialogs.moc"
