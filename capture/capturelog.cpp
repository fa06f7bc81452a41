#include "capture/capturelog.h"

#include "core/logging.h"

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
    // The set-up and error lines are the layer's console output; the rest
    // (control ranges, values) is a diagnostic.
    const QByteArray text = QByteArray(line).trimmed();
    if (text.startsWith("SETUP:") || text.startsWith("ERROR")) {
        fputs(line, stdout);
        fflush(stdout);
    } else if (!text.isEmpty()) {
        qCDebug(lcCapture).noquote() << QString::fromLocal8Bit(text);
    }
    std::lock_guard<std::mutex> lock(g_hookMutex);
    if (g_hook)
        g_hook(QByteArray(line));
}

void setCaptureVerbose(bool on) { g_verbose = on; }

bool captureVerbose() { return g_verbose; }

void setCaptureLogHook(std::function<void(const QByteArray &)> hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}
