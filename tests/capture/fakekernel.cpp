#include "fakekernel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <libyuv/convert_from_argb.h>
#include <turbojpeg.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <sys/mman.h>

namespace {

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

// "capabilities/key" text with KEY_CAMERA set, as 64-bit words.
QByteArray keyCaps(bool camera) { return camera ? QByteArray("100000 0 0 0\n") : QByteArray("7ff 0\n"); }

v4l2_queryctrl query(quint32 id, quint32 type, const char *name, int min, int max, int step, int def)
{
    v4l2_queryctrl q;
    memset(&q, 0, sizeof q);
    q.id = id;
    q.type = type;
    strncpy(reinterpret_cast<char *>(q.name), name, sizeof q.name - 1);
    q.minimum = min;
    q.maximum = max;
    q.step = __u32(step);
    q.default_value = def;
    return q;
}

} // namespace

FakeKernel::FakeKernel() { m_cameras.reserve(32); }

QMap<quint32, FakeControl> FakeKernel::uvcControls()
{
    QMap<quint32, FakeControl> c;
    auto add = [&](const v4l2_queryctrl &q) {
        FakeControl fc;
        fc.query = q;
        fc.value = q.default_value;
        c.insert(q.id, fc);
    };
    add(query(V4L2_CID_USER_CLASS, V4L2_CTRL_TYPE_CTRL_CLASS, "User Controls", 0, 0, 0, 0));
    add(query(V4L2_CID_BRIGHTNESS, V4L2_CTRL_TYPE_INTEGER, "Brightness", -64, 64, 1, 0));
    add(query(V4L2_CID_CONTRAST, V4L2_CTRL_TYPE_INTEGER, "Contrast", 0, 64, 1, 32));
    add(query(V4L2_CID_SATURATION, V4L2_CTRL_TYPE_INTEGER, "Saturation", 0, 128, 1, 64));
    add(query(V4L2_CID_HUE, V4L2_CTRL_TYPE_INTEGER, "Hue", -40, 40, 1, 0));
    add(query(V4L2_CID_AUTO_WHITE_BALANCE, V4L2_CTRL_TYPE_BOOLEAN, "White Balance, Automatic", 0, 1, 1, 1));
    add(query(V4L2_CID_GAMMA, V4L2_CTRL_TYPE_INTEGER, "Gamma", 72, 500, 1, 100));
    add(query(V4L2_CID_GAIN, V4L2_CTRL_TYPE_INTEGER, "Gain", 0, 100, 1, 0));
    add(query(V4L2_CID_POWER_LINE_FREQUENCY, V4L2_CTRL_TYPE_MENU, "Power Line Frequency", 0, 2, 1, 1));
    c[V4L2_CID_POWER_LINE_FREQUENCY].menu = {{0, "Disabled"}, {1, "50 Hz"}, {2, "60 Hz"}};
    add(query(V4L2_CID_WHITE_BALANCE_TEMPERATURE, V4L2_CTRL_TYPE_INTEGER, "White Balance Temperature", 2800, 6500, 1,
              4600));
    add(query(V4L2_CID_SHARPNESS, V4L2_CTRL_TYPE_INTEGER, "Sharpness", 0, 6, 1, 3));
    add(query(V4L2_CID_BACKLIGHT_COMPENSATION, V4L2_CTRL_TYPE_INTEGER, "Backlight Compensation", 0, 2, 1, 1));
    add(query(V4L2_CID_CAMERA_CLASS, V4L2_CTRL_TYPE_CTRL_CLASS, "Camera Controls", 0, 0, 0, 0));
    add(query(V4L2_CID_EXPOSURE_AUTO, V4L2_CTRL_TYPE_MENU, "Auto Exposure", 0, 3, 1, V4L2_EXPOSURE_APERTURE_PRIORITY));
    c[V4L2_CID_EXPOSURE_AUTO].menu = {{V4L2_EXPOSURE_MANUAL, "Manual Mode"},
                                      {V4L2_EXPOSURE_APERTURE_PRIORITY, "Aperture Priority Mode"}};
    add(query(V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CTRL_TYPE_INTEGER, "Exposure Time, Absolute", 1, 5000, 1, 156));
    return c;
}

FakeCamera &FakeKernel::addCamera(const QString &node, const QByteArray &busInfo, const QString &port,
                                  const QVector<QSize> &sizes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    FakeCamera cam;
    cam.node = node;
    cam.busInfo = busInfo;
    cam.port = port;
    FakeFormat mjpeg;
    mjpeg.pixelFormat = V4L2_PIX_FMT_MJPEG;
    mjpeg.sizes = sizes;
    FakeFormat yuyv;
    yuyv.pixelFormat = V4L2_PIX_FMT_YUYV;
    yuyv.sizes = sizes;
    cam.formats = {mjpeg, yuyv};
    cam.controls = uvcControls();
    memset(&cam.fmt, 0, sizeof cam.fmt);
    cam.fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    cam.fmt.fmt.pix.pixelformat = V4L2_PIX_FMT_MJPEG;
    cam.fmt.fmt.pix.width = sizes.isEmpty() ? 640 : __u32(sizes[0].width());
    cam.fmt.fmt.pix.height = sizes.isEmpty() ? 480 : __u32(sizes[0].height());
    cam.fmt.fmt.pix.sizeimage = cam.fmt.fmt.pix.width * cam.fmt.fmt.pix.height * 2;
    m_cameras.append(cam);
    updateInactive(m_cameras.last());
    return m_cameras.last();
}

FakeCamera *FakeKernel::camera(const QString &node)
{
    for (FakeCamera &c : m_cameras) {
        if (c.node == node)
            return &c;
    }
    return nullptr;
}

bool FakeKernel::writeSysfs(const QString &root) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int inputNo = 0;
    for (const FakeCamera &c : m_cameras) {
        const QString usb = root + QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/") + c.port;
        writeFile(usb + QStringLiteral("/idVendor"), QByteArray::number(c.vendorId, 16).rightJustified(4, '0') + '\n');
        writeFile(usb + QStringLiteral("/idProduct"),
                  QByteArray::number(c.productId, 16).rightJustified(4, '0') + '\n');
        const QString iface = usb + QLatin1Char('/') + c.port + QStringLiteral(":1.0");
        const QString name = QFileInfo(c.node).fileName();
        const QString cls = root + QStringLiteral("/class/video4linux/") + name;
        QDir().mkpath(iface + QStringLiteral("/video4linux/") + name);
        QDir().mkpath(cls);
        QFile::link(iface, cls + QStringLiteral("/device"));
        writeFile(cls + QStringLiteral("/name"), c.card + '\n');
        auto addInput = [&](const QString &event, const QString &parent, bool camera) {
            const QString input = parent + QStringLiteral("/input/input%1").arg(++inputNo);
            writeFile(input + QStringLiteral("/capabilities/key"), keyCaps(camera));
            const QString ev = root + QStringLiteral("/class/input/") + event;
            QDir().mkpath(ev);
            QFile::link(input, ev + QStringLiteral("/device"));
        };
        if (!c.buttonEvent.isEmpty())
            addInput(c.buttonEvent, iface, true);
        if (!c.hidButtonEvent.isEmpty())
            addInput(c.hidButtonEvent, usb + QLatin1Char('/') + c.port + QStringLiteral(":1.2/0003:0C45:62C1.0001"),
                     true);
    }
    // A keyboard elsewhere with a camera key, and one without: neither is ours.
    const QString kbd = root + QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/1-9");
    writeFile(kbd + QStringLiteral("/idVendor"), "046d\n");
    auto foreign = [&](const QString &event, bool camera) {
        const QString input = kbd + QStringLiteral("/1-9:1.0/input/input%1").arg(++inputNo);
        writeFile(input + QStringLiteral("/capabilities/key"), keyCaps(camera));
        QDir().mkpath(root + QStringLiteral("/class/input/") + event);
        QFile::link(input, root + QStringLiteral("/class/input/") + event + QStringLiteral("/device"));
    };
    foreign(QStringLiteral("event90"), true);
    foreign(QStringLiteral("event91"), false);
    return true;
}

void FakeKernel::updateInactive(FakeCamera &cam)
{
    const bool autoWb = cam.controls.value(V4L2_CID_AUTO_WHITE_BALANCE).value != 0;
    const bool autoExp = cam.controls.value(V4L2_CID_EXPOSURE_AUTO).value != V4L2_EXPOSURE_MANUAL;
    auto flag = [&](quint32 id, bool inactive) {
        if (!cam.controls.contains(id))
            return;
        auto &q = cam.controls[id].query;
        q.flags = inactive ? (q.flags | V4L2_CTRL_FLAG_INACTIVE) : (q.flags & ~V4L2_CTRL_FLAG_INACTIVE);
    };
    flag(V4L2_CID_WHITE_BALANCE_TEMPERATURE, autoWb);
    flag(V4L2_CID_EXPOSURE_ABSOLUTE, autoExp);
}

void FakeKernel::pushFrame(const QString &node, const QByteArray &data, quint32 flags)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (FakeCamera *c = camera(node))
            c->frames.push_back({data, flags});
    }
    m_changed.notify_all();
}

void FakeKernel::hangUpButton(const QString &eventName)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_inputs[eventName].event = eventName;
        m_inputs[eventName].hungUp = true;
    }
    m_changed.notify_all();
}

void FakeKernel::failNext(const QString &node, unsigned long request, std::initializer_list<int> errnos)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (FakeCamera *c = camera(node)) {
        for (int e : errnos)
            c->failNext[request].push_back(e);
    }
}

void FakeKernel::setPollEintr(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pollEintr = count;
}

int FakeKernel::pollCalls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pollCalls;
}

int FakeKernel::lastPollCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastPollCount;
}

void FakeKernel::pressButton(const QString &eventName)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Input &in = m_inputs[eventName];
        in.event = eventName;
        input_event e;
        memset(&e, 0, sizeof e);
        e.type = EV_KEY;
        e.code = KEY_CAMERA;
        e.value = 1;
        in.events.push_back(e);
        e.value = 0;
        in.events.push_back(e);
        memset(&e, 0, sizeof e);
        e.type = EV_SYN;
        in.events.push_back(e);
    }
    m_changed.notify_all();
}

void FakeKernel::unplug(const QString &node)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (FakeCamera *c = camera(node)) {
            c->unplugged = true;
            for (const QString &ev : {c->buttonEvent, c->hidButtonEvent}) {
                if (!ev.isEmpty())
                    m_inputs[ev].unplugged = true;
            }
        }
    }
    m_changed.notify_all();
}

bool FakeKernel::waitDrained(const QString &node, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        FakeCamera *c = camera(node);
        return !c || c->frames.empty();
    });
}

int FakeKernel::openFdCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_fds.size();
}

qint32 FakeKernel::controlValue(const QString &node, quint32 id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    FakeCamera *c = camera(node);
    return c ? c->controls.value(id).value : -9999;
}

int FakeKernel::open(const char *path, int)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const QString p = QString::fromLocal8Bit(path);
    if (FakeCamera *c = camera(p)) {
        if (c->unplugged) {
            errno = ENOENT;
            return -1;
        }
        if (c->openErrno) {
            errno = c->openErrno;
            return -1;
        }
        ++c->openFds;
        ++c->opens;
    } else if (p.startsWith(QLatin1String("/dev/input/"))) {
        const QString ev = p.mid(11);
        const FakeCamera *owner = nullptr;
        for (const FakeCamera &c : m_cameras)
            if (!c.unplugged && (c.buttonEvent == ev || c.hidButtonEvent == ev))
                owner = &c;
        if (!owner || owner->buttonOpenErrno) {
            errno = owner ? owner->buttonOpenErrno : ENOENT;
            return -1;
        }
        m_inputs[ev].event = ev;
    } else {
        errno = ENOENT;
        return -1;
    }
    const int fd = m_nextFd++;
    m_fds.insert(fd, p);
    return fd;
}

int FakeKernel::close(int fd)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_fds.contains(fd)) {
        errno = EBADF;
        return -1;
    }
    const QString node = m_fds.take(fd);
    if (FakeCamera *c = camera(node))
        --c->openFds;
    return 0;
}

int FakeKernel::maxFps(const FakeCamera &cam)
{
    const QSize size(int(cam.fmt.fmt.pix.width), int(cam.fmt.fmt.pix.height));
    for (const auto &cap : cam.sizeMaxFps) {
        if (cap.first == size)
            return cap.second;
    }
    return INT_MAX;
}

void FakeKernel::setFormat(FakeCamera &cam, v4l2_pix_format *pix)
{
    const FakeFormat *f = &cam.formats[0];
    for (const FakeFormat &x : qAsConst(cam.formats)) {
        if (x.pixelFormat == pix->pixelformat)
            f = &x;
    }
    QSize best;
    if (f->stepwise) {
        const int w = qBound(f->minimum.width(), int(pix->width), f->maximum.width());
        const int h = qBound(f->minimum.height(), int(pix->height), f->maximum.height());
        best = QSize(w - (w - f->minimum.width()) % f->stepWidth, h - (h - f->minimum.height()) % f->stepHeight);
    } else {
        best = f->sizes.value(0);
        for (const QSize &s : f->sizes) {
            if (qAbs(s.width() * s.height() - int(pix->width * pix->height))
                < qAbs(best.width() * best.height() - int(pix->width * pix->height)))
                best = s;
        }
    }
    for (const auto &adjust : qAsConst(cam.sfmtAdjust)) {
        if (adjust.first == best)
            best = adjust.second;
    }
    pix->pixelformat = f->pixelFormat;
    pix->width = __u32(best.width());
    pix->height = __u32(best.height());
    pix->field = V4L2_FIELD_NONE;
    pix->bytesperline = f->pixelFormat == V4L2_PIX_FMT_YUYV ? pix->width * 2 : 0;
    pix->sizeimage = pix->width * pix->height * 2;
}

int FakeKernel::videoIoctl(FakeCamera &cam, unsigned long request, void *arg)
{
    auto fail = [](int e) {
        errno = e;
        return -1;
    };
    if (cam.unplugged)
        return fail(ENODEV);
    auto queued = cam.failNext.find(request);
    if (queued != cam.failNext.end() && !queued->empty()) {
        const int e = queued->front();
        queued->pop_front();
        return fail(e);
    }
    switch (request) {
    case VIDIOC_QUERYCAP: {
        auto *c = static_cast<v4l2_capability *>(arg);
        memset(c, 0, sizeof *c);
        strncpy(reinterpret_cast<char *>(c->driver), "uvcvideo", sizeof c->driver - 1);
        strncpy(reinterpret_cast<char *>(c->card), cam.card.constData(), sizeof c->card - 1);
        strncpy(reinterpret_cast<char *>(c->bus_info), cam.busInfo.constData(), sizeof c->bus_info - 1);
        c->capabilities = cam.caps | V4L2_CAP_DEVICE_CAPS | V4L2_CAP_META_CAPTURE;
        c->device_caps = cam.caps;
        return 0;
    }
    case VIDIOC_ENUM_FMT: {
        auto *d = static_cast<v4l2_fmtdesc *>(arg);
        if (d->type != V4L2_BUF_TYPE_VIDEO_CAPTURE || !(cam.caps & V4L2_CAP_VIDEO_CAPTURE)
            || d->index >= __u32(cam.formats.size()))
            return fail(EINVAL);
        d->pixelformat = cam.formats[int(d->index)].pixelFormat;
        return 0;
    }
    case VIDIOC_ENUM_FRAMESIZES: {
        auto *s = static_cast<v4l2_frmsizeenum *>(arg);
        for (const FakeFormat &f : qAsConst(cam.formats)) {
            if (f.pixelFormat != s->pixel_format)
                continue;
            if (f.stepwise) {
                if (s->index != 0)
                    return fail(EINVAL);
                s->type = V4L2_FRMSIZE_TYPE_STEPWISE;
                s->stepwise = {__u32(f.minimum.width()),  __u32(f.maximum.width()),  __u32(f.stepWidth),
                               __u32(f.minimum.height()), __u32(f.maximum.height()), __u32(f.stepHeight)};
                return 0;
            }
            if (s->index >= __u32(f.sizes.size()))
                return fail(EINVAL);
            s->type = V4L2_FRMSIZE_TYPE_DISCRETE;
            s->discrete = {__u32(f.sizes[int(s->index)].width()), __u32(f.sizes[int(s->index)].height())};
            return 0;
        }
        return fail(EINVAL);
    }
    case VIDIOC_G_FMT: *static_cast<v4l2_format *>(arg) = cam.fmt; return 0;
    case VIDIOC_S_FMT: {
        auto *f = static_cast<v4l2_format *>(arg);
        ++cam.sfmtCalls;
        if (cam.busy || cam.streaming || !cam.buffers.isEmpty())
            return fail(EBUSY);
        setFormat(cam, &f->fmt.pix);
        cam.fmt = *f;
        // As UVC does: a new format starts at its default interval.
        cam.timePerFrame = {1, __u32(qMin(30, maxFps(cam)))};
        return 0;
    }
    case VIDIOC_S_PARM: {
        auto *p = static_cast<v4l2_streamparm *>(arg);
        v4l2_fract &t = p->parm.capture.timeperframe;
        if (!cam.parmFps.isEmpty() && t.numerator > 0 && t.denominator > 0) {
            // Like a driver: the nearest rate it has, written back.
            const double want = double(t.denominator) / t.numerator;
            int best = cam.parmFps[0];
            for (int f : qAsConst(cam.parmFps)) {
                if (qAbs(f - want) < qAbs(best - want))
                    best = f;
            }
            t = {1, __u32(best)};
        }
        if (t.numerator > 0 && double(t.denominator) / t.numerator > maxFps(cam))
            t = {1, __u32(maxFps(cam))};
        p->parm.capture.capability = cam.parmFps.isEmpty() ? 0 : V4L2_CAP_TIMEPERFRAME;
        cam.timePerFrame = t;
        return 0;
    }
    case VIDIOC_G_PARM: {
        auto *p = static_cast<v4l2_streamparm *>(arg);
        p->parm.capture.timeperframe = cam.timePerFrame;
        return 0;
    }
    case VIDIOC_ENUM_FRAMEINTERVALS: {
        auto *e = static_cast<v4l2_frmivalenum *>(arg);
        for (const FakeFormat &f : qAsConst(cam.formats)) {
            if (f.pixelFormat != e->pixel_format || e->index >= __u32(f.fps.size()))
                continue;
            e->type = V4L2_FRMIVAL_TYPE_DISCRETE;
            e->discrete = {1, __u32(f.fps[int(e->index)])};
            return 0;
        }
        return fail(EINVAL);
    }
    case VIDIOC_REQBUFS: {
        auto *r = static_cast<v4l2_requestbuffers *>(arg);
        if (r->count == 0) {
            if (cam.streaming)
                return fail(EBUSY);
            cam.buffers.clear();
            return 0;
        }
        if (cam.busy || !cam.buffers.isEmpty())
            return fail(EBUSY);
        r->count = qMin<__u32>(r->count, __u32(qMax(0, cam.maxBuffers)));
        cam.buffers.resize(int(r->count));
        for (auto &b : cam.buffers) {
            b.memory = QByteArray(int(cam.fmt.fmt.pix.sizeimage), '\0');
            b.queued = false;
        }
        return 0;
    }
    case VIDIOC_QUERYBUF:
    case VIDIOC_QBUF: {
        auto *b = static_cast<v4l2_buffer *>(arg);
        if (b->index >= __u32(cam.buffers.size()))
            return fail(EINVAL);
        if (request == VIDIOC_QUERYBUF) {
            b->length = __u32(cam.buffers[int(b->index)].memory.size());
            b->m.offset = b->index * 0x1000000u;
        } else {
            cam.buffers[int(b->index)].queued = true;
            m_changed.notify_all();
        }
        return 0;
    }
    case VIDIOC_DQBUF: {
        auto *b = static_cast<v4l2_buffer *>(arg);
        if (!cam.streaming)
            return fail(EINVAL);
        int index = -1;
        for (int i = 0; i < cam.buffers.size() && index < 0; ++i) {
            if (cam.buffers[i].queued)
                index = i;
        }
        if (index < 0 || cam.frames.empty())
            return fail(EAGAIN);
        const QByteArray data = cam.frames.front().first;
        const quint32 flags = cam.frames.front().second;
        cam.frames.pop_front();
        auto &buf = cam.buffers[index];
        const int n = qMin(data.size(), buf.memory.size());
        memcpy(buf.memory.data(), data.constData(), size_t(n));
        buf.queued = false;
        b->index = __u32(index);
        b->bytesused = __u32(n);
        b->flags = V4L2_BUF_FLAG_DONE | flags;
        m_changed.notify_all();
        return 0;
    }
    case VIDIOC_STREAMON:
        if (cam.buffers.isEmpty())
            return fail(EINVAL);
        cam.streaming = true;
        ++cam.streamOns;
        return 0;
    case VIDIOC_STREAMOFF:
        cam.streaming = false;
        for (auto &b : cam.buffers)
            b.queued = false;
        return 0;
    case VIDIOC_QUERYCTRL: {
        auto *q = static_cast<v4l2_queryctrl *>(arg);
        if (q->id & V4L2_CTRL_FLAG_NEXT_CTRL) {
            const quint32 after = q->id & ~(V4L2_CTRL_FLAG_NEXT_CTRL | V4L2_CTRL_FLAG_NEXT_COMPOUND);
            for (auto it = cam.controls.cbegin(); it != cam.controls.cend(); ++it) {
                if (it.key() > after) {
                    *q = it->query;
                    return 0;
                }
            }
            return fail(EINVAL);
        }
        if (!cam.controls.contains(q->id))
            return fail(EINVAL);
        *q = cam.controls.value(q->id).query;
        return 0;
    }
    case VIDIOC_QUERYMENU: {
        auto *m = static_cast<v4l2_querymenu *>(arg);
        if (!cam.controls.contains(m->id) || !cam.controls[m->id].menu.contains(int(m->index)))
            return fail(EINVAL);
        const QByteArray name = cam.controls[m->id].menu.value(int(m->index));
        memset(m->name, 0, sizeof m->name);
        strncpy(reinterpret_cast<char *>(m->name), name.constData(), sizeof m->name - 1);
        return 0;
    }
    case VIDIOC_G_CTRL:
    case VIDIOC_S_CTRL: {
        auto *c = static_cast<v4l2_control *>(arg);
        if (!cam.controls.contains(c->id) || cam.controls[c->id].query.type == V4L2_CTRL_TYPE_CTRL_CLASS)
            return fail(EINVAL);
        FakeControl &fc = cam.controls[c->id];
        if (request == VIDIOC_G_CTRL) {
            c->value = fc.value;
            return 0;
        }
        if (fc.query.flags & V4L2_CTRL_FLAG_INACTIVE)
            return fail(EACCES);
        if (fc.query.type == V4L2_CTRL_TYPE_MENU && !fc.menu.contains(c->value))
            return fail(EINVAL);
        fc.value = qBound(fc.query.minimum, c->value, fc.query.maximum);
        updateInactive(cam);
        return 0;
    }
    default: return fail(ENOTTY);
    }
}

int FakeKernel::ioctl(int fd, unsigned long request, void *arg)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    FakeCamera *c = camera(m_fds.value(fd));
    if (!c) {
        errno = m_fds.contains(fd) ? ENOTTY : EBADF;
        return -1;
    }
    return videoIoctl(*c, request, arg);
}

void *FakeKernel::mmap(void *, size_t length, int, int, int fd, off_t offset)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    FakeCamera *c = camera(m_fds.value(fd));
    const int index = int(offset / 0x1000000);
    if (!c || index >= c->buffers.size() || size_t(c->buffers[index].memory.size()) < length) {
        errno = EINVAL;
        return MAP_FAILED;
    }
    return c->buffers[index].memory.data();
}

int FakeKernel::munmap(void *, size_t) { return 0; }

short FakeKernel::readiness(int fd)
{
    if (!m_fds.contains(fd))
        return POLLNVAL;
    const QString node = m_fds.value(fd);
    if (FakeCamera *c = camera(node)) {
        if (c->unplugged)
            return POLLERR | POLLHUP;
        if (!c->streaming)
            return POLLERR;
        bool queued = false;
        for (const auto &b : c->buffers)
            queued = queued || b.queued;
        return queued && !c->frames.empty() ? short(POLLIN) : short(0);
    }
    const Input &in = m_inputs[node.mid(11)];
    if (in.unplugged)
        return POLLERR | POLLHUP;
    if (in.hungUp)
        return POLLHUP;
    return in.events.empty() ? 0 : POLLIN;
}

int FakeKernel::poll(struct pollfd *fds, nfds_t count, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_pollCalls;
    m_lastPollCount = int(count);
    if (m_pollEintr > 0) {
        --m_pollEintr;
        errno = EINTR;
        return -1;
    }
    // A successful call leaves errno alone; whatever was there stays.
    errno = EAGAIN;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        int ready = 0;
        for (nfds_t i = 0; i < count; ++i) {
            fds[i].revents = short(readiness(fds[i].fd) & (fds[i].events | POLLERR | POLLHUP | POLLNVAL));
            ready += fds[i].revents ? 1 : 0;
        }
        if (ready > 0)
            return ready;
        if (m_changed.wait_until(lock, deadline) == std::cv_status::timeout)
            return 0;
    }
}

ssize_t FakeKernel::read(int fd, void *buffer, size_t count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_fds.contains(fd)) {
        errno = EBADF;
        return -1;
    }
    Input &in = m_inputs[m_fds.value(fd).mid(11)];
    if (in.unplugged || in.hungUp) {
        errno = ENODEV;
        return -1;
    }
    if (in.events.empty()) {
        errno = EAGAIN;
        return -1;
    }
    size_t n = 0;
    auto *out = static_cast<input_event *>(buffer);
    while (!in.events.empty() && (n + 1) * sizeof(input_event) <= count) {
        out[n++] = in.events.front();
        in.events.pop_front();
    }
    return ssize_t(n * sizeof(input_event));
}

QImage quadrantImage(int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, width / 2, height / 2, QColor(255, 0, 0));
    p.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(0, 255, 0));
    p.fillRect(0, height / 2, width / 2, height - height / 2, QColor(0, 0, 255));
    p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(255, 255, 255));
    return img;
}

QByteArray yuyvFrame(const QImage &image)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    QByteArray out(img.width() * img.height() * 2, '\0');
    libyuv::ARGBToYUY2(img.constBits(), img.bytesPerLine(), reinterpret_cast<uchar *>(out.data()), img.width() * 2,
                       img.width(), img.height());
    return out;
}

QByteArray jpegFrame(const QImage &image, int quality)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    tjhandle tj = tjInitCompress();
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    QByteArray out;
    if (tjCompress2(tj, img.constBits(), img.width(), img.bytesPerLine(), img.height(), TJPF_BGRX, &jpeg, &size,
                    TJSAMP_422, quality, 0)
        == 0)
        out = QByteArray(reinterpret_cast<const char *>(jpeg), int(size));
    tjFree(jpeg);
    tjDestroy(tj);
    return out;
}
