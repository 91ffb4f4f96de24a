#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/PropSetTestIo.h"
#include "library/sections/EdsComments.h"

namespace vantor {
namespace {

using test::ReadSection;
using test::WriteSection;

// The comment text as eds_GetComments hands it out; none for a null block.
std::optional<std::string> CommentText(const CEdsComments& comments) {
    char* text = reinterpret_cast<char*>(1);
    EXPECT_EQ(comments.GetComments(text), ERROR_SUCCESS);
    if (!text) return std::nullopt;
    std::string copy(text);
    CoTaskMemFree(text);
    return copy;
}

TEST(Comments, LinesAreSortedByTheirNumberAfterReading) {
    CEdsComments comments;
    ReadSection(comments, "Lines=7\r\nLine2=b\r\nLine10=j\r\nline1=a\r\nLine9=i\r\n");
    EXPECT_EQ(CommentText(comments), "a\r\nb\r\ni\r\nj");
    EXPECT_EQ(WriteSection(comments, false),
              "[Comments]\r\nLines=4\r\nline1=a\r\nLine2=b\r\nLine9=i\r\nLine10=j\r\n\r\n");
}

TEST(Comments, KeysThatAreNotNumberedLinesStayUnknownEntries) {
    CEdsComments comments;
    ReadSection(comments, "Line=x\r\nLinear=y\r\nEntries=z\r\nLine1=a\r\n");
    EXPECT_EQ(comments.LineCount(), 1u);
    EXPECT_EQ(WriteSection(comments, false), "[Comments]\r\nLines=1\r\nLine1=a\r\n\r\n");
    EXPECT_EQ(WriteSection(comments, true),
              "[Comments]\r\nLines=1\r\nLine1=a\r\nLine=x\r\nLinear=y\r\nEntries=z\r\n\r\n");
}

TEST(Comments, SettingATextCutsItIntoNumberedLines) {
    struct Case {
        const char* text;
        const char* written;  // the lines after Lines=
        const char* readBack;
    };
    const Case cases[] = {
        {"a\r\nb\n", "Lines=3\r\nLine1=a\r\nLine2=b\r\nLine3=\r\n", "a\r\nb\r\n"},
        {"one  \t\ntwo", "Lines=2\r\nLine1=one\r\nLine2=two\r\n", "one\r\ntwo"},
        {"  indented", "Lines=1\r\nLine1=  indented\r\n", "  indented"},
    };
    for (const Case& c : cases) {
        CEdsComments comments;
        ASSERT_EQ(comments.SetComments(c.text), ERROR_SUCCESS);
        EXPECT_EQ(WriteSection(comments, false), std::string("[Comments]\r\n") + c.written + "\r\n") << c.text;
        EXPECT_EQ(CommentText(comments), c.readBack) << c.text;
    }
}

TEST(Comments, NoLinesGiveANullText) {
    CEdsComments comments;
    EXPECT_EQ(CommentText(comments), std::nullopt);
    comments.SetComments("something");
    ASSERT_EQ(comments.SetComments(nullptr), ERROR_SUCCESS);
    EXPECT_EQ(CommentText(comments), std::nullopt);
    EXPECT_EQ(WriteSection(comments, false), "[Comments]\r\nLines=0\r\n\r\n");
}

TEST(Comments, CompoundFileStreamKeepsTheLinesInOrder) {
    CEdsComments saved, loaded;
    saved.SetComments("first\nsecond\nthird");
    test::StoreAndLoad(saved, loaded);
    EXPECT_EQ(loaded.LineCount(), 3u);
    EXPECT_EQ(CommentText(loaded), "first\r\nsecond\r\nthird");
    EXPECT_EQ(WriteSection(loaded, true), WriteSection(saved, true));
}

}  // namespace
}  // namespace vantor
