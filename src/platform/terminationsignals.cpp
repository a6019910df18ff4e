// SIGTERM, SIGHUP and SIGINT turned into a Qt signal through a self-pipe.
#include "platform/terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <stdexcept>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#endif

namespace bw {

#ifndef _WIN32
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipeEnds[2] = {-1, -1};

extern "C" void writeSignalNumber(int signalNumber)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // Nothing to do if the pipe is full: a number already waits to be read.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (pipeEnds[0] != -1) {
        throw std::logic_error("only one TerminationSignals may exist at a time");
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) {
        throw std::runtime_error("cannot create the pipe for termination signals");
    }
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) {
        // A signal ignored when the program started stays ignored: nohup ignores SIGHUP,
        // and a shell ignores SIGINT for the programs it starts in the background.
        struct sigaction inherited = {};
        if (::sigaction(number, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) {
            continue;
        }
        ::sigaction(number, &action, nullptr);
        handled_.append(number);
    }
}

TerminationSignals::~TerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : kSignals) {
        if (handled_.contains(number)) {
            ::sigaction(number, &action, nullptr);
        }
    }
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(pipeEnds[1], &byte, 1) == 1) {
        emit received(byte);
    }
}
#else
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::readPipe() {}
#endif

} // namespace bw
