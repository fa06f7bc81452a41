// Records a moving synthetic picture in real time until it is killed.
// Usage: record_helper FILE FPS. Prints "recording" once frames are written.
#include "core/camerabuffer.h"
#include "record/rtmpthread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const int fps = atoi(argv[2]);
    const int w = 320, h = 240;
    std::vector<std::unique_ptr<CameraBuffer>> pool;
    for (int i = 0; i < 4; ++i) {
        pool.push_back(std::make_unique<CameraBuffer>());
        pool.back()->init(w, h, QImage::Format_RGB32);
    }
    RtmpThread rec;
    rec.setFilePath(QString::fromLocal8Bit(argv[1]));
    rec.setSize(w, h);
    rec.setFps(fps);
    rec.start();
    QElapsedTimer clock;
    clock.start();
    bool told = false;
    for (int n = 0;; ++n) {
        const qint64 due = qint64(n) * 1000 / fps;
        while (clock.elapsed() < due)
            QThread::msleep(1);
        CameraBuffer *b = nullptr;
        while (!b) {
            for (auto &p : pool)
                if (!b && p->tryAcquire())
                    b = p.get();
            if (!b)
                QThread::msleep(1);
        }
        // A bar that moves: every picture differs.
        QImage img(b->bits(), w, h, QImage::Format_RGB32);
        img.fill(qRgb(30, 60, 90));
        for (int y = 0; y < h; ++y)
            reinterpret_cast<QRgb *>(img.scanLine(y))[(n * 7) % w] = qRgb(255, 255, 0);
        rec.enqueueFrame(int(due), b);
        if (rec.failed()) {
            fprintf(stderr, "%s\n", qPrintable(rec.errorString()));
            return 1;
        }
        if (!told && rec.encodedFrames() > 0) {
            told = true;
            puts("recording");
            fflush(stdout);
        }
    }
}
