// SPDX-License-Identifier: GPL-3.0-or-later
// What a move looks like to the player. The move rules call these hooks at the moments the
// windows show something (a card flight, the click, a voice, a label), so that the windows
// animate and sound around the very state changes the rules make, and a headless caller
// (tests, the simulator) passes the silent NullView.
#pragma once

namespace plumet {

// What laying a card meant for its player (the outcome step of `layFromHand`).
enum class LayOutcome { None, WentOut, JokerLeft };

class MoveView {
  public:
    virtual ~MoveView() = default;

    // `card` (never the joker) is about to fly from `slot` of `player`'s hand to the board.
    // The state is still as before the lay.
    virtual void beforeLay(int /*player*/, int /*card*/, int /*slot*/) {}
    // `card` has left `slot`; the hand is closed up and the outcome applied to the state.
    virtual void afterLay(int /*player*/, int /*card*/, int /*slot*/, LayOutcome /*outcome*/) {}
    // The joker is about to fly from `player`'s hand to the place of `gapCard`; the holder of
    // that card (gapHolder, gapHolderSlot) has been found.
    virtual void beforeJokerFlight(int /*player*/, int /*gapCard*/) {}
    // `player` passed and keeps playing; passesLeft is already lowered.
    virtual void passed(int /*player*/) {}
    // `player` needed one pass too many: passesLeft is 0 and the dump is about to start.
    virtual void droppingOut(int /*player*/) {}
    // The dump is over and `player` holds its place from the bottom.
    virtual void droppedOut(int /*player*/) {}
    // Under "再使用" the joker has just gone back to the end of `holder`'s hand.
    virtual void jokerReturned(int /*holder*/) {}
    // The exchange is about to make `holder` lay the card the joker stood for.
    virtual void beforeExchange(int /*holder*/) {}
};

// The view of a move nobody watches.
inline MoveView& nullView() {
    static MoveView view;
    return view;
}

}  // namespace plumet
