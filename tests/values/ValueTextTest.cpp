#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "common/Arithm.h"
#include "library/values/StrConv.h"

namespace vantor {
namespace {

using namespace DataType;
constexpr int kOk = ConvResult::Valid;
constexpr int kBad = ConvResult::InvalidFormat;
constexpr int kUnder = ConvResult::Underflow;
constexpr int kOver = ConvResult::Overflow;

struct IntegerCase {
    uint16_t type;
    const char* text;
    int result;
    int64_t value;  // the buffer holds its low bytes, as many as the type uses
};

TEST(IntegerText, RadixSignStopAndRange) {
    const IntegerCase cases[] = {
        {Integer32, "010", kOk, 8}, {Integer32, "08", kBad, 0}, {Integer32, "$1F", kOk, 31},
        {Integer32, "0x1a", kOk, 26}, {Integer32, "0x1g", kBad, 0}, {Integer32, "12abc", kBad, 0},
        {Integer32, "12 34", kOk, 12}, {Integer32, "1.5", kOk, 1}, {Integer32, " \t-12", kOk, -12},
        {Integer32, "-0", kOk, 0}, {Integer32, "$NODEID+0x180", kBad, 0}, {Integer32, "0x", kBad, 0},
        {Integer32, "$", kBad, 0}, {Integer32, "- 5", kBad, 0}, {Integer32, " \t ", kBad, 0},
        {Integer64, "0x80000000LL", kBad, 0}, {Integer32, "99999999999Z", kBad, 0},
        {Integer8, "128", kOver, 127}, {Integer8, "-129", kUnder, -128}, {Integer16, "0x8000", kOver, 32767},
        {Integer16, "-40000", kUnder, -32768}, {Integer24, "8388608", kOver, 8388607},
        {Integer24, "-8388608", kOk, -8388608}, {Integer24, "-8388609", kUnder, -8388608},
        {Integer32, "-2147483648", kOk, INT32_MIN}, {Integer32, "-2147483649", kUnder, INT32_MIN},
        {Integer32, "0xFFFFFFFF", kOver, INT32_MAX}, {Integer40, "549755813887", kOk, 549755813887},
        {Integer40, "-549755813889", kUnder, -549755813888}, {Integer48, "0x800000000000", kOver, 140737488355327},
        {Integer56, "-36028797018963969", kUnder, -36028797018963968},
        {Integer64, "0x7fffffffffffffff", kOk, INT64_MAX}, {Integer64, "9223372036854775808", kOver, INT64_MAX},
        {Integer64, "-9223372036854775808", kOk, INT64_MIN}, {Integer64, "-99999999999999999999", kUnder, INT64_MIN},
        {Unsigned8, "-5", kOk, 5}, {Unsigned8, "0x1FF", kOver, 0xFF}, {Unsigned16, "0177777", kOk, 0xFFFF},
        {Unsigned16, "65536", kOver, 0xFFFF}, {Unsigned24, "0x1000000", kOver, 0xFFFFFF},
        {Unsigned32, "\t 0x180", kOk, 0x180}, {Unsigned32, "0x100000000", kOver, 0xFFFFFFFF},
        {Unsigned40, "0x10000000000", kOver, 0xFFFFFFFFFF}, {Unsigned48, "281474976710656", kOver, 0xFFFFFFFFFFFF},
        {Unsigned56, "0x100000000000000", kOver, 0xFFFFFFFFFFFFFF}, {Unsigned64, "0xFFFFFFFFFFFFFFFF", kOk, -1},
        {Unsigned64, "18446744073709551616", kOver, -1}, {Boolean, "yes", kOk, 1}, {Boolean, "TRUE", kOk, 1},
        {Boolean, "7", kOk, 1}, {Boolean, "-1", kOk, 1}, {Boolean, "no", kOk, 0}, {Boolean, "0x", kOk, 0},
        {Boolean, "maybe", kBad, 0}, {Boolean, ".", kBad, 0}, {Boolean, "0x100000000", kOver, 0},
        {VisibleString, "1", kBad, 0}, {Reserved23, "1", kBad, 0}, {28, "1", kBad, 0},
    };
    for (const IntegerCase& c : cases) {
        uint8_t buffer[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        uint8_t expected[8] = {};
        StoreLittleEndian(static_cast<uint64_t>(c.value), expected, ValueSizeOf(c.type));
        EXPECT_EQ(ParseValue(c.type, c.text, buffer), c.result) << c.type << " \"" << c.text << '"';
        EXPECT_EQ(LoadLittleEndian(buffer, 8), LoadLittleEndian(expected, 8)) << c.type << " \"" << c.text << '"';
    }
}

struct RealCase {
    uint16_t type;
    const char* text;
    int result;
    double value;
};

double RealIn(uint16_t type, const uint8_t (&buffer)[8]) {
    if (type == Real32) return std::bit_cast<float>(static_cast<uint32_t>(LoadLittleEndian(buffer, 4)));
    return std::bit_cast<double>(LoadLittleEndian(buffer, 8));
}

TEST(RealText, SyntaxRangeZeroAndSubnormals) {
    constexpr double kMax64 = std::numeric_limits<double>::max();
    constexpr double kMax32 = std::numeric_limits<float>::max();
    const RealCase cases[] = {
        {Real64, "1,5", kOk, 1.5}, {Real64, "1.5E-3", kOk, 1.5e-3}, {Real64, "1e+05", kOk, 1e5},
        {Real64, ".5", kOk, 0.5}, {Real64, "5.", kOk, 5.0}, {Real64, " \t-2.5", kOk, -2.5},
        {Real64, "0", kOk, 0.0}, {Real64, "-0", kOk, -0.0}, {Real64, "1e-400", kOk, 0.0},
        {Real64, "4.9406564584124654E-324", kOk, std::numeric_limits<double>::denorm_min()},
        {Real64, "1.7976931348623157E+308", kOk, kMax64}, {Real64, "1e400", kOver, kMax64},
        {Real64, "-1e400", kUnder, -kMax64}, {Real64, "1e5000", kOver, kMax64}, {Real64, "-1e5000", kUnder, -kMax64},
        {Real64, "1-", kBad, 0}, {Real64, "1E", kBad, 0}, {Real64, "1..5", kBad, 0}, {Real64, "+-1", kBad, 0},
        {Real64, "1E+-5", kBad, 0}, {Real64, "1e3E2", kBad, 0}, {Real64, "1E2.5", kBad, 0},
        {Real64, "1.5 ", kBad, 0}, {Real64, "0x1p3", kBad, 0}, {Real64, "", kBad, 0},
        {Real32, "0.1", kOk, 0.1f}, {Real32, "3.40282347E+38", kOk, kMax32},
        {Real32, "3.4028235E+038", kOk, kMax32},  // the largest single as it is written
        {Real32, "3.5E38", kOver, kMax32}, {Real32, "-3.5E38", kUnder, -kMax32},
        {Real32, "1e-40", kOk, 1e-40f}, {Real32, "-1e-50", kOk, -0.0},
    };
    for (const RealCase& c : cases) {
        uint8_t buffer[8];
        EXPECT_EQ(ParseValue(c.type, c.text, buffer), c.result) << c.type << " \"" << c.text << '"';
        EXPECT_EQ(RealIn(c.type, buffer), c.value) << c.type << " \"" << c.text << '"';
        EXPECT_EQ(std::signbit(RealIn(c.type, buffer)), std::signbit(c.value)) << c.text;
    }
}

// The user's locale must play no part in either direction.
TEST(RealText, IgnoresADecimalCommaLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (!found && std::setlocale(LC_ALL, name) != nullptr) found = true;
    if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";

    double value = 0;
    const int result = ParseReal64("1.25", value);
    const std::string text = FormatReal32(1.5f);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(result, kOk);
    EXPECT_EQ(value, 1.25);
    EXPECT_EQ(text, "  1.5000000E+000");
}

}  // namespace
}  // namespace vantor
