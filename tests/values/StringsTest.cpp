#include "common/Strings.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(TextHelpers, TrimDuplicateAppendAndCopy) {
    EXPECT_EQ(SkipLeadingBlanks(" \t\r\n\x01x y "), "x y ");
    EXPECT_EQ(CutTrailingBlanks(" x\t\r\n"), " x");
    EXPECT_EQ(TrimBlanks("\xA0\xE9 "), "\xA0\xE9");  // Latin-1 bytes are not blanks

    EXPECT_FALSE(Duplicate("").has_value());
    EXPECT_FALSE(Duplicate(static_cast<const char*>(nullptr)).has_value());
    std::optional<std::string> line;
    Append(line, "");
    EXPECT_FALSE(line.has_value());
    Append(line, "key");
    Append(line, "=value");
    EXPECT_EQ(line, "key=value");

    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(CopyBounded(buffer, sizeof buffer, "abcdef"), 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(CopyBounded(buffer, 1, "abc"), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST(TextHelpers, CompareFoldsAsciiLettersOnly) {
    EXPECT_TRUE(EqualNoCase("Rww", "RWW"));
    EXPECT_FALSE(EqualNoCase("RW", "RWW"));
    EXPECT_FALSE(EqualNoCase("\xE9", "\xC9"));
    EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
    EXPECT_LT(CompareNoCase("ab", "ABC"), 0);
    EXPECT_GT(CompareNoCase("\x80", "a"), 0);  // bytes compare unsigned
}

struct SplitCase {
    const char *path, *drive, *directory, *name, *extension;
    unsigned flags;
};

TEST(Paths, SplitFindsEachPart) {
    const SplitCase cases[] = {
        {"C:\\dir\\sub\\file.eds", "C:", "\\dir\\sub\\", "file", ".eds", 16 | 8 | 4 | 2},
        {"  /home/user/device.dcf", "", "/home/user/", "device", ".dcf", 8 | 4 | 2},
        {"a/b\\c", "", "a/b\\", "c", "", 8 | 4},
        {"archive.tar.gz", "", "", "archive.tar", ".gz", 4 | 2},
        {"dir.d/file", "", "dir.d/", "file", "", 8 | 4},
        {".profile", "", "", "", ".profile", 2},
        {"name.", "", "", "name", ".", 4 | 2},
        {"D:", "D:", "", "", "", 16},
        {"", "", "", "", "", 0},
    };
    for (const SplitCase& c : cases) {
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.drive, c.drive) << c.path;
        EXPECT_EQ(parts.directory, c.directory) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
        EXPECT_EQ(parts.flags, c.flags) << c.path;
    }
}

TEST(Paths, JoinAddsOnlyMissingSeparators) {
    EXPECT_EQ(JoinPath("C:", "\\dir", "file", "eds"), "C:\\dir\\file.eds");
    EXPECT_EQ(JoinPath("Cxyz", "", "file", ".Err"), "C:file.Err");
    EXPECT_EQ(JoinPath("", "/home/", "device", ".ERR"), "/home/device.ERR");
    EXPECT_EQ(JoinPath("", "dir\\", "name.", ""), "dir\\name");
    const PathParts parts = SplitPath("C:\\data\\device.eds");
    EXPECT_EQ(JoinPath(parts.drive, parts.directory, parts.name, ".Err"), "C:\\data\\device.Err");
}

}  // namespace
}  // namespace vantor
