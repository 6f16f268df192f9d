// The single place where a code of the device record becomes the text the operator sees, and
// where a model text becomes a code again. Texts marked translated pass through Translate.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brelvo::core {

std::string StatusText(uint32_t ap_status);       // translated; unknown codes give ""
std::string ModelText(uint32_t ap_type);          // not translated; unknown codes give code 1's
uint16_t ModelCode(std::string_view model_text);  // exact match; no match gives 273
std::string WorkModeText(uint32_t work_mode);     // translated; unknown codes give ""
std::string SecurityText(uint32_t secure_mode);   // translated; unknown codes give ""
std::string ChannelText(uint32_t channel);        // "Auto" (translated) for 0, else the number
std::string TransparentBridgeText(uint32_t ap_type, uint32_t work_mode,
                                  uint32_t bridge_transparent);
std::string TdmaText(uint32_t ap_type, uint32_t tdma_en);
std::string UptimeText(uint32_t up_time_seconds);

// Whether the model or mode has a transparent-bridge switch / a TDMA switch at all (the lists
// show "N/A" otherwise).
bool HasTransparentBridge(uint32_t ap_type, uint32_t work_mode);
bool HasTdma(uint32_t ap_type);

constexpr std::string_view kNotApplicable = "N/A";
constexpr uint16_t kUnknownModelCode = 273;

}  // namespace brelvo::core
