// brelvo-cli: the engine and the store of the window, driven from the command line.
#include <algorithm>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/interruption.h"
#include "core/support/system_info.h"
#include "core/support/translation.h"

int main(int argc, char** argv) {
    using namespace brelvo::cli;
    brelvo::core::LoadLanguage(brelvo::core::GetProgramFolder());
    InstallInterruptionHandlers();

    CLI::App app("Finds the wireless devices on the local network and changes their settings.",
                 "brelvo-cli");
    app.require_subcommand(1);
    app.fallthrough();
    app.footer(
        "Exit status: 0 done, 1 sockets unavailable, 2 bad input (nothing sent), 3 a device was "
        "not found (nothing sent), 4 a device did not answer, 5 a device refused.");
    GlobalOptions global;
    AddGlobalOptions(app, global);
    CommandSet commands;
    AddDiscoverCommand(app, commands, global);
    AddSetNameCommand(app, commands, global);
    AddSetIpCommand(app, commands, global);
    AddResetCommands(app, commands, global);
    AddSwitchCommands(app, commands, global);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        std::string message = error.what();
        std::replace(message.begin(), message.end(), '\n', ' ');
        std::cerr << "brelvo-cli: " << message << "\n";
        return kExitBadInput;
    }
    return commands.RunSelected(app);
}
