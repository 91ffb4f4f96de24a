// Texts of the dictionary layer: element names, error lines and number
// formats, always built from fixed formats (names of objects may contain
// '%' and are passed as arguments only).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vantor/platform.h"

namespace vantor {

class CStream;

std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes one error line; the result of the write is not examined.
void WriteErrorLine(CStream* errors, const std::string& line);

// "$%2.2X" of number.
std::string ElementName(uint8_t number);
// The number of an element named exactly as ElementName gives it.
std::optional<uint8_t> ElementNumber(const OLECHAR* name);

// A status of the property sets or of the storage as one result code.
inline HRESULT AsResult(DWORD code) { return static_cast<HRESULT>(code); }

}  // namespace vantor
