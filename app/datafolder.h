// SPDX-License-Identifier: GPL-3.0-or-later
// The game's data folder: card images, toolbar images, sounds and help.
#pragma once

#include <QString>
#include <QStringList>

namespace plumet {

// <exe dir>/../share/plumet: where the game is installed, and in the build tree too
// (<build>/share/plumet beside <build>/app/plumet); else the executable's own folder.
QString findDataFolder();
// The folders findDataFolder looks at, in its order.
QStringList appdirCandidates();

}  // namespace plumet
