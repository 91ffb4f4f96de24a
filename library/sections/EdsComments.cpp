#include "library/sections/EdsComments.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/Strings.h"
#include "library/values/StrConv.h"

namespace vantor {
namespace {

constexpr FieldDescriptor kLines{0x0000, "Lines", kAllFormats};
constexpr FieldDescriptor kEntries{0x0001, "Entries", kAllFormats};

constexpr std::string_view kLinePrefix = "Line";
constexpr std::string_view kLineBreak = "\r\n";

// The number of a comment line key ("Line" and a number in any number
// form), or none for any other key.
std::optional<int32_t> CommentLineNumber(std::string_view key) {
    if (key.size() <= kLinePrefix.size() || !EqualNoCase(key.substr(0, kLinePrefix.size()), kLinePrefix))
        return std::nullopt;
    int32_t number = 0;
    if (ParseInteger32(key.substr(kLinePrefix.size()), number) == ConvResult::InvalidFormat) return std::nullopt;
    return number;
}

std::string_view KeyOfLine(std::string_view line) { return line.substr(0, line.find('=')); }

// What follows the first '=' of a stored line; a line without one is all text.
std::string_view ValueOfLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? line : line.substr(equals + 1);
}

// Lines without a number keep their place after all numbered lines.
int64_t SortNumber(const std::string& line) {
    const std::optional<int32_t> number = CommentLineNumber(KeyOfLine(line));
    return number ? *number : std::numeric_limits<int64_t>::max();
}

}  // namespace

CEdsComments::CEdsComments() : CEdsPropSet("Comments"), lines_(&kLines), entries_(&kEntries) {
    Link(&lines_);
    Link(&entries_);
}

CEdsField* CEdsComments::FindById(uint16_t id) {
    if (id == kLines.id) {
        UpdateLineCount();
        return &lines_;
    }
    return id == kEntries.id ? &entries_ : nullptr;
}

CEdsField* CEdsComments::FindByName(std::string_view name) {
    return EqualNoCase(name, kLines.name) ? &lines_ : nullptr;
}

DWORD CEdsComments::SetByKey(std::string_view key, TextArg text) {
    if (!CommentLineNumber(key)) return CEdsPropSet::SetByKey(key, text);
    const DWORD result = entries_.AddPair(key, text.value_or(std::string_view{}));
    UpdateLineCount();
    return result;
}

void CEdsComments::Notify(NotifyPhase phase) {
    if (phase == NotifyPhase::AfterReadText) SortLinesByNumber();
    UpdateLineCount();
}

DWORD CEdsComments::GetComments(char*& text) const {
    text = nullptr;
    const std::vector<std::string>& lines = entries_.Lines();
    if (lines.empty()) return ERROR_SUCCESS;

    std::string joined;
    for (const std::string& line : lines) {
        if (&line != &lines.front()) joined += kLineBreak;
        joined += ValueOfLine(line);
    }
    text = static_cast<char*>(CoTaskMemAlloc(joined.size() + 1));
    if (!text) return ERROR_OUTOFMEMORY;
    std::memcpy(text, joined.c_str(), joined.size() + 1);
    return ERROR_SUCCESS;
}

DWORD CEdsComments::SetComments(const char* text) {
    entries_.RemoveAll();
    UpdateLineCount();
    if (!text) return ERROR_SUCCESS;

    std::string_view rest(text);
    DWORD result = ERROR_SUCCESS;
    for (int number = 1; result == ERROR_SUCCESS; ++number) {
        const std::size_t lineFeed = rest.find('\n');
        const std::string key = std::string(kLinePrefix) + std::to_string(number);
        result = entries_.AddPair(key, CutTrailingBlanks(rest.substr(0, lineFeed)));
        if (lineFeed == std::string_view::npos) break;
        rest.remove_prefix(lineFeed + 1);
    }
    UpdateLineCount();
    return result;
}

void CEdsComments::UpdateLineCount() { lines_.SetValue(static_cast<int32_t>(entries_.GetCount())); }

void CEdsComments::SortLinesByNumber() {
    std::vector<std::string> lines = entries_.Lines();
    std::stable_sort(lines.begin(), lines.end(),
                     [](const std::string& a, const std::string& b) { return SortNumber(a) < SortNumber(b); });
    entries_.RemoveAll();
    for (std::string& line : lines) entries_.AddLine(std::move(line));
}

}  // namespace vantor
