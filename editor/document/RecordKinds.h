// The kinds of record the document answers for, by their fixed identifiers,
// and the keys that address one record of a kind.
#pragma once

#include <cstdint>

#include "vantor/platform/wintypes.h"

namespace brenmoor {

namespace detail {
constexpr GUID RecordKindId(uint32_t first) {
    return {first, 0xCA77, 0x11D3, {0x85, 0xD4, 0x9C, 0x6F, 0x2F, 0xA8, 0x50, 0x63}};
}
}  // namespace detail

// Key ignored.
inline constexpr GUID kKindFileInfo = detail::RecordKindId(0xDDDDDCA0);
inline constexpr GUID kKindDeviceInfo = detail::RecordKindId(0xDDDDDCA1);
inline constexpr GUID kKindDummyUsage = detail::RecordKindId(0xDDDDDCA2);
// Reserved kinds without a record; answered with "not implemented".
inline constexpr GUID kKindReserved3 = detail::RecordKindId(0xDDDDDCA3);
inline constexpr GUID kKindReserved5 = detail::RecordKindId(0xDDDDDCA5);
// Key: ObjectKey(index, sub-index).
inline constexpr GUID kKindObject = detail::RecordKindId(0xDDDDDCA4);
// Key: the segment number, 1 to 512.
inline constexpr GUID kKindDynSegment = detail::RecordKindId(0xDDDDDCA6);

// The sub-index that addresses an object's main entry.
inline constexpr unsigned kMainEntry = 255;

constexpr uint32_t ObjectKey(unsigned index, unsigned sub) { return (index & 0xFFFFu) << 8 | (sub & 0xFFu); }
constexpr unsigned ObjectIndexOf(uint32_t key) { return key >> 8 & 0xFFFFu; }
constexpr unsigned ObjectSubOf(uint32_t key) { return key & 0xFFu; }
// Ten bits, so that segment 512 stays reachable.
constexpr unsigned SegmentOf(uint32_t key) { return key & 0x3FFu; }

}  // namespace brenmoor
