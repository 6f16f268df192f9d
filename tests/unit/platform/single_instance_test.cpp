#include "core/platform/single_instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>

#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace brelvo::core {
namespace {

// Whether a lock on `file` taken in a separate process finds another holder: 1 if it does,
// 0 if it got the lock, 2 if neither.
int LockInChildProcess(const std::filesystem::path& file) {
    const pid_t pid = fork();
    if (pid == 0) {
        const SingleInstanceLock lock(file);
        _exit(lock.another_instance_running() ? 1 : lock.held() ? 0 : 2);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SingleInstanceLockTest, SecondHolderInTheSameProcessFindsTheFirst) {
    const test::TempFolder folder;
    const auto file = folder.path() / "Quelt_Brelvo.lock";
    std::optional<SingleInstanceLock> first(std::in_place, file);
    ASSERT_TRUE(first->held());
    EXPECT_FALSE(first->another_instance_running());

    const SingleInstanceLock second(file);
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(second.another_instance_running());

    first.reset();
    const SingleInstanceLock third(file);
    EXPECT_TRUE(third.held());
}

TEST(SingleInstanceLockTest, SecondProcessFindsTheFirstUntilItLetsGo) {
    const test::TempFolder folder;
    const auto file = folder.path() / "Quelt_Brelvo.lock";
    {
        const SingleInstanceLock lock(file);
        ASSERT_TRUE(lock.held());
        EXPECT_EQ(LockInChildProcess(file), 1);
    }
    EXPECT_EQ(LockInChildProcess(file), 0);
}

TEST(SingleInstanceLockTest, LockEndsWithAProcessThatIsKilled) {
    const test::TempFolder folder;
    const auto file = folder.path() / "Quelt_Brelvo.lock";
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        const SingleInstanceLock lock(file);
        const char held = lock.held() ? 'y' : 'n';
        (void)!write(ready[1], &held, 1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    close(ready[0]);
    ASSERT_EQ(held, 'y');
    EXPECT_TRUE(SingleInstanceLock(file).another_instance_running());

    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    EXPECT_TRUE(SingleInstanceLock(file).held());
}

TEST(SingleInstanceLockTest, MovedLockStaysHeld) {
    const test::TempFolder folder;
    const auto file = folder.path() / "Quelt_Brelvo.lock";
    SingleInstanceLock original(file);
    SingleInstanceLock moved(std::move(original));
    EXPECT_TRUE(moved.held());
    EXPECT_TRUE(SingleInstanceLock(file).another_instance_running());
    SingleInstanceLock assigned(folder.path() / "other.lock");
    assigned = std::move(moved);
    EXPECT_TRUE(SingleInstanceLock(file).another_instance_running());
    EXPECT_TRUE(SingleInstanceLock(folder.path() / "other.lock").held());
}

TEST(SingleInstanceLockTest, LockFileThatCannotBeOpenedDoesNotStopTheProgram) {
    const test::TempFolder folder;
    const SingleInstanceLock lock(folder.path() / "missing" / "Quelt_Brelvo.lock");
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(lock.another_instance_running());
}

TEST(SingleInstanceLockTest, LockFileLiesInTheRuntimeFolder) {
    test::ScopedEnvironment environment;
    environment.Set("XDG_RUNTIME_DIR", "/run/user/1000");
    EXPECT_EQ(SingleInstanceLockPath(), "/run/user/1000/Quelt_Brelvo.lock");
    const std::string in_tmp = "/tmp/Quelt_Brelvo-" + std::to_string(geteuid()) + ".lock";
    environment.Set("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(SingleInstanceLockPath(), in_tmp);
    environment.Set("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(SingleInstanceLockPath(), in_tmp);
    environment.Set("XDG_RUNTIME_DIR", "relative/dir");
    EXPECT_EQ(SingleInstanceLockPath(), in_tmp);
}

}  // namespace
}  // namespace brelvo::core
