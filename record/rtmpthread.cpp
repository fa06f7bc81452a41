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

void say(const char *text)
{
    qCDebug(lcRecord).noquote() << QString::fromUtf8(text).trimmed();
}

// An AVERROR that carries an errno (FFmpeg's own codes are tags).
int errnoOf(int averror)
{
    return averror < 0 && averror > -4096 ? -averror : 0;
}

bool is32Bit(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
        || f == QImage::Format_ARGB32_Premultiplied;
}

// Frees everything a run allocated, whatever step it reached.
struct RunResources
{
    AVFormatContext *format = nullptr;
    AVCodecContext *codec = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr;
    AVDictionary *options = nullptr;
    bool fileOpen = false;

    ~RunResources()
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

} // namespace

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
    {
        QMutexLocker lock(&m_mutex);
        if (m_accepting && m_buffers.size() < kMaxQueued) {
            m_stamps.append(timestampMs);
            m_buffers.append(buffer);
            m_semaphore.release();
            return true;
        }
    }
    buffer->release();
    return false;
}

int RtmpThread::queuedFrames() const
{
    QMutexLocker lock(&m_mutex);
    return m_buffers.size();
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
    QList<CameraBuffer *> buffers;
    {
        QMutexLocker lock(&m_mutex);
        buffers.swap(m_buffers);
        m_stamps.clear();
    }
    for (CameraBuffer *b : qAsConst(buffers))
        b->release();
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
    default:
        break;
    }
    return r == 0;
}

void RtmpThread::run()
{
    crash::armCurrentThread();

    const QByteArray path = QFile::encodeName(m_path);
    const QByteArray muxer = path.right(3);
    m_state = -1;
    m_headerWritten = false;
    m_transMs = 0;
    m_encodeMs = 0;

    RunResources res;
    // Whatever happens below, buffers queued now or later go back at once.
    auto closeQueue = [this] {
        {
            QMutexLocker lock(&m_mutex);
            m_accepting = false;
        }
        releaseQueued();
    };

    if (avformat_alloc_output_context2(&res.format, nullptr, muxer.constData(), path.constData()) < 0
        || !res.format) {
        fail(QStringLiteral("no output format for %1").arg(m_path));
        closeQueue();
        return;
    }

    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    if (!codec) {
        say("Can not find output video encoder! (没有找到合适的编码器！)\n");
        fail(QStringLiteral("no MJPEG encoder"));
        closeQueue();
        return;
    }

    res.codec = avcodec_alloc_context3(codec);
    if (!res.codec) {
        fail(QStringLiteral("out of memory"));
        closeQueue();
        return;
    }
    AVCodecContext *ctx = res.codec;
    ctx->width = m_width;
    ctx->height = m_height;
    ctx->time_base = AVRational{1, m_fps};
    ctx->framerate = AVRational{m_fps, 1};
    ctx->pix_fmt = AV_PIX_FMT_YUVJ420P;
    ctx->qmin = 5;
    ctx->qmax = 5;
    ctx->thread_count = m_encoderThreads;
    if (res.format->oformat->flags & AVFMT_GLOBALHEADER)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_dict_set(&res.options, "vcodec", "copy", 0);
    if (m_width <= 0 || m_height <= 0 || avcodec_open2(ctx, codec, &res.options) < 0) {
        say("Failed to open output video encoder!)\n");
        fail(QStringLiteral("cannot open the encoder"));
        closeQueue();
        return;
    }

    AVStream *stream = avformat_new_stream(res.format, nullptr);
    if (!stream || avcodec_parameters_from_context(stream->codecpar, ctx) < 0) {
        fail(QStringLiteral("cannot create the stream"));
        closeQueue();
        return;
    }
    stream->time_base = ctx->time_base;
    // FFmpeg prints the stream layout itself (to stderr), so only when asked.
    if (lcRecord().isDebugEnabled())
        av_dump_format(res.format, 0, path.constData(), 1);

    // Until the trailer is written the file is marked as in progress, so
    // that a kill or a power cut is repaired at the next start.
    InProgressMarker marker(m_path);
    if (!(res.format->oformat->flags & AVFMT_NOFILE)) {
        const int opened = avio_open(&res.format->pb, path.constData(), AVIO_FLAG_WRITE);
        if (opened < 0) {
            qCWarning(lcRecord, "could not open output URL '%s'", path.constData());
            failIo(opened, QStringLiteral("cannot open %1").arg(m_path));
            closeQueue();
            return;
        }
        res.fileOpen = true;
    }
    // MP4 and MOV keep their index at the end: written in fragments of half
    // a second, everything up to the last fragment plays after a kill.
    AVDictionary *muxerOptions = nullptr;
    if (muxer.toLower() == "mp4" || muxer.toLower() == "mov") {
        av_dict_set(&muxerOptions, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0);
        av_dict_set(&muxerOptions, "min_frag_duration", "500000", 0);
    }
    // Every packet goes to the kernel at once: a kill loses no buffered frames.
    res.format->flush_packets = 1;
    const int headerResult = avformat_write_header(res.format, &muxerOptions);
    av_dict_free(&muxerOptions);
    if (headerResult < 0) {
        say("Error occurred when opening output URL\n");
        failIo(headerResult, QStringLiteral("cannot write the header of %1").arg(m_path));
        closeQueue();
        return;
    }
    marker.arm();
    qCDebug(lcRecord, "avformat_write_header return: %d", headerResult);
    m_headerWritten = true;

    res.frame = av_frame_alloc();
    res.packet = av_packet_alloc();
    if (!res.frame || !res.packet) {
        fail(QStringLiteral("out of memory"));
        closeQueue();
        return;
    }
    AVFrame *frame = res.frame;
    AVPacket *packet = res.packet;
    frame->width = m_width;
    frame->height = m_height;
    frame->format = ctx->pix_fmt;
    if (av_frame_get_buffer(frame, 0) < 0) {
        fail(QStringLiteral("out of memory"));
        closeQueue();
        return;
    }
    m_frame = frame;

    {
        QMutexLocker lock(&m_mutex);
        m_startTime = QDateTime::currentDateTime();
    }
    int frameCount = 0;
    int64_t lastPts = -1;
    bool writeFailed = false;
    int writeError = 0; // the first AVERROR of the file
    auto noteError = [&](int r) {
        if (r < 0 && writeError == 0)
            writeError = r;
    };

    // Writes every packet the encoder has ready; false when the file refuses.
    auto drainPackets = [&]() -> bool {
        for (;;) {
            const int r = avcodec_receive_packet(ctx, packet);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
                return true;
            if (r < 0) {
                noteError(r);
                return false;
            }
            packet->stream_index = stream->index;
            // MP4 drops a last sample that has no duration.
            if (packet->duration <= 0)
                packet->duration = 1;
            av_packet_rescale_ts(packet, ctx->time_base, stream->time_base);
            const int w = av_interleaved_write_frame(res.format, packet);
            av_packet_unref(packet);
            if (w < 0) {
                // The muxer may have lost the errno; the file's context keeps it.
                noteError(res.format->pb && res.format->pb->error < 0 ? res.format->pb->error : w);
                return false;
            }
            ++m_encodedFrames;
        }
    };

    QElapsedTimer watch;
    while (m_running.load(std::memory_order_relaxed)) {
        int stamp = 0;
        CameraBuffer *buffer = nullptr;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_buffers.isEmpty()) {
                stamp = m_stamps.takeFirst();
                buffer = m_buffers.takeFirst();
            }
        }
        if (!buffer) {
            // Woken by the next frame or by stop(); the timeout only guards the flag.
            m_semaphore.tryAcquire(1, 5);
            continue;
        }
        m_semaphore.tryAcquire(); // this frame's count
        // Pacing happens in the codec's 1/fps ticks, so no container can
        // receive more pictures than the configured rate. Integer maths:
        // in floating point 300 ms / 0.1 s truncates to 2.
        const int64_t pts = av_rescale_rnd(stamp, ctx->time_base.den, int64_t(ctx->time_base.num) * 1000,
                                           AV_ROUND_DOWN);
        if (pts <= lastPts || buffer->size() != QSize(m_width, m_height)) {
            buffer->release();
            continue;
        }
        lastPts = pts;

        watch.start();
        if (!av_frame_is_writable(frame)) {
            // A threaded encoder still reads the last picture: take a fresh one.
            av_frame_unref(frame);
            frame->width = m_width;
            frame->height = m_height;
            frame->format = ctx->pix_fmt;
            if (av_frame_get_buffer(frame, 0) < 0) {
                buffer->release();
                fail(QStringLiteral("out of memory"));
                break;
            }
        }
        const bool converted = convertImage(buffer->toImage(), frame);
        buffer->release();
        const qint64 convertNs = watch.nsecsElapsed();
        m_transMs += convertNs / 1e6;
        if (!converted)
            continue;
        frame->pts = pts;
        const int sent = avcodec_send_frame(ctx, frame);
        noteError(sent);
        const bool ok = sent >= 0 && drainPackets();
        m_encodeMs += (watch.nsecsElapsed() - convertNs) / 1e6;
        ++frameCount;
        if (!ok) {
            writeFailed = true;
            break;
        }
    }
    closeQueue();

    // Flush pictures a threaded encoder still holds.
    if (!writeFailed && avcodec_send_frame(ctx, nullptr) >= 0 && !drainPackets())
        writeFailed = true;

    qCDebug(lcRecord, "frame : %d, trans : %0.2f, encode : %0.2f", frameCount,
            frameCount ? m_transMs / frameCount : 0.0, frameCount ? m_encodeMs / frameCount : 0.0);

    const int trailer = av_write_trailer(res.format);
    if (trailer < 0) {
        noteError(res.format->pb && res.format->pb->error < 0 ? res.format->pb->error : trailer);
        writeFailed = true;
    }
    if (res.fileOpen) {
        if (res.format->pb && res.format->pb->error < 0) {
            noteError(res.format->pb->error);
            writeFailed = true;
        }
        const int closed = avio_closep(&res.format->pb);
        if (closed < 0) {
            noteError(closed);
            writeFailed = true;
        }
        res.fileOpen = false;
    }
    if (writeFailed)
        failIo(writeError ? writeError : AVERROR(EIO), QStringLiteral("writing %1 failed").arg(m_path));
    else
        marker.finish();
    m_frame = nullptr;
    m_state = 0;
}
