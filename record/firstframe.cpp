#include "record/rtmpthread.h"

#include <QFile>

#include <libyuv/convert_argb.h>

#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

// Thumbnails of hostile files must not ask for gigabytes.
constexpr int kMaxSide = 16384;
constexpr int kMaxPackets = 10;

struct Decoder
{
    AVFormatContext *format = nullptr;
    AVCodecContext *codec = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr;

    ~Decoder()
    {
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

// Halvings of a w x h picture that keep it at least atLeast.
int lowresFor(int w, int h, const QSize &atLeast, int maxLowres)
{
    int lowres = 0;
    while (lowres < maxLowres && (w >> (lowres + 1)) >= atLeast.width() && (h >> (lowres + 1)) >= atLeast.height())
        ++lowres;
    return lowres;
}

// Opens the decoder of a stream; null when it cannot.
AVCodecContext *openDecoder(const AVStream *stream, const QSize &atLeast)
{
    const AVCodec *dec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!dec)
        return nullptr;
    AVCodecContext *ctx = avcodec_alloc_context3(dec);
    if (!ctx)
        return nullptr;
    // One thread: a frame-threaded decoder would hold back the first picture.
    ctx->thread_count = 1;
    if (avcodec_parameters_to_context(ctx, stream->codecpar) < 0) {
        avcodec_free_context(&ctx);
        return nullptr;
    }
    if (atLeast.isValid())
        ctx->lowres = lowresFor(ctx->width, ctx->height, atLeast, dec->max_lowres);
    if (avcodec_open2(ctx, dec, nullptr) < 0) {
        avcodec_free_context(&ctx);
        return nullptr;
    }
    return ctx;
}

QImage toImage(const AVFrame *f)
{
    const int w = f->width;
    const int h = f->height;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide)
        return QImage();
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    uint8_t *dst = image.bits();
    const int ds = image.bytesPerLine();
    const uint8_t *const *p = f->data;
    const int *ls = f->linesize;
    int r = -1;
    switch (f->format) {
    case AV_PIX_FMT_YUV420P: r = libyuv::I420ToARGB(p[0], ls[0], p[1], ls[1], p[2], ls[2], dst, ds, w, h); break;
    case AV_PIX_FMT_YUVJ420P: r = libyuv::J420ToARGB(p[0], ls[0], p[1], ls[1], p[2], ls[2], dst, ds, w, h); break;
    case AV_PIX_FMT_YUVJ422P: r = libyuv::J422ToARGB(p[0], ls[0], p[1], ls[1], p[2], ls[2], dst, ds, w, h); break;
    case AV_PIX_FMT_YUV422P: r = libyuv::I422ToARGB(p[0], ls[0], p[1], ls[1], p[2], ls[2], dst, ds, w, h); break;
    case AV_PIX_FMT_YUVJ444P: r = libyuv::J444ToARGB(p[0], ls[0], p[1], ls[1], p[2], ls[2], dst, ds, w, h); break;
    case AV_PIX_FMT_YUV444P: r = libyuv::I444ToARGB(p[0], ls[0], p[1], ls[1], p[2], ls[2], dst, ds, w, h); break;
    case AV_PIX_FMT_NV12: r = libyuv::NV12ToARGB(p[0], ls[0], p[1], ls[1], dst, ds, w, h); break;
    case AV_PIX_FMT_YUYV422: r = libyuv::YUY2ToARGB(p[0], ls[0], dst, ds, w, h); break;
    default: break;
    }
    // An unconverted image would be uninitialised memory: report nothing instead.
    return r == 0 ? image : QImage();
}

} // namespace

QImage RtmpThread::readFirstFrame(const QString &path, const QSize &atLeast)
{
    Decoder d;
    const QByteArray name = QFile::encodeName(path);
    if (avformat_open_input(&d.format, name.constData(), nullptr, nullptr) < 0)
        return QImage();
    // The probe decodes a picture too: let it decode small as well.
    std::vector<AVDictionary *> probeOptions(d.format->nb_streams, nullptr);
    if (atLeast.isValid()) {
        for (unsigned i = 0; i < d.format->nb_streams; ++i) {
            const AVCodecParameters *par = d.format->streams[i]->codecpar;
            const AVCodec *dec = avcodec_find_decoder(par->codec_id);
            if (par->codec_type == AVMEDIA_TYPE_VIDEO && dec && par->width > 0 && par->height > 0)
                av_dict_set_int(&probeOptions[i], "lowres",
                                lowresFor(par->width, par->height, atLeast, dec->max_lowres), 0);
        }
    }
    const int probed = avformat_find_stream_info(d.format, probeOptions.empty() ? nullptr : probeOptions.data());
    for (AVDictionary *&o : probeOptions)
        av_dict_free(&o);
    if (probed < 0)
        return QImage();

    // The last video stream whose decoder opens.
    int index = -1;
    for (unsigned i = 0; i < d.format->nb_streams; ++i) {
        const AVStream *s = d.format->streams[i];
        if (s->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
            continue;
        AVCodecContext *ctx = openDecoder(s, atLeast);
        if (!ctx)
            continue;
        avcodec_free_context(&d.codec);
        d.codec = ctx;
        index = int(i);
    }
    if (index < 0)
        return QImage();

    d.packet = av_packet_alloc();
    d.frame = av_frame_alloc();
    if (!d.packet || !d.frame)
        return QImage();

    // Packets of other streams do not count, but are bounded too.
    for (int read = 0, total = 0; read < kMaxPackets && total < 20 * kMaxPackets; ++total) {
        if (av_read_frame(d.format, d.packet) < 0)
            break;
        if (d.packet->stream_index != index) {
            av_packet_unref(d.packet);
            continue;
        }
        ++read;
        const int sent = avcodec_send_packet(d.codec, d.packet);
        av_packet_unref(d.packet);
        if (sent < 0 && sent != AVERROR(EAGAIN))
            continue;
        if (avcodec_receive_frame(d.codec, d.frame) >= 0)
            return toImage(d.frame);
    }
    // A short file may hold its only picture in the decoder.
    if (avcodec_send_packet(d.codec, nullptr) >= 0 && avcodec_receive_frame(d.codec, d.frame) >= 0)
        return toImage(d.frame);
    return QImage();
}
