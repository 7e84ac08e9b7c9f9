// SPDX-License-Identifier: GPL-3.0-or-later
// `plumet --stats-json`: the statistics of the group in use printed to stdout as JSON (the form
// of statistics::document), without a window. It only reads the settings store: it writes
// nothing, takes no single-instance lock, and runs beside a game that is open. A store that
// cannot be read, or whose statistics are damaged, is said on stderr and ends with a non-zero
// status.
#pragma once

namespace plumet {

// True when the command line asks for it.
bool statisticsJsonWanted(int argc, char* argv[]);

// The whole command, its own Qt application included; the exit status: 0 printed, 2 the store
// could not be read, 3 damaged statistics.
int printStatisticsJson(int argc, char* argv[]);

}  // namespace plumet
