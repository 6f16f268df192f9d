// Names, SSIDs and keys on their way into a request. The program's 8-bit text is UTF-8, as is
// the devices' character set, so the conversion a Chinese text needs only has to keep the field
// free of a split character and its length byte equal to the bytes in the field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/protocol/request_blocks.h"

namespace brelvo::core {

// Writes the operator's text into a fixed field and its length byte: as UTF-8, cut so that no
// character is split, zero-filled; the length byte counts the bytes written.
void WriteOperatorText(std::span<char> field, uint8_t& length, std::u16string_view text);

template <std::size_t N>
void WriteOperatorText(char (&field)[N], uint8_t& length, std::u16string_view text) {
    WriteOperatorText(std::span<char>(field, N), length, text);
}

// The last step before a text field leaves in a request: a text holding a Chinese character is
// rewritten as whole UTF-8 characters with a length byte that matches them; any other text goes
// out as it stands.
void PrepareOutgoingField(std::span<char> field, uint8_t& length);

template <std::size_t N>
void PrepareOutgoingField(char (&field)[N], uint8_t& length) {
    PrepareOutgoingField(std::span<char>(field, N), length);
}

// The payload of the rename request for a name (UTF-8): at most 32 bytes, cut before a
// character that would not fit, zero-filled, and its byte count.
name_block MakeNameBlock(std::string_view utf8_name);

void PrepareOutgoingName(name_block& block);
void PrepareOutgoingSsid(radio_block& block);

}  // namespace brelvo::core
