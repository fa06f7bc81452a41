#include "cli/cli.h"

#include "cli/tools.h"

#include <QGuiApplication>

namespace {

struct Tool
{
    const char *option;
    const char *usage;
    const char *summary;
    int (*run)(const ToolArgs &);
};

const Tool kTools[] = {
    {"--find-scale", "--find-scale=LENGTH PICTURE...",
     "Finds a stage micrometer's scale (LENGTH: one division, e.g. 0.01mm).", runFindScale},
    {"--analyze", "--analyze [--calibration=F+UNIT] [--dark|--light] [--min-area=PX] PICTURE...",
     "Counts and measures the objects in each picture (CSV on standard output).", runAnalyze},
    {"--fit-circle", "--fit-circle=X,Y PICTURE", "Fits a circle to the outline around X,Y (prints x y r).",
     runFitCircle},
    {"--focus-stack", "--focus-stack=OUT PICTURE...", "Fuses a focus series into one sharp picture.", runFocusStack},
    {"--stitch", "--stitch=OUT PICTURE...", "Stitches overlapping fields into one mosaic.", runStitch},
};

const Tool *toolFor(const QString &arg)
{
    for (const Tool &t : kTools) {
        const QString name = QLatin1String(t.option);
        if (arg == name || arg.startsWith(name + QLatin1Char('=')))
            return &t;
    }
    return nullptr;
}

} // namespace

bool ToolArgs::has(const QString &option) const
{
    for (const QString &o : options)
        if (o == option || o.startsWith(option + QLatin1Char('=')))
            return true;
    return false;
}

QString ToolArgs::optionValue(const QString &name) const
{
    const QString prefix = name + QLatin1Char('=');
    for (const QString &o : options)
        if (o.startsWith(prefix))
            return o.mid(prefix.size());
    return {};
}

void toolOut(const QString &line)
{
    fputs(line.toUtf8().constData(), stdout);
    fputc('\n', stdout);
}

void toolErr(const QString &line)
{
    fputs(("vistrel: " + line).toUtf8().constData(), stderr);
    fputc('\n', stderr);
}

namespace cli {

bool runTool(int argc, char **argv, int *exitCode)
{
    const Tool *tool = nullptr;
    ToolArgs args;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (!tool && toolFor(a)) {
            tool = toolFor(a);
            const int eq = a.indexOf(QLatin1Char('='));
            if (eq > 0)
                args.value = a.mid(eq + 1);
        } else if (a.startsWith(QLatin1String("--"))) {
            args.options << a;
        } else {
            args.files << a;
        }
    }
    if (!tool)
        return false;
    // Pictures are read, drawn and written without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    *exitCode = tool->run(args);
    fflush(stdout);
    return true;
}

QString toolsHelp()
{
    QString text = QStringLiteral("\nTools (no window, no display needed):\n");
    for (const Tool &t : kTools)
        text += QStringLiteral("  %1\n      %2\n").arg(QLatin1String(t.usage), QLatin1String(t.summary));
    return text;
}

} // namespace cli
