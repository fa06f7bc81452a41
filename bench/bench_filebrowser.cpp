// Listing a folder of 500 photos and 100 videos: time until every entry is in
// the list and until every thumbnail is there, against a synchronous listing
// that makes each thumbnail on the GUI thread before showing the entry.
// Usage: bench_filebrowser [folder]   (the folder is made once and reused)
#include "files/filebrowser.h"
#include "record/rtmpthread.h"
#include "core/camerabuffer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kPhotos = 500;
constexpr int kVideos = 100;
constexpr int kW = 1920;
constexpr int kH = 1080;

QImage picture(int seed)
{
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(QColor(220, 210, 195));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator rng{quint32(seed)};
    for (int i = 0; i < 25; ++i) {
        p.setBrush(QColor(rng.bounded(256), rng.bounded(256), rng.bounded(256)));
        p.drawEllipse(QPointF(rng.bounded(kW), rng.bounded(kH)), 30 + rng.bounded(200), 30 + rng.bounded(150));
    }
    return img;
}

bool makeFolder(const QString &photos, const QString &videos)
{
    QDir().mkpath(photos);
    QDir().mkpath(videos);
    if (QDir(photos).entryList(QDir::Files).size() >= kPhotos + kVideos)
        return true;
    printf("making %d photos and %d videos of %d x %d ...\n", kPhotos, kVideos, kW, kH);
    fflush(stdout);
    for (int i = 0; i < kPhotos; ++i) {
        // Mostly JPEG, some PNG, as users save them.
        const bool png = i % 10 == 0;
        const QString name = QStringLiteral("%1/2026120%2_%3.%4")
                                 .arg(photos)
                                 .arg(i % 9 + 1)
                                 .arg(i, 6, 10, QLatin1Char('0'))
                                 .arg(png ? QStringLiteral("png") : QStringLiteral("jpg"));
        if (!picture(i).save(name))
            return false;
    }
    CameraBuffer buffer;
    buffer.init(kW, kH, QImage::Format_RGB32);
    for (int i = 0; i < kVideos; ++i) {
        const QImage img = picture(1000 + i);
        memcpy(buffer.bits(), img.constBits(), size_t(buffer.byteCount()));
        RtmpThread rec;
        rec.setFilePath(QStringLiteral("%1/clip_%2.avi").arg(videos).arg(i, 4, 10, QLatin1Char('0')));
        rec.setSize(kW, kH);
        rec.setFps(15);
        rec.start();
        for (int f = 0; f < 3; ++f) {
            while (!buffer.tryAcquire())
                QThread::usleep(200);
            rec.enqueueFrame(f * 100, &buffer);
        }
        while (rec.queuedFrames() > 0 || buffer.isTaken())
            QThread::usleep(200);
        rec.stop();
    }
    return true;
}

double processCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Timing
{
    double entries = 0;
    double thumbnails = 0;
    double cpu = 0;
};

Timing asyncListing(const QString &folder, bool video)
{
    FileBrowser b;
    b.setVideoMode(video);
    QElapsedTimer t;
    const double cpu0 = processCpuMs();
    t.start();
    b.setRootPath(folder);
    Timing r;
    r.entries = t.nsecsElapsed() / 1e6;
    if (b.pendingThumbnails() > 0) {
        QEventLoop loop;
        QObject::connect(&b, &FileBrowser::thumbnailsDone, &loop, &QEventLoop::quit);
        loop.exec();
    }
    r.thumbnails = t.nsecsElapsed() / 1e6;
    r.cpu = processCpuMs() - cpu0;
    return r;
}

// What a change in the watched folder costs the GUI thread once the
// thumbnails are in: listing again with nothing changed, with one photo
// more (its thumbnail only is made), and switching to name order.
struct ReloadTiming
{
    double same = 0;
    double added = 0;
    double sort = 0;
};

ReloadTiming reloadListing(const QString &folder)
{
    FileBrowser b;
    b.setVideoMode(false);
    b.setRootPath(folder);
    auto settle = [&b] {
        if (b.pendingThumbnails() > 0) {
            QEventLoop loop;
            QObject::connect(&b, &FileBrowser::thumbnailsDone, &loop, &QEventLoop::quit);
            loop.exec();
        }
    };
    settle();
    ReloadTiming r;
    QElapsedTimer t;
    t.start();
    b.reload();
    r.same = t.nsecsElapsed() / 1e6;
    const QString extra = folder + QStringLiteral("/zz_bench_extra.jpg");
    QFile::copy(b.listedPaths().value(0), extra);
    t.restart();
    b.reload();
    settle();
    r.added = t.nsecsElapsed() / 1e6;
    QFile::remove(extra);
    t.restart();
    b.setSortOrder(FileBrowser::SortOrder::ByName);
    r.sort = t.nsecsElapsed() / 1e6;
    return r;
}

// Every thumbnail made in the listing loop, as a plain implementation would.
Timing syncListing(const QString &folder, bool video)
{
    QListWidget list;
    list.setViewMode(QListView::IconMode);
    list.setIconSize(QSize(FileBrowser::kIconWidth, FileBrowser::kIconHeight));
    QElapsedTimer t;
    const double cpu0 = processCpuMs();
    t.start();
    const QStringList suffixes = video ? QStringList{QStringLiteral(".mp4"), QStringLiteral(".avi")}
                                       : QStringList{QStringLiteral(".png"), QStringLiteral(".jpg"),
                                                     QStringLiteral(".bmp")};
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        bool ok = false;
        for (const QString &s : suffixes)
            ok = ok || info.fileName().endsWith(s);
        if (!ok)
            continue;
        auto *item = new CustomListWidgetItem(info);
        const QImage src = video ? RtmpThread::readFirstFrame(info.filePath()) : QImage(info.filePath());
        item->setIcon(QIcon(QPixmap::fromImage(src.scaled(FileBrowser::kIconWidth, FileBrowser::kIconHeight,
                                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
        list.addItem(item);
        list.sortItems();
    }
    Timing r;
    r.entries = r.thumbnails = t.nsecsElapsed() / 1e6;
    r.cpu = processCpuMs() - cpu0;
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QDir::tempPath() + QStringLiteral("/vistrel_bench_browser");
    // One folder holding both kinds; each browser lists its own.
    const QString photos = root;
    const QString videos = root;
    if (!makeFolder(photos, videos)) {
        fprintf(stderr, "cannot make the sample folder under %s\n", qPrintable(root));
        return 1;
    }
    // Warm the page cache so both listings read from memory.
    asyncListing(photos, false);
    asyncListing(videos, true);

    for (int run = 0; run < 2; ++run) {
        const Timing p = asyncListing(photos, false);
        const Timing v = asyncListing(videos, true);
        const Timing sp = syncListing(photos, false);
        const Timing sv = syncListing(videos, true);
        printf("\nrun %d (%d x %d files, 2 thumbnail workers; wall ms, cpu ms in brackets)\n", run + 1, kW, kH);
        printf("  %d photos: entries listed %7.1f, all thumbnails %7.1f [%7.1f] | synchronous %7.1f [%7.1f]\n", kPhotos,
               p.entries, p.thumbnails, p.cpu, sp.thumbnails, sp.cpu);
        printf("  %d videos: entries listed %7.1f, all thumbnails %7.1f [%7.1f] | synchronous %7.1f [%7.1f]\n", kVideos,
               v.entries, v.thumbnails, v.cpu, sv.thumbnails, sv.cpu);
        const ReloadTiming re = reloadListing(photos);
        printf(
            "  %d photos listed again: unchanged %6.1f, one added (with its thumbnail) %6.1f, sorted by name %6.1f\n",
            kPhotos, re.same, re.added, re.sort);
        printf("  600 files: entries listed %7.1f, all thumbnails %7.1f [%7.1f] | synchronous %7.1f [%7.1f]\n",
               p.entries + v.entries, p.thumbnails + v.thumbnails, p.cpu + v.cpu, sp.thumbnails + sv.thumbnails,
               sp.cpu + sv.cpu);
        fflush(stdout);
    }
    return 0;
}
