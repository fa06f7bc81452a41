#include "core/streamread.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace streamread {

bool ok(const QDataStream &in) { return in.status() == QDataStream::Ok; }

bool readCount(QDataStream &in, quint32 *count)
{
    if (!ok(in))
        return false;
    quint32 n = 0;
    in >> n;
    if (!ok(in))
        return false;
    *count = n;
    return true;
}

bool readString(QDataStream &in, QString *out)
{
    if (!ok(in))
        return false;
    quint32 bytes = 0;
    in >> bytes;
    if (!ok(in))
        return false;
    if (bytes == 0xFFFFFFFFu) {
        *out = QString();
        return true;
    }
    // Odd lengths cannot be UTF-16; beyond 1 GiB is no string of ours and
    // close to what QString can hold at all.
    if ((bytes & 1u) || bytes > (1u << 30)) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    QIODevice *dev = in.device();
    if (!dev) {
        in.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    // A random-access device says how much is left, so a lying length is
    // refused before anything is allocated. A sequential one is read in
    // steps, so memory grows only with data that really arrives.
    if (!dev->isSequential() && qint64(bytes) > dev->bytesAvailable()) {
        in.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    const int units = int(bytes / 2);
    QString s;
    const int step = 1 << 19;
    int done = 0;
    while (done < units) {
        const int chunk = std::min(step, units - done);
        s.resize(done + chunk);
        char *dst = reinterpret_cast<char *>(s.data() + done);
        // A sequential device may hand over less than asked while more is
        // coming; only no data at all is the end (QDataStream::readRawData
        // would take a short piece for the end).
        qint64 got = 0;
        while (got < chunk * 2) {
            const qint64 n = dev->read(dst + got, chunk * 2 - got);
            if (n <= 0) {
                in.setStatus(QDataStream::ReadPastEnd);
                return false;
            }
            got += n;
        }
        done += chunk;
    }
    if (in.byteOrder() == QDataStream::BigEndian)
        qFromBigEndian<ushort>(s.constData(), units, s.data());
    else
        qFromLittleEndian<ushort>(s.constData(), units, s.data());
    if (bytes == 0)
        s = QString(QLatin1String("")); // empty, not null
    *out = s;
    return true;
}

} // namespace streamread
