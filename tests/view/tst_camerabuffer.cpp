#include "core/camerabuffer.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

class TstCameraBuffer : public QObject
{
    Q_OBJECT
private slots:
    void initial()
    {
        CameraBuffer b;
        QVERIFY(!b.size().isValid());
        QCOMPARE(b.format(), 0);
        QVERIFY(!b.bits());
        QVERIFY(b.toImage().isNull());
    }

    void token()
    {
        CameraBuffer b;
        b.init(4, 2, QImage::Format_RGB32);
        uchar *p = b.tryAcquire();
        QVERIFY(p);
        QCOMPARE(b.tryAcquire(), nullptr);
        b.release();
        QCOMPARE(b.tryAcquire(), p);
        b.release();
        b.release(); // releasing a free buffer keeps it free
        QVERIFY(!b.isTaken());
        QCOMPARE(b.tryAcquire(), p);
    }

    // The scoped lock: given back at the end of its scope, handed on by a
    // move, let go of with release(); a wait ends at its bound.
    void scopedLock()
    {
        CameraBuffer b;
        {
            const CameraBuffer::Lock none(&b);
            QVERIFY(!none); // no pixels: nothing to hold
        }
        QVERIFY(!b.isTaken());
        b.init(4, 2, QImage::Format_RGB32);
        {
            CameraBuffer::Lock first(&b);
            QVERIFY(first && first.buffer() == &b);
            QVERIFY(!CameraBuffer::Lock(&b));
            QElapsedTimer t;
            t.start();
            QVERIFY(!CameraBuffer::Lock::waitFor(&b, 30));
            QVERIFY(t.elapsed() >= 30);
            CameraBuffer::Lock moved = std::move(first);
            QVERIFY(!first && moved && b.isTaken());
            first = std::move(moved); // back again, still held once
            QVERIFY(b.isTaken());
        }
        QVERIFY(!b.isTaken());
        CameraBuffer *held = CameraBuffer::Lock(&b).release();
        QVERIFY(held == &b && b.isTaken());
        {
            const CameraBuffer::Lock adopted = CameraBuffer::Lock::adopt(held);
            QVERIFY(adopted);
        }
        QVERIFY(!b.isTaken());
        QVERIFY(CameraBuffer::Lock::waitFor(&b, 30));
    }

    void initKeepsOrReplaces_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("same");
        QTest::newRow("same") << 640 << 480 << 4 << true;
        QTest::newRow("other format") << 640 << 480 << 5 << false;
        QTest::newRow("other size") << 800 << 600 << 4 << false;
        QTest::newRow("same area other shape") << 480 << 640 << 4 << false;
    }

    void initKeepsOrReplaces()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, format);
        QFETCH(bool, same);
        CameraBuffer b;
        b.init(640, 480, 4);
        const std::shared_ptr<uchar[]> before = b.data();
        b.init(w, h, format);
        QCOMPARE(b.bits() == before.get(), same);
        QCOMPARE(b.size(), QSize(w, h));
        QCOMPARE(b.byteCount(), w * h * 4);
        // An older holder keeps its array alive after a replacement.
        before[640 * 480 * 4 - 1] = 7;
        QCOMPARE(int(before[640 * 480 * 4 - 1]), 7);
    }

    void emptyBufferIsNeverHeld()
    {
        CameraBuffer b;
        QCOMPARE(b.tryAcquire(), nullptr);
        QVERIFY(!b.isTaken());
        b.init(4, 4, 4);
        QVERIFY(b.tryAcquire());
        b.release();
        b.reset();
        QCOMPARE(b.tryAcquire(), nullptr);
        QVERIFY(!b.isTaken());
    }

    void initLeavesToken()
    {
        CameraBuffer b;
        b.init(2, 2, 4);
        QVERIFY(b.tryAcquire());
        b.init(10, 10, 4);
        QVERIFY(b.isTaken());
    }

    void imageWrapsPixels()
    {
        CameraBuffer b;
        b.init(3, 2, QImage::Format_RGB32);
        uchar *p = b.tryAcquire();
        QVERIFY(p);
        reinterpret_cast<quint32 *>(p)[4] = 0xFF123456; // x 1, y 1
        const QImage img = b.toImage();
        QCOMPARE(img.size(), QSize(3, 2));
        QCOMPARE(img.format(), QImage::Format_RGB32);
        QCOMPARE(img.constBits(), static_cast<const uchar *>(p));
        QCOMPARE(img.bytesPerLine(), 12);
        QCOMPARE(img.pixel(1, 1), 0xFF123456u);
        b.release();
    }

    void resetGivesNull()
    {
        CameraBuffer b;
        b.init(8, 8, 4);
        b.reset();
        QVERIFY(b.toImage().isNull());
        QVERIFY(!b.size().isValid());
        QCOMPARE(b.format(), 0);
        QVERIFY(!b.bits());
    }

    // Two threads fight for the token; at no time may both hold it, and the
    // pixels a holder writes are never touched by the other side. Each runs
    // until both have won often, so a slow start of one cannot hide a fault.
    void contention()
    {
        CameraBuffer b;
        b.init(64, 64, 4);
        std::atomic<int> holders{0};
        std::atomic<bool> overlap{false};
        std::atomic<int> ready{0};
        std::atomic<int> wins[2] = {{0}, {0}};
        constexpr int kWins = 20000;
        auto worker = [&](int id) {
            ready++;
            while (ready.load() < 2) {}
            for (long attempt = 0; attempt < 50000000L; ++attempt) {
                if (wins[0].load() >= kWins && wins[1].load() >= kWins)
                    break;
                uchar *p = b.tryAcquire();
                if (!p)
                    continue;
                if (holders.fetch_add(1) != 0)
                    overlap = true;
                p[0] = uchar(id);
                p[b.byteCount() - 1] = uchar(id);
                if (p[0] != uchar(id) || p[b.byteCount() - 1] != uchar(id))
                    overlap = true;
                holders.fetch_sub(1);
                wins[id]++;
                b.release();
                if (wins[id].load() >= kWins)
                    std::this_thread::yield();
            }
        };
        std::thread a(worker, 0);
        std::thread c(worker, 1);
        a.join();
        c.join();
        QVERIFY(!overlap);
        QVERIFY(wins[0] >= kWins && wins[1] >= kWins);
        QVERIFY(!b.isTaken());
    }
};

QTEST_GUILESS_MAIN(TstCameraBuffer)
#include "tst_camerabuffer.moc"
