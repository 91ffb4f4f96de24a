#include <gtest/gtest.h>

#include <string>

#include "vantor/platform.h"

namespace {

std::u16string ToWide(UINT codePage, const std::string& text, DWORD flags = 0) {
    const int size = static_cast<int>(text.size());
    std::u16string wide(MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0), u'\0');
    EXPECT_EQ(MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), wide.size()), int(wide.size()));
    return wide;
}

std::string ToNarrow(UINT codePage, const std::u16string& text, BOOL* usedDefault = nullptr) {
    const int size = static_cast<int>(text.size());
    std::string narrow(WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, usedDefault), '\0');
    EXPECT_EQ(WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), narrow.size(), nullptr, usedDefault),
              int(narrow.size()));
    return narrow;
}

TEST(CodePage, All256BytesOf1252RoundTrip) {
    EXPECT_EQ(GetACP(), 1252u);
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (UINT codePage : {CP_ACP, CP_1252}) {
        const std::u16string wide = ToWide(codePage, all);
        ASSERT_EQ(wide.size(), 256u);
        BOOL usedDefault = TRUE;
        EXPECT_EQ(ToNarrow(codePage, wide, &usedDefault), all);
        EXPECT_FALSE(usedDefault);
    }
}

TEST(CodePage, BytesMapToTheirWindowsCodePoints) {
    const struct {
        unsigned char byte;
        char16_t unit;
    } cases[] = {
        {0x41, u'A'},
        {0xAE, 0x00AE},
        {0xAC, 0x00AC},
        {0x80, 0x20AC},
        {0x8A, 0x0160},
        {0x9F, 0x0178},
        {0xFF, 0x00FF},
        // The five bytes without a character keep the C1 control of their value.
        {0x81, 0x0081},
        {0x8D, 0x008D},
        {0x8F, 0x008F},
        {0x90, 0x0090},
        {0x9D, 0x009D},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(ToWide(CP_ACP, byte, MB_ERR_INVALID_CHARS), std::u16string(1, c.unit)) << int(c.byte);
        EXPECT_EQ(ToNarrow(CP_ACP, std::u16string(1, c.unit)), byte) << int(c.byte);
    }
}

TEST(CodePage, CharactersOutside1252BecomeTheDefaultCharacter) {
    BOOL usedDefault = FALSE;
    EXPECT_EQ(ToNarrow(CP_ACP, u"a\u0100b\U0001F600c", &usedDefault), "a?b?c");
    EXPECT_TRUE(usedDefault);
    char out[8] = {};
    const char star = '*';
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"x\u4E2D", 2, out, sizeof out, &star, nullptr), 2);
    EXPECT_STREQ(out, "x*");
}

TEST(CodePage, SizesTerminatorsAndTooSmallBuffers) {
    WCHAR wide[4];
    char narrow[4];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);  // -1 counts the terminator
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 4), 4);
    EXPECT_EQ(std::u16string(wide), u"abc");
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a\u20AC", 2, narrow, 4, nullptr, nullptr), 4);  // exact fit
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 3), 0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a\u20AC", 2, narrow, 3, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(437, 0, "abc", 3, wide, 4), 0);  // no other code pages
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(CodePage, Utf8RoundTripIncludesSurrogatePairs) {
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF";
    const std::u16string wide = ToWide(CP_UTF8, utf8, MB_ERR_INVALID_CHARS);
    EXPECT_EQ(wide, (std::u16string{u'A', 0x00E9, 0x20AC, 0xD83D, 0xDE00, 0xDBFF, 0xDFFF}));
    EXPECT_EQ(ToNarrow(CP_UTF8, wide), utf8);
}

TEST(CodePage, IllFormedUtf8BecomesReplacementCharactersOrFails) {
    const struct {
        const char* text;
        std::u16string expected;
    } cases[] = {
        {"a\xFF"
         "b",
         u"a\uFFFDb"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
        {"\xE2\x82x", u"\uFFFDx"},                          // truncated
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToWide(CP_UTF8, c.text), c.expected) << c.text;
        SetLastError(0);
        WCHAR out[8];
        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, c.text, -1, out, 8), 0) << c.text;
        EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION) << c.text;
    }
}

TEST(CodePage, UnpairedSurrogatesBecomeReplacementInUtf8OrFail) {
    const std::u16string lone = {u'a', 0xD800, u'b', 0xDC00};
    EXPECT_EQ(ToNarrow(CP_UTF8, lone),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    char out[16];
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone.data(), 4, out, 16, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
}

}  // namespace
