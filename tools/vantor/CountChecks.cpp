// Counts that a section states and the entries it holds: SupportedObjects of
// the object lists, Lines of the comments, the counts of link and compact
// lists, NrOfSeg of the dynamic channels and SubNumber of an object.
#include <set>

#include "common/Strings.h"
#include "tools/vantor/TextChecks.h"
#include "tools/vantor/ValueText.h"

namespace vantor::cli {
namespace {

constexpr unsigned kMaxSegment = 512;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

std::size_t CountEntries(const TextSection& section, bool (*counts)(const TextEntry&)) {
    std::size_t count = 0;
    for (const TextEntry& entry : section.entries)
        if (counts(entry)) ++count;
    return count;
}

bool IsListedIndex(const TextEntry& entry) { return ReadNumber(entry.key) && ReadNumber(entry.value); }

bool IsLink(const TextEntry& entry) {
    const auto key = ReadNumber(entry.key);
    const auto value = ReadNumber(entry.value);
    return key && value && *key <= 0xFFFF && *value <= 0xFFFF;
}

bool IsCompactEntry(const TextEntry& entry) { return ReadNumber(entry.key).has_value(); }

bool IsCommentLine(const TextEntry& entry) {
    return entry.key.size() > 4 && StartsWithNoCase(entry.key, "Line") &&
           ReadNumber(std::string_view(entry.key).substr(4));
}

// The segment number of a DynamicChannels key such as Type3 or Range3, or 0.
unsigned SegmentOf(const TextEntry& entry) {
    for (std::string_view prefix : {"Dir", "Type", "Range", "PPOffset", "MaxCnt"}) {
        if (!StartsWithNoCase(entry.key, prefix)) continue;
        const auto number = ReadNumber(std::string_view(entry.key).substr(prefix.size()));
        return number && *number >= 1 && *number <= kMaxSegment ? *number : 0;
    }
    return 0;
}

std::size_t CountSegments(const TextSection& section) {
    std::set<unsigned> segments;
    for (const TextEntry& entry : section.entries)
        if (const unsigned segment = SegmentOf(entry)) segments.insert(segment);
    return segments.size();
}

// "1 link", "2 links".
std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

void CompareCount(const TextSection& section, std::string_view countKey, std::size_t present, std::string_view one,
                  std::string_view many, Problems& problems) {
    const TextEntry* count = section.Find(countKey);
    if (!count) return;
    const auto stated = ReadNumber(count->value);
    if (stated && *stated == present) return;
    problems.push_back(Warning(section, count->line, count->key,
                               "says " + (count->value.empty() ? "nothing" : count->value) + " but the section has " +
                                   Counted(present, one, many)));
}

void CompareSubNumber(const EdsText& text, const TextSection& object, Problems& problems) {
    const TextEntry* subNumber = object.Find("SubNumber");
    if (!subNumber) return;
    if (const TextEntry* compact = object.Find("CompactSubObj"); compact && ReadNumber(compact->value).value_or(0) != 0)
        return;
    const std::size_t present = text.SubObjects(object.name.index).size();
    const auto stated = ReadNumber(subNumber->value);
    if (stated && *stated == present) return;
    problems.push_back(Warning(object, subNumber->line, subNumber->key,
                               "says " + subNumber->value + " but the object has " +
                                   Counted(present, "sub-index section", "sub-index sections")));
}

}  // namespace

void FindCountMismatches(const EdsText& text, Problems& problems) {
    for (const TextSection& section : text.sections()) {
        const SectionKind kind = section.name.kind;
        if (IsObjectList(kind))
            CompareCount(section, "SupportedObjects", CountEntries(section, IsListedIndex), "entry", "entries", problems);
        else if (kind == SectionKind::ObjectLinks)
            CompareCount(section, "ObjectLinks", CountEntries(section, IsLink), "link", "links", problems);
        else if (IsCompactList(kind))
            CompareCount(section, "NrOfEntries", CountEntries(section, IsCompactEntry), "entry", "entries", problems);
        else if (kind == SectionKind::Comments)
            CompareCount(section, "Lines", CountEntries(section, IsCommentLine), "comment line", "comment lines",
                         problems);
        else if (kind == SectionKind::DynamicChannels)
            CompareCount(section, "NrOfSeg", CountSegments(section), "segment", "segments", problems);
        else if (kind == SectionKind::Object && text.Object(section.name.index) == &section)
            CompareSubNumber(text, section, problems);
    }
}

}  // namespace vantor::cli
