// The header of a compound file.
#pragma once

#include "storage/CfbFormat.h"
#include "vantor/platform/wintypes.h"

#include <array>
#include <span>

namespace vantor::storage {

struct CfbHeader {
    uint16_t majorVersion = 0;
    uint32_t sectorSize = 0;
    uint32_t fatSectorCount = 0;
    uint32_t firstDirectorySector = 0;
    uint32_t firstMiniFatSector = 0;
    uint32_t miniFatSectorCount = 0;
    uint32_t firstDifatSector = 0;
    uint32_t difatSectorCount = 0;
    std::array<uint32_t, cfb::kHeaderDifatEntries> headerDifat{};
};

bool HasCompoundFileSignature(std::span<const uint8_t> file);

// Reads and checks the header from the file's first bytes, fileSize being
// the size of the whole file: STG_E_INVALIDHEADER when the file does not
// start with a usable version 3 or 4 header, STG_E_DOCFILECORRUPT when the
// file is larger than its allocation table can address.
HRESULT ParseCfbHeader(std::span<const uint8_t> start, uint64_t fileSize, CfbHeader& header);

}  // namespace vantor::storage
