#pragma once

#include "capture/capturelayer.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QVector>

class QComboBox;
class QWidget;

// The camera, resolution and format boxes. They speak for the camera chosen
// in the list; filling them never counts as a choice of the user's.
class CameraPicker : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QComboBox *camera = nullptr;
        QComboBox *resolution = nullptr;
        QComboBox *format = nullptr;
        QWidget *controls = nullptr; // the camera's parameter page
    };

    explicit CameraPicker(const Widgets &widgets, QObject *parent = nullptr);

    // The list as the watcher sees it: cameras the user may not open are
    // greyed out with how to get access. current is selected (-1: none).
    void fillList(const QVector<CameraDeviceInfo> &devices, int current);
    int chosenIndex() const;
    // Selects a row without it counting as a choice.
    void showIndex(int index);

    // The device's sizes and the two formats, size and format selected.
    void fillStream(const CameraDeviceInfo &device, const QSize &size, const QString &format);
    void clearStream();
    // What the boxes ask for: width and height, false when no size is chosen.
    bool chosenSize(QSize *size) const;
    // The chosen format, MJPG when none is.
    QString chosenFormat() const;
    // With no camera there is nothing to set.
    void setStreamEnabled(bool enabled);
    void setControlsEnabled(bool enabled);

signals:
    void cameraChosen();
    void sizeChosen();
    void formatChosen();

private:
    Widgets m_w;
};
