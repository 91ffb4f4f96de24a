// Strict conversions between UTF-16 and UTF-8: unpaired surrogates and
// malformed UTF-8 do not convert.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor::storage {

std::optional<std::string> Utf16ToUtf8(std::u16string_view text);
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

// True when every surrogate of the text is part of a pair.
bool IsWellFormedUtf16(std::u16string_view text);

}  // namespace vantor::storage
