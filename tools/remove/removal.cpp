// SPDX-License-Identifier: GPL-3.0-or-later
#include "removal.h"

#include "common/settingsfile.h"

namespace plumetdel {
namespace {

const QString kLive = QStringLiteral("form2");

QString liveKey(const QString& name) {
    return kLive + u'/' + name;
}
QString liveKey(const QString& name, int n) {
    return liveKey(name + QString::number(n));
}

bool isPresent(const QSettings& store, const QString& name) {
    const QString absent = QStringLiteral("nasi");
    return store.value(liveKey(name), absent).toString() != absent;
}

}  // namespace

std::unique_ptr<QSettings> openStore() {
    return toolcommon::openSettingsFile(QStringLiteral("plumet2"));
}

// A check string or, when there is none, a window position: either way the whole application
// goes.
Outcome deleteEverything(QSettings& store) {
    if (!isPresent(store, QStringLiteral("def1")) && !isPresent(store, QStringLiteral("top4"))) {
        return Outcome::NothingStored;
    }
    return toolcommon::removeSettingsFile(store) ? Outcome::Deleted : Outcome::Failed;
}

Outcome deleteTop10(QSettings& store) {
    bool done = false;
    toolcommon::ExpectedKeys deleted;
    const auto remove = [&](const QString& path) {
        store.remove(path);
        deleted[path] = std::nullopt;
    };
    if (isPresent(store, QStringLiteral("def1"))) {
        for (int n = 1; n <= 10; ++n) remove(liveKey(QStringLiteral("def"), n));
        done = true;
    }
    if (isPresent(store, QStringLiteral("ten1"))) {
        for (int n = 1; n <= 10; ++n) {
            remove(liveKey(QStringLiteral("date"), n));
            remove(liveKey(QStringLiteral("name"), n));
            remove(liveKey(QStringLiteral("ten"), n));
        }
        done = true;
    }
    if (isPresent(store, QStringLiteral("ckkc"))) {
        remove(liveKey(QStringLiteral("ckkc")));
        done = true;
    }
    if (!done) return Outcome::NothingStored;
    store.sync();
    if (store.status() == QSettings::AccessError) return Outcome::Failed;
    return toolcommon::fileHolds(store.fileName(), deleted) ? Outcome::Deleted : Outcome::Failed;
}

}  // namespace plumetdel
