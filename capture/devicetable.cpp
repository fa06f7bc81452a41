#include "capture/devicetable.h"

namespace {

QVector<DeviceModelEntry> g_table;
QString g_productTitle;

QVector<QSize> sizes(std::initializer_list<QSize> list) { return QVector<QSize>(list); }

bool parseHex4(const QString &path, const QString &key, int *value)
{
    const int at = path.indexOf(key, 0, Qt::CaseSensitive);
    if (at < 0)
        return false;
    const QString digits = path.mid(at + key.size(), 4);
    if (digits.size() != 4)
        return false;
    for (const QChar c : digits) {
        if (!isxdigit(c.toLatin1()))
            return false;
    }
    bool ok = false;
    *value = digits.toInt(&ok, 16);
    return ok;
}

} // namespace

void buildDeviceTable()
{
    g_productTitle = QStringLiteral("Orvanta Pro");

    const QString halvex = QStringLiteral("Halvex Scope");
    const auto s5m = sizes({{1280, 1024}, {1920, 1080}, {2048, 1536}, {2320, 1744}, {2592, 1944}});
    const auto s8m = sizes(
        {{640, 480}, {1280, 720}, {1920, 1080}, {2048, 1536}, {2592, 1944}, {3264, 1832}, {3264, 2448}});
    const auto s71 = sizes({{320, 240}, {640, 480}});

    g_table = {
        {QStringLiteral("V3-5M"), halvex, s5m, 1, 0x0223, 0x0C45},
        {QStringLiteral("V3-5M-2"), halvex, s5m, 1, 0x0224, 0x0C45},
        {QStringLiteral("V3-8M"), halvex, s8m, 2, 0x0225, 0x0AC8},
        {QStringLiteral("V3-2M"), halvex, sizes({{640, 480}, {1280, 720}, {1920, 1080}}), 2, 0x62C1, 0x0C45},
        {QStringLiteral("V3-2M"), halvex, sizes({{320, 240}, {640, 480}, {1280, 1024}}), 2, 0x62C2, 0x0C45},
        {QStringLiteral("V3-2M"), halvex, sizes({{864, 480}, {1280, 720}, {1920, 1088}}), 2, 0x62C5, 0x0C45},
        {QStringLiteral("71"), halvex, s71, 1, 0x0041, 0x1908},
        // Identical to the row above; the first match wins, so it never matches.
        {QStringLiteral("71"), halvex, s71, 1, 0x0041, 0x1908},
        {QStringLiteral("63"), halvex, s71, 1, 0x0301, 0x0603},
        {QStringLiteral("52"), halvex, sizes({{640, 480}, {1280, 720}}), 1, 0x0302, 0x0603},
        {QStringLiteral("52"), halvex, sizes({{320, 240}, {640, 480}, {1280, 720}}), 2, 0x0303, 0x0605},
        {QStringLiteral("29(SN9C259 - GC0308)"), halvex, s71, 1, 0x0221, 0x0C45},
        {QStringLiteral("Lenovo Camra"), QStringLiteral("Integrated Camera"), s8m, 1, 0x0397, 0x5986},
    };
}

const QVector<DeviceModelEntry> &deviceTable() { return g_table; }

QString productTitle() { return g_productTitle; }

std::optional<DeviceModelEntry> findDeviceModel(const QString &devicePath)
{
    int pid = 0;
    int vid = 0;
    if (!parseHex4(devicePath, QStringLiteral("pid_"), &pid) || !parseHex4(devicePath, QStringLiteral("vid_"), &vid))
        return std::nullopt;
    for (const DeviceModelEntry &row : g_table) {
        if (row.productId == pid && row.vendorId == vid)
            return row;
    }
    return std::nullopt;
}
