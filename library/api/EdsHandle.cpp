#include "library/api/EdsHandle.h"

#include <new>

namespace vantor::api {

CEdsFileStg* FileStgOf(EdsHandle h) {
    if (!h || h->signature != &eds_CloseFile) return nullptr;
    return h->fileStg;
}

EdsHandle NewHandle() { return new (std::nothrow) EdsHandleBlock{&eds_CloseFile, nullptr}; }

CEdsFileStg* ReleaseHandle(EdsHandle h) {
    CEdsFileStg* fileStg = h->fileStg;
    // Volatile stores, so that the clearing survives the free: a stale copy of
    // the handle then fails the signature check while the block is not reused.
    volatile EdsHandleBlock* block = h;
    block->signature = nullptr;
    block->fileStg = nullptr;
    delete h;
    return fileStg;
}

}  // namespace vantor::api
