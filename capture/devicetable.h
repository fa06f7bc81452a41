#pragma once

#include <QSize>
#include <QString>
#include <QVector>

#include <optional>

// One camera model the program knows, matched by its USB numbers.
struct DeviceModelEntry
{
    QString modelName;
    QString friendlyName; // informational only
    QVector<QSize> sizes; // in table order
    int modelCode = 0;
    int productId = 0;
    int vendorId = 0;
};

// Sets the product title and fills the model table; called once at start-up
// before any enumeration. Calling it again rebuilds the same table.
void buildDeviceTable();

const QVector<DeviceModelEntry> &deviceTable();

// The window title, "Orvanta Pro".
QString productTitle();

// First row whose product and vendor numbers equal the four hex digits after
// "pid_" and "vid_" in the path (case-sensitive); none when either is missing
// or does not parse.
std::optional<DeviceModelEntry> findDeviceModel(const QString &devicePath);
