// The main window's menu tree, one member per menu and menu item under the item's name. The
// items carry the same names as their objects, so that a menu item can be found by name too.
#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace plumet {

struct MenuItems {
    // "ｹﾞｰﾑ(&G)"
    QMenu* mnugame = nullptr;
    QAction* mnugstart = nullptr;  // "新規ゲーム(&N)..." F2
    QAction* mnutuduki = nullptr;  // "前回の続き"
    QAction* mnusyoki = nullptr;   // "初期画面に戻る"
    QAction* mnutop = nullptr;     // "トップ１０(&R)"
    QAction* mnuhint = nullptr;    // "ヒント" H
    QAction* end = nullptr;        // "カドリオの終了(&X)"
    // "ｵﾌﾟｼｮﾝ(&O)"
    QMenu* mnuoption = nullptr;
    QMenu* mnururu = nullptr;      // "ルールの変更"
    QAction* ruruak = nullptr;     // "ＡＫ接続"
    QMenu* jok = nullptr;          // "Ｊｏｋｅｒ"
    QAction* jokernai = nullptr;   // "未使用"
    QAction* jokerdo = nullptr;    // "使用"
    QAction* jokersai = nullptr;   // "再使用"
    QMenu* psk = nullptr;          // "パス回数"
    QAction* ps3 = nullptr;        // "パス３回まで"
    QAction* ps2 = nullptr;        // "パス２回まで"
    QAction* daseruka = nullptr;   // "出せるカードを検出"
    QAction* mnugroup = nullptr;   // "グループ変更"
    QAction* mnuname = nullptr;    // "名前の変更"
    QMenu* mnucard = nullptr;      // "カードの変更"
    QAction* mnuba = nullptr;      // "場のカード"
    QAction* mnumy = nullptr;      // "あなたのカード"
    QAction* mnuura = nullptr;     // "裏面のカード"
    QAction* mnucawaku = nullptr;  // "カードの枠表示"
    QAction* mnuawase = nullptr;   // "カードを窓に合わせる"
    QMenu* mnusinko = nullptr;     // "進行速度"
    QAction* mnuhayai = nullptr;   // "速い"
    QAction* mnuhyojun = nullptr;  // "標準"
    QAction* mnuosoi = nullptr;    // "遅い"
    QAction* mnumove = nullptr;    // "カードの移動速度"
    QMenu* mnuoto = nullptr;       // "効果音"
    QAction* otoon = nullptr;      // "鳴らす"
    QAction* otooff = nullptr;     // "鳴らさない"
    QAction* turuba = nullptr;     // "ツールバーの表示"
    // "ｳｲﾝﾄﾞ(&W)"
    QMenu* mnuwin = nullptr;
    QAction* winseiretu = nullptr;  // "場を中心に整列"
    QAction* winall = nullptr;      // "ｳｨﾝﾄﾞ全体に整列"
    QAction* wintune = nullptr;     // "勝手に整列"
    // "ﾍﾙﾌﾟ(&H)"
    QMenu* mnuhelp = nullptr;
    QAction* mnuhelpm = nullptr;  // "トピックの検索" F1
    QAction* mnuvar = nullptr;    // "ﾊﾞｰｼﾞｮﾝ情報(&A)"
};

// Builds the menu bar of `window` with every menu and item in place, captions and shortcut
// keys set, the check items checkable; no item is connected yet.
MenuItems buildMenus(QMainWindow& window);

}  // namespace plumet
