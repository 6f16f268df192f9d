#include "cli_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <fstream>
#include <sstream>

extern char** environ;

namespace brelvo::test {

namespace {

std::string ReadWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& program) {
    char pattern[] = "/tmp/brelvo-cli-run-XXXXXX";
    const std::filesystem::path folder = ::mkdtemp(pattern);
    const std::string out_file = (folder / "out").string();
    const std::string err_file = (folder / "err").string();
    const std::string path = program.empty() ? std::string(BRELVO_CLI_PATH) : program.string();

    std::vector<std::string> command{path};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& part : command)
        argv.push_back(part.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    CliRun run;
    pid_t pid = -1;
    if (::posix_spawn(&pid, path.c_str(), &files, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (WIFEXITED(status))
            run.exit_code = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&files);
    run.out = ReadWhole(out_file);
    run.err = ReadWhole(err_file);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace brelvo::test
