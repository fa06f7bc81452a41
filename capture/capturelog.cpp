#include "capture/capturelog.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

std::atomic<bool> g_verbose{true};
std::mutex g_hookMutex;
std::function<void(const QByteArray &)> g_hook;

} // namespace

void captureLog(const char *format, ...)
{
    if (!g_verbose.load())
        return;
    char line[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    fputs(line, stdout);
    fflush(stdout);
    std::lock_guard<std::mutex> lock(g_hookMutex);
    if (g_hook)
        g_hook(QByteArray(line));
}

void setCaptureVerbose(bool on)
{
    g_verbose = on;
}

bool captureVerbose()
{
    return g_verbose;
}

void setCaptureLogHook(std::function<void(const QByteArray &)> hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}
