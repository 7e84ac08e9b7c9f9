// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/groups.h"

#include "data/settings.h"
#include "data/store.h"
#include "data/top10.h"

namespace plumet::groups {

namespace {

constexpr QStringView kLive = u"form2";
constexpr QStringView kNames = u"formm";

QString fullWidthDigits(int number) {
    QString text;
    for (const QChar digit : QString::number(number)) {
        text += QChar(u'０' + (digit.unicode() - u'0'));
    }
    return text;
}

void copySection(Store& store, QStringView from, QStringView to) {
    for (const auto& [key, value] : store.list(from)) store.save(to, key, value);
}

}  // namespace

QString profileSection(int group) {
    return QStringLiteral("form%1").arg(group + 3);
}

QString name(const Store& store, int group) {
    return store.get(kNames, QStringLiteral("grmdi%1").arg(group),
                     QStringLiteral("グループ") + fullWidthDigits(group + 1));
}

QStringList names(const Store& store) {
    QStringList list;
    for (int group = 0; group < kGroups; ++group) list.append(name(store, group));
    return list;
}

void rename(Store& store, int group, const QString& newName) {
    store.save(kNames, QStringLiteral("grmdi%1").arg(group), newName);
}

Switch switchGroup(Store& store, GameState& state, int newGroup) {
    if (newGroup == state.group || newGroup < 0 || newGroup >= kGroups) return Switch::Unchanged;
    Store::Batch batch(store);

    // The live profile goes into the stash of the group being left, replacing what it held.
    const QString left = profileSection(state.group);
    store.removeSection(left);
    copySection(store, kLive, left);

    const QString entered = profileSection(newGroup);
    const bool fresh = !store.contains(entered, u"def1");
    store.removeSection(kLive);
    state.group = static_cast<std::int16_t>(newGroup);

    if (fresh) {
        top10::setDefaultTable(state);
        const top10::CheckStrings checks = top10::defaultCheckStrings();
        top10::writeTable(store, state, &checks);
        store.save(kLive, u"ckkc", top10::kMarkerMade.toString());
        writeGroup(store, newGroup);
        return Switch::Fresh;
    }

    copySection(store, entered, kLive);
    writeGroup(store, newGroup);
    switch (top10::loadTable(store, state)) {
        case top10::Load::Sound:
            return Switch::Restored;
        case top10::Load::Damaged:
            return Switch::Damaged;
        case top10::Load::MatchDamaged:
            return Switch::MatchDamaged;
    }
    return Switch::Damaged;
}

}  // namespace plumet::groups
