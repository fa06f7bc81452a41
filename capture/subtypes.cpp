#include "capture/subtypes.h"

#include <linux/videodev2.h>

namespace {

// The four RGB entries are not FOURCCs: their codes are the leading 32 bits
// of the historical RGB subtype identifiers, which stored settings keep.
const Subtype kList[subtype::kCount] = {
    {"RGB24", 0xe436eb7d, V4L2_PIX_FMT_RGB24},
    {"RGB32", 0xe436eb7e, V4L2_PIX_FMT_XBGR32},
    {"RGB555", 0xe436eb7c, 0},
    {"RGB565", 0xe436eb7b, V4L2_PIX_FMT_RGB565},
    {"YUY2", fourcc('Y', 'U', 'Y', '2'), V4L2_PIX_FMT_YUYV},
    {"YVYU", fourcc('Y', 'V', 'Y', 'U'), 0},
    {"YUYV", fourcc('Y', 'U', 'Y', 'V'), V4L2_PIX_FMT_YUYV},
    {"IYUV", fourcc('I', 'Y', 'U', 'V'), V4L2_PIX_FMT_YUV420},
    {"UYVY", fourcc('U', 'Y', 'V', 'Y'), V4L2_PIX_FMT_UYVY},
    {"YV12", fourcc('Y', 'V', '1', '2'), V4L2_PIX_FMT_YVU420},
    {"YVU9", fourcc('Y', 'V', 'U', '9'), 0},
    {"Y411", fourcc('Y', '4', '1', '1'), 0},
    {"Y41P", fourcc('Y', '4', '1', 'P'), 0},
    {"Y211", fourcc('Y', '2', '1', '1'), 0},
    {"AYUV", fourcc('A', 'Y', 'U', 'V'), 0},
    {"MJPG", fourcc('M', 'J', 'P', 'G'), V4L2_PIX_FMT_MJPEG},
    {"Y800", fourcc('Y', '8', '0', '0'), V4L2_PIX_FMT_GREY},
    {"Y8", fourcc('Y', '8', ' ', ' '), V4L2_PIX_FMT_GREY},
    {"GREY", fourcc('G', 'R', 'E', 'Y'), V4L2_PIX_FMT_GREY},
    {"I420", fourcc('I', '4', '2', '0'), V4L2_PIX_FMT_YUV420},
};

} // namespace

namespace subtype {

const Subtype &at(int index) { return kList[index >= 0 && index < kCount ? index : kRgb24]; }

int indexOfCode(quint32 code)
{
    for (int i = 0; i < kCount; ++i) {
        if (kList[i].code == code)
            return i;
    }
    return -1;
}

int indexOfPixelFormat(quint32 pixelFormat)
{
    if (pixelFormat == 0)
        return -1;
    for (int i = 0; i < kCount; ++i) {
        if (kList[i].pixelFormat == pixelFormat)
            return i;
    }
    return -1;
}

quint32 rgb24Code() { return kList[kRgb24].code; }

quint32 mjpgCode() { return kList[kMjpg].code; }

} // namespace subtype
