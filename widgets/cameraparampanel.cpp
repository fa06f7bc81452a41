#include "widgets/cameraparampanel.h"

#include "capture/devicesettingsdialog.h"
#include "widgets/funcwidget.h"
#include "widgets/paramslider.h"
#include "widgets/qswitchbutton.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QPointer>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

struct RowSpec
{
    const char *name; // source text; translated in the main window's context
    bool isSwitch;
    int key;   // CameraHub::PropertyCode or CameraParamPanel::LocalRow
    int entry; // CameraConfig::Param stored for a slider, -1 none
};

using P = CameraHub;
using L = CameraParamPanel;

const QVector<QVector<RowSpec>> kGroups = {
    {{QT_TRANSLATE_NOOP("VistrelClass", "自动曝光"), true, P::ExposureMode, -1},
     {QT_TRANSLATE_NOOP("VistrelClass", "曝光时间"), false, P::Exposure, CameraConfig::Exposure},
     {QT_TRANSLATE_NOOP("VistrelClass", "增益"), false, P::Gain, CameraConfig::Gain},
     // Only where the camera has a focus drive; the device keeps its value.
     {QT_TRANSLATE_NOOP("VistrelClass", "对焦"), false, P::Focus, -1}},
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
const CameraHub::PropertyCode kEntryCodes[CameraConfig::Extra] = {P::Exposure,   P::Gain, P::Brightness, P::Contrast,
                                                                  P::Saturation, P::Hue,  P::Gamma,      P::Sharpness};

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
    : QObject(parent)
    , m_hub(hub)
    , m_settings(settings)
    , m_buttons(groupButtons)
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
                connect(sw, qOverload<bool>(&QSwitchButton::clicked), this,
                        [this, key](bool on) { rowSwitched(key, on); });
                m_rows.insert(key, sw);
            } else {
                ParamSlider *slider = group->addSlider(name);
                slider->setObjectName(QStringLiteral("param_%1").arg(key));
                connect(slider, &ParamSlider::deviceValueChanged, this,
                        [this, key](int value) { rowMoved(key, value); });
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
        m_hub->setBlackWhite(m_camera, on);
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
    default: return;
    }
    syncFromDevice();
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
    syncFromDevice();
}

void CameraParamPanel::syncFromDevice()
{
    if (m_camera.isEmpty())
        return;
    // What the device granted is what is kept and shown.
    readDevice(m_camera);
    show(m_camera);
    if (m_dialog && m_dialog->devicePath() == m_camera)
        m_dialog->refresh();
    emit changed();
}

int CameraParamPanel::rowValue(int key) const
{
    auto *s = qobject_cast<ParamSlider *>(row(key));
    return s ? s->deviceValue() : 0;
}

DeviceSettingsDialog *CameraParamPanel::openDeviceDialog(QWidget *parent)
{
    if (m_camera.isEmpty() || !m_hub->layer()->showSettingsWindow(m_camera, parent))
        return nullptr;
    bindDialog();
    return m_dialog;
}

void CameraParamPanel::bindDialog()
{
    auto *dialog = qobject_cast<DeviceSettingsDialog *>(m_hub->layer()->settingsWindow(m_camera));
    if (!dialog)
        return;
    m_dialogWanted = true;
    if (dialog == m_dialog)
        return;
    m_dialog = dialog;
    connect(dialog, &DeviceSettingsDialog::controlsChanged, this, [this, dialog] {
        if (dialog->devicePath() == m_camera)
            syncFromDevice();
    });
    // Closed by the user while its camera runs: it stays closed. Closed with
    // its camera: it comes back for the next current camera.
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        if (m_hub->isOpen(dialog->devicePath()) && dialog == m_dialog)
            m_dialogWanted = false;
    });
}

void CameraParamPanel::setCamera(const QString &devicePath)
{
    if (devicePath == m_camera)
        return;
    m_camera = devicePath;
    if (!m_dialogWanted)
        return;
    QPointer<DeviceSettingsDialog> old = m_dialog;
    QPoint where;
    QWidget *parent = nullptr;
    if (old) {
        where = old->pos();
        parent = old->parentWidget();
        m_dialog = nullptr;
        if (old->devicePath() != devicePath)
            old->close();
    }
    // The device dialog follows the current camera. Between two cameras (the
    // old one closed first) there is none; it comes back with the next one.
    if (devicePath.isEmpty())
        return;
    m_dialogWanted = false;
    if (openDeviceDialog(parent) && old)
        m_dialog->move(where);
}

void CameraParamPanel::readDevice(const QString &devicePath)
{
    CameraConfig &c = m_settings->cameras[devicePath];
    c.initialized = true;
    c.size = QSize(m_hub->getProperty(devicePath, CameraHub::FrameWidth),
                   m_hub->getProperty(devicePath, CameraHub::FrameHeight));
    for (int i = 0; i < CameraConfig::Extra; ++i)
        c.params[i] = paramFromRange(m_hub->getPropertyRange(devicePath, kEntryCodes[i]));
    const PropertyRange wb = m_hub->getPropertyRange(devicePath, CameraHub::WhiteBalance);
    c.autoWhiteBalance = wb.supported && wb.current != 0;
    const PropertyRange temperature = m_hub->getPropertyRange(devicePath, CameraHub::ColourTemperature);
    if (temperature.supported)
        c.colourTemperature = temperature.current;
    c.redGain = m_hub->getProperty(devicePath, CameraHub::RedGain);
    c.greenGain = m_hub->getProperty(devicePath, CameraHub::GreenGain);
    c.blueGain = m_hub->getProperty(devicePath, CameraHub::BlueGain);
}

void CameraParamPanel::applySaved(const QString &devicePath)
{
    const CameraConfig c = m_settings->cameras.value(devicePath);
    m_hub->setFlip(devicePath, c.flipHorizontal, c.flipVertical);
    m_hub->setBlackWhite(devicePath, c.blackWhite);
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
    // Keep what the device accepted, not what was asked for.
    readDevice(devicePath);
}

void CameraParamPanel::show(const QString &devicePath)
{
    m_showing = true;
    const auto done = qScopeGuard([this] { m_showing = false; });
    const CameraConfig c = m_settings->cameras.value(devicePath);
    auto sliderOf = [this](int key) { return qobject_cast<ParamSlider *>(row(key)); };
    auto switchOf = [this](int key) { return qobject_cast<QSwitchButton *>(row(key)); };
    for (int i = 0; i < CameraConfig::Extra; ++i) {
        ParamSlider *s = sliderOf(kEntryCodes[i]);
        if (!s)
            continue;
        const CameraParam &p = c.params[i];
        // Exposure times span decades: equal travel for equal ratios.
        s->setValueRange(p.minimum(), p.maximum(), p.step(), i == CameraConfig::Exposure);
        s->setDeviceValue(p.current());
        s->setEnabled(p.supported());
    }
    // Colour temperature and the gains show what the device has now.
    for (int key : {CameraHub::ColourTemperature, CameraHub::RedGain, CameraHub::GreenGain, CameraHub::BlueGain}) {
        ParamSlider *s = sliderOf(key);
        if (!s)
            continue;
        const PropertyRange r = m_hub->getPropertyRange(devicePath, key);
        if (key == CameraHub::ColourTemperature) {
            s->setValueRange(r.minimum, r.maximum, r.step, false);
            s->setDeviceValue(r.current);
        } else {
            s->setValueRange(r.supported ? r.minimum : 0, r.supported ? r.maximum : 255, r.step, false);
            s->setDeviceValue(int(key == CameraHub::RedGain     ? c.redGain
                                  : key == CameraHub::GreenGain ? c.greenGain
                                                                : c.blueGain));
        }
        s->setEnabled(r.supported && !c.autoWhiteBalance);
    }
    if (ParamSlider *s = sliderOf(CameraHub::Focus)) {
        const PropertyRange r = m_hub->getPropertyRange(devicePath, CameraHub::Focus);
        if (r.supported) {
            s->setValueRange(r.minimum, r.maximum, r.step, false);
            s->setDeviceValue(r.current);
        }
        for (FuncWidget *group : qAsConst(m_groups)) {
            if (group->row(QString::fromUtf8(specOf(CameraHub::Focus)->name)) == s)
                group->setRowVisible(QString::fromUtf8(specOf(CameraHub::Focus)->name), r.supported);
        }
    }
    const CameraParam &exposure = c.params[CameraConfig::Exposure];
    if (QSwitchButton *sw = switchOf(CameraHub::ExposureMode)) {
        sw->setChecked(exposure.isAutomatic());
        sw->setEnabled(m_hub->isPropertySupported(devicePath, CameraHub::ExposureMode) || exposure.supported());
    }
    if (ParamSlider *s = sliderOf(CameraHub::Exposure))
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
    // Every control the device has a default for, the automatic modes first.
    DeviceSettingsDialog::restoreDefaults(m_hub->layer(), m_camera);
    CameraConfig &c = config();
    c.blackWhite = false;
    c.flipHorizontal = false;
    c.flipVertical = false;
    m_hub->setFlip(m_camera, false, false);
    m_hub->setBlackWhite(m_camera, false);
    syncFromDevice();
}

void CameraParamPanel::retranslate()
{
    for (FuncWidget *group : m_groups) {
        for (const QString &name : group->rowNames())
            group->setRowText(name, QCoreApplication::translate("VistrelClass", name.toUtf8().constData()));
    }
}

DeviceSettingsDialog *CameraParamPanel::deviceDialog() const { return m_dialog; }
