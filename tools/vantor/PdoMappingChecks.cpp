// PDO mapping entries (objects 0x1600 to 0x17FF and 0x1A00 to 0x1BFF): each
// entry names an object that exists and may be mapped, or a dummy entry that
// DummyUsage enables.
#include <cstdio>

#include "tools/vantor/TextChecks.h"
#include "tools/vantor/ValueText.h"

namespace vantor::cli {
namespace {

constexpr uint16_t kLastDummyType = 0x0007;

bool IsMappingObject(uint16_t index) {
    return (index >= 0x1600 && index <= 0x17FF) || (index >= 0x1A00 && index <= 0x1BFF);
}

// The entry holding the mapping: the configured ParameterValue where a DCF gives one.
const TextEntry* MappingEntry(const TextSection& section) {
    if (const TextEntry* configured = section.Find("ParameterValue"); configured && !configured->value.empty())
        return configured;
    return section.Find("DefaultValue");
}

bool IsDummyEnabled(const EdsText& text, uint16_t dataType) {
    const TextSection* dummyUsage = text.Find(SectionKind::DummyUsage);
    char key[16];
    std::snprintf(key, sizeof key, "Dummy%4.4X", static_cast<unsigned>(dataType));
    const TextEntry* flag = dummyUsage ? dummyUsage->Find(key) : nullptr;
    return flag && IsTrue(flag->value);
}

// The section whose PDOMapping key decides whether the address can be
// mapped: its sub-index section, the main section of a simple variable, or
// the main section of a compact array.
const TextSection* MappedSection(const EdsText& text, uint16_t index, uint8_t subIndex) {
    if (const TextSection* sub = text.SubObject(index, subIndex)) return sub;
    const TextSection* object = text.Object(index);
    if (!object) return nullptr;
    if (subIndex == 0 && text.SubObjects(index).empty()) return object;
    const TextEntry* compact = object->Find("CompactSubObj");
    const uint32_t compactCount = compact ? ReadNumber(compact->value).value_or(0) : 0;
    return subIndex >= 1 && subIndex <= compactCount ? object : nullptr;
}

void CheckMappingEntry(const EdsText& text, const TextSection& section, Problems& problems) {
    const TextEntry* entry = MappingEntry(section);
    if (!entry || DependsOnNodeId(entry->value)) return;
    const auto mapping = ReadNumber(entry->value);
    if (!mapping || *mapping == 0) return;
    const auto index = static_cast<uint16_t>(*mapping >> 16);
    const auto subIndex = static_cast<uint8_t>((*mapping >> 8) & 0xFF);
    auto warn = [&](std::string message) {
        problems.push_back(Warning(section, entry->line, entry->key, std::move(message)));
    };
    if (index >= 1 && index <= kLastDummyType) {
        if (!IsDummyEnabled(text, index))
            warn("maps a dummy entry of type " + DataTypeName(index) + ", which [DummyUsage] does not enable");
        return;
    }
    const TextSection* mapped = MappedSection(text, index, subIndex);
    if (!mapped) return warn("maps " + Address(index, subIndex) + ", which is not described");
    const TextEntry* pdoMapping = mapped->Find("PDOMapping");
    if (!pdoMapping || !IsTrue(pdoMapping->value))
        warn("maps " + Address(index, subIndex) + ", which cannot be mapped (no PDOMapping=1 in [" +
             mapped->name.canonical + "])");
}

}  // namespace

void FindBadPdoMappings(const EdsText& text, Problems& problems) {
    for (uint16_t index : text.ObjectIndexes()) {
        if (!IsMappingObject(index)) continue;
        for (const auto& [subIndex, section] : text.SubObjects(index))
            if (subIndex >= 1) CheckMappingEntry(text, *section, problems);
    }
}

}  // namespace vantor::cli
