// SPDX-License-Identifier: GPL-3.0-or-later
#include "groupfile.h"

#include <QFile>
#include <cstdlib>
#include <limits>

#include "cp932.h"

namespace plume1to3 {
namespace {

struct Record {
    qint64 code = 0;
    qint64 sum = 0;
};

// The next "c,s" line, or nothing at the end of the file or on a line that is anything else.
std::optional<Record> readRecord(QFile& file) {
    // A record line is short; a longer one is not a record.
    constexpr qint64 kMaxLine = 64;
    const QByteArray line = file.readLine(kMaxLine);
    if (line.isEmpty()) return std::nullopt;
    if (!line.endsWith('\n') && !file.atEnd()) return std::nullopt;

    const QList<QByteArray> parts = line.trimmed().split(',');
    if (parts.size() != 2) return std::nullopt;
    Record record;
    bool codeOk = false;
    bool sumOk = false;
    record.code = parts[0].trimmed().toLongLong(&codeOk);
    record.sum = parts[1].trimmed().toLongLong(&sumOk);
    if (!codeOk || !sumOk) return std::nullopt;
    return record;
}

// Reads one field up to its terminator line, checking the running sum. Appends the digits of
// every code to `check` when it is given.
std::optional<QString> readField(QFile& file, qint64& runningSum, QString* check) {
    QByteArray bytes;
    for (;;) {
        const std::optional<Record> record = readRecord(file);
        if (!record) return std::nullopt;
        const qint64 c = record->code;
        if (c == 0) break;
        // Single bytes are 1..255, double bytes negative; nothing else is a character.
        if (c < std::numeric_limits<qint16>::min() || c > 255) return std::nullopt;
        runningSum += c;
        if (record->sum != runningSum) return std::nullopt;
        if (c > 0) {
            bytes.append(static_cast<char>(c));
        } else {
            const int word = static_cast<int>(c) + 65536;
            bytes.append(static_cast<char>(word >> 8));
            bytes.append(static_cast<char>(word & 0xff));
        }
        if (check) check->append(QString::number(std::llabs(c)));
    }
    return decodeCp932(bytes);
}

// The numeric value of a total text, leading blanks ignored: blanks, an optional sign and
// decimal digits of a 16-bit value, nothing else ("50", "  50", "+5", " -7"). Every character
// of such a text has a two-digit code, so the check string built from the field reads back as
// this value in the game's table check.
std::optional<int> totalValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    if (i == text.size()) return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > -std::numeric_limits<qint16>::min()) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<GroupTable> readGroupFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;

    GroupTable table;
    qint64 runningSum = 0;
    for (GroupEntry& entry : table) {
        const std::optional<QString> name = readField(file, runningSum, nullptr);
        if (!name) return std::nullopt;
        const std::optional<QString> date = readField(file, runningSum, nullptr);
        if (!date) return std::nullopt;
        QString check;
        const std::optional<QString> totalText = readField(file, runningSum, &check);
        if (!totalText) return std::nullopt;
        const std::optional<int> total = totalValue(*totalText);
        if (!total) return std::nullopt;
        entry.name = *name;
        entry.date = *date;
        entry.total = *total;
        entry.check = check;
    }
    return table;
}

}  // namespace plume1to3
