#include "library/dictionary/EdsObjectMap.h"


#include "common/Strings.h"
#include "library/dictionary/DictText.h"
#include "library/fields/FieldIo.h"
#include "library/storage/Streams.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr uint16_t kSupportedId = 0;
constexpr uint16_t kSetId = 1;
constexpr uint32_t kIndexCount = CEdsIndexSetField::kIndexCount;

constexpr FieldDescriptor kSupportedObjects{kSupportedId, "SupportedObjects", kAllFormats};
constexpr FieldDescriptor kObjectMap{kSetId, "ObjectMap", kAllFormats};

}  // namespace

CEdsIndexSetField::CEdsIndexSetField() : CEdsField(&kObjectMap) {}

void CEdsIndexSetField::Clear() {
    bits_.reset();
    count_ = 0;
}

DWORD CEdsIndexSetField::ReadBinary(CStream* stream) {
    Clear();
    uint16_t count = 0;
    DWORD result = fieldio::ReadNumber(stream, count);
    for (uint16_t i = 0; i < count && result == ERROR_SUCCESS; ++i) {
        uint16_t index = 0;
        result = fieldio::ReadNumber(stream, index);
        if (result == ERROR_SUCCESS) Set(index, true);
    }
    return result;
}

DWORD CEdsIndexSetField::WriteBinary(CStream* stream) const {
    DWORD result = fieldio::WriteNumber(stream, count_);
    for (uint32_t index = 0; index < kIndexCount && result == ERROR_SUCCESS; ++index)
        if (bits_[index]) result = fieldio::WriteNumber(stream, static_cast<uint16_t>(index));
    return result;
}

DWORD CEdsIndexSetField::WriteText(CStream* stream) const {
    int number = 0;
    for (uint32_t index = 0; index < kIndexCount; ++index) {
        if (!bits_[index]) continue;
        const DWORD result = WriteLine(stream, Formatted("%d=0x%4.4X", ++number, index).c_str());
        if (result != ERROR_SUCCESS) return result;
    }
    return ERROR_SUCCESS;
}

bool CEdsIndexSetField::Set(uint16_t index, bool member) {
    if (bits_[index] == member) return false;
    bits_[index] = member;
    count_ = static_cast<uint16_t>(member ? count_ + 1 : count_ - 1);
    return true;
}

CEdsObjectMap::CEdsObjectMap(TextArg name)
    : CEdsPropSet(name), supported_(&kSupportedObjects) {
    Link(&supported_);
    Link(&set_);
}

CEdsObjectMap::~CEdsObjectMap() = default;

CEdsField* CEdsObjectMap::FindById(uint16_t id) {
    switch (id) {
    case kSupportedId: supported_.SetValue(set_.Count()); return &supported_;
    case kSetId: return &set_;
    default: return nullptr;
    }
}

CEdsField* CEdsObjectMap::FindByName(std::string_view name) {
    if (EqualNoCase(kSupportedObjects.name, name)) {
        supportedRead_ = true;
        return FindById(kSupportedId);
    }
    return nullptr;
}

DWORD CEdsObjectMap::SetByKey(std::string_view key, TextArg text) {
    uint16_t number = 0;
    uint16_t index = 0;
    if (text && ParseUnsigned16(key, number) == ConvResult::Valid &&
        ParseUnsigned16(*text, index) == ConvResult::Valid) {
        set_.Set(index, true);
        return ERROR_SUCCESS;
    }
    return CEdsPropSet::SetByKey(key, text);
}

DWORD CEdsObjectMap::ReadTextItems(CStream* stream) {
    supportedRead_ = false;
    const DWORD result = CEdsPropSet::ReadTextItems(stream);
    if (!supportedRead_) supported_.SetValue(set_.Count());
    return result;
}

bool CEdsObjectMap::IsMember(uint32_t index) const { return set_.Test(index); }

void CEdsObjectMap::SetMember(uint32_t index, bool member) {
    if (index >= kIndexCount) return;
    set_.Set(static_cast<uint16_t>(index), member);
    supported_.SetValue(set_.Count());
}

uint16_t CEdsObjectMap::Count() const { return set_.Count(); }

uint16_t CEdsObjectMap::SupportedObjects() const { return supported_.Value(); }

std::vector<uint16_t> CEdsObjectMap::Members() const {
    std::vector<uint16_t> members;
    members.reserve(set_.Count());
    for (uint32_t index = 0; index < kIndexCount; ++index)
        if (set_.Test(index)) members.push_back(static_cast<uint16_t>(index));
    return members;
}

int CEdsObjectMap::CountInRange(uint16_t first, uint16_t last) const {
    int count = 0;
    for (uint32_t index = first; index <= last; ++index)
        if (set_.Test(index)) ++count;
    return count;
}

BSTR CEdsObjectMap::MembersToArray() const {
    const std::vector<uint16_t> members = Members();
    std::u16string units(members.begin(), members.end());
    return SysAllocStringLen(units.data(), static_cast<UINT>(units.size()));
}

}  // namespace vantor
