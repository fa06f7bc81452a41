#include "capture/simbackend.h"
#include "capture/simscene.h"

#include <algorithm>

#include <pthread.h>

#include "core/crashhandler.h"
#include "imaging/cvimage.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <libyuv/convert_from_argb.h>
#include <linux/videodev2.h>
#include <turbojpeg.h>

#include <opencv2/imgproc.hpp>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <map>
#include <tuple>
#include <mutex>
#include <thread>

using namespace simscene;

namespace {

constexpr int kMotionFrames = 8;

struct SimControl
{
    ControlInfo info;
    qint32 value = 0;
};

ControlInfo makeControl(quint32 id, ControlInfo::Type type, const char *name, int min, int max, int step, int def)
{
    ControlInfo c;
    c.id = id;
    c.type = type;
    c.name = QString::fromLatin1(name);
    c.minimum = min;
    c.maximum = max;
    c.step = step;
    c.defaultValue = def;
    return c;
}

QVector<SimControl> defaultControls()
{
    QVector<ControlInfo> list = {
        makeControl(V4L2_CID_BRIGHTNESS, ControlInfo::Integer, "Brightness", -64, 64, 1, 0),
        makeControl(V4L2_CID_CONTRAST, ControlInfo::Integer, "Contrast", 0, 100, 1, 50),
        makeControl(V4L2_CID_SATURATION, ControlInfo::Integer, "Saturation", 0, 128, 1, 64),
        makeControl(V4L2_CID_HUE, ControlInfo::Integer, "Hue", -40, 40, 1, 0),
        makeControl(V4L2_CID_AUTO_WHITE_BALANCE, ControlInfo::Boolean, "White Balance, Automatic", 0, 1, 1, 1),
        makeControl(V4L2_CID_GAMMA, ControlInfo::Integer, "Gamma", 72, 500, 1, 100),
        makeControl(V4L2_CID_GAIN, ControlInfo::Integer, "Gain", 0, 100, 1, 0),
        makeControl(V4L2_CID_POWER_LINE_FREQUENCY, ControlInfo::Menu, "Power Line Frequency", 0, 2, 1, 1),
        makeControl(V4L2_CID_WHITE_BALANCE_TEMPERATURE, ControlInfo::Integer, "White Balance Temperature", 2800, 6500,
                    10, 4600),
        makeControl(V4L2_CID_SHARPNESS, ControlInfo::Integer, "Sharpness", 0, 6, 1, 3),
        makeControl(V4L2_CID_BACKLIGHT_COMPENSATION, ControlInfo::Integer, "Backlight Compensation", 0, 2, 1, 1),
        makeControl(V4L2_CID_EXPOSURE_AUTO, ControlInfo::Menu, "Auto Exposure", 0, 3, 1,
                    V4L2_EXPOSURE_APERTURE_PRIORITY),
        makeControl(V4L2_CID_EXPOSURE_ABSOLUTE, ControlInfo::Integer, "Exposure Time, Absolute", 1, 5000, 1, 156),
        makeControl(V4L2_CID_FOCUS_ABSOLUTE, ControlInfo::Integer, "Focus", SimOptics::kFocusMin, SimOptics::kFocusMax,
                    1, SimOptics::kFocusRest),
        makeControl(V4L2_CID_PAN_ABSOLUTE, ControlInfo::Integer, "Stage X", -SimOptics::kStageRange,
                    SimOptics::kStageRange, 1, 0),
        makeControl(V4L2_CID_TILT_ABSOLUTE, ControlInfo::Integer, "Stage Y", -SimOptics::kStageRange,
                    SimOptics::kStageRange, 1, 0),
        makeControl(SimulatedBackend::kVignettingControl, ControlInfo::Boolean, "Vignetting", 0, 1, 1, 0),
    };
    list[7].menu = {{0, QStringLiteral("Disabled")}, {1, QStringLiteral("50 Hz")}, {2, QStringLiteral("60 Hz")}};
    list[11].menu = {{V4L2_EXPOSURE_MANUAL, QStringLiteral("Manual Mode")},
                     {V4L2_EXPOSURE_APERTURE_PRIORITY, QStringLiteral("Aperture Priority Mode")}};
    QVector<SimControl> controls;
    for (const ControlInfo &c : list)
        controls.append({c, c.defaultValue});
    return controls;
}

} // namespace

struct SimulatedBackend::Camera
{
    SimCameraSpec spec;
    QString path;
    mutable std::mutex mutex;
    QVector<SimControl> controls;
    std::atomic<int> controlGeneration{0};
    std::atomic<bool> still{false};
    std::atomic<bool> unplugged{false};
    std::atomic<bool> busy{false};
    std::atomic<bool> damaged{false};
    std::atomic<bool> paused{false};
    std::atomic<bool> streaming{false};
    std::atomic<quint64> sent{0};
    std::atomic<int> opens{0};
    std::atomic<bool> noBandwidth{false};
    std::atomic<bool> driftHeld{false};

    SimControl *control(quint32 id)
    {
        for (SimControl &c : controls) {
            if (c.info.id == id)
                return &c;
        }
        return nullptr;
    }
    qint32 value(quint32 id)
    {
        SimControl *c = control(id);
        return c ? c->value : 0;
    }
    // As a driver takes a value; false when refused.
    bool set(quint32 id, qint32 v)
    {
        std::lock_guard<std::mutex> lock(mutex);
        SimControl *c = control(id);
        if (!c || c->info.inactive)
            return false;
        if (c->info.type == ControlInfo::Menu) {
            bool known = false;
            for (const auto &e : c->info.menu)
                known = known || e.first == v;
            if (!known)
                return false;
        }
        c->value = qBound(c->info.minimum, v, c->info.maximum);
        updateInactive();
        ++controlGeneration;
        return true;
    }
    SimOptics optics()
    {
        std::lock_guard<std::mutex> lock(mutex);
        SimOptics o;
        o.focus = value(V4L2_CID_FOCUS_ABSOLUTE);
        o.stageX = value(V4L2_CID_PAN_ABSOLUTE);
        o.stageY = value(V4L2_CID_TILT_ABSOLUTE);
        o.vignetting = value(SimulatedBackend::kVignettingControl) != 0;
        return o;
    }
    void updateInactive()
    {
        const bool autoWb = value(V4L2_CID_AUTO_WHITE_BALANCE) != 0;
        const bool autoExposure = value(V4L2_CID_EXPOSURE_AUTO) != V4L2_EXPOSURE_MANUAL;
        for (SimControl &c : controls) {
            if (c.info.id == V4L2_CID_WHITE_BALANCE_TEMPERATURE)
                c.info.inactive = autoWb;
            if (c.info.id == V4L2_CID_EXPOSURE_ABSOLUTE)
                c.info.inactive = autoExposure;
        }
    }
};

namespace {

struct Look
{
    int brightness, contrast, saturation, gamma, gain, exposure, temperature;
    bool autoExposure, autoWb;
};

Look lookOf(SimulatedBackend::Camera &cam)
{
    std::lock_guard<std::mutex> lock(cam.mutex);
    Look l;
    l.brightness = cam.value(V4L2_CID_BRIGHTNESS);
    l.contrast = cam.value(V4L2_CID_CONTRAST);
    l.saturation = cam.value(V4L2_CID_SATURATION);
    l.gamma = qMax(1, cam.value(V4L2_CID_GAMMA));
    l.gain = cam.value(V4L2_CID_GAIN);
    l.exposure = cam.value(V4L2_CID_EXPOSURE_ABSOLUTE);
    l.temperature = qMax(1000, cam.value(V4L2_CID_WHITE_BALANCE_TEMPERATURE));
    l.autoExposure = cam.value(V4L2_CID_EXPOSURE_AUTO) != V4L2_EXPOSURE_MANUAL;
    l.autoWb = cam.value(V4L2_CID_AUTO_WHITE_BALANCE) != 0;
    return l;
}

// The picture settings, applied in place.
void applyLook(QImage *img, const Look &look)
{
    double level = 1.0 + look.gain / 60.0;
    if (!look.autoExposure)
        level *= look.exposure / 156.0;
    double rGain = 1.0, bGain = 1.0;
    if (!look.autoWb) {
        const double t = 4600.0 / look.temperature;
        rGain = t;
        bGain = 1.0 / t;
    }
    uchar lut[3][256];
    const double gains[3] = {bGain, 1.0, rGain}; // B, G, R byte order
    for (int ch = 0; ch < 3; ++ch) {
        for (int v = 0; v < 256; ++v) {
            double x = v / 255.0 * level * gains[ch];
            x = (x - 0.5) * (look.contrast / 50.0) + 0.5 + look.brightness / 128.0;
            x = qBound(0.0, x, 1.0);
            x = std::pow(x, 100.0 / look.gamma);
            lut[ch][v] = uchar(qBound(0, qRound(x * 255.0), 255));
        }
    }
    const int sat = look.saturation; // 64 = unchanged
    for (int y = 0; y < img->height(); ++y) {
        uchar *px = img->scanLine(y);
        for (int x = 0; x < img->width(); ++x, px += 4) {
            int b = lut[0][px[0]], g = lut[1][px[1]], r = lut[2][px[2]];
            if (sat != 64) {
                const int grey = (r * 77 + g * 150 + b * 29) >> 8;
                r = qBound(0, grey + (r - grey) * sat / 64, 255);
                g = qBound(0, grey + (g - grey) * sat / 64, 255);
                b = qBound(0, grey + (b - grey) * sat / 64, 255);
            }
            px[0] = uchar(b);
            px[1] = uchar(g);
            px[2] = uchar(r);
            px[3] = 0xFF;
        }
    }
}

class SimDevice : public BackendDevice
{
public:
    explicit SimDevice(std::shared_ptr<SimulatedBackend::Camera> cam)
        : m_cam(std::move(cam))
        , m_size(m_cam->spec.sizes.value(0))
        , m_format(m_cam->spec.formats.value(0))
    {}
    ~SimDevice() override { stop(); }

    QSize currentSize() const override { return m_size; }
    quint32 currentPixelFormat() const override { return m_format; }
    int bytesPerLine() const override { return m_format == V4L2_PIX_FMT_YUYV ? m_size.width() * 2 : 0; }
    int imageSize() const override { return m_size.width() * m_size.height() * 2; }

    bool trySetFormat(const QSize &size, quint32 pixelFormat) override
    {
        if (m_running || m_cam->streaming || !m_cam->spec.formats.contains(pixelFormat))
            return false;
        m_format = pixelFormat;
        // Like a driver: it takes the nearest size it has.
        QSize best = m_cam->spec.sizes.value(0);
        for (const QSize &s : m_cam->spec.sizes) {
            if (qAbs(s.width() - size.width()) + qAbs(s.height() - size.height())
                < qAbs(best.width() - size.width()) + qAbs(best.height() - size.height()))
                best = s;
        }
        m_size = best;
        return best == size;
    }

    // Like a UVC camera: a few rates, the fastest one lower above two megapixels.
    int fastest() const
    {
        return m_size.width() * m_size.height() > 2100000 ? qMin(15, m_cam->spec.maxFps) : m_cam->spec.maxFps;
    }

    FrameTimes frameTimes() const override
    {
        FrameTimes t;
        for (int fps : {60, 30, 25, 20, 15, 10, 5}) {
            if (fps <= fastest())
                t.discrete.append(10000000 / fps);
        }
        return t;
    }

    double setFrameTime(int frameTime) override
    {
        if (frameTime <= 0)
            return 0;
        m_frameTime = frameTimes().nearest(frameTime);
        return frameRate();
    }

    double frameRate() const override
    {
        return m_frameTime > 0 ? qRound(1e8 / m_frameTime) / 10.0 : double(fastest()); // whole rates, as listed
    }

    CaptureFailure startFailure() const override { return m_failure; }

    QVector<FormatCapability> capabilities() const override
    {
        QVector<FormatCapability> caps;
        for (quint32 f : m_cam->spec.formats) {
            for (const QSize &s : m_cam->spec.sizes) {
                FormatCapability c;
                c.pixelFormat = f;
                c.minimum = c.maximum = s;
                caps.append(c);
            }
        }
        return caps;
    }

    bool start(FrameReceiver *receiver) override
    {
        m_failure = CaptureFailure::Other;
        if (m_running || !receiver || m_cam->unplugged)
            return false;
        if (m_cam->noBandwidth) {
            m_failure = CaptureFailure::Bandwidth;
            return false;
        }
        if (m_cam->streaming.exchange(true))
            return false;
        m_failure = CaptureFailure::None;
        m_stop = false;
        m_running = true;
        m_thread = std::thread([this, receiver] { run(receiver); });
        return true;
    }

    void stop() override
    {
        if (!m_running)
            return;
        {
            std::lock_guard<std::mutex> lock(m_wakeMutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
        m_running = false;
        m_cam->streaming = false;
    }

    QVector<ControlInfo> controls() const override
    {
        std::lock_guard<std::mutex> lock(m_cam->mutex);
        QVector<ControlInfo> list;
        for (const SimControl &c : qAsConst(m_cam->controls))
            list.append(c.info);
        return list;
    }

    bool queryControl(quint32 id, ControlInfo *info) const override
    {
        std::lock_guard<std::mutex> lock(m_cam->mutex);
        SimControl *c = m_cam->control(id);
        if (!c)
            return false;
        if (info)
            *info = c->info;
        return true;
    }

    bool getControl(quint32 id, qint32 *value) const override
    {
        std::lock_guard<std::mutex> lock(m_cam->mutex);
        SimControl *c = m_cam->control(id);
        if (!c)
            return false;
        if (value)
            *value = c->value;
        return true;
    }

    bool setControl(quint32 id, qint32 value) override { return m_cam->set(id, value); }

private:
    // Frame k of the drift cycle (slot kMotionFrames: held still), encoded on
    // first use and replayed after.
    const QByteArray &frame(int k, tjhandle tj)
    {
        QByteArray &out = m_frames[k];
        if (!out.isEmpty())
            return out;
        const QPoint d = k == kMotionFrames ? QPoint() : SimulatedBackend::driftAt(k);
        const int w = m_size.width();
        const int h = m_size.height();
        const uchar *src = m_base.constScanLine(kMargin + d.y()) + (kMargin + d.x()) * 4;
        int stride = m_base.bytesPerLine();
        QImage vignetted;
        if (m_optics.vignetting) {
            vignetted = m_base.copy(kMargin + d.x(), kMargin + d.y(), w, h);
            applyVignette(&vignetted);
            src = vignetted.constBits();
            stride = vignetted.bytesPerLine();
        }
        if (m_format == V4L2_PIX_FMT_MJPEG) {
            unsigned char *jpeg = nullptr;
            unsigned long size = 0;
            if (tjCompress2(tj, src, w, stride, h, TJPF_BGRX, &jpeg, &size, TJSAMP_422, 85, 0) == 0)
                out = QByteArray(reinterpret_cast<const char *>(jpeg), int(size));
            tjFree(jpeg);
        } else {
            out.resize(w * h * 2);
            libyuv::ARGBToYUY2(src, stride, reinterpret_cast<uchar *>(out.data()), w * 2, w, h);
        }
        return out;
    }

    void run(FrameReceiver *receiver)
    {
        crash::armCurrentThread();
        pthread_setname_np(pthread_self(), "vistrel-capture");
        tjhandle tj = tjInitCompress();
        const int minFrameTime = 10000000 / qMax(1, fastest());
        const auto interval = std::chrono::microseconds(qMax(m_frameTime, minFrameTime) / 10);
        int generation = -1;
        int k = 0;
        auto next = std::chrono::steady_clock::now();
        while (true) {
            {
                std::unique_lock<std::mutex> lock(m_wakeMutex);
                if (m_wake.wait_until(lock, next, [this] { return m_stop; }))
                    break;
            }
            next += interval;
            const auto now = std::chrono::steady_clock::now();
            if (next < now)
                next = now; // fell behind: do not burst
            if (m_cam->unplugged) {
                receiver->streamLost();
                break;
            }
            if (generation != m_cam->controlGeneration) {
                generation = m_cam->controlGeneration;
                // The slide is drawn again only when stage or focus moved.
                SimOptics optics = m_cam->optics();
                SimOptics drawn = optics;
                drawn.vignetting = false;
                if (m_scene.size() != m_size + QSize(2 * kMargin, 2 * kMargin) || drawn != m_drawn) {
                    m_scene = renderScene(m_size, drawn);
                    m_drawn = drawn;
                }
                m_optics = optics;
                m_base = m_scene.copy();
                applyLook(&m_base, lookOf(*m_cam));
                for (QByteArray &f : m_frames)
                    f.clear();
            }
            if (m_cam->paused)
                continue;
            if (m_cam->still.exchange(false))
                receiver->stillButtonPressed();
            const QByteArray &data = frame(m_cam->driftHeld ? kMotionFrames : k, tj);
            k = (k + 1) % kMotionFrames;
            if (data.isEmpty())
                continue;
            const std::size_t bytes = m_cam->damaged ? std::min<std::size_t>(64, std::size_t(data.size()))
                                                     : std::size_t(data.size());
            receiver->frameArrived(reinterpret_cast<const uchar *>(data.constData()), bytes);
            ++m_cam->sent;
        }
        tjDestroy(tj);
    }

    std::shared_ptr<SimulatedBackend::Camera> m_cam;
    QSize m_size;
    quint32 m_format;
    int m_frameTime = 0;
    CaptureFailure m_failure = CaptureFailure::None;
    QImage m_scene;
    QImage m_base;
    QByteArray m_frames[kMotionFrames + 1];
    SimOptics m_optics;
    SimOptics m_drawn;
    std::thread m_thread;
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_running = false;
};

} // namespace

SimulatedBackend::SimulatedBackend(const QVector<SimCameraSpec> &cameras)
{
    for (SimCameraSpec spec : cameras) {
        if (spec.formats.isEmpty())
            spec.formats = {V4L2_PIX_FMT_MJPEG, V4L2_PIX_FMT_YUYV};
        auto cam = std::make_shared<Camera>();
        cam->spec = spec;
        cam->path = QStringLiteral("sim:%1#vid_%2&pid_%3")
                        .arg(spec.tag)
                        .arg(spec.vendorId, 4, 16, QLatin1Char('0'))
                        .arg(spec.productId, 4, 16, QLatin1Char('0'));
        cam->controls = defaultControls();
        cam->updateInactive();
        m_cameras.append(cam);
    }
}

SimulatedBackend::~SimulatedBackend() = default;

std::shared_ptr<SimulatedBackend> SimulatedBackend::demo(int count)
{
    QVector<SimCameraSpec> specs;
    for (int i = 0; i < qBound(1, count, 4); ++i) {
        SimCameraSpec s;
        s.tag = QStringLiteral("demo-%1").arg(i + 1);
        s.port = QStringLiteral("9-%1").arg(i + 1);
        if (i % 2 == 1) {
            s.friendlyName = QStringLiteral("Simulated microscope 5M");
            s.productId = 0x0223;
            s.sizes = {{1280, 1024}, {1920, 1080}, {2048, 1536}, {2592, 1944}};
        }
        specs.append(s);
    }
    return std::make_shared<SimulatedBackend>(specs);
}

double SimulatedBackend::scalePitch(int frameWidth) { return frameWidth / 100.0; }

QVector<BackendDeviceInfo> SimulatedBackend::enumerate()
{
    QVector<BackendDeviceInfo> list;
    for (const auto &cam : qAsConst(m_cameras)) {
        if (cam->unplugged)
            continue;
        BackendDeviceInfo info;
        info.friendlyName = cam->spec.friendlyName;
        info.path = cam->path;
        info.port = cam->spec.port;
        for (quint32 f : cam->spec.formats) {
            for (const QSize &s : cam->spec.sizes) {
                FormatCapability c;
                c.pixelFormat = f;
                c.minimum = c.maximum = s;
                info.formats.append(c);
            }
        }
        list.append(info);
    }
    return list;
}

std::unique_ptr<BackendDevice> SimulatedBackend::open(const QString &path)
{
    for (const auto &cam : qAsConst(m_cameras)) {
        if (cam->path == path && !cam->unplugged && !cam->busy) {
            ++cam->opens;
            return std::make_unique<SimDevice>(cam);
        }
    }
    return nullptr;
}

QString SimulatedBackend::pathOf(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->path : QString();
}

void SimulatedBackend::pressStillButton(int index)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->still = true;
}

void SimulatedBackend::unplug(int index)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->unplugged = true;
}

void SimulatedBackend::setBusy(int index, bool busy)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->busy = busy;
}

int SimulatedBackend::openCount(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->opens.load() : 0;
}

void SimulatedBackend::setBandwidthExhausted(int index, bool exhausted)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->noBandwidth = exhausted;
}

void SimulatedBackend::setPaused(int index, bool paused)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->paused = paused;
}

void SimulatedBackend::setDamagedFrames(int index, bool damaged)
{
    if (index >= 0 && index < m_cameras.size())
        m_cameras[index]->damaged = damaged;
}

quint64 SimulatedBackend::framesSent(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->sent.load() : 0;
}

void SimulatedBackend::holdDrift(int index, bool hold)
{
    if (index >= 0 && index < m_cameras.size()) {
        m_cameras[index]->driftHeld = hold;
        ++m_cameras[index]->controlGeneration; // frames drawn again
    }
}

bool SimulatedBackend::setControl(int index, quint32 id, qint32 value)
{
    return index >= 0 && index < m_cameras.size() && m_cameras[index]->set(id, value);
}

SimOptics SimulatedBackend::optics(int index) const
{
    return index >= 0 && index < m_cameras.size() ? m_cameras[index]->optics() : SimOptics();
}

QPoint SimulatedBackend::driftAt(int phase)
{
    const double a = 2 * M_PI * (((phase % kMotionFrames) + kMotionFrames) % kMotionFrames) / kMotionFrames;
    return QPoint(qRound(std::cos(a) * kMargin * 0.6), qRound(std::sin(a) * kMargin * 0.4));
}

int SimulatedBackend::driftFrames() { return kMotionFrames; }

SimTruth SimulatedBackend::truth(int index, const QSize &size, int phase) const
{
    if (index < 0 || index >= m_cameras.size())
        return SimTruth();
    const bool held = m_cameras[index]->driftHeld;
    return truth(size, m_cameras[index]->optics(), held ? QPoint() : driftAt(phase));
}

SimTruth SimulatedBackend::truth(const QSize &size, const SimOptics &optics, const QPoint &drift)
{
    const Geometry g = geometryOf(size, optics);
    SimTruth t;
    t.frameSize = size;
    t.pxPerMicron = g.ppu;
    t.focusScale = g.scale;
    t.focusShift = g.shift;
    t.stageOffset = g.stage * g.scale;
    t.drift = drift;
    t.focalPlane = g.plane;
    t.depthOfField = kDofHalf;
    t.blurPerMicron = kBlurPerMicron * g.ppu * g.scale;
    t.vignetting = optics.vignetting;
    const QPointF origin(kMargin + drift.x(), kMargin + drift.y());
    const QRectF frame(QPointF(0, 0), QSizeF(size));
    auto disc = [&](const QPointF &c, double r, double rim, double height) {
        SimTruth::Disc d;
        d.centre = g.toScene.map(c) - origin;
        d.radius = (r + rim / 2) * g.scale;
        d.height = height;
        d.sigma = g.sigmaAt(height);
        if (QRectF(d.centre - QPointF(d.radius, d.radius), d.centre + QPointF(d.radius, d.radius)).intersects(frame))
            t.discs.append(d);
    };
    const double unit = size.width() / 64.0;
    for (const RestBlob &b : kBlobs)
        disc(QPointF(kMargin + b.x * size.width(), kMargin + b.y * size.height()), b.r * unit, qMax(1.0, unit * 0.15),
             b.height);
    for (const Mark &m : slideMarks(g)) {
        if (m.kind == Mark::Disc)
            disc(m.a, m.size, m.rim, m.height);
    }
    t.scalePitch = scalePitch(size.width()) * g.scale;
    t.firstTick = g.toScene.map(QPointF(kMargin + size.width() * 0.1, kMargin + size.height() * 0.5)) - origin;
    t.scaleAngle = 0;
    return t;
}

QImage SimulatedBackend::picture(int index, const QSize &size, int phase) const
{
    if (index < 0 || index >= m_cameras.size() || size.isEmpty())
        return QImage();
    Camera &cam = *m_cameras[index];
    SimOptics optics = cam.optics();
    const bool vignetting = optics.vignetting;
    optics.vignetting = false;
    QImage scene = renderScene(size, optics);
    applyLook(&scene, lookOf(cam));
    const QPoint d = cam.driftHeld ? QPoint() : driftAt(phase);
    QImage frame = scene.copy(kMargin + d.x(), kMargin + d.y(), size.width(), size.height());
    if (vignetting)
        applyVignette(&frame);
    return frame;
}

double SimTruth::sigmaAt(double height) const
{
    return blurPerMicron * qMax(0.0, qAbs(height - focalPlane) - depthOfField);
}

QPointF SimTruth::toPicture(const QPointF &micron) const
{
    const QPointF centre(frameSize.width() / 2.0, frameSize.height() / 2.0);
    const QPointF rest = micron * pxPerMicron;
    return centre + focusScale * (rest - centre) - stageOffset + focusShift - QPointF(drift);
}

double SimTruth::gainAt(const QPointF &p) const { return vignetting ? vignetteGain(frameSize, p) : 1.0; }
