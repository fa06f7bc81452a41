#pragma once

#include <QStringList>

#include <cstdio>

// One command line as a tool sees it: the value after its "=", its other
// options and the files it names.
struct ToolArgs
{
    QString value;       // "--focus-stack=OUT" gives "OUT"
    QStringList options; // every other "--x" or "--x=y", in order
    QStringList files;   // everything else, in order

    bool has(const QString &option) const;
    // The value of "--name=value", or an empty string.
    QString optionValue(const QString &name) const;
};

// Results go to standard output, complaints to standard error, each a line.
void toolOut(const QString &line);
void toolErr(const QString &line);

// Each tool returns its exit code: 0 done, 1 failed on the input, 2 bad usage.
int runFindScale(const ToolArgs &args);
int runAnalyze(const ToolArgs &args);
int runFitCircle(const ToolArgs &args);
int runFocusStack(const ToolArgs &args);
int runStitch(const ToolArgs &args);
