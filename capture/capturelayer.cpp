#include "capture/capturelayer.h"

#include "capture/devicesettingsdialog.h"
#include "capture/devicetable.h"
#include "capture/framecallback.h"
#include "capture/frameconverter.h"
#include "capture/subtypes.h"

#include <QDialog>
#include <QHash>
#include <QSet>

#include <linux/videodev2.h>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

std::atomic<bool> g_verbose{true};
std::mutex g_hookMutex;
std::function<void(const QByteArray &)> g_hook;

quint32 filterControlId(int property)
{
    switch (property) {
    case VideoProcAmp::Brightness: return V4L2_CID_BRIGHTNESS;
    case VideoProcAmp::Contrast: return V4L2_CID_CONTRAST;
    case VideoProcAmp::Hue: return V4L2_CID_HUE;
    case VideoProcAmp::Saturation: return V4L2_CID_SATURATION;
    case VideoProcAmp::Sharpness: return V4L2_CID_SHARPNESS;
    case VideoProcAmp::Gamma: return V4L2_CID_GAMMA;
    case VideoProcAmp::WhiteBalance: return V4L2_CID_AUTO_WHITE_BALANCE;
    case VideoProcAmp::BacklightCompensation: return V4L2_CID_BACKLIGHT_COMPENSATION;
    case VideoProcAmp::Gain: return V4L2_CID_GAIN;
    case VideoProcAmp::RedBalance: return V4L2_CID_RED_BALANCE;
    case VideoProcAmp::BlueBalance: return V4L2_CID_BLUE_BALANCE;
    case VideoProcAmp::WhiteBalanceTemperature: return V4L2_CID_WHITE_BALANCE_TEMPERATURE;
    default: return 0; // colour enable has no counterpart
    }
}

quint32 cameraControlId(int property)
{
    switch (property) {
    case CameraControl::Pan: return V4L2_CID_PAN_ABSOLUTE;
    case CameraControl::Tilt: return V4L2_CID_TILT_ABSOLUTE;
    case CameraControl::Zoom: return V4L2_CID_ZOOM_ABSOLUTE;
    case CameraControl::Exposure: return V4L2_CID_EXPOSURE_ABSOLUTE;
    case CameraControl::Iris: return V4L2_CID_IRIS_ABSOLUTE;
    case CameraControl::Focus: return V4L2_CID_FOCUS_ABSOLUTE;
    default: return 0;
    }
}

QByteArray propertyLogName(bool camera, int property)
{
    static const char *const amp[] = {"Brightness", "Contrast", "Hue", "Saturation", "Sharpness", "Gamma", "ColorEnable"};
    static const char *const cam[] = {"Pan", "Tilt", "Roll", "Zoom", "Exposure", "Iris", "Focus"};
    if (camera)
        return property >= 0 && property <= 6 ? QByteArray(cam[property]) : QByteArray::number(uint(property));
    if (property >= 0 && property <= 6)
        return amp[property];
    if (property == VideoProcAmp::Gain)
        return "Gain";
    return QByteArray::number(uint(property));
}

const char *flagsName(long flags)
{
    return flags == 1 ? "Auto" : flags == 2 ? "Manual" : "Unknown";
}

// Sizes of one capability that the model row allows.
void collectSizes(const FormatCapability &cap, const QVector<QSize> &allowed, QVector<QSize> *out)
{
    if (cap.isDiscrete()) {
        out->append(cap.minimum);
        return;
    }
    for (const QSize &s : allowed) {
        if (cap.contains(s))
            out->append(s);
    }
}

// Nearest value of min, min+step, ... max to `want`; ties keep the earlier.
int nearestOnGrid(int min, int max, int step, int want, bool *exact)
{
    *exact = false;
    int best = 999999;
    for (int v = min; v <= max; v += step) {
        if (v == want) {
            *exact = true;
            return v;
        }
        if (std::abs(v - want) < std::abs(best - want))
            best = v;
        if (v > want)
            break; // the grid only moves away from here
    }
    return best;
}

} // namespace

bool FormatCapability::contains(const QSize &size) const
{
    if (size.width() < minimum.width() || size.width() > maximum.width() || size.height() < minimum.height()
        || size.height() > maximum.height())
        return false;
    const int sw = stepWidth > 0 ? stepWidth : 1;
    const int sh = stepHeight > 0 ? stepHeight : 1;
    return (size.width() - minimum.width()) % sw == 0 && (size.height() - minimum.height()) % sh == 0;
}

int FrameTimes::nearest(int frameTime) const
{
    if (frameTime <= 0)
        return frameTime;
    // Nearest in frames per second; between two as near, the faster.
    const double want = 1e7 / frameTime;
    auto better = [&](int t, int best) {
        const double a = std::abs(1e7 / t - want);
        const double b = std::abs(1e7 / best - want);
        return a < b - 0.01 || (std::abs(a - b) <= 0.01 && t < best);
    };
    int best = 0;
    for (int t : discrete) {
        if (t > 0 && (best == 0 || better(t, best)))
            best = t;
    }
    if (discrete.isEmpty() && maximum > 0) {
        const int step = qMax(1, this->step);
        const int clamped = qBound(minimum, frameTime, maximum);
        const int below = minimum + (clamped - minimum) / step * step;
        best = below;
        if (below + step <= maximum && better(below + step, below))
            best = below + step;
    }
    return best > 0 ? best : frameTime;
}

void captureLog(const char *format, ...)
{
    if (!g_verbose.load())
        return;
    char line[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    fputs(line, stdout);
    fflush(stdout);
    std::lock_guard<std::mutex> lock(g_hookMutex);
    if (g_hook)
        g_hook(QByteArray(line));
}

void setCaptureVerbose(bool on)
{
    g_verbose = on;
}

bool captureVerbose()
{
    return g_verbose;
}

void setCaptureLogHook(std::function<void(const QByteArray &)> hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}

struct CaptureLayer::VideoDevice
{
    QString path;
    int frameSize = 0;
    int width = 0;
    int height = 0;
    int requestedWidth = 640;
    int requestedHeight = 480;
    int requestedSubtype = subtype::kRgb24;
    std::shared_ptr<CaptureBackend> backend;
    std::unique_ptr<BackendDevice> handle;
    int currentSubtype = subtype::kRgb24;
    std::unique_ptr<FrameCallback> callback;
    bool tryDifferentSize = true;
    bool readyToCapture = false;
    bool sizeSet = false;
    bool setupStarted = false;
    bool specificFormat = false;
    int requestedFrameTime = -1;
    double grantedRate = 0;
    CaptureFailure failure = CaptureFailure::None;
    QString modelName;
    QString displayName;
    QVector<QSize> sizes;
    int modelCode = 0;
    QVector<FormatCapability> offered; // read at setup
};

CaptureLayer::CaptureLayer() = default;

CaptureLayer::~CaptureLayer()
{
    stopAll();
    for (auto it = m_dialogs.begin(); it != m_dialogs.end(); ++it)
        delete it.value().data();
    qDeleteAll(m_devices);
}

void CaptureLayer::setBackends(const QVector<std::shared_ptr<CaptureBackend>> &backends)
{
    stopAll();
    for (auto it = m_dialogs.begin(); it != m_dialogs.end(); ++it)
        delete it.value().data();
    m_dialogs.clear();
    qDeleteAll(m_devices);
    m_devices.clear();
    m_pathBackend.clear();
    m_accepted.clear();
    m_backends = backends;
}

void CaptureLayer::addBackend(const std::shared_ptr<CaptureBackend> &backend)
{
    if (backend && !m_backends.contains(backend))
        m_backends.append(backend);
}

bool CaptureLayer::setUseCallback(bool use)
{
    if (m_anySetup) {
        captureLog("ERROR: setUseCallback can only be called before setup\n");
        return false;
    }
    m_useCallback = use;
    return true;
}

CaptureLayer::VideoDevice *CaptureLayer::device(const QString &path) const
{
    return m_devices.value(path, nullptr);
}

int CaptureLayer::enumerateDevices(bool silent)
{
    struct Seen
    {
        BackendDeviceInfo info;
        std::shared_ptr<CaptureBackend> backend;
    };
    QVector<Seen> seen;
    QVector<Seen> locked;
    for (const auto &backend : m_backends) {
        for (const BackendDeviceInfo &info : backend->enumerate()) {
            if (info.accessible)
                seen.append({info, backend});
            else
                locked.append({info, backend});
        }
    }
    // The 10 s rescan and every hot-plug event land here: say only what changed.
    QStringList scan;
    for (const Seen &s : qAsConst(seen))
        scan << s.info.friendlyName + QLatin1Char('\n') + s.info.path;
    for (const Seen &s : qAsConst(locked))
        scan << QStringLiteral("locked\n") + s.info.path;
    const bool print = !silent && scan != m_lastScan;
    m_lastScan = scan;
    if (print) {
        captureLog("\nCAPTURE DEVICE SCAN\n\n");
        if (!seen.isEmpty())
            captureLog("SETUP: Looking For Capture Devices\n");
        for (int i = 0; i < seen.size(); ++i)
            captureLog("SETUP: %i) %s \n", i, seen[i].info.friendlyName.left(253).toLocal8Bit().constData());
        for (const Seen &s : qAsConst(locked))
            captureLog("SETUP: %s (%s) cannot be opened: permission denied\n",
                       s.info.friendlyName.left(253).toLocal8Bit().constData(), qPrintable(s.info.path));
        captureLog("SETUP: %i Device(s) found\n\n", int(seen.size()));
    }

    m_accepted.clear();
    m_locked.clear();
    m_pathBackend.clear();
    for (const Seen &s : qAsConst(seen)) {
        m_pathBackend.insert(s.info.path, s.backend);
        const std::optional<DeviceModelEntry> row = findDeviceModel(s.info.path);
        if (!row)
            continue;
        QVector<QSize> sizes;
        for (const FormatCapability &cap : s.info.formats) {
            if (FrameConverter::isSupported(cap.pixelFormat))
                collectSizes(cap, row->sizes, &sizes);
        }
        sizes.erase(std::remove_if(sizes.begin(), sizes.end(),
                                   [&](const QSize &sz) { return !row->sizes.contains(sz); }),
                    sizes.end());
        // Width breaks area ties so that equal sizes always end up side by side.
        std::stable_sort(sizes.begin(), sizes.end(), [](const QSize &a, const QSize &b) {
            const qint64 aa = qint64(a.width()) * a.height();
            const qint64 bb = qint64(b.width()) * b.height();
            return aa != bb ? aa < bb : a.width() < b.width();
        });
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
        if (!sizes.isEmpty()) {
            CameraDeviceInfo info;
            info.modelName = row->modelName;
            info.devicePath = s.info.path;
            info.sizes = sizes;
            info.modelCode = row->modelCode;
            info.port = s.info.port;
            m_accepted.append(info);
        }
    }
    for (const Seen &s : qAsConst(locked)) {
        const std::optional<DeviceModelEntry> row = findDeviceModel(s.info.path);
        if (!row)
            continue; // not a microscope we know: as if it were not there
        CameraDeviceInfo info;
        info.modelName = row->modelName;
        info.devicePath = s.info.path;
        info.modelCode = row->modelCode;
        info.port = s.info.port;
        info.accessible = false;
        m_locked.append(info);
    }
    nameDevices();
    return seen.size();
}

void CaptureLayer::nameDevices()
{
    QVector<CameraDeviceInfo *> all;
    for (CameraDeviceInfo &d : m_accepted)
        all.append(&d);
    for (CameraDeviceInfo &d : m_locked)
        all.append(&d);
    QHash<QString, int> models;
    for (const CameraDeviceInfo *d : qAsConst(all))
        ++models[d->modelName];
    QHash<QString, int> portless;
    QSet<QString> used;
    for (CameraDeviceInfo *d : qAsConst(all)) {
        QString name = d->modelName;
        if (models.value(d->modelName) > 1) {
            // The port stays the same across restarts while the camera stays in it.
            if (!d->port.isEmpty()) {
                name += QStringLiteral(" (USB %1)").arg(d->port);
            } else {
                const int n = ++portless[d->modelName];
                if (n > 1)
                    name += QStringLiteral(" #%1").arg(n);
            }
        }
        QString unique = name;
        for (int k = 2; used.contains(unique); ++k)
            unique = name + QStringLiteral(" #%1").arg(k); // two capture nodes of one camera
        used.insert(unique);
        d->displayName = unique;
    }
    for (const CameraDeviceInfo &d : qAsConst(m_accepted)) {
        if (VideoDevice *v = device(d.devicePath))
            v->displayName = d.displayName;
    }
}

void CaptureLayer::syncDevices(const QVector<CameraDeviceInfo> &accepted)
{
    QStringList keep;
    for (const CameraDeviceInfo &info : accepted) {
        keep.append(info.devicePath);
        if (m_devices.contains(info.devicePath))
            continue;
        auto *d = new VideoDevice;
        d->path = info.devicePath;
        d->modelName = info.modelName;
        d->displayName = info.displayName;
        d->sizes = info.sizes;
        d->modelCode = info.modelCode;
        d->backend = m_pathBackend.value(info.devicePath);
        d->callback = std::make_unique<FrameCallback>(d->path);
        m_devices.insert(d->path, d);
    }
    for (auto it = m_devices.begin(); it != m_devices.end();) {
        if (keep.contains(it.key())) {
            ++it;
            continue;
        }
        VideoDevice *d = it.value();
        if (d->readyToCapture)
            teardown(d);
        delete m_dialogs.take(it.key()).data();
        delete d;
        it = m_devices.erase(it);
    }
}

bool CaptureLayer::setAttemptCaptureSize(const QString &path, int width, int height, quint32 subtypeCode)
{
    VideoDevice *d = device(path);
    if (!d)
        return false;
    const int index = subtype::indexOfCode(subtypeCode);
    d->requestedWidth = width;
    d->requestedHeight = height;
    d->requestedSubtype = index >= 0 ? index : subtype::kRgb24;
    d->tryDifferentSize = true;
    return true;
}

bool CaptureLayer::setIdealFramerate(const QString &path, int fps)
{
    VideoDevice *d = device(path);
    if (!d || d->readyToCapture || fps < 1)
        return false;
    d->requestedFrameTime = 10000000 / fps;
    return true;
}

bool CaptureLayer::setupDevice(const QString &path, int width, int height, int fourcc)
{
    VideoDevice *d = device(path);
    if (!d)
        return false;
    if (!d->readyToCapture) {
        if (fourcc == -1) {
            setAttemptCaptureSize(path, width, height, subtype::rgb24Code());
        } else {
            const int index = subtype::indexOfCode(quint32(fourcc));
            if (index >= 0)
                setAttemptCaptureSize(path, width, height, subtype::at(index).code);
        }
    }
    return setupDevice(path);
}

bool CaptureLayer::setupDevice(const QString &path)
{
    VideoDevice *d = device(path);
    if (!d)
        return false;
    if (d->readyToCapture) {
        captureLog("SETUP: can't setup, device %s is currently being used\n", qPrintable(path));
        return false;
    }
    m_anySetup = true;
    if (runSetup(d))
        return true;
    teardown(d);
    // A failed attempt leaves a clean record, so the next one may pick another size.
    resetRecord(path, true);
    return false;
}

bool CaptureLayer::runSetup(VideoDevice *d)
{
    d->setupStarted = true;
    captureLog("SETUP: Setting up device %s\n", qPrintable(d->path));

    if (d->backend)
        d->handle = d->backend->open(d->path);
    if (!d->handle) {
        captureLog("ERROR - Could not find specified video device\n");
        return false;
    }
    const QSize defaultSize = d->handle->currentSize();
    d->offered = d->handle->capabilities();

    bool found = false;
    if (d->tryDifferentSize) {
        captureLog("SETUP: Default Format is set to %i by %i \n", defaultSize.width(), defaultSize.height());
        captureLog("SETUP: trying specified format %s @ %i by %i\n", subtype::at(d->requestedSubtype).name,
                   d->requestedWidth, d->requestedHeight);
        found = attemptSize(d, d->requestedWidth, d->requestedHeight, d->requestedSubtype);
        for (int i = 0; !found && i < subtype::kCount; ++i) {
            if (!FrameConverter::isSupported(subtype::at(i).pixelFormat))
                continue; // never offered by this platform
            captureLog("SETUP: trying format %s @ %i by %i\n", subtype::at(i).name, d->requestedWidth,
                       d->requestedHeight);
            found = attemptSize(d, d->requestedWidth, d->requestedHeight, i);
        }
        if (!found) {
            captureLog("SETUP: couldn't find requested size - searching for closest matching size\n");
            int w = 0;
            int h = 0;
            int index = -1;
            if (closestSize(d, &w, &h, &index)) {
                captureLog("SETUP: closest supported size is %s @ %i %i\n", subtype::at(index).name, w, h);
                found = attemptSize(d, w, h, index);
            }
        }
    }
    if (!found) {
        const int index = subtype::indexOfPixelFormat(d->handle->currentPixelFormat());
        if (index < 0 || !FrameConverter::isSupported(d->handle->currentPixelFormat())) {
            captureLog("ERROR: Couldn't config the stream!\n");
            return false;
        }
        d->currentSubtype = index;
    }

    applyFrameRate(d);

    const QSize size = d->handle->currentSize();
    if (!d->sizeSet) {
        d->width = size.width();
        d->height = size.height();
        d->frameSize = d->width * d->height * 4;
        d->sizeSet = true;
        if (m_client)
            m_client->initBuffer(d->path, d->width, d->height);
    } else {
        captureLog("SETUP: Error device size should not be set more than once \n");
    }
    if (!d->callback->setFormat(d->handle->currentPixelFormat(), d->width, d->height, d->handle->bytesPerLine(),
                                d->handle->imageSize())) {
        captureLog("ERROR: Couldn't config the stream!\n");
        return false;
    }
    if (m_useCallback) {
        if (m_client)
            d->callback->setOutput(m_client->frameOutput(d->path));
        captureLog("SETUP: Capture callback set\n");
    }
    if (!d->handle->start(d->callback.get())) {
        d->failure = d->handle->startFailure();
        captureLog("ERROR: Could not start graph\n");
        if (d->failure == CaptureFailure::Bandwidth)
            captureLog("ERROR: USB bandwidth exhausted for %s\n", qPrintable(d->path));
        return false;
    }
    d->failure = CaptureFailure::None;
    captureLog("SETUP: Device is setup and ready to capture.\n\n");
    d->readyToCapture = true;
    return true;
}

bool CaptureLayer::attemptSize(VideoDevice *d, int width, int height, int subtypeIndex)
{
    const quint32 format = subtype::at(subtypeIndex).pixelFormat;
    if (!FrameConverter::isSupported(format) || width <= 0 || height <= 0)
        return false;
    // Each format change is a round trip to the camera; skip what it never offers.
    bool offered = false;
    for (const FormatCapability &cap : qAsConst(d->offered))
        offered = offered || (cap.pixelFormat == format && cap.contains(QSize(width, height)));
    if (!offered)
        return false;
    const QSize saved = d->handle->currentSize();
    const quint32 savedFormat = d->handle->currentPixelFormat();
    if (d->handle->trySetFormat(QSize(width, height), format)) {
        d->currentSubtype = subtypeIndex;
        return true;
    }
    // A size the device lists may still come back adjusted (1080 rows as
    // 1088, say). Near enough in the same format, take the device's answer:
    // the frames are sized from it.
    const QSize got = d->handle->currentSize();
    if (d->handle->currentPixelFormat() == format && got.isValid() && got != QSize(width, height)
        && std::abs(got.width() - width) <= 16
        && std::abs(got.height() - height) <= 16) {
        captureLog("SETUP: the device adjusted %i by %i to %i by %i\n", width, height, got.width(), got.height());
        d->currentSubtype = subtypeIndex;
        return true;
    }
    d->handle->trySetFormat(saved, savedFormat);
    return false;
}

bool CaptureLayer::closestSize(VideoDevice *d, int *width, int *height, int *subtypeIndex) const
{
    const int wantW = d->requestedWidth;
    const int wantH = d->requestedHeight;
    int bestW = 9999999;
    int bestH = 9999999;
    int bestIndex = -1;
    qint64 bestDistance = std::abs(qint64(bestW) - wantW) + std::abs(qint64(bestH) - wantH);
    for (const FormatCapability &cap : qAsConst(d->offered)) {
        const int index = subtype::indexOfPixelFormat(cap.pixelFormat);
        if (index < 0 || !FrameConverter::isSupported(cap.pixelFormat))
            continue;
        const int stepW = cap.isDiscrete() ? 1 : cap.stepWidth;
        const int stepH = cap.isDiscrete() ? 1 : cap.stepHeight;
        if (stepW <= 0 || stepH <= 0)
            continue;
        bool exactW = false;
        bool exactH = false;
        const int w = nearestOnGrid(cap.minimum.width(), cap.maximum.width(), stepW, wantW, &exactW);
        const int h = nearestOnGrid(cap.minimum.height(), cap.maximum.height(), stepH, wantH, &exactH);
        if (exactW && exactH) {
            *width = wantW;
            *height = wantH;
            *subtypeIndex = index;
            return true;
        }
        const qint64 distance = std::abs(qint64(h) - wantH) + std::abs(qint64(w) - wantW);
        if (distance < bestDistance) {
            bestDistance = distance;
            bestW = w;
            bestH = h;
            bestIndex = index;
        }
    }
    if (bestIndex < 0)
        return false;
    *width = bestW;
    *height = bestH;
    *subtypeIndex = bestIndex;
    return true;
}

void CaptureLayer::applyFrameRate(VideoDevice *d)
{
    if (d->requestedFrameTime <= 0) {
        d->grantedRate = d->handle->frameRate();
        return;
    }
    // Ask for an interval the device offers at this size and format, then
    // keep what it says it granted.
    const FrameTimes offered = d->handle->frameTimes();
    const int want = offered.nearest(d->requestedFrameTime);
    const double granted = d->handle->setFrameTime(want);
    d->grantedRate = granted > 0 ? granted : d->handle->frameRate();
    const double asked = 1e7 / d->requestedFrameTime;
    if (d->grantedRate > 0 && std::abs(d->grantedRate - asked) > 0.01)
        captureLog("SETUP: asked for %.2f fps, the device runs at %.2f fps\n", asked, d->grantedRate);
}

void CaptureLayer::teardown(VideoDevice *d)
{
    if (!d->handle)
        return;
    captureLog("\nSETUP: Disconnecting device %s\n", qPrintable(d->path));
    d->handle->stop();
    d->callback->clearOutput();
    d->handle.reset();
    d->readyToCapture = false;
    captureLog("SETUP: Device %s disconnected and freed\n\n", qPrintable(d->path));
}

std::unique_ptr<CaptureLayer::VideoDevice> CaptureLayer::freshRecord(const VideoDevice &old) const
{
    auto d = std::make_unique<VideoDevice>();
    d->path = old.path;
    d->modelName = old.modelName;
    d->displayName = old.displayName;
    d->sizes = old.sizes;
    d->modelCode = old.modelCode;
    d->backend = old.backend;
    d->callback = std::make_unique<FrameCallback>(d->path);
    return d;
}

void CaptureLayer::resetRecord(const QString &path, bool keepRequests)
{
    VideoDevice *old = device(path);
    if (!old)
        return;
    std::unique_ptr<VideoDevice> d = freshRecord(*old);
    if (keepRequests) {
        d->requestedWidth = old->requestedWidth;
        d->requestedHeight = old->requestedHeight;
        d->requestedSubtype = old->requestedSubtype;
        d->requestedFrameTime = old->requestedFrameTime;
        d->failure = old->failure;
    }
    delete old;
    m_devices[path] = d.release();
}

bool CaptureLayer::stopDevice(const QString &path)
{
    VideoDevice *d = device(path);
    if (!d)
        return false;
    teardown(d);
    resetRecord(path, false);
    return true;
}

void CaptureLayer::stopAll()
{
    for (VideoDevice *d : qAsConst(m_devices))
        teardown(d);
}

bool CaptureLayer::isDeviceSetup(const QString &path) const
{
    VideoDevice *d = device(path);
    return d && d->readyToCapture;
}

int CaptureLayer::width(const QString &path) const
{
    VideoDevice *d = device(path);
    return d && d->readyToCapture ? d->width : 0;
}

int CaptureLayer::height(const QString &path) const
{
    VideoDevice *d = device(path);
    return d && d->readyToCapture ? d->height : 0;
}

int CaptureLayer::fourcc(const QString &path) const
{
    VideoDevice *d = device(path);
    return d && d->readyToCapture ? int(subtype::at(d->currentSubtype).code) : 0;
}

double CaptureLayer::framesPerSecond(const QString &path) const
{
    VideoDevice *d = device(path);
    if (!d || d->requestedFrameTime <= 0)
        return 0.0;
    return 10000000.0 / d->requestedFrameTime;
}

bool CaptureLayer::withDevice(const QString &path, const std::function<bool(BackendDevice *)> &fn)
{
    VideoDevice *d = device(path);
    if (!d)
        return false;
    if (d->handle)
        return fn(d->handle.get());
    std::unique_ptr<BackendDevice> temporary = d->backend ? d->backend->open(path) : nullptr;
    if (!temporary)
        return false;
    return fn(temporary.get());
}

bool CaptureLayer::getSetting(const QString &path, bool camera, int property, VideoSetting *setting,
                              bool printCurrent)
{
    if (!device(path))
        return false;
    const quint32 id = camera ? cameraControlId(property) : filterControlId(property);
    bool reached = false;
    const bool ok = withDevice(path, [&](BackendDevice *dev) {
        reached = true;
        const QByteArray name = propertyLogName(camera, property);
        captureLog("Setting video setting %s.\n", name.constData());
        ControlInfo info;
        if (id == 0 || !dev->queryControl(id, &info))
            return false;
        long flags = 2;
        if (camera && property == CameraControl::Exposure) {
            qint32 mode = 0;
            if (dev->getControl(V4L2_CID_EXPOSURE_AUTO, &mode))
                flags = mode == V4L2_EXPOSURE_MANUAL ? 2 : 1;
        }
        captureLog("Range for video setting %s: Min:%ld Max:%ld SteppingDelta:%ld Default:%ld Flags:%ld\n",
                   name.constData(), long(info.minimum), long(info.maximum), long(info.step),
                   long(info.defaultValue), flags);
        qint32 value = info.defaultValue;
        dev->getControl(id, &value);
        if (printCurrent)
            captureLog("Current value: %ld Flags %ld (%s)\n", long(value), flags, flagsName(flags));
        if (setting) {
            setting->minimum = info.minimum;
            setting->maximum = info.maximum;
            setting->step = info.step;
            setting->defaultValue = info.defaultValue;
            setting->flags = flags;
            setting->current = value;
        }
        return true;
    });
    if (!reached)
        captureLog("setVideoSetting - getDevice Error\n");
    return ok;
}

bool CaptureLayer::setSetting(const QString &path, bool camera, int property, long value, long flags,
                              bool useDefault)
{
    VideoSetting range;
    if (!getSetting(path, camera, property, &range, true))
        return false;
    if (useDefault) {
        value = range.defaultValue;
        flags = 1;
    }
    const quint32 id = camera ? cameraControlId(property) : filterControlId(property);
    const bool exposure = camera && property == CameraControl::Exposure;
    return withDevice(path, [&](BackendDevice *dev) {
        if (exposure && flags != 0) {
            ControlInfo mode;
            if (dev->queryControl(V4L2_CID_EXPOSURE_AUTO, &mode)) {
                qint32 automatic = V4L2_EXPOSURE_APERTURE_PRIORITY;
                for (const auto &entry : mode.menu) {
                    if (entry.first == V4L2_EXPOSURE_AUTO)
                        automatic = V4L2_EXPOSURE_AUTO;
                }
                if (!dev->setControl(V4L2_CID_EXPOSURE_AUTO, flags == 1 ? automatic : V4L2_EXPOSURE_MANUAL))
                    return false;
            }
            if (flags == 1)
                return true; // the device picks the exposure time itself
        }
        const long clamped = qBound(range.minimum, value, range.maximum);
        return dev->setControl(id, qint32(clamped));
    });
}

bool CaptureLayer::getVideoSettingFilter(const QString &path, int property, VideoSetting *setting)
{
    return getSetting(path, false, property, setting, false);
}

bool CaptureLayer::setVideoSettingFilter(const QString &path, int property, long value, long flags, bool useDefault)
{
    return setSetting(path, false, property, value, flags, useDefault);
}

bool CaptureLayer::getVideoSettingCamera(const QString &path, int property, VideoSetting *setting)
{
    return getSetting(path, true, property, setting, false);
}

bool CaptureLayer::setVideoSettingCamera(const QString &path, int property, long value, long flags, bool useDefault)
{
    return setSetting(path, true, property, value, flags, useDefault);
}

bool CaptureLayer::setExposureMode(const QString &path, bool automatic)
{
    if (!device(path))
        return false;
    return withDevice(path, [&](BackendDevice *dev) {
        ControlInfo mode;
        if (!dev->queryControl(V4L2_CID_EXPOSURE_AUTO, &mode))
            return false;
        qint32 value = V4L2_EXPOSURE_MANUAL;
        if (automatic) {
            value = V4L2_EXPOSURE_APERTURE_PRIORITY;
            for (const auto &entry : mode.menu) {
                if (entry.first == V4L2_EXPOSURE_AUTO)
                    value = V4L2_EXPOSURE_AUTO;
            }
        }
        return dev->setControl(V4L2_CID_EXPOSURE_AUTO, value);
    });
}

bool CaptureLayer::showSettingsWindow(const QString &path, QWidget *parent)
{
    VideoDevice *d = device(path);
    if (!d || !d->readyToCapture)
        return false;
    QPointer<QDialog> &dialog = m_dialogs[path];
    if (!dialog) {
        dialog = new DeviceSettingsDialog(this, path, parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return true;
}

QDialog *CaptureLayer::settingsWindow(const QString &path) const
{
    return m_dialogs.value(path).data();
}

QVector<ControlInfo> CaptureLayer::deviceControls(const QString &path)
{
    QVector<ControlInfo> result;
    withDevice(path, [&](BackendDevice *dev) {
        result = dev->controls();
        return true;
    });
    return result;
}

bool CaptureLayer::getDeviceControl(const QString &path, quint32 id, qint32 *value)
{
    return withDevice(path, [&](BackendDevice *dev) { return dev->getControl(id, value); });
}

bool CaptureLayer::setDeviceControl(const QString &path, quint32 id, qint32 value)
{
    return withDevice(path, [&](BackendDevice *dev) { return dev->setControl(id, value); });
}

QString CaptureLayer::modelName(const QString &path) const
{
    VideoDevice *d = device(path);
    return d ? d->modelName : QString();
}

QString CaptureLayer::displayName(const QString &path) const
{
    VideoDevice *d = device(path);
    return d ? (d->displayName.isEmpty() ? d->modelName : d->displayName) : QString();
}

double CaptureLayer::grantedFramesPerSecond(const QString &path) const
{
    VideoDevice *d = device(path);
    return d && d->readyToCapture ? d->grantedRate : 0.0;
}

CaptureFailure CaptureLayer::lastFailure(const QString &path) const
{
    VideoDevice *d = device(path);
    return d ? d->failure : CaptureFailure::None;
}

FrameCallback *CaptureLayer::frameCallback(const QString &path)
{
    VideoDevice *d = device(path);
    return d ? d->callback.get() : nullptr;
}

const FrameCallback *CaptureLayer::frameCallback(const QString &path) const
{
    VideoDevice *d = device(path);
    return d ? d->callback.get() : nullptr;
}
