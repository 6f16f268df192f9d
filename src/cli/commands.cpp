#include "cli/commands.h"

#include "cli/exit_codes.h"

namespace brelvo::cli {

int CommandSet::RunSelected(const CLI::App& app) const {
    for (const CLI::App* command : app.get_subcommands()) {
        const auto run = runs_.find(command);
        if (run != runs_.end())
            return run->second();
    }
    return kExitBadInput;
}

void AddGlobalOptions(CLI::App& app, GlobalOptions& options) {
    app.add_option("--retransmission-max", options.retransmission_max,
                   "repeats of an unanswered request (overrides Setting.ini)")
        ->check(CLI::Range(0, 100))
        ->type_name("N");
    app.add_option("--retransmission-interval", options.retransmission_interval_ms,
                   "milliseconds between the repeats (overrides Setting.ini)")
        ->check(CLI::Range(0, 600000))
        ->type_name("MS");
}

}  // namespace brelvo::cli
