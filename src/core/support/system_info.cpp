#include "core/support/system_info.h"

#include <system_error>

namespace brelvo::core {

namespace {

std::filesystem::path ComputeProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path())
        return "./";
    return executable.parent_path() / "";
}

}  // namespace

std::filesystem::path GetProgramFolder() {
    static const std::filesystem::path folder = ComputeProgramFolder();
    return folder;
}

}  // namespace brelvo::core
