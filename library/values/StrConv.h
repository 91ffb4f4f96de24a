// CANopen basic data types and the text form of their values.
//
// Every parse returns one of the ConvResult codes and always leaves a defined
// value: the parsed value, the type's limit on underflow or overflow, and 0
// for an invalid text. Value buffers are 8 bytes, little-endian, the value at
// their start; 24-bit values are held in 32 bits and 40- to 56-bit values in
// 64 bits, sign- or zero-extended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Codes of the CANopen data type table.
namespace DataType {
inline constexpr uint16_t Unknown = 0;
inline constexpr uint16_t Boolean = 1;
inline constexpr uint16_t Integer8 = 2;
inline constexpr uint16_t Integer16 = 3;
inline constexpr uint16_t Integer32 = 4;
inline constexpr uint16_t Unsigned8 = 5;
inline constexpr uint16_t Unsigned16 = 6;
inline constexpr uint16_t Unsigned32 = 7;
inline constexpr uint16_t Real32 = 8;
inline constexpr uint16_t VisibleString = 9;
inline constexpr uint16_t OctetString = 10;
inline constexpr uint16_t UnicodeString = 11;
inline constexpr uint16_t TimeOfDay = 12;
inline constexpr uint16_t TimeDifference = 13;
inline constexpr uint16_t BitString = 14;
inline constexpr uint16_t Domain = 15;
inline constexpr uint16_t Integer24 = 16;
inline constexpr uint16_t Real64 = 17;
inline constexpr uint16_t Integer40 = 18;
inline constexpr uint16_t Integer48 = 19;
inline constexpr uint16_t Integer56 = 20;
inline constexpr uint16_t Integer64 = 21;
inline constexpr uint16_t Unsigned24 = 22;
inline constexpr uint16_t Reserved23 = 23;
inline constexpr uint16_t Unsigned40 = 24;
inline constexpr uint16_t Unsigned48 = 25;
inline constexpr uint16_t Unsigned56 = 26;
inline constexpr uint16_t Unsigned64 = 27;
}  // namespace DataType

// Results of every value conversion.
namespace ConvResult {
inline constexpr int Valid = 0;
inline constexpr int InvalidFormat = 1;  // also: a type without a text form
inline constexpr int Underflow = 2;      // the type's minimum was stored
inline constexpr int Overflow = 3;       // the type's maximum was stored
}  // namespace ConvResult

// The basic types whose values convert to and from text (1 to 8, 16 to 22
// and 24 to 27).
bool IsConvertibleType(uint16_t type);
// Bytes of the value buffer a convertible type uses (1, 2, 4 or 8), 0 otherwise.
std::size_t ValueSizeOf(uint16_t type);

// --- Parsing --------------------------------------------------------------

int ParseBoolean(std::string_view text, uint8_t& value);
int ParseInteger16(std::string_view text, int16_t& value);
int ParseInteger32(std::string_view text, int32_t& value);
int ParseUnsigned8(std::string_view text, uint8_t& value);
int ParseUnsigned16(std::string_view text, uint16_t& value);
int ParseUnsigned32(std::string_view text, uint32_t& value);
int ParseReal32(std::string_view text, float& value);
int ParseReal64(std::string_view text, double& value);

// Parses a value of any type into the buffer, which is zeroed first.
// A type that is not convertible gives InvalidFormat.
int ParseValue(uint16_t type, std::string_view text, uint8_t (&buffer)[8]);

// Stores the type's largest (high) or smallest value in the buffer, which is
// zeroed first. Nothing but zeros for a type that is not convertible.
void StoreTypeLimit(uint16_t type, bool high, uint8_t (&buffer)[8]);

// --- Formatting -----------------------------------------------------------

// "1" for any non-zero value, else "0".
std::string FormatBoolean(uint8_t value);
// Optional '-' and the decimal digits.
std::string FormatDecimal(int64_t value);
// "0x" and the upper-case hexadecimal digits, zero-padded to at least digits.
std::string FormatHex(uint64_t value, int digits);
// Scientific notation with 8 (REAL32) or 16 (REAL64) significant digits, a '.'
// whatever the locale, at least three exponent digits, right-aligned to 16 or
// 24 characters: 1.5 gives "  1.5000000E+000".
std::string FormatReal32(float value);
std::string FormatReal64(double value);

// The text of the value in buffer (as many bytes as the type uses).
// A type that is not convertible gives InvalidFormat and an empty text.
int FormatValue(uint16_t type, const uint8_t* buffer, std::string& text);

// --- Names ----------------------------------------------------------------

inline constexpr std::size_t kAccessTypeCount = 6;
inline constexpr uint16_t kLastNamedDataType = DataType::Unsigned64;
inline constexpr std::size_t kLibraryNameCount = kAccessTypeCount + kLastNamedDataType + 1;

// Entry of the library's name table: the access names (0 to 5) followed by the
// data type names for codes 0 to 27. Null past the end.
const char* LibraryName(std::size_t index);
// "CONST", "RO", "WO", "RW", "RWR", "RWW" for 0 to 5, else null.
const char* AccessTypeName(std::size_t index);
// The name of data type code 0 to 27 ("UNKNOWN", "BOOLEAN", ...), else null.
const char* DataTypeName(uint16_t code);
// The index of an access name compared without regard to case, or -1.
int FindAccessType(std::string_view name);

}  // namespace vantor
