// SPDX-License-Identifier: GPL-3.0-or-later
// The game's Japanese look, set up once at start: Qt's own Japanese translations, so that the
// standard buttons of the message boxes read "OK", "キャンセル", "はい", "いいえ" (the game's
// own captions stay where it gives them), and a Japanese UI font chosen on purpose, so that the
// half-width katakana of the menus (ｹﾞｰﾑ, ｵﾌﾟｼｮﾝ) keep their voiced marks with their kana
// instead of borrowing each character from another font.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace plumet {

// The UI families the game asks for, best first: IPA Gothic (under both of its names), then
// Noto Sans CJK JP.
QStringList preferredUiFamilies();

// The family to use among the `installed` ones: the first preferred family installed, else
// the first of `japanese` (installed families that write Japanese), else none (the
// platform's font stays, and fontconfig finds Japanese glyphs character by character).
QString chooseUiFamily(const QStringList& installed, const QStringList& japanese);

// Loads "qtbase_ja" from Qt's translations folder into the application. False when it is
// missing: the standard buttons keep their English captions.
bool loadQtJapanese(QApplication& app);

// Both at once, as the game starts: returns the family now the application's font, or empty.
QString setUpJapaneseUi(QApplication& app);

}  // namespace plumet
