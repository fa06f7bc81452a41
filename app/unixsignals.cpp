#include "app/unixsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_fds[2] = {-1, -1};
volatile sig_atomic_t g_quitRequested = 0;
bool g_notifierTaken = false;
constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int sig)
{
    const int saved = errno;
    g_quitRequested = 1;
    const unsigned char byte = static_cast<unsigned char>(sig);
    (void)!write(g_fds[0], &byte, 1);
    errno = saved;
}

} // namespace

bool UnixSignalQuit::catchEarly()
{
    if (g_fds[0] >= 0)
        return true;
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0)
        return false;
    fcntl(g_fds[0], F_SETFL, O_NONBLOCK);
    fcntl(g_fds[1], F_SETFL, O_NONBLOCK);

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = onSignal;
    sa.sa_flags = SA_RESTART;
    sigemptyset(&sa.sa_mask);
    for (int sig : kQuitSignals)
        sigaction(sig, &sa, nullptr);
    return true;
}

UnixSignalQuit::UnixSignalQuit(QObject *parent)
    : QObject(parent)
{
    if (g_notifierTaken || !catchEarly())
        return; // one per process
    g_notifierTaken = true;
    // Bytes of signals caught before now are read at the first event loop.
    m_notifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalQuit::onReadable);
}

UnixSignalQuit::~UnixSignalQuit()
{
    if (!m_notifier)
        return;
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = SIG_DFL;
    for (int sig : kQuitSignals)
        sigaction(sig, &sa, nullptr);
    close(g_fds[0]);
    close(g_fds[1]);
    g_fds[0] = g_fds[1] = -1;
    g_notifierTaken = false;
    g_quitRequested = 0;
}

bool UnixSignalQuit::quitRequested() { return g_quitRequested != 0; }

void UnixSignalQuit::onReadable()
{
    unsigned char byte = 0;
    bool any = false;
    while (read(g_fds[1], &byte, 1) == 1) {
        any = true;
        emit signalReceived(byte);
    }
    if (any)
        QCoreApplication::quit();
}
