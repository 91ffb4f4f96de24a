// Date-from-text in English (United States): month-day-year dates with '-',
// '/', '.' or blanks, ISO year-month-day, month names, and 12- or 24-hour
// times with optional seconds and AM/PM.
#include <cctype>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CivilDate.h"
#include "DateNames.h"
#include "vantor/platform/oledate.h"

using namespace vantor::calendar;

namespace {

struct Token {
    enum class Kind { Number, Word, Separator } kind;
    std::string_view text;
    unsigned value = 0;  // numbers only
};

bool IsNumber(const Token& t) { return t.kind == Token::Kind::Number; }
bool IsWord(const Token& t) { return t.kind == Token::Kind::Word; }
bool IsSeparator(const Token& t, char c) { return t.kind == Token::Kind::Separator && t.text[0] == c; }

constexpr size_t kMaxDigits = 9;

std::optional<std::vector<Token>> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t end = i + 1;
        if (std::isspace(c)) {
            while (end < text.size() && std::isspace(static_cast<unsigned char>(text[end]))) ++end;
            tokens.push_back({Token::Kind::Separator, " "});
        } else if (std::isdigit(c)) {
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
            if (end - i > kMaxDigits) return std::nullopt;
            Token number{Token::Kind::Number, text.substr(i, end - i)};
            for (char digit : number.text) number.value = number.value * 10 + static_cast<unsigned>(digit - '0');
            tokens.push_back(number);
        } else if (std::isalpha(c)) {
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
            tokens.push_back({Token::Kind::Word, text.substr(i, end - i)});
        } else if (std::string_view("-/.,:").find(static_cast<char>(c)) != std::string_view::npos) {
            tokens.push_back({Token::Kind::Separator, text.substr(i, 1)});
        } else {
            return std::nullopt;
        }
        i = end;
    }
    return tokens;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// 1 to 12 for a month name or its abbreviation ("Sept" too), else 0.
unsigned MonthFromName(std::string_view word) {
    for (unsigned m = 0; m < 12; ++m)
        if (EqualsNoCase(word, kMonthNames[m]) || EqualsNoCase(word, kMonthAbbreviations[m])) return m + 1;
    return EqualsNoCase(word, "Sept") ? 9 : 0;
}

bool IsDayName(std::string_view word) {
    for (unsigned d = 0; d < 7; ++d)
        if (EqualsNoCase(word, kDayNames[d]) || EqualsNoCase(word, kDayAbbreviations[d])) return true;
    return false;
}

enum class Meridiem { None, Ante, Post };

Meridiem MeridiemFromWord(std::string_view word) {
    if (EqualsNoCase(word, kAnteMeridiem)) return Meridiem::Ante;
    if (EqualsNoCase(word, kPostMeridiem)) return Meridiem::Post;
    return Meridiem::None;
}

bool IsMeridiemWord(const Token& t) { return IsWord(t) && MeridiemFromWord(t.text) != Meridiem::None; }

struct TimeSpan {
    size_t begin = 0;
    size_t end = 0;
};

// Finds "h:mm[:ss][ AM|PM]" or "h AM|PM" in the tokens.
std::optional<TimeSpan> FindTime(const std::vector<Token>& tokens) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!IsNumber(tokens[i])) continue;
        size_t end = i + 1;
        const bool clock = end + 1 < tokens.size() && IsSeparator(tokens[end], ':') && IsNumber(tokens[end + 1]);
        if (clock) {
            end += 2;
            if (end + 1 < tokens.size() && IsSeparator(tokens[end], ':') && IsNumber(tokens[end + 1])) end += 2;
        }
        size_t markerAt = end;
        if (markerAt < tokens.size() && IsSeparator(tokens[markerAt], ' ')) ++markerAt;
        if (markerAt < tokens.size() && IsMeridiemWord(tokens[markerAt]))
            end = markerAt + 1;
        else if (!clock)
            continue;
        return TimeSpan{i, end};
    }
    return std::nullopt;
}

// Seconds since midnight of the time tokens, or nothing when out of range.
std::optional<int> ReadTime(const std::vector<Token>& tokens, TimeSpan span) {
    unsigned parts[3] = {0, 0, 0};
    size_t count = 0;
    Meridiem meridiem = Meridiem::None;
    for (size_t i = span.begin; i < span.end; ++i) {
        const Token& t = tokens[i];
        if (IsNumber(t)) {
            if (t.text.size() > 2) return std::nullopt;
            parts[count++] = t.value;
        } else if (IsWord(t)) {
            meridiem = MeridiemFromWord(t.text);
        }
    }
    unsigned hour = parts[0];
    if (meridiem != Meridiem::None && hour <= 12) {
        hour %= 12;
        if (meridiem == Meridiem::Post) hour += 12;
    } else if (meridiem == Meridiem::Ante) {
        return std::nullopt;  // "13:00 AM"; "13:00 PM" is read as 24-hour time
    }
    if (!IsValidTimeOfDay(hour, parts[1], parts[2])) return std::nullopt;
    return static_cast<int>(hour * 3600 + parts[1] * 60 + parts[2]);
}

struct DateItems {
    std::vector<const Token*> numbers;
    unsigned month = 0;  // from a month name
};

// Collects the numbers and the month name of a date, refusing anything else
// and more than one separator mark between two items.
std::optional<DateItems> CollectDateItems(const std::vector<Token>& tokens, size_t begin, size_t end) {
    DateItems items;
    int marksSinceItem = 0;
    bool afterWord = false;
    bool seenItem = false;
    for (size_t i = begin; i < end; ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::Kind::Separator) {
            if (t.text[0] == ':') return std::nullopt;
            if (t.text[0] != ' ') ++marksSinceItem;
            if (marksSinceItem > (afterWord ? 2 : 1)) return std::nullopt;  // "Jan., 5"
            continue;
        }
        if (!seenItem && marksSinceItem > 0) return std::nullopt;
        if (IsNumber(t)) {
            items.numbers.push_back(&t);
        } else if (const unsigned month = MonthFromName(t.text); month != 0) {
            if (items.month != 0) return std::nullopt;
            items.month = month;
        } else if (!IsDayName(t.text)) {
            return std::nullopt;
        }
        seenItem = true;
        afterWord = IsWord(t);
        marksSinceItem = 0;
    }
    if (marksSinceItem > (afterWord ? 1 : 0)) return std::nullopt;  // trailing mark, except "Jan."
    return items;
}

int CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// Years of one or two digits fall in 1930 to 2029.
int FullYear(const Token& year) {
    const auto value = static_cast<int>(year.value);
    if (year.text.size() > 2) return value;
    return value < 30 ? 2000 + value : 1900 + value;
}

bool HasLongDigits(const Token* t) { return t->text.size() > 2; }

struct ParsedDate {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
};

std::optional<ParsedDate> ResolveNumericDate(const std::vector<const Token*>& n) {
    if (n.size() == 3) {
        if (HasLongDigits(n[0])) return ParsedDate{FullYear(*n[0]), n[1]->value, n[2]->value};
        ParsedDate date{FullYear(*n[2]), n[0]->value, n[1]->value};
        // A first number that cannot be a month but can be a day reads day-month-year.
        if (date.month > 12 && date.day <= 12) std::swap(date.month, date.day);
        return date;
    }
    if (n.size() == 2) {
        if (HasLongDigits(n[0])) return ParsedDate{FullYear(*n[0]), n[1]->value, 1};
        if (HasLongDigits(n[1])) return ParsedDate{FullYear(*n[1]), n[0]->value, 1};
        ParsedDate date{CurrentYear(), n[0]->value, n[1]->value};
        if (date.month > 12 && date.day <= 12) std::swap(date.month, date.day);
        return date;
    }
    return std::nullopt;
}

std::optional<ParsedDate> ResolveNamedMonthDate(const std::vector<const Token*>& n, unsigned month) {
    if (n.size() == 1) {
        if (HasLongDigits(n[0]) || n[0]->value > 31) return ParsedDate{FullYear(*n[0]), month, 1};
        return ParsedDate{CurrentYear(), month, n[0]->value};
    }
    if (n.size() == 2) {
        if (HasLongDigits(n[0])) return ParsedDate{FullYear(*n[0]), month, n[1]->value};
        return ParsedDate{FullYear(*n[1]), month, n[0]->value};
    }
    return std::nullopt;
}

// The day number of the date tokens, or the failure status.
HRESULT ReadDate(const std::vector<Token>& tokens, size_t begin, size_t end, int64_t& dayNumber) {
    const auto items = CollectDateItems(tokens, begin, end);
    if (!items) return DISP_E_TYPEMISMATCH;
    const auto date =
        items->month ? ResolveNamedMonthDate(items->numbers, items->month) : ResolveNumericDate(items->numbers);
    if (!date || date->month < 1 || date->month > 12 || date->day < 1 || date->day > 31) return DISP_E_TYPEMISMATCH;
    if (date->year < kFirstYear || date->year > kLastYear) return DISP_E_OVERFLOW;
    if (!IsValidCivilDate(date->year, date->month, date->day)) return DISP_E_TYPEMISMATCH;
    dayNumber = DayNumberFromCivil(date->year, date->month, date->day);
    return S_OK;
}

bool OnlyBlanks(const std::vector<Token>& tokens, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i)
        if (!IsSeparator(tokens[i], ' ')) return false;
    return true;
}

}  // namespace

HRESULT VarDateFromStrA(const char* strIn, LCID, DWORD dwFlags, DATE* pdateOut) {
    if (!strIn || !pdateOut) return E_INVALIDARG;
    const bool dateOnly = dwFlags & VAR_DATEVALUEONLY;
    const bool timeOnly = dwFlags & VAR_TIMEVALUEONLY;
    if (dateOnly && timeOnly) return E_INVALIDARG;
    const auto tokens = Tokenize(strIn);
    if (!tokens) return DISP_E_TYPEMISMATCH;

    int secondOfDay = 0;
    size_t dateBegin = 0;
    size_t dateEnd = tokens->size();
    const auto time = FindTime(*tokens);
    if (time) {
        const auto seconds = ReadTime(*tokens, *time);
        if (!seconds) return DISP_E_TYPEMISMATCH;
        secondOfDay = *seconds;
        const bool timeFirst = OnlyBlanks(*tokens, 0, time->begin);
        const bool timeLast = OnlyBlanks(*tokens, time->end, tokens->size());
        if (!timeFirst && !timeLast) return DISP_E_TYPEMISMATCH;
        if (timeFirst)
            dateBegin = time->end;
        else
            dateEnd = time->begin;
    } else if (timeOnly) {
        return DISP_E_TYPEMISMATCH;
    }

    int64_t dayNumber = 0;
    const bool hasDate = !OnlyBlanks(*tokens, dateBegin, dateEnd);
    if (hasDate) {
        const HRESULT hr = ReadDate(*tokens, dateBegin, dateEnd, dayNumber);
        if (FAILED(hr)) return hr;
    } else if (!time || dateOnly) {
        return DISP_E_TYPEMISMATCH;
    }

    if (dateOnly)
        *pdateOut = static_cast<DATE>(dayNumber);
    else if (timeOnly)
        *pdateOut = OleDateFromParts(0, secondOfDay);
    else
        *pdateOut = OleDateFromParts(dayNumber, secondOfDay);
    return S_OK;
}
