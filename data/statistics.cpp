// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/statistics.h"

#include <QJsonArray>
#include <QStringView>
#include <algorithm>
#include <limits>

#include "data/store.h"
#include "rules/scoring.h"

namespace plumet::statistics {

namespace {

constexpr QStringView kSection = u"form2";
constexpr QStringView kPrefix = u"seiseki";

// No counter of a record reaches this in any player's lifetime; a larger one is a hand edit.
constexpr std::int64_t kMaxCount = 1'000'000'000;

// The field names of the stored form, in the order they are written.
enum Field {
    kGames,
    kMatches,
    kPlaces,
    kWentOut,
    kDroppedOut,
    kJokerLeft,
    kPasses,
    kPoints,
    kBestGame,
    kBestMatch,
    kWorstMatch,
    kFirstRun,
    kLongestFirstRun,
    kAbandoned,
    kRecent,
    kFieldCount
};
constexpr std::array<QStringView, kFieldCount> kFieldNames = {
    u"games",      u"matches",  u"places",          u"wentout",   u"droppedout",
    u"jokerleft",  u"passes",   u"points",          u"bestgame",  u"bestmatch",
    u"worstmatch", u"firstrun", u"longestfirstrun", u"abandoned", u"recent"};

// A decimal integer written by format: an optional minus sign and up to 10 digits, nothing
// else (no blanks, no plus sign, no fraction).
std::optional<std::int64_t> integer(QStringView text) {
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (negative) ++i;
    const qsizetype digits = text.size() - i;
    if (digits < 1 || digits > 10) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

// A list of integers separated by commas; an empty text is an empty list.
std::optional<QList<std::int64_t>> integers(QStringView text) {
    QList<std::int64_t> list;
    if (text.isEmpty()) return list;
    for (const QStringView part : text.split(u',')) {
        const auto value = integer(part);
        if (!value) return std::nullopt;
        list.append(*value);
    }
    return list;
}

bool isCount(std::int64_t value) {
    return value >= 0 && value <= kMaxCount;
}

// A match total is the human's total of ten games, a 16-bit number.
bool isMatchTotal(std::int64_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// True when the figures of a record agree with each other as addGame, addMatch and
// addAbandoned keep them.
bool consistent(const Record& r) {
    const std::int64_t counts[] = {r.games,     r.matches,   r.wentOut,   r.droppedOut,
                                   r.jokerLeft, r.passes,    r.firstRun,  r.longestFirstRun,
                                   r.abandoned, r.places[0], r.places[1], r.places[2],
                                   r.places[3], r.bestGame};
    if (!std::all_of(std::begin(counts), std::end(counts), isCount)) return false;
    if (r.places[0] + r.places[1] + r.places[2] + r.places[3] != r.games) return false;
    if (r.wentOut + r.droppedOut + r.jokerLeft > r.games) return false;
    if (r.bestGame > kMaxGamePoints) return false;
    // The points add up games of 0 .. bestGame points each.
    if (r.points < 0 || r.points > r.games * r.bestGame) return false;
    if (r.games == 0 && r.bestGame != 0) return false;
    if (r.longestFirstRun > r.places[0] || r.firstRun > r.longestFirstRun) return false;
    if (r.matches == 0) return r.bestMatch == 0 && r.worstMatch == 0 && r.recentMatches.isEmpty();
    if (!isMatchTotal(r.bestMatch) || !isMatchTotal(r.worstMatch) || r.worstMatch > r.bestMatch)
        return false;
    if (r.recentMatches.size() != std::min<std::int64_t>(r.matches, kRecentMatches)) return false;
    return std::all_of(r.recentMatches.begin(), r.recentMatches.end(),
                       [&](int total) { return total >= r.worstMatch && total <= r.bestMatch; });
}

QString fullWidth(int number) {
    QString text = QString::number(number);
    for (QChar& c : text) c = QChar(c.unicode() - u'0' + 0xFF10);
    return text;
}

QString jokerKeyName(JokerMode joker) {
    switch (joker) {
        case JokerMode::None:
            return QStringLiteral("jokernai");
        case JokerMode::Reused:
            return QStringLiteral("jokersai");
        case JokerMode::Once:
            break;
    }
    return QStringLiteral("jokerdo");
}

QString jokerJsonName(JokerMode joker) {
    switch (joker) {
        case JokerMode::None:
            return QStringLiteral("none");
        case JokerMode::Reused:
            return QStringLiteral("reused");
        case JokerMode::Once:
            break;
    }
    return QStringLiteral("once");
}

QString rulesKey(const Rules& rules) {
    return QStringLiteral("ak%1_%2_ps%3")
        .arg(rules.aceKing ? 1 : 0)
        .arg(jokerKeyName(rules.joker))
        .arg(rules.passes);
}

// Every scope a record is kept for: all games, the strengths, the rule combinations, and each
// strength under each rule combination.
std::vector<Scope> allScopes() {
    std::vector<Scope> scopes{Scope{}};
    for (const char* strength : kStrengths) scopes.push_back({QString::fromLatin1(strength), {}});
    for (const Rules& rules : ruleCombinations()) {
        scopes.push_back({std::nullopt, rules});
        for (const char* strength : kStrengths)
            scopes.push_back({QString::fromLatin1(strength), rules});
    }
    return scopes;
}

bool knownStrength(const QString& strength) {
    return std::any_of(kStrengths.begin(), kStrengths.end(),
                       [&](const char* name) { return strength == QLatin1String(name); });
}

// The records a game at `strength` under `rules` adds to.
std::vector<Scope> scopesOf(const QString& strength, const Rules& rules) {
    std::vector<Scope> scopes{Scope{}, Scope{std::nullopt, rules}};
    if (knownStrength(strength)) {
        scopes.push_back({strength, std::nullopt});
        scopes.push_back({strength, rules});
    }
    return scopes;
}

// Reads, changes and writes back the records of a game's scopes in one write; a damaged
// record starts from empty.
template <class Change>
QList<Damage> update(Store& store, const QString& strength, const Rules& rules, Change change) {
    QList<Damage> reset;
    const Store::Batch batch(store);
    for (const Scope& scope : scopesOf(strength, rules)) {
        bool damaged = false;
        Record record = read(store, scope, &damaged);
        if (damaged) reset.append({key(scope), describe(scope)});
        change(record);
        store.save(kSection, key(scope), format(record));
    }
    return reset;
}

}  // namespace

std::optional<double> Record::meanPoints() const {
    if (games <= 0) return std::nullopt;
    return static_cast<double>(points) / static_cast<double>(games);
}

void addGame(Record& record, const GameResult& game) {
    // Every game the rules end gives the human a place; one without is no finished game.
    if (game.place < 1 || game.place > 4) return;
    ++record.games;
    ++record.places[game.place - 1];
    switch (game.outcome) {
        case Outcome::WentOut:
            ++record.wentOut;
            break;
        case Outcome::DroppedOut:
            ++record.droppedOut;
            break;
        case Outcome::JokerLeft:
            ++record.jokerLeft;
            break;
        case Outcome::Playing:
            break;
    }
    record.passes += std::max(game.passes, 0);
    const int points = std::clamp(game.points, 0, kMaxGamePoints);
    record.points += points;
    record.bestGame = std::max<std::int64_t>(record.bestGame, points);
    record.firstRun = game.place == 1 ? record.firstRun + 1 : 0;
    record.longestFirstRun = std::max(record.longestFirstRun, record.firstRun);
}

void addMatch(Record& record, int total) {
    if (record.matches == 0) {
        record.bestMatch = record.worstMatch = total;
    } else {
        record.bestMatch = std::max<std::int64_t>(record.bestMatch, total);
        record.worstMatch = std::min<std::int64_t>(record.worstMatch, total);
    }
    ++record.matches;
    record.recentMatches.append(total);
    while (record.recentMatches.size() > kRecentMatches) record.recentMatches.removeFirst();
}

void addAbandoned(Record& record) {
    ++record.abandoned;
}

QString format(const Record& r) {
    const auto number = [](std::int64_t value) { return QString::number(value); };
    QStringList recent;
    for (const int total : r.recentMatches) recent.append(QString::number(total));
    const QString values[kFieldCount] = {
        number(r.games),
        number(r.matches),
        QStringLiteral("%1,%2,%3,%4")
            .arg(r.places[0])
            .arg(r.places[1])
            .arg(r.places[2])
            .arg(r.places[3]),
        number(r.wentOut),
        number(r.droppedOut),
        number(r.jokerLeft),
        number(r.passes),
        number(r.points),
        number(r.bestGame),
        number(r.bestMatch),
        number(r.worstMatch),
        number(r.firstRun),
        number(r.longestFirstRun),
        number(r.abandoned),
        recent.join(u','),
    };
    QStringList fields;
    for (int f = 0; f < kFieldCount; ++f)
        fields.append(kFieldNames[f].toString() + u'=' + values[f]);
    return fields.join(u' ');
}

std::optional<Record> parse(QStringView text) {
    std::array<std::optional<QStringView>, kFieldCount> values;
    for (const QStringView field : text.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = field.indexOf(u'=');
        if (equals < 0) return std::nullopt;
        const QStringView name = field.left(equals);
        const auto known = std::find(kFieldNames.begin(), kFieldNames.end(), name);
        // A field this version does not know is left out: a later version may add some.
        if (known == kFieldNames.end()) continue;
        auto& value = values[known - kFieldNames.begin()];
        if (value) return std::nullopt;  // twice
        value = field.mid(equals + 1);
    }
    if (std::any_of(values.begin(), values.end(), [](const auto& v) { return !v; }))
        return std::nullopt;

    Record r;
    std::int64_t* const single[kFieldCount] = {
        &r.games,           &r.matches,   nullptr,     &r.wentOut,   &r.droppedOut, &r.jokerLeft,
        &r.passes,          &r.points,    &r.bestGame, &r.bestMatch, &r.worstMatch, &r.firstRun,
        &r.longestFirstRun, &r.abandoned, nullptr};
    for (int f = 0; f < kFieldCount; ++f) {
        if (!single[f]) continue;
        const auto value = integer(*values[f]);
        if (!value) return std::nullopt;
        *single[f] = *value;
    }
    const auto places = integers(*values[kPlaces]);
    if (!places || places->size() != 4) return std::nullopt;
    std::copy(places->begin(), places->end(), r.places.begin());
    const auto recent = integers(*values[kRecent]);
    if (!recent) return std::nullopt;
    for (const std::int64_t total : *recent) {
        if (!isMatchTotal(total)) return std::nullopt;
        r.recentMatches.append(static_cast<int>(total));
    }
    if (!consistent(r)) return std::nullopt;
    return r;
}

std::vector<Rules> ruleCombinations() {
    std::vector<Rules> all;
    for (const bool aceKing : {false, true}) {
        for (const JokerMode joker : {JokerMode::Once, JokerMode::None, JokerMode::Reused}) {
            for (const int passes : {3, 2}) all.push_back({aceKing, joker, passes});
        }
    }
    return all;
}

QString key(const Scope& scope) {
    QString name = kPrefix.toString();
    if (scope.strength) name += u'_' + *scope.strength;
    if (scope.rules) name += u'_' + rulesKey(*scope.rules);
    return name;
}

QString strengthCaption(const QString& strength) {
    if (strength == QLatin1String("weak")) return QStringLiteral("よわい");
    if (strength == QLatin1String("classic")) return QStringLiteral("ふつう");
    if (strength == QLatin1String("strong")) return QStringLiteral("つよい");
    return strength;
}

QString rulesCaption(const Rules& rules) {
    const QString joker = rules.joker == JokerMode::None     ? QStringLiteral("未使用")
                          : rules.joker == JokerMode::Reused ? QStringLiteral("再使用")
                                                             : QStringLiteral("使用");
    return (rules.aceKing ? QStringLiteral("ＡＫ接続あり") : QStringLiteral("ＡＫ接続なし")) +
           QStringLiteral("・Ｊｏｋｅｒ") + joker + QStringLiteral("・パス") +
           fullWidth(rules.passes) + QStringLiteral("回まで");
}

QString describe(const Scope& scope) {
    if (scope.strength && scope.rules)
        return strengthCaption(*scope.strength) + u'／' + rulesCaption(*scope.rules);
    if (scope.strength) return strengthCaption(*scope.strength);
    if (scope.rules) return rulesCaption(*scope.rules);
    return QStringLiteral("全体");
}

bool isStatisticsKey(QStringView name) {
    return name == kPrefix || name.startsWith(kPrefix.toString() + u'_');
}

Record read(const Store& store, const Scope& scope, bool* damaged) {
    if (damaged) *damaged = false;
    const QString name = key(scope);
    if (!store.contains(kSection, name)) return {};
    const auto record = parse(store.get(kSection, name, QString()));
    if (record) return *record;
    if (damaged) *damaged = true;
    return {};
}

QList<Damage> damagedRecords(const Store& store) {
    QList<Damage> damaged;
    for (const Scope& scope : allScopes()) {
        bool bad = false;
        read(store, scope, &bad);
        if (bad) damaged.append({key(scope), describe(scope)});
    }
    return damaged;
}

QList<Damage> recordGame(Store& store, const QString& strength, const Rules& rules,
                         const GameResult& game, std::optional<int> matchTotal) {
    return update(store, strength, rules, [&](Record& record) {
        addGame(record, game);
        if (matchTotal) addMatch(record, *matchTotal);
    });
}

QList<Damage> recordAbandoned(Store& store, const QString& strength, const Rules& rules) {
    return update(store, strength, rules, addAbandoned);
}

QList<Damage> repair(Store& store) {
    const QList<Damage> damaged = damagedRecords(store);
    const Store::Batch batch(store);
    for (const Damage& each : damaged) store.remove(kSection, each.key);
    return damaged;
}

void reset(Store& store) {
    const Store::Batch batch(store);
    for (const auto& [name, value] : store.list(kSection)) {
        if (isStatisticsKey(name)) store.remove(kSection, name);
    }
}

QJsonObject toJson(const Record& r) {
    const auto number = [](std::int64_t value) { return QJsonValue(static_cast<qint64>(value)); };
    QJsonArray places;
    for (const std::int64_t count : r.places) places.append(static_cast<qint64>(count));
    QJsonArray recent;
    for (const int total : r.recentMatches) recent.append(total);
    const auto mean = r.meanPoints();
    return {
        {QStringLiteral("games"), number(r.games)},
        {QStringLiteral("matches"), number(r.matches)},
        {QStringLiteral("places"), places},
        {QStringLiteral("wentOut"), number(r.wentOut)},
        {QStringLiteral("droppedOut"), number(r.droppedOut)},
        {QStringLiteral("jokerLeft"), number(r.jokerLeft)},
        {QStringLiteral("passes"), number(r.passes)},
        {QStringLiteral("points"), number(r.points)},
        {QStringLiteral("meanPoints"), mean ? QJsonValue(*mean) : QJsonValue()},
        {QStringLiteral("bestGame"), r.games > 0 ? number(r.bestGame) : QJsonValue()},
        {QStringLiteral("bestMatch"), r.matches > 0 ? number(r.bestMatch) : QJsonValue()},
        {QStringLiteral("worstMatch"), r.matches > 0 ? number(r.worstMatch) : QJsonValue()},
        {QStringLiteral("firstRun"), number(r.firstRun)},
        {QStringLiteral("longestFirstRun"), number(r.longestFirstRun)},
        {QStringLiteral("abandoned"), number(r.abandoned)},
        {QStringLiteral("recentMatches"), recent},
    };
}

QJsonObject document(const Store& store, int group, const QString& groupName) {
    const auto levels = [&store](const std::optional<Rules>& rules) {
        QJsonObject object;
        for (const char* strength : kStrengths) {
            const QString name = QString::fromLatin1(strength);
            object.insert(name, toJson(read(store, {name, rules})));
        }
        return object;
    };
    QJsonArray combinations;
    for (const Rules& rules : ruleCombinations()) {
        combinations.append(QJsonObject{
            {QStringLiteral("aceKing"), rules.aceKing},
            {QStringLiteral("joker"), jokerJsonName(rules.joker)},
            {QStringLiteral("passes"), rules.passes},
            {QStringLiteral("name"), rulesCaption(rules)},
            {QStringLiteral("total"), toJson(read(store, {std::nullopt, rules}))},
            {QStringLiteral("levels"), levels(rules)},
        });
    }
    return {
        {QStringLiteral("group"), group},
        {QStringLiteral("groupName"), groupName},
        {QStringLiteral("total"), toJson(read(store, {}))},
        {QStringLiteral("levels"), levels(std::nullopt)},
        {QStringLiteral("rules"), combinations},
    };
}

}  // namespace plumet::statistics
