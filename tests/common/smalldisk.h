// SPDX-License-Identifier: GPL-3.0-or-later
// A small disk at a folder, for the tests of writes that run out of room: a tmpfs of a few
// kilobytes mounted there where the machine allows it (root here), else the folder as it is
// under the write limit of smalldisk.cpp, which fails every write that would make the
// folder's files larger than the disk (PLUMET_SMALLDISK=limit takes the limit even where
// mounting works). Either way the writes into the folder really fail midway with ENOSPC, as
// on a full disk. The disk goes with the object: the tmpfs is unmounted (and, mounted in the
// test's private mount namespace, would not outlive a crash either), the limit lifted.
//
// A test using it links the library plumet_smalldisk (tests/common/CMakeLists.txt).
#pragma once

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

extern "C" void plumet_writelimit_set(const char* folder, long long capacity);
extern "C" void plumet_writelimit_clear();

class SmallDisk {
  public:
    // A disk of `capacity` bytes at `folder`, which is made when missing and must be empty.
    explicit SmallDisk(const QString& folder, qint64 capacity = 64 * 1024)
        : folder_(QFileInfo(folder).absoluteFilePath()), capacity_(capacity) {
        QDir().mkpath(folder_);
        const QByteArray native = QFile::encodeName(folder_);
        if (qEnvironmentVariable("PLUMET_SMALLDISK") != QLatin1String("limit")) {
            const QByteArray options = "size=" + QByteArray::number(capacity) + ",mode=0755";
            mounted_ = ::mount("tmpfs", native.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                               options.constData()) == 0;
        }
        if (!mounted_) plumet_writelimit_set(native.constData(), capacity);
    }
    ~SmallDisk() {
        if (mounted_) {
            const QByteArray native = QFile::encodeName(folder_);
            if (::umount2(native.constData(), 0) != 0) ::umount2(native.constData(), MNT_DETACH);
        } else {
            plumet_writelimit_clear();
            QFile::remove(filler());
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const QString& folder() const { return folder_; }
    // "tmpfs" or "write limit", for the test's log.
    QString kind() const {
        return mounted_ ? QStringLiteral("tmpfs") : QStringLiteral("write limit");
    }

    // The bytes a file may still grow by.
    qint64 available() const {
        if (mounted_) {
            struct statvfs info {};
            if (::statvfs(QFile::encodeName(folder_).constData(), &info) != 0) return 0;
            return qint64(info.f_bavail) * qint64(info.f_frsize);
        }
        qint64 used = 0;
        for (const QFileInfo& file :
             QDir(folder_).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
            used += file.size();
        return capacity_ - used;
    }

    // Fills the disk with a filler file until `bytes` are left free (a tmpfs counts whole
    // pages: there the free room is rounded down to them). False when less is free already.
    bool leaveFree(qint64 bytes) {
        QFile::remove(filler());
        qint64 fill = available();
        if (mounted_) {
            struct statvfs info {};
            if (::statvfs(QFile::encodeName(folder_).constData(), &info) != 0) return false;
            const qint64 page = qint64(info.f_frsize);
            fill -= bytes / page * page;
        } else {
            fill -= bytes;
        }
        if (fill < 0) return false;
        QFile file(filler());
        if (!file.open(QIODevice::WriteOnly)) return false;
        if (!mounted_) return file.resize(fill);  // the limit counts sizes, not pages
        const QByteArray zeros(4096, '\0');
        for (qint64 left = fill; left > 0; left -= zeros.size()) {
            if (file.write(zeros.constData(), qMin<qint64>(left, zeros.size())) < 0) return false;
        }
        return file.flush();
    }

  private:
    QString filler() const { return folder_ + QStringLiteral("/filler"); }

    QString folder_;
    qint64 capacity_;
    bool mounted_ = false;
};
