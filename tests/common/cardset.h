// SPDX-License-Identifier: GPL-3.0-or-later
// The file names (without ".bmp" or ".svg") of one card set: 52 faces, both jokers, the pass
// cards and the backs.
#pragma once

#include <QStringList>

namespace plumet::test {

inline QStringList cardSetNames() {
    QStringList names;
    for (const char* suit : {"s", "h", "c", "d"}) {
        for (int rank = 1; rank <= 13; ++rank) names << QStringLiteral("%1%2").arg(suit).arg(rank);
    }
    names << "joker"
          << "joker1"
          << "ps1"
          << "ps2"
          << "ps3"
          << "ps4"
          << "uray"
          << "urat"
          << "uray2";
    return names;
}

}  // namespace plumet::test
