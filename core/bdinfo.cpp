#include "core/bdinfo.h"
#include "core/streamread.h"

#include <QDataStream>

#include <algorithm>
#include <cmath>

QString unitName(int unit)
{
    switch (unit) {
    case 0: return QStringLiteral("mm");
    case 1: return QStringLiteral("cm");
    case 2: return QStringLiteral("um");
    case 3: return QStringLiteral("in");
    case 4: return QStringLiteral("px");
    default: return QString();
    }
}

bool sameCalibration(const BDInfo &a, const BDInfo &b)
{
    return a.name == b.name && a.factor == b.factor && a.unit == b.unit && a.pictureSize == b.pictureSize
           && a.camera == b.camera;
}

int indexOfCalibration(const BDInfoList &list, const BDInfo &info)
{
    for (int i = 0; i < list.size(); ++i)
        if (sameCalibration(list[i], info))
            return i;
    return -1;
}

bool isValidFactor(double factor) { return std::isfinite(factor) && factor > 0.0; }

int dropInvalidFactors(BDInfoList *list)
{
    const int before = list->size();
    list->erase(std::remove_if(list->begin(), list->end(), [](const BDInfo &b) { return !isValidFactor(b.factor); }),
                list->end());
    return before - list->size();
}

double calibrationScale(const BDInfo &info, const QSize &picture)
{
    if (info.pictureSize.width() <= 0 || picture.width() <= 0)
        return 1.0;
    return double(info.pictureSize.width()) / double(picture.width());
}

BDInfo calibrationForPicture(const BDInfo &info, const QSize &picture)
{
    BDInfo applied = info;
    applied.factor = info.factor * calibrationScale(info, picture);
    return applied;
}

QDataStream &operator<<(QDataStream &out, const BDInfo &info) { return out << info.name << info.factor << info.unit; }

QDataStream &operator>>(QDataStream &in, BDInfo &info)
{
    BDInfo read;
    if (!streamread::readString(in, &read.name))
        return in;
    in >> read.factor >> read.unit;
    if (streamread::ok(in))
        info = read;
    return in;
}

QDataStream &operator<<(QDataStream &out, const BDInfoList &list)
{
    out << quint32(list.size());
    for (const BDInfo &info : list)
        out << info;
    return out;
}

QDataStream &operator>>(QDataStream &in, BDInfoList &list)
{
    list.clear();
    quint32 count = 0;
    if (!streamread::readCount(in, &count))
        return in;
    // No reserve(count): the count is whatever the file claims.
    for (quint32 i = 0; i < count; ++i) {
        BDInfo info;
        in >> info;
        if (!streamread::ok(in))
            break;
        list.append(info);
    }
    return in;
}
