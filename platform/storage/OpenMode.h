// The STGM_* mode flags a caller passes, checked for the call they are
// passed to. Only direct mode is supported; transacted, priority, simple,
// convert and the other modifiers are refused with STG_E_INVALIDFLAG.
#pragma once

#include "vantor/platform/storage.h"

namespace vantor::storage {

enum class ModeUse { CreateRoot, OpenRoot, CreateElement, OpenElement };

struct OpenMode {
    DWORD flags = 0;
    bool canRead = true;
    bool canWrite = false;
    bool create = false;
    bool deleteOnRelease = false;
    // Whether other opens of the file are kept out entirely, or only
    // writers.
    bool denyReaders = false;
};

HRESULT ParseOpenMode(DWORD flags, ModeUse use, OpenMode& mode);

}  // namespace vantor::storage
