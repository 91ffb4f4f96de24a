// The directory of a compound file as a tree of entries, read without trust:
// every link is range-checked, every entry is reached at most once, names
// must be well formed and unique within their storage, and the tree must
// stay within the limits of StorageLimits.h.
#pragma once

#include "vantor/platform/wintypes.h"

#include <span>
#include <string>
#include <vector>

namespace vantor::storage {

struct CfbEntry {
    std::u16string name;
    bool isStorage = false;
    uint64_t size = 0;
    uint32_t startSector = 0;
    CLSID clsid = GUID_NULL;
    DWORD stateBits = 0;
    FILETIME creationTime{};
    FILETIME modificationTime{};
    std::vector<size_t> children;  // indexes into CfbDirectory::entries
};

struct CfbDirectory {
    std::vector<CfbEntry> entries;  // entries[0] is the root storage

    const CfbEntry& root() const { return entries.front(); }
};

// Reads the tree from the concatenated directory sectors.
HRESULT ReadCfbDirectory(std::span<const uint8_t> sectors, uint16_t majorVersion, CfbDirectory& directory);

}  // namespace vantor::storage
