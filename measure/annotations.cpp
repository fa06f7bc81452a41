#include "measure/annotations.h"

#include "core/atomicsave.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>
#include <QVector>

#include <cmath>
#include <memory>

#ifndef VISTREL_VERSION
#define VISTREL_VERSION "unknown"
#endif

namespace annotations {

namespace {

const char kFormat[] = "vistrel-annotations";

struct Kind
{
    int type;
    const char *name;
    int least;
    int most;
};

// Point counts of finished shapes (see the shapes' onFinished/canFinish).
const Kind kKinds[] = {
    {Point, "Point", 1, 1},
    {Line, "Line", 2, 2},
    {BrokenLine, "BrokenLine", 2, 50},
    {Rect, "Rect", 2, 2},
    {Polygon, "Polygon", 2, 100},
    {ParallelLine, "ParallelLine", 4, 4},
    {VerticalLine, "VerticalLine", 3, 3},
    {Cross, "Cross", 1, 1},
    {AngleLine, "AngleLine", 3, 3},
    {Arc, "Arc", 3, 3},
    {Circle1, "Circle1", 2, 2},
    {Circle2, "Circle2", 2, 2},
    {Circle3, "Circle3", 3, 3},
    {DoubleCircle, "DoubleCircle", 3, 3},
    {CircleLine, "CircleLine", 4, 4},
    {Text, "Text", 1, 1},
    {Particle, "Particle", 3, 100},
};

const Kind *kindOf(int type)
{
    for (const Kind &k : kKinds) {
        if (k.type == type)
            return &k;
    }
    return nullptr;
}

bool isCoordinate(const QJsonValue &v)
{
    return v.isDouble() && std::isfinite(v.toDouble()) && std::fabs(v.toDouble()) <= kMaxCoordinate;
}

// An index in [0, size) or the default.
int index(const QJsonObject &o, const char *key, int size, int fallback)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return fallback;
    const double d = v.toDouble();
    return d >= 0 && d < size && d == std::floor(d) ? int(d) : fallback;
}

QJsonObject styleToJson(const DrawStyle &s)
{
    return QJsonObject{{QStringLiteral("textColor"), s.textColorIndex},
                       {QStringLiteral("fontSize"), s.fontSizeIndex},
                       {QStringLiteral("lineColor"), s.lineColorIndex},
                       {QStringLiteral("lineStyle"), s.lineStyle},
                       {QStringLiteral("lineWidth"), s.lineWidthIndex}};
}

DrawStyle styleFromJson(const QJsonObject &o)
{
    DrawStyle s;
    s.textColorIndex = index(o, "textColor", s.colors.size(), s.textColorIndex);
    s.fontSizeIndex = index(o, "fontSize", s.fontSizes.size(), s.fontSizeIndex);
    s.lineColorIndex = index(o, "lineColor", s.colors.size(), s.lineColorIndex);
    s.lineStyle = index(o, "lineStyle", 2, s.lineStyle);
    s.lineWidthIndex = index(o, "lineWidth", s.lineWidths.size(), s.lineWidthIndex);
    return s;
}

// Qt's JSON parser loses the memory of a container whose key comes again in
// the same object, so a file with repeated keys (never one we write) is
// refused before it gets there. Also bounds the nesting. Lenient about
// everything else: the parser reports real syntax errors.
bool hasRepeatedKeys(const QByteArray &json, QString *why)
{
    constexpr int kMaxDepth = 64;
    // One entry per open container: its keys, or none for an array.
    QVector<QSet<QString>> keys;
    QVector<bool> isObject;
    bool expectKey = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[') {
            if (keys.size() >= kMaxDepth) {
                *why = QStringLiteral("nested deeper than %1").arg(kMaxDepth);
                return true;
            }
            keys.append(QSet<QString>());
            isObject.append(c == '{');
            expectKey = c == '{';
        } else if (c == '}' || c == ']') {
            if (!keys.isEmpty()) {
                keys.removeLast();
                isObject.removeLast();
            }
            expectKey = false;
        } else if (c == ',') {
            expectKey = !isObject.isEmpty() && isObject.last();
        } else if (c == '"') {
            int j = i + 1;
            while (j < json.size() && json[j] != '"')
                j += json[j] == '\\' ? 2 : 1;
            // The parser itself decodes the key, so equal keys compare equal
            // however they are escaped; a lone string holds no container.
            if (expectKey && !keys.isEmpty()) {
                const QByteArray token = '[' + json.mid(i, j - i + 1) + ']';
                const QString text = QJsonDocument::fromJson(token).array().at(0).toString();
                if (keys.last().contains(text)) {
                    *why = QStringLiteral("a key comes twice in one object");
                    return true;
                }
                keys.last().insert(text);
            }
            expectKey = false;
            i = j;
        }
    }
    return false;
}

bool shapeFromJson(const QJsonValue &value, ShapeRecord *record)
{
    const QJsonObject o = value.toObject();
    const Kind *kind = kindOf(typeFromName(o.value(QLatin1String("type")).toString()));
    if (!kind)
        return false;
    const QJsonArray points = o.value(QLatin1String("points")).toArray();
    if (points.size() < kind->least || points.size() > kind->most)
        return false;
    record->type = kind->type;
    record->points.clear();
    record->points.reserve(points.size());
    for (const QJsonValue &p : points) {
        const QJsonArray xy = p.toArray();
        if (xy.size() != 2 || !isCoordinate(xy.at(0)) || !isCoordinate(xy.at(1)))
            return false;
        record->points.append(QPointF(xy.at(0).toDouble(), xy.at(1).toDouble()));
    }
    record->style = styleFromJson(o.value(QLatin1String("style")).toObject());
    const QJsonValue text = o.value(QLatin1String("text"));
    if (!text.isUndefined() && (!text.isString() || text.toString().size() > kMaxTextChars))
        return false;
    record->text = text.toString();
    return true;
}

} // namespace

QString pathFor(const QString &photo) { return photo + QStringLiteral(".vistrel.json"); }

QString originalPathFor(const QString &photo) { return photo + QStringLiteral(".vistrel.original"); }

QStringList companions(const QString &photo)
{
    // A folder of such a name is no companion and never travels with the photo.
    QStringList files;
    for (const QString &path : {pathFor(photo), originalPathFor(photo)}) {
        if (QFileInfo(path).isFile())
            files << path;
    }
    return files;
}

bool saveOriginal(const QString &photo, const QImage &pixels, QString *error)
{
    // Lossless whatever the photo's format: these are the pixels edited over.
    const atomicsave::Result saved = atomicsave::save(
        originalPathFor(photo), [&pixels](QFileDevice &file, QString *) { return pixels.save(&file, "PNG"); });
    if (!saved.saved && error)
        *error = saved.reason;
    return saved.saved;
}

bool pointRange(int type, int *least, int *most)
{
    const Kind *kind = kindOf(type);
    if (!kind)
        return false;
    *least = kind->least;
    *most = kind->most;
    return true;
}

QString typeName(int type)
{
    const Kind *kind = kindOf(type);
    return kind ? QString::fromLatin1(kind->name) : QString();
}

int typeFromName(const QString &name)
{
    for (const Kind &k : kKinds) {
        if (name == QLatin1String(k.name))
            return k.type;
    }
    return 0;
}

QByteArray toJson(const Document &doc)
{
    QJsonArray shapes;
    for (const ShapeRecord &r : doc.shapes) {
        if (!kindOf(r.type))
            continue;
        QJsonArray points;
        for (const QPointF &p : r.points)
            points.append(QJsonArray{p.x(), p.y()});
        QJsonObject o{{QStringLiteral("type"), typeName(r.type)},
                      {QStringLiteral("points"), points},
                      {QStringLiteral("style"), styleToJson(r.style)}};
        if (!r.text.isEmpty())
            o.insert(QStringLiteral("text"), r.text);
        shapes.append(o);
    }
    for (const QJsonValue &v : doc.foreignShapes)
        shapes.append(v);
    const BDInfo &c = doc.calibration;
    const QJsonObject calibration{{QStringLiteral("name"), c.name},
                                  {QStringLiteral("factor"), c.factor},
                                  {QStringLiteral("unit"), unitName(c.unit)},
                                  {QStringLiteral("width"), c.pictureSize.width()},
                                  {QStringLiteral("height"), c.pictureSize.height()}};
    QJsonObject root = doc.foreignFields;
    const QJsonObject ours{{QStringLiteral("format"), QLatin1String(kFormat)},
                           {QStringLiteral("version"), qMax(kVersion, doc.fileVersion)},
                           {QStringLiteral("program"), QStringLiteral(VISTREL_VERSION)},
                           {QStringLiteral("calibration"), calibration},
                           {QStringLiteral("shapes"), shapes}};
    for (auto it = ours.constBegin(); it != ours.constEnd(); ++it)
        root.insert(it.key(), it.value());
    // Compact: indented, the largest file the reader takes would not fit
    // its own limit once saved again.
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool fromJson(const QByteArray &json, Document *doc, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (json.size() > kMaxBytes)
        return fail(QStringLiteral("larger than %1 bytes").arg(kMaxBytes));
    QString why;
    if (hasRepeatedKeys(json, &why))
        return fail(why);
    QJsonParseError parseError;
    const QJsonDocument d = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(parseError.errorString());
    const QJsonObject root = d.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kFormat))
        return fail(QStringLiteral("not an annotations file"));
    const QJsonArray shapes = root.value(QLatin1String("shapes")).toArray();
    if (shapes.size() > kMaxShapes)
        return fail(QStringLiteral("more than %1 shapes").arg(kMaxShapes));

    Document out;
    out.programVersion = root.value(QLatin1String("program")).toString().left(kMaxNameChars);
    const QJsonObject c = root.value(QLatin1String("calibration")).toObject();
    out.calibration.name = c.value(QLatin1String("name")).toString().left(kMaxNameChars);
    const double factor = c.value(QLatin1String("factor")).toDouble(1.0);
    out.calibration.factor = std::isfinite(factor) && factor > 0 ? factor : 1.0;
    out.calibration.unit = 4;
    for (int u = 0; u <= 4; ++u) {
        if (c.value(QLatin1String("unit")).toString() == unitName(u))
            out.calibration.unit = u;
    }
    const double w = c.value(QLatin1String("width")).toDouble();
    const double h = c.value(QLatin1String("height")).toDouble();
    if (w >= 1 && h >= 1 && w <= kMaxCoordinate && h <= kMaxCoordinate)
        out.calibration.pictureSize = QSize(int(w), int(h));

    out.fileVersion = qBound(kVersion, root.value(QLatin1String("version")).toInt(kVersion), 1000000);
    const bool newer = out.fileVersion > kVersion;
    if (newer) {
        for (auto it = root.constBegin(); it != root.constEnd(); ++it) {
            if (!QStringList{"format", "version", "program", "calibration", "shapes"}.contains(it.key()))
                out.foreignFields.insert(it.key(), it.value());
        }
    }
    out.shapes.reserve(shapes.size());
    for (const QJsonValue &v : shapes) {
        ShapeRecord r;
        if (shapeFromJson(v, &r))
            out.shapes.append(r);
        else if (newer && v.isObject() && !typeFromName(v.toObject().value(QLatin1String("type")).toString()))
            out.foreignShapes.append(v); // a kind a later version added
        else
            ++out.skippedShapes;
    }
    if (error)
        *error = out.skippedShapes ? QStringLiteral("%1 damaged shapes left out").arg(out.skippedShapes) : QString();
    *doc = out;
    return true;
}

bool save(const QString &photo, const Document &doc, QString *error)
{
    const atomicsave::Result saved = atomicsave::save(pathFor(photo), toJson(doc));
    if (!saved.saved && error)
        *error = saved.reason;
    return saved.saved;
}

Load load(const QString &photo, Document *doc, QString *error)
{
    QFile file(pathFor(photo));
    if (!file.exists())
        return Load::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return Load::Damaged;
    }
    if (file.size() > kMaxBytes) {
        if (error)
            *error = QStringLiteral("larger than %1 bytes").arg(kMaxBytes);
        return Load::Damaged;
    }
    return fromJson(file.read(kMaxBytes + 1), doc, error) ? Load::Loaded : Load::Damaged;
}

void loadInBackground(const QString &photo, QObject *context, LoadDone done)
{
    struct Outcome
    {
        Load result = Load::Missing;
        Document doc;
        QString error;
    };
    auto outcome = std::make_shared<Outcome>();
    QThread *worker = QThread::create(
        [photo, outcome] { outcome->result = load(photo, &outcome->doc, &outcome->error); });
    worker->setObjectName(QStringLiteral("vistrel-annotations"));
    // Queued to context's thread; the connection goes with context.
    QObject::connect(worker, &QThread::finished, context,
                     [outcome, done] { done(outcome->result, outcome->doc, outcome->error); });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

} // namespace annotations
