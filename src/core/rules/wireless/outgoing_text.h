// Texts the operator typed, on their way into a device's fixed text fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace brelvo::core {

// Writes the operator's text into a fixed field and its length byte: as UTF-8, cut so that no
// character is split, zero-filled; the length byte counts the bytes written.
void WriteOperatorText(std::span<char> field, uint8_t& length, std::u16string_view text);

template <std::size_t N>
void WriteOperatorText(char (&field)[N], uint8_t& length, std::u16string_view text) {
    WriteOperatorText(std::span<char>(field, N), length, text);
}

// The last step before a text field leaves in a request: a text holding a Chinese character is
// rewritten as UTF-8 and its length byte set to the bytes now in the field. The program's own
// 8-bit text already is UTF-8, so this only makes sure the field holds whole characters and a
// length byte that matches them; any other text goes out as it stands.
void PrepareOutgoingField(std::span<char> field, uint8_t& length);

template <std::size_t N>
void PrepareOutgoingField(char (&field)[N], uint8_t& length) {
    PrepareOutgoingField(std::span<char>(field, N), length);
}

}  // namespace brelvo::core
