// discover: searches as the status page does and lists every device.
#include <chrono>
#include <iostream>
#include <limits>
#include <map>
#include <memory>

#include "cli/commands.h"
#include "cli/device_listing.h"
#include "cli/device_search.h"
#include "cli/exit_codes.h"
#include "cli/interruption.h"

namespace brelvo::cli {

namespace {

struct DiscoverOptions {
    int seconds = 10;
    ListingFormat format = ListingFormat::kTable;
};

// Far more than one segment holds; the whole list in one page.
constexpr int kWholeList = 1'000'000;

int RunDiscover(const GlobalOptions& global, const DiscoverOptions& options) {
    const auto session = CliSession::Start(global);
    if (!session)
        return kExitEnvironment;
    SearchUntil(session->engine(), std::chrono::seconds(options.seconds), [] { return false; });
    if (Interrupted())
        return kExitInterrupted;

    const auto page = session->store().QueryDevices(core::kSortIp, true, "", kWholeList, 1);
    const std::vector<core::ap_info_stu> stored =
        page ? page->devices : std::vector<core::ap_info_stu>{};
    const std::vector<core::ap_info_stu> found =
        session->engine().ListFoundDevices(std::numeric_limits<std::size_t>::max(), "");
    PrintListing(std::cout, {stored, found, page ? page->online_count : 0}, options.format);
    return kExitSuccess;
}

}  // namespace

void AddDiscoverCommand(CLI::App& app, CommandSet& commands, const GlobalOptions& global) {
    auto options = std::make_shared<DiscoverOptions>();
    CLI::App* command = app.add_subcommand(
        "discover", "Search the local network for devices and list them (searches every 3 s)");
    command->add_option("--seconds", options->seconds, "how long to search")
        ->check(CLI::Range(1, 3600))
        ->capture_default_str();
    const std::map<std::string, ListingFormat> formats{{"table", ListingFormat::kTable},
                                                       {"json", ListingFormat::kJson},
                                                       {"csv", ListingFormat::kCsv}};
    command->add_option("--format", options->format, "table, json or csv")
        ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case))
        ->default_str("table");
    commands.Add(command, [options, &global] { return RunDiscover(global, *options); });
}

}  // namespace brelvo::cli
