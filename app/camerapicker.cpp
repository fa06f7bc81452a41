#include "app/camerapicker.h"

#include "view/cameralabel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalBlocker>
#include <QStandardItemModel>

CameraPicker::CameraPicker(const Widgets &widgets, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
{
    // The camera list's popup is where a camera is dragged onto a tile from.
    m_w.camera->view()->setDragEnabled(true);
    connect(m_w.camera, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CameraPicker::cameraChosen);
    connect(m_w.resolution, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CameraPicker::sizeChosen);
    connect(m_w.format, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CameraPicker::formatChosen);
}

void CameraPicker::fillList(const QVector<CameraDeviceInfo> &devices, int current)
{
    const QSignalBlocker block(m_w.camera);
    m_w.camera->clear();
    clearStream();
    auto *model = qobject_cast<QStandardItemModel *>(m_w.camera->model());
    for (const CameraDeviceInfo &d : devices) {
        m_w.camera->addItem(d.displayName);
        const int row = m_w.camera->count() - 1;
        m_w.camera->setItemData(row, d.devicePath, CameraLabel::kCameraIdRole);
        if (!d.accessible && model) {
            // Listed so the user knows it is there, greyed out with how to get access.
            if (QStandardItem *item = model->item(row))
                item->setEnabled(false);
            m_w.camera->setItemData(row, d.accessNote, Qt::ToolTipRole);
        }
    }
    m_w.camera->setCurrentIndex(current);
}

int CameraPicker::chosenIndex() const { return m_w.camera->currentIndex(); }

void CameraPicker::showIndex(int index)
{
    if (m_w.camera->currentIndex() == index)
        return;
    const QSignalBlocker block(m_w.camera);
    m_w.camera->setCurrentIndex(index);
}

void CameraPicker::fillStream(const CameraDeviceInfo &device, const QSize &size, const QString &format)
{
    const QSignalBlocker blockRes(m_w.resolution);
    const QSignalBlocker blockFormat(m_w.format);
    clearStream();
    for (const QSize &s : device.sizes)
        m_w.resolution->addItem(QString::asprintf("%d x %d", s.width(), s.height()));
    m_w.format->addItems({QStringLiteral("YUV"), QStringLiteral("MJPG")});
    const int index = int(device.sizes.indexOf(size));
    m_w.resolution->setCurrentIndex(index < 0 ? 0 : index);
    if (!format.isEmpty())
        m_w.format->setCurrentText(format);
}

void CameraPicker::clearStream()
{
    const QSignalBlocker blockRes(m_w.resolution);
    const QSignalBlocker blockFormat(m_w.format);
    m_w.resolution->clear();
    m_w.format->clear();
}

bool CameraPicker::chosenSize(QSize *size) const
{
    const QStringList wh = m_w.resolution->currentText().split(QLatin1Char('x'));
    if (wh.size() != 2)
        return false;
    *size = QSize(wh[0].trimmed().toInt(), wh[1].trimmed().toInt());
    return true;
}

QString CameraPicker::chosenFormat() const
{
    return m_w.format->currentText().isEmpty() ? QStringLiteral("MJPG") : m_w.format->currentText();
}

void CameraPicker::setStreamEnabled(bool enabled)
{
    m_w.resolution->setEnabled(enabled);
    m_w.format->setEnabled(enabled);
    m_w.controls->setEnabled(enabled);
}

void CameraPicker::setControlsEnabled(bool enabled) { m_w.controls->setEnabled(enabled); }
