#include "calib/measurementrows.h"

#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "measure/particleshapes.h"
#include "measure/shapetype.h"

#include <QCoreApplication>
#include <QPointer>

#include <cmath>

QString toolName(int type)
{
    // The toolbox's own tooltips, so that both read the same in every language.
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("BDWidget", "坐标"),   QT_TRANSLATE_NOOP("BDWidget", "线条"),
        QT_TRANSLATE_NOOP("BDWidget", "折线"),   QT_TRANSLATE_NOOP("BDWidget", "矩形"),
        QT_TRANSLATE_NOOP("BDWidget", "多边形"), QT_TRANSLATE_NOOP("BDWidget", "平行线"),
        QT_TRANSLATE_NOOP("BDWidget", "垂线"),   QT_TRANSLATE_NOOP("BDWidget", "网格线"),
        QT_TRANSLATE_NOOP("BDWidget", "角度"),   QT_TRANSLATE_NOOP("BDWidget", "圆弧"),
        QT_TRANSLATE_NOOP("BDWidget", "圆"),     QT_TRANSLATE_NOOP("BDWidget", "两点圆"),
        QT_TRANSLATE_NOOP("BDWidget", "三点圆"), QT_TRANSLATE_NOOP("BDWidget", "重合圆"),
        QT_TRANSLATE_NOOP("BDWidget", "双圆"),
    };
    if (type == Text)
        return QCoreApplication::translate("BDWidget", "文字");
    const int index = type - Point;
    if (index < 0 || index >= int(sizeof(names) / sizeof(names[0])))
        return QString();
    return QCoreApplication::translate("BDWidget", names[index]);
}

MeasuredValues withCircleValues(int type, const MeasuredValues &values)
{
    // A circle gives one of radius or diameter; a results table lists all
    // three of radius, diameter and area, as measuring programs do.
    if ((type != Circle1 && type != Circle2 && type != Circle3) || values.size() != 1)
        return values;
    const MeasuredValue &v = values.first();
    double r = 0;
    if (v.name == QLatin1String("R"))
        r = v.value;
    else if (v.name == QLatin1String("D"))
        r = v.value / 2;
    else
        return values;
    return {{QStringLiteral("R"), r, ValueKind::Length},
            {QStringLiteral("D"), 2 * r, ValueKind::Length},
            {QStringLiteral("S"), M_PI * r * r, ValueKind::Area}};
}

QVector<MeasurementRow> measurementRows(const CameraScene &scene)
{
    QVector<MeasurementRow> rows;
    const BDInfo calibration = scene.calibration();
    const QList<GraphicsItem *> &shapes = scene.shapes();
    for (int i = 0; i < shapes.size(); ++i) {
        const GraphicsItem *shape = shapes[i];
        if (shape->type() == Particle)
            continue; // listed in a section of their own
        const QString tool = toolName(shape->type());
        for (const MeasuredValue &value : withCircleValues(shape->type(), shape->values())) {
            MeasurementRow row;
            row.shape = i + 1;
            row.tool = tool;
            row.name = value.name;
            row.real = realValue(value, calibration);
            row.unit = realUnit(value, calibration);
            row.pixels = value.value;
            row.calibration = calibration.name;
            rows.append(row);
        }
    }
    return rows;
}

ParticleSection particleSection(const CameraScene &scene)
{
    ParticleSection section;
    const BDInfo calibration = scene.calibration();
    const MeasuredValue one{QString(), 1.0, ValueKind::Length};
    const double f = realValue(one, calibration);
    const QString unit = realUnit(one, calibration);
    if (!unit.isEmpty())
        section.unit = unit;
    for (const GraphicsItem *shape : scene.shapes()) {
        const auto *item = dynamic_cast<const GraphicsParticleItem *>(shape);
        if (!item)
            continue;
        const imaging::Particle p = item->particle();
        section.rows.append({item->number(), p.centroid.x(), p.centroid.y(), p.area * f * f, p.perimeter * f,
                             p.diameter * f, p.feretMax * f, p.feretMin * f, p.circularity, p.mean});
    }
    return section;
}

MeasurementSource measurementSource(const CameraScene &scene, const QString &picture)
{
    MeasurementSource source;
    const BDInfo calibration = scene.calibration();
    source.picture = picture;
    source.size = scene.pictureSize();
    source.calibration = calibration.name;
    source.factor = calibration.unit >= 0 && calibration.unit <= 3 ? calibration.factor : 0;
    source.unit = unitName(calibration.unit);
    return source;
}

QVector<QMetaObject::Connection> bindTableToScene(MeasurementTable *table, CameraScene *scene, const QString &picture)
{
    QPointer<CameraScene> guard(scene);
    auto refresh = [table, guard, picture] {
        if (!guard)
            return;
        table->setSource(measurementSource(*guard, picture));
        table->setRows(measurementRows(*guard));
        table->setParticles(particleSection(*guard));
        // Numbers shift when shapes go: the scene's pick decides the rows.
        table->selectShape(guard->shapeIndex(guard->selectedShape()) + 1);
    };
    QVector<QMetaObject::Connection> connections;
    if (!scene) {
        table->setSource(MeasurementSource());
        table->setRows({});
        return connections;
    }
    connections << QObject::connect(scene, &CameraScene::shapesChanged, table, refresh);
    connections << QObject::connect(scene, &CameraScene::pictureSizeChanged, table, refresh);
    connections << QObject::connect(scene, &CameraScene::selectedShapeChanged, table,
                                    [table, guard](GraphicsItem *shape) {
                                        if (guard)
                                            table->selectShape(guard->shapeIndex(shape) + 1);
                                    });
    connections << QObject::connect(table, &MeasurementTable::shapeSelected, scene, [guard](int number) {
        if (!guard)
            return;
        const QList<GraphicsItem *> &shapes = guard->shapes();
        guard->selectShape(number >= 1 && number <= shapes.size() ? shapes[number - 1] : nullptr);
    });
    connections << QObject::connect(table, &MeasurementTable::eraseRequested, scene, [guard](int number) {
        if (!guard)
            return;
        const QList<GraphicsItem *> &shapes = guard->shapes();
        if (number >= 1 && number <= shapes.size())
            guard->eraseShape(shapes[number - 1]);
    });
    refresh();
    return connections;
}
