#include "tools/vantor/ValueText.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "common/Arithm.h"
#include "common/Strings.h"
#include "vantor/vantor.h"

namespace vantor::cli {
namespace {

constexpr uint16_t kUnsigned32 = 7;
constexpr int32_t kConvValid = 0;
constexpr int32_t kConvUnderflow = 2;
constexpr int32_t kConvOverflow = 3;

// Names of the data type codes 0x0000 to 0x001B.
constexpr std::array<std::string_view, 28> kDataTypeNames = {
    "UNKNOWN",        "BOOLEAN",         "INTEGER8",     "INTEGER16",   "INTEGER32",  "UNSIGNED8",
    "UNSIGNED16",     "UNSIGNED32",      "REAL32",       "VISIBLE_STRING", "OCTET_STRING", "UNICODE_STRING",
    "TIME_OF_DAY",    "TIME_DIFFERENCE", "BIT_STRING",   "DOMAIN",      "INTEGER24",  "REAL64",
    "INTEGER40",      "INTEGER48",       "INTEGER56",    "INTEGER64",   "UNSIGNED24", "RESERVED",
    "UNSIGNED40",     "UNSIGNED48",      "UNSIGNED56",   "UNSIGNED64",
};

enum class NumericKind { None, Signed, Unsigned, Real };

struct NumericType {
    NumericKind kind;
    unsigned bits;  // width of the value in the 8-byte buffer (24-bit values sit in 32 bits)
};

NumericType NumericTypeOf(uint16_t dataType) {
    switch (dataType) {
        case 1: case 5: return {NumericKind::Unsigned, 8};
        case 6: return {NumericKind::Unsigned, 16};
        case 7: case 22: return {NumericKind::Unsigned, 32};
        case 24: case 25: case 26: case 27: return {NumericKind::Unsigned, 64};
        case 2: return {NumericKind::Signed, 8};
        case 3: return {NumericKind::Signed, 16};
        case 4: case 16: return {NumericKind::Signed, 32};
        case 18: case 19: case 20: case 21: return {NumericKind::Signed, 64};
        case 8: return {NumericKind::Real, 32};
        case 17: return {NumericKind::Real, 64};
        default: return {NumericKind::None, 0};
    }
}

}  // namespace

std::optional<uint32_t> ReadNumber(std::string_view text) {
    const std::string value(TrimBlanks(text));
    if (value.empty()) return std::nullopt;
    uint8_t buffer[8] = {};
    if (eds_StrToCopType(kUnsigned32, value.c_str(), buffer) != kConvValid) return std::nullopt;
    return static_cast<uint32_t>(LoadLittleEndian(buffer, 4));
}

bool DependsOnNodeId(std::string_view text) {
    constexpr std::string_view kNodeId = "$NODEID";
    for (std::size_t i = 0; i + kNodeId.size() <= text.size(); ++i)
        if (EqualNoCase(text.substr(i, kNodeId.size()), kNodeId)) return true;
    return false;
}

std::string DataTypeName(uint16_t dataType) {
    if (dataType < kDataTypeNames.size()) return std::string(kDataTypeNames[dataType]);
    char text[8];
    std::snprintf(text, sizeof text, "0x%4.4X", static_cast<unsigned>(dataType));
    return text;
}

std::string_view ObjectTypeName(uint8_t objectType) {
    switch (objectType) {
        case 0: return "NULL";
        case 2: return "DOMAIN";
        case 5: return "DEFTYPE";
        case 6: return "DEFSTRUCT";
        case 7: return "VAR";
        case 8: return "ARRAY";
        case 9: return "RECORD";
        default: return "";
    }
}

std::string_view AccessTypeName(uint8_t accessType) {
    constexpr std::array<std::string_view, 6> kNames = {"CONST", "RO", "WO", "RW", "RWR", "RWW"};
    return accessType < kNames.size() ? kNames[accessType] : "";
}

bool TypedValue::IsNumericType(uint16_t dataType) { return NumericTypeOf(dataType).kind != NumericKind::None; }

TypedValue::Reading TypedValue::Read(uint16_t dataType, std::string_view text, TypedValue& value) {
    const NumericType type = NumericTypeOf(dataType);
    const std::string trimmed(TrimBlanks(text));
    if (type.kind == NumericKind::None || trimmed.empty()) return Reading::Invalid;
    uint8_t buffer[8] = {};
    const int32_t result = eds_StrToCopType(dataType, trimmed.c_str(), buffer);
    const uint64_t raw = LoadLittleEndian(buffer, type.bits / 8);
    switch (type.kind) {
        case NumericKind::Signed:
            value.kind_ = Kind::Signed;
            value.signed_ = SignExtend(raw, type.bits);
            break;
        case NumericKind::Real:
            value.kind_ = Kind::Real;
            if (type.bits == 32) {
                float real;
                const auto bits = static_cast<uint32_t>(raw);
                std::memcpy(&real, &bits, sizeof real);
                value.real_ = real;
            } else {
                std::memcpy(&value.real_, &raw, sizeof value.real_);
            }
            break;
        default:
            value.kind_ = Kind::Unsigned;
            value.unsigned_ = raw;
            break;
    }
    if (result == kConvValid) return Reading::Valid;
    if (result == kConvUnderflow) return Reading::BelowRange;
    if (result == kConvOverflow) return Reading::AboveRange;
    return Reading::Invalid;
}

int TypedValue::Compare(const TypedValue& other) const {
    switch (kind_) {
        case Kind::Signed: return signed_ < other.signed_ ? -1 : signed_ > other.signed_ ? 1 : 0;
        case Kind::Real: return real_ < other.real_ ? -1 : real_ > other.real_ ? 1 : 0;
        default: return unsigned_ < other.unsigned_ ? -1 : unsigned_ > other.unsigned_ ? 1 : 0;
    }
}

}  // namespace vantor::cli
