// SPDX-License-Identifier: GPL-3.0-or-later
// The card moving speed: the speed dialog's bar value v = 1..11 sets v * v frames per card
// flight, and the dialog opens at the bar value nearest to the square root of the frames.
#pragma once

namespace plumet {

inline constexpr int kSpeedBarMin = 1;   // "高速": one frame per flight
inline constexpr int kSpeedBarMax = 11;  // "なめらか": 121 frames per flight

// Frames per flight for a bar value; values outside 1..11 count as the nearer end.
int flightFramesFromBar(int barValue);

// Bar value for a number of frames: the integer nearest to its square root, kept in 1..11
// (so 0, negative or oversized stored speeds still open the dialog at a valid position).
int speedBarFromFlightFrames(int flightFrames);

}  // namespace plumet
