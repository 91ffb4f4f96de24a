// The block behind an EdsHandle, the set of live handles and the validity check.
#pragma once

#include "vantor/vantor.h"

namespace vantor {
class CEdsFileStg;
}

// Two pointer-sized words: the signature (the address of eds_CloseFile, which
// nothing else can hold) and the file storage object that owns the description.
struct EdsHandleBlock {
    decltype(&eds_CloseFile) signature;
    vantor::CEdsFileStg* fileStg;
};

namespace vantor::api {

// The file storage object of a live handle; null when h is not one of the
// handles handed out and not yet closed. A value that is not live is never
// dereferenced, so stale, closed and foreign pointers are safe to pass.
CEdsFileStg* FileStgOf(EdsHandle h);

// A new block carrying the signature and no storage object; null when memory
// runs out. The block is not live until Publish.
EdsHandle NewHandle();

// Makes a fully built handle live; false when memory runs out (h stays unpublished).
bool Publish(EdsHandle h);

// Withdraws h from the live handles, clears both words and frees the block;
// returns the storage object it held.
CEdsFileStg* ReleaseHandle(EdsHandle h);

// Withdraws h from the live handles and releases it when it is live; null otherwise.
// Check and withdrawal are one step, so two closes of one handle free it once.
CEdsFileStg* ReleaseIfLive(EdsHandle h);

}  // namespace vantor::api
