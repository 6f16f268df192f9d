// Conversions between the byte form of addresses and their display texts.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brelvo::core {

using Ipv4Bytes = std::array<uint8_t, 4>;  // network order: first number first
using MacBytes = std::array<uint8_t, 6>;

// "%d.%d.%d.%d": each number keeps its low 8 bits, a missing number counts as 0, so an empty
// text gives 0.0.0.0.
Ipv4Bytes IpTextToBytes(std::string_view text);
Ipv4Bytes IpTextToBytes(std::u16string_view text);

// a*2^24 + b*2^16 + c*2^8 + d, each part a decimal number; the sort key of the device list.
uint32_t IpTextToNumber(std::string_view text);

// "%02x:%02x:%02x:%02x:%02x:%02x", case-insensitive; an empty text gives six zero bytes.
MacBytes MacTextToBytes(std::string_view text);
MacBytes MacTextToBytes(std::u16string_view text);

// True when every character is 0-9, a-f or A-F (an empty text is true).
bool IsHexText(std::u16string_view text);
// True when every character is at most 127 (an empty text is true).
bool IsAsciiText(std::u16string_view text);

std::string IpBytesToText(std::span<const uint8_t, 4> bytes);
inline std::string IpBytesToText(const uint8_t (&bytes)[4]) {
    return IpBytesToText(std::span<const uint8_t, 4>(bytes));
}
// Lower-case, colon-separated, 17 characters.
std::string MacBytesToText(std::span<const uint8_t, 6> bytes);
inline std::string MacBytesToText(const uint8_t (&bytes)[6]) {
    return MacBytesToText(std::span<const uint8_t, 6>(bytes));
}

uint32_t IpBytesToNumber(std::span<const uint8_t, 4> bytes);  // first byte highest
Ipv4Bytes IpNumberToBytes(uint32_t number);

}  // namespace brelvo::core
