#pragma once

#include "capture/camerahub.h"
#include "core/appsettings.h"

#include <QMap>
#include <QObject>
#include <QVector>

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

    // The open camera the rows act on; empty for none.
    void setCamera(const QString &devicePath) { m_camera = devicePath; }
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

    // The camera's record from the device (ranges, current values, gains).
    void readDevice(const QString &devicePath);
    // The camera's record to the device.
    void applySaved(const QString &devicePath);
    // The rows show the camera's record; the device is not written to.
    void show(const QString &devicePath);
    // Device defaults back, for the current camera.
    void reset();
    // Row names in the current language.
    void retranslate();

    static CameraParam paramFromRange(const PropertyRange &range);

signals:
    // The user changed a setting of the current camera.
    void changed();

private:
    CameraConfig &config() { return m_settings->cameras[m_camera]; }

    CameraHub *m_hub;
    AppSettings *m_settings;
    QString m_camera;
    bool m_showing = false;
    QVector<QPushButton *> m_buttons;
    QVector<FuncWidget *> m_groups;
    QMap<int, QWidget *> m_rows;
};
