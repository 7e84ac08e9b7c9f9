// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/top10.h"

#include <QDate>
#include <utility>

#include "data/checkstring.h"
#include "data/savedgame.h"
#include "data/store.h"
#include "data/values.h"

namespace plumet::top10 {

namespace {

constexpr QStringView kSection = u"form2";

QString key(const char* name, int place) {
    return QString::fromLatin1(name) + QString::number(place);
}

void swapEntries(GameState& state, CheckStrings& checks, int a, int b) {
    std::swap(state.topNames[a], state.topNames[b]);
    std::swap(state.topDates[a], state.topDates[b]);
    std::swap(state.topScores[a], state.topScores[b]);
    std::swap(checks[a], checks[b]);
}

}  // namespace

std::int16_t defaultScore(int place) {
    return static_cast<std::int16_t>((11 - place) * 10);
}

void setDefaultTable(GameState& state) {
    for (int i = 1; i <= kPlaces; ++i) {
        state.topNames[i] = kDefaultName;
        state.topDates[i] = kDefaultDate;
        state.topScores[i] = defaultScore(i);
    }
}

CheckStrings defaultCheckStrings() {
    CheckStrings checks;
    for (int i = 1; i <= kPlaces; ++i) checks[i] = checkString(defaultScore(i));
    return checks;
}

CheckStrings readTable(const Store& store, GameState& state) {
    CheckStrings checks;
    const CheckStrings defaults = defaultCheckStrings();
    for (int i = 1; i <= kPlaces; ++i) {
        state.topNames[i] =
            store.get(kSection, key("name", i), QString::fromUtf8(kDefaultName)).toStdString();
        state.topDates[i] =
            store.get(kSection, key("date", i), QString::fromUtf8(kDefaultDate)).toStdString();
        state.topScores[i] =
            values::toInt16(store.get(kSection, key("ten", i), QString::number(defaultScore(i))));
        checks[i] =
            store.get(kSection, key("def", i), QString::fromStdString(defaults[i])).toStdString();
    }
    return checks;
}

void writeTable(Store& store, const GameState& state, const CheckStrings* checks) {
    Store::Batch batch(store);
    for (int i = 1; i <= kPlaces; ++i) {
        store.save(kSection, key("name", i), QString::fromStdString(state.topNames[i]));
        store.save(kSection, key("date", i), QString::fromStdString(state.topDates[i]));
        store.save(kSection, key("ten", i), QString::number(state.topScores[i]));
        if (checks) store.save(kSection, key("def", i), QString::fromStdString((*checks)[i]));
    }
}

QString marker(const Store& store) {
    return store.get(kSection, u"ckkc", kMarkerFresh.toString());
}

bool tableSound(const GameState& state, const CheckStrings& checks) {
    for (int i = 1; i <= kPlaces; ++i) {
        const auto value = decodeCheckString(checks[i]);
        if (!value || *value != state.topScores[i]) return false;
    }
    return true;
}

void resetDamagedTable(Store& store) {
    Store::Batch batch(store);
    for (int k = 1; k <= kPlaces; ++k) {
        for (const char* name : {"def", "date", "name", "ten"})
            store.remove(kSection, key(name, k));
    }
    store.save(kSection, u"ckkc", kMarkerDamaged.toString());
}

Load createCheckStrings(Store& store, const GameState& state) {
    {
        Store::Batch batch(store);
        for (int i = 1; i <= kPlaces; ++i) {
            store.save(kSection, key("def", i),
                       QString::fromStdString(checkString(state.topScores[i])));
        }
        store.save(kSection, u"ckkc", kMarkerMade.toString());
    }
    return savedmatch::createCheckDigits(store) == savedmatch::Check::Ok ? Load::Sound
                                                                         : Load::MatchDamaged;
}

Load loadTable(Store& store, GameState& state) {
    const CheckStrings checks = readTable(store, state);
    if (values::toInt16(marker(store)) == 1968) return createCheckStrings(store, state);
    if (tableSound(state, checks)) return Load::Sound;
    resetDamagedTable(store);
    return Load::Damaged;
}

bool enterTotal(Store& store, GameState& state, std::int16_t total, const QString& today) {
    CheckStrings checks = readTable(store, state);
    if (total < state.topScores[kPlaces]) return false;
    state.topNames[kPlaces].clear();
    state.topScores[kPlaces] = total;
    state.topDates[kPlaces] = today.toStdString();
    checks[kPlaces] = checkString(total);
    int j = kPlaces;
    for (int i = kPlaces - 1; i >= 1; --i) {
        if (state.topScores[j] >= state.topScores[i]) {
            swapEntries(state, checks, i, j);
            j = i;
        }
    }
    for (int i = 1; i <= kPlaces; ++i) {
        if (state.topScores[i] == total) {
            state.newRank = static_cast<std::int16_t>(i);
            break;
        }
    }
    writeTable(store, state, &checks);
    return true;
}

QString todayText() {
    return QDate::currentDate().toString(Qt::ISODate);
}

void registerName(Store& store, GameState& state) {
    writeTable(store, state, nullptr);
    for (int p = 1; p <= kPlayers; ++p) state.score[p] = 0;
}

QString rowText(const GameState& state, int place) {
    const QString total = QString::number(state.topScores[place]);
    return QString::fromStdString(state.topDates[place]) + QStringLiteral("  ") +
           total.rightJustified(3, u' ') + QStringLiteral("  ");
}

}  // namespace plumet::top10
