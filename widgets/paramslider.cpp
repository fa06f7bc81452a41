#include "widgets/paramslider.h"

#include <QMouseEvent>
#include <QSpinBox>

#include <cmath>

ParamSlider::ParamSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    connect(this, &QSlider::valueChanged, this, [this](int position) {
        if (m_hasTyped && toPosition(m_typed) != position)
            m_hasTyped = false;
        emit deviceValueChanged(toValue(position));
    });
}

int ParamSlider::logPosition(int value, int minimum, int maximum)
{
    if (maximum <= minimum)
        return 0;
    // Shifted so that the range starts at 1 whatever its sign.
    const double span = std::log(double(maximum - minimum + 1));
    const double v = std::log(double(qBound(minimum, value, maximum) - minimum + 1));
    return int(std::lround(v / span * kLogPositions));
}

int ParamSlider::logValue(int position, int minimum, int maximum)
{
    if (maximum <= minimum)
        return minimum;
    const double span = double(maximum - minimum + 1);
    const double shifted = std::pow(span, double(qBound(0, position, kLogPositions)) / kLogPositions);
    return qBound(minimum, minimum - 1 + int(std::lround(shifted)), maximum);
}

void ParamSlider::setValueRange(int minimum, int maximum, int step, bool logarithmic)
{
    m_min = minimum;
    m_max = qMax(minimum, maximum);
    m_step = qMax(1, step);
    m_log = logarithmic && m_max > m_min;
    m_hasTyped = false;
    const QSignalBlocker block(this);
    if (m_log) {
        setRange(0, kLogPositions);
        setSingleStep(1);
        setPageStep(kLogPositions / 20);
    } else {
        setRange(m_min, m_max);
        setSingleStep(m_step);
        setPageStep(qMax(m_step, (m_max - m_min) / 20));
    }
}

int ParamSlider::toValue(int position) const
{
    if (m_hasTyped && toPosition(m_typed) == position)
        return m_typed;
    return m_log ? logValue(position, m_min, m_max) : position;
}

int ParamSlider::toPosition(int value) const { return m_log ? logPosition(value, m_min, m_max) : value; }

int ParamSlider::deviceValue() const { return toValue(value()); }

void ParamSlider::setDeviceValue(int v)
{
    v = m_max > m_min || m_log ? qBound(m_min, v, m_max) : v;
    const int position = toPosition(v);
    // A value between two positions of a logarithmic slider is kept as given.
    const bool changed = deviceValue() != v;
    m_typed = v;
    m_hasTyped = m_log;
    if (position != value())
        setValue(position);
    else if (changed && !signalsBlocked())
        emit deviceValueChanged(v);
}

void ParamSlider::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (isEnabled() && event->button() == Qt::LeftButton) {
        editValue();
        event->accept();
        return;
    }
    QSlider::mouseDoubleClickEvent(event);
}

void ParamSlider::editValue(QWidget *anchor)
{
    if (!isEnabled() || m_editor)
        return;
    QWidget *over = anchor ? anchor : this;
    auto *box = new QSpinBox(over->parentWidget());
    box->setObjectName(QStringLiteral("valueEditor"));
    // The box accepts only the control's range and steps.
    box->setRange(m_min, m_max);
    box->setSingleStep(m_step);
    box->setValue(deviceValue());
    box->setKeyboardTracking(false);
    QRect area = over->geometry();
    area.setWidth(qMax(area.width(), box->sizeHint().width()));
    area.setHeight(qMax(area.height(), box->sizeHint().height()));
    if (over->parentWidget())
        area.moveRight(qMin(area.right(), over->parentWidget()->width() - 1));
    box->setGeometry(area);
    m_editor = box;
    connect(box, &QSpinBox::editingFinished, this, [this, box] {
        if (m_editor != box)
            return;
        m_editor = nullptr;
        const int step = m_step;
        const int typed = m_min + (box->value() - m_min + step / 2) / step * step;
        box->hide();
        box->deleteLater();
        setDeviceValue(qBound(m_min, typed, m_max));
    });
    box->show();
    box->setFocus();
    box->selectAll();
}
