// A small section with a member field of every kind, linked at construction
// in a fixed order, and memory streams to read from and write to.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/Strings.h"
#include "library/fields/EdsFlds.h"
#include "library/fields/EdsProp.h"
#include "library/storage/Streams.h"

namespace vantor::test {

inline constexpr FieldDescriptor kNameKey{1, "ParameterName", kAllFormats};
inline constexpr FieldDescriptor kObjectTypeKey{2, "ObjectType", kAllFormats};
inline constexpr FieldDescriptor kDataTypeKey{3, "DataType", kAllFormats};
inline constexpr FieldDescriptor kAccessTypeKey{4, "AccessType", kAllFormats};
inline constexpr FieldDescriptor kMappingKey{5, "PDOMapping", kAllFormats};
inline constexpr FieldDescriptor kUnsigned8Key{6, "Unsigned8", kAllFormats};
inline constexpr FieldDescriptor kInteger16Key{7, "Integer16", kAllFormats};
inline constexpr FieldDescriptor kUnsigned16Key{8, "Unsigned16", kAllFormats};
inline constexpr FieldDescriptor kInteger32Key{9, "Integer32", kAllFormats};
inline constexpr FieldDescriptor kUnsigned32Key{10, "Unsigned32", kAllFormats};
inline constexpr FieldDescriptor kTimeKey{11, "CreationTime", kAllFormats};
inline constexpr FieldDescriptor kDateKey{12, "CreationDate", kAllFormats};
inline constexpr FieldDescriptor kFileNameKey{13, "FileName", kAllFormats};
inline constexpr FieldDescriptor kShortTextKey{14, "Short", kAllFormats};
inline constexpr FieldDescriptor kLinesKey{15, "Lines", kAllFormats};
inline constexpr FieldDescriptor kFormat1Key{16, "FormatOne", kFormat1};
inline constexpr FieldDescriptor kParameterValueKey{0x8001, "ParameterValue", kAllFormats};
// Known only to the newer version of the set, and linked only when used.
inline constexpr FieldDescriptor kExtraKey{17, "Extra", kAllFormats};

class CTestSet : public CEdsPropSet {
public:
    explicit CTestSet(TextArg name = "TestSection", bool knowsExtra = false)
        : CEdsPropSet(name), knowsExtra_(knowsExtra) {
        for (CEdsField* field : Members()) Link(field);
    }

    CEdsField* FindById(uint16_t id) override {
        for (CEdsField* field : Known())
            if (field->Id() == id) return field;
        return nullptr;
    }

    CEdsField* FindByName(std::string_view key) override {
        for (CEdsField* field : Known())
            if (EqualNoCase(field->Key(), key)) return field;
        return nullptr;
    }

    void Notify(NotifyPhase phase) override { phases.push_back(phase); }

    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const CEdsField* field : Fields()) keys.emplace_back(field->Key());
        return keys;
    }

    CEdsTextField name{&kNameKey, 256};
    CEdsObjectCodeField objectType{&kObjectTypeKey};
    CEdsDataTypeField dataType{&kDataTypeKey};
    CEdsAccessTypeField accessType{&kAccessTypeKey};
    CEdsBooleanField mapping{&kMappingKey};
    CEdsUnsigned8Field unsigned8{&kUnsigned8Key};
    CEdsInteger16Field integer16{&kInteger16Key};
    CEdsUnsigned16Field unsigned16{&kUnsigned16Key};
    CEdsInteger32Field integer32{&kInteger32Key};
    CEdsUnsigned32Field unsigned32{&kUnsigned32Key};
    CEdsTimeField time{&kTimeKey};
    CEdsDateField date{&kDateKey};
    CEdsFileNameField fileName{&kFileNameKey};
    CEdsTextField shortText{&kShortTextKey, 4};
    CEdsStringListField lines{&kLinesKey};
    CEdsTextField formatOne{&kFormat1Key, 15};
    CEdsTextField parameterValue{&kParameterValueKey, 256};
    CEdsTextField extra{&kExtraKey, 8};

    std::vector<NotifyPhase> phases;

private:
    std::vector<CEdsField*> Members() {
        return {&name,      &objectType, &dataType,  &accessType, &mapping, &unsigned8,  &integer16,
                &unsigned16, &integer32, &unsigned32, &time,      &date,    &fileName,   &shortText,
                &lines,     &formatOne,  &parameterValue};
    }

    std::vector<CEdsField*> Known() {
        std::vector<CEdsField*> known = Members();
        if (knowsExtra_) known.push_back(&extra);
        return known;
    }

    bool knowsExtra_;
};

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) bytes += static_cast<char>(value);
    return bytes;
}

// A memory stream holding content, positioned at its start.
class CTestStream : public CMemoryStream {
public:
    explicit CTestStream(std::string_view content = {}) {
        if (!content.empty()) Write(content.data(), static_cast<int32_t>(content.size()));
        Seek(0, kSeekBegin);
    }

    std::string Content() {
        std::string content(static_cast<std::size_t>(GetSize()), '\0');
        const int32_t position = GetPosition();
        Seek(0, kSeekBegin);
        if (!content.empty()) Read(content.data(), static_cast<int32_t>(content.size()));
        Seek(position, kSeekBegin);
        return content;
    }
};

// Accepts at most capacity bytes; the write that reaches past them is short,
// or fails with error when error is not 0.
class CLimitedStream : public CTestStream {
public:
    CLimitedStream(int32_t capacity, DWORD error) : capacity_(capacity), error_(error) {}

    int32_t Write(const void* buffer, int32_t count) override {
        const int32_t room = capacity_ - GetSize();
        if (count <= room) return CTestStream::Write(buffer, count);
        if (error_ != ERROR_SUCCESS) return Fail(error_);
        return CTestStream::Write(buffer, room);
    }

private:
    int32_t capacity_;
    DWORD error_;
};

}  // namespace vantor::test
