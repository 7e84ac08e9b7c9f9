// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/checkstring.h"

#include <algorithm>

namespace plumet {

namespace {

constexpr std::int64_t kClamp = 1'000'000'000'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string signedText(std::int64_t value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string checkString(std::int64_t value) {
    std::string check;
    for (const char c : signedText(value)) check += std::to_string(static_cast<unsigned char>(c));
    return check;
}

std::optional<std::int64_t> decodeCheckString(std::string_view check) {
    if (!std::all_of(check.begin(), check.end(), isDigit)) return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i + 1 < check.size(); i += 2) {
        text += static_cast<char>((check[i] - '0') * 10 + (check[i + 1] - '0'));
    }
    return leadingValue(text);
}

std::int64_t leadingValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kClamp);
    }
    return negative ? -value : value;
}

}  // namespace plumet
