#pragma once

// Helpers the whole-program benchmarks share.
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QString>
#include <QTimer>

#include <unistd.h>

namespace bench {

// CPU seconds used so far by each thread name of this process: "GUI" for the
// main thread, the program's named threads ("vistrel-…"), "other" for the rest.
inline QMap<QString, double> threadCpu()
{
    QMap<QString, double> cpu;
    const double tick = double(sysconf(_SC_CLK_TCK));
    const QString self = QString::number(getpid());
    for (const QString &tid : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(tid));
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(tid));
        if (!stat.open(QIODevice::ReadOnly) || !comm.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> f = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (f.size() < 13)
            continue;
        QString name = QString::fromLatin1(comm.readAll().trimmed());
        if (tid == self)
            name = QStringLiteral("GUI");
        else if (!name.startsWith(QLatin1String("vistrel-")))
            name = QStringLiteral("other");
        cpu[name] += (f[11].toDouble() + f[12].toDouble()) / tick;
    }
    return cpu;
}

// Runs the event loop for a while, as the program does: idle costs nothing.
inline void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace bench
