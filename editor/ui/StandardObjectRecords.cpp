#include "editor/ui/StandardObjectRecords.h"

#include "common/RecordText.h"
#include "editor/document/CANoType.h"
#include "editor/document/IndexRanges.h"

namespace brenmoor {
namespace {

// The standard data types do not depend on a size; where the tables name
// none the entry stays without type.
constexpr int kNoByteCount = 0;

void FillValues(EdsObjectRecord& record, unsigned index, unsigned sub) {
    record.DataType = static_cast<uint16_t>(DataType(kNoByteCount, index, sub));
    record.PDOMapping = PdoMapping(index, sub) ? 1 : 0;
    vantor::StoreRecordText(record.LowLimit, LowLimit(index, sub));
    vantor::StoreRecordText(record.HighLimit, HighLimit(index, sub));
    vantor::StoreRecordText(record.DefaultValue, DefaultValue(index, sub));
}

}  // namespace

std::optional<EdsObjectRecord> GetMainData(unsigned index) try {
    EdsObjectRecord record{};
    record.Category = static_cast<uint8_t>(ObjectList(index));
    vantor::StoreRecordText(record.ParameterName, MainName(index));
    const ObjectTypeCode type = ObjectType(index, kMainSubIndex);
    record.ObjectType = static_cast<uint8_t>(type);
    record.AccessType = static_cast<uint8_t>(AccessType(index, kMainSubIndex));
    switch (type) {
        case kObjectVar:
            FillValues(record, index, kMainSubIndex);
            return record;
        case kObjectArray:
        case kObjectRecord:
            return record;
        default:
            return std::nullopt;
    }
} catch (...) {
    return std::nullopt;
}

std::optional<EdsObjectRecord> GetSubData(unsigned index, unsigned sub) try {
    EdsObjectRecord record{};
    record.ObjectType = static_cast<uint8_t>(ObjectType(index, sub));
    record.AccessType = static_cast<uint8_t>(AccessType(index, sub));
    vantor::StoreRecordText(record.ParameterName, SubName(index, sub));
    FillValues(record, index, sub);
    return record;
} catch (...) {
    return std::nullopt;
}

}  // namespace brenmoor
