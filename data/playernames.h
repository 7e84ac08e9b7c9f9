// SPDX-License-Identifier: GPL-3.0-or-later
// The four players' names and voices as the names dialog edits them.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace plumet {

using PlayerNameArray = std::array<QString, 4>;        // players 1..4 at index 0..3
using PlayerVoiceArray = std::array<std::int16_t, 4>;  // -1 male, 0 female, index player - 1

}  // namespace plumet
