#include "core/sidecar.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestSidecar : public QObject
{
    Q_OBJECT

    static AppSettings sample()
    {
        AppSettings s;
        s.calibrations = {{QStringLiteral("10x"), 0.0015625, 0, QSize(1920, 1080), QStringLiteral("cam-a")},
                          {QStringLiteral("old"), 0.5, 2, QSize(), QString()},
                          {QStringLiteral("10x"), 0.0015625, 0, QSize(640, 480), QStringLiteral("cam-b")}};
        s.cameras[QStringLiteral("cam-a")].colourTemperature = 4600;
        s.cameras[QStringLiteral("cam-a")].hasCalibration = true;
        s.cameras[QStringLiteral("cam-a")].calibration = s.calibrations[2];
        s.extras.tileCameras = QStringList{QStringLiteral("cam-a"), QString(), QStringLiteral("cam-b"), QString()};
        s.extras.showScaleBar = true;
        s.extras.scaleBarCorner = 1;
        return s;
    }

    // The record as the configuration file would give it back: no origins.
    static AppSettings fromConfigOnly(const AppSettings &s)
    {
        AppSettings out;
        out.calibrations = s.calibrations;
        for (BDInfo &b : out.calibrations) {
            b.pictureSize = QSize();
            b.camera.clear();
        }
        out.cameras[QStringLiteral("cam-a")];
        return out;
    }

private slots:
    void roundTrip()
    {
        const AppSettings s = sample();
        AppSettings back = fromConfigOnly(s);
        QVERIFY(sidecar::fromJson(sidecar::toJson(s), &back));
        for (int i = 0; i < s.calibrations.size(); ++i) {
            QCOMPARE(back.calibrations[i].pictureSize, s.calibrations[i].pictureSize);
            QCOMPARE(back.calibrations[i].camera, s.calibrations[i].camera);
        }
        QCOMPARE(back.cameras[QStringLiteral("cam-a")].colourTemperature, 4600);
        // The camera's calibration in force is found again, by identity.
        QVERIFY(back.cameras[QStringLiteral("cam-a")].hasCalibration);
        QCOMPARE(indexOfCalibration(back.calibrations, back.cameras[QStringLiteral("cam-a")].calibration), 2);
        QCOMPARE(back.extras.tileCameras, s.extras.tileCameras);
        QCOMPARE(back.extras.showScaleBar, true);
        QCOMPARE(back.extras.scaleBarCorner, 1);
    }

    void hostile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n", 8) << false;
        QTest::newRow("array") << QByteArray("[1,2]") << false;
        QTest::newRow("no version") << QByteArray("{\"tiles\":[\"x\"]}") << false;
        QTest::newRow("wrong types") << QByteArray("{\"version\":1,\"calibrations\":5,\"cameras\":[],"
                                                   "\"tiles\":{},\"scaleBar\":{\"corner\":99}}") << true;
        QTest::newRow("huge sizes") << QByteArray("{\"version\":1,\"calibrations\":[{\"name\":\"old\",\"factor\":0.5,"
                                                  "\"unit\":2,\"width\":2000000000,\"height\":-1}]}") << true;
        QTest::newRow("camera calibration of no use")
            << QByteArray("{\"version\":1,\"cameras\":{\"cam-a\":{\"calibration\":{\"name\":\"x\",\"factor\":-1,\"unit\":0}}}}")
            << true;
        QTest::newRow("later version") << QByteArray("{\"version\":7,\"future\":{}}") << true;
    }

    void hostile()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, accepted);
        AppSettings s = fromConfigOnly(sample());
        const AppSettings before = s;
        QCOMPARE(sidecar::fromJson(json, &s), accepted);
        // Nothing invalid gets in, whatever the document says.
        QCOMPARE(s.extras.scaleBarCorner, before.extras.scaleBarCorner);
        QVERIFY(s.extras.tileCameras.size() <= AppSettings::kTileCount);
        for (const BDInfo &b : s.calibrations)
            QVERIFY(!b.pictureSize.isValid());
        QVERIFY(!s.cameras[QStringLiteral("cam-a")].hasCalibration);
    }

    void fileAndBackupRoundTrip()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("Measure.config"));
        QCOMPARE(sidecar::pathFor(config), dir.filePath(QStringLiteral("Measure.json")));
        AppSettings none;
        QVERIFY(sidecar::load(sidecar::pathFor(config), &none)); // missing: fine
        QVERIFY(sidecar::save(sidecar::pathFor(config), sample()));
        AppSettings back = fromConfigOnly(sample());
        QVERIFY(sidecar::load(sidecar::pathFor(config), &back));
        QCOMPARE(back.calibrations[2].pictureSize, QSize(640, 480));

        const QString bd = dir.filePath(QStringLiteral("bdInfo.bd"));
        QVERIFY(sidecar::saveBDOrigins(bd, sample().calibrations));
        BDInfoList list = fromConfigOnly(sample()).calibrations;
        sidecar::loadBDOrigins(bd, &list);
        QCOMPARE(list[0].pictureSize, QSize(1920, 1080));
        QCOMPARE(list[1].pictureSize, QSize());
    }
};

QTEST_GUILESS_MAIN(TestSidecar)
#include "tst_sidecar.moc"
