#include "capture/streamsetup.h"

#include "capture/captureformats.h"
#include "capture/capturelog.h"
#include "capture/frameconverter.h"
#include "capture/subtypes.h"

#include <cstdlib>

bool trySize(BackendDevice *dev, const QVector<FormatCapability> &offered, const QSize &size, int subtypeIndex)
{
    const quint32 format = subtype::at(subtypeIndex).pixelFormat;
    if (!FrameConverter::isSupported(format) || size.width() <= 0 || size.height() <= 0)
        return false;
    // Each format change is a round trip to the camera; skip what it never offers.
    bool isOffered = false;
    for (const FormatCapability &cap : offered)
        isOffered = isOffered || (cap.pixelFormat == format && cap.contains(size));
    if (!isOffered)
        return false;
    const QSize saved = dev->currentSize();
    const quint32 savedFormat = dev->currentPixelFormat();
    if (dev->trySetFormat(size, format))
        return true;
    // A size the device lists may still come back adjusted (1080 rows as
    // 1088, say). Near enough in the same format, take the device's answer:
    // the frames are sized from it.
    const QSize got = dev->currentSize();
    if (dev->currentPixelFormat() == format && got.isValid() && got != size
        && std::abs(got.width() - size.width()) <= 16 && std::abs(got.height() - size.height()) <= 16) {
        captureLog("SETUP: the device adjusted %i by %i to %i by %i\n", size.width(), size.height(), got.width(),
                   got.height());
        return true;
    }
    dev->trySetFormat(saved, savedFormat);
    return false;
}

int negotiateFormat(BackendDevice *dev, const QVector<FormatCapability> &offered, const QSize &want, int wantSubtype)
{
    const QSize defaultSize = dev->currentSize();
    captureLog("SETUP: Default Format is set to %i by %i \n", defaultSize.width(), defaultSize.height());
    captureLog("SETUP: trying specified format %s @ %i by %i\n", subtype::at(wantSubtype).name, want.width(),
               want.height());
    if (trySize(dev, offered, want, wantSubtype))
        return wantSubtype;
    for (int i = 0; i < subtype::kCount; ++i) {
        if (!FrameConverter::isSupported(subtype::at(i).pixelFormat))
            continue; // never offered by this platform
        captureLog("SETUP: trying format %s @ %i by %i\n", subtype::at(i).name, want.width(), want.height());
        if (trySize(dev, offered, want, i))
            return i;
    }
    captureLog("SETUP: couldn't find requested size - searching for closest matching size\n");
    QSize closest;
    int index = -1;
    if (closestOfferedSize(offered, want, &closest, &index)) {
        captureLog("SETUP: closest supported size is %s @ %i %i\n", subtype::at(index).name, closest.width(),
                   closest.height());
        if (trySize(dev, offered, closest, index))
            return index;
    }
    return -1;
}

double applyFrameTime(BackendDevice *dev, int frameTime)
{
    if (frameTime <= 0)
        return dev->frameRate();
    // Ask for an interval the device offers at this size and format, then
    // keep what it says it granted.
    const int want = dev->frameTimes().nearest(frameTime);
    const double granted = dev->setFrameTime(want);
    const double rate = granted > 0 ? granted : dev->frameRate();
    const double asked = 1e7 / frameTime;
    if (rate > 0 && std::abs(rate - asked) > 0.01)
        captureLog("SETUP: asked for %.2f fps, the device runs at %.2f fps\n", asked, rate);
    return rate;
}
