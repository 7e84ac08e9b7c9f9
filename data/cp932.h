// SPDX-License-Identifier: GPL-3.0-or-later
// Characters in the Japanese ANSI code page (CP932, Shift_JIS) as the TOP-10 files hold
// them: a 16-bit signed number, 1..255 for a single-byte character and lead * 256 + trail -
// 65536 (a negative number) for a double-byte one. Converted with the C library's iconv.
#pragma once

#include <cstdint>
#include <optional>

namespace plumet::cp932 {

// The code of a character; "?" (63) for a character CP932 cannot hold and for U+0000.
std::int16_t encode(char32_t character);

// The character of a code; nothing when the code is 0 or no CP932 character.
std::optional<char32_t> decode(int code);

}  // namespace plumet::cp932
