// SPDX-License-Identifier: GPL-3.0-or-later
// The settings a run without a settings store starts from (tests and benchmarks of the
// windows): the default profile applied as loadProfile applies a stored one.
#pragma once

namespace plumet {

class MainWindow;
class Session;

void applyDefaults(MainWindow& main, Session& session);

}  // namespace plumet
