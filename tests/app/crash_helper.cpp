// Installs the crash handler without its message box and crashes as asked.
#include "core/crashhandler.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <thread>

namespace {

[[gnu::noinline]] void segv()
{
    volatile int *p = nullptr;
    *p = 42;
}

[[gnu::noinline]] int recurse(int n)
{
    volatile char pad[4096];
    pad[0] = char(n);
    return recurse(n + 1) + pad[0];
}

} // namespace

int main(int argc, char *argv[])
{
    // No core files in the test's working directory.
    struct rlimit none = {0, 0};
    setrlimit(RLIMIT_CORE, &none);

    QCoreApplication app(argc, argv);
    crash::install(false);
    const char *what = argc > 1 ? argv[1] : "segv";
    if (!strcmp(what, "segv"))
        segv();
    else if (!strcmp(what, "abort"))
        abort();
    else if (!strcmp(what, "thread"))
        std::thread([] { segv(); }).join();
    else if (!strcmp(what, "overflow"))
        return recurse(0);
    return 0;
}
