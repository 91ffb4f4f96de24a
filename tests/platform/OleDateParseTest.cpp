#include <gtest/gtest.h>

#include <string>

#include "vantor/platform.h"

namespace {

// Values are exact: days plus seconds / 86400.
double TimeOfDay(int hour, int minute, int second = 0) { return (hour * 3600 + minute * 60 + second) / 86400.0; }

constexpr DWORD kDate = VAR_DATEVALUEONLY;
constexpr DWORD kTime = VAR_TIMEVALUEONLY;

TEST(OleDateParse, ReadsDatesTimesAndBoth) {
    const struct {
        const char* text;
        DWORD flags;
        DATE expected;
    } cases[] = {
        {"01-05-2020", kDate, 43835.0},
        {" 1 / 5 / 2020 ", kDate, 43835.0},
        {"1.5.20", kDate, 43835.0},
        {"1-5-29", kDate, 47123.0},  // 00-29 are 2000s
        {"1-5-30", kDate, 10963.0},  // 30-99 are 1900s
        {"2020-01-05", kDate, 43835.0},
        {"Jan 5, 2020", kDate, 43835.0},
        {"Sunday, 5 january 2020", kDate, 43835.0},
        {"Sept. 1, 2020", kDate, 44075.0},
        {"13-05-2020", kDate, 43964.0},  // cannot be month 13: day-month-year
        {"02-29-2000", kDate, 36585.0},
        {"12-29-1899", kDate, -1.0},
        {"01-01-1900", kDate, 2.0},
        {"01-01-0100", kDate, -657434.0},
        {"12-31-9999", kDate, 2958465.0},
        {"01-05-2020 10:30 PM", kDate, 43835.0},
        {"10:30", kTime, TimeOfDay(10, 30)},
        {"10:30:15 pm", kTime, TimeOfDay(22, 30, 15)},
        {"12:00AM", kTime, 0.0},
        {"12:00 PM", kTime, 0.5},
        {"13:37PM", kTime, TimeOfDay(13, 37)},  // 24-hour time with a redundant marker
        {"10 pm", kTime, TimeOfDay(22, 0)},
        {"23:59:59", kTime, TimeOfDay(23, 59, 59)},
        {"01-05-2020 10:30", kTime, TimeOfDay(10, 30)},
        {"01-05-2020 10:30", 0, 43835.0 + TimeOfDay(10, 30)},
        {"10:30 PM 01-05-2020", 0, 43835.0 + TimeOfDay(22, 30)},
        {"12-29-1899 06:00", 0, -1.25},  // before the epoch the time still counts forward
        {"10:30", 0, TimeOfDay(10, 30)},
    };
    for (const auto& c : cases) {
        DATE value = -1e9;
        EXPECT_EQ(VarDateFromStrA(c.text, LOCALE_EN_US, c.flags, &value), S_OK) << c.text;
        EXPECT_EQ(value, c.expected) << c.text;
    }
}

TEST(OleDateParse, RefusesTextsThatAreNotDates) {
    const struct {
        const char* text;
        DWORD flags;
        HRESULT expected;
    } cases[] = {
        {"", kDate, DISP_E_TYPEMISMATCH},
        {"   ", 0, DISP_E_TYPEMISMATCH},
        {"abc", kDate, DISP_E_TYPEMISMATCH},
        {"13-45-2020", kDate, DISP_E_TYPEMISMATCH},
        {"02-29-1900", kDate, DISP_E_TYPEMISMATCH},
        {"00-10-2020", kDate, DISP_E_TYPEMISMATCH},
        {"1--5-2020", kDate, DISP_E_TYPEMISMATCH},
        {"1-5-2020-", kDate, DISP_E_TYPEMISMATCH},
        {"1-2-3-4", kDate, DISP_E_TYPEMISMATCH},
        {"Jan Feb 2020", kDate, DISP_E_TYPEMISMATCH},
        {"1#5#2020", kDate, DISP_E_TYPEMISMATCH},
        {"1-5-2020123456789", kDate, DISP_E_TYPEMISMATCH},
        {"10:30", kDate, DISP_E_TYPEMISMATCH},
        {"01-05-2020", kTime, DISP_E_TYPEMISMATCH},
        {"25:00", kTime, DISP_E_TYPEMISMATCH},
        {"10:60", kTime, DISP_E_TYPEMISMATCH},
        {"13:00 AM", kTime, DISP_E_TYPEMISMATCH},
        {"1-5 10:30 2020", 0, DISP_E_TYPEMISMATCH},
        {"01-01-0001", kDate, DISP_E_OVERFLOW},  // a real date, before year 100
        {nullptr, 0, E_INVALIDARG},
        {"1-5-2020", kDate | kTime, E_INVALIDARG},
    };
    for (const auto& c : cases) {
        DATE value = 7.0;
        EXPECT_EQ(VarDateFromStrA(c.text, LOCALE_USER_DEFAULT, c.flags, &value), c.expected) << c.text;
        EXPECT_EQ(value, 7.0) << c.text;
    }
}

TEST(OleDateParse, MissingYearIsTheCurrentYear) {
    char year[8];
    ASSERT_GT(GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "yyyy", year, sizeof year), 0);
    DATE withYear = 0;
    DATE withoutYear = 0;
    ASSERT_EQ(VarDateFromStrA((std::string("3-4-") + year).c_str(), LOCALE_USER_DEFAULT, 0, &withYear), S_OK);
    ASSERT_EQ(VarDateFromStrA("3/4", LOCALE_USER_DEFAULT, 0, &withoutYear), S_OK);
    EXPECT_EQ(withoutYear, withYear);
}

// The field pictures read back to the same value: every 97th day over the
// whole range for dates, every minute of a day for times.
TEST(OleDateParse, FormattedDatesAndTimesReadBack) {
    char text[32];
    for (int day = -657434; day <= 2958465; day += 97) {
        SYSTEMTIME st{};
        ASSERT_TRUE(VariantTimeToSystemTime(day, &st));
        ASSERT_GT(GetDateFormatA(LOCALE_EN_US, 0, &st, "MM-dd-yyyy", text, sizeof text), 0);
        DATE back = 0;
        ASSERT_EQ(VarDateFromStrA(text, LOCALE_EN_US, kDate, &back), S_OK) << text;
        ASSERT_EQ(back, day) << text;
    }
    for (int minute = 0; minute < 24 * 60; ++minute) {
        const DATE value = TimeOfDay(0, minute);
        SYSTEMTIME st{};
        ASSERT_TRUE(VariantTimeToSystemTime(value, &st));
        ASSERT_GT(GetTimeFormatA(LOCALE_EN_US, 0, &st, "hh:mm tt", text, sizeof text), 0);
        DATE back = -1;
        ASSERT_EQ(VarDateFromStrA(text, LOCALE_USER_DEFAULT, kTime, &back), S_OK) << text;
        ASSERT_EQ(back, value) << text;
    }
}

}  // namespace
