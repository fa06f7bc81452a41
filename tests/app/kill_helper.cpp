// A main window over a private folder that makes one calibration, says so
// on stdout and runs until it is killed.
#include "app/storagepaths.h"
#include "app/vistrel.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "ui_vistrel.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    StoragePaths paths;
    paths.configFile = dir.filePath("Measure.config");
    paths.imageRoot = dir.filePath("save/image");
    paths.videoRoot = dir.filePath("save/movie");
    paths.portable = true;
    Vistrel::setStoragePathsOverride(paths);
    Vistrel::setMinimumStartupMs(0);
    CameraHub::instance()->setBackends({});
    Vistrel window;
    window.show();
    // What the toolbox does with a new calibration.
    BDInfo info;
    info.name = QStringLiteral("kill");
    info.factor = 0.5;
    info.unit = 0;
    window.settings().calibrations.append(info);
    emit window.form()->bdWidget->bdInfoChanged();
    printf("changed\n");
    fflush(stdout);
    return app.exec();
}
