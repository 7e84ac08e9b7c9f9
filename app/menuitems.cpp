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

MenuItems buildMenus(QMainWindow& window) {
    MenuItems m;
    m.mnugame = addMenu(window, nullptr, "mnugame", "ｹﾞｰﾑ(&G)");
    m.mnugstart = addItem(m.mnugame, "mnugstart", "新規ゲーム(&N)...");
    m.mnugstart->setShortcut(Qt::Key_F2);
    m.mnutuduki = addItem(m.mnugame, "mnutuduki", "前回の続き");
    m.mnusyoki = addItem(m.mnugame, "mnusyoki", "初期画面に戻る");
    m.mnutop = addItem(m.mnugame, "mnutop", "トップ１０(&R)");
    m.mnuhint = addItem(m.mnugame, "mnuhint", "ヒント");
    m.mnuhint->setShortcut(Qt::Key_H);
    addSeparator(m.mnugame, "kubun");
    m.end = addItem(m.mnugame, "end", "カドリオの終了(&X)");

    m.mnuoption = addMenu(window, nullptr, "mnuoption", "ｵﾌﾟｼｮﾝ(&O)");
    m.mnururu = addMenu(window, m.mnuoption, "mnururu", "ルールの変更");
    m.ruruak = addItem(m.mnururu, "ruruak", "ＡＫ接続", true);
    m.jok = addMenu(window, m.mnururu, "jok", "Ｊｏｋｅｒ");
    m.jokernai = addItem(m.jok, "jokernai", "未使用", true);
    m.jokerdo = addItem(m.jok, "jokerdo", "使用", true);
    m.jokersai = addItem(m.jok, "jokersai", "再使用", true);
    m.psk = addMenu(window, m.mnururu, "psk", "パス回数");
    m.ps3 = addItem(m.psk, "ps3", "パス３回まで", true);
    m.ps2 = addItem(m.psk, "ps2", "パス２回まで", true);
    addSeparator(m.mnururu, "kubun2");
    m.daseruka = addItem(m.mnururu, "daseruka", "出せるカードを検出", true);
    m.mnugroup = addItem(m.mnuoption, "mnugroup", "グループ変更");
    m.mnuname = addItem(m.mnuoption, "mnuname", "名前の変更");
    m.mnucard = addMenu(window, m.mnuoption, "mnucard", "カードの変更");
    m.mnuba = addItem(m.mnucard, "mnuba", "場のカード");
    m.mnumy = addItem(m.mnucard, "mnumy", "あなたのカード");
    m.mnuura = addItem(m.mnucard, "mnuura", "裏面のカード");
    m.mnucawaku = addItem(m.mnuoption, "mnucawaku", "カードの枠表示", true);
    m.mnuawase = addItem(m.mnuoption, "mnuawase", "カードを窓に合わせる", true);
    m.mnusinko = addMenu(window, m.mnuoption, "mnusinko", "進行速度");
    m.mnuhayai = addItem(m.mnusinko, "mnuhayai", "速い", true);
    m.mnuhyojun = addItem(m.mnusinko, "mnuhyojun", "標準", true);
    m.mnuosoi = addItem(m.mnusinko, "mnuosoi", "遅い", true);
    m.mnumove = addItem(m.mnuoption, "mnumove", "カードの移動速度");
    m.mnuoto = addMenu(window, m.mnuoption, "mnuoto", "効果音");
    m.otoon = addItem(m.mnuoto, "otoon", "鳴らす", true);
    m.otooff = addItem(m.mnuoto, "otooff", "鳴らさない", true);
    addSeparator(m.mnuoption, "kubun3");
    m.turuba = addItem(m.mnuoption, "turuba", "ツールバーの表示", true);

    m.mnuwin = addMenu(window, nullptr, "mnuwin", "ｳｲﾝﾄﾞ(&W)");
    m.winseiretu = addItem(m.mnuwin, "winseiretu", "場を中心に整列");
    m.winall = addItem(m.mnuwin, "winall", "ｳｨﾝﾄﾞ全体に整列");
    m.wintune = addItem(m.mnuwin, "wintune", "勝手に整列", true);

    m.mnuhelp = addMenu(window, nullptr, "mnuhelp", "ﾍﾙﾌﾟ(&H)");
    m.mnuhelpm = addItem(m.mnuhelp, "mnuhelpm", "トピックの検索");
    m.mnuhelpm->setShortcut(Qt::Key_F1);
    addSeparator(m.mnuhelp, "kubun1");
    m.mnuvar = addItem(m.mnuhelp, "mnuvar", "ﾊﾞｰｼﾞｮﾝ情報(&A)");
    return m;
}

}  // namespace plumet
