#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/store/scratch_location.h"
#include "raw_database.h"
#include "store_fixture.h"

namespace brelvo::test {
namespace {

namespace fs = std::filesystem;

TEST(StoreLifecycle, FileIsDeletedAtStartAndAtExit) {
    const fs::path folder = FreshFolder("lifecycle");
    const fs::path file = folder / "data.db";
    const fs::path leftover = folder / "leftover.db";
    {
        core::CSqlManagement first(file);
        ASSERT_TRUE(first.SaveDevice(Device("00:00:00:00:00:01", "10.0.0.1")));
        ASSERT_TRUE(fs::exists(file));
        // What a run that ends without cleaning up leaves behind.
        fs::copy_file(file, leftover);
    }
    EXPECT_FALSE(fs::exists(file));
    ASSERT_EQ(RawQuery(leftover, "SELECT mac FROM ap_info").size(), 1u);

    fs::copy_file(leftover, file);
    {
        core::CSqlManagement second(file);
        ASSERT_TRUE(second.IsOpen());
        EXPECT_TRUE(second.GetAllMac()->empty());
    }
    EXPECT_FALSE(fs::exists(file));
    fs::remove_all(folder);
}

TEST(StoreLifecycle, AFileThatIsNoDatabaseIsReplaced) {
    const fs::path folder = FreshFolder("junk");
    std::ofstream(folder / "data.db") << "not a database, just bytes";
    core::CSqlManagement store(folder / "data.db");
    ASSERT_TRUE(store.IsOpen());
    EXPECT_TRUE(store.SaveDevice(Device("00:00:00:00:00:01", "10.0.0.1")));
    fs::remove_all(folder);
}

TEST(StoreLifecycle, SchemaHasTheColumnsInOrderWithTheirTypes) {
    const fs::path folder = FreshFolder("schema");
    core::CSqlManagement store(folder / "data.db");
    const std::vector<std::string> ap_info{
        "ID INTEGER",
        "mac char(18)",
        "ap_type long",
        "ap_type_str char(33)",
        "ap_status long",
        "ap_status_str char(33)",
        "work_mode long",
        "work_mode_str char(33)",
        "mode_btn_status long",
        "up_time long",
        "up_time_str char(33)",
        "ip_mode long",
        "ip_num double",
        "ip char(16)",
        "ip_mask char(16)",
        "ip_gateway char(16)",
        "ip_dns1 char(16)",
        "ip_dns2 char(16)",
        "ap_name char(33)",
        "version char(33)",
        "restart_en long",
        "restart_type long",
        "restart_time long",
        "rf_count long",
        "rf_en long",
        "rf_type long",
        "country_code long",
        "network_mode long",
        "bandwidth long",
        "channel long",
        "expand_channel long",
        "tx_power long",
        "tx_power_min long",
        "tx_power_max long",
        "ssid_count long",
        "ssid_rf_type long",
        "ssid_id long",
        "ssid_hide long",
        "ssid_mac char(18)",
        "ssid char(33)",
        "secure_mode long",
        "secure_mode_str char(33)",
        "wpapsk_auth_type long",
        "wpapsk_key_value char(65)",
        "wpapsk_key_time long",
        "wep_auth_type long",
        "wep_key_index long",
        "wep_key_value0 char(65)",
        "wep_key_type0 long",
        "wep_key_value1 char(65)",
        "wep_key_type1 long",
        "wep_key_value2 char(65)",
        "wep_key_type2 long",
        "wep_key_value3 char(65)",
        "wep_key_type3 long",
        "wpa_auth_type long",
        "wpa_radius_ip char(16)",
        "wpa_radius_port long",
        "wpa_key char(65)",
        "wpa_key_time long",
        "bridge_work_mode long",
        "bridge_mac char(18)",
        "bridge_channel long",
        "bridge_ssid char(33)",
        "vlan_en long",
        "vlan_id long",
        "vlan_id_wlan long",
        "vlan_id_lan long",
        "bridge_transparent long",
        "bridge_transparent_str char(33)",
        "tdmaEn long",
        "tdmaEn_str char(33)",
        "vlan_pvid long",
        "vlan_id_lan3 long",
        "vlan_id_lan4 long",
        "wl_dfs long",
    };
    const std::vector<std::string> ap_other_info{
        "ID INTEGER",       "packet_count long", "packet_id long", "icount long",
        "mac char(18)",     "ssid char(33)",     "signal long",    "channel long",
        "secure_mode long", "exchannel long",    "bandwidth long",
    };
    auto columns = [&](const char* table) {
        std::vector<std::string> out;
        for (const auto& row :
             RawQuery(folder / "data.db", std::string("SELECT name,type FROM pragma_table_info('") +
                                              table + "') ORDER BY cid"))
            out.push_back(row[0] + " " + row[1]);
        return out;
    };
    EXPECT_EQ(ap_info.size(), 76u);
    EXPECT_EQ(columns("ap_info"), ap_info);
    EXPECT_EQ(columns("ap_other_info"), ap_other_info);
    const auto id = RawQuery(folder / "data.db",
                             "SELECT sql LIKE '%ID INTEGER PRIMARY KEY AUTOINCREMENT%' "
                             "FROM sqlite_schema WHERE type='table' AND name LIKE 'ap_%' "
                             "ORDER BY name");
    EXPECT_EQ(id, (std::vector<RawRow>{{"1"}, {"1"}}));
    fs::remove_all(folder);
}

// A store whose file cannot be made: it says so once and then fails every operation.
TEST(StoreLifecycle, UnopenableDatabaseNotifiesOnceAndFailsEverything) {
    const fs::path folder = FreshFolder("unopenable");
    std::ofstream(folder / "plain-file") << "x";
    std::vector<fs::path> paths{folder / "missing-folder" / "data.db",
                                folder / "plain-file" / "data.db"};
    // Permissions do not hold root back, so a read-only folder fails only for other users.
    if (::geteuid() != 0) {
        fs::create_directory(folder / "read-only");
        fs::permissions(folder / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
        paths.push_back(folder / "read-only" / "data.db");
    }
    for (const auto& path : paths) {
        SCOPED_TRACE(path.string());
        std::vector<std::string> messages;
        core::CSqlManagement store(path,
                                   [&](const std::string& text) { messages.push_back(text); });
        EXPECT_EQ(messages,
                  std::vector<std::string>{"Failed to open database, unable to get data."});
        EXPECT_FALSE(store.IsOpen());

        const auto record = Device("00:00:00:00:00:01", "10.0.0.1");
        core::SurveyPacket packet;
        packet.icount = 1;
        packet.entries.resize(1);
        EXPECT_FALSE(store.SaveDevice(record));
        EXPECT_FALSE(store.SaveSurveyedAps(packet));
        EXPECT_FALSE(store.DeleteDevice("00:00:00:00:00:01"));
        EXPECT_FALSE(store.UpdateUptime("00:00:00:00:00:01", "10.0.0.1", 1));
        EXPECT_FALSE(store.SetDeviceStatus("00:00:00:00:00:01", 1));
        EXPECT_FALSE(store.MarkUpgrading("00:00:00:00:00:01"));
        EXPECT_FALSE(store.QueryDevices(core::kSortIp, true, "", 30, 1).has_value());
        EXPECT_FALSE(store.QueryDevices(core::kSortIp, true, "x", 30, 1).has_value());
        EXPECT_FALSE(store.GetDevice("00:00:00:00:00:01").has_value());
        EXPECT_FALSE(store.GetDevice("").has_value());
        EXPECT_FALSE(store.GetAllIp().has_value());
        EXPECT_FALSE(store.GetAllMac().has_value());
        EXPECT_FALSE(store.QuerySurveyedAps(core::kSurveySortMac, true).has_value());
        EXPECT_FALSE(store.GetSurveyedAp("02:00:00:00:00:01").has_value());
        EXPECT_FALSE(store.DeleteSurveyedAps());
        EXPECT_FALSE(store.IsUpgradeWaiting("00:00:00:00:00:01"));
        EXPECT_FALSE(store.ClearUpgradeFail("00:00:00:00:00:01"));
        EXPECT_EQ(store.GetDeviceStatus("00:00:00:00:00:01"), 0u);
        EXPECT_FALSE(store.HasBridgedStation("00:00:00:00:00:01"));
        EXPECT_FALSE(store.FindBridgePeer("00:00:00:00:00:01").has_value());
        EXPECT_FALSE(store.ExecuteSql("DELETE FROM ap_info"));
        EXPECT_EQ(messages.size(), 1u);
    }
    std::error_code ignored;  // there is no such folder when running as root
    fs::permissions(folder / "read-only", fs::perms::owner_all, fs::perm_options::replace, ignored);
    fs::remove_all(folder);
}

// Restores one environment variable when the test ends.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(StoreLifecycle, ScratchFileIsInTheProgramFolderWhenItCanBeWritten) {
    const fs::path folder = FreshFolder("location");
    const fs::path runtime = FreshFolder("runtime");
    const std::string own = "brelvo-data-" + std::to_string(::getuid()) + ".db";
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", runtime.c_str());
        EXPECT_EQ(core::ScratchDatabasePath(folder), folder / "data.db");
        EXPECT_EQ(core::ScratchDatabasePath(folder / "missing"), runtime / own);
    }
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", (folder / "missing").c_str());
        EXPECT_EQ(core::ScratchDatabasePath(folder / "missing"), fs::path("/tmp") / own);
    }
    {
        const ScopedEnv env("XDG_RUNTIME_DIR", nullptr);
        EXPECT_EQ(core::ScratchDatabasePath(folder / "missing"), fs::path("/tmp") / own);
    }
    fs::remove_all(folder);
    fs::remove_all(runtime);
}

}  // namespace
}  // namespace brelvo::test
