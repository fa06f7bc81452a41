#include "capture/camerahub.h"

#include <QRegularExpression>

#include "capture/udevmonitor.h"
#include "capture/simbackend.h"
#include "capture/subtypes.h"
#include "capture/v4l2backend.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>

#include <linux/videodev2.h>

#include <cmath>

namespace {

const QEvent::Type kFrameEventType = QEvent::Type(QEvent::registerEventType());

// Amplifier property behind a code, -1 when the code is not one.
int filterProperty(int code)
{
    switch (code) {
    case CameraHub::Brightness: return VideoProcAmp::Brightness;
    case CameraHub::Contrast: return VideoProcAmp::Contrast;
    case CameraHub::Saturation: return VideoProcAmp::Saturation;
    case CameraHub::Hue: return VideoProcAmp::Hue;
    case CameraHub::Gain: return VideoProcAmp::Gain;
    case CameraHub::WhiteBalance: return VideoProcAmp::WhiteBalance;
    case CameraHub::ColorEnable: return VideoProcAmp::ColorEnable;
    case CameraHub::Sharpness: return VideoProcAmp::Sharpness;
    case CameraHub::Gamma: return VideoProcAmp::Gamma;
    case CameraHub::BacklightCompensation: return VideoProcAmp::BacklightCompensation;
    case CameraHub::RedGain: return VideoProcAmp::RedBalance;
    case CameraHub::BlueGain: return VideoProcAmp::BlueBalance;
    case CameraHub::ColourTemperature: return VideoProcAmp::WhiteBalanceTemperature;
    default: return -1;
    }
}

int cameraProperty(int code)
{
    switch (code) {
    case CameraHub::Exposure: return CameraControl::Exposure;
    case CameraHub::Zoom: return CameraControl::Zoom;
    case CameraHub::Focus: return CameraControl::Focus;
    case CameraHub::Pan: return CameraControl::Pan;
    case CameraHub::Tilt: return CameraControl::Tilt;
    case CameraHub::Roll: return CameraControl::Roll;
    case CameraHub::Iris: return CameraControl::Iris;
    default: return -1;
    }
}

} // namespace

FrameEvent::FrameEvent(const QString &id, bool capture, quint64 s, bool gone, CaptureFailure why)
    : QEvent(kFrameEventType)
    , needCapture(capture)
    , camId(id)
    , serial(s)
    , lost(gone)
    , failure(why)
{}

QEvent::Type FrameEvent::eventType() { return kFrameEventType; }

CameraHub *CameraHub::instance()
{
    static CameraHub *hub = [] {
        auto *h = new CameraHub;
        if (QCoreApplication *app = QCoreApplication::instance()) {
            h->moveToThread(app->thread());
            // Capture threads and settings windows end while the application
            // still exists.
            qAddPostRoutine([] { CameraHub::instance()->setBackends({}); });
        }
        return h;
    }();
    return hub;
}

CameraHub::CameraHub()
{
    m_layer.setClient(this);
    // Real cameras; main() adds the simulated microscopes asked for.
    installDefaultBackends(0);
}

CameraHub::~CameraHub()
{
    closeAll();
    m_layer.setBackends({});
}

void CameraHub::setBackends(const QVector<std::shared_ptr<CaptureBackend>> &backends)
{
    closeAll();
    m_layer.setBackends(backends);
    m_devices.clear();
    m_errors.clear();
    m_accessTold.clear(); // other devices: told anew
}

void CameraHub::installDefaultBackends(int demoCameras)
{
    QVector<std::shared_ptr<CaptureBackend>> list{std::make_shared<V4l2Backend>()};
    if (demoCameras > 0)
        list.append(SimulatedBackend::demo(demoCameras));
    setBackends(list);
    watchDevices();
}

std::shared_ptr<SimulatedBackend> CameraHub::installSimulatedCameras(int count)
{
    auto sim = SimulatedBackend::demo(count);
    QVector<std::shared_ptr<CaptureBackend>> list;
    for (const auto &b : m_layer.backends()) {
        if (!dynamic_cast<SimulatedBackend *>(b.get()))
            list.append(b);
    }
    if (list.size() != m_layer.backends().size()) {
        list.append(sim);
        setBackends(list);
    } else {
        m_layer.addBackend(sim);
    }
    return sim;
}

quint32 CameraHub::fourccForFormat(const QString &format)
{
    return format == QLatin1String("YUV") ? subtype::rgb24Code() : subtype::mjpgCode();
}

QString CameraHub::bandwidthMessage() { return tr("USB带宽不足：请使用MJPG或更小的分辨率，或换一个USB接口"); }

QString CameraHub::accessMessage(const QString &node)
{
    return tr("没有权限打开 %1。请安装本程序的 udev 规则后重新插拔摄像头，或把用户加入 video 组（sudo usermod -aG video $USER）后重新登录。")
        .arg(node);
}

QString CameraHub::buttonAccessMessage(const QString &camId, const QString &node)
{
    // The USB numbers are in the id: "...#vid_0c45&pid_62c1".
    const QRegularExpressionMatch ids =
        QRegularExpression(QStringLiteral("vid_([0-9a-fA-F]{4}).*pid_([0-9a-fA-F]{4})")).match(camId);
    const QString rule = ids.hasMatch()
                             ? QStringLiteral("echo 'SUBSYSTEM==\"input\", ATTRS{idVendor}==\"%1\", "
                                              "ATTRS{idProduct}==\"%2\", TAG+=\"uaccess\"' | sudo tee "
                                              "/etc/udev/rules.d/71-vistrel-button.rules && sudo udevadm trigger")
                                   .arg(ids.captured(1).toLower(), ids.captured(2).toLower())
                             : QStringLiteral("sudo usermod -aG input $USER");
    return tr("显微镜上的拍照按键不能使用：没有权限读取 %1。请执行下面的命令后重新插拔摄像头：\n%2\n或者把用户加入 input 组（sudo usermod -aG input $USER）后重新登录。")
        .arg(node, rule);
}

QString CameraHub::displayName(const QString &camId) const
{
    for (const CameraDeviceInfo &d : m_devices) {
        if (d.devicePath == camId)
            return d.displayName.isEmpty() ? d.modelName : d.displayName;
    }
    const QString name = m_layer.displayName(camId);
    return name.isEmpty() ? camId : name;
}

bool CameraHub::watchDevices()
{
    if (!m_watcher) {
        m_watcher = new UdevMonitor(this);
        connect(m_watcher, &UdevMonitor::devicesChanged, this, &CameraHub::sigDevicesChanged);
    }
    return m_watcher->start();
}

void CameraHub::refreshDevices()
{
    m_layer.enumerateDevices(false);
    m_devices = m_layer.acceptedDevices();
    for (CameraDeviceInfo info : m_layer.lockedDevices()) {
        QString node = info.devicePath;
        for (const auto &backend : m_layer.backends()) {
            if (auto *v4l2 = dynamic_cast<V4l2Backend *>(backend.get())) {
                if (!v4l2->nodeOf(info.devicePath).isEmpty())
                    node = v4l2->nodeOf(info.devicePath);
            }
        }
        info.accessNote = accessMessage(node);
        m_devices.append(info);
        if (!m_accessTold.contains(node)) {
            m_accessTold.insert(node);
            emit sigAccessProblem(info.devicePath, info.accessNote);
        }
    }
    // Cameras that left stop before their layer records go.
    QStringList gone;
    for (auto it = m_cameras.cbegin(); it != m_cameras.cend(); ++it) {
        bool found = false;
        for (const CameraDeviceInfo &info : qAsConst(m_devices))
            found = found || info.devicePath == it.key();
        if (!found)
            gone.append(it.key());
    }
    for (const QString &id : qAsConst(gone))
        closeCamera(id);
    m_layer.syncDevices(m_layer.acceptedDevices());
}

bool CameraHub::openCamera(const QString &camId, int width, int height, const QString &format)
{
    if (m_layer.isDeviceSetup(camId) || !m_layer.hasDevice(camId))
        return false;
    dropCamera(camId);
    auto *cam = new OpenedCamera;
    cam->camId = camId;
    cam->serial = m_nextSerial++;
    m_cameras.insert(camId, cam);
    const quint32 code = fourccForFormat(format);
    m_layer.setupDevice(camId, width, height, int(code));
    if (m_layer.isDeviceSetup(camId)) {
        cam->lastWidth = width;
        cam->lastHeight = height;
        cam->lastFourcc = int(code);
        afterSetup(cam, true);
        return true;
    }
    afterSetup(cam, false);
    dropCamera(camId);
    return false;
}

void CameraHub::afterSetup(OpenedCamera *cam, bool ok)
{
    const QString camId = cam->camId;
    if (!ok) {
        if (m_layer.lastFailure(camId) == CaptureFailure::Bandwidth) {
            m_errors.insert(camId, bandwidthMessage());
            emit sigCameraError(camId, bandwidthMessage());
        }
        return;
    }
    m_errors.remove(camId);
    const QStringList locked = m_layer.lockedInputs(camId);
    for (const QString &node : locked) {
        if (!m_accessTold.contains(node)) {
            m_accessTold.insert(node);
            emit sigAccessProblem(camId, buttonAccessMessage(camId, node));
        }
    }
    applyDisplaySize(cam);
    emit sigFrameRateChanged(camId, frameRate(camId));
}

bool CameraHub::applyDisplaySize(OpenedCamera *cam)
{
    const QString camId = cam->camId;
    FrameCallback *cb = m_layer.frameCallback(camId);
    if (!cb || !m_layer.isDeviceSetup(camId))
        return false;
    const QSize full(m_layer.width(camId), m_layer.height(camId));
    const int scale = FrameConverter::scaleFor(cb->pixelFormat(), full, cam->displaySize);
    const QSize target = FrameConverter::scaledSize(full, scale);
    if (cam->buffer.size() == target)
        return true;
    if (scale > 1)
        cb->reserveLatestFrame();
    const CameraBuffer::Lock lock = CameraBuffer::Lock::waitFor(&cam->buffer, 200);
    if (cam->buffer.bits() && !lock)
        return false;
    // New pixels: nothing to show until the next frame lands in them.
    cam->hasFrame = false;
    cam->buffer.init(target.width(), target.height(), QImage::Format_RGB32);
    return true;
}

bool CameraHub::setDisplaySize(const QString &camId, const QSize &size)
{
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam)
        return false;
    cam->displaySize = size;
    return applyDisplaySize(cam);
}

QSize CameraHub::displaySize(const QString &camId) const
{
    OpenedCamera *cam = m_cameras.value(camId);
    return cam ? cam->displaySize : QSize();
}

void CameraHub::setShown(const QString &camId, bool shown)
{
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam || cam->hidden.load() == !shown)
        return;
    if (!shown) {
        if (FrameCallback *cb = m_layer.frameCallback(camId))
            cb->reserveLatestFrame();
    }
    cam->hidden = !shown;
}

bool CameraHub::isShown(const QString &camId) const
{
    OpenedCamera *cam = m_cameras.value(camId);
    return cam && !cam->hidden.load();
}

bool CameraHub::grabFullFrame(const QString &camId, QImage *destination)
{
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam || !destination)
        return false;
    // The buffer holds the latest frame unless the camera is hidden.
    if (cam->buffer.size() == cameraSize(camId) && !cam->hidden.load())
        return readFrame(camId, destination);
    FrameCallback *cb = m_layer.frameCallback(camId);
    const bool mirror = cam->flipHorizontal.load();
    const bool flip = cam->flipVertical.load();
    if (!cb || !cb->decodeLatestFrame(destination, mirror, flip))
        return false;
    if (const FlatFieldCorrection::Table table = cam->flatField.table())
        FlatFieldCorrection::applyTable(*table, destination->bits(), destination->width(), destination->height(),
                                        destination->bytesPerLine(), 1, mirror, flip);
    if (cam->blackWhite.load())
        FrameConverter::toGrey(destination->bits(), destination->width(), destination->height(),
                               destination->bytesPerLine());
    return true;
}

bool CameraHub::setFlatField(const QString &camId, FlatFieldCorrection::Table table)
{
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam)
        return false;
    cam->flatField.setTable(std::move(table));
    return true;
}

FlatFieldCorrection::Table CameraHub::flatField(const QString &camId) const
{
    OpenedCamera *cam = m_cameras.value(camId);
    return cam ? cam->flatField.table() : nullptr;
}

QSize CameraHub::cameraSize(const QString &camId) const
{
    if (!m_cameras.contains(camId))
        return QSize();
    return QSize(m_layer.width(camId), m_layer.height(camId));
}

double CameraHub::frameRate(const QString &camId) const
{
    return m_cameras.contains(camId) ? m_layer.grantedFramesPerSecond(camId) : 0.0;
}

QString CameraHub::cameraError(const QString &camId) const { return m_errors.value(camId); }

void CameraHub::dropCamera(const QString &camId)
{
    OpenedCamera *cam = m_cameras.take(camId);
    if (!cam)
        return;
    // Its settings window would act on nothing.
    if (QDialog *dialog = m_layer.settingsWindow(camId))
        dialog->close();
    // The stream is stopped; a writer still inside the pixels finishes soon.
    // (A buffer without pixels was never written.)
    CameraBuffer::Lock lock = CameraBuffer::Lock::waitFor(&cam->buffer, 2000);
    if (cam->buffer.bits() && !lock)
        qWarning("CameraHub: buffer of %s still held, freeing it anyway", qPrintable(camId));
    lock.release(); // the buffer goes with the record
    delete cam;
}

void CameraHub::closeCamera(const QString &camId)
{
    if (!m_cameras.contains(camId))
        return;
    m_layer.stopDevice(camId);
    dropCamera(camId);
}

void CameraHub::closeAll()
{
    const QStringList ids = m_cameras.keys();
    for (const QString &id : ids)
        closeCamera(id);
}

bool CameraHub::setFormat(const QString &camId, const QString &format)
{
    return setProperty(camId, Fourcc, int(fourccForFormat(format)));
}

bool CameraHub::rebuild(OpenedCamera *cam, int width, int height, int fourcc)
{
    const QString camId = cam->camId;
    const int fps = int(m_layer.framesPerSecond(camId));
    m_layer.stopDevice(camId);
    m_layer.setIdealFramerate(camId, fps);
    cam->hasFrame = false;
    if (width < 1 || height < 1)
        m_layer.setupDevice(camId);
    else
        m_layer.setupDevice(camId, width, height, fourcc);
    const bool ok = m_layer.isDeviceSetup(camId);
    afterSetup(cam, ok);
    return ok;
}

bool CameraHub::setProperty(const QString &camId, int code, int value)
{
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam)
        return false;
    switch (code) {
    case FrameWidth:
    case FrameHeight:
    case Fourcc: {
        if (code == FrameWidth)
            cam->requestedWidth = value;
        else if (code == FrameHeight)
            cam->requestedHeight = value;
        else
            cam->requestedFourcc = value;
        if (!((cam->requestedWidth > 0 && cam->requestedHeight > 0) || cam->requestedFourcc != -1))
            return true; // waits for the rest of the request
        const int w = cam->requestedWidth > 0 ? cam->requestedWidth : cam->lastWidth;
        const int h = cam->requestedHeight > 0 ? cam->requestedHeight : cam->lastHeight;
        const int f = cam->requestedFourcc != -1 ? cam->requestedFourcc : cam->lastFourcc;
        cam->requestedWidth = cam->requestedHeight = cam->requestedFourcc = -1;
        const bool running = m_layer.isDeviceSetup(camId);
        const bool sameAsDevice = running && m_layer.width(camId) == w && m_layer.height(camId) == h
                                  && m_layer.fourcc(camId) == f;
        // "YUV" asks for a subtype the device may answer with another one;
        // asking again for what the last request got changes nothing either.
        const bool sameAsLast = running && cam->lastWidth == w && cam->lastHeight == h && cam->lastFourcc == f;
        if (sameAsDevice || sameAsLast)
            return true;
        if (rebuild(cam, w, h, f)) {
            cam->lastWidth = w;
            cam->lastHeight = h;
            cam->lastFourcc = f;
            return true;
        }
        // Keep the picture: go back to what worked.
        rebuild(cam, cam->lastWidth, cam->lastHeight, cam->lastFourcc);
        return false;
    }
    case FrameRate: {
        if (value == int(m_layer.framesPerSecond(camId)))
            return m_layer.isDeviceSetup(camId);
        m_layer.stopDevice(camId);
        m_layer.setIdealFramerate(camId, value);
        cam->hasFrame = false;
        if (cam->lastWidth < 1 || cam->lastHeight < 1)
            m_layer.setupDevice(camId);
        else
            m_layer.setupDevice(camId, cam->lastWidth, cam->lastHeight, cam->lastFourcc);
        const bool ok = m_layer.isDeviceSetup(camId);
        afterSetup(cam, ok);
        return ok;
    }
    case ExposureMode:
        if (!m_layer.setExposureMode(camId, value == 1))
            return false;
        // A time sent while automatic was refused; manual starts from it.
        if (value != 1 && cam->exposure >= 0)
            m_layer.setVideoSettingCamera(camId, CameraControl::Exposure, cam->exposure, 0, false);
        return true;
    case Exposure: cam->exposure = value; break;
    case SettingsDialog: m_layer.showSettingsWindow(camId); return true;
    default: break;
    }
    const int filter = filterProperty(code);
    if (filter >= 0)
        return m_layer.setVideoSettingFilter(camId, filter, value, 0, false);
    const int camera = cameraProperty(code);
    if (camera >= 0)
        return m_layer.setVideoSettingCamera(camId, camera, value, 0, false);
    return false;
}

int CameraHub::getProperty(const QString &camId, int code)
{
    if (!m_cameras.contains(camId))
        return -1;
    switch (code) {
    case FrameWidth: return m_layer.width(camId);
    case FrameHeight: return m_layer.height(camId);
    case FrameRate: {
        // What the driver granted, when it said; else what was asked.
        const double granted = m_layer.grantedFramesPerSecond(camId);
        return granted > 0 ? qRound(granted) : int(m_layer.framesPerSecond(camId));
    }
    case Fourcc: return m_layer.fourcc(camId);
    case RedGain:
    case BlueGain:
    case ColourTemperature: {
        const PropertyRange r = getPropertyRange(camId, code);
        return r.supported ? r.current : -1;
    }
    // Every other control is read through getPropertyRange.
    default: return -1;
    }
}

PropertyRange CameraHub::getPropertyRange(const QString &camId, int code)
{
    PropertyRange range;
    if (!m_cameras.contains(camId))
        return range;
    VideoSetting s;
    bool ok = false;
    const int filter = filterProperty(code);
    const int camera = code == ExposureMode ? int(CameraControl::Exposure) : cameraProperty(code);
    if (filter >= 0) {
        ok = m_layer.getVideoSettingFilter(camId, filter, &s);
    } else if (camera >= 0) {
        ok = m_layer.getVideoSettingCamera(camId, camera, &s);
        if (ok && code == ExposureMode) {
            qint32 mode = 0;
            ok = m_layer.getDeviceControl(camId, V4L2_CID_EXPOSURE_AUTO, &mode);
        }
    }
    if (!ok)
        return range;
    range.supported = true;
    range.current = int(s.current);
    range.defaultValue = int(s.defaultValue);
    range.minimum = int(s.minimum);
    range.maximum = int(s.maximum);
    range.step = int(s.step);
    range.flags = camera >= 0 ? int(s.flags) : 0;
    return range;
}

bool CameraHub::isPropertySupported(const QString &camId, int code) { return getPropertyRange(camId, code).supported; }

void CameraHub::setFlip(const QString &camId, bool horizontal, bool vertical)
{
    if (OpenedCamera *cam = m_cameras.value(camId)) {
        cam->flipHorizontal = horizontal;
        cam->flipVertical = vertical;
    }
}

void CameraHub::setBlackWhite(const QString &camId, bool on)
{
    if (OpenedCamera *cam = m_cameras.value(camId))
        cam->blackWhite = on;
}

bool CameraHub::isBlackWhite(const QString &camId) const
{
    OpenedCamera *cam = m_cameras.value(camId);
    return cam && cam->blackWhite.load();
}

QPair<bool, bool> CameraHub::getFlip(const QString &camId) const
{
    if (OpenedCamera *cam = m_cameras.value(camId))
        return {cam->flipHorizontal.load(), cam->flipVertical.load()};
    return {false, false};
}

void CameraHub::initBuffer(const QString &camId, int width, int height)
{
    if (OpenedCamera *cam = m_cameras.value(camId))
        cam->buffer.init(width, height, QImage::Format_RGB32);
}

FrameOutput CameraHub::frameOutput(const QString &camId)
{
    FrameOutput out;
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam)
        return out;
    out.buffer = &cam->buffer;
    out.mirror = &cam->flipHorizontal;
    out.flipVertical = &cam->flipVertical;
    out.blackWhite = &cam->blackWhite;
    out.hidden = &cam->hidden;
    out.flatField = &cam->flatField;
    // The record outlives the stream: closeCamera stops the stream first.
    out.notify = [this, cam, camId, serial = cam->serial](bool needCapture) {
        cam->hasFrame.store(true, std::memory_order_release);
        if (cam->noticePending.exchange(true))
            return false;
        QCoreApplication::postEvent(this, new FrameEvent(camId, needCapture, serial));
        return true;
    };
    out.lost = [this, camId, serial = cam->serial](CaptureFailure why) {
        QCoreApplication::postEvent(this, new FrameEvent(camId, false, serial, true, why));
    };
    return out;
}

bool CameraHub::readFrame(const QString &camId, QImage *destination)
{
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam || !destination || !cam->buffer.bits())
        return false;
    const CameraBuffer::Lock lock = CameraBuffer::Lock::waitFor(&cam->buffer, 200);
    const bool ok = lock && cam->hasFrame.load(std::memory_order_acquire);
    if (ok)
        *destination = cam->buffer.toImage().copy();
    return ok;
}

HeldFrame::HeldFrame(CameraBuffer::Lock lock, const QSize &full)
    : m_lock(std::move(lock))
    , fullSize(full)
{
    if (m_lock)
        image = m_lock->toImage();
}

HeldFrame CameraHub::takeFrame(const QString &camId)
{
    OpenedCamera *cam = m_cameras.value(camId);
    if (!cam || !cam->hasFrame.load(std::memory_order_acquire))
        return HeldFrame();
    CameraBuffer::Lock lock(&cam->buffer);
    if (!lock)
        return HeldFrame();
    // A reduced decode does not change the camera's size.
    return HeldFrame(std::move(lock), cam->displaySize.isEmpty() ? cam->buffer.size() : cameraSize(camId));
}

QSize CameraHub::frameSize(const QString &camId) const
{
    OpenedCamera *cam = m_cameras.value(camId);
    return cam ? cam->buffer.size() : QSize();
}

double CameraHub::undecodedShare(const QString &camId)
{
    constexpr quint64 kFewest = 5;
    OpenedCamera *cam = m_cameras.value(camId);
    FrameCallback *cb = cam ? m_layer.frameCallback(camId) : nullptr;
    if (!cb)
        return -1;
    const quint64 good = cb->framesDelivered();
    const quint64 bad = cb->framesBad();
    // A new stream restarts its callback's counts.
    if (good < cam->countedGood || bad < cam->countedBad)
        cam->countedGood = cam->countedBad = 0;
    const quint64 newGood = good - cam->countedGood;
    const quint64 newBad = bad - cam->countedBad;
    if (newGood + newBad < kFewest)
        return -1;
    cam->countedGood = good;
    cam->countedBad = bad;
    return double(newBad) / double(newGood + newBad);
}

double CameraHub::measuredFrameRate(const QString &camId) const
{
    const FrameCallback *cb = m_layer.frameCallback(camId);
    return cb && m_cameras.contains(camId) ? cb->meter().rate() : 0.0;
}

bool CameraHub::event(QEvent *e)
{
    if (e->type() != kFrameEventType)
        return QObject::event(e);
    auto *fe = static_cast<FrameEvent *>(e);
    OpenedCamera *cam = m_cameras.value(fe->camId);
    if (cam && cam->serial == fe->serial) {
        if (fe->lost) {
            if (fe->failure == CaptureFailure::Bandwidth) {
                m_errors.insert(fe->camId, bandwidthMessage());
                emit sigCameraError(fe->camId, bandwidthMessage());
            }
            emit sigCameraLost(fe->camId);
        } else {
            cam->noticePending = false;
            emit sigFrameReady(fe->camId, fe->needCapture);
        }
    }
    e->accept();
    return true;
}
