// The open files behind file HANDLEs. A HANDLE is the address of its entry;
// operations look it up here, so a stale or foreign handle is refused
// instead of being dereferenced.
#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>

#include "vantor/platform/wintypes.h"

namespace vantor::files {

class OpenFile {
public:
    OpenFile(int fd, bool canRead, bool canWrite, bool isRegular)
        : fd_(fd), canRead_(canRead), canWrite_(canWrite), isRegular_(isRegular) {}
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int Descriptor() const { return fd_; }
    bool CanRead() const { return canRead_; }
    bool CanWrite() const { return canWrite_; }
    bool IsRegular() const { return isRegular_; }

private:
    int fd_;
    bool canRead_;
    bool canWrite_;
    bool isRegular_;
};

class FileTable {
public:
    static FileTable& Instance();

    HANDLE Add(std::unique_ptr<OpenFile> file);
    // The file of a handle, or null for a handle that is not open.
    std::shared_ptr<OpenFile> Find(HANDLE handle) const;
    // Forgets the handle; the descriptor closes when no operation uses it.
    bool Remove(HANDLE handle);

private:
    mutable std::mutex mutex_;
    std::unordered_map<HANDLE, std::shared_ptr<OpenFile>> files_;
};

}  // namespace vantor::files
