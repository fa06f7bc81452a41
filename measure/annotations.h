#pragma once

#include "core/bdinfo.h"
#include "measure/shapetype.h"

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

// The shapes of a photo kept editable beside it: "<photo>.vistrel.json"
// holds the shapes in picture pixels with their style and text, the
// calibration they were measured with and the program version. The photo
// keeps its original pixels; the burnt-in copy is for sharing.
//
// Reading is bounded (file size, shape and point counts, coordinates, text
// lengths) and tolerant: a shape that does not fit its kind is skipped and
// counted; a file that is not one of ours gives an error, never a crash.
namespace annotations {

constexpr int kVersion = 1;
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
constexpr int kMaxShapes = 5000;
constexpr int kMaxPointsPerShape = 100; // the largest shape, a polygon
constexpr double kMaxCoordinate = 1e6;  // picture pixels, either sign
constexpr int kMaxTextChars = 4096;
constexpr int kMaxNameChars = 256;
// Files up to this size are read and checked at once (a few milliseconds);
// larger ones on a thread of their own (loadInBackground).
constexpr qint64 kInlineBytes = 256 * 1024;

struct Document
{
    ShapeState shapes;
    BDInfo calibration; // with the picture size it was made for
    QString programVersion;
    int skippedShapes = 0; // on reading: shapes that were left out
    // What a newer program's file holds that this one does not know (its
    // other top-level fields, shapes of kinds unknown here), written back
    // unchanged so that saving here loses none of it.
    QJsonObject foreignFields;
    QJsonArray foreignShapes;
    int fileVersion = kVersion;
};

// "<photo>.vistrel.json". The browser moves, copies, renames and deletes it
// with its photo.
QString pathFor(const QString &photo);
// "<photo>.vistrel.original": the pixels the shapes were drawn over, in
// PNG, for a photo whose own pixels have the shapes burnt in (one taken in
// the main window). Absent, the photo's own pixels are the original.
QString originalPathFor(const QString &photo);
// The files that travel with a photo: the sidecar and the original, where
// they exist.
QStringList companions(const QString &photo);
// Atomic, like save().
bool saveOriginal(const QString &photo, const QImage &pixels, QString *error = nullptr);

// Points a finished shape of that kind has; false for unknown kinds.
bool pointRange(int type, int *least, int *most);
// The file's name of a kind ("Line", "Circle3" ...); empty for unknown.
QString typeName(int type);
int typeFromName(const QString &name); // 0 when unknown

QByteArray toJson(const Document &doc);
// False (with *error) when the bytes are not an annotations file.
bool fromJson(const QByteArray &json, Document *doc, QString *error = nullptr);

// Atomic: an existing file stays intact when the new one cannot be written.
bool save(const QString &photo, const Document &doc, QString *error = nullptr);

enum class Load { Missing, Loaded, Damaged };
Load load(const QString &photo, Document *doc, QString *error = nullptr);

// load() on a worker thread; done runs on context's thread afterwards, and
// not at all when context is gone by then.
using LoadDone = std::function<void(Load result, const Document &doc, const QString &error)>;
void loadInBackground(const QString &photo, QObject *context, LoadDone done);

} // namespace annotations
