// Standard names of CANopen objects and of their sub-entries.
#pragma once

#include <string>

namespace brenmoor {

// Name of the object at the index; empty when the index has no standard name.
std::string MainName(unsigned index);

// Name of a sub-entry. Single-entry objects (the communication variables and
// the data type definitions) answer with their main name; indexes the
// standard does not describe get the generic "Number of entries" and
// "<n>. entry" names.
std::string SubName(unsigned index, unsigned sub);

}  // namespace brenmoor
