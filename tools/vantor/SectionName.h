// What an EDS section header names: a file section, an object list, one of
// the sections of a dictionary object, or something the import skips.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::cli {

enum class SectionKind {
    Unknown,
    FileInfo,
    DeviceInfo,
    DummyUsage,
    StandardDataTypes,
    Comments,
    DynamicChannels,
    DeviceComissioning,
    MandatoryObjects,
    ManufacturerObjects,
    OptionalObjects,
    Object,
    SubObject,
    ObjectLinks,
    CompactNames,
    CompactValues,
    CompactDenotations,
};

struct SectionName {
    SectionKind kind = SectionKind::Unknown;
    uint16_t index = 0;
    uint8_t subIndex = 0;
    // The name the library gives the section ("DeviceInfo", "1018", "1018sub2",
    // "2000ObjectLinks"); the header text itself for unknown sections.
    std::string canonical;
};

// Classifies a header name the way the import does.
SectionName ClassifySectionName(std::string_view name);

bool IsObjectList(SectionKind kind);
bool IsObjectSection(SectionKind kind);
bool IsCompactList(SectionKind kind);

}  // namespace vantor::cli
