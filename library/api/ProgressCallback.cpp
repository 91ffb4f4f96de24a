#include "library/api/ProgressCallback.h"

namespace vantor::api {

EdsProgressProc ExecutableOrNull(EdsProgressProc callback) {
    if (!callback) return nullptr;
    return IsExecutableAddress(reinterpret_cast<const void*>(callback)) ? callback : nullptr;
}

}  // namespace vantor::api
