// Proleptic Gregorian calendar arithmetic on day numbers counted from
// 1899-12-30, the epoch of OLE Automation dates.
#pragma once

#include <cstdint>

#include "vantor/platform/wintypes.h"

namespace vantor::calendar {

struct CivilDate {
    int year;
    unsigned month;
    unsigned day;
};

constexpr int kSecondsPerDay = 86400;
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

constexpr bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

constexpr unsigned DaysInMonth(int year, unsigned month) {
    constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

constexpr bool IsValidCivilDate(int year, unsigned month, unsigned day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

constexpr bool IsValidTimeOfDay(unsigned hour, unsigned minute, unsigned second) {
    return hour < 24 && minute < 60 && second < 60;
}

// Days from 1899-12-30 to the given date (negative before it).
constexpr int64_t DayNumberFromCivil(int year, unsigned month, unsigned day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    constexpr int64_t kUnixEpochToOleEpoch = 25569;
    return era * 146097 + dayOfEra - 719468 + kUnixEpochToOleEpoch;
}

constexpr CivilDate CivilFromDayNumber(int64_t dayNumber) {
    const int64_t z = dayNumber - 25569 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<unsigned>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const auto month = static_cast<unsigned>(mp < 10 ? mp + 3 : mp - 9);
    const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

// 0 = Sunday; 1899-12-30 was a Saturday.
constexpr unsigned DayOfWeek(int64_t dayNumber) {
    const int64_t r = (dayNumber + 6) % 7;
    return static_cast<unsigned>(r < 0 ? r + 7 : r);
}

constexpr int64_t kFirstDayNumber = DayNumberFromCivil(kFirstYear, 1, 1);
constexpr int64_t kLastDayNumber = DayNumberFromCivil(kLastYear, 12, 31);

// The OLE date of a day and a time of day: the integer part is the day and
// the magnitude of the fraction is the time, also for days before the epoch.
inline DATE OleDateFromParts(int64_t dayNumber, int secondOfDay) {
    const double fraction = static_cast<double>(secondOfDay) / kSecondsPerDay;
    const auto day = static_cast<double>(dayNumber);
    return dayNumber < 0 ? day - fraction : day + fraction;
}

}  // namespace vantor::calendar
