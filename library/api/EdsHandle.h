// The block behind an EdsHandle and its validity check.
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

// The file storage object of a live handle; null when h is null, does not
// carry the signature or holds no storage object.
CEdsFileStg* FileStgOf(EdsHandle h);

// A new block carrying the signature and no storage object; null when memory runs out.
EdsHandle NewHandle();

// Clears both words of h and frees the block; returns the storage object it held.
CEdsFileStg* ReleaseHandle(EdsHandle h);

}  // namespace vantor::api
