#include "widgets/iconhelp.h"

#include <QPushButton>
#include <QtTest>

namespace {

QImage shown(const QAbstractButton &b) { return b.icon().pixmap(32, 32).toImage(); }

QImage expected(const QString &name, bool selected) { return IconHelp::icon(name, selected).pixmap(32, 32).toImage(); }

} // namespace

class TstIconHelp : public QObject
{
    Q_OBJECT
private slots:
    void paths()
    {
        QCOMPARE(IconHelp::iconPath("btnCapture", false), QStringLiteral(":/Vistrel/image/icon/btnCapture.png"));
        QCOMPARE(IconHelp::iconPath("btnCapture", true), QStringLiteral(":/Vistrel/image/icon/btnCapture_Select.png"));
        QVERIFY(!expected("btnCapture", false).isNull());
        QVERIFY(expected("btnCapture", false) != expected("btnCapture", true));
    }

    void pressSwapsIcons()
    {
        IconHelp help;
        QPushButton b;
        b.resize(40, 40);
        help.setIcon(&b, "btnCapture");
        QCOMPARE(shown(b), expected("btnCapture", false));
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(shown(b), expected("btnCapture", true));
        QVERIFY(help.isSelected(&b));
        QTest::mouseRelease(&b, Qt::LeftButton);
        QCOMPARE(shown(b), expected("btnCapture", false));
    }

    void checkedKeepsSelect()
    {
        IconHelp help;
        QPushButton b;
        b.resize(40, 40);
        b.setCheckable(true);
        help.setIcon(&b, "btnSetting");
        QTest::mouseClick(&b, Qt::LeftButton);
        QVERIFY(b.isChecked());
        QCOMPARE(shown(b), expected("btnSetting", true));
        b.setChecked(false);
        QCOMPARE(shown(b), expected("btnSetting", false));
    }

    void setSelectedAndDestroy()
    {
        IconHelp help;
        auto *b = new QPushButton;
        help.setIcon(b, "btnCalib");
        help.setSelected(b, true);
        QCOMPARE(shown(*b), expected("btnCalib", true));
        help.setSelected(b, false);
        QCOMPARE(shown(*b), expected("btnCalib", false));
        delete b;
        // A destroyed button is forgotten, not touched.
        help.setSelected(b, true);
        QVERIFY(!help.isSelected(b));
    }
};

QTEST_MAIN(TstIconHelp)
#include "tst_iconhelp.moc"
