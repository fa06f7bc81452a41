#pragma once

#include "core/bdinfo.h"

#include <QColor>
#include <QElapsedTimer>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;

// What a scene draws over its picture and shapes: the cross-hair, the time
// stamp, the scale bar in its corner, the no-device notice and the
// recording clock. The scene owns one and repaints when a flag changes.
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
        QSize size;           // the target in device-independent pixels
        bool rendering = false; // a saved or recorded picture: no clock
        bool hasPicture = false;
        QRectF pictureRect;   // the picture in target pixels
        QSize pictureSize;
        BDInfo calibration;
        // The part of the target the user sees (a zoomed view scrolls);
        // the labels stay inside it. Empty: the whole target.
        QRect visible;
    };
    // Paints every overlay that shows, with the painter's transform reset.
    void paint(QPainter *painter, const Frame &frame) const;

private:
    bool m_clockVisible = false;
    QElapsedTimer m_clock;
};
