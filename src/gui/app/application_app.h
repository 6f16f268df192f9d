// The application: refuses a second copy, loads the language, the theme, the transport settings
// and the skin, starts the transport engine and the device store, and runs the main window
// until it ends. The engine and the store are process-wide and outlive this object: the engine
// tells every known device that the program leaves when the process exits, then the store
// deletes its scratch file.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/engine/device_engine.h"
#include "core/platform/single_instance.h"
#include "core/store/device_store.h"
#include "core/support/settings.h"
#include "core/support/theme.h"

namespace brelvo::gui {

// The one message of start-up, for a database that cannot be opened: the store's (translated)
// text in a plain box with OK and no caption, shown at most once however often it is told.
std::function<void(const std::string& message)> StoreFailureBox();

class CApplicationApp {
public:
    // The whole run; the exit status of the process. A second copy returns 0 at once, without
    // a window or a message.
    int InitInstance(int& argc, char** argv);

    // --- the steps of a run, in order; the window's end-to-end test takes them one by one ---
    // Language, theme, transport settings and skin paths of the program folder.
    void LoadSettings(const std::filesystem::path& program_folder);
    // The process-wide engine, started with the transport settings (a failed start is no
    // reason to stop: the program then runs without device traffic), and the store.
    void StartEngineAndStore();

    int retransmission_max() const { return transport_.retransmission_max; }
    int retransmission_interval() const { return transport_.retransmission_interval; }
    const core::Theme& theme() const { return theme_; }
    const core::SkinPaths& skin() const { return skin_; }
    core::DeviceEngine* engine() const { return engine_; }
    core::DeviceStore* store() const { return store_; }

private:
    std::optional<core::SingleInstanceLock> lock_;
    core::TransportSettings transport_;
    core::Theme theme_;
    core::SkinPaths skin_;
    core::DeviceEngine* engine_ = nullptr;
    core::DeviceStore* store_ = nullptr;
};

}  // namespace brelvo::gui
