#include <gtest/gtest.h>

#include <string>

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
    st.wDayOfWeek = 4;  // wrong on purpose: the day of week is computed
    return st;
}

std::string Format(bool date, const SYSTEMTIME& st, const char* picture, DWORD flags = 0) {
    char out[64] = {};
    const int n = date ? GetDateFormatA(LOCALE_USER_DEFAULT, flags, &st, picture, out, sizeof out)
                       : GetTimeFormatA(LOCALE_EN_US, flags, &st, picture, out, sizeof out);
    return n > 0 ? std::string(out) : "<failed " + std::to_string(GetLastError()) + ">";
}

TEST(OleDateFormat, DatePictures) {
    const struct {
        SYSTEMTIME date;
        const char* picture;
        DWORD flags;
        const char* expected;
    } cases[] = {
        {Civil(2020, 1, 5), "MM-dd-yyyy", 0, "01-05-2020"},
        {Civil(2020, 1, 5), "M/d/yy", 0, "1/5/20"},
        {Civil(2020, 1, 5), "dddd, MMMM d, yyyy", 0, "Sunday, January 5, 2020"},
        {Civil(2021, 9, 15), "ddd dd MMM y", 0, "Wed 15 Sep 21"},
        {Civil(100, 3, 1), "yyyy-MM-dd gg", 0, "0100-03-01 A.D."},
        {Civil(2020, 1, 5), "d''M 'it''s' hh", 0, "5'1 it's hh"},  // time letters are text here
        {Civil(2020, 1, 5), nullptr, 0, "1/5/2020"},
        {Civil(2020, 1, 5), nullptr, DATE_LONGDATE, "Sunday, January 5, 2020"},
        {Civil(2021, 2, 29), "MM-dd-yyyy", 0, "<failed 87>"},
        {Civil(2021, 1, 1), "MM-dd-yyyy", DATE_LONGDATE, "<failed 1004>"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(true, c.date, c.picture, c.flags), c.expected) << c.expected;
}

TEST(OleDateFormat, TimePictures) {
    const struct {
        SYSTEMTIME time;
        const char* picture;
        DWORD flags;
        const char* expected;
    } cases[] = {
        {Civil(2020, 1, 5, 0, 5), "hh:mm tt", 0, "12:05 AM"},
        {Civil(2020, 1, 5, 11, 59), "hh:mm tt", 0, "11:59 AM"},
        {Civil(2020, 1, 5, 12, 0), "hh:mm tt", 0, "12:00 PM"},
        {Civil(2020, 1, 5, 13, 7), "hh:mm tt", 0, "01:07 PM"},
        {Civil(2020, 1, 5, 23, 9), "h:m t", 0, "11:9 P"},
        {Civil(2020, 1, 5, 9, 5, 3), "HH'h'mm:ss", 0, "09h05:03"},
        {Civil(2020, 1, 5, 13, 7, 9), nullptr, 0, "1:07:09 PM"},
        {Civil(2020, 1, 5, 13, 7, 9), nullptr, TIME_NOSECONDS, "1:07 PM"},
        {Civil(2020, 1, 5, 13, 7, 9), nullptr, TIME_NOMINUTESORSECONDS | TIME_NOTIMEMARKER, "1"},
        {Civil(2020, 1, 5, 13, 7, 9), "hh:mm tt", TIME_FORCE24HOURFORMAT, "13:07"},
        {Civil(2021, 1, 1, 24), "hh:mm tt", 0, "<failed 87>"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(false, c.time, c.picture, c.flags), c.expected) << c.expected;
}

TEST(OleDateFormat, SizeQueryAndTooSmallBuffer) {
    const SYSTEMTIME date = Civil(2020, 1, 5, 13, 7);
    EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, 0, &date, "MM-dd-yyyy", nullptr, 0), 11);
    char exact[11];
    EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, 0, &date, "MM-dd-yyyy", exact, 11), 11);
    EXPECT_STREQ(exact, "01-05-2020");
    SetLastError(0);
    EXPECT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &date, "hh:mm tt", exact, 8), 0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

}  // namespace
