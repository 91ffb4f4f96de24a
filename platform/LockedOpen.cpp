#include "LockedOpen.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::files {

namespace {

constexpr mode_t kNewFileMode = 0666;
// Each attempt lost to a concurrent replace or create costs one more open.
constexpr int kOpenAttempts = 16;

int OpenRetrying(const char* path, int flags) {
    int fd;
    do fd = ::open(path, flags, kNewFileMode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// One open of the disposition; -1 with errno EAGAIN when OpenOrCreate lost a
// race with another creator or remover and should try again.
int OpenOnce(const char* path, int flags, Disposition disposition, bool& created) {
    created = disposition == Disposition::CreateNew;
    switch (disposition) {
    case Disposition::OpenExisting: return OpenRetrying(path, flags);
    case Disposition::CreateNew: return OpenRetrying(path, flags | O_CREAT | O_EXCL);
    case Disposition::OpenOrCreate: break;
    }
    const int fd = OpenRetrying(path, flags);
    if (fd >= 0 || errno != ENOENT) return fd;
    created = true;
    const int made = OpenRetrying(path, flags | O_CREAT | O_EXCL);
    if (made < 0 && errno == EEXIST) errno = EAGAIN;
    return made;
}

}  // namespace

int LockDescriptor(int fd, LockKind kind) {
    const int operation = (kind == LockKind::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (::flock(fd, operation) != 0)
        if (errno != EINTR) return errno;
    return 0;
}

bool NameRefersTo(const char* path, int fd) {
    struct stat byName {};
    struct stat byDescriptor {};
    return ::stat(path, &byName) == 0 && ::fstat(fd, &byDescriptor) == 0 && byName.st_dev == byDescriptor.st_dev &&
           byName.st_ino == byDescriptor.st_ino;
}

int OpenLocked(const char* path, int flags, Disposition disposition, LockKind kind, LockedDescriptor& opened) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        bool created = false;
        const int fd = OpenOnce(path, flags, disposition, created);
        if (fd < 0 && errno == EAGAIN) continue;
        if (fd < 0) return errno;
        struct stat info {};
        int error = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
        if (error == 0) error = LockDescriptor(fd, kind);
        if (error != 0) {
            ::close(fd);
            return error;
        }
        if (NameRefersTo(path, fd)) {
            opened = {fd, created};
            return 0;
        }
        ::close(fd);
    }
    return EWOULDBLOCK;
}

}  // namespace vantor::files
