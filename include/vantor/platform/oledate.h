// OLE Automation dates (days since 1899-12-30; the fraction is the time of
// day, and for negative dates the fraction counts forward from the day, as
// Windows defines them), civil dates and their text forms in English
// (United States).
#pragma once

#include "vantor/platform/wintypes.h"

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_INVARIANT = 0x007F;
constexpr LCID LOCALE_EN_US = 0x0409;

constexpr DWORD LOCALE_NOUSEROVERRIDE = 0x80000000u;

// GetDateFormat flags (only without a picture) and GetTimeFormat flags.
constexpr DWORD DATE_SHORTDATE = 0x1;
constexpr DWORD DATE_LONGDATE = 0x2;
constexpr DWORD DATE_YEARMONTH = 0x8;
constexpr DWORD TIME_NOMINUTESORSECONDS = 0x1;
constexpr DWORD TIME_NOSECONDS = 0x2;
constexpr DWORD TIME_NOTIMEMARKER = 0x4;
constexpr DWORD TIME_FORCE24HOURFORMAT = 0x8;

// VarDateFromStr flags.
constexpr DWORD VAR_TIMEVALUEONLY = 0x1;
constexpr DWORD VAR_DATEVALUEONLY = 0x2;

constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHresult(0x80020005u);
constexpr HRESULT DISP_E_OVERFLOW = MakeHresult(0x8002000Au);

// Valid OLE dates run from 100-01-01 to 9999-12-31.
VANTOR_PLATFORM_API BOOL VariantTimeToSystemTime(DATE vtime, SYSTEMTIME* lpSystemTime);
VANTOR_PLATFORM_API BOOL SystemTimeToVariantTime(const SYSTEMTIME* lpSystemTime, DATE* pvtime);

// Picture formatting with "M", "MM", "MMM", "MMMM", "d", "dd", "ddd", "dddd",
// "y", "yy", "yyyy", "g", "gg" (dates) and "h", "hh", "H", "HH", "m", "mm",
// "s", "ss", "t", "tt" (times) and quoted literals ('' is a quote); other
// characters are copied. Every locale formats as English (United States).
// A null picture uses the locale's default ("M/d/yyyy", "h:mm:ss tt"); a null
// date or time uses the current local time. Result: the characters written
// including the terminator, or needed when the size is 0; 0 on failure with
// the last error set (ERROR_INSUFFICIENT_BUFFER when the output does not fit).
VANTOR_PLATFORM_API int GetDateFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpDate, const char* lpFormat,
                                       char* lpDateStr, int cchDate);
VANTOR_PLATFORM_API int GetTimeFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpTime, const char* lpFormat,
                                       char* lpTimeStr, int cchTime);

// Date-from-text in English (United States) for every locale: month-day-year
// with '-', '/', '.' or blanks (a first number above 12 reads day-month-year),
// ISO year-month-day, English month names and abbreviations ("Jan 5, 2020",
// "5 January 2020"), 4- and 2-digit years (00-29 are 2000s, 30-99 1900s), a
// missing year is the current one; 12- and 24-hour times "h:mm[:ss]" with an
// optional AM/PM, also "10PM". A date, a time, or both with the time first or
// last. With VAR_DATEVALUEONLY a date must be present and only the date is
// returned; with VAR_TIMEVALUEONLY a time must be present and only the time
// is returned. Texts that are not dates give DISP_E_TYPEMISMATCH, dates
// outside years 100 to 9999 DISP_E_OVERFLOW; *pdateOut is then unchanged.
VANTOR_PLATFORM_API HRESULT VarDateFromStrA(const char* strIn, LCID lcid, DWORD dwFlags, DATE* pdateOut);
