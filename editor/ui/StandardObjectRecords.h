// Object records of the standard communication objects, filled from what
// the editor knows of them, ready to be added to a document.
#pragma once

#include <optional>

#include "vantor/vantor.h"

namespace brenmoor {

// The main entry of the index: category, name, object type and access type,
// and for a variable also its data type, mapping, limits and default value.
// None for an index whose object type is neither VAR, ARRAY nor RECORD.
std::optional<EdsObjectRecord> GetMainData(unsigned index);

// One sub-entry of an array or record: object type, access type, data type,
// mapping, name, limits and default value; category and sub-index count 0.
std::optional<EdsObjectRecord> GetSubData(unsigned index, unsigned sub);

}  // namespace brenmoor
