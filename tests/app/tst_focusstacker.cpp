#include "app/focusstacker.h"
#include "imaging/cvimage.h"
#include "mainwindowrig.h"
#include "tests/common/waits.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QToolButton>

#include <opencv2/imgproc.hpp>

namespace {

// Detail per block of a grid: mean squared Laplacian of the grey picture,
// inside the margin that the focus drive's scaling moves in and out of view.
cv::Mat blockSharpness(const QImage &image, int cols, int rows)
{
    const int mx = image.width() / 20, my = image.height() / 20;
    cv::Mat grey = imaging::toGray32F(image)(cv::Rect(mx, my, image.width() - 2 * mx, image.height() - 2 * my));
    cv::Mat lap;
    cv::Laplacian(grey, lap, CV_32F);
    cv::Mat blocks;
    cv::resize(lap.mul(lap), blocks, cv::Size(cols, rows), 0, 0, cv::INTER_AREA);
    return blocks;
}

} // namespace

// The focus stack button against the simulated microscope's focus drive.
class TestFocusStacker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { buildDeviceTable(); }

    void liveStackIsSharperEverywhere()
    {
        Rig rig;
        QVERIFY(!rig.window->currentCamera().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(rig.waitFrames(2), 30000);
        rig.sim->holdDrift(0, true);
        rig.window->settings().imageFormat = 0; // PNG: no compression in the way
        FocusStacker *stacker = rig.window->focusStacker();
        auto *button = rig.window->findChild<QToolButton *>(QStringLiteral("btnFocusStack"));
        QVERIFY(button && button->isVisible());
        QSignalSpy done(stacker, &FocusStacker::done);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(stacker->isCollecting());
        QVERIFY(stacker->panel()->isVisible());

        // Through the object, as a hand on the knob would; each frame as the
        // window gets it is kept for comparison.
        CameraHub *hub = CameraHub::instance();
        const QString cam = rig.window->currentCamera();
        QVector<QImage> frames;
        for (int focus = SimOptics::kFocusMin; focus <= SimOptics::kFocusMax; focus += 30) {
            QVERIFY(hub->setProperty(cam, CameraHub::Focus, focus));
            const int seen = stacker->offered();
            QTRY_VERIFY_WITH_TIMEOUT(stacker->offered() >= seen + 2, 15000);
            QImage frame;
            QVERIFY(hub->grabFullFrame(cam, &frame));
            frames << frame;
        }
        QVERIFY(stacker->merged() >= 3);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!stacker->isCollecting());
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        const QString photo = done.first().first().toString();
        QVERIFY(QFileInfo::exists(photo));
        QVERIFY(rig.window->settings().imageFiles.contains(photo));
        QImage fused(photo);
        QCOMPARE(fused.size(), frames.first().size());

        // Wherever any frame shows detail the photo shows as much, and every
        // single frame is clearly blurred somewhere the photo is sharp.
        const cv::Mat f = blockSharpness(fused, 8, 6);
        cv::Mat best = cv::Mat::zeros(f.size(), CV_32F);
        for (const QImage &frame : frames) {
            const cv::Mat b = blockSharpness(frame, 8, 6);
            cv::max(best, b, best);
            double gain = 0;
            for (int y = 0; y < f.rows; ++y)
                for (int x = 0; x < f.cols; ++x)
                    gain = std::max(gain, double(f.at<float>(y, x)) / std::max(1.0f, b.at<float>(y, x)));
            QVERIFY2(gain > 1.5, qPrintable(QString("at best %1 times a frame's detail").arg(gain)));
        }
        double most = 0;
        cv::minMaxLoc(best, nullptr, &most);
        for (int y = 0; y < f.rows; ++y)
            for (int x = 0; x < f.cols; ++x)
                // (Blank glass shows only the codec's noise: left out.)
                QVERIFY2(best.at<float>(y, x) < 0.02 * most || f.at<float>(y, x) >= 0.75f * best.at<float>(y, x),
                         qPrintable(QString("block %1,%2: %3 against %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(f.at<float>(y, x))
                                        .arg(best.at<float>(y, x))));
    }

    // Photos chosen in the browser, with the depth map asked for; cancel
    // while collecting keeps nothing.
    void filesAndCancel()
    {
        Rig rig;
        QVERIFY(!rig.window->currentCamera().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(rig.waitFrames(2), 30000);
        rig.window->settings().imageFormat = 0;
        FocusStacker *stacker = rig.window->focusStacker();
        CameraHub *hub = CameraHub::instance();
        const QString cam = rig.window->currentCamera();
        QStringList paths;
        for (int focus : {60, 150, 240}) {
            QVERIFY(hub->setProperty(cam, CameraHub::Focus, focus));
            QVERIFY(rig.waitFrames(3));
            QImage frame;
            QVERIFY(hub->grabFullFrame(cam, &frame));
            paths << rig.dir.filePath(QStringLiteral("f%1.png").arg(focus));
            QVERIFY(frame.save(paths.last()));
        }
        QSignalSpy done(stacker, &FocusStacker::done);
        stacker->panel()->depthMap()->setChecked(true);
        QVERIFY(stacker->stackFiles(paths));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        const QString photo = done.first().at(0).toString();
        const QString depth = done.first().at(1).toString();
        QVERIFY(QFileInfo::exists(photo));
        QVERIFY(QFileInfo::exists(depth));
        QCOMPARE(stacker->panel()->progress()->value(), 3);
        QVERIFY(rig.ui()->imageBrowser->listedPaths().contains(photo)
                || rig.window->settings().imageFiles.contains(photo));

        // Too few photos are refused with a word; a cancelled collection
        // writes nothing.
        QVERIFY(!stacker->stackFiles(paths.mid(0, 1)));
        QCOMPARE(rig.notes.informed.size(), 1);
        done.clear();
        QVERIFY(stacker->start());
        QVERIFY(rig.waitFrames(3));
        stacker->panel()->cancelButton()->click();
        QVERIFY(!stacker->isCollecting());
        QVERIFY(!stacker->isBusy());
        QVERIFY(!stacker->panel()->isVisible());
        // Whatever the worker still had, it has done, and its answers are in.
        QThread *worker = stacker->findChild<QThread *>(QStringLiteral("vistrel-focusstack"));
        QVERIFY(worker);
        QVERIFY(drainThread(worker));
        QCOMPARE(done.count(), 0);
    }
};

QTEST_MAIN(TestFocusStacker)
#include "tst_focusstacker.moc"
