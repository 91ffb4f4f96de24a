#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "vantor/platform.h"

namespace {

SYSTEMTIME Civil(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0, WORD second = 0) {
    SYSTEMTIME st{};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    st.wSecond = second;
    return st;
}

std::array<WORD, 7> Fields(const SYSTEMTIME& st) {
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

SYSTEMTIME WithDayOfWeek(SYSTEMTIME st, WORD dayOfWeek) {
    st.wDayOfWeek = dayOfWeek;  // 0 = Sunday
    return st;
}

TEST(OleDate, ConvertsBothWaysAcrossDayBoundariesLeapYearsAndTheEpoch) {
    const struct {
        DATE value;
        SYSTEMTIME civil;
    } cases[] = {
        {0.0, WithDayOfWeek(Civil(1899, 12, 30), 6)},
        {1.0, WithDayOfWeek(Civil(1899, 12, 31), 0)},
        {2.0, WithDayOfWeek(Civil(1900, 1, 1), 1)},
        {60.0, WithDayOfWeek(Civil(1900, 2, 28), 3)},  // 1900 is not a leap year
        {61.0, WithDayOfWeek(Civil(1900, 3, 1), 4)},
        {36585.0, WithDayOfWeek(Civil(2000, 2, 29), 2)},  // 2000 is
        {36586.0, WithDayOfWeek(Civil(2000, 3, 1), 3)},
        {2.5, WithDayOfWeek(Civil(1900, 1, 1, 12), 1)},
        {36526.75, WithDayOfWeek(Civil(2000, 1, 1, 18), 6)},
        {-1.0, WithDayOfWeek(Civil(1899, 12, 29), 5)},
        {-1.25, WithDayOfWeek(Civil(1899, 12, 29, 6), 5)},  // day -1, then 6 hours forward
        {-2.5, WithDayOfWeek(Civil(1899, 12, 28, 12), 4)},
        {-657434.0, WithDayOfWeek(Civil(100, 1, 1), 5)},
        {2958465.0, WithDayOfWeek(Civil(9999, 12, 31), 5)},
    };
    for (const auto& c : cases) {
        SYSTEMTIME st{};
        ASSERT_TRUE(VariantTimeToSystemTime(c.value, &st)) << c.value;
        EXPECT_EQ(Fields(st), Fields(c.civil)) << c.value;
        SYSTEMTIME withoutDayOfWeek = c.civil;
        withoutDayOfWeek.wDayOfWeek = 3;       // not read
        withoutDayOfWeek.wMilliseconds = 999;  // ignored
        DATE value = -9.0;
        ASSERT_TRUE(SystemTimeToVariantTime(&withoutDayOfWeek, &value)) << c.value;
        EXPECT_EQ(value, c.value);
    }
}

TEST(OleDate, RoundsToTheNearestSecond) {
    const struct {
        DATE value;
        SYSTEMTIME expected;
    } cases[] = {
        {1.0 + 0.4 / 86400, Civil(1899, 12, 31)},
        {1.0 + 0.6 / 86400, Civil(1899, 12, 31, 0, 0, 1)},
        {2.0 - 0.1 / 86400, Civil(1900, 1, 1)},             // 23:59:59.9 rounds into the next day
        {-1.0 - (1.0 - 0.1 / 86400), Civil(1899, 12, 30)},  // also before the epoch
        {-0.5, Civil(1899, 12, 30, 12)},
        {2958465.0 + 86399.0 / 86400, Civil(9999, 12, 31, 23, 59, 59)},
    };
    for (const auto& c : cases) {
        SYSTEMTIME st{};
        ASSERT_TRUE(VariantTimeToSystemTime(c.value, &st)) << c.value;
        st.wDayOfWeek = 0;
        EXPECT_EQ(Fields(st), Fields(c.expected)) << c.value;
    }
}

TEST(OleDate, RefusesDatesOutsideYears100To9999AndInvalidFields) {
    SYSTEMTIME st{};
    for (DATE value : {-657435.0, 2958466.0, 2958465.0 + 86399.9 / 86400, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(VariantTimeToSystemTime(value, &st)) << value;
    for (const SYSTEMTIME& invalid :
         {Civil(99, 12, 31), Civil(10000, 1, 1), Civil(2020, 13, 1), Civil(2020, 1, 0), Civil(1900, 2, 29),
          Civil(2021, 4, 31), Civil(2020, 1, 1, 24), Civil(2020, 1, 1, 0, 60), Civil(2020, 1, 1, 0, 0, 60)}) {
        DATE value = 0;
        EXPECT_FALSE(SystemTimeToVariantTime(&invalid, &value)) << invalid.wYear << "-" << invalid.wMonth;
    }
}

TEST(OleDate, SampledDaysAndSecondsRoundTripExactly) {
    for (int64_t day = -657434; day <= 2958465; day += 997) {
        for (int second = 0; second < 86400; second += 3607) {
            const DATE value = day < 0 ? day - second / 86400.0 : day + second / 86400.0;
            SYSTEMTIME st{};
            ASSERT_TRUE(VariantTimeToSystemTime(value, &st)) << value;
            DATE back = 0;
            ASSERT_TRUE(SystemTimeToVariantTime(&st, &back)) << value;
            ASSERT_EQ(back, value);
        }
    }
}

}  // namespace
