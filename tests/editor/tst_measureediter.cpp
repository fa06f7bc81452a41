#include "core/appsettings.h"
#include "core/notifier.h"
#include "tests/core/hostileimages.h"
#include "core/photofile.h"
#include "calib/bdwidget.h"
#include "calib/measurementtable.h"
#include "measure/annotations.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "editor/measureediter.h"
#include "core/lastfolder.h"
#include "dialogs/printpicture.h"
#include "ui_bdwidget.h"
#include "ui_measureediter.h"
#include <QCheckBox>
#include "view/cameraviewer.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QJsonDocument>
#include <QJsonArray>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QPushButton>
#include <QtTest>
#include <QPrinterInfo>

namespace {

QString makePhoto(const QTemporaryDir &dir, const QString &name, QSize size, QColor colour = Qt::white)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.setPixelColor(0, 0, QColor(10, 20, 30));
    const QString path = dir.filePath(name);
    if (!img.save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The process's peak resident memory in MB (VmHWM); -1 when unknown.
int peakRssMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return int(line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024);
    }
    return -1;
}

} // namespace

class TstMeasureEditer : public QObject
{
    Q_OBJECT
private slots:
    void openAndReadout()
    {
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        ed.resize(1100, 760);
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        QVERIFY(ed.openImage(makePhoto(dir, "a.png", QSize(640, 480))));
        QCOMPARE(ed.form()->labelSize->text(), QStringLiteral("640 * 480"));
        QCOMPARE(ed.scene()->tool(), int(Point));

        ed.onCoorInfo(QPoint(0, 0), QColor(10, 20, 30));
        QCOMPARE(ed.form()->labelCoor->text(), QStringLiteral("坐标 :-320,240 (R: 10 G: 20 B: 30)"));
        ed.onCoorInfo(QPoint(320, 240), QColor(255, 255, 255));
        QCOMPARE(ed.form()->labelCoor->text(), QStringLiteral("坐标 :0,0 (R:255 G:255 B:255)"));
        // A new picture starts without the last one's readout.
        QVERIFY(ed.openImage(makePhoto(dir, "b.png", QSize(100, 80))));
        QVERIFY(ed.form()->labelCoor->text().isEmpty());
    }

    // Readout and header stay readable under the main window's dark header style.
    void readable()
    {
        QTemporaryDir dir;
        AppSettings settings;
        QWidget main;
        main.setStyleSheet(QStringLiteral("#headFrame { background-color: rgb(45, 52, 64); }"));
        MeasureEditer ed(&main);
        ed.attach(&settings);
        ed.resize(800, 600);
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        QVERIFY(ed.openImage(makePhoto(dir, "a.png", QSize(640, 480))));
        ed.onCoorInfo(QPoint(0, 0), QColor(10, 20, 30));
        auto luminance = [](QRgb c) {
            auto lin = [](int v) {
                const double s = v / 255.0;
                return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
        };
        for (QWidget *w : {static_cast<QWidget *>(ed.form()->labelCoor), static_cast<QWidget *>(ed.form()->labelSize),
                           static_cast<QWidget *>(ed.form()->btnSave)}) {
            // The commonest colour is the background; the text's darkest or
            // lightest ink against it gives the contrast.
            const QImage img = ed.grab(QRect(w->mapTo(&ed, QPoint()), w->size())).toImage();
            QHash<QRgb, int> counts;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    ++counts[img.pixel(x, y)];
            const QRgb back = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                                  return a.second < b.second;
                              })->first;
            double best = 1;
            for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) {
                const double a = luminance(*it) + 0.05, b = luminance(back) + 0.05;
                best = std::max(best, std::max(a, b) / std::min(a, b));
            }
            QVERIFY2(best >= 4.5, qPrintable(w->objectName() + QStringLiteral(": contrast %1").arg(best)));
        }
    }

    void badFilesLeaveWindow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a picture\n");
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        QImage(64, 64, QImage::Format_RGB32).save(&buf, "PNG");
        QTest::newRow("truncated png") << png.left(40);
    }

    void badFilesLeaveWindow()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        const QString good = makePhoto(dir, "good.png", QSize(100, 80));
        QVERIFY(ed.openImage(good));
        const QString bad = dir.filePath("bad.png");
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QVERIFY(!ed.openImage(bad));
        QCOMPARE(ed.filePath(), good);
        QCOMPARE(ed.scene()->image().size(), QSize(100, 80));
        QCOMPARE(ed.form()->labelSize->text(), QStringLiteral("100 * 80"));
    }

    void zoom()
    {
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        ed.resize(1100, 760);
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        QVERIFY(ed.openImage(makePhoto(dir, "big.png", QSize(1280, 960))));
        ed.form()->comboZoom->setCurrentText("2.0x");
        QCOMPARE(ed.viewer()->size(), QSize(2560, 1920));
        ed.form()->comboZoom->setCurrentIndex(0);
        const QSize area = ed.form()->scrollArea->maximumViewportSize();
        const QSize fitted = ed.viewer()->size();
        QVERIFY(fitted.width() <= area.width() && fitted.height() <= area.height());
        QVERIFY(fitted.width() == area.width() || fitted.height() == area.height());
        QVERIFY(qAbs(fitted.width() * 960 - fitted.height() * 1280) <= 1280);
        ed.form()->comboZoom->setCurrentText("0.5x");
        QCOMPARE(ed.viewer()->size(), QSize(640, 480));
    }

    void saveBurnsShapesIn()
    {
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        ed.resize(1100, 760);
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        const QString path = makePhoto(dir, "line.png", QSize(640, 480));
        QVERIFY(ed.openImage(path));
        ed.form()->comboZoom->setCurrentText("2.0x");

        // A horizontal line drawn with the mouse at zoom 2.
        ed.scene()->setTool(Line);
        QWidget *vp = ed.viewer()->viewport();
        auto at = [&](QPointF p) { return ed.viewer()->mapFromScene(p); };
        QTest::mouseClick(vp, Qt::LeftButton, {}, at(QPointF(100, 200)));
        QTest::mouseMove(vp, at(QPointF(300, 200)));
        QTest::mouseClick(vp, Qt::LeftButton, {}, at(QPointF(300, 200)));
        QCOMPARE(ed.scene()->shapes().size(), 1);

        const QByteArray original = bytesOf(path);
        QSignalSpy listed(&ed, &MeasureEditer::imageSaved);
        ed.onImageSave();
        // Beside the original, which stays as it was.
        const QString measured = dir.filePath("line_measured.png");
        QCOMPARE(listed.count(), 1);
        QCOMPARE(listed.at(0).at(0).toString(), measured);
        QCOMPARE(bytesOf(path), original);
        QImage saved(measured);
        QCOMPARE(saved.size(), QSize(640, 480)); // never with the editor's zoom
        // The 1-pixel pen may straddle two rows; the reddest one counts.
        QColor line = saved.pixelColor(200, 199);
        for (int y = 200; y <= 201; ++y) {
            if (saved.pixelColor(200, y).green() < line.green())
                line = saved.pixelColor(200, y);
        }
        QVERIFY2(line.red() > 200 && line.green() < 160 && line.blue() < 160, qPrintable(line.name()));
        QCOMPARE(saved.pixelColor(200, 100), QColor(Qt::white));

        // Saving again updates the same copy.
        ed.onImageSave();
        QCOMPARE(listed.count(), 2);
        QCOMPARE(listed.at(1).at(0).toString(), measured);
        QCOMPARE(QDir(dir.path()).entryList({"*.png"}, QDir::Files).size(), 2);
        // The shapes stay editable over the original through its sidecar.
        QVERIFY(QFileInfo::exists(path + ".vistrel.json"));

        // Reopened, the line is part of the photo.
        QVERIFY(ed.openImage(measured));
        QCOMPARE(ed.scene()->shapes().size(), 0);
        QVERIFY(ed.scene()->image().pixelColor(200, 200) != QColor(Qt::white)
                || ed.scene()->image().pixelColor(200, 199) != QColor(Qt::white));
    }

    // The option writes the toolbox's table beside a saved picture with shapes.
    void csvBesideSavedPhoto()
    {
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        QSignalSpy changed(&ed, &MeasureEditer::settingsChanged);
        ed.toolbox()->csvOption()->click();
        QVERIFY(settings.extras.csvBesidePhoto);
        QCOMPARE(changed.count(), 1);
        QVERIFY(ed.openImage(makePhoto(dir, "c.png", QSize(320, 240))));
        const QString bare = dir.filePath("bare.png");
        QVERIFY(ed.saveTo(bare));
        QVERIFY(!QFileInfo::exists(MeasureEditer::csvPathFor(bare)));

        ed.scene()->setCalibration(QStringLiteral("x10"), 0.01, 0);
        GraphicsItem *line = createShape(Line);
        line->restore({Line, DrawStyle(), {{10, 20}, {110, 20}}, QString()});
        ed.scene()->addShape(line);
        QCOMPARE(ed.toolbox()->resultsTable()->rows().size(), 1);
        const QString out = dir.filePath("out.png");
        QVERIFY(ed.saveTo(out));
        const QList<QByteArray> lines = bytesOf(MeasureEditer::csvPathFor(out)).split('\n');
        QVERIFY(lines.size() > 2);
        QVERIFY(lines.first().contains("out.png"));
        QVERIFY(lines.contains("1,线条,L,1,mm,100,x10\r"));
    }

    // Closing, or opening another photo, with unsaved shapes asks first:
    // Cancel keeps them, Discard drops them, Save writes them (on disk).
    void unsavedShapesAsked()
    {
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        RecordingNotifier n;
        const QString a = makePhoto(dir, "a.png", QSize(320, 240));
        auto draw = [&ed] {
            GraphicsItem *line = createShape(Line);
            line->restore({Line, DrawStyle(), {{10, 20}, {110, 20}}, QString()});
            ed.scene()->addShape(line);
        };
        QVERIFY(ed.openImage(a));
        ed.show();
        QVERIFY(!ed.isModified());
        QVERIFY(ed.windowTitle().startsWith("a.png"));
        draw();
        QVERIFY(ed.isModified());
        QVERIFY(ed.windowTitle().startsWith("*a.png"));

        n.answers = {Notifier::Answer::Cancel};
        QVERIFY(!ed.close());
        QVERIFY(ed.isVisible());
        QCOMPARE(n.asked.size(), 1);
        QVERIFY(n.asked.first().contains("a.png"));
        QCOMPARE(ed.scene()->shapes().size(), 1);

        n.answers = {Notifier::Answer::No};
        QVERIFY(ed.close());
        QVERIFY(!QFileInfo::exists(annotations::pathFor(a)));
        QVERIFY(!QFileInfo::exists(MeasureEditer::measuredPathFor(a)));

        QVERIFY(ed.openImage(a));
        QCOMPARE(ed.scene()->shapes().size(), 0);
        draw();
        const QString measured = MeasureEditer::measuredPathFor(a);
        n.answers = {Notifier::Answer::Yes};
        QVERIFY(ed.maybeSave()); // as before another photo is opened
        QVERIFY(QFileInfo(measured).size() > 0);
        annotations::Document doc;
        QCOMPARE(annotations::load(a, &doc), annotations::Load::Loaded);
        QCOMPARE(doc.shapes.size(), 1);
        QVERIFY(!ed.isModified());
        QVERIFY(!ed.windowTitle().startsWith("*"));
        // Nothing new: no question.
        QVERIFY(ed.close());
        QCOMPARE(n.asked.size(), 3);
    }

    // A newer program's shapes file: its shapes of kinds unknown here and its
    // other fields are written back with the ones edited here.
    // A shapes file over the reader's limit is not read, and the status says
    // why, with the limit.
    void oversizedShapesFileRefused()
    {
        QTemporaryDir dir;
        AppSettings settings;
        const QString photo = makePhoto(dir, "p.png", QSize(320, 240));
        QFile file(annotations::pathFor(photo));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(annotations::kMaxBytes + 1));
        file.close();
        MeasureEditer ed;
        ed.attach(&settings);
        QVERIFY(ed.openImage(photo));
        QVERIFY(!ed.isLoading());
        QVERIFY(ed.scene()->shapes().isEmpty());
        const QString said = ed.statusBar()->currentMessage();
        QVERIFY2(said.contains(QLocale().formattedDataSize(annotations::kMaxBytes))
                     && said.contains(QDir::toNativeSeparators(file.fileName())),
                 qPrintable(said));
    }

    void newerShapesFileKeepsWhatItDoesNotKnow()
    {
        QTemporaryDir dir;
        AppSettings settings;
        const QString photo = makePhoto(dir, "p.png", QSize(320, 240));
        const QJsonObject spline{{"type", "Spline"}, {"points", QJsonArray{QJsonArray{1, 2}, QJsonArray{3, 4}}}};
        const QJsonObject line{{"type", "Line"}, {"points", QJsonArray{QJsonArray{10, 20}, QJsonArray{200, 20}}}};
        const QJsonObject newer{{"format", "vistrel-annotations"},
                                {"version", 2},
                                {"layers", QJsonArray{"cells"}},
                                {"shapes", QJsonArray{spline, line}}};
        QFile file(annotations::pathFor(photo));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(newer).toJson());
        file.close();
        MeasureEditer ed;
        ed.attach(&settings);
        QVERIFY(ed.openImage(photo));
        QCOMPARE(ed.scene()->shapes().size(), 1);
        GraphicsItem *more = createShape(Line);
        more->restore(ShapeRecord{Line, DrawStyle(), {{5, 5}, {50, 5}}, QString()});
        ed.scene()->addShape(more);
        ed.onImageSave();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject back = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(back.value("version").toInt(), 2);
        QCOMPARE(back.value("layers").toArray(), QJsonArray{"cells"});
        const QJsonArray shapes = back.value("shapes").toArray();
        QCOMPARE(shapes.size(), 3);
        QVERIFY(shapes.contains(spline));
    }

    void shapesAndScaleComeBack()
    {
        QTemporaryDir dir;
        const QString photo = makePhoto(dir, "p.png", QSize(320, 240));
        const QString shared = dir.filePath("p_measured.png");
        ShapeState drawn;
        {
            AppSettings settings;
            settings.calibrations.append({"10X", 0.01, 0});
            MeasureEditer ed;
            ed.attach(&settings);
            QVERIFY(ed.openImage(photo));
            QCOMPARE(ed.scene()->calibration().factor, 0.01);
            for (const ShapeRecord &r : {ShapeRecord{Line, DrawStyle(), {{10.25, 20}, {200, 20.5}}, QString()},
                                         ShapeRecord{Text, DrawStyle(), {{50, 60}}, QStringLiteral("cell")}}) {
                GraphicsItem *shape = createShape(r.type);
                shape->restore(r);
                ed.scene()->addShape(shape);
                drawn.append(shape->record());
            }
            QVERIFY(ed.saveTo(shared));
        }
        QVERIFY(QFile::exists(annotations::pathFor(photo)));
        QVERIFY(!QFile::exists(annotations::pathFor(shared)));
        QCOMPARE(photofile::readPhotoScale(shared)->factor, 0.01);

        // Reopened elsewhere: the shapes are editable again and measured with
        // the photo's calibration, in this window only: the list stays.
        AppSettings other;
        other.calibrations.append({"4X", 0.025, 0});
        MeasureEditer ed;
        ed.attach(&other);
        QVERIFY(ed.openImage(photo));
        ed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ed));
        QCOMPARE(ed.scene()->shapes().size(), drawn.size());
        for (int i = 0; i < drawn.size(); ++i) {
            const ShapeRecord r = ed.scene()->shapes()[i]->record();
            QCOMPARE(r.type, drawn[i].type);
            QCOMPARE(r.points, drawn[i].points);
            QCOMPARE(r.text, drawn[i].text);
        }
        QCOMPARE(other.calibrations.size(), 1);
        QVERIFY(ed.toolbox()->isFromPhoto());
        QVERIFY(ed.toolbox()->inForceText().contains(QStringLiteral("来自照片")));
        QCOMPARE(ed.scene()->calibration().factor, 0.01);
        QVERIFY(ed.statusBar()->currentMessage().contains("10X"));
        // Another toolbox's refresh keeps the photo's calibration.
        ed.toolbox()->refresh();
        QCOMPARE(ed.scene()->calibration().factor, 0.01);
        // "Add to list" is the only way in.
        auto *add = ed.toolbox()->findChild<QPushButton *>("btnBDAddPhoto");
        QVERIFY(add && add->isVisible());
        QSignalSpy changed(ed.toolbox(), &BDWidget::bdInfoChanged);
        add->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(other.calibrations.size(), 2);
        QCOMPARE(other.calibrations[1].name, QStringLiteral("10X"));
        QCOMPARE(ed.toolbox()->form()->boxBDVar->currentIndex(), 1);
        QVERIFY(!add->isVisible());

        // The shared copy has no sidecar: its own scale, already in the list.
        QVERIFY(ed.openImage(shared));
        QCOMPARE(ed.scene()->shapes().size(), 0);
        QCOMPARE(other.calibrations.size(), 2);
        QCOMPARE(ed.scene()->calibration().factor, 0.01);

        // A damaged sidecar: a note, no shapes, the photo still opens.
        QFile f(annotations::pathFor(photo));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{\"format\": \"vistrel-annotations\", \"shapes\": [");
        f.close();
        QVERIFY(ed.openImage(photo));
        QCOMPARE(ed.scene()->shapes().size(), 0);
        QVERIFY(!ed.statusBar()->currentMessage().isEmpty());
    }

    void saveAsFilterAndFailures()
    {
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        const QString path = makePhoto(dir, "shot.jpg", QSize(320, 240));
        QVERIFY(ed.openImage(path));
        QString filter;
        QString answer = dir.filePath("copy.jpg");
        ed.setSavePicker([&](const QString &f) {
            filter = f;
            return answer;
        });
        ed.onImageSaveAs();
        QCOMPARE(filter, QStringLiteral("*.jpg"));
        QVERIFY(!QImage(answer).isNull());

        // A folder nobody can write to: false, nothing changes.
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QVERIFY(!ed.saveTo("/proc/vistrel-cannot-write.jpg"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);

        answer.clear();
        ed.onImageSaveAs(); // cancelled: nothing happens
    }

    void measuredNames()
    {
        QTemporaryDir dir;
        const QString photo = makePhoto(dir, "a.b.jpg", QSize(8, 8));
        QCOMPARE(MeasureEditer::measuredPathFor(photo), dir.filePath("a.b_measured.jpg"));
        makePhoto(dir, "a.b_measured.jpg", QSize(8, 8));
        makePhoto(dir, "a.b_measured_1.jpg", QSize(8, 8));
        QCOMPARE(MeasureEditer::measuredPathFor(photo), dir.filePath("a.b_measured_2.jpg"));
        // A dangling link counts as taken: writing through it could land anywhere.
        QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath("a.b_measured_2.jpg")));
        QCOMPARE(MeasureEditer::measuredPathFor(photo), dir.filePath("a.b_measured_3.jpg"));
    }

    void saveAsNeverReplacesTheOriginal_data()
    {
        QTest::addColumn<QString>("spelling"); // %1: the folder
        QTest::newRow("same name") << "%1/orig.png";
        QTest::newRow("dot") << "%1/./orig.png";
        QTest::newRow("dot dot") << "%1/sub/../orig.png";
        QTest::newRow("link") << "%1/link.png";
    }

    void saveAsNeverReplacesTheOriginal()
    {
        QFETCH(QString, spelling);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("sub"));
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        const QString path = makePhoto(dir, "orig.png", QSize(64, 48));
        QVERIFY(QFile::link(path, dir.filePath("link.png")));
        const QByteArray before = bytesOf(path);
        QVERIFY(ed.openImage(path));
        ed.setSavePicker([&](const QString &) { return spelling.arg(dir.path()); });
        RecordingNotifier notes;
        QSignalSpy listed(&ed, &MeasureEditer::imageSaved);
        ed.onImageSaveAs();
        QCOMPARE(notes.informed.size(), 1);
        QCOMPARE(listed.count(), 0);
        QCOMPARE(bytesOf(path), before);
        QVERIFY(QFileInfo(dir.filePath("link.png")).isSymLink());
    }

    void hugePicturesRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("png 30000 x 30000") << hostile::png(30000, 30000) << "huge.png";
        QTest::newRow("jpeg 65000 x 65000") << hostile::jpeg(65000, 65000) << "huge.jpg";
    }

    // Refused from the header: quickly, and without touching the memory a
    // decode would take (3.6 GB and 16.9 GB).
    void hugePicturesRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        const QString good = makePhoto(dir, "good.png", QSize(100, 80));
        QVERIFY(ed.openImage(good));
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QElapsedTimer t;
        t.start();
        QVERIFY(!ed.openImage(f.fileName()));
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(ed.filePath(), good);
        const int peak = peakRssMb();
        QVERIFY2(peak < 500, qPrintable(QStringLiteral("%1 MB").arg(peak)));
    }

    void printTarget_data()
    {
        QTest::addColumn<QRect>("viewport");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<QRect>("target");
        QTest::newRow("landscape on portrait") << QRect(0, 0, 794, 1123) << QSize(640, 480) << QRect(10, 271, 774, 580);
        QTest::newRow("portrait on portrait") << QRect(0, 0, 794, 1123) << QSize(480, 640) << QRect(10, 45, 774, 1032);
        QTest::newRow("offset viewport") << QRect(50, 40, 420, 320) << QSize(400, 300)
                                         << QRect(50 + 10, 40 + 10, 400, 300);
    }

    void printTarget()
    {
        QFETCH(QRect, viewport);
        QFETCH(QSize, image);
        QFETCH(QRect, target);
        const QRect got = MeasureEditer::printTarget(viewport, image);
        QCOMPARE(got.size(), image.scaled(viewport.width() - 20, viewport.height() - 20, Qt::KeepAspectRatio));
        QCOMPARE(got.center().x(), viewport.center().x());
        QVERIFY(qAbs(got.center().y() - viewport.center().y()) <= 1);
        QCOMPARE(got.topLeft(), target.topLeft());
    }

    void printToPdf()
    {
        QTemporaryDir dir;
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        QVERIFY(ed.openImage(makePhoto(dir, "p.png", QSize(640, 480))));
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath("out.pdf"));
        ed.plotPrintPic(&printer);
        QFile pdf(dir.filePath("out.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray data = pdf.readAll();
        QVERIFY(data.startsWith("%PDF"));
        QCOMPARE(data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page "), 1);
        // The embedded picture keeps the photo's proportions.
        QVERIFY(data.contains("/Width 640"));
        QVERIFY(data.contains("/Height 480"));
    }

    // Printed to a file, a photo goes beside the others under its own name,
    // not into the working folder as "print.pdf".
    void printToFileStartsInTheLastFolder()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is set up here: printing goes to it, not to a file");
        QTemporaryDir dir;
        lastfolder::remember(dir.filePath("shot.png"));
        QPrinter printer;
        printing::preparePrinter(&printer, QStringLiteral("shot"));
        QCOMPARE(printer.docName(), QStringLiteral("shot"));
        QCOMPARE(printer.outputFileName(), dir.filePath("shot.pdf"));
        QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    }

    void toolboxesStayInStep()
    {
        AppSettings settings;
        MeasureEditer ed;
        ed.attach(&settings);
        BDWidget mainToolbox;
        mainToolbox.setup(nullptr, &settings);
        connect(&mainToolbox, &BDWidget::bdInfoChanged, &ed, &MeasureEditer::onBdInfoChanged);
        settings.calibrations.append({"5.00X", 0.2, 0});
        emit mainToolbox.bdInfoChanged();
        QCOMPARE(ed.toolbox()->form()->boxBDVar->count(), 1);
    }
};

QTEST_MAIN(TstMeasureEditer)
#include "tst_measureediter.moc"
