// Texts in device fields. Devices send UTF-8, and UTF-8 is also the program's own 8-bit text,
// so the only conversion work is keeping every text well-formed: a device may cut a multi-byte
// character at the end of a fixed field, and a text going out must not be cut inside one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brelvo::core {

// A text as it arrives from a device. Pure ASCII is returned unchanged; any other text is first
// shortened to its last complete UTF-8 character, and a byte that is no part of a valid UTF-8
// character becomes '?' (one byte, so the text never outgrows its field).
std::string DeviceTextFromWire(std::string_view raw);

// The same conversion applied in place to a length-prefixed field; the length byte becomes the
// converted length.
void ConvertIncomingField(std::span<char> field, uint8_t& length);

template <std::size_t N>
void ConvertIncomingField(char (&field)[N], uint8_t& length) {
    ConvertIncomingField(std::span<char>(field, N), length);
}

// A text going to a device: the longest beginning of the UTF-8 text that fits into a field of
// `field_size` bytes without cutting a character.
std::string EncodeOutgoingText(std::string_view utf8, std::size_t field_size);

// Length of the longest beginning of `text` that ends on a complete UTF-8 character.
std::size_t CompleteUtf8Prefix(std::string_view text);

}  // namespace brelvo::core
