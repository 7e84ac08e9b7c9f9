// SPDX-License-Identifier: GPL-3.0-or-later
// A benchmark hook of the start-up: with PLUMET_STARTUP_PROBE set in the environment the
// program prints the wall-clock time (seconds since the epoch, microseconds) at which the
// title window and then the main window were first painted:
//   title-painted 1700000000.123456
//   main-painted 1700000003.567890
// or, for a refused second copy, "refused" and the time. When the variable's value is "exit"
// the program leaves right after the main window's first paint without saving anything, and
// a refused copy's message is closed at once. bench/startup-bench.sh and the start-up tests
// use it; players never set it.
#pragma once

class QWidget;

namespace plumet {

// Watches `window`, the title window or the main window, for its first paint when the
// variable is set; does nothing otherwise.
void installStartupProbe(QWidget* window);
// Called just before the refusal message of a second copy is shown.
void probeRefusal();

}  // namespace plumet
