// Where the per-run database file lives.
#pragma once

#include <filesystem>
#include <string_view>

namespace brelvo::core {

constexpr std::string_view kDatabaseFileName = "data.db";

// "data.db" in the program folder; when that folder cannot be written (an installed,
// read-only program), a file of this user in $XDG_RUNTIME_DIR, else in /tmp.
std::filesystem::path ScratchDatabasePath(const std::filesystem::path& program_folder);

}  // namespace brelvo::core
