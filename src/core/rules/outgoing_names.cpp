#include "core/rules/outgoing_names.h"

#include <span>
#include <string>

#include "core/protocol/device_text.h"
#include "core/rules/validation.h"
#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

void PrepareField(std::span<char> field, uint8_t& length) {
    const std::string text = ReadTextField(field, length);
    if (!ContainsCjkCharacter(Utf8ToUtf16(text)))
        return;
    WriteTextField(field, length, EncodeOutgoingText(text, field.size()));
}

}  // namespace

name_block MakeNameBlock(std::string_view utf8_name) {
    auto block = ZeroBlock<name_block>();
    WriteTextField(block.ap_name, block.ap_name_len,
                   EncodeOutgoingText(utf8_name, sizeof block.ap_name));
    return block;
}

void PrepareOutgoingName(name_block& block) {
    PrepareField(block.ap_name, block.ap_name_len);
}

void PrepareOutgoingSsid(radio_block& block) {
    PrepareField(block.ssid, block.ssid_len);
}

}  // namespace brelvo::core
