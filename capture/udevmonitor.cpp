#include "capture/udevmonitor.h"

#include "capture/capturelog.h"

#include <QSocketNotifier>

#include <libudev.h>

UdevMonitor::UdevMonitor(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &UdevMonitor::devicesChanged);
}

UdevMonitor::~UdevMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool UdevMonitor::start()
{
    if (m_monitor)
        return true;
    if (!m_udev)
        m_udev = udev_new();
    if (!m_udev)
        return false;
    udev_monitor *monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!monitor) {
        captureLog("SETUP: no hot-plug events (udev monitor unavailable); cameras are found by rescanning\n");
        return false;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "video4linux", nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0) {
        captureLog("SETUP: no hot-plug events (udev monitor unavailable); cameras are found by rescanning\n");
        udev_monitor_unref(monitor);
        return false;
    }
    m_monitor = monitor;
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevMonitor::onReadable);
    return true;
}

void UdevMonitor::onReadable()
{
    bool any = false;
    while (udev_device *dev = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(dev);
        any = any || (action && (qstrcmp(action, "add") == 0 || qstrcmp(action, "remove") == 0));
        udev_device_unref(dev);
    }
    if (any)
        m_settle.start();
}
