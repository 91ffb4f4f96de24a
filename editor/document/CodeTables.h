// The selection lists the editor's forms offer for access type, object type,
// data type and the dynamic channel segments, as ordered rows of
// (display text, code, field mask).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace brenmoor {

// Object type codes as the editor's records hold them (one above the
// library's codes).
enum ObjectTypeCode : int {
    kObjectNone = 0,
    kObjectNull = 1,
    kObjectDomain = 3,
    kObjectVar = 8,
    kObjectArray = 9,
    kObjectRecord = 10,
};

// Access type codes as the editor's records hold them (one above the
// library's codes); also the dynamic segment directions.
enum AccessTypeCode : int {
    kAccessNone = 0,
    kAccessConst = 1,
    kAccessRo = 2,
    kAccessWo = 3,
    kAccessRw = 4,
    kAccessRwr = 5,
    kAccessRww = 6,
};

// CANopen data type codes.
enum DataTypeCode : int {
    kTypeNone = 0,
    kBoolean = 1,
    kInteger8 = 2,
    kInteger16 = 3,
    kInteger32 = 4,
    kUnsigned8 = 5,
    kUnsigned16 = 6,
    kUnsigned32 = 7,
    kReal32 = 8,
    kVisibleString = 9,
    kOctetString = 10,
    kUnicodeString = 11,
    kTimeOfDay = 12,
    kTimeDifference = 13,
    kBitString = 14,
    kDomain = 15,
    kInteger24 = 16,
    kReal64 = 17,
    kInteger40 = 18,
    kInteger48 = 19,
    kInteger56 = 20,
    kInteger64 = 21,
    kUnsigned24 = 22,
    kUnsigned40 = 24,
    kUnsigned48 = 25,
    kUnsigned56 = 26,
    kUnsigned64 = 27,
};

// Bits of a row's mask: the object record fields an object form offers
// while the row is selected.
enum FieldMaskBit : std::uint32_t {
    kFieldName = 1u << 0,
    kFieldObjectType = 1u << 1,
    kFieldAccessType = 1u << 2,
    kFieldDataType = 1u << 3,
    kFieldLowLimit = 1u << 4,
    kFieldHighLimit = 1u << 5,
    kFieldDefaultValue = 1u << 6,
    kFieldPdoMapping = 1u << 7,
    kFieldParameterValue = 1u << 16,
    kFieldUploadFile = 1u << 17,
    kFieldDownloadFile = 1u << 18,
    kFieldDenotation = 1u << 19,
};

struct CodeRow {
    std::string_view text;
    int code;
    std::uint32_t mask;
};

using CodeTable = std::span<const CodeRow>;

inline constexpr std::uint32_t kAllFields = 0xFFFFFF;
inline constexpr std::uint32_t kStringFields = 0xF01CF;

inline constexpr std::array<CodeRow, 7> kAccessTypeTable{{
    {"<empty>", kAccessNone, kAllFields},
    {"ro", kAccessRo, kAllFields},
    {"wo", kAccessWo, kAllFields},
    {"rw", kAccessRw, kAllFields},
    {"rwr", kAccessRwr, kAllFields},
    {"rww", kAccessRww, kAllFields},
    {"const", kAccessConst, kAllFields},
}};

inline constexpr std::array<CodeRow, 6> kObjectTypeTable{{
    {"<empty>", kObjectNone, 3},
    {"VAR", kObjectVar, kAllFields},
    {"ARRAY", kObjectArray, 3},
    {"RECORD", kObjectRecord, 3},
    {"DOMAIN", kObjectDomain, 3},
    {"NULL", kObjectNull, 3},
}};

inline constexpr std::array<CodeRow, 27> kDataTypeTable{{
    {"<empty>", kTypeNone, 15},
    {"BOOLEAN", kBoolean, kAllFields},
    {"INTEGER8", kInteger8, kAllFields},
    {"INTEGER16", kInteger16, kAllFields},
    {"INTEGER24", kInteger24, kAllFields},
    {"INTEGER32", kInteger32, kAllFields},
    {"INTEGER40", kInteger40, kAllFields},
    {"INTEGER48", kInteger48, kAllFields},
    {"INTEGER56", kInteger56, kAllFields},
    {"INTEGER64", kInteger64, kAllFields},
    {"UNSIGNED8", kUnsigned8, kAllFields},
    {"UNSIGNED16", kUnsigned16, kAllFields},
    {"UNSIGNED24", kUnsigned24, kAllFields},
    {"UNSIGNED32", kUnsigned32, kAllFields},
    {"UNSIGNED40", kUnsigned40, kAllFields},
    {"UNSIGNED48", kUnsigned48, kAllFields},
    {"UNSIGNED56", kUnsigned56, kAllFields},
    {"UNSIGNED64", kUnsigned64, kAllFields},
    {"REAL32", kReal32, kAllFields},
    {"REAL64", kReal64, kAllFields},
    {"TIME_OF_DAY", kTimeOfDay, kAllFields},
    {"TIME_DIFFERENCE", kTimeDifference, kAllFields},
    {"VISIBLE_STRING", kVisibleString, kStringFields},
    {"UNICODE_STRING", kUnicodeString, kStringFields},
    {"OCTET_STRING", kOctetString, kStringFields},
    {"BIT_STRING", kBitString, kStringFields},
    {"DOMAIN", kDomain, kStringFields},
}};

// The dynamic channel "Date" row carries the unicode string code.
inline constexpr std::array<CodeRow, 23> kDynDataTypeTable{{
    {"<empty>", kTypeNone, 0},
    {"Boolean", kBoolean, 0},
    {"Integer 8", kInteger8, 0},
    {"Integer16", kInteger16, 0},
    {"Integer24", kInteger24, 0},
    {"Integer32", kInteger32, 0},
    {"Integer40", kInteger40, 0},
    {"Integer48", kInteger48, 0},
    {"Integer56", kInteger56, 0},
    {"Integer64", kInteger64, 0},
    {"Unsigned 8", kUnsigned8, 0},
    {"Unsigned16", kUnsigned16, 0},
    {"Unsigned24", kUnsigned24, 0},
    {"Unsigned32", kUnsigned32, 0},
    {"Unsigned40", kUnsigned40, 0},
    {"Unsigned48", kUnsigned48, 0},
    {"Unsigned56", kUnsigned56, 0},
    {"Unsigned64", kUnsigned64, 0},
    {"Float", kReal32, 0},
    {"Time_Of_Day", kTimeOfDay, 0},
    {"Time_Difference", kTimeDifference, 0},
    {"Visible_String", kVisibleString, 0},
    {"Date", kUnicodeString, 0},
}};

inline constexpr std::array<CodeRow, 4> kDynDirectionTable{{
    {"<empty>", kAccessNone, 0},
    {"ro", kAccessRo, 0},
    {"wo", kAccessWo, 0},
    {"rww", kAccessRww, 0},
}};

// Position (from 0) of the first row up to lastRow whose code equals code;
// -1 when there is none.
int FindCode(CodeTable table, int lastRow, int code);

}  // namespace brenmoor
