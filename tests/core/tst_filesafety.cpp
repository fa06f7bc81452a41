#include "core/diskerror.h"
#include "core/imagesafety.h"
#include "tests/core/hostileimages.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/mount.h>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

// A tmpfs of a few pages mounted for the test; unmounted when it goes.
struct TinyMount
{
    QTemporaryDir dir;
    bool mounted = false;
    explicit TinyMount(const char *options)
    {
        mounted = mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, options) == 0;
    }
    ~TinyMount()
    {
        if (mounted)
            umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
};

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT
private slots:
    void pictureSizes_data();
    void pictureSizes();
    void readsNormalPictures();
    void errnoWords_data();
    void errnoWords();
    void fullTmpfs();
    void readOnlyTmpfs();
};

void TestFileSafety::pictureSizes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("png 30000 x 30000") << hostile::png(30000, 30000) << false;
    QTest::newRow("png 10001 x 10000") << hostile::png(10001, 10000) << false;
    QTest::newRow("png 10000 x 10000") << hostile::png(10000, 10000) << true;
    QTest::newRow("png 1 x 2^31-1") << hostile::png(1, 0x7FFFFFFF) << false;
    QTest::newRow("jpeg 65000 x 65000") << hostile::jpeg(65000, 65000) << false;
    QTest::newRow("jpeg 16 x 16") << hostile::jpeg(16, 16) << true;
    QTest::newRow("no size") << QByteArray("\x89PNG\r\n\x1a\n", 8) << false;
    QTest::newRow("text") << QByteArray("not a picture") << false;
}

// Decided from the header alone: nothing is decoded here.
void TestFileSafety::pictureSizes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("p.img"), bytes);
    QImageReader reader(path);
    QString why;
    QCOMPARE(imagesafety::prepareReader(&reader, &why), accepted);
    QCOMPARE(why.isEmpty(), accepted);
    if (!accepted) {
        QImage img(4, 4, QImage::Format_RGB32);
        QVERIFY(!imagesafety::readImageSafely(path, &img, &why));
        QVERIFY(img.isNull());
    }
}

void TestFileSafety::readsNormalPictures()
{
    QTemporaryDir dir;
    QImage img(300, 200, QImage::Format_RGB32);
    img.fill(qRgb(10, 200, 30));
    const QString path = dir.filePath(QStringLiteral("ok.png"));
    QVERIFY(img.save(path));
    QImage got;
    QVERIFY(imagesafety::readImageSafely(path, &got));
    QCOMPARE(got.size(), QSize(300, 200));
    QCOMPARE(got.pixel(5, 5), qRgb(10, 200, 30));
}

void TestFileSafety::errnoWords_data()
{
    QTest::addColumn<int>("err");
    QTest::addColumn<QString>("start");
    QTest::newRow("ENOSPC") << ENOSPC << "磁盘已满";
    QTest::newRow("EDQUOT") << EDQUOT << "磁盘已满";
    QTest::newRow("EACCES") << EACCES << "文件夹不可写";
    QTest::newRow("EROFS") << EROFS << "文件夹不可写";
    QTest::newRow("EIO") << EIO << "写入失败";
}

void TestFileSafety::errnoWords()
{
    QFETCH(int, err);
    QFETCH(QString, start);
    QTemporaryDir dir;
    // A file not yet written, in a folder not yet made: the nearest real
    // folder is named, and where it is not writable the folder meant too.
    const QString text = diskerror::describe(err, dir.filePath(QStringLiteral("a/b/c.avi")));
    QVERIFY2(text.startsWith(start), qPrintable(text));
    if (err != EIO)
        QVERIFY2(text.contains(dir.path()), qPrintable(text));
    if (err == EACCES || err == EROFS)
        QVERIFY2(text.contains(dir.filePath(QStringLiteral("a/b"))), qPrintable(text));
    else if (err != EIO)
        QVERIFY2(!text.contains(QLatin1String("/a")), qPrintable(text));
}

void TestFileSafety::fullTmpfs()
{
    TinyMount disk("size=64k");
    if (!disk.mounted)
        QSKIP("mounting a tmpfs is not permitted here (needs root); /dev/full is tried by tst_rtmpthread");
    const QString path = disk.dir.filePath(QStringLiteral("photo.jpg"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    int err = 0;
    for (int i = 0; i < 64 && !err; ++i) {
        if (f.write(block) < 0 || !f.flush())
            err = ENOSPC; // Qt keeps no errno; the disk is then asked
    }
    f.close();
    QVERIFY(err);
    const QString text = diskerror::diagnose(path, 4096);
    QVERIFY2(text.startsWith(QStringLiteral("磁盘已满")) && text.contains(disk.dir.path()), qPrintable(text));
}

void TestFileSafety::readOnlyTmpfs()
{
    TinyMount disk("size=64k");
    if (!disk.mounted)
        QSKIP("mounting a tmpfs is not permitted here (needs root)");
    QVERIFY(mount("tmpfs", QFile::encodeName(disk.dir.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k")
            == 0);
    const QString text = diskerror::diagnose(disk.dir.filePath(QStringLiteral("x.jpg")));
    QVERIFY2(text.startsWith(QStringLiteral("文件夹不可写")), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
