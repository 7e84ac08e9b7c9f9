// The settings of the live profile (section "form2"): every key the windows apply, with its
// default, read from the store and written back. This is the store side of the windows'
// loadsettings and savesettings: they apply a Settings to menus, toolbar and windows, and
// fill one from them.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "rules/gamestate.h"

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
    bool ruruak = false;    // ace-king connection
    bool daseruka = true;   // playable cards lifted
    bool jokernai = false;  // no joker
    bool jokerdo = true;    // joker used once
    bool jokersai = false;  // joker reused
    bool otoon = true;      // sound on
    bool otooff = false;    // sound off
    bool hayai = false;     // pace fast (menu mnuhayai)
    bool hyojun = true;     // pace standard (mnuhyojun)
    bool osoi = false;      // pace slow (mnuosoi)
    bool wintune = true;    // automatic window arrangement
    bool turuba = true;     // toolbar shown
    bool ps3 = true;        // three passes
    bool ps2 = false;       // two passes
    bool cawaku = true;     // card frame (mnucawaku)
    bool awase = true;      // cards fitted to the windows (mnuawase); on when absent

    Geometry mainWindow{0, 0, 9525, 6735};   // MDIForm1: "topmdi", "leftmdi", ...
    Geometry board{1365, 1020, 7305, 3058};  // Form2: "top", "left", "width", "height"
    // Windows of players 1..4 (Form4..Form7, keys "top4".."height7") at index player - 1.
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

    std::int16_t plymdi =
        0;        // group in use 0..9; read at start-up only, written by the group dialog
    QString fdf;  // hand card faces (facedir)
    QString fdu;  // card backs (backdir)
    QString fdb;  // board card faces (boarddir)
    std::int16_t moves = 64;  // card moving speed (movespeed), 1..121

    // The defaults, the card folders being the program's data folder.
    static Settings defaults(const QString& appdir);
    bool operator==(const Settings&) const = default;
};

// Reads the live profile; a key that is absent or unreadable gives its default.
Settings readSettings(const Store& store, const QString& appdir);

// The writing of savesettings: a "ckkc" of "9999" is deleted; the geometry is written only
// when the main window is in its normal state (`normalWindow`); then the check marks, the card
// folders and the speed. Names, voices and the group have their own writers.
void writeSettings(Store& store, const Settings& settings, bool normalWindow);

// The names dialog's OK: "cap4".."cap7" and "sex4".."sex7".
void writePlayers(Store& store, const Settings& settings);

// The group dialog's OK: "plymdi".
void writeGroup(Store& store, int group);

// The variables the game keeps of the settings: sex (-1 male, 0 female), the card folders
// and the speed.
void applyToState(const Settings& settings, GameState& state);

}  // namespace plumet
