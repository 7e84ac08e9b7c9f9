// SPDX-License-Identifier: GPL-3.0-or-later
// The value forms of the settings store: booleans, 16-bit integers and lengths as text.
//
// Stored text can be anything after a hand edit, so every reading has an answer: a number
// reads as the number its text begins with (0 when it begins with none), a boolean that is
// neither true/false nor a number reads as the key's default.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

namespace plumet::values {

// "True" / "False", the form booleans are written in.
QString boolText(bool value);
// true/false in any letter case, or a number (0 = false, any other = true); surrounding
// blanks are ignored. Anything else gives `fallback`.
bool toBool(QStringView text, bool fallback);

// The integer the text begins with: leading blanks, an optional sign, decimal digits
// (a fraction is cut off). 0 when there are no digits. Clamped to [min, max] instead of
// overflowing.
std::int64_t leadingInteger(QStringView text, std::int64_t min, std::int64_t max);
// A 16-bit integer key: leadingInteger clamped to the 16-bit range.
std::int16_t toInt16(QStringView text);
// The same, but `fallback` when the text begins with no number: for a key whose 0 is not a
// stand-in for "no value".
std::int16_t toInt16(QStringView text, std::int16_t fallback);
// A length in twips: the decimal number the text begins with (fraction and exponent
// allowed), 0 when there is none or when it does not fit a single-precision number.
float toLength(QStringView text);
// A length written as the shortest decimal text that reads back the same float.
QString lengthText(float twips);

}  // namespace plumet::values
