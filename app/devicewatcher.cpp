#include "app/devicewatcher.h"

#include "capture/camerahub.h"

DeviceWatcher::DeviceWatcher(CameraHub *hub, QObject *parent)
    : QObject(parent)
    , m_hub(hub)
{
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!m_paused || !m_paused())
            emit due();
    });
}

int DeviceWatcher::indexOf(const QString &devicePath) const
{
    for (int i = 0; i < m_devices.size(); ++i) {
        if (m_devices[i].devicePath == devicePath)
            return i;
    }
    return -1;
}

bool DeviceWatcher::refresh(const QStringList &open, QStringList *removed)
{
    m_hub->refreshDevices();
    const QVector<CameraDeviceInfo> fresh = m_hub->deviceList();
    auto contains = [](const QVector<CameraDeviceInfo> &list, const QString &path) {
        for (const CameraDeviceInfo &d : list) {
            if (d.devicePath == path)
                return true;
        }
        return false;
    };
    bool changed = false;
    for (const CameraDeviceInfo &d : fresh)
        changed |= !contains(m_devices, d.devicePath);
    for (const CameraDeviceInfo &d : m_devices)
        changed |= !contains(fresh, d.devicePath);
    for (const QString &path : open) {
        if (!contains(fresh, path)) {
            removed->append(path);
            changed = true;
        }
    }
    m_devices = fresh;
    return changed;
}
