// What the system asks of the operating system about itself: where its own folder is and which
// version it carries. Starting and ending other programs is in core/platform/process.h.
#pragma once

#include <filesystem>
#include <string>

namespace brelvo::core {

// The folder of the running executable, ending with a separator ("/opt/brelvo/"). Everything
// the program reads or starts is found from it. Computed once, then cached.
std::filesystem::path GetProgramFolder();

// The folder part of an executable's path, cut after its last separator so that it ends with
// one; a path without a separator is returned whole.
std::filesystem::path ProgramFolderOf(const std::filesystem::path& executable);

// The program's version, four parts ("0.1.0.0"); empty when the build did not give one.
std::string ProgramVersion();

// "V" followed by the version, as shown under the left-hand menu; "V" alone without a version.
std::string VersionText();

}  // namespace brelvo::core
