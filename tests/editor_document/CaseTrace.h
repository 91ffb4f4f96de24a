// Failure labels for the table-driven tests of the CANopen tables.
#pragma once

#include <cstdio>
#include <string>

inline std::string At(unsigned index, unsigned sub) {
    char label[32];
    std::snprintf(label, sizeof label, "%04X sub %u", index, sub);
    return label;
}

inline std::string At(unsigned index) {
    char label[16];
    std::snprintf(label, sizeof label, "%04X", index);
    return label;
}
