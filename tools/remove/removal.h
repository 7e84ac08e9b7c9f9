// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting what the game has stored: everything of the application "plumet2", or only the
// TOP-10 table of its live profile (section "form2").
#pragma once

#include <QSettings>
#include <memory>

namespace plumetdel {

// The game's store: $XDG_CONFIG_HOME/plumet/plumet2.ini and no other file.
std::unique_ptr<QSettings> openStore();

enum class Outcome {
    Deleted,        // "完了"
    NothingStored,  // "データ無し"
    Failed,         // the deletion did not reach the store file, which keeps its data
};

// Deletes the whole application, its file included, when its live profile holds a TOP-10
// check string ("def1") or a window position ("top4").
Outcome deleteEverything(QSettings& store);

// Deletes the live profile's TOP-10 table ("def", "date", "name" and "ten" & 1..10) and the
// data marker "ckkc"; other sections and settings stay. Deleted only when the file read back
// from disk no longer holds a key that was deleted.
Outcome deleteTop10(QSettings& store);

}  // namespace plumetdel
