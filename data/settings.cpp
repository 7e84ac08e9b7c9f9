// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/settings.h"

#include <algorithm>

#include "data/store.h"
#include "data/values.h"

namespace plumet {

namespace {

constexpr QStringView kSection = u"form2";
constexpr int kGroups = 10;
constexpr std::int16_t kSlowestMoves = 121;  // the speed dialog's range is 1..11 squared

struct BoolKey {
    QStringView key;
    bool Settings::*member;
    QStringView fallback;  // the default as the program passes it
};

constexpr BoolKey kBoolKeys[] = {
    {u"ruruak", &Settings::aceKing, u"0"},           {u"daseruka", &Settings::detection, u"true"},
    {u"jokernai", &Settings::jokerNone, u"false"},   {u"jokerdo", &Settings::jokerOnce, u"true"},
    {u"jokersai", &Settings::jokerReused, u"false"}, {u"otoon", &Settings::soundOn, u"true"},
    {u"otooff", &Settings::soundOff, u"false"},      {u"hayai", &Settings::paceFast, u"false"},
    {u"hyojun", &Settings::paceNormal, u"true"},     {u"osoi", &Settings::paceSlow, u"false"},
    {u"wintune", &Settings::autoArrange, u"true"},   {u"turuba", &Settings::toolbarShown, u"true"},
    {u"ps3", &Settings::threePasses, u"true"},       {u"ps2", &Settings::twoPasses, u"false"},
    {u"cawaku", &Settings::cardFrames, u"true"},     {u"awase", &Settings::fitCards, u"true"},
};

// The order saveProfile writes the check marks in.
constexpr QStringView kWriteOrder[] = {
    u"otoon",    u"otooff",  u"hayai",    u"hyojun", u"osoi", u"wintune", u"ruruak", u"daseruka",
    u"jokernai", u"jokerdo", u"jokersai", u"turuba", u"ps3",  u"ps2",     u"cawaku", u"awase"};

constexpr std::array<QStringView, kPlayers> kSexDefaults{u"true", u"0", u"true", u"0"};

// The geometry keys of a window: the main window's end in "mdi", the board's have no
// suffix, a player window's end in its window number.
std::array<QString, 4> geometryKeys(const QString& suffix) {
    return {QStringLiteral("top") + suffix, QStringLiteral("left") + suffix,
            QStringLiteral("width") + suffix, QStringLiteral("height") + suffix};
}

std::array<float Geometry::*, 4> geometryMembers() {
    return {&Geometry::top, &Geometry::left, &Geometry::width, &Geometry::height};
}

// Every window with its key suffix and its place in Settings.
std::array<std::pair<QString, Geometry Settings::*>, 2> namedWindows() {
    return {{{QStringLiteral("mdi"), &Settings::mainWindow}, {QString(), &Settings::board}}};
}

QString windowSuffix(int player) {
    return QString::number(player + 3);
}

Geometry readGeometry(const Store& store, const QString& suffix, const Geometry& fallback) {
    Geometry geometry = fallback;
    const auto keys = geometryKeys(suffix);
    const auto members = geometryMembers();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (store.contains(kSection, keys[i])) {
            geometry.*members[i] = values::toLength(store.get(kSection, keys[i], QString()));
        }
    }
    return geometry;
}

void writeGeometry(Store& store, const QString& suffix, const Geometry& geometry) {
    const auto keys = geometryKeys(suffix);
    const auto members = geometryMembers();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        store.save(kSection, keys[i], values::lengthText(geometry.*members[i]));
    }
}

const BoolKey& boolKey(QStringView key) {
    return *std::find_if(std::begin(kBoolKeys), std::end(kBoolKeys),
                         [&](const BoolKey& entry) { return entry.key == key; });
}

bool readBool(const Store& store, QStringView key, QStringView fallback) {
    const bool byDefault = values::toBool(fallback, false);
    return values::toBool(store.get(kSection, key, fallback.toString()), byDefault);
}

}  // namespace

Settings Settings::defaults(const QString& dataFolder) {
    Settings settings;
    settings.handFaceFolder = settings.backFolder = settings.boardFaceFolder = dataFolder;
    return settings;
}

Settings readSettings(const Store& store, const QString& dataFolder) {
    Settings settings = Settings::defaults(dataFolder);
    for (const BoolKey& entry : kBoolKeys) {
        settings.*entry.member = readBool(store, entry.key, entry.fallback);
    }
    for (const auto& [suffix, member] : namedWindows()) {
        settings.*member = readGeometry(store, suffix, settings.*member);
    }
    for (int i = 0; i < kPlayers; ++i) {
        const QString suffix = windowSuffix(i + 1);
        settings.players[i] = readGeometry(store, suffix, settings.players[i]);
        settings.names[i] = store.get(kSection, QStringLiteral("cap") + suffix, settings.names[i]);
        settings.male[i] = readBool(store, QStringLiteral("sex") + suffix, kSexDefaults[i]);
    }
    // A group number outside 0..9 names no group: the first group is used.
    const auto group = values::toInt16(store.get(kSection, u"plymdi", QStringLiteral("0")));
    settings.group = group >= 0 && group < kGroups ? group : std::int16_t{0};
    settings.handFaceFolder = store.get(kSection, u"fdf", dataFolder);
    settings.backFolder = store.get(kSection, u"fdu", dataFolder);
    settings.boardFaceFolder = store.get(kSection, u"fdb", dataFolder);
    // A speed that is no number reads as the default: 0 would be clamped to the fastest.
    const auto moves =
        values::toInt16(store.get(kSection, u"moves", QStringLiteral("64")), settings.moves);
    settings.moves = std::clamp<std::int16_t>(moves, 1, kSlowestMoves);
    const QString strength = store.get(kSection, u"tuyosa", QStringLiteral("classic"));
    settings.strength =
        strengthFromName(strength.trimmed().toStdString()).value_or(Strength::Classic);
    return settings;
}

void writeSettings(Store& store, const Settings& settings, bool normalWindow) {
    Store::Batch batch(store);
    if (store.get(kSection, u"ckkc", QStringLiteral("1968")) == u"9999") {
        store.remove(kSection, u"ckkc");
    }
    if (normalWindow) {
        for (const auto& [suffix, member] : namedWindows()) {
            writeGeometry(store, suffix, settings.*member);
        }
        for (int i = 0; i < kPlayers; ++i) {
            writeGeometry(store, windowSuffix(i + 1), settings.players[i]);
        }
    }
    for (const QStringView key : kWriteOrder) {
        store.save(kSection, key, values::boolText(settings.*boolKey(key).member));
    }
    store.save(kSection, u"fdf", settings.handFaceFolder);
    store.save(kSection, u"fdu", settings.backFolder);
    store.save(kSection, u"fdb", settings.boardFaceFolder);
    store.save(kSection, u"moves", QString::number(settings.moves));
    store.save(kSection, u"tuyosa", QString::fromLatin1(strengthName(settings.strength)));
}

void writePlayers(Store& store, const Settings& settings) {
    Store::Batch batch(store);
    for (int i = 0; i < kPlayers; ++i) {
        const QString suffix = windowSuffix(i + 1);
        store.save(kSection, QStringLiteral("cap") + suffix, settings.names[i]);
        store.save(kSection, QStringLiteral("sex") + suffix, values::boolText(settings.male[i]));
    }
}

void writeGroup(Store& store, int group) {
    store.save(kSection, u"plymdi", QString::number(group));
}

void applyToState(const Settings& settings, GameState& state) {
    for (int i = 0; i < kPlayers; ++i) state.voices[i] = settings.male[i] ? -1 : 0;
    state.handFaceFolder = settings.handFaceFolder.toStdString();
    state.backFolder = settings.backFolder.toStdString();
    state.boardFaceFolder = settings.boardFaceFolder.toStdString();
    state.flightFrames = settings.moves;
}

}  // namespace plumet
