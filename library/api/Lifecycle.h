// The life of a description behind a handle: building it on a root, saving
// it and destroying it.
#pragma once

#include "library/api/EdsHandle.h"
#include "vantor/vantor.h"

namespace vantor::api {

enum class Start { New, Existing };

// A live handle for a new (InitNew) or stored (Load) description in root, or
// null with the failure code in code. A partly built handle is freed.
EdsHandle StartDescription(IStorage& root, Start start, EdsResult& code);

// Save then SaveCompleted; the first failure is returned. A save that fails
// part-way leaves the description ready for the next save.
EdsResult SaveDescription(CEdsFileStg& fileStg);

// Destroys the storage object of a handle that was withdrawn; null is allowed.
void DestroyDescription(CEdsFileStg* fileStg);

}  // namespace vantor::api
