#include "library/fields/EdsPers.h"

#include <array>

#include "common/Strings.h"

namespace vantor {

namespace {

constexpr uint32_t kLargestIndex = 0xFFFF;
constexpr uint32_t kLargestSubindex = 0xFF;
// Enough characters must be read before a word for the name to be taken as
// an index followed by a kind ("1018sub2"), not as a word ("FileInfo").
constexpr std::size_t kShortestIndexPrefix = 4;

constexpr uint32_t HexValue(char c) { return static_cast<uint32_t>(DigitValue(c)); }

// Hexadecimal digits from position on; a value beyond 32 bits sticks at a
// value that no index or subindex reaches.
uint32_t ReadHexDigits(std::string_view text, std::size_t& position, std::size_t& digits) {
    constexpr uint32_t kSaturated = 0x10000000;
    uint32_t value = 0;
    digits = 0;
    while (position < text.size() && IsHexDigit(text[position])) {
        value = value >= kSaturated ? kSaturated : value * 16 + HexValue(text[position]);
        ++position;
        ++digits;
    }
    return value;
}

// The index at the start of a section name and what follows it.
struct IndexPrefix {
    bool isIndex = false;
    uint16_t index = 0;
    std::string_view rest;
};

IndexPrefix ReadIndexPrefix(std::string_view name) {
    std::size_t position = 0;
    while (position < name.size() && IsBlank(name[position])) ++position;
    bool negative = false;
    if (position < name.size() && (name[position] == '+' || name[position] == '-')) {
        negative = name[position] == '-';
        ++position;
    }
    if (position < name.size() && name[position] == '$') {
        ++position;
    } else if (position + 2 < name.size() && name[position] == '0' && (name[position + 1] == 'x' || name[position + 1] == 'X') &&
               IsHexDigit(name[position + 2])) {
        position += 2;
    }

    std::size_t digits = 0;
    const uint32_t value = ReadHexDigits(name, position, digits);
    IndexPrefix prefix;
    bool readToEnd = true;
    if (position < name.size() && IsLetterOrDigit(name[position])) {
        prefix.rest = name.substr(position);
        readToEnd = false;
    }
    const bool inRange = value <= kLargestIndex && !(negative && value != 0);
    prefix.isIndex = digits > 0 && inRange && (readToEnd || position >= kShortestIndexPrefix);
    prefix.index = static_cast<uint16_t>(value);
    return prefix;
}

// "sub" and a hexadecimal subindex up to 0xFF with nothing after it.
bool ReadSubindex(std::string_view rest, int& subindex) {
    constexpr std::string_view kSub = "sub";
    if (rest.size() <= kSub.size() || !EqualNoCase(rest.substr(0, kSub.size()), kSub)) return false;
    std::size_t position = kSub.size();
    std::size_t digits = 0;
    const uint32_t value = ReadHexDigits(rest, position, digits);
    if (digits == 0 || position != rest.size() || value > kLargestSubindex) return false;
    subindex = static_cast<int>(value);
    return true;
}

// "D" and "e" are hexadecimal digits, so the index of a Denotation section
// cannot be read as a number: it is recognised by its form.
bool IsDenotationName(std::string_view name, uint16_t& index) {
    constexpr std::string_view kDenotation = "Denotation";
    constexpr std::size_t kIndexDigits = 4;
    if (name.size() != kIndexDigits + kDenotation.size()) return false;
    if (!EqualNoCase(name.substr(kIndexDigits), kDenotation)) return false;
    uint32_t value = 0;
    for (std::size_t i = 0; i < kIndexDigits; ++i) {
        if (!IsHexDigit(name[i])) return false;
        value = value * 16 + HexValue(name[i]);
    }
    index = static_cast<uint16_t>(value);
    return true;
}

struct NamedKind {
    std::string_view name;
    uint16_t code;
};

constexpr std::array<NamedKind, 4> kObjectKinds = {{
    {"ObjectLinks", SectionCode::ObjectLinks},
    {"Name", SectionCode::CompactNames},
    {"Value", SectionCode::CompactValues},
    {"Denotation", SectionCode::CompactDenotations},
}};

constexpr std::array<NamedKind, 10> kNamedSections = {{
    {"FileInfo", SectionCode::FileInfo},
    {"DeviceInfo", SectionCode::DeviceInfo},
    {"DummyUsage", SectionCode::DummyUsage},
    {"StandardDataTypes", SectionCode::StandardDataTypes},
    {"Comments", SectionCode::Comments},
    {"DynamicChannels", SectionCode::DynamicChannels},
    {"DeviceComissioning", SectionCode::DeviceComissioning},
    {"MandatoryObjects", SectionCode::MandatoryObjects},
    {"ManufacturerObjects", SectionCode::ManufacturerObjects},
    {"OptionalObjects", SectionCode::OptionalObjects},
}};

template <std::size_t N>
uint16_t FindKind(const std::array<NamedKind, N>& table, std::string_view name) {
    for (const NamedKind& kind : table)
        if (EqualNoCase(kind.name, name)) return kind.code;
    return SectionCode::Unknown;
}

SectionClass ClassifyObjectRest(uint16_t index, std::string_view rest) {
    SectionClass result;
    result.index = index;
    if (rest.empty()) {
        result.code = SectionCode::MainObject;
    } else if (ReadSubindex(rest, result.subindex)) {
        result.code = SectionCode::SubObject;
    } else {
        result.code = FindKind(kObjectKinds, rest);
    }
    if (result.code == SectionCode::Unknown) result.index = 0;
    return result;
}

}  // namespace

SectionClass CPersistEds::ClassifySection(std::string_view name) {
    SectionClass result;
    if (IsDenotationName(name, result.index)) {
        result.code = SectionCode::CompactDenotations;
        return result;
    }
    const IndexPrefix prefix = ReadIndexPrefix(name);
    if (prefix.isIndex) return ClassifyObjectRest(prefix.index, prefix.rest);
    result.code = FindKind(kNamedSections, name);
    return result;
}

HRESULT CPersistEds::ReadUnknownSection(std::string_view, CStream*, CStream*) { return S_OK; }

HRESULT CPersistEds::ReadSection(uint16_t, uint16_t, CStream*, CStream*, int) { return E_NOTIMPL; }

HRESULT CPersistEds::DispatchSection(std::string_view name, CStream* reader, CStream* log) {
    const SectionClass section = ClassifySection(name);
    if (section.code == SectionCode::Unknown) return ReadUnknownSection(name, reader, log);
    return ReadSection(section.code, section.index, log, reader, section.subindex);
}

HRESULT CPersistEds::ReadSectionDirect(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) {
    return ReadSection(code, index, log, reader, subindex);
}

}  // namespace vantor
