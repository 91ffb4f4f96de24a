#include "vantor/platform/oledate.h"

#include <cmath>

#include "CivilDate.h"

using namespace vantor::calendar;

static_assert(DayNumberFromCivil(1899, 12, 30) == 0);
static_assert(DayNumberFromCivil(1900, 1, 1) == 2);
static_assert(kFirstDayNumber == -657434);
static_assert(kLastDayNumber == 2958465);

namespace {

struct DayAndTime {
    int64_t dayNumber;
    int secondOfDay;
};

// Splits a date into its day and its time rounded to the nearest second;
// a time that rounds up to midnight moves to the next calendar day.
bool SplitOleDate(DATE value, DayAndTime& out) {
    if (!std::isfinite(value) || value <= kFirstDayNumber - 1.0 || value >= kLastDayNumber + 1.0) return false;
    const double day = std::trunc(value);
    const double fraction = std::fabs(value - day);
    auto seconds = static_cast<int>(std::lround(fraction * kSecondsPerDay));
    auto dayNumber = static_cast<int64_t>(day);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        ++dayNumber;
    }
    if (dayNumber < kFirstDayNumber || dayNumber > kLastDayNumber) return false;
    out = {dayNumber, seconds};
    return true;
}

}  // namespace

BOOL VariantTimeToSystemTime(DATE vtime, SYSTEMTIME* lpSystemTime) {
    DayAndTime parts{};
    if (!lpSystemTime || !SplitOleDate(vtime, parts)) return FALSE;
    const CivilDate civil = CivilFromDayNumber(parts.dayNumber);
    lpSystemTime->wYear = static_cast<WORD>(civil.year);
    lpSystemTime->wMonth = static_cast<WORD>(civil.month);
    lpSystemTime->wDay = static_cast<WORD>(civil.day);
    lpSystemTime->wDayOfWeek = static_cast<WORD>(DayOfWeek(parts.dayNumber));
    lpSystemTime->wHour = static_cast<WORD>(parts.secondOfDay / 3600);
    lpSystemTime->wMinute = static_cast<WORD>(parts.secondOfDay / 60 % 60);
    lpSystemTime->wSecond = static_cast<WORD>(parts.secondOfDay % 60);
    lpSystemTime->wMilliseconds = 0;
    return TRUE;
}

// Milliseconds are ignored and the day of week is not read, as on Windows.
BOOL SystemTimeToVariantTime(const SYSTEMTIME* lpSystemTime, DATE* pvtime) {
    if (!lpSystemTime || !pvtime) return FALSE;
    const SYSTEMTIME& st = *lpSystemTime;
    if (st.wYear < kFirstYear || st.wYear > kLastYear) return FALSE;
    if (!IsValidCivilDate(st.wYear, st.wMonth, st.wDay)) return FALSE;
    if (!IsValidTimeOfDay(st.wHour, st.wMinute, st.wSecond)) return FALSE;
    const int seconds = st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    *pvtime = OleDateFromParts(DayNumberFromCivil(st.wYear, st.wMonth, st.wDay), seconds);
    return TRUE;
}
