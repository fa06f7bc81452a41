#pragma once

// A main window over simulated microscopes in a private folder, and the
// helpers its tests share.
#include "app/recordingcontroller.h"
#include "app/vistrel.h"
#include "calib/bdwidget.h"
#include "core/notifier.h"
#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "capture/simbackend.h"
#include "files/filebrowser.h"
#include "measure/camerascene.h"
#include "measure/graphicsitem.h"
#include "editor/measureediter.h"
#include "record/rtmpthread.h"
#include "ui_vistrel.h"
#include "view/cameralabel.h"
#include "view/cameraviewer.h"
#include "widgets/cameraparampanel.h"
#include "widgets/qswitchbutton.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

extern "C" {
#include <libavformat/avformat.h>
}

namespace rig {

inline QString g_boxText;

// Answers the next message box with the given button and keeps its text.
// Looks for it every 20 ms for a while: other modal windows (a progress
// dialog) may come first.
inline void answerNextBox(QMessageBox::StandardButton answer)
{
    g_boxText.clear();
    auto *timer = new QTimer;
    auto *tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, answer] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                g_boxText = box->text();
                if (QAbstractButton *b = box->button(answer))
                    b->click();
                else
                    box->accept();
                *tries = 1000;
            }
        }
        if (++*tries > 250) {
            timer->stop();
            timer->deleteLater();
            delete tries;
        }
    });
    timer->start(20);
}

// Closes the next message box and keeps its text.
inline void closeNextBox() { answerNextBox(QMessageBox::Ok); }

inline SimCameraSpec spec(const QString &tag, int pid, QVector<QSize> sizes)
{
    SimCameraSpec s;
    s.tag = tag;
    s.productId = pid;
    s.vendorId = 0x0C45;
    s.sizes = sizes;
    return s;
}

// A window over simulated microscopes in a private folder.
struct Rig
{
    RecordingNotifier notes; // the window's messages; file operations still use boxes
    QTemporaryDir dir;
    std::shared_ptr<SimulatedBackend> sim;
    QDateTime clock; // the window's, once held; outlives the window
    std::unique_ptr<Vistrel> window;

    explicit Rig(QVector<SimCameraSpec> cameras = {spec("a", 0x62C1, {{640, 480}, {1280, 720}, {1920, 1080}})})
    {
        sim = std::make_shared<SimulatedBackend>(cameras);
        CameraHub::instance()->setBackends({sim});
        open();
    }
    // A window over another backend (the fake kernel's V4L2, say).
    explicit Rig(std::shared_ptr<CaptureBackend> backend)
    {
        CameraHub::instance()->setBackends({std::move(backend)});
        open();
    }
    void open()
    {
        StoragePaths paths;
        paths.configFile = dir.filePath("Measure.config");
        paths.imageRoot = dir.filePath("save/image");
        paths.videoRoot = dir.filePath("save/movie");
        paths.portable = true;
        Vistrel::setStoragePathsOverride(paths);
        // The splash's minimum time is for people; no window test waits for it.
        Vistrel::setMinimumStartupMs(0);
        window = std::make_unique<Vistrel>();
        window->resize(1280, 800);
        // The source texts, whatever the translations beside the program.
        window->setLanguage(0);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("window not exposed");
    }
    void reopen()
    {
        window.reset();
        open();
    }
    Ui::VistrelClass *ui() const { return window->form(); }
    // From here on the window's time is `clock`, moved by the test.
    void holdClock()
    {
        clock = QDateTime::currentDateTime();
        window->setClock([this] { return clock; });
    }
    // A timed series due now on the held clock: photos (mode 0) or clips of
    // `length` seconds (mode 1). True when the window's timer runs it.
    bool startTimedSeries(int mode, int interval, int count, int length = 0)
    {
        AppSettings s = window->settings();
        s.timedMode = mode;
        s.timedInterval = interval;
        s.timedLength = length;
        s.timedCount = count;
        s.timedDone = 0;
        s.timedNext = clock;
        window->startTimedSeries(s);
        return window->autoRecordTimer()->isActive();
    }
    // Waits until the current camera has drawn n more frames.
    bool waitFrames(int n)
    {
        const QString cam = window->currentCamera();
        const int start = window->openCameras().value(cam).delivered;
        return QTest::qWaitFor([&] { return window->openCameras().value(cam).delivered >= start + n; }, 5000);
    }
    // Sets the live view's zoom and waits until the view has its size.
    bool zoom(const QString &text)
    {
        ui()->comboZoom->setCurrentText(text);
        const QSize frame = window->scene()->image().size();
        const bool fit = ui()->comboZoom->currentData().toString() == QLatin1String("Scale");
        const QSize want = fit ? frame.scaled(ui()->mainPage->size(), Qt::KeepAspectRatio)
                               : frame * Vistrel::zoomFactor(text);
        return QTest::qWaitFor([&] { return ui()->camViewer->size() == want; }, 3000);
    }
    // Waits until the recording has queued n frames.
    bool waitRecorded(int n, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] { return window->recording()->framesQueued() >= n; }, timeoutMs);
    }
    QStringList photos() const
    {
        return QDir(dir.filePath("save/image/Photo")).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    }
};

inline int countFrames(const QString &path, int *width, int *height, QString *codec)
{
    AVFormatContext *ctx = nullptr;
    if (avformat_open_input(&ctx, path.toLocal8Bit().constData(), nullptr, nullptr) < 0)
        return -1;
    avformat_find_stream_info(ctx, nullptr);
    int frames = 0;
    AVPacket *pkt = av_packet_alloc();
    while (av_read_frame(ctx, pkt) >= 0) {
        ++frames;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    *width = ctx->streams[0]->codecpar->width;
    *height = ctx->streams[0]->codecpar->height;
    *codec = QString::fromLatin1(avcodec_get_name(ctx->streams[0]->codecpar->codec_id));
    avformat_close_input(&ctx);
    return frames;
}

} // namespace rig

using namespace rig;
