#include "record/recovery.h"
#include "record/rtmpthread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// ffprobe's answer for one entry, e.g. "format=duration" or "stream=nb_read_packets".
QString ffprobe(const QString &path, const QString &entry, bool countPackets = false)
{
    QStringList args{QStringLiteral("-v"),
                     QStringLiteral("error"),
                     QStringLiteral("-select_streams"),
                     QStringLiteral("v:0"),
                     QStringLiteral("-show_entries"),
                     entry,
                     QStringLiteral("-of"),
                     QStringLiteral("default=nw=1:nk=1")};
    if (countPackets)
        args.prepend(QStringLiteral("-count_packets"));
    QProcess p;
    p.start(QStringLiteral("ffprobe"), args << path);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QString();
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT
private slots:
    void killedRecording_data();
    void killedRecording();
    void leftovers_data();
    void leftovers();
    void finishedRunLeavesNoMarker();
    void noRoomKeepsTheMarker();
};

void TestRecovery::killedRecording_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("avi") << "killed.avi";
    QTest::newRow("mp4") << "killed.mp4";
}

// A recorder killed 3 s into its file, then the next start's repair.
void TestRecovery::killedRecording()
{
    if (QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
        QSKIP("ffprobe is not installed: the killed files cannot be checked by an outside reader");
    QFETCH(QString, name);
    const int fps = 15;
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("Video/sub")));
    const QString path = dir.filePath(QStringLiteral("Video/sub/") + name);
    QProcess child;
    child.start(QStringLiteral(RECORD_HELPER), {path, QString::number(fps)});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("recording\n") && child.waitForReadyRead(10000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("recording\n"), child.readAllStandardError().constData());
    QElapsedTimer clock; // 3 s into the recording, not into the program's start
    clock.start();
    while (clock.elapsed() < 3000)
        child.waitForFinished(int(3000 - clock.elapsed()));
    QCOMPARE(child.state(), QProcess::Running);
    kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(5000));
    QVERIFY(QFile::exists(inProgressMarkerPath(path)));

    if (name.endsWith(QLatin1String(".mp4"))) {
        // Fragmented: what was written up to the last fragment plays as it is.
        const int packets = ffprobe(path, QStringLiteral("stream=nb_read_packets"), true).toInt();
        QVERIFY2(packets >= 2 * fps, qPrintable(QString::number(packets)));
    }

    const QList<RecoveredRecording> got = recoverUnfinishedRecordings(dir.path());
    QCOMPARE(got.size(), 1);
    QCOMPARE(got[0].file, path);
    QVERIFY(got[0].repaired);
    QVERIFY2(got[0].seconds >= 2.0 && got[0].seconds <= 3.5, qPrintable(QString::number(got[0].seconds)));
    QVERIFY(!QFile::exists(inProgressMarkerPath(path)));
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});

    const double duration = ffprobe(path, QStringLiteral("format=duration")).toDouble();
    QVERIFY2(duration >= 2.0, qPrintable(QString::number(duration)));
    QVERIFY(qAbs(duration - got[0].seconds) < 0.2);
    const QByteArray bytes = readAll(path);
    if (name.endsWith(QLatin1String(".avi")))
        QVERIFY2(bytes.contains("idx1"), "no index in the repaired AVI");
    else
        QVERIFY(bytes.contains("moov") && !bytes.contains("moof"));
    QVERIFY(!RtmpThread::readFirstFrame(path).isNull());
    // A second start finds nothing left to do.
    QVERIFY(recoverUnfinishedRecordings(dir.path()).isEmpty());
}

void TestRecovery::leftovers_data()
{
    QTest::addColumn<QByteArray>("content"); // "-": no recording beside the marker
    QTest::addColumn<bool>("listed");
    QTest::newRow("marker alone") << QByteArray("-") << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("garbage") << QByteArray(5000, 'x') << true;
    QTest::newRow("riff header only") << QByteArray("RIFF\0\0\0\0AVI LIST", 16) << true;
}

// Nothing repairable: the original stays byte for byte, the marker goes.
void TestRecovery::leftovers()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, listed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.avi"));
    if (content != "-") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QFile marker(inProgressMarkerPath(path));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.write("1\n"); // init never records
    marker.close();
    const QList<RecoveredRecording> got = recoverUnfinishedRecordings(dir.path());
    QCOMPARE(got.size(), listed ? 1 : 0);
    if (listed)
        QVERIFY(!got[0].repaired);
    QVERIFY(!marker.exists());
    if (content != "-")
        QCOMPARE(readAll(path), content);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), content != "-" ? 1 : 0);
}

void TestRecovery::finishedRunLeavesNoMarker()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("done.avi"));
    RtmpThread rec;
    rec.setFilePath(path);
    rec.setSize(64, 48);
    rec.start();
    QTest::qWaitFor([&] { return QFile::exists(path); }, 5000);
    rec.stop();
    QVERIFY(!rec.failed());
    QVERIFY(QFile::exists(path));
    QVERIFY(!QFile::exists(inProgressMarkerPath(path)));
}

// A killed recording on a full disk: the repair says how much room it needs
// and keeps the marker; once room is freed the next start repairs it.
void TestRecovery::noRoomKeepsTheMarker()
{
    QTemporaryDir dir;
    const QString mnt = dir.filePath(QStringLiteral("small"));
    QDir().mkpath(mnt);
    QProcess mount;
    mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=6m", "tmpfs", mnt});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        QSKIP("no tmpfs can be mounted here (needs root): the full disk cannot be made");
    auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mnt}); });
    const QString path = mnt + QStringLiteral("/full.avi");
    QProcess child;
    child.start(QStringLiteral(RECORD_HELPER), {path, QStringLiteral("15")});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("recording\n") && child.waitForReadyRead(10000))
        said += child.readAllStandardOutput();
    // Killed with some frames on the disk beyond the first.
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(path).size() > 16 * 1024; }, 10000));
    kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(5000));
    QVERIFY(QFile::exists(inProgressMarkerPath(path)));
    const qint64 size = QFileInfo(path).size();
    QVERIFY(size > 0);

    // The rest of the disk taken, but for less than the copy needs.
    QFile filler(mnt + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(64 * 1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {}
    filler.close();
    const QByteArray before = readAll(path);
    QList<RecoveredRecording> got = recoverUnfinishedRecordings(mnt);
    QCOMPARE(got.size(), 1);
    QVERIFY(!got[0].repaired);
    QVERIFY(got[0].retry);
    QVERIFY(got[0].bytesNeeded >= size);
    QVERIFY(QFile::exists(inProgressMarkerPath(path)));
    QCOMPARE(readAll(path), before);
    const QString message = recoveryMessage(got[0]);
    QVERIFY2(!message.contains(QStringLiteral("error"))
                 && message.contains(QLocale().formattedDataSize(got[0].bytesNeeded)),
             qPrintable(message));

    QVERIFY(QFile::remove(filler.fileName()));
    got = recoverUnfinishedRecordings(mnt);
    QCOMPARE(got.size(), 1);
    QVERIFY(got[0].repaired);
    QVERIFY(!QFile::exists(inProgressMarkerPath(path)));
    QVERIFY(!RtmpThread::readFirstFrame(path).isNull());
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
