// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/defaults.h"

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/session.h"
#include "data/settings.h"

namespace plumet {

void applyDefaults(MainWindow& main, Session& session) {
    GameState& s = session.state();
    if (s.dataFolder.empty()) s.dataFolder = findDataFolder().toStdString();
    main.applySettings(Settings::defaults(QString::fromStdString(s.dataFolder)), true);
}

}  // namespace plumet
