#include "core/support/system_info.h"

#include <system_error>

namespace brelvo::core {

namespace {

std::filesystem::path ComputeProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path())
        return "./";
    return ProgramFolderOf(executable);
}

}  // namespace

std::filesystem::path GetProgramFolder() {
    static const std::filesystem::path folder = ComputeProgramFolder();
    return folder;
}

std::filesystem::path ProgramFolderOf(const std::filesystem::path& executable) {
    const std::string& text = executable.native();
    const auto last_separator = text.rfind('/');
    if (last_separator == std::string::npos)
        return executable;
    return text.substr(0, last_separator + 1);
}

std::string ProgramVersion() {
#ifdef BRELVO_VERSION_TEXT
    return BRELVO_VERSION_TEXT;
#else
    return {};
#endif
}

std::string VersionText() {
    return "V" + ProgramVersion();
}

}  // namespace brelvo::core
