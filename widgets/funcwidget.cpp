#include "widgets/funcwidget.h"

#include "widgets/paramslider.h"
#include "widgets/qswitchbutton.h"
#include "widgets/sliderfilter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

FuncWidget::FuncWidget(QWidget *parent)
    : QScrollArea(parent)
    , m_inner(new QWidget)
    , m_layout(new QVBoxLayout(m_inner))
    , m_filter(new SliderFilter(this))
{
    m_inner->setMinimumWidth(200);
    m_inner->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_layout->setContentsMargins(9, 4, 9, 4);
    setWidget(m_inner);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // Long row names wrap instead of pushing the panel wider than the window.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSwitchButton *FuncWidget::addSwitch(const QString &name)
{
    auto *line = new QHBoxLayout;
    auto *label = new QLabel(name, m_inner);
    label->setWordWrap(true);
    auto *sw = new QSwitchButton(m_inner);
    sw->setProperty("name", name);
    line->addWidget(label, 1);
    line->addWidget(sw);
    m_layout->addLayout(line);
    m_labels.insert(name, label);
    m_rows.insert(name, sw);
    m_order << name;
    return sw;
}

ParamSlider *FuncWidget::addSlider(const QString &name)
{
    auto *line = new QHBoxLayout;
    auto *label = new QLabel(name, m_inner);
    label->setWordWrap(true);
    auto *value = new QLabel(m_inner);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    line->addWidget(label, 1);
    line->addWidget(value);
    m_layout->addLayout(line);

    auto *slider = new ParamSlider(m_inner);
    slider->installEventFilter(m_filter);
    slider->setProperty("name", name);
    value->setObjectName(QStringLiteral("value"));
    value->setProperty("slider", QVariant::fromValue<QObject *>(slider));
    value->installEventFilter(m_filter);
    connect(slider, &ParamSlider::deviceValueChanged, value, [value](int v) { value->setNum(v); });
    value->setNum(slider->deviceValue());
    m_layout->addWidget(slider);
    m_labels.insert(name, label);
    m_rows.insert(name, slider);
    m_values.insert(name, value);
    m_order << name;
    return slider;
}

void FuncWidget::setRowText(const QString &name, const QString &text)
{
    if (QLabel *l = m_labels.value(name))
        l->setText(text);
}

void FuncWidget::setRowVisible(const QString &name, bool visible)
{
    for (QWidget *w : {static_cast<QWidget *>(m_labels.value(name)), m_rows.value(name),
                       static_cast<QWidget *>(m_values.value(name))}) {
        if (w)
            w->setVisible(visible);
    }
}
