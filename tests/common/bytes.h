#pragma once

// Big-endian bytes spelled out by hand, the way QDataStream writes the
// program's files: the expected layouts are written here independently
// instead of by the code under test.
#include <QByteArray>
#include <QString>

#include <cstring>

namespace testbytes {

struct Bytes
{
    QByteArray data;

    Bytes &u8(quint8 v)
    {
        data.append(char(v));
        return *this;
    }
    Bytes &u32(quint32 v)
    {
        for (int s = 24; s >= 0; s -= 8)
            data.append(char((v >> s) & 0xFF));
        return *this;
    }
    Bytes &i32(qint32 v) { return u32(quint32(v)); }
    Bytes &u64(quint64 v)
    {
        for (int s = 56; s >= 0; s -= 8)
            data.append(char((v >> s) & 0xFF));
        return *this;
    }
    Bytes &f64(double d)
    {
        quint64 v;
        std::memcpy(&v, &d, 8);
        return u64(v);
    }
    // QString: byte length, then UTF-16 big-endian; a null string is 0xFFFFFFFF.
    Bytes &str(const QString &s)
    {
        if (s.isNull())
            return u32(0xFFFFFFFFu);
        u32(quint32(s.size() * 2));
        for (QChar c : s) {
            data.append(char(c.unicode() >> 8));
            data.append(char(c.unicode() & 0xFF));
        }
        return *this;
    }
    Bytes &raw(const QByteArray &b)
    {
        data += b;
        return *this;
    }
};

} // namespace testbytes
