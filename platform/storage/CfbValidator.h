// Structural check of a compound file held in memory, done before the bytes
// reach the reader library: header, allocation tables, directory tree and
// the sector chains of every stream.
#pragma once

#include "storage/CfbDirectory.h"

#include <span>

namespace vantor::storage {

// S_OK with the directory tree; STG_E_INVALIDHEADER for a file that is not a
// compound file; STG_E_DOCFILECORRUPT for a damaged or unreadable one.
HRESULT ValidateCompoundFile(std::span<const uint8_t> file, CfbDirectory& directory);

}  // namespace vantor::storage
