#include "cli/tools.h"
#include "tests/common/focusseries.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

// --focus-stack: what it writes and what it refuses, by exit code.
class TestFocusStackTool : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QStringList m_slices;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        focusseries::Options o;
        o.size = QSize(320, 240);
        o.slices = 4;
        o.maxShift = 2.0;
        const focusseries::Series series(o);
        for (int k = 0; k < series.count(); ++k) {
            m_slices << path(QStringLiteral("s%1.png").arg(k));
            QVERIFY(series.slice(k).save(m_slices.last()));
        }
        QVERIFY(series.slice(0).scaled(160, 120).save(path("small.png")));
        QFile junk(path("junk.png"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture at all");
    }

    void exitCodes_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("code");
        QTest::newRow("fused") << "out.png" << QStringList() << 0;
        QTest::newRow("with depth map") << "out2.tif" << QStringList{"--depth-map=" + path("depth.png")} << 0;
        QTest::newRow("unreadable") << "bad1.png" << QStringList{path("junk.png")} << 1;
        QTest::newRow("missing") << "bad2.png" << QStringList{path("nothing.png")} << 1;
        QTest::newRow("size too different") << "bad3.png" << QStringList{path("small.png")} << 1;
        QTest::newRow("not a photo name") << "out.txt" << QStringList() << 2;
        QTest::newRow("no output") << "" << QStringList() << 2;
    }
    void exitCodes()
    {
        QFETCH(QString, out);
        QFETCH(QStringList, extra);
        QFETCH(int, code);
        ToolArgs args;
        args.value = out.isEmpty() ? QString() : path(out);
        for (const QString &e : extra)
            (e.startsWith("--") ? args.options : args.files) << e;
        args.files = m_slices + args.files;
        QCOMPARE(runFocusStack(args), code);
        if (out.isEmpty())
            return;
        // Nothing is written by a run that failed.
        QCOMPARE(QFileInfo::exists(path(out)), code == 0);
        if (code == 0) {
            QCOMPARE(QImageReader(path(out)).size(), QSize(320, 240));
            if (!args.options.isEmpty())
                QCOMPARE(QImageReader(path("depth.png")).size(), QSize(320, 240));
        }
    }
};

QTEST_GUILESS_MAIN(TestFocusStackTool)
#include "tst_focusstacktool.moc"
