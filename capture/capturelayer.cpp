#include "capture/capturelayer.h"

#include "capture/captureformats.h"
#include "capture/devicesettingsdialog.h"
#include "capture/devicetable.h"
#include "capture/framecallback.h"
#include "capture/frameconverter.h"
#include "capture/streamsetup.h"
#include "capture/subtypes.h"

#include <QDialog>
#include <QHash>
#include <QSet>

#include <linux/videodev2.h>

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

CaptureLayer::VideoDevice *CaptureLayer::device(const QString &path) const { return m_devices.value(path, nullptr); }

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
        const QVector<QSize> sizes = acceptedSizes(s.info.formats, row->sizes);
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
    d->offered = d->handle->capabilities();

    int negotiated = -1;
    if (d->tryDifferentSize)
        negotiated = negotiateFormat(d->handle.get(), d->offered, QSize(d->requestedWidth, d->requestedHeight),
                                     d->requestedSubtype);
    if (negotiated >= 0) {
        d->currentSubtype = negotiated;
    } else {
        // Nothing asked for could be set: stream what the device runs now.
        const int index = subtype::indexOfPixelFormat(d->handle->currentPixelFormat());
        if (index < 0 || !FrameConverter::isSupported(d->handle->currentPixelFormat())) {
            captureLog("ERROR: Couldn't config the stream!\n");
            return false;
        }
        d->currentSubtype = index;
    }

    d->grantedRate = applyFrameTime(d->handle.get(), d->requestedFrameTime);

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

bool CaptureLayer::getSetting(const QString &path, bool camera, int property, VideoSetting *setting, bool printCurrent)
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
                   name.constData(), long(info.minimum), long(info.maximum), long(info.step), long(info.defaultValue),
                   flags);
        qint32 value = info.defaultValue;
        dev->getControl(id, &value);
        if (printCurrent)
            captureLog("Current value: %ld Flags %ld (%s)\n", long(value), flags, settingFlagsName(flags));
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

bool CaptureLayer::setSetting(const QString &path, bool camera, int property, long value, long flags, bool useDefault)
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

QDialog *CaptureLayer::settingsWindow(const QString &path) const { return m_dialogs.value(path).data(); }

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

QStringList CaptureLayer::lockedInputs(const QString &path) const
{
    const VideoDevice *d = device(path);
    return d && d->handle ? d->handle->lockedInputs() : QStringList();
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
