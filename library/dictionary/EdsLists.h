// Numbered lists of a dictionary object: the indexes of the objects linked
// to it ([2000ObjectLinks]) and the names, default values and denotations
// of compact sub-indexes ([2000Name], [2000Value], [2000Denotation]).
//
// Each list is a property set of a count key and a list of "name=value"
// lines. The count always equals the number of lines once data moves (after
// a load or a read, before a save or a write); while a section is read, a
// count line holds the value read until the next list line arrives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/fields/EdsProp.h"
#include "vantor/platform.h"

namespace vantor {

template <class CountField>
class CEdsCountedList : public CEdsPropSet {
public:
    // Id 0 is the count, brought up to the number of lines first; id 1 the
    // list of lines.
    CEdsField* FindById(uint16_t id) override;
    // The two keys, by length and then without regard to case.
    CEdsField* FindByName(std::string_view name) override;
    // A list line is appended as "key=value"; other keys are set as in every
    // property set (the list key itself sets nothing).
    DWORD SetByKey(std::string_view key, TextArg text) override;
    void Notify(NotifyPhase phase) override;

    typename CountField::ValueType Count() const { return count_.Value(); }
    const std::vector<std::string>& Lines() const { return list_.Lines(); }

protected:
    CEdsCountedList(const FieldDescriptor* countKey, const FieldDescriptor* listKey);

    virtual bool IsListLine(std::string_view key, TextArg value) const = 0;
    // The list's SetPairValue, keeping the count.
    DWORD SetLineValue(std::string_view name, TextArg value);
    void SyncCount();

    CountField count_;
    CEdsStringListField list_;
};

extern template class CEdsCountedList<CEdsUnsigned16Field>;
extern template class CEdsCountedList<CEdsInteger32Field>;

// The objects linked to one object. A line read from text is a link when
// both its name and its value read as UNSIGNED16 numbers; it is kept as
// read ("2=8449"). Links set from an array are named by their 1-based
// position and valued "0x%4.4X".
class CEdsObjLinks : public CEdsCountedList<CEdsUnsigned16Field> {
public:
    CEdsObjLinks();

    // Replaces the line of that name, appends one, or removes it for an
    // empty value.
    DWORD SetLink(std::string_view name, TextArg value) { return SetLineValue(name, value); }

    // One 16-bit unit per line, holding the line's value; a line whose value
    // is not an UNSIGNED16 number is skipped and the units left over are 0.
    // None when memory runs out. The caller frees it with SysFreeString.
    BSTR LinksToArray() const;
    // Replaces the list by one link per unit of links (none is empty).
    DWORD LinksFromArray(BSTR links);

protected:
    bool IsListLine(std::string_view key, TextArg value) const override;
};

// The per-sub-index texts of a compact object: lines "1=...", "2=...", named
// by the sub-index in decimal. A line read from text belongs to the list
// when its name reads as an UNSIGNED32 number; the value may be any text.
class CEdsStringList : public CEdsCountedList<CEdsInteger32Field> {
public:
    CEdsStringList();

    // The value of the first line of that name (compared as text without
    // regard to case, so "01" is not "1"); none for a missing name or an
    // empty value. Always 0.
    DWORD GetTextByKey(std::string_view name, std::optional<std::string>& text) override;
    // Replaces the line of that name, appends one, or removes it for an
    // empty value.
    DWORD SetTextByKey(std::string_view name, TextArg value) override;

protected:
    bool IsListLine(std::string_view key, TextArg value) const override;
};

}  // namespace vantor
