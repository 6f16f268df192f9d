// Runs brelvo-cli as a child process and keeps what it printed and how it ended.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace brelvo::test {

struct CliRun {
    int exit_code = -1;  // -1 when it did not end normally
    std::string out;
    std::string err;
};

// `program` defaults to the brelvo-cli of this build.
CliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& program = {});

std::vector<std::string> Lines(const std::string& text);

}  // namespace brelvo::test
