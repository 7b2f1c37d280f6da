#include "ui/TerminationRequests.h"

#include <QSocketNotifier>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#endif

namespace sockwright {

#ifdef Q_OS_UNIX

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// What the handler may touch: plain values set before it is installed.
volatile sig_atomic_t requestPipe = -1;
std::array<bool, kSignals.size()> caught{};
std::array<struct sigaction, kSignals.size()> replaced{};

extern "C" void onTerminationSignal(int) {
    const int savedErrno = errno;
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        if (caught[index]) sigaction(kSignals[index], &fallback, nullptr);
    }
    const char request = 1;
    // A full pipe already holds a request, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = write(requestPipe, &request, 1);
    errno = savedErrno;
}

bool closeOnExecNonBlocking(int descriptor) {
    return fcntl(descriptor, F_SETFD, FD_CLOEXEC) == 0 &&
           fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) | O_NONBLOCK) == 0;
}

}  // namespace

TerminationRequests::TerminationRequests(QObject* parent) : QObject(parent) {
    if (requestPipe != -1) return;  // another object listens
    if (pipe(pipe_) != 0) return;
    if (!closeOnExecNonBlocking(pipe_[0]) || !closeOnExecNonBlocking(pipe_[1])) {
        close(pipe_[0]);
        close(pipe_[1]);
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    requestPipe = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationRequests::readRequest);

    struct sigaction handler {};
    handler.sa_handler = onTerminationSignal;
    sigemptyset(&handler.sa_mask);
    for (const int signal : kSignals) sigaddset(&handler.sa_mask, signal);
    handler.sa_flags = SA_RESTART;
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        // A signal the program was started to ignore (nohup, a background job) stays ignored.
        sigaction(kSignals[index], nullptr, &replaced[index]);
        caught[index] = replaced[index].sa_handler != SIG_IGN;
    }
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        if (caught[index]) sigaction(kSignals[index], &handler, nullptr);
    }
}

TerminationRequests::~TerminationRequests() {
    if (notifier_ == nullptr) return;
    for (std::size_t index = 0; index < kSignals.size(); ++index) {
        if (caught[index]) sigaction(kSignals[index], &replaced[index], nullptr);
        caught[index] = false;
    }
    requestPipe = -1;
    close(pipe_[0]);
    close(pipe_[1]);
}

void TerminationRequests::readRequest() {
    char requests[16];
    bool any = false;
    while (read(pipe_[0], requests, sizeof requests) > 0) any = true;
    if (any) emit requested();
}

#else

// Elsewhere the platform ends the program its own way.
TerminationRequests::TerminationRequests(QObject* parent) : QObject(parent) {}
TerminationRequests::~TerminationRequests() = default;
void TerminationRequests::readRequest() {}

#endif

}  // namespace sockwright
