#pragma once

#include <QByteArray>

#include <functional>

// "SETUP:"/"ERROR:" lines; printed to standard output while verbose is on.
void captureLog(const char *format, ...) __attribute__((format(printf, 1, 2)));
void setCaptureVerbose(bool on);
bool captureVerbose();
// Tests read the lines here as well; null removes the hook.
void setCaptureLogHook(std::function<void(const QByteArray &)> hook);
