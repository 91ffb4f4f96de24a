// A light reading of EDS text that keeps what the import forgets: the line of
// every header and key, sections and keys met more than once, and sections
// the import skips.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/vantor/SectionName.h"

namespace vantor::cli {

// The form of a key or section name under which names that differ only in
// case are the same.
std::string FoldCase(std::string_view text);

struct TextEntry {
    std::string key;    // trailing blanks removed
    std::string value;  // blanks removed at both ends
    int line = 0;
};

struct TextSection {
    SectionName name;
    int headerLine = 0;
    std::vector<TextEntry> entries;

    // The entry the import keeps for key (the last one, keys compared without
    // regard to case), or null.
    const TextEntry* Find(std::string_view key) const;
};

// Every section of a file in file order, with look-ups of the occurrence that
// the import keeps when a section appears more than once (the last one).
class EdsText {
public:
    static EdsText Parse(std::string_view content);

    const std::vector<TextSection>& sections() const { return sections_; }

    const TextSection* Find(std::string_view canonicalName) const;
    const TextSection* Find(SectionKind kind) const;
    const TextSection* Object(uint16_t index) const;
    const TextSection* SubObject(uint16_t index, uint8_t subIndex) const;
    // Sub-index sections of an index, by sub-index.
    std::map<uint8_t, const TextSection*> SubObjects(uint16_t index) const;
    // Indexes that have a main-object section, ascending.
    std::vector<uint16_t> ObjectIndexes() const;

private:
    std::vector<TextSection> sections_;
    std::map<std::string, std::size_t> byName_;  // upper-cased canonical name -> last occurrence
    std::map<uint16_t, std::size_t> objects_;
    std::map<std::pair<uint16_t, uint8_t>, std::size_t> subObjects_;
};

}  // namespace vantor::cli
