// The library's name table: access names followed by data type names.
#include <array>

#include "common/Strings.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr std::array<const char*, kLibraryNameCount> kNames = {
    "CONST",         "RO",           "WO",           "RW",
    "RWR",           "RWW",
    // data type codes 0 to 27
    "UNKNOWN",       "BOOLEAN",      "INTEGER8",     "INTEGER16",
    "INTEGER32",     "UNSIGNED8",    "UNSIGNED16",   "UNSIGNED32",
    "REAL32",        "VISIBLESTRING", "OCTETTSTRING", "UNICODESTRING",
    "TIMEOFDAY",     "TIMEDIFFERENCE", "BITSTRING",   "DOMAIN",
    "INTEGER24",     "REAL64",       "INTEGER40",    "INTEGER48",
    "INTEGER56",     "INTEGER64",    "UNSIGNED24",   "RESERVED",
    "UNSIGNED40",    "UNSIGNED48",   "UNSIGNED56",   "UNSIGNED64",
};

}  // namespace

const char* LibraryName(std::size_t index) { return index < kNames.size() ? kNames[index] : nullptr; }

const char* AccessTypeName(std::size_t index) { return index < kAccessTypeCount ? kNames[index] : nullptr; }

const char* DataTypeName(uint16_t code) {
    return code <= kLastNamedDataType ? kNames[kAccessTypeCount + code] : nullptr;
}

int FindAccessType(std::string_view name) {
    for (std::size_t index = 0; index < kAccessTypeCount; ++index)
        if (EqualNoCase(name, kNames[index])) return static_cast<int>(index);
    return -1;
}

}  // namespace vantor
