// REAL32 and REAL64 values as text.
//
// Choices where the format rules are silent:
// - Zero and magnitudes below the smallest normal value are valid: "0" is a
//   common default value, and a tiny text is stored as the nearest value of
//   the type (a subnormal, or a zero carrying the sign of the text).
// - A text is out of range when its nearest value of the type would be an
//   infinity, so the largest value written by FormatReal32 reads back as valid.
// - A number too large even for the extended conversion is an overflow like
//   any other: the largest value is stored, not 0.
// - The caller's text is never modified; a decimal ',' is replaced in a copy.
#include <charconv>
#include <cstdlib>
#include <limits>
#include <locale.h>

#include "common/Strings.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsSign(char c) { return c == '+' || c == '-'; }
constexpr bool IsDecimalMark(char c) { return c == '.' || c == ','; }

// Digits with at most one sign anywhere and, in a mantissa, at most one
// decimal mark.
bool HasNumberCharacters(std::string_view part, bool allowDecimalMark) {
    int signs = 0;
    int marks = 0;
    for (const char c : part) {
        if (IsSign(c)) {
            ++signs;
        } else if (allowDecimalMark && IsDecimalMark(c)) {
            ++marks;
        } else if (!IsDigit(c)) {
            return false;
        }
    }
    return signs <= 1 && marks <= 1;
}

bool HasRealSyntax(std::string_view text) {
    std::size_t split = text.find('E');
    if (split == std::string_view::npos) split = text.find('e');
    const std::string_view mantissa = text.substr(0, split);
    const std::string_view exponent = split == std::string_view::npos ? std::string_view() : text.substr(split + 1);
    return !mantissa.empty() && HasNumberCharacters(mantissa, true) && HasNumberCharacters(exponent, false);
}

locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    return classic;
}

// Smallest magnitude whose nearest value of T is an infinity: halfway between
// the largest finite value and the next power of two.
template <typename T>
constexpr long double OverflowBound();
template <>
constexpr long double OverflowBound<float>() { return 0x1.ffffffp+127L; }
template <>
constexpr long double OverflowBound<double>() { return 0x1.fffffffffffff8p+1023L; }

template <typename T>
T ConvertClassic(const char* text, locale_t locale);
template <>
float ConvertClassic<float>(const char* text, locale_t locale) { return strtof_l(text, nullptr, locale); }
template <>
double ConvertClassic<double>(const char* text, locale_t locale) { return strtod_l(text, nullptr, locale); }

template <typename T>
int ParseReal(std::string_view text, T& value) {
    value = 0;
    text = SkipLeadingBlanks(text);
    if (!HasRealSyntax(text)) return ConvResult::InvalidFormat;

    std::string classic(text);
    for (char& c : classic)
        if (c == ',') c = '.';

    const locale_t locale = ClassicLocale();
    char* end = nullptr;
    const long double extended = strtold_l(classic.c_str(), &end, locale);
    // A sign or an exponent mark in the wrong place stops the conversion early.
    if (end != classic.c_str() + classic.size()) return ConvResult::InvalidFormat;

    const T largest = std::numeric_limits<T>::max();
    if (extended >= OverflowBound<T>()) {
        value = largest;
        return ConvResult::Overflow;
    }
    if (extended <= -OverflowBound<T>()) {
        value = -largest;
        return ConvResult::Underflow;
    }
    // Converting the text straight to the type rounds once, not twice.
    value = ConvertClassic<T>(classic.c_str(), locale);
    return ConvResult::Valid;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// Scientific notation with the given number of significant digits, 'E', the
// exponent's sign and at least three exponent digits, right-aligned to width.
template <typename T>
std::string FormatReal(T value, int significantDigits, std::size_t width) {
    char raw[64];
    const auto end = std::to_chars(std::begin(raw), std::end(raw), value, std::chars_format::scientific,
                                   significantDigits - 1)
                         .ptr;
    const std::string_view written(raw, static_cast<std::size_t>(end - raw));

    std::string text;
    const std::size_t exponentMark = written.find('e');
    if (exponentMark == std::string_view::npos) {
        text = UpperCase(written);  // infinities and NaNs
    } else {
        text = written.substr(0, exponentMark);
        text += 'E';
        text += written[exponentMark + 1];
        const std::string_view exponentDigits = written.substr(exponentMark + 2);
        if (exponentDigits.size() < 3) text.append(3 - exponentDigits.size(), '0');
        text += exponentDigits;
    }
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

int ParseReal32(std::string_view text, float& value) { return ParseReal(text, value); }
int ParseReal64(std::string_view text, double& value) { return ParseReal(text, value); }

std::string FormatReal32(float value) { return FormatReal(value, 8, 16); }
std::string FormatReal64(double value) { return FormatReal(value, 16, 24); }

}  // namespace vantor
