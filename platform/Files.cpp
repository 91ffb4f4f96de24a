#include "vantor/platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "FileTable.h"
#include "LockedOpen.h"
#include "vantor/platform/lasterror.h"

using vantor::files::Disposition;
using vantor::files::FileTable;
using vantor::files::LockDescriptor;
using vantor::files::LockedDescriptor;
using vantor::files::LockKind;
using vantor::files::OpenFile;
using vantor::files::OpenLocked;

namespace {

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

DWORD FailWith(DWORD error, DWORD result) {
    SetLastError(error);
    return result;
}

HANDLE FailHandle(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// ENOENT means a missing file, or a missing folder on the way to it.
DWORD ErrorForPath(const char* path, int err) {
    if (err != ENOENT) return Win32ErrorFromErrno(err);
    const std::string name(path);
    const size_t slash = name.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return ERROR_FILE_NOT_FOUND;
    return DirectoryExists(name.substr(0, slash)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

Disposition DispositionOf(DWORD creationDisposition) {
    switch (creationDisposition) {
    case CREATE_NEW: return Disposition::CreateNew;
    case OPEN_EXISTING:
    case TRUNCATE_EXISTING: return Disposition::OpenExisting;
    default: return Disposition::OpenOrCreate;
    }
}

// The error of a failed open: a lock held elsewhere is a sharing violation.
DWORD ErrorOfOpen(const char* path, int err) {
    if (err == EEXIST) return ERROR_FILE_EXISTS;
    if (err == EWOULDBLOCK) return ERROR_SHARING_VIOLATION;
    if (err == EISDIR) return ERROR_ACCESS_DENIED;
    return ErrorForPath(path, err);
}

// Truncates when asked and makes the descriptor blocking again. Returns the
// error or 0.
DWORD PrepareOpenedFile(int fd, bool truncate, bool& isRegular) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return Win32ErrorFromErrno(errno);
    isRegular = S_ISREG(st.st_mode);
    if (truncate && isRegular && ::ftruncate(fd, 0) != 0) return Win32ErrorFromErrno(errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return 0;
}

int AccessFlags(bool canRead, bool canWrite) {
    if (canRead && canWrite) return O_RDWR;
    return canWrite ? O_WRONLY : O_RDONLY;
}

int64_t CurrentOffset(int fd) { return ::lseek(fd, 0, SEEK_CUR); }

int64_t JoinDistance(LONG low, LONG high) {
    return static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) |
                                static_cast<uint32_t>(low));
}

// The position a move leads to, or the error that keeps it from moving.
DWORD TargetPosition(int fd, int64_t distance, DWORD moveMethod, int64_t& position) {
    int64_t origin = 0;
    struct stat st {};
    switch (moveMethod) {
    case FILE_BEGIN: break;
    case FILE_CURRENT: origin = CurrentOffset(fd); break;
    case FILE_END: origin = ::fstat(fd, &st) == 0 ? st.st_size : -1; break;
    default: return ERROR_INVALID_PARAMETER;
    }
    if (origin < 0) return Win32ErrorFromErrno(errno);
    if (__builtin_add_overflow(origin, distance, &position)) return ERROR_INVALID_PARAMETER;
    return position < 0 ? ERROR_NEGATIVE_SEEK : 0;
}

}  // namespace

HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode, SECURITY_ATTRIBUTES*,
                   DWORD dwCreationDisposition, DWORD, HANDLE) {
    if (!lpFileName || !*lpFileName) return FailHandle(ERROR_PATH_NOT_FOUND);
    if (dwCreationDisposition < CREATE_NEW || dwCreationDisposition > TRUNCATE_EXISTING)
        return FailHandle(ERROR_INVALID_PARAMETER);
    const bool canRead = dwDesiredAccess & GENERIC_READ;
    const bool canWrite = dwDesiredAccess & GENERIC_WRITE;
    if (dwCreationDisposition == TRUNCATE_EXISTING && !canWrite) return FailHandle(ERROR_INVALID_PARAMETER);

    // Non-blocking while opening, so that a FIFO cannot hang the open.
    // A file held without sharing elsewhere is left untouched: the lock comes
    // before any truncation.
    const int flags = AccessFlags(canRead, canWrite) | O_CLOEXEC | O_NONBLOCK;
    const LockKind lock = dwShareMode == 0 ? LockKind::Exclusive : LockKind::Shared;
    LockedDescriptor opened;
    if (const int err = OpenLocked(lpFileName, flags, DispositionOf(dwCreationDisposition), lock, opened); err != 0)
        return FailHandle(ErrorOfOpen(lpFileName, err));
    const bool existed = !opened.created;

    const bool truncate =
        dwCreationDisposition == TRUNCATE_EXISTING || (dwCreationDisposition == CREATE_ALWAYS && existed);
    bool isRegular = false;
    const DWORD error = PrepareOpenedFile(opened.fd, truncate, isRegular);
    if (error != 0) {
        ::close(opened.fd);
        return FailHandle(error);
    }
    HANDLE handle = FileTable::Instance().Add(std::make_unique<OpenFile>(opened.fd, canRead, canWrite, isRegular));
    const bool reportsExisting =
        existed && (dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS);
    SetLastError(reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

BOOL ReadFile(HANDLE hFile, void* lpBuffer, DWORD nNumberOfBytesToRead, DWORD* lpNumberOfBytesRead,
              void* lpOverlapped) {
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
    const auto file = FileTable::Instance().Find(hFile);
    if (!file) return Fail(ERROR_INVALID_HANDLE);
    if (lpOverlapped || (!lpBuffer && nNumberOfBytesToRead > 0)) return Fail(ERROR_INVALID_PARAMETER);
    if (!file->CanRead()) return Fail(ERROR_ACCESS_DENIED);
    auto* buffer = static_cast<char*>(lpBuffer);
    DWORD total = 0;
    while (total < nNumberOfBytesToRead) {
        const ssize_t got = ::read(file->Descriptor(), buffer + total, nNumberOfBytesToRead - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            if (lpNumberOfBytesRead) *lpNumberOfBytesRead = total;
            return Fail(Win32ErrorFromErrno(errno));
        }
        total += static_cast<DWORD>(got);
        // Pipes and terminals return what they have, as on Windows.
        if (got == 0 || !file->IsRegular()) break;
    }
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = total;
    return TRUE;
}

BOOL WriteFile(HANDLE hFile, const void* lpBuffer, DWORD nNumberOfBytesToWrite, DWORD* lpNumberOfBytesWritten,
               void* lpOverlapped) {
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = 0;
    const auto file = FileTable::Instance().Find(hFile);
    if (!file) return Fail(ERROR_INVALID_HANDLE);
    if (lpOverlapped || (!lpBuffer && nNumberOfBytesToWrite > 0)) return Fail(ERROR_INVALID_PARAMETER);
    if (!file->CanWrite()) return Fail(ERROR_ACCESS_DENIED);
    const auto* buffer = static_cast<const char*>(lpBuffer);
    DWORD total = 0;
    DWORD error = 0;
    while (total < nNumberOfBytesToWrite) {
        const ssize_t put = ::write(file->Descriptor(), buffer + total, nNumberOfBytesToWrite - total);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            error = put == 0 ? ERROR_DISK_FULL : Win32ErrorFromErrno(errno);
            break;
        }
        total += static_cast<DWORD>(put);
    }
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = total;
    return error == 0 ? TRUE : Fail(error);
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, LONG* lpDistanceToMoveHigh, DWORD dwMoveMethod) {
    const auto file = FileTable::Instance().Find(hFile);
    if (!file) return FailWith(ERROR_INVALID_HANDLE, INVALID_SET_FILE_POINTER);
    const int64_t distance = lpDistanceToMoveHigh ? JoinDistance(lDistanceToMove, *lpDistanceToMoveHigh)
                                                  : static_cast<int64_t>(lDistanceToMove);
    int64_t position = 0;
    const DWORD error = TargetPosition(file->Descriptor(), distance, dwMoveMethod, position);
    if (error != 0) return FailWith(error, INVALID_SET_FILE_POINTER);
    if (!lpDistanceToMoveHigh && position > INT64_C(0xFFFFFFFF))
        return FailWith(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
    if (::lseek(file->Descriptor(), position, SEEK_SET) < 0)
        return FailWith(Win32ErrorFromErrno(errno), INVALID_SET_FILE_POINTER);
    if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = static_cast<LONG>(static_cast<uint64_t>(position) >> 32);
    // Callers tell a position of 0xFFFFFFFF from a failure by the last error.
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(position);
}

DWORD GetFileSize(HANDLE hFile, DWORD* lpFileSizeHigh) {
    const auto file = FileTable::Instance().Find(hFile);
    if (!file) return FailWith(ERROR_INVALID_HANDLE, INVALID_FILE_SIZE);
    struct stat st {};
    if (::fstat(file->Descriptor(), &st) != 0) return FailWith(Win32ErrorFromErrno(errno), INVALID_FILE_SIZE);
    const auto size = static_cast<uint64_t>(st.st_size);
    if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(size);
}

BOOL SetEndOfFile(HANDLE hFile) {
    const auto file = FileTable::Instance().Find(hFile);
    if (!file) return Fail(ERROR_INVALID_HANDLE);
    if (!file->CanWrite()) return Fail(ERROR_ACCESS_DENIED);
    const int64_t position = CurrentOffset(file->Descriptor());
    if (position < 0 || ::ftruncate(file->Descriptor(), position) != 0) return Fail(Win32ErrorFromErrno(errno));
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE hFile) {
    const auto file = FileTable::Instance().Find(hFile);
    if (!file) return Fail(ERROR_INVALID_HANDLE);
    if (!file->CanWrite()) return Fail(ERROR_ACCESS_DENIED);
    // Devices and pipes that cannot be synchronised have nothing to flush.
    if (::fsync(file->Descriptor()) != 0 && errno != EINVAL && errno != EROFS) return Fail(Win32ErrorFromErrno(errno));
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject) {
    if (!FileTable::Instance().Remove(hObject)) return Fail(ERROR_INVALID_HANDLE);
    return TRUE;
}

namespace {

// A regular file that someone holds without sharing cannot be deleted.
bool HeldExclusively(const char* path) {
    struct stat st {};
    if (::lstat(path, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool held = LockDescriptor(fd, LockKind::Shared) == EWOULDBLOCK;
    ::close(fd);
    return held;
}

}  // namespace

BOOL DeleteFileA(const char* lpFileName) {
    if (!lpFileName || !*lpFileName) return Fail(ERROR_PATH_NOT_FOUND);
    if (HeldExclusively(lpFileName)) return Fail(ERROR_SHARING_VIOLATION);
    if (::unlink(lpFileName) != 0) return Fail(ErrorForPath(lpFileName, errno));
    return TRUE;
}
