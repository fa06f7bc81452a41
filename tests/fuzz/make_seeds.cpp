// Writes valid files as the seed corpus of the fuzz targets.
#include "core/appsettings.h"
#include "calib/bdfile.h"
#include "measure/annotations.h"
#include "tests/common/records.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

using testrecords::bd;
using testrecords::serialise;

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: make_seeds <settings dir> <bd dir> <annotations dir>\n");
        return 2;
    }
    const QString settingsDir = QString::fromLocal8Bit(argv[1]);
    const QString bdDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(settingsDir);
    QDir().mkpath(bdDir);
    const QString annotationsDir = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(annotationsDir);

    const BDInfoList calibrations{bd(QStringLiteral("2.00X"), 0.5, 2), bd(QString(), 1.0, 4),
                                  bd(QStringLiteral("显微"), -0.0, 1), bd(QStringLiteral("nan"), std::nan("1"), -1)};

    bool ok = true;
    AppSettings plain;
    plain.imageRoot = QStringLiteral("/opt/v/save/image");
    plain.videoRoot = QStringLiteral("/opt/v/save/movie");
    ok &= write(settingsDir + QStringLiteral("/default.config"), serialise(plain));

    AppSettings rich = plain;
    rich.currentCamera = QStringLiteral("v4l2:usb-0000:00:14.0-2#vid_0c45&pid_62c1");
    rich.rect = QRect(10, 20, 800, 600);
    rich.imageFiles = QStringList{QStringLiteral("/a/1.jpg"), QStringLiteral("/a/2.png")};
    rich.videoFiles = QStringList{QStringLiteral("/b/1.avi")};
    CameraConfig cam;
    cam.name = QStringLiteral("Microscope");
    cam.initialized = true;
    cam.params[0].values[5] = 2;
    rich.cameras.insert(rich.currentCamera, cam);
    rich.cameras.insert(QStringLiteral("other"), CameraConfig());
    rich.calibrations = calibrations;
    rich.timedActive = true;
    rich.timedStart = QDateTime(QDate(2026, 12, 8), QTime(4, 5, 6), Qt::UTC);
    rich.timedNext = QDateTime(QDate(2026, 12, 8), QTime(4, 5, 6), Qt::OffsetFromUTC, 3600);
    ok &= write(settingsDir + QStringLiteral("/rich.config"), serialise(rich));

    AppSettings zones = plain;
    zones.timedStart = QDateTime(QDate(2030, 1, 1), QTime(0, 0), QTimeZone("Europe/Berlin"));
    zones.timedNext = QDateTime(QDate(2030, 1, 1), QTime(0, 0), QTimeZone(-7200));
    ok &= write(settingsDir + QStringLiteral("/zones.config"), serialise(zones));

    ok &= write(bdDir + QStringLiteral("/empty.bd"), serialise(BDInfoList()));
    ok &= write(bdDir + QStringLiteral("/list.bd"), serialise(calibrations));
    ok &= write(bdDir + QStringLiteral("/one.bd"), serialise(BDInfoList{bd(QStringLiteral("10.00X"), 0.0123, 0)}));

    // One shape of every kind with the most points it takes.
    annotations::Document doc;
    doc.calibration = bd(QStringLiteral("40X"), 0.00125, 0);
    doc.calibration.pictureSize = QSize(1920, 1080);
    for (int type = Point; type <= Text; ++type) {
        int least = 0, most = 0;
        if (!annotations::pointRange(type, &least, &most))
            continue;
        ShapeRecord r;
        r.type = type;
        for (int i = 0; i < most; ++i)
            r.points.append(QPointF(10.5 * i, 200.25 - i));
        r.style.lineColorIndex = type % 3;
        if (type == Text)
            r.text = QStringLiteral("note");
        doc.shapes.append(r);
    }
    ok &= write(annotationsDir + QStringLiteral("/all.json"), annotations::toJson(doc));
    doc.shapes.resize(2);
    ok &= write(annotationsDir + QStringLiteral("/two.json"), annotations::toJson(doc));
    return ok ? 0 : 1;
}
