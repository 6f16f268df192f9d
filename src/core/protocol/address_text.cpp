#include "core/protocol/address_text.h"

#include <cstdio>

#include "core/support/text_codec.h"

namespace brelvo::core {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads one "%d" at pos the way scanf does (white space, sign, digits); false when none.
bool ScanDecimal(std::string_view text, std::size_t& pos, long long& value) {
    std::size_t i = pos;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    std::size_t digits = i;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-'))
        ++digits;
    if (digits >= text.size() || !IsDigit(text[digits]))
        return false;
    std::size_t end = digits;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    value = DecimalValue(text.substr(i, end - i));
    pos = end;
    return true;
}

// Reads one "%02x" at pos (white space, then one or two hex digits); false when none.
bool ScanHexByte(std::string_view text, std::size_t& pos, uint8_t& value) {
    std::size_t i = pos;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    if (i >= text.size() || HexDigit(text[i]) < 0)
        return false;
    int v = HexDigit(text[i++]);
    if (i < text.size() && HexDigit(text[i]) >= 0)
        v = v * 16 + HexDigit(text[i++]);
    value = static_cast<uint8_t>(v);
    pos = i;
    return true;
}

}  // namespace

Ipv4Bytes IpTextToBytes(std::string_view text) {
    Ipv4Bytes bytes{};
    std::size_t pos = 0;
    for (std::size_t part = 0; part < bytes.size(); ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.')
                break;
            ++pos;
        }
        long long value = 0;
        if (!ScanDecimal(text, pos, value))
            break;
        bytes[part] = static_cast<uint8_t>(value & 0xFF);
    }
    return bytes;
}

Ipv4Bytes IpTextToBytes(std::u16string_view text) {
    return IpTextToBytes(Utf16ToUtf8(text));
}

uint32_t IpTextToNumber(std::string_view text) {
    uint32_t number = 0;
    std::size_t part = 0;
    std::size_t start = 0;
    while (part < 4 && start <= text.size()) {
        std::size_t dot = text.find('.', start);
        if (dot == std::string_view::npos)
            dot = text.size();
        const auto value = static_cast<uint32_t>(DecimalValue(text.substr(start, dot - start)));
        number += value << (24 - 8 * part);
        ++part;
        start = dot + 1;
    }
    return number;
}

MacBytes MacTextToBytes(std::string_view text) {
    MacBytes bytes{};
    std::size_t pos = 0;
    for (std::size_t part = 0; part < bytes.size(); ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != ':')
                break;
            ++pos;
        }
        if (!ScanHexByte(text, pos, bytes[part]))
            break;
    }
    return bytes;
}

MacBytes MacTextToBytes(std::u16string_view text) {
    return MacTextToBytes(Utf16ToUtf8(text));
}

bool IsHexText(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c > 0x7F || HexDigit(static_cast<char>(c)) < 0)
            return false;
    }
    return true;
}

bool IsAsciiText(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c > 127)
            return false;
    }
    return true;
}

std::string IpBytesToText(std::span<const uint8_t, 4> bytes) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
    return buffer;
}

std::string MacBytesToText(std::span<const uint8_t, 6> bytes) {
    char buffer[18];
    std::snprintf(buffer, sizeof buffer, "%02x:%02x:%02x:%02x:%02x:%02x", bytes[0], bytes[1],
                  bytes[2], bytes[3], bytes[4], bytes[5]);
    return buffer;
}

uint32_t IpBytesToNumber(std::span<const uint8_t, 4> bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
           uint32_t{bytes[3]};
}

Ipv4Bytes IpNumberToBytes(uint32_t number) {
    return {static_cast<uint8_t>(number >> 24), static_cast<uint8_t>(number >> 16),
            static_cast<uint8_t>(number >> 8), static_cast<uint8_t>(number)};
}

}  // namespace brelvo::core
