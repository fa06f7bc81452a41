#include "app/framerouter.h"

#include "app/camerasession.h"
#include "app/recordingcontroller.h"
#include "app/tileboard.h"
#include "calib/bdwidget.h"
#include "capture/camerahub.h"
#include "capture/frameratemeter.h"
#include "core/appsettings.h"
#include "core/logging.h"
#include "view/wheelzoom.h"
#include "measure/camerascene.h"
#include "view/cameralabel.h"
#include "widgets/statusline.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

FrameRouter::FrameRouter(const Widgets &widgets, CameraSession *session, TileBoard *tiles, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_session(session)
    , m_tiles(tiles)
    , m_hub(CameraHub::instance())
{
    connect(m_w.scene, &CameraScene::coorInfo, this, &FrameRouter::onCoorInfo);
    m_stallLabel = new QLabel(m_w.view);
    m_stallLabel->setObjectName(QStringLiteral("labelNoPicture"));
    m_stallLabel->setStyleSheet(QStringLiteral("QLabel{background:rgba(0,0,0,160);color:white;padding:6px;}"));
    m_stallLabel->hide();
    auto *stallTimer = new QTimer(this);
    stallTimer->setInterval(500);
    connect(stallTimer, &QTimer::timeout, this, &FrameRouter::checkStalls);
    stallTimer->start();
}

void FrameRouter::deliver(const QString &camId)
{
    CameraSession::Slot *slot = m_session->slot(camId);
    if (!slot)
        return;
    const bool single = !m_session->fourTiles();
    const bool current = camId == m_session->currentCamera();
    if ((single && !current) || slot->tile < 0)
        return;
    bool resized = false;
    {
        const HeldFrame frame = m_hub->takeFrame(camId);
        if (!frame)
            return;
        if (single)
            m_w.scene->setImage(frame.image);
        else if (CameraLabel *t = m_tiles->tile(slot->tile))
            t->setImage(frame.image);
        if (frame.fullSize.isValid() && slot->frameSize != frame.fullSize) {
            slot->frameSize = frame.fullSize;
            resized = true;
        }
    }
    if (resized)
        fitView();
    if (single)
        emit pictureShown();
    slot->rate->addAt(m_session->now());
    ++slot->delivered;
    if (slot->stalled) {
        // Frames again: the notice goes by itself.
        slot->stalled = false;
        RecordingController *rec = m_session->recording();
        if (rec && rec->isRecording() && rec->cameraId() == camId)
            qCWarning(lcRecord, "recording %s: pictures from %s again", qPrintable(rec->lastPath()),
                      qPrintable(m_hub->displayName(camId)));
        if (current)
            m_stallLabel->hide();
        m_tiles->updateTitle(camId);
    }
    // The header's rate is formatted every 15 frames (twice a second at 30 fps), not per frame.
    if (!single && slot->delivered % 15 == 1)
        m_tiles->updateTitle(camId);
    if (current)
        updateStatus(camId);
}

void FrameRouter::noteStill() { m_lastStillMs = QDateTime::currentMSecsSinceEpoch(); }

void FrameRouter::updateStatus(const QString &devicePath)
{
    if (!m_session->isOpen(devicePath))
        return;
    StatusLine *status = m_w.status;
    if (m_lastStillMs > 0 && QDateTime::currentMSecsSinceEpoch() - m_lastStillMs <= 1000) {
        status->clearParts();
        status->setPart(0, QCoreApplication::translate("Vistrel", "Save Image"), 2);
        return;
    }
    const CameraSession::Slot &slot = m_session->openCameras()[devicePath];
    const double rate = slot.rate ? slot.rate->rateAt(m_session->now()) : 0.0;
    // The frame rate matters most; the pointer's place and colour give way first.
    status->setPart(0, QCoreApplication::translate("Vistrel", "帧率") + QString::asprintf(":%0.1ffps", rate), 2);
    if (m_session->fourTiles()) {
        status->setPart(1, QString(), 0);
        status->setPart(2, QString(), 0);
        return;
    }
    int r = 0, g = 0, b = 0;
    for (const QColor &c : slot.colours) {
        r += c.red();
        g += c.green();
        b += c.blue();
    }
    if (const int n = slot.colours.size()) {
        r /= n;
        g /= n;
        b /= n;
    }
    const QSize picture = m_w.scene->image().size();
    const int x = m_lastPoint.x() - picture.width() / 2;
    const int y = picture.height() / 2 - m_lastPoint.y();
    status->setPart(1, QCoreApplication::translate("Vistrel", "坐标") + QString::asprintf(":%d,%d", x, y), 1);
    status->setPart(2, QString::asprintf("(R:%3d G:%3d B:%3d)", r, g, b), 0);
    // The calibration in force, and how it was adapted to this picture.
    status->setPart(3, m_w.toolbox->statusText(), 2);
}

void FrameRouter::updateResolutionLabel()
{
    const QString current = m_session->currentCamera();
    const QSize size = m_session->isOpen(current) ? m_session->frameSize(current) : QSize(0, 0);
    m_w.resolution->setText(QString::asprintf("%d * %d", qMax(size.width(), 0), qMax(size.height(), 0)));
    // The rate the driver granted, not the one asked for; the measured rate
    // is on the status line.
    const double granted = m_session->isOpen(current) ? m_hub->frameRate(current) : 0.0;
    m_w.rate->setText(granted > 0 ? QString::number(granted, 'g', 3) + QStringLiteral(" fps") : QString());
}

void FrameRouter::onCoorInfo(QPoint point, QColor colour)
{
    CameraSession::Slot *slot = m_session->slot(m_session->currentCamera());
    if (!slot)
        return;
    m_lastPoint = point;
    slot->colours.append(colour);
    while (slot->colours.size() > 10)
        slot->colours.removeFirst();
    updateStatus(m_session->currentCamera());
}

void FrameRouter::fitView()
{
    const QString current = m_session->currentCamera();
    if (!m_session->isOpen(current)) {
        // No camera: the view fills the page so its notice sits in the middle.
        m_w.view->setFixedSize(m_w.scrollArea->maximumViewportSize());
        updateResolutionLabel();
        return;
    }
    const QSize frame = m_session->frameSize(current);
    if (!frame.isValid() || frame.isEmpty()) {
        updateResolutionLabel();
        return;
    }
    const QString text = m_w.zoom->currentData().toString();
    double factor = wheelzoom::zoomFactor(text);
    QSize size;
    if (text == QLatin1String("Scale")) {
        size = frame.scaled(m_w.page->size(), Qt::KeepAspectRatio);
        factor = m_w.page->width() > 0 ? double(size.width()) / m_w.page->width() : 1.0;
    } else {
        size = QSize(qRound(frame.width() * factor), qRound(frame.height() * factor));
    }
    m_w.view->setFixedSize(size);
    if (!m_session->fourTiles())
        m_w.scene->fitToView(frame);
    for (QScrollBar *bar : {m_w.scrollArea->horizontalScrollBar(), m_w.scrollArea->verticalScrollBar()})
        bar->setValue(bar->maximum() / 2);
    m_w.toolbox->setViewScale(factor);
    updateResolutionLabel();
}

void FrameRouter::checkStalls()
{
    const qint64 now = m_session->now();
    const bool single = !m_session->fourTiles();
    const QString current = m_session->currentCamera();
    bool labelShown = false;
    RecordingController *rec = m_session->recording();
    const QString recording = rec && rec->isRecording() ? rec->cameraId() : QString();
    for (const QString &camId : m_session->openCameras().keys()) {
        CameraSession::Slot *it = m_session->slot(camId);
        // Cameras out of sight are not decoded for the screen: only those shown count.
        if ((single && camId != current) || (!single && it->tile < 0))
            continue;
        const QString name = m_hub->displayName(camId);
        // Frames that come but cannot be decoded: said while most of them fail.
        const double failed = m_hub->undecodedShare(camId);
        if (failed >= 0) {
            const int percent = failed > 0.5 ? qRound(failed * 100) : -1;
            if (percent >= 0 && it->undecodedPercent < 0)
                qCWarning(lcCapture, "%d %% of the frames of %s cannot be decoded", percent, qPrintable(name));
            it->undecodedPercent = percent;
        }
        const qint64 last = it->rate && it->rate->lastAt() > 0 ? it->rate->lastAt() : it->openedMs;
        const qint64 gap = now - last;
        QString text;
        if (it->undecodedPercent >= 0) {
            text = QCoreApplication::translate("Vistrel", "%1 的大部分画面无法解码").arg(name);
        } else if (gap >= CameraSession::kStallMs) {
            if (!it->stalled && camId == recording)
                qCWarning(lcRecord, "recording %s: no picture from %s since %s; the last one is repeated",
                          qPrintable(rec->lastPath()), qPrintable(name),
                          qPrintable(QDateTime::fromMSecsSinceEpoch(last).toString(Qt::ISODateWithMs)));
            it->stalled = true;
            text = QCoreApplication::translate("Vistrel", "%1 已 %2 秒没有画面").arg(name).arg(gap / 1000);
            if (camId == recording)
                text += QLatin1Char('\n') + QCoreApplication::translate("Vistrel", "录像继续，以最后的画面补齐");
        } else {
            continue;
        }
        if (single && camId == current) {
            m_stallLabel->setText(text);
            m_stallLabel->adjustSize();
            m_stallLabel->move(8, 8);
            m_stallLabel->show();
            m_stallLabel->raise();
            labelShown = true;
        } else if (CameraLabel *t = m_tiles->tile(it->tile)) {
            t->setTitle(text);
        }
    }
    if (!labelShown)
        m_stallLabel->hide();
    // The rate shown ages with the clock, frames or not.
    if (m_session->isOpen(current))
        updateStatus(current);
}
