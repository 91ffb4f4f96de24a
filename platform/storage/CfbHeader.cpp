#include "storage/CfbHeader.h"

#include <algorithm>

namespace vantor::storage {

using namespace cfb;

bool HasCompoundFileSignature(std::span<const uint8_t> file) {
    return file.size() >= sizeof(kSignature) && std::equal(std::begin(kSignature), std::end(kSignature), file.begin());
}

HRESULT ParseCfbHeader(std::span<const uint8_t> file, CfbHeader& header) {
    if (file.size() < kHeaderSize || !HasCompoundFileSignature(file)) return STG_E_INVALIDHEADER;
    const uint8_t* p = file.data();
    header.majorVersion = ReadLe16(p + kMajorVersionOffset);
    const uint16_t sectorShift = ReadLe16(p + kSectorShiftOffset);
    const bool versionMatchesSectors =
        (header.majorVersion == 3 && sectorShift == 9) || (header.majorVersion == 4 && sectorShift == 12);
    if (!versionMatchesSectors) return STG_E_INVALIDHEADER;
    if (ReadLe16(p + kByteOrderOffset) != 0xFFFE) return STG_E_INVALIDHEADER;
    if (ReadLe16(p + kMiniSectorShiftOffset) != 6) return STG_E_INVALIDHEADER;
    if (ReadLe32(p + kMiniStreamCutoffOffset) != kMiniStreamCutoff) return STG_E_INVALIDHEADER;

    header.sectorSize = 1u << sectorShift;
    if (file.size() < header.sectorSize) return STG_E_INVALIDHEADER;
    header.fatSectorCount = ReadLe32(p + kFatSectorCountOffset);
    header.firstDirectorySector = ReadLe32(p + kFirstDirectorySectorOffset);
    header.firstMiniFatSector = ReadLe32(p + kFirstMiniFatSectorOffset);
    header.miniFatSectorCount = ReadLe32(p + kMiniFatSectorCountOffset);
    header.firstDifatSector = ReadLe32(p + kFirstDifatSectorOffset);
    header.difatSectorCount = ReadLe32(p + kDifatSectorCountOffset);
    for (size_t i = 0; i < kHeaderDifatEntries; ++i) header.headerDifat[i] = ReadLe32(p + kHeaderDifatOffset + 4 * i);
    return S_OK;
}

}  // namespace vantor::storage
