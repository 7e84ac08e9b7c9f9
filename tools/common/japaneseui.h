// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese look of a companion program: Qt's own Japanese translations, so that the
// standard buttons of message boxes read "OK", "キャンセル", "はい(Y)", "いいえ(N)", and a
// Japanese UI font chosen explicitly, so that no text shows as boxes or with voiced marks
// drawn apart from their kana.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;
class QCoreApplication;

namespace toolcommon {

// The Japanese UI families in order of preference: IPA Gothic (under its fontconfig names),
// then Noto Sans CJK JP.
inline const QStringList kJapaneseFamilies = {
    QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("Noto Sans CJK JP")};

// The family to use: the first of kJapaneseFamilies that is installed, else the first of
// `japanese` (installed families that can write Japanese), else none.
QString chooseJapaneseFamily(const QStringList& installed, const QStringList& japanese);

// Installs Qt's Japanese translations ("qtbase_ja.qm" in Qt's translations folder) into the
// application, which owns them. False when they could not be loaded: the standard buttons
// then keep their English captions.
bool loadQtTranslations(QCoreApplication& app);

// Start-up of both programs: the translations and the application font in the chosen
// family (its size left as the platform gives it). Returns the family; empty when no
// installed family can write Japanese and the platform's font stays.
QString setUpJapaneseUi(QApplication& app);

}  // namespace toolcommon
