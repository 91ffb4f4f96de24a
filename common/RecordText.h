// Texts and flags of the fixed records that cross the library interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/Strings.h"

namespace vantor {

// The text of a record array: up to its zero, or the whole array when the
// caller left no zero inside it.
template <std::size_t N>
std::string_view RecordText(const char (&array)[N]) {
    return {array, strnlen(array, N)};
}

// Copies text into a record array, cut to fit and zero-terminated.
template <std::size_t N>
void StoreRecordText(char (&array)[N], std::string_view text) {
    CopyBounded(array, N, text);
}

// A flag byte of a record as the 0 or 1 that a BOOLEAN key holds.
constexpr uint8_t RecordFlag(uint8_t value) { return value != 0 ? 1 : 0; }

}  // namespace vantor
