#include "storage/LockedFile.h"

#include "vantor/platform/lasterror.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::storage {

namespace {

// Another process may replace the file between our open and our lock; the
// open is then retried on the new file.
constexpr int kOpenAttempts = 16;

HRESULT StatusFromErrno(int error) {
    const HRESULT status = StorageStatusFromErrno(error);
    return status == STG_E_UNKNOWN ? STG_E_ACCESSDENIED : status;
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

std::string TemporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
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

HRESULT LockedFile::Lock(int fd) const {
    const int operation = (lock_ == LockKind::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (flock(fd, operation) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? STG_E_SHAREVIOLATION : StatusFromErrno(errno);
    }
    return S_OK;
}

bool LockedFile::NameRefersTo(int fd) const {
    struct stat byName {};
    struct stat byDescriptor {};
    return stat(path_.c_str(), &byName) == 0 && fstat(fd, &byDescriptor) == 0 && byName.st_dev == byDescriptor.st_dev &&
           byName.st_ino == byDescriptor.st_ino;
}

HRESULT LockedFile::Open(const std::string& path, bool writable, LockKind lock, LockedFile& file) {
    LockedFile opened;
    opened.path_ = ResolvedPath(path);
    opened.lock_ = lock;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const int fd = open(opened.path_.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
        if (fd < 0) return StatusFromErrno(errno);
        struct stat info {};
        if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            close(fd);
            return STG_E_ACCESSDENIED;
        }
        if (HRESULT hr = opened.Lock(fd); FAILED(hr)) {
            close(fd);
            return hr;
        }
        if (opened.NameRefersTo(fd)) {
            opened.fd_ = fd;
            file = std::move(opened);
            return S_OK;
        }
        close(fd);
    }
    return STG_E_SHAREVIOLATION;
}

HRESULT LockedFile::Create(const std::string& path, bool replaceExisting, LockedFile& file) {
    LockedFile created;
    created.lock_ = LockKind::Exclusive;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created.createdNew_ = fd >= 0;
        if (fd < 0 && errno == EEXIST) {
            if (!replaceExisting) return STG_E_FILEALREADYEXISTS;
            fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
        }
        if (fd < 0) return StatusFromErrno(errno);
        created.path_ = ResolvedPath(path);
        struct stat info {};
        if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            close(fd);
            return STG_E_ACCESSDENIED;
        }
        if (HRESULT hr = created.Lock(fd); FAILED(hr)) {
            close(fd);
            return hr;
        }
        if (created.NameRefersTo(fd)) {
            created.fd_ = fd;
            file = std::move(created);
            return S_OK;
        }
        close(fd);
    }
    return STG_E_SHAREVIOLATION;
}

HRESULT LockedFile::CreateTemporary(LockedFile& file) {
    std::string name = TemporaryFolder() + "/~DFXXXXXX.tmp";
    const int fd = mkostemps(name.data(), 4, O_CLOEXEC);
    if (fd < 0) return StatusFromErrno(errno);
    LockedFile created;
    created.fd_ = fd;
    created.path_ = ResolvedPath(name);
    created.lock_ = LockKind::Exclusive;
    created.createdNew_ = true;
    if (HRESULT hr = created.Lock(fd); FAILED(hr)) {
        created.Delete();
        return hr;
    }
    file = std::move(created);
    return S_OK;
}

HRESULT LockedFile::ReadAll(std::vector<uint8_t>& bytes) const {
    struct stat info {};
    if (fstat(fd_, &info) != 0) return StatusFromErrno(errno);
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = pread(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return STG_E_READFAULT;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return S_OK;
}

HRESULT LockedFile::Replace(std::span<const uint8_t> bytes) {
    std::string temporary = FolderOf(path_) + "/.~stgXXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return WriteStatusFromErrno(errno);

    struct stat old {};
    if (fstat(fd_, &old) == 0) fchmod(fd, old.st_mode & 07777);
    HRESULT hr = Lock(fd);
    if (SUCCEEDED(hr) && !(WriteAll(fd, bytes) && fsync(fd) == 0 && rename(temporary.c_str(), path_.c_str()) == 0))
        hr = WriteStatusFromErrno(errno);
    if (FAILED(hr)) {
        close(fd);
        unlink(temporary.c_str());
        return hr;
    }
    SyncFolder(FolderOf(path_));
    close(fd_);
    fd_ = fd;
    return S_OK;
}

void LockedFile::Delete() {
    if (fd_ >= 0 && NameRefersTo(fd_)) unlink(path_.c_str());
    Close();
}

void LockedFile::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

}  // namespace vantor::storage
