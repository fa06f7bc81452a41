#pragma once

#include "capture/v4l2backend.h"

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QSize>
#include <QString>
#include <QVector>

#include <linux/input.h>
#include <linux/videodev2.h>

#include <QPair>

#include <condition_variable>
#include <deque>
#include <mutex>

// A pretend kernel with UVC cameras and their input devices, for the V4L2
// backend: formats, sizes, controls, mmap buffers, a still button, faults.
struct FakeFormat
{
    quint32 pixelFormat = V4L2_PIX_FMT_YUYV;
    QVector<QSize> sizes; // discrete
    bool stepwise = false;
    QSize minimum, maximum;
    int stepWidth = 1, stepHeight = 1;
    QVector<int> fps; // frame rates offered at every size; empty = no ENUM_FRAMEINTERVALS
};

struct FakeControl
{
    v4l2_queryctrl query;
    qint32 value = 0;
    QMap<int, QByteArray> menu;
};

struct FakeCamera
{
    QString node; // "/dev/video0"
    QByteArray card = "USB2.0 Microscope";
    QByteArray busInfo; // "usb-0000:00:14.0-2"
    QString port;       // sysfs name of the USB device, "1-2"
    int vendorId = 0x0c45;
    int productId = 0x62c1;
    quint32 caps = V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_STREAMING;
    QVector<FakeFormat> formats;
    QMap<quint32, FakeControl> controls;
    QString buttonEvent;    // "event7": uvc button on the video interface
    QString hidButtonEvent; // "event8": a keyboard interface of the same device

    // Faults.
    int openErrno = 0;                             // EACCES, EBUSY ...
    int buttonOpenErrno = 0;                       // the same for its input nodes
    bool busy = false;                             // another program streams: S_FMT/REQBUFS give EBUSY
    QMap<unsigned long, std::deque<int>> failNext; // ioctl -> errnos for its next calls
    int maxBuffers = 4;                            // REQBUFS grants at most this many
    QVector<QPair<QSize, QSize>> sfmtAdjust;       // S_FMT answers the second for the first
    QVector<int> parmFps;                          // S_PARM snaps to the nearest of these rates; empty = takes any
    QVector<QPair<QSize, int>> sizeMaxFps;         // at this size S_PARM grants no more than this rate

    // State.
    v4l2_format fmt;
    v4l2_fract timePerFrame{1, 30};
    bool streaming = false;
    bool unplugged = false;
    struct Buffer
    {
        QByteArray memory;
        bool queued = false;
    };
    QVector<Buffer> buffers;
    std::deque<QPair<QByteArray, quint32>> frames; // data, buffer flags
    int sfmtCalls = 0;
    int streamOns = 0;
    int openFds = 0;
    int opens = 0;
};

class FakeKernel : public V4l2Sys
{
public:
    FakeKernel();

    // A typical UVC microscope: MJPEG and YUYV at the given sizes, the usual controls.
    FakeCamera &addCamera(const QString &node, const QByteArray &busInfo, const QString &port,
                          const QVector<QSize> &sizes);
    FakeCamera *camera(const QString &node);
    static QMap<quint32, FakeControl> uvcControls();

    // Writes class/video4linux, class/input and the USB device tree under `root`.
    bool writeSysfs(const QString &root) const;

    void pushFrame(const QString &node, const QByteArray &data, quint32 flags = 0);
    void pressButton(const QString &eventName); // "event7"
    // The input node hangs up: POLLHUP without POLLIN, reads fail.
    void hangUpButton(const QString &eventName);
    void failNext(const QString &node, unsigned long request, std::initializer_list<int> errnos);
    void setPollEintr(int count); // the next `count` polls return EINTR
    int pollCalls() const;
    int lastPollCount() const; // descriptors in the last poll
    void unplug(const QString &node);
    // True once every pushed frame was taken by the reader.
    bool waitDrained(const QString &node, int timeoutMs);
    int openFdCount() const;
    qint32 controlValue(const QString &node, quint32 id);

    int open(const char *path, int flags) override;
    int close(int fd) override;
    int ioctl(int fd, unsigned long request, void *arg) override;
    void *mmap(void *addr, size_t length, int prot, int flags, int fd, off_t offset) override;
    int munmap(void *addr, size_t length) override;
    int poll(struct pollfd *fds, nfds_t count, int timeoutMs) override;
    ssize_t read(int fd, void *buffer, size_t count) override;

private:
    int videoIoctl(FakeCamera &cam, unsigned long request, void *arg);
    void setFormat(FakeCamera &cam, v4l2_pix_format *pix);
    static int maxFps(const FakeCamera &cam);
    short readiness(int fd);
    void updateInactive(FakeCamera &cam);

    struct Input
    {
        QString event;
        std::deque<input_event> events;
        bool unplugged = false;
        bool hungUp = false;
    };

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QVector<FakeCamera> m_cameras; // reserved; addresses stay put
    QMap<QString, Input> m_inputs;
    QMap<int, QString> m_fds; // fd -> node
    int m_nextFd = 1000;
    int m_pollEintr = 0;
    int m_pollCalls = 0;
    int m_lastPollCount = 0;
};

// Frames for tests.
QByteArray yuyvFrame(const QImage &image);
QByteArray jpegFrame(const QImage &image, int quality = 90);
// A test card: four solid quadrants red, green, blue, white (TL, TR, BL, BR).
QImage quadrantImage(int width, int height);
