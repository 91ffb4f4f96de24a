#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>

#include "CivilDate.h"
#include "DateNames.h"
#include "vantor/platform/lasterror.h"
#include "vantor/platform/oledate.h"

using namespace vantor::calendar;

namespace {

constexpr std::string_view kDefaultShortDate = "M/d/yyyy";
constexpr std::string_view kDefaultLongDate = "dddd, MMMM d, yyyy";
constexpr std::string_view kDefaultYearMonth = "MMMM yyyy";
constexpr std::string_view kDefaultTime = "h:mm:ss tt";

// The formatted text. An element that is left out also takes away the
// literal text written since the element before it, so that "h:mm:ss tt"
// without seconds reads "h:mm tt".
class PictureOutput {
public:
    void Literal(char c) { text_ += c; }
    void Element(std::string_view value) {
        text_ += value;
        lastElementEnd_ = text_.size();
    }
    void Number(unsigned value, int minDigits) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*u", minDigits, value);
        Element(buffer);
    }
    void Omit() { text_.resize(lastElementEnd_); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    size_t lastElementEnd_ = 0;
};

// Walks a picture, calling element(letter, count) for each run of one of the
// element letters and copying everything else, with quoted literals.
template <typename ElementFn>
void ExpandPicture(std::string_view picture, std::string_view elementLetters, PictureOutput& out, ElementFn element) {
    size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            ++i;
            if (i < picture.size() && picture[i] == '\'') {
                out.Literal('\'');
                ++i;
                continue;
            }
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        out.Literal('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out.Literal(picture[i++]);
            }
        } else if (elementLetters.find(c) != std::string_view::npos) {
            size_t count = 1;
            while (i + count < picture.size() && picture[i + count] == c) ++count;
            element(c, count);
            i += count;
        } else {
            out.Literal(c);
            ++i;
        }
    }
}

void FormatDateElement(const SYSTEMTIME& st, unsigned dayOfWeek, char letter, size_t count, PictureOutput& out) {
    switch (letter) {
    case 'd':
        if (count <= 2)
            out.Number(st.wDay, static_cast<int>(count));
        else
            out.Element(count == 3 ? kDayAbbreviations[dayOfWeek] : kDayNames[dayOfWeek]);
        break;
    case 'M':
        if (count <= 2)
            out.Number(st.wMonth, static_cast<int>(count));
        else
            out.Element(count == 3 ? kMonthAbbreviations[st.wMonth - 1] : kMonthNames[st.wMonth - 1]);
        break;
    case 'y':
        if (count <= 2)
            out.Number(st.wYear % 100u, static_cast<int>(count));
        else
            out.Number(st.wYear, 4);
        break;
    case 'g': out.Element(kEraName); break;
    }
}

void FormatTimeElement(const SYSTEMTIME& st, DWORD flags, char letter, size_t count, PictureOutput& out) {
    const bool force24 = (flags & TIME_FORCE24HOURFORMAT) != 0;
    const int digits = count >= 2 ? 2 : 1;
    switch (letter) {
    case 'h':
    case 'H': {
        const bool twelveHour = letter == 'h' && !force24;
        const unsigned hour = twelveHour ? (st.wHour % 12 == 0 ? 12u : st.wHour % 12u) : st.wHour;
        out.Number(hour, digits);
        break;
    }
    case 'm':
        if (flags & TIME_NOMINUTESORSECONDS)
            out.Omit();
        else
            out.Number(st.wMinute, digits);
        break;
    case 's':
        if (flags & (TIME_NOMINUTESORSECONDS | TIME_NOSECONDS))
            out.Omit();
        else
            out.Number(st.wSecond, digits);
        break;
    case 't':
        if (flags & (TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT)) {
            out.Omit();
        } else {
            const std::string_view marker = st.wHour < 12 ? kAnteMeridiem : kPostMeridiem;
            out.Element(count == 1 ? marker.substr(0, 1) : marker);
        }
        break;
    }
}

SYSTEMTIME LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(local.tm_year + 1900);
    st.wMonth = static_cast<WORD>(local.tm_mon + 1);
    st.wDay = static_cast<WORD>(local.tm_mday);
    st.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    st.wHour = static_cast<WORD>(local.tm_hour);
    st.wMinute = static_cast<WORD>(local.tm_min);
    st.wSecond = static_cast<WORD>(std::min(local.tm_sec, 59));
    return st;
}

// Windows result convention: size 0 asks for the size, a buffer that is too
// small fails with ERROR_INSUFFICIENT_BUFFER.
int CopyResult(const std::string& text, char* buffer, int size) {
    const int needed = static_cast<int>(text.size()) + 1;
    if (size == 0) return needed;
    if (size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
    return needed;
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

bool ChooseDatePicture(DWORD flags, const char* picture, std::string_view& chosen) {
    const DWORD kinds = flags & (DATE_SHORTDATE | DATE_LONGDATE | DATE_YEARMONTH);
    if (picture) {
        chosen = picture;
        return kinds == 0;
    }
    switch (kinds) {
    case 0:
    case DATE_SHORTDATE: chosen = kDefaultShortDate; return true;
    case DATE_LONGDATE: chosen = kDefaultLongDate; return true;
    case DATE_YEARMONTH: chosen = kDefaultYearMonth; return true;
    default: return false;
    }
}

}  // namespace

int GetDateFormatA(LCID, DWORD dwFlags, const SYSTEMTIME* lpDate, const char* lpFormat, char* lpDateStr, int cchDate) {
    if (cchDate < 0 || (cchDate > 0 && !lpDateStr)) return Fail(ERROR_INVALID_PARAMETER);
    std::string_view picture;
    if (!ChooseDatePicture(dwFlags, lpFormat, picture)) return Fail(ERROR_INVALID_FLAGS);
    const SYSTEMTIME date = lpDate ? *lpDate : LocalNow();
    if (date.wYear < 1 || date.wYear > kLastYear || !IsValidCivilDate(date.wYear, date.wMonth, date.wDay))
        return Fail(ERROR_INVALID_PARAMETER);
    const unsigned dayOfWeek = DayOfWeek(DayNumberFromCivil(date.wYear, date.wMonth, date.wDay));
    PictureOutput out;
    ExpandPicture(picture, "dMyg", out,
                  [&](char letter, size_t count) { FormatDateElement(date, dayOfWeek, letter, count, out); });
    return CopyResult(out.Text(), lpDateStr, cchDate);
}

int GetTimeFormatA(LCID, DWORD dwFlags, const SYSTEMTIME* lpTime, const char* lpFormat, char* lpTimeStr, int cchTime) {
    if (cchTime < 0 || (cchTime > 0 && !lpTimeStr)) return Fail(ERROR_INVALID_PARAMETER);
    constexpr DWORD kKnownFlags =
        TIME_NOMINUTESORSECONDS | TIME_NOSECONDS | TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT | LOCALE_NOUSEROVERRIDE;
    if (dwFlags & ~kKnownFlags) return Fail(ERROR_INVALID_FLAGS);
    const SYSTEMTIME time = lpTime ? *lpTime : LocalNow();
    if (!IsValidTimeOfDay(time.wHour, time.wMinute, time.wSecond) || time.wMilliseconds > 999)
        return Fail(ERROR_INVALID_PARAMETER);
    const std::string_view picture = lpFormat ? std::string_view(lpFormat) : kDefaultTime;
    PictureOutput out;
    ExpandPicture(picture, "hHmst", out,
                  [&](char letter, size_t count) { FormatTimeElement(time, dwFlags, letter, count, out); });
    return CopyResult(out.Text(), lpTimeStr, cchTime);
}
