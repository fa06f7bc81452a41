#include "widgets/sliderfilter.h"

#include "widgets/paramslider.h"

#include <QEvent>
#include <QVariant>

SliderFilter::SliderFilter(QObject *parent)
    : QObject(parent)
{}

bool SliderFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        // Not accepted: the wheel goes on to the scroll area around.
        event->setAccepted(false);
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        // A value label: typing the value in.
        if (auto *slider = qobject_cast<ParamSlider *>(watched->property("slider").value<QObject *>())) {
            slider->editValue(qobject_cast<QWidget *>(watched));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
