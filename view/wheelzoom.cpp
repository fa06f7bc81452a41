#include "view/wheelzoom.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace wheelzoom {

namespace {

const char *const kZoomTexts[] = {"0.5x", "1.0x", "2.0x", "2.5x", "4.0x", "5.0x", "10.0x"};
const double kZoomFactors[] = {0.5, 1, 2, 2.5, 4, 5, 10};

} // namespace

QStringList zoomTexts()
{
    QStringList texts;
    for (const char *text : kZoomTexts)
        texts << QString::fromLatin1(text);
    return texts;
}

double zoomFactor(const QString &text)
{
    for (size_t i = 0; i < sizeof kZoomFactors / sizeof kZoomFactors[0]; ++i) {
        if (text == QLatin1String(kZoomTexts[i]))
            return kZoomFactors[i];
    }
    return 1.0;
}

int ctrlWheelSteps(const QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return 0;
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return 0;
    // A touchpad sends small deltas; each still counts as one notch.
    return delta > 0 ? qMax(1, delta / 120) : qMin(-1, delta / 120);
}

bool zoomAround(QComboBox *combo, QScrollArea *area, QWidget *view, const QPoint &pos, int steps)
{
    if (!combo || !area || !view || steps == 0 || combo->count() < 2 || view->width() <= 0 || view->height() <= 0)
        return false;
    const int index = combo->currentIndex();
    // From "Scale" the wheel starts at the smallest or at 1:1.
    const int next = index <= 0 ? (steps > 0 ? qMin(2, combo->count() - 1) : 1)
                                : qBound(1, index + steps, combo->count() - 1);
    if (next == index)
        return false;
    const double fx = double(pos.x()) / view->width();
    const double fy = double(pos.y()) / view->height();
    const QPoint onScreen = view->mapTo(area->viewport(), pos);
    combo->setCurrentIndex(next);

    QPointer<QScrollArea> guard(area);
    QPointer<QWidget> target(view);
    auto scroll = [guard, target, fx, fy, onScreen] {
        if (!guard || !target)
            return;
        const QPoint inWidget = target->mapTo(guard->widget(),
                                              QPoint(qRound(fx * target->width()), qRound(fy * target->height())));
        guard->horizontalScrollBar()->setValue(inWidget.x() - onScreen.x());
        guard->verticalScrollBar()->setValue(inWidget.y() - onScreen.y());
    };
    // The scroll ranges follow the new size once the layout has run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    scroll();
    QTimer::singleShot(0, area, scroll);
    return true;
}

namespace {

class WheelFilter : public QObject
{
public:
    WheelFilter(QComboBox *combo, QScrollArea *area, QWidget *view)
        : QObject(view)
        , m_combo(combo)
        , m_area(area)
        , m_view(view)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || !m_combo || !m_area)
            return false;
        auto *wheel = static_cast<QWheelEvent *>(event);
        const int steps = ctrlWheelSteps(wheel);
        if (steps == 0)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        const QPoint pos = widget ? widget->mapTo(m_view, wheel->position().toPoint()) : wheel->position().toPoint();
        zoomAround(m_combo, m_area, m_view, pos, steps);
        // Handled even at the end of the list: the view must not scroll instead.
        return true;
    }

private:
    QPointer<QComboBox> m_combo;
    QPointer<QScrollArea> m_area;
    QWidget *m_view;
};

} // namespace

void install(QComboBox *combo, QScrollArea *area, QWidget *view, QWidget *viewport)
{
    auto *filter = new WheelFilter(combo, area, view);
    view->installEventFilter(filter);
    if (viewport && viewport != view)
        viewport->installEventFilter(filter);
}

} // namespace wheelzoom
