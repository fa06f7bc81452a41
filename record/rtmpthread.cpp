#include "record/rtmpthread.h"

#include "core/crashhandler.h"
#include "core/camerabuffer.h"
#include "core/diskerror.h"
#include "core/logging.h"
#include "record/recovery.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMutexLocker>

#include <libyuv/convert.h>
#include <libyuv/convert_argb.h>
#include <libyuv/convert_from_argb.h>

#include <cstdio>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/mathematics.h>
}

namespace {

void say(const char *text) { qCDebug(lcRecord).noquote() << QString::fromUtf8(text).trimmed(); }

// An AVERROR that carries an errno (FFmpeg's own codes are tags).
int errnoOf(int averror) { return averror < 0 && averror > -4096 ? -averror : 0; }

bool is32Bit(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

// One run's encoder and file, freed whatever step it reached; the first
// failure is kept for the one report at the end.
struct RtmpThread::Run
{
    AVFormatContext *format = nullptr;
    AVCodecContext *codec = nullptr;
    AVStream *stream = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr;
    AVDictionary *options = nullptr;
    bool fileOpen = false;
    bool headerWritten = false;
    int frames = 0;
    // The failure: the FFmpeg error behind it (0: none) and what was being done.
    bool failed = false;
    int averror = 0;
    QString what;

    // Notes the first failure; always false, for `return run.fail(...)`.
    bool fail(const QString &text, int error = 0)
    {
        if (!failed) {
            failed = true;
            averror = error;
            what = text;
        }
        return false;
    }
    // The file's context may keep an errno the muxer lost.
    int fileError(int fallback) const
    {
        return format && format->pb && format->pb->error < 0 ? format->pb->error : fallback;
    }

    ~Run()
    {
        av_dict_free(&options);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        if (format) {
            if (fileOpen)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

RtmpThread::RtmpThread(QObject *parent)
    : QThread(parent)
{
    // The thread's name in top, gdb and the CPU figures of the benchmarks.
    setObjectName(QStringLiteral("vistrel-record"));
    (void)avcodec_configuration();
}

RtmpThread::~RtmpThread()
{
    stop();
    releaseQueued();
}

void RtmpThread::start()
{
    if (isRunning())
        return;
    m_running = true;
    m_failed = false;
    m_errno = 0;
    m_encodedFrames = 0;
    m_draining = false;
    {
        QMutexLocker lock(&m_mutex);
        m_startTime = QDateTime();
        m_error.clear();
        m_accepting = true;
    }
    releaseQueued();
    m_semaphore.tryAcquire(m_semaphore.available());
    QThread::start(QThread::InheritPriority);
}

void RtmpThread::finish()
{
    {
        QMutexLocker lock(&m_mutex);
        m_accepting = false;
    }
    m_draining = true;
    m_running = false;
    m_semaphore.release();
}

void RtmpThread::stop()
{
    m_running = false;
    m_semaphore.release();
    if (isRunning() && QThread::currentThread() != this)
        wait();
}

bool RtmpThread::enqueueFrame(int timestampMs, CameraBuffer *buffer)
{
    if (!buffer)
        return false;
    // A refused frame's token goes back as the lock leaves.
    CameraBuffer::Lock frame = CameraBuffer::Lock::adopt(buffer);
    QMutexLocker lock(&m_mutex);
    if (!m_accepting || m_frames.size() >= kMaxQueued)
        return false;
    m_frames.push_back({timestampMs, std::move(frame)});
    m_semaphore.release();
    return true;
}

int RtmpThread::queuedFrames() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_frames.size());
}

int RtmpThread::elapsedMs() const
{
    QMutexLocker lock(&m_mutex);
    if (m_startTime.isNull())
        return 0;
    return int(m_startTime.msecsTo(QDateTime::currentDateTime()));
}

QString RtmpThread::errorString() const
{
    QMutexLocker lock(&m_mutex);
    return m_error;
}

void RtmpThread::failIo(int averror, const QString &what)
{
    const int err = errnoOf(averror);
    if (err) {
        m_errno = err;
        fail(diskerror::describe(err, m_path));
        return;
    }
    char buf[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror, buf, sizeof buf);
    fail(QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(buf)));
}

void RtmpThread::fail(const QString &text)
{
    m_failed = true;
    QMutexLocker lock(&m_mutex);
    if (m_error.isEmpty())
        m_error = text;
}

void RtmpThread::releaseQueued()
{
    std::deque<Queued> frames;
    QMutexLocker lock(&m_mutex);
    frames.swap(m_frames);
}

void RtmpThread::closeQueue()
{
    {
        QMutexLocker lock(&m_mutex);
        m_accepting = false;
    }
    releaseQueued();
}

bool RtmpThread::takeQueued(Queued *next)
{
    QMutexLocker lock(&m_mutex);
    // stop() ends at once; finish() first encodes what is queued.
    if (m_frames.empty() || (!m_running && !m_draining))
        return false;
    *next = std::move(m_frames.front());
    m_frames.pop_front();
    return true;
}

bool RtmpThread::convertImage(const QImage &image, AVFrame *frame)
{
    if (!frame || image.isNull() || image.width() != frame->width || image.height() != frame->height)
        return false;
    const uint8_t *src = image.constBits();
    const int stride = image.bytesPerLine();
    const int w = image.width();
    const int h = image.height();
    uint8_t **d = frame->data;
    int *ls = frame->linesize;
    const QImage::Format f = image.format();
    int r = -1;
    switch (frame->format) {
    case AV_PIX_FMT_YUV420P:
        if (is32Bit(f))
            r = libyuv::ARGBToI420(src, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h);
        else if (f == QImage::Format_BGR888)
            r = libyuv::RGB24ToI420(src, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h);
        else if (f == QImage::Format_RGB888) // R,G,B in memory is libyuv's "RAW"
            r = libyuv::RAWToI420(src, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h);
        break;
    case AV_PIX_FMT_YUVJ420P:
        if (is32Bit(f))
            r = libyuv::ARGBToJ420(src, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h);
        else if (f == QImage::Format_BGR888)
            r = libyuv::RGB24ToJ420(src, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h);
        else if (f == QImage::Format_RGB888)
            r = libyuv::RAWToJ420(src, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h);
        break;
    case AV_PIX_FMT_YUVJ422P:
        if (is32Bit(f))
            r = libyuv::ARGBToJ422(src, stride, d[0], ls[0], d[1], ls[1], d[2], ls[2], w, h);
        break;
    case AV_PIX_FMT_NV12:
        if (is32Bit(f))
            r = libyuv::ARGBToNV12(src, stride, d[0], ls[0], d[1], ls[1], w, h);
        break;
    default: break;
    }
    return r == 0;
}

void RtmpThread::run()
{
    crash::armCurrentThread();
    m_state = -1;
    m_transMs = 0;
    m_encodeMs = 0;

    Run run;
    // Until the trailer is written the file is marked as in progress, so
    // that a kill or a power cut is repaired at the next start.
    InProgressMarker marker(m_path);
    if (open(run)) {
        marker.arm();
        encodeLoop(run);
    }
    // Whatever happened, buffers queued now or later go back at once.
    closeQueue();
    finishFile(run);
    qCDebug(lcRecord, "frame : %d, trans : %0.2f, encode : %0.2f", run.frames,
            run.frames ? m_transMs / run.frames : 0.0, run.frames ? m_encodeMs / run.frames : 0.0);
    if (!run.failed)
        marker.finish();
    else if (run.averror)
        failIo(run.averror, run.what);
    else
        fail(run.what);
    // A run that never got its file going stays at -1.
    if (run.headerWritten)
        m_state = 0;
}

bool RtmpThread::open(Run &run)
{
    const QByteArray path = QFile::encodeName(m_path);
    const QByteArray muxer = path.right(3);
    if (avformat_alloc_output_context2(&run.format, nullptr, muxer.constData(), path.constData()) < 0 || !run.format)
        return run.fail(QStringLiteral("no output format for %1").arg(m_path));
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    if (!codec) {
        say("Can not find output video encoder! (没有找到合适的编码器！)\n");
        return run.fail(QStringLiteral("no MJPEG encoder"));
    }
    run.codec = avcodec_alloc_context3(codec);
    if (!run.codec)
        return run.fail(QStringLiteral("out of memory"));
    AVCodecContext *ctx = run.codec;
    ctx->width = m_width;
    ctx->height = m_height;
    ctx->time_base = AVRational{1, m_fps};
    ctx->framerate = AVRational{m_fps, 1};
    ctx->pix_fmt = AV_PIX_FMT_YUVJ420P;
    ctx->qmin = 5;
    ctx->qmax = 5;
    ctx->thread_count = m_encoderThreads;
    if (run.format->oformat->flags & AVFMT_GLOBALHEADER)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_dict_set(&run.options, "vcodec", "copy", 0);
    if (m_width <= 0 || m_height <= 0 || avcodec_open2(ctx, codec, &run.options) < 0) {
        say("Failed to open output video encoder!)\n");
        return run.fail(QStringLiteral("cannot open the encoder"));
    }
    run.stream = avformat_new_stream(run.format, nullptr);
    if (!run.stream || avcodec_parameters_from_context(run.stream->codecpar, ctx) < 0)
        return run.fail(QStringLiteral("cannot create the stream"));
    run.stream->time_base = ctx->time_base;
    // FFmpeg prints the stream layout itself (to stderr), so only when asked.
    if (lcRecord().isDebugEnabled())
        av_dump_format(run.format, 0, path.constData(), 1);

    if (!(run.format->oformat->flags & AVFMT_NOFILE)) {
        const int opened = avio_open(&run.format->pb, path.constData(), AVIO_FLAG_WRITE);
        if (opened < 0) {
            qCWarning(lcRecord, "could not open output URL '%s'", path.constData());
            return run.fail(QStringLiteral("cannot open %1").arg(m_path), opened);
        }
        run.fileOpen = true;
    }
    // MP4 and MOV keep their index at the end: written in fragments of half
    // a second, everything up to the last fragment plays after a kill.
    AVDictionary *muxerOptions = nullptr;
    if (muxer.toLower() == "mp4" || muxer.toLower() == "mov") {
        av_dict_set(&muxerOptions, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0);
        av_dict_set(&muxerOptions, "min_frag_duration", "500000", 0);
    }
    // Every packet goes to the kernel at once: a kill loses no buffered frames.
    run.format->flush_packets = 1;
    const int headerResult = avformat_write_header(run.format, &muxerOptions);
    av_dict_free(&muxerOptions);
    if (headerResult < 0) {
        say("Error occurred when opening output URL\n");
        return run.fail(QStringLiteral("cannot write the header of %1").arg(m_path), headerResult);
    }
    qCDebug(lcRecord, "avformat_write_header return: %d", headerResult);
    run.headerWritten = true;

    run.frame = av_frame_alloc();
    run.packet = av_packet_alloc();
    if (!run.frame || !run.packet || !allocatePicture(run))
        return run.fail(QStringLiteral("out of memory"));
    QMutexLocker lock(&m_mutex);
    m_startTime = QDateTime::currentDateTime();
    return true;
}

bool RtmpThread::allocatePicture(Run &run)
{
    run.frame->width = m_width;
    run.frame->height = m_height;
    run.frame->format = run.codec->pix_fmt;
    return av_frame_get_buffer(run.frame, 0) >= 0;
}

bool RtmpThread::drainPackets(Run &run)
{
    for (;;) {
        const int r = avcodec_receive_packet(run.codec, run.packet);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
            return true;
        if (r < 0)
            return run.fail(QStringLiteral("writing %1 failed").arg(m_path), r);
        run.packet->stream_index = run.stream->index;
        // MP4 drops a last sample that has no duration.
        if (run.packet->duration <= 0)
            run.packet->duration = 1;
        av_packet_rescale_ts(run.packet, run.codec->time_base, run.stream->time_base);
        const int w = av_interleaved_write_frame(run.format, run.packet);
        av_packet_unref(run.packet);
        if (w < 0)
            return run.fail(QStringLiteral("writing %1 failed").arg(m_path), run.fileError(w));
        ++m_encodedFrames;
    }
}

bool RtmpThread::encodeLoop(Run &run)
{
    AVCodecContext *ctx = run.codec;
    int64_t lastPts = -1;
    QElapsedTimer watch;
    for (;;) {
        Queued next;
        if (!takeQueued(&next)) {
            if (!m_running.load(std::memory_order_relaxed))
                return true;
            // Woken by the next frame or by stop(); the timeout only guards the flag.
            m_semaphore.tryAcquire(1, 5);
            continue;
        }
        m_semaphore.tryAcquire(); // this frame's count
        // Pacing happens in the codec's 1/fps ticks, so no container can
        // receive more pictures than the configured rate. Integer maths:
        // in floating point 300 ms / 0.1 s truncates to 2.
        const int64_t pts = av_rescale_rnd(next.stampMs, ctx->time_base.den, int64_t(ctx->time_base.num) * 1000,
                                           AV_ROUND_DOWN);
        if (pts <= lastPts || next.frame->size() != QSize(m_width, m_height))
            continue;
        lastPts = pts;

        watch.start();
        if (!av_frame_is_writable(run.frame)) {
            // A threaded encoder still reads the last picture: take a fresh one.
            av_frame_unref(run.frame);
            if (!allocatePicture(run))
                return run.fail(QStringLiteral("out of memory"));
        }
        const bool converted = convertImage(next.frame->toImage(), run.frame);
        next.frame.unlock();
        const qint64 convertNs = watch.nsecsElapsed();
        m_transMs += convertNs / 1e6;
        if (!converted)
            continue;
        run.frame->pts = pts;
        const int sent = avcodec_send_frame(ctx, run.frame);
        const bool ok = (sent >= 0 || run.fail(QStringLiteral("writing %1 failed").arg(m_path), sent))
                        && drainPackets(run);
        m_encodeMs += (watch.nsecsElapsed() - convertNs) / 1e6;
        ++run.frames;
        if (!ok)
            return false;
    }
}

void RtmpThread::finishFile(Run &run)
{
    if (!run.headerWritten)
        return;
    const QString writing = QStringLiteral("writing %1 failed").arg(m_path);
    // Flush pictures a threaded encoder still holds.
    if (!run.failed && avcodec_send_frame(run.codec, nullptr) >= 0)
        drainPackets(run);
    const int trailer = av_write_trailer(run.format);
    if (trailer < 0)
        run.fail(writing, run.fileError(trailer));
    if (run.fileOpen) {
        if (run.fileError(0) < 0)
            run.fail(writing, run.fileError(0));
        const int closed = avio_closep(&run.format->pb);
        if (closed < 0)
            run.fail(writing, closed);
        run.fileOpen = false;
    }
    // A write that failed without saying why.
    if (run.failed && run.what == writing && run.averror == 0)
        run.averror = AVERROR(EIO);
}
