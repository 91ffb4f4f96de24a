// Compound files, text streams and records for the dictionary storage tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "common/RecordText.h"
#include "library/storage/Streams.h"
#include "storage/StorageTestSupport.h"
#include "support/PropSetTestIo.h"
#include "vantor/vantor.h"

namespace vantor::test {

struct BstrDeleter {
    void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using Bstr = std::unique_ptr<OLECHAR, BstrDeleter>;

inline std::u16string Units(BSTR text) { return {text, SysStringLen(text)}; }

// A stream holding text, positioned at its start.
inline std::unique_ptr<CMemoryStream> TextStream(std::string_view text) {
    auto stream = std::make_unique<CMemoryStream>();
    stream->Write(text.data(), static_cast<int32_t>(text.size()));
    stream->Seek(0, kSeekBegin);
    return stream;
}

inline EdsObjectRecord Record(std::string_view name, uint8_t category = 0, std::string_view defaultValue = "",
                              uint8_t objectType = 7) {
    EdsObjectRecord record;
    std::memset(&record, 0, sizeof record);
    record.Category = category;
    record.ObjectType = objectType;
    record.AccessType = 3;
    record.DataType = 7;
    StoreRecordText(record.ParameterName, name);
    StoreRecordText(record.DefaultValue, defaultValue);
    return record;
}

inline std::string Text(const char (&array)[256]) { return std::string(RecordText(array)); }

inline ComPtr<IStorage> SubStorage(IStorage* parent, const std::u16string& name) {
    ComPtr<IStorage> storage;
    EXPECT_EQ(parent->CreateStorage(name.c_str(), STGM_CREATE | kElementMode, 0, 0, storage.ReleaseAndGetAddressOf()),
              S_OK);
    return storage;
}

inline bool HasElement(IStorage* storage, const std::u16string& name) {
    ComPtr<IStream> stream;
    if (storage->OpenStream(name.c_str(), nullptr, kElementMode, 0, stream.ReleaseAndGetAddressOf()) == S_OK)
        return true;
    ComPtr<IStorage> child;
    return storage->OpenStorage(name.c_str(), nullptr, kElementMode, nullptr, 0, child.ReleaseAndGetAddressOf()) == S_OK;
}

}  // namespace vantor::test
