#pragma once

#include "calib/measurementtable.h"
#include "core/bdinfo.h"

#include <QDateTime>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <QVector>

#include <functional>

class CameraScene;
class QAction;
class QMenu;
class QObject;
class QLocale;
class QWidget;

// A measurement report as one PDF: the picture with its shapes and scale bar
// at full resolution, the calibration, the camera, the date, the file name,
// then the results table over as many pages as it needs. Written with Qt's
// own PDF writer in the user's language, on A4 or Letter by the locale.
namespace report {

struct Content
{
    QImage picture; // shapes and scale bar burnt in
    QVector<MeasurementRow> rows;
    BDInfo calibration;
    QString camera; // model; empty when unknown
    QDateTime date;
    QString fileName; // the picture's file, or the live camera's name
};

// Letter where it is the usual paper (the US and its neighbours), A4 elsewhere.
QPageSize::PageSizeId pageSizeFor(const QLocale &locale);

// The scene's picture with shapes and a scale bar (when its calibration has
// a real unit), its rows and calibration.
Content fromScene(CameraScene *scene);

// Writes the PDF atomically; false with the reason when it cannot.
bool writePdf(const QString &path, const Content &content, QString *error = nullptr);

// Asks for a file (beside `suggested`) and writes the report, telling the
// user when it fails. Returns the path written, empty for none.
QString exportReport(QWidget *parent, Content content, const QString &suggested);

// Tests answer the file question with this instead of a dialog.
void setPathChooser(std::function<QString(const QString &suggested)> chooser);

// Adds "导出报告…" (actionReport) to a menu after `after` (or at its end).
QAction *addReportAction(QMenu *menu, QAction *after, QObject *receiver, const std::function<void()> &run);
void retranslateAction(QAction *action);

} // namespace report
