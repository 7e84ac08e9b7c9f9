// SPDX-License-Identifier: GPL-3.0-or-later
#include "store.h"

namespace plume1to3 {

bool isPresent(const toolcommon::SettingsFile& store, const QString& section, const QString& key,
               const QString& absent) {
    return store.value(section + u'/' + key, absent).toString() != absent;
}

}  // namespace plume1to3
