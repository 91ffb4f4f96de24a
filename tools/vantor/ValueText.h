// Numbers and typed values of EDS text, read through the library's value
// conversion exports so that the tool judges values as the library does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::cli {

// An unsigned number in any of the forms of EDS text (decimal, "0x" or "$"
// hexadecimal, leading-zero octal) that fits 32 bits.
std::optional<uint32_t> ReadNumber(std::string_view text);

// True when the value is computed from the node id on the device ("$NODEID+0x180").
bool DependsOnNodeId(std::string_view text);

// The name of a CANopen data type code ("UNSIGNED8"), or "0x%4.4X" for codes without one.
std::string DataTypeName(uint16_t dataType);
// "VAR", "RECORD", ... for an object-type code; "" for an unset or unknown one.
std::string_view ObjectTypeName(uint8_t objectType);
// "RO", "RW", ... for an access-type index; "" for an unset or unknown one.
std::string_view AccessTypeName(uint8_t accessType);

// A value of a basic numeric type, read as the library reads it.
class TypedValue {
public:
    enum class Reading { Valid, Invalid, BelowRange, AboveRange };

    // Whether the library converts values of this type (numeric basic types).
    static bool IsNumericType(uint16_t dataType);
    static Reading Read(uint16_t dataType, std::string_view text, TypedValue& value);

    // Negative when this value is smaller than other, 0 when equal, positive when larger.
    int Compare(const TypedValue& other) const;

private:
    enum class Kind { Signed, Unsigned, Real };
    Kind kind_ = Kind::Unsigned;
    int64_t signed_ = 0;
    uint64_t unsigned_ = 0;
    double real_ = 0;
};

}  // namespace vantor::cli
