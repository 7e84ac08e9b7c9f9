#include "app/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plumet {

QString findAppdir() {
    const QDir exe(QCoreApplication::applicationDirPath());
    for (const char* candidate : {"../share/plumet", "../data"}) {
        const QString path = exe.absoluteFilePath(QString::fromLatin1(candidate));
        if (QFileInfo(path).isDir()) return QDir::cleanPath(path);
    }
    return exe.absolutePath();
}

}  // namespace plumet
