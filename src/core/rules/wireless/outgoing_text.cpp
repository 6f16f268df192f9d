#include "core/rules/wireless/outgoing_text.h"

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

}  // namespace brelvo::core
