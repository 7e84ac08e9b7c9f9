// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu tree, one member per menu and menu item under the item's name. The
// items carry the same names as their objects, so that a menu item can be found by name too.
#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace plumet {

struct MenuItems {
    // "ｹﾞｰﾑ(&G)"
    QMenu* gameMenu = nullptr;
    QAction* newGame = nullptr;              // "新規ゲーム(&N)..." F2
    QAction* continueMatch = nullptr;        // "前回の続き"
    QAction* backToInitialScreen = nullptr;  // "初期画面に戻る"
    QAction* showTop10 = nullptr;            // "トップ１０(&R)"
    QAction* showStatistics = nullptr;       // "成績(&S)"
    QAction* hint = nullptr;                 // "ヒント" H
    QAction* quit = nullptr;                 // "カドリオの終了(&X)"
    // "ｵﾌﾟｼｮﾝ(&O)"
    QMenu* optionMenu = nullptr;
    QMenu* rulesMenu = nullptr;          // "ルールの変更"
    QAction* aceKing = nullptr;          // "ＡＫ接続"
    QMenu* jokerMenu = nullptr;          // "Ｊｏｋｅｒ"
    QAction* jokerNone = nullptr;        // "未使用"
    QAction* jokerOnce = nullptr;        // "使用"
    QAction* jokerReused = nullptr;      // "再使用"
    QMenu* passesMenu = nullptr;         // "パス回数"
    QAction* threePasses = nullptr;      // "パス３回まで"
    QAction* twoPasses = nullptr;        // "パス２回まで"
    QAction* detection = nullptr;        // "出せるカードを検出"
    QMenu* strengthMenu = nullptr;       // "コンピュータの強さ"
    QAction* strengthWeak = nullptr;     // "よわい"
    QAction* strengthClassic = nullptr;  // "ふつう"
    QAction* strengthStrong = nullptr;   // "つよい"
    QAction* changeGroup = nullptr;      // "グループ変更"
    QAction* changeNames = nullptr;      // "名前の変更"
    QMenu* cardMenu = nullptr;           // "カードの変更"
    QAction* boardCards = nullptr;       // "場のカード"
    QAction* handCards = nullptr;        // "あなたのカード"
    QAction* backCards = nullptr;        // "裏面のカード"
    QAction* cardFrames = nullptr;       // "カードの枠表示"
    QAction* fitCards = nullptr;         // "カードを窓に合わせる"
    QMenu* paceMenu = nullptr;           // "進行速度"
    QAction* paceFast = nullptr;         // "速い"
    QAction* paceNormal = nullptr;       // "標準"
    QAction* paceSlow = nullptr;         // "遅い"
    QAction* moveSpeed = nullptr;        // "カードの移動速度"
    QMenu* soundMenu = nullptr;          // "効果音"
    QAction* soundOn = nullptr;          // "鳴らす"
    QAction* soundOff = nullptr;         // "鳴らさない"
    QAction* toolbarShown = nullptr;     // "ツールバーの表示"
    // "ｳｲﾝﾄﾞ(&W)"
    QMenu* windowMenu = nullptr;
    QAction* arrangeAroundBoard = nullptr;  // "場を中心に整列"
    QAction* arrangeWhole = nullptr;        // "ｳｨﾝﾄﾞ全体に整列"
    QAction* autoArrange = nullptr;         // "勝手に整列"
    // "ﾍﾙﾌﾟ(&H)"
    QMenu* helpMenu = nullptr;
    QAction* helpTopics = nullptr;   // "トピックの検索" F1
    QAction* versionInfo = nullptr;  // "ﾊﾞｰｼﾞｮﾝ情報(&A)"
};

// The items the match lock covers: the group change, the rule options, detection, the
// computer players' strength and the card sets; a submenu is locked together with its items.
std::array<QAction*, 16> matchLockedItems(const MenuItems& items);

// Builds the menu bar of `window` with every menu and item in place, captions and shortcut
// keys set, the check items checkable; no item is connected yet.
MenuItems buildMenus(QMainWindow& window);

}  // namespace plumet
