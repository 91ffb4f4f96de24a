// Binary helpers of the field and property-set streams: exact reads and
// writes with the library's result codes, and little-endian numbers.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "vantor/platform/wintypes.h"

namespace vantor {

class CStream;

namespace fieldio {

// Reads exactly count bytes. 0; 87 without a stream; the stream's error when
// a read fails; 13 when the data ends first.
DWORD ReadExact(CStream* stream, void* buffer, std::size_t count);
// Writes count bytes. 0; 87 without a stream; the stream's error when the
// write fails; 112 when it is short.
DWORD WriteExact(CStream* stream, const void* buffer, std::size_t count);

// Reads count bytes into bytes in bounded pieces, so that a corrupt length
// costs no more memory than the stream really holds. Results as ReadExact.
DWORD ReadBlock(CStream* stream, std::size_t count, std::string& bytes);

// The text up to its first zero byte, as a C string would end.
std::string_view UpToZero(std::string_view text);

template <class T>
using UnsignedOf = std::conditional_t<sizeof(T) == 1, uint8_t,
                   std::conditional_t<sizeof(T) == 2, uint16_t,
                   std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;

template <class T>
void EncodeLittleEndian(T value, uint8_t (&bytes)[sizeof(T)]) {
    auto bits = std::bit_cast<UnsignedOf<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bytes[i] = static_cast<uint8_t>(bits & 0xFFu);
        bits = static_cast<UnsignedOf<T>>(bits >> 8);
    }
}

template <class T>
T DecodeLittleEndian(const uint8_t (&bytes)[sizeof(T)]) {
    UnsignedOf<T> bits = 0;
    for (std::size_t i = sizeof(T); i-- > 0;) bits = static_cast<UnsignedOf<T>>((bits << 8) | bytes[i]);
    return std::bit_cast<T>(bits);
}

template <class T>
DWORD ReadNumber(CStream* stream, T& value) {
    uint8_t bytes[sizeof(T)];
    const DWORD result = ReadExact(stream, bytes, sizeof bytes);
    if (result == ERROR_SUCCESS) value = DecodeLittleEndian<T>(bytes);
    return result;
}

template <class T>
DWORD WriteNumber(CStream* stream, T value) {
    uint8_t bytes[sizeof(T)];
    EncodeLittleEndian(value, bytes);
    return WriteExact(stream, bytes, sizeof bytes);
}

}  // namespace fieldio
}  // namespace vantor
