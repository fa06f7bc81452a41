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
                o.ignored << a;
        } else if (a == QLatin1String(crash::kMessageModeArg)) {
            o.crashMessage = true;
        } else {
            o.ignored << a;
        }
    }
    return o;
}

const StartOptions &startOptions()
{
    return g_options;
}

void setStartOptions(const StartOptions &options)
{
    g_options = options;
}
