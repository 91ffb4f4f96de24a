// Warnings about EDS text that the import accepts in silence: sections and
// keys given twice, counts that disagree with what they count, object lists
// that disagree with the object sections, default values outside their
// limits, and PDO mappings of objects that cannot be mapped.
#pragma once

#include "tools/vantor/EdsText.h"
#include "tools/vantor/Problem.h"

namespace vantor::cli {

Problems FindTextWarnings(const EdsText& text);

// The parts, each adding its warnings.
void FindRepetitions(const EdsText& text, Problems& problems);
void FindCountMismatches(const EdsText& text, Problems& problems);
void FindObjectListMismatches(const EdsText& text, Problems& problems);
void FindValuesOutOfRange(const EdsText& text, Problems& problems);
void FindBadPdoMappings(const EdsText& text, Problems& problems);

// Helpers shared by the parts.
Problem Warning(const TextSection& section, int line, std::string key, std::string message);
std::string Hex(uint32_t value, int digits);
// "0x6000:01" for an object address.
std::string Address(uint16_t index, uint8_t subIndex);
// A boolean key's value as the library reads it: a number (non-zero is true)
// or a text starting with one of "1TtYy".
bool IsTrue(std::string_view text);

}  // namespace vantor::cli
