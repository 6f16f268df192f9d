#include "core/store/scratch_location.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace brelvo::core {

namespace {

bool IsWritableFolder(const std::filesystem::path& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::filesystem::path ScratchDatabasePath(const std::filesystem::path& program_folder) {
    if (IsWritableFolder(program_folder))
        return program_folder / kDatabaseFileName;
    // The fallback folders may be shared, so the file carries the user in its name.
    const std::string fallback_name = "brelvo-data-" + std::to_string(::getuid()) + ".db";
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && IsWritableFolder(runtime))
        return std::filesystem::path(runtime) / fallback_name;
    return std::filesystem::path("/tmp") / fallback_name;
}

}  // namespace brelvo::core
