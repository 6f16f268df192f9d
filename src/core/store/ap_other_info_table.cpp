#include "core/store/ap_other_info_table.h"

#include <algorithm>
#include <cstring>

#include "core/protocol/address_text.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

const std::string& ApOtherInfoCreateStatement() {
    static const std::string text =
        "CREATE TABLE ap_other_info(ID INTEGER PRIMARY KEY AUTOINCREMENT,packet_count long,"
        "packet_id long,icount long,mac char(18),ssid char(33),signal long,channel long,"
        "secure_mode long,exchannel long,bandwidth long)";
    return text;
}

const std::string& ApOtherInfoInsertStatement() {
    static const std::string text =
        "INSERT INTO ap_other_info(packet_count,packet_id,icount,mac,ssid,signal,channel,"
        "secure_mode,exchannel,bandwidth) VALUES(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)";
    return text;
}

const std::string& ApOtherInfoUpdateByIdStatement() {
    static const std::string text =
        "UPDATE ap_other_info SET packet_count=?1,packet_id=?2,icount=?3,mac=?4,ssid=?5,"
        "signal=?6,channel=?7,secure_mode=?8,exchannel=?9,bandwidth=?10 WHERE ID=?11";
    return text;
}

const std::string& ApOtherInfoReadBackColumnList() {
    static const std::string text = "mac,ssid,channel,secure_mode,signal,exchannel,bandwidth";
    return text;
}

std::vector<SqlValue> SurveyRowValues(uint8_t packet_count, uint8_t packet_id, uint8_t icount,
                                      const config_otherwl_basic& entry) {
    std::vector<SqlValue> values;
    values.reserve(10);
    values.emplace_back(int64_t{packet_count});
    values.emplace_back(int64_t{packet_id});
    values.emplace_back(int64_t{icount});
    values.emplace_back(MacBytesToText(entry.mac));
    values.emplace_back(ReadTextField(entry.ssid, entry.ssid_len));
    values.emplace_back(int64_t{entry.signal});  // signed: -70 stays -70
    values.emplace_back(int64_t{entry.channel});
    values.emplace_back(int64_t{entry.secure_mode});
    values.emplace_back(int64_t{entry.exchannel});
    values.emplace_back(int64_t{entry.bandwidth});
    return values;
}

config_otherwl_basic ReadSurveyRow(const CADORecordset& row) {
    config_otherwl_basic entry;
    std::memset(&entry, 0, sizeof entry);
    const auto mac = MacTextToBytes(TrimBlanks(row.GetText(0)));
    std::memcpy(entry.mac, mac.data(), mac.size());
    const std::string_view ssid = TrimBlanks(row.GetText(1));
    const std::size_t count = std::min(ssid.size(), sizeof entry.ssid);
    std::copy_n(ssid.data(), count, entry.ssid);
    entry.ssid_len = static_cast<uint8_t>(count);
    entry.channel = static_cast<uint8_t>(row.GetInt(2));
    entry.secure_mode = static_cast<uint8_t>(row.GetInt(3));
    entry.signal = static_cast<int8_t>(row.GetInt(4));
    entry.exchannel = static_cast<uint8_t>(row.GetInt(5));
    entry.bandwidth = static_cast<uint8_t>(row.GetInt(6));
    return entry;
}

}  // namespace brelvo::core
