#include "Strings.h"

#include <algorithm>
#include <cstring>

namespace vantor {

namespace {

constexpr unsigned char FoldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

constexpr bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

std::string_view SkipLeadingBlanks(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

std::string_view CutTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view TrimBlanks(std::string_view text) { return CutTrailingBlanks(SkipLeadingBlanks(text)); }

std::optional<std::string> Duplicate(std::string_view text) {
    if (text.empty()) return std::nullopt;
    return std::string(text);
}

std::optional<std::string> Duplicate(const char* text) {
    if (text == nullptr) return std::nullopt;
    return Duplicate(std::string_view(text));
}

void Append(std::optional<std::string>& target, std::string_view text) {
    if (text.empty()) return;
    if (target) {
        target->append(text);
    } else {
        target.emplace(text);
    }
}

std::size_t CopyBounded(char* buffer, std::size_t capacity, std::string_view text) {
    if (buffer == nullptr || capacity == 0) return 0;
    const std::size_t count = std::min(text.size(), capacity - 1);
    if (count != 0) std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int difference = FoldCase(a[i]) - FoldCase(b[i]);
        if (difference != 0) return difference;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    std::string_view rest = SkipLeadingBlanks(path);

    if (rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        parts.flags |= PathParts::kDrive;
        rest.remove_prefix(2);
    }

    const auto lastSeparator = std::find_if(rest.rbegin(), rest.rend(), IsSeparator);
    if (lastSeparator != rest.rend()) {
        const auto directoryLength = static_cast<std::size_t>(rest.rend() - lastSeparator);
        parts.directory = rest.substr(0, directoryLength);
        parts.flags |= PathParts::kDirectory;
        rest.remove_prefix(directoryLength);
    }

    const std::size_t dot = rest.rfind('.');
    if (dot != std::string_view::npos) {
        parts.extension = rest.substr(dot);
        parts.flags |= PathParts::kExtension;
        rest = rest.substr(0, dot);
    }

    if (!rest.empty()) {
        parts.name = rest;
        parts.flags |= PathParts::kName;
    }
    return parts;
}

std::string JoinPath(std::string_view drive, std::string_view directory, std::string_view name,
                     std::string_view extension) {
    std::string path;
    if (!drive.empty()) {
        path += drive.front();
        path += ':';
    }
    if (!directory.empty()) {
        path += directory;
        if (!IsSeparator(directory.back())) path += '\\';
    }
    if (!name.empty() && name.back() == '.') name.remove_suffix(1);
    path += name;
    if (!extension.empty()) {
        if (extension.front() != '.') path += '.';
        path += extension;
    }
    return path;
}

}  // namespace vantor
