#include "tools/vantor/ImportErrors.h"

#include <map>
#include <optional>
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

// Places the error lines. A section given twice is read twice, so the n-th
// error on a key of a section belongs to the n-th occurrence of the section
// that holds the key.
class ErrorLocator {
public:
    explicit ErrorLocator(const EdsText& text) : text_(text) {}

    Problem Read(std::string_view line) {
        Problem problem;
        problem.severity = Severity::Error;
        std::vector<std::string_view> parts = SplitAtSeparators(line.substr(kErrorPrefix.size()));
        problem.message = std::string(parts.back());
        parts.pop_back();
        // The section part is missing when the set had no name; tell by whether it names a section.
        if (!parts.empty() && (parts.size() >= 2 || !Occurrences(parts.front()).empty())) {
            problem.section = std::string(parts.front());
            parts.erase(parts.begin());
        }
        for (std::size_t i = 0; i < parts.size(); ++i) problem.key += (i ? ": " : "") + std::string(parts[i]);
        problem.line = LineOf(problem.section, problem.key);
        return problem;
    }

private:
    // The sections an error-file name stands for, in file order: the values
    // of a compact object's sub-indexes come from its main section.
    std::vector<const TextSection*> Occurrences(std::string_view name) const {
        std::vector<const TextSection*> found;
        if (name.empty()) return found;
        const std::string folded = FoldCase(name);
        for (const TextSection& section : text_.sections())
            if (section.name.kind != SectionKind::Unknown && FoldCase(section.name.canonical) == folded)
                found.push_back(&section);
        if (found.empty()) {
            const SectionName classified = ClassifySectionName(name);
            if (const TextSection* object = IsObjectSection(classified.kind) ? text_.Object(classified.index) : nullptr)
                found.push_back(object);
        }
        return found;
    }

    int LineOf(const std::string& section, const std::string& key) {
        const std::vector<const TextSection*> occurrences = Occurrences(section);
        if (occurrences.empty()) return 0;
        const int wanted = ++errorsPerKey_[FoldCase(section) + "\n" + FoldCase(key)];
        int seen = 0;
        for (const TextSection* occurrence : occurrences)
            if (const TextEntry* entry = key.empty() ? nullptr : occurrence->Find(key); entry && ++seen == wanted)
                return entry->line;
        const TextSection& last = *occurrences.back();
        const TextEntry* entry = key.empty() ? nullptr : last.Find(key);
        return entry ? entry->line : last.headerLine;
    }

    const EdsText& text_;
    std::map<std::string, int> errorsPerKey_;
};

// Notes about whole sections that the import dropped, such as "Unknown
// section skipped: [Tools]": warnings at the header of the section named in
// brackets, the n-th note on a name at the n-th section of that name.
class SectionNotes {
public:
    explicit SectionNotes(const EdsText& text) : text_(text) {}

    std::optional<Problem> Read(std::string_view line) {
        // Sections given twice are reported with their lines by the text's own warnings.
        if (line.find(kReplacedNote) != std::string_view::npos) return std::nullopt;
        Problem problem{0, Severity::Warning, "", "", std::string(line)};
        const std::size_t open = line.rfind('[');
        const std::size_t close = line.rfind(']');
        if (open == std::string_view::npos || close == std::string_view::npos || close < open) return problem;
        const std::string name = FoldCase(line.substr(open + 1, close - open - 1));
        int seen = 0;
        const int wanted = ++notesPerName_[name];
        for (const TextSection& section : text_.sections())
            if (FoldCase(section.name.canonical) == name && ++seen == wanted) problem.line = section.headerLine;
        return problem;
    }

private:
    static constexpr std::string_view kReplacedNote = "replaced by a later section";
    const EdsText& text_;
    std::map<std::string, int> notesPerName_;
};

}  // namespace

Problems LocateImportErrors(std::string_view errorFile, const EdsText& text) {
    Problems problems;
    ErrorLocator errors(text);
    SectionNotes notes(text);
    ForEachLine(errorFile, [&](std::string_view line, int) {
        line = TrimBlanks(line);
        if (line.starts_with(kErrorPrefix))
            problems.push_back(errors.Read(line));
        else if (!line.empty())
            if (auto note = notes.Read(line)) problems.push_back(*note);
    });
    return problems;
}

}  // namespace vantor::cli
