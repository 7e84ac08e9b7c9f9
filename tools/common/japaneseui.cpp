// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's Japanese translations and the Japanese UI font of the companion programs.
#include "common/japaneseui.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

namespace toolcommon {

QString chooseJapaneseFamily(const QStringList& installed, const QStringList& japanese) {
    for (const QString& wanted : kJapaneseFamilies) {
        for (const QString& family : installed) {
            if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family;
        }
    }
    return japanese.value(0);
}

bool loadQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QString setUpJapaneseUi(QApplication& app) {
    loadQtTranslations(app);
    const QString family = chooseJapaneseFamily(QFontDatabase::families(),
                                                QFontDatabase::families(QFontDatabase::Japanese));
    if (!family.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamily(family);
        QApplication::setFont(font);
    }
    return family;
}

}  // namespace toolcommon
