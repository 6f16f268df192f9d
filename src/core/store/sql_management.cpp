#include "core/store/sql_management.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "core/protocol/address_text.h"
#include "core/protocol/value_texts.h"
#include "core/store/ap_info_table.h"
#include "core/store/ap_other_info_table.h"
#include "core/store/scratch_location.h"
#include "core/store/search_match.h"
#include "core/store/sort_run.h"
#include "core/support/system_info.h"
#include "core/support/text_codec.h"
#include "core/support/translation.h"

namespace brelvo::core {

enum class StoreStatement : int {
    kFindDeviceId,
    kInsertDevice,
    kUpdateDevice,
    kGetDevice,
    kGetFirstDevice,
    kAllIp,
    kAllMac,
    kDeleteDevice,
    kUpdateUptime,
    kSetStatus,
    kSetStatusFrom,
    kHasStatus,
    kGetStatus,
    kBridgeOf,
    kStationPointingAt,
    kAccessPointWithSsidMac,
    kDeviceById,
    kFindSurveyId,
    kInsertSurvey,
    kUpdateSurvey,
    kGetSurveyedAp,
    kDeleteSurveyedAps,
};

namespace {

// The columns of ap_info the device lists search, in the order the operator's eye reads a row.
constexpr std::array<std::string_view, 14> kSearchedColumns{
    "ap_name",       "ip",          "mac",           "ssid",           "version",
    "work_mode_str", "channel",     "ap_type_str",   "tx_power",       "bridge_transparent_str",
    "tdmaEn_str",    "up_time_str", "ap_status_str", "secure_mode_str"};

// The columns a list can be sorted by that the search does not already read.
constexpr std::array<std::string_view, 8> kSortOnlyColumns{
    "ap_status",          "ip_num", "ap_type", "work_mode", "secure_mode",
    "bridge_transparent", "tdmaEn", "up_time"};

template <std::size_t N>
std::string JoinedColumns(const std::array<std::string_view, N>& columns, std::string_view prefix) {
    std::string text;
    for (const auto column : columns) {
        if (!text.empty())
            text += ',';
        text += prefix;
        text += column;
    }
    return text;
}

// Every list query reads the searched columns, the status and one sort column of every row.
// An index that holds exactly those spares the scan the 76-column rows, whose far columns
// cost more to reach than the search itself; saves pay a little for keeping it.
std::string ListIndexStatement() {
    return "CREATE INDEX ap_info_list ON ap_info(" + JoinedColumns(kSearchedColumns, "") + "," +
           JoinedColumns(kSortOnlyColumns, "") + ")";
}

std::string SearchClause() {
    return " WHERE " + std::string(kMatchFunction) + "(?1," +
           JoinedColumns(kSearchedColumns, "ap_info.") + ")";
}

struct SortColumn {
    std::string_view name;
    bool is_text;  // texts sort without regard to case, as the search compares them
};

constexpr std::array<SortColumn, 14> kDeviceSortColumns{{
    {"mac", true},
    {"ip_num", false},
    {"ap_name", true},
    {"ap_type", false},
    {"work_mode", false},
    {"ssid", true},
    {"channel", false},
    {"secure_mode", false},
    {"tx_power", false},
    {"version", true},
    {"bridge_transparent", false},
    {"tdmaEn", false},
    {"up_time", false},
    {"ap_status", false},
}};

constexpr std::array<SortColumn, 5> kSurveySortColumns{{
    {"mac", true},
    {"ssid", true},
    {"channel", false},
    {"secure_mode", false},
    {"signal", false},
}};

// Equal sort values fall back to the order the rows were stored in, so that paging through a
// list never shows a row twice or skips one.
std::string OrderClause(std::string_view table, const SortColumn& column, bool ascending) {
    std::string text = " ORDER BY " + std::string(table) + "." + std::string(column.name);
    if (column.is_text)
        text += " COLLATE " + std::string(kFoldCollation);
    text += ascending ? " ASC" : " DESC";
    return text + ", " + std::string(table) + ".ID ASC";
}

std::string StatementText(StoreStatement which) {
    const std::string read_back = ApInfoReadBackColumnList();
    const std::string survey_read_back = ApOtherInfoReadBackColumnList();
    switch (which) {
        case StoreStatement::kFindDeviceId:
            return "SELECT ID FROM ap_info WHERE mac=?1 ORDER BY ID LIMIT 1";
        case StoreStatement::kInsertDevice:
            return ApInfoInsertStatement();
        case StoreStatement::kUpdateDevice:
            return ApInfoUpdateByIdStatement();
        case StoreStatement::kGetDevice:
            return "SELECT " + read_back + " FROM ap_info WHERE mac=?1 ORDER BY ID LIMIT 1";
        case StoreStatement::kGetFirstDevice:
            return "SELECT " + read_back + " FROM ap_info ORDER BY ID LIMIT 1";
        case StoreStatement::kAllIp:
            return "SELECT ip FROM ap_info ORDER BY ID";
        case StoreStatement::kAllMac:
            return "SELECT mac FROM ap_info ORDER BY ID";
        case StoreStatement::kDeleteDevice:
            return "DELETE FROM ap_info WHERE mac=?1";
        case StoreStatement::kUpdateUptime:
            return "UPDATE ap_info SET up_time=?2,up_time_str=?3,ip=?4,ip_num=?5 WHERE mac=?1";
        case StoreStatement::kSetStatus:
            return "UPDATE ap_info SET ap_status=?2,ap_status_str=?3 WHERE mac=?1";
        case StoreStatement::kSetStatusFrom:
            return "UPDATE ap_info SET ap_status=?2,ap_status_str=?3 WHERE mac=?1 AND ap_status=?4";
        case StoreStatement::kHasStatus:
            return "SELECT 1 FROM ap_info WHERE mac=?1 AND ap_status=?2 LIMIT 1";
        case StoreStatement::kGetStatus:
            return "SELECT ap_status FROM ap_info WHERE mac=?1 ORDER BY ID LIMIT 1";
        case StoreStatement::kBridgeOf:
            return "SELECT work_mode,ssid_mac,bridge_mac FROM ap_info WHERE mac=?1 ORDER BY ID "
                   "LIMIT 1";
        case StoreStatement::kStationPointingAt:
            return "SELECT mac FROM ap_info WHERE work_mode=2 AND bridge_mac=?1 ORDER BY ID LIMIT "
                   "1";
        case StoreStatement::kAccessPointWithSsidMac:
            return "SELECT mac FROM ap_info WHERE work_mode<>2 AND ssid_mac=?1 ORDER BY ID "
                   "LIMIT 1";
        case StoreStatement::kDeviceById:
            return "SELECT " + read_back + " FROM ap_info WHERE ID=?1";
        case StoreStatement::kFindSurveyId:
            return "SELECT ID FROM ap_other_info WHERE mac=?1 ORDER BY ID LIMIT 1";
        case StoreStatement::kInsertSurvey:
            return ApOtherInfoInsertStatement();
        case StoreStatement::kUpdateSurvey:
            return ApOtherInfoUpdateByIdStatement();
        case StoreStatement::kGetSurveyedAp:
            return "SELECT " + survey_read_back +
                   " FROM ap_other_info WHERE mac=?1 ORDER BY ID LIMIT 1";
        case StoreStatement::kDeleteSurveyedAps:
            return "DELETE FROM ap_other_info";
    }
    return {};
}

// A MAC text that names no interface: a device whose report left it zero has no bridge peer,
// however many other devices carry a zero MAC too.
bool NamesNoInterface(std::string_view mac_text) {
    return mac_text.empty() || mac_text == "00:00:00:00:00:00";
}

std::mutex& NotifierMutex() {
    static std::mutex mutex;
    return mutex;
}
CSqlManagement::FailureNotifier& InstalledNotifier() {
    static CSqlManagement::FailureNotifier notifier;
    return notifier;
}
CSqlManagement::FailureNotifier CurrentNotifier() {
    const std::lock_guard lock(NotifierMutex());
    return InstalledNotifier();
}

constexpr int kExecuteAttempts = 3;

}  // namespace

CSqlManagement& CSqlManagement::GetInstance() {
    static CSqlManagement instance(ScratchDatabasePath(GetProgramFolder()), CurrentNotifier());
    return instance;
}

void CSqlManagement::SetOpenFailureNotifier(FailureNotifier notifier) {
    const std::lock_guard lock(NotifierMutex());
    InstalledNotifier() = std::move(notifier);
}

CSqlManagement::CSqlManagement(std::filesystem::path database_file, FailureNotifier notifier)
    : database_file_(std::move(database_file)) {
    if (!OpenDatabase() && notifier)
        notifier(Translate("Failed to open database, unable to get data."));
}

CSqlManagement::~CSqlManagement() {
    const std::lock_guard lock(mutex_);
    scan_statements_.clear();
    prepared_.clear();
    database_.Close();
    std::error_code ignored;
    std::filesystem::remove(database_file_, ignored);
}

bool CSqlManagement::OpenDatabase() {
    // Nothing survives from one run to the next. A file that cannot be deleted (held by
    // someone else) is used as it is, with whatever tables it has.
    std::error_code ignored;
    std::filesystem::remove(database_file_, ignored);
    const bool fresh = database_.CreateDatabaseFile(database_file_);
    if (!database_.Open(database_file_))
        return false;
    // SQLite opens any file; it is a database only when its schema can be read.
    if (!database_.Execute("SELECT count(*) FROM sqlite_schema")) {
        database_.Close();
        return false;
    }
    // Scratch space: losing it in a crash costs nothing, and the next run deletes it anyway.
    database_.Execute("PRAGMA journal_mode=MEMORY");
    database_.Execute("PRAGMA synchronous=OFF");
    database_.Execute("PRAGMA temp_store=MEMORY");
    // The file is ours alone: holding its lock spares the lock and journal checks around every
    // statement, which otherwise cost more than the statement itself.
    database_.Execute("PRAGMA locking_mode=EXCLUSIVE");
    // Room for the whole table of a large segment (10,000 devices take about 8 MB), so a list
    // query does not read its pages back from the file.
    database_.Execute("PRAGMA cache_size=-32768");
    if (fresh) {
        // A statement that fails leaves the others to run; the operations that need the missing
        // table then fail on their own.
        database_.Execute(ApInfoCreateStatement());
        database_.Execute(ApOtherInfoCreateStatement());
        // Every writer looks rows up by mac.
        database_.Execute("CREATE INDEX ap_info_mac ON ap_info(mac)");
        database_.Execute("CREATE INDEX ap_other_info_mac ON ap_other_info(mac)");
        database_.Execute(ListIndexStatement());
    }
    RegisterSearchFunctions(database_.Handle());
    return true;
}

bool CSqlManagement::IsOpen() const {
    const std::lock_guard lock(mutex_);
    return database_.IsOpen();
}

CADORecordset* CSqlManagement::Prepared(Sql which) {
    auto found = prepared_.find(which);
    if (found != prepared_.end())
        return &found->second;
    CADORecordset recordset;
    if (!recordset.Open(database_, StatementText(which)))
        return nullptr;
    return &prepared_.emplace(which, std::move(recordset)).first->second;
}

CADORecordset* CSqlManagement::PreparedScan(int sort_key, bool searching) {
    const int cache_key = sort_key * 2 + (searching ? 1 : 0);
    auto found = scan_statements_.find(cache_key);
    if (found != scan_statements_.end())
        return &found->second;
    const std::string text = "SELECT ID,ap_status,ap_info." +
                             std::string(kDeviceSortColumns[sort_key].name) + " FROM ap_info" +
                             (searching ? SearchClause() : std::string());
    CADORecordset recordset;
    if (!recordset.Open(database_, text))
        return nullptr;
    return &scan_statements_.emplace(cache_key, std::move(recordset)).first->second;
}

bool CSqlManagement::ExecuteSql(std::string_view statement) {
    for (int attempt = 0; attempt < kExecuteAttempts; ++attempt) {
        const std::lock_guard lock(mutex_);
        if (database_.IsOpen() && database_.Execute(statement))
            return true;
    }
    return false;
}

bool CSqlManagement::ExecuteOnce(Sql which, std::string_view text) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return false;
    CADORecordset* statement = Prepared(which);
    if (statement == nullptr)
        return false;
    const RecordsetUse use(*statement);
    if (which != Sql::kDeleteSurveyedAps && !statement->Bind(1, text))
        return false;
    return statement->Execute();
}

bool CSqlManagement::ExecuteWithRetries(Sql which, std::string_view text) {
    for (int attempt = 0; attempt < kExecuteAttempts; ++attempt) {
        if (ExecuteOnce(which, text))
            return true;
    }
    return false;
}

bool CSqlManagement::SaveDevice(const ap_info_stu& record) {
    // The texts are made before the lock is taken, so the engine's workers hold it briefly.
    const std::vector<SqlValue> values = DeviceRowValues(record);
    const std::string mac = RecordMac(record);

    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return false;
    CADORecordset* find = Prepared(Sql::kFindDeviceId);
    if (find == nullptr)
        return false;
    std::optional<int64_t> id;
    {
        const RecordsetUse use(*find);
        if (!find->Bind(1, mac))
            return false;
        const auto step = find->MoveNext();
        if (step == CADORecordset::Step::kError)
            return false;
        if (step == CADORecordset::Step::kRow)
            id = find->GetInt(0);
    }
    CADORecordset* write = Prepared(id ? Sql::kUpdateDevice : Sql::kInsertDevice);
    if (write == nullptr)
        return false;
    const RecordsetUse use(*write);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!write->BindValue(static_cast<int>(i + 1), values[i]))
            return false;
    }
    if (id && !write->Bind(static_cast<int>(values.size() + 1), *id))
        return false;
    return write->Execute();
}

bool CSqlManagement::SaveSurveyedAps(const SurveyPacket& packet) {
    // icount may claim more entries than the packet carries; only the ones present are written.
    const std::size_t count = std::min<std::size_t>(packet.icount, packet.entries.size());
    std::vector<std::vector<SqlValue>> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        rows.push_back(SurveyRowValues(packet.packet_count, packet.packet_id, packet.icount,
                                       packet.entries[i]));
    }

    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return false;
    CADORecordset* find = Prepared(Sql::kFindSurveyId);
    CADORecordset* insert = Prepared(Sql::kInsertSurvey);
    CADORecordset* update = Prepared(Sql::kUpdateSurvey);
    if (find == nullptr || insert == nullptr || update == nullptr)
        return false;
    // One transaction for the packet: a survey lists many access points at once.
    const bool in_transaction = database_.Execute("BEGIN");
    bool all_written = true;
    for (const auto& values : rows) {
        std::optional<int64_t> id;
        {
            const RecordsetUse use(*find);
            const auto& mac = std::get<std::string>(values[3]);
            const auto step = find->Bind(1, mac) ? find->MoveNext() : CADORecordset::Step::kError;
            if (step == CADORecordset::Step::kError) {
                all_written = false;
                continue;
            }
            if (step == CADORecordset::Step::kRow)
                id = find->GetInt(0);
        }
        CADORecordset& write = id ? *update : *insert;
        const RecordsetUse use(write);
        bool bound = true;
        for (std::size_t i = 0; i < values.size(); ++i)
            bound = bound && write.BindValue(static_cast<int>(i + 1), values[i]);
        if (id)
            bound = bound && write.Bind(static_cast<int>(values.size() + 1), *id);
        all_written = bound && write.Execute() && all_written;
    }
    if (in_transaction && !database_.Execute("COMMIT")) {
        // Leaving the transaction open would swallow every later write of the store.
        database_.Execute("ROLLBACK");
        return false;
    }
    return all_written;
}

bool CSqlManagement::DeleteDevice(std::string_view mac) {
    return ExecuteWithRetries(Sql::kDeleteDevice, mac);
}

bool CSqlManagement::DeleteSurveyedAps() {
    return ExecuteWithRetries(Sql::kDeleteSurveyedAps, {});
}

bool CSqlManagement::UpdateUptime(std::string_view mac, std::string_view ip, uint32_t up_time) {
    const std::string up_time_text = UptimeText(up_time);
    const double ip_number = IpTextToNumber(ip);

    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return false;
    CADORecordset* statement = Prepared(Sql::kUpdateUptime);
    if (statement == nullptr)
        return false;
    const RecordsetUse use(*statement);
    const bool bound = statement->Bind(1, mac) && statement->Bind(2, int64_t{up_time}) &&
                       statement->Bind(3, up_time_text) && statement->Bind(4, ip) &&
                       statement->Bind(5, ip_number);
    return bound && statement->Execute() && database_.RowsAffected() > 0;
}

bool CSqlManagement::SetStatusWhere(std::string_view mac, uint32_t status,
                                    std::optional<uint32_t> required_status) {
    const std::string status_text = StatusText(status);

    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return false;
    CADORecordset* statement = Prepared(required_status ? Sql::kSetStatusFrom : Sql::kSetStatus);
    if (statement == nullptr)
        return false;
    const RecordsetUse use(*statement);
    bool bound = statement->Bind(1, mac) && statement->Bind(2, int64_t{status}) &&
                 statement->Bind(3, status_text);
    if (required_status)
        bound = bound && statement->Bind(4, int64_t{*required_status});
    return bound && statement->Execute() && database_.RowsAffected() > 0;
}

bool CSqlManagement::SetDeviceStatus(std::string_view mac, uint32_t status) {
    return SetStatusWhere(mac, status, std::nullopt);
}

bool CSqlManagement::MarkUpgrading(std::string_view mac) {
    return SetStatusWhere(mac, kStatusUpgrading, kStatusUpgradeWaiting);
}

bool CSqlManagement::ClearUpgradeFail(std::string_view mac) {
    return SetStatusWhere(mac, kStatusOnline, kStatusUpgradeFailed);
}

bool CSqlManagement::IsUpgradeWaiting(std::string_view mac) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return false;
    CADORecordset* statement = Prepared(Sql::kHasStatus);
    if (statement == nullptr)
        return false;
    const RecordsetUse use(*statement);
    return statement->Bind(1, mac) && statement->Bind(2, int64_t{kStatusUpgradeWaiting}) &&
           statement->MoveNext() == CADORecordset::Step::kRow;
}

uint32_t CSqlManagement::GetDeviceStatus(std::string_view mac) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return 0;
    CADORecordset* statement = Prepared(Sql::kGetStatus);
    if (statement == nullptr)
        return 0;
    const RecordsetUse use(*statement);
    if (!statement->Bind(1, mac) || statement->MoveNext() != CADORecordset::Step::kRow)
        return 0;
    return static_cast<uint32_t>(statement->GetInt(0));
}

std::optional<DevicePage> CSqlManagement::QueryDevices(int sort_key, bool ascending,
                                                       std::string_view search, int page_size,
                                                       int page) {
    if (sort_key < 0 || sort_key >= static_cast<int>(kDeviceSortColumns.size()) || page_size < 1)
        return std::nullopt;
    const bool searching = !search.empty();
    const bool text_key = kDeviceSortColumns[sort_key].is_text;

    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return std::nullopt;
    CADORecordset* scan = PreparedScan(sort_key, searching);
    CADORecordset* by_id = Prepared(Sql::kDeviceById);
    if (scan == nullptr || by_id == nullptr)
        return std::nullopt;

    // One pass over the matching rows takes their sort values and counts them; the page is
    // picked from those and only its rows are read whole. A full sort of every row by the
    // database costs more than the whole rest of the query. Everything happens under one hold
    // of the lock, so the counts and the rows of one answer agree.
    DevicePage result;
    SortRun run(ascending);
    {
        const RecordsetUse use(*scan);
        if (searching && !scan->Bind(1, search))
            return std::nullopt;
        for (;;) {
            const auto step = scan->MoveNext();
            if (step == CADORecordset::Step::kDone)
                break;
            if (step == CADORecordset::Step::kError)
                return std::nullopt;
            if (scan->GetInt(1) != 0)
                ++result.online_count;
            if (text_key)
                run.AddText(scan->GetInt(0), scan->GetText(2));
            else
                run.AddNumber(scan->GetInt(0), scan->GetDouble(2));
        }
    }
    const int64_t matching = static_cast<int64_t>(run.size());
    result.page_count = static_cast<int>((matching + page_size - 1) / page_size);
    if (page < 1)
        return result;
    const std::vector<int64_t> page_ids = run.Slice((int64_t{page} - 1) * page_size, page_size);
    result.devices.reserve(page_ids.size());
    for (const int64_t id : page_ids) {
        const RecordsetUse use(*by_id);
        if (!by_id->Bind(1, id) || by_id->MoveNext() != CADORecordset::Step::kRow)
            return std::nullopt;
        result.devices.push_back(ReadDeviceRow(*by_id, 0));
    }
    return result;
}

std::optional<ap_info_stu> CSqlManagement::GetDevice(std::string_view mac) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return std::nullopt;
    CADORecordset* statement = Prepared(mac.empty() ? Sql::kGetFirstDevice : Sql::kGetDevice);
    if (statement == nullptr)
        return std::nullopt;
    const RecordsetUse use(*statement);
    if (!mac.empty() && !statement->Bind(1, mac))
        return std::nullopt;
    switch (statement->MoveNext()) {
        case CADORecordset::Step::kRow:
            return ReadDeviceRow(*statement, 0);
        case CADORecordset::Step::kDone:
            return ZeroRecord();
        case CADORecordset::Step::kError:
            break;
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> CSqlManagement::ReadTextColumn(Sql which) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return std::nullopt;
    CADORecordset* statement = Prepared(which);
    if (statement == nullptr)
        return std::nullopt;
    const RecordsetUse use(*statement);
    std::vector<std::string> texts;
    for (;;) {
        const auto step = statement->MoveNext();
        if (step == CADORecordset::Step::kDone)
            return texts;
        if (step == CADORecordset::Step::kError)
            return std::nullopt;
        texts.emplace_back(TrimBlanks(statement->GetText(0)));
    }
}

std::optional<std::vector<std::string>> CSqlManagement::GetAllIp() {
    return ReadTextColumn(Sql::kAllIp);
}

std::optional<std::vector<std::string>> CSqlManagement::GetAllMac() {
    return ReadTextColumn(Sql::kAllMac);
}

std::optional<std::vector<config_otherwl_basic>> CSqlManagement::QuerySurveyedAps(int sort_key,
                                                                                  bool ascending) {
    if (sort_key < 0 || sort_key >= static_cast<int>(kSurveySortColumns.size()))
        return std::nullopt;
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return std::nullopt;
    // Survey lists are short and read rarely; the statement is prepared for each call.
    CADORecordset statement;
    if (!statement.Open(database_,
                        "SELECT " + ApOtherInfoReadBackColumnList() + " FROM ap_other_info" +
                            OrderClause("ap_other_info", kSurveySortColumns[sort_key], ascending)))
        return std::nullopt;
    std::vector<config_otherwl_basic> entries;
    for (;;) {
        const auto step = statement.MoveNext();
        if (step == CADORecordset::Step::kDone)
            return entries;
        if (step == CADORecordset::Step::kError)
            return std::nullopt;
        entries.push_back(ReadSurveyRow(statement));
    }
}

std::optional<config_otherwl_basic> CSqlManagement::GetSurveyedAp(std::string_view mac) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return std::nullopt;
    CADORecordset* statement = Prepared(Sql::kGetSurveyedAp);
    if (statement == nullptr)
        return std::nullopt;
    const RecordsetUse use(*statement);
    if (!statement->Bind(1, mac))
        return std::nullopt;
    switch (statement->MoveNext()) {
        case CADORecordset::Step::kRow:
            return ReadSurveyRow(*statement);
        case CADORecordset::Step::kDone: {
            config_otherwl_basic empty;
            std::memset(&empty, 0, sizeof empty);
            return empty;
        }
        case CADORecordset::Step::kError:
            break;
    }
    return std::nullopt;
}

std::optional<std::string> CSqlManagement::FirstMacWhere(Sql which, std::string_view mac_value) {
    CADORecordset* statement = Prepared(which);
    if (statement == nullptr)
        return std::nullopt;
    const RecordsetUse use(*statement);
    if (!statement->Bind(1, mac_value) || statement->MoveNext() != CADORecordset::Step::kRow)
        return std::nullopt;
    return std::string(TrimBlanks(statement->GetText(0)));
}

bool CSqlManagement::HasBridgedStation(std::string_view mac) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return false;
    CADORecordset* own = Prepared(Sql::kBridgeOf);
    if (own == nullptr)
        return false;
    std::string ssid_mac;
    {
        const RecordsetUse use(*own);
        if (!own->Bind(1, mac) || own->MoveNext() != CADORecordset::Step::kRow)
            return false;
        ssid_mac = std::string(TrimBlanks(own->GetText(1)));
    }
    if (NamesNoInterface(ssid_mac))
        return false;
    return FirstMacWhere(Sql::kStationPointingAt, ssid_mac).has_value();
}

std::optional<std::string> CSqlManagement::FindBridgePeer(std::string_view mac) {
    const std::lock_guard lock(mutex_);
    if (!database_.IsOpen())
        return std::nullopt;
    CADORecordset* own = Prepared(Sql::kBridgeOf);
    if (own == nullptr)
        return std::nullopt;
    int64_t work_mode = 0;
    std::string ssid_mac;
    std::string bridge_mac;
    {
        const RecordsetUse use(*own);
        if (!own->Bind(1, mac) || own->MoveNext() != CADORecordset::Step::kRow)
            return std::nullopt;
        work_mode = own->GetInt(0);
        ssid_mac = std::string(TrimBlanks(own->GetText(1)));
        bridge_mac = std::string(TrimBlanks(own->GetText(2)));
    }
    // A station's peer is the access point whose wireless MAC the station is bridged to; an
    // access point's peer is a station bridged to its wireless MAC.
    if (work_mode == kModeStation) {
        if (NamesNoInterface(bridge_mac))
            return std::nullopt;
        return FirstMacWhere(Sql::kAccessPointWithSsidMac, bridge_mac);
    }
    if (NamesNoInterface(ssid_mac))
        return std::nullopt;
    return FirstMacWhere(Sql::kStationPointingAt, ssid_mac);
}

}  // namespace brelvo::core
