// Default values and value limits of the standard CANopen objects, as the
// texts an object record holds.
#pragma once

#include <string>

namespace brenmoor {

// Empty where the standard gives no default value.
std::string DefaultValue(unsigned index, unsigned sub);

// Empty where the standard gives no limit.
std::string LowLimit(unsigned index, unsigned sub);
std::string HighLimit(unsigned index, unsigned sub);

}  // namespace brenmoor
