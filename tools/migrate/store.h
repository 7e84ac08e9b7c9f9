// SPDX-License-Identifier: GPL-3.0-or-later
// Access to the per-user settings store, as the game keeps it: one INI file per application
// under $XDG_CONFIG_HOME/plumet/ ("plumet2.ini" for the current layout, "plumet.ini" for the
// older one). A section is an INI group; keys and values are strings. Only those files are
// read: QSettings' fallbacks to other files are off.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace plume1to3 {

// The current application and the one written by versions 2.xx and earlier.
inline const QString kNewApplication = QStringLiteral("plumet2");
inline const QString kOldApplication = QStringLiteral("plumet");

std::unique_ptr<QSettings> openApplication(const QString& application);

// True when section/key is stored with a value other than `absent`.
bool isPresent(const QSettings& store, const QString& section, const QString& key,
               const QString& absent = QStringLiteral("nasi"));

// Deletes the whole application: every section, and its file. True when the file is gone.
bool removeApplication(QSettings& store);

}  // namespace plume1to3
