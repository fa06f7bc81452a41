#pragma once

// Small files whose headers claim enormous pictures.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtEndian>

namespace hostile {

inline quint32 crc32(const QByteArray &data)
{
    quint32 c = 0xFFFFFFFFu;
    for (char ch : data) {
        c ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

inline QByteArray chunk(const char *type, const QByteArray &body)
{
    QByteArray out(4, '\0');
    qToBigEndian<quint32>(quint32(body.size()), out.data());
    const QByteArray typed = QByteArray(type, 4) + body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(typed), crc.data());
    return out + typed + crc;
}

// A PNG of w x h RGB pixels: a valid header and one small data chunk.
inline QByteArray png(quint32 w, quint32 h)
{
    QByteArray ihdr(13, '\0');
    qToBigEndian<quint32>(w, ihdr.data());
    qToBigEndian<quint32>(h, ihdr.data() + 4);
    ihdr[8] = 8;                                                           // bit depth
    ihdr[9] = 2;                                                           // RGB
    const QByteArray idat = QByteArray::fromHex("789c636000000001000100"); // a few zero bytes
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", idat) + chunk("IEND", QByteArray());
}

// A real 16 x 16 JPEG whose frame header is changed to claim w x h.
inline QByteArray jpeg(quint16 w, quint16 h)
{
    QByteArray data;
    QBuffer buf(&data);
    buf.open(QIODevice::WriteOnly);
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::gray);
    small.save(&buf, "JPEG");
    for (int i = 2; i + 9 < data.size(); ++i) {
        if (quint8(data[i]) == 0xFF && (quint8(data[i + 1]) == 0xC0 || quint8(data[i + 1]) == 0xC2)) {
            qToBigEndian<quint16>(h, data.data() + i + 5);
            qToBigEndian<quint16>(w, data.data() + i + 7);
            break;
        }
    }
    return data;
}

} // namespace hostile
