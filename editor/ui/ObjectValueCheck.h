// Checks of the values typed into an object record before they reach the
// document. The library reads value texts leniently ("1.5" as an INTEGER8
// of 1, "7 8" as 7), so an editor that passed typed texts on unchecked
// would store something other than what the user sees.
#pragma once

#include <QString>

#include "vantor/vantor.h"

namespace brenmoor {

// The first field of a record that fails its check.
enum class ValueFault {
    None,
    LowLimit,
    HighLimit,
    DefaultValue,
    AccessType,
    DataType,
    ObjectType,
};

// The field's caption as the dialogs name it ("Low Limit", ...).
QString FaultFieldName(ValueFault fault);

// True when text is an acceptable value of the data type: empty (after
// trimming), or exactly one number of the type; integer types also take
// "$NODEID+n" and "n+$NODEID" in any case, n checked alone. Types that are
// not numbers (strings, domains, times) accept any text.
bool IsValueText(int dataType, const QString& text);

// The limits and the default value: each a value of the record's data
// type, and, where they are plain numbers, low limit <= high limit and the
// default value within them.
ValueFault CheckValueTexts(int dataType, const QString& low, const QString& high, const QString& defaultValue);

// Which record a check is about: a sub-index, or an object's main entry.
enum class RecordRole { SubIndex, MainEntry };

// Everything a stored record must satisfy: the value texts (for a main
// entry only when it has no sub-indexes, as its default value then holds
// the presence map); an access type and a data type for a sub-index and a
// simple VAR; and, for a main entry, an object type that fits its
// structure (VAR, DOMAIN and NULL have no sub-indexes; ARRAY and RECORD
// have some).
ValueFault CheckObjectRecord(const EdsObjectRecord& record, RecordRole role);

}  // namespace brenmoor
