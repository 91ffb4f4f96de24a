// Object lists against object sections: every listed object is described,
// every described object is listed, and listed once.
#include <algorithm>
#include <map>

#include "tools/vantor/TextChecks.h"
#include "tools/vantor/ValueText.h"

namespace vantor::cli {
namespace {

struct Listing {
    const TextSection* list;
    int line;
};

bool IsDescribed(const EdsText& text, uint16_t index) {
    return text.Object(index) || !text.SubObjects(index).empty();
}

// Walks the lists the import keeps; returns where each index is listed first.
std::map<uint32_t, Listing> CheckListEntries(const EdsText& text, Problems& problems) {
    std::map<uint32_t, Listing> listed;
    for (SectionKind kind : {SectionKind::MandatoryObjects, SectionKind::OptionalObjects,
                             SectionKind::ManufacturerObjects}) {
        const TextSection* list = text.Find(kind);
        if (!list) continue;
        for (const TextEntry& entry : list->entries) {
            const auto key = ReadNumber(entry.key);
            const auto index = ReadNumber(entry.value);
            if (!key || !index) continue;
            if (*index > 0xFFFF || !IsDescribed(text, static_cast<uint16_t>(*index)))
                problems.push_back(Warning(*list, entry.line, entry.key,
                                           "lists object " + Hex(*index, 4) + ", which has no object section"));
            const auto [first, inserted] = listed.emplace(*index, Listing{list, entry.line});
            if (!inserted)
                problems.push_back(Warning(*list, entry.line, entry.key,
                                           "lists object " + Hex(*index, 4) + " again (also in [" +
                                               first->second.list->name.canonical + "] at line " +
                                               std::to_string(first->second.line) + ")"));
        }
    }
    return listed;
}

}  // namespace

void FindObjectListMismatches(const EdsText& text, Problems& problems) {
    const std::map<uint32_t, Listing> listed = CheckListEntries(text, problems);
    const std::vector<uint16_t> objects = text.ObjectIndexes();
    const bool hasLists = std::any_of(text.sections().begin(), text.sections().end(),
                                      [](const TextSection& section) { return IsObjectList(section.name.kind); });
    if (!hasLists && !objects.empty()) {
        // One warning instead of one per object.
        int firstLine = text.Object(objects.front())->headerLine;
        for (uint16_t index : objects) firstLine = std::min(firstLine, text.Object(index)->headerLine);
        problems.push_back({firstLine, Severity::Warning, "", "",
                            "no object lists: none of the " + std::to_string(objects.size()) +
                                " objects is in [MandatoryObjects], [OptionalObjects] or [ManufacturerObjects]"});
    }
    for (uint16_t index : objects)
        if (hasLists && !listed.contains(index)) {
            const TextSection& object = *text.Object(index);
            problems.push_back(Warning(object, object.headerLine, "", "object is in none of the object lists"));
        }
    for (const TextSection& section : text.sections())
        if (section.name.kind == SectionKind::SubObject && !text.Object(section.name.index) &&
            text.SubObject(section.name.index, section.name.subIndex) == &section)
            problems.push_back(Warning(section, section.headerLine, "",
                                       "sub-index of object " + Hex(section.name.index, 4) +
                                           ", which has no main section"));
}

}  // namespace vantor::cli
