// SPDX-License-Identifier: GPL-3.0-or-later
// A store file the player protected, in a folder they may write: read-only (to be kept as it
// is) or not even readable (to be left alone), for the tests of files that must not change.
#pragma once

#include <sys/types.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Gives `file` the protection and its folder write access for everyone for the code run while
// it lives. Permissions do not bind root, so a test run as root meanwhile takes the effective
// user and group "nobody" (65534); the folders from `above` down to the file's are opened for
// it.
class ProtectedFile {
  public:
    enum class Protection { ReadOnly, NoAccess };

    ProtectedFile(const QString& file, const QString& above, Protection protection) : file_(file) {
        constexpr auto everyone = QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ReadOther | QFileDevice::ReadUser;
        constexpr auto enterable = everyone | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                   QFileDevice::ExeOther | QFileDevice::ExeUser;
        constexpr auto writable = enterable | QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                  QFileDevice::WriteOther | QFileDevice::WriteUser;
        QFile::setPermissions(file, protection == Protection::ReadOnly
                                        ? QFileDevice::Permissions(everyone)
                                        : QFileDevice::Permissions());
        const QString folder = QFileInfo(file).path();
        QFile::setPermissions(folder, writable);
        folders_.append(folder);
        for (QString path = QFileInfo(folder).path(); path.startsWith(above);
             path = QFileInfo(path).path()) {
            QFile::setPermissions(path,
                                  enterable | QFileDevice::WriteOwner | QFileDevice::WriteUser);
            folders_.append(path);
            if (path == above) break;
        }
        if (::geteuid() == 0) asNobody_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    }
    ~ProtectedFile() {
        if (asNobody_) {
            (void)!::seteuid(0);
            (void)!::setegid(0);
        }
        constexpr auto own = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ExeOwner | QFileDevice::ReadUser |
                             QFileDevice::WriteUser | QFileDevice::ExeUser;
        for (const QString& folder : folders_) QFile::setPermissions(folder, own);
        QFile::setPermissions(file_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadUser | QFileDevice::WriteUser);
    }
    ProtectedFile(const ProtectedFile&) = delete;
    ProtectedFile& operator=(const ProtectedFile&) = delete;

    // False when a root test could not give up its rights (the file is then open to it).
    bool inForce() const { return ::geteuid() != 0; }

  private:
    static constexpr uid_t kNobody = 65534;
    QString file_;
    QStringList folders_;
    bool asNobody_ = false;
};
