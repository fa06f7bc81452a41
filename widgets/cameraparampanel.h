#pragma once

#include "capture/camerahub.h"
#include "core/appsettings.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QVector>

class DeviceSettingsDialog;
class FuncWidget;
class QPushButton;
class QWidget;

// The camera panel's four folding groups (exposure, colour, white balance,
// flips). Rows are keyed by the device property they set; the three rows
// without one have keys of their own. A moved row writes the device and the
// camera's record in the settings.
class CameraParamPanel : public QObject
{
    Q_OBJECT
public:
    // Rows that set no device property.
    enum LocalRow { BlackWhite = -1, FlipHorizontal = -2, FlipVertical = -3 };

    // The groups go into container's layout, each right after its button.
    CameraParamPanel(QWidget *container, const QVector<QPushButton *> &groupButtons, CameraHub *hub,
                     AppSettings *settings, QObject *parent = nullptr);

    // The open camera the rows act on; empty for none. An open device dialog
    // moves to it (closes with none).
    void setCamera(const QString &devicePath);
    QString camera() const { return m_camera; }

    QWidget *row(int key) const { return m_rows.value(key); }
    // The key of a row widget; 0 when it is none of ours.
    int keyOf(const QObject *row) const;
    FuncWidget *group(int index) const { return m_groups.value(index); }
    int groupOf(const QObject *button) const;

    // Opens group index and folds the others; folds it when it is open.
    void toggleGroup(int index);
    void rowSwitched(int key, bool on);
    void rowMoved(int key, int value);

    // A slider row's value in the control's units (the exposure slider is logarithmic).
    int rowValue(int key) const;
    // The device's own settings dialog for the current camera; its changes
    // reach the rows and the record. Null without a camera.
    DeviceSettingsDialog *openDeviceDialog(QWidget *parent = nullptr);
    DeviceSettingsDialog *deviceDialog() const;
    // The current camera's record and rows from what the device has now.
    void syncFromDevice();

    // The camera's record from the device (ranges, current values, modes, gains).
    void readDevice(const QString &devicePath);
    // The camera's record to the device; then the record holds what it accepted.
    void applySaved(const QString &devicePath);
    // The rows show the camera's record; the device is not written to.
    void show(const QString &devicePath);
    // Device defaults back for the current camera: every control with one,
    // the automatic modes included; flips and black-and-white off.
    void reset();
    // Row names in the current language.
    void retranslate();

    static CameraParam paramFromRange(const PropertyRange &range);

signals:
    // The user changed a setting of the current camera.
    void changed();

private:
    CameraConfig &config() { return m_settings->cameras[m_camera]; }
    void bindDialog();

    CameraHub *m_hub;
    AppSettings *m_settings;
    QString m_camera;
    bool m_showing = false;
    QVector<QPushButton *> m_buttons;
    QVector<FuncWidget *> m_groups;
    QMap<int, QWidget *> m_rows;
    QPointer<DeviceSettingsDialog> m_dialog;
    bool m_dialogWanted = false; // the user has the device dialog open
};
