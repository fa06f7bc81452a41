#pragma once

#include <QObject>
#include <QTimer>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Tells when video devices come and go, from the kernel's hot-plug events
// (libudev monitor on the video4linux subsystem). One camera brings several
// nodes at once; their events are folded into one signal.
class UdevMonitor : public QObject
{
    Q_OBJECT
public:
    explicit UdevMonitor(QObject *parent = nullptr);
    ~UdevMonitor() override;

    // False when udev cannot be reached (a container, no /run/udev): the
    // caller's periodic rescan is then the only way to notice changes.
    bool start();
    bool isActive() const { return m_monitor != nullptr; }

    // How long events are gathered before `devicesChanged` is sent.
    static constexpr int kSettleMs = 300;

signals:
    void devicesChanged();

private:
    void onReadable();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_settle;
};
