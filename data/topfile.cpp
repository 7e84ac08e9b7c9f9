// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/topfile.h"

#include <QString>
#include <charconv>
#include <string_view>

#include "data/checkstring.h"
#include "data/cp932.h"
#include "data/store.h"
#include "data/wholefile.h"

namespace plumet::topfile {

namespace {

constexpr int kFieldsPerEntry = 3;

void appendLine(QByteArray& out, std::int64_t c, std::int64_t s) {
    out += QByteArray::number(c);
    out += ',';
    out += QByteArray::number(s);
    out += "\r\n";
}

void appendUtf8(std::string& out, char32_t character) {
    out += QString::fromUcs4(&character, 1).toStdString();
}

// Reads the number pairs of a file one line at a time.
class PairReader {
  public:
    explicit PairReader(QByteArrayView file) : file_(file) {}

    // The next line's two numbers; nothing at the end of the file or on a line that is
    // anything else.
    std::optional<std::pair<std::int64_t, std::int64_t>> next() {
        if (pos_ >= file_.size()) return std::nullopt;
        qsizetype end = file_.indexOf('\n', pos_);
        if (end < 0) end = file_.size();
        QByteArrayView line = file_.sliced(pos_, end - pos_);
        pos_ = end + 1;
        if (line.endsWith('\r')) line.chop(1);
        const qsizetype comma = line.indexOf(',');
        if (comma < 0) return std::nullopt;
        const auto c = number(line.first(comma));
        const auto s = number(line.sliced(comma + 1));
        if (!c || !s) return std::nullopt;
        return std::pair{*c, *s};
    }

  private:
    static std::optional<std::int64_t> number(QByteArrayView text) {
        text = text.trimmed();
        if (text.isEmpty()) return std::nullopt;
        std::int64_t value = 0;
        const char* first = text.data();
        const char* last = first + text.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last) return std::nullopt;
        return value;
    }

    QByteArrayView file_;
    qsizetype pos_ = 0;
};

// The numeric value of a total field, leading blanks ignored: blanks, an optional sign and
// decimal digits of a 16-bit value, nothing else ("50", "  50", "+5", " -7"). Every character
// of such a text has a two-digit code, so the check string built from the field reads back
// as this value in the table check.
std::optional<std::int16_t> totalValue(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > -std::int64_t{INT16_MIN}) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

QByteArray encode(const GameState& state, std::string_view version) {
    QByteArray out;
    std::int64_t sum = 0;
    for (int i = 1; i <= top10::kPlaces; ++i) {
        const std::string fields[kFieldsPerEntry] = {state.topNames[i], state.topDates[i],
                                                     signedText(state.topScores[i])};
        for (const std::string& field : fields) {
            for (const char32_t character : QString::fromStdString(field).toUcs4()) {
                const std::int16_t code = cp932::encode(character);
                sum += code;
                appendLine(out, code, sum);
            }
            appendLine(out, 0, 0);
        }
    }
    out += '"';
    out += QByteArrayView(version.data(), static_cast<qsizetype>(version.size()));
    out += "_DVvb6\"\r\n";
    return out;
}

std::optional<Table> decode(QByteArrayView file) {
    Table table;
    PairReader reader(file);
    std::int64_t sum = 0;
    for (int i = 1; i <= top10::kPlaces; ++i) {
        std::string* fields[kFieldsPerEntry] = {&table.name[i], &table.date[i], nullptr};
        std::string total;
        fields[2] = &total;
        for (int f = 0; f < kFieldsPerEntry; ++f) {
            while (true) {
                const auto pair = reader.next();
                if (!pair) return std::nullopt;
                const auto [c, k] = *pair;
                if (c == 0) break;
                if (c < INT16_MIN || c > 255) return std::nullopt;
                const auto character = cp932::decode(static_cast<int>(c));
                if (!character) return std::nullopt;
                sum += c;
                if (k != sum) return std::nullopt;
                appendUtf8(*fields[f], *character);
                if (f == 2) table.checks[i] += std::to_string(c < 0 ? -c : c);
            }
        }
        const auto value = totalValue(total);
        if (!value) return std::nullopt;
        table.score[i] = *value;
    }
    return table;
}

bool exportTable(const QString& fileName, const GameState& state) {
    return wholefile::replace(fileName, encode(state));
}

Load importTable(const QString& fileName, Store& store, GameState& state) {
    // Only a plain file is opened (a named pipe would wait for a writer forever, a device
    // might do anything); a folder, a pipe or a device is no TOP-10 file.
    const wholefile::Contents file = wholefile::read(fileName, kMaxFileSize);
    switch (file.kind) {
        case wholefile::Contents::Kind::File:
            break;
        case wholefile::Contents::Kind::NotAFile:
        case wholefile::Contents::Kind::TooBig:
            return Load::Refused;
        case wholefile::Contents::Kind::Absent:
        case wholefile::Contents::Kind::Unreadable:
            return Load::Unreadable;
    }
    const QByteArray& bytes = file.bytes;
    const auto table = decode(bytes);
    if (!table) return Load::Refused;
    for (int i = 1; i <= top10::kPlaces; ++i) {
        state.topNames[i] = table->name[i];
        state.topDates[i] = table->date[i];
        state.topScores[i] = table->score[i];
    }
    top10::writeTable(store, state, &table->checks);
    return Load::Loaded;
}

}  // namespace plumet::topfile
