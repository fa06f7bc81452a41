#include "core/crashhandler.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <atomic>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace crash {
namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t kAltStackSize = 64 * 1024;

std::atomic<int> g_inHandler{0};
bool g_showMessage = true;
long g_utcOffset = 0;
char g_exePath[4096];

// Minimal formatting with no allocation and no locale: usable in a handler.
struct Writer
{
    int fd;
    void str(const char *s) { (void)!write(fd, s, strlen(s)); }
    void num(std::uint64_t v, int base = 10, int width = 0)
    {
        char buf[32];
        int n = 0;
        do {
            const int d = int(v % unsigned(base));
            buf[n++] = char(d < 10 ? '0' + d : 'a' + d - 10);
            v /= unsigned(base);
        } while (v && n < 32);
        while (n < width && n < 32)
            buf[n++] = '0';
        char out[32];
        for (int i = 0; i < n; ++i)
            out[i] = buf[n - 1 - i];
        (void)!write(fd, out, std::size_t(n));
    }
    void hex(const void *p)
    {
        str("0x");
        num(reinterpret_cast<std::uintptr_t>(p), 16, 2 * int(sizeof(void *)));
    }
};

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "signal";
    }
}

void copyFile(Writer &w, const char *path)
{
    const int in = open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buf[4096];
    ssize_t n;
    while ((n = read(in, buf, sizeof buf)) > 0)
        (void)!write(w.fd, buf, std::size_t(n));
    close(in);
}

void writeDump(int fd, int sig, const siginfo_t *info)
{
    Writer w{fd};
    w.str("Vistrel crash report\nversion: " VISTREL_VERSION "\nsignal: ");
    w.num(std::uint64_t(sig));
    w.str(" (");
    w.str(signalName(sig));
    w.str(")\ncode: ");
    w.num(std::uint64_t(std::uint32_t(info ? info->si_code : 0)));
    w.str("\nfault address: ");
    w.hex(info ? info->si_addr : nullptr);
    w.str("\nprocess: ");
    w.num(std::uint64_t(getpid()));
    w.str("\nthread: ");
    w.num(std::uint64_t(syscall(SYS_gettid)));
    w.str("\n\nbacktrace:\n");
    void *frames[128];
    const int depth = backtrace(frames, 128);
    backtrace_symbols_fd(frames, depth, fd);
    w.str("\nmemory map:\n");
    copyFile(w, "/proc/self/maps");
}

void showMessageProcess()
{
    if (!g_showMessage || !g_exePath[0])
        return;
    char *const argv[] = {g_exePath, const_cast<char *>(kMessageModeArg), nullptr};
    // vfork runs no fork handlers, so it is safe in a signal handler; the
    // child only execs or exits.
    const pid_t pid = vfork();
    if (pid == 0) {
        execve(g_exePath, argv, environ);
        _exit(127);
    }
    if (pid > 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    }
}

void handler(int sig, siginfo_t *info, void *)
{
    if (g_inHandler.exchange(1) == 0) {
        char name[128] = {0};
        formatDumpName(name, sizeof name, std::int64_t(time(nullptr)) + g_utcOffset);
        const int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0) {
            writeDump(fd, sig, info);
            close(fd);
        }
        showMessageProcess();
    }
    // The signal is blocked while we run; it is delivered again with the
    // default action as soon as the handler returns.
    struct sigaction dfl;
    memset(&dfl, 0, sizeof dfl);
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    sigaction(sig, &dfl, nullptr);
    raise(sig);
}

} // namespace

void formatDumpName(char *buf, std::size_t size, std::int64_t localSeconds)
{
    // Days to civil date (proleptic Gregorian), no libc calls.
    std::int64_t days = localSeconds / 86400;
    std::int64_t rem = localSeconds % 86400;
    if (rem < 0) {
        rem += 86400;
        --days;
    }
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    const int year = int(yoe + era * 400 + (month <= 2 ? 1 : 0));
    const int fields[6] = {year, month, day, int(rem / 3600), int(rem / 60 % 60), int(rem % 60)};
    const int widths[6] = {4, 2, 2, 2, 2, 2};

    char out[32];
    std::size_t n = 0;
    for (int i = 0; i < 6; ++i) {
        if (i == 3)
            out[n++] = '_';
        char digits[12];
        int d = 0;
        unsigned v = unsigned(fields[i] < 0 ? 0 : fields[i]);
        do {
            digits[d++] = char('0' + v % 10);
            v /= 10;
        } while (v && d < 12);
        while (d < widths[i])
            digits[d++] = '0';
        while (d > 0)
            out[n++] = digits[--d];
    }
    for (const char *s = ".dmp"; *s; ++s)
        out[n++] = *s;
    if (size == 0)
        return;
    const std::size_t copy = n < size - 1 ? n : size - 1;
    memcpy(buf, out, copy);
    buf[copy] = '\0';
}

void armCurrentThread()
{
    stack_t current;
    if (sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE))
        return;
    // Lives as long as the thread may fault; a few KiB per thread is cheap.
    static thread_local char *stack = nullptr;
    if (!stack)
        stack = new char[kAltStackSize];
    stack_t ss;
    memset(&ss, 0, sizeof ss);
    ss.ss_sp = stack;
    ss.ss_size = kAltStackSize;
    sigaltstack(&ss, nullptr);
}

void install(bool showMessage)
{
    g_showMessage = showMessage;

    const time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    g_utcOffset = local.tm_gmtoff;

    const ssize_t n = readlink("/proc/self/exe", g_exePath, sizeof g_exePath - 1);
    g_exePath[n > 0 ? n : 0] = '\0';

    // backtrace() loads its unwinder on first use; do it now, not in the handler.
    void *warm[2];
    backtrace(warm, 2);

    armCurrentThread();

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_sigaction = handler;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &sa, nullptr);
}

int showCrashMessage()
{
    QMessageBox::information(nullptr, QString(), QCoreApplication::translate("main", "程序异常，请联系工程师"));
    return 0;
}

} // namespace crash
