// SPDX-License-Identifier: GPL-3.0-or-later
// Files written whole or not at all, read only when they are plain files.
#include "common/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolcommon::wholefile {

namespace {

// Links followed before a chain counts as a loop (the kernel's own limit).
constexpr int kMaxLinks = 40;
constexpr int kSuffixLength = 6;

Stamp stampOf(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size,
            qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// Closes a descriptor when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool writeAll(int fd, QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        left -= written;
    }
    return true;
}

// Reads from the start of the descriptor until its end, at most `limit` + 1 bytes.
std::optional<QByteArray> readAll(int fd, qint64 limit) {
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, off_t(bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) return bytes;
        bytes.append(buffer, got);
        if (bytes.size() > limit) return bytes;
    }
}

// The temporary file's time comes after the replaced file's, by at least a millisecond:
// readers that tell versions of a file apart by size and time (QSettings keeps what it
// read of a file by those) see a new version even within one tick of the clock.
void setLaterTime(int fd, const struct stat* replaced) {
    timespec times[2] = {{0, UTIME_OMIT}, {}};
    ::clock_gettime(CLOCK_REALTIME, &times[1]);
    if (replaced) {
        timespec least = replaced->st_mtim;
        least.tv_nsec += 1'000'000;
        if (least.tv_nsec >= 1'000'000'000) {
            least.tv_sec += 1;
            least.tv_nsec -= 1'000'000'000;
        }
        if (times[1].tv_sec < least.tv_sec ||
            (times[1].tv_sec == least.tv_sec && times[1].tv_nsec < least.tv_nsec))
            times[1] = least;
    }
    ::futimens(fd, times);
}

// Makes a rename or an unlink in the folder durable. A failure is not reported: the
// folder already shows the change.
void syncFolder(const QString& file) {
    const int fd = ::open(QFile::encodeName(QFileInfo(file).path()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

QString randomSuffix() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix += QChar(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return suffix;
}

// The temporary file of one write, beside the file it is to replace, under a name nobody
// else has (O_EXCL: no existing file, no link planted under the name). Deleted when it
// goes, unless it took the file's place.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!native_.isEmpty() && !placed_) ::unlink(native_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool create(const QString& target) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString name = target + u'.' + randomSuffix();
            const QByteArray native = QFile::encodeName(name);
            fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                         0666);
            if (fd_ >= 0) {
                name_ = name;
                native_ = native;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }
    int fd() const { return fd_; }
    const QString& name() const { return name_; }
    // False when the close reports an error (a late write error, on NFS).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    bool placeAt(const QByteArray& target) {
        placed_ = ::rename(native_.constData(), target.constData()) == 0;
        return placed_;
    }

  private:
    int fd_ = -1;
    QString name_;
    QByteArray native_;
    bool placed_ = false;
};

// Whether this process may write the file (by its effective user, as the kernel decides).
bool mayWrite(const QByteArray& file) {
    return ::faccessat(AT_FDCWD, file.constData(), W_OK, AT_EACCESS) == 0;
}

bool isLeftoverName(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + kSuffixLength || !name.startsWith(prefix)) return false;
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const char16_t ch = name[i].unicode();
        if (!((ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z') ||
              (ch >= u'0' && ch <= u'9')))
            return false;
    }
    return true;
}

}  // namespace

QString resolve(const QString& path) {
    QString current = path;
    for (int links = 0; links < kMaxLinks; ++links) {
        char target[PATH_MAX];
        const ssize_t length =
            ::readlink(QFile::encodeName(current).constData(), target, sizeof target);
        if (length < 0 || length == ssize_t(sizeof target)) return current;
        const QString next = QFile::decodeName(QByteArray(target, length));
        current = QDir::isAbsolutePath(next) ? next : QFileInfo(current).path() + u'/' + next;
    }
    return current;
}

Contents read(const QString& path, qint64 maxSize) {
    Contents contents;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) {
        contents.kind = errno == ENOENT || errno == ENOTDIR ? Contents::Kind::Absent
                                                            : Contents::Kind::Unreadable;
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.kind = Contents::Kind::NotAFile;
        return contents;
    }
    Descriptor file(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        contents.kind = errno == ENOENT ? Contents::Kind::Absent : Contents::Kind::Unreadable;
        return contents;
    }
    // The name may have been given to something else between the look and the opening.
    if (::fstat(file.get(), &info) != 0) {
        contents.kind = Contents::Kind::Unreadable;
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.kind = Contents::Kind::NotAFile;
        return contents;
    }
    contents.stamp = stampOf(info);
    if (info.st_size > maxSize) {
        contents.kind = Contents::Kind::TooBig;
        return contents;
    }
    std::optional<QByteArray> bytes = readAll(file.get(), maxSize);
    if (!bytes) {
        contents.kind = Contents::Kind::Unreadable;
    } else if (bytes->size() > maxSize) {
        contents.kind = Contents::Kind::TooBig;
    } else {
        contents.kind = Contents::Kind::File;
        contents.bytes = std::move(*bytes);
    }
    return contents;
}

std::optional<Stamp> stamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return stampOf(info);
}

bool replace(const QString& path, QByteArrayView bytes,
             const std::function<bool(const QString& written)>& check) {
    const QString target = resolve(path);
    const QByteArray nativeTarget = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(nativeTarget.constData(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    // Only a plain file is replaced, and only one the player may write: a read-only file
    // is kept as it is, as QSaveFile keeps it.
    if (exists && (!S_ISREG(old.st_mode) || !mayWrite(nativeTarget))) return false;

    TemporaryFile file;
    if (!file.create(target)) return false;
    if (exists) ::fchmod(file.fd(), old.st_mode & 07777);  // the file keeps its permissions
    if (!writeAll(file.fd(), bytes)) return false;
    setLaterTime(file.fd(), exists ? &old : nullptr);
    if (::fsync(file.fd()) != 0) return false;
    // What the file holds now is exactly what was meant.
    struct stat written {};
    if (::fstat(file.fd(), &written) != 0 || written.st_size != bytes.size()) return false;
    const std::optional<QByteArray> back = readAll(file.fd(), bytes.size());
    if (!back || *back != bytes) return false;
    if (check && !check(file.name())) return false;
    if (!file.close() || !file.placeAt(nativeTarget)) return false;
    syncFolder(target);
    return true;
}

bool remove(const QString& path) {
    const QString target = resolve(path);
    const QByteArray native = QFile::encodeName(target);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) return errno == ENOENT || errno == ENOTDIR;
    // Never a folder or anything else that is not the store's plain file, and never a file
    // the player made read-only.
    if (!S_ISREG(info.st_mode) || !mayWrite(native)) return false;
    if (::unlink(native.constData()) != 0) return errno == ENOENT;
    syncFolder(target);
    return true;
}

void removeLeftovers(const QString& path) {
    const QFileInfo target(resolve(path));
    const QString prefix = target.fileName() + u'.';
    const QFileInfoList entries =
        target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (isLeftoverName(entry.fileName(), prefix)) QFile::remove(entry.filePath());
    }
}

}  // namespace toolcommon::wholefile
