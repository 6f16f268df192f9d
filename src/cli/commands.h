// The sub-commands. Each adds its options to the command line and leaves a function that runs
// it; main runs the one that was given.
#pragma once

#include <functional>
#include <map>

#include <CLI/CLI.hpp>

#include "cli/cli_session.h"

namespace brelvo::cli {

class CommandSet {
public:
    using Run = std::function<int()>;

    void Add(const CLI::App* command, Run run) { runs_[command] = std::move(run); }
    // The exit status of the sub-command the command line chose.
    int RunSelected(const CLI::App& app) const;

private:
    std::map<const CLI::App*, Run> runs_;
};

void AddGlobalOptions(CLI::App& app, GlobalOptions& options);

void AddDiscoverCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global);
void AddSetNameCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global);
void AddSetIpCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global);
// reboot and restore
void AddResetCommands(CLI::App& app, CommandSet& commands, const GlobalOptions& global);
// set-bridge and set-tdma
void AddSwitchCommands(CLI::App& app, CommandSet& commands, const GlobalOptions& global);

}  // namespace brelvo::cli
