// SPDX-License-Identifier: GPL-3.0-or-later
#include "store.h"

#include "common/settingsfile.h"

namespace plume1to3 {

std::unique_ptr<QSettings> openApplication(const QString& application) {
    return toolcommon::openSettingsFile(application);
}

bool isPresent(const QSettings& store, const QString& section, const QString& key,
               const QString& absent) {
    return store.value(section + u'/' + key, absent).toString() != absent;
}

bool removeApplication(QSettings& store) {
    return toolcommon::removeSettingsFile(store);
}

}  // namespace plume1to3
