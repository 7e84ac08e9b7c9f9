// The game's data folder: card images, toolbar images, sounds and help.
#pragma once

#include <QString>
#include <QStringList>

namespace plumet {

// <exe dir>/../share/plumet when the game is installed, else the build tree's data folder
// (<build>/data beside <build>/app/plumet), else the executable's own folder.
QString findAppdir();
// The folders findAppdir looks at, in its order.
QStringList appdirCandidates();

}  // namespace plumet
