#include "core/appsettings.h"
#include "core/logging.h"
#include "core/crashhandler.h"
#include "app/languages.h"
#include "app/singleinstance.h"
#include "core/options.h"
#include "core/screenmetrics.h"
#include "app/storagepaths.h"
#include "app/unixsignals.h"
#include "app/vistrel.h"
#include "cli/cli.h"
#include "capture/camerahub.h"
#include "capture/devicetable.h"
#include "core/notifier.h"
#include "record/recovery.h"
#include "files/fileoperations.h"
#include "core/filenames.h"

#include <QApplication>
#include <QFileInfo>
#include <QTranslator>

#include <cstdio>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

int main(int argc, char *argv[])
{
    {
        // Answered before QApplication, so they work without a display.
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        const StartOptions early = parseStartOptions(raw);
        // A known option with a value it cannot take stops here, saying why.
        if (!early.errors.isEmpty() && !early.showHelp && !early.showVersion) {
            for (const QString &error : early.errors)
                fprintf(stderr, "vistrel: %s\n", qPrintable(error));
            return 2;
        }
        if (early.showHelp || early.showVersion) {
            const QString name = QStringLiteral("vistrel");
            const QString text = early.showHelp ? QString(helpText(name) + cli::toolsHelp())
                                                : QString(versionText(name) + QLatin1Char('\n'));
            fputs(qPrintable(text), stdout);
            return 0;
        }
    }
    // The picture tools print their results and end; no window, no display.
    int toolCode = 0;
    if (cli::runTool(argc, argv, &toolCode))
        return toolCode;
    // A logout may come at any moment, even before the window exists.
    UnixSignalQuit::catchEarly();
    QApplication app(argc, argv);
    // Before any file name is read: names that are no UTF-8 stay reachable.
    filenames::install();
    UnixSignalQuit quitOnSignal;
    const StartOptions options = parseStartOptions(QApplication::arguments());
    if (options.crashMessage) {
        // The message in the language the user chose, when it can be found.
        AppSettings settings;
        QTranslator translator;
        if (loadSettingsFile(storagePaths().configFile, &settings) != SettingsRead::NotOpened
            && loadLanguage(&translator, settings.language))
            QCoreApplication::installTranslator(&translator);
        return crash::showCrashMessage();
    }
    for (const QString &arg : options.ignored)
        fprintf(stderr, "vistrel: ignoring unknown option %s\n", qPrintable(arg));
    setStartOptions(options);
    logging::setVerbose(options.verbose);
    // FFmpeg's own chatter only when asked for; its errors always.
    av_log_set_level(options.verbose ? AV_LOG_INFO : AV_LOG_ERROR);

    crash::install();
    screenmetrics::measureScreen();
    avformat_network_init();
    buildDeviceTable();
    // Real cameras always; simulated microscopes when asked for.
    CameraHub::instance()->installDefaultBackends(options.demoCameras);

    // One copy per configuration: a second one would overwrite the first
    // one's settings and calibrations when it quits.
    SingleInstance instance(QFileInfo(storagePaths().configFile).absolutePath());
    bool readOnly = false;
    if (instance.acquire() == SingleInstance::Result::Running) {
        const bool forward = instance.bringRunningForward();
        fprintf(stderr, "vistrel: already running with the settings in %s%s\n",
                qPrintable(QFileInfo(instance.lockPath()).absolutePath()),
                forward ? "; its window was brought forward" : "");
        const QString text = QCoreApplication::translate("Vistrel",
                                                         "程序已在运行（使用同一配置），已将其窗口置于最前。\n"
                                                         "是否以只读方式再打开一个窗口？只读窗口不保存任何设置。");
        if (!notifier().ask(nullptr, text))
            return 0;
        readOnly = true;
    }
    Vistrel::setReadOnlyConfiguration(readOnly);

    int code = 0;
    {
        Vistrel window;
        auto comeForward = [&window] {
            fprintf(stderr, "vistrel: another copy was started on these settings\n");
            if (window.isMinimized())
                window.showNormal();
            window.raise();
            window.activateWindow();
        };
        QObject::connect(&instance, &SingleInstance::activationRequested, &window, comeForward);
        window.showForScreen();
        // "Open with" from a file manager, or files named on the command line.
        window.openFiles(options.files);
        if (instance.wasActivationRequested())
            comeForward();
        // Recordings a kill or a power cut left unfinished last time (the
        // copy that holds the configuration repairs them).
        QStringList recovered;
        if (!readOnly) {
            // Found here, repaired on a worker thread with the window live.
            const QStringList unfinished = findUnfinishedRecordings(window.settings().videoRoot);
            for (const RecoveredRecording &r : window.fileOperations()->repairRecordings(unfinished))
                recovered.append(recoveryMessage(r));
        }
        if (!recovered.isEmpty() && !UnixSignalQuit::quitRequested())
            notifier().inform(&window, recovered.join(QLatin1Char('\n')));
        // A quit signal during start-up came before any event loop could
        // end: the window closes as if the loop had run and ended.
        if (!UnixSignalQuit::quitRequested())
            code = app.exec();
    }
    // Settings that could not be written are no success.
    if (!Vistrel::settingsSavedAtQuit()) {
        fprintf(stderr, "vistrel: the settings could not be saved in %s\n",
                qPrintable(QFileInfo(storagePaths().configFile).absolutePath()));
        if (code == 0)
            code = 2;
    }
    avformat_network_deinit();
    return code;
}
