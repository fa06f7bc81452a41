#pragma once

#include "capture/capturebackend.h"

#include <QMap>
#include <QMutex>

#include <atomic>
#include <memory>

// A microscope without hardware: a stage-micrometer scale of known pitch and
// a few round objects drifting slightly, as real MJPEG or YUYV frames at the
// rate it was set to, with controls that change the picture and a still
// button tests can press.
struct SimCameraSpec
{
    QString friendlyName = QStringLiteral("Simulated microscope");
    QString tag = QStringLiteral("demo-1"); // makes the path unique
    int vendorId = 0x0C45;
    int productId = 0x62C1;
    QVector<QSize> sizes{{640, 480}, {1280, 720}, {1920, 1080}};
    QVector<quint32> formats; // V4L2 pixel formats; empty = MJPEG and YUYV
    int maxFps = 30;          // above two megapixels: 15
    QString port;             // USB port it pretends to sit in; empty = unknown
};

class SimulatedBackend : public CaptureBackend
{
public:
    explicit SimulatedBackend(const QVector<SimCameraSpec> &cameras);
    ~SimulatedBackend() override;

    // `count` (1-4) microscopes: "V3-2M" 0C45:62C1 first, then "V3-5M" 0C45:0223 alternating.
    static std::shared_ptr<SimulatedBackend> demo(int count);

    QVector<BackendDeviceInfo> enumerate() override;
    std::unique_ptr<BackendDevice> open(const QString &path) override;

    int cameraCount() const { return m_cameras.size(); }
    QString pathOf(int index) const;
    // Test hooks.
    void pressStillButton(int index);
    void unplug(int index);        // vanishes from the list, its stream ends
    void setBusy(int index, bool busy); // another program holds it: open fails
    quint64 framesSent(int index) const;
    // How often the camera was opened (streams and brief control reads alike).
    int openCount(int index) const;
    // The bus has no room for it: starting its stream fails with ENOSPC.
    void setBandwidthExhausted(int index, bool exhausted);
    // Stage scale pitch in picture pixels at a given frame width.
    static double scalePitch(int frameWidth);

    struct Camera;

private:
    QVector<std::shared_ptr<Camera>> m_cameras;
};
