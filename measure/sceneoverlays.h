#pragma once

#include "core/bdinfo.h"

#include <QColor>
#include <QElapsedTimer>
#include <QMap>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QVector>

#include <functional>

class QPainter;

// What a scene draws over its picture and shapes: the cross-hair, the time
// stamp, the scale bar in its corner, the no-device notice and the
// recording clock, plus any corner overlay registered by others (a
// reticle's legend). The scene owns one and repaints when a flag changes.
// All of them share the picture's corners by one rule (overlaylayout.h):
// the recording clock and the notice keep their places, the time stamp
// keeps the bottom-right corner, and whatever comes after steps aside.
class SceneOverlays
{
public:
    bool crossVisible = false;
    bool timeStampVisible = false;
    // Nothing is drawn while the calibration has no real unit.
    bool scaleBarVisible = false;
    int scaleBarCorner = 3; // ScaleBarCorner
    bool noDeviceNotice = false;
    // ReticleKind; nothing is drawn while the calibration has no real unit.
    int reticleKind = 0;
    int reticleCorner = 1; // ScaleBarCorner of its label: top right is free of the others
    QColor reticleColour{0xFF, 0x00, 0x00};

    void setRecordingClock(bool visible);
    bool isRecordingClock() const { return m_clockVisible; }

    // What the painting needs of the scene.
    struct Frame
    {
        QSize size;             // the target in device-independent pixels
        bool rendering = false; // a saved or recorded picture: no clock
        bool hasPicture = false;
        QRectF pictureRect; // the picture in target pixels
        QSize pictureSize;
        BDInfo calibration;
        // The part of the target the user sees (a zoomed view scrolls);
        // the labels stay inside it. Empty: the whole target.
        QRect visible;
    };

    // Another overlay that takes a corner: its size for a frame (empty: not
    // shown now) and how it paints itself into the box it is given.
    struct CornerOverlay
    {
        int corner = 2; // ScaleBarCorner
        std::function<QSizeF(const Frame &)> size;
        std::function<void(QPainter *, const QRectF &, const Frame &)> paint;
    };
    // Returns an id for removeCornerOverlay. Later ones step aside for earlier ones.
    int addCornerOverlay(const CornerOverlay &overlay);
    void removeCornerOverlay(int id);

    // Where each overlay goes; empty boxes for those not shown.
    struct Boxes
    {
        QRectF clock, notice, timeStamp, scaleBar, reticle;
        QVector<QRectF> extra; // the corner overlays, by id order
        QVector<QRectF> all() const;
        bool operator==(const Boxes &o) const
        {
            return clock == o.clock && notice == o.notice && timeStamp == o.timeStamp && scaleBar == o.scaleBar
                   && reticle == o.reticle && extra == o.extra;
        }
        bool operator!=(const Boxes &o) const { return !(*this == o); }
    };
    Boxes layout(const Frame &frame) const;

    // Paints every overlay that shows, with the painter's transform reset.
    void paint(QPainter *painter, const Frame &frame) const;

private:
    bool m_clockVisible = false;
    QElapsedTimer m_clock;
    QMap<int, CornerOverlay> m_corner;
    int m_nextId = 1;
};
