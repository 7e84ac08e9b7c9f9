// The settings the names dialog writes: the player names "cap4".."cap7" and the voices
// "sex4".."sex7" of section "form2" (player p's keys end in p + 3).
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <utility>

namespace plumet {

using PlayerNameArray = std::array<QString, 4>;      // players 1..4 at index 0..3
using PlayerSexArray = std::array<std::int16_t, 4>;  // -1 male, 0 female, index player - 1

// The key and value pairs to store, in the order the dialog stores them: the four names,
// then the four voices as "True" (male) or "False" (female).
QList<std::pair<QString, QString>> nameSettings(const PlayerNameArray& names,
                                                const PlayerSexArray& sex);

// Stores nameSettings(names, sex) through `save(key, value)`, which writes one key of the
// live profile "form2" of the settings store.
template <typename SaveFunction>
void storeNameSettings(const PlayerNameArray& names, const PlayerSexArray& sex,
                       SaveFunction&& save) {
    for (const auto& [key, value] : nameSettings(names, sex)) save(key, value);
}

}  // namespace plumet
