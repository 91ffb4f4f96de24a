// Sections and keys that a file gives more than once.
#include <map>

#include "common/Strings.h"
#include "tools/vantor/TextChecks.h"
#include "tools/vantor/ValueText.h"

namespace vantor::cli {
namespace {

bool IsSkippedByImport(SectionKind kind) {
    return kind == SectionKind::Unknown || kind == SectionKind::StandardDataTypes;
}

// Entries that add a line to a list instead of setting a key; repeating
// their key adds another line and replaces nothing.
bool IsListLine(SectionKind kind, const TextEntry& entry) {
    if (IsObjectList(kind) || kind == SectionKind::ObjectLinks)
        return ReadNumber(entry.key) && ReadNumber(entry.value);
    if (kind == SectionKind::Comments)
        return entry.key.size() > 4 && EqualNoCase(std::string_view(entry.key).substr(0, 4), "Line") &&
               ReadNumber(std::string_view(entry.key).substr(4));
    return false;
}

void FindRepeatedKeys(const TextSection& section, Problems& problems) {
    std::map<std::string, int> firstLines;
    for (const TextEntry& entry : section.entries) {
        if (IsListLine(section.name.kind, entry)) continue;
        const auto [found, inserted] = firstLines.emplace(FoldCase(entry.key), entry.line);
        if (inserted) continue;
        // Compact lists look a sub-index up by its first line; everywhere else a later key replaces.
        const bool firstWins = IsCompactList(section.name.kind) && ReadNumber(entry.key);
        problems.push_back(Warning(section, entry.line, entry.key,
                                   "repeated key (also at line " + std::to_string(found->second) +
                                       (firstWins ? "); the import uses the first one" : "); this later value is used")));
        found->second = entry.line;
    }
}

}  // namespace

void FindRepetitions(const EdsText& text, Problems& problems) {
    std::map<std::string, int> previousLines;
    for (const TextSection& section : text.sections()) {
        if (IsSkippedByImport(section.name.kind)) continue;
        FindRepeatedKeys(section, problems);
        const auto [found, inserted] = previousLines.emplace(FoldCase(section.name.canonical), section.headerLine);
        if (inserted) continue;
        problems.push_back(Warning(section, section.headerLine, "",
                                   "duplicate section (also at line " + std::to_string(found->second) +
                                       "); this later one replaces it"));
        found->second = section.headerLine;
    }
}

}  // namespace vantor::cli
