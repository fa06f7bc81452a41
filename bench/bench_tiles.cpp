// Four simulated 1920 x 1080 MJPEG microscopes at 30 fps, all live: frames
// shown per second per tile in the four-tile view, CPU per thread and of the
// whole program; then one of them in the large view, the other three open
// but off screen (not decoded).
//   bench_tiles [seconds per phase]
// Run it under Xvfb (DISPLAY set) or with QT_QPA_PLATFORM=offscreen.
#include "app/camerasession.h"
#include "app/vistrel.h"
#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "capture/simbackend.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>

#include "benchutil.h"

#include <linux/videodev2.h>
#include <unistd.h>

namespace {

using bench::spin;
using bench::threadCpu;

} // namespace

namespace {

void measure(const char *title, Vistrel &window, const QStringList &cams, int seconds)
{
    QMap<QString, int> start;
    for (const QString &cam : cams)
        start[cam] = window.openCameras().value(cam).delivered;
    const auto before = threadCpu();
    QElapsedTimer t;
    t.start();
    spin(seconds * 1000);
    const double elapsed = t.elapsed() / 1000.0;
    const auto after = threadCpu();
    printf("%s (%.1f s)\n", title, elapsed);
    for (const QString &cam : cams) {
        const int tile = window.tileOf(cam);
        printf("  tile %d %-28s %6.1f frames shown per second\n", tile + 1,
               qPrintable(CameraHub::instance()->displayName(cam)),
               (window.openCameras().value(cam).delivered - start[cam]) / elapsed);
    }
    double total = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const double used = it.value() - before.value(it.key());
        total += used;
        printf("  %-20s %6.1f %% of a core\n", qPrintable(it.key()), 100 * used / elapsed);
    }
    printf("  %-20s %6.1f %% of a core\n", "whole program", 100 * total / elapsed);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? atoi(argv[1]) : 60;

    QTemporaryDir dir;
    StoragePaths paths;
    paths.configFile = dir.filePath("Measure.config");
    paths.imageRoot = dir.filePath("save/image");
    paths.videoRoot = dir.filePath("save/movie");
    Vistrel::setStoragePathsOverride(paths);
    Vistrel::setMinimumStartupMs(0);
    buildDeviceTable();

    QVector<SimCameraSpec> specs;
    for (int i = 0; i < 4; ++i) {
        SimCameraSpec spec;
        spec.tag = QStringLiteral("bench%1").arg(i);
        spec.port = QStringLiteral("1-%1").arg(i + 1);
        spec.sizes = {{1920, 1080}};
        spec.formats = {V4L2_PIX_FMT_MJPEG};
        spec.maxFps = 30;
        specs << spec;
    }
    CameraHub::instance()->setBackends({std::make_shared<SimulatedBackend>(specs)});

    Vistrel window;
    window.resize(1280, 800);
    window.show();
    spin(1000);
    QStringList cams;
    for (const CameraDeviceInfo &d : CameraHub::instance()->deviceList())
        cams << d.devicePath;
    if (cams.size() != 4) {
        fprintf(stderr, "expected four cameras, found %d\n", int(cams.size()));
        return 1;
    }
    window.onBtnScreenSwitch();
    for (int i = 0; i < 4; ++i) {
        if (!window.cameras()->showInTile(cams[i], i)) {
            fprintf(stderr, "camera %d did not open\n", i);
            return 1;
        }
    }
    spin(2000); // warm up
    measure("four-tile view", window, cams, seconds);

    window.cameras()->showLarge(cams[0]);
    spin(2000);
    // The other three stay open off screen, not decoded.
    measure("camera 1 in the large view, three open off screen", window, cams, seconds);
    return 0;
}
