// What the system asks of the operating system about itself.
#pragma once

#include <filesystem>
#include <string>

namespace brelvo::core {

// The folder of the running executable, ending with a separator ("/opt/brelvo/"). Everything
// the program reads or starts is found from it. Computed once, then cached.
std::filesystem::path GetProgramFolder();

}  // namespace brelvo::core
