#include "widgets/sliderfilter.h"

#include <QEvent>

SliderFilter::SliderFilter(QObject *parent)
    : QObject(parent)
{
}

bool SliderFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        // Not accepted: the wheel goes on to the scroll area around.
        event->setAccepted(false);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
