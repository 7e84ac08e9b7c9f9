// SPDX-License-Identifier: GPL-3.0-or-later
// Check strings: the digits that guard a stored number against hand edits.
//
// The check string of a number is its text with a leading sign position (" 12", "-5") with
// every character replaced by the decimal digits of its character code: blank 32, minus 45,
// digits 48..57, so always two digits a character (" 12" gives "324950"). The TOP-10 table
// keeps one per total ("def1".."def10") and the saved match one for its sum ("right").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plumet {

// The number as text with a leading sign position: a blank before 0 or more, else "-".
std::string signedText(std::int64_t value);

std::string checkString(std::int64_t value);

// The number a text begins with: leading blanks skipped, an optional sign, decimal digits;
// 0 without digits. Clamped to +-10^15.
std::int64_t leadingValue(std::string_view text);

// The number a check string stands for: each pair of digits is a character code, the text
// they spell is read as a number (leading blanks skipped, no digits gives 0). A trailing odd
// digit is ignored. Nothing when the string holds anything but digits. Numbers beyond
// +-10^15 come back clamped there, which no stored 16-bit value can equal.
std::optional<std::int64_t> decodeCheckString(std::string_view check);

}  // namespace plumet
