#pragma once

#include <cstddef>
#include <cstdint>

namespace crash {

// Installs the fatal-signal handler (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT)
// on an alternate stack. On a crash it writes "YYYYMMDD_HHMMSS.dmp" into the
// working directory, shows the error message from a separate process when
// showMessage is set, and ends the process by the signal's default action.
void install(bool showMessage = true);

// Gives the calling thread its own alternate signal stack, so that a stack
// overflow on it still reaches the handler. Threads we start call it.
void armCurrentThread();

// "%4d%02d%02d_%02d%02d%02d.dmp" of a local time given as seconds since the
// epoch (already shifted by the UTC offset). Async-signal-safe.
void formatDumpName(char *buf, std::size_t size, std::int64_t localSeconds);

// Entry of the message-only mode: shows the crash message and returns.
int showCrashMessage();

// Command-line switch of the message-only mode.
constexpr const char *kMessageModeArg = "--crash-message";

} // namespace crash
