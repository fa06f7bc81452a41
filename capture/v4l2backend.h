#pragma once

#include "capture/capturebackend.h"

#include <QMap>
#include <QStringList>

#include <memory>
#include <poll.h>
#include <sys/types.h>

// The system calls the V4L2 backend makes; tests replace them with a fake
// kernel. The default forwards to the C library.
class V4l2Sys
{
public:
    virtual ~V4l2Sys() = default;
    virtual int open(const char *path, int flags);
    virtual int close(int fd);
    virtual int ioctl(int fd, unsigned long request, void *arg);
    virtual void *mmap(void *addr, size_t length, int prot, int flags, int fd, off_t offset);
    virtual int munmap(void *addr, size_t length);
    virtual int poll(struct pollfd *fds, nfds_t count, int timeoutMs);
    virtual ssize_t read(int fd, void *buffer, size_t count);

    static std::shared_ptr<V4l2Sys> system();
};

// Capture nodes under /dev, found through sysfs.
class V4l2Backend : public CaptureBackend
{
public:
    explicit V4l2Backend(std::shared_ptr<V4l2Sys> sys = V4l2Sys::system(),
                         const QString &sysfsRoot = QStringLiteral("/sys"));

    QVector<BackendDeviceInfo> enumerate() override;
    std::unique_ptr<BackendDevice> open(const QString &path) override;

    // Node and still-button event nodes found for a path at the last scan.
    QString nodeOf(const QString &path) const { return m_nodes.value(path).node; }
    QStringList buttonNodesOf(const QString &path) const { return m_nodes.value(path).inputs; }

    // The bus name the UVC driver gives the USB device at this sysfs directory.
    static QString usbBusInfo(const QString &usbDevice);

    // How long the capture thread waits in poll before it looks at its stop flag.
    static constexpr int kPollMs = 40;

private:
    struct Node
    {
        QString node;
        QString busInfo;
        QStringList inputs;
    };

    QStringList buttonNodes(const QString &usbDevice) const;

    std::shared_ptr<V4l2Sys> m_sys;
    QString m_sysfs;
    QMap<QString, Node> m_nodes;
};

// Reads the formats of an open node (shared with tests).
QVector<FormatCapability> v4l2Formats(V4l2Sys *sys, int fd);
