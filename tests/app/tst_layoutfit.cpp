#include "mainwindowrig.h"
#include "app/languages.h"
#include "dialogs/helpdialog.h"
#include "dialogs/settingdialog.h"
#include "dialogs/settingtimedialog.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>

// Every text of the main window, its pages and dialogs shows whole in every
// language at the default 800 x 600 window.
class TstLayoutFit : public QObject
{
    Q_OBJECT

    static bool inLayout(const QLayout *layout, const QWidget *w)
    {
        for (int i = 0; layout && i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (item->widget() == w || inLayout(item->layout(), w))
                return true;
        }
        return false;
    }

    // How the text of w is cut ("need > have" in pixels), or nothing.
    static QString clipped(QWidget *w, QString *text)
    {
        auto cut = [](int need, int have) {
            return need > have + 1 ? QStringLiteral("%1 > %2").arg(need).arg(have) : QString();
        };
        if (auto *label = qobject_cast<QLabel *>(w)) {
            *text = label->text();
            if (text->isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(*text))
                return {};
            const QFontMetrics fm(label->font());
            const QRect box = label->contentsRect();
            const int have = box.width() - 2 * qMax(0, label->margin()) - qMax(0, label->indent());
            if (!label->wordWrap())
                return cut(fm.size(0, *text).width(), have);
            // Wrapped where the language allows (between words, or between
            // CJK characters): a word that cannot break sticks out, and the
            // lines must not be cut at the bottom.
            const QRect need = fm.boundingRect(QRect(0, 0, have, 100000), Qt::TextWordWrap, *text);
            const QString high = cut(need.height(), box.height());
            return high.isEmpty() ? cut(need.width(), have) : QStringLiteral("height ") + high;
        }
        auto *button = qobject_cast<QAbstractButton *>(w);
        if (!button || button->text().isEmpty())
            return {};
        if (auto *tool = qobject_cast<QToolButton *>(w); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return {};
        *text = button->text();
        if (auto *push = qobject_cast<QPushButton *>(w)) {
            // What is painted is clipped to the contents rectangle; the style's
            // minimum width of a push button is no text.
            QStyleOptionButton opt;
            opt.initFrom(push);
            opt.text = push->text();
            opt.icon = push->icon();
            opt.iconSize = push->iconSize();
            if (push->isFlat())
                opt.features |= QStyleOptionButton::Flat;
            if (push->isDefault())
                opt.features |= QStyleOptionButton::DefaultButton;
            const int have = push->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, push).width();
            return cut(push->fontMetrics().size(Qt::TextShowMnemonic, *text).width()
                           + (push->icon().isNull() ? 0 : push->iconSize().width() + 4),
                       have);
        }
        const QString wide = cut(button->sizeHint().width(), button->width());
        const QString high = cut(button->sizeHint().height(), button->height());
        return !wide.isEmpty() || high.isEmpty() ? wide : QStringLiteral("height ") + high;
    }

    // Texts that do not show whole: "object [class]: text (need > have)".
    static QStringList overflows(QWidget *top)
    {
        QStringList out;
        // A window squeezed below what its layout needs overlaps its widgets.
        const QSize min = top->minimumSizeHint();
        if (min.width() > 800 || min.height() > 600)
            out << QStringLiteral("window needs %1 x %2").arg(min.width()).arg(min.height());
        for (QWidget *w : top->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(top) || w->width() <= 1)
                continue;
            QString text;
            const QString cut = clipped(w, &text);
            if (text.isEmpty())
                continue;
            const QString what = QStringLiteral("%1 [%2]: %3")
                                     .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), text);
            if (!cut.isEmpty())
                out << QStringLiteral("%1 (%2)").arg(what, cut);
            // Laid out next to each other, nothing may cover a text.
            QWidget *parent = w->parentWidget();
            for (QWidget *other : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                if (other != w && other->isVisibleTo(top) && other->geometry().intersects(w->geometry())
                    && inLayout(parent->layout(), w) && inLayout(parent->layout(), other))
                    out << QStringLiteral("%1 (covered by %2)").arg(what, other->objectName());
            }
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    void fits_data()
    {
        QTest::addColumn<int>("language");
        for (int i = 0; i < languageCount(); ++i)
            QTest::newRow(qPrintable(languageCode(i).isEmpty() ? QStringLiteral("zh_CN") : languageCode(i))) << i;
    }

    void fits()
    {
        QFETCH(int, language);
        if (language > 0 && !QFileInfo::exists(QCoreApplication::applicationDirPath() + "/lang/vistrel_en.qm"))
            QSKIP("no translations beside the test program");
        Rig rig;
        rig.window->resize(800, 600);
        rig.window->setLanguage(language);
        QStringList bad;
        auto walk = [&](const QString &page, QWidget *top) {
            QCoreApplication::processEvents();
            for (const QString &o : overflows(top))
                bad << page + QStringLiteral(": ") + o;
            if (qEnvironmentVariableIsSet("VISTREL_SHOTS"))
                top->grab().save(QStringLiteral("%1/%2_%3.png")
                                     .arg(qEnvironmentVariable("VISTREL_SHOTS"), page,
                                          QString::fromLatin1(QTest::currentDataTag())));
        };
        QWidget *main = rig.window.get();
        rig.window->onBtnSetting();
        // Each group of camera settings open in turn.
        for (const char *group : {"btnColor", "btnBlance", "btnResever", "btnBaoGuang"}) {
            main->findChild<QPushButton *>(QLatin1String(group))->click();
            walk(QStringLiteral("camera-") + QLatin1String(group), main);
        }
        // The camera's own settings window.
        rig.ui()->btnAdvanced->click();
        QCoreApplication::processEvents();
        QDialog *advanced = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
                advanced = d;
        QVERIFY(advanced);
        walk("advanced", advanced);
        advanced->close();
        rig.window->onBtnCalib();
        walk("toolbox", main);
        rig.ui()->bdWidget->onBtnBDEdit();
        walk("calibration", main);
        rig.ui()->bdWidget->leaveEditPage();
        rig.window->onBtnOpenDir();
        walk("files", main);

        SettingTimeDialog timed(main, rig.window.get());
        timed.show();
        walk("timed", &timed);
        SettingDialog paths(main);
        paths.show();
        walk("paths", &paths);
        HelpDialog about(main);
        about.show();
        walk("about", &about);

        MeasureEditer *editor = rig.window->editer();
        QImage photo(1280, 720, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        const QString path = rig.dir.filePath("photo.png");
        QVERIFY(photo.save(path));
        editor->resize(800, 600);
        editor->show();
        QVERIFY(editor->openImage(path));
        // The widest readout the pointer can give.
        emit editor->viewer()->cameraScene()->coorInfo(QPoint(0, 719), QColor(255, 255, 255));
        walk("editor", editor);
        editor->hide();
        for (const QString &b : bad)
            qInfo("%s", qPrintable(b));
        QVERIFY2(bad.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts do not show whole (listed above)").arg(bad.size())));
    }
};

QTEST_MAIN(TstLayoutFit)
#include "tst_layoutfit.moc"
