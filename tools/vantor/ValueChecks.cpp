// Default values against their data type and their LowLimit and HighLimit.
#include "tools/vantor/TextChecks.h"
#include "tools/vantor/ValueText.h"

namespace vantor::cli {
namespace {

// A limit that reads as a value of the type; none when absent or unreadable.
std::optional<TypedValue> ReadLimit(const TextSection& section, std::string_view key, uint16_t dataType) {
    const TextEntry* limit = section.Find(key);
    if (!limit || limit->value.empty() || DependsOnNodeId(limit->value)) return std::nullopt;
    TypedValue value;
    if (TypedValue::Read(dataType, limit->value, value) != TypedValue::Reading::Valid) return std::nullopt;
    return value;
}

// A main section with sub-indexes holds no value of its own.
bool HoldsValue(const EdsText& text, const TextSection& section) {
    if (section.name.kind == SectionKind::SubObject) return true;
    if (section.name.kind != SectionKind::Object) return false;
    if (const TextEntry* compact = section.Find("CompactSubObj"); compact && ReadNumber(compact->value).value_or(0))
        return false;
    return text.SubObjects(section.name.index).empty();
}

void CheckDefaultValue(const TextSection& section, Problems& problems) {
    const TextEntry* dataTypeEntry = section.Find("DataType");
    const TextEntry* defaultValue = section.Find("DefaultValue");
    if (!dataTypeEntry || !defaultValue || defaultValue->value.empty() || DependsOnNodeId(defaultValue->value))
        return;
    const auto dataType = ReadNumber(dataTypeEntry->value);
    if (!dataType || !TypedValue::IsNumericType(static_cast<uint16_t>(*dataType)) || *dataType > 0xFFFF) return;
    const auto type = static_cast<uint16_t>(*dataType);
    const std::string& text = defaultValue->value;
    auto warn = [&](std::string message) {
        problems.push_back(Warning(section, defaultValue->line, defaultValue->key, std::move(message)));
    };
    TypedValue value;
    switch (TypedValue::Read(type, text, value)) {
        case TypedValue::Reading::Invalid: return warn("\"" + text + "\" is not a value of type " + DataTypeName(type));
        case TypedValue::Reading::BelowRange:
        case TypedValue::Reading::AboveRange: return warn(text + " is outside the range of " + DataTypeName(type));
        case TypedValue::Reading::Valid: break;
    }
    if (const auto low = ReadLimit(section, "LowLimit", type); low && value.Compare(*low) < 0)
        return warn(text + " is below LowLimit " + section.Find("LowLimit")->value);
    if (const auto high = ReadLimit(section, "HighLimit", type); high && value.Compare(*high) > 0)
        warn(text + " is above HighLimit " + section.Find("HighLimit")->value);
}

}  // namespace

void FindValuesOutOfRange(const EdsText& text, Problems& problems) {
    for (const TextSection& section : text.sections())
        if (HoldsValue(text, section)) CheckDefaultValue(section, problems);
}

}  // namespace vantor::cli
