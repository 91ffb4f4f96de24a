#include "tools/vantor/TextChecks.h"

#include <cstdio>

#include "tools/vantor/ValueText.h"

namespace vantor::cli {

Problems FindTextWarnings(const EdsText& text) {
    Problems problems;
    FindRepetitions(text, problems);
    FindCountMismatches(text, problems);
    FindObjectListMismatches(text, problems);
    FindValuesOutOfRange(text, problems);
    FindBadPdoMappings(text, problems);
    return problems;
}

Problem Warning(const TextSection& section, int line, std::string key, std::string message) {
    return {line, Severity::Warning, section.name.canonical, std::move(key), std::move(message)};
}

std::string Hex(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string Address(uint16_t index, uint8_t subIndex) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%4.4X:%2.2X", static_cast<unsigned>(index), static_cast<unsigned>(subIndex));
    return text;
}

bool IsTrue(std::string_view text) {
    if (const auto number = ReadNumber(text)) return *number != 0;
    return !text.empty() && std::string_view("1TtYy").find(text.front()) != std::string_view::npos;
}

}  // namespace vantor::cli
