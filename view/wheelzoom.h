#pragma once

#include <QPoint>
#include <QStringList>

class QComboBox;
class QScrollArea;
class QWheelEvent;
class QWidget;

namespace wheelzoom {

// The zoom entries of both picture views after "Scale" (fit), as their
// untranslated texts, which the combos keep as item data.
QStringList zoomTexts();
// The factor of an entry; "Scale" and unknown texts give 1.
double zoomFactor(const QString &text);

// Steps a zoom combo ("Scale" first, then the factors upwards) by the
// wheel's notches and scrolls area so that the picture point under the
// pointer stays under it. view is the sized widget inside area; pos is in
// view's coordinates. False when the combo could not move.
bool zoomAround(QComboBox *combo, QScrollArea *area, QWidget *view, const QPoint &pos, int steps);

// Ctrl+wheel on view: the notches of the event, 0 for any other wheel.
int ctrlWheelSteps(const QWheelEvent *event);

// Makes Ctrl+wheel over view (and its viewport, for a scroll area such as a
// graphics view) call zoomAround; other wheels pass on.
void install(QComboBox *combo, QScrollArea *area, QWidget *view, QWidget *viewport);

} // namespace wheelzoom
