#include "FileTable.h"

#include <unistd.h>

namespace vantor::files {

OpenFile::~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
}

FileTable& FileTable::Instance() {
    // Never destroyed, so that handles closed during process exit stay valid.
    static FileTable* table = new FileTable;
    return *table;
}

HANDLE FileTable::Add(std::unique_ptr<OpenFile> file) {
    std::shared_ptr<OpenFile> shared = std::move(file);
    HANDLE handle = shared.get();
    std::lock_guard lock(mutex_);
    files_.emplace(handle, std::move(shared));
    return handle;
}

std::shared_ptr<OpenFile> FileTable::Find(HANDLE handle) const {
    std::lock_guard lock(mutex_);
    const auto it = files_.find(handle);
    return it == files_.end() ? nullptr : it->second;
}

bool FileTable::Remove(HANDLE handle) {
    std::shared_ptr<OpenFile> removed;
    {
        std::lock_guard lock(mutex_);
        const auto it = files_.find(handle);
        if (it == files_.end()) return false;
        removed = std::move(it->second);
        files_.erase(it);
    }
    return true;
}

}  // namespace vantor::files
