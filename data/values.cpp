// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace plumet::values {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The number at the start of the text, as ASCII: blanks skipped, then sign, digits and (when
// `real`) a fraction and an exponent. Stops at the first character that does not fit; `end`
// receives the position where it stopped.
std::string leadingNumber(QStringView text, bool real, qsizetype* end = nullptr) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace()) ++i;
    std::string out;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') out += '-';
        ++i;
    }
    const auto digits = [&] {
        bool any = false;
        while (i < n && isDigit(text[i])) {
            out += static_cast<char>(text[i].unicode());
            ++i;
            any = true;
        }
        return any;
    };
    bool any = digits();
    if (real) {
        if (i < n && text[i] == u'.') {
            out += '.';
            ++i;
            any = digits() || any;
        }
        if (any && i + 1 < n && (text[i] == u'e' || text[i] == u'E')) {
            const std::size_t mark = out.size();
            const qsizetype back = i;
            out += 'e';
            ++i;
            if (text[i] == u'-' || text[i] == u'+') out += static_cast<char>(text[i++].unicode());
            if (!digits()) {
                out.resize(mark);
                i = back;
            }
        }
    }
    if (end) *end = i;
    return any ? out : std::string();
}

}  // namespace

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool toBool(QStringView text, bool fallback) {
    const QStringView t = text.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0) return true;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0) return false;
    // Otherwise all of the text must be one decimal number.
    qsizetype end = 0;
    const std::string number = leadingNumber(t, true, &end);
    if (number.empty() || end != t.size()) return fallback;
    double value = 0.0;
    const auto [last, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc()) return fallback;  // beyond a double: no usable number
    return value != 0.0;
}

std::int64_t leadingInteger(QStringView text, std::int64_t min, std::int64_t max) {
    const std::string number = leadingNumber(text, false);
    if (number.empty()) return std::clamp<std::int64_t>(0, min, max);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) return number.front() == '-' ? min : max;
    return std::clamp(value, min, max);
}

std::int16_t toInt16(QStringView text) {
    return static_cast<std::int16_t>(leadingInteger(text, INT16_MIN, INT16_MAX));
}

std::int16_t toInt16(QStringView text, std::int16_t fallback) {
    return leadingNumber(text, false).empty() ? fallback : toInt16(text);
}

float toLength(QStringView text) {
    const std::string number = leadingNumber(text, true);
    if (number.empty()) return 0.0f;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || !std::isfinite(value)) return 0.0f;
    return value;
}

QString lengthText(float twips) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, twips);
    if (error != std::errc()) return QStringLiteral("0");
    return QString::fromLatin1(buffer, end - buffer);
}

}  // namespace plumet::values
