// SPDX-License-Identifier: GPL-3.0-or-later
#include "removal.h"

namespace plumetdel {
namespace {

const QString kLive = QStringLiteral("form2");

QString liveKey(const QString& name) {
    return kLive + u'/' + name;
}
QString liveKey(const QString& name, int n) {
    return liveKey(name + QString::number(n));
}

bool isPresent(const toolcommon::SettingsFile& store, const QString& name) {
    const QString absent = QStringLiteral("nasi");
    return store.value(liveKey(name), absent).toString() != absent;
}

}  // namespace

std::unique_ptr<toolcommon::SettingsFile> openStore() {
    return std::make_unique<toolcommon::SettingsFile>(QStringLiteral("plumet2"));
}

// A check string or, when there is none, a window position: either way the whole application
// goes.
Outcome deleteEverything(toolcommon::SettingsFile& store) {
    if (!store.readable()) return Outcome::Unreadable;
    store.removeLeftovers();
    if (!isPresent(store, QStringLiteral("def1")) && !isPresent(store, QStringLiteral("top4"))) {
        return Outcome::NothingStored;
    }
    return store.removeFile() ? Outcome::Deleted : Outcome::Failed;
}

Outcome deleteTop10(toolcommon::SettingsFile& store) {
    if (!store.readable()) return Outcome::Unreadable;
    store.removeLeftovers();
    bool done = false;
    if (isPresent(store, QStringLiteral("def1"))) {
        for (int n = 1; n <= 10; ++n) store.remove(liveKey(QStringLiteral("def"), n));
        done = true;
    }
    if (isPresent(store, QStringLiteral("ten1"))) {
        for (int n = 1; n <= 10; ++n) {
            store.remove(liveKey(QStringLiteral("date"), n));
            store.remove(liveKey(QStringLiteral("name"), n));
            store.remove(liveKey(QStringLiteral("ten"), n));
        }
        done = true;
    }
    if (isPresent(store, QStringLiteral("ckkc"))) {
        store.remove(liveKey(QStringLiteral("ckkc")));
        done = true;
    }
    if (!done) return Outcome::NothingStored;
    return store.save() ? Outcome::Deleted : Outcome::Failed;
}

}  // namespace plumetdel
