#include "library/values/CopTypeConv.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <string>

#include "common/Arithm.h"
#include "library/values/StrConv.h"

namespace vantor {
namespace {

using namespace DataType;

uint64_t ValueOf(const uint8_t (&buffer)[8]) { return LoadLittleEndian(buffer, 8); }

std::string TextOf(uint16_t type, uint64_t bits) {
    uint8_t value[8];
    StoreLittleEndian(bits, value, 8);
    char text[kCopTextCapacity] = "stale";
    EXPECT_EQ(CopTypeToStr(type, value, text), 0) << type;
    return text;
}

TEST(CopTypeToStr, MissingBuffersReservedAndUnconvertibleTypes) {
    const uint8_t value[8] = {1};
    char text[kCopTextCapacity] = "stale";
    EXPECT_EQ(CopTypeToStr(Unsigned8, value, nullptr), 1);
    EXPECT_EQ(CopTypeToStr(VisibleString, nullptr, text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(TextOf(Reserved23, 1), "");
    std::strcpy(text, "stale");
    EXPECT_EQ(CopTypeToStr(28, value, text), 1);
    EXPECT_STREQ(text, "");
}

TEST(CopTypeToStr, WritesEachTypesForm) {
    const struct {
        uint16_t type;
        uint64_t bits;
        const char* text;
    } cases[] = {
        {Boolean, 0xFF, "1"}, {Boolean, 0xFF00, "0"}, {Integer8, 0xFF80, "-128"}, {Integer16, 0x8000, "-32768"},
        {Integer24, 0xFFFFFFFF, "-1"}, {Integer24, 0x7FFFFF, "8388607"}, {Integer40, UINT64_MAX, "-1"},
        {Integer64, 0x8000000000000000, "-9223372036854775808"}, {Unsigned8, 0x0A, "0x0A"},
        {Unsigned16, 1, "0x0001"}, {Unsigned24, 0x12345678, "0x12345678"},  // all the digits of 32 bits
        {Unsigned32, 0, "0x00000000"}, {Unsigned40, 0xFFFFFFFFFF, "0xFFFFFFFFFF"}, {Unsigned48, 1, "0x000000000001"},
        {Unsigned56, 1, "0x00000000000001"}, {Unsigned64, UINT64_MAX, "0xFFFFFFFFFFFFFFFF"},
        {Real32, std::bit_cast<uint32_t>(1.5f), "  1.5000000E+000"},
        {Real32, std::bit_cast<uint32_t>(-0.1f), " -1.0000000E-001"},
        {Real32, std::bit_cast<uint32_t>(std::numeric_limits<float>::max()), "  3.4028235E+038"},
        {Real32, std::bit_cast<uint32_t>(1e-40f), "  9.9999461E-041"},
        {Real64, std::bit_cast<uint64_t>(1.5), "  1.500000000000000E+000"},
        {Real64, std::bit_cast<uint64_t>(-1e-300), " -1.000000000000000E-300"},
        {Real64, std::bit_cast<uint64_t>(std::numeric_limits<double>::max()), "  1.797693134862316E+308"},
    };
    for (const auto& c : cases) EXPECT_EQ(TextOf(c.type, c.bits), c.text) << c.type;
}

TEST(StrToCopType, EmptyTextIsZeroForEveryTypeElseTheParse) {
    uint8_t value[8];
    EXPECT_EQ(StrToCopType(Unsigned8, "1", nullptr), 1);
    for (const uint16_t type : {Unsigned16, VisibleString, Reserved23}) {
        std::memset(value, 0xAA, sizeof value);
        EXPECT_EQ(StrToCopType(type, type == Unsigned16 ? "" : nullptr, value), 0) << type;
        EXPECT_EQ(ValueOf(value), 0u);
    }
    std::memset(value, 0xAA, sizeof value);
    EXPECT_EQ(StrToCopType(VisibleString, "text", value), 1);
    EXPECT_EQ(ValueOf(value), 0u);
    EXPECT_EQ(StrToCopType(Integer16, "0x8000", value), 3);
    EXPECT_EQ(ValueOf(value), 0x7FFFu);
}

struct LimitCase {
    uint16_t type;
    uint64_t high, low;
};

constexpr LimitCase kLimits[] = {
    {Boolean, 1, 0}, {Integer8, 0x7F, 0x80}, {Integer16, 0x7FFF, 0x8000}, {Integer24, 0x7FFFFF, 0xFF800000},
    {Integer32, 0x7FFFFFFF, 0x80000000}, {Integer40, 0x7FFFFFFFFF, 0xFFFFFF8000000000},
    {Integer48, 0x7FFFFFFFFFFF, 0xFFFF800000000000}, {Integer56, 0x7FFFFFFFFFFFFF, 0xFF80000000000000},
    {Integer64, 0x7FFFFFFFFFFFFFFF, 0x8000000000000000}, {Unsigned8, 0xFF, 0}, {Unsigned16, 0xFFFF, 0},
    {Unsigned24, 0xFFFFFF, 0}, {Unsigned32, 0xFFFFFFFF, 0}, {Unsigned40, 0xFFFFFFFFFF, 0},
    {Unsigned48, 0xFFFFFFFFFFFF, 0}, {Unsigned56, 0xFFFFFFFFFFFFFF, 0}, {Unsigned64, UINT64_MAX, 0},
    {Real32, 0x7F7FC99E, 0xFF7FC99E}, {Real64, 0x7FEFFFFFFFFFFFFF, 0xFFEFFFFFFFFFFFFF},
};

TEST(StrToCopType2, SubstitutesTheChosenLimitWheneverTheParseFails) {
    uint8_t value[8];
    for (const LimitCase& c : kLimits) {
        EXPECT_EQ(StrToCopType2(c.type, "x", value, 1), 1) << c.type;
        EXPECT_EQ(ValueOf(value), c.high) << c.type;
        EXPECT_EQ(StrToCopType2(c.type, nullptr, value, 0), 1) << c.type;
        EXPECT_EQ(ValueOf(value), c.low) << c.type;
    }
    EXPECT_EQ(StrToCopType2(Unsigned16, "", value, 1), 1);
    EXPECT_EQ(ValueOf(value), 0xFFFFu);
    EXPECT_EQ(StrToCopType2(Unsigned8, "0x1FF", value, 0), 3);  // the chosen limit, not the clamped value
    EXPECT_EQ(ValueOf(value), 0u);
    EXPECT_EQ(StrToCopType2(Integer8, "-5", value, 1), 0);
    EXPECT_EQ(ValueOf(value), 0xFBu);
    EXPECT_EQ(StrToCopType2(Unsigned16, "1", nullptr, 1), 1);
    std::memset(value, 0xAA, sizeof value);
    EXPECT_EQ(StrToCopType2(Reserved23, "1", value, 1), 1);
    EXPECT_EQ(ValueOf(value), 0u);
}

TEST(StrToCopType, IntegerLimitsReadBackAsWritten) {
    for (const LimitCase& c : kLimits) {
        if (c.type == Real32 || c.type == Real64) continue;  // their substitutes are not written exactly
        for (const uint64_t bits : {c.high, c.low}) {
            const std::string text = TextOf(c.type, bits);
            uint8_t value[8];
            EXPECT_EQ(StrToCopType(c.type, text.c_str(), value), 0) << text;
            EXPECT_EQ(ValueOf(value), bits) << text;
        }
    }
}

TEST(TypeNames, TableAndAccessLookup) {
    EXPECT_STREQ(AccessTypeName(5), "RWW");
    EXPECT_STREQ(DataTypeName(OctetString), "OCTETTSTRING");
    EXPECT_STREQ(LibraryName(kLibraryNameCount - 1), "UNSIGNED64");
    EXPECT_EQ(DataTypeName(28), nullptr);
    EXPECT_EQ(FindAccessType("Rwr"), 4);
    EXPECT_EQ(FindAccessType("UNKNOWN"), -1);  // data type names are not access names
}

}  // namespace
}  // namespace vantor
