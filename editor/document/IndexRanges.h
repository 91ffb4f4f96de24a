// Index ranges of the standard CANopen objects and the layout of the
// dynamic channel blocks, shared by the object knowledge functions.
#pragma once

#include <array>
#include <string_view>

#include "editor/document/CodeTables.h"

namespace brenmoor {

// Sub-index 255, and any value above 254, stands for the main object.
inline constexpr unsigned kMainSubIndex = 255;

constexpr unsigned MainOrSub(unsigned sub) { return sub > kMainSubIndex ? kMainSubIndex : sub; }
constexpr bool IsMainSub(unsigned sub) { return sub >= kMainSubIndex; }

struct IndexRange {
    unsigned first;
    unsigned last;

    constexpr bool Holds(unsigned index) const { return index >= first && index <= last; }
};

constexpr bool InRange(unsigned value, unsigned first, unsigned last) { return value >= first && value <= last; }

inline constexpr IndexRange kServerSdoRange{0x1200, 0x127F};
inline constexpr IndexRange kClientSdoRange{0x1280, 0x12FF};
inline constexpr IndexRange kSdoRange{0x1200, 0x12FF};
inline constexpr IndexRange kRxPdoCommRange{0x1400, 0x15FF};
inline constexpr IndexRange kRxPdoMapRange{0x1600, 0x17FF};
inline constexpr IndexRange kTxPdoCommRange{0x1800, 0x19FF};
inline constexpr IndexRange kTxPdoMapRange{0x1A00, 0x1BFF};
inline constexpr IndexRange kPdoRange{0x1400, 0x1BFF};
inline constexpr IndexRange kDynChannelRange{0xA000, 0xA8FF};
inline constexpr IndexRange kDynInputRange{0xA000, 0xA47F};
inline constexpr IndexRange kDynOutputRange{0xA480, 0xA8FF};

constexpr bool IsPdoComm(unsigned index) { return kRxPdoCommRange.Holds(index) || kTxPdoCommRange.Holds(index); }
constexpr bool IsPdoMap(unsigned index) { return kRxPdoMapRange.Holds(index) || kTxPdoMapRange.Holds(index); }

// The dynamic channel range is cut into blocks of 64 indexes: first the
// inputs, then the outputs, each in the order of kDynBlockTypes.
struct DynBlockType {
    DataTypeCode type;
    std::string_view name;
};

inline constexpr std::array<DynBlockType, 18> kDynBlockTypes{{
    {kInteger8, "integer8"},
    {kUnsigned8, "unsigned8"},
    {kBoolean, "boolean"},
    {kInteger16, "integer16"},
    {kUnsigned16, "unsigned16"},
    {kInteger24, "integer24"},
    {kUnsigned24, "unsigned24"},
    {kInteger32, "integer32"},
    {kUnsigned32, "unsigned32"},
    {kReal32, "float(32)"},
    {kUnsigned40, "unsigned40"},
    {kInteger40, "integer40"},
    {kUnsigned48, "unsigned48"},
    {kInteger48, "integer48"},
    {kUnsigned56, "unsigned56"},
    {kInteger56, "integer56"},
    {kInteger64, "integer64"},
    {kUnsigned64, "unsigned64"},
}};

inline constexpr unsigned kDynBlockSize = 64;

struct DynChannel {
    const DynBlockType& block;
    bool output;
    unsigned number;  // position in the block, from 1
};

// Only for indexes of kDynChannelRange.
constexpr DynChannel DynChannelOf(unsigned index) {
    const unsigned offset = index - kDynChannelRange.first;
    const unsigned block = offset / kDynBlockSize;
    const bool output = block >= kDynBlockTypes.size();
    return {kDynBlockTypes[output ? block - kDynBlockTypes.size() : block], output, offset % kDynBlockSize + 1};
}

}  // namespace brenmoor
