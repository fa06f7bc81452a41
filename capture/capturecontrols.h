#pragma once

#include <QByteArray>
#include <QtGlobal>

// Picture settings (amplifier numbering) and camera controls.
namespace VideoProcAmp {
enum Property {
    Brightness = 0,
    Contrast = 1,
    Hue = 2,
    Saturation = 3,
    Sharpness = 4,
    Gamma = 5,
    ColorEnable = 6,
    WhiteBalance = 7,
    BacklightCompensation = 8,
    Gain = 9,
    // Our own additions for the white-balance rows of the parameter panel.
    RedBalance = 10,
    BlueBalance = 11,
    WhiteBalanceTemperature = 12,
};
}

namespace CameraControl {
enum Property { Pan = 0, Tilt = 1, Roll = 2, Zoom = 3, Exposure = 4, Iris = 5, Focus = 6 };
}

struct VideoSetting
{
    long minimum = 0;
    long maximum = 0;
    long step = 0;
    long current = 0;
    long flags = 0; // 1 automatic, 2 manual
    long defaultValue = 0;
};

// The V4L2 control behind an amplifier property or a camera control; 0 when
// the device has no counterpart (colour enable, roll).
quint32 filterControlId(int property);
quint32 cameraControlId(int property);
// How the log names a property.
QByteArray propertyLogName(bool camera, int property);
const char *settingFlagsName(long flags);
