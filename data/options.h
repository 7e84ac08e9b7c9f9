// SPDX-License-Identifier: GPL-3.0-or-later
// The options a player chooses in the menus and on the toolbar: the rules of a match
// (ＡＫ接続, the joker, the passes), the computer players' strength, and how the game is shown
// and paced. One typed value that the
// program owns and hands to whoever needs it; the menus and the toolbar show it and change it.
// The stored form is the live profile's check-mark keys (Settings).
#pragma once

#include <QString>
#include <optional>

#include "rules/gamestate.h"
#include "rules/strength.h"

namespace plumet {

struct Settings;

// "進行速度": how long a computer player thinks.
enum class Pace { Fast, Normal, Slow };

struct Options {
    bool aceKing = false;               // "ＡＫ接続"
    JokerMode joker = JokerMode::Once;  // "未使用", "使用", "再使用"
    int passes = 3;                     // "パス３回まで" or "パス２回まで"
    bool detection = true;              // "出せるカードを検出": playable cards lifted
    bool framed = true;                 // "カードの枠表示"
    bool fitCards = true;               // "カードを窓に合わせる"
    bool sound = true;                  // "効果音": "鳴らす" or "鳴らさない"
    // None when a stored profile checks no pace: the computers keep the pace they have.
    std::optional<Pace> pace = Pace::Normal;
    bool toolbar = true;      // "ツールバーの表示"
    bool autoArrange = true;  // "勝手に整列"
    // "コンピュータの強さ": "よわい", "ふつう" (the classic strategy), "つよい". Like the rules it
    // cannot change during a match.
    Strength strength = Strength::Classic;

    Rules rules() const { return {aceKing, joker, passes}; }
    bool operator==(const Options&) const = default;
};

// The strength as the menu names it: "よわい", "ふつう", "つよい".
QString strengthCaption(Strength strength);

// The options a stored profile holds, and the profile with the options written into it.
Options optionsOf(const Settings& settings);
void storeOptions(Settings& settings, const Options& options);

}  // namespace plumet
