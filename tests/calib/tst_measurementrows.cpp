#include "calib/measurementrows.h"

#include "core/numberformat.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"

#include <QGraphicsView>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using Pts = QVector<QPointF>;

namespace {

GraphicsItem *addFinished(CameraScene &scene, int type, const Pts &points, const QString &text = QString())
{
    GraphicsItem *shape = createShape(type);
    shape->restore({type, DrawStyle(), points, text});
    scene.addShape(shape);
    return shape;
}

// One shape of every kind, each with a label.
void drawAllKinds(CameraScene &scene)
{
    addFinished(scene, Point, {{212.6, 100.4}});
    addFinished(scene, Line, {{10, 20}, {110, 20}});
    addFinished(scene, BrokenLine, {{0, 0}, {30, 40}, {30, 100}});
    addFinished(scene, Rect, {{10, 60}, {60, 10}});
    addFinished(scene, Polygon, {{0, 100}, {100, 100}, {100, 0}});
    addFinished(scene, ParallelLine, {{0, 0}, {100, 100}, {0, 100}, {100, 200}});
    addFinished(scene, VerticalLine, {{0, 0}, {100, 0}, {30, 40}});
    addFinished(scene, Cross, {{50, 50}});
    addFinished(scene, AngleLine, {{150, 50}, {50, 50}, {150, 150}});
    addFinished(scene, Arc, {{100, 0}, {160, 20}, {200, 100}});
    addFinished(scene, Circle1, {{100, 100}, {150, 100}});
    addFinished(scene, Circle2, {{10, 10}, {70, 90}});
    addFinished(scene, Circle3, {{0, 100}, {100, 0}, {200, 100}});
    addFinished(scene, DoubleCircle, {{100, 100}, {130, 100}, {100, 150}});
    addFinished(scene, CircleLine, {{10, 10}, {20, 10}, {40, 50}, {50, 50}});
    addFinished(scene, Text, {{30, 30}}, QStringLiteral("note"));
}

void setUp(CameraScene &scene)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::black);
    scene.setImage(picture);
    scene.setSceneRect(0, 0, 400, 300);
    scene.setCalibration(QStringLiteral("x10"), 0.0123456789, 0);
}

} // namespace

class TestMeasurementRows : public QObject
{
    Q_OBJECT

private slots:
    // Each shape's rows, written as its label is, give its label exactly.
    void rowsMatchLabels()
    {
        CameraScene scene;
        setUp(scene);
        drawAllKinds(scene);
        const QVector<MeasurementRow> rows = measurementRows(scene);
        const QList<GraphicsItem *> &shapes = scene.shapes();
        QCOMPARE(shapes.size(), 16);
        for (int s = 0; s < shapes.size(); ++s) {
            QStringList fromRows;
            // The table adds a circle's diameter and area beside its labelled
            // radius; the rows that a label shows must read the same.
            QStringList labelled;
            for (const MeasuredValue &v : shapes[s]->values())
                labelled << v.name;
            for (int i = 0; i < rows.size(); ++i) {
                const MeasurementRow &r = rows[i];
                if (r.shape != s + 1)
                    continue;
                if (!labelled.contains(r.name))
                    continue;
                QCOMPARE(r.tool, toolName(shapes[s]->type()));
                QVERIFY(!r.tool.isEmpty());
                QCOMPARE(r.calibration, QStringLiteral("x10"));
                if (r.name == QLatin1String("X")) {
                    QCOMPARE(rows.value(i + 1).name, QStringLiteral("Y"));
                    fromRows << QString::asprintf("%.4d,%.4d", qRound(r.real), qRound(rows[i + 1].real));
                    ++i;
                } else if (r.unit == QLatin1String("deg")) {
                    fromRows << r.name + ':' + QString::number(r.real, 'f', 2) + " deg";
                } else {
                    fromRows << r.name + ':' + formatMeasure(r.real) + ' ' + r.unit;
                }
            }
            // A note's label is its text, not a value.
            const QStringList labels = shapes[s]->type() == Text ? QStringList() : shapes[s]->labels();
            QCOMPARE(fromRows, labels);
        }
    }

    // The CSV of the scene's rows, read by Python, gives the same doubles.
    void csvNumbersReadBackByPython()
    {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        CameraScene scene;
        setUp(scene);
        drawAllKinds(scene);
        MeasurementTable table;
        bindTableToScene(&table, &scene, QStringLiteral("shot.png"));
        QCOMPARE(table.rows().size(), measurementRows(scene).size());
        QTemporaryDir dir;
        const QString path = dir.filePath("m.csv");
        QVERIFY(table.exportTo(path));
        QProcess p;
        p.start(python, {"-c",
                         "import csv,sys\n"
                         "for r in csv.reader(open(sys.argv[1],encoding='utf-8',newline='')):\n"
                         "  if r[0].startswith('#') or r[0]=='shape': continue\n"
                         "  print(r[0], r[2], repr(float(r[3])), repr(float(r[5])), sep='|')\n",
                         path});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        const QVector<MeasurementRow> rows = measurementRows(scene);
        QCOMPARE(out.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList f = out[i].split('|');
            QCOMPARE(f[0].toInt(), rows[i].shape);
            QCOMPARE(f[1], rows[i].name);
            QCOMPARE(f[2].toDouble(), rows[i].real);
            QCOMPARE(f[3].toDouble(), rows[i].pixels);
        }
    }

    // Live rows; a picked row highlights its shape; Delete erases it, undoably.
    void tableFollowsScene()
    {
        CameraScene scene;
        setUp(scene);
        MeasurementTable table;
        bindTableToScene(&table, &scene);
        QCOMPARE(table.rows().size(), 0);
        addFinished(scene, Line, {{10, 20}, {110, 20}});
        GraphicsItem *circle = addFinished(scene, DoubleCircle, {{100, 100}, {130, 100}, {100, 150}});
        QCOMPARE(table.rows().size(), 3);
        scene.saveHistory();
        scene.setCalibration(QStringLiteral("x20"), 0.5, 2);
        QCOMPARE(table.rows().first().unit, QStringLiteral("um"));
        QCOMPARE(table.rows().first().real, 50.0);

        table.table()->selectRow(2);
        QCOMPARE(scene.selectedShape(), circle);
        table.table()->setFocus();
        QTest::keyClick(table.table(), Qt::Key_Delete);
        QCOMPARE(scene.shapes().size(), 1);
        QCOMPARE(table.rows().size(), 1);
        scene.undo();
        QCOMPARE(scene.shapes().size(), 2);
        QCOMPARE(table.rows().size(), 3);
    }

    // A click on a shape picks it and its rows; on empty picture, nothing.
    void clickSelectsRows()
    {
        CameraScene scene;
        setUp(scene);
        QGraphicsView view(&scene);
        view.setFrameShape(QFrame::NoFrame);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(400, 300);
        view.show();
        scene.fitToView(QSize(400, 300));
        scene.setMeasureEnabled(true);
        scene.setTool(Select);
        MeasurementTable table;
        bindTableToScene(&table, &scene);
        GraphicsItem *line = addFinished(scene, Line, {{10, 20}, {110, 20}});
        GraphicsItem *circle = addFinished(scene, DoubleCircle, {{100, 100}, {130, 100}, {100, 150}});
        QSignalSpy picked(&scene, &CameraScene::selectedShapeChanged);
        QSignalSpy fedBack(&table, &MeasurementTable::shapeSelected);
        const auto selectedRows = [&table] {
            QList<int> rows;
            for (const QModelIndex &index : table.table()->selectionModel()->selectedRows())
                rows << index.row();
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        const struct
        {
            QPoint at;
            GraphicsItem *shape;
            QList<int> rows;
        } clicks[] = {{{130, 100}, circle, {1, 2}}, {{300, 250}, nullptr, {}}, {{60, 20}, line, {0}}};
        for (const auto &click : clicks) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.mapFromScene(click.at));
            QCOMPARE(scene.selectedShape(), click.shape);
            QCOMPARE(selectedRows(), click.rows);
        }
        QCOMPARE(picked.size(), 3);
        QCOMPARE(fedBack.size(), 0);
        QCOMPARE(scene.shapes().first()->points().first(), QPointF(10, 20)); // a click moves nothing
    }
};

QTEST_MAIN(TestMeasurementRows)
#include "tst_measurementrows.moc"
