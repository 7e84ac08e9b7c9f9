// SPDX-License-Identifier: GPL-3.0-or-later
// Card image folders: which file marks a folder as a card set, how a file inside a folder is
// named, and the fallback to the game's own data folder for a folder that is not a set.
#pragma once

#include <QString>

namespace plumet {

// The three sets the chooser edits; the values are those the chooser mode takes.
enum class CardSet { Board = 1, Face = 2, Back = 3 };

// The file a folder must hold to count as a set: "d7.bmp" for faces, "urat.bmp" for backs.
QString cardSetTestFile(CardSet set);

// The file `name` inside `folder`, with exactly one "/" between them, also for the root "/"
// and for a folder written with a trailing separator.
QString cardFilePath(const QString& folder, const QString& name);

// A folder without trailing separator ("/" stays "/"), as folders are stored.
QString normalisedFolder(const QString& folder);

// True when `folder` holds the set's test file.
bool isCardSetFolder(const QString& folder, CardSet set);

// `folder` when it holds the set's test file, otherwise `dataFolder`, the folder of the cards
// shipped with the game.
QString checkedCardFolder(const QString& folder, CardSet set, const QString& dataFolder);

// True when at least one card face of `folder` (s1.bmp .. d13.bmp, joker.bmp) is a picture
// that can be read: false for a missing folder, an empty one, or one whose bitmaps are all
// damaged, where every card would show as an empty card.
bool hasReadableCards(const QString& folder);

}  // namespace plumet
