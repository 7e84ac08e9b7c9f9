// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of the live profile (section "form2"): every key the windows apply, with its
// default, read from the store and written back. This is the store side of the windows'
// loadProfile and saveProfile: they apply a Settings to menus, toolbar and windows, and
// fill one from them.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "rules/gamestate.h"
#include "rules/strength.h"

namespace plumet {

class Store;

// A window's place and size in twips.
struct Geometry {
    float top = 0;
    float left = 0;
    float width = 0;
    float height = 0;
    bool operator==(const Geometry&) const = default;
};

struct Settings {
    // Menu check marks, each under the key of its name.
    bool aceKing = false;      // ace-king connection
    bool detection = true;     // playable cards lifted
    bool jokerNone = false;    // no joker
    bool jokerOnce = true;     // joker used once
    bool jokerReused = false;  // joker reused
    bool soundOn = true;       // sound on
    bool soundOff = false;     // sound off
    bool paceFast = false;     // pace fast (menu paceFast)
    bool paceNormal = true;    // pace standard (paceNormal)
    bool paceSlow = false;     // pace slow (paceSlow)
    bool autoArrange = true;   // automatic window arrangement
    bool toolbarShown = true;  // toolbar shown
    bool threePasses = true;   // three passes
    bool twoPasses = false;    // two passes
    bool cardFrames = true;    // card frame (cardFrames)
    bool fitCards = true;      // cards fitted to the windows (fitCards); on when absent

    Geometry mainWindow{0, 0, 9525, 6735};   // MainWindow: "topmdi", "leftmdi", ...
    Geometry board{1365, 1020, 7305, 3058};  // BoardWindow: "top", "left", "width", "height"
    // Windows of players 1..4 (keys "top4".."height7") at index player - 1.
    std::array<Geometry, kPlayers> players{{
        {4423, 1020, 7305, 1562},
        {0, 8325, 1020, 5985},
        {0, 1020, 7305, 1365},
        {0, 0, 1020, 5985},
    }};

    // Player names ("cap4".."cap7") and voices ("sex4".."sex7", true = male) at player - 1.
    std::array<QString, kPlayers> names{QStringLiteral("あなた"), QStringLiteral("ふうか"),
                                        QStringLiteral("たくみ"), QStringLiteral("ゆずは")};
    std::array<bool, kPlayers> male{true, false, true, false};

    std::int16_t group =
        0;  // group in use 0..9; read at start-up only, written by the group dialog
    QString handFaceFolder;   // hand card faces (handFaceFolder)
    QString backFolder;       // card backs (backFolder)
    QString boardFaceFolder;  // board card faces (boardFaceFolder)
    std::int16_t moves = 64;  // card moving speed (flightFrames), 1..121
    // "tuyosa": the computer players' strength, stored as its name ("weak", "classic",
    // "strong"); absent or any other text reads as the classic strength.
    Strength strength = Strength::Classic;

    // The defaults, the card folders being the program's data folder.
    static Settings defaults(const QString& dataFolder);
    bool operator==(const Settings&) const = default;
};

// Reads the live profile; a key that is absent or unreadable gives its default.
Settings readSettings(const Store& store, const QString& dataFolder);

// The writing of saveProfile: a "ckkc" of "9999" is deleted; the geometry is written only
// when the main window is in its normal state (`normalWindow`); then the check marks, the card
// folders and the speed. Names, voices and the group have their own writers.
void writeSettings(Store& store, const Settings& settings, bool normalWindow);

// The names dialog's OK: "cap4".."cap7" and "sex4".."sex7".
void writePlayers(Store& store, const Settings& settings);

// The group dialog's OK: "group".
void writeGroup(Store& store, int group);

// The variables the game keeps of the settings: voices (-1 male, 0 female), the card folders
// and the speed.
void applyToState(const Settings& settings, GameState& state);

}  // namespace plumet
