#pragma once

#include "capture/capturebackend.h"

#include <QDialog>
#include <QMap>

class CaptureLayer;
class QFormLayout;
class QLabel;
class QScrollArea;

// The device's own settings, built from the controls it reports: integers as
// sliders, booleans as check boxes, menus as combo boxes, buttons as push
// buttons. Every change goes to the device at once.
class DeviceSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    DeviceSettingsDialog(CaptureLayer *layer, const QString &path, QWidget *parent = nullptr);

    QString devicePath() const { return m_path; }
    // The widget of one control (object name "control_<id>"), null when absent.
    QWidget *controlWidget(quint32 id) const { return m_widgets.value(id); }

    // Every control back to the default the device reports, the automatic
    // modes (menus and switches) included.
    static void restoreDefaults(CaptureLayer *layer, const QString &path);

    // A control's name in the current language: the camera panel's name for
    // the controls it has a row for, else the driver's.
    static QString controlName(quint32 id, const QString &driverName);

signals:
    // The user changed a control here; the values on the device are new.
    void controlsChanged();

public slots:
    // Reads every value back (automatic modes switch other controls on and off).
    void refresh();
    void onBtnDefaults();

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    void retranslate();
    // The size at which every row fits across, capped by the screen.
    void fitToContents(QScrollArea *scroll);
    void apply(quint32 id, qint32 value);

    CaptureLayer *m_layer;
    QString m_path;
    QVector<ControlInfo> m_controls;
    QMap<quint32, QWidget *> m_widgets;
    QMap<quint32, QLabel *> m_valueLabels;
    QFormLayout *m_form = nullptr;
    bool m_updating = false;
};
