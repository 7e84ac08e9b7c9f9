// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's Japanese translations and the Japanese UI font of the game.
#include "app/japaneseui.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>

namespace plumet {

QStringList preferredUiFamilies() {
    return {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
            QStringLiteral("Noto Sans CJK JP")};
}

QString chooseUiFamily(const QStringList& installed, const QStringList& japanese) {
    for (const QString& wanted : preferredUiFamilies()) {
        const auto found = std::find_if(installed.begin(), installed.end(), [&](const QString& f) {
            return f.compare(wanted, Qt::CaseInsensitive) == 0;
        });
        if (found != installed.end()) return *found;
    }
    return japanese.isEmpty() ? QString() : japanese.constFirst();
}

bool loadQtJapanese(QApplication& app) {
    // Once an application: a program made again in the same one finds it there.
    const QString name = QStringLiteral("qtbase_ja");
    if (app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(name);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

QString setUpJapaneseUi(QApplication& app) {
    loadQtJapanese(app);
    const QString family =
        chooseUiFamily(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
    if (family.isEmpty()) return {};
    QFont font = QApplication::font();
    font.setFamilies({family});
    QApplication::setFont(font);
    return family;
}

}  // namespace plumet
