#include "core/bdinfo.h"
#include "core/photofile.h"
#include "tests/common/mosaicfields.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// vistrel --stitch=OUT PICTURE...: lines, files and exit codes.
class TstStitchCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    mosaicfields::Fields m_fields;
    QStringList m_paths;

    int run(const QStringList &args, QString *out, QString *err)
    {
        QProcess p;
        p.start(QStringLiteral(VISTREL_EXE), args);
        if (!p.waitForFinished(60000))
            return -1;
        *out = QString::fromUtf8(p.readAllStandardOutput());
        *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

private slots:
    void initTestCase()
    {
        mosaicfields::Grid g;
        g.cols = 2;
        g.rows = 2;
        g.field = QSize(400, 300);
        m_fields = mosaicfields::make(g);
        // Calibrated fields: 2.5 um a pixel.
        const BDInfo scale(QStringLiteral("40x"), 2.5, 2, g.field);
        for (int i = 0; i < m_fields.images.size(); ++i) {
            m_paths << m_dir.filePath(QStringLiteral("field%1.png").arg(i));
            QVERIFY(photofile::writePhoto(m_paths.last(), m_fields.images[i], scale));
        }
    }

    void placesEveryPictureInAnyOrder()
    {
        QStringList files{m_paths[3], m_paths[0], m_paths[2], m_paths[1]};
        const QString outPath = m_dir.filePath(QStringLiteral("mosaic.png"));
        QString out, err;
        QCOMPARE(run(QStringList{QStringLiteral("--stitch=") + outPath} + files, &out, &err), 0);
        const QStringList lines = out.trimmed().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4);
        QVector<QPointF> found, truth;
        const QRegularExpression line(QStringLiteral("^(\\S+) (-?\\d+\\.\\d\\d) (-?\\d+\\.\\d\\d)$"));
        for (int i = 0; i < 4; ++i) {
            const QRegularExpressionMatch m = line.match(lines[i]);
            QVERIFY2(m.hasMatch(), qPrintable(lines[i]));
            QCOMPARE(m.captured(1), files[i]);
            found << QPointF(m.captured(2).toDouble(), m.captured(3).toDouble());
            truth << m_fields.truth[m_paths.indexOf(files[i])];
        }
        QVERIFY(mosaicfields::errors(found, truth).first < 0.5);
        // The mosaic keeps the fields' calibration, for its own size.
        const QImage mosaic(outPath);
        QVERIFY(mosaic.width() > 400 && mosaic.height() > 300);
        const std::optional<BDInfo> scale = photofile::readPhotoScale(outPath);
        QVERIFY(scale);
        QCOMPARE(scale->factor, 2.5);
        QCOMPARE(scale->unit, 2);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");
        QTest::newRow("no pictures") << QStringList() << 2 << "usage";
        QTest::newRow("unreadable") << QStringList{"missing.png"} << 1 << "missing.png";
        QTest::newRow("too large") << QStringList{"--max-memory=0.1"} << 1 << "would need";
        QTest::newRow("no overlap") << QStringList{"other.png"} << 1 << "other.png: cannot be placed";
    }
    void refusals()
    {
        QFETCH(QStringList, extra);
        QFETCH(int, code);
        QFETCH(QString, says);
        mosaicfields::Grid g;
        g.cols = 1;
        g.rows = 1;
        g.field = QSize(400, 300);
        g.seed = 77;
        QVERIFY(mosaicfields::make(g).images.first().save(m_dir.filePath(QStringLiteral("other.png"))));
        QStringList args{QStringLiteral("--stitch=") + m_dir.filePath(QStringLiteral("refused.png"))};
        if (!extra.isEmpty() && extra.first() != QLatin1String("no pictures"))
            args << m_paths;
        for (const QString &e : extra)
            args << (e.startsWith(QLatin1String("--")) ? e : m_dir.filePath(e));
        if (QTest::currentDataTag() == QLatin1String("no pictures"))
            args = QStringList{args.first()};
        QString out, err;
        QCOMPARE(run(args, &out, &err), code);
        QVERIFY2(err.contains(says), qPrintable(err));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("refused.png"))));
    }
};

QTEST_GUILESS_MAIN(TstStitchCli)
#include "tst_stitchcli.moc"
