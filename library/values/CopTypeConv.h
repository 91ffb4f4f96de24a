// Value conversions offered to callers of the library, on raw buffers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor {

// Capacity of the text buffer of CopTypeToStr: 32 characters and the zero.
inline constexpr std::size_t kCopTextCapacity = 33;
// Size of every value buffer.
inline constexpr std::size_t kCopValueSize = 8;

// Writes the text of the value (cut at 32 characters) into text. 1 without a
// text buffer or for a type without a text form; an empty text and 0 without
// a value or for the reserved type 23.
int CopTypeToStr(uint16_t type, const void* value, char* text);

// Parses text into the 8-byte value buffer, which is zeroed first. 1 without
// a value buffer; 0 and a zero value for a missing or empty text of any type;
// else the conversion's result code.
int StrToCopType(uint16_t type, const char* text, void* value);

// As StrToCopType, but a missing or empty text is invalid, and whenever the
// conversion does not succeed the value becomes the type's largest value
// (high != 0) or its smallest. A type without a text form gives 1 and 0.
int StrToCopType2(uint16_t type, const char* text, void* value, uint8_t high);

}  // namespace vantor
