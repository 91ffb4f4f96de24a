// Reading a compound file held in memory into an element tree: the bytes are
// checked by the validator first, then read by the compound-file library on
// a thread with a large stack, and what the library delivers is compared
// entry by entry with the checked directory.
#pragma once

#include "storage/ElementTree.h"

#include <memory>
#include <span>

namespace vantor::storage {

// STG_E_INVALIDHEADER, STG_E_DOCFILECORRUPT or STG_E_INSUFFICIENTMEMORY on failure.
HRESULT ReadCompoundFile(std::span<const uint8_t> file, std::shared_ptr<StorageElement>& root);

}  // namespace vantor::storage
