#include "tools/vantor/EdsText.h"

#include <algorithm>
#include <cctype>

#include "common/Strings.h"
#include "tools/vantor/TextLines.h"

namespace vantor::cli {
namespace {

// Applies one trimmed line to the sections read so far.
void ReadLine(std::string_view line, int lineNumber, std::vector<TextSection>& sections) {
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        if (close == std::string_view::npos) return;
        sections.push_back({ClassifySectionName(line.substr(1, close - 1)), lineNumber, {}});
        return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || sections.empty()) return;
    sections.back().entries.push_back({std::string(CutTrailingBlanks(line.substr(0, equals))),
                                       std::string(TrimBlanks(line.substr(equals + 1))), lineNumber});
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

const TextEntry* TextSection::Find(std::string_view key) const {
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (EqualNoCase(entry->key, key)) return &*entry;
    return nullptr;
}

EdsText EdsText::Parse(std::string_view content) {
    EdsText text;
    ForEachLine(content, [&](std::string_view line, int number) { ReadLine(TrimBlanks(line), number, text.sections_); });
    for (std::size_t i = 0; i < text.sections_.size(); ++i) {
        const SectionName& name = text.sections_[i].name;
        if (name.kind == SectionKind::Unknown) continue;
        text.byName_[FoldCase(name.canonical)] = i;
        if (name.kind == SectionKind::Object) text.objects_[name.index] = i;
        if (name.kind == SectionKind::SubObject) text.subObjects_[{name.index, name.subIndex}] = i;
    }
    return text;
}

const TextSection* EdsText::Find(std::string_view canonicalName) const {
    const auto found = byName_.find(FoldCase(canonicalName));
    return found == byName_.end() ? nullptr : &sections_[found->second];
}

const TextSection* EdsText::Find(SectionKind kind) const {
    for (auto section = sections_.rbegin(); section != sections_.rend(); ++section)
        if (section->name.kind == kind) return &*section;
    return nullptr;
}

const TextSection* EdsText::Object(uint16_t index) const {
    const auto found = objects_.find(index);
    return found == objects_.end() ? nullptr : &sections_[found->second];
}

const TextSection* EdsText::SubObject(uint16_t index, uint8_t subIndex) const {
    const auto found = subObjects_.find({index, subIndex});
    return found == subObjects_.end() ? nullptr : &sections_[found->second];
}

std::map<uint8_t, const TextSection*> EdsText::SubObjects(uint16_t index) const {
    std::map<uint8_t, const TextSection*> subs;
    for (auto it = subObjects_.lower_bound({index, 0}); it != subObjects_.end() && it->first.first == index; ++it)
        subs[it->first.second] = &sections_[it->second];
    return subs;
}

std::vector<uint16_t> EdsText::ObjectIndexes() const {
    std::vector<uint16_t> indexes;
    for (const auto& [index, position] : objects_) indexes.push_back(index);
    return indexes;
}

}  // namespace vantor::cli
