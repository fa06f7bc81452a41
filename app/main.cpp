#include "core/appsettings.h"
#include "core/crashhandler.h"
#include "app/languages.h"
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

#include <QApplication>
#include <QTranslator>

#include <cstdio>

extern "C" {
#include <libavformat/avformat.h>
}

int main(int argc, char *argv[])
{
    {
        // Answered before QApplication, so they work without a display.
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        const StartOptions early = parseStartOptions(raw);
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

    crash::install();
    screenmetrics::measureScreen();
    avformat_network_init();
    buildDeviceTable();
    // Real cameras always; simulated microscopes when asked for.
    CameraHub::instance()->installDefaultBackends(options.demoCameras);

    int code = 0;
    {
        Vistrel window;
        window.show();
        // Recordings a kill or a power cut left unfinished last time.
        QStringList recovered;
        for (const RecoveredRecording &r : recoverUnfinishedRecordings(window.settings().videoRoot))
            recovered.append(recoveryMessage(r));
        if (!recovered.isEmpty() && !UnixSignalQuit::quitRequested())
            notifier().inform(&window, recovered.join(QLatin1Char('\n')));
        // A quit signal during start-up came before any event loop could
        // end: the window closes as if the loop had run and ended.
        if (!UnixSignalQuit::quitRequested())
            code = app.exec();
    }
    avformat_network_deinit();
    return code;
}
