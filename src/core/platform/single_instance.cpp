#include "core/platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

namespace brelvo::core {

std::filesystem::path SingleInstanceLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/')
        return std::filesystem::path(runtime) / (std::string(kSingleInstanceName) + ".lock");
    return std::filesystem::path("/tmp") /
           (std::string(kSingleInstanceName) + "-" + std::to_string(geteuid()) + ".lock");
}

SingleInstanceLock::SingleInstanceLock(const std::filesystem::path& lock_file) {
    // No O_TRUNC and no writes: the file only carries the lock. O_NOFOLLOW keeps a link that
    // another user planted in /tmp from leading the open elsewhere.
    const int fd = open(lock_file.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    int result = 0;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        fd_ = fd;
        return;
    }
    held_elsewhere_ = errno == EWOULDBLOCK;
    close(fd);
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0)
        close(fd_);
}

SingleInstanceLock::SingleInstanceLock(SingleInstanceLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      held_elsewhere_(std::exchange(other.held_elsewhere_, false)) {}

SingleInstanceLock& SingleInstanceLock::operator=(SingleInstanceLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        held_elsewhere_ = std::exchange(other.held_elsewhere_, false);
    }
    return *this;
}

}  // namespace brelvo::core
