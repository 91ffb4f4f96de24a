#include "tools/vantor/SectionName.h"

#include <array>
#include <cstdio>
#include <optional>

#include "common/Strings.h"

namespace vantor::cli {
namespace {

struct NamedSection {
    std::string_view name;
    SectionKind kind;
};

constexpr std::array kNamedSections = {
    NamedSection{"FileInfo", SectionKind::FileInfo},
    NamedSection{"DeviceInfo", SectionKind::DeviceInfo},
    NamedSection{"DummyUsage", SectionKind::DummyUsage},
    NamedSection{"StandardDataTypes", SectionKind::StandardDataTypes},
    NamedSection{"Comments", SectionKind::Comments},
    NamedSection{"DynamicChannels", SectionKind::DynamicChannels},
    NamedSection{"DeviceComissioning", SectionKind::DeviceComissioning},
    NamedSection{"MandatoryObjects", SectionKind::MandatoryObjects},
    NamedSection{"ManufacturerObjects", SectionKind::ManufacturerObjects},
    NamedSection{"OptionalObjects", SectionKind::OptionalObjects},
};

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

bool IsAllHex(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!HexDigit(c)) return false;
    return true;
}

// The hexadecimal number at the start of a name, read like an object index:
// optional blanks, sign and "0x"/"$" prefix, then digits. rest is what follows
// a letter or digit that ends the number; a name ended by any other character
// counts as read to its end.
struct LeadingNumber {
    unsigned long value = 0;
    bool hasDigits = false;
    bool readToEnd = false;
    std::size_t charsRead = 0;
    std::string_view rest;
};

LeadingNumber ReadLeadingHex(std::string_view name) {
    LeadingNumber number;
    std::size_t pos = 0;
    while (pos < name.size() && IsBlank(name[pos])) ++pos;
    if (pos < name.size() && (name[pos] == '+' || name[pos] == '-')) ++pos;
    if (name.substr(pos, 2) == "0x" || name.substr(pos, 2) == "0X")
        pos += 2;
    else if (pos < name.size() && name[pos] == '$')
        ++pos;
    for (; pos < name.size(); ++pos) {
        const auto digit = HexDigit(name[pos]);
        if (!digit) break;
        number.hasDigits = true;
        if (number.value <= 0xFFFFFF) number.value = number.value * 16 + *digit;
    }
    number.charsRead = pos;
    if (pos == name.size() || !IsAsciiLetterOrDigit(name[pos]))
        number.readToEnd = true;
    else
        number.rest = name.substr(pos);
    return number;
}

std::string Hex4(uint16_t index) {
    char text[8];
    std::snprintf(text, sizeof text, "%4.4X", static_cast<unsigned>(index));
    return text;
}

SectionName ObjectSection(SectionKind kind, uint16_t index, uint8_t subIndex, std::string_view suffix) {
    return {kind, index, subIndex, Hex4(index) + std::string(suffix)};
}

std::optional<SectionName> ClassifyObjectRest(uint16_t index, std::string_view rest) {
    if (rest.empty()) return ObjectSection(SectionKind::Object, index, 0, "");
    if (rest.size() > 3 && EqualNoCase(rest.substr(0, 3), "sub") && IsAllHex(rest.substr(3))) {
        unsigned long sub = 0;
        for (char c : rest.substr(3)) {
            sub = sub * 16 + *HexDigit(c);
            if (sub > 0xFF) return std::nullopt;
        }
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "sub%X", static_cast<unsigned>(sub));
        return ObjectSection(SectionKind::SubObject, index, static_cast<uint8_t>(sub), suffix);
    }
    if (EqualNoCase(rest, "ObjectLinks")) return ObjectSection(SectionKind::ObjectLinks, index, 0, "ObjectLinks");
    if (EqualNoCase(rest, "Name")) return ObjectSection(SectionKind::CompactNames, index, 0, "Name");
    if (EqualNoCase(rest, "Value")) return ObjectSection(SectionKind::CompactValues, index, 0, "Value");
    return std::nullopt;
}

// "Denotation" begins with hexadecimal digits, so its sections are known by form.
std::optional<SectionName> ClassifyDenotation(std::string_view name) {
    constexpr std::string_view kSuffix = "Denotation";
    if (name.size() != 4 + kSuffix.size() || !IsAllHex(name.substr(0, 4)) || !EqualNoCase(name.substr(4), kSuffix))
        return std::nullopt;
    unsigned index = 0;
    for (char c : name.substr(0, 4)) index = index * 16 + *HexDigit(c);
    return ObjectSection(SectionKind::CompactDenotations, static_cast<uint16_t>(index), 0, kSuffix);
}

}  // namespace

SectionName ClassifySectionName(std::string_view name) {
    if (auto denotation = ClassifyDenotation(name)) return *denotation;
    const LeadingNumber number = ReadLeadingHex(name);
    if (number.hasDigits && number.value <= 0xFFFF && (number.readToEnd || number.charsRead >= 4)) {
        if (auto object = ClassifyObjectRest(static_cast<uint16_t>(number.value), number.rest)) return *object;
        return {SectionKind::Unknown, 0, 0, std::string(name)};
    }
    for (const auto& named : kNamedSections)
        if (EqualNoCase(named.name, name)) return {named.kind, 0, 0, std::string(named.name)};
    // The import also takes the section under its standard spelling.
    if (EqualNoCase(name, "DeviceCommissioning"))
        return {SectionKind::DeviceComissioning, 0, 0, "DeviceComissioning"};
    return {SectionKind::Unknown, 0, 0, std::string(name)};
}

bool IsObjectList(SectionKind kind) {
    return kind == SectionKind::MandatoryObjects || kind == SectionKind::ManufacturerObjects ||
           kind == SectionKind::OptionalObjects;
}

bool IsObjectSection(SectionKind kind) {
    return kind == SectionKind::Object || kind == SectionKind::SubObject || kind == SectionKind::ObjectLinks ||
           IsCompactList(kind);
}

bool IsCompactList(SectionKind kind) {
    return kind == SectionKind::CompactNames || kind == SectionKind::CompactValues ||
           kind == SectionKind::CompactDenotations;
}

}  // namespace vantor::cli
