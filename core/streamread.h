#pragma once

#include <QString>

class QDataStream;

// Readers for data that comes from files the user may have damaged or that
// someone built to hurt us. Unlike Qt's own operators they never allocate
// more than the bytes that are really there, and they leave the target
// untouched when the data ends early or is malformed (the stream's status
// then tells why).
namespace streamread {

// A QString as QDataStream writes it: quint32 byte length (0xFFFFFFFF for a
// null string), then UTF-16 code units in the stream's byte order.
bool readString(QDataStream &in, QString *out);

// The element count that precedes a list or map. Fails on a stream that is
// already in error.
bool readCount(QDataStream &in, quint32 *count);

// True while the stream has not failed.
bool ok(const QDataStream &in);

} // namespace streamread
