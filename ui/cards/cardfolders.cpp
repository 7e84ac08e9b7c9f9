// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cards/cardfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "rules/cards.h"

namespace plumet {

QString cardSetTestFile(CardSet set) {
    return set == CardSet::Back ? QStringLiteral("urat.bmp") : QStringLiteral("d7.bmp");
}

QString normalisedFolder(const QString& folder) {
    if (folder.isEmpty()) return folder;
    return QDir::cleanPath(folder);
}

QString cardFilePath(const QString& folder, const QString& name) {
    QString path = normalisedFolder(folder);
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path + QLatin1Char('/') + name;
}

bool isCardSetFolder(const QString& folder, CardSet set) {
    // An empty folder name names no folder (it would otherwise read as the root).
    if (folder.isEmpty()) return false;
    return QFileInfo(cardFilePath(folder, cardSetTestFile(set))).isFile();
}

bool hasReadableCards(const QString& folder) {
    if (folder.isEmpty()) return false;
    for (int card = 1; card <= kJoker; ++card) {
        // Only a picture read whole tells: a damaged file can begin like a bitmap.
        QImageReader reader(cardFilePath(folder, QString::fromStdString(cardFileName(card))));
        if (!reader.read().isNull()) return true;
    }
    return false;
}

QString checkedCardFolder(const QString& folder, CardSet set, const QString& dataFolder) {
    return isCardSetFolder(folder, set) ? normalisedFolder(folder) : dataFolder;
}

}  // namespace plumet
