#pragma once

#include <QList>
#include <QSize>
#include <QString>

class QDataStream;

// One calibration: the real length of one picture pixel at one magnification.
struct BDInfo
{
    BDInfo() = default;
    BDInfo(const QString &name_, double factor_, qint32 unit_, const QSize &pictureSize_ = QSize(),
           const QString &camera_ = QString())
        : name(name_)
        , factor(factor_)
        , unit(unit_)
        , pictureSize(pictureSize_)
        , camera(camera_)
    {}

    QString name;
    double factor = 1.0;
    qint32 unit = 4; // px

    // Where it was made. Not part of the record's byte layout: kept in the
    // settings sidecar (and beside a .bd backup); empty for older records.
    QSize pictureSize;
    QString camera;
};

using BDInfoList = QList<BDInfo>;

// The same record: every field alike (the factor bit for bit). How the
// calibration in force is found again after the list changed.
bool sameCalibration(const BDInfo &a, const BDInfo &b);
// The row of that record in the list, or -1.
int indexOfCalibration(const BDInfoList &list, const BDInfo &info);

// "mm", "cm", "um", "in", "px" for 0..4; empty for anything else.
QString unitName(int unit);

// A factor labels can use: finite and above zero.
bool isValidFactor(double factor);
// Removes the records whose factor is not valid; returns how many went.
int dropInvalidFactors(BDInfoList *list);

// How much a calibration's factor grows on a picture of `picture` size: the
// width it was made at over the picture's width (a 1920-wide calibration
// on a 1280-wide picture covers 1.5 times the length per pixel). 1 when
// either size is unknown.
double calibrationScale(const BDInfo &info, const QSize &picture);
// The calibration as it applies to a picture of that size. Every place that
// hands a calibration to a scene goes through this.
BDInfo calibrationForPicture(const BDInfo &info, const QSize &picture);

// Field order name, factor, unit. Reading leaves the record untouched and
// the stream in error when the record is incomplete.
QDataStream &operator<<(QDataStream &out, const BDInfo &info);
QDataStream &operator>>(QDataStream &in, BDInfo &info);

// Count, then the records. Reading clears the list and appends every
// complete record; when the data ends before the count is reached the list
// holds the records that were there and the stream reports ReadPastEnd.
// A hostile count never allocates more than the data holds.
QDataStream &operator<<(QDataStream &out, const BDInfoList &list);
QDataStream &operator>>(QDataStream &in, BDInfoList &list);
