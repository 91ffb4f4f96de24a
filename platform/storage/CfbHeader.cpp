#include "storage/CfbHeader.h"

#include <algorithm>

namespace vantor::storage {

using namespace cfb;

bool HasCompoundFileSignature(std::span<const uint8_t> file) {
    return file.size() >= sizeof(kSignature) && std::equal(std::begin(kSignature), std::end(kSignature), file.begin());
}

namespace {

// The header sector followed by every sector the allocation table has an
// entry for; what lies beyond can belong to no stream.
uint64_t AddressableSize(const CfbHeader& header) {
    const uint64_t entriesPerSector = header.sectorSize / 4;
    return (uint64_t{header.fatSectorCount} * entriesPerSector + 1) * header.sectorSize;
}

}  // namespace

HRESULT ParseCfbHeader(std::span<const uint8_t> start, uint64_t fileSize, CfbHeader& header) {
    if (start.size() < kHeaderSize || fileSize < kHeaderSize || !HasCompoundFileSignature(start))
        return STG_E_INVALIDHEADER;
    const uint8_t* p = start.data();
    header.majorVersion = ReadLe16(p + kMajorVersionOffset);
    const uint16_t sectorShift = ReadLe16(p + kSectorShiftOffset);
    const bool versionMatchesSectors =
        (header.majorVersion == 3 && sectorShift == 9) || (header.majorVersion == 4 && sectorShift == 12);
    if (!versionMatchesSectors) return STG_E_INVALIDHEADER;
    if (ReadLe16(p + kByteOrderOffset) != 0xFFFE) return STG_E_INVALIDHEADER;
    if (ReadLe16(p + kMiniSectorShiftOffset) != 6) return STG_E_INVALIDHEADER;
    if (ReadLe32(p + kMiniStreamCutoffOffset) != kMiniStreamCutoff) return STG_E_INVALIDHEADER;

    header.sectorSize = 1u << sectorShift;
    if (fileSize < header.sectorSize) return STG_E_INVALIDHEADER;
    header.fatSectorCount = ReadLe32(p + kFatSectorCountOffset);
    header.firstDirectorySector = ReadLe32(p + kFirstDirectorySectorOffset);
    header.firstMiniFatSector = ReadLe32(p + kFirstMiniFatSectorOffset);
    header.miniFatSectorCount = ReadLe32(p + kMiniFatSectorCountOffset);
    header.firstDifatSector = ReadLe32(p + kFirstDifatSectorOffset);
    header.difatSectorCount = ReadLe32(p + kDifatSectorCountOffset);
    for (size_t i = 0; i < kHeaderDifatEntries; ++i) header.headerDifat[i] = ReadLe32(p + kHeaderDifatOffset + 4 * i);
    return fileSize <= AddressableSize(header) ? S_OK : STG_E_DOCFILECORRUPT;
}

}  // namespace vantor::storage
