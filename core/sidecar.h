#pragma once

#include "core/appsettings.h"

#include <QJsonArray>
#include <QString>

// The settings sidecar: one versioned JSON file beside "Measure.config"
// ("Measure.json") for everything the fixed byte layouts of "Measure.config"
// and "*.bd" cannot hold. Read tolerantly (unknown keys, wrong types and
// out-of-range values are skipped one by one, never the whole file), written
// atomically. New fields go into AppSettings / CameraConfig / BDInfo, marked
// "kept in the settings sidecar", and into sidecar.cpp's two functions.
namespace sidecar {

constexpr int kVersion = 1;
// A file larger than this is not read: ours are a few KiB.
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

// "Measure.json" in the folder of configFile.
QString pathFor(const QString &configFile);

QByteArray toJson(const AppSettings &settings);
// Applies what the document holds over *settings. Calibration origins are
// matched to settings->calibrations by name, factor and unit, so load the
// configuration first. Returns false (with *error) for a document that is
// not a sidecar at all; fields are otherwise taken one by one.
bool fromJson(const QByteArray &json, AppSettings *settings, QString *error = nullptr);

bool save(const QString &path, const AppSettings &settings);
// A missing file is no error (true, nothing changed).
bool load(const QString &path, AppSettings *settings, QString *error = nullptr);

// Calibration origins (picture size, camera) of a list, as the sidecar and
// a .bd backup's own sidecar hold them, and back onto a list.
QJsonArray calibrationOrigins(const BDInfoList &list);
void applyCalibrationOrigins(const QJsonArray &origins, BDInfoList *list);

// A .bd backup's origins beside it ("<file>.json"): written when any record
// has an origin (else an older one is removed), read when present. Atomic;
// a damaged file is ignored.
QString bdSidecarPath(const QString &bdFile);
bool saveBDOrigins(const QString &bdFile, const BDInfoList &list);
void loadBDOrigins(const QString &bdFile, BDInfoList *list);

} // namespace sidecar
