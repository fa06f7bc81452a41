#include "core/screenmetrics.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace {
double g_mmPerPixel = 25.4 / 96.0;
}

double screenMmPerPixel() { return g_mmPerPixel; }

void setScreenMmPerPixel(double mmPerPixel) { g_mmPerPixel = mmPerPixel; }

namespace screenmetrics {

std::optional<int> edidHorizontalMm(const QByteArray &edid)
{
    static const char header[8] = {'\x00', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\x00'};
    if (edid.size() < 128 || memcmp(edid.constData(), header, sizeof header) != 0)
        return std::nullopt;
    const auto *b = reinterpret_cast<const unsigned char *>(edid.constData());
    const quint16 horizontal = quint16(((b[68] & 0xF0) << 4) + b[66]);
    return int(horizontal);
}

QByteArray readLastEdid(const QString &drmDir)
{
    const QDir dir(drmDir);
    QByteArray last;
    const QStringList entries = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        QFile f(dir.filePath(entry + QStringLiteral("/edid")));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        // An EDID with all its extension blocks is at most 32 KiB.
        const QByteArray data = f.read(32768);
        if (!data.isEmpty())
            last = data;
    }
    return last;
}

double mmPerPixel(std::optional<int> edidMm, int primaryWidthPx, double physicalWidthMm, double logicalDpi)
{
    if (edidMm && *edidMm > 0 && primaryWidthPx > 0)
        return double(*edidMm) / double(primaryWidthPx);
    if (physicalWidthMm > 0 && primaryWidthPx > 0)
        return physicalWidthMm / double(primaryWidthPx);
    if (logicalDpi > 0)
        return 25.4 / logicalDpi;
    return 25.4 / 96.0;
}

double onScreenMm(double logicalPx, double devicePixelRatio, double mmPerDevicePixel)
{
    return logicalPx * (devicePixelRatio > 0 ? devicePixelRatio : 1.0) * mmPerDevicePixel;
}

QString magnificationText(double onScreenLength, double actualLength)
{
    return QString::asprintf("%0.2fX", onScreenLength / actualLength);
}

void measureScreen(const QString &drmDir)
{
    int widthPx = 0;
    double physicalMm = 0;
    double dpi = 96;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        widthPx = qRound(screen->geometry().width() * screen->devicePixelRatio());
        physicalMm = screen->physicalSize().width();
        dpi = screen->logicalDotsPerInchX();
    }
    setScreenMmPerPixel(mmPerPixel(edidHorizontalMm(readLastEdid(drmDir)), widthPx, physicalMm, dpi));
}

} // namespace screenmetrics
