#include "cli/cli_session.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <system_error>

#include "core/support/system_info.h"

namespace brelvo::cli {

namespace {

std::filesystem::path PrivateDatabaseFile() {
    std::filesystem::path folder;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime) {
        std::error_code error;
        if (std::filesystem::is_directory(runtime, error))
            folder = runtime;
    }
    if (folder.empty())
        folder = std::filesystem::temp_directory_path();
    return folder / ("brelvo-cli-" + std::to_string(::getpid()) + ".db");
}

}  // namespace

core::TransportSettings EffectiveTransportSettings(const GlobalOptions& options) {
    core::TransportSettings settings =
        core::ReadTransportSettings(core::Settings(core::GetProgramFolder()));
    if (options.retransmission_max)
        settings.retransmission_max = *options.retransmission_max;
    if (options.retransmission_interval_ms)
        settings.retransmission_interval = *options.retransmission_interval_ms;
    return settings;
}

CliSession::CliSession(std::filesystem::path database_file, core::TransportSettings transport)
    : transport_(transport), store_(std::move(database_file)), engine_(store_) {}

std::unique_ptr<CliSession> CliSession::Start(const GlobalOptions& options) {
    auto session =
        std::make_unique<CliSession>(PrivateDatabaseFile(), EffectiveTransportSettings(options));
    if (!session->store_.IsOpen()) {
        std::cerr << "brelvo-cli: cannot open the device database "
                  << session->store_.DatabaseFile() << "\n";
        return nullptr;
    }
    if (!session->engine_.Start(session->transport_.retransmission_max,
                                session->transport_.retransmission_interval)) {
        std::cerr << "brelvo-cli: cannot open the device sockets (UDP ports 9785, 9786, 9787 "
                     "and 9788)\n";
        return nullptr;
    }
    return session;
}

}  // namespace brelvo::cli
