#include "storage/ElementName.h"

#include "storage/StorageLimits.h"
#include "Unicode.h"

namespace vantor::storage {

namespace {

bool IsForbiddenNameUnit(char16_t unit) { return unit == u'/' || unit == u'\\' || unit == u':' || unit == u'!'; }

// Latin Extended-A pairs: which of the two neighbours is the capital.
char16_t FoldLatinExtendedA(char16_t unit) {
    const bool evenIsUpper = (unit >= 0x0100 && unit <= 0x0137) || (unit >= 0x014A && unit <= 0x0177);
    const bool oddIsUpper = (unit >= 0x0139 && unit <= 0x0148) || (unit >= 0x0179 && unit <= 0x017E);
    if (evenIsUpper && (unit & 1)) return static_cast<char16_t>(unit - 1);
    if (oddIsUpper && !(unit & 1)) return static_cast<char16_t>(unit - 1);
    return unit;
}

}  // namespace

char16_t FoldNameUnit(char16_t unit) {
    if (unit >= u'a' && unit <= u'z') return static_cast<char16_t>(unit - 0x20);
    if (unit < 0x00E0) return unit;
    if (unit <= 0x00FE) return unit == 0x00F7 ? unit : static_cast<char16_t>(unit - 0x20);
    if (unit == 0x00FF) return 0x0178;
    if (unit <= 0x017F) return FoldLatinExtendedA(unit);
    if (unit == 0x03C2) return 0x03A3;
    if (unit >= 0x03B1 && unit <= 0x03C9) return static_cast<char16_t>(unit - 0x20);
    if (unit >= 0x0430 && unit <= 0x044F) return static_cast<char16_t>(unit - 0x20);
    if (unit >= 0x0450 && unit <= 0x045F) return static_cast<char16_t>(unit - 0x50);
    if (unit >= 0xFF41 && unit <= 0xFF5A) return static_cast<char16_t>(unit - 0x20);
    return unit;
}

int CompareElementNames(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (size_t i = 0; i < a.size(); ++i) {
        const char16_t x = FoldNameUnit(a[i]);
        const char16_t y = FoldNameUnit(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

HRESULT CheckElementName(const OLECHAR* text, std::u16string& name) {
    if (!text) return STG_E_INVALIDPARAMETER;
    size_t length = 0;
    while (length <= kMaxNameUnits && text[length] != 0) ++length;
    if (length == 0 || length > kMaxNameUnits) return STG_E_INVALIDNAME;
    const std::u16string_view view(text, length);
    for (char16_t unit : view)
        if (IsForbiddenNameUnit(unit)) return STG_E_INVALIDNAME;
    if (!IsWellFormedUtf16(view)) return STG_E_INVALIDNAME;
    name.assign(view);
    return S_OK;
}

}  // namespace vantor::storage
