// SPDX-License-Identifier: GPL-3.0-or-later
// The machinery behind SmallDisk (smalldisk.h), linked into the tests that use it as a shared
// library, so that it stands in for the C library's write functions in the whole process:
//
// - The write limit, for machines where a test may not mount a small file system: while a
//   limit is set, write() and pwrite() into a file of the limited folder that would make the
//   folder's files larger than the limit write only what still fits and then fail with
//   ENOSPC, as on a full disk. The game's writes, Qt's and the lock files' alike go through
//   it; writes anywhere else pass untouched.
// - Mounts of its own: where the machine allows it, the test process takes a private mount
//   namespace before main, so that a small file system a test mounts is gone with the
//   process, even one that crashes before it unmounts it.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::atomic<bool> limited{false};
char folder[PATH_MAX];  // with a trailing '/'
long long capacity = 0;

using WriteFunction = ssize_t (*)(int, const void*, size_t);
using PositionalWriteFunction = ssize_t (*)(int, const void*, size_t, off_t);

template <typename Function>
Function nextDefinition(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

// The bytes the plain files of the limited folder hold.
long long used() {
    DIR* dir = ::opendir(folder);
    if (!dir) return 0;
    long long total = 0;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            total += info.st_size;
    }
    ::closedir(dir);
    return total;
}

// How many of `count` bytes written at `offset` (negative: at the descriptor's position) fit
// in the limit; `count` for a descriptor that is no file of the limited folder.
size_t fitting(int fd, size_t count, long long offset) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length < 0) return count;
    path[length] = '\0';
    if (std::strncmp(path, folder, std::strlen(folder)) != 0) return count;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return count;
    if (offset < 0)
        offset = (::fcntl(fd, F_GETFL) & O_APPEND) ? info.st_size : ::lseek(fd, 0, SEEK_CUR);
    const long long end = offset + static_cast<long long>(count);
    const long long growth = end > info.st_size ? end - info.st_size : 0;
    long long room = capacity - used();
    if (room < 0) room = 0;
    if (growth <= room) return count;
    const long long fits = static_cast<long long>(count) - (growth - room);
    return fits > 0 ? static_cast<size_t>(fits) : 0;
}

// A private mount namespace, before the test's threads exist (unshare needs that).
__attribute__((constructor)) void privateMounts() {
    const char* mode = std::getenv("PLUMET_SMALLDISK");
    if ((mode && std::strcmp(mode, "limit") == 0) || ::geteuid() != 0) return;
    if (::unshare(CLONE_NEWNS) != 0) return;
    ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
}

}  // namespace

extern "C" {

void plumet_writelimit_set(const char* limitedFolder, long long bytes) {
    std::snprintf(folder, sizeof folder, "%s/", limitedFolder);
    capacity = bytes;
    limited = true;
}

void plumet_writelimit_clear() {
    limited = false;
}

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto next = nextDefinition<WriteFunction>("write");
    if (limited && count > 0) {
        count = fitting(fd, count, -1);
        if (count == 0) {
            errno = ENOSPC;
            return -1;
        }
    }
    return next(fd, buffer, count);
}

ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    static const auto next = nextDefinition<PositionalWriteFunction>("pwrite");
    if (limited && count > 0) {
        count = fitting(fd, count, offset);
        if (count == 0) {
            errno = ENOSPC;
            return -1;
        }
    }
    return next(fd, buffer, count, offset);
}

ssize_t pwrite64(int fd, const void* buffer, size_t count, off_t offset) {
    return pwrite(fd, buffer, count, offset);
}

}  // extern "C"
