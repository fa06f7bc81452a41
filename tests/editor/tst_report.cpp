// The measurement report: a PDF that poppler reads, with the picture page
// holding the shapes, the table's values and the calibration as text, the
// table spread over pages when long, on the locale's paper; and the window's
// and the editor's "导出报告…" write one.
#include "editor/measurereport.h"

#include "calib/measurementrows.h"
#include "core/appsettings.h"
#include "editor/measureediter.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"

#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}

int pageCount(const QString &pdf)
{
    const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    return re.match(QString::fromUtf8(run("pdfinfo", {pdf}))).captured(1).toInt();
}

// A grey picture with red lines (the default style) of lengths 100..100+n.
void setUp(CameraScene &scene, int lines)
{
    QImage picture(1600, 1200, QImage::Format_RGB32);
    picture.fill(QColor(128, 128, 128));
    scene.setImage(picture);
    scene.setSceneRect(0, 0, 1600, 1200);
    scene.setCalibration(QStringLiteral("objective x10"), 0.0125, 0);
    for (int i = 0; i < lines; ++i) {
        GraphicsItem *shape = createShape(Line);
        const double y = 40 + (i % 50) * 22;
        shape->restore({Line, DrawStyle(), {{100, y}, {200.0 + i, y}}, QString()});
        scene.addShape(shape);
    }
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty()
            || QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils is not installed (pdftoppm, pdftotext, pdfinfo)");
    }
    void pagesAndContent_data();
    void pagesAndContent();
    void paperByLocale();
    void editorMenuWritesReport();

private:
    QTemporaryDir m_dir;
};

void TestReport::pagesAndContent_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("short table") << 3 << 2;
    QTest::newRow("long table") << 150 << 5; // rows L per line: 150 rows, header repeated
}

void TestReport::pagesAndContent()
{
    QFETCH(int, lines);
    QFETCH(int, pages);
    CameraScene scene;
    setUp(scene, lines);
    report::Content c = report::fromScene(&scene);
    c.camera = "V3-2M";
    c.fileName = "sample.png";
    QCOMPARE(c.picture.size(), QSize(1600, 1200)); // full resolution
    QCOMPARE(c.rows.size(), lines);
    const QString pdf = m_dir.filePath(QString("r%1.pdf").arg(lines));
    QString why;
    QVERIFY2(report::writePdf(pdf, c, &why), qPrintable(why));
    QCOMPARE(pageCount(pdf), pages);

    const QString text = QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"}));
    for (const QString &needle : {QString("objective x10"), QString("V3-2M"), QString("sample.png"),
                                  QString("1600 × 1200"), QString(QLocale().toString(0.0125) + " mm/px")})
        QVERIFY2(text.contains(needle), qPrintable(needle + "\n" + text.left(2000)));
    // Each line's length in mm: (100 + i) px × 0.0125.
    for (int i : {0, lines - 1})
        QVERIFY2(text.contains(QLocale().toString((100 + i) * 0.0125, 'f', 4)), qPrintable(QString::number(i)));

    // The picture page holds the shapes: red pixels over the grey.
    QCOMPARE(QProcess::execute("pdftoppm", {"-f", "1", "-l", "1", "-r", "60", "-png", pdf, m_dir.filePath("page")}), 0);
    const QStringList pngs = QDir(m_dir.path()).entryList({"page*.png"});
    QVERIFY(!pngs.isEmpty());
    const QImage page(m_dir.filePath(pngs.first()));
    int red = 0, grey = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            red += qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
            grey += std::abs(qRed(p) - 128) < 12 && std::abs(qGreen(p) - 128) < 12;
        }
    for (const QString &f : pngs)
        QFile::remove(m_dir.filePath(f));
    QVERIFY2(red > 100 && grey > 10000, qPrintable(QString("%1 red, %2 grey").arg(red).arg(grey)));
}

void TestReport::paperByLocale()
{
    QCOMPARE(report::pageSizeFor(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
    QCOMPARE(report::pageSizeFor(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
    QCOMPARE(report::pageSizeFor(QLocale(QLocale::Chinese, QLocale::China)), QPageSize::A4);
    const QLocale keep;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    CameraScene scene;
    setUp(scene, 1);
    const QString pdf = m_dir.filePath("letter.pdf");
    QVERIFY(report::writePdf(pdf, report::fromScene(&scene)));
    QLocale::setDefault(keep);
    QVERIFY(QString::fromUtf8(run("pdfinfo", {pdf})).contains("612 x 792 pts (letter)"));
}

void TestReport::editorMenuWritesReport()
{
    QImage photo(800, 600, QImage::Format_RGB32);
    photo.fill(Qt::darkGray);
    const QString file = m_dir.filePath("photo.png");
    QVERIFY(photo.save(file));
    AppSettings settings;
    MeasureEditer editor;
    editor.attach(&settings);
    QVERIFY(editor.openImage(file));
    QAction *action = editor.findChild<QAction *>("actionReport");
    QVERIFY(action && !action->text().isEmpty());
    QString asked;
    const QString out = m_dir.filePath("editor report");
    report::setPathChooser([&](const QString &suggested) {
        asked = suggested;
        return out;
    });
    action->trigger();
    report::setPathChooser(nullptr);
    QCOMPARE(QFileInfo(asked).fileName(), QString("photo.pdf"));
    QCOMPARE(pageCount(out + ".pdf"), 2);
    QVERIFY(QString::fromUtf8(run("pdftotext", {out + ".pdf", "-"})).contains("photo.png"));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
