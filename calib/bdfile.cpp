#include "calib/bdfile.h"

#include "core/atomicsave.h"
#include "core/sidecar.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>

bool writeBDList(QIODevice *device, const BDInfoList &list)
{
    QDataStream out(device);
    out.setVersion(QDataStream::Qt_5_15);
    out << list;
    return out.status() == QDataStream::Ok;
}

bool readBDList(QIODevice *device, BDInfoList *list)
{
    QDataStream in(device);
    in.setVersion(QDataStream::Qt_5_15);
    in >> *list;
    return in.status() == QDataStream::Ok;
}

bool saveBDFile(const QString &path, const BDInfoList &list)
{
    // Written beside the old file and renamed over it, so a full disk or a
    // crash never leaves a half-written backup in its place.
    return atomicsave::save(path, [&list](QFileDevice &file, QString *) { return writeBDList(&file, list); }).saved;
}

bool loadBDFile(const QString &path, BDInfoList *list, bool *complete)
{
    // Only regular files: a FIFO would block the open, /dev/urandom would
    // never end.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    BDInfoList read;
    const bool whole = readBDList(&file, &read);
    *list = read;
    if (complete)
        *complete = whole;
    return true;
}

bool writeBDBackup(const QString &path, const BDInfoList &list)
{
    return saveBDFile(path, list) && sidecar::saveBDOrigins(path, list);
}

BDBackup readBDBackup(const QString &path)
{
    BDBackup result;
    if (!QFileInfo(path).isFile())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    BDInfoList read;
    if (!readBDList(&file, &read) || !file.atEnd()) {
        result.status = BDBackup::Damaged;
        return result;
    }
    sidecar::loadBDOrigins(path, &read);
    result.dropped = dropInvalidFactors(&read);
    result.status = read.isEmpty() ? BDBackup::NoRecords : BDBackup::Ok;
    result.list = read;
    return result;
}
