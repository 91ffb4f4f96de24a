// Acceptance of the progress callback of the text-exchange exports.
#pragma once

#include "vantor/vantor.h"

namespace vantor::api {

// callback when it is an executable address of this process, else null: a
// callback that cannot be called is dropped and the work runs without progress.
EdsProgressProc ExecutableOrNull(EdsProgressProc callback);

}  // namespace vantor::api
