#include "core/sidecar.h"

#include <QJsonArray>
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
    // A newer program's file: what this one does not know is written back
    // as it was, what it knows is its own (a field it dropped stays dropped).
    void newerFileKeepsWhatItDoesNotKnow()
    {
        QTemporaryDir dir;
        const QString path = sidecar::pathFor(dir.filePath(QStringLiteral("Measure.config")));
        QJsonObject cam{
            {"colourTemperature", 5000},
            {"calibration", QJsonObject{{"name", "10x"}, {"factor", 0.5}, {"unit", 0}, {"lens", "Plan 10"}}},
            {"autofocus", true}};
        const QJsonObject newer{{"version", 3},
                                {"cameras", QJsonObject{{"cam-a", cam}, {"cam-z", QJsonObject{{"autofocus", false}}}}},
                                {"scaleBar", QJsonObject{{"shown", false}, {"style", "ticks"}}},
                                {"reports", QJsonArray{"a.pdf"}}};
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(newer).toJson());
        file.close();

        AppSettings s;
        s.calibrations = {{QStringLiteral("10x"), 0.5, 0, QSize(), QString()}};
        s.cameras[QStringLiteral("cam-a")];
        QVERIFY(sidecar::load(path, &s));
        QCOMPARE(s.cameras[QStringLiteral("cam-a")].colourTemperature, 5000);
        s.cameras[QStringLiteral("cam-a")].colourTemperature = 6500;
        s.cameras[QStringLiteral("cam-a")].hasCalibration = false; // the user let it go
        s.extras.showScaleBar = true;
        QVERIFY(sidecar::save(path, s));

        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject back = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QCOMPARE(back.value("version").toInt(), 3);
        QCOMPARE(back.value("reports").toArray(), QJsonArray{"a.pdf"});
        QCOMPARE(back.value("scaleBar").toObject().value("style").toString(), QStringLiteral("ticks"));
        QCOMPARE(back.value("scaleBar").toObject().value("shown").toBool(), true);
        const QJsonObject a = back.value("cameras").toObject().value("cam-a").toObject();
        QCOMPARE(a.value("colourTemperature").toInt(), 6500);
        QCOMPARE(a.value("autofocus").toBool(), true);
        QVERIFY(!a.contains("calibration"));
        QCOMPARE(back.value("cameras").toObject().value("cam-z").toObject(), (QJsonObject{{"autofocus", false}}));
    }

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
                                                   "\"tiles\":{},\"scaleBar\":{\"corner\":99}}")
                                     << true;
        QTest::newRow("huge sizes") << QByteArray("{\"version\":1,\"calibrations\":[{\"name\":\"old\",\"factor\":0.5,"
                                                  "\"unit\":2,\"width\":2000000000,\"height\":-1}]}")
                                    << true;
        QTest::newRow("camera calibration of no use") << QByteArray(
            "{\"version\":1,\"cameras\":{\"cam-a\":{\"calibration\":{\"name\":\"x\",\"factor\":-1,\"unit\":0}}}}")
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
