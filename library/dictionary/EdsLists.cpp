#include "library/dictionary/EdsLists.h"

#include <algorithm>
#include <limits>

#include "common/Strings.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr uint16_t kCountId = 0;
constexpr uint16_t kListId = 1;

constexpr FieldDescriptor kObjectLinks{kCountId, "ObjectLinks", kAllFormats};
constexpr FieldDescriptor kLinkList{kListId, "LinkList", kAllFormats};
constexpr FieldDescriptor kNrOfEntries{kCountId, "NrOfEntries", kAllFormats};
constexpr FieldDescriptor kElementList{kListId, "ElementList", kAllFormats};

bool IsUnsigned16(std::string_view text) {
    uint16_t value = 0;
    return ParseUnsigned16(text, value) == ConvResult::Valid;
}

bool IsUnsigned32(std::string_view text) {
    uint32_t value = 0;
    return ParseUnsigned32(text, value) == ConvResult::Valid;
}

}  // namespace

// ---- CEdsCountedList ----------------------------------------------------------

template <class CountField>
CEdsCountedList<CountField>::CEdsCountedList(const FieldDescriptor* countKey, const FieldDescriptor* listKey)
    : count_(countKey), list_(listKey) {
    Link(&count_);
    Link(&list_);
}

template <class CountField>
void CEdsCountedList<CountField>::SyncCount() {
    using Value = typename CountField::ValueType;
    constexpr auto kLargest = static_cast<std::size_t>(std::numeric_limits<Value>::max());
    count_.SetValue(static_cast<Value>(std::min(list_.GetCount(), kLargest)));
}

template <class CountField>
CEdsField* CEdsCountedList<CountField>::FindById(uint16_t id) {
    switch (id) {
    case kCountId: SyncCount(); return &count_;
    case kListId: return &list_;
    default: return nullptr;
    }
}

template <class CountField>
CEdsField* CEdsCountedList<CountField>::FindByName(std::string_view name) {
    if (EqualNoCase(count_.Descriptor()->name, name)) return FindById(kCountId);
    if (EqualNoCase(list_.Descriptor()->name, name)) return FindById(kListId);
    return nullptr;
}

template <class CountField>
DWORD CEdsCountedList<CountField>::SetByKey(std::string_view key, TextArg text) {
    if (!IsListLine(key, text)) return CEdsPropSet::SetByKey(key, text);
    const DWORD result = list_.AddPair(key, text.value_or(std::string_view{}));
    if (result == ERROR_SUCCESS) SyncCount();
    return result;
}

template <class CountField>
void CEdsCountedList<CountField>::Notify(NotifyPhase) {
    SyncCount();
}

template <class CountField>
DWORD CEdsCountedList<CountField>::SetLineValue(std::string_view name, TextArg value) {
    const DWORD result = list_.SetPairValue(name, value);
    SyncCount();
    return result;
}

template class CEdsCountedList<CEdsUnsigned16Field>;
template class CEdsCountedList<CEdsInteger32Field>;

// ---- CEdsObjLinks -------------------------------------------------------------

CEdsObjLinks::CEdsObjLinks() : CEdsCountedList(&kObjectLinks, &kLinkList) {}

bool CEdsObjLinks::IsListLine(std::string_view key, TextArg value) const {
    return value && IsUnsigned16(key) && IsUnsigned16(*value);
}

BSTR CEdsObjLinks::LinksToArray() const {
    const std::size_t count = list_.GetCount();
    if (count > std::numeric_limits<UINT>::max()) return nullptr;
    BSTR links = SysAllocStringLen(nullptr, static_cast<UINT>(count));
    if (!links) return nullptr;
    std::fill_n(links, count, OLECHAR{0});

    std::size_t next = 0;
    for (std::size_t line = 0; line < count; ++line) {
        std::optional<std::string> value;
        if (list_.GetLineValue(line, value) != ERROR_SUCCESS || !value) continue;
        uint16_t index = 0;
        if (ParseUnsigned16(*value, index) == ConvResult::Valid) links[next++] = static_cast<OLECHAR>(index);
    }
    return links;
}

DWORD CEdsObjLinks::LinksFromArray(BSTR links) {
    list_.RemoveAll();
    const UINT count = SysStringLen(links);
    DWORD result = ERROR_SUCCESS;
    for (UINT i = 0; i < count && result == ERROR_SUCCESS; ++i) {
        result = list_.SetPairValue(std::to_string(i + 1), FormatHex(static_cast<uint16_t>(links[i]), 4));
    }
    SyncCount();
    return result;
}

// ---- CEdsStringList -----------------------------------------------------------

CEdsStringList::CEdsStringList() : CEdsCountedList(&kNrOfEntries, &kElementList) {}

bool CEdsStringList::IsListLine(std::string_view key, TextArg) const { return IsUnsigned32(key); }

DWORD CEdsStringList::GetTextByKey(std::string_view name, std::optional<std::string>& text) {
    text = list_.GetPairValue(name);
    return ERROR_SUCCESS;
}

DWORD CEdsStringList::SetTextByKey(std::string_view name, TextArg value) { return SetLineValue(name, value); }

}  // namespace vantor
