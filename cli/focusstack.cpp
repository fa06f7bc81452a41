#include "cli/tools.h"

int runFocusStack(const ToolArgs &)
{
    toolErr(QStringLiteral("this tool is not built yet"));
    return 2;
}
