#include "library/dictionary/DictText.h"

#include <cstdarg>
#include <cstdio>

#include "library/storage/Streams.h"

namespace vantor {

std::string Formatted(const char* format, ...) {
    char line[320];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return line;
}

void WriteErrorLine(CStream* errors, const std::string& line) {
    if (errors) WriteLine(errors, line.c_str());
}

std::string ElementName(uint8_t number) { return Formatted("$%2.2X", static_cast<unsigned>(number)); }

std::optional<uint8_t> ElementNumber(const OLECHAR* name) {
    // "$" and two upper-case hexadecimal digits; "$1", "$010" or "$1ff" are
    // other elements, not numbered ones.
    if (!name || name[0] != u'$') return std::nullopt;
    unsigned value = 0;
    int digits = 0;
    for (const OLECHAR* c = name + 1; *c; ++c, ++digits) {
        if (*c >= u'0' && *c <= u'9') {
            value = value * 16 + static_cast<unsigned>(*c - u'0');
        } else if (*c >= u'A' && *c <= u'F') {
            value = value * 16 + static_cast<unsigned>(*c - u'A' + 10);
        } else {
            return std::nullopt;
        }
        if (digits >= 2) return std::nullopt;
    }
    if (digits != 2) return std::nullopt;
    return static_cast<uint8_t>(value);
}

}  // namespace vantor
