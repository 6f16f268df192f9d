// One run of the tool: the device store on a scratch file of its own and the transport engine
// on it, both the same classes the window runs. The file is private to the process, so the tool
// may run beside the window or beside another run of itself without deleting their data.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "core/engine/device_comm.h"
#include "core/store/sql_management.h"
#include "core/support/settings.h"

namespace brelvo::cli {

// Options every sub-command takes; each overrides the same key of "Setting.ini".
struct GlobalOptions {
    std::optional<int> retransmission_max;
    std::optional<int> retransmission_interval_ms;
};

// "Setting.ini" of the program folder, then the options on top.
core::TransportSettings EffectiveTransportSettings(const GlobalOptions& options);

class CliSession {
public:
    // Nothing, after saying why on stderr, when the store or the sockets cannot be opened.
    static std::unique_ptr<CliSession> Start(const GlobalOptions& options);

    CliSession(std::filesystem::path database_file, core::TransportSettings transport);
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    core::CDeviceComm& engine() { return engine_; }
    core::DeviceStore& store() { return store_; }
    const core::TransportSettings& transport() const { return transport_; }

private:
    core::TransportSettings transport_;
    // The store outlives the engine: the engine's last handlers may still write to it.
    core::CSqlManagement store_;
    core::CDeviceComm engine_;
};

}  // namespace brelvo::cli
