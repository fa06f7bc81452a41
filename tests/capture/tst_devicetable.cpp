#include "capture/devicetable.h"

#include <QtTest>

class TstDeviceTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { buildDeviceTable(); }

    void title() { QCOMPARE(productTitle(), QStringLiteral("Orvanta Pro")); }

    void table()
    {
        const auto &t = deviceTable();
        QCOMPARE(t.size(), 13);
        QCOMPARE(t.at(0).modelName, QStringLiteral("V3-5M"));
        QCOMPARE(t.at(0).sizes.size(), 5);
        QCOMPARE(t.at(2).vendorId, 0x0AC8);
        QCOMPARE(t.at(5).sizes.last(), QSize(1920, 1088));
        QCOMPARE(t.at(11).modelName, QStringLiteral("29(SN9C259 - GC0308)"));
        QCOMPARE(t.at(12).friendlyName, QStringLiteral("Integrated Camera"));
        QCOMPARE(t.at(12).sizes.size(), 7);
        for (const auto &row : t)
            QVERIFY(row.modelCode == 1 || row.modelCode == 2);
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("row"); // -1: no match

        QTest::newRow("v4l2 path") << "v4l2:usb-0000:00:14.0-2#vid_0c45&pid_62c1" << 3;
        QTest::newRow("dshow style") << "\\\\?\\usb#vid_0c45&pid_0223&mi_00#7&1" << 0;
        QTest::newRow("upper hex digits") << "vid_0C45&pid_62C5" << 5;
        QTest::newRow("pid before vid") << "pid_0397 vid_5986" << 12;
        QTest::newRow("upper-case PID_") << "vid_0c45&PID_62c1" << -1;
        QTest::newRow("upper-case VID_") << "VID_0c45&pid_62c1" << -1;
        QTest::newRow("no vid") << "usb#pid_62c1" << -1;
        QTest::newRow("no pid") << "usb#vid_0c45" << -1;
        QTest::newRow("short digits") << "vid_0c45&pid_62c" << -1;
        QTest::newRow("not hex") << "vid_0c45&pid_62xz" << -1;
        QTest::newRow("sign is not a digit") << "vid_0c45&pid_+223" << -1;
        QTest::newRow("unknown model") << "vid_1234&pid_5678" << -1;
        QTest::newRow("first occurrence counts") << "vid_0603&pid_0301#vid_0c45&pid_0223" << 8;
        // Rows 7 and 8 are the same; the first match wins.
        QTest::newRow("duplicate row") << "vid_1908&pid_0041" << 6;
        QTest::newRow("same pid other vid") << "vid_0605&pid_0302" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void lookup()
    {
        QFETCH(QString, path);
        QFETCH(int, row);
        const auto found = findDeviceModel(path);
        if (row < 0) {
            QVERIFY(!found);
            return;
        }
        QVERIFY(found);
        const DeviceModelEntry &expected = deviceTable().at(row);
        QCOMPARE(found->modelName, expected.modelName);
        QCOMPARE(found->productId, expected.productId);
        QCOMPARE(found->vendorId, expected.vendorId);
        QCOMPARE(found->sizes, expected.sizes);
        QCOMPARE(found->modelCode, expected.modelCode);
    }
};

QTEST_GUILESS_MAIN(TstDeviceTable)
#include "tst_devicetable.moc"
