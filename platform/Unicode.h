// The one UTF-8 and UTF-16 codec of the platform layer: code point decoders
// that report ill-formed input and carry on, the matching encoders, and
// strict whole-text conversions in which unpaired surrogates and malformed
// UTF-8 do not convert.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Decodes the sequence at text[i] and advances i. An ill-formed sequence
// (overlong, a surrogate, beyond U+10FFFF, cut short) consumes its longest
// well-formed prefix, at least one byte, and gives U+FFFD with valid false.
char32_t DecodeUtf8(std::string_view text, std::size_t& i, bool& valid);
// Decodes the unit or surrogate pair at text[i] and advances i; an unpaired
// surrogate gives U+FFFD with valid false.
char32_t DecodeUtf16(std::u16string_view text, std::size_t& i, bool& valid);

// Hands the units of the code point to put, one at a time.
template <typename Put>
void EncodeUtf8(char32_t codePoint, Put put) {
    auto unit = [&](char32_t value) { put(static_cast<char>(value)); };
    if (codePoint < 0x80) {
        unit(codePoint);
    } else if (codePoint < 0x800) {
        unit(0xC0 | (codePoint >> 6));
        unit(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        unit(0xE0 | (codePoint >> 12));
        unit(0x80 | ((codePoint >> 6) & 0x3F));
        unit(0x80 | (codePoint & 0x3F));
    } else {
        unit(0xF0 | (codePoint >> 18));
        unit(0x80 | ((codePoint >> 12) & 0x3F));
        unit(0x80 | ((codePoint >> 6) & 0x3F));
        unit(0x80 | (codePoint & 0x3F));
    }
}

template <typename Put>
void EncodeUtf16(char32_t codePoint, Put put) {
    if (codePoint < 0x10000) {
        put(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    put(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    put(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view text);
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

// True when every surrogate of the text is part of a pair.
bool IsWellFormedUtf16(std::u16string_view text);

}  // namespace vantor
