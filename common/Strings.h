// Small text helpers shared by the library and the editor.
//
// "Blank" here means any byte with a value up to 32 (space, tab, CR, LF and
// the other control bytes), compared as an unsigned byte so that Latin-1
// letters are never taken for blanks.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

constexpr bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// The value of an ASCII digit or letter in any radix up to 36 ('7' is 7,
// 'b' and 'B' are 11); -1 for every other character.
constexpr int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

constexpr bool IsHexDigit(char c) { return DigitValue(c) >= 0 && DigitValue(c) < 16; }
constexpr bool IsLetterOrDigit(char c) { return DigitValue(c) >= 0; }

std::string_view SkipLeadingBlanks(std::string_view text);
std::string_view CutTrailingBlanks(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

// A copy of the text, or none for an empty text (and for a null pointer).
std::optional<std::string> Duplicate(std::string_view text);
std::optional<std::string> Duplicate(const char* text);

// Appends text to target; an empty target text is created when there is none.
// Appending an empty text leaves the target as it is (none stays none).
void Append(std::optional<std::string>& target, std::string_view text);

// Copies text into buffer (capacity bytes, terminating zero included), cut to
// capacity - 1 characters, and always zero-terminated when capacity > 0.
// Returns the number of characters copied.
std::size_t CopyBounded(char* buffer, std::size_t capacity, std::string_view text);

// ASCII comparison without regard to case: < 0, 0 or > 0 as for strcmp,
// with bytes compared as unsigned values after folding 'a'-'z' to 'A'-'Z'.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualNoCase(std::string_view a, std::string_view b);

// The parts of a file path. The flags tell which parts were found.
struct PathParts {
    static constexpr unsigned kExtension = 2;
    static constexpr unsigned kName = 4;
    static constexpr unsigned kDirectory = 8;
    static constexpr unsigned kDrive = 16;

    std::string drive;      // "C:"
    std::string directory;  // up to and including the last '/' or '\'
    std::string name;
    std::string extension;  // from the last '.' after the directory, dot included
    unsigned flags = 0;
};

PathParts SplitPath(std::string_view path);

// The path of its parts: "d:" for a drive, the directory ended by '\' unless
// it already ends in a separator, the name without a final '.', and the
// extension preceded by '.' unless it already begins with one.
std::string JoinPath(std::string_view drive, std::string_view directory, std::string_view name,
                     std::string_view extension);

}  // namespace vantor
