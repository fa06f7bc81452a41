#include "core/appsettings.h"
#include "core/atomicsave.h"
#include "core/streamread.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTimeZone>

namespace {

const qint32 kHeader[5] = {32, 24, 344, 136, 123};

// Reads fields in order into their places; after the first failure it does
// nothing, so every later field keeps what it had.
class FieldReader
{
public:
    explicit FieldReader(QDataStream &in)
        : m_in(in)
    {}

    bool ok() const { return streamread::ok(m_in); }

    // Types of a fixed size: Qt's operators cannot over-allocate on them.
    template <typename T> void fixed(T *out)
    {
        if (!ok())
            return;
        T v{};
        m_in >> v;
        if (ok())
            *out = v;
    }

    void string(QString *out)
    {
        QString s;
        if (streamread::readString(m_in, &s))
            *out = s;
    }

    void stringList(QStringList *out)
    {
        quint32 count = 0;
        if (!streamread::readCount(m_in, &count))
            return;
        QStringList list;
        for (quint32 i = 0; i < count; ++i) {
            QString s;
            if (!streamread::readString(m_in, &s))
                return;
            list.append(s);
        }
        *out = list;
    }

    void cameras(QMap<QString, CameraConfig> *out)
    {
        quint32 count = 0;
        if (!streamread::readCount(m_in, &count))
            return;
        QMap<QString, CameraConfig> map;
        for (quint32 i = 0; i < count; ++i) {
            QString key;
            if (!streamread::readString(m_in, &key))
                return;
            CameraConfig config;
            m_in >> config;
            if (!ok())
                return;
            map.insert(key, config);
        }
        *out = map;
    }

    void calibrations(BDInfoList *out)
    {
        if (!ok())
            return;
        BDInfoList list;
        m_in >> list;
        if (!ok())
            return;
        // A NaN, infinite or non-positive factor would print nonsense in
        // every label; such a record cannot be used.
        dropInvalidFactors(&list);
        *out = list;
    }

    void dateTime(QDateTime *out)
    {
        if (!ok())
            return;
        QDate date;
        QTime time;
        quint8 spec = 0;
        m_in >> date >> time >> spec;
        if (!ok())
            return;
        QDateTime dt;
        switch (spec) {
        case Qt::LocalTime: dt = QDateTime(date, time, Qt::LocalTime); break;
        case Qt::UTC: dt = QDateTime(date, time, Qt::UTC); break;
        case Qt::OffsetFromUTC: {
            qint32 offset = 0;
            m_in >> offset;
            if (!ok())
                return;
            dt = QDateTime(date, time, Qt::OffsetFromUTC, offset);
            break;
        }
        case Qt::TimeZone: {
            QTimeZone zone;
            int offset = 0;
            if (!timeZone(&zone, &offset))
                return;
            // A zone this machine does not know must not become a date-time
            // with an invalid zone: Qt crashes when it writes one.
            if (zone.isValid())
                dt = QDateTime(date, time, zone);
            else if (offset != 0)
                dt = QDateTime(date, time, Qt::OffsetFromUTC, offset);
            else
                dt = QDateTime(date, time, Qt::LocalTime);
            break;
        }
        default: m_in.setStatus(QDataStream::ReadCorruptData); return;
        }
        *out = dt;
    }

private:
    // A zone is stored as its id, or as "OffsetFromUtc" followed by the
    // fields of a fixed-offset zone (*offset gets its offset).
    bool timeZone(QTimeZone *out, int *offset)
    {
        *offset = 0;
        QString id;
        if (!streamread::readString(m_in, &id))
            return false;
        if (id != QLatin1String("OffsetFromUtc")) {
            *out = systemZone(id);
            return true;
        }
        QString name, abbreviation, comment;
        qint32 utcOffset = 0, country = 0;
        if (!streamread::readString(m_in, &id))
            return false;
        m_in >> utcOffset;
        if (!streamread::readString(m_in, &name) || !streamread::readString(m_in, &abbreviation))
            return false;
        m_in >> country;
        if (!streamread::readString(m_in, &comment))
            return false;
        *offset = utcOffset;
        const QTimeZone system = systemZone(id);
        if (system.isValid() && !system.hasDaylightTime()
            && system.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(0, Qt::UTC)) == utcOffset) {
            *out = system;
        } else if (plausibleId(id)) {
            *out = QTimeZone(id.toUtf8(), utcOffset, name, abbreviation, QLocale::Country(country), comment);
        }
        return true;
    }

    // The id becomes part of a path under the zoneinfo folder.
    static bool plausibleId(const QString &id)
    {
        if (id.isEmpty() || id.size() > 64 || id.startsWith(QLatin1Char('/')) || id.contains(QLatin1String("..")))
            return false;
        for (QChar c : id) {
            const ushort u = c.unicode();
            const bool good = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '/'
                              || u == '_' || u == '-' || u == '+' || u == '.' || u == ':';
            if (!good)
                return false;
        }
        return true;
    }

    static QTimeZone systemZone(const QString &id) { return plausibleId(id) ? QTimeZone(id.toUtf8()) : QTimeZone(); }

    QDataStream &m_in;
};

} // namespace

void CameraConfig::resetToDefaults()
{
    for (CameraParam &p : params)
        p.setCurrent(p.defaultValue());
    blackWhite = false;
    flipHorizontal = false;
    flipVertical = false;
}

QDataStream &operator<<(QDataStream &out, const CameraConfig &c)
{
    out << c.name;
    out << c.initialized << c.size;
    out << c.format;
    for (const CameraParam &p : c.params) {
        out << p.flag;
        for (qint32 v : p.values)
            out << v;
    }
    out << c.autoWhiteBalance << c.redGain << c.greenGain << c.blueGain << c.blackWhite << c.flipHorizontal
        << c.flipVertical;
    return out;
}

QDataStream &operator>>(QDataStream &in, CameraConfig &config)
{
    CameraConfig c;
    FieldReader r(in);
    r.string(&c.name);
    r.fixed(&c.initialized);
    r.fixed(&c.size);
    r.string(&c.format);
    for (CameraParam &p : c.params) {
        r.fixed(&p.flag);
        for (qint32 &v : p.values)
            r.fixed(&v);
    }
    r.fixed(&c.autoWhiteBalance);
    r.fixed(&c.redGain);
    r.fixed(&c.greenGain);
    r.fixed(&c.blueGain);
    r.fixed(&c.blackWhite);
    r.fixed(&c.flipHorizontal);
    r.fixed(&c.flipVertical);
    if (r.ok())
        config = c;
    return in;
}

// Qt crashes writing a date-time whose zone is invalid; such a value is
// written as the local time it shows.
static QDateTime writable(const QDateTime &dt)
{
    if (dt.timeSpec() == Qt::TimeZone && !dt.timeZone().isValid())
        return QDateTime(dt.date(), dt.time(), Qt::LocalTime);
    return dt;
}

bool writeSettings(QIODevice *device, const AppSettings &s)
{
    QDataStream out(device);
    out.setVersion(QDataStream::Qt_5_15);
    out << quint32(5);
    for (qint32 v : kHeader)
        out << v;

    out << s.currentCamera;
    out << s.showTime << s.language << s.rect;
    out << s.imageRoot;
    out << s.videoRoot;
    out << s.imageFolder;
    out << s.videoFolder;
    out << s.imageFiles << s.videoFiles;
    out << s.imageFormat << s.videoFormat;

    out << quint32(s.cameras.size());
    for (auto it = s.cameras.constEnd(); it != s.cameras.constBegin();) {
        --it;
        out << it.key();
        out << it.value();
    }

    out << s.calibrations;
    out << qint32(s.style.textColorIndex) << qint32(s.style.fontSizeIndex) << qint32(s.style.lineColorIndex)
        << qint32(s.style.lineStyle) << qint32(s.style.lineWidthIndex);
    out << s.timedActive << s.timedMode << writable(s.timedStart) << writable(s.timedNext) << s.timedInterval
        << s.timedLength << s.timedCount << s.timedDone;
    return out.status() == QDataStream::Ok;
}

SettingsRead readSettings(QIODevice *device, AppSettings *s)
{
    QDataStream in(device);
    in.setVersion(QDataStream::Qt_5_15);

    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count != 5)
        return SettingsRead::WrongHeader;
    for (qint32 expected : kHeader) {
        qint32 v = 0;
        in >> v;
        if (in.status() != QDataStream::Ok || v != expected)
            return SettingsRead::WrongHeader;
    }

    FieldReader r(in);
    r.string(&s->currentCamera);
    r.fixed(&s->showTime);
    r.fixed(&s->language);
    r.fixed(&s->rect);
    r.string(&s->imageRoot);
    r.string(&s->videoRoot);
    r.string(&s->imageFolder);
    r.string(&s->videoFolder);
    r.stringList(&s->imageFiles);
    r.stringList(&s->videoFiles);
    r.fixed(&s->imageFormat);
    r.fixed(&s->videoFormat);
    r.cameras(&s->cameras);
    r.calibrations(&s->calibrations);
    qint32 style[5] = {s->style.textColorIndex, s->style.fontSizeIndex, s->style.lineColorIndex, s->style.lineStyle,
                       s->style.lineWidthIndex};
    for (qint32 &v : style)
        r.fixed(&v);
    s->style.textColorIndex = style[0];
    s->style.fontSizeIndex = style[1];
    s->style.lineColorIndex = style[2];
    s->style.lineStyle = style[3];
    s->style.lineWidthIndex = style[4];
    r.fixed(&s->timedActive);
    r.fixed(&s->timedMode);
    r.dateTime(&s->timedStart);
    r.dateTime(&s->timedNext);
    r.fixed(&s->timedInterval);
    r.fixed(&s->timedLength);
    r.fixed(&s->timedCount);
    r.fixed(&s->timedDone);
    return r.ok() ? SettingsRead::Complete : SettingsRead::Truncated;
}

bool saveSettingsFile(const QString &path, const AppSettings &settings)
{
    return atomicsave::save(path, [&settings](QFileDevice &file, QString *) { return writeSettings(&file, settings); })
        .saved;
}

SettingsRead loadSettingsFile(const QString &path, AppSettings *settings)
{
    if (!QFileInfo(path).isFile()) // a FIFO would block, a device never end
        return SettingsRead::NotOpened;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SettingsRead::NotOpened;
    return readSettings(&file, settings);
}
