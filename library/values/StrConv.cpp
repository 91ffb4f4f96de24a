#include "library/values/StrConv.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <iterator>
#include <limits>

#include "common/Arithm.h"
#include "common/Strings.h"

namespace vantor {

namespace {

enum class ValueKind { Boolean, Signed, Unsigned, Real32, Real64 };

struct TypeInfo {
    uint16_t code;
    ValueKind kind;
    uint8_t size;  // bytes of the value buffer
    int64_t min;   // integer types only
    uint64_t max;  // integer types only
    int hexDigits; // unsigned types only
};

constexpr int64_t SignedMin(unsigned bits) { return std::numeric_limits<int64_t>::min() >> (64 - bits); }
constexpr uint64_t SignedMax(unsigned bits) { return (uint64_t{1} << (bits - 1)) - 1; }
constexpr uint64_t UnsignedMax(unsigned bits) { return bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1; }

constexpr TypeInfo Signed(uint16_t code, uint8_t size, unsigned bits) {
    return {code, ValueKind::Signed, size, SignedMin(bits), SignedMax(bits), 0};
}
constexpr TypeInfo Unsigned(uint16_t code, uint8_t size, unsigned bits) {
    return {code, ValueKind::Unsigned, size, 0, UnsignedMax(bits), static_cast<int>(bits / 4)};
}

constexpr std::array kTypes = {
    TypeInfo{DataType::Boolean, ValueKind::Boolean, 1, 0, 1, 0},
    Signed(DataType::Integer8, 1, 8),
    Signed(DataType::Integer16, 2, 16),
    Signed(DataType::Integer32, 4, 32),
    Unsigned(DataType::Unsigned8, 1, 8),
    Unsigned(DataType::Unsigned16, 2, 16),
    Unsigned(DataType::Unsigned32, 4, 32),
    TypeInfo{DataType::Real32, ValueKind::Real32, 4, 0, 0, 0},
    Signed(DataType::Integer24, 4, 24),
    TypeInfo{DataType::Real64, ValueKind::Real64, 8, 0, 0, 0},
    Signed(DataType::Integer40, 8, 40),
    Signed(DataType::Integer48, 8, 48),
    Signed(DataType::Integer56, 8, 56),
    Signed(DataType::Integer64, 8, 64),
    Unsigned(DataType::Unsigned24, 4, 24),
    Unsigned(DataType::Unsigned40, 8, 40),
    Unsigned(DataType::Unsigned48, 8, 48),
    Unsigned(DataType::Unsigned56, 8, 56),
    Unsigned(DataType::Unsigned64, 8, 64),
};

const TypeInfo* FindType(uint16_t code) {
    const auto found = std::find_if(kTypes.begin(), kTypes.end(), [code](const TypeInfo& t) { return t.code == code; });
    return found == kTypes.end() ? nullptr : &*found;
}

struct Magnitude {
    int result = ConvResult::InvalidFormat;
    bool negative = false;
    uint64_t value = 0;
};

// Reads an optionally signed number in decimal, "0x"/"0X"/"$" hexadecimal or
// leading-zero octal, saturating at the largest magnitude of a 32- or 64-bit
// number (wide). A letter or digit outside the radix makes the text invalid;
// any other character ends the number. A text without a single digit is
// invalid: reading "- 5" or "#" as a valid 0 would report garbage as a value.
Magnitude ScanMagnitude(std::string_view text, bool isSigned, bool wide) {
    Magnitude number;
    text = SkipLeadingBlanks(text);
    if (text.empty()) return {};

    if (text.front() == '+' || text.front() == '-') {
        number.negative = isSigned && text.front() == '-';
        text.remove_prefix(1);
    }

    unsigned radix = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        radix = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$')) {
        radix = 16;
        text.remove_prefix(1);
    } else if (text.starts_with('0')) {
        radix = 8;
    }

    uint64_t limit = wide ? std::numeric_limits<uint64_t>::max() : std::numeric_limits<uint32_t>::max();
    if (isSigned) limit = limit / 2 + (number.negative ? 1 : 0);

    number.result = ConvResult::Valid;
    std::size_t digits = 0;
    for (const char c : text) {
        const int digit = DigitValue(c);
        if (digit < 0) break;
        if (static_cast<unsigned>(digit) >= radix) return {};
        ++digits;
        if (number.result != ConvResult::Valid) continue;  // saturated: only check the rest
        if (number.value > (limit - static_cast<unsigned>(digit)) / radix) {
            number.value = limit;
            number.result = number.negative ? ConvResult::Underflow : ConvResult::Overflow;
        } else {
            number.value = number.value * radix + static_cast<unsigned>(digit);
        }
    }
    if (digits == 0) return {};
    return number;
}

bool NeedsWideMagnitude(int64_t min, uint64_t max) {
    return min < std::numeric_limits<int32_t>::min() || max > std::numeric_limits<uint32_t>::max();
}

int ParseSignedInRange(std::string_view text, int64_t min, int64_t max, int64_t& value) {
    const Magnitude number = ScanMagnitude(text, true, NeedsWideMagnitude(min, static_cast<uint64_t>(max)));
    value = 0;
    if (number.result == ConvResult::InvalidFormat) return number.result;

    // Two's-complement negation of the magnitude also reaches the most negative value.
    value = static_cast<int64_t>(number.negative ? uint64_t{0} - number.value : number.value);
    if (value < min) {
        value = min;
        return ConvResult::Underflow;
    }
    if (value > max) {
        value = max;
        return ConvResult::Overflow;
    }
    return number.result;
}

int ParseUnsignedInRange(std::string_view text, uint64_t max, uint64_t& value) {
    const Magnitude number = ScanMagnitude(text, false, NeedsWideMagnitude(0, max));
    value = 0;
    if (number.result == ConvResult::InvalidFormat) return number.result;

    value = number.value;
    if (value > max) {
        value = max;
        return ConvResult::Overflow;
    }
    return number.result;
}

template <typename T>
int ParseSignedAs(uint16_t type, std::string_view text, T& value) {
    const TypeInfo& info = *FindType(type);
    int64_t wide = 0;
    const int result = ParseSignedInRange(text, info.min, static_cast<int64_t>(info.max), wide);
    value = static_cast<T>(wide);
    return result;
}

template <typename T>
int ParseUnsignedAs(uint16_t type, std::string_view text, T& value) {
    const TypeInfo& info = *FindType(type);
    uint64_t wide = 0;
    const int result = ParseUnsignedInRange(text, info.max, wide);
    value = static_cast<T>(wide);
    return result;
}

int ParseBooleanWord(std::string_view text, uint8_t& value) {
    value = 0;
    text = SkipLeadingBlanks(text);
    if (text.empty()) return ConvResult::InvalidFormat;
    if (std::string_view("1TtYy").find(text.front()) != std::string_view::npos) {
        value = 1;
        return ConvResult::Valid;
    }
    if (std::string_view("0FfNn").find(text.front()) != std::string_view::npos) return ConvResult::Valid;
    return ConvResult::InvalidFormat;
}

int ParseIntoBuffer(const TypeInfo& info, std::string_view text, uint8_t (&buffer)[8]) {
    switch (info.kind) {
        case ValueKind::Boolean:
            return ParseBoolean(text, buffer[0]);
        case ValueKind::Signed: {
            int64_t value = 0;
            const int result = ParseSignedInRange(text, info.min, static_cast<int64_t>(info.max), value);
            StoreLittleEndian(static_cast<uint64_t>(value), buffer, info.size);
            return result;
        }
        case ValueKind::Unsigned: {
            uint64_t value = 0;
            const int result = ParseUnsignedInRange(text, info.max, value);
            StoreLittleEndian(value, buffer, info.size);
            return result;
        }
        case ValueKind::Real32: {
            float value = 0;
            const int result = ParseReal32(text, value);
            StoreLittleEndian(std::bit_cast<uint32_t>(value), buffer, info.size);
            return result;
        }
        case ValueKind::Real64: {
            double value = 0;
            const int result = ParseReal64(text, value);
            StoreLittleEndian(std::bit_cast<uint64_t>(value), buffer, info.size);
            return result;
        }
    }
    return ConvResult::InvalidFormat;
}

// The substitutes for a REAL32 out of range are ±3.4E38 (not the largest
// single); for REAL64 the largest double, ±1.7976931348623157E+308.
constexpr uint32_t kReal32HighBits = 0x7F7FC99E;
constexpr uint32_t kReal32LowBits = 0xFF7FC99E;

uint64_t LimitBits(const TypeInfo& info, bool high) {
    switch (info.kind) {
        case ValueKind::Boolean:
        case ValueKind::Unsigned:
            return high ? info.max : 0;
        case ValueKind::Signed:
            return high ? info.max : static_cast<uint64_t>(info.min);
        case ValueKind::Real32:
            return high ? kReal32HighBits : kReal32LowBits;
        case ValueKind::Real64: {
            const double largest = std::numeric_limits<double>::max();
            return std::bit_cast<uint64_t>(high ? largest : -largest);
        }
    }
    return 0;
}

std::string FormatFromBuffer(const TypeInfo& info, const uint8_t* buffer) {
    const uint64_t bits = LoadLittleEndian(buffer, info.size);
    switch (info.kind) {
        case ValueKind::Boolean:
            return FormatBoolean(buffer[0]);
        case ValueKind::Signed:
            return FormatDecimal(SignExtend(bits, info.size * 8u));
        case ValueKind::Unsigned:
            return FormatHex(bits, info.hexDigits);
        case ValueKind::Real32:
            return FormatReal32(std::bit_cast<float>(static_cast<uint32_t>(bits)));
        case ValueKind::Real64:
            return FormatReal64(std::bit_cast<double>(bits));
    }
    return {};
}

}  // namespace

bool IsConvertibleType(uint16_t type) { return FindType(type) != nullptr; }

std::size_t ValueSizeOf(uint16_t type) {
    const TypeInfo* info = FindType(type);
    return info == nullptr ? 0 : info->size;
}

int ParseBoolean(std::string_view text, uint8_t& value) {
    uint64_t number = 0;
    const int result = ParseUnsignedInRange(text, std::numeric_limits<uint32_t>::max(), number);
    value = 0;
    if (result == ConvResult::Valid) {
        value = number != 0 ? 1 : 0;
        return result;
    }
    if (result == ConvResult::Overflow) return result;
    return ParseBooleanWord(text, value);
}

int ParseInteger16(std::string_view text, int16_t& value) { return ParseSignedAs(DataType::Integer16, text, value); }
int ParseInteger32(std::string_view text, int32_t& value) { return ParseSignedAs(DataType::Integer32, text, value); }

int ParseUnsigned8(std::string_view text, uint8_t& value) { return ParseUnsignedAs(DataType::Unsigned8, text, value); }
int ParseUnsigned16(std::string_view text, uint16_t& value) { return ParseUnsignedAs(DataType::Unsigned16, text, value); }
int ParseUnsigned32(std::string_view text, uint32_t& value) { return ParseUnsignedAs(DataType::Unsigned32, text, value); }

int ParseValue(uint16_t type, std::string_view text, uint8_t (&buffer)[8]) {
    std::fill(std::begin(buffer), std::end(buffer), uint8_t{0});
    const TypeInfo* info = FindType(type);
    if (info == nullptr) return ConvResult::InvalidFormat;
    return ParseIntoBuffer(*info, text, buffer);
}

void StoreTypeLimit(uint16_t type, bool high, uint8_t (&buffer)[8]) {
    std::fill(std::begin(buffer), std::end(buffer), uint8_t{0});
    const TypeInfo* info = FindType(type);
    if (info == nullptr) return;
    StoreLittleEndian(LimitBits(*info, high), buffer, info->size);
}

std::string FormatBoolean(uint8_t value) { return value != 0 ? "1" : "0"; }

std::string FormatDecimal(int64_t value) {
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return std::string(digits, end);
}

std::string FormatHex(uint64_t value, int digits) {
    char hex[16];
    const auto end = std::to_chars(std::begin(hex), std::end(hex), value, 16).ptr;
    std::string text = "0x";
    const auto length = static_cast<int>(end - hex);
    if (length < digits) text.append(static_cast<std::size_t>(digits - length), '0');
    std::transform(hex, end, std::back_inserter(text), [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

int FormatValue(uint16_t type, const uint8_t* buffer, std::string& text) {
    text.clear();
    const TypeInfo* info = FindType(type);
    if (info == nullptr) return ConvResult::InvalidFormat;
    text = FormatFromBuffer(*info, buffer);
    return ConvResult::Valid;
}

}  // namespace vantor
