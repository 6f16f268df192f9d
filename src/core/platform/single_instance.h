// One copy of the program at a time: the first copy holds an exclusive lock on a file named
// after "Quelt_Brelvo" for as long as it runs; a second copy finds it held and leaves silently.
#pragma once

#include <filesystem>
#include <string_view>

namespace brelvo::core {

constexpr std::string_view kSingleInstanceName = "Quelt_Brelvo";

// "$XDG_RUNTIME_DIR/Quelt_Brelvo.lock"; without a runtime folder "/tmp/Quelt_Brelvo-<uid>.lock",
// so that users sharing /tmp do not shut each other out.
std::filesystem::path SingleInstanceLockPath();

class SingleInstanceLock {
public:
    // Takes the lock without waiting. The lock ends with the object, and with the process
    // however it ends.
    explicit SingleInstanceLock(const std::filesystem::path& lock_file = SingleInstanceLockPath());
    ~SingleInstanceLock();
    SingleInstanceLock(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock& operator=(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True only when another holder has the lock. A lock file that cannot be opened at all
    // does not stop the program: it then runs without the guard, as it would where the system
    // could not create its named lock.
    bool another_instance_running() const { return held_elsewhere_; }
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    bool held_elsewhere_ = false;
};

}  // namespace brelvo::core
