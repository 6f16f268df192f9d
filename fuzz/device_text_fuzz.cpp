// Texts in device fields (names, SSIDs, versions): a device may send any bytes in them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/protocol/device_text.h"
#include "core/support/text_codec.h"
#include "fuzz_check.h"

namespace core = brelvo::core;

namespace {

bool IsWellFormedUtf8(std::string_view text) {
    return core::Utf16ToUtf8(core::Utf8ToUtf16(text)) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::string text = core::DeviceTextFromWire(raw);
    FUZZ_CHECK(text.size() <= raw.size(), "never longer than its field");
    FUZZ_CHECK(IsWellFormedUtf8(text), "always well-formed UTF-8");
    if (IsWellFormedUtf8(raw))
        FUZZ_CHECK(text == raw, "a well-formed text is kept as it came");

    // The same through a fixed 32-byte field whose length byte is the first input byte.
    char field[32]{};
    std::memcpy(field, raw.data() + (size > 0), std::min<std::size_t>(32, size - (size > 0)));
    uint8_t length = size > 0 ? data[0] : 0;
    core::ConvertIncomingField(field, length);
    FUZZ_CHECK(length <= sizeof(field), "the length stays inside the field");
    FUZZ_CHECK(IsWellFormedUtf8(std::string_view(field, length)),
               "the field holds well-formed text");

    const std::string outgoing = core::EncodeOutgoingText(text, 32);
    FUZZ_CHECK(outgoing.size() <= 32 && IsWellFormedUtf8(outgoing),
               "an outgoing text fits its field");
    return 0;
}
