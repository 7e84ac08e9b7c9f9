// SPDX-License-Identifier: GPL-3.0-or-later
// Stores what the names dialog's OK gives: the names under "cap4".."cap7" and the voices under
// "sex4".."sex7" ("True" = male) in the live profile.
#pragma once

#include "data/playernames.h"

namespace plumet {

class Store;

void storeNames(Store& store, const PlayerNameArray& names, const PlayerVoiceArray& voices);

}  // namespace plumet
