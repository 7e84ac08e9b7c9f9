// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plumet {

QStringList appdirCandidates() {
    const QDir exe(QCoreApplication::applicationDirPath());
    QStringList folders;
    folders.append(QDir::cleanPath(exe.absoluteFilePath(QStringLiteral("../share/plumet"))));
    folders.append(exe.absolutePath());
    return folders;
}

QString findDataFolder() {
    const QStringList folders = appdirCandidates();
    for (const QString& folder : folders) {
        if (QFileInfo(folder).isDir()) return folder;
    }
    return folders.constLast();
}

}  // namespace plumet
