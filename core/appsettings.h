#pragma once

#include "core/bdinfo.h"
#include "core/drawstyle.h"

#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QDataStream;
class QIODevice;

// One adjustable camera property as the parameter panel keeps it: a flag
// and seven ints (current value, default value, ..., sixth = exposure mode
// flags for the exposure entry).
struct CameraParam
{
    // What each of the stored values means.
    enum Field { Current, Default, Minimum, Maximum, Step, Mode };

    bool flag = false; // the device has the property
    qint32 values[7] = {0, 0, 0, 0, 0, 0, 0};

    bool supported() const { return flag; }
    qint32 current() const { return values[Current]; }
    qint32 defaultValue() const { return values[Default]; }
    qint32 minimum() const { return values[Minimum]; }
    qint32 maximum() const { return values[Maximum]; }
    qint32 step() const { return values[Step]; }
    // Camera controls (the exposure's): 1 automatic, 2 manual.
    qint32 mode() const { return values[Mode]; }
    bool isAutomatic() const { return values[Mode] & 1; }
    void setCurrent(qint32 value) { values[Current] = value; }
    void setMode(qint32 mode) { values[Mode] = mode; }
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

    // Kept in the settings sidecar, not in "Measure.config" (its layout is fixed).
    qint32 colourTemperature = -1; // -1: not known
    // The calibration the user chose for this camera (a copy of a record of
    // the list, found again by sameCalibration); also in the sidecar.
    bool hasCalibration = false;
    BDInfo calibration;
    // Flat-field correction per frame size ("1920x1080"): the averaged
    // pictures, file names in the flat-field folder beside the configuration.
    struct FlatField
    {
        bool enabled = false;
        QString flatFile;
        QString darkFile; // empty: no dark frame
        QDateTime made;
    };
    QMap<QString, FlatField> flatFields;

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

    static constexpr int kTileCount = 4;
    // Kept in the settings sidecar ("Measure.json"), not in "Measure.config".
    struct Extras
    {
        QStringList tileCameras; // camera id per tile, empty for none; at most kTileCount
        bool showScaleBar = false;
        qint32 scaleBarCorner = 3;   // 0 top left, 1 top right, 2 bottom left, 3 bottom right
        bool csvBesidePhoto = false; // the editor's saves also write <photo>.csv of the measurements
        qint32 reticle = 0;          // ReticleKind: 0 off, 1 grid, 2 circles, 3 both
        bool snapToEdges = false;    // placed points move onto the nearest clear edge
        // The sidecar as last read: what a newer program stored there that
        // this one does not know is written back with it.
        QJsonObject sidecarRead;
    } extras;
};

// One camera's record as the settings file holds it. Reading leaves the
// record untouched and the stream in error when the data is incomplete.
QDataStream &operator<<(QDataStream &out, const CameraConfig &config);
QDataStream &operator>>(QDataStream &in, CameraConfig &config);

// How reading "Measure.config" went.
enum class SettingsRead {
    NotOpened,   // no file, or it cannot be read: defaults stay
    WrongHeader, // not our file (or too short for the header): defaults stay
    Truncated,   // fields up to the break were read, the rest keep their values
    Complete,
};

// The file: a header vector of five ints, then the record. Streams are
// version Qt_5_15, big-endian, whatever the Qt build.
bool writeSettings(QIODevice *device, const AppSettings &settings);
// Reads over *settings: every field that is read completely replaces the
// value there, a field cut off by the end keeps it (never half a string,
// list or map). Claimed counts and lengths never allocate more than the
// data holds.
SettingsRead readSettings(QIODevice *device, AppSettings *settings);

// Atomic: the old file stays intact when the new one cannot be written.
bool saveSettingsFile(const QString &path, const AppSettings &settings);
SettingsRead loadSettingsFile(const QString &path, AppSettings *settings);
