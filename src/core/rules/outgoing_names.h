// Names and SSIDs on their way into a request. The program's 8-bit text is UTF-8, as is the
// devices' character set, so the conversion a Chinese name needs only has to keep the field
// free of a split character and its length byte equal to the bytes in the field.
#pragma once

#include <string_view>

#include "core/protocol/request_blocks.h"

namespace brelvo::core {

// The payload of the rename request for a name (UTF-8): at most 32 bytes, cut before a
// character that would not fit, zero-filled, and its byte count.
name_block MakeNameBlock(std::string_view utf8_name);

// The same treatment for a block's text field before the block is sent: a text holding a
// Chinese character is rewritten as whole UTF-8 characters with a matching length byte; any
// other text goes out as it stands.
void PrepareOutgoingName(name_block& block);
void PrepareOutgoingSsid(radio_block& block);

}  // namespace brelvo::core
