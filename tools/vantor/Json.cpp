#include "tools/vantor/Json.h"

#include <cstdio>

#include "vantor/platform.h"

namespace vantor::cli {
namespace {

std::string Quoted(std::string_view utf8) {
    std::string quoted = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            case '\n': quoted += "\\n"; break;
            case '\r': quoted += "\\r"; break;
            case '\t': quoted += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

// Recodes text from one code page to another through UTF-16; empty when it cannot.
std::optional<std::string> Recode(std::string_view text, UINT from, DWORD fromFlags, UINT to) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(from, fromFlags, text.data(), length, nullptr, 0);
    if (wideSize <= 0) return std::nullopt;
    std::u16string wide(static_cast<std::size_t>(wideSize), u'\0');
    MultiByteToWideChar(from, fromFlags, text.data(), length, wide.data(), wideSize);
    const int size = WideCharToMultiByte(to, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::nullopt;
    std::string recoded(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideSize, recoded.data(), size, nullptr, nullptr);
    return recoded;
}

}  // namespace

std::string JsonText(std::string_view windows1252) {
    return Quoted(Recode(windows1252, CP_1252, 0, CP_UTF8).value_or(""));
}

std::string JsonFileName(std::string_view name) {
    if (Recode(name, CP_UTF8, MB_ERR_INVALID_CHARS, CP_UTF8)) return Quoted(name);
    return JsonText(name);
}

std::string JsonNumber(std::optional<int64_t> number) { return number ? std::to_string(*number) : "null"; }

}  // namespace vantor::cli
