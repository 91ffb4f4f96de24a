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

// VarDateFromStr flags.
constexpr DWORD VAR_TIMEVALUEONLY = 0x1;
constexpr DWORD VAR_DATEVALUEONLY = 0x2;

constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHresult(0x80020005u);
constexpr HRESULT DISP_E_OVERFLOW = MakeHresult(0x8002000Au);

// Valid OLE dates run from 100-01-01 to 9999-12-31.
VANTOR_PLATFORM_API BOOL VariantTimeToSystemTime(DATE vtime, SYSTEMTIME* lpSystemTime);
VANTOR_PLATFORM_API BOOL SystemTimeToVariantTime(const SYSTEMTIME* lpSystemTime, DATE* pvtime);

// Picture formatting with "M", "MM", "d", "dd", "yy", "yyyy" and "h", "hh",
// "H", "HH", "m", "mm", "s", "ss", "t", "tt" and quoted literals. Result: the
// characters written including the terminator, or needed when cchDate is 0;
// 0 on failure with the last error set.
VANTOR_PLATFORM_API int GetDateFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpDate, const char* lpFormat,
                                       char* lpDateStr, int cchDate);
VANTOR_PLATFORM_API int GetTimeFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpTime, const char* lpFormat,
                                       char* lpTimeStr, int cchTime);

// Date-from-text: month-day-year with '-', '/' or '.', 4- and 2-digit years,
// English month names, 12- and 24-hour times with optional seconds and AM/PM.
// With VAR_DATEVALUEONLY only a date is read, with VAR_TIMEVALUEONLY only a
// time. Texts that are not dates give DISP_E_TYPEMISMATCH.
VANTOR_PLATFORM_API HRESULT VarDateFromStrA(const char* strIn, LCID lcid, DWORD dwFlags, DATE* pdateOut);
