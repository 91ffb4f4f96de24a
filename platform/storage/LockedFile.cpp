#include "storage/LockedFile.h"

#include "vantor/platform/files.h"
#include "vantor/platform/lasterror.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::storage {

namespace {

HRESULT StatusFromErrno(int error) {
    const HRESULT status = StorageStatusFromErrno(error);
    return status == STG_E_UNKNOWN ? STG_E_ACCESSDENIED : status;
}

HRESULT OpenStatusFromErrno(int error) {
    switch (error) {
    case EEXIST: return STG_E_FILEALREADYEXISTS;
    case EWOULDBLOCK: return STG_E_SHAREVIOLATION;
    default: return StatusFromErrno(error);
    }
}

HRESULT WriteStatusFromErrno(int error) {
    const HRESULT status = StorageStatusFromErrno(error);
    return status == STG_E_UNKNOWN || status == STG_E_INVALIDPARAMETER ? STG_E_WRITEFAULT : status;
}

std::string ResolvedPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TemporaryFolder() {
    char folder[PATH_MAX];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string("/tmp/");
}

// FNV-1a: a short, stable name derived from a longer one.
uint64_t NameHash(const std::string& name) {
    uint64_t hash = 0xCBF29CE484222325u;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    return hash;
}

bool WriteAllAt(int fd, std::span<const uint8_t> bytes, uint64_t offset) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Errors of an O_TMPFILE open that mean the kernel or the file system has no
// unnamed files (older kernels take the flag for O_DIRECTORY).
bool LacksUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

// Gives an unnamed file a name: through /proc, or directly where the caller
// may (CAP_DAC_READ_SEARCH). -1 with errno when neither works.
int LinkUnnamed(int fd, const std::string& name) {
    char procPath[32];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
    if (linkat(AT_FDCWD, procPath, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT) return -1;
    return linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
}

}  // namespace

LockedFile::LockedFile(LockedFile&& other) noexcept { *this = std::move(other); }

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        lock_ = other.lock_;
        createdNew_ = other.createdNew_;
        other.fd_ = -1;
    }
    return *this;
}

HRESULT LockedFile::OpenAs(const std::string& path, int flags, files::Disposition disposition, LockKind lock,
                           LockedFile& file) {
    const std::string name = disposition == files::Disposition::OpenExisting ? ResolvedPath(path) : path;
    files::LockedDescriptor opened;
    if (const int error = files::OpenLocked(name.c_str(), flags | O_CLOEXEC, disposition, lock, opened); error != 0)
        return OpenStatusFromErrno(error);
    LockedFile result;
    result.fd_ = opened.fd;
    result.createdNew_ = opened.created;
    result.lock_ = lock;
    result.path_ = ResolvedPath(name);
    struct stat info {};
    if (fstat(result.fd_, &info) != 0 || !S_ISREG(info.st_mode)) return STG_E_ACCESSDENIED;
    file = std::move(result);
    return S_OK;
}

HRESULT LockedFile::Open(const std::string& path, bool writable, LockKind lock, LockedFile& file) {
    const HRESULT hr = OpenAs(path, writable ? O_RDWR : O_RDONLY, files::Disposition::OpenExisting, lock, file);
    // Holding the file exclusively, this is the only writer of it.
    if (SUCCEEDED(hr) && writable && lock == LockKind::Exclusive) file.RemoveStaleReplacement();
    return hr;
}

HRESULT LockedFile::Create(const std::string& path, bool replaceExisting, LockedFile& file) {
    const auto disposition = replaceExisting ? files::Disposition::OpenOrCreate : files::Disposition::CreateNew;
    return OpenAs(path, O_RDWR, disposition, LockKind::Exclusive, file);
}

HRESULT LockedFile::CreateTemporary(LockedFile& file) {
    std::string name = TemporaryFolder() + "~DFXXXXXX.tmp";
    const int fd = mkostemps(name.data(), 4, O_CLOEXEC);
    if (fd < 0) return StatusFromErrno(errno);
    LockedFile created;
    created.fd_ = fd;
    created.path_ = ResolvedPath(name);
    created.lock_ = LockKind::Exclusive;
    created.createdNew_ = true;
    if (const int error = files::LockDescriptor(fd, LockKind::Exclusive); error != 0) {
        created.Delete();
        return OpenStatusFromErrno(error);
    }
    file = std::move(created);
    return S_OK;
}

HRESULT LockedFile::Size(uint64_t& size) const {
    struct stat info {};
    if (fstat(fd_, &info) != 0) return StatusFromErrno(errno);
    size = static_cast<uint64_t>(info.st_size);
    return S_OK;
}

HRESULT LockedFile::ReadAt(uint64_t offset, std::span<uint8_t>& bytes) const {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = pread(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return STG_E_READFAULT;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    bytes = bytes.first(done);
    return S_OK;
}

HRESULT LockedFile::ReadAll(std::vector<uint8_t>& bytes) const {
    uint64_t size = 0;
    if (HRESULT hr = Size(size); FAILED(hr)) return hr;
    bytes.resize(static_cast<size_t>(size));
    std::span<uint8_t> read(bytes);
    if (HRESULT hr = ReadAt(0, read); FAILED(hr)) return hr;
    bytes.resize(read.size());
    return S_OK;
}

std::string LockedFile::ReplacementName() const {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(NameHash(BaseNameOf(path_))));
    return FolderOf(path_) + "/.~stg" + suffix;
}

// A replacement that nobody holds locked is what a crashed save left.
void LockedFile::RemoveStaleReplacement() const {
    const std::string name = ReplacementName();
    const int fd = open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && files::LockDescriptor(fd, LockKind::Exclusive) == 0 &&
        files::NameRefersTo(name.c_str(), fd))
        unlink(name.c_str());
    close(fd);
}

HRESULT LockedFile::WriteNewFile(int fd, std::span<const uint8_t> bytes) const {
    struct stat old {};
    if (fstat(fd_, &old) == 0) fchmod(fd, old.st_mode & 07777);
    if (const int error = files::LockDescriptor(fd, lock_); error != 0) return OpenStatusFromErrno(error);
    if (!WriteAllAt(fd, bytes, 0) || fsync(fd) != 0) return WriteStatusFromErrno(errno);
    return S_OK;
}

// Renames the named new file over the target and takes it over.
HRESULT LockedFile::Install(int fd, const std::string& name) {
    if (rename(name.c_str(), path_.c_str()) != 0) return WriteStatusFromErrno(errno);
    close(fd_);
    fd_ = fd;
    return S_OK;
}

HRESULT LockedFile::ReplaceThroughUnnamedFile(std::span<const uint8_t> bytes, bool& unsupported) {
    const int fd = open(FolderOf(path_).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) {
        unsupported = LacksUnnamedFiles(errno);
        return WriteStatusFromErrno(errno);
    }
    HRESULT hr = WriteNewFile(fd, bytes);
    const std::string name = ReplacementName();
    if (SUCCEEDED(hr)) {
        int linked = LinkUnnamed(fd, name);
        if (linked != 0 && errno == EEXIST) {
            RemoveStaleReplacement();
            linked = LinkUnnamed(fd, name);
        }
        if (linked != 0) {
            unsupported = errno == ENOENT || errno == EPERM;
            hr = WriteStatusFromErrno(errno);
        }
    }
    if (SUCCEEDED(hr)) {
        hr = Install(fd, name);
        if (FAILED(hr)) unlink(name.c_str());
    }
    if (FAILED(hr)) close(fd);
    return hr;
}

HRESULT LockedFile::ReplaceThroughNamedFile(std::span<const uint8_t> bytes) {
    const std::string name = ReplacementName();
    RemoveStaleReplacement();
    const int fd = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return WriteStatusFromErrno(errno);
    HRESULT hr = WriteNewFile(fd, bytes);
    if (SUCCEEDED(hr)) hr = Install(fd, name);
    if (FAILED(hr)) {
        close(fd);
        unlink(name.c_str());
    }
    return hr;
}

HRESULT LockedFile::Replace(std::span<const uint8_t> bytes) {
    bool unsupported = false;
    HRESULT hr = ReplaceThroughUnnamedFile(bytes, unsupported);
    if (unsupported) hr = ReplaceThroughNamedFile(bytes);
    if (SUCCEEDED(hr)) SyncFolder(FolderOf(path_));
    return hr;
}

HRESULT LockedFile::Overwrite(std::span<const uint8_t> bytes) {
    if (!bytes.empty()) {
        const int error = posix_fallocate(fd_, 0, static_cast<off_t>(bytes.size()));
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) return WriteStatusFromErrno(error);
    }
    if (!WriteAllAt(fd_, bytes, 0) || ftruncate(fd_, static_cast<off_t>(bytes.size())) != 0 || fsync(fd_) != 0)
        return WriteStatusFromErrno(errno);
    return S_OK;
}

void LockedFile::Delete() {
    if (fd_ >= 0 && files::NameRefersTo(path_.c_str(), fd_)) unlink(path_.c_str());
    Close();
}

void LockedFile::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

}  // namespace vantor::storage
