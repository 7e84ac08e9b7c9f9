// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menuitems.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace plumet {

namespace {

QMenu* addMenu(QMainWindow& window, QMenu* parent, const char* name, const char* caption) {
    QMenu* sub = parent ? parent->addMenu(QString::fromUtf8(caption))
                        : window.menuBar()->addMenu(QString::fromUtf8(caption));
    sub->setObjectName(QString::fromLatin1(name));
    return sub;
}

QAction* addItem(QMenu* menu, const char* name, const char* caption, bool checkable = false) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(checkable);
    return item;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

std::array<QAction*, 16> matchLockedItems(const MenuItems& m) {
    QAction* const card = m.cardMenu->menuAction();
    QAction* const strength = m.strengthMenu->menuAction();
    return {m.changeGroup, m.aceKing,      m.jokerNone,       m.jokerOnce,
            m.jokerReused, m.detection,    m.twoPasses,       m.threePasses,
            card,          m.boardCards,   m.handCards,       m.backCards,
            strength,      m.strengthWeak, m.strengthClassic, m.strengthStrong};
}

MenuItems buildMenus(QMainWindow& window) {
    MenuItems m;
    m.gameMenu = addMenu(window, nullptr, "mnugame", "ｹﾞｰﾑ(&G)");
    m.newGame = addItem(m.gameMenu, "mnugstart", "新規ゲーム(&N)...");
    m.newGame->setShortcut(Qt::Key_F2);
    m.continueMatch = addItem(m.gameMenu, "mnutuduki", "前回の続き");
    m.backToInitialScreen = addItem(m.gameMenu, "mnusyoki", "初期画面に戻る");
    m.showTop10 = addItem(m.gameMenu, "mnutop", "トップ１０(&R)");
    m.showStatistics = addItem(m.gameMenu, "mnuseiseki", "成績(&S)");
    m.hint = addItem(m.gameMenu, "mnuhint", "ヒント");
    m.hint->setShortcut(Qt::Key_H);
    addSeparator(m.gameMenu, "kubun");
    m.quit = addItem(m.gameMenu, "end", "カドリオの終了(&X)");

    m.optionMenu = addMenu(window, nullptr, "mnuoption", "ｵﾌﾟｼｮﾝ(&O)");
    m.rulesMenu = addMenu(window, m.optionMenu, "mnururu", "ルールの変更");
    m.aceKing = addItem(m.rulesMenu, "ruruak", "ＡＫ接続", true);
    m.jokerMenu = addMenu(window, m.rulesMenu, "jok", "Ｊｏｋｅｒ");
    m.jokerNone = addItem(m.jokerMenu, "jokernai", "未使用", true);
    m.jokerOnce = addItem(m.jokerMenu, "jokerdo", "使用", true);
    m.jokerReused = addItem(m.jokerMenu, "jokersai", "再使用", true);
    m.passesMenu = addMenu(window, m.rulesMenu, "psk", "パス回数");
    m.threePasses = addItem(m.passesMenu, "ps3", "パス３回まで", true);
    m.twoPasses = addItem(m.passesMenu, "ps2", "パス２回まで", true);
    addSeparator(m.rulesMenu, "kubun2");
    m.detection = addItem(m.rulesMenu, "daseruka", "出せるカードを検出", true);
    m.strengthMenu = addMenu(window, m.optionMenu, "strengthMenu", "コンピュータの強さ");
    m.strengthWeak = addItem(m.strengthMenu, "strengthWeak", "よわい", true);
    m.strengthClassic = addItem(m.strengthMenu, "strengthClassic", "ふつう", true);
    m.strengthStrong = addItem(m.strengthMenu, "strengthStrong", "つよい", true);
    m.changeGroup = addItem(m.optionMenu, "mnugroup", "グループ変更");
    m.changeNames = addItem(m.optionMenu, "mnuname", "名前の変更");
    m.cardMenu = addMenu(window, m.optionMenu, "mnucard", "カードの変更");
    m.boardCards = addItem(m.cardMenu, "mnuba", "場のカード");
    m.handCards = addItem(m.cardMenu, "mnumy", "あなたのカード");
    m.backCards = addItem(m.cardMenu, "mnuura", "裏面のカード");
    m.cardFrames = addItem(m.optionMenu, "mnucawaku", "カードの枠表示", true);
    m.fitCards = addItem(m.optionMenu, "mnuawase", "カードを窓に合わせる", true);
    m.paceMenu = addMenu(window, m.optionMenu, "mnusinko", "進行速度");
    m.paceFast = addItem(m.paceMenu, "mnuhayai", "速い", true);
    m.paceNormal = addItem(m.paceMenu, "mnuhyojun", "標準", true);
    m.paceSlow = addItem(m.paceMenu, "mnuosoi", "遅い", true);
    m.moveSpeed = addItem(m.optionMenu, "mnumove", "カードの移動速度");
    m.soundMenu = addMenu(window, m.optionMenu, "mnuoto", "効果音");
    m.soundOn = addItem(m.soundMenu, "otoon", "鳴らす", true);
    m.soundOff = addItem(m.soundMenu, "otooff", "鳴らさない", true);
    addSeparator(m.optionMenu, "kubun3");
    m.toolbarShown = addItem(m.optionMenu, "turuba", "ツールバーの表示", true);

    m.windowMenu = addMenu(window, nullptr, "mnuwin", "ｳｲﾝﾄﾞ(&W)");
    m.arrangeAroundBoard = addItem(m.windowMenu, "winseiretu", "場を中心に整列");
    m.arrangeWhole = addItem(m.windowMenu, "winall", "ｳｨﾝﾄﾞ全体に整列");
    m.autoArrange = addItem(m.windowMenu, "wintune", "勝手に整列", true);

    m.helpMenu = addMenu(window, nullptr, "mnuhelp", "ﾍﾙﾌﾟ(&H)");
    m.helpTopics = addItem(m.helpMenu, "mnuhelpm", "トピックの検索");
    m.helpTopics->setShortcut(Qt::Key_F1);
    addSeparator(m.helpMenu, "kubun1");
    m.versionInfo = addItem(m.helpMenu, "mnuvar", "ﾊﾞｰｼﾞｮﾝ情報(&A)");
    return m;
}

}  // namespace plumet
