#include "capture/devicetable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TstUdevRules : public QObject
{
    Q_OBJECT
private slots:
    // Every camera the program accepts must be reachable without root, and
    // the rule must grant nothing to devices the program does not know.
    void rulesMatchDeviceTable()
    {
        buildDeviceTable();
        QFile f(QStringLiteral(UDEV_RULES));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.contains("SUBSYSTEM==\"video4linux\""));
        QVERIFY(text.contains("SUBSYSTEM==\"input\", KERNEL==\"event*\""));

        QSet<QString> inRules;
        const QRegularExpression re(
            "ATTRS\\{idVendor\\}==\"([0-9a-f]{4})\", ATTRS\\{idProduct\\}==\"([0-9a-f]{4})\", TAG\\+=\"uaccess\"");
        auto it = re.globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            inRules.insert(m.captured(1) + ':' + m.captured(2));
        }
        QSet<QString> inTable;
        for (const DeviceModelEntry &row : deviceTable())
            inTable.insert(QString::asprintf("%04x:%04x", row.vendorId, row.productId));
        QCOMPARE(inRules, inTable);
    }
};

QTEST_GUILESS_MAIN(TstUdevRules)
#include "tst_udevrules.moc"
