#include "core/sidecar.h"

#include "core/atomicsave.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

namespace sidecar {

namespace {

constexpr int kMaxPictureSide = 100000;
constexpr int kMaxEntries = 10000;

bool sameRecord(const BDInfo &a, const QJsonObject &o)
{
    return o.value(QLatin1String("name")).toString() == a.name
           && o.value(QLatin1String("factor")).toDouble(NAN) == a.factor
           && o.value(QLatin1String("unit")).toInt(-100) == a.unit;
}

QSize sizeFrom(const QJsonObject &o)
{
    const int w = o.value(QLatin1String("width")).toInt(0);
    const int h = o.value(QLatin1String("height")).toInt(0);
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide)
        return QSize();
    return QSize(w, h);
}

bool writeAtomically(const QString &path, const QByteArray &bytes) { return atomicsave::save(path, bytes).saved; }

bool readSmallFile(const QString &path, QByteArray *bytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.read(kMaxBytes + 1);
    return bytes->size() <= kMaxBytes;
}

// Fields of ours at each level; anything else in a file read is another
// program's (a newer version's) and goes back into the file unchanged.
const QStringList kRootKeys{"version",  "calibrations",   "cameras", "tiles",
                            "scaleBar", "csvBesidePhoto", "reticle", "snapToEdges"};
const QStringList kCameraKeys{"colourTemperature", "calibration", "flatField"};
const QStringList kCalibrationKeys{"name", "factor", "unit", "width", "height", "camera"};
const QStringList kScaleBarKeys{"shown", "corner"};

// ours, plus the keys of read that are none of known.
QJsonObject withUnknown(const QJsonObject &read, QJsonObject ours, const QStringList &known)
{
    for (auto it = read.constBegin(); it != read.constEnd(); ++it) {
        if (!known.contains(it.key()) && !ours.contains(it.key()))
            ours.insert(it.key(), it.value());
    }
    return ours;
}

QJsonObject keepUnknown(const QJsonObject &read, QJsonObject root, const AppSettings &s)
{
    if (read.isEmpty())
        return root;
    QJsonObject cameras = root.value(QLatin1String("cameras")).toObject();
    const QJsonObject readCameras = read.value(QLatin1String("cameras")).toObject();
    for (auto it = readCameras.constBegin(); it != readCameras.constEnd(); ++it) {
        const QJsonObject was = it.value().toObject();
        if (!s.cameras.contains(it.key())) {
            // A camera this program never saw: its entry is left as it was.
            if (!cameras.contains(it.key()))
                cameras.insert(it.key(), it.value());
            continue;
        }
        QJsonObject c = withUnknown(was, cameras.value(it.key()).toObject(), kCameraKeys);
        if (c.value(QLatin1String("calibration")).isObject())
            c.insert(QLatin1String("calibration"),
                     withUnknown(was.value(QLatin1String("calibration")).toObject(),
                                 c.value(QLatin1String("calibration")).toObject(), kCalibrationKeys));
        if (!c.isEmpty())
            cameras.insert(it.key(), c);
    }
    root.insert(QLatin1String("cameras"), cameras);
    root.insert(QLatin1String("scaleBar"),
                withUnknown(read.value(QLatin1String("scaleBar")).toObject(),
                            root.value(QLatin1String("scaleBar")).toObject(), kScaleBarKeys));
    root = withUnknown(read, root, kRootKeys);
    // A newer file stays marked as such: its other fields are still there.
    root.insert(QLatin1String("version"), qMax(kVersion, read.value(QLatin1String("version")).toInt(kVersion)));
    return root;
}

} // namespace

QString pathFor(const QString &configFile)
{
    return QFileInfo(configFile).absolutePath() + QLatin1String("/Measure.json");
}

QJsonArray calibrationOrigins(const BDInfoList &list)
{
    QJsonArray out;
    for (const BDInfo &b : list) {
        if (!b.pictureSize.isValid() && b.camera.isEmpty())
            continue;
        QJsonObject o;
        o.insert(QLatin1String("name"), b.name);
        o.insert(QLatin1String("factor"), b.factor);
        o.insert(QLatin1String("unit"), b.unit);
        if (b.pictureSize.isValid()) {
            o.insert(QLatin1String("width"), b.pictureSize.width());
            o.insert(QLatin1String("height"), b.pictureSize.height());
        }
        if (!b.camera.isEmpty())
            o.insert(QLatin1String("camera"), b.camera);
        out.append(o);
    }
    return out;
}

void applyCalibrationOrigins(const QJsonArray &origins, BDInfoList *list)
{
    QVector<bool> taken(list->size(), false);
    int seen = 0;
    for (const QJsonValue &v : origins) {
        if (++seen > kMaxEntries)
            break;
        if (!v.isObject())
            continue;
        const QJsonObject o = v.toObject();
        // Two records with the same name and factor take the entries in order.
        for (int i = 0; i < list->size(); ++i) {
            if (taken[i] || !sameRecord(list->at(i), o))
                continue;
            taken[i] = true;
            (*list)[i].pictureSize = sizeFrom(o);
            (*list)[i].camera = o.value(QLatin1String("camera")).toString().left(1024);
            break;
        }
    }
}

QByteArray toJson(const AppSettings &s)
{
    QJsonObject root;
    root.insert(QLatin1String("version"), kVersion);
    root.insert(QLatin1String("calibrations"), calibrationOrigins(s.calibrations));

    QJsonObject cameras;
    for (auto it = s.cameras.constBegin(); it != s.cameras.constEnd(); ++it) {
        QJsonObject c;
        if (it->colourTemperature >= 0)
            c.insert(QLatin1String("colourTemperature"), it->colourTemperature);
        if (it->hasCalibration) {
            QJsonObject b;
            b.insert(QLatin1String("name"), it->calibration.name);
            b.insert(QLatin1String("factor"), it->calibration.factor);
            b.insert(QLatin1String("unit"), it->calibration.unit);
            if (it->calibration.pictureSize.isValid()) {
                b.insert(QLatin1String("width"), it->calibration.pictureSize.width());
                b.insert(QLatin1String("height"), it->calibration.pictureSize.height());
            }
            if (!it->calibration.camera.isEmpty())
                b.insert(QLatin1String("camera"), it->calibration.camera);
            c.insert(QLatin1String("calibration"), b);
        }
        QJsonObject flats;
        for (auto f = it->flatFields.constBegin(); f != it->flatFields.constEnd(); ++f) {
            QJsonObject o;
            o.insert(QLatin1String("enabled"), f->enabled);
            o.insert(QLatin1String("flat"), f->flatFile);
            if (!f->darkFile.isEmpty())
                o.insert(QLatin1String("dark"), f->darkFile);
            if (f->made.isValid())
                o.insert(QLatin1String("made"), f->made.toString(Qt::ISODate));
            flats.insert(f.key(), o);
        }
        if (!flats.isEmpty())
            c.insert(QLatin1String("flatField"), flats);
        if (!c.isEmpty())
            cameras.insert(it.key(), c);
    }
    root.insert(QLatin1String("cameras"), cameras);

    QJsonArray tiles;
    for (int i = 0; i < AppSettings::kTileCount; ++i)
        tiles.append(i < s.extras.tileCameras.size() ? s.extras.tileCameras.at(i) : QString());
    root.insert(QLatin1String("tiles"), tiles);

    QJsonObject bar;
    bar.insert(QLatin1String("shown"), s.extras.showScaleBar);
    bar.insert(QLatin1String("corner"), s.extras.scaleBarCorner);
    root.insert(QLatin1String("scaleBar"), bar);
    root.insert(QLatin1String("csvBesidePhoto"), s.extras.csvBesidePhoto);
    root.insert(QLatin1String("reticle"), s.extras.reticle);
    root.insert(QLatin1String("snapToEdges"), s.extras.snapToEdges);
    root = keepUnknown(s.extras.sidecarRead, root, s);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool fromJson(const QByteArray &json, AppSettings *s, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                  : QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject root = doc.object();
    // A later version's file is read for the keys we know.
    if (root.value(QLatin1String("version")).toInt(0) < 1) {
        if (error)
            *error = QStringLiteral("no version");
        return false;
    }

    s->extras.sidecarRead = root;
    applyCalibrationOrigins(root.value(QLatin1String("calibrations")).toArray(), &s->calibrations);

    const QJsonObject cameras = root.value(QLatin1String("cameras")).toObject();
    for (auto it = cameras.constBegin(); it != cameras.constEnd(); ++it) {
        auto cam = s->cameras.find(it.key());
        if (cam == s->cameras.end())
            continue;
        const int t = it.value().toObject().value(QLatin1String("colourTemperature")).toInt(-1);
        if (t >= 0 && t <= 100000)
            cam->colourTemperature = t;
        const QJsonValue chosen = it.value().toObject().value(QLatin1String("calibration"));
        if (chosen.isObject()) {
            const QJsonObject b = chosen.toObject();
            BDInfo info;
            info.name = b.value(QLatin1String("name")).toString().left(1024);
            info.factor = b.value(QLatin1String("factor")).toDouble(NAN);
            info.unit = b.value(QLatin1String("unit")).toInt(-100);
            info.pictureSize = sizeFrom(b);
            info.camera = b.value(QLatin1String("camera")).toString().left(1024);
            // Found again in the list by identity; a record that is gone is simply not found.
            if (isValidFactor(info.factor) && info.unit >= 0 && info.unit <= 4) {
                cam->hasCalibration = true;
                cam->calibration = info;
            }
        }
        const QJsonObject flats = it.value().toObject().value(QLatin1String("flatField")).toObject();
        int taken = 0;
        for (auto f = flats.constBegin(); f != flats.constEnd() && taken < kMaxEntries; ++f) {
            const QJsonObject o = f.value().toObject();
            CameraConfig::FlatField ff;
            ff.flatFile = o.value(QLatin1String("flat")).toString();
            ff.darkFile = o.value(QLatin1String("dark")).toString();
            // Names only: the pictures live in the flat-field folder, nowhere else.
            auto plainName = [](const QString &n) {
                return n.size() <= 255 && !n.contains(QLatin1Char('/')) && !n.contains(QLatin1Char('\\'))
                       && n != QLatin1String("..") && n != QLatin1String(".");
            };
            if (ff.flatFile.isEmpty() || !plainName(ff.flatFile) || !plainName(ff.darkFile)
                || !QRegularExpression(QStringLiteral("^\\d{1,5}x\\d{1,5}$")).match(f.key()).hasMatch())
                continue;
            ff.enabled = o.value(QLatin1String("enabled")).toBool(false);
            ff.made = QDateTime::fromString(o.value(QLatin1String("made")).toString(), Qt::ISODate);
            cam->flatFields.insert(f.key(), ff);
            ++taken;
        }
    }

    const QJsonValue tiles = root.value(QLatin1String("tiles"));
    if (tiles.isArray()) {
        QStringList list;
        for (const QJsonValue &v : tiles.toArray()) {
            if (list.size() == AppSettings::kTileCount)
                break;
            list.append(v.toString().left(1024));
        }
        s->extras.tileCameras = list;
    }

    const QJsonObject bar = root.value(QLatin1String("scaleBar")).toObject();
    if (bar.value(QLatin1String("shown")).isBool())
        s->extras.showScaleBar = bar.value(QLatin1String("shown")).toBool();
    const int corner = bar.value(QLatin1String("corner")).toInt(-1);
    if (corner >= 0 && corner <= 3)
        s->extras.scaleBarCorner = corner;
    const int reticle = root.value(QLatin1String("reticle")).toInt(-1);
    if (reticle >= 0 && reticle <= 3)
        s->extras.reticle = reticle;
    if (root.value(QLatin1String("csvBesidePhoto")).isBool())
        s->extras.csvBesidePhoto = root.value(QLatin1String("csvBesidePhoto")).toBool();
    if (root.value(QLatin1String("snapToEdges")).isBool())
        s->extras.snapToEdges = root.value(QLatin1String("snapToEdges")).toBool();
    return true;
}

bool save(const QString &path, const AppSettings &settings) { return writeAtomically(path, toJson(settings)); }

bool load(const QString &path, AppSettings *settings, QString *error)
{
    if (!QFileInfo::exists(path))
        return true;
    QByteArray bytes;
    if (!readSmallFile(path, &bytes)) {
        if (error)
            *error = QStringLiteral("cannot be read or too large");
        return false;
    }
    return fromJson(bytes, settings, error);
}

QString bdSidecarPath(const QString &bdFile) { return bdFile + QLatin1String(".json"); }

bool saveBDOrigins(const QString &bdFile, const BDInfoList &list)
{
    const QJsonArray origins = calibrationOrigins(list);
    if (origins.isEmpty()) {
        // An older backup's origins must not attach to this file's records.
        const QString stale = bdSidecarPath(bdFile);
        return !QFileInfo::exists(stale) || QFile::remove(stale);
    }
    QJsonObject root;
    root.insert(QLatin1String("version"), kVersion);
    root.insert(QLatin1String("calibrations"), origins);
    return writeAtomically(bdSidecarPath(bdFile), QJsonDocument(root).toJson(QJsonDocument::Indented));
}

void loadBDOrigins(const QString &bdFile, BDInfoList *list)
{
    QByteArray bytes;
    if (!readSmallFile(bdSidecarPath(bdFile), &bytes))
        return;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return;
    applyCalibrationOrigins(doc.object().value(QLatin1String("calibrations")).toArray(), list);
}

} // namespace sidecar
