#include "cli/tools.h"

int runFindScale(const ToolArgs &)
{
    toolErr(QStringLiteral("this tool is not built yet"));
    return 2;
}
