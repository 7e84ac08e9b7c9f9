// SPDX-License-Identifier: GPL-3.0-or-later
// The group files "g1" & i & ".cfg" of versions 2.xx and earlier: the TOP-10 table of one
// group, in the record format of the game's TOP-10 files.
//
// Each line holds "c,s": c is a character's code in CP932 as a 16-bit signed number (a
// double-byte character is lead * 256 + trail - 65536, so negative) and s the running sum of
// all codes so far in the file. Ten entries follow each other, each as the fields name, date
// and total text; a line with c = 0 ends a field. Whatever follows the thirtieth field is not
// read.
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace plume1to3 {

struct GroupEntry {
    QString name;
    QString date;
    int total = 0;
    // The digits of the total field's character codes (without sign): the check string the
    // game keeps beside each total.
    QString check;
};

using GroupTable = std::array<GroupEntry, 10>;

// The table of the file, or nothing when the file cannot be read or is damaged: a running
// sum that does not match, a file that ends early, a line that is not a pair of numbers, a
// code that is no CP932 character, or a total field that is not leading blanks, an optional
// sign and the decimal digits of a 16-bit number.
std::optional<GroupTable> readGroupFile(const QString& path);

}  // namespace plume1to3
