#include "Unicode.h"

#include <cstdint>

namespace vantor {

char32_t DecodeUtf8(std::string_view text, std::size_t& i, bool& valid) {
    const auto lead = static_cast<uint8_t>(text[i++]);
    valid = true;
    if (lead < 0x80) return lead;
    std::size_t trailing = 0;
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    char32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        codePoint = lead & 0x07;
        if (lead == 0xF0) low = 0x90;   // no overlong forms
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        valid = false;
        return kReplacementCharacter;
    }
    for (std::size_t k = 0; k < trailing; ++k) {
        const uint8_t lo = k == 0 ? low : 0x80;
        const uint8_t hi = k == 0 ? high : 0xBF;
        if (i >= text.size() || static_cast<uint8_t>(text[i]) < lo || static_cast<uint8_t>(text[i]) > hi) {
            valid = false;
            return kReplacementCharacter;
        }
        const auto next = static_cast<uint8_t>(text[i]);
        codePoint = (codePoint << 6) | (next & 0x3F);
        ++i;
    }
    return codePoint;
}

char32_t DecodeUtf16(std::u16string_view text, std::size_t& i, bool& valid) {
    const char16_t unit = text[i++];
    valid = true;
    if (IsHighSurrogate(unit) && i < text.size() && IsLowSurrogate(text[i])) {
        const char16_t low = text[i++];
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
        valid = false;
        return kReplacementCharacter;
    }
    return unit;
}

bool IsWellFormedUtf16(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        bool valid = true;
        DecodeUtf16(text, i, valid);
        if (!valid) return false;
    }
    return true;
}

namespace {

// The whole text decoded and encoded again; none at the first ill-formed
// sequence.
template <typename Out, typename In, typename Decode, typename Encode>
std::optional<Out> ConvertStrictly(In text, Decode decode, Encode encode) {
    Out out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool valid = true;
        const char32_t codePoint = decode(text, i, valid);
        if (!valid) return std::nullopt;
        encode(codePoint, [&](typename Out::value_type unit) { out += unit; });
    }
    return out;
}

}  // namespace

std::optional<std::string> Utf16ToUtf8(std::u16string_view text) {
    return ConvertStrictly<std::string>(text, DecodeUtf16, [](char32_t c, auto put) { EncodeUtf8(c, put); });
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view text) {
    return ConvertStrictly<std::u16string>(text, DecodeUtf8, [](char32_t c, auto put) { EncodeUtf16(c, put); });
}

}  // namespace vantor
