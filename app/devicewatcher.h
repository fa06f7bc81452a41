#pragma once

#include "capture/capturelayer.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>

class CameraHub;

// Hot-plug: the list of cameras, looked at again every 10 s (not while
// paused, e.g. during a recording) and when asked.
class DeviceWatcher : public QObject
{
    Q_OBJECT
public:
    explicit DeviceWatcher(CameraHub *hub, QObject *parent = nullptr);

    const QVector<CameraDeviceInfo> &devices() const { return m_devices; }
    QString pathAt(int index) const
    {
        return index >= 0 && index < m_devices.size() ? m_devices[index].devicePath : QString();
    }
    int indexOf(const QString &devicePath) const;

    // Looks again; true when a camera came or went. Cameras of open that
    // are gone are added to *removed.
    bool refresh(const QStringList &open, QStringList *removed);

    void start(int intervalMs = 10000) { m_timer.start(intervalMs); }
    void setPaused(std::function<bool()> paused) { m_paused = std::move(paused); }

signals:
    // The timer's turn, unless paused.
    void due();

private:
    CameraHub *m_hub;
    QVector<CameraDeviceInfo> m_devices;
    QTimer m_timer;
    std::function<bool()> m_paused;
};
