#include "widgets/cameraparampanel.h"

#include "widgets/funcwidget.h"
#include "widgets/qswitchbutton.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QVBoxLayout>

namespace {

struct RowSpec
{
    const char *name; // source text; translated in the main window's context
    bool isSwitch;
    int key;          // CameraHub::PropertyCode or CameraParamPanel::LocalRow
    int entry;        // CameraConfig::Param stored for a slider, -1 none
};

using P = CameraHub;
using L = CameraParamPanel;

const QVector<QVector<RowSpec>> kGroups = {
    {{QT_TRANSLATE_NOOP("VistrelClass", "自动曝光"), true, P::ExposureMode, -1},
     {QT_TRANSLATE_NOOP("VistrelClass", "曝光时间"), false, P::Exposure, CameraConfig::Exposure},
     {QT_TRANSLATE_NOOP("VistrelClass", "增益"), false, P::Gain, CameraConfig::Gain}},
    {{QT_TRANSLATE_NOOP("VistrelClass", "亮度"), false, P::Brightness, CameraConfig::Brightness},
     {QT_TRANSLATE_NOOP("VistrelClass", "对比度"), false, P::Contrast, CameraConfig::Contrast},
     {QT_TRANSLATE_NOOP("VistrelClass", "饱和度"), false, P::Saturation, CameraConfig::Saturation},
     {QT_TRANSLATE_NOOP("VistrelClass", "色相"), false, P::Hue, CameraConfig::Hue},
     {QT_TRANSLATE_NOOP("VistrelClass", "伽马值"), false, P::Gamma, CameraConfig::Gamma},
     {QT_TRANSLATE_NOOP("VistrelClass", "锐度"), false, P::Sharpness, CameraConfig::Sharpness},
     {QT_TRANSLATE_NOOP("VistrelClass", "黑白"), true, L::BlackWhite, -1}},
    {{QT_TRANSLATE_NOOP("VistrelClass", "自动白平衡"), true, P::WhiteBalance, -1},
     {QT_TRANSLATE_NOOP("VistrelClass", "色温"), false, P::ColourTemperature, -1},
     {QT_TRANSLATE_NOOP("VistrelClass", "红增益"), false, P::RedGain, -1},
     {QT_TRANSLATE_NOOP("VistrelClass", "绿增益"), false, P::GreenGain, -1},
     {QT_TRANSLATE_NOOP("VistrelClass", "蓝增益"), false, P::BlueGain, -1}},
    {{QT_TRANSLATE_NOOP("VistrelClass", "水平翻转"), true, L::FlipHorizontal, -1},
     {QT_TRANSLATE_NOOP("VistrelClass", "垂直翻转"), true, L::FlipVertical, -1}}};

// The property each stored entry of a camera's record is read from.
const CameraHub::PropertyCode kEntryCodes[CameraConfig::Extra] = {
    P::Exposure, P::Gain, P::Brightness, P::Contrast, P::Saturation, P::Hue, P::Gamma, P::Sharpness};

const RowSpec *specOf(int key)
{
    for (const QVector<RowSpec> &g : kGroups) {
        for (const RowSpec &r : g) {
            if (r.key == key)
                return &r;
        }
    }
    return nullptr;
}

QIcon arrow(bool open)
{
    return QIcon(open ? QStringLiteral(":/Vistrel/image/icon/arrow_on.png")
                      : QStringLiteral(":/Vistrel/image/icon/arrow_off.png"));
}

} // namespace

CameraParamPanel::CameraParamPanel(QWidget *container, const QVector<QPushButton *> &groupButtons, CameraHub *hub,
                                   AppSettings *settings, QObject *parent)
    : QObject(parent), m_hub(hub), m_settings(settings), m_buttons(groupButtons)
{
    auto *layout = qobject_cast<QVBoxLayout *>(container->layout());
    for (int g = 0; g < kGroups.size() && g < m_buttons.size(); ++g) {
        auto *group = new FuncWidget(container);
        group->setObjectName(QStringLiteral("funcWidget%1").arg(g + 1));
        for (const RowSpec &spec : kGroups[g]) {
            const QString name = QString::fromUtf8(spec.name);
            const int key = spec.key;
            if (spec.isSwitch) {
                QSwitchButton *sw = group->addSwitch(name);
                connect(sw, qOverload<bool>(&QSwitchButton::clicked), this, [this, key](bool on) { rowSwitched(key, on); });
                m_rows.insert(key, sw);
            } else {
                QSlider *slider = group->addSlider(name);
                connect(slider, &QSlider::valueChanged, this, [this, key](int value) { rowMoved(key, value); });
                m_rows.insert(key, slider);
            }
        }
        layout->insertWidget(layout->indexOf(m_buttons[g]) + 1, group);
        group->setVisible(g == 0);
        m_buttons[g]->setIcon(arrow(g == 0));
        connect(m_buttons[g], &QPushButton::clicked, this, [this, g] { toggleGroup(g); });
        m_groups << group;
    }
}

CameraParam CameraParamPanel::paramFromRange(const PropertyRange &r)
{
    CameraParam p;
    p.flag = r.supported;
    p.values[CameraParam::Current] = r.current;
    p.values[CameraParam::Default] = r.defaultValue;
    p.values[CameraParam::Minimum] = r.minimum;
    p.values[CameraParam::Maximum] = r.maximum;
    p.values[CameraParam::Step] = r.step;
    p.values[CameraParam::Mode] = r.flags;
    return p;
}

int CameraParamPanel::keyOf(const QObject *row) const
{
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        if (it.value() == row)
            return it.key();
    }
    return 0;
}

int CameraParamPanel::groupOf(const QObject *button) const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i] == button)
            return i;
    }
    return -1;
}

void CameraParamPanel::toggleGroup(int index)
{
    if (index < 0 || index >= m_groups.size())
        return;
    const bool open = !m_groups[index]->isVisible();
    for (int i = 0; i < m_groups.size(); ++i) {
        m_groups[i]->setVisible(open && i == index);
        m_buttons[i]->setIcon(arrow(open && i == index));
    }
}

void CameraParamPanel::rowSwitched(int key, bool on)
{
    if (m_camera.isEmpty())
        return;
    CameraConfig &c = config();
    switch (key) {
    case FlipHorizontal:
    case FlipVertical:
        (key == FlipHorizontal ? c.flipHorizontal : c.flipVertical) = on;
        m_hub->setFlip(m_camera, c.flipHorizontal, c.flipVertical);
        break;
    case BlackWhite:
        c.blackWhite = on;
        break;
    case CameraHub::ExposureMode:
        c.params[CameraConfig::Exposure].setMode(on ? 1 : 2);
        m_hub->setProperty(m_camera, CameraHub::ExposureMode, on ? 1 : 2);
        if (QWidget *w = row(CameraHub::Exposure))
            w->setEnabled(!on);
        if (!on)
            m_hub->setProperty(m_camera, CameraHub::Exposure, c.params[CameraConfig::Exposure].current());
        break;
    case CameraHub::WhiteBalance:
        c.autoWhiteBalance = on;
        m_hub->setProperty(m_camera, CameraHub::WhiteBalance, on ? 1 : 0);
        for (int gain : {CameraHub::RedGain, CameraHub::GreenGain, CameraHub::BlueGain}) {
            if (QWidget *w = row(gain))
                w->setEnabled(!on && m_hub->isPropertySupported(m_camera, gain));
        }
        if (!on) {
            m_hub->setProperty(m_camera, CameraHub::RedGain, int(c.redGain));
            m_hub->setProperty(m_camera, CameraHub::GreenGain, int(c.greenGain));
            m_hub->setProperty(m_camera, CameraHub::BlueGain, int(c.blueGain));
        }
        break;
    default:
        return;
    }
    emit changed();
}

void CameraParamPanel::rowMoved(int key, int value)
{
    const RowSpec *spec = specOf(key);
    if (m_showing || m_camera.isEmpty() || !spec)
        return;
    CameraConfig &c = config();
    if (spec->entry >= 0)
        c.params[spec->entry].setCurrent(value);
    else if (key == CameraHub::RedGain)
        c.redGain = value;
    else if (key == CameraHub::GreenGain)
        c.greenGain = value;
    else if (key == CameraHub::BlueGain)
        c.blueGain = value;
    else if (key == CameraHub::ColourTemperature)
        c.colourTemperature = value;
    m_hub->setProperty(m_camera, key, value);
    emit changed();
}

void CameraParamPanel::readDevice(const QString &devicePath)
{
    CameraConfig &c = m_settings->cameras[devicePath];
    c.initialized = true;
    c.size = QSize(m_hub->getProperty(devicePath, CameraHub::FrameWidth), m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    for (int i = 0; i < CameraConfig::Extra; ++i)
        c.params[i] = paramFromRange(m_hub->getPropertyRange(devicePath, kEntryCodes[i]));
    c.redGain = m_hub->getProperty(devicePath, CameraHub::RedGain);
    c.greenGain = m_hub->getProperty(devicePath, CameraHub::GreenGain);
    c.blueGain = m_hub->getProperty(devicePath, CameraHub::BlueGain);
}

void CameraParamPanel::applySaved(const QString &devicePath)
{
    const CameraConfig c = m_settings->cameras.value(devicePath);
    m_hub->setFlip(devicePath, c.flipHorizontal, c.flipVertical);
    m_hub->setProperty(devicePath, CameraHub::FrameWidth, c.size.width());
    m_hub->setProperty(devicePath, CameraHub::FrameHeight, c.size.height());
    m_hub->setProperty(devicePath, CameraHub::Exposure, c.params[CameraConfig::Exposure].current());
    m_hub->setProperty(devicePath, CameraHub::RedGain, int(c.redGain));
    m_hub->setProperty(devicePath, CameraHub::GreenGain, int(c.greenGain));
    m_hub->setProperty(devicePath, CameraHub::BlueGain, int(c.blueGain));
    m_hub->setProperty(devicePath, CameraHub::WhiteBalance, c.autoWhiteBalance ? 1 : 0);
    // A colour temperature set by hand survives a restart (kept in the sidecar).
    if (!c.autoWhiteBalance && c.colourTemperature >= 0)
        m_hub->setProperty(devicePath, CameraHub::ColourTemperature, c.colourTemperature);
    for (int entry : {CameraConfig::Brightness, CameraConfig::Contrast, CameraConfig::Hue, CameraConfig::Saturation,
                      CameraConfig::Sharpness, CameraConfig::Gamma})
        m_hub->setProperty(devicePath, kEntryCodes[entry], c.params[entry].current());
    const CameraParam &exposure = c.params[CameraConfig::Exposure];
    m_hub->setProperty(devicePath, CameraHub::ExposureMode, exposure.mode());
    if (!exposure.isAutomatic())
        m_hub->setProperty(devicePath, CameraHub::Gain, c.params[CameraConfig::Gain].current());
}

void CameraParamPanel::show(const QString &devicePath)
{
    m_showing = true;
    const auto done = qScopeGuard([this] { m_showing = false; });
    const CameraConfig c = m_settings->cameras.value(devicePath);
    auto sliderOf = [this](int key) { return qobject_cast<QSlider *>(row(key)); };
    auto switchOf = [this](int key) { return qobject_cast<QSwitchButton *>(row(key)); };
    for (int i = 0; i < CameraConfig::Extra; ++i) {
        QSlider *s = sliderOf(kEntryCodes[i]);
        if (!s)
            continue;
        const CameraParam &p = c.params[i];
        s->setRange(p.minimum(), qMax(p.minimum(), p.maximum()));
        s->setSingleStep(qMax(1, p.step()));
        s->setValue(p.current());
        s->setEnabled(p.supported());
    }
    // Colour temperature and the gains show what the device has now.
    for (int key : {CameraHub::ColourTemperature, CameraHub::RedGain, CameraHub::GreenGain, CameraHub::BlueGain}) {
        QSlider *s = sliderOf(key);
        if (!s)
            continue;
        const PropertyRange r = m_hub->getPropertyRange(devicePath, key);
        if (key == CameraHub::ColourTemperature) {
            s->setRange(r.minimum, qMax(r.minimum, r.maximum));
            s->setValue(r.current);
        } else {
            s->setRange(r.supported ? r.minimum : 0, r.supported ? qMax(r.minimum, r.maximum) : 255);
            s->setValue(int(key == CameraHub::RedGain ? c.redGain : key == CameraHub::GreenGain ? c.greenGain : c.blueGain));
        }
        s->setEnabled(r.supported && !c.autoWhiteBalance);
    }
    const CameraParam &exposure = c.params[CameraConfig::Exposure];
    if (QSwitchButton *sw = switchOf(CameraHub::ExposureMode)) {
        sw->setChecked(exposure.isAutomatic());
        sw->setEnabled(m_hub->isPropertySupported(devicePath, CameraHub::ExposureMode) || exposure.supported());
    }
    if (QSlider *s = sliderOf(CameraHub::Exposure))
        s->setEnabled(!exposure.isAutomatic() && exposure.supported());
    if (QSwitchButton *sw = switchOf(CameraHub::WhiteBalance)) {
        sw->setChecked(c.autoWhiteBalance);
        sw->setEnabled(m_hub->isPropertySupported(devicePath, CameraHub::WhiteBalance));
    }
    if (QSwitchButton *sw = switchOf(BlackWhite))
        sw->setChecked(c.blackWhite);
    if (QSwitchButton *sw = switchOf(FlipHorizontal))
        sw->setChecked(c.flipHorizontal);
    if (QSwitchButton *sw = switchOf(FlipVertical))
        sw->setChecked(c.flipVertical);
}

void CameraParamPanel::reset()
{
    if (m_camera.isEmpty())
        return;
    readDevice(m_camera);
    config().resetToDefaults();
    applySaved(m_camera);
    show(m_camera);
    emit changed();
}

void CameraParamPanel::retranslate()
{
    for (FuncWidget *group : m_groups) {
        for (const QString &name : group->rowNames())
            group->setRowText(name, QCoreApplication::translate("VistrelClass", name.toUtf8().constData()));
    }
}
