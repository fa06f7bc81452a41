#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QString>
#include <QThread>

#include "core/camerabuffer.h"

#include <atomic>
#include <deque>

struct AVFrame;

// Video recorder: takes time-stamped render buffers from a small queue,
// converts them to planar YUV and encodes them as Motion-JPEG into a file
// whose container is picked by the last three characters of the path.
class RtmpThread : public QThread
{
    Q_OBJECT
public:
    // At most this many frames wait for the encoder.
    static constexpr int kMaxQueued = 11;

    explicit RtmpThread(QObject *parent = nullptr);
    ~RtmpThread() override;

    // Set by the owner before start().
    void setFilePath(const QString &path) { m_path = path; }
    QString filePath() const { return m_path; }
    void setSize(int width, int height)
    {
        m_width = width;
        m_height = height;
    }
    void setFps(int fps) { m_fps = fps > 0 ? fps : 1; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int fps() const { return m_fps; }
    // Encoder threads (1 keeps the pictures bit-identical to a plain run).
    void setEncoderThreads(int threads) { m_encoderThreads = qMax(1, threads); }

    // Hides QThread::start: resets the clock and the queue, then starts.
    void start();
    // Ends the loop and waits until the file is finalised; frames still
    // queued are not written.
    void stop();
    // Takes no more frames, writes those queued and finalises the file,
    // without waiting: finished() says when it is done.
    void finish();

    // Queues a render buffer whose token the caller holds. A refused frame
    // gets its token back at once, so the caller may render into it again.
    bool enqueueFrame(int timestampMs, CameraBuffer *buffer);
    int queuedFrames() const;

    // Milliseconds since encoding began; 0 before that.
    int elapsedMs() const;

    // -1 while encoding (and after an early failure), 0 otherwise.
    int state() const { return m_state.load(); }
    // The last run stopped because of an error (setup, or a failed write).
    bool failed() const { return m_failed.load(); }
    // Why the last run stopped, in the user's language: "disk full" with the
    // folder and its free space, "not writable", or the FFmpeg error.
    QString errorString() const;
    // The errno behind a failed write (ENOSPC, EACCES, ...); 0 if none.
    int errorNumber() const { return m_errno.load(); }
    // Pictures written by the last run.
    int encodedFrames() const { return m_encodedFrames.load(); }

    // First decodable picture of a video as RGB32; null on any failure.
    // With atLeast set, decoders that can (MJPEG) decode at a reduced size
    // no smaller than it: thumbnails need not decode every pixel.
    static QImage readFirstFrame(const QString &path, const QSize &atLeast = QSize());

    // Fills a YUV picture (planes by its format) from a 32- or 24-bit
    // image of the same size. False for combinations it does not handle.
    static bool convertImage(const QImage &image, AVFrame *frame);

protected:
    void run() override;

private:
    struct Run;
    struct Queued
    {
        int stampMs = 0;
        CameraBuffer::Lock frame;
    };
    // The three steps of a run; a failure is noted in the run and reported once.
    bool open(Run &run);
    bool encodeLoop(Run &run);
    void finishFile(Run &run);
    bool allocatePicture(Run &run);
    bool drainPackets(Run &run);
    bool takeQueued(Queued *next);
    void closeQueue();
    void fail(const QString &text);
    // A failure from an FFmpeg call, described from its errno when it has one.
    void failIo(int averror, const QString &what);
    void releaseQueued();

    QString m_path;
    int m_mode = 1;
    int m_width = 1280;
    int m_height = 720;
    int m_fps = 15;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_draining{false};
    std::atomic<int> m_state{0};
    // Counts queued frames (and stop requests) so that an idle loop sleeps.
    QSemaphore m_semaphore{0};
    QDateTime m_startTime;
    double m_transMs = 0;
    double m_encodeMs = 0;
    std::deque<Queued> m_frames;
    mutable QMutex m_mutex;

    int m_encoderThreads = 1;
    bool m_accepting = false;
    std::atomic<bool> m_failed{false};
    std::atomic<int> m_errno{0};
    std::atomic<int> m_encodedFrames{0};
    QString m_error;
};
