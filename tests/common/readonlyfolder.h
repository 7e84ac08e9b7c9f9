// SPDX-License-Identifier: GPL-3.0-or-later
// A folder the code run meanwhile may read but not write, as a settings folder the player
// may not write: for the tests of a store that cannot be written.
#pragma once

#include <sys/types.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Makes a folder read-only for the code run while it lives, as a store folder the player
// may not write. Permissions do not bind root, so a test run as root meanwhile takes the
// effective user and group "nobody" (65534); `above` and the folders between it and `folder`
// are opened for reading and the files in `folder` made readable, so that it sees the store.
class ReadOnlyFolder {
  public:
    ReadOnlyFolder(const QString& folder, const QString& above) : folder_(folder) {
        constexpr auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ReadOther | QFileDevice::ReadUser;
        constexpr auto enterable = readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                   QFileDevice::ExeOther | QFileDevice::ExeUser;
        QFile::setPermissions(folder, enterable);
        for (QString path = QFileInfo(folder).path(); path.startsWith(above);
             path = QFileInfo(path).path()) {
            QFile::setPermissions(path,
                                  enterable | QFileDevice::WriteOwner | QFileDevice::WriteUser);
            if (path == above) break;
        }
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            files_.append(file.filePath());
            QFile::setPermissions(file.filePath(), readable);
        }
        if (::geteuid() == 0) {
            asNobody_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (asNobody_) {
            (void)!::seteuid(0);
            (void)!::setegid(0);
        }
        constexpr auto writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ReadUser | QFileDevice::WriteUser;
        QFile::setPermissions(folder_, writable | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        for (const QString& file : files_) QFile::setPermissions(file, writable);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False when a root test could not give up its rights (the folder is then writable).
    bool inForce() const { return ::geteuid() != 0; }

  private:
    static constexpr uid_t kNobody = 65534;
    QString folder_;
    QStringList files_;
    bool asNobody_ = false;
};
