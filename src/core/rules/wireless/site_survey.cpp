#include "core/rules/wireless/site_survey.h"

#include <array>

#include "core/protocol/address_text.h"

namespace brelvo::core {

std::string_view SurveySecurityText(uint32_t survey_code) {
    constexpr std::array<std::string_view, 10> kTexts{
        "None",
        "WEP",
        "WPA-PSK/AES",
        "WPA-PSK/TKIP",
        "WPA2-PSK/AES",
        "WPA2-PSK/TKIP",
        "WPA2-PSK/TKIP&AES",
        "WPA/WPA2-PSK/AES",
        "WPA/WPA2-PSK/TKIP",
        "WPA/WPA2-PSK/TKIP&AES",
    };
    return survey_code < kTexts.size() ? kTexts[survey_code] : "WPA-PSK/TKIP&AES";
}

int SignalPicture(int8_t signal) {
    if (signal >= -59)
        return 5;
    if (signal >= -74)
        return 3;
    return 1;
}

SurveyRow MakeSurveyRow(const config_otherwl_basic& entry) {
    return {ReadTextField(entry.ssid, entry.ssid_len), std::to_string(entry.channel),
            MacBytesToText(entry.mac), std::string(SurveySecurityText(entry.secure_mode)),
            SignalPicture(entry.signal)};
}

SurveySortKey SurveySortKeyForColumn(int column) {
    switch (column) {
        case kSurveyColumnChannel:
            return kSurveySortChannel;
        case kSurveyColumnMac:
            return kSurveySortMac;
        case kSurveyColumnSecurity:
            return kSurveySortSecureMode;
        case kSurveyColumnSignal:
            return kSurveySortSignal;
        default:
            return kSurveySortSsid;
    }
}

bool SurveySort::ClickHeader(int column) {
    if (column < kSurveyColumnSsid || column > kSurveyColumnSignal)
        return false;
    direction_ = direction_ == 0 ? 1 : 0;
    column_ = column;
    return true;
}

void SurveySelection::ToggleRow(std::size_t row) {
    ticked_ = ticked_ == row ? std::nullopt : std::optional<std::size_t>(row);
    next_enabled_ = ticked_.has_value();
}

void SurveySelection::ListRefilled() {
    ticked_.reset();
    next_enabled_ = false;
}

bool SurveyScanClock::Tick(bool survey_complete) {
    if (!running_)
        return false;
    ++ticks_;
    if (ticks_ >= kMaxTicks || survey_complete) {
        running_ = false;
        return true;
    }
    return false;
}

}  // namespace brelvo::core
