// Constants and little-endian field access of the compound file binary
// format (header, allocation tables, directory entries).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor::storage::cfb {

constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

constexpr uint32_t kMaxRegularSector = 0xFFFFFFFAu;
constexpr uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr uint32_t kFreeSector = 0xFFFFFFFFu;
constexpr uint32_t kNoStream = 0xFFFFFFFFu;

constexpr size_t kHeaderSize = 512;
constexpr size_t kHeaderDifatEntries = 109;
constexpr size_t kDirectoryEntrySize = 128;
constexpr uint32_t kMiniSectorSize = 64;
constexpr uint32_t kMiniStreamCutoff = 4096;

// Header field offsets.
constexpr size_t kMajorVersionOffset = 0x1A;
constexpr size_t kByteOrderOffset = 0x1C;
constexpr size_t kSectorShiftOffset = 0x1E;
constexpr size_t kMiniSectorShiftOffset = 0x20;
constexpr size_t kFatSectorCountOffset = 0x2C;
constexpr size_t kFirstDirectorySectorOffset = 0x30;
constexpr size_t kMiniStreamCutoffOffset = 0x38;
constexpr size_t kFirstMiniFatSectorOffset = 0x3C;
constexpr size_t kMiniFatSectorCountOffset = 0x40;
constexpr size_t kFirstDifatSectorOffset = 0x44;
constexpr size_t kDifatSectorCountOffset = 0x48;
constexpr size_t kHeaderDifatOffset = 0x4C;

// Directory entry field offsets.
constexpr size_t kEntryNameLengthOffset = 64;
constexpr size_t kEntryTypeOffset = 66;
constexpr size_t kEntryLeftOffset = 68;
constexpr size_t kEntryRightOffset = 72;
constexpr size_t kEntryChildOffset = 76;
constexpr size_t kEntryClsidOffset = 80;
constexpr size_t kEntryStateBitsOffset = 96;
constexpr size_t kEntryCreationTimeOffset = 100;
constexpr size_t kEntryModificationTimeOffset = 108;
constexpr size_t kEntryStartSectorOffset = 116;
constexpr size_t kEntrySizeOffset = 120;

constexpr uint8_t kEntryStorage = 1;
constexpr uint8_t kEntryStream = 2;
constexpr uint8_t kEntryRoot = 5;

inline uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

inline uint32_t ReadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

inline uint64_t ReadLe64(const uint8_t* p) { return ReadLe32(p) | (static_cast<uint64_t>(ReadLe32(p + 4)) << 32); }

}  // namespace vantor::storage::cfb
