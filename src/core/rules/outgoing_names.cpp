#include "core/rules/outgoing_names.h"

#include <string>

#include "core/protocol/device_record.h"
#include "core/protocol/device_text.h"
#include "core/rules/validation.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

void WriteOperatorText(std::span<char> field, uint8_t& length, std::u16string_view text) {
    WriteTextField(field, length, EncodeOutgoingText(Utf16ToUtf8(text), field.size()));
}

void PrepareOutgoingField(std::span<char> field, uint8_t& length) {
    const std::string text = ReadTextField(field, length);
    if (!ContainsCjkCharacter(Utf8ToUtf16(text)))
        return;
    const std::string whole = text.substr(0, CompleteUtf8Prefix(text));
    WriteTextField(field, length, EncodeOutgoingText(whole, field.size()));
}

name_block MakeNameBlock(std::string_view utf8_name) {
    auto block = ZeroBlock<name_block>();
    WriteTextField(block.ap_name, block.ap_name_len,
                   EncodeOutgoingText(utf8_name, sizeof block.ap_name));
    return block;
}

void PrepareOutgoingName(name_block& block) {
    PrepareOutgoingField(block.ap_name, block.ap_name_len);
}

void PrepareOutgoingSsid(radio_block& block) {
    PrepareOutgoingField(block.ssid, block.ssid_len);
}

}  // namespace brelvo::core
