#include "capture/devicesettingsdialog.h"

#include "capture/capturelayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QCoreApplication>
#include <QVBoxLayout>

#include <linux/videodev2.h>

namespace {

// The controls the camera panel has rows for, under the panel's names (its
// source texts, translated in the main window's context).
struct KnownControl
{
    quint32 id;
    const char *name;
};
const KnownControl kKnown[] = {
    {V4L2_CID_EXPOSURE_AUTO, QT_TRANSLATE_NOOP("VistrelClass", "自动曝光")},
    {V4L2_CID_EXPOSURE_ABSOLUTE, QT_TRANSLATE_NOOP("VistrelClass", "曝光时间")},
    {V4L2_CID_EXPOSURE, QT_TRANSLATE_NOOP("VistrelClass", "曝光时间")},
    {V4L2_CID_GAIN, QT_TRANSLATE_NOOP("VistrelClass", "增益")},
    {V4L2_CID_BRIGHTNESS, QT_TRANSLATE_NOOP("VistrelClass", "亮度")},
    {V4L2_CID_CONTRAST, QT_TRANSLATE_NOOP("VistrelClass", "对比度")},
    {V4L2_CID_SATURATION, QT_TRANSLATE_NOOP("VistrelClass", "饱和度")},
    {V4L2_CID_HUE, QT_TRANSLATE_NOOP("VistrelClass", "色相")},
    {V4L2_CID_GAMMA, QT_TRANSLATE_NOOP("VistrelClass", "伽马值")},
    {V4L2_CID_SHARPNESS, QT_TRANSLATE_NOOP("VistrelClass", "锐度")},
    {V4L2_CID_AUTO_WHITE_BALANCE, QT_TRANSLATE_NOOP("VistrelClass", "自动白平衡")},
    {V4L2_CID_WHITE_BALANCE_TEMPERATURE, QT_TRANSLATE_NOOP("VistrelClass", "色温")},
    {V4L2_CID_RED_BALANCE, QT_TRANSLATE_NOOP("VistrelClass", "红增益")},
    {V4L2_CID_BLUE_BALANCE, QT_TRANSLATE_NOOP("VistrelClass", "蓝增益")},
    {V4L2_CID_HFLIP, QT_TRANSLATE_NOOP("VistrelClass", "水平翻转")},
    {V4L2_CID_VFLIP, QT_TRANSLATE_NOOP("VistrelClass", "垂直翻转")},
};

// A row's name from the driver; long names wrap instead of widening the dialog.
QLabel *rowLabel(const ControlInfo &c, QWidget *parent)
{
    const QString text = c.name;
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("name_%1").arg(c.id));
    label->setWordWrap(true);
    label->setToolTip(text);
    return label;
}

} // namespace

DeviceSettingsDialog::DeviceSettingsDialog(CaptureLayer *layer, const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_layer(layer)
    , m_path(path)
{
    setModal(false);
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
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // Where even wrapped names leave no room (large fonts on a small screen),
    // a name goes above its control.
    m_form->setRowWrapPolicy(QFormLayout::WrapLongRows);
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
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            h->addWidget(slider, 1);
            h->addWidget(label);
            m_valueLabels.insert(id, label);
            connect(slider, &QSlider::valueChanged, this, [this, id, label](int v) {
                label->setNum(v);
                if (!m_updating)
                    apply(id, v);
            });
            m_form->addRow(rowLabel(c, inner), row);
            widget = slider;
            break;
        }
        case ControlInfo::Boolean: {
            auto *box = new QCheckBox(inner);
            connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
                if (!m_updating)
                    apply(id, on ? 1 : 0);
            });
            m_form->addRow(rowLabel(c, inner), box);
            widget = box;
            break;
        }
        case ControlInfo::Menu: {
            auto *combo = new QComboBox(inner);
            for (const auto &entry : c.menu)
                combo->addItem(entry.second, entry.first);
            // Shown whole at the dialog's own size, but may shrink (and elide)
            // on a narrow screen rather than scroll sideways.
            combo->setMinimumWidth(combo->fontMetrics().averageCharWidth() * 8);
            connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, id, combo](int index) {
                if (!m_updating)
                    apply(id, combo->itemData(index).toInt());
            });
            m_form->addRow(rowLabel(c, inner), combo);
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
    if (m_controls.isEmpty()) {
        auto *none = new QLabel(inner);
        none->setObjectName(QStringLiteral("labelNoControls"));
        none->setWordWrap(true);
        m_form->addRow(none);
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *defaults = buttons->addButton(QString(), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("btnDefaults"));
    QPushButton *close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(defaults, &QPushButton::clicked, this, &DeviceSettingsDialog::onBtnDefaults);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    outer->addWidget(buttons);
    retranslate();
    fitToContents(scroll);
}

QString DeviceSettingsDialog::controlName(quint32 id, const QString &driverName)
{
    for (const KnownControl &k : kKnown) {
        if (k.id == id)
            return QCoreApplication::translate("VistrelClass", k.name);
    }
    return driverName;
}

void DeviceSettingsDialog::retranslate()
{
    // The controls the panel knows read as there; the driver's own extras
    // keep the driver's names.
    for (const ControlInfo &c : qAsConst(m_controls)) {
        const QString name = controlName(c.id, c.name);
        if (auto *label = findChild<QLabel *>(QStringLiteral("name_%1").arg(c.id))) {
            label->setText(name);
            label->setToolTip(name == c.name ? name : name + QStringLiteral(" (") + c.name + QLatin1Char(')'));
        } else if (auto *button = qobject_cast<QPushButton *>(m_widgets.value(c.id))) {
            button->setText(name);
        }
    }
    setWindowTitle(tr("设备属性") + QStringLiteral(" - ") + m_layer->displayName(m_path));
    if (auto *b = findChild<QPushButton *>(QStringLiteral("btnDefaults")))
        b->setText(tr("恢复默认参数"));
    if (auto *b = findChild<QPushButton *>(QStringLiteral("btnClose")))
        b->setText(tr("关闭"));
    if (auto *none = findChild<QLabel *>(QStringLiteral("labelNoControls")))
        none->setText(tr("设备没有可调整的参数"));
}

void DeviceSettingsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void DeviceSettingsDialog::fitToContents(QScrollArea *scroll)
{
    // Measured in this font and style, so larger fonts, a higher DPI and long
    // translations widen the dialog instead of bringing up a horizontal bar;
    // room is kept for the vertical bar a long list brings.
    ensurePolished(); // the fonts the rows will be shown in
    // One value column, as wide as the widest value of any row: no jumping
    // while dragging, and the sliders end in one line.
    int valueWidth = 0;
    for (const ControlInfo &c : qAsConst(m_controls)) {
        if (QLabel *label = m_valueLabels.value(c.id)) {
            const QFontMetrics fm = label->fontMetrics();
            valueWidth = qMax(valueWidth, qMax(fm.horizontalAdvance(QString::number(c.minimum)),
                                               fm.horizontalAdvance(QString::number(c.maximum)))
                                              + fm.averageCharWidth());
        }
    }
    for (QLabel *label : qAsConst(m_valueLabels))
        label->setMinimumWidth(valueWidth);
    QWidget *inner = scroll->widget();
    const QMargins margins = layout()->contentsMargins();
    const int chrome = margins.left() + margins.right() + 2 * scroll->frameWidth()
                       + scroll->verticalScrollBar()->sizeHint().width();
    int width = qMax(inner->sizeHint().width() + chrome, layout()->sizeHint().width());
    width = qMax(width, fontMetrics().averageCharWidth() * 50);
    int height = layout()->sizeHint().height() - scroll->sizeHint().height() + inner->sizeHint().height()
                 + 2 * scroll->frameWidth();
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        // Past the screen the labels wrap and the menus shrink instead.
        const QRect room = screen->availableGeometry();
        width = qMin(width, room.width() * 9 / 10);
        height = qMin(height, room.height() * 4 / 5);
    }
    resize(width, height);
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
