#pragma once

#include <QString>

// The command-line tools: picture analysis for batch work, run without a
// window or a display, printing plain lines.
namespace cli {

// When the arguments name a tool, runs it and returns true with the tool's
// exit code; false when they do not (the window starts as usual).
bool runTool(int argc, char **argv, int *exitCode);

// The tools' lines for --help.
QString toolsHelp();

} // namespace cli
