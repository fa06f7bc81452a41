// `vistrel --find-scale=LENGTH PICTURE...` without a display: one line per
// picture with the factor, unit, divisions and uncertainty; a picture
// without a scale makes the exit code non-zero.
#include "tests/common/scalepictures.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int code = -1;
    QStringList out, err;
};

Run run(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(VISTREL_EXE, args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    // The tool's own complaints, not Qt's warnings.
    r.err = QString::fromUtf8(p.readAllStandardError())
                .split('\n', Qt::SkipEmptyParts)
                .filter(QRegularExpression("^vistrel: "));
    return r;
}

QMap<QString, QString> fields(const QString &line)
{
    QMap<QString, QString> f;
    for (const QString &part : line.split(' ').mid(1)) {
        const int eq = part.indexOf('=');
        if (eq > 0)
            f[part.left(eq)] = part.mid(eq + 1);
    }
    return f;
}

} // namespace

class TstFindScaleCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString picture(const QString &name, const scalepictures::Spec &spec)
    {
        const QString path = m_dir.filePath(name);
        scalepictures::toImage(scalepictures::make(spec)).save(path);
        return path;
    }

private slots:
    void onePerPicture()
    {
        scalepictures::Spec a;
        a.size = {1280, 720};
        a.angle = 12;
        a.blur = 1.5;
        a.noise = 3;
        scalepictures::Spec b;
        b.size = {640, 480};
        b.uneven = true;
        const QString pa = picture("a.png", a), pb = picture("b.jpg", b);
        const Run r = run({"--find-scale=0.01mm", pa, pb});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.size(), 2);
        const QVector<scalepictures::Spec> specs{a, b};
        for (int i = 0; i < 2; ++i) {
            QVERIFY(r.out[i].startsWith(i == 0 ? pa : pb));
            const auto f = fields(r.out[i]);
            QCOMPARE(f.value("unit"), QString("mm"));
            const double truth = 0.01 / specs[i].truePitch();
            QVERIFY2(std::abs(f.value("factor").toDouble() / truth - 1) < 5e-4, qPrintable(r.out[i]));
            QVERIFY(f.value("divisions").toInt() >= 60);
            const double u = f.value("uncertainty").toDouble();
            QVERIFY(u > 0 && u < truth * 1e-3);
        }
    }

    void withoutScaleFails()
    {
        scalepictures::Spec none;
        none.ticks = false;
        scalepictures::Spec some;
        const QString pn = picture("none.png", none), ps = picture("some.png", some);
        const Run r = run({"--find-scale=10um", ps, pn});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out.size(), 1);
        QCOMPARE(fields(r.out[0]).value("unit"), QString("um"));
        QCOMPARE(r.err.size(), 1);
        QVERIFY(r.err[0].contains(pn) && r.err[0].contains("No scale found"));
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no length") << QStringList{"--find-scale", "x.png"};
        QTest::newRow("no unit") << QStringList{"--find-scale=0.01", "x.png"};
        QTest::newRow("zero") << QStringList{"--find-scale=0mm", "x.png"};
        QTest::newRow("no picture") << QStringList{"--find-scale=0.01mm"};
    }
    void badUsage()
    {
        QFETCH(QStringList, args);
        const Run r = run(args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!r.err.isEmpty());
    }
};

QTEST_MAIN(TstFindScaleCli)
#include "tst_findscale.moc"
