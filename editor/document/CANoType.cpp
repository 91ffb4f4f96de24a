#include "editor/document/CANoType.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "editor/document/IndexRanges.h"

namespace brenmoor {
namespace {

bool IsOneOf(unsigned index, std::initializer_list<unsigned> indexes) {
    return std::find(indexes.begin(), indexes.end(), index) != indexes.end();
}

using OptionalType = std::optional<DataTypeCode>;

// Types that hold for every sub-index of the index.
struct WholeObjectType {
    unsigned first;
    unsigned last;
    DataTypeCode type;
};

constexpr WholeObjectType kWholeObjectTypes[] = {
    {0x1000, 0x1000, kUnsigned32}, {0x1001, 0x1001, kUnsigned8},     {0x1002, 0x1002, kUnsigned32},
    {0x1004, 0x1007, kUnsigned32}, {0x1008, 0x100A, kVisibleString}, {0x100B, 0x100B, kUnsigned32},
    {0x100C, 0x100C, kUnsigned16}, {0x100D, 0x100D, kUnsigned8},     {0x100E, 0x100F, kUnsigned32},
    {0x1012, 0x1014, kUnsigned32}, {0x1015, 0x1015, kUnsigned16},    {0x1017, 0x1017, kUnsigned16},
    {0x1021, 0x1021, kDomain},     {0x1022, 0x1022, kUnsigned8},     {0x1024, 0x1024, kUnsigned32},
};

// Arrays and records whose sub-index 0 is an UNSIGNED8 count and whose
// entries 1 to lastEntry share one type.
struct CountedObjectType {
    unsigned index;
    unsigned lastEntry;
    DataTypeCode entryType;
};

constexpr CountedObjectType kCountedObjectTypes[] = {
    {0x1003, 254, kUnsigned32}, {0x1010, 127, kUnsigned32}, {0x1011, 127, kUnsigned32}, {0x1016, 127, kUnsigned32},
    {0x1028, 127, kUnsigned32}, {0x1018, 4, kUnsigned32},   {0x1020, 2, kUnsigned32},   {0x1026, 254, kUnsigned8},
    {0x1029, 254, kUnsigned8},  {0x1027, 254, kUnsigned16},
};

// A data type definition entry holds its own code, except the reserved one.
DataTypeCode DataTypeDefinitionType(unsigned index) {
    constexpr unsigned kReservedDefinition = 0x0017;
    return index == kReservedDefinition ? kTypeNone : static_cast<DataTypeCode>(index);
}

OptionalType WholeObjectTypeOf(unsigned index) {
    for (const auto& rule : kWholeObjectTypes) {
        if (InRange(index, rule.first, rule.last)) return rule.type;
    }
    return std::nullopt;
}

// Sub-index 0 and 2 hold bytes, 1 and 3 octet strings (OS command, OS
// debugger and the matching record definitions).
OptionalType OsInterfaceType(unsigned sub) {
    if (sub == 0 || sub == 2) return kUnsigned8;
    if (sub == 1 || sub == 3) return kOctetString;
    return std::nullopt;
}

OptionalType CountedObjectTypeOf(unsigned index, unsigned sub) {
    for (const auto& rule : kCountedObjectTypes) {
        if (rule.index != index) continue;
        if (sub == 0) return kUnsigned8;
        if (sub <= rule.lastEntry) return rule.entryType;
        return std::nullopt;
    }
    return std::nullopt;
}

OptionalType SdoParameterType(unsigned sub) {
    if (sub == 0 || sub == 3) return kUnsigned8;
    if (sub == 1 || sub == 2) return kUnsigned32;
    return std::nullopt;
}

// The standard's type for the entry; none where the standard names none.
OptionalType StandardDataType(unsigned index, unsigned sub) {
    if (InRange(index, 0x0001, 0x001B)) return DataTypeDefinitionType(index);
    if (IsOneOf(index, {0x0024, 0x0025, 0x1023, 0x1025})) return OsInterfaceType(sub);
    if (const OptionalType type = WholeObjectTypeOf(index)) return type;
    if (const OptionalType type = CountedObjectTypeOf(index, sub)) return type;
    if (kSdoRange.Holds(index)) return SdoParameterType(sub);
    if (kDynChannelRange.Holds(index)) return DynChannelOf(index).block.type;
    return std::nullopt;
}

AccessTypeCode DefaultAccess(unsigned sub) { return sub == 0 ? kAccessRo : kAccessRw; }

AccessTypeCode EntryAccess(unsigned sub, unsigned first, unsigned last, AccessTypeCode access) {
    return InRange(sub, first, last) ? access : DefaultAccess(sub);
}

AccessTypeCode CommunicationAccess(unsigned index, unsigned sub) {
    if (IsOneOf(index, {0x1000, 0x1001, 0x1002, 0x1004, 0x1018, 0x1027})) return kAccessRo;
    if (index == 0x1003) return sub == 0 ? kAccessRw : EntryAccess(sub, 1, 254, kAccessRo);
    if (IsOneOf(index, {0x1005, 0x1006, 0x1007, 0x100C, 0x100D, 0x100E, 0x1012, 0x1013, 0x1015, 0x1017}))
        return kAccessRw;
    if (InRange(index, 0x1008, 0x100A)) return kAccessConst;
    if (index == 0x1024) return EntryAccess(sub, 1, 255, kAccessWo);
    if (index == 0x1026) return sub == 1 ? kAccessWo : EntryAccess(sub, 2, 3, kAccessRo);
    if (index == 0x1200) return kAccessRo;
    if (IsPdoMap(index)) return kAccessRw;
    return DefaultAccess(sub);
}

AccessTypeCode NetworkManagementAccess(unsigned index, unsigned sub) {
    if (index == 0x1F00 || index == 0x1F01) return kAccessWo;
    if (InRange(index, 0x1F03, 0x1F06)) return kAccessRo;
    if (index == 0x1F10) return kAccessRw;
    if (index == 0x1F25) return EntryAccess(sub, 1, 128, kAccessWo);
    return DefaultAccess(sub);
}

AccessTypeCode DynChannelAccess(unsigned index, unsigned sub) {
    return EntryAccess(sub, 1, 254, DynChannelOf(index).output ? kAccessRww : kAccessRo);
}

}  // namespace

ObjectCategory ObjectList(unsigned index) {
    if (index < 0x1000) return kCategoryNone;
    if (IsOneOf(index, {0x1000, 0x1001, 0x1018})) return kCategoryMandatory;
    if (InRange(index, 0x2000, 0x5FFF)) return kCategoryManufacturer;
    return kCategoryOptional;
}

DataTypeCode DataTypeBySize(int byteCount) {
    constexpr DataTypeCode kUnsignedOfSize[] = {kTypeNone,   kUnsigned8,  kUnsigned16, kUnsigned24, kUnsigned32,
                                                kUnsigned40, kUnsigned48, kUnsigned56, kUnsigned64};
    if (byteCount >= 0 && byteCount <= 8) return kUnsignedOfSize[byteCount];
    if (byteCount >= 9 && byteCount <= 32) return kVisibleString;
    return kDomain;
}

DataTypeCode DataType(int byteCount, unsigned index, unsigned sub) {
    if (index == 0) return DataTypeBySize(byteCount);
    return StandardDataType(index, MainOrSub(sub)).value_or(DataTypeBySize(byteCount));
}

ObjectTypeCode ObjectType(unsigned index, unsigned sub) {
    sub = MainOrSub(sub);
    if (InRange(index, 0x1000, 0x1002) || InRange(index, 0x1005, 0x100D) || InRange(index, 0x1012, 0x1015) ||
        index == 0x1017)
        return kObjectVar;
    if (index == 0x1003) return IsMainSub(sub) ? kObjectArray : kObjectVar;
    if (IsOneOf(index, {0x1010, 0x1011, 0x1016})) return sub >= 128 ? kObjectArray : kObjectVar;
    if (index == 0x1018) return sub > 4 ? kObjectRecord : kObjectVar;
    if (kSdoRange.Holds(index) || kPdoRange.Holds(index)) return IsMainSub(sub) ? kObjectRecord : kObjectVar;
    return kObjectNone;
}

AccessTypeCode AccessType(unsigned index, unsigned sub) {
    sub = MainOrSub(sub);
    if (InRange(index, 0x1000, 0x1FFF)) {
        return InRange(index, 0x1F00, 0x1FFF) ? NetworkManagementAccess(index, sub) : CommunicationAccess(index, sub);
    }
    if (kDynChannelRange.Holds(index)) return DynChannelAccess(index, sub);
    return DefaultAccess(sub);
}

bool PdoMapping(unsigned index, unsigned sub) {
    if (index == 0x1026) return InRange(sub, 1, 3);
    return InRange(index, 0x6000, 0xAFFF) && sub > 0;
}

int EntryCount(unsigned index) {
    if (index == 0x1003) return 3;
    if (IsOneOf(index, {0x1010, 0x1011, 0x1016})) return 2;
    if (index == 0x1018) return 4;
    if (kServerSdoRange.Holds(index)) return 3;
    if (kClientSdoRange.Holds(index)) return 4;
    if (IsPdoComm(index)) return 6;
    if (IsPdoMap(index)) return 41;
    return 0;
}

}  // namespace brenmoor
