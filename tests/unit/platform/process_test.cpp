#include "core/platform/process.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include "support/temp_folder.h"
#include "test_bytes.h"

extern char** environ;

namespace brelvo::core {
namespace {

using namespace std::chrono_literals;

// A copy of /bin/sleep under a name no real process carries, short enough to fit the 15 bytes
// the kernel keeps of a process name.
class UniqueProgram {
public:
    explicit UniqueProgram(const test::TempFolder& folder, const char* source = "/bin/sleep") {
        static std::atomic<int> counter{0};
        name_ = "Bs" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        path_ = folder.path() / name_;
        std::filesystem::copy_file(source, path_);
    }
    const std::string& name() const { return name_; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::string name_;
    std::filesystem::path path_;
};

// A child of the test; ended and reaped when the object goes, if it has not been already.
class Child {
public:
    Child(const std::filesystem::path& program, const char* argument, bool ignore_term = false) {
        // An ignored signal stays ignored across exec; the child inherits the disposition.
        struct sigaction ignore {};
        struct sigaction saved {};
        ignore.sa_handler = SIG_IGN;
        if (ignore_term)
            sigaction(SIGTERM, &ignore, &saved);
        std::string path = program.native();
        std::string arg = argument;
        char* argv[] = {path.data(), arg.data(), nullptr};
        const int result = posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv, environ);
        if (ignore_term)
            sigaction(SIGTERM, &saved, nullptr);
        if (result != 0)
            pid_ = -1;
    }
    ~Child() {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }

    // The wait status once the child has ended within `limit`.
    std::optional<int> WaitForEnd(std::chrono::milliseconds limit = 5000ms) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                reaped_ = true;
                return status;
            }
            std::this_thread::sleep_for(5ms);
        }
        return std::nullopt;
    }

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

char ProcessState(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(in, stat);
    const auto close = stat.rfind(')');
    return close == std::string::npos || close + 2 >= stat.size() ? '\0' : stat[close + 2];
}

bool WaitForState(pid_t pid, char state) {
    for (int i = 0; i < 500; ++i) {
        if (ProcessState(pid) == state)
            return true;
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

// Runs `body` in a forked child that has given up root for the "nobody" user; its exit code is
// the result. Nothing if this run cannot change users.
std::optional<int> RunAsNobody(const std::function<int()>& body) {
    if (geteuid() != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            _exit(77);
        _exit(body());
    }
    int status = 0;
    // Bounded: a call that never returned would otherwise hang the test run.
    for (int i = 0; i < 2000; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            break;
        std::this_thread::sleep_for(10ms);
    }
    if (!WIFEXITED(status)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    if (WEXITSTATUS(status) == 77)
        return std::nullopt;
    return WEXITSTATUS(status);
}

TEST(FindProcessByNameTest, FindsTheRunningProcessByItsExactName) {
    const test::TempFolder folder;
    const UniqueProgram program(folder);
    Child child(program.path(), "30");
    ASSERT_GT(child.pid(), 0);

    EXPECT_EQ(FindProcessByName(program.name()), child.pid());
    std::string lower = program.name();
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(FindProcessByName(lower), std::nullopt);
    EXPECT_EQ(FindProcessByName(program.name().substr(0, program.name().size() - 1)), std::nullopt);
    EXPECT_EQ(FindProcessByName(program.name() + "x"), std::nullopt);
    EXPECT_EQ(FindProcessByName(program.path().native()), std::nullopt);
    EXPECT_EQ(FindProcessByName(""), std::nullopt);
}

TEST(FindProcessByNameTest, AnEndedProcessAwaitingItsParentIsNotFound) {
    const test::TempFolder folder;
    const UniqueProgram program(folder);
    Child child(program.path(), "0");
    ASSERT_GT(child.pid(), 0);
    ASSERT_TRUE(WaitForState(child.pid(), 'Z'));
    EXPECT_EQ(FindProcessByName(program.name()), std::nullopt);
}

TEST(FindProcessByNameTest, ProgramWhoseFileWasReplacedKeepsItsName) {
    const test::TempFolder folder;
    const UniqueProgram program(folder);
    Child child(program.path(), "30");
    ASSERT_GT(child.pid(), 0);
    std::filesystem::remove(program.path());
    EXPECT_EQ(FindProcessByName(program.name()), child.pid());
}

TEST(KillProcessByNameTest, EndsEveryProcessOfTheNameAndOnlyThose) {
    const test::TempFolder folder;
    const UniqueProgram program(folder);
    const UniqueProgram bystander_program(folder);
    Child first(program.path(), "30");
    Child second(program.path(), "30");
    Child bystander(bystander_program.path(), "30");
    ASSERT_GT(first.pid(), 0);
    ASSERT_GT(second.pid(), 0);

    KillProcessByName(program.name());

    for (Child* child : {&first, &second}) {
        const auto status = child->WaitForEnd();
        ASSERT_TRUE(status.has_value());
        EXPECT_TRUE(WIFSIGNALED(*status));
        EXPECT_EQ(WTERMSIG(*status), SIGTERM);
    }
    EXPECT_EQ(FindProcessByName(bystander_program.name()), bystander.pid());
    // Nothing of the name is left: the call returns at once.
    const auto start = std::chrono::steady_clock::now();
    KillProcessByName(program.name());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

TEST(KillProcessByNameTest, ProcessIgnoringTermIsKilled) {
    const test::TempFolder folder;
    const UniqueProgram program(folder);
    Child stubborn(program.path(), "30", /*ignore_term=*/true);
    ASSERT_GT(stubborn.pid(), 0);

    KillProcessByName(program.name());

    const auto status = stubborn.WaitForEnd();
    ASSERT_TRUE(status.has_value());
    EXPECT_TRUE(WIFSIGNALED(*status));
    EXPECT_EQ(WTERMSIG(*status), SIGKILL);
}

TEST(KillProcessByNameTest, GivesUpOnAProcessItMayNotEnd) {
    const test::TempFolder folder;
    const UniqueProgram program(folder);
    Child protected_child(program.path(), "30");  // belongs to root
    ASSERT_GT(protected_child.pid(), 0);

    // As "nobody" the link to the program cannot be read, so the name comes from comm; the
    // signal is refused. Exit 0: found, and the kill returned.
    const auto result = RunAsNobody([&] {
        if (FindProcessByName(program.name()) != protected_child.pid())
            return 1;
        KillProcessByName(program.name());
        return 0;
    });
    if (!result)
        GTEST_SKIP() << "needs root to run a part of the test as another user";
    EXPECT_EQ(*result, 0);
    EXPECT_EQ(FindProcessByName(program.name()), protected_child.pid());
}

TEST(RunProgramTest, RunsInItsOwnFolderWithoutInputOrOutput) {
    const test::TempFolder folder;
    const auto script =
        folder.Write("tools/report.sh",
                     "#!/bin/sh\n"
                     "here=$(pwd -P)\n"
                     "in=$(readlink /proc/$$/fd/0)\n"
                     "out=$(readlink /proc/$$/fd/1)\n"
                     "printf '%s\\n' \"$here\" \"$in\" \"$out\" \"$2|$3\" $# > \"$1\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const auto report = folder.path() / "report.txt";
    // A relative path must still work although the program starts in another folder.
    const auto relative = std::filesystem::relative(script);

    ASSERT_TRUE(RunProgram(relative, "\"" + report.native() + "\"  \"two words\" third", true));

    EXPECT_EQ(test::ReadWholeFile(report),
              std::filesystem::canonical(folder.path() / "tools").native() +
                  "\n/dev/null\n/dev/null\ntwo words|third\n3\n");
}

TEST(RunProgramTest, WithoutWaitReturnsAtOnceAndLeavesNoZombie) {
    const test::TempFolder folder;
    const UniqueProgram program(folder);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(RunProgram(program.path(), "30", false));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);

    const auto pid = FindProcessByName(program.name());
    ASSERT_TRUE(pid.has_value());
    KillProcessByName(program.name());
    EXPECT_EQ(FindProcessByName(program.name()), std::nullopt);
    // Reaped, not left as a zombie.
    EXPECT_FALSE(std::filesystem::exists("/proc/" + std::to_string(*pid)));
}

TEST(RunProgramTest, ProgramThatCannotBeStartedGivesFalse) {
    const test::TempFolder folder;
    const auto not_executable = folder.Write("plain.txt", "text");
    std::filesystem::permissions(
        not_executable, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_FALSE(RunProgram(folder.path() / "missing", "", true));
    EXPECT_FALSE(RunProgram(folder.path(), "", true));
    EXPECT_FALSE(RunProgram(not_executable, "", true));
}

TEST(SplitParametersTest, BlanksSeparateAndQuotesGroup) {
    const struct {
        const char* parameters;
        std::vector<std::string> pieces;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"a", {"a"}},
        {" a  b\tc ", {"a", "b", "c"}},
        {"\"two words\" x", {"two words", "x"}},
        {"\"\"", {""}},
        {"pre\"fix suffix\"", {"prefix suffix"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitParameters(c.parameters), c.pieces) << c.parameters;
}

// "security.capability" values as the kernel stores them (struct vfs_cap_data, little-endian):
// magic_etc (revision in the top byte, bit 0 = effective), then per 32 capabilities a permitted
// and an inheritable word, then (revision 3) the namespace owner.
TEST(FileCapabilityTest, ReadsTheKernelAttributeLayout) {
    using test::Hex;
    const struct {
        const char* name;
        std::vector<uint8_t> attribute;
        Capability capability;
        bool grants;
    } cases[] = {
        {"rev2 +ep net_bind_service",
         Hex("01 00 00 02  00 04 00 00  00 00 00 00  00 00 00 00  00 00 00 00"),
         Capability::kNetBindService, true},
        {"rev2 +p only: not effective",
         Hex("00 00 00 02  00 04 00 00  00 00 00 00  00 00 00 00  00 00 00 00"),
         Capability::kNetBindService, false},
        {"rev2 +ep net_raw, asked for net_bind_service",
         Hex("01 00 00 02  00 20 00 00  00 00 00 00  00 00 00 00  00 00 00 00"),
         Capability::kNetBindService, false},
        {"rev2 +ep net_raw", Hex("01 00 00 02  00 20 00 00  00 00 00 00  00 00 00 00  00 00 00 00"),
         Capability::kNetRaw, true},
        {"rev2 inheritable only",
         Hex("01 00 00 02  00 00 00 00  00 04 00 00  00 00 00 00  00 00 00 00"),
         Capability::kNetBindService, false},
        {"rev1 +ep net_bind_service", Hex("01 00 00 01  00 04 00 00  00 00 00 00"),
         Capability::kNetBindService, true},
        {"rev3 +ep net_bind_service",
         Hex("01 00 00 03  00 04 00 00  00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00"),
         Capability::kNetBindService, true},
        {"rev2 cut short", Hex("01 00 00 02  00 04 00 00  00 00 00 00"),
         Capability::kNetBindService, false},
        {"unknown revision", Hex("01 00 00 04  00 04 00 00  00 00 00 00"),
         Capability::kNetBindService, false},
        {"empty", {}, Capability::kNetBindService, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileCapabilityGrants(c.attribute, c.capability), c.grants) << c.name;
}

TEST(NeedsElevationTest, OnlyAUserWithoutTheCapabilityNeedsIt) {
    const test::TempFolder folder;
    const auto plain = folder.Write("plain", "");
    const auto capable = folder.Write("capable", "");
    const auto attribute =
        test::Hex("01 00 00 02  00 04 00 00  00 00 00 00  00 00 00 00  00 00 00 00");
    EXPECT_FALSE(NeedsElevation(plain, std::nullopt));
    if (geteuid() == 0) {
        EXPECT_FALSE(NeedsElevation(plain, Capability::kNetBindService));
    }
    if (setxattr(capable.c_str(), "security.capability", attribute.data(), attribute.size(), 0) !=
        0) {
        GTEST_SKIP() << "cannot set file capabilities here";
    }
    // Exit code: bit 0 = the plain file needs elevation, bit 1 = the capable one does.
    const auto result = RunAsNobody([&] {
        return (NeedsElevation(plain, Capability::kNetBindService) ? 1 : 0) |
               (NeedsElevation(capable, Capability::kNetBindService) ? 2 : 0) |
               (NeedsElevation(plain, std::nullopt) ? 4 : 0);
    });
    if (!result)
        GTEST_SKIP() << "needs root to run a part of the test as another user";
    EXPECT_EQ(*result, 1);
}

}  // namespace
}  // namespace brelvo::core
