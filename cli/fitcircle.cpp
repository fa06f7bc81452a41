#include "cli/tools.h"

int runFitCircle(const ToolArgs &)
{
    toolErr(QStringLiteral("this tool is not built yet"));
    return 2;
}
