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

// One bit per index and the number of bits set. It has no text of its own;
// as text it writes one numbered line "%d=0x%4.4X" per member.
class CEdsIndexSetField : public CEdsField {
public:
    CEdsIndexSetField();

    void SetText(TextArg) override {}
    std::optional<std::string> GetText() const override { return std::nullopt; }
    void Clear() override;
    // The count, then the members; reading clears the set first.
    DWORD ReadBinary(CStream* stream) override;
    DWORD WriteBinary(CStream* stream) const override;
    DWORD ReadText(CStream*) override { return ERROR_SUCCESS; }
    DWORD WriteText(CStream* stream) const override;

    bool Test(uint32_t index) const { return index < kIndexCount && bits_[index]; }
    // True when the bit changed.
    bool Set(uint16_t index, bool member);
    // 65536 members wrap the 16-bit count to 0, as in the stored form.
    uint16_t Count() const { return count_; }

    static constexpr uint32_t kIndexCount = 0x10000;

private:
    std::bitset<kIndexCount> bits_;
    uint16_t count_ = 0;
};

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
    // A section without a SupportedObjects line takes the member count.
    DWORD ReadTextItems(CStream* stream) override;

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
    CEdsUnsigned16Field supported_;
    CEdsIndexSetField set_;
    bool supportedRead_ = false;
};

}  // namespace vantor
