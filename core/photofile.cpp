#include "core/photofile.h"
#include "core/atomicsave.h"
#include "core/mediafiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLocale>
#include <QStringList>
#include <QtEndian>

#include <cmath>
#include <map>

namespace photofile {

const char kPngKeyword[] = "Vistrel calibration";

namespace {

constexpr int kMaxTextBytes = 16 * 1024;
constexpr int kMaxNameChars = 200;
constexpr double kMaxFactor = 1e9;

// Length of one unit in metres, by unit index; 0 for none.
double metresPerUnit(int unit)
{
    switch (unit) {
    case 0: return 1e-3;
    case 1: return 1e-2;
    case 2: return 1e-6;
    case 3: return 0.0254;
    default: return 0.0;
    }
}

QByteArray normalisedFormat(const QString &suffix)
{
    const QString s = suffix.toLower();
    if (s == QLatin1String("jpeg") || s == QLatin1String("jpg"))
        return "jpg";
    if (s == QLatin1String("tiff") || s == QLatin1String("tif"))
        return "tif";
    return s.toLatin1();
}

// ------------------------------------------------------------------ PNG

quint32 crc32(const QByteArray &data)
{
    static quint32 table[256];
    static bool ready = false;
    if (!ready) {
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    quint32 c = 0xFFFFFFFFu;
    for (char ch : data)
        c = table[(c ^ quint8(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendBE32(QByteArray *out, quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    out->append(b, 4);
}

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    QByteArray body(type, 4);
    body += data;
    QByteArray out;
    appendBE32(&out, quint32(data.size()));
    out += body;
    appendBE32(&out, crc32(body));
    return out;
}

const char kPngSignature[] = "\x89PNG\r\n\x1a\n";

bool isOurPngText(const QByteArray &type, const QByteArray &data)
{
    if (type != "iTXt" && type != "tEXt" && type != "zTXt")
        return false;
    return data.startsWith(QByteArray(kPngKeyword) + '\0');
}

QByteArray pngWithScale(const QByteArray &in, const BDInfo &scale)
{
    if (!in.startsWith(QByteArray(kPngSignature, 8)))
        return QByteArray();
    QByteArray out = in.left(8);
    qint64 pos = 8;
    bool inserted = false;
    const double ppm = 1.0 / (scale.factor * metresPerUnit(scale.unit));
    while (pos + 12 <= in.size()) {
        const quint32 len = qFromBigEndian<quint32>(in.constData() + pos);
        if (len > quint32(in.size() - pos - 12))
            return QByteArray();
        const QByteArray type = in.mid(pos + 4, 4);
        const QByteArray data = in.mid(pos + 8, int(len));
        const qint64 next = pos + 12 + len;
        const bool drop = type == "pHYs" || isOurPngText(type, data);
        if (!drop)
            out += in.mid(pos, int(next - pos));
        if (type == "IHDR" && !inserted) {
            if (ppm >= 1 && ppm <= 4294967295.0) {
                QByteArray phys;
                appendBE32(&phys, quint32(std::lround(ppm)));
                appendBE32(&phys, quint32(std::lround(ppm)));
                phys += char(1); // metre
                out += pngChunk("pHYs", phys);
            }
            // iTXt: keyword, no compression, no language, no translated keyword.
            QByteArray text = QByteArray(kPngKeyword) + '\0' + '\0' + '\0' + '\0' + '\0';
            text += scaleText(scale).toUtf8();
            out += pngChunk("iTXt", text);
            inserted = true;
        }
        pos = next;
        if (type == "IEND")
            return inserted ? out : QByteArray();
    }
    return QByteArray();
}

// ----------------------------------------------------------------- JPEG

bool isStandalone(quint8 marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

bool isOurComment(const QByteArray &payload) { return payload.startsWith("vistrel."); }

QByteArray jfifSegment(const BDInfo &scale)
{
    // Dots per cm while the count keeps at least three digits (the unit
    // microscopists use); coarser scales per inch for precision; past 16
    // bits aspect only, the comment still holds the exact value.
    const double perCm = 0.01 / (scale.factor * metresPerUnit(scale.unit));
    quint8 units = 0;
    long density = 1;
    if (std::lround(perCm) >= 100 && std::lround(perCm) <= 65535) {
        units = 2;
        density = std::lround(perCm);
    } else if (std::lround(perCm * 2.54) >= 1 && std::lround(perCm * 2.54) <= 65535) {
        units = 1;
        density = std::lround(perCm * 2.54);
    } else if (std::lround(perCm) >= 1 && std::lround(perCm) <= 65535) {
        units = 2;
        density = std::lround(perCm);
    }
    QByteArray seg("\xFF\xE0\x00\x10JFIF\x00\x01\x02", 11);
    seg += char(units);
    seg += char(density >> 8);
    seg += char(density & 0xFF);
    seg += char(density >> 8);
    seg += char(density & 0xFF);
    seg += '\0';
    seg += '\0';
    return seg;
}

QByteArray jpegWithScale(const QByteArray &in, const BDInfo &scale)
{
    if (in.size() < 4 || quint8(in[0]) != 0xFF || quint8(in[1]) != 0xD8)
        return QByteArray();
    QByteArray kept;
    qint64 pos = 2;
    while (true) {
        if (pos + 2 > in.size() || quint8(in[int(pos)]) != 0xFF)
            return QByteArray();
        while (pos + 1 < in.size() && quint8(in[int(pos + 1)]) == 0xFF)
            ++pos; // fill bytes
        if (pos + 2 > in.size())
            return QByteArray();
        const quint8 marker = quint8(in[int(pos + 1)]);
        if (marker == 0xDA || marker == 0xD9)
            break;
        if (isStandalone(marker)) {
            kept += in.mid(pos, 2);
            pos += 2;
            continue;
        }
        if (pos + 4 > in.size())
            return QByteArray();
        const quint16 len = qFromBigEndian<quint16>(in.constData() + pos + 2);
        if (len < 2 || pos + 2 + len > in.size())
            return QByteArray();
        const QByteArray payload = in.mid(pos + 4, len - 2);
        const bool drop = (marker == 0xE0 && payload.startsWith(QByteArray("JFIF\0", 5)))
                          || (marker == 0xFE && isOurComment(payload));
        if (!drop)
            kept += in.mid(pos, 2 + len);
        pos += 2 + len;
    }
    const QByteArray text = scaleText(scale).toUtf8().left(65000);
    QByteArray com("\xFF\xFE", 2);
    com += char((text.size() + 2) >> 8);
    com += char((text.size() + 2) & 0xFF);
    com += text;
    return in.left(2) + jfifSegment(scale) + com + kept + in.mid(pos);
}

// ----------------------------------------------------------------- TIFF

struct TiffOrder
{
    bool little = true;
    quint16 u16(const char *p) const { return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p); }
    quint32 u32(const char *p) const { return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p); }
    void put16(char *p, quint16 v) const { little ? qToLittleEndian(v, p) : qToBigEndian(v, p); }
    void put32(char *p, quint32 v) const { little ? qToLittleEndian(v, p) : qToBigEndian(v, p); }
};

bool tiffOrder(const QByteArray &head, TiffOrder *order)
{
    if (head.startsWith(QByteArray("II*\0", 4)))
        order->little = true;
    else if (head.startsWith(QByteArray("MM\0*", 4)))
        order->little = false;
    else
        return false;
    return true;
}

// A resolution as a rational with as many decimals as 32 bits allow.
void rational(double value, quint32 *num, quint32 *den)
{
    quint32 d = 1;
    while (d < 1000000 && value * d * 10 < 4.0e9)
        d *= 10;
    *num = quint32(std::min(4294967295.0, std::round(value * d)));
    *den = d;
}

// Java Properties escapes: ImageJ reads the description as such.
QByteArray asciiEscaped(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        if (c.unicode() < 0x80 && c.unicode() != 0)
            out += char(c.unicode());
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1();
    }
    return out;
}

QString javaUnescaped(const QByteArray &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 5 < text.size() + 0 && text[i + 1] == 'u') {
            bool ok = false;
            const ushort u = text.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(u);
                i += 5;
                continue;
            }
        }
        out += QLatin1Char(text[i]);
    }
    return out;
}

QString imageJUnit(int unit) { return unit == 3 ? QStringLiteral("inch") : unitName(unit); }

QString xmlEscaped(const QString &text)
{
    QString out = text.toHtmlEscaped();
    // Control characters are not allowed in XML 1.0 at all.
    for (QChar &c : out) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return out;
}

QString omeUnit(int unit)
{
    switch (unit) {
    case 0: return QStringLiteral("mm");
    case 1: return QStringLiteral("cm");
    case 2: return QString::fromUtf8("\u00b5m");
    case 3: return QStringLiteral("in");
    }
    return QString();
}

} // namespace

QByteArray omeXml(const QSize &size, int samples, int bits, const BDInfo &scale, const PhotoOrigin &origin)
{
    const QString name = origin.fileName;
    const QString camera = origin.camera.isEmpty() ? scale.camera : origin.camera;
    const QDateTime taken = origin.taken.isValid() ? origin.taken : QDateTime::currentDateTime();
    // The shortest text that reads back as the same double.
    QString factor;
    for (int digits = 6; digits <= 17; ++digits) {
        factor = QString::number(scale.factor, 'g', digits);
        if (factor.toDouble() == scale.factor)
            break;
    }
    const QString unit = omeUnit(scale.unit);
    QString x;
    x += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<OME xmlns=\"http://www.openmicroscopy.org/Schemas/OME/2016-06\" "
                        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                        "xsi:schemaLocation=\"http://www.openmicroscopy.org/Schemas/OME/2016-06 "
                        "http://www.openmicroscopy.org/Schemas/OME/2016-06/ome.xsd\" Creator=\"Vistrel\">\n");
    x += QStringLiteral("<Instrument ID=\"Instrument:0\">\n");
    if (!camera.isEmpty())
        x += QStringLiteral("<Detector ID=\"Detector:0\" Model=\"%1\" Type=\"CMOS\"/>\n").arg(xmlEscaped(camera));
    x += QStringLiteral("<Objective ID=\"Objective:0\" Model=\"%1\"/>\n").arg(xmlEscaped(scale.name));
    x += QStringLiteral("</Instrument>\n");
    x += QStringLiteral("<Image ID=\"Image:0\" Name=\"%1\">\n").arg(xmlEscaped(name));
    x += QStringLiteral("<AcquisitionDate>%1</AcquisitionDate>\n").arg(taken.toString(Qt::ISODate));
    x += QStringLiteral("<InstrumentRef ID=\"Instrument:0\"/>\n<ObjectiveSettings ID=\"Objective:0\"/>\n");
    x += QStringLiteral("<Pixels ID=\"Pixels:0\" DimensionOrder=\"XYCZT\" Type=\"%1\" SizeX=\"%2\" SizeY=\"%3\" "
                        "SizeC=\"%4\" SizeZ=\"1\" SizeT=\"1\" Interleaved=\"true\"")
             .arg(bits == 16 ? QStringLiteral("uint16") : QStringLiteral("uint8"))
             .arg(size.width())
             .arg(size.height())
             .arg(samples);
    if (!unit.isEmpty())
        x += QStringLiteral(
                 " PhysicalSizeX=\"%1\" PhysicalSizeXUnit=\"%2\" PhysicalSizeY=\"%1\" PhysicalSizeYUnit=\"%2\"")
                 .arg(factor, unit);
    x += QStringLiteral(">\n<Channel ID=\"Channel:0:0\" SamplesPerPixel=\"%1\"/>\n").arg(samples);
    x += QStringLiteral("<TiffData IFD=\"0\" PlaneCount=\"1\"/>\n</Pixels>\n</Image>\n</OME>\n");
    return x.toUtf8();
}

namespace {

QByteArray tiffWithScale(const QByteArray &in, const BDInfo &scale, const PhotoOrigin &origin)
{
    TiffOrder o;
    if (in.size() < 8 || !tiffOrder(in, &o))
        return QByteArray();
    const quint32 ifd = o.u32(in.constData() + 4);
    if (ifd < 8 || qint64(ifd) + 2 > in.size())
        return QByteArray();
    const quint16 count = o.u16(in.constData() + ifd);
    if (count == 0 || count > 4096 || qint64(ifd) + 2 + 12 * count + 4 > in.size())
        return QByteArray();
    // Entries kept byte for byte: their out-of-line data stays where it is,
    // the new directory goes after the end of the file.
    std::map<quint16, QByteArray> entries;
    for (int i = 0; i < count; ++i) {
        const QByteArray e = in.mid(ifd + 2 + 12 * i, 12);
        entries[o.u16(e.constData())] = e;
    }
    const quint32 nextIfd = o.u32(in.constData() + ifd + 2 + 12 * count);

    int resUnit = 1;
    double resolution = 1.0 / scale.factor;
    if (scale.unit == 2) { // um: centimetres, which ImageJ converts
        resUnit = 3;
        resolution = 1.0 / (scale.factor * 1e-4);
    } else if (scale.unit == 1) {
        resUnit = 3;
    } else if (scale.unit == 3) {
        resUnit = 2;
    }

    QByteArray out = in;
    while (out.size() % 2)
        out += '\0';
    auto entry = [&](quint16 tag, quint16 type, quint32 n, quint32 value) {
        QByteArray e(12, '\0');
        o.put16(e.data(), tag);
        o.put16(e.data() + 2, type);
        o.put32(e.data() + 4, n);
        if (type == 3 && n == 1)
            o.put16(e.data() + 8, quint16(value));
        else
            o.put32(e.data() + 8, value);
        entries[tag] = e;
    };
    auto appendData = [&](const QByteArray &data) {
        const quint32 at = quint32(out.size());
        out += data;
        while (out.size() % 2)
            out += '\0';
        return at;
    };

    const QByteArray description = "ImageJ=\nunit=" + asciiEscaped(imageJUnit(scale.unit)) + '\n'
                                   + asciiEscaped(scaleText(scale)) + '\0';
    auto value = [&](quint16 tag, quint32 fallback) {
        const auto it = entries.find(tag);
        if (it == entries.end())
            return fallback;
        const quint16 type = o.u16(it->second.constData() + 2);
        const quint32 n = o.u32(it->second.constData() + 4);
        if (type == 3 && n == 1)
            return quint32(o.u16(it->second.constData() + 8));
        if (type == 4 && n == 1)
            return o.u32(it->second.constData() + 8);
        if (type == 3 && n > 2) // one per sample, out of line: the first
            return qint64(o.u32(it->second.constData() + 8)) + 2 <= in.size()
                       ? quint32(o.u16(in.constData() + o.u32(it->second.constData() + 8)))
                       : fallback;
        if (type == 3 && n == 2)
            return quint32(o.u16(it->second.constData() + 8));
        return fallback;
    };
    const QSize size(int(value(256, 0)), int(value(257, 0)));
    const QByteArray ome = omeXml(size, int(value(277, 1)), int(value(258, 8)), scale, origin) + '\0';
    entry(270, 2, quint32(ome.size()), appendData(ome));
    // ImageJ's description goes right after, under the same tag.
    QByteArray imageJ(12, '\0');
    o.put16(imageJ.data(), 270);
    o.put16(imageJ.data() + 2, 2);
    o.put32(imageJ.data() + 4, quint32(description.size()));
    o.put32(imageJ.data() + 8, appendData(description));
    quint32 num = 0, den = 1;
    rational(resolution, &num, &den);
    QByteArray r(8, '\0');
    o.put32(r.data(), num);
    o.put32(r.data() + 4, den);
    entry(282, 5, 1, appendData(r));
    entry(283, 5, 1, appendData(r));
    entry(296, 3, 1, quint32(resUnit));

    const quint32 newIfd = quint32(out.size());
    QByteArray dir(2, '\0');
    o.put16(dir.data(), quint16(entries.size() + 1));
    for (const auto &kv : entries) {
        dir += kv.second;
        if (kv.first == 270)
            dir += imageJ;
    }
    QByteArray next(4, '\0');
    o.put32(next.data(), nextIfd);
    dir += next;
    out += dir;
    o.put32(out.data() + 4, newIfd);
    return out;
}

// ------------------------------------------------------------- reading

// Reads `size` bytes at `offset`; empty when the file is shorter.
QByteArray readAt(QFile &f, qint64 offset, qint64 size)
{
    if (offset < 0 || size < 0 || offset + size > f.size() || !f.seek(offset))
        return QByteArray();
    const QByteArray data = f.read(size);
    return data.size() == size ? data : QByteArray();
}

std::optional<BDInfo> readPng(QFile &f)
{
    if (readAt(f, 0, 8) != QByteArray(kPngSignature, 8))
        return std::nullopt;
    QSize size;
    qint64 pos = 8;
    for (int chunks = 0; chunks < 100000; ++chunks) {
        const QByteArray head = readAt(f, pos, 8);
        if (head.size() != 8)
            break;
        const quint32 len = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4);
        if (type == "IHDR" && len >= 8) {
            const QByteArray d = readAt(f, pos + 8, 8);
            if (d.size() == 8)
                size = QSize(int(qFromBigEndian<quint32>(d.constData()) & 0x7FFFFFFF),
                             int(qFromBigEndian<quint32>(d.constData() + 4) & 0x7FFFFFFF));
        } else if ((type == "iTXt" || type == "tEXt") && len <= kMaxTextBytes) {
            const QByteArray d = readAt(f, pos + 8, len);
            if (isOurPngText(type, d)) {
                QByteArray text = d.mid(int(sizeof kPngKeyword));
                if (type == "iTXt") {
                    // compression flag, method, language\0, translated keyword\0
                    if (text.size() < 2 || text[0] != '\0')
                        return std::nullopt;
                    text = text.mid(2);
                    for (int skip = 0; skip < 2; ++skip) {
                        const int nul = text.indexOf('\0');
                        if (nul < 0)
                            return std::nullopt;
                        text = text.mid(nul + 1);
                    }
                }
                auto scale = parseScaleText(type == "iTXt" ? QString::fromUtf8(text) : QString::fromLatin1(text));
                if (scale)
                    scale->pictureSize = size;
                return scale;
            }
        } else if (type == "IEND" || type == "IDAT") {
            // Ours goes before the picture data.
            if (type == "IEND")
                break;
        }
        pos += 12 + qint64(len);
    }
    return std::nullopt;
}

std::optional<BDInfo> readJpeg(QFile &f)
{
    if (readAt(f, 0, 2) != QByteArray("\xFF\xD8", 2))
        return std::nullopt;
    QSize size;
    std::optional<BDInfo> scale;
    qint64 pos = 2;
    for (int segments = 0; segments < 10000; ++segments) {
        QByteArray m = readAt(f, pos, 2);
        if (m.size() != 2 || quint8(m[0]) != 0xFF)
            break;
        const quint8 marker = quint8(m[1]);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            break;
        if (isStandalone(marker)) {
            pos += 2;
            continue;
        }
        const QByteArray l = readAt(f, pos + 2, 2);
        if (l.size() != 2)
            break;
        const quint16 len = qFromBigEndian<quint16>(l.constData());
        if (len < 2)
            break;
        if (marker == 0xFE && !scale) {
            const QByteArray payload = readAt(f, pos + 4, len - 2);
            if (isOurComment(payload))
                scale = parseScaleText(QString::fromUtf8(payload));
        } else if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            const QByteArray d = readAt(f, pos + 4, 5);
            if (d.size() == 5)
                size = QSize(qFromBigEndian<quint16>(d.constData() + 3), qFromBigEndian<quint16>(d.constData() + 1));
        }
        pos += 2 + len;
    }
    if (scale)
        scale->pictureSize = size;
    return scale;
}

std::optional<BDInfo> readTiff(QFile &f)
{
    const QByteArray head = readAt(f, 0, 8);
    TiffOrder o;
    if (head.size() != 8 || !tiffOrder(head, &o))
        return std::nullopt;
    const quint32 ifd = o.u32(head.constData() + 4);
    const QByteArray c = readAt(f, ifd, 2);
    if (c.size() != 2)
        return std::nullopt;
    const quint16 count = o.u16(c.constData());
    const QByteArray dir = readAt(f, qint64(ifd) + 2, 12 * qint64(qMin<quint16>(count, 4096)));
    if (dir.isEmpty())
        return std::nullopt;
    QSize size;
    QByteArray description;
    double xres = 0;
    int resUnit = 2; // the TIFF default
    for (int i = 0; i < dir.size() / 12; ++i) {
        const char *e = dir.constData() + 12 * i;
        const quint16 tag = o.u16(e);
        const quint16 type = o.u16(e + 2);
        const quint32 n = o.u32(e + 4);
        const quint32 value = type == 3 ? o.u16(e + 8) : o.u32(e + 8);
        if (tag == 256)
            size.setWidth(int(value & 0x7FFFFFFF));
        else if (tag == 257)
            size.setHeight(int(value & 0x7FFFFFFF));
        else if (tag == 296 && type == 3)
            resUnit = int(value);
        else if (tag == 282 && type == 5 && n == 1) {
            const QByteArray r = readAt(f, o.u32(e + 8), 8);
            if (r.size() == 8 && o.u32(r.constData() + 4) != 0)
                xres = double(o.u32(r.constData())) / o.u32(r.constData() + 4);
        } else if (tag == 270 && type == 2 && n <= quint32(kMaxTextBytes)) {
            description = n <= 4 ? QByteArray(e + 8, int(n)) : readAt(f, o.u32(e + 8), n);
        }
    }
    const int nul = description.indexOf('\0');
    if (nul >= 0)
        description.truncate(nul);
    const QString text = javaUnescaped(description);
    std::optional<BDInfo> scale = parseScaleText(text);
    if (!scale && text.startsWith(QLatin1String("ImageJ=")) && xres > 0) {
        // ImageJ's own calibration: pixel width 1/xres in the description's
        // unit, centimetre resolutions converted for um only (as ImageJ does).
        QString unit;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("unit=")))
                unit = line.mid(5).trimmed();
        }
        double factor = 1.0 / xres;
        int index = -1;
        if (unit == QLatin1String("mm"))
            index = 0;
        else if (unit == QLatin1String("cm"))
            index = 1;
        else if (unit == QLatin1String("um") || unit == QString(QString(QChar(0xB5)) + QLatin1Char('m'))
                 || unit == QLatin1String("micron")) {
            index = 2;
            if (resUnit == 3 && unit == QLatin1String("um"))
                factor *= 1e4;
        } else if (unit == QLatin1String("inch") || unit == QLatin1String("in"))
            index = 3;
        if (index >= 0 && std::isfinite(factor) && factor > 0 && factor < kMaxFactor) {
            BDInfo info;
            info.factor = factor;
            info.unit = index;
            scale = info;
        }
    }
    if (scale)
        scale->pictureSize = size;
    return scale;
}

} // namespace

QStringList photoSuffixes()
{
    QStringList out;
    for (const QString &s : media::photoSuffixes())
        out << s.mid(1);
    return out;
}

bool isPhotoSuffix(const QString &suffix) { return photoSuffixes().contains(suffix.toLower()); }

bool hasRealScale(const BDInfo &scale)
{
    return metresPerUnit(scale.unit) > 0 && std::isfinite(scale.factor) && scale.factor > 0
           && scale.factor < kMaxFactor;
}

QString scaleText(const BDInfo &scale)
{
    QString name = scale.name.left(kMaxNameChars);
    name.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return QStringLiteral("vistrel.unit=%1\nvistrel.factor=%2\nvistrel.name=%3\n")
        .arg(unitName(scale.unit), QString::number(scale.factor, 'g', QLocale::FloatingPointShortest), name);
}

std::optional<BDInfo> parseScaleText(const QString &text)
{
    if (text.size() > kMaxTextBytes)
        return std::nullopt;
    BDInfo info;
    info.unit = -1;
    bool haveFactor = false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        if (key == QLatin1String("vistrel.unit")) {
            for (int u = 0; u < 4; ++u) {
                if (value.trimmed() == unitName(u))
                    info.unit = u;
            }
        } else if (key == QLatin1String("vistrel.factor")) {
            info.factor = value.trimmed().toDouble(&haveFactor);
        } else if (key == QLatin1String("vistrel.name")) {
            info.name = value.left(kMaxNameChars);
        }
    }
    if (!haveFactor || !hasRealScale(info))
        return std::nullopt;
    return info;
}

QByteArray withScale(const QByteArray &encoded, const QByteArray &format, const BDInfo &scale,
                     const PhotoOrigin &origin)
{
    if (!hasRealScale(scale))
        return QByteArray();
    if (format == "png")
        return pngWithScale(encoded, scale);
    if (format == "jpg")
        return jpegWithScale(encoded, scale);
    if (format == "tif")
        return tiffWithScale(encoded, scale, origin);
    return QByteArray();
}

bool writePhoto(const QString &path, const QImage &image, const BDInfo &scale, QString *error,
                const PhotoOrigin &origin)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (image.isNull())
        return fail(QStringLiteral("no picture"));
    const QByteArray format = normalisedFormat(QFileInfo(path).suffix());
    const bool scaled = hasRealScale(scale);
    QImage picture = image;
    if (scaled) {
        // The header fields each format has natively (BMP keeps only these).
        const int dpm = int(qBound(1.0, std::round(1.0 / (scale.factor * metresPerUnit(scale.unit))), 2.0e9));
        picture.setDotsPerMeterX(dpm);
        picture.setDotsPerMeterY(dpm);
    }
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format == "tif"   ? QByteArray("tiff")
                                     : format == "jpg" ? QByteArray("jpeg")
                                                       : format);
        if (format == "tif")
            writer.setCompression(1); // LZW: lossless and smaller
        if (!writer.write(picture))
            return fail(writer.errorString());
    }
    if (scaled && (format == "png" || format == "jpg" || format == "tif")) {
        PhotoOrigin named = origin;
        named.fileName = QFileInfo(path).fileName();
        const QByteArray withIt = withScale(bytes, format, scale, named);
        if (withIt.isEmpty())
            return fail(QStringLiteral("the encoded picture could not be given its scale"));
        bytes = withIt;
    }
    const atomicsave::Result saved = atomicsave::save(path, bytes);
    return saved.saved || fail(saved.reason);
}

std::optional<BDInfo> readPhotoScale(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = f.peek(8);
    if (head.startsWith(QByteArray(kPngSignature, 8)))
        return readPng(f);
    if (head.startsWith(QByteArray("\xFF\xD8", 2)))
        return readJpeg(f);
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return readTiff(f);
    return std::nullopt;
}

} // namespace photofile
