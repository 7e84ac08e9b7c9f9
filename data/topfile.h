// SPDX-License-Identifier: GPL-3.0-or-later
// TOP-10 files ("*.dat"): the export and import of a table.
//
// A text file of CR LF lines. For places 1..10 in order, three fields each (the name, the
// date, the total with a leading sign position): one line "c,s" per character, c its CP932
// code as a 16-bit signed number and s the running sum of every code written so far in the
// file, then the terminator line "0,0". Last comes the trailer line, the version text and
// "_DVvb6" in double quotes. The running sum lets the reader refuse a changed or damaged
// file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <string_view>

#include "data/top10.h"
#include "rules/gamestate.h"

namespace plumet {

class Store;

namespace topfile {

// The title window's version text, written into every file.
inline constexpr char kVersionText[] = "Version 3.15";
// No TOP-10 file of any sensible table comes near this; bigger files are refused unread.
inline constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;

struct Table {
    std::array<std::string, 11> name;
    std::array<std::string, 11> date;
    std::array<std::int16_t, 11> score{};
    top10::CheckStrings checks;  // built from the codes of the total field
};

// The file of the table in the state.
QByteArray encode(const GameState& state, std::string_view version = kVersionText);

// The table of a file, or nothing when the file is refused: a running sum that does not add
// up, a file that ends before the thirtieth field, a line that is not two numbers, a code
// that is no CP932 character, or a total that is not a 16-bit number written as leading
// blanks, an optional sign and decimal digits. The check string of an entry is built from its
// total field as it stands in the file; for every total accepted it reads back as the total.
// Never reads past `file`.
std::optional<Table> decode(QByteArrayView file);

// Writes the table in the state to the file, replacing it whole (wholefile::replace). False
// when the file could not be written whole (a full disk, a folder that cannot be written, a
// read-only file, a folder or pipe under the name); the old file then stays byte for byte.
bool exportTable(const QString& fileName, const GameState& state);

enum class Load {
    Loaded,   // the state holds the file's table and the live profile stores it
    Refused,  // show "データが異常です。" LF "ベスト１０は更新されませんでした。" titled
              // "データ異常"; nothing changed. Also for what is no file at all (a folder, a
              // named pipe, a device), which is never opened, and for a file too big
    Unreadable,  // the file is not there or could not be read: the command ends without a
                 // message
};

// Reads and checks the file; a sound one becomes the live TOP-10 table (state and store).
// Never blocks: only a plain file is opened, and that without waiting.
Load importTable(const QString& fileName, Store& store, GameState& state);

}  // namespace topfile
}  // namespace plumet
