// SPDX-License-Identifier: GPL-3.0-or-later
// Every timing of the game in one place: card flight frames, the computer players' pace, the
// joker exchange delay, the board caption and the title screen.
#pragma once

namespace plumet::speeds {

inline constexpr int kFrameMs = 8;             // one frame of a card flight
inline constexpr int kPaceFastMs = 100;        // "速い": a computer player's thinking time
inline constexpr int kPaceNormalMs = 500;      // "標準"
inline constexpr int kPaceSlowMs = 1000;       // "遅い"
inline constexpr int kExchangeMs = 10;         // from a joker move to its exchange
inline constexpr int kBoardCaptionMs = 15000;  // the board's start notice stays this long
inline constexpr int kTitleMs = 3330;          // the title screen before the main window
inline constexpr int kSoundMarginMs = 250;     // a synchronous voice waits its length plus this

// What tests may change so that a whole game plays in a moment: the frame interval (0 = one
// pass of the event loop per frame), a pace that overrides the menu's (negative = the menu's),
// whether the sound-off pause waits for the clock's next second, how long the title screen
// stays, and the playouts of a "つよい" search (0 = the game's fixed amount).
struct Timing {
    int frameMs = kFrameMs;
    int paceMs = -1;
    bool secondPause = true;
    int titleMs = kTitleMs;
    int searchPlayouts = 0;
};

inline Timing& timing() {
    static Timing value;
    return value;
}

}  // namespace plumet::speeds
