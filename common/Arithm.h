// Little-endian integers in byte buffers, independent of the host's byte
// order and of the buffer's alignment.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor {

// The unsigned value of the first count bytes (at most 8), zero-extended.
constexpr uint64_t LoadLittleEndian(const uint8_t* bytes, std::size_t count) {
    uint64_t value = 0;
    for (std::size_t i = count; i > 0; --i) value = (value << 8) | bytes[i - 1];
    return value;
}

// Stores the low count bytes (at most 8) of value.
constexpr void StoreLittleEndian(uint64_t value, uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

// The value of the low bits of a two's-complement number, sign-extended.
constexpr int64_t SignExtend(uint64_t value, unsigned bits) {
    const uint64_t signBit = uint64_t{1} << (bits - 1);
    const uint64_t low = bits >= 64 ? value : value & ((signBit << 1) - 1);
    return static_cast<int64_t>((low ^ signBit) - signBit);
}

}  // namespace vantor
