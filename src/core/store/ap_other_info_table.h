// The ap_other_info table: one row per access point of the latest site survey.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/protocol/device_record.h"
#include "core/store/ado_recordset.h"

namespace brelvo::core {

const std::string& ApOtherInfoCreateStatement();
// ?1..?10: packet_count, packet_id, icount, mac, ssid, signal, channel, secure_mode,
// exchannel, bandwidth; the update has the ID as ?11.
const std::string& ApOtherInfoInsertStatement();
const std::string& ApOtherInfoUpdateByIdStatement();
// "mac,ssid,channel,secure_mode,signal,exchannel,bandwidth"
const std::string& ApOtherInfoReadBackColumnList();

// The values of one entry's row in the order of the insert statement.
std::vector<SqlValue> SurveyRowValues(uint8_t packet_count, uint8_t packet_id, uint8_t icount,
                                      const config_otherwl_basic& entry);

// A zeroed entry filled from the columns of ApOtherInfoReadBackColumnList, from column 0.
config_otherwl_basic ReadSurveyRow(const CADORecordset& row);

}  // namespace brelvo::core
