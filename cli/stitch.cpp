#include "cli/tools.h"

int runStitch(const ToolArgs &)
{
    toolErr(QStringLiteral("this tool is not built yet"));
    return 2;
}
