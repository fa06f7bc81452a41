#pragma once

#include <QStringList>

// What the command line asks for. Qt's own options are taken by QApplication
// before this sees the arguments.
struct StartOptions
{
    int demoCameras = 0;       // --demo-camera[=N], N from 1 to 4
    bool crashMessage = false; // message-only mode of the crash handler
    bool showHelp = false;     // --help, -h, -?
    bool showVersion = false;  // --version, -v
    bool verbose = false;      // --verbose: the diagnostics of every part
    QStringList ignored;       // unknown options, reported once each
    // Known options with a value that is not allowed: "what is wrong, what
    // is allowed", one line each. The program does not start with one.
    QStringList errors;
    QStringList files; // photos and videos to open ("Open with")
};

StartOptions parseStartOptions(const QStringList &arguments);

// What --help prints, in the layout QCommandLineParser uses.
QString helpText(const QString &programName);
// What --version prints: "<program> <version>".
QString versionText(const QString &programName);

// Process-wide copy of the options the program was started with.
const StartOptions &startOptions();
void setStartOptions(const StartOptions &options);
