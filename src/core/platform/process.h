// Starting, finding and ending other programs: the file server of the firmware upgrade is
// started beside the program and ended by its executable name.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brelvo::core {

// Linux capability numbers, as in <linux/capability.h>.
enum class Capability : uint8_t {
    kNetBindService = 10,
    kNetAdmin = 12,
    kNetRaw = 13,
};

// Starts `program` with the blank-separated `parameters` (double quotes group blanks into one),
// in the program's own folder, with standard input and output on /dev/null, as the window of
// a hidden program would be. A user other than root has it started through pkexec when the
// program file lacks the `needed` capability (the file server needs to bind port 69). With
// `wait`, returns after the program has ended. False when the program cannot be started, or,
// with `wait`, when the elevation was refused.
bool RunProgram(const std::filesystem::path& program, std::string_view parameters, bool wait,
                std::optional<Capability> needed = Capability::kNetBindService);

// The first running process, in process-id order, whose executable file name equals `name`
// exactly (letter case counts). The name is taken from /proc/<pid>/exe; where that link may not
// be read (a process of another user, or one that gained capabilities from its file), from
// /proc/<pid>/comm, which holds at most the first 15 bytes of the name.
std::optional<pid_t> FindProcessByName(std::string_view name);

// Ends every process named `name`: SIGTERM, a short grace, then SIGKILL. A process that may not
// be signalled, or that outlives SIGKILL past a deadline, is given up on, so the call always
// returns; every process that can be ended is ended.
void KillProcessByName(std::string_view name);

// The pieces of the launch decision, for tests.
std::vector<std::string> SplitParameters(std::string_view parameters);
// Whether a "security.capability" attribute value makes `capability` effective for the program.
bool FileCapabilityGrants(std::span<const uint8_t> attribute, Capability capability);
bool NeedsElevation(const std::filesystem::path& program, std::optional<Capability> needed);

}  // namespace brelvo::core
