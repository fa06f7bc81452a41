#include "calib/measurementtable.h"
#include "core/notifier.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TstMeasurementTable : public QObject
{
    Q_OBJECT

    static QVector<MeasurementRow> sample()
    {
        return {{1, "Line", "L", 0.1234567890123456789, "mm", 79.01234567890123, "10x, \"new\""},
                {2, "Circle", "R", 1.0 / 3.0, "mm", 213.3333333333333, "10x"},
                {2, "Circle", "S", 0.3490658503988659, "mm²", 142990.2, "10x"},
                {3, "Angle", "A", 45.0000001, "deg", 45.0000001, ""}};
    }

private slots:
    // Python's csv module reads back every field and the same doubles.
    void csvReadBackByPython()
    {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QTemporaryDir dir;
        MeasurementTable table;
        table.setRows(sample());
        table.setSource({"shot, 1.png", QSize(1920, 1080), "10x", 0.0015625, "mm"});
        const QString path = dir.filePath("m.csv");
        QVERIFY(table.exportTo(path));
        QProcess p;
        p.start(python, {"-c",
                         "import csv,sys\n"
                         "rows=[r for r in csv.reader(open(sys.argv[1],encoding='utf-8',newline=''))]\n"
                         "meta=[r for r in rows if r[0].startswith('#')]\n"
                         "data=[r for r in rows if not r[0].startswith('#')]\n"
                         "print(meta[0][1]); print(meta[1][1:]); print(repr(float(meta[2][2])))\n"
                         "print(data[0])\n"
                         "for r in data[1:]: print(r[6], repr(float(r[3])), repr(float(r[5])), sep='|')\n",
                         path});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
        QCOMPARE(out[0], QStringLiteral("shot, 1.png"));
        QCOMPARE(out[1], QStringLiteral("['1920', '1080']"));
        QCOMPARE(out[2], QStringLiteral("0.0015625"));
        QCOMPARE(out[3], QStringLiteral("['shape', 'tool', 'value', 'real', 'unit', 'pixels', 'calibration']"));
        const QVector<MeasurementRow> rows = sample();
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList f = out[4 + i].split('|');
            QCOMPARE(f.size(), 3);
            QCOMPARE(f[0], rows[i].calibration);
            // repr() of a Python float is the shortest exact text: compare as doubles.
            QCOMPARE(f[1].toDouble(), rows[i].real);
            QCOMPARE(f[2].toDouble(), rows[i].pixels);
        }
    }

    void csvWithoutCalibration()
    {
        const QByteArray csv = measurementsCsv({}, {"cam", QSize(640, 480), "", 0, ""});
        QVERIFY(csv.contains("# calibration,none\r\n"));
        QVERIFY(csv.endsWith("calibration\r\n"));
    }

    void tsvPastesAsColumns()
    {
        MeasurementTable table;
        table.setRows(sample());
        table.onBtnCopy();
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        for (const QString &l : lines)
            QCOMPARE(l.count('\t'), 6);
        // What the table shows, not the CSV's every digit.
        QVERIFY2(lines[1].startsWith("1\tLine\tL\t0.1235\tmm\t"), qPrintable(lines[1]));
    }

    void selectAndErase()
    {
        MeasurementTable table;
        table.setRows(sample());
        table.show();
        QSignalSpy selected(&table, &MeasurementTable::shapeSelected);
        QSignalSpy erase(&table, &MeasurementTable::eraseRequested);
        table.table()->selectRow(2);
        QCOMPARE(selected.last().at(0).toInt(), 2);
        QTest::keyClick(table.table(), Qt::Key_Delete);
        QCOMPARE(erase.count(), 1);
        QCOMPARE(erase.at(0).at(0).toInt(), 2);
        // New rows keep the selected shape selected.
        table.setRows(sample().mid(1));
        QCOMPARE(table.table()->selectedItems().first()->row(), 1);
        // No rows: nothing to export or copy.
        table.setRows({});
        QVERIFY(!table.findChild<QPushButton *>("btnExportMeasurements")->isEnabled());
    }

    void exportFailureIsTold()
    {
        RecordingNotifier notes;
        MeasurementTable table;
        table.setRows(sample());
        QVERIFY(!table.exportTo("/proc/no/such/m.csv"));
        QCOMPARE(notes.informed.size(), 1);
    }
};

QTEST_MAIN(TstMeasurementTable)
#include "tst_measurementtable.moc"
