#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "vantor/vantor.h"

namespace {

// The conversion exports as a caller that loads the library by name sees them.
class ConversionExports : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = dlopen(VANTOR_LIBRARY_FILE, RTLD_NOW);
        ASSERT_NE(library_, nullptr) << dlerror();
        toText_ = reinterpret_cast<decltype(toText_)>(dlsym(library_, "eds_CopTypeToStr"));
        parse_ = reinterpret_cast<decltype(parse_)>(dlsym(library_, "eds_StrToCopType"));
        parseOrLimit_ = reinterpret_cast<decltype(parseOrLimit_)>(dlsym(library_, "eds_StrToCopType2"));
        ASSERT_TRUE(toText_ && parse_ && parseOrLimit_);
    }
    void TearDown() override {
        if (library_) dlclose(library_);
    }

    void* library_ = nullptr;
    decltype(&eds_CopTypeToStr) toText_ = nullptr;
    decltype(&eds_StrToCopType) parse_ = nullptr;
    decltype(&eds_StrToCopType2) parseOrLimit_ = nullptr;
};

uint64_t ValueOf(const unsigned char (&buffer)[8]) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | buffer[i];
    return value;
}

TEST_F(ConversionExports, ParseReadsOnlyTheLowWordOfTheType) {
    struct Case {
        uint32_t type;
        const char* text;
        int32_t result;
        uint64_t value;
    };
    const Case cases[] = {
        {7, "0x10", 0, 0x10},                 // UNSIGNED32
        {0x00010007, "0x10", 0, 0x10},        // high word ignored
        {3, "0x8000", 3, 0x7FFF},             // INTEGER16 overflow
        {0xFFFF0006, "0x12345", 3, 0xFFFF},   // UNSIGNED16 overflow
        {9, "text", 1, 0},                    // VISIBLE_STRING has no value text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.text);
        unsigned char value[8];
        std::memset(value, 0xEE, sizeof value);
        EXPECT_EQ(parse_(c.type, c.text, value), c.result);
        EXPECT_EQ(ValueOf(value), c.value);
    }
}

TEST_F(ConversionExports, TextReadsOnlyTheLowWordOfTheType) {
    const unsigned char value[8] = {0xAB, 0xCD, 0, 0, 0, 0, 0, 0};
    char text[33] = "junk";
    EXPECT_EQ(toText_(0x00050005, value, text), 0);  // UNSIGNED8
    EXPECT_STREQ(text, "0xAB");
    EXPECT_EQ(toText_(9, value, text), 1);
    EXPECT_STREQ(text, "");
}

TEST_F(ConversionExports, LimitParseReadsOnlyTheLowByteOfTheOption) {
    unsigned char value[8];
    EXPECT_EQ(parseOrLimit_(6, "", value, 0x101), 1);  // UNSIGNED16, high set
    EXPECT_EQ(ValueOf(value), 0xFFFFu);
    EXPECT_EQ(parseOrLimit_(6, "", value, 0x100), 1);  // low byte 0: the minimum
    EXPECT_EQ(ValueOf(value), 0u);
}

}  // namespace
