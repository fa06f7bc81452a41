#pragma once

#include "core/bdinfo.h"

class QIODevice;
class QString;

// The calibration backup file ("*.bd"): the list as the stream operators
// write it, big-endian, no header.

// Writes the whole list. Returns false when the file cannot be written; an
// existing file is then left as it was.
bool saveBDFile(const QString &path, const BDInfoList &list);

// Replaces *list with the file's records. Returns false, leaving *list
// unchanged, when the file cannot be opened or is no regular file. A file shorter than its count
// claims still counts as read: *list then holds the complete records.
// *complete (optional) tells whether every record the count promised was there.
bool loadBDFile(const QString &path, BDInfoList *list, bool *complete = nullptr);

// The same over any device, for callers that already have the bytes.
bool writeBDList(QIODevice *device, const BDInfoList &list);
bool readBDList(QIODevice *device, BDInfoList *list); // false when incomplete

// A backup as the toolbox writes it: the .bd file, and the records' origins
// (picture size, camera) in the file's own sidecar.
bool writeBDBackup(const QString &path, const BDInfoList &list);

// What a restore found in a backup.
struct BDBackup
{
    enum Status { Ok, Unreadable, Damaged, NoRecords };
    Status status = Unreadable;
    BDInfoList list; // the usable records with their origins (when Ok)
    int dropped = 0; // records whose factor is not finite and positive
};

// Reads a backup for a restore. Damaged: the data ends before its count is
// reached, or goes on after it (a PNG, a little-endian file). NoRecords:
// whole, but without one usable record.
BDBackup readBDBackup(const QString &path);
