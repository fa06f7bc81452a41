#pragma once

#include "calib/measurementtable.h"
#include "measure/graphicsitem.h"

class CameraScene;

// The toolbox's name of a shape type, in the current language.
QString toolName(int type);

// A circle's values as the results list them: radius, diameter and area,
// whichever of them the shape measures; other shapes' values unchanged.
MeasuredValues withCircleValues(int type, const MeasuredValues &values);

// One row per measured value of every finished shape of the scene, in
// drawing order, with the scene's calibration.
QVector<MeasurementRow> measurementRows(const CameraScene &scene);

// The particle analysis' objects of the scene, in the calibration's unit.
ParticleSection particleSection(const CameraScene &scene);

// The export's header for the scene's picture, named `picture`.
MeasurementSource measurementSource(const CameraScene &scene, const QString &picture);

// Keeps a table showing a scene's shapes: rows rebuilt on every change,
// a picked row highlights its shape, a deleted row erases it (undoable).
// Disconnect the returned connections to bind the table to another scene.
QVector<QMetaObject::Connection> bindTableToScene(MeasurementTable *table, CameraScene *scene,
                                                  const QString &picture = QString());
