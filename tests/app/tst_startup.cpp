#include "core/crashhandler.h"
#include "core/options.h"
#include "core/screenmetrics.h"
#include "app/unixsignals.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

QByteArray makeEdid(int hmm, int vmm)
{
    QByteArray e(128, '\0');
    const char header[8] = {'\x00', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\xFF', '\x00'};
    memcpy(e.data(), header, 8);
    e[66] = char(hmm & 0xFF);
    e[67] = char(vmm & 0xFF);
    e[68] = char(((hmm >> 8) & 0x0F) << 4 | ((vmm >> 8) & 0x0F));
    return e;
}

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

class TstStartup : public QObject
{
    Q_OBJECT
private slots:
    void edidWidth_data()
    {
        QTest::addColumn<QByteArray>("edid");
        QTest::addColumn<int>("mm"); // -1: no value

        QTest::newRow("527 x 296") << makeEdid(527, 296) << 527;
        QTest::newRow("high nibble") << makeEdid(0x3FF, 0x2AA) << 0x3FF;
        QTest::newRow("upper nibble max") << makeEdid(0xFFF, 0) << 0xFFF;
        QTest::newRow("zero mm") << makeEdid(0, 0) << 0;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("short") << makeEdid(527, 296).left(68) << -1;
        QTest::newRow("cut block") << makeEdid(527, 296).left(127) << -1;
        QByteArray garbage = makeEdid(527, 296);
        garbage[1] = 'x';
        QTest::newRow("bad header") << garbage << -1;
        QTest::newRow("text") << QByteArray(200, 'A') << -1;
    }

    void edidWidth()
    {
        QFETCH(QByteArray, edid);
        QFETCH(int, mm);
        const auto got = screenmetrics::edidHorizontalMm(edid);
        if (mm < 0)
            QVERIFY(!got);
        else
            QCOMPARE(got.value_or(-1), mm);
    }

    void fallbacks()
    {
        using screenmetrics::mmPerPixel;
        QCOMPARE(mmPerPixel(527, 1920, 300, 96), 527.0 / 1920.0);
        // An EDID of 0 mm (projectors, TVs) is unknown: the next source answers.
        QCOMPARE(mmPerPixel(0, 1920, 300, 96), 300.0 / 1920.0);
        QCOMPARE(mmPerPixel(0, 1920, 0, 120), 25.4 / 120.0);
        QCOMPARE(mmPerPixel(std::nullopt, 1920, 480, 96), 0.25);
        QCOMPARE(mmPerPixel(std::nullopt, 1920, 0, 96), 25.4 / 96.0);
        QCOMPARE(mmPerPixel(std::nullopt, 0, 480, 120), 25.4 / 120.0);
        QCOMPARE(mmPerPixel(std::nullopt, 1920, -5, 96), 25.4 / 96.0);
        QVERIFY(qAbs(mmPerPixel(std::nullopt, 1920, 0, 96) - 0.2646) < 1e-4);
    }

    void lastEdidWins()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("card0-DP-1/edid"), makeEdid(300, 200));
        writeFile(dir.filePath("card0-HDMI-A-1/edid"), makeEdid(600, 340));
        writeFile(dir.filePath("card0-eDP-1/edid"), QByteArray()); // disconnected
        QDir().mkpath(dir.filePath("version"));
        const QByteArray got = screenmetrics::readLastEdid(dir.path());
        QCOMPARE(screenmetrics::edidHorizontalMm(got).value_or(-1), 600);
        QVERIFY(screenmetrics::readLastEdid(dir.filePath("missing")).isEmpty());
    }

    void measureStores()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("card0-HDMI-A-1/edid"), QByteArray("garbage"));
        screenmetrics::measureScreen(dir.path());
        QVERIFY(screenMmPerPixel() > 0);
        QVERIFY(qIsFinite(screenMmPerPixel()));
    }

    void dumpName_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("name");
        QTest::newRow("epoch") << qint64(0) << "19700101_000000.dmp";
        QTest::newRow("2024-03-03 09:05:07") << qint64(1709456707) << "20240303_090507.dmp";
        QTest::newRow("leap day") << qint64(1709164799) << "20240228_235959.dmp";
        QTest::newRow("leap day next") << qint64(1709164800) << "20240229_000000.dmp";
        QTest::newRow("year 2100") << qint64(4102444799) << "20991231_235959.dmp";
    }

    void dumpName()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, name);
        char buf[128];
        memset(buf, 'x', sizeof buf);
        crash::formatDumpName(buf, sizeof buf, seconds);
        QCOMPARE(QString::fromLatin1(buf), name);
        // Never writes past a small buffer.
        char small[8];
        crash::formatDumpName(small, sizeof small, seconds);
        QCOMPARE(QString::fromLatin1(small), name.left(7));
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("demo");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QStringList>("ignored");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("error"); // part of the one error line, empty for none
        QTest::newRow("none") << QStringList{"vistrel"} << 0 << false << QStringList{} << QStringList{} << "";
        QTest::newRow("demo") << QStringList{"vistrel", "--demo-camera"} << 1 << false << QStringList{} << QStringList{}
                              << "";
        QTest::newRow("demo=4") << QStringList{"vistrel", "--demo-camera=4"} << 4 << false << QStringList{}
                                << QStringList{} << "";
        // A known option with a bad value says which value and what is allowed.
        QTest::newRow("demo=5") << QStringList{"vistrel", "--demo-camera=5"} << 0 << false << QStringList{}
                                << QStringList{} << "\"5\" is not allowed; N is a whole number from 1 to 4";
        QTest::newRow("demo=x") << QStringList{"vistrel", "--demo-camera=x"} << 0 << false << QStringList{}
                                << QStringList{} << "--demo-camera: the value \"x\"";
        QTest::newRow("unknown option, a file") << QStringList{"vistrel", "--fast", "file.png"} << 0 << false
                                                << QStringList{"--fast"} << QStringList{"file.png"} << "";
        QTest::newRow("files after --") << QStringList{"vistrel", "a.jpg", "--", "-b.jpg", "--demo-camera"} << 0
                                        << false << QStringList{} << QStringList{"a.jpg", "-b.jpg", "--demo-camera"}
                                        << "";
        QTest::newRow("crash message") << QStringList{"vistrel", "--crash-message"} << 0 << true << QStringList{}
                                       << QStringList{} << "";
    }

    void options()
    {
        QFETCH(QStringList, args);
        QFETCH(int, demo);
        QFETCH(bool, message);
        QFETCH(QStringList, ignored);
        QFETCH(QStringList, files);
        QFETCH(QString, error);
        const StartOptions o = parseStartOptions(args);
        QCOMPARE(o.demoCameras, demo);
        QCOMPARE(o.crashMessage, message);
        QCOMPARE(o.ignored, ignored);
        QCOMPARE(o.files, files);
        QCOMPARE(o.errors.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QVERIFY2(o.errors.first().contains(error), qPrintable(o.errors.first()));
        QVERIFY(parseStartOptions({"vistrel", "--verbose"}).verbose);
    }

    // The program refuses a bad value before any window, and says why.
    void badValueStops()
    {
        const QString program = QStringLiteral(VISTREL_EXE);
        QProcess p;
        p.start(program, {QStringLiteral("--demo-camera=5")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains(QLatin1String("1 to 4")));
    }

    // The built program answers without a display, as command-line tools do.
    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("arg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--help") << "--help"
                                << "--demo-camera[=N]";
        QTest::newRow("-h") << "-h"
                            << "Usage: vistrel";
        QTest::newRow("--version") << "--version"
                                   << "vistrel " VISTREL_VERSION "\n";
    }

    void helpAndVersion()
    {
        QFETCH(QString, arg);
        QFETCH(QString, expected);
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/vistrel");
        if (!QFileInfo::exists(program))
            QSKIP("the program is not built beside the tests");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        p.setProcessEnvironment(env);
        p.start(program, {arg});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(QString::fromLocal8Bit(p.readAllStandardOutput()).contains(expected), qPrintable(expected));
    }

    void quitSignals_data()
    {
        QTest::addColumn<int>("sig");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void quitSignals()
    {
        QFETCH(int, sig);
        UnixSignalQuit quit;
        QVERIFY(quit.isActive());
        QSignalSpy received(&quit, &UnixSignalQuit::signalReceived);
        QTimer::singleShot(0, [sig] { raise(sig); });
        // A watchdog in case the signal never arrives.
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toInt(), sig);
    }

    // The kernel's view of whether the process has its SIGTERM handler yet.
    static bool catchesSigterm(qint64 pid)
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        }
        return false;
    }

    void quitDuringStartup_data()
    {
        QTest::addColumn<int>("afterMs");
        QTest::newRow("0.3 s") << 300;
        QTest::newRow("1 s") << 1000;
        QTest::newRow("2 s") << 2000;
    }

    // The real program with a simulated camera, its settings in a folder of
    // its own: a SIGTERM during start-up ends it cleanly and writes them.
    void quitDuringStartup()
    {
        QFETCH(int, afterMs);
        // The program keeps its settings beside itself when that folder is
        // writable: a link to it in a fresh folder gets a fresh place.
        QTemporaryDir dir(QFileInfo(QStringLiteral(VISTREL_EXE)).path() + QStringLiteral("/quit-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString exe = dir.filePath(QStringLiteral("vistrel"));
        if (::link(VISTREL_EXE, QFile::encodeName(exe).constData()) != 0)
            QVERIFY(QFile::copy(QStringLiteral(VISTREL_EXE), exe));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral(".config")));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer clock;
        clock.start();
        program.start(exe, {QStringLiteral("--demo-camera")});
        QVERIFY(program.waitForStarted());
        // Under load the loader alone may take longer than the shortest
        // wait; a signal before main() runs is not the program's to catch.
        QTRY_VERIFY_WITH_TIMEOUT(catchesSigterm(program.processId()), 20000);
        while (clock.elapsed() < afterMs && program.state() == QProcess::Running)
            program.waitForFinished(int(afterMs - clock.elapsed()));
        QCOMPARE(program.state(), QProcess::Running);
        kill(pid_t(program.processId()), SIGTERM);
        QElapsedTimer ending;
        ending.start();
        const bool ended = program.waitForFinished(5000);
        const QByteArray output = program.readAll();
        if (!ended)
            program.kill();
        QVERIFY2(ended, output.right(2000).constData());
        qInfo("ended %lld ms after the signal", ending.elapsed());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Measure.config"))).size() > 0);
    }

    // Two copies on one configuration: the second says so and writes
    // nothing; a lock left by a killed copy is taken over.
    void oneCopyPerConfiguration()
    {
        Copy first;
        QVERIFY(first.start());
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(first.dir.filePath("vistrel.lock")); }, 10000));
        Copy second(first.dir.path());
        QVERIFY(second.start());
        QVERIFY2(second.waitFor("already running"), second.out.constData());
        QVERIFY2(first.waitFor("another copy was started"), first.out.constData());
        // The second copy only asks (read-only or not); a quit answers no.
        QVERIFY(second.quit());
        QCOMPARE(second.process.exitCode(), 0);
        QVERIFY(QFileInfo::exists(first.dir.filePath("vistrel.lock")));

        // A crash leaves its lock: the next copy takes it over.
        first.process.kill();
        QVERIFY(first.process.waitForFinished(5000));
        Copy third(first.dir.path());
        QVERIFY(third.start());
        QVERIFY(QTest::qWaitFor([&] { return third.out.contains("SETUP") || third.out.contains("already"); }, 10000)
                || third.process.state() == QProcess::Running);
        // The lock is the third copy's now: it runs as the first.
        QLockFile lock(first.dir.filePath("vistrel.lock"));
        qint64 holder = 0;
        QString host, app;
        QTRY_VERIFY_WITH_TIMEOUT(lock.getLockInfo(&holder, &host, &app) && holder == third.process.processId(), 10000);
        QVERIFY2(!third.out.contains("already running"), third.out.constData());
        QVERIFY(third.quit());
        QCOMPARE(third.process.exitCode(), 0);
        QVERIFY(QFileInfo(first.dir.filePath("Measure.config")).size() > 0);
    }

    // Settings that cannot be written: the quit is no success.
    void unwritableSettingsFailTheExit()
    {
        Copy copy;
        // Installed (data beside it in ../share): the settings go to the
        // XDG folder, here a file in the way.
        QVERIFY(QDir().mkpath(copy.dir.filePath("share/vistrel")));
        QVERIFY(QDir().mkpath(copy.dir.filePath("bin")));
        QFile blocker(copy.dir.filePath("config"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        copy.env.insert(QStringLiteral("XDG_CONFIG_HOME"), blocker.fileName());
        QVERIFY(copy.start(QStringLiteral("bin/vistrel")));
        // Up: its cameras are being looked for (the quit signal is caught by then).
        QVERIFY2(copy.waitFor("SETUP"), copy.out.constData());
        QVERIFY2(copy.quit(), copy.out.right(2000).constData());
        QCOMPARE(copy.process.exitCode(), 2);
        QVERIFY2(copy.out.contains("could not be saved"), copy.out.constData());
    }

private:
    // The real program in a folder of its own (its settings beside it).
    struct Copy
    {
        QTemporaryDir own{QFileInfo(QStringLiteral(VISTREL_EXE)).path() + QStringLiteral("/copy-XXXXXX")};
        QDir dir;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QByteArray out;

        explicit Copy(const QString &shared = QString())
            : dir(shared.isEmpty() ? own.path() : shared)
        {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.insert(QStringLiteral("HOME"), dir.path());
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral(".config")));
            process.setProcessChannelMode(QProcess::MergedChannels);
        }
        ~Copy()
        {
            if (process.state() != QProcess::NotRunning) {
                process.kill();
                process.waitForFinished(5000);
            }
        }
        bool start(const QString &where = QStringLiteral("vistrel"))
        {
            const QString exe = dir.filePath(where);
            if (!QFileInfo::exists(exe) && ::link(VISTREL_EXE, QFile::encodeName(exe).constData()) != 0
                && !QFile::copy(QStringLiteral(VISTREL_EXE), exe))
                return false;
            process.setProcessEnvironment(env);
            process.start(exe, {QStringLiteral("--demo-camera")});
            return process.waitForStarted();
        }
        bool waitFor(const char *text)
        {
            return QTest::qWaitFor(
                [&] {
                    out += process.readAll();
                    return out.contains(text);
                },
                15000);
        }
        bool quit()
        {
            kill(pid_t(process.processId()), SIGTERM);
            const bool ended = process.waitForFinished(10000);
            out += process.readAll();
            return ended && process.exitStatus() == QProcess::NormalExit;
        }
    };
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
