#include "core/platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <fstream>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

extern char** environ;

namespace brelvo::core {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kTerminateGrace{1000};
constexpr std::chrono::milliseconds kKillDeadline{2000};
constexpr std::chrono::milliseconds kPollInterval{10};
// A supervisor that restarts what it loses would otherwise keep the call busy for ever.
constexpr std::size_t kMaxProcessesPerCall = 256;
// The kernel keeps 16 bytes of a process name, the last one for the terminator.
constexpr std::size_t kCommLength = 15;

// Exit codes pkexec gives when the user dismisses the authentication or is not authorised.
constexpr int kPkexecDismissed = 126;
constexpr int kPkexecNotAuthorised = 127;

constexpr const char* kPkexec = "pkexec";
constexpr const char* kEnv = "/usr/bin/env";

// Programs started without waiting are reaped here, so a file server that ended on its own
// does not stay behind as a zombie.
class StartedChildren {
public:
    void Add(pid_t pid) {
        const std::lock_guard lock(mutex_);
        pids_.push_back(pid);
    }

    void ReapFinished() {
        const std::lock_guard lock(mutex_);
        std::erase_if(pids_, [](pid_t pid) {
            const pid_t result = waitpid(pid, nullptr, WNOHANG);
            return result == pid || (result < 0 && errno == ECHILD);
        });
    }

private:
    std::mutex mutex_;
    std::vector<pid_t> pids_;
};

StartedChildren& Children() {
    static StartedChildren children;
    return children;
}

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

class SpawnAttributes {
public:
    SpawnAttributes() { posix_spawnattr_init(&attributes_); }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    posix_spawnattr_t* get() { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

std::string ReadFirstLine(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// A zombie has ended already; only its parent's wait is missing.
bool IsGone(pid_t pid) {
    if (kill(pid, 0) != 0 && errno == ESRCH)
        return true;
    const std::string stat = ReadFirstLine("/proc/" + std::to_string(pid) + "/stat");
    // "pid (name) S ...": the name may hold blanks and parentheses, the state follows the last.
    const auto close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size())
        return true;
    const char state = stat[close + 2];
    return state == 'Z' || state == 'X';
}

bool HasName(pid_t pid, std::string_view name) {
    const std::filesystem::path proc = "/proc/" + std::to_string(pid);
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink(proc / "exe", error);
    if (!error) {
        std::string target = executable.native();
        // A running program whose file was replaced (an update) still carries its name.
        constexpr std::string_view kDeleted = " (deleted)";
        if (target.ends_with(kDeleted) && !std::filesystem::exists(target, error))
            target.resize(target.size() - kDeleted.size());
        return std::filesystem::path(target).filename().native() == name;
    }
    // Kernel threads and zombies have no executable and are never matched.
    if (error != std::errc::permission_denied && error != std::errc::operation_not_permitted)
        return false;
    const std::string comm = ReadFirstLine(proc / "comm");
    return !comm.empty() && comm == name.substr(0, kCommLength);
}

std::optional<pid_t> FindProcess(std::string_view name, const std::set<pid_t>& skipped) {
    if (name.empty())
        return std::nullopt;
    std::error_code error;
    std::vector<pid_t> pids;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string entry_name = entry.path().filename().native();
        pid_t pid = 0;
        const auto [end, parse_error] =
            std::from_chars(entry_name.data(), entry_name.data() + entry_name.size(), pid);
        if (parse_error == std::errc{} && end == entry_name.data() + entry_name.size() && pid > 0)
            pids.push_back(pid);
    }
    std::sort(pids.begin(), pids.end());
    for (const pid_t pid : pids) {
        if (!skipped.contains(pid) && HasName(pid, name) && !IsGone(pid))
            return pid;
    }
    return std::nullopt;
}

bool WaitUntilGone(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (true) {
        Children().ReapFinished();
        if (IsGone(pid))
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

void EndProcess(pid_t pid) {
    if (kill(pid, SIGTERM) != 0)
        return;  // gone already, or not ours to end
    if (WaitUntilGone(pid, kTerminateGrace))
        return;
    if (kill(pid, SIGKILL) != 0)
        return;
    WaitUntilGone(pid, kKillDeadline);
}

uint32_t LittleEndian32(std::span<const uint8_t> bytes, std::size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

}  // namespace

std::vector<std::string> SplitParameters(std::string_view parameters) {
    std::vector<std::string> pieces;
    std::string piece;
    bool in_piece = false;
    bool quoted = false;
    for (const char c : parameters) {
        if (c == '"') {
            quoted = !quoted;
            in_piece = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (in_piece)
                pieces.push_back(std::move(piece));
            piece.clear();
            in_piece = false;
        } else {
            piece += c;
            in_piece = true;
        }
    }
    if (in_piece)
        pieces.push_back(std::move(piece));
    return pieces;
}

bool FileCapabilityGrants(std::span<const uint8_t> attribute, Capability capability) {
    // struct vfs_cap_data: magic_etc, then {permitted, inheritable} for capabilities 0-31 and,
    // from revision 2 on, for 32-63; revision 3 adds the owner of the namespace.
    constexpr uint32_t kRevisionMask = 0xFF000000;
    constexpr uint32_t kRevision1 = 0x01000000;
    constexpr uint32_t kRevision2 = 0x02000000;
    constexpr uint32_t kRevision3 = 0x03000000;
    constexpr uint32_t kEffective = 0x000001;
    if (attribute.size() < 4)
        return false;
    const uint32_t magic = LittleEndian32(attribute, 0);
    std::size_t words = 0;
    switch (magic & kRevisionMask) {
        case kRevision1:
            words = attribute.size() == 12 ? 1 : 0;
            break;
        case kRevision2:
            words = attribute.size() == 20 ? 2 : 0;
            break;
        case kRevision3:
            words = attribute.size() == 24 ? 2 : 0;
            break;
        default:
            break;
    }
    const auto number = static_cast<std::size_t>(capability);
    const std::size_t word = number / 32;
    if (word >= words || (magic & kEffective) == 0)
        return false;
    const uint32_t permitted = LittleEndian32(attribute, 4 + word * 8);
    return (permitted >> (number % 32) & 1U) != 0;
}

bool NeedsElevation(const std::filesystem::path& program, std::optional<Capability> needed) {
    if (!needed || geteuid() == 0)
        return false;
    std::array<uint8_t, 64> attribute{};
    const ssize_t size =
        getxattr(program.c_str(), "security.capability", attribute.data(), attribute.size());
    if (size <= 0)
        return true;
    return !FileCapabilityGrants(std::span(attribute).first(static_cast<std::size_t>(size)),
                                 *needed);
}

bool RunProgram(const std::filesystem::path& program, std::string_view parameters, bool wait,
                std::optional<Capability> needed) {
    Children().ReapFinished();
    std::error_code error;
    // Made absolute before the start: the child changes its folder before it runs the file.
    const std::filesystem::path path = std::filesystem::absolute(program, error);
    if (error || !std::filesystem::is_regular_file(path, error))
        return false;
    const std::string folder = path.parent_path().native();

    const bool elevated = NeedsElevation(path, needed);
    std::vector<std::string> arguments;
    if (elevated) {
        // pkexec starts its program in root's home folder; env moves it to its own folder.
        arguments = {kPkexec, kEnv, "--chdir=" + folder, path.native()};
    } else {
        arguments = {path.native()};
    }
    for (std::string& parameter : SplitParameters(parameters))
        arguments.push_back(std::move(parameter));
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(actions.get(), folder.c_str());
    // The program starts with no signal blocked or ignored, whatever this process has set up.
    SpawnAttributes attributes;
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(attributes.get(), &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(attributes.get(), &signals);
    posix_spawnattr_setflags(attributes.get(), POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int result =
        elevated
            ? posix_spawnp(&pid, kPkexec, actions.get(), attributes.get(), argv.data(), environ)
            : posix_spawn(&pid, argv[0], actions.get(), attributes.get(), argv.data(), environ);
    if (result != 0)
        return false;
    if (!wait) {
        Children().Add(pid);
        return true;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return true;
    }
    if (elevated && WIFEXITED(status)) {
        const int code = WEXITSTATUS(status);
        return code != kPkexecDismissed && code != kPkexecNotAuthorised;
    }
    return true;
}

std::optional<pid_t> FindProcessByName(std::string_view name) {
    Children().ReapFinished();
    return FindProcess(name, {});
}

void KillProcessByName(std::string_view name) {
    Children().ReapFinished();
    std::set<pid_t> handled;
    while (handled.size() < kMaxProcessesPerCall) {
        const auto pid = FindProcess(name, handled);
        if (!pid)
            return;
        handled.insert(*pid);
        EndProcess(*pid);
    }
}

}  // namespace brelvo::core
