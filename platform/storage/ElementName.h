// Element names: 1 to 31 UTF-16 units without '/', '\\', ':' or '!', unique
// within a storage without regard to case, and ordered as compound files
// order them (shorter names first, then unit by unit in upper case).
#pragma once

#include "vantor/platform/wintypes.h"

#include <string>
#include <string_view>

namespace vantor::storage {

// Checks a caller's name and copies it to name. A null name gives
// STG_E_INVALIDPARAMETER; an empty, too long or otherwise unusable name
// STG_E_INVALIDNAME.
HRESULT CheckElementName(const OLECHAR* text, std::u16string& name);

// The upper-case form of one unit, used for comparing names.
char16_t FoldNameUnit(char16_t unit);

// Compound-file order of names; equal means "the same name".
int CompareElementNames(std::u16string_view a, std::u16string_view b);

struct ElementNameLess {
    using is_transparent = void;
    bool operator()(std::u16string_view a, std::u16string_view b) const { return CompareElementNames(a, b) < 0; }
};

}  // namespace vantor::storage
