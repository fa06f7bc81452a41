#pragma once

#include <QList>
#include <QString>

class QDataStream;

// One calibration: the real length of one picture pixel at one magnification.
struct BDInfo
{
    QString name;
    double factor = 1.0;
    qint32 unit = 4; // px
};

using BDInfoList = QList<BDInfo>;

// "mm", "cm", "um", "in", "px" for 0..4; empty for anything else.
QString unitName(int unit);

QDataStream &operator<<(QDataStream &out, const BDInfo &info);
QDataStream &operator>>(QDataStream &in, BDInfo &info);
