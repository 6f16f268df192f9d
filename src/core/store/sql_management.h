// The per-run device store on SQLite: the devices found in this run (ap_info) and the access
// points of the latest site survey (ap_other_info). The file is scratch: it is deleted before it
// is created and again when the store goes away.
//
// One lock serialises every operation, so the engine's workers and the window thread may call
// the store at once. Values reach the database only as bound parameters.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/ado_database.h"
#include "core/store/ado_recordset.h"
#include "core/store/device_store.h"

namespace brelvo::core {

// The fixed statements of the store (defined with their texts beside the store).
enum class StoreStatement : int;

class CSqlManagement final : public DeviceStore {
public:
    // Told, once, when the database cannot be opened; the window layer shows the text. It runs
    // while the store is being built, so it must not call the store.
    using FailureNotifier = std::function<void(const std::string& message)>;

    // The process-wide store on ScratchDatabasePath of the program folder, built on first use
    // and destroyed (file deleted) at process exit.
    static CSqlManagement& GetInstance();
    // Installed by the window layer before the first GetInstance.
    static void SetOpenFailureNotifier(FailureNotifier notifier);

    // A store of its own on the given file (tests and benchmarks run several side by side).
    explicit CSqlManagement(std::filesystem::path database_file, FailureNotifier notifier = {});
    CSqlManagement(const CSqlManagement&) = delete;
    CSqlManagement& operator=(const CSqlManagement&) = delete;
    ~CSqlManagement() override;

    bool IsOpen() const;
    const std::filesystem::path& DatabaseFile() const { return database_file_; }

    // Runs a fixed statement that takes no values and returns no rows; three attempts.
    bool ExecuteSql(std::string_view statement);

    bool SaveDevice(const ap_info_stu& record) override;
    // True when every entry of the packet was written.
    bool SaveSurveyedAps(const SurveyPacket& packet) override;
    bool DeleteDevice(std::string_view mac) override;
    bool UpdateUptime(std::string_view mac, std::string_view ip, uint32_t up_time) override;
    bool SetDeviceStatus(std::string_view mac, uint32_t status) override;
    bool MarkUpgrading(std::string_view mac) override;

    std::optional<DevicePage> QueryDevices(int sort_key, bool ascending, std::string_view search,
                                           int page_size, int page) override;
    std::optional<ap_info_stu> GetDevice(std::string_view mac) override;
    std::optional<std::vector<std::string>> GetAllIp() override;
    std::optional<std::vector<std::string>> GetAllMac() override;
    std::optional<std::vector<config_otherwl_basic>> QuerySurveyedAps(int sort_key,
                                                                      bool ascending) override;
    std::optional<config_otherwl_basic> GetSurveyedAp(std::string_view mac) override;
    bool DeleteSurveyedAps() override;
    bool IsUpgradeWaiting(std::string_view mac) override;
    bool ClearUpgradeFail(std::string_view mac) override;
    uint32_t GetDeviceStatus(std::string_view mac) override;
    bool HasBridgedStation(std::string_view mac) override;
    std::optional<std::string> FindBridgePeer(std::string_view mac) override;

private:
    using Sql = StoreStatement;

    bool OpenDatabase();
    // The prepared statement, prepared on first use; nullptr when it cannot be (a file left
    // from elsewhere without our tables). Called with the lock held.
    CADORecordset* Prepared(Sql which);
    // ID, status and sort value of every matching row.
    CADORecordset* PreparedScan(int sort_key, bool searching);
    // One attempt of a statement with one bound text, under the lock.
    bool ExecuteOnce(Sql which, std::string_view text);
    bool ExecuteWithRetries(Sql which, std::string_view text);
    std::optional<std::vector<std::string>> ReadTextColumn(Sql which);
    bool SetStatusWhere(std::string_view mac, uint32_t status,
                        std::optional<uint32_t> required_status);
    std::optional<std::string> FirstMacWhere(Sql which, std::string_view mac_value);

    const std::filesystem::path database_file_;
    mutable std::mutex mutex_;
    CADODatabase database_;
    // Declared after the connection, so they are finalized before it closes.
    std::map<Sql, CADORecordset> prepared_;
    std::map<int, CADORecordset> scan_statements_;
};

}  // namespace brelvo::core
