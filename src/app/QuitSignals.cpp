#include "app/QuitSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <stdexcept>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int Pipe[2] = {-1, -1};
constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void OnQuitSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    (void)!::write(Pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TQuitSignals::TQuitSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), OnSignal(std::move(onSignal))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Pipe) != 0)
        throw std::runtime_error("Cannot create the signal pipe");
    Notifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, [this]() {
        char bytes[16];
        while (::read(Pipe[0], bytes, sizeof bytes) > 0) {
        }
        if (OnSignal)
            OnSignal();
    });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : Signals)
        ::sigaction(signal, &action, nullptr);
}

TQuitSignals::~TQuitSignals()
{
    for (int signal : Signals)
        std::signal(signal, SIG_DFL);
    delete Notifier;
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}
