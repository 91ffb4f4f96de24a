#include "library/sections/EdsDummyUsage.h"

#include <cstring>

#include "common/RecordText.h"

namespace vantor {
namespace {

constexpr std::array<FieldDescriptor, CEdsDummyUsage::kTypeCount> kDummyKeys{{
    {0, "Dummy0001", kAllFormats},
    {1, "Dummy0002", kAllFormats},
    {2, "Dummy0003", kAllFormats},
    {3, "Dummy0004", kAllFormats},
    {4, "Dummy0005", kAllFormats},
    {5, "Dummy0006", kAllFormats},
    {6, "Dummy0007", kAllFormats},
}};

}  // namespace

CEdsDummyUsage::CEdsDummyUsage() : CEdsKeyedSet("DummyUsage") {
    for (std::size_t type = 0; type < kTypeCount; ++type) {
        dummies_[type] = std::make_unique<CEdsBooleanField>(&kDummyKeys[type]);
        Register(*dummies_[type]);
    }
}

void CEdsDummyUsage::ToRecord(EdsDummyUsageRecord& record) const {
    uint8_t bytes[kTypeCount];
    for (std::size_t type = 0; type < kTypeCount; ++type) bytes[type] = dummies_[type]->Value();
    std::memcpy(&record, bytes, sizeof record);
}

void CEdsDummyUsage::FromRecord(const EdsDummyUsageRecord& record) {
    uint8_t bytes[kTypeCount];
    std::memcpy(bytes, &record, sizeof bytes);
    for (std::size_t type = 0; type < kTypeCount; ++type) dummies_[type]->SetValue(RecordFlag(bytes[type]));
}

}  // namespace vantor
