#include "core/options.h"

#include "core/crashhandler.h"

namespace {
StartOptions g_options;
}

StartOptions parseStartOptions(const QStringList &arguments)
{
    StartOptions o;
    const QString demo = QStringLiteral("--demo-camera");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == demo) {
            o.demoCameras = 1;
        } else if (a.startsWith(demo + QLatin1Char('='))) {
            bool ok = false;
            const int n = a.mid(demo.size() + 1).toInt(&ok);
            if (ok && n >= 1 && n <= 4)
                o.demoCameras = n;
            else
                o.errors << QStringLiteral("%1: the value \"%2\" is not allowed; N is a whole number from 1 to 4")
                                .arg(demo, a.mid(demo.size() + 1));
        } else if (a == QLatin1String("--verbose")) {
            o.verbose = true;
        } else if (a == QLatin1String("--")) {
            // Everything after it is a file, even a name that starts with '-'.
            o.files << arguments.mid(i + 1);
            break;
        } else if (!a.startsWith(QLatin1Char('-'))) {
            o.files << a;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("-?")) {
            o.showHelp = true;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            o.showVersion = true;
        } else if (a == QLatin1String(crash::kMessageModeArg)) {
            o.crashMessage = true;
        } else {
            o.ignored << a;
        }
    }
    return o;
}

const StartOptions &startOptions() { return g_options; }

void setStartOptions(const StartOptions &options) { g_options = options; }

QString helpText(const QString &programName)
{
    return QStringLiteral("Usage: %1 [options] [FILE...]\n"
                          "Orvanta Pro: live view, photos, video and measurement for USB microscopes.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help               Displays help on commandline options.\n"
                          "  -v, --version            Displays version information.\n"
                          "  --demo-camera[=N]        Adds N simulated microscopes (1 to 4, default 1).\n"
                          "  --verbose                Prints the diagnostics of capture and recording.\n"
                          "\n"
                          "Arguments:\n"
                          "  FILE                     Photos open in the measure editor, videos in the\n"
                          "                           video list.\n"
                          "\n"
                          "Qt's own options (-platform, -style ...) are accepted as well.\n")
        .arg(programName);
}

QString versionText(const QString &programName)
{
    return programName + QLatin1Char(' ') + QStringLiteral(VISTREL_VERSION);
}
