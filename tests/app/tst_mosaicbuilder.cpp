#include "mainwindowrig.h"

#include "app/mosaicbuilder.h"
#include "core/photofile.h"
#include "files/filebrowser.h"
#include "files/fileoperations.h"
#include "tests/common/mosaicfields.h"
#include "ui_bdwidget.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QThread>
#include <QToolButton>

// The mosaic button over the simulated microscope, its stage driven through
// the camera's pan control as the program's own controls would.
class TstMosaicBuilder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        buildDeviceTable();
        Vistrel::setMinimumStartupMs(0);
    }

    void liveMosaicSpansTheStageTravel()
    {
        Rig rig({spec("a", 0x62C1, {{640, 480}})});
        rig.sim->holdDrift(0, true);
        const QString cam = rig.window->currentCamera();
        CameraHub *hub = CameraHub::instance();
        QVERIFY(rig.waitFrames(3));
        const QSize frame = rig.window->scene()->image().size();
        QCOMPARE(frame, QSize(640, 480));
        // A calibration in force: the simulated field is 1000 um wide.
        const double umPerPx = 1000.0 / frame.width();
        rig.window->settings().calibrations.append(BDInfo(QStringLiteral("sim"), umPerPx, 2, frame));
        rig.ui()->bdWidget->refresh();
        rig.ui()->bdWidget->form()->boxBDVar->setCurrentIndex(rig.window->settings().calibrations.size() - 1);

        auto *button = rig.window->findChild<QToolButton *>(QStringLiteral("btnMosaic"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        MosaicBuilder *mosaic = rig.window->mosaic();
        QVERIFY(mosaic->isLive());
        QVERIFY(mosaic->panel()->isVisible());

        const QPointF start = rig.sim->truth(0, frame).stageOffset;
        const int travel = 1800; // um
        for (int x = 30; x <= travel; x += 30) {
            QVERIFY(hub->setProperty(cam, CameraHub::Pan, x));
            if (x == 30) {
                // The stage moved at once: every frame the window gets next
                // shows it moved, yet the mosaic begins with the view shown
                // at the press.
                const quint64 sent = rig.sim->framesSent(0);
                QElapsedTimer waited;
                waited.start();
                while (rig.sim->framesSent(0) < sent + 2 && waited.elapsed() < 5000)
                    QThread::yieldCurrentThread();
            }
            QVERIFY(rig.waitFrames(3));
        }
        QVERIFY(rig.waitFrames(6));
        const double travelPx = rig.sim->truth(0, frame).stageOffset.x() - start.x();
        QVERIFY(qAbs(travelPx - travel * frame.width() / 1000.0) < 1.0);
        QVERIFY(QTest::qWaitFor([&] { return mosaic->fieldCount() >= 4; }, 5000));

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!mosaic->isLive());
        QVERIFY(QTest::qWaitFor([&] { return !mosaic->lastSaved().isEmpty(); }, 30000));
        const QString path = mosaic->lastSaved();
        QVERIFY2(mosaic->note().contains(QFileInfo(path).fileName()), qPrintable(mosaic->note()));
        QVERIFY(rig.window->settings().imageFiles.contains(path));

        // The mosaic's calibrated width: the field plus the stage's travel.
        QImage picture;
        QVERIFY(picture.load(path));
        const std::optional<BDInfo> scale = photofile::readPhotoScale(path);
        QVERIFY(scale);
        QCOMPARE(scale->unit, 2);
        const double spanUm = (picture.width() - frame.width()) * scale->factor;
        qInfo("mosaic spans %.2f um for a stage travel of %.2f um", spanUm, travelPx * umPerPx);
        QVERIFY2(qAbs(spanUm - travelPx * umPerPx) < 0.005 * travel, qPrintable(QString::number(spanUm)));
        QVERIFY(qAbs(picture.height() - frame.height()) <= 3);
    }

    void stitchFromTheBrowserNamesWhatItCannotPlace()
    {
        Rig rig({spec("a", 0x62C1, {{640, 480}})});
        MosaicBuilder *mosaic = rig.window->mosaic();
        // Two fields of one slide and one of another.
        const QString dir = rig.window->form()->imageBrowser->currentPath();
        const cv::Mat slide = mosaicfields::specimen(QSize(900, 400), 3);
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            cv::Mat part = i < 2 ? slide(cv::Rect(i * 250, 40, 400, 300)) : mosaicfields::specimen(QSize(400, 300), 8);
            cv::Mat bgra;
            cv::cvtColor(part, bgra, cv::COLOR_BGR2BGRA);
            QImage img(400, 300, QImage::Format_RGB32);
            for (int r = 0; r < 300; ++r)
                memcpy(img.scanLine(r), bgra.ptr(r), 400 * 4);
            files << dir + QStringLiteral("/field%1.png").arg(i);
            QVERIFY(img.save(files.last()));
        }
        // Chosen from the photo browser's menu on the three.
        FileBrowser *browser = rig.window->form()->imageBrowser;
        browser->reload();
        QListWidget *list = browser->listWidget();
        QListWidgetItem *last = nullptr;
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem *item = list->item(i);
            item->setSelected(files.contains(item->data(Qt::UserRole).toString()));
            if (item->isSelected())
                last = item;
        }
        QVERIFY(last);
        QCOMPARE(browser->selectedPaths().size(), 3);
        QTimer::singleShot(50, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            if (QAction *a = menu->findChild<QAction *>(QStringLiteral("actionStitch")))
                menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        rig.window->fileOperations()->showMenu(browser, list->visualItemRect(last).center());
        QVERIFY(mosaic->isBusy());
        QVERIFY(QTest::qWaitFor([&] { return !mosaic->isBusy(); }, 30000));
        QVERIFY2(mosaic->note().contains(QStringLiteral("field2.png")), qPrintable(mosaic->note()));
        QImage picture;
        QVERIFY(picture.load(mosaic->lastSaved()));
        QCOMPARE(picture.size(), QSize(650, 300));
    }
};

QTEST_MAIN(TstMosaicBuilder)
#include "tst_mosaicbuilder.moc"
