#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "vantor/platform.h"

namespace {

TEST(Blocks, StringKeepsUnitsLengthTerminatorAndWindowsLayout) {
    const OLECHAR source[] = {u'a', 0, u'b', 0xD83D, 0xDE00};
    BSTR s = SysAllocStringLen(source, 5);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringLen(s), 5u);
    EXPECT_EQ(std::u16string(s, 6), std::u16string(source, 5) + u'\0');
    uint32_t byteLength = 0;  // stored in the 32 bits before the first unit
    std::memcpy(&byteLength, reinterpret_cast<const char*>(s) - 4, 4);
    EXPECT_EQ(byteLength, 10u);
    SysFreeString(s);

    BSTR blank = SysAllocStringLen(nullptr, 3);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(std::u16string(blank, 4), std::u16string(4, u'\0'));
    SysFreeString(blank);

    BSTR text = SysAllocString(u"FileInfo");
    EXPECT_EQ(SysStringLen(text), 8u);
    SysFreeString(text);
}

TEST(Blocks, NullsAndImpossibleLengths) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
    EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
}

TEST(Blocks, TaskMemoryAllocReallocFree) {
    void* zero = CoTaskMemAlloc(0);
    EXPECT_NE(zero, nullptr);
    CoTaskMemFree(zero);

    auto* p = static_cast<char*>(CoTaskMemRealloc(nullptr, 4));
    ASSERT_NE(p, nullptr);
    std::memcpy(p, "abc", 4);
    p = static_cast<char*>(CoTaskMemRealloc(p, 1 << 16));
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "abc");
    EXPECT_EQ(CoTaskMemRealloc(p, 0), nullptr);  // frees; the sanitizer build catches a leak
    CoTaskMemFree(nullptr);
}

}  // namespace
