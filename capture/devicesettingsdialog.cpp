#include "capture/devicesettingsdialog.h"

#include "capture/capturelayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

DeviceSettingsDialog::DeviceSettingsDialog(CaptureLayer *layer, const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_layer(layer)
    , m_path(path)
{
    setModal(false);
    setWindowTitle(tr("设备属性") + QStringLiteral(" - ") + layer->displayName(path));
    build();
    refresh();
}

void DeviceSettingsDialog::build()
{
    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *inner = new QWidget(scroll);
    m_form = new QFormLayout(inner);
    scroll->setWidget(inner);
    outer->addWidget(scroll);

    m_controls = m_layer->deviceControls(m_path);
    for (const ControlInfo &c : qAsConst(m_controls)) {
        const quint32 id = c.id;
        QWidget *widget = nullptr;
        switch (c.type) {
        case ControlInfo::Integer: {
            auto *row = new QWidget(inner);
            auto *h = new QHBoxLayout(row);
            h->setContentsMargins(0, 0, 0, 0);
            auto *slider = new QSlider(Qt::Horizontal, row);
            slider->setRange(c.minimum, c.maximum);
            slider->setSingleStep(qMax(1, c.step));
            slider->setPageStep(qMax(qMax(1, c.step), (c.maximum - c.minimum) / 20));
            slider->setObjectName(QStringLiteral("control_%1").arg(id));
            auto *label = new QLabel(row);
            label->setMinimumWidth(48);
            h->addWidget(slider, 1);
            h->addWidget(label);
            m_valueLabels.insert(id, label);
            connect(slider, &QSlider::valueChanged, this, [this, id, label](int v) {
                label->setNum(v);
                if (!m_updating)
                    apply(id, v);
            });
            m_form->addRow(c.name, row);
            widget = slider;
            break;
        }
        case ControlInfo::Boolean: {
            auto *box = new QCheckBox(inner);
            connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
                if (!m_updating)
                    apply(id, on ? 1 : 0);
            });
            m_form->addRow(c.name, box);
            widget = box;
            break;
        }
        case ControlInfo::Menu: {
            auto *combo = new QComboBox(inner);
            for (const auto &entry : c.menu)
                combo->addItem(entry.second, entry.first);
            connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, id, combo](int index) {
                if (!m_updating)
                    apply(id, combo->itemData(index).toInt());
            });
            m_form->addRow(c.name, combo);
            widget = combo;
            break;
        }
        case ControlInfo::Button: {
            auto *button = new QPushButton(c.name, inner);
            connect(button, &QPushButton::clicked, this, [this, id]() { apply(id, 1); });
            m_form->addRow(QString(), button);
            widget = button;
            break;
        }
        }
        widget->setObjectName(QStringLiteral("control_%1").arg(id));
        m_widgets.insert(id, widget);
    }
    if (m_controls.isEmpty())
        m_form->addRow(new QLabel(tr("设备没有可调整的参数"), inner));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *defaults = buttons->addButton(tr("恢复默认参数"), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("btnDefaults"));
    QPushButton *close = buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(defaults, &QPushButton::clicked, this, &DeviceSettingsDialog::onBtnDefaults);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    outer->addWidget(buttons);
    resize(420, qMin(640, 80 + 36 * int(m_controls.size())));
}

void DeviceSettingsDialog::apply(quint32 id, qint32 value)
{
    m_layer->setDeviceControl(m_path, id, value);
    refresh();
    emit controlsChanged();
}

void DeviceSettingsDialog::refresh()
{
    m_updating = true;
    // Flags such as "inactive" follow other controls, so ask again.
    const QVector<ControlInfo> now = m_layer->deviceControls(m_path);
    for (const ControlInfo &c : now) {
        QWidget *w = m_widgets.value(c.id);
        if (!w)
            continue;
        w->setEnabled(!c.inactive && !c.readOnly);
        if (c.type == ControlInfo::Button)
            continue;
        qint32 value = 0;
        if (!m_layer->getDeviceControl(m_path, c.id, &value))
            continue;
        if (auto *slider = qobject_cast<QSlider *>(w)) {
            slider->setValue(value);
            if (QLabel *label = m_valueLabels.value(c.id))
                label->setNum(slider->value());
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            box->setChecked(value != 0);
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            combo->setCurrentIndex(combo->findData(value));
        }
    }
    m_updating = false;
}

void DeviceSettingsDialog::restoreDefaults(CaptureLayer *layer, const QString &path)
{
    const QVector<ControlInfo> controls = layer->deviceControls(path);
    auto setIntegers = [&] {
        for (const ControlInfo &c : controls) {
            if (c.type == ControlInfo::Integer && !c.readOnly)
                layer->setDeviceControl(path, c.id, c.defaultValue);
        }
    };
    // Once while the manual modes may still be on (a default automatic mode
    // would lock the colour temperature and the exposure time where they are),
    // then the modes, then again for the controls the modes freed.
    setIntegers();
    for (const ControlInfo &c : controls) {
        if (c.type == ControlInfo::Boolean || c.type == ControlInfo::Menu)
            layer->setDeviceControl(path, c.id, c.defaultValue);
    }
    setIntegers();
}

void DeviceSettingsDialog::onBtnDefaults()
{
    restoreDefaults(m_layer, m_path);
    refresh();
    emit controlsChanged();
}
