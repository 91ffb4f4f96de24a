// The string-list kind: an ordered list of lines, mostly "name=value" pairs.
#include <algorithm>
#include <new>

#include "common/Strings.h"
#include "library/fields/EdsFlds.h"
#include "library/fields/FieldIo.h"
#include "library/storage/Streams.h"

namespace vantor {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The name of a "name=value" line; none for a line without '='.
std::optional<std::string_view> NameOfLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return line.substr(0, equals);
}

std::optional<std::string> ValueOfLine(std::string_view line) {
    const std::string_view value = line.substr(line.find('=') + 1);
    if (value.empty()) return std::nullopt;
    return std::string(value);
}

// Splits at CR, LF or CR LF; text after the last line end is a line of its
// own only when it is not empty.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(kLineEnd, start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

}  // namespace

void CEdsStringListField::SetText(TextArg) {}

std::optional<std::string> CEdsStringListField::GetText() const { return std::nullopt; }

void CEdsStringListField::Clear() { lines_.clear(); }

DWORD CEdsStringListField::ReadBinary(CStream* stream) {
    uint32_t length = 0;
    DWORD result = fieldio::ReadNumber(stream, length);
    if (result != ERROR_SUCCESS) return result;
    lines_.clear();
    if (length == 0) return ERROR_SUCCESS;

    try {
        std::string bytes;
        result = fieldio::ReadBlock(stream, length, bytes);
        if (result != ERROR_SUCCESS) return result;
        if (bytes.back() != '\0') return ERROR_INVALID_DATA;
        lines_ = SplitLines(fieldio::UpToZero(bytes));
    } catch (const std::bad_alloc&) {
        lines_.clear();
        return ERROR_OUTOFMEMORY;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsStringListField::WriteBinary(CStream* stream) const {
    if (lines_.empty()) return fieldio::WriteNumber(stream, uint32_t{0});
    std::string joined;
    try {
        for (const std::string& line : lines_) joined.append(line).append(kLineEnd);
        joined += '\0';
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    }
    if (joined.size() > UINT32_MAX) return ERROR_INVALID_PARAMETER;
    const DWORD result = fieldio::WriteNumber(stream, static_cast<uint32_t>(joined.size()));
    if (result != ERROR_SUCCESS) return result;
    return fieldio::WriteExact(stream, joined.data(), joined.size());
}

DWORD CEdsStringListField::ReadText(CStream*) { return ERROR_SUCCESS; }

DWORD CEdsStringListField::WriteText(CStream* stream) const {
    for (const std::string& line : lines_) {
        const DWORD result = WriteLine(stream, line.c_str());
        if (result != ERROR_SUCCESS) return result;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsStringListField::AddPair(TextArg key, TextArg value) {
    if (!key) return ERROR_INVALID_PARAMETER;
    std::string line(*key);
    line += '=';
    if (value) line += *value;
    return AddLine(std::move(line));
}

DWORD CEdsStringListField::AddLine(std::string line) {
    try {
        line.resize(fieldio::UpToZero(line).size());
        lines_.push_back(std::move(line));
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    }
    return ERROR_SUCCESS;
}

std::optional<std::string> CEdsStringListField::GetPairValue(TextArg key) const {
    if (!key) return std::nullopt;
    for (const std::string& line : lines_) {
        const auto name = NameOfLine(line);
        if (name && EqualNoCase(*name, *key)) return ValueOfLine(line);
    }
    return std::nullopt;
}

DWORD CEdsStringListField::SetPairValue(TextArg key, TextArg value) {
    if (!key) return ERROR_INVALID_PARAMETER;
    const auto found = std::find_if(lines_.begin(), lines_.end(), [&](const std::string& line) {
        const auto name = NameOfLine(line);
        return name && EqualNoCase(*name, *key);
    });
    if (!value || value->empty()) {
        if (found != lines_.end()) lines_.erase(found);
        return ERROR_SUCCESS;
    }
    if (found == lines_.end()) return AddPair(key, value);
    try {
        found->resize(found->find('=') + 1);
        found->append(fieldio::UpToZero(*value));
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsStringListField::GetLineValue(std::size_t index, std::optional<std::string>& value) const {
    value.reset();
    if (index >= lines_.size()) return ERROR_INVALID_PARAMETER;
    const std::string& line = lines_[index];
    if (!NameOfLine(line)) return ERROR_OUTOFMEMORY;
    value = ValueOfLine(line);
    return ERROR_SUCCESS;
}

void CEdsStringListField::Sort(const std::function<bool(const std::string&, const std::string&)>& less) {
    if (less) {
        std::stable_sort(lines_.begin(), lines_.end(), less);
    } else {
        std::stable_sort(lines_.begin(), lines_.end(),
                         [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    }
}

}  // namespace vantor
