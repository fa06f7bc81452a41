#pragma once

// "Measure.config" and ".bd" records through memory, by the program's own
// writers and readers: for the tests and the fuzz targets that build or
// compare such bytes.
#include "calib/bdfile.h"
#include "core/appsettings.h"
#include "core/bdinfo.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>

namespace testrecords {

inline QByteArray serialise(const AppSettings &s)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    writeSettings(&buf, s);
    return bytes;
}

inline SettingsRead parse(const QByteArray &bytes, AppSettings *s)
{
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    return readSettings(&buf, s);
}

inline QByteArray serialise(const BDInfoList &list)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    writeBDList(&buf, list);
    return bytes;
}

inline BDInfo bd(const QString &name, double factor, qint32 unit)
{
    BDInfo b;
    b.name = name;
    b.factor = factor;
    b.unit = unit;
    return b;
}

} // namespace testrecords
