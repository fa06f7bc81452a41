#include "core/atomicsave.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum Disk { Writable, ReadOnly, Full, Missing };

// The folder a row writes into. Full and read-only disks are a small tmpfs
// where one can be mounted (root); without it a read-only folder is one
// without write permission and a full disk the file size limit, which fails
// a write the same way.
struct Folder
{
    QTemporaryDir dir;
    QString path;
    bool mounted = false;
    bool limited = false;
    rlimit oldLimit{};
    void (*oldHandler)(int) = nullptr;

    explicit Folder(Disk disk)
    {
        path = dir.path();
        const QByteArray mountPoint = QFile::encodeName(path);
        if (disk == ReadOnly || disk == Full)
            mounted = mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") == 0;
        writeOld();
        if (disk == Missing) {
            path += QStringLiteral("/gone");
        } else if (disk == ReadOnly) {
            if (mounted)
                mount("tmpfs", mountPoint.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k");
            else
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        } else if (disk == Full && !mounted) {
            getrlimit(RLIMIT_FSIZE, &oldLimit);
            rlimit lim = oldLimit;
            lim.rlim_cur = 4096;
            oldHandler = signal(SIGXFSZ, SIG_IGN);
            limited = setrlimit(RLIMIT_FSIZE, &lim) == 0;
        }
    }
    ~Folder()
    {
        if (limited) {
            setrlimit(RLIMIT_FSIZE, &oldLimit);
            signal(SIGXFSZ, oldHandler);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (mounted)
            umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    void writeOld()
    {
        QFile f(dir.filePath(QStringLiteral("target.dat")));
        if (f.open(QIODevice::WriteOnly))
            f.write("old contents");
    }
    QString target() const { return path + QStringLiteral("/target.dat"); }
};

} // namespace

class TestAtomicSave : public QObject
{
    Q_OBJECT
private slots:
    void save_data();
    void save();
};

void TestAtomicSave::save_data()
{
    QTest::addColumn<int>("disk");
    QTest::addColumn<bool>("useWriter");
    QTest::addColumn<bool>("writerFails");
    QTest::addColumn<bool>("saved");
    QTest::newRow("bytes") << int(Writable) << false << false << true;
    QTest::newRow("writer") << int(Writable) << true << false << true;
    QTest::newRow("writer gives up") << int(Writable) << true << true << false;
    QTest::newRow("read-only folder") << int(ReadOnly) << false << false << false;
    QTest::newRow("full disk") << int(Full) << false << false << false;
    QTest::newRow("full disk, writer") << int(Full) << true << false << false;
    QTest::newRow("no folder") << int(Missing) << false << false << false;
}

// A save either replaces the file whole or leaves the old one and names the
// file in its message; never a half-written file or a temporary one left over.
void TestAtomicSave::save()
{
    QFETCH(int, disk);
    QFETCH(bool, useWriter);
    QFETCH(bool, writerFails);
    QFETCH(bool, saved);
    const QByteArray bytes(256 * 1024, 'n');
    atomicsave::Result r;
    QString folder;
    {
        Folder f(static_cast<Disk>(disk));
        if (disk == ReadOnly && !f.mounted && geteuid() == 0)
            QSKIP("root writes to any folder it can see, and no tmpfs can be mounted here to make one read-only");
        if (useWriter) {
            r = atomicsave::save(f.target(), [&](QFileDevice &file, QString *why) {
                if (writerFails) {
                    *why = QStringLiteral("the writer gave up");
                    return false;
                }
                file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
                return file.write(bytes) == bytes.size();
            });
        } else {
            r = atomicsave::save(f.target(), bytes);
        }
        QCOMPARE(r.saved, saved);
        QCOMPARE(r.path, f.target());
        QFile back(f.dir.filePath(QStringLiteral("target.dat")));
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), saved ? bytes : QByteArray("old contents"));
        if (saved && useWriter)
            QCOMPARE(back.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther), QFile::ReadGroup);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("target.dat")});
        folder = f.path;
    }
    if (saved) {
        QVERIFY(r.reason.isEmpty());
        QVERIFY(r.message().isEmpty());
    } else {
        QVERIFY(!r.reason.isEmpty());
        QVERIFY2(r.message().startsWith(QDir::toNativeSeparators(folder + QStringLiteral("/target.dat"))
                                        + QStringLiteral(": ")),
                 qPrintable(r.message()));
        if (writerFails)
            QCOMPARE(r.reason, QStringLiteral("the writer gave up"));
    }
}

QTEST_GUILESS_MAIN(TestAtomicSave)
#include "tst_atomicsave.moc"
