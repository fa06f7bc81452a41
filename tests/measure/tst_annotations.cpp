#include "measure/annotations.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

const int kAllKinds[] = {Point,     Line, BrokenLine, Rect,    Polygon, ParallelLine, VerticalLine, Cross,
                         AngleLine, Arc,  Circle1,    Circle2, Circle3, DoubleCircle, CircleLine,   Text};

// Every kind with the most points it takes, awkward coordinates and styles.
ShapeState allKinds()
{
    ShapeState state;
    int n = 0;
    for (int type : kAllKinds) {
        int least = 0, most = 0;
        annotations::pointRange(type, &least, &most);
        ShapeRecord r;
        r.type = type;
        for (int i = 0; i < most; ++i)
            r.points.append(QPointF(100.0 / 3 + i * 17.123456789012345 + n, 0.1 + i * 1e-7 - n * 3.3));
        r.style.textColorIndex = n % 3;
        r.style.fontSizeIndex = n % 9;
        r.style.lineColorIndex = (n + 1) % 3;
        r.style.lineStyle = n % 2;
        r.style.lineWidthIndex = n % 7;
        if (type == Text)
            r.text = QString::fromUtf8("注释 \"quoted\"\nline two µm");
        state.append(r);
        ++n;
    }
    return state;
}

void compareExactly(const ShapeState &a, const ShapeState &b)
{
    QCOMPARE(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i) {
        QCOMPARE(a[i].type, b[i].type);
        QVERIFY(a[i].style == b[i].style);
        QCOMPARE(a[i].text, b[i].text);
        QCOMPARE(a[i].points.size(), b[i].points.size());
        for (int k = 0; k < a[i].points.size(); ++k) {
            // Bit for bit, not QPointF's fuzzy equality.
            QVERIFY(a[i].points[k].x() == b[i].points[k].x());
            QVERIFY(a[i].points[k].y() == b[i].points[k].y());
        }
    }
}

QJsonObject validRoot()
{
    annotations::Document doc;
    doc.shapes = allKinds();
    return QJsonDocument::fromJson(annotations::toJson(doc)).object();
}

} // namespace

class TestAnnotations : public QObject
{
    Q_OBJECT

private slots:
    void roundTripOfEveryKind();
    void everyKindRestoresAndPaints();
    void hostileFiles_data();
    void hostileFiles();
    void damagedShapesAreLeftOut_data();
    void damagedShapesAreLeftOut();
    void missingAndOversizedFiles();
};

void TestAnnotations::roundTripOfEveryKind()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath("p.png");
    annotations::Document doc;
    doc.shapes = allKinds();
    QCOMPARE(doc.shapes.size(), int(sizeof kAllKinds / sizeof kAllKinds[0]));
    doc.calibration.name = QString::fromUtf8("40X 物镜");
    doc.calibration.factor = 0.00123456789012345678;
    doc.calibration.unit = 2;
    doc.calibration.pictureSize = QSize(2592, 1944);
    QVERIFY(annotations::save(photo, doc));
    QCOMPARE(annotations::pathFor(photo), photo + ".vistrel.json");
    QCOMPARE(annotations::companions(photo), QStringList{photo + ".vistrel.json"});

    annotations::Document back;
    QString error;
    QCOMPARE(annotations::load(photo, &back, &error), annotations::Load::Loaded);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    compareExactly(back.shapes, doc.shapes);
    QCOMPARE(back.calibration.name, doc.calibration.name);
    QVERIFY(back.calibration.factor == doc.calibration.factor);
    QCOMPARE(back.calibration.unit, 2);
    QCOMPARE(back.calibration.pictureSize, QSize(2592, 1944));
    QCOMPARE(back.programVersion, QString(VISTREL_VERSION));
    QCOMPARE(back.skippedShapes, 0);
}

void TestAnnotations::everyKindRestoresAndPaints()
{
    // The point bounds are what the shapes can take: restored with the
    // fewest and the most points each kind paints and reports the same record.
    CameraScene scene;
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    scene.setImage(picture);
    scene.fitToView(picture.size());
    for (const ShapeRecord &most : allKinds()) {
        int least = 0, mostCount = 0;
        QVERIFY(annotations::pointRange(most.type, &least, &mostCount));
        for (int count : {least, mostCount}) {
            ShapeRecord r = most;
            r.points.resize(count);
            GraphicsItem *shape = createShape(r.type);
            QVERIFY(shape);
            shape->restore(r);
            scene.addShape(shape);
            compareExactly({shape->record()}, {r});
        }
    }
    QVERIFY(!scene.grabImage().isNull());
}

void TestAnnotations::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not json") << QByteArray("\x89PNG garbage");
    QTest::newRow("array") << QByteArray("[1,2,3]");
    QTest::newRow("other format") << QByteArray(R"({"format":"x","shapes":[]})");
    QTest::newRow("truncated") << annotations::toJson(annotations::Document()).left(40);
    QTest::newRow("deep nesting") << QByteArray(5000, '[') + QByteArray(5000, ']');
    // Qt's parser would lose the first container's memory.
    QTest::newRow("repeated key") << QByteArray(R"({"format":"vistrel-annotations","shapes":[],"shapes":[]})");
    QTest::newRow("repeated key, escaped") << QByteArray(R"({"format":"vistrel-annotations","a":{},"\u0061":{}})");
    QJsonObject many = validRoot();
    QJsonArray shapes;
    for (int i = 0; i <= annotations::kMaxShapes; ++i)
        shapes.append(QJsonObject{{"type", "Point"}, {"points", QJsonArray{QJsonArray{1, 2}}}});
    many["shapes"] = shapes;
    QTest::newRow("too many shapes") << QJsonDocument(many).toJson(QJsonDocument::Compact);
    QTest::newRow("oversized") << QByteArray("{\"format\":\"vistrel-annotations\",\"x\":\"")
                                      + QByteArray(annotations::kMaxBytes, 'a') + "\"}";
}

void TestAnnotations::hostileFiles()
{
    QFETCH(QByteArray, json);
    annotations::Document doc;
    doc.shapes = allKinds();
    QString error;
    QVERIFY(!annotations::fromJson(json, &doc, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(doc.shapes.size(), allKinds().size()); // untouched
}

void TestAnnotations::damagedShapesAreLeftOut_data()
{
    QTest::addColumn<QJsonValue>("shape");
    const QJsonArray p{1, 2};
    QTest::newRow("unknown kind") << QJsonValue(QJsonObject{{"type", "Hexagon"}, {"points", QJsonArray{p}}});
    QTest::newRow("tool, not a shape") << QJsonValue(QJsonObject{{"type", "Erase"}, {"points", QJsonArray{p}}});
    QTest::newRow("too few points") << QJsonValue(QJsonObject{{"type", "Circle3"}, {"points", QJsonArray{p, p}}});
    QJsonArray lots;
    for (int i = 0; i < 101; ++i)
        lots.append(p);
    QTest::newRow("too many points") << QJsonValue(QJsonObject{{"type", "Polygon"}, {"points", lots}});
    QTest::newRow("far coordinate") << QJsonValue(
        QJsonObject{{"type", "Point"}, {"points", QJsonArray{QJsonArray{1e300, 2}}}});
    QTest::newRow("text coordinate") << QJsonValue(
        QJsonObject{{"type", "Point"}, {"points", QJsonArray{QJsonArray{"1", 2}}}});
    QTest::newRow("three numbers") << QJsonValue(
        QJsonObject{{"type", "Point"}, {"points", QJsonArray{QJsonArray{1, 2, 3}}}});
    QTest::newRow("long text") << QJsonValue(QJsonObject{
        {"type", "Text"}, {"points", QJsonArray{p}}, {"text", QString(annotations::kMaxTextChars + 1, 'x')}});
    QTest::newRow("number as text") << QJsonValue(
        QJsonObject{{"type", "Text"}, {"points", QJsonArray{p}}, {"text", 5}});
    QTest::newRow("not an object") << QJsonValue(42);
}

void TestAnnotations::damagedShapesAreLeftOut()
{
    QFETCH(QJsonValue, shape);
    QJsonObject root = validRoot();
    QJsonArray shapes = root["shapes"].toArray();
    shapes.insert(3, shape);
    // Style indices out of range fall back to the defaults, the shape stays.
    QJsonObject styled = shapes.at(0).toObject();
    styled["style"] = QJsonObject{{"textColor", 99}, {"fontSize", -1}, {"lineColor", 1.5}, {"lineWidth", "2"}};
    shapes[0] = styled;
    root["shapes"] = shapes;
    annotations::Document doc;
    QString error;
    QVERIFY(annotations::fromJson(QJsonDocument(root).toJson(), &doc, &error));
    QCOMPARE(doc.skippedShapes, 1);
    QVERIFY(!error.isEmpty());
    ShapeState expected = allKinds();
    expected[0].style = DrawStyle();
    compareExactly(doc.shapes, expected);
}

void TestAnnotations::missingAndOversizedFiles()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath("q.jpg");
    annotations::Document doc;
    QCOMPARE(annotations::load(photo, &doc), annotations::Load::Missing);
    QVERIFY(annotations::companions(photo).isEmpty());
    QFile f(annotations::pathFor(photo));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(annotations::kMaxBytes + 1)); // sparse: nothing is read
    f.close();
    QString error;
    QCOMPARE(annotations::load(photo, &doc, &error), annotations::Load::Damaged);
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestAnnotations)
#include "tst_annotations.moc"
