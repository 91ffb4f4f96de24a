#include "tools/vantor/ImportErrors.h"

#include <vector>

#include "common/Strings.h"
#include "tools/vantor/TextLines.h"

namespace vantor::cli {
namespace {

constexpr std::string_view kErrorPrefix = "[Error] ";
constexpr std::string_view kSeparator = ": ";

std::vector<std::string_view> SplitAtSeparators(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t at; (at = text.find(kSeparator)) != std::string_view::npos;) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + kSeparator.size());
    }
    parts.push_back(text);
    return parts;
}

// The section a name of the error file stands for: the sub-index values of a
// compact object come from its main section.
const TextSection* SectionOf(std::string_view name, const EdsText& text) {
    if (name.empty()) return nullptr;
    if (const TextSection* section = text.Find(name)) return section;
    const SectionName classified = ClassifySectionName(name);
    if (IsObjectSection(classified.kind)) return text.Object(classified.index);
    return nullptr;
}

Problem ReadErrorLine(std::string_view line, const EdsText& text) {
    Problem problem;
    problem.severity = Severity::Error;
    if (!line.starts_with(kErrorPrefix)) {
        problem.message = std::string(line);
        return problem;
    }
    std::vector<std::string_view> parts = SplitAtSeparators(line.substr(kErrorPrefix.size()));
    problem.message = std::string(parts.back());
    parts.pop_back();
    // The section part is missing when the set had no name; tell by whether it names a section.
    if (!parts.empty() && (parts.size() >= 2 || SectionOf(parts.front(), text))) {
        problem.section = std::string(parts.front());
        parts.erase(parts.begin());
    }
    for (std::size_t i = 0; i < parts.size(); ++i) problem.key += (i ? ": " : "") + std::string(parts[i]);
    if (const TextSection* section = SectionOf(problem.section, text)) {
        const TextEntry* entry = problem.key.empty() ? nullptr : section->Find(problem.key);
        problem.line = entry ? entry->line : section->headerLine;
    }
    return problem;
}

}  // namespace

Problems LocateImportErrors(std::string_view errorFile, const EdsText& text) {
    Problems problems;
    ForEachLine(errorFile, [&](std::string_view line, int) {
        line = TrimBlanks(line);
        if (!line.empty()) problems.push_back(ReadErrorLine(line, text));
    });
    return problems;
}

}  // namespace vantor::cli
