// Fixed object records from which the library builds the identity object
// 0x1018 and PDO communication objects.
#pragma once

#include <cstdint>

#include "vantor/vantor.h"

namespace vantor {

// Main entry (sub-index 0xFF) and sub-indexes 0 to 4 of the identity object;
// any other sub-index gives the main entry.
EdsObjectRecord IdentityTemplate(uint8_t subIndex);
// Main entry (0xFF, and any sub-index above 5) and sub-indexes 0 to 5 of a
// PDO communication object; the main entry is named "%d. receive PDO
// parameter" of number, or the transmit name.
EdsObjectRecord PdoParameterTemplate(uint8_t subIndex, int number = 0, bool receive = true);

}  // namespace vantor
