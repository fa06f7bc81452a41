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
