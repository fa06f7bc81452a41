#include "cli/tools.h"

int runAnalyze(const ToolArgs &)
{
    toolErr(QStringLiteral("this tool is not built yet"));
    return 2;
}
