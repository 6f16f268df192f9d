// A descriptor that threads blocked in poll() can watch so that a stop wakes them at once.
#pragma once

namespace brelvo::core {

class WakeEvent {
public:
    WakeEvent();
    ~WakeEvent();
    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Makes the descriptor readable for good: every waiter, present and future, wakes.
    void Signal();

private:
    int fd_ = -1;
};

// Waits until `socket_fd` has a datagram (true) or the event is signalled (false).
bool WaitReadable(int socket_fd, const WakeEvent& stop);

}  // namespace brelvo::core
