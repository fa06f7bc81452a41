#include "calib/bdfile.h"
#include "core/bdinfo.h"
#include "tests/common/bytes.h"
#include "tests/common/records.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using testbytes::Bytes;
using testrecords::bd;
using testrecords::serialise;

quint64 bits(double d)
{
    quint64 v;
    std::memcpy(&v, &d, 8);
    return v;
}

double fromBits(quint64 v)
{
    double d;
    std::memcpy(&d, &v, 8);
    return d;
}

bool sameRecord(const BDInfo &a, const BDInfo &b)
{
    return a.name == b.name && a.name.isNull() == b.name.isNull() && bits(a.factor) == bits(b.factor)
           && a.unit == b.unit;
}

// Reads bytes through a plain stream; returns the stream's status.
QDataStream::Status readList(const QByteArray &bytes, BDInfoList *list)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    in >> *list;
    return in.status();
}

BDInfoList awkwardList()
{
    return {
        bd(QStringLiteral("2.00X"), 0.5, 2),
        bd(QString(), fromBits(0x7FF4000000ABCDEFull), 4), // signalling NaN with payload
        bd(QStringLiteral(""), -0.0, 0),                   // empty, not null
        bd(QStringLiteral("显微镜 \U0001F52C"), std::numeric_limits<double>::denorm_min(), 1),
        bd(QStringLiteral("max"), std::numeric_limits<double>::max(), 3),
        bd(QStringLiteral("-inf"), -std::numeric_limits<double>::infinity(), -1),
        bd(QStringLiteral("neg"), -1.25, 99),
        bd(QStringLiteral("qnan"), fromBits(0xFFF8000000000001ull), 2),
    };
}

// Serves bytes like a pipe, in small pieces, and cannot say how many are left.
class PipeDevice : public QIODevice
{
public:
    explicit PipeDevice(const QByteArray &data)
        : m_data(data)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>({maxSize, 4093, m_data.size() - m_pos});
        if (n <= 0)
            return -1;
        std::memcpy(data, m_data.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_pos = 0;
};

} // namespace

Q_DECLARE_METATYPE(BDInfo)

class TestBDInfo : public QObject
{
    Q_OBJECT
private slots:
    void unitNames_data();
    void unitNames();
    void defaults();
    void goldenBytes_data();
    void goldenBytes();
    void roundTripFile();
    void truncatedAtEveryByte();
    void hostileInput_data();
    void hostileInput();
    void sequentialDevice_data();
    void sequentialDevice();
    void recordLeftUntouchedOnShortData();
    void loadMissingFileKeepsList();
    void loadEmptyFileEmptiesList();
    void failedSaveKeepsOldFile();
    void saveToUnwritablePlace();
};

void TestBDInfo::unitNames_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("name");
    QTest::newRow("mm") << 0 << "mm";
    QTest::newRow("cm") << 1 << "cm";
    QTest::newRow("um") << 2 << "um";
    QTest::newRow("in") << 3 << "in";
    QTest::newRow("px") << 4 << "px";
    QTest::newRow("5") << 5 << "";
    QTest::newRow("-1") << -1 << "";
    QTest::newRow("min") << std::numeric_limits<int>::min() << "";
}

void TestBDInfo::unitNames()
{
    QFETCH(int, unit);
    QFETCH(QString, name);
    QCOMPARE(unitName(unit), name);
}

void TestBDInfo::defaults()
{
    const BDInfo b;
    QVERIFY(b.name.isEmpty());
    QCOMPARE(b.factor, 1.0);
    QCOMPARE(b.unit, 4);
    QCOMPARE(unitName(b.unit), QStringLiteral("px"));
}

void TestBDInfo::goldenBytes_data()
{
    QTest::addColumn<BDInfoList>("list");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << BDInfoList() << QByteArray("\0\0\0\0", 4);

    // "2.00X" is 5 UTF-16 units (10 bytes), factor 0.5, unit 2; then a null name.
    QTest::newRow("two") << BDInfoList{bd(QStringLiteral("2.00X"), 0.5, 2), bd(QString(), 1.0, 4)}
                         << QByteArray::fromHex("00000002"
                                                "0000000a"
                                                "0032002e003000300058"
                                                "3fe0000000000000"
                                                "00000002"
                                                "ffffffff"
                                                "3ff0000000000000"
                                                "00000004");
}

void TestBDInfo::goldenBytes()
{
    QFETCH(BDInfoList, list);
    QFETCH(QByteArray, bytes);
    QCOMPARE(serialise(list).toHex(), bytes.toHex());

    BDInfoList back{bd(QStringLiteral("stale"), 3, 3)};
    QCOMPARE(readList(bytes, &back), QDataStream::Ok);
    QCOMPARE(back.size(), list.size());
    for (int i = 0; i < list.size(); ++i)
        QVERIFY(sameRecord(back.at(i), list.at(i)));
}

void TestBDInfo::roundTripFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bdInfo.bd"));
    const BDInfoList list = awkwardList();
    QVERIFY(saveBDFile(path, list));

    // The bytes follow the layout: check the null name and the NaN by hand.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    const QByteArray second = Bytes().str(QString()).u64(0x7FF4000000ABCDEFull).u32(4).data;
    QVERIFY(raw.contains(second));
    QCOMPARE(raw.left(4), QByteArray::fromHex("00000008"));

    BDInfoList back{bd(QStringLiteral("old"), 2, 0)};
    bool complete = false;
    QVERIFY(loadBDFile(path, &back, &complete));
    QVERIFY(complete);
    QCOMPARE(back.size(), list.size());
    for (int i = 0; i < list.size(); ++i) {
        QVERIFY2(sameRecord(back.at(i), list.at(i)), qPrintable(QString::number(i)));
    }
    QVERIFY(back.at(1).name.isNull());
    QVERIFY(!back.at(2).name.isNull());
    QVERIFY(std::signbit(back.at(2).factor));
}

void TestBDInfo::truncatedAtEveryByte()
{
    const BDInfoList list = awkwardList();
    const QByteArray full = serialise(list);

    // Where each record ends, so the expected count per prefix is known.
    QVector<int> ends;
    for (int i = 1; i <= list.size(); ++i)
        ends.append(serialise(list.mid(0, i)).size());

    for (int len = 0; len < full.size(); ++len) {
        BDInfoList back{bd(QStringLiteral("old"), 2, 0)};
        const QDataStream::Status st = readList(full.left(len), &back);
        QCOMPARE(st, QDataStream::ReadPastEnd);
        int expected = 0;
        while (expected < ends.size() && ends.at(expected) <= len)
            ++expected;
        QCOMPARE(back.size(), len < 4 ? 0 : expected);
        for (int i = 0; i < back.size(); ++i)
            QVERIFY(sameRecord(back.at(i), list.at(i)));
    }
}

void TestBDInfo::hostileInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");

    QTest::newRow("count 2e9, no data") << QByteArray::fromHex("77359400") << 0;
    QTest::newRow("count max, one record")
        << (Bytes().u32(0xFFFFFFFFu).str(QStringLiteral("a")).f64(2.0).u32(1).data) << 1;
    QTest::newRow("name claims 4 GB") << (Bytes().u32(1).u32(0xFFFFFFFEu).data + QByteArray(64, 'x')) << 0;
    QTest::newRow("name of odd length") << (Bytes().u32(1).u32(3).data + QByteArray(16, 'x')) << 0;
    QTest::newRow("second name too long")
        << (Bytes().u32(2).str(QStringLiteral("ok")).f64(1.0).u32(0).u32(1000).data + QByteArray(20, 'y')) << 1;
}

void TestBDInfo::hostileInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    BDInfoList back;
    const QDataStream::Status st = readList(bytes, &back);
    QVERIFY(st != QDataStream::Ok);
    QCOMPARE(back.size(), records);

    // Through a file too, which is what a restore reads.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.bd"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    bool complete = true;
    QVERIFY(loadBDFile(path, &back, &complete));
    QVERIFY(!complete);
    QCOMPARE(back.size(), records);
}

void TestBDInfo::sequentialDevice_data()
{
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<int>("cut"); // bytes missing at the end
    QTest::newRow("short name") << 3 << 0;
    QTest::newRow("name over several read steps") << 1500000 << 0;
    QTest::newRow("long name cut short") << 1500000 << 13;
    QTest::newRow("long name, factor missing") << 1500000 << 12;
}

void TestBDInfo::sequentialDevice()
{
    QFETCH(int, nameLength);
    QFETCH(int, cut);
    QString name(nameLength, QChar(0x4E2D));
    name[0] = QLatin1Char('A');
    name[nameLength - 1] = QLatin1Char('Z');
    const BDInfoList list{bd(name, 0.75, 3)};
    QByteArray bytes = serialise(list);
    bytes.chop(cut);

    PipeDevice pipe(bytes);
    BDInfoList back;
    QCOMPARE(readBDList(&pipe, &back), cut == 0);
    QCOMPARE(back.size(), cut == 0 ? 1 : 0);
    if (cut == 0)
        QVERIFY(sameRecord(back.at(0), list.at(0)));
}

void TestBDInfo::recordLeftUntouchedOnShortData()
{
    const QByteArray bytes = Bytes().str(QStringLiteral("abc")).f64(0.25).data; // unit missing
    QDataStream in(bytes);
    BDInfo b = bd(QStringLiteral("keep"), 7.0, 1);
    in >> b;
    QCOMPARE(in.status(), QDataStream::ReadPastEnd);
    QVERIFY(sameRecord(b, bd(QStringLiteral("keep"), 7.0, 1)));
}

void TestBDInfo::loadMissingFileKeepsList()
{
    QTemporaryDir dir;
    BDInfoList list{bd(QStringLiteral("a"), 1, 0)};
    QVERIFY(!loadBDFile(dir.filePath(QStringLiteral("none.bd")), &list));
    QVERIFY(!loadBDFile(dir.path(), &list));                     // a folder is not a file
    QVERIFY(!loadBDFile(QStringLiteral("/dev/urandom"), &list)); // would never end
    QVERIFY(!loadBDFile(QStringLiteral("/dev/zero"), &list));
    const QString fifo = dir.filePath(QStringLiteral("pipe.bd"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!loadBDFile(fifo, &list)); // opening it would wait for a writer
    QCOMPARE(list.size(), 1);
}

void TestBDInfo::loadEmptyFileEmptiesList()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("e.bd"));
    QVERIFY(saveBDFile(path, BDInfoList()));
    QCOMPARE(QFileInfo(path).size(), 4);

    BDInfoList list{bd(QStringLiteral("a"), 1, 0)};
    bool complete = false;
    QVERIFY(loadBDFile(path, &list, &complete));
    QVERIFY(complete);
    QVERIFY(list.isEmpty());

    // A zero-byte file opens but holds nothing: the list is emptied.
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    list = {bd(QStringLiteral("a"), 1, 0)};
    QVERIFY(loadBDFile(path, &list, &complete));
    QVERIFY(!complete);
    QVERIFY(list.isEmpty());
}

// A file size limit makes writes fail even for root, like a full disk.
void TestBDInfo::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bdInfo.bd"));
    const BDInfoList small{bd(QStringLiteral("keep me"), 0.125, 0)};
    QVERIFY(saveBDFile(path, small));
    const qint64 oldSize = QFileInfo(path).size();

    BDInfoList big;
    for (int i = 0; i < 2000; ++i)
        big.append(bd(QStringLiteral("record %1").arg(i), i, 0));

    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim = old;
    lim.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &lim), 0);
    const bool saved = saveBDFile(path, big);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(QFileInfo(path).size(), oldSize);
    BDInfoList back;
    QVERIFY(loadBDFile(path, &back));
    QCOMPARE(back.size(), 1);
    QVERIFY(sameRecord(back.at(0), small.at(0)));
    // No temporary files left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestBDInfo::saveToUnwritablePlace()
{
    // /proc refuses new files even to root.
    QVERIFY(!saveBDFile(QStringLiteral("/proc/vistrel-test.bd"), BDInfoList()));
    QVERIFY(!saveBDFile(QStringLiteral("/nonexistent-dir/x/bdInfo.bd"), BDInfoList()));
}

QTEST_GUILESS_MAIN(TestBDInfo)
#include "tst_bdinfo.moc"
