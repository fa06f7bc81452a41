#include "capture/v4l2backend.h"

#include <pthread.h>

#include "core/crashhandler.h"
#include "capture/capturelog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <linux/input.h>
#include <linux/videodev2.h>

#include <QSet>

#include <atomic>
#include <cerrno>
#include <climits>
#include <mutex>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

int V4l2Sys::open(const char *path, int flags) { return ::open(path, flags | O_CLOEXEC); }

int V4l2Sys::close(int fd) { return ::close(fd); }

int V4l2Sys::ioctl(int fd, unsigned long request, void *arg)
{
    int r;
    do {
        r = ::ioctl(fd, request, arg);
    } while (r < 0 && errno == EINTR);
    return r;
}

void *V4l2Sys::mmap(void *addr, size_t length, int prot, int flags, int fd, off_t offset)
{
    return ::mmap(addr, length, prot, flags, fd, offset);
}

int V4l2Sys::munmap(void *addr, size_t length) { return ::munmap(addr, length); }

int V4l2Sys::poll(struct pollfd *fds, nfds_t count, int timeoutMs) { return ::poll(fds, count, timeoutMs); }

ssize_t V4l2Sys::read(int fd, void *buffer, size_t count) { return ::read(fd, buffer, count); }

std::shared_ptr<V4l2Sys> V4l2Sys::system()
{
    static std::shared_ptr<V4l2Sys> sys = std::make_shared<V4l2Sys>();
    return sys;
}

namespace {

constexpr int kBufferCount = 4;
// DQBUF errors in a row that are retried before the stream is restarted.
constexpr int kDequeueRetries = 3;

// Runs an ioctl on the capture path; a failure is logged with the call's
// name and errno, and errno is kept for the caller.
int loggedIoctl(V4l2Sys *sys, int fd, unsigned long request, const char *name, void *arg)
{
    const int r = sys->ioctl(fd, request, arg);
    if (r < 0) {
        const int e = errno;
        captureLog("ERROR: %s failed: %s (errno %d)\n", name, strerror(e), e);
        errno = e;
    }
    return r;
}

#define XIOCTL(fd, request, arg) loggedIoctl(m_sys.get(), fd, request, #request, arg)

double toRate(const v4l2_fract &f)
{
    return f.numerator == 0 || f.denominator == 0 ? 0.0 : double(f.denominator) / f.numerator;
}

int toFrameTime(const v4l2_fract &f)
{
    if (f.denominator == 0 || f.numerator == 0)
        return 0;
    return int(qMin<qint64>(qint64(f.numerator) * 10000000 / f.denominator, INT_MAX));
}

// The still-button note is said once per node, not at every restart.
bool firstNoteFor(const QString &node)
{
    static std::mutex mutex;
    static QSet<QString> said;
    std::lock_guard<std::mutex> lock(mutex);
    if (said.contains(node))
        return false;
    said.insert(node);
    return true;
}

QString readSysfs(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(f.readAll()).trimmed();
}

QString fromFixed(const __u8 *text, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text),
                             int(strnlen(reinterpret_cast<const char *>(text), size)));
}

// True when the hex words of an input device's "capabilities/key" file have
// the bit of `code` (most significant word first, one machine word each).
bool hasKey(const QString &capabilities, int code)
{
    const QStringList words = capabilities.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int bits = int(sizeof(long) * 8);
    const int word = code / bits;
    if (word >= words.size())
        return false;
    bool ok = false;
    const qulonglong value = words.at(words.size() - 1 - word).toULongLong(&ok, 16);
    return ok && (value >> (code % bits)) & 1;
}

class V4l2Device : public BackendDevice
{
public:
    V4l2Device(std::shared_ptr<V4l2Sys> sys, int fd, const QString &node, const QStringList &inputs)
        : m_sys(std::move(sys))
        , m_fd(fd)
        , m_node(node)
        , m_inputs(inputs)
    {
        memset(&m_fmt, 0, sizeof m_fmt);
        m_fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        if (m_sys->ioctl(m_fd, VIDIOC_G_FMT, &m_fmt) < 0)
            memset(&m_fmt.fmt.pix, 0, sizeof m_fmt.fmt.pix);
    }

    ~V4l2Device() override
    {
        stop();
        m_sys->close(m_fd);
    }

    QSize currentSize() const override { return QSize(int(m_fmt.fmt.pix.width), int(m_fmt.fmt.pix.height)); }
    quint32 currentPixelFormat() const override { return m_fmt.fmt.pix.pixelformat; }
    int bytesPerLine() const override { return int(m_fmt.fmt.pix.bytesperline); }
    int imageSize() const override { return int(m_fmt.fmt.pix.sizeimage); }

    bool trySetFormat(const QSize &size, quint32 pixelFormat) override
    {
        if (m_streaming)
            return false;
        v4l2_format f;
        memset(&f, 0, sizeof f);
        f.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        f.fmt.pix.width = __u32(size.width());
        f.fmt.pix.height = __u32(size.height());
        f.fmt.pix.pixelformat = pixelFormat;
        f.fmt.pix.field = V4L2_FIELD_ANY;
        if (XIOCTL(m_fd, VIDIOC_S_FMT, &f) < 0)
            return false;
        m_fmt = f;
        // The driver answers with the nearest it has; only the exact one counts.
        return int(f.fmt.pix.width) == size.width() && int(f.fmt.pix.height) == size.height()
               && f.fmt.pix.pixelformat == pixelFormat;
    }

    double setFrameTime(int frameTime) override
    {
        if (frameTime <= 0)
            return 0;
        v4l2_streamparm p;
        memset(&p, 0, sizeof p);
        p.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        p.parm.capture.timeperframe.numerator = __u32(frameTime);
        p.parm.capture.timeperframe.denominator = 10000000;
        if (XIOCTL(m_fd, VIDIOC_S_PARM, &p) < 0)
            return 0;
        // The driver writes back the interval it chose.
        const double granted = toRate(p.parm.capture.timeperframe);
        return granted > 0 ? granted : frameRate();
    }

    double frameRate() const override
    {
        v4l2_streamparm p;
        memset(&p, 0, sizeof p);
        p.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        if (m_sys->ioctl(m_fd, VIDIOC_G_PARM, &p) < 0)
            return 0;
        return toRate(p.parm.capture.timeperframe);
    }

    FrameTimes frameTimes() const override
    {
        FrameTimes times;
        for (__u32 i = 0; i < 64; ++i) {
            v4l2_frmivalenum e;
            memset(&e, 0, sizeof e);
            e.index = i;
            e.pixel_format = m_fmt.fmt.pix.pixelformat;
            e.width = m_fmt.fmt.pix.width;
            e.height = m_fmt.fmt.pix.height;
            if (m_sys->ioctl(m_fd, VIDIOC_ENUM_FRAMEINTERVALS, &e) < 0)
                break;
            if (e.type == V4L2_FRMIVAL_TYPE_DISCRETE) {
                if (const int t = toFrameTime(e.discrete))
                    times.discrete.append(t);
                continue;
            }
            times.minimum = toFrameTime(e.stepwise.min);
            times.maximum = toFrameTime(e.stepwise.max);
            times.step = e.type == V4L2_FRMIVAL_TYPE_CONTINUOUS ? 1 : qMax(1, toFrameTime(e.stepwise.step));
            break; // a range is the only entry
        }
        return times;
    }

    CaptureFailure startFailure() const override { return m_failure; }
    QStringList lockedInputs() const override { return m_lockedInputs; }

    QVector<FormatCapability> capabilities() const override { return v4l2Formats(m_sys.get(), m_fd); }

    bool start(FrameReceiver *receiver) override;
    void stop() override;

    QVector<ControlInfo> controls() const override
    {
        QVector<ControlInfo> list;
        v4l2_queryctrl q;
        memset(&q, 0, sizeof q);
        q.id = V4L2_CTRL_FLAG_NEXT_CTRL;
        while (m_sys->ioctl(m_fd, VIDIOC_QUERYCTRL, &q) == 0) {
            ControlInfo info;
            if (fill(q, &info))
                list.append(info);
            q.id |= V4L2_CTRL_FLAG_NEXT_CTRL;
        }
        return list;
    }

    bool queryControl(quint32 id, ControlInfo *info) const override
    {
        v4l2_queryctrl q;
        memset(&q, 0, sizeof q);
        q.id = id;
        if (m_sys->ioctl(m_fd, VIDIOC_QUERYCTRL, &q) < 0)
            return false;
        ControlInfo tmp;
        if (!fill(q, &tmp))
            return false;
        if (info)
            *info = tmp;
        return true;
    }

    bool getControl(quint32 id, qint32 *value) const override
    {
        v4l2_control c{id, 0};
        if (m_sys->ioctl(m_fd, VIDIOC_G_CTRL, &c) < 0)
            return false;
        if (value)
            *value = c.value;
        return true;
    }

    bool setControl(quint32 id, qint32 value) override
    {
        v4l2_control c{id, value};
        return m_sys->ioctl(m_fd, VIDIOC_S_CTRL, &c) == 0;
    }

private:
    bool fill(const v4l2_queryctrl &q, ControlInfo *info) const
    {
        if (q.flags & V4L2_CTRL_FLAG_DISABLED)
            return false;
        switch (q.type) {
        case V4L2_CTRL_TYPE_INTEGER: info->type = ControlInfo::Integer; break;
        case V4L2_CTRL_TYPE_BOOLEAN: info->type = ControlInfo::Boolean; break;
        case V4L2_CTRL_TYPE_MENU:
        case V4L2_CTRL_TYPE_INTEGER_MENU: info->type = ControlInfo::Menu; break;
        case V4L2_CTRL_TYPE_BUTTON: info->type = ControlInfo::Button; break;
        default: return false;
        }
        info->id = q.id;
        info->name = fromFixed(q.name, sizeof q.name);
        info->minimum = q.minimum;
        info->maximum = q.maximum;
        info->step = q.step;
        info->defaultValue = q.default_value;
        info->inactive = q.flags & V4L2_CTRL_FLAG_INACTIVE;
        info->readOnly = q.flags & V4L2_CTRL_FLAG_READ_ONLY;
        if (info->type == ControlInfo::Menu) {
            for (qint32 i = q.minimum; i <= q.maximum && i - q.minimum < 64; ++i) {
                v4l2_querymenu m;
                memset(&m, 0, sizeof m);
                m.id = q.id;
                m.index = __u32(i);
                if (m_sys->ioctl(m_fd, VIDIOC_QUERYMENU, &m) < 0)
                    continue; // holes are normal
                const QString label = q.type == V4L2_CTRL_TYPE_MENU ? fromFixed(m.name, sizeof m.name)
                                                                    : QString::number(qlonglong(m.value));
                info->menu.append({i, label});
            }
        }
        return true;
    }

    void run(FrameReceiver *receiver);
    bool restartStream(FrameReceiver *receiver);
    void releaseBuffers();

    struct Mapped
    {
        void *data = nullptr;
        size_t length = 0;
    };

    std::shared_ptr<V4l2Sys> m_sys;
    int m_fd;
    QString m_node;
    QStringList m_inputs;
    v4l2_format m_fmt;
    Mapped m_buffers[kBufferCount];
    int m_bufferCount = 0;
    QVector<int> m_inputFds;
    QStringList m_lockedInputs;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    bool m_streaming = false;
    CaptureFailure m_failure = CaptureFailure::None;
};

void V4l2Device::releaseBuffers()
{
    for (int i = 0; i < m_bufferCount; ++i) {
        if (m_buffers[i].data)
            m_sys->munmap(m_buffers[i].data, m_buffers[i].length);
        m_buffers[i] = Mapped();
    }
    if (m_bufferCount > 0) {
        v4l2_requestbuffers req;
        memset(&req, 0, sizeof req);
        req.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        req.memory = V4L2_MEMORY_MMAP;
        m_sys->ioctl(m_fd, VIDIOC_REQBUFS, &req);
    }
    m_bufferCount = 0;
}

bool V4l2Device::start(FrameReceiver *receiver)
{
    if (m_streaming || !receiver)
        return false;
    m_failure = CaptureFailure::Other;
    v4l2_requestbuffers req;
    memset(&req, 0, sizeof req);
    req.count = kBufferCount;
    req.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    req.memory = V4L2_MEMORY_MMAP;
    const bool granted = XIOCTL(m_fd, VIDIOC_REQBUFS, &req) == 0;
    if (!granted || req.count < 2) {
        if (granted) {
            captureLog("ERROR: VIDIOC_REQBUFS granted %u buffers, 2 needed\n", unsigned(req.count));
            m_bufferCount = int(qMin<__u32>(req.count, kBufferCount));
            releaseBuffers();
        }
        captureLog("ERROR: connecting device - prehaps it is already being used?\n");
        return false;
    }
    // The driver may grant fewer than asked; two are enough to stream.
    m_bufferCount = int(qMin<__u32>(req.count, kBufferCount));
    for (int i = 0; i < m_bufferCount; ++i) {
        v4l2_buffer b;
        memset(&b, 0, sizeof b);
        b.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        b.memory = V4L2_MEMORY_MMAP;
        b.index = __u32(i);
        if (XIOCTL(m_fd, VIDIOC_QUERYBUF, &b) < 0) {
            releaseBuffers();
            return false;
        }
        void *p = m_sys->mmap(nullptr, b.length, PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, off_t(b.m.offset));
        if (p == MAP_FAILED) {
            captureLog("ERROR: mmap of buffer %d failed: %s (errno %d)\n", i, strerror(errno), errno);
            releaseBuffers();
            return false;
        }
        m_buffers[i] = {p, b.length};
        if (XIOCTL(m_fd, VIDIOC_QBUF, &b) < 0) {
            if (errno == ENOSPC)
                m_failure = CaptureFailure::Bandwidth;
            releaseBuffers();
            return false;
        }
    }
    int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (XIOCTL(m_fd, VIDIOC_STREAMON, &type) < 0) {
        // UVC cameras answer ENOSPC when the bus has no room for the stream.
        if (errno == ENOSPC)
            m_failure = CaptureFailure::Bandwidth;
        releaseBuffers();
        return false;
    }
    // The driver reports the button only while the camera is open.
    m_lockedInputs.clear();
    for (const QString &node : qAsConst(m_inputs)) {
        const int fd = m_sys->open(QFile::encodeName(node).constData(), O_RDONLY | O_NONBLOCK);
        if (fd >= 0) {
            m_inputFds.append(fd);
            continue;
        }
        const int why = errno;
        if (why == EACCES || why == EPERM)
            m_lockedInputs.append(node);
        if (firstNoteFor(node))
            captureLog("SETUP: still button %s cannot be read (%s); grant access with a udev rule\n", qPrintable(node),
                       strerror(why));
    }
    m_failure = CaptureFailure::None;
    m_streaming = true;
    m_stop = false;
    m_thread = std::thread([this, receiver] { run(receiver); });
    return true;
}

void V4l2Device::stop()
{
    if (!m_streaming)
        return;
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    m_sys->ioctl(m_fd, VIDIOC_STREAMOFF, &type); // fails harmlessly on a vanished device
    releaseBuffers();
    for (int fd : qAsConst(m_inputFds))
        m_sys->close(fd);
    m_inputFds.clear();
    m_streaming = false;
}

bool V4l2Device::restartStream(FrameReceiver *receiver)
{
    captureLog("SETUP: restarting the stream of %s\n", qPrintable(m_node));
    int type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    XIOCTL(m_fd, VIDIOC_STREAMOFF, &type); // returns every buffer to us
    for (int i = 0; i < m_bufferCount; ++i) {
        v4l2_buffer b;
        memset(&b, 0, sizeof b);
        b.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        b.memory = V4L2_MEMORY_MMAP;
        b.index = __u32(i);
        if (XIOCTL(m_fd, VIDIOC_QBUF, &b) < 0) {
            if (errno == ENOSPC)
                receiver->streamFailed(CaptureFailure::Bandwidth);
            return false;
        }
    }
    if (XIOCTL(m_fd, VIDIOC_STREAMON, &type) < 0) {
        if (errno == ENOSPC)
            receiver->streamFailed(CaptureFailure::Bandwidth);
        return false;
    }
    return true;
}

void V4l2Device::run(FrameReceiver *receiver)
{
    crash::armCurrentThread();
    pthread_setname_np(pthread_self(), "vistrel-capture");
    QVector<pollfd> fds(1 + m_inputFds.size());
    QVector<int> inputs = m_inputFds;
    input_event events[16];
    int errorsInRow = 0;
    bool restarted = false;
    while (!m_stop.load()) {
        fds[0] = {m_fd, POLLIN, 0};
        for (int i = 0; i < inputs.size(); ++i)
            fds[i + 1] = {inputs[i], POLLIN, 0};
        const int n = m_sys->poll(fds.data(), nfds_t(1 + inputs.size()), V4l2Backend::kPollMs);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            captureLog("ERROR: poll on %s failed: %s (errno %d)\n", qPrintable(m_node), strerror(errno), errno);
            receiver->streamLost();
            return;
        }
        if (n == 0)
            continue;
        // Button first: a press between two frames belongs to the next one.
        for (int i = inputs.size() - 1; i >= 0; --i) {
            const short re = fds[i + 1].revents;
            if (!re)
                continue;
            if (re & POLLIN) {
                const ssize_t got = m_sys->read(inputs[i], events, sizeof events);
                if (got > 0) {
                    for (size_t k = 0; k < size_t(got) / sizeof(input_event); ++k) {
                        if (events[k].type == EV_KEY && events[k].code == KEY_CAMERA && events[k].value == 1)
                            receiver->stillButtonPressed();
                    }
                    continue;
                }
                if (got < 0 && (errno == EAGAIN || errno == EINTR))
                    continue;
            } else if (!(re & (POLLHUP | POLLERR | POLLNVAL))) {
                continue;
            }
            // Hung up or failing: a node left in the set would wake poll at once, for ever.
            captureLog("SETUP: still button node of %s stopped reporting; no longer watched\n", qPrintable(m_node));
            inputs.remove(i);
            fds.remove(i + 1);
        }
        const short re = fds[0].revents;
        if (re & (POLLERR | POLLHUP | POLLNVAL)) {
            captureLog("ERROR: %s reports %s\n", qPrintable(m_node), (re & POLLHUP) ? "hang-up" : "an error");
            receiver->streamLost();
            return;
        }
        if (!(re & POLLIN))
            continue;
        v4l2_buffer b;
        memset(&b, 0, sizeof b);
        b.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        b.memory = V4L2_MEMORY_MMAP;
        if (m_sys->ioctl(m_fd, VIDIOC_DQBUF, &b) < 0) {
            const int e = errno;
            if (e == EAGAIN || e == EINTR)
                continue;
            captureLog("ERROR: VIDIOC_DQBUF failed: %s (errno %d)\n", strerror(e), e);
            if (e == ENODEV) {
                receiver->streamLost();
                return;
            }
            // A transient error (EIO): try again, then restart the stream once.
            if (++errorsInRow < kDequeueRetries)
                continue;
            if (restarted || !restartStream(receiver)) {
                receiver->streamLost();
                return;
            }
            restarted = true;
            errorsInRow = 0;
            continue;
        }
        errorsInRow = 0;
        // A buffer the driver marks as damaged goes straight back.
        if (b.index < __u32(m_bufferCount) && !(b.flags & V4L2_BUF_FLAG_ERROR)) {
            restarted = false;
            const size_t used = qMin<size_t>(b.bytesused, m_buffers[b.index].length);
            receiver->frameArrived(static_cast<const uchar *>(m_buffers[b.index].data), used);
        }
        if (XIOCTL(m_fd, VIDIOC_QBUF, &b) < 0) {
            if (errno == ENOSPC)
                receiver->streamFailed(CaptureFailure::Bandwidth);
            else
                receiver->streamLost();
            return;
        }
    }
}

} // namespace

QVector<FormatCapability> v4l2Formats(V4l2Sys *sys, int fd)
{
    QVector<FormatCapability> caps;
    for (__u32 i = 0; i < 64; ++i) {
        v4l2_fmtdesc d;
        memset(&d, 0, sizeof d);
        d.index = i;
        d.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        if (sys->ioctl(fd, VIDIOC_ENUM_FMT, &d) < 0)
            break;
        for (__u32 k = 0; k < 256; ++k) {
            v4l2_frmsizeenum s;
            memset(&s, 0, sizeof s);
            s.index = k;
            s.pixel_format = d.pixelformat;
            if (sys->ioctl(fd, VIDIOC_ENUM_FRAMESIZES, &s) < 0)
                break;
            FormatCapability cap;
            cap.pixelFormat = d.pixelformat;
            if (s.type == V4L2_FRMSIZE_TYPE_DISCRETE) {
                cap.minimum = cap.maximum = QSize(int(s.discrete.width), int(s.discrete.height));
                caps.append(cap);
                continue;
            }
            cap.minimum = QSize(int(s.stepwise.min_width), int(s.stepwise.min_height));
            cap.maximum = QSize(int(s.stepwise.max_width), int(s.stepwise.max_height));
            cap.stepWidth = s.type == V4L2_FRMSIZE_TYPE_CONTINUOUS ? 1 : int(s.stepwise.step_width);
            cap.stepHeight = s.type == V4L2_FRMSIZE_TYPE_CONTINUOUS ? 1 : int(s.stepwise.step_height);
            caps.append(cap);
            break; // a range is the only entry
        }
    }
    return caps;
}

V4l2Backend::V4l2Backend(std::shared_ptr<V4l2Sys> sys, const QString &sysfsRoot)
    : m_sys(std::move(sys))
    , m_sysfs(sysfsRoot)
{}

QStringList V4l2Backend::buttonNodes(const QString &usbDevice) const
{
    QStringList nodes;
    if (usbDevice.isEmpty())
        return nodes;
    QDir dir(m_sysfs + QStringLiteral("/class/input"));
    const QStringList events = dir.entryList({QStringLiteral("event*")},
                                             QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &event : events) {
        const QString entry = dir.filePath(event);
        const QString device = QFileInfo(entry + QStringLiteral("/device")).canonicalFilePath();
        if (device.isEmpty() || !device.startsWith(usbDevice + QLatin1Char('/')))
            continue;
        const QString keys = readSysfs(entry + QStringLiteral("/device/capabilities/key"));
        if (!keys.isEmpty() && !hasKey(keys, KEY_CAMERA))
            continue;
        nodes.append(QStringLiteral("/dev/input/") + event);
    }
    return nodes;
}

QVector<BackendDeviceInfo> V4l2Backend::enumerate()
{
    QVector<BackendDeviceInfo> result;
    QVector<BackendDeviceInfo> locked;
    m_nodes.clear();
    QDir dir(m_sysfs + QStringLiteral("/class/video4linux"));
    QStringList names = dir.entryList({QStringLiteral("video*")}, QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.midRef(5).toInt() < b.midRef(5).toInt(); });
    QMap<QString, int> perBus;
    QSet<QString> openedBuses;
    for (const QString &name : names) {
        const QString node = QStringLiteral("/dev/") + name;
        // The USB device is the first directory above the interface with USB numbers.
        QString usb = QFileInfo(dir.filePath(name) + QStringLiteral("/device")).canonicalFilePath();
        for (int up = 0; up < 4 && !usb.isEmpty(); ++up) {
            if (QFileInfo::exists(usb + QStringLiteral("/idVendor")))
                break;
            usb = QFileInfo(usb).path();
            if (up == 3)
                usb.clear();
        }
        if (!usb.isEmpty() && !QFileInfo::exists(usb + QStringLiteral("/idVendor")))
            usb.clear();
        const QString usbIds = usb.isEmpty()
                                   ? QString()
                                   : QStringLiteral("#vid_") + readSysfs(usb + QStringLiteral("/idVendor")).toLower()
                                         + QStringLiteral("&pid_")
                                         + readSysfs(usb + QStringLiteral("/idProduct")).toLower();
        const QString port = usb.isEmpty() ? QString() : QFileInfo(usb).fileName();

        const int fd = m_sys->open(QFile::encodeName(node).constData(), O_RDWR | O_NONBLOCK);
        if (fd < 0) {
            // Listed all the same, so the user learns why the camera is missing.
            if ((errno == EACCES || errno == EPERM) && !usb.isEmpty()) {
                BackendDeviceInfo info;
                info.friendlyName = readSysfs(dir.filePath(name) + QStringLiteral("/name"));
                info.path = QStringLiteral("v4l2:") + usbBusInfo(usb) + usbIds;
                info.port = port;
                info.accessible = false;
                m_nodes.insert(info.path, {node, usbBusInfo(usb), {}});
                locked.append(info);
            }
            continue;
        }
        v4l2_capability cap;
        memset(&cap, 0, sizeof cap);
        if (m_sys->ioctl(fd, VIDIOC_QUERYCAP, &cap) < 0) {
            m_sys->close(fd);
            continue;
        }
        const QString bus = fromFixed(cap.bus_info, sizeof cap.bus_info);
        openedBuses.insert(bus);
        const __u32 caps = (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps : cap.capabilities;
        if (!(caps & V4L2_CAP_VIDEO_CAPTURE) || !(caps & V4L2_CAP_STREAMING)) {
            m_sys->close(fd); // metadata and output nodes
            continue;
        }
        BackendDeviceInfo info;
        info.friendlyName = fromFixed(cap.card, sizeof cap.card);
        info.formats = v4l2Formats(m_sys.get(), fd);
        info.port = port;
        m_sys->close(fd);

        QString path = QStringLiteral("v4l2:") + bus + usbIds;
        const int n = ++perBus[bus];
        if (n > 1)
            path += QStringLiteral("#%1").arg(n);
        info.path = path;
        m_nodes.insert(path, {node, bus, buttonNodes(usb)});
        result.append(info);
    }
    // One entry per locked camera (its metadata node is locked too), none
    // when another of its nodes opened.
    QSet<QString> listed;
    for (const BackendDeviceInfo &info : qAsConst(locked)) {
        const QString bus = m_nodes.value(info.path).busInfo;
        if (openedBuses.contains(bus) || listed.contains(info.path))
            continue;
        listed.insert(info.path);
        result.append(info);
    }
    return result;
}

QString V4l2Backend::usbBusInfo(const QString &usbDevice)
{
    // As the UVC driver names it: "usb-<host controller>-<port path>", where
    // the port path of "1-2.3" is "2.3" and the controller sits above "usb1".
    const QString port = QFileInfo(usbDevice).fileName();
    QString up = QFileInfo(usbDevice).path();
    while (QFileInfo(up).fileName().contains(QLatin1Char('-'))
           && !QFileInfo(up).fileName().startsWith(QLatin1String("usb")))
        up = QFileInfo(up).path(); // a hub between the root and the camera
    const QString controller = QFileInfo(QFileInfo(up).path()).fileName();
    return QStringLiteral("usb-") + controller + QLatin1Char('-') + port.section(QLatin1Char('-'), 1);
}

std::unique_ptr<BackendDevice> V4l2Backend::open(const QString &path)
{
    if (!m_nodes.contains(path))
        return nullptr;
    const Node n = m_nodes.value(path);
    const int fd = m_sys->open(QFile::encodeName(n.node).constData(), O_RDWR | O_NONBLOCK);
    if (fd < 0) {
        captureLog("ERROR: open %s failed: %s (errno %d)\n", qPrintable(n.node), strerror(errno), errno);
        return nullptr;
    }
    v4l2_capability cap;
    memset(&cap, 0, sizeof cap);
    // Node numbers move when cameras come and go; make sure it is still ours.
    if (m_sys->ioctl(fd, VIDIOC_QUERYCAP, &cap) < 0 || fromFixed(cap.bus_info, sizeof cap.bus_info) != n.busInfo) {
        m_sys->close(fd);
        return nullptr;
    }
    return std::make_unique<V4l2Device>(m_sys, fd, n.node, n.inputs);
}
