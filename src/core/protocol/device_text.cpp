#include "core/protocol/device_text.h"

#include <algorithm>

#include "core/protocol/device_record.h"

namespace brelvo::core {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 character at text[pos], or 0 when the bytes there are not one
// (including a character cut off by the end of the text).
std::size_t CharacterLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (pos + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + k])))
            return 0;
    }
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    // Overlong forms, surrogates and code points above U+10FFFF.
    if (lead == 0xE0 && second < 0xA0)
        return 0;
    if (lead == 0xED && second >= 0xA0)
        return 0;
    if (lead == 0xF0 && second < 0x90)
        return 0;
    if (lead == 0xF4 && second >= 0x90)
        return 0;
    return length;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::size_t CompleteUtf8Prefix(std::string_view text) {
    // Step back over at most three continuation bytes to the start of the last character; keep
    // it only when it is whole.
    std::size_t start = text.size();
    for (int back = 0; back < 4 && start > 0; ++back) {
        --start;
        if (!IsContinuation(static_cast<unsigned char>(text[start])))
            break;
    }
    if (start == text.size())
        return text.size();
    const auto lead = static_cast<unsigned char>(text[start]);
    const std::size_t expected = lead < 0x80    ? 1
                                 : lead >= 0xF0 ? 4
                                 : lead >= 0xE0 ? 3
                                 : lead >= 0xC0 ? 2
                                                : 1;
    return start + expected <= text.size() ? text.size() : start;
}

std::string DeviceTextFromWire(std::string_view raw) {
    if (IsAscii(raw))
        return std::string(raw);
    const std::string_view whole = raw.substr(0, CompleteUtf8Prefix(raw));
    std::string out;
    out.reserve(whole.size());
    std::size_t pos = 0;
    while (pos < whole.size()) {
        const std::size_t length = CharacterLength(whole, pos);
        if (length == 0) {
            out += '?';
            ++pos;
        } else {
            out.append(whole.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

void ConvertIncomingField(std::span<char> field, uint8_t& length) {
    const std::string text = DeviceTextFromWire(ReadTextField(field, length));
    WriteTextField(field, length, text);
}

std::string EncodeOutgoingText(std::string_view utf8, std::size_t field_size) {
    const std::string_view cut = utf8.substr(0, std::min(utf8.size(), field_size));
    if (cut.size() == utf8.size())
        return std::string(cut);
    // Cut inside the text: drop a character the cut split, measured against the whole text.
    std::size_t end = cut.size();
    while (end > 0 && IsContinuation(static_cast<unsigned char>(utf8[end])))
        --end;
    return std::string(utf8.substr(0, end));
}

}  // namespace brelvo::core
