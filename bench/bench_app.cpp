// The whole program with a simulated 1920 x 1080 MJPEG microscope at 30 fps:
// frames shown per second, CPU per shown frame and per thread, and a
// recording at the program's own rate with the frames its queue refused,
// the frames recorded per second and their share of distinct pictures.
//   bench_app [live seconds] [recording seconds] [WxH of the camera]
// Run it under Xvfb (DISPLAY set) or with QT_QPA_PLATFORM=offscreen.
#include "app/recordingcontroller.h"
#include "app/settingsstore.h"
#include "app/vistrel.h"
#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "capture/simbackend.h"
#include "measure/camerascene.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QTemporaryDir>

#include "benchutil.h"

#include <linux/videodev2.h>
#include <unistd.h>

namespace {

using bench::spin;
using bench::threadCpu;

void report(const char *title, const QMap<QString, double> &before, const QMap<QString, double> &after, double seconds,
            int frames)
{
    printf("%s: %d frames in %.1f s = %.1f frames shown per second\n", title, frames, seconds, frames / seconds);
    double total = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const double used = it.value() - before.value(it.key());
        total += used;
        printf("  %-16s %6.1f %% of a core, %6.2f ms per shown frame\n", qPrintable(it.key()), 100 * used / seconds,
               frames ? 1000 * used / frames : 0.0);
    }
    printf("  %-16s %6.1f %% of a core, %6.2f ms per shown frame\n", "whole program", 100 * total / seconds,
           frames ? 1000 * total / frames : 0.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int liveSeconds = argc > 1 ? atoi(argv[1]) : 10;
    const int recordSeconds = argc > 2 ? atoi(argv[2]) : 30;
    QSize cameraSize(1920, 1080);
    if (argc > 3) {
        const QStringList wh = QString::fromLatin1(argv[3]).split('x');
        if (wh.size() == 2)
            cameraSize = QSize(wh[0].toInt(), wh[1].toInt());
    }

    QTemporaryDir dir;
    StoragePaths paths;
    paths.configFile = dir.filePath("Measure.config");
    paths.imageRoot = dir.filePath("save/image");
    paths.videoRoot = dir.filePath("save/movie");
    Vistrel::setStoragePathsOverride(paths);
    Vistrel::setMinimumStartupMs(0);
    buildDeviceTable();

    SimCameraSpec spec;
    spec.sizes = {cameraSize};
    spec.formats = {V4L2_PIX_FMT_MJPEG};
    spec.maxFps = 30;
    CameraHub::instance()->setBackends({std::make_shared<SimulatedBackend>(QVector<SimCameraSpec>{spec})});

    Vistrel window;
    window.resize(1280, 800);
    window.show();
    int shown = 0;
    QObject::connect(CameraHub::instance(), &CameraHub::sigFrameReady, &window, [&shown] { ++shown; });
    spin(2000); // warm up: first frames, the simulated picture cycle
    if (window.openCameras().isEmpty()) {
        fprintf(stderr, "no camera opened\n");
        return 1;
    }
    printf("camera %s at %dx%d\n", qPrintable(window.currentCamera()), window.openCameras().first().frameSize.width(),
           window.openCameras().first().frameSize.height());

    shown = 0;
    auto before = threadCpu();
    QElapsedTimer t;
    t.start();
    spin(liveSeconds * 1000);
    report("live view", before, threadCpu(), t.elapsed() / 1000.0, shown);

    QDir().mkpath(dir.filePath("save/movie/Video"));
    window.store()->ensureFolders();
    shown = 0;
    before = threadCpu();
    t.restart();
    // Each frame handed to the recorder, by a hash of the scene it shows.
    qint64 sent = 0;
    qint64 distinct = 0;
    uint lastHash = 0;
    QObject::connect(window.recording(), &RecordingController::frameSent, &window, [&](qint64, bool) {
        const QImage &picture = window.scene()->image();
        const uint hash = qHashBits(picture.constBits(), size_t(picture.sizeInBytes()));
        distinct += sent == 0 || hash != lastHash;
        lastHash = hash;
        ++sent;
    });
    window.startRecording(window.currentCamera());
    spin(recordSeconds * 1000);
    const double seconds = t.elapsed() / 1000.0;
    const auto after = threadCpu();
    window.stopRecording();
    report("recording", before, after, seconds, shown);
    printf("  recorder: %d frames queued, %d refused for lack of queue room (%.1f fps recorded)\n",
           window.recording()->framesQueued(), window.recording()->framesRefused(),
           window.recording()->framesQueued() / seconds);
    printf("  recorded at %d fps nominal: %.2f frames per second, %.1f %% distinct pictures (%lld of %lld)\n",
           window.recording()->fps(), sent / seconds, sent ? 100.0 * distinct / sent : 0.0, distinct, sent);
    printf("  cadence: %lld repeats for a slow camera, camera delivered %.2f fps lately\n",
           window.recording()->cadence().repeatedFrames(), window.recording()->cadence().deliveredFps());
    return 0;
}
