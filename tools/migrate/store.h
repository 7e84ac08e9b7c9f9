// SPDX-License-Identifier: GPL-3.0-or-later
// Access to the per-user settings store, as the game keeps it: one INI file per application
// under $XDG_CONFIG_HOME/plumet/ ("plumet2.ini" for the current layout, "plumet.ini" for the
// older one). A section is an INI group; keys and values are strings. Only those files are
// read, and they are written whole or not at all (toolcommon::SettingsFile).
#pragma once

#include <QString>

#include "common/settingsfile.h"

namespace plume1to3 {

// The current application and the one written by versions 2.xx and earlier.
inline const QString kNewApplication = QStringLiteral("plumet2");
inline const QString kOldApplication = QStringLiteral("plumet");

// True when section/key is stored with a value other than `absent`.
bool isPresent(const toolcommon::SettingsFile& store, const QString& section, const QString& key,
               const QString& absent = QStringLiteral("nasi"));

}  // namespace plume1to3
