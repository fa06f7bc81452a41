#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

// Runs the helper in dir and returns the signal that ended it (0 if none).
int runHelper(const QString &what, const QString &dir)
{
    const QByteArray exe = CRASH_HELPER;
    const QByteArray arg = what.toLatin1();
    char *const argv[] = {const_cast<char *>(exe.constData()), const_cast<char *>(arg.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray cwd = dir.toLocal8Bit();
    posix_spawn_file_actions_addchdir_np(&actions, cwd.constData());
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

} // namespace

class TstCrash : public QObject
{
    Q_OBJECT
private slots:
    void dump_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("sig");
        QTest::addColumn<QString>("name");
        QTest::newRow("segv") << "segv" << int(SIGSEGV) << "SIGSEGV";
        QTest::newRow("abort") << "abort" << int(SIGABRT) << "SIGABRT";
        QTest::newRow("other thread") << "thread" << int(SIGSEGV) << "SIGSEGV";
        QTest::newRow("stack overflow") << "overflow" << int(SIGSEGV) << "SIGSEGV";
    }

    void dump()
    {
        QFETCH(QString, what);
        QFETCH(int, sig);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(runHelper(what, dir.path()), sig);
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);

        const QStringList dumps = QDir(dir.path()).entryList({"*.dmp"}, QDir::Files);
        QCOMPARE(dumps.size(), 1);
        QVERIFY2(QRegularExpression("^\\d{8}_\\d{6}\\.dmp$").match(dumps.first()).hasMatch(),
                 qPrintable(dumps.first()));
        const QDateTime stamp = QDateTime::fromString(dumps.first().left(15), "yyyyMMdd_HHmmss");
        QVERIFY(stamp.isValid());
        QVERIFY2(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after, qPrintable(stamp.toString()));

        QFile f(dir.filePath(dumps.first()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.contains("signal: " + QByteArray::number(sig) + " (" + name.toLatin1() + ")"));
        QVERIFY(text.contains("backtrace:"));
        QVERIFY(text.contains("memory map:"));
        QVERIFY(text.contains("crash_helper"));
    }

    void uncreatableDumpStillEnds()
    {
        // Nobody, not even root, can create a file in /proc: no dump, and the
        // process still ends by its signal.
        QCOMPARE(runHelper("segv", "/proc"), int(SIGSEGV));
        QCOMPARE(runHelper("abort", "/proc"), int(SIGABRT));
    }
};

QTEST_GUILESS_MAIN(TstCrash)
#include "tst_crash.moc"
