// The game's data folder: card images, toolbar images, sounds and help.
#pragma once

#include <QString>

namespace plumet {

// <exe dir>/../share/plumet when the game is installed, else the build tree's data folder
// (<build>/data beside <build>/app/plumet), else the executable's own folder.
QString findAppdir();

}  // namespace plumet
