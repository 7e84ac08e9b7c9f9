// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/savedgame.h"

#include "data/checkstring.h"
#include "data/store.h"
#include "data/values.h"
#include "rules/scoring.h"

namespace plumet::savedmatch {

namespace {

constexpr QStringView kSection = u"form2";
constexpr int kLastSavableGame = 9;

QString number(std::int64_t value) {
    return QString::number(value);
}

std::int16_t readInt(const Store& store, QStringView key, const QString& fallback) {
    return values::toInt16(store.get(kSection, key, fallback));
}

// Totals that the games left can carry past the 16 bits a total is kept in cannot come from
// play: a game adds at most kMaxGamePoints to a total.
bool totalsFit(const Header& header) {
    const int most = INT16_MAX - (kGamesPerMatch - header.gameNumber) * kMaxGamePoints;
    for (int p = 1; p <= kPlayers; ++p) {
        if (header.score[p] > most) return false;
    }
    return true;
}

// Test 2, and the bounds a match needs to be played on.
bool checkDigitsHold(const Store& store, const Header& header) {
    const auto decoded =
        decodeCheckString(store.get(kSection, u"right", QStringLiteral("49")).toStdString());
    return decoded && *decoded == checkSum(header) && header.gameNumber <= kLastSavableGame &&
           header.starter >= 1 && totalsFit(header);
}

void intoState(const Header& header, GameState& state) {
    state.gameNumber = header.gameNumber;
    for (int p = 1; p <= kPlayers; ++p) state.score[p] = header.score[p];
    state.starter = header.starter;
    state.streak = header.streak;
}

// Both tests over the values just read into the state.
Check test(Store& store, const Header& header, GameState& state) {
    if (!consistent(header)) {
        store.save(kSection, u"tp", QStringLiteral("0"));
        return Check::Inconsistent;
    }
    if (!checkDigitsHold(store, header)) {
        state.savedGameNumber = 0;
        state.gameNumber = 0;
        return Check::BadCheckDigits;
    }
    return Check::Ok;
}

}  // namespace

Header readHeader(const Store& store) {
    Header header;
    header.gameNumber = readInt(store, u"sp", QStringLiteral("0"));
    for (int p = 1; p <= kPlayers; ++p) {
        header.score[p] = readInt(store, QStringLiteral("p%1").arg(p), QStringLiteral("0"));
    }
    const std::int16_t streakAndStarter = readInt(store, u"tp", QStringLiteral("1"));
    header.starter = static_cast<std::int16_t>(streakAndStarter % 10);
    header.streak = static_cast<std::int16_t>(streakAndStarter / 10);
    return header;
}

std::int32_t checkSum(const Header& header) {
    return std::int32_t{header.score[1]} + header.gameNumber + header.score[2] + header.score[3] +
           header.score[4] + header.starter;
}

std::string checkDigits(const Header& header) {
    return checkString(checkSum(header));
}

bool consistent(const Header& header) {
    return !(header.gameNumber < header.streak || header.starter > kPlayers);
}

Check checkAtStart(Store& store, GameState& state) {
    const Header header = readHeader(store);
    state.savedGameNumber = std::max<std::int16_t>(header.gameNumber, 0);
    if (state.savedGameNumber == 0) return Check::NoMatch;
    intoState(header, state);
    const Check result = test(store, header, state);
    if (result == Check::Ok) state.gameNumber = 0;
    return result;
}

Check continueMatch(Store& store, GameState& state) {
    const Header header = readHeader(store);
    if (header.gameNumber <= 0) {
        state.savedGameNumber = 0;
        return Check::NoMatch;
    }
    intoState(header, state);
    const Check result = test(store, header, state);
    if (result != Check::Ok) return result;
    for (int g = 1; g <= 10; ++g) {
        state.humanGamePoints[g] =
            readInt(store, QStringLiteral("tenka%1").arg(g), QStringLiteral("0"));
        state.humanGamePlaces[g] =
            store.get(kSection, QStringLiteral("tenjun%1").arg(g), QString()).toStdString();
    }
    discard(store);
    state.savedGameNumber = 0;
    return Check::Ok;
}

bool saveMatch(Store& store, GameState& state, const QString& graphCaption) {
    const Store::Watch watch(store);
    Header header;
    header.gameNumber = state.gameNumber;
    header.score = state.score;
    header.starter = state.starter;
    {
        Store::Batch batch(store);
        store.save(kSection, u"gurahu", graphCaption);
        store.save(kSection, u"sp", number(state.gameNumber));
        for (int p = 1; p <= kPlayers; ++p) {
            store.save(kSection, QStringLiteral("p%1").arg(p), number(state.score[p]));
        }
        store.save(kSection, u"tp", number(std::int32_t{state.streak} * 10 + state.starter));
        store.save(kSection, u"right", QString::fromStdString(checkDigits(header)));
        for (int g = 1; g <= 10; ++g) {
            store.save(kSection, QStringLiteral("tenka%1").arg(g),
                       number(state.humanGamePoints[g]));
            store.save(kSection, QStringLiteral("tenjun%1").arg(g),
                       QString::fromStdString(state.humanGamePlaces[g]));
        }
    }
    if (!watch.ok()) return false;
    state.savedGameNumber = state.gameNumber;
    state.gameNumber = 0;
    return true;
}

void discard(Store& store) {
    Store::Batch batch(store);
    for (const QStringView key : {u"sp", u"p1", u"p2", u"p3", u"p4"}) {
        store.save(kSection, key, QStringLiteral("0"));
    }
}

Check createCheckDigits(Store& store) {
    const Header header = readHeader(store);
    // Without a saved match ("sp" = 0) "tp" is what a continued or discarded match left
    // behind, nothing to be inconsistent with.
    if (header.gameNumber > 0 && !consistent(header)) {
        store.save(kSection, u"tp", QStringLiteral("0"));
        return Check::Inconsistent;
    }
    store.save(kSection, u"right", QString::fromStdString(checkDigits(header)));
    return Check::Ok;
}

QString graphCaption(const Store& store) {
    return store.get(kSection, u"gurahu", QStringLiteral("累計の得点グラフ"));
}

void saveGraphCaption(Store& store, const QString& caption) {
    store.save(kSection, u"gurahu", caption);
}

}  // namespace plumet::savedmatch
