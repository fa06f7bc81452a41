#include "app/recordcontrols.h"

#include "app/camerasession.h"
#include "app/recordingcontroller.h"
#include "app/settingsstore.h"
#include "capture/camerahub.h"
#include "core/appsettings.h"
#include "core/notifier.h"
#include "files/filebrowser.h"
#include "record/rtmpthread.h"
#include "view/cameralabel.h"
#include "widgets/iconhelp.h"
#include "widgets/statusline.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QToolButton>

RecordControls::RecordControls(const Widgets &widgets, RecordingController *recording, CameraSession *session,
                               SettingsStore *store, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_recording(recording)
    , m_session(session)
    , m_store(store)
    , m_playingIcon(QStringLiteral(":/Vistrel/image/icon/btnRecord_Playing.png"))
    , m_icon(QStringLiteral(":/Vistrel/image/icon/btnRecord.png"))
{
    connect(m_recording, &RecordingController::blink, this,
            [this](bool on) { m_w.record->setIcon(on ? m_playingIcon : m_icon); });
    connect(m_recording, &RecordingController::ended, this, &RecordControls::onEnded);
    connect(m_recording, &RecordingController::stopped, this, [this](const QString &path) {
        if (QFileInfo::exists(path)) {
            m_w.videos->addItem(path);
            m_store->scheduleSave();
        }
    });
    connect(m_recording, &RecordingController::failed, this, [this] {
        // The recorder ended by itself: the controller stops the recording next.
        const QString why = m_recording->recorder()->errorString();
        notifier().inform(m_w.window, why.isEmpty()
                                          ? QCoreApplication::translate("Vistrel", "录像意外停止，原因不明。")
                                          : QCoreApplication::translate("Vistrel", "录像已停止：%1").arg(why));
    });
    m_recording->setClipStarter([this](QString *why) { return startClip(why); });
    connect(m_recording, &RecordingController::seriesRecordToggle, this, &RecordControls::toggle);
    connect(m_recording, &RecordingController::seriesFailed, this, [this](const QString &why) {
        if (m_store->settings()->timedMode != 0)
            notifier().inform(m_w.window, QCoreApplication::translate("Vistrel", "定时录像已停止：%1").arg(why));
        else
            notifier().inform(m_w.window, why.isEmpty()
                                              ? QCoreApplication::translate("Vistrel", "定时拍照已停止。")
                                              : QCoreApplication::translate("Vistrel", "定时拍照已停止：%1").arg(why));
    });
    connect(m_recording, &RecordingController::clipShort, this, [this](const QString &path, int frames, int needed) {
        notifier().inform(m_w.window,
                          QCoreApplication::translate("Vistrel", "录像片段不完整，未计入：%1 只有 %2 帧，应有 %3 帧。")
                              .arg(QFileInfo(path).fileName())
                              .arg(frames)
                              .arg(needed));
    });
    // Whole seconds on the status line; a finer tick would only repaint.
    auto *tick = new QTimer(this);
    tick->setInterval(250);
    connect(tick, &QTimer::timeout, this, &RecordControls::updateStatus);
    tick->start();
}

void RecordControls::toggle()
{
    if (m_recording->isRecording()) {
        m_recording->stop();
        return;
    }
    QString why;
    if (!startClip(&why) && !why.isEmpty())
        notifier().inform(m_w.window, why);
}

bool RecordControls::startClip(QString *why)
{
    // A recording is of the large view's scene: in the four-tile view it
    // would hold one frame however long it ran.
    if (m_session->fourTiles()) {
        *why = QCoreApplication::translate("Vistrel", "四画面中不能录像，请先切换到单画面。");
        return false;
    }
    // These say why themselves.
    if ((m_deviceStarted && !m_deviceStarted()) || !m_store->checkSaveFolder(SettingsStore::Video)
        || m_session->tile(0)->isFrozen())
        return false;
    return startRecording(m_session->currentCamera());
}

bool RecordControls::startRecording(const QString &devicePath)
{
    if (!m_session->isOpen(devicePath))
        return false;
    const QString path = m_store->reserveFilePath(SettingsStore::Video);
    if (!m_recording->start(devicePath, path, m_session->frameSize(devicePath),
                            CameraHub::instance()->frameRate(devicePath))) {
        if (QFileInfo(path).size() == 0)
            QFile::remove(path);
        return false;
    }
    fitToolButton(m_w.record,
                  {QCoreApplication::translate("Vistrel", "停止录像"), QCoreApplication::translate("Vistrel", "录像")});
    lockStreamControls(true);
    return true;
}

void RecordControls::lockStreamControls(bool recording)
{
    // Exposure, gain, colour and white balance stay adjustable; what would
    // change the stream being written waits for the recording's end.
    for (QWidget *w : qAsConst(m_w.streamControls)) {
        w->setEnabled(!recording);
        w->setToolTip(recording ? QCoreApplication::translate("Vistrel", "录像时不能更改；请先停止录像。") : QString());
    }
}

void RecordControls::onEnded()
{
    fitToolButton(m_w.record,
                  {QCoreApplication::translate("Vistrel", "录像"), QCoreApplication::translate("Vistrel", "停止录像")});
    lockStreamControls(false);
    m_w.record->setIcon(m_icon);
    m_w.icons->setIcon(m_w.record, QStringLiteral("btnRecord"));
}

void RecordControls::updateStatus()
{
    m_w.status->setPart(4, m_recording->seriesStatusText(), 2);
    m_w.status->setPart(5, m_recording->recordingStatusText(), 3);
}

void RecordControls::retranslate()
{
    // Record and Stop recording take the same room, so the toolbar never shifts.
    const QStringList record{QCoreApplication::translate("Vistrel", "录像"),
                             QCoreApplication::translate("Vistrel", "停止录像")};
    fitToolButton(m_w.record, m_recording->isRecording() ? QStringList{record[1], record[0]} : record);
}
