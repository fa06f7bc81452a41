#include "calib/bdinfo.h"

#include <QDataStream>

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

QDataStream &operator<<(QDataStream &out, const BDInfo &info)
{
    return out << info.name << info.factor << info.unit;
}

QDataStream &operator>>(QDataStream &in, BDInfo &info)
{
    return in >> info.name >> info.factor >> info.unit;
}
