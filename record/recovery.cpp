#include "record/recovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

// Folders below the video root that are searched for markers.
constexpr int kMaxDepth = 4;

QByteArray readSmallFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(256) : QByteArray();
}

// A recorder of another running instance of this program.
bool recorderAlive(const QString &marker)
{
    bool ok = false;
    const qint64 pid = readSmallFile(marker).trimmed().toLongLong(&ok);
    // Our own id here is a coincidence of a restarted machine or container.
    if (!ok || pid <= 0 || pid == getpid())
        return false;
    if (kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return false;
    const QByteArray comm = readSmallFile(QStringLiteral("/proc/%1/comm").arg(pid));
    return !comm.isEmpty() && comm == readSmallFile(QStringLiteral("/proc/self/comm"));
}

bool syncFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = fsync(fd) == 0;
    ::close(fd);
    return ok;
}

struct Remux
{
    AVFormatContext *in = nullptr;
    AVFormatContext *out = nullptr;
    AVPacket *packet = nullptr;
    bool outOpen = false;

    ~Remux()
    {
        av_packet_free(&packet);
        if (out) {
            if (outOpen)
                avio_closep(&out->pb);
            avformat_free_context(out);
        }
        avformat_close_input(&in);
    }
};

enum class RemuxResult { Done, Unreadable, WriteFailed, Cancelled };

// Copies the video packets of source into target (same container, written
// normally, so with its index).
RemuxResult remux(const QByteArray &source, const QByteArray &target, const char *muxer, double *seconds,
                  const RecoveryProgress &progress, qint64 sourceBytes)
{
    bool writing = false;
    bool cancelled = false;
    const bool done = [&] {
        Remux r;
        if (avformat_open_input(&r.in, source.constData(), nullptr, nullptr) < 0)
            return false;
        // Without an index this may fail; the packets can still be read.
        (void)avformat_find_stream_info(r.in, nullptr);
        const int index = av_find_best_stream(r.in, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (index < 0)
            return false;
        const AVStream *src = r.in->streams[index];

        if (avformat_alloc_output_context2(&r.out, nullptr, muxer, target.constData()) < 0 || !r.out)
            return false;
        AVStream *dst = avformat_new_stream(r.out, nullptr);
        if (!dst || avcodec_parameters_copy(dst->codecpar, src->codecpar) < 0)
            return false;
        dst->codecpar->codec_tag = 0;
        dst->time_base = src->time_base;
        dst->avg_frame_rate = src->avg_frame_rate;
        writing = true;
        if (avio_open(&r.out->pb, target.constData(), AVIO_FLAG_WRITE) < 0)
            return false;
        r.outOpen = true;
        if (avformat_write_header(r.out, nullptr) < 0)
            return false;

        // One picture's length in the source's ticks, for packets that lack it.
        AVRational rate = src->avg_frame_rate.num > 0 ? src->avg_frame_rate : src->r_frame_rate;
        int64_t frameTicks = rate.num > 0 ? av_rescale_q(1, av_inv_q(rate), src->time_base) : 1;
        if (frameTicks <= 0)
            frameTicks = 1;

        r.packet = av_packet_alloc();
        if (!r.packet)
            return false;
        AVPacket *pkt = r.packet;
        int64_t first = AV_NOPTS_VALUE;
        int64_t last = AV_NOPTS_VALUE;
        int64_t lastDuration = frameTicks;
        int packets = 0;
        writing = false;
        while (av_read_frame(r.in, pkt) >= 0) {
            // The picture the kill cut in half is dropped.
            if (pkt->stream_index != index || pkt->size <= 0 || (pkt->flags & AV_PKT_FLAG_CORRUPT)) {
                av_packet_unref(pkt);
                continue;
            }
            int64_t ts = pkt->dts != AV_NOPTS_VALUE ? pkt->dts : pkt->pts;
            if (ts == AV_NOPTS_VALUE || (last != AV_NOPTS_VALUE && ts <= last))
                ts = last == AV_NOPTS_VALUE ? 0 : last + lastDuration;
            if (pkt->duration <= 0)
                pkt->duration = frameTicks;
            pkt->pts = pkt->dts = ts;
            if (first == AV_NOPTS_VALUE)
                first = ts;
            last = ts;
            lastDuration = pkt->duration;
            pkt->stream_index = 0;
            pkt->pos = -1;
            av_packet_rescale_ts(pkt, src->time_base, dst->time_base);
            const int w = av_interleaved_write_frame(r.out, pkt);
            av_packet_unref(pkt);
            if (w < 0) {
                writing = true;
                return false;
            }
            ++packets;
            if (progress && packets % 16 == 0 && sourceBytes > 0) {
                const int64_t at = r.in->pb ? avio_tell(r.in->pb) : 0;
                if (!progress(qBound(0.0, double(at) / double(sourceBytes), 1.0))) {
                    cancelled = true;
                    return false;
                }
            }
        }
        if (packets == 0)
            return false;
        writing = true;
        if (av_write_trailer(r.out) < 0 || (r.out->pb && r.out->pb->error < 0))
            return false;
        r.outOpen = false;
        if (avio_closep(&r.out->pb) < 0)
            return false;
        *seconds = double(last + lastDuration - first) * av_q2d(src->time_base);
        return true;
    }();
    if (done)
        return RemuxResult::Done;
    if (cancelled)
        return RemuxResult::Cancelled;
    return writing ? RemuxResult::WriteFailed : RemuxResult::Unreadable;
}

} // namespace

QString recoveryMessage(const RecoveredRecording &r)
{
    const QString name = QDir::toNativeSeparators(r.file);
    const QLocale locale;
    if (r.cancelled)
        return QCoreApplication::translate("Recovery", "录像 %1 的修复已取消，文件原样保留，可以再次修复。").arg(name);
    if (!r.repaired && r.retry && r.bytesNeeded > 0)
        return QCoreApplication::translate("Recovery", "录像 %1 没有正常结束。修复需要 %2 可用空间，磁盘上只有 %3。"
                                                       "请释放空间，下次启动时会再次修复。")
            .arg(name, locale.formattedDataSize(r.bytesNeeded), locale.formattedDataSize(r.bytesAvailable));
    if (!r.repaired && r.retry)
        return QCoreApplication::translate("Recovery",
                                           "录像 %1 没有正常结束，修复时无法写入，已原样保留。下次启动时会再次修复。")
            .arg(name);
    if (!r.repaired)
        return QCoreApplication::translate("Recovery", "录像 %1 没有正常结束，无法修复，已原样保留。").arg(name);
    return QCoreApplication::translate("Recovery", "录像 %1 没有正常结束，已修复，时长 %2 秒。")
        .arg(name, QLocale().toString(r.seconds, 'f', 1));
}

QString inProgressMarkerPath(const QString &recording) { return recording + QStringLiteral(".recording"); }

InProgressMarker::InProgressMarker(const QString &recording)
    : m_marker(inProgressMarkerPath(recording))
{
    QFile f(m_marker);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(QByteArray::number(qint64(getpid())) + '\n');
}

InProgressMarker::~InProgressMarker()
{
    if (!m_armed)
        QFile::remove(m_marker);
}

void InProgressMarker::finish()
{
    QFile::remove(m_marker);
    m_armed = false;
}

RecoveredRecording recoverRecording(const QString &file, const RecoveryProgress &progress)
{
    RecoveredRecording result;
    result.file = file;
    const QFileInfo info(file);
    // The container as the recorder chose it: by the last three characters.
    const QByteArray muxer = QFile::encodeName(file.right(3)).toLower();
    const QString temp = info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".repair");
    const QByteArray source = QFile::encodeName(file);
    const QByteArray target = QFile::encodeName(temp);
    double seconds = 0;
    // The repaired copy is about as large as the original, on the same disk.
    const qint64 needed = info.size() + (1 << 20);
    auto lacksRoom = [&] {
        QStorageInfo disk(info.path());
        disk.refresh();
        result.bytesAvailable = disk.bytesAvailable();
        if (!disk.isValid() || result.bytesAvailable >= needed)
            return false;
        result.retry = true;
        result.bytesNeeded = needed;
        return true;
    };
    if (info.size() > 0 && lacksRoom())
        return result; // the marker stays: tried again at the next start
    const RemuxResult r = info.size() > 0 ? remux(source, target, muxer.constData(), &seconds, progress, info.size())
                                          : RemuxResult::Unreadable;
    if (r == RemuxResult::Cancelled) {
        QFile::remove(temp);
        result.cancelled = true;
        result.retry = true;
        return result;
    }
    if (r == RemuxResult::Done && syncFile(target) && ::rename(target.constData(), source.constData()) == 0) {
        result.repaired = true;
        result.seconds = seconds;
    }
    QFile::remove(temp);
    if (!result.repaired && r != RemuxResult::Unreadable) {
        // Room may have run out meanwhile; either way a later start tries again.
        lacksRoom();
        result.retry = true;
        return result;
    }
    QFile::remove(inProgressMarkerPath(file));
    return result;
}

bool awaitsRepair(const QString &file)
{
    const QString marker = inProgressMarkerPath(file);
    if (!QFileInfo(marker).isFile() || !QFileInfo(file).isFile() || recorderAlive(marker))
        return false;
    // Our own id: this run's recorder is writing it now.
    bool ok = false;
    return readSmallFile(marker).trimmed().toLongLong(&ok) != qint64(getpid()) || !ok;
}

QStringList findUnfinishedRecordings(const QString &videoRoot)
{
    QStringList found;
    if (videoRoot.isEmpty())
        return found;
    // Recordings live a folder or two below the root; a root chosen high up
    // (a home folder) must not make every start walk the whole disk.
    QStringList markers;
    QStringList level{videoRoot};
    for (int depth = 0; depth <= kMaxDepth && !level.isEmpty(); ++depth) {
        QStringList below;
        for (const QString &dir : qAsConst(level)) {
            const QDir d(dir);
            for (const QString &name : d.entryList({QStringLiteral("*.recording")}, QDir::Files | QDir::Hidden))
                markers.append(d.filePath(name));
            if (depth < kMaxDepth) {
                for (const QString &name : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
                    below.append(d.filePath(name));
            }
        }
        level.swap(below);
    }
    static const int kSuffix = int(qstrlen(".recording"));
    for (const QString &marker : qAsConst(markers)) {
        if (recorderAlive(marker))
            continue;
        const QString file = marker.left(marker.size() - kSuffix);
        if (!QFileInfo(file).isFile()) {
            QFile::remove(marker);
            continue;
        }
        found.append(file);
    }
    return found;
}

QList<RecoveredRecording> recoverUnfinishedRecordings(const QString &videoRoot)
{
    QList<RecoveredRecording> found;
    for (const QString &file : findUnfinishedRecordings(videoRoot))
        found.append(recoverRecording(file));
    return found;
}
