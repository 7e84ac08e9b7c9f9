// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/storenames.h"

#include "data/settings.h"

namespace plumet {

void storeNames(Store& store, const PlayerNameArray& names, const PlayerVoiceArray& voices) {
    Settings players;
    for (int i = 0; i < 4; ++i) {
        players.names[i] = names[i];
        players.male[i] = voices[i] != 0;
    }
    writePlayers(store, players);
}

}  // namespace plumet
