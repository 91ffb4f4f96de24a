#include "library/api/EdsHandle.h"

#include <mutex>
#include <new>
#include <unordered_set>

namespace vantor::api {

namespace {

// Handles handed out and not closed. Callers on different threads use
// different handles, but they share this set, hence the lock.
class LiveHandles {
public:
    bool Contains(EdsHandle h) {
        std::lock_guard lock(mutex_);
        return handles_.contains(h);
    }
    void Insert(EdsHandle h) {
        std::lock_guard lock(mutex_);
        handles_.insert(h);
    }
    bool Erase(EdsHandle h) {
        std::lock_guard lock(mutex_);
        return handles_.erase(h) != 0;
    }

private:
    std::mutex mutex_;
    std::unordered_set<EdsHandle> handles_;
};

LiveHandles& Live() {
    static LiveHandles live;
    return live;
}

bool IsSigned(EdsHandle h) { return h->signature == &eds_CloseFile && h->fileStg; }

CEdsFileStg* FreeBlock(EdsHandle h) {
    CEdsFileStg* fileStg = h->fileStg;
    // Volatile stores, so that the clearing is not optimised away before the
    // free: the words of a closed block never again read as a handle.
    volatile EdsHandleBlock* block = h;
    block->signature = nullptr;
    block->fileStg = nullptr;
    delete h;
    return fileStg;
}

}  // namespace

CEdsFileStg* FileStgOf(EdsHandle h) {
    if (!h || !Live().Contains(h) || !IsSigned(h)) return nullptr;
    return h->fileStg;
}

EdsHandle NewHandle() { return new (std::nothrow) EdsHandleBlock{&eds_CloseFile, nullptr}; }

bool Publish(EdsHandle h) {
    try {
        Live().Insert(h);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

CEdsFileStg* ReleaseHandle(EdsHandle h) {
    Live().Erase(h);
    return FreeBlock(h);
}

CEdsFileStg* ReleaseIfLive(EdsHandle h) {
    if (!h || !Live().Erase(h)) return nullptr;
    return FreeBlock(h);
}

}  // namespace vantor::api
