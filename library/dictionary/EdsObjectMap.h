// A set of dictionary indexes: all existing objects, or one of the EDS
// object lists ([MandatoryObjects] and the others). Binary form: the member
// count, then the members in ascending order; text form: SupportedObjects
// and one "%d=0x%4.4X" line per member.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "library/fields/EdsProp.h"
#include "vantor/platform.h"

namespace vantor {

class CEdsObjectMap : public CEdsPropSet {
public:
    explicit CEdsObjectMap(TextArg name = std::nullopt);
    ~CEdsObjectMap() override;

    // Id 0 is SupportedObjects, set to the member count first; id 1 the set.
    CEdsField* FindById(uint16_t id) override;
    // SupportedObjects only: the set has no key of its own.
    CEdsField* FindByName(std::string_view name) override;
    // A line whose key and value both read as UNSIGNED16 adds the value.
    DWORD SetByKey(std::string_view key, TextArg text) override;

    bool IsMember(uint32_t index) const;
    void SetMember(uint32_t index, bool member);
    uint16_t Count() const;
    // Members in ascending order.
    std::vector<uint16_t> Members() const;
    // Members in 0..0xFFFF within [first, last].
    int CountInRange(uint16_t first, uint16_t last) const;
    // One 16-bit unit per member, ascending; null without memory. The caller
    // frees it with SysFreeString.
    BSTR MembersToArray() const;
    // The SupportedObjects value as it will be saved and written.
    uint16_t SupportedObjects() const;

private:
    class CIndexSetField;
    class CSupportedField;

    std::unique_ptr<CSupportedField> supported_;
    std::unique_ptr<CIndexSetField> set_;
};

}  // namespace vantor
