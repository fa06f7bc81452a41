#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

struct AppSettings;
class CameraSession;
class FileBrowser;
class IconHelp;
class RecordingController;
class SettingsStore;
class StatusLine;
class QToolButton;
class QWidget;

// The window's side of recording: the record button (caption, blinking
// icon), the controls locked while a stream is written, the status line's
// recording and series parts, the new file in the video list, and what is
// said when a recording or a timed series stops by itself.
class RecordControls : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QWidget *window = nullptr;
        QToolButton *record = nullptr;
        // Camera, format, resolution, video format: what would change the stream.
        QList<QWidget *> streamControls;
        StatusLine *status = nullptr;
        FileBrowser *videos = nullptr;
        IconHelp *icons = nullptr;
    };

    RecordControls(const Widgets &widgets, RecordingController *recording, CameraSession *session, SettingsStore *store,
                   QObject *parent = nullptr);

    // Whether a photo can be taken at all (it says why not itself).
    void setDeviceCheck(std::function<bool()> check) { m_deviceStarted = std::move(check); }

    // The record button: starts or stops, saying why it cannot start.
    void toggle();
    bool startRecording(const QString &devicePath);
    // Starts a recording of the current camera after the usual checks;
    // false with the reason when it cannot (an empty reason: already said).
    bool startClip(QString *why);
    QList<QWidget *> streamControls() const { return m_w.streamControls; }
    void retranslate();

private:
    void lockStreamControls(bool recording);
    void onEnded();
    void updateStatus();

    Widgets m_w;
    RecordingController *m_recording;
    CameraSession *m_session;
    SettingsStore *m_store;
    std::function<bool()> m_deviceStarted;
    QIcon m_playingIcon;
    QIcon m_icon;
};
