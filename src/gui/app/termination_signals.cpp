#include "gui/app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <csignal>

namespace brelvo::gui {

namespace {

constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};

// The one place a signal handler can reach: the write end of the installed object's pipe.
volatile std::sig_atomic_t gWriteEnd = -1;

extern "C" void OnTerminationSignal(int signal_number) {
    const int fd = gWriteEnd;
    if (fd < 0)
        return;
    const unsigned char byte = static_cast<unsigned char>(signal_number);
    // A full pipe already holds a request; one more would change nothing.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal_number : kSignals)
        ::sigaction(signal_number, &action, nullptr);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_ = {-1, -1};
        return;
    }
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::OnReadable);
    gWriteEnd = pipe_[1];
    SetHandler(&OnTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
    if (pipe_[0] < 0)
        return;
    SetHandler(SIG_DFL);
    gWriteEnd = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignals::OnReadable() {
    unsigned char byte = 0;
    int last = 0;
    while (::read(pipe_[0], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit Requested(last);
}

}  // namespace brelvo::gui
