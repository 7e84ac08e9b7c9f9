// The settings a first run starts from: check marks, window geometry, player names and
// voices, card folders, card speed. The settings store, once wired, replaces this with the
// stored profile (its loadsettings applies the same things in the same order).
#pragma once

namespace plumet {

class MDIForm1;
class Session;

void applyDefaults(MDIForm1& main, Session& session);

// The card pictures that give the windows their card sizes before any card is dealt, after
// the card folders have been checked (a folder without its test file falls back to appdir).
void loadSamplePictures(MDIForm1& main, Session& session);

}  // namespace plumet
