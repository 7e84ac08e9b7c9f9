// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of a settings store the game cannot use, each naming the store's file: one
// box for an action whose writes did not reach the disk, one at start for a file that
// cannot be read.
//
// Both wait for the player's answer in a nested event loop: the caller holds no window
// pointer across them that could be deleted meanwhile.
#pragma once

class QWidget;

namespace plumet {

class Store;

// What the player just did was not saved (the store takes such writes back).
void showUnsavedMessage(QWidget* parent, const Store& store);

// At start: the file is there but cannot be read; the game runs on the defaults and leaves
// the file as it is.
void showUnreadableMessage(QWidget* parent, const Store& store);

}  // namespace plumet
