#pragma once

#include "calib/bdinfo.h"
#include "measure/drawstyle.h"

#include <QDateTime>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// One adjustable camera property as the parameter panel keeps it: a flag
// and seven ints (current value, default value, ..., sixth = exposure mode
// flags for the exposure entry).
struct CameraParam
{
    bool flag = false;
    qint32 values[7] = {0, 0, 0, 0, 0, 0, 0};

    qint32 current() const { return values[0]; }
    qint32 defaultValue() const { return values[1]; }
};

// Settings of one camera, keyed by its device path.
struct CameraConfig
{
    enum Param { Exposure, Gain, Brightness, Contrast, Saturation, Hue, Gamma, Sharpness, Extra, ParamCount };

    QString name;
    bool initialized = false;
    QSize size{640, 480};
    QString format = QStringLiteral("MJPG");
    CameraParam params[ParamCount];
    bool autoWhiteBalance = false;
    double redGain = 0.0;
    double greenGain = 0.0;
    double blueGain = 0.0;
    bool blackWhite = false;
    bool flipHorizontal = false;
    bool flipVertical = false;

    // Current values back to the device defaults, flips and black-and-white off.
    void resetToDefaults();
};

// Every user setting of the program; stored in "Measure.config".
struct AppSettings
{
    qint32 polygonArea = 2; // not stored
    bool showTime = true;
    qint32 language = 1;
    QRect rect;
    QString currentCamera;
    QMap<QString, CameraConfig> cameras;
    BDInfoList calibrations;
    DrawStyle style;
    QString imageRoot;
    QString videoRoot;
    QString imageFolder = QStringLiteral("Photo");
    QString videoFolder = QStringLiteral("Video");
    QStringList imageFiles;
    QStringList videoFiles;
    qint32 imageFormat = 1;
    qint32 videoFormat = 0;
    bool timedActive = false;
    qint32 timedMode = 0;
    QDateTime timedStart;
    QDateTime timedNext;
    qint32 timedInterval = 1;
    qint32 timedLength = 10;
    qint32 timedCount = 10;
    qint32 timedDone = 0;
};
