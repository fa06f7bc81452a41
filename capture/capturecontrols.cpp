#include "capture/capturecontrols.h"

#include <linux/videodev2.h>

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
    static const char *const amp[] = {"Brightness", "Contrast", "Hue",        "Saturation",
                                      "Sharpness",  "Gamma",    "ColorEnable"};
    static const char *const cam[] = {"Pan", "Tilt", "Roll", "Zoom", "Exposure", "Iris", "Focus"};
    if (camera)
        return property >= 0 && property <= 6 ? QByteArray(cam[property]) : QByteArray::number(uint(property));
    if (property >= 0 && property <= 6)
        return amp[property];
    if (property == VideoProcAmp::Gain)
        return "Gain";
    return QByteArray::number(uint(property));
}

const char *settingFlagsName(long flags) { return flags == 1 ? "Auto" : flags == 2 ? "Manual" : "Unknown"; }
