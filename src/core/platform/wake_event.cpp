#include "core/platform/wake_event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace brelvo::core {

WakeEvent::WakeEvent() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

WakeEvent::~WakeEvent() {
    if (fd_ >= 0)
        ::close(fd_);
}

void WakeEvent::Signal() {
    const uint64_t one = 1;
    if (fd_ >= 0) [[maybe_unused]]
        const auto written = ::write(fd_, &one, sizeof one);
}

bool WaitReadable(int socket_fd, const WakeEvent& stop) {
    pollfd watched[2] = {{socket_fd, POLLIN, 0}, {stop.fd(), POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(watched, 2, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (watched[1].revents & POLLIN) != 0)
            return false;
        if ((watched[0].revents & (POLLIN | POLLERR)) != 0)
            return true;
        if ((watched[0].revents & (POLLHUP | POLLNVAL)) != 0)
            return false;
    }
}

}  // namespace brelvo::core
